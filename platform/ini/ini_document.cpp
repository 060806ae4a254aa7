#include "platform/ini/ini_document.h"

#include "platform/text.h"

namespace {

struct KeyLine {
    std::string key;
    std::string value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
    const auto eq = trimmed.find('=');
    if (eq == std::string::npos) return std::nullopt;
    KeyLine parsed{Trim(std::string_view(trimmed).substr(0, eq)),
                   Trim(std::string_view(trimmed).substr(eq + 1))};
    const std::string& v = parsed.value;
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        parsed.value = v.substr(1, v.size() - 2);
    }
    return parsed;
}

}  // namespace

std::optional<std::string> SectionHeaderName(std::string_view line) {
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[') return std::nullopt;
    const auto close = trimmed.find(']');
    if (close == std::string::npos) return std::nullopt;
    return Trim(std::string_view(trimmed).substr(1, close - 1));
}

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        doc.lines_.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return doc;
}

std::optional<IniDocument::Span> IniDocument::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionHeaderName(lines_[i]);
        if (!name || !EqualsIgnoringCase(*name, section)) continue;
        size_t end = i + 1;
        while (end < lines_.size() && !SectionHeaderName(lines_[end])) ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const auto span = FindSection(section);
    if (!span) return std::nullopt;
    for (size_t i = span->header + 1; i < span->end; ++i) {
        if (auto parsed = ParseKeyLine(lines_[i]); parsed && EqualsIgnoringCase(parsed->key, key)) {
            return parsed->value;
        }
    }
    return std::nullopt;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const auto& line : lines_) {
        if (auto name = SectionHeaderName(line)) names.push_back(*name);
    }
    return names;
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(section).has_value();
}

void IniDocument::SetValue(std::string_view section, std::string_view key,
                           std::string_view value) {
    const std::string line = std::string(key) + "=" + std::string(value);
    const auto span = FindSection(section);
    if (!span) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(line);
        return;
    }
    size_t lastContent = span->header;
    for (size_t i = span->header + 1; i < span->end; ++i) {
        auto parsed = ParseKeyLine(lines_[i]);
        if (parsed && EqualsIgnoringCase(parsed->key, key)) {
            lines_[i] = std::string(Trim(std::string_view(lines_[i]).substr(0, lines_[i].find('=')))) +
                        "=" + std::string(value);
            return;
        }
        if (!Trim(lines_[i]).empty()) lastContent = i;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastContent + 1), line);
}

bool IniDocument::RemoveSection(std::string_view section) {
    const auto span = FindSection(section);
    if (!span) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
    return true;
}

bool IniDocument::RenameSectionHeader(std::string_view oldName, std::string_view newName) {
    const std::string oldHeader = "[" + std::string(oldName) + "]";
    bool found = false;
    for (auto& line : lines_) {
        if (EqualsIgnoringCase(line, oldHeader)) {
            line = "[" + std::string(newName) + "]";
            found = true;
        }
    }
    return found;
}

std::string IniDocument::Text() const {
    std::string text;
    for (const auto& line : lines_) {
        text += line;
        text += '\n';
    }
    return text;
}
