#pragma once

#include <array>
#include <cstdint>
#include <string>

// What the computer's last decision leaves behind for the hint and the trace.
struct Analysis {
    // The reason for the last decision, 1-153: its explanation is MessageTable2 entry.
    int32_t ReasonCode = 0;
    // The answer the hint advises: a Choice index, or 16 × mode + slot for a card;
    // kNoHintTarget when there is nothing to show.
    int32_t HintTarget = kNoHintTarget;
    std::array<int32_t, 4> SuitAnalysis{};
    int32_t LonerAnalysis = 0;
    // Where the trick play and the discard collect their reasoning.
    std::string LogicTrace;
    // The hint's composed explanation of a calling or going-alone advice.
    std::string AdviceText;

    static constexpr int32_t kNoHintTarget = 71665;

    bool operator==(const Analysis&) const = default;
};

inline Analysis analysis;
