#include "players/advice_texts.h"

#include <utility>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/tables.h"
#include "platform/packed_fields.h"
#include "players/analysis_state.h"

namespace {

bool Has(int32_t word, int bit) {
    return (word & (1 << bit)) != 0;
}

const std::string& Entry(size_t n) {
    return tables.MessageTable[n];
}

bool IsJack(int32_t rank) {
    return rank == CardFunctions::kJack || rank == CardFunctions::kRightBower;
}

int32_t SuitWord(int32_t suit) {
    if (suit < 0 || suit > 3) return 0;
    return analysis.SuitAnalysis[static_cast<size_t>(suit)];
}

std::string CallAdvice(int32_t s) {
    // In each group the last test that applies stands.
    std::string text;
    if (Has(s, 1)) text = Entry(209);
    if (Has(s, 12)) text = Entry(210);
    if (Has(s, 13)) text = Entry(211);
    if (Has(s, 14)) text = Entry(212);
    if (Has(s, 16)) text = Entry(213);
    std::string bowers;
    if (Has(s, 2)) bowers = Entry(214);
    if (Has(s, 3)) bowers = Entry(215);
    if (Has(s, 2) && Has(s, 3)) bowers = Entry(216);
    if (Has(s, 2) && Has(s, 3) && Has(s, 4)) bowers = Entry(217);
    if (Has(s, 5)) bowers = Entry(218);
    text += bowers;
    constexpr std::pair<int, size_t> kRemarks[] = {{6, 223}, {7, 224}, {8, 225},
                                                   {9, 226}, {11, 227}, {17, 228}};
    for (const auto& [bit, entry] : kRemarks) {
        if (Has(s, bit)) text += Entry(entry);
    }
    return text + "Go For It!";
}

std::string PassAdvice(int32_t s) {
    if (Misc::Get3Bits(hand.GenInf, 4) == 3 && Has(s, 2) && Has(s, 3)) {
        return Entry(229) + Entry(230);
    }
    std::string text;
    if (Has(s, 13)) {
        if (IsJack(APIs::Nib(hand.CardUp, 1))) {
            text = Entry(231);
        } else {
            text = Entry(Has(s, 2) ? 232 : 233);
        }
    }
    if (Has(s, 5)) {
        text += Entry(Has(s, 20) ? 234 : 235);
    } else if (Has(s, 19)) {
        text += Entry(236);
    }
    text += Entry(237);
    if (Has(s, 30)) text = Entry(238);
    return text;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
}

// The remark on a missing right bower, unless the human dealer picked up a jack of trump.
std::string RightBowerRemark() {
    const int32_t trump = Misc::Get3Bits(hand.GenInf, 0);
    const bool pickedUpJack = Misc::Get3Bits(hand.GenInf, 4) == 0 &&
                              trump == APIs::Nib(hand.CardUp, 0) &&
                              IsJack(APIs::Nib(hand.CardUp, 1));
    if (CardFunctions::FindRightBower(hand.Hands, 0, trump) >= 0 || pickedUpJack) return {};
    return Entry(240);
}

std::string GoAloneAdvice(int32_t rating) {
    switch (rating) {
        case 2: return Entry(241);
        case 3: return Entry(242);
        case 4: return Entry(243);
        case 5: return Entry(244);
        case 6: return Entry(Has(analysis.LonerAnalysis, 30) ? 245 : 246);
        case 7: return Entry(247) + RightBowerRemark();
        case 8: return Entry(248) + RightBowerRemark();
        case 9: return Entry(249);
        case 10: return Entry(250);
        case 11: return Entry(251);
        default: return {};
    }
}

std::string NotAloneAdvice(int32_t rating) {
    const int32_t aboveEight = APIs::Nib(hand.Score, 0) - 8;
    if (rating < 3 || aboveEight < 0) {
        std::string text = Entry(253);
        for (int bit = 0; bit <= 10; ++bit) {
            if (Has(analysis.LonerAnalysis, bit)) text = Entry(254 + static_cast<size_t>(bit));
        }
        return text;
    }
    std::string text = Entry(252);
    if (aboveEight == 0) ReplaceAll(text, "1 point", "2 points");
    return text;
}

}  // namespace

std::string Logics::TrumpCallAdvice(int32_t& suit) {
    const int32_t reason = analysis.ReasonCode;
    const int32_t target = analysis.HintTarget;
    if ((reason == 100 && target == 1) || (reason == 101 && target < 4)) {
        return CallAdvice(SuitWord(suit));
    }
    if (reason == 100 && target == 2) {
        suit = APIs::Nib(hand.CardUp, 0);
        return PassAdvice(SuitWord(suit));
    }
    if (reason == 101 && target == 4) return Entry(239);
    return {};
}

std::string Logics::LonerAdvice() {
    const int32_t rating = APIs::Nib(hand.NibCounter, 6);
    switch (analysis.HintTarget) {
        case 1: return GoAloneAdvice(rating);
        case 2: return NotAloneAdvice(rating);
        case 4: return Entry(265);
        default: return {};
    }
}
