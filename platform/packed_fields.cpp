#include "platform/packed_fields.h"

#include "platform/message_boxes.h"

namespace {

constexpr uint32_t Pow16(int n) { return 1u << (4 * n); }
constexpr uint32_t Pow8(int n) { return 1u << (3 * n); }
constexpr uint32_t Pow256(int n) { return 1u << (8 * n); }

constexpr int32_t AsWord(uint32_t bits) { return static_cast<int32_t>(bits); }
constexpr uint32_t Bits(int32_t word) { return static_cast<uint32_t>(word); }

}  // namespace

int32_t APIs::Nib(int32_t word, int n) {
    if (n > 6) {
        MsgBox("Value out of range in Function Nib");
        return 0;
    }
    if (word < 0) return -1;
    return AsWord((Bits(word) & (15u * Pow16(n))) / Pow16(n));
}

int32_t Misc::NibSet(int32_t word, int32_t x, int n) {
    if (n > 6) {
        MsgBox("Value out of range in Function NibSet");
        return word;
    }
    if (word < 0) return 0;
    const uint32_t mask = 2147483647u - 15u * Pow16(n);
    return AsWord((Bits(word) & mask) | (Bits(x) * Pow16(n)));
}

int32_t Misc::Get3Bits(int32_t word, int n) {
    return AsWord((Bits(word) & (7u * Pow8(n))) / Pow8(n));
}

int32_t Misc::Set3Bits(int32_t word, int32_t x, int n) {
    constexpr uint32_t kBit30 = 1u << 30;
    const bool hadBit30 = (Bits(word) & kBit30) != 0;
    uint32_t result;
    if (word < 0) {
        result = Bits(x) * Pow8(n);
    } else {
        result = (Bits(word) & (1073741823u - 7u * Pow8(n))) + Bits(x) * Pow8(n);
    }
    if (hadBit30) result |= kBit30;
    return AsWord(result);
}

int32_t Misc::GetByte(int32_t word, int n) {
    return AsWord((Bits(word) & (255u * Pow256(n))) / Pow256(n));
}

int32_t Misc::SetByte(int32_t word, int32_t x, int n) {
    return AsWord((Bits(word) & ~(255u * Pow256(n))) | (Bits(x) * Pow256(n)));
}

int32_t Misc::HexValue(std::string_view text) {
    uint32_t value = 0;
    int digits = 0;
    for (char c : text) {
        int d;
        if (c >= '0' && c <= '9') {
            d = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        } else {
            break;
        }
        if (++digits > 8) break;
        value = value * 16 + static_cast<uint32_t>(d);
    }
    return AsWord(value);
}

int32_t Misc::HexField(std::string_view text, int n, std::string_view delimiter) {
    if (delimiter.empty()) return HexValue(text);
    for (int i = 0; i < n; ++i) {
        const auto at = text.find(delimiter);
        if (at == std::string_view::npos) break;
        text.remove_prefix(at + delimiter.size());
    }
    return HexValue(text.substr(0, text.find(delimiter)));
}
