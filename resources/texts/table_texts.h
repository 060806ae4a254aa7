#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The game's texts and default media names as written in the readable texts file,
// and the scrambled lines that the build appends to the program file.

struct TableTexts {
    std::array<std::string, 32> Sounds{};
    std::array<std::string, 15> Music{};
    std::array<std::string, 298> Messages{};
    std::array<std::string, 154> Messages2{};
};

struct ParsedTableTexts {
    TableTexts texts;
    // One line per fault, with its line number; empty when the file is sound.
    std::vector<std::string> errors;
};

// The texts file is UTF-8; the texts come out in Windows-1252.
ParsedTableTexts ParseTableTexts(std::string_view file);

// The stored lines in their order (sounds, music, both message tables, one closing
// line), scrambled, each without its line end.
std::vector<std::string> StoredTableLines(const TableTexts& texts);
