#pragma once

#include <array>
#include <cstdint>
#include <string>

// Texts written straight onto the table at fixed message positions (codes 0-22,
// -99 the status line).

// The last message drawn without the keep flag, so that code -1 can draw it again.
struct LastMessageRecord {
    int32_t Code = 0;
    std::string FirstLine;
    int32_t Alignment = 0;
    std::string SecondLine;
    bool PulseRunning = false;

    bool operator==(const LastMessageRecord&) const = default;
};

struct TableMessages {
    // Entry c: the first line last drawn at code c; entry 23 that message's second line.
    std::array<std::string, 24> ShownMessages{};
    LastMessageRecord LastMessage;

    bool operator==(const TableMessages&) const = default;
};

inline TableMessages tableMessages;

namespace Video {
// Draws text at a message position; an alignment below 0 centres it. Code -1 draws the
// last message kept again, with its own alignment. Without keep the message is kept.
void DrawMessage(int32_t code, const std::string& text, int32_t alignment = -1,
                 bool inverse = false, bool keep = false);
// Wipes a message position (code -1: the last text drawn, -2 the one before) in colour,
// or in the table's Background for a colour outside 0 … &HFFFFFF.
void EraseMessage(int32_t code, int32_t colour = -1);
// Wipes the message places of the four seats (codes 1, 3, 4, 5).
void EraseSeatMessages();
// Draws the text, waits the game pause, and wipes it again unless the program leaves.
void ShowMessageTimed(int32_t code, const std::string& text, double seconds, bool inverse = false);
}  // namespace Video
