#pragma once

#include <array>
#include <cstdint>
#include <string>

// Texts written straight onto the table at fixed message positions (codes 0-22,
// -99 the status line).
struct TableMessages {
    // Entry c: the first line last drawn at code c; entry 23 that message's second line.
    std::array<std::string, 24> ShownMessages{};
    // Left, top, right, bottom in pixels of the last text drawn.
    std::array<int, 4> LastTextRect{};

    bool operator==(const TableMessages&) const = default;
};

inline TableMessages tableMessages;

namespace Video {
// Draws text at a message position; an alignment below 0 centres it.
void DrawMessage(int32_t code, const std::string& text, int32_t alignment = -1,
                 bool inverse = false, bool keep = false);
// Wipes a message position (code -1: the last text drawn) in colour, or in the
// table's Background for a colour outside 0 … &HFFFFFF.
void EraseMessage(int32_t code, int32_t colour = -1);
}  // namespace Video

namespace Video {
// Draws the text, waits the game pause, and wipes it again unless the program leaves.
void ShowMessageTimed(int32_t code, const std::string& text, double seconds, bool inverse = false);
}  // namespace Video
