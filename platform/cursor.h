#pragma once

#include <QRect>
#include <cstdint>
#include <functional>

// The pointer position kept by APIs::SaveRestoreCursor(0).
struct SavedCursor {
    int32_t X = 0;
    int32_t Y = 0;

    bool operator==(const SavedCursor&) const = default;
};

inline SavedCursor savedCursor;

namespace APIs {

// The window layer tells where the hint window stands on the screen (in pixels),
// loading it first when needed; an empty rectangle when there is none.
using HelpWindowLocator = std::function<QRect()>;
void InstallHelpWindowLocator(HelpWindowLocator locator);

// Moves the pointer to the middle of the hint window.
void CenterCursorOnHelp();
// Mode 0 keeps the pointer position; mode 1 puts the pointer back there when both kept
// coordinates are above 0. Other modes do nothing.
void SaveRestoreCursor(int32_t mode);

}  // namespace APIs
