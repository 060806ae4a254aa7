#include "resources/texts/table_texts.h"

#include <charconv>
#include <optional>
#include <span>

#include "platform/unscrambler.h"

namespace {

struct Section {
    std::string_view name;
    std::span<std::string> entries;
    std::vector<bool> seen;
    // Sound events and tunes count from 1, the message tables from 0.
    size_t first;
};

// Windows-1252 codes 128-159 by the characters they stand for.
constexpr std::array<char32_t, 32> kCp1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> ToCp1252(char32_t c) {
    if (c >= 32 && c < 127) return static_cast<char>(c);
    if (c >= 160 && c <= 255) return static_cast<char>(c);
    for (size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == c && c != 0) return static_cast<char>(128 + i);
    }
    return std::nullopt;
}

// The UTF-8 text as Windows-1252, or nullopt when a character has no place there.
std::optional<std::string> FromUtf8(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 0;
        if (length == 0 || i + static_cast<size_t>(length) > text.size()) return std::nullopt;
        char32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1F) : (lead & 0x0F);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
            if ((next >> 6) != 2) return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        const auto mapped = ToCp1252(c);
        if (!mapped) return std::nullopt;
        out.push_back(*mapped);
        i += static_cast<size_t>(length);
    }
    return out;
}

// A text that must begin or end with a blank is written between two "|".
std::string_view Unwrapped(std::string_view text) {
    if (text.size() >= 2 && text.front() == '|' && text.back() == '|') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::string Where(size_t lineNumber) {
    return "line " + std::to_string(lineNumber) + ": ";
}

}  // namespace

ParsedTableTexts ParseTableTexts(std::string_view file) {
    ParsedTableTexts result;
    auto& t = result.texts;
    std::array<Section, 4> sections{{
        {"Sounds", t.Sounds, std::vector<bool>(t.Sounds.size()), 1},
        {"Music", t.Music, std::vector<bool>(t.Music.size()), 1},
        {"MessageTable", t.Messages, std::vector<bool>(t.Messages.size()), 0},
        {"MessageTable2", t.Messages2, std::vector<bool>(t.Messages2.size()), 0},
    }};
    Section* current = nullptr;
    size_t lineNumber = 0;
    while (!file.empty()) {
        ++lineNumber;
        const auto end = file.find('\n');
        std::string_view line = file.substr(0, end);
        file.remove_prefix(end == std::string_view::npos ? file.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            current = nullptr;
            for (auto& section : sections) {
                if (line == "[" + std::string(section.name) + "]") current = &section;
            }
            if (!current) result.errors.push_back(Where(lineNumber) + "unknown section");
            continue;
        }
        size_t number = 0;
        const auto [numberEnd, ec] =
            std::from_chars(line.data(), line.data() + line.size(), number);
        const size_t digits = static_cast<size_t>(numberEnd - line.data());
        if (!current || ec != std::errc() || (digits < line.size() && line[digits] != ' ')) {
            result.errors.push_back(Where(lineNumber) + "not an entry: " + std::string(line));
            continue;
        }
        const size_t index = number - current->first;
        if (number < current->first || index >= current->entries.size() || current->seen[index]) {
            result.errors.push_back(Where(lineNumber) + "entry number out of place");
            continue;
        }
        const auto text = FromUtf8(Unwrapped(line.substr(std::min(line.size(), digits + 1))));
        if (!text) {
            result.errors.push_back(Where(lineNumber) + "a character outside Windows-1252");
            continue;
        }
        current->entries[index] = *text;
        current->seen[index] = true;
    }
    for (const auto& section : sections) {
        for (size_t i = 0; i < section.seen.size(); ++i) {
            if (!section.seen[i]) {
                result.errors.push_back("[" + std::string(section.name) + "] entry " +
                                        std::to_string(i + section.first) + " is missing");
            }
        }
    }
    return result;
}

std::vector<std::string> StoredTableLines(const TableTexts& texts) {
    std::vector<std::string> lines;
    const auto add = [&lines](const auto& entries) {
        for (const auto& text : entries) lines.push_back(Misc::ScrambleLine(text));
    };
    add(texts.Sounds);
    add(texts.Music);
    add(texts.Messages);
    add(texts.Messages2);
    lines.push_back(Misc::ScrambleLine("End of the Kavlor tables"));
    return lines;
}
