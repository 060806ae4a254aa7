#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/screen.h"

// A window rectangle in twips.
struct WindowRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;

    bool operator==(const WindowRect&) const = default;
};

// Which table controls were showing, so the table can be put back after a dialog,
// a colour change or a rebuild; and the main window's kept rectangle.
struct TableControls {
    // Bit i: PicB(i) visible; bit 8 + j: Choice(j) visible.
    int32_t SavedControlMask = 0;
    // 0-5 the captions, 6-11 the tags of Choice(0-5).
    std::array<std::string, 19> SavedChoiceTexts{};
    WindowRect MainWindowRect;
    // The place of the key-number mark under the human's hand (left, top).
    int32_t KeyMarkLeft = 0;
    int32_t KeyMarkTop = 0;

    bool operator==(const TableControls&) const = default;
};

inline TableControls tableControls;

namespace FormFunctions {
void SaveTableControls();
// Puts the saved controls back and repaints the table for the current step.
void RestoreTableControls();
// The table colour on the window and its boxes, then the table repainted.
void ApplyTableColors();
// The default main-window rectangle, centred on the screen; menuBarHeight in pixels.
void ComputeWindowRect(const ScreenMetrics& screen, int32_t menuBarHeight);
}  // namespace FormFunctions
