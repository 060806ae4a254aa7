#include "render/table_controls.h"

#include <algorithm>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/settings/player_settings.h"
#include "render/screen_scale.h"
#include "render/table_host.h"
#include "render/table_messages.h"

namespace {

constexpr int32_t kDesignBoxColour = 12648447;
constexpr int32_t kDesignTrickBoxColour = 16761087;

bool ErasesMessages(int32_t step) {
    for (int32_t each : {1951, 2500, 2600, 2700, 2770}) {
        if (step == each) return true;
    }
    return false;
}

}  // namespace

void FormFunctions::SaveTableControls() {
    TableHost* table = CurrentTable();
    if (!table) return;
    tableControls.SavedControlMask = 0;
    for (int i = 0; i < kPictureBoxes; ++i) {
        if (table->PicBState(i).Visible) tableControls.SavedControlMask |= 1 << i;
    }
    for (int j = 0; j < kChoiceButtons; ++j) {
        const ChoiceButton button = table->Choice(j);
        if (button.Visible) tableControls.SavedControlMask |= 1 << (8 + j);
        tableControls.SavedChoiceTexts[static_cast<size_t>(j)] = button.Caption;
        tableControls.SavedChoiceTexts[static_cast<size_t>(6 + j)] = button.Tag;
    }
}

void FormFunctions::RestoreTableControls() {
    TableHost* table = CurrentTable();
    if (!table) return;
    for (int i = 0; i < kPictureBoxes; ++i) {
        PictureBox box = table->PicBState(i);
        box.Visible = (tableControls.SavedControlMask & (1 << i)) != 0;
        table->SetPicBState(i, box);
    }
    for (int j = 0; j < kChoiceButtons; ++j) {
        ChoiceButton button = table->Choice(j);
        button.Caption = tableControls.SavedChoiceTexts[static_cast<size_t>(j)];
        button.Tag = tableControls.SavedChoiceTexts[static_cast<size_t>(6 + j)];
        button.Visible = (tableControls.SavedControlMask & (1 << (8 + j))) != 0;
        table->SetChoice(j, button);
    }
    if (ErasesMessages(flow.Ptrg)) Video::EraseMessage(-1, -1);
    table->RefreshPicB(0);
    table->RefreshTable();
}

void FormFunctions::ApplyTableColors() {
    TableHost* table = CurrentTable();
    if (!table) return;
    table->Table().Fill(settings.Background);
    const bool designColours = IsSet(flags.Stat2, Stat2Bits::DesignColours);
    for (int i = 0; i < kPictureBoxes; ++i) {
        PictureBox box = table->PicBState(i);
        box.BackColor = designColours ? (i == 0 ? kDesignTrickBoxColour : kDesignBoxColour)
                                      : settings.Background;
        table->SetPicBState(i, box);
        table->PicB(i).Fill(box.BackColor);
        table->RefreshPicB(i);
    }
    if (flow.Ptrg >= 10) RestoreTableControls();
    table->RefreshTable();
}

void FormFunctions::ComputeWindowRect(const ScreenMetrics& screen, int32_t menuBarHeight) {
    WindowRect& rect = tableControls.MainWindowRect;
    rect.Width = scale.TableWidthTwips;
    rect.Height = scale.TableHeightTwips;
    const auto screenWidth = static_cast<int32_t>(screen.Width * screen.TwipsPerPixelX());
    const auto screenHeight = static_cast<int32_t>(screen.Height * screen.TwipsPerPixelY());
    if (screenWidth > rect.Width) {
        // The menu bar's height in twips, so the table keeps its full height.
        rect.Height += static_cast<int32_t>(2 * menuBarHeight * screen.TwipsPerPixelY());
        rect.Left = (screenWidth - rect.Width) / 2;
        rect.Top = std::max((screenHeight - rect.Height) / 2, 1);
    } else {
        rect.Left = 0;
        rect.Top = 0;
        rect.Height = scale.TableHeightTwips;
    }
}
