#pragma once

#include <string>

namespace KavlorMain {

// The program's arguments joined by blanks, in upper case.
std::string CommandLineText(int argc, const char* const* argv);
// Takes the switches ("/O -E/DEBUG ...") off the front of an upper-case text and sets
// their run bits; the handled switches are cut out. An unknown word ends the parsing.
void ParseCommandLine(std::string& text);

}  // namespace KavlorMain
