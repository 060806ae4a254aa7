#include "render/gdi/shapes.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace Gdi {
namespace {

QPen PenOf(int32_t color, int penWidth) {
    QPen pen{QColor(ToQRgb(color))};
    if (penWidth > 1) {
        pen.setWidth(penWidth);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setWidth(0);
    }
    return pen;
}

// Qt counts angles in sixteenths of a degree, counter-clockwise from 3 o'clock.
int Sixteenths(double radians) {
    return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

}  // namespace

void FillBox(Surface& dest, int x1, int y1, int x2, int y2, int32_t color) {
    if (dest.IsNull()) return;
    const int left = std::max(0, std::min(x1, x2)),
              right = std::min(dest.Width() - 1, std::max(x1, x2));
    const int top = std::max(0, std::min(y1, y2)),
              bottom = std::min(dest.Height() - 1, std::max(y1, y2));
    const QRgb rgb = ToQRgb(color);
    for (int row = top; row <= bottom; ++row) {
        auto* line = reinterpret_cast<QRgb*>(dest.Image().scanLine(row));
        std::fill(line + left, line + right + 1, rgb);
    }
}

void DrawLine(Surface& dest, int x1, int y1, int x2, int y2, int32_t color, int penWidth) {
    if (dest.IsNull()) return;
    QPainter painter(&dest.Image());
    painter.setPen(PenOf(color, penWidth));
    painter.drawLine(x1, y1, x2, y2);
}

void Circle(Surface& dest, double x, double y, double radius, int32_t color, const Arc& arc,
            int penWidth) {
    if (dest.IsNull() || radius < 0) return;
    const double aspect = arc.aspect > 0 ? arc.aspect : 1.0;
    const double rx = aspect > 1.0 ? radius / aspect : radius;
    const double ry = aspect > 1.0 ? radius : radius * aspect;
    const QRectF box(x - rx, y - ry, 2 * rx, 2 * ry);

    QPainter painter(&dest.Image());
    painter.setPen(PenOf(color, penWidth));
    if (!arc.start && !arc.end) {
        if (penWidth > 1 && penWidth / 2.0 >= std::min(rx, ry)) {
            // The pen covers the hole: a solid disc, as the wide pen paints it.
            const double grow = penWidth / 2.0;
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(ToQRgb(color)));
            painter.drawEllipse(QPointF(x, y), rx + grow, ry + grow);
        } else {
            painter.drawEllipse(box);
        }
        return;
    }
    const double start = std::abs(arc.start.value_or(0.0));
    const double end = std::abs(arc.end.value_or(2 * std::numbers::pi));
    double span = end - start;
    if (span <= 0) span += 2 * std::numbers::pi;
    painter.drawArc(box, Sixteenths(start), Sixteenths(span));
    const auto radiusTo = [&](double angle) {
        painter.drawLine(QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))),
                         QPoint(static_cast<int>(std::lround(x + rx * std::cos(angle))),
                                static_cast<int>(std::lround(y - ry * std::sin(angle)))));
    };
    if (arc.start.value_or(0.0) < 0) radiusTo(start);
    if (arc.end.value_or(0.0) < 0) radiusTo(end);
}

}  // namespace Gdi
