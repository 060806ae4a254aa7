#pragma once

#include <QString>
#include <string_view>

namespace APIs {

// The game's own font: the face and the file in the data folder.
inline constexpr const char* kOwnFontFace = "Kavlor4";
inline constexpr const char* kOwnFontFile = "Kavlor4.ttf";

// Adds a font file for this run. On failure shows "Error Occured Attempting to Add
// Font Resource." and returns false.
bool AddFont(std::string_view path);
// Removes a font this run added. True only when the file exists and could not be removed.
bool RemoveFont(std::string_view path);
// True when a face "Kavlor4" (any letter case) is among the fonts.
bool IsOwnFontInstalled();

// The family that serves a face name the game asks for: Windows faces map to their
// metric-compatible free fonts, every other name is used as given.
QString FontFamilyFor(std::string_view face);

}  // namespace APIs
