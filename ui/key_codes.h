#pragma once

#include <QKeyEvent>
#include <Qt>

// Qt's input as the game's codes: key codes of the Windows key table, the modifier
// state 1 Shift, 2 Ctrl, 4 Alt, and the mouse buttons 1 left, 2 right, 4 middle.
namespace KeyCodes {
// 0 for a key without a code.
int KeyCodeOf(const QKeyEvent& event);
int ModifierState(Qt::KeyboardModifiers modifiers);
int MouseButtonCode(Qt::MouseButton button);
}  // namespace KeyCodes
