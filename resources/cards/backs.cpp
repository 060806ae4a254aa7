#include <QPainter>
#include <cmath>

#include "art_kit.h"
#include "faces.h"

namespace CardArt {
namespace {

struct Theme {
    QColor ground, ink, accent;
};

const Theme kThemes[10] = {
    {{176, 30, 42}, {236, 196, 120}, {250, 240, 220}},  // crimson lattice
    {{28, 62, 150}, {170, 200, 245}, {250, 250, 255}},  // blue lattice
    {{18, 96, 62}, {210, 226, 170}, {240, 210, 110}},   // forest diamonds
    {{92, 40, 132}, {230, 196, 250}, {246, 210, 96}},   // violet sunburst
    {{20, 34, 78}, {226, 178, 52}, {250, 236, 190}},    // navy and gold checks
    {{0, 112, 124}, {176, 236, 232}, {250, 250, 246}},  // teal waves
    {{120, 24, 48}, {246, 214, 220}, {238, 190, 80}},   // maroon dots
    {{212, 96, 22}, {252, 214, 150}, {120, 40, 10}},    // orange stripes
    {{12, 20, 60}, {248, 232, 150}, {150, 170, 240}},   // night stars
    {{110, 18, 30}, {236, 190, 90}, {250, 236, 214}},   // rosette
};

void Lattice(QPainter& p, const QRectF& r, double cell, const Theme& t) {
    p.setPen(QPen(t.ink, std::max(1.0, cell * 0.12)));
    const double span = r.width() + r.height();
    for (double d = -span; d < span; d += cell) {
        p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
        p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(t.accent);
    for (double y = r.top(); y <= r.bottom() + cell; y += cell / 2)
        for (double x =
                 r.left() + (std::fmod(std::round((y - r.top()) / (cell / 2)), 2) ? cell / 2 : 0);
             x <= r.right() + cell; x += cell)
            p.drawEllipse(QPointF(x, y), cell * 0.09, cell * 0.09);
}

void Diamonds(QPainter& p, const QRectF& r, const Theme& t) {
    const QPointF c = r.center();
    const double step = r.width() * 0.075;
    for (int i = 14; i >= 1; --i) {
        const double rx = i * step, ry = rx * r.height() / r.width();
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? t.ground : t.ink);
        p.drawPolygon(QPolygonF(
            {c + QPointF(0, -ry), c + QPointF(rx, 0), c + QPointF(0, ry), c + QPointF(-rx, 0)}));
    }
    p.setBrush(t.accent);
    p.drawEllipse(c, step * 0.7, step * 0.7);
}

void Sunburst(QPainter& p, const QRectF& r, const Theme& t) {
    const QPointF c = r.center();
    const double far = r.width() + r.height();
    p.setPen(Qt::NoPen);
    p.setBrush(t.ink);
    for (int i = 0; i < 24; i += 2) {
        const double a0 = i * M_PI / 12, a1 = (i + 1) * M_PI / 12;
        p.drawPolygon(QPolygonF({c, c + QPointF(far * std::cos(a0), far * std::sin(a0)),
                                 c + QPointF(far * std::cos(a1), far * std::sin(a1))}));
    }
    p.setBrush(t.ground);
    p.drawEllipse(c, r.width() * 0.24, r.width() * 0.24);
    p.setBrush(t.accent);
    p.drawEllipse(c, r.width() * 0.17, r.width() * 0.17);
    p.setBrush(t.ground);
    p.drawEllipse(c, r.width() * 0.07, r.width() * 0.07);
}

void Checks(QPainter& p, const QRectF& r, const Theme& t) {
    const double cell = r.width() / 7.0;
    p.setPen(Qt::NoPen);
    for (int row = 0; row * cell < r.height() + cell; ++row)
        for (int col = 0; col < 8; ++col)
            if ((row + col) % 2) {
                p.setBrush(t.ink);
                p.drawRect(QRectF(r.left() + col * cell, r.top() + row * cell, cell, cell));
                p.setBrush(t.accent);
                p.drawEllipse(QPointF(r.left() + (col + 0.5) * cell, r.top() + (row + 0.5) * cell),
                              cell * 0.14, cell * 0.14);
            }
}

void Waves(QPainter& p, const QRectF& r, const Theme& t) {
    const double gap = r.width() / 8.0;
    p.setBrush(Qt::NoBrush);
    for (int i = -1; i * gap < r.height() + gap; ++i) {
        QPainterPath wave;
        const double y = r.top() + i * gap;
        wave.moveTo(r.left() - gap, y);
        for (double x = r.left() - gap; x < r.right() + gap; x += gap * 2)
            wave.cubicTo(x + gap * 0.5, y - gap * 0.5, x + gap * 0.5, y + gap * 0.5 + gap * 0.001,
                         x + gap, y),
                wave.cubicTo(x + gap * 1.5, y - gap * 0.5, x + gap * 1.5, y + gap * 0.5,
                             x + gap * 2, y);
        p.setPen(QPen(i % 2 ? t.ink : t.accent, std::max(1.0, gap * 0.22)));
        p.drawPath(wave);
    }
}

void Dots(QPainter& p, const QRectF& r, const Theme& t) {
    const double cell = r.width() / 6.0;
    p.setPen(Qt::NoPen);
    for (int row = 0; row * cell * 0.5 < r.height() + cell; ++row)
        for (int col = -1; col < 8; ++col) {
            const QPointF c(r.left() + (col + (row % 2 ? 0.5 : 0)) * cell,
                            r.top() + row * cell * 0.5);
            p.setBrush(t.ink);
            p.drawEllipse(c, cell * 0.24, cell * 0.24);
            p.setBrush(t.accent);
            p.drawEllipse(c, cell * 0.1, cell * 0.1);
        }
}

void Stripes(QPainter& p, const QRectF& r, const Theme& t) {
    const double gap = r.width() / 6.0;
    p.setPen(Qt::NoPen);
    for (double d = -r.height(); d < r.width() + r.height(); d += gap) {
        p.setBrush(t.ink);
        p.drawPolygon(
            QPolygonF({QPointF(r.left() + d, r.top()), QPointF(r.left() + d + gap * 0.45, r.top()),
                       QPointF(r.left() + d + gap * 0.45 + r.height(), r.bottom()),
                       QPointF(r.left() + d + r.height(), r.bottom())}));
        p.setBrush(t.accent);
        p.drawPolygon(QPolygonF({QPointF(r.left() + d + gap * 0.62, r.top()),
                                 QPointF(r.left() + d + gap * 0.72, r.top()),
                                 QPointF(r.left() + d + gap * 0.72 + r.height(), r.bottom()),
                                 QPointF(r.left() + d + gap * 0.62 + r.height(), r.bottom())}));
    }
}

QPainterPath Star(QPointF c, double outer, double inner, int points) {
    QPainterPath s;
    for (int i = 0; i < points * 2; ++i) {
        const double a = -M_PI / 2 + i * M_PI / points;
        const double rad = i % 2 ? inner : outer;
        const QPointF at = c + QPointF(rad * std::cos(a), rad * std::sin(a));
        i == 0 ? s.moveTo(at) : s.lineTo(at);
    }
    s.closeSubpath();
    return s;
}

void Stars(QPainter& p, const QRectF& r, const Theme& t) {
    // A fixed scatter so that every size shows the same sky.
    static const double kSky[][3] = {
        {0.15, 0.1, 1},    {0.55, 0.07, 0.6}, {0.85, 0.18, 0.8}, {0.35, 0.26, 0.5},
        {0.7, 0.36, 1.2},  {0.12, 0.42, 0.7}, {0.45, 0.5, 0.5},  {0.88, 0.55, 0.6},
        {0.25, 0.64, 1.1}, {0.6, 0.7, 0.7},   {0.1, 0.84, 0.6},  {0.82, 0.82, 1},
        {0.45, 0.92, 0.8}, {0.32, 0.05, 0.4}, {0.95, 0.95, 0.4}, {0.5, 0.3, 0.35}};
    p.setPen(Qt::NoPen);
    for (const auto& s : kSky) {
        p.setBrush(s[2] > 0.75 ? t.ink : t.accent);
        const double size = r.width() * 0.075 * s[2];
        p.drawPath(Star(QPointF(r.left() + s[0] * r.width(), r.top() + s[1] * r.height()), size,
                        size * 0.42, 5));
    }
    p.setBrush(t.ink);
    QPainterPath moon;
    moon.addEllipse(r.center(), r.width() * 0.2, r.width() * 0.2);
    QPainterPath bite;
    bite.addEllipse(r.center() + QPointF(r.width() * 0.09, -r.width() * 0.05), r.width() * 0.18,
                    r.width() * 0.18);
    p.drawPath(moon.subtracted(bite));
}

void Rosette(QPainter& p, const QRectF& r, const Theme& t) {
    const QPointF c = r.center();
    for (int ring = 3; ring >= 1; --ring) {
        const double rad = r.width() * 0.14 * ring;
        p.setPen(QPen(t.ground.darker(140), std::max(0.8, r.width() * 0.01)));
        p.setBrush(ring % 2 ? t.ink : t.accent);
        const int petals = 6 + ring * 2;
        for (int i = 0; i < petals; ++i) {
            const double a = 2 * M_PI * i / petals + ring * 0.3;
            p.drawEllipse(c + QPointF(rad * 0.55 * std::cos(a), rad * 0.55 * std::sin(a)),
                          rad * 0.42, rad * 0.42);
        }
    }
    p.setBrush(t.ground);
    p.drawEllipse(c, r.width() * 0.08, r.width() * 0.08);
    // Corner flourishes.
    p.setPen(Qt::NoPen);
    p.setBrush(t.ink);
    for (const QPointF& k : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        p.drawEllipse(k, r.width() * 0.2, r.width() * 0.2);
}

}  // namespace

QImage BackPicture(int design, int w, int h) {
    const Theme& t = kThemes[design];
    QImage art = NewCanvas(w, h, kEdge);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    DrawCardBase(p, w, h);
    const double margin = std::max(3.0, w * 0.07);
    const QRectF inner(margin, margin, w - 2 * margin, h - 2 * margin);
    const double radius = std::max(2.0, w * 0.04);
    QPainterPath field;
    field.addRoundedRect(inner, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(t.ground);
    p.drawPath(field);
    p.save();
    p.setClipPath(field);
    switch (design) {
        case 0:
            Lattice(p, inner, inner.width() / 5.0, t);
            break;
        case 1:
            Lattice(p, inner, inner.width() / 8.0, t);
            break;
        case 2:
            Diamonds(p, inner, t);
            break;
        case 3:
            Sunburst(p, inner, t);
            break;
        case 4:
            Checks(p, inner, t);
            break;
        case 5:
            Waves(p, inner, t);
            break;
        case 6:
            Dots(p, inner, t);
            break;
        case 7:
            Stripes(p, inner, t);
            break;
        case 8:
            Stars(p, inner, t);
            break;
        default:
            Rosette(p, inner, t);
            break;
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(t.ground.darker(150), std::max(1.0, w * 0.012)));
    p.drawPath(field);
    p.setPen(QPen(t.ink, std::max(0.6, w * 0.006)));
    const double in = std::max(1.5, w * 0.025);
    p.drawRoundedRect(inner.adjusted(in, in, -in, -in), radius * 0.7, radius * 0.7);
    p.end();
    return FinishCard(art, w, h);
}

QImage IconPicture(int icon, int side) {
    QImage art(side, side, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(side / 2.0, side / 2.0);
    if (icon < 4) {
        QTransform place;
        place.translate(c.x(), c.y());
        place.scale(side * 0.42, side * 0.42);
        p.setPen(QPen(kPaper, side * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(SuitColor(icon));
        p.drawPath(SuitPath(icon, place));
    } else {
        // The letter filled with a red-and-black check.
        QImage check(side, side, QImage::Format_ARGB32_Premultiplied);
        const int cell = std::max(2, side / 10);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                check.setPixel(x, y, ((x / cell + y / cell) % 2 ? kRed : kBlack).rgb());
        const double height = side * 0.8;
        const QString letter = icon == 4 ? "H" : "L";
        const double left = (side - GlyphsWidth(letter, height)) / 2;
        QImage shape(side, side, QImage::Format_ARGB32_Premultiplied);
        shape.fill(Qt::transparent);
        {
            QPainter s(&shape);
            s.setRenderHint(QPainter::Antialiasing);
            DrawGlyphs(s, letter, left - side * 0.04, side * 0.1 - side * 0.04,
                       height + side * 0.08, kPaper, 0.3);
        }
        p.drawImage(0, 0, shape);
        QImage inside(side, side, QImage::Format_ARGB32_Premultiplied);
        inside.fill(Qt::transparent);
        {
            QPainter s(&inside);
            s.setRenderHint(QPainter::Antialiasing);
            DrawGlyphs(s, letter, left, side * 0.1, height, Qt::black, 0.22);
            s.setCompositionMode(QPainter::CompositionMode_SourceIn);
            s.drawImage(0, 0, check);
        }
        p.drawImage(0, 0, inside);
    }
    p.end();
    return FinishSymbol(art);
}

}  // namespace CardArt
