#pragma once

#include <cstdint>
#include <vector>

#include "engine/model/hand_queries.h"
#include "engine/model/state/flow_state.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/packed_fields.h"
#include "render/key_labels.h"
#include "render/table_host.h"

// One input of the human as the main window's door passes it on.
struct HumanAnswer {
    int16_t button = 1;
    int16_t shift = 0;
    float x = 0;
    float y = 0;
};

namespace LegalAnswer {

inline bool Held(int32_t slot) {
    return hand.Hands[0][static_cast<size_t>(slot)][kRankPlane] >= 0;
}
// The number key that picks the slot among the human's unplayed cards.
inline HumanAnswer KeyFor(int32_t slot) {
    int32_t key = 1;
    for (int32_t each = 0; each < slot; ++each) key += Held(each) ? 1 : 0;
    return {1, 50, -static_cast<float>(key), 0};
}
template <typename Takes>
std::vector<HumanAnswer> HeldCards(Takes takes) {
    std::vector<HumanAnswer> answers;
    for (int32_t slot = 0; slot < 5; ++slot) {
        if (Held(slot) && takes(slot)) answers.push_back(KeyFor(slot));
    }
    return answers;
}
inline HumanAnswer Button(int index) {
    return {1, static_cast<int16_t>(100 + index), 0, 0};
}
inline bool Marked(int32_t slot) {
    return IsSet(flags.Stat2, 1 << (slot + 3));
}

// The inputs the step waiting now takes: the cards the rules let the human pick, the
// answer buttons shown and enabled, or a click where the step only waits for one.
inline std::vector<HumanAnswer> Answers(const TableHost& table) {
    std::vector<HumanAnswer> answers;
    switch (flow.Ptrg) {
        case 10050:
            return HeldCards([](int32_t slot) { return CardFunctions::RefusedPlay(0, slot) == 0; });
        case 2715: {
            answers = HeldCards([](int32_t) { return true; });
            const auto& mark = keyLabels.KeyMarkRect;
            if (mark[2] > mark[0]) {
                answers.push_back({1, 0, (mark[0] + mark[2]) / 2.0f, (mark[1] + mark[3]) / 2.0f});
            }
            return answers;
        }
        case 2915:
            return HeldCards([](int32_t) { return true; });
        case 2960:
            // Keys 1-6 name the six places of the hand with the passed card last.
            for (int32_t slot = 0; slot <= 5; ++slot) {
                if (slot == 5 || Held(slot)) answers.push_back({1, 50, -(slot + 1.0f), 0});
            }
            return answers;
        case 1813:
            answers = HeldCards([](int32_t slot) {
                return hand.Hands[0][static_cast<size_t>(slot)][kRankPlane] ==
                       APIs::Nib(hand.CardUp, 6);
            });
            answers.push_back(Button(4));
            return answers;
        case 5510: {
            const int32_t marked = GetField(flags.Stat2, Stat2Bits::SwapMarkCount);
            answers = HeldCards([marked](int32_t slot) { return Marked(slot) || marked < 3; });
            if (marked == 3) answers.push_back(Button(4));
            return answers;
        }
        default:
            for (int index = 0; index < kChoiceButtons; ++index) {
                const ChoiceButton button = table.Choice(index);
                if (button.Visible && button.Enabled) answers.push_back(Button(index));
            }
            if (answers.empty()) answers.push_back({});
            return answers;
    }
}

}  // namespace LegalAnswer
