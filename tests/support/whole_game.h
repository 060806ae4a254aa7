#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/model/card_codes.h"
#include "engine/model/hand_queries.h"
#include "engine/model/hand_words.h"
#include "engine/model/state/statistics.h"
#include "engine/steps/step_call.h"
#include "platform/packed_fields.h"
#include "platform/random_source.h"
#include "players/analysis_state.h"
#include "support/game_driver.h"
#include "support/legal_answers.h"

// Plays whole games headless with the computer deciding for every seat, checking the
// game's invariants after every call. Returns the failures found, empty when none.
class WholeGame {
  public:
    explicit WholeGame(uint32_t seed) : random_(seed) {
        InstallRandomSource(&random_);
        GamePlay::InstallStepObserver([this](int32_t step) {
            moves.push_back(step);
            Check();
        });
    }
    ~WholeGame() {
        GamePlay::InstallTrickCardChooser({});
        GamePlay::InstallStepObserver({});
        InstallRandomSource(nullptr);
    }
    WholeGame(const WholeGame&) = delete;
    WholeGame& operator=(const WholeGame&) = delete;

    // Demo: the computer decides for seat 0 too. Human: seat 0 answers every prompt with
    // a legal answer the random source picks, and the step must take it. Fuzz: seat 0
    // throws inputs until one is taken; a refused one must change neither the hands,
    // the score nor the step.
    enum class Mode { Demo, Human, Fuzz };

    // The seats of the team play a card the random source picks among their legal ones;
    // the computer still calls and discards for them.
    void PlayRandomCardsFor(int32_t team) {
        GamePlay::InstallTrickCardChooser([team](int32_t seat) -> int32_t {
            const auto& cards = hand.Hands[static_cast<size_t>(seat)];
            // The partner of a lone hand sits out: the computer marks the trick for it.
            if (seat % 2 != team || cards[0][kRankPlane] < -99) return -1;
            std::vector<int32_t> legal;
            for (int32_t slot = 0; slot < 5; ++slot) {
                if (cards[static_cast<size_t>(slot)][kRankPlane] >= 0 &&
                    CardFunctions::RefusedPlay(seat, slot) == 0) {
                    legal.push_back(slot);
                }
            }
            if (legal.empty()) return -1;
            return legal[static_cast<size_t>(RandomBelow(static_cast<int>(legal.size())))];
        });
    }

    // Plays from a new game to the play-again question; false when it did not get there.
    bool PlayGame(Mode mode = Mode::Demo, int maxCalls = 20000) {
        if (mode == Mode::Demo) SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);
        flow.Ptrg = 1;
        flow.InputOpen = true;
        for (int calls = 0; calls < maxCalls; ++calls) {
            if (flow.Ptrg == 14100) return CheckGameOver();
            if (mode == Mode::Demo) {
                game.Click();
            } else if (mode == Mode::Human) {
                LegalInput();
            } else {
                FuzzInput();
            }
            if (fastGameOver_) return CheckGameOver();
            if (flow.QuitNow) return Fail("left the program at " + std::to_string(flow.Ptrg));
        }
        return Fail("no end after " + std::to_string(maxCalls) + " calls at " +
                    std::to_string(flow.Ptrg));
    }

    GameDriver game;
    std::vector<std::string> failures;
    // Ptrg after every call: two games of one seed match move for move.
    std::vector<int32_t> moves;

  private:
    // Only the answer step ran, and the game waits there still.
    bool Refused(int32_t step, size_t movesBefore) const {
        bool refused = flow.Ptrg == step && flow.InputOpen;
        for (size_t i = movesBefore; i < moves.size(); ++i) refused = refused && moves[i] == step;
        return refused;
    }
    void LegalInput() {
        const int32_t step = flow.Ptrg;
        const size_t movesBefore = moves.size();
        const std::vector<HumanAnswer> answers = LegalAnswer::Answers(game.table);
        const HumanAnswer& answer =
            answers[static_cast<size_t>(RandomBelow(static_cast<int>(answers.size())))];
        game.Door(answer.button, answer.shift, answer.x, answer.y);
        // Marking the cards to swap takes each click and waits for the next.
        if (step != 5510 && Refused(step, movesBefore)) {
            Fail("a legal answer at " + std::to_string(step) + " was refused");
        }
    }
    // A click, an answer button or a number key, as the random source picks.
    void FuzzInput() {
        const int32_t step = flow.Ptrg;
        const HandTable hands = hand.Hands;
        const int32_t score = hand.Score;
        const size_t movesBefore = moves.size();
        game.AnyInput(RandomBelow(11));
        if (Refused(step, movesBefore) && (hands != hand.Hands || score != hand.Score)) {
            Fail("a refused input at " + std::to_string(step) + " changed the hand");
        }
    }
    bool Fail(const std::string& what) {
        failures.push_back(what);
        return false;
    }
    // A card that left a hand since the last step: unique in the hand, and following suit
    // when its seat could. A joker still without a suit in play counts as trump.
    void CheckCardsPlayed() {
        const int32_t trump = Misc::Get3Bits(last_GenInf_, 0);
        const auto suitOf = [trump](const std::array<int32_t, 2>& card) {
            return card[kSuitPlane] == CardFunctions::kJokerSuit ? trump : card[kSuitPlane];
        };
        int newCards = 0;
        int32_t seatPlayed = -1;
        int32_t suitPlayed = -1;
        for (int seat = 0; seat < 4; ++seat) {
            for (int slot = 0; slot < 5; ++slot) {
                const auto& card = hand.Hands[static_cast<size_t>(seat)][static_cast<size_t>(slot)];
                const auto& before = last_[static_cast<size_t>(seat)][static_cast<size_t>(slot)];
                const bool nowPlayed = card[kRankPlane] < 0 && card[kRankPlane] > -100;
                const bool wasHeld = before[kRankPlane] >= 0;
                if (nowPlayed && wasHeld && card[kSuitPlane] == before[kSuitPlane]) {
                    ++newCards;
                    seatPlayed = seat;
                    suitPlayed = suitOf(card);
                }
            }
        }
        const int32_t led = Misc::Get3Bits(last_GenInf_, 1);
        if (newCards == 1 && led >= 0 && led < 4 && suitPlayed != led) {
            for (int slot = 0; slot < 5; ++slot) {
                const auto& before =
                    last_[static_cast<size_t>(seatPlayed)][static_cast<size_t>(slot)];
                if (before[kRankPlane] >= 0 && suitOf(before) == led) {
                    Fail("seat " + std::to_string(seatPlayed) + " did not follow suit");
                }
            }
        }
        last_ = hand.Hands;
        last_GenInf_ = hand.GenInf;
    }
    // The trick entries of CardsPlayed: suit and rank in nibbles 0 and 1, rank 15 none.
    void CheckNoCardTwice() {
        const auto card = [](size_t i) { return hand.CardsPlayed[i] & 0xFF; };
        const auto used = [&card](size_t i) { return (card(i) & 0xF0) != 0xF0; };
        for (size_t i = 0; i < kFirstKittyEntry; ++i) {
            for (size_t j = i + 1; j < kFirstKittyEntry; ++j) {
                if (used(i) && used(j) && card(i) == card(j)) Fail("a card played twice");
            }
        }
    }
    void Check() {
        // The fast mode starts the next game at once, inside the same call: stop there.
        if (moves.back() == 14010 && IsSet(flags.Stat2, Stat2Bits::FastMode)) {
            fastGameOver_ = true;
            flow.QuitNow = true;
        }
        CheckCardsPlayed();
        CheckNoCardTwice();
        const int32_t step = flow.Ptrg;
        if (step > 0 && GamePlay::FindStep(step) == nullptr) {
            Fail("not a step: " + std::to_string(step));
        }
        if (analysis.ReasonCode < 0 || analysis.ReasonCode > 153) {
            Fail("reason code " + std::to_string(analysis.ReasonCode));
        }
        if (!game.boxes.shown().empty()) Fail("message box: " + game.boxes.shown().front().text);
    }
    bool CheckGameOver() {
        if (APIs::Nib(hand.Score, 0) < 10 && APIs::Nib(hand.Score, 1) < 10) {
            return Fail("game over at " + std::to_string(hand.Score & 0xFF));
        }
        return failures.empty();
    }
    SeededRandom random_;
    bool fastGameOver_ = false;
    HandTable last_{};
    int32_t last_GenInf_ = 0;
};
