#include "render/cards/card_graphics_file.h"

#include <QByteArray>
#include <QFile>
#include <QImage>

#include "platform/files.h"

namespace CardGraphics {
namespace {

std::optional<Surface> ToSurface(const QImage& image) {
    if (image.isNull()) return std::nullopt;
    Surface surface;
    surface.Image() = image.convertToFormat(QImage::Format_RGB32);
    return surface;
}

}  // namespace

std::optional<Surface> ReadCardGraphicsFile(std::string_view path) {
    QFile file(QString::fromStdString(std::string(path)));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (bytes.size() >= 2 && bytes[0] == 'M' && bytes[1] == 'B') bytes[0] = 'B', bytes[1] = 'M';
    QImage image;
    if (!image.loadFromData(bytes, "BMP")) return std::nullopt;
    return ToSurface(image);
}

std::optional<Surface> ReadBuiltInStrip(std::string_view name) {
    return ToSurface(
        QImage(QStringLiteral(":/cards/") + QString::fromUtf8(name.data(), name.size()), "BMP"));
}

std::string CompanionFile(std::string_view setFile, int number) {
    const std::string base(setFile.substr(0, setFile.size() >= 4 ? setFile.size() - 4 : 0));
    return APIs::FindIgnoringCase(base + std::to_string(number) + ".kdf");
}

std::string JokerFile(std::string_view jokerFile) {
    const std::string base(jokerFile.substr(0, jokerFile.size() >= 3 ? jokerFile.size() - 3 : 0));
    return APIs::FindIgnoringCase(base + "kdf");
}

}  // namespace CardGraphics
