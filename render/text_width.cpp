#include "render/text_width.h"

#include <QFontMetricsF>
#include <cmath>
#include <map>
#include <string>

#include "platform/screen.h"
#include "platform/text.h"
#include "render/text_font.h"

namespace Misc {
namespace {

struct MeasuringFont {
    std::string face;
    int32_t size = 8;
};

// Each window keeps the font it was last given, as a form's font does.
MeasuringFont& FontOf(std::string_view formName) {
    static std::map<std::string, MeasuringFont> fonts;
    const auto [entry, added] = fonts.try_emplace(ToUpper(formName));
    if (added) entry->second.face = QFont().family().toStdString();
    return entry->second;
}

constexpr qsizetype kMeasuredPiece = 250;

}  // namespace

int32_t TextWidth(std::string_view text, std::string_view formName, std::string_view face,
                  int32_t size) {
    MeasuringFont& measuring = FontOf(formName);
    if (!face.empty()) measuring.face = std::string(face);
    if (size > 0) measuring.size = size;

    const ScreenMetrics screen = APIs::CurrentScreen();
    const int pixelHeight =
        static_cast<int>(std::nearbyint(measuring.size * 20.0 / screen.TwipsPerPixelY()));
    const QFontMetricsF metrics(TableFont(measuring.face, pixelHeight, QFont::Normal));

    // Long texts are measured in two pieces: the first 250 characters and the rest.
    const QString whole = FromGameText(text);
    double pixels = metrics.horizontalAdvance(whole.left(kMeasuredPiece));
    if (whole.size() > kMeasuredPiece)
        pixels += metrics.horizontalAdvance(whole.mid(kMeasuredPiece));
    return static_cast<int32_t>(std::nearbyint(pixels * screen.TwipsPerPixelX()));
}

}  // namespace Misc
