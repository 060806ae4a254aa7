#pragma once

#include <cstdint>
#include <string_view>

// Small values live packed in signed 32-bit words: option words, the hand state,
// scores, trick counts. The setters return the new word; callers store it back.

namespace APIs {
// 4-bit field n (0-6), or -1 for a negative word.
int32_t Nib(int32_t word, int n);
}  // namespace APIs

namespace Misc {
// Puts x into 4-bit field n; a negative word gives 0. x is not masked.
int32_t NibSet(int32_t word, int32_t x, int n);
// 3-bit field n (0-9).
int32_t Get3Bits(int32_t word, int n);
// Puts x into 3-bit field n, keeping bit 30. x is not masked.
int32_t Set3Bits(int32_t word, int32_t x, int n);
// Byte n (0-2).
int32_t GetByte(int32_t word, int n);
// Puts x into byte n; bits 24-31 survive. x is not masked.
int32_t SetByte(int32_t word, int32_t x, int n);
// Field n of a delimited text, read as a hexadecimal number.
int32_t HexField(std::string_view text, int n, std::string_view delimiter);
// A text read with "&H" semantics: up to 8 hex digits, stops at the first non-digit.
int32_t HexValue(std::string_view text);
}  // namespace Misc
