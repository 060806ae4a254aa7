#include "render/trick_piles.h"

#include <cmath>

#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/rounding.h"
#include "platform/settings/player_settings.h"
#include "platform/waits.h"
#include "render/card_drawing.h"
#include "render/choice_buttons.h"
#include "render/hand_drawing.h"
#include "render/score_corners.h"
#include "render/screen_scale.h"
#include "render/table_controls.h"
#include "render/table_geometry.h"
#include "render/table_host.h"
#include "render/table_parts.h"

namespace {

constexpr int kTeam0Box = 6;
constexpr int kTeam1Box = 7;
// Trick-card pictures: upright backs from 1, backs turned a quarter from 11.
constexpr int32_t kUprightBacks = 1;
constexpr int32_t kTurnedBacks = 11;
constexpr int32_t kFirstHandStep = 1250;
constexpr int32_t kFirstTableStep = 6;

void SetVisible(TableHost& table, int index, bool visible) {
    PictureBox box = table.PicBState(index);
    box.Visible = visible;
    table.SetPicBState(index, box);
}

void Clear(TableHost& table, int index) {
    table.PicB(index).Fill(table.PicBState(index).BackColor);
}

// Team 1's cards climb from the bottom of their box, centred as a group.
void DrawTeam1Pile(TableHost& table, int32_t tricks, double step) {
    Clear(table, kTeam1Box);
    const int height = table.PicBState(kTeam1Box).Height;
    for (int32_t i = 0; i < tricks; ++i) {
        int32_t dx = 0, dy = 0;
        FormFunctions::RandomCardOffset(dx, dy, 0, 0);
        const double y = height / 2.0 - 1.75 * step + step * tricks / 2.0 - step * i + dy;
        Video::DrawTrickCard(table.PicB(kTeam1Box), dx + 5, RoundHalfEven(y),
                             settings.CardBack + kTurnedBacks, 1);
    }
    table.RefreshPicB(kTeam1Box);
    APIs::WaitMs(2);
}

// Team 0's cards run left to right, centred as a group.
void DrawTeam0Pile(TableHost& table, int32_t tricks, double step) {
    Clear(table, kTeam0Box);
    const int width = table.PicBState(kTeam0Box).Width;
    for (int32_t i = 0; i < tricks; ++i) {
        int32_t dx = 0, dy = 0;
        FormFunctions::RandomCardOffset(dx, dy, 0, 0);
        const double x = width / 2.0 - 0.75 * step - step * tricks / 2.0 + step * i + dx;
        Video::DrawTrickCard(table.PicB(kTeam0Box), RoundHalfEven(x), dy + 5,
                             settings.CardBack + kUprightBacks, 0);
    }
    table.RefreshPicB(kTeam0Box);
    APIs::WaitMs(2);
}

}  // namespace

void CardFunctions::DrawTrickPiles(int32_t which) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    const int32_t team0 = APIs::Nib(hand.Tricks, 0);
    const int32_t team1 = APIs::Nib(hand.Tricks, 1);
    if (APIs::Nib(hand.Tricks, 2) == 0) {
        SetVisible(*table, kTeam0Box, false);
        SetVisible(*table, kTeam1Box, false);
        return;
    }
    SetVisible(*table, kTeam0Box, true);
    SetVisible(*table, kTeam1Box, true);
    const double step = scale.ScaleFactor >= 1.3f ? 25.0 : 20.0;
    if (which >= 1) {
        DrawTeam1Pile(*table, team1, step);
        if (which & 1) return;
    }
    DrawTeam0Pile(*table, team0, step);
}

void CardFunctions::RedrawTrickPiles() {
    TableHost* table = CurrentTable();
    if (flow.Ptrg < kFirstTableStep || flow.QuitNow || !table) return;
    table->Table().Fill(settings.Background);
    Video::HideAllChoices();
    Video::DrawDeckBox();
    DrawTrickPiles(2);
    Video::DrawPlayerNames();
    FormFunctions::RestoreTableControls();
    Video::DrawTopScore();
    Video::DrawBottomScore();
    if (flow.Ptrg >= kFirstHandStep && !IsSet(flags.Stat1, Stat1Bits::ReviewRequested)) {
        Video::DrawHands(1);
    }
}
