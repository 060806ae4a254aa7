#include "platform/files.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "platform/text.h"

namespace fs = std::filesystem;

bool APIs::FolderExists(std::string_view path) {
    // A doubled separator inside the path is a malformed name, not a place to look.
    if (path.size() > 1 && path.find("//", 1) != std::string_view::npos) return false;
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

bool APIs::FileExists(std::string_view path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

std::string APIs::ShortPath(std::string_view path) {
    std::error_code ec;
    if (path.empty() || !fs::exists(fs::path(path), ec)) return {};
    return std::string(path);
}

int APIs::ClearReadOnly(std::string_view path) {
    if (!FileExists(path)) return 0;
    std::error_code ec;
    fs::permissions(fs::path(path), fs::perms::owner_write, fs::perm_options::add, ec);
    return ec ? 0 : 1;
}

std::string APIs::FolderOf(std::string_view path) {
    const auto at = path.rfind('/');
    return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at + 1));
}

std::string APIs::FileNameOf(std::string_view path) {
    const auto at = path.rfind('/');
    return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

int APIs::CountOccurrences(std::string_view text, std::string_view part) {
    if (text.empty() || part.empty()) return 0;
    int count = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string APIs::FindIgnoringCase(std::string_view path) {
    std::error_code ec;
    const fs::path wanted(path);
    if (path.empty() || fs::exists(wanted, ec)) return std::string(path);

    fs::path found = wanted.is_absolute() ? wanted.root_path() : fs::path(".");
    for (const auto& part : wanted.relative_path()) {
        const fs::path exact = found / part;
        if (fs::exists(exact, ec)) {
            found = exact;
        } else {
            bool matched = false;
            for (const auto& entry : fs::directory_iterator(found, ec)) {
                if (EqualsIgnoringCase(entry.path().filename().string(), part.string())) {
                    found = entry.path();
                    matched = true;
                    break;
                }
            }
            if (!matched) return std::string(path);
        }
    }
    std::string result = found.string();
    if (!wanted.is_absolute() && result.starts_with("./")) result.erase(0, 2);
    return result;
}

std::string Misc::PipeField(std::string_view text, int n) {
    std::array<std::string, 4> fields{};
    for (size_t pass = 0; pass < 2; ++pass) {
        const auto at = text.find('|');
        if (at == std::string_view::npos) continue;
        fields[pass] = std::string(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    fields[2] = std::string(text);
    if (n < 1 || n > 4) return {};
    return fields[static_cast<size_t>(n - 1)];
}
