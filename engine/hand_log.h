#pragma once

#include <string>
#include <string_view>

// The hand analysis log: the hand in play dumped to a text file, and read back at
// the next deal when the development switch asks for it.
namespace Misc {
inline constexpr int kErrorLogMode = 1;
inline constexpr int kAnalysisLogMode = 2;

std::string AnalysisLogPath();
std::string ErrorLogPath();
// The whole log text of the hand in play; lines end in CR LF.
std::string HandLogText(int mode);
// Mode 1 the error log, any other the analysis log. A file that cannot be written
// is reported on the status line (the trace).
void WriteHandLog(int mode);
// Takes the hand from the analysis log, or else the error log, into the hand in play.
// False, with nothing changed, when neither exists or the one found is not a whole
// valid hand.
bool ReadHandLog();
// As ReadHandLog from a text already read.
bool TakeHandLog(std::string_view text);
}  // namespace Misc
