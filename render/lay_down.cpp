#include "render/lay_down.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/tables.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "platform/sound/sound_system.h"
#include "platform/waits.h"
#include "render/card_played.h"
#include "render/table_messages.h"
#include "render/trick_piles.h"

namespace {

constexpr int32_t kLonerCode = 99;
constexpr int32_t kRightBowerSound = 24;
constexpr int32_t kLeftBowerSound = 14;
constexpr int kLastTrickEntry = 20;
constexpr int kPutAwayRank = -100;

// One beat of a claim's show, in order.
struct Beat {
    enum Kind { Entry, Text, CardSound, Wave, WaitMs, Pause } kind;
    double value = 0;
    std::string_view text = {};
};

// How a claim is shown: its codes, the tricks credited (-1: the rest of the hand), the
// card and mode handed to ShowCardPlayed, the beats, and the closing entry (0 none,
// -1 by the claimant's team).
struct Claim {
    std::vector<int32_t> codes;
    int32_t credit;
    int32_t rank;
    int32_t mode;
    std::vector<Beat> beats;
    int32_t closing;
};

constexpr int32_t kNoCard = -1;
constexpr int32_t kByTeam = -1;
constexpr std::string_view kRightPlayed = "Right Has Been Played";

const std::vector<Claim>& Claims() {
    using B = Beat;
    const B wave{B::Wave};
    const B wait{B::WaitMs, 100};
    const B settle{B::Pause, 2.1};
    const B show{B::Pause, 2.5};
    const B right{B::CardSound, kRightBowerSound};
    const B left{B::CardSound, kLeftBowerSound};
    static const std::vector<Claim> claims{
        {{1, 2}, 0, kNoCard, 0, {{B::Entry, 88}, {B::Pause, 4}}, 0},
        {{3, 4}, 1, CardFunctions::kRightBower, 1, {right, settle}, 89},
        {{13, 14}, 1, CardFunctions::kRightBower, 1, {right, wave, settle}, kByTeam},
        {{5, 6}, 1, CardFunctions::kRightBower, 1, {right, wait, wave, settle}, 93},
        {{7, 8}, 1, CardFunctions::kLeftBower, 1, {{B::Entry, 92}, left, wait, settle}, 89},
        {{17, 18},
         1,
         CardFunctions::kLeftBower,
         1,
         {{B::Entry, 92}, left, wait, wave, settle},
         kByTeam},
        {{9, 10}, 1, CardFunctions::kLeftBower, 1, {{B::Entry, 92}, left, wait, wave, settle}, 93},
        {{11, 12, 59, 60}, 2, kNoCard, 2, {show, settle}, 89},
        {{21, 22}, 2, kNoCard, 2, {show, wave, settle}, kByTeam},
        {{15, 16}, 3, kNoCard, 3, {show}, 89},
        {{25, 26}, 3, kNoCard, 3, {show, wave}, kByTeam},
        {{19, 20}, 2, kNoCard, 4, {{B::Text, 0, kRightPlayed}, show, settle}, 89},
        {{29, 30}, 2, kNoCard, 4, {{B::Text, 0, kRightPlayed}, show, wave, settle}, kByTeam},
        {{23, 24}, 1, CardFunctions::kAce, 1, {{B::Entry, 94}, right, wait, settle}, 89},
        {{33, 34}, 1, CardFunctions::kAce, 1, {{B::Entry, 94}, right, wait, wave, settle}, kByTeam},
        {{27, 28}, 1, CardFunctions::kKing, 1, {{B::Entry, 95}, right, settle}, 89},
        {{31, 32}, 1, kNoCard, 4, {settle, {B::Entry, 96}, {B::Pause, 2}}, 89},
        {{37, 38}, 1, kNoCard, 4, {wave, settle, {B::Entry, 96}, {B::Pause, 2}}, kByTeam},
        {{41, 42}, 1, kNoCard, 4, {wave, settle, {B::Entry, 96}, {B::Pause, 2}}, 93},
        {{45, 46},
         1,
         CardFunctions::kAce,
         1,
         {{B::Text, 0, "Both Bowers Have Been Played"}, right, wait, wave, settle},
         93},
        {{55, 56}, -1, kNoCard, 5, {{B::Pause, 1}, {B::Entry, 97}, {B::Pause, 2}}, 89},
        {{kLonerCode},
         5,
         kNoCard,
         5,
         {{B::Pause, 1}, {B::Text, 0, "LayDown Loner!"}, {B::Pause, 9}},
         0},
    };
    return claims;
}

const Claim* ClaimOf(int32_t code) {
    for (const Claim& claim : Claims()) {
        if (std::find(claim.codes.begin(), claim.codes.end(), code) != claim.codes.end()) {
            return &claim;
        }
    }
    return nullptr;
}

// The claiming seat: the code's place in its group of four, counted from the maker.
int32_t Claimant(int32_t code, int32_t maker) {
    if (code == kLonerCode) return maker;
    static constexpr int32_t kFromMaker[4] = {3, 1, 0, 2};
    return (maker + kFromMaker[CardFunctions::Wrap4(code)]) % 4;
}

void Play(const Beat& beat, bool oddMaker) {
    switch (beat.kind) {
        case Beat::Entry:
            Video::DrawMessage(1, tables.MessageTable[static_cast<size_t>(beat.value)]);
            break;
        case Beat::Text:
            Video::DrawMessage(1, std::string(beat.text));
            break;
        case Beat::CardSound:
            if (!settings.SoundOn) break;
            SoundPlayer.PlayWave(settings.SoundFiles[static_cast<size_t>(beat.value)]);
            APIs::Pause(2.5);
            break;
        case Beat::Wave:
            Video::PlayEffectWave(oddMaker ? 1 : 0);
            break;
        case Beat::WaitMs:
            APIs::WaitMs(static_cast<int32_t>(beat.value));
            break;
        case Beat::Pause:
            APIs::Pause(beat.value);
            break;
    }
}

bool AnyCardLeft() {
    for (const auto& seat : hand.Hands) {
        for (int slot = 0; slot < 5; ++slot) {
            if (seat[static_cast<size_t>(slot)][kRankPlane] >= 0) return true;
        }
    }
    return false;
}

// The rest of the hand goes to the table seat by seat; it ends with the cards, so that
// the entries after the fifth trick (the kitty) are never written.
void PlayOut(int32_t fromTrick) {
    for (int32_t trick = fromTrick; trick <= 5 && AnyCardLeft(); ++trick) {
        for (int32_t seat = 0; seat < 4; ++seat) {
            auto& cards = hand.Hands[static_cast<size_t>(seat)];
            const auto next = std::find_if(cards.begin(), cards.begin() + 5, [](const auto& c) {
                return c[kRankPlane] >= 0 || c[kRankPlane] <= kPutAwayRank;
            });
            if (next == cards.begin() + 5) continue;
            if (hand.CardsPlayedCount >= kLastTrickEntry) return;
            int32_t& entry = hand.CardsPlayed[static_cast<size_t>(++hand.CardsPlayedCount)];
            const int32_t suit = (*next)[kSuitPlane];
            const int32_t rank = (*next)[kRankPlane];
            if (rank <= kPutAwayRank) {
                entry = Misc::NibSet(
                    Misc::NibSet(Misc::NibSet(Misc::NibSet(entry, 7, 0), 15, 1), 1, 2), 7, 3);
                continue;
            }
            entry = Misc::NibSet(Misc::NibSet(entry, suit, 0), rank, 1);
            (*next)[kRankPlane] = -rank - 1;
            Video::ShowCardPlayed(seat, suit, rank, true, 0);
            // The table was repainted by ShowCardPlayed before this wait that handles no events.
            APIs::BusyWaitMs(60);
        }
    }
}

}  // namespace

void Video::ShowMessageSeries(int32_t code, const std::string& text, double seconds) {
    ShowMessageTimed(code, text, 1.5 * seconds);
    APIs::WaitMs(1);
    ShowMessageTimed(code, text, 1.7 * seconds, true);
    APIs::WaitMs(1);
    ShowMessageTimed(code, text, 2.2 * seconds);
    APIs::WaitMs(10);
}

void Video::ShowLayDown(int32_t code) {
    const int32_t maker = Misc::GenInfField2() % 4;
    const int32_t trump = Misc::TrumpSuit();
    int32_t trick = APIs::Nib(hand.Tricks, 2);
    const int32_t seat = Claimant(code, maker);
    const int32_t team = seat % 2;
    const bool oddMaker = maker % 2 == 1;
    if (const Claim* claim = ClaimOf(code)) {
        const int32_t credit = claim->credit < 0 ? 5 - trick : claim->credit;
        if (credit > 0) {
            hand.Tricks = Misc::NibSet(hand.Tricks, APIs::Nib(hand.Tricks, team) + credit, team);
            ShowCardPlayed(seat, trump, claim->rank, true, claim->mode);
        }
        for (const Beat& beat : claim->beats) Play(beat, oddMaker);
        const int32_t closing = claim->closing == kByTeam ? 90 + team : claim->closing;
        if (closing > 0) {
            ShowMessageTimed(seat + 2, tables.MessageTable[static_cast<size_t>(closing)], 7.9);
        }
        if (flow.QuitNow) return;
        if (code == kLonerCode) trick = 0;
    } else {
        DrawMessage(1, "Error!");
    }
    APIs::Pause(0.5);
    CardFunctions::DrawTrickPiles(2);
    APIs::Pause(0.5);
    PlayOut(trick + 1);
    if (flow.QuitNow) return;
    EraseMessage(1, -1);
    EraseMessage(seat, -1);
    APIs::Pause(1);
}
