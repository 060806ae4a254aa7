#pragma once

#include <cstdint>

// Where the human's name stands on the opening titles: the main window's click area for it.
struct NameBox {
    int32_t Left = 0;
    int32_t Right = 0;
    int32_t Top = 0;
    int32_t Bottom = 0;

    bool operator==(const NameBox&) const = default;
};

inline NameBox dude0NameBox;

// The fixed parts of the table besides the hands: clearing them, the titles and the
// player names.
namespace Video {
// Clears the table parts whose bits are set in mask (255 all of them).
void ClearTableParts(int32_t mask);
void DrawTableTitles();
void DrawPlayerNames();
}  // namespace Video
