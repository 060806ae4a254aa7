#include "platform/numbers.h"

#include <array>
#include <charconv>
#include <cmath>

#include "platform/text.h"

std::optional<double> ParseNumber(std::string_view text) {
    const std::string trimmed = Trim(text);
    std::string_view s = trimmed;
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int32_t> ParseInt32(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value) return std::nullopt;
    const double rounded = std::nearbyint(*value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return static_cast<int32_t>(rounded);
}

std::string FormatNumber(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatNumber(float value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatNumber(int32_t value) { return std::to_string(value); }
