#include "platform/paths.h"

#include <cstdlib>

#include "platform/files.h"
#include "platform/text.h"

std::string APIs::SpecialFolder(int csidl) {
    if (csidl != kCommonAppData) return {};
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome && *dataHome == '/') {
        return dataHome;
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::string(home) + "/.local/share";
    }
    return {};
}

namespace {

// The tail of path after folder and one separator, when path lies inside folder.
std::string TailInside(std::string_view path, std::string_view folder) {
    if (folder.empty()) return {};
    const std::string upperPath = ToUpper(path);
    std::string upperFolder = ToUpper(folder);
    while (upperFolder.size() > 1 && upperFolder.back() == '/') upperFolder.pop_back();
    if (!upperPath.starts_with(upperFolder) || upperPath.size() <= upperFolder.size() + 1 ||
        upperPath[upperFolder.size()] != '/') {
        return {};
    }
    return std::string(path.substr(upperFolder.size() + 1));
}

}  // namespace

std::string Misc::RelativeToDataFolder(std::string_view path) {
    if (auto tail = TailInside(path, paths.DataFolder); !tail.empty()) return tail;
    const std::string shortPath = APIs::ShortPath(path);
    if (auto tail = TailInside(shortPath, APIs::ShortPath(paths.DataFolder)); !tail.empty()) {
        return tail;
    }
    return std::string(path);
}

std::string Misc::AbsoluteFromDataFolder(std::string_view path) {
    if (path.size() < 2 || path.front() == '/') return std::string(path);
    return paths.DataFolder + "/" + std::string(path);
}
