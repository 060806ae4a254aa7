#pragma once

#include <cstdint>
#include <string>

// The hint's explanations of a calling or going-alone advice, composed from the
// analysis bits the evaluation left behind.
namespace Logics {
// For the advice in ReasonCode and HintTarget. A pass advice explains the turned-up
// suit, which replaces suit for the caller. Empty when no case applies.
std::string TrumpCallAdvice(int32_t& suit);
// For the going-alone advice in HintTarget; reads the rating in NibCounter nibble 6.
std::string LonerAdvice();
}  // namespace Logics
