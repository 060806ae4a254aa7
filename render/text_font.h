#pragma once

#include <QFont>
#include <QString>
#include <string_view>

// A font of the table texts: the family serving the face, a height in pixels
// (the em size) and a weight.
QFont TableFont(std::string_view face, int pixelHeight, QFont::Weight weight);

// Text as the game's strings hold it (UTF-8).
QString FromGameText(std::string_view text);
