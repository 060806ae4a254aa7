#pragma once

#include <array>
#include <string>

// The texts of the game, loaded at start from the tables behind the program file.
struct MessageTables {
    std::array<std::string, 298> MessageTable{};
    // The explanations of the computer's decisions, by reason code.
    std::array<std::string, 154> MessageTable2{};
    std::array<std::string, 4> SuitNames{};
    std::array<std::string, 7> RankNames{};

    bool operator==(const MessageTables&) const = default;
};

inline MessageTables tables;
