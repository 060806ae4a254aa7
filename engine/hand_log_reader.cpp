#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/hand_log.h"
#include "engine/model/card_codes.h"
#include "engine/model/state/hand_state.h"
#include "platform/atomic_file.h"
#include "platform/files.h"
#include "platform/packed_fields.h"
#include "platform/paths.h"
#include "platform/settings/player_settings.h"
#include "render/score_corners.h"
#include "render/table_parts.h"

namespace {

constexpr int32_t kJokerInDeck = 1 << 19;
constexpr int32_t kDoNotSaveSettings = 1 << 11;

struct Card {
    int32_t suit = -1;
    int32_t rank = -1;
};

// What a log gives the deal. Optional lines stay unset when the log lacks them.
struct LoggedHand {
    std::optional<int32_t> dealer;
    std::optional<Card> upCard;
    std::optional<std::vector<int32_t>> cardsPlayed;
    std::optional<std::array<Card, 20>> hands;
    std::optional<int32_t> score;
    std::optional<int32_t> opts1;
    std::optional<int32_t> opts2;
    std::optional<int32_t> opts3;
};

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::optional<int32_t> Integer(std::string_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::vector<int32_t>> IntegerList(std::string_view text) {
    std::vector<int32_t> values;
    while (true) {
        const size_t comma = text.find(',');
        const auto value = Integer(text.substr(0, comma));
        if (!value) return std::nullopt;
        values.push_back(*value);
        if (comma == std::string_view::npos) return values;
        text.remove_prefix(comma + 1);
    }
}

Card CardOfEntry(int32_t entry) {
    return {APIs::Nib(entry, 0), APIs::Nib(entry, 1)};
}

// A card re-marked once trump was fixed (the up card, the kitty) is read back as dealt:
// the bowers as jacks, the top trump as the joker.
Card DealtCard(Card card) {
    using namespace CardFunctions;
    if (card.rank == kRightBower) return {card.suit, kJack};
    if (card.rank == kLeftBower && card.suit >= 0 && card.suit <= 3) {
        return {SameColorSuit(card.suit), kJack};
    }
    if (card.rank == kTopJoker) return {kJokerSuit, kJoker};
    return card;
}

bool StartsWith(std::string_view line, std::string_view label) {
    return line.substr(0, label.size()) == label;
}

// False when a line that matches its label does not hold what the label promises.
bool TakeLine(std::string_view line, LoggedHand& logged) {
    const auto numberAfter = [&](std::string_view label, std::optional<int32_t>& into) {
        if (!StartsWith(line, label)) return true;
        into = Integer(line.substr(label.size()));
        return into.has_value();
    };
    if (StartsWith(line, "GenInf: ")) {
        const auto value = Integer(line.substr(8));
        if (!value) return false;
        logged.dealer = Misc::Get3Bits(*value, 4);
        return true;
    }
    if (StartsWith(line, "CardUp: ")) {
        const auto value = Integer(line.substr(8));
        if (!value) return false;
        logged.upCard = DealtCard(CardOfEntry(*value));
        return true;
    }
    if (StartsWith(line, "CardsPlayed:")) {
        logged.cardsPlayed = IntegerList(line.size() > 13 ? line.substr(13) : std::string_view{});
        return logged.cardsPlayed.has_value() && logged.cardsPlayed->size() >= 25;
    }
    if (StartsWith(line, "Hands: ")) {
        const auto values = IntegerList(line.substr(7));
        if (!values || values->size() != 41 || values->back() != 99) return false;
        std::array<Card, 20> cards{};
        for (size_t i = 0; i < cards.size(); ++i)
            cards[i] = {(*values)[2 * i], (*values)[2 * i + 1]};
        logged.hands = cards;
        return true;
    }
    return numberAfter("Score: ", logged.score) && numberAfter("Opts1: ", logged.opts1) &&
           numberAfter("Opts2: ", logged.opts2) && numberAfter("Opts3: ", logged.opts3);
}

bool ValidCard(const Card& card) {
    if (card.suit == CardFunctions::kJokerSuit) return card.rank == CardFunctions::kJoker;
    return card.suit >= 0 && card.suit <= 3 && card.rank >= 0 && card.rank <= CardFunctions::kAce;
}

// Every card of the deck exactly once among the hands, the up card and the kitty.
bool WholeDeal(const LoggedHand& logged, bool withJoker) {
    std::vector<Card> cards(logged.hands->begin(), logged.hands->end());
    cards.push_back(*logged.upCard);
    const size_t kittySize = withJoker ? 4 : 3;
    for (size_t i = 0; i < kittySize; ++i)
        cards.push_back(DealtCard(CardOfEntry((*logged.cardsPlayed)[kFirstKittyEntry + i])));
    std::array<std::array<bool, 4>, 7> seen{};
    for (const Card& card : cards) {
        if (!ValidCard(card)) return false;
        const size_t suit =
            card.suit == CardFunctions::kJokerSuit ? 0 : static_cast<size_t>(card.suit);
        bool& mark = seen[static_cast<size_t>(card.rank)][suit];
        if (mark) return false;
        mark = true;
    }
    return true;
}

bool Valid(const LoggedHand& logged) {
    if (!logged.hands || !logged.upCard || !logged.cardsPlayed) return false;
    if (logged.dealer && *logged.dealer > 3) return false;
    const int32_t opts2 = logged.opts2.value_or(settings.Opts2);
    return WholeDeal(logged, (opts2 & kJokerInDeck) != 0);
}

int32_t KittyEntry(int32_t logged) {
    const Card card = DealtCard(CardOfEntry(logged));
    return Misc::NibSet(Misc::NibSet(Misc::NibSet(0, card.suit, 0), card.rank, 1), kKittySeatCode,
                        3);
}

void TakeDealer(int32_t dealer) {
    hand.GenInf = Misc::Set3Bits(kNewHandGenInf, dealer, 4);
    const int32_t behind = (dealer - CardFunctions::Wrap4(hand.DealerCounter) + 4) % 4;
    hand.DealerCounter += behind;
}

void Apply(const LoggedHand& logged) {
    if (logged.opts1) settings.Opts1 = *logged.opts1 | kDoNotSaveSettings;
    if (logged.opts2) settings.Opts2 = *logged.opts2;
    if (logged.opts3) settings.Opts3 = *logged.opts3;
    if (logged.dealer) TakeDealer(*logged.dealer);
    const Card& up = *logged.upCard;
    hand.CardUp = Misc::NibSet(Misc::NibSet(kNewHandCardUp, up.suit, 0), up.rank, 1);
    const auto& played = *logged.cardsPlayed;
    for (size_t i = 0; i < kFirstKittyEntry; ++i) hand.CardsPlayed[i] = played[i];
    const bool withJoker = (settings.Opts2 & kJokerInDeck) != 0;
    for (size_t i = 0; i < 4; ++i) {
        const size_t entry = kFirstKittyEntry + i;
        hand.CardsPlayed[entry] =
            i < 3 || withJoker ? KittyEntry(played[entry]) : kEmptyPlayedEntry;
        hand.CardsPlayed[kKittyCopyEntry + i] = hand.CardsPlayed[entry];
    }
    for (size_t i = 0; i < logged.hands->size(); ++i) {
        auto& slot = hand.Hands[i / 5][i % 5];
        slot[kSuitPlane] = (*logged.hands)[i].suit;
        slot[kRankPlane] = (*logged.hands)[i].rank;
    }
    if (logged.score) {
        hand.Score = *logged.score;
        Video::DrawTopScore();
        Video::DrawBottomScore();
    }
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<std::string> ExistingLog() {
    for (const std::string& wanted :
         {paths.DataFolder + "/KavlorHandAnalysis.Log", Misc::ErrorLogPath()}) {
        const std::string found = APIs::FindIgnoringCase(wanted);
        std::error_code error;
        if (std::filesystem::is_regular_file(found, error)) return found;
    }
    return std::nullopt;
}

}  // namespace

bool Misc::TakeHandLog(std::string_view text) {
    LoggedHand logged;
    for (const std::string_view line : Lines(text)) {
        if (!TakeLine(line, logged)) return false;
    }
    if (!Valid(logged)) return false;
    Apply(logged);
    return true;
}

bool Misc::ReadHandLog() {
    const auto path = ExistingLog();
    std::string text;
    if (!path || !ReadWholeFile(*path, text)) return false;
    return TakeHandLog(text);
}
