#include "render/card_played.h"

#include <cmath>
#include <initializer_list>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "platform/rounding.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"
#include "render/card_drawing.h"
#include "render/cards/card_images.h"
#include "render/gdi/raster_ops.h"
#include "render/hand_drawing.h"
#include "render/table_geometry.h"
#include "render/table_host.h"

namespace {

constexpr int kLastShown = 5;
constexpr int kCardCueSound = 24;

bool IsSeat(int32_t seat) {
    return seat >= 0 && seat <= 3;
}

// The seat's spot plus a fresh jitter, remembered for the flash.
SpotPoint NextSpot(int32_t seat, int32_t shift) {
    int32_t dx = 0;
    int32_t dy = 0;
    FormFunctions::RandomCardOffset(dx, dy, 0, 0);
    const SpotPoint spot = tableGeometry.TrickSpots[static_cast<size_t>(seat)];
    SpotPoint& shown = tableGeometry.TrickSpots[kLastShown];
    shown = {spot.x + dx + shift, spot.y + dy};
    return shown;
}

void DrawAtSpot(TableHost& table, int32_t seat, int32_t suit, int32_t rank, int32_t shift = 0) {
    const SpotPoint at = NextSpot(seat, shift);
    Video::DrawCard(table.PicB(0), at.x, at.y, CardFunctions::CardNumber(suit, rank));
}

void RedrawHandOf(TableHost& table, int32_t seat) {
    Video::DrawHands(seat == 0 ? 2 : seat + 4);
    table.RefreshPicB(seat == 0 ? 1 : seat + 2);
    APIs::WaitMs(1);
}

// After each laid-down card: its flash and, with sound, the card sound nearly to its end.
void CardCue() {
    APIs::WaitMs(1);
    Video::FlashCard();
    if (!settings.SoundOn || flow.QuitNow) return;
    SoundPlayer.PlayWave(settings.SoundFiles[kCardCueSound]);
    const int32_t length = SoundPlayer.GetSoundTime(kCardCueSound);
    if (length > 0) APIs::WaitMs(RoundHalfEven(0.9 * length));
}

void LayDownRanks(TableHost& table, int32_t seat, std::initializer_list<int32_t> ranks) {
    const int32_t trump = Misc::TrumpSuit();
    for (int32_t rank : ranks) {
        if (flow.QuitNow) return;
        DrawAtSpot(table, seat, trump, rank);
        CardCue();
    }
}

// The seat's trumps fanned sideways, in hand order.
void LayDownTrumps(TableHost& table, int32_t seat) {
    const int32_t trump = Misc::TrumpSuit();
    const int32_t n = CardFunctions::CountSuit(hand.Hands, seat, trump);
    const double w = CardImages.CardWidth();
    const int32_t step = RoundHalfEven(seat == 3 ? -w / 3 : w / 3);
    int32_t start = 0;
    if ((seat == 0 || seat == 2) && n > 2) start = RoundHalfEven(n == 5 ? w / 1.2 : w / 1.5);
    if (seat == 1 && n > 3) start = RoundHalfEven(w / 3);
    if (seat == 3 && n > 3) start = RoundHalfEven(-w / 3);
    int32_t i = 0;
    for (const auto& card : hand.Hands[static_cast<size_t>(seat)]) {
        if (i == n || flow.QuitNow) return;
        if (card[kSuitPlane] != trump || card[kRankPlane] < 0) continue;
        ++i;
        DrawAtSpot(table, seat, trump, card[kRankPlane], i * step - start);
        CardCue();
    }
}

}  // namespace

void Video::ShowCardPlayed(int32_t seat, int32_t suit, int32_t rank, bool redrawHand,
                           int32_t mode) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table || !IsSeat(seat)) return;
    switch (mode) {
        case 0:
        case 1:
            if (redrawHand) RedrawHandOf(*table, seat);
            DrawAtSpot(*table, seat, suit, rank);
            if (mode == 1) FlashCard();
            break;
        case 2:
            LayDownRanks(*table, seat, {CardFunctions::kRightBower, CardFunctions::kLeftBower});
            break;
        case 3:
            LayDownRanks(
                *table, seat,
                {CardFunctions::kRightBower, CardFunctions::kLeftBower, CardFunctions::kAce});
            break;
        case 4:
            LayDownRanks(*table, seat, {CardFunctions::kLeftBower, CardFunctions::kAce});
            break;
        case 5:
            LayDownTrumps(*table, seat);
            break;
        case 10:
            DrawAtSpot(*table, seat, suit, rank);
            break;
        default:
            break;
    }
    if (flow.QuitNow) return;
    table->RefreshPicB(0);
    APIs::WaitMs(2);
}

void Video::FlashCard() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    // The busy waits handle no events: the card must be on screen before them.
    table->RefreshPicB(0);
    APIs::BusyWaitMs(25);
    InvertPlayedCard();
    APIs::WaitMs(2);
    if (flow.QuitNow) return;
    APIs::BusyWaitMs(350);
    InvertPlayedCard();
}

void Video::InvertPlayedCard() {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table) return;
    const SpotPoint at = tableGeometry.TrickSpots[kLastShown];
    Gdi::InvertRect(table->PicB(0), at.x, at.y, at.x + CardImages.CardWidth(),
                    at.y + CardImages.CardHeight());
    table->RefreshPicB(0);
}

void Video::PlayEffectWave(int32_t n) {
    if (!settings.SoundOn) return;
    SoundPlayer.PlayWave(settings.SoundFiles[n == 1 ? 28 : 29]);
}

void Video::DrawFirstDealerCard(int32_t seat, int32_t suit, int32_t rank) {
    TableHost* table = CurrentTable();
    if (flow.QuitNow || !table || !IsSeat(seat)) return;
    const SpotPoint at = NextSpot(seat, 0);
    CardImages.DrawFace(table->PicB(0), at.x, at.y, CardFunctions::CardNumber(suit, rank));
}
