#pragma once

#include <string>
#include <string_view>

// Plain single-byte text helpers; case rules are ASCII only.
std::string Trim(std::string_view text);
std::string ToUpper(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
