#pragma once

#include <cstdint>

// What a card played into the trick changes in the hand state: the top-trump record,
// the suit led, the winner so far and what the other seats may now know.
namespace GamePlaySubs {

struct TrickCardEffect {
    int32_t winner = 0;
    // The human followed with the last card of the suit led under the show-out option.
    bool humanShowOutPause = false;
};

// The seat winning the trick among Trk entries 1 … count.
int32_t TrickWinnerSoFar(int32_t count);
// Records CardsPlayed(CardsPlayedCount), played by seat, into the hand-state words.
TrickCardEffect RecordTrickCard(int32_t seat);

}  // namespace GamePlaySubs
