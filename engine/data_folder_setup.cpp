#include "engine/data_folder_setup.h"

#include <filesystem>
#include <system_error>

#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

namespace {

// Copies the tree under from into to, leaving every file already in to as it is.
void CopyMissing(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (!fs::is_directory(from, error)) return;
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::skip_existing, error);
}

}  // namespace

bool KavlorMain::FindDataFolder(const std::string& programFolder) {
    std::string folder = APIs::SpecialFolder(kCommonAppData);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    std::error_code error;
    if (!folder.empty()) fs::create_directories(folder + "/Kavlor", error);
    if (folder.empty() || !fs::is_directory(folder + "/Kavlor", error)) {
        MsgBox("Error obtaining Data Path to ini file. Try Reinstalling.", vbCritical,
               "Missing Data Folder");
        return false;
    }
    paths.DataFolder = folder + "/Kavlor";
    paths.IniPath = paths.DataFolder + "/Kavlor.ini";
    paths.ProgramFolder = programFolder;
    return true;
}

void KavlorMain::CopyShippedFiles() {
    const fs::path program = paths.ProgramFolder;
    const fs::path data = paths.DataFolder;
    std::error_code error;
    fs::copy_file(program / APIs::kOwnFontFile, data / APIs::kOwnFontFile,
                  fs::copy_options::skip_existing, error);
    CopyMissing(program / "Media", data / "Media");
    fs::create_directories(data / "graphics", error);
}
