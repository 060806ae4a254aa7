#include "render/text_font.h"

#include <algorithm>
#include <cstdlib>

#include "platform/fonts.h"

QFont TableFont(std::string_view face, int pixelHeight, QFont::Weight weight) {
    QFont font(APIs::FontFamilyFor(face));
    font.setPixelSize(std::max(1, std::abs(pixelHeight)));
    font.setWeight(weight);
    return font;
}

QString FromGameText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
