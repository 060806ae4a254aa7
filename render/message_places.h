#pragma once

#include <cstdint>
#include <string_view>

// Where each message code is anchored and which rectangle wipes it, in pixels at the
// current scale and dealer.
namespace Video {

struct MessageAnchor {
    int32_t x = 0;
    int32_t y = 0;
    // 0 left, 1 right, 2 centred; -1 the caller's.
    int32_t alignment = -1;
};

struct MessageRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The first line's anchor of a message at code; firstLine decides the north rule.
MessageAnchor MessageAnchorOf(int32_t code, std::string_view firstLine);
// The wipe rectangle of a code; empty at the origin for codes without one.
MessageRect MessageEraseRect(int32_t code);
// A base value on the 800 × 600 table in pixels.
int32_t ScaledBase(double base);

}  // namespace Video
