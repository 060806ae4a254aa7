#include "render/text_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "platform/colors.h"
#include "platform/screen.h"
#include "platform/settings/player_settings.h"
#include "render/gdi/surface.h"
#include "render/screen_scale.h"
#include "render/text_font.h"

namespace APIs {
namespace {

int32_t Rounded(double value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

// Line breaks of any kind as Qt's measuring understands them.
QString WithNewlines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

TextRect PlaceRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t align, int32_t angle) {
    if (angle == 90) {
        // The text starts at the rectangle's top edge and runs up from it.
        switch (align) {
            case kAlignLeft:
                return {x - h, y, x, y + w};
            case kAlignRight:
                return {x - h, y + w, x, y + 2 * w};
            case kAlignCentre:
                return {x - h, y + Rounded(w / 2.0), x, y + w + Rounded(w / 2.0)};
        }
        return {x - h, y, x, y};
    }
    switch (align) {
        case kAlignLeft:
            return {x, y, x + w, y + h};
        case kAlignRight:
            return {x - w, y, x, y + h};
        case kAlignCentre:
            return {x - Rounded(w / 2.0), y, x + Rounded(w / 2.0), y + h};
    }
    return {x, y, x, y + h};
}

}  // namespace

int32_t ResolveTextColor(int32_t color) {
    if (color < 0) return color < -9 ? 0 : Misc::PaletteColor(-color);
    if (color == 0) return settings.Text;
    return color;
}

void DrawTextFont(Surface& dc, std::string_view text, int32_t x, int32_t y, int32_t size,
                  int32_t align, std::string_view face, int32_t angle, int32_t color) {
    const ScreenMetrics screen = CurrentScreen();
    const int pixelHeight = Rounded(size * 20.0 / screen.TwipsPerPixelY());
    const QFont font =
        TableFont(face, pixelHeight, size > scale.FontSize6 ? QFont::Bold : QFont::Medium);
    const QString line = FromGameText(text);

    const QSize extent = QFontMetrics(font).size(Qt::TextExpandTabs, WithNewlines(line));
    const TextRect rect = PlaceRect(x, y, extent.width(), extent.height(), align, angle);

    if (!dc.IsNull() && !line.isEmpty()) {
        QPainter painter(&dc.Image());
        painter.setFont(font);
        painter.setPen(ToQRgb(ResolveTextColor(color)));
        painter.translate(rect.left, rect.top);
        painter.rotate(-angle);
        painter.drawText(QRectF(0, 0, extent.width(), extent.height()),
                         Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextDontClip, line);
    }

    drawnText.PrevTextRect = drawnText.LastTextRect;
    drawnText.LastTextRect = rect;
}

}  // namespace APIs
