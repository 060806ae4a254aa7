#include "art_kit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace CardArt {
namespace {

constexpr QRgb kGreen = 0xFF00FF00;

QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(0, 0.98);
    p.cubicTo(-0.5, 0.5, -1.0, 0.1, -1.0, -0.36);
    p.cubicTo(-1.0, -0.86, -0.36, -1.08, 0, -0.56);
    p.cubicTo(0.36, -1.08, 1.0, -0.86, 1.0, -0.36);
    p.cubicTo(1.0, 0.1, 0.5, 0.5, 0, 0.98);
    p.closeSubpath();
    return p;
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(0, -1);
    p.quadTo(0.32, -0.38, 0.78, 0);
    p.quadTo(0.32, 0.38, 0, 1);
    p.quadTo(-0.32, 0.38, -0.78, 0);
    p.quadTo(-0.32, -0.38, 0, -1);
    p.closeSubpath();
    return p;
}

QPainterPath Stem() {
    QPainterPath p;
    p.moveTo(-0.07, 0.1);
    p.lineTo(0.07, 0.1);
    p.cubicTo(0.09, 0.55, 0.22, 0.84, 0.46, 1.0);
    p.lineTo(-0.46, 1.0);
    p.cubicTo(-0.22, 0.84, -0.09, 0.55, -0.07, 0.1);
    p.closeSubpath();
    return p;
}

std::vector<QPainterPath> Club() {
    std::vector<QPainterPath> parts(5);
    parts[0].addEllipse(QPointF(0, -0.5), 0.43, 0.43);
    parts[1].addEllipse(QPointF(-0.52, 0.12), 0.43, 0.43);
    parts[2].addEllipse(QPointF(0.52, 0.12), 0.43, 0.43);
    parts[3].addEllipse(QPointF(0, 0.02), 0.24, 0.24);
    parts[4] = Stem();
    return parts;
}

std::vector<QPainterPath> Spade() {
    QPainterPath p;
    p.moveTo(0, -1);
    p.cubicTo(0.32, -0.55, 1.0, -0.28, 1.0, 0.22);
    p.cubicTo(1.0, 0.66, 0.42, 0.78, 0.06, 0.42);
    p.lineTo(-0.06, 0.42);
    p.cubicTo(-0.42, 0.78, -1.0, 0.66, -1.0, 0.22);
    p.cubicTo(-1.0, -0.28, -0.32, -0.55, 0, -1);
    p.closeSubpath();
    return {p, Stem()};
}

}  // namespace

std::vector<QPainterPath> SuitParts(int suit) {
    switch (suit) {
        case kHearts:
            return {Heart()};
        case kDiamonds:
            return {Diamond()};
        case kClubs:
            return Club();
        default:
            return Spade();
    }
}

QPainterPath SuitPath(int suit, const QTransform& place) {
    QPainterPath whole;
    for (const QPainterPath& part : SuitParts(suit)) whole = whole.united(place.map(part));
    return whole;
}

void DrawPip(QPainter& p, int suit, QPointF c, double halfSize, bool upsideDown,
             const QColor* color) {
    p.save();
    p.translate(c);
    p.scale(halfSize, halfSize);
    if (upsideDown) p.rotate(180);
    p.setPen(Qt::NoPen);
    p.setBrush(color ? *color : SuitColor(suit));
    for (const QPainterPath& part : SuitParts(suit)) p.drawPath(part);
    p.restore();
}

QPainterPath GlyphPath(char glyph) {
    QPainterPath p;
    switch (glyph) {
        case 'A':
            p.moveTo(0.5, 14), p.lineTo(5, 0), p.lineTo(9.5, 14);
            p.moveTo(2.2, 9), p.lineTo(7.8, 9);
            break;
        case 'K':
            p.moveTo(1, 0), p.lineTo(1, 14);
            p.moveTo(9.3, 0), p.lineTo(1.2, 8.6);
            p.moveTo(4.1, 5.6), p.lineTo(9.6, 14);
            break;
        case 'Q':
            p.addEllipse(QPointF(5, 6.6), 4.4, 6.6);
            p.moveTo(5.6, 9.8), p.lineTo(10, 14.6);
            break;
        case 'J':
            p.moveTo(4.5, 0), p.lineTo(10, 0);
            p.moveTo(8, 0), p.lineTo(8, 9.8);
            p.arcTo(QRectF(1.2, 6.2, 6.8, 7.8), 0, -180);
            break;
        case '9':
            p.addEllipse(QPointF(5, 4.6), 4.2, 4.6);
            p.moveTo(9.2, 4.6), p.cubicTo(9.4, 11, 6.5, 14, 2.2, 13.6);
            break;
        case '6':
            p.moveTo(8.6, 1.2), p.cubicTo(4.6, -1.2, 0.8, 1.8, 0.9, 9.6);
            p.addEllipse(QPointF(5.1, 9.8), 4.2, 4.2);
            break;
        case '0':
        case 'O':
            p.addEllipse(QPointF(5, 7), 4.4, 7);
            break;
        case '1':
            p.moveTo(2, 2.8), p.lineTo(5.6, 0), p.lineTo(5.6, 14);
            break;
        case '2':
            p.moveTo(1, 4);
            p.cubicTo(1, -0.8, 9.2, -0.8, 9.2, 4);
            p.cubicTo(9.2, 7.4, 1.2, 10.6, 0.8, 14);
            p.lineTo(9.6, 14);
            break;
        case '3':
            p.moveTo(1, 2);
            p.cubicTo(3, -0.8, 9.4, -0.4, 9, 3.6);
            p.cubicTo(8.7, 6.4, 5.8, 6.9, 4, 6.9);
            p.cubicTo(10.6, 6.8, 10.4, 14, 5, 14);
            p.cubicTo(3, 14, 1.5, 13.3, 0.7, 12);
            break;
        case '4':
            p.moveTo(7.4, 14), p.lineTo(7.4, 0), p.lineTo(0.4, 10), p.lineTo(9.8, 10);
            break;
        case '5':
            p.moveTo(9, 0.4), p.lineTo(2.2, 0.4), p.lineTo(1.6, 6.3);
            p.cubicTo(5, 4.4, 9.9, 5.6, 9.8, 9.6);
            p.cubicTo(9.6, 13.6, 4, 15, 0.7, 12.4);
            break;
        case 'H':
            p.moveTo(1, 0), p.lineTo(1, 14);
            p.moveTo(9, 0), p.lineTo(9, 14);
            p.moveTo(1, 7), p.lineTo(9, 7);
            break;
        case 'L':
            p.moveTo(1.2, 0), p.lineTo(1.2, 14), p.lineTo(9.6, 14);
            break;
        case 'E':
            p.moveTo(9, 0), p.lineTo(1, 0), p.lineTo(1, 14), p.lineTo(9, 14);
            p.moveTo(1, 7), p.lineTo(7, 7);
            break;
        case 'R':
            p.moveTo(1, 14), p.lineTo(1, 0), p.lineTo(5.5, 0);
            p.cubicTo(10.2, 0, 10.2, 7.4, 5.5, 7.4);
            p.lineTo(1, 7.4);
            p.moveTo(5, 7.4), p.lineTo(9.6, 14);
            break;
        case '*':
            for (int i = 0; i < 5; ++i) {
                const double a = -M_PI / 2 + i * 4 * M_PI / 5;
                const QPointF at(5 + 5 * std::cos(a), 7.4 + 5.2 * std::sin(a));
                i == 0 ? p.moveTo(at) : p.lineTo(at);
            }
            p.closeSubpath();
            break;
        default:
            break;
    }
    return p;
}

namespace {
double GlyphAdvance(const QString& text, int i) {
    // "10" sits in the space of one and a half glyphs.
    return text.size() == 2 && text == "10" ? (i == 0 ? 6.4 : 10.6) : 12.4;
}
}  // namespace

double GlyphsWidth(const QString& text, double height) {
    double units = 0;
    for (int i = 0; i < text.size(); ++i) units += GlyphAdvance(text, i);
    return (units - 2.4) * height / 14.0;
}

double DrawGlyphs(QPainter& p, const QString& text, double x, double y, double height,
                  const QColor& color, double strokeRatio) {
    const double unit = height / 14.0;
    const double pen = height * strokeRatio;
    // Keep the stroke inside the box: shrink the glyph by the pen width.
    const double inner = (height - pen) / 14.0;
    p.save();
    QPen stroke(color, pen / inner, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    double cursor = x;
    for (int i = 0; i < text.size(); ++i) {
        const char c = text[i].toLatin1();
        p.save();
        p.translate(cursor + pen / 2, y + pen / 2);
        p.scale(inner, inner);
        if (text == "10") p.scale(i == 0 ? 0.8 : 0.74, 1.0), p.translate(i == 0 ? -1.2 : 0, 0);
        p.setBrush(c == '*' ? QBrush(color) : QBrush(Qt::NoBrush));
        p.setPen(stroke);
        p.drawPath(GlyphPath(c));
        p.restore();
        cursor += GlyphAdvance(text, i) * unit;
    }
    p.restore();
    return GlyphsWidth(text, height);
}

QPainterPath CardOutline(int width, int height) {
    const double radius = std::max(4.0, std::round(width * 0.075));
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width, height), radius, radius);
    return path;
}

QImage NewCanvas(int width, int height, const QColor& fill) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

bool InsideOutline(int x, int y, int width, int height) {
    // Measured from the nearest corner, so the shape is the same turned any way.
    const double radius = std::max(4.0, std::round(width * 0.075));
    const double fx = std::min(x + 0.5, width - (x + 0.5));
    const double fy = std::min(y + 0.5, height - (y + 0.5));
    const double dx = radius - fx, dy = radius - fy;
    return dx <= 0 || dy <= 0 || dx * dx + dy * dy <= radius * radius;
}

QImage FinishCard(const QImage& art, int width, int height) {
    QImage out = art.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (!InsideOutline(x, y, width, height))
                line[x] = kGreen;
            else if (line[x] == kGreen)
                line[x] = qRgb(0, 254, 0);
        }
    }
    return out;
}

QImage FinishSymbol(const QImage& art) {
    QImage src = art.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            QRgb c = qAlpha(in[x]) >= 128 ? (in[x] | 0xFF000000) : kGreen;
            if (qAlpha(in[x]) >= 128 && c == kGreen) c = qRgb(0, 254, 0);
            line[x] = c;
        }
    }
    return out;
}

}  // namespace CardArt
