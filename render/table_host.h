#pragma once

#include <cstdint>
#include <string>

#include "render/gdi/surface.h"

// The main window as the game sees it. The window implements it; tests and
// benchmarks use HeadlessTable. Drawing with no table installed does nothing.

// A picture box PicB(i): 0 the trick box, 1 the human's hand, 2 the deck box, 3-5
// the hands of seats 1-3, 6 and 7 the tricks-taken piles of teams 0 and 1.
struct PictureBox {
    bool Visible = true;
    int32_t BackColor = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int DrawWidth = 1;

    bool operator==(const PictureBox&) const = default;
};

// An answer button Choice(i), 0-5.
struct ChoiceButton {
    std::string Caption;
    std::string Tag;
    bool Visible = false;
    bool Enabled = true;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    // Points; 0 keeps the font the window gave the button.
    double FontSize = 0;
    bool FontBold = false;

    bool operator==(const ChoiceButton&) const = default;
};

// A window timer: Interval 0 is stopped.
struct TableTimer {
    int32_t Interval = 0;
    std::string Tag;

    bool operator==(const TableTimer&) const = default;
};

enum class TableMenu { MnuFileNew, MnuFileSaveHand };
enum class TableTimerId { AttractTimer, SlowpokeTimer };

inline constexpr int kPictureBoxes = 8;
inline constexpr int kChoiceButtons = 6;

class TableHost {
  public:
    virtual ~TableHost() = default;

    // The table's own drawing surface and its repaint.
    virtual Surface& Table() = 0;
    virtual void RefreshTable() = 0;

    virtual Surface& PicB(int index) = 0;
    virtual PictureBox PicBState(int index) const = 0;
    // A new Width or Height resizes the box's surface.
    virtual void SetPicBState(int index, const PictureBox& box) = 0;
    virtual void RefreshPicB(int index) = 0;

    virtual ChoiceButton Choice(int index) const = 0;
    virtual void SetChoice(int index, const ChoiceButton& button) = 0;

    // Gives the keyboard focus to the hidden default button DefFocus.
    virtual void FocusDefault() = 0;
    // The development label showing the step number.
    virtual void SetLblPtrg(const std::string& caption) = 0;

    virtual bool MenuEnabled(TableMenu item) const = 0;
    virtual void SetMenuEnabled(TableMenu item, bool enabled) = 0;

    virtual TableTimer Timer(TableTimerId id) const = 0;
    virtual void SetTimer(TableTimerId id, const TableTimer& timer) = 0;

    // 0 the default pointer, 11 busy.
    virtual int MousePointer() const = 0;
    virtual void SetMousePointer(int pointer) = 0;

    // Unloads the main window; its unload handler does the rest of the leaving.
    virtual void Unload() = 0;
    // The hint's explanation window, shown modally beside the table; it flashes the
    // advised answer (PlayHelp::ShowAdvisedAnswer) while it is open.
    virtual void ShowHintWindow(const std::string& explanation) = 0;
};

void InstallTable(TableHost* table);
// The installed table, or nullptr.
TableHost* CurrentTable();
