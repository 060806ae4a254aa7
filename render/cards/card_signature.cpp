#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files.h"
#include "render/cards/card_images.h"
#include "render/cards/file_time.h"

bool ClCards::ToggleBitmapSignature(std::string_view fileName, bool makeLoadable) {
    if (!APIs::FileExists(fileName) || APIs::ClearReadOnly(fileName) == 0) return false;
    const std::filesystem::path path{std::string(fileName)};
    std::error_code ec;
    const auto modified = std::filesystem::last_write_time(path, ec);

    bool written = false;
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        if (!file) return false;
        char bytes[2] = {};
        if (file.read(bytes, 2)) {
            const char from[2] = {makeLoadable ? 'M' : 'B', makeLoadable ? 'B' : 'M'};
            if (bytes[0] == from[0] && bytes[1] == from[1]) {
                file.seekp(0);
                file.write(from + 1, 1).write(from, 1);
                written = static_cast<bool>(file);
            }
        }
    }
    if (written && !ec) FileTime::FileTouch(fileName, modified);
    return true;
}
