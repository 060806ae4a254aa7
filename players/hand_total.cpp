#include "players/hand_total.h"

#include <array>
#include <cmath>

#include "engine/model/card_codes.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/run_flags.h"
#include "engine/model/state/tables.h"
#include "engine/model/turned_up_card.h"
#include "platform/message_boxes.h"
#include "platform/packed_fields.h"
#include "platform/settings/player_settings.h"
#include "players/analysis_state.h"
#include "players/discard.h"

namespace {

using CardFunctions::kAce;
using CardFunctions::kJack;
using CardFunctions::kLeftBower;
using CardFunctions::kRightBower;
using CardFunctions::kNine;
using CardFunctions::kTen;
using CardFunctions::kQueen;
using CardFunctions::kKing;

bool Opt2(int bit) {
    return (settings.Opts2 & (1 << bit)) != 0;
}

struct Cards {
    std::array<int32_t, 5> suit{};
    std::array<int32_t, 5> rank{};
    bool Holds(int32_t s, int32_t r) const {
        for (int slot = 0; slot < 5; ++slot) {
            if (suit[slot] == s && rank[slot] == r) return true;
        }
        return false;
    }
    int32_t Count(int32_t s) const {
        int32_t n = 0;
        for (int slot = 0; slot < 5; ++slot) n += suit[slot] == s && rank[slot] >= 0 ? 1 : 0;
        return n;
    }
};

int32_t UpCardWorth(int32_t rank) {
    switch (rank) {
        case kNine:
            return 4;
        case kTen:
            return 5;
        case kJack:
            return 16;
        case kQueen:
            return 7;
        case kKing:
            return 8;
        case kAce:
            return 10;
        default:
            return 0;
    }
}

void ReportCorruptHand() {
    MsgBox(tables.MessageTable[293] + "\n" + tables.MessageTable[294]);
    flow.QuitNow = true;
}

}  // namespace

int32_t Logics::HandTotal(int32_t seat, int32_t suit) {
    if (CardFunctions::TurnedUpSuitCorrupt()) {
        ReportCorruptHand();
        return 0;
    }
    if (suit < 0 || suit > 3) return 0;
    const int32_t upSuit = CardFunctions::TurnedUpSuit();
    const int32_t upRank = APIs::Nib(hand.CardUp, 1);
    const int32_t round = APIs::Nib(hand.CardUp, 2);
    const int32_t dealer = Misc::Get3Bits(hand.GenInf, 4);
    const int32_t position = Misc::Get3Bits(hand.GenInf, 7);
    int32_t& bits = analysis.SuitAnalysis[suit];

    Cards cards;
    for (int slot = 0; slot < 5; ++slot) {
        cards.suit[slot] = hand.Hands[seat][slot][kSuitPlane];
        cards.rank[slot] = hand.Hands[seat][slot][kRankPlane];
    }
    if (seat == dealer && suit == upSuit && round == 1) {
        int32_t out = -1;
        Logics::Discard(hand.Hands, seat, 4, suit, out, 0);
        if (out >= 0 && out < 5) {
            cards.suit[out] = APIs::Nib(hand.CardUp, 0);
            cards.rank[out] = upRank;
        }
        bits |= 1 << 1;
    }
    for (int slot = 0; slot < 5; ++slot) {
        if (cards.rank[slot] != kJack) continue;
        if (cards.suit[slot] == suit) {
            cards.rank[slot] = kRightBower;
        } else if (cards.suit[slot] == CardFunctions::SameColorSuit(suit)) {
            cards.suit[slot] = suit;
            cards.rank[slot] = kLeftBower;
        }
    }
    const bool right = cards.Holds(suit, kRightBower);
    const bool left = cards.Holds(suit, kLeftBower);
    const bool trumpAce = cards.Holds(suit, kAce);
    const bool trumpKing = cards.Holds(suit, kKing);
    int32_t side = 0;
    int32_t trumps = 0;
    if (!right && !left) {
        side -= 1;
        bits |= 1 << 5;
    }
    int32_t lastAceLength = 0;
    bool sideAce = false;
    for (int slot = 0; slot < 5; ++slot) {
        const int32_t s = cards.suit[slot];
        const int32_t r = cards.rank[slot];
        if (s == suit) {
            switch (r) {
                case kNine:
                    trumps += 4;
                    break;
                case kTen:
                    trumps += 5;
                    break;
                case kQueen:
                    trumps += 7;
                    break;
                case kKing:
                    trumps += right && left && !trumpAce ? 13 : 8;
                    break;
                case kAce:
                    trumps += right && left && !trumpKing ? 12 : 10;
                    bits |= 1 << 4;
                    break;
                case kLeftBower:
                    trumps += 12;
                    bits |= 1 << 3;
                    break;
                case kRightBower:
                case kJack:
                    trumps += 16;
                    bits |= 1 << 2;
                    break;
                default:
                    break;
            }
        } else if (r == kAce) {
            const int32_t n = cards.Count(s);
            side += n <= 2 ? 3 : 1;
            if (left && s == CardFunctions::SameColorSuit(suit) && n == 2) side -= 2;
            lastAceLength = n;
            sideAce = true;
            bits |= 1 << 6;
        } else if (r == kKing && s == upSuit && suit != upSuit && upRank == kAce &&
                   lastAceLength == 1) {
            side += 2;
            bits |= 1 << 7;
        }
    }
    int32_t total = side + trumps;
    if (trumps >= 30) bits |= 1 << 18;

    const int32_t count = cards.Count(suit);
    if (count < 3) bits |= 1 << 19;
    if (count == 0) bits |= 1 << 20;

    int32_t suitsHeld = 0;
    for (int32_t s = 0; s < 4; ++s) suitsHeld += cards.Count(s) > 0 ? 1 : 0;
    total += 11 - 3 * suitsHeld;
    if (suitsHeld >= 1 && suitsHeld <= 3) bits |= 1 << (11 - suitsHeld);

    const bool replay = IsSet(flags.Stat0, Stat0Bits::ReplayNoScore);
    const int32_t ownTeam = seat % 2;
    const int32_t own = APIs::Nib(hand.Score, (replay ? 4 : 0) + ownTeam);
    const int32_t other = APIs::Nib(hand.Score, (replay ? 4 : 0) + 1 - ownTeam);
    if (other == 9) {
        total += 4;
        bits |= 1 << 11;
    } else if (other == 8 && own >= 6) {
        total -= 1;
    }

    int32_t factor = seat % 2 == dealer % 2 ? 3 : -2;
    if (seat == 0 && suit == upSuit && dealer == 2) bits |= 1 << 12;
    if (seat == 0 && suit == upSuit && (dealer == 1 || dealer == 3)) bits |= 1 << 13;
    if (position != 4 && suit == upSuit) {
        if (position == 2 && Opt2(0)) factor = 1;
        if (upRank == kJack && factor < 0) {
            total -= 11;
        } else {
            total += static_cast<int32_t>(std::nearbyint(factor * UpCardWorth(upRank) / 4.0));
        }
    }

    const bool partnerSeat = seat == 0 || seat == 2;
    if (position == 1 && round == 2 && suit == CardFunctions::SameColorSuit(upSuit)) {
        const bool next = partnerSeat && (settings.Partner & 1) != 0;
        total += upRank == kJack ? (next ? 7 : 5) : (next ? 5 : 3);
        bits |= 1 << 14;
    }
    if (position == 2 && round == 2 && upSuit < 4 && CardFunctions::IsOtherColor(suit, upSuit)) {
        const bool bold = partnerSeat && (settings.Partner & 2) != 0;
        switch (upRank) {
            case kJack:
                total += bold ? 6 : 3;
                break;
            case kKing:
                total += bold ? 4 : 2;
                break;
            case kAce:
                total += bold ? 6 : 3;
                break;
            default:
                total += bold ? 3 : 1;
                break;
        }
    }
    if (!sideAce && count < 3) {
        total -= 2;
        bits |= 1 << 15;
    }
    if (!Opt2(22) && total >= 38) {
        if (position == 1) total += 2;
        if (position == 4) total += 1;
    }
    if (position == 4 && suit != upSuit) {
        total += 2;
        bits |= 1 << 16;
    }
    if (total >= 30 && Opt2(2)) {
        total += 10;
        bits |= 1 << 17;
    }
    return total;
}
