#include "engine/model/turned_up_card.h"

#include "engine/model/card_codes.h"
#include "engine/model/state/hand_state.h"
#include "platform/packed_fields.h"

int32_t CardFunctions::TurnedUpSuit() {
    const int32_t suit = APIs::Nib(hand.CardUp, 0);
    if (suit != kJokerSuit) return suit;
    const int32_t named = APIs::Nib(hand.CardUp, 3);
    return named >= 0 && named < 4 ? named : kJokerSuit;
}

bool CardFunctions::TurnedUpSuitCorrupt() {
    const int32_t suit = APIs::Nib(hand.CardUp, 0);
    return !(suit >= 0 && suit < 4) && suit != kJokerSuit;
}
