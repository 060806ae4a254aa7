#include "render/card_drawing.h"

#include "engine/model/hand_words.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "render/cards/card_images.h"

namespace {
constexpr int32_t kJokerPicture = 25;
constexpr int32_t kJokerRank = 6;
}  // namespace

bool Video::CardShowsBack(int32_t card) {
    return Misc::DealerSeat() == 0 && !IsSet(flags.Stat1, Stat1Bits::ComputerDecidesSouth) &&
           APIs::Nib(hand.CardUp, 1) == kJokerRank && Misc::GenInfField8() == 0 &&
           card < kJokerPicture;
}

void Video::DrawCard(Surface& dc, int32_t x, int32_t y, int32_t card) {
    if (CardShowsBack(card)) {
        CardImages.DrawBack(dc, x, y, settings.CardBack);
    } else {
        CardImages.DrawFace(dc, x, y, card);
    }
}

void Video::DrawScoreCard(Surface& dc, int32_t x, int32_t y, int32_t index, int32_t orientation) {
    CardImages.DrawScore(dc, x, y, index, orientation);
}

void Video::DrawTrickCard(Surface& dc, int32_t x, int32_t y, int32_t index, int32_t orientation) {
    CardImages.DrawTrick(dc, x, y, index, orientation);
}

void Video::DrawCardBack(Surface& dc, int32_t x, int32_t y, int32_t design) {
    CardImages.DrawBack(dc, x, y, design);
}
