#include "engine/command_line.h"

#include <array>
#include <string_view>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/message_boxes.h"
#include "platform/text.h"
#include "platform/version/windows_version.h"

namespace {

constexpr std::array<std::string_view, 8> kHolidayWords{"NEWYEAR", "PATRICK", "BUNNY", "JULY",
                                                        "WITCH",   "THANKS",  "SANTA", "SATAN"};

void Trim(std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(0, first);
    text.erase(text.find_last_not_of(' ') + 1);
}

// Sets the bits of one switch word; false for a word the program does not know.
bool TakeSwitch(std::string_view word) {
    if (word == "E") {
        SetBit(flags.Stat1, Stat1Bits::AutoCloseEnding);
    } else if (word == "O") {
        SetBit(flags.Stat1, Stat1Bits::SkipSplash);
    } else if (word == "DEBUG") {
        SetBit(flags.Stat0, Stat0Bits::DebugSwitch);
        flow.LogOn = true;
    } else if (word == "LOGIC") {
        SetBit(flags.Stat2, Stat2Bits::LogicOnScreen);
        flow.LogOn = true;
    } else if (word == "VERSION") {
        MsgBox(Windoze::GetWindowsVersion(), vbOKOnly, "Kavlor");
    } else {
        for (size_t bit = 0; bit < kHolidayWords.size(); ++bit) {
            if (word == kHolidayWords[bit]) {
                SetBit(flags.Stat4, 1 << bit);
                return true;
            }
        }
        return false;
    }
    return true;
}

}  // namespace

std::string KavlorMain::CommandLineText(int argc, const char* const* argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return ToUpper(text);
}

void KavlorMain::ParseCommandLine(std::string& text) {
    for (;;) {
        Trim(text);
        size_t mark = text.find('/');
        if (mark == std::string::npos) mark = text.find('-');
        if (mark == std::string::npos || mark + 1 >= text.size()) return;
        const size_t end = text.find_first_of(" -/", mark + 1);
        const size_t length = (end == std::string::npos ? text.size() : end) - mark - 1;
        const std::string word = text.substr(mark + 1, length);
        text.erase(mark, length + 1);
        if (!TakeSwitch(word)) return;
    }
}
