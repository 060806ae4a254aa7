#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers in stored files are read and written in the C locale whatever the
// user's locale says: "0.250", never "0,250".

// A decimal number, blanks around it allowed; nullopt when the text is not one.
std::optional<double> ParseNumber(std::string_view text);
// A number that fits in a signed 32-bit word, rounded halves to even as the classic
// conversion does; nullopt when it is not a number or does not fit.
std::optional<int32_t> ParseInt32(std::string_view text);

std::string FormatNumber(double value);
std::string FormatNumber(float value);
std::string FormatNumber(int32_t value);
