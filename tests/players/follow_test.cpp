#include <functional>

#include "engine/model/suit_knowledge.h"
#include "trick_fixture.h"

namespace {

constexpr int32_t kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3;

struct FollowCase {
    const char* name;
    int32_t trump;
    int32_t maker;
    int32_t leader;
    std::string_view trick;  // the cards played before, from the leader on
    std::string_view cards;  // the hand of the seat to play
    std::string card;
    int32_t reason;
    std::function<void()> extra = {};
    int32_t lone = 7;
};

class FollowTest : public TrickPlayTest {};

TEST_F(FollowTest, FollowingChoosesTheRuleCardAndSaysWhy) {
    const std::vector<FollowCase> cases = {
        {"one card of the suit led is played whatever else is held", kHearts, 1, 0, "KD",
         "RH LH 9D AC AS", "9D", 1},
        {"last, partner winning, no card of the suit: throw off, not trump", kHearts, 1, 0,
         "9D AD TD", "9H 9C TC KS QS", "9C", 24},
        {"last after an opponent trumped: over-trump with the lowest that wins", kHearts, 1, 1,
         "AD 9D TH", "AH KH 9H 9C TS", "KH", 22},
        {"last after an opponent trumped high: throw off", kHearts, 1, 1, "AD 9D RH",
         "9H KH AH 9C TS", "9C", 25},
        {"last, the opponents winning: beat them with the lowest card that wins", kClubs, 0, 1,
         "KS TS 9S", "9S AS 9D TD QH", "AS", 2},
        {"cannot beat the trick: play low", kClubs, 0, 1, "AS", "9S KS 9D TD QH", "9S", 4},
        {"partner winning, not last: play low in the suit led", kClubs, 0, 1, "AS 9S",
         "TS QS 9D TD QH", "TS", 50},
        {"someone trumped: play low in the suit led", kClubs, 0, 1, "QS 9C", "TS AS 9D TD QH", "TS",
         3},
        {"second hand, a plain suit: its highest card", kClubs, 0, 1, "QS", "TS AS 9D TD QH", "AS",
         5},
        {"third hand to a king, holding the ace: play low", kClubs, 1, 1, "KS 9S", "TS AS 9D TD QH",
         "TS", 15},
        {"third hand to a low card: the highest", kClubs, 1, 1, "TS 9S", "QS AS 9D TD QH", "AS",
         16},
        {"no trump and no card of the suit: the discard routine", kClubs, 1, 1, "TS",
         "9D AD TH QH KH", "TH", 21},
        {"trump led and none held: the discard routine", kClubs, 1, 1, "TC", "9D AD TH QH KH", "TH",
         20},
        {"a lone opponent known out of a suit: throw that suit", kClubs, 3, 3, "TS",
         "9D AD TH QH KH", "TH", 82,
         [] { hand.SutOutInf = CardFunctions::SetSeatSuitFlag(3, kHearts, 0); }, 3},
        {"a single right bower third to play, the partner beaten: play it", kHearts, 1, 1, "9D AD",
         "RH 9C TC KS QS", "RH", 147},
        {"second hand to a trump lead, the maker's seat: the highest trump", kHearts, 0, 3, "9H",
         "QH AH 9C KS QS", "AH", 8},
        {"second hand to a trump lead, the partner the maker, holding the right bower", kHearts, 1,
         2, "9H", "RH QH 9C KS QS", "RH", 5},
        {"second hand to a trump lead, the partner the maker and out of trump", kHearts, 1, 2, "9H",
         "KH QH 9C KS QS", "QH", 14,
         [] { hand.SutOutInf = CardFunctions::SetSeatSuitFlag(1, kHearts, hand.SutOutInf); }},
        {"trump led, the joker the only trump: it must follow with it", kHearts, 0, 3, "9H",
         "TJ 9C TC KS QS", "TJ", 1},
        {"second hand to a trump lead, the maker's seat: the joker is the highest trump", kHearts,
         0, 3, "9H", "RH TJ 9C KS QS", "TJ", 8},
        {"last, the opponents winning, the joker the only trump: it trumps in", kHearts, 1, 1,
         "AD 9D TD", "TJ 9C TC KS QS", "TJ", 133},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        Reset();
        SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
        const int32_t dealer = (each.leader + 3) % 4;
        TrickTable::Begin(each.trump, each.maker, dealer, 1, each.leader, each.lone);
        TrickTable::PlayAll(each.trick);
        const int32_t seat =
            (each.leader + static_cast<int32_t>(HandText::Words(each.trick).size())) % 4;
        HandText::SetHand(seat, each.cards);
        if (each.extra) each.extra();
        const int32_t slot = Decide();
        EXPECT_EQ(CardAt(seat, slot), each.card);
        EXPECT_EQ(analysis.ReasonCode, each.reason);
    }
}

TEST_F(FollowTest, AStaleDiscardSignalNeverExplainsANewDecision) {
    SetBit(flags.Stat1, Stat1Bits::DiscardNineSignal);
    TrickTable::Begin(kClubs, 1, 0, 1, 1);
    TrickTable::Play("TS");
    HandText::SetHand(2, "9D AD TH QH KH");
    Decide();
    EXPECT_EQ(analysis.ReasonCode, 21);
}

TEST_F(FollowTest, TheTraceNamesTheSeatAndItsSituation) {
    settings.PlayerNames[2] = "Kim";
    TrickTable::Begin(kClubs, 1, 0, 1, 1);
    TrickTable::Play("TS");
    HandText::SetHand(2, "9S AD TH QH KH");
    Decide();
    EXPECT_EQ(analysis.LogicTrace,
              "Kim in MainLogic: P=2, Trump=2, SuitLed=3, Plyr=2\r\n       Logic "
              "Analyzing...NOT Leading...Can follow suit...");
    EXPECT_EQ(analysis.ReasonCode, 1);
}

}  // namespace
