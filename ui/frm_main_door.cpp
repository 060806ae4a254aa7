// The main window's input: every producer of a call of the door.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "engine/input_door.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/slowpoke_timer.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/choice_buttons.h"
#include "render/hand_review.h"
#include "render/table_controls.h"
#include "ui/frm_main.h"
#include "ui/key_codes.h"

namespace {

constexpr int kBusyPointer = 11;
constexpr int32_t kF12Pause = 1 << 24;
constexpr int32_t kDiscardStep = 2715;

int16_t Word(int value) {
    return static_cast<int16_t>(value);
}

}  // namespace

void frmMain::Form_MouseDown(int Button, int Shift, float X, float Y) {
    GamePlay::EnterDoor(Word(Button), Word(Shift), X, Y, gameEntry_);
}

void frmMain::Form_MouseMove(int, int, float X, float Y) {
    if (!IsSet(flags.Stat2, Stat2Bits::ShowMouseCoords)) return;
    lblMouse_->setText(QString::number(X) + ", " + QString::number(Y));
    lblMouse_->adjustSize();
}

void frmMain::Choice_Click(int Index) {
    QPushButton* button = ChoiceWidget(Index);
    const float X = static_cast<float>(button->x() + 20);
    const float Y = static_cast<float>(button->y() + 5);
    if (Index <= 3) {
        Form_MouseDown(1, 100 + Index, X, Y);
    } else if (Index == 4) {
        APIs::WaitMs(6);
        std::string& tag = choiceTags_[4];
        if (tag == "R") {
            SetMousePointer(kBusyPointer);
            repaint();
            tag.clear();
            KavlorMain::SetSlowpokeTimer(0);
            SetBit(flags.Stat0, Stat0Bits::ReplayRequested);
            Form_MouseDown(4, 104, X, Y);
        } else {
            Form_MouseDown(1, 104, X, Y);
        }
    } else if (Index == 5) {
        APIs::WaitMs(4);
        if (!IsSet(flags.Stat1, Stat1Bits::ReviewRequested)) {
            SetBit(flags.Stat1, Stat1Bits::ReviewRequested);
            SetMousePointer(kBusyPointer);
            repaint();
        } else {
            static const std::string kSeatPanel = "L";
            static const std::string kKittyPanel = "K";
            std::string& tag = choiceTags_[5];
            if (tag == kSeatPanel) {
                Video::DrawKittyPanel();
                tag = kKittyPanel;
            } else {
                Video::DrawSeatPanel();
                tag = kSeatPanel;
            }
            GamePlay::SetDefaultFocus();
        }
        if (IsSet(flags.Stat0, Stat0Bits::ReplayRequested)) {
            ClearBit(flags.Stat0, Stat0Bits::ReplayRequested);
            Form_MouseDown(1, 105, X, Y);
        }
    }
}

void frmMain::Choice_MouseDown(int, int Button, int Shift, float X, float Y) {
    if (Button == 2) Form_MouseDown(Button, Shift, X, Y);
}

void frmMain::PicB_MouseDown(int Index, int Button, int Shift, float X, float Y) {
    const PictureBox box = PicBState(Index);
    Form_MouseDown(Button, Shift, static_cast<float>(box.Left) + X,
                   static_cast<float>(box.Top) + Y);
}

bool frmMain::ChoiceLive(int index, const std::string& caption) const {
    const ChoiceButton button = Choice(index);
    return button.Visible && button.Enabled && button.Caption == caption;
}

bool frmMain::HandleLetterKey(int KeyCode) {
    const auto& names = tables.SuitNames;
    const auto& text = tables.MessageTable;
    switch (KeyCode) {
        case 'H':
            if (ChoiceLive(0, names[0]) || ChoiceLive(0, "&Hearts")) Choice_Click(0);
            return true;
        case 'D':
            if (ChoiceLive(1, names[1]) || ChoiceLive(1, "&Diamonds")) Choice_Click(1);
            return true;
        case 'C':
            if (ChoiceLive(2, names[2]) || ChoiceLive(2, "&Clubs")) Choice_Click(2);
            return true;
        case 'S':
            if (IsSet(flags.Stat1, Stat1Bits::PartnerPanelShown)) {
                if (ChoiceLive(5, text[82])) Choice_Click(5);
            } else if (ChoiceLive(3, names[3]) || ChoiceLive(3, "&Spades")) {
                Choice_Click(3);
            }
            return true;
        case 'K':
            if (ChoiceLive(0, text[61])) Choice_Click(0);
            return true;
        case 'O':
            if (ChoiceLive(1, "&OK")) Choice_Click(1);
            return true;
        case 'Y':
            if (ChoiceLive(1, text[20])) {
                SetBit(flags.Stat1, Stat1Bits::KeyYes);
                Choice_Click(1);
            }
            return true;
        case 'N':
            if (IsSet(flags.Stat1, Stat1Bits::NoDiscardChosen)) return true;
            if (ChoiceLive(2, text[21])) {
                SetBit(flags.Stat1, Stat1Bits::KeyNo);
                Choice_Click(2);
            } else if (flow.Ptrg == kDiscardStep) {
                Form_MouseDown(1, 0, static_cast<float>(tableControls.KeyMarkLeft + 3),
                               static_cast<float>(tableControls.KeyMarkTop + 3));
            }
            return true;
        case 'R':
            if (IsSet(flags.Stat1, Stat1Bits::ReplayButtonsShown)) {
                if (ChoiceLive(5, text[47])) Choice_Click(5);
            } else if (ChoiceLive(1, text[62])) {
                Choice_Click(1);
            }
            return true;
        case 'P':
            if (ChoiceLive(4, text[48])) Choice_Click(4);
            if (ChoiceLive(3, text[63])) Choice_Click(3);
            return true;
        case 'T':
            if (ChoiceLive(4, text[67])) Choice_Click(4);
            return true;
        default:
            return false;
    }
}

void frmMain::Form_KeyDown(int KeyCode, int Shift) {
    flow.LastKeyCode = KeyCode;
    if (flow.InputOpen) {
        if (KeyCode >= '1' && KeyCode <= '6') {
            Form_MouseDown(1, 0, static_cast<float>('0' - KeyCode), 0);
        } else if (KeyCode >= 97 && KeyCode <= 102) {
            Form_MouseDown(1, 0, static_cast<float>(96 - KeyCode), 0);
        } else if (KeyCode == 27) {
            Form_MouseDown(27, Shift, 0, 0);
        } else if (KeyCode == 18) {
            if (settings.Opts4 == 0) Form_MouseDown(18, Shift + 50, 100, 100);
        } else if (!HandleLetterKey(KeyCode)) {
            if (KeyCode == 113) {
                Form_MouseDown(2, Shift + 50, 100, 100);
            } else if (KeyCode < 114 || KeyCode > 123) {
                Form_MouseDown(KeyCode, Shift + 50, 100, 100);
            }
        }
    }
    HandleKeyAlways(KeyCode, Shift);
}

void frmMain::HandleKeyAlways(int KeyCode, int Shift) {
    if (KeyCode >= 118 && KeyCode <= 122) {
        Form_MouseDown(KeyCode, Shift + 150, 100, 100);
    } else if (KeyCode == 123 && (settings.Opts4 & kF12Pause)) {
        SetBit(flags.Stat2, Stat2Bits::PauseRequested);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != this) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = KeyCodes::KeyCodeOf(*key);
        if (code == 0) return false;
        Form_KeyDown(code, KeyCodes::ModifierState(key->modifiers()));
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < kChoiceButtons; ++i) {
            if (watched != choices_[static_cast<size_t>(i)]) continue;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::RightButton) return false;
            Choice_MouseDown(i, 2, KeyCodes::ModifierState(mouse->modifiers()),
                             static_cast<float>(mouse->position().x()),
                             static_cast<float>(mouse->position().y()));
            return true;
        }
    }
    return false;
}
