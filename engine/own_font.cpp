#include "engine/own_font.h"

#include <filesystem>
#include <system_error>

#include "engine/model/state/run_flags.h"
#include "platform/fonts.h"
#include "platform/message_boxes.h"
#include "platform/paths.h"

namespace {

constexpr const char* kFontMissingNotice =
    "The font \"Kavlor4\" is not installed and its file is missing.\n"
    "The table will be drawn with the system's fonts.\n"
    "Reinstalling Kavlor puts the font file back.";

std::string OwnFontFile() {
    return paths.DataFolder + "/" + APIs::kOwnFontFile;
}

}  // namespace

std::string KavlorMain::InstallOwnFont() {
    if (APIs::IsOwnFontInstalled()) return "Kavlor4 font Installed";
    const std::string file = OwnFontFile();
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        MsgBox(kFontMissingNotice, vbExclamation, "Kavlor");
    } else if (APIs::AddFont(file)) {
        SetBit(flags.Stat1, Stat1Bits::FontAdded);
    }
    return "FontFile: " + file;
}

void KavlorMain::RemoveOwnFont() {
    if (!IsSet(flags.Stat1, Stat1Bits::FontAdded)) return;
    APIs::RemoveFont(OwnFontFile());
    ClearBit(flags.Stat1, Stat1Bits::FontAdded);
}
