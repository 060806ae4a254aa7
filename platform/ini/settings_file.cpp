#include "platform/ini/settings_file.h"

#include "platform/atomic_file.h"
#include "platform/files.h"
#include "platform/ini/ini_document.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace {

IniDocument LoadSettingsFile() {
    std::string text;
    if (!ReadWholeFile(paths.IniPath, text)) return {};
    return IniDocument::Parse(text);
}

bool Store(const IniDocument& doc) {
    APIs::ClearReadOnly(paths.IniPath);
    return WriteFileAtomically(paths.IniPath, doc.Text());
}

}  // namespace

std::string APIs::ReadIni(std::string_view section, std::string_view key,
                          std::string_view fallback) {
    auto value = LoadSettingsFile().Value(section, key);
    return value ? *value : std::string(fallback);
}

int APIs::WriteIni(std::string_view section, std::string_view key, std::string_view value) {
    if (paths.IniPath.empty()) return 0;
    IniDocument doc = LoadSettingsFile();
    doc.SetValue(section, key, value);
    return Store(doc) ? 1 : 0;
}

int APIs::WriteIniValues(std::string_view section, const IniValues& values) {
    if (paths.IniPath.empty()) return 0;
    IniDocument doc = LoadSettingsFile();
    for (const auto& [key, value] : values) doc.SetValue(section, key, value);
    return Store(doc) ? 1 : 0;
}

std::vector<std::string> APIs::IniSectionNames() { return LoadSettingsFile().SectionNames(); }

int APIs::DeleteIniSection(std::string_view section) {
    IniDocument doc = LoadSettingsFile();
    if (!doc.RemoveSection(section)) return 1;
    return Store(doc) ? 1 : 0;
}

int Misc::RenameIniSection(std::string_view oldName, std::string_view newName) {
    if (!APIs::FileExists(paths.IniPath)) return kRenameNoFile;
    IniDocument doc = LoadSettingsFile();
    if (!doc.HasSection(oldName)) return kRenameNoSection;
    if (doc.HasSection(newName) && !EqualsIgnoringCase(oldName, newName)) {
        return kRenameNameTaken;
    }
    if (!doc.RenameSectionHeader(oldName, newName)) return kRenameNoSection;
    return Store(doc) ? kRenameDone : kRenameWriteFailed;
}
