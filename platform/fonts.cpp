#include "platform/fonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <map>

#include "platform/message_boxes.h"
#include "platform/text.h"

namespace APIs {
namespace {

QString AbsolutePath(std::string_view path) {
    return QFileInfo(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())))
        .absoluteFilePath();
}

// The fonts this run added, by file, so that they can be removed again.
std::map<QString, int>& AddedFonts() {
    static std::map<QString, int> added;
    return added;
}

}  // namespace

bool AddFont(std::string_view path) {
    const QString file = AbsolutePath(path);
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0) {
        MsgBox("Error Occured Attempting to Add Font Resource.", vbOKOnly);
        return false;
    }
    AddedFonts()[file] = id;
    return true;
}

bool RemoveFont(std::string_view path) {
    const QString file = AbsolutePath(path);
    if (!QFileInfo(file).isFile()) return false;
    const auto added = AddedFonts().find(file);
    if (added == AddedFonts().end()) return true;
    const bool removed = QFontDatabase::removeApplicationFont(added->second);
    if (removed) AddedFonts().erase(added);
    return !removed;
}

bool IsOwnFontInstalled() {
    const QString face = QString::fromLatin1(kOwnFontFace);
    for (const QString& family : QFontDatabase::families()) {
        if (family.compare(face, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

QString FontFamilyFor(std::string_view face) {
    if (EqualsIgnoringCase(face, "Times New Roman")) return QStringLiteral("Liberation Serif");
    return QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
}

}  // namespace APIs
