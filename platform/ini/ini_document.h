#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An INI text with the classic private-profile rules: section and key names match
// without regard to case, the first match wins, values are trimmed, an empty value
// is not a missing key, and every line a change does not touch stays as it was.
class IniDocument {
public:
    static IniDocument Parse(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::vector<std::string> SectionNames() const;
    bool HasSection(std::string_view section) const;

    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes the section's header and every line up to the next section.
    bool RemoveSection(std::string_view section);
    // Rewrites every header line that is exactly "[old]", ignoring case.
    bool RenameSectionHeader(std::string_view oldName, std::string_view newName);

    std::string Text() const;
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    struct Span {
        size_t header;  // index of the header line
        size_t end;     // one past the section's last line
    };
    std::optional<Span> FindSection(std::string_view section) const;

    std::vector<std::string> lines_;
};

// The name of a header line "[name]", trimmed; nullopt for any other line.
std::optional<std::string> SectionHeaderName(std::string_view line);
