#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "render/gdi/surface.h"

// Card graphics files (".kdf"): bitmap files whose two signature bytes are stored
// swapped ("MB" for "BM").
namespace CardGraphics {

// The picture of a card graphics file, read without changing the file: the signature
// is put right in memory. Nothing when the file is missing or cannot be decoded.
std::optional<Surface> ReadCardGraphicsFile(std::string_view path);

// The bitmap resource of that name built into the program.
std::optional<Surface> ReadBuiltInStrip(std::string_view name);

// A set file's companion: the file name less its last four characters, then the
// number and ".kdf"; found ignoring the case of its names.
std::string CompanionFile(std::string_view setFile, int number);

// A joker file's pictures: its name with the last three characters replaced by "kdf".
std::string JokerFile(std::string_view jokerFile);

}  // namespace CardGraphics
