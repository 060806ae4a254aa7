#include "engine/tables_loader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "engine/model/state/tables.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/settings/player_settings.h"
#include "platform/unscrambler.h"

namespace {

constexpr size_t kFirstMusicLine = kSoundEvents;
constexpr size_t kDefaultTunes = 15;
constexpr size_t kFirstMessageLine = kFirstMusicLine + kDefaultTunes;
constexpr size_t kFirstMessage2Line = kFirstMessageLine + 298;

std::string RightTrimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string MediaFolder() {
    return paths.DataFolder + "/Media/";
}

void TakeLine(size_t index, std::string text) {
    if (index < kFirstMusicLine) {
        const std::string file = MediaFolder() + RightTrimmed(std::move(text)) + ".wav";
        for (int bank : {0, kSoundLastApplied, kSoundDefaults}) {
            settings.SoundFiles[index + 1 + static_cast<size_t>(bank)] = file;
        }
    } else if (index < kFirstMessageLine) {
        const size_t tune = index - kFirstMusicLine + 1;
        const std::string file = MediaFolder() + RightTrimmed(std::move(text)) + ".mid";
        for (int bank : {0, kMusicLastApplied, kMusicDefaults}) {
            settings.MusicFiles[tune + static_cast<size_t>(bank)] = file;
        }
    } else if (index < kFirstMessage2Line) {
        tables.MessageTable[index - kFirstMessageLine] = std::move(text);
    } else {
        tables.MessageTable2[index - kFirstMessage2Line] = std::move(text);
    }
}

}  // namespace

void KavlorMain::FillTables(std::string_view tail) {
    for (size_t index = 0; index < kTableLines; ++index) {
        const auto end = tail.find('\r');
        if (end == std::string_view::npos) return;
        TakeLine(index, APIs::UnscrambleLine(tail.substr(0, end)));
        tail.remove_prefix(std::min(tail.size(), end + 2));
    }
}

std::string KavlorMain::InstalledProgramFile() {
    std::string folder = paths.ProgramFolder;
    if (folder.empty()) {
        std::error_code ec;
        folder = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
    }
    return APIs::FindIgnoringCase(folder + "/kavlor");
}

void KavlorMain::LoadTables() {
    std::ifstream file(InstalledProgramFile(), std::ios::binary | std::ios::ate);
    if (!file) return;
    const auto size = static_cast<std::streamoff>(file.tellg());
    const auto start = static_cast<std::streamoff>(kTablesOffset);
    if (size <= start) return;
    std::string tail(static_cast<size_t>(size - start - 1), '\0');
    file.seekg(start);
    if (!file.read(tail.data(), static_cast<std::streamsize>(tail.size()))) return;
    FillTables(tail);
}
