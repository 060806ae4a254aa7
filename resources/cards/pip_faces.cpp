#include <QPainter>
#include <cmath>
#include <vector>

#include "art_kit.h"
#include "faces.h"

namespace CardArt {
namespace {

struct Spot {
    double x, y;  // fractions of the card
};

std::vector<Spot> PipLayout(int count) {
    // The small cards keep their pips clear of the corner marks.
    const bool small = count <= 6;
    const double l = small ? 0.33 : 0.31, c = 0.5, r = small ? 0.67 : 0.69;
    const double t = small ? 0.23 : 0.2, b = small ? 0.77 : 0.8, m = 0.5;
    const double r1 = t + (b - t) / 3, r2 = t + 2 * (b - t) / 3;
    switch (count) {
        case 2:
            return {{c, t}, {c, b}};
        case 3:
            return {{c, t}, {c, m}, {c, b}};
        case 4:
            return {{l, t}, {r, t}, {l, b}, {r, b}};
        case 5:
            return {{l, t}, {r, t}, {c, m}, {l, b}, {r, b}};
        case 6:
            return {{l, t}, {r, t}, {l, m}, {r, m}, {l, b}, {r, b}};
        case 9:
            return {{l, t}, {r, t}, {c, (t + r1) / 2}, {l, r1}, {r, r1}, {l, r2}, {r, r2},
                    {l, b}, {r, b}};
        case 10:
            return {{l, t},  {r, t},  {c, (t + r1) / 2}, {l, r1}, {r, r1},
                    {l, r2}, {r, r2}, {c, (r2 + b) / 2}, {l, b},  {r, b}};
        default:
            return {{c, m}};
    }
}

const char* kRankText[] = {"9", "10", "J", "Q", "K", "A"};

QColor Tint(const QColor& c, double keep) {
    return QColor::fromRgbF(1 - (1 - c.redF()) * keep, 1 - (1 - c.greenF()) * keep,
                            1 - (1 - c.blueF()) * keep);
}

void DrawAce(QPainter& p, int w, int h, int suit) {
    const QPointF centre(w / 2.0, h / 2.0);
    const double half = w * (suit == kSpades ? 0.27 : 0.23);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, std::max(1.0, w * 0.014)));
    p.drawEllipse(centre, w * 0.34, w * 0.42);
    p.setPen(QPen(Tint(SuitColor(suit), 0.35), std::max(1.0, w * 0.007)));
    p.drawEllipse(centre, w * 0.3, w * 0.38);
    p.restore();
    const QColor halo = Tint(SuitColor(suit), 0.18);
    DrawPip(p, suit, centre, half * 1.22, false, &halo);
    DrawPip(p, suit, centre, half);
    // A small flourish of the suit above and below the ring.
    DrawPip(p, suit, QPointF(w / 2.0, h / 2.0 - w * 0.42 - w * 0.05), w * 0.035);
    DrawPip(p, suit, QPointF(w / 2.0, h / 2.0 + w * 0.42 + w * 0.05), w * 0.035, true);
}

}  // namespace

void DrawCardBase(QPainter& p, int w, int h) {
    const double edge = std::max(1.0, w * 0.0105);
    const double radius = std::max(4.0, std::round(w * 0.075));
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(edge, edge, w - 2 * edge, h - 2 * edge), radius - edge, radius - edge);
}

void DrawCorners(QPainter& p, int w, int h, const QString& rank, int suit, const QColor& color) {
    const double textHeight = h * 0.105;
    const double textWidth = GlyphsWidth(rank, textHeight);
    const double centreX = w * 0.105;
    const double top = h * 0.045;
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) p.translate(w, h), p.rotate(180);
        DrawGlyphs(p, rank, centreX - textWidth / 2, top, textHeight, color);
        if (suit >= 0) DrawPip(p, suit, QPointF(centreX, top + textHeight + w * 0.085), w * 0.06);
        p.restore();
    }
}

QImage PipCardPicture(int count, int suit, int w, int h) {
    QImage art = NewCanvas(w, h, kEdge);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    DrawCardBase(p, w, h);
    DrawCorners(p, w, h, QString::number(count), suit, SuitColor(suit));
    const double half = w * (count >= 9 ? 0.087 : 0.1);
    for (const Spot& s : PipLayout(count))
        DrawPip(p, suit, QPointF(s.x * w, s.y * h), half, s.y > 0.51);
    p.end();
    return FinishCard(art, w, h);
}

QImage FacePicture(int face, int w, int h) {
    QImage art = NewCanvas(w, h, kEdge);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    DrawCardBase(p, w, h);
    if (face == 25) {
        DrawJoker(p, w, h);
    } else {
        const int rank = (face - 1) / 4, suit = (face - 1) % 4;
        DrawCorners(p, w, h, kRankText[rank], suit, SuitColor(suit));
        if (rank <= 1) {
            const double half = w * 0.087;
            for (const Spot& s : PipLayout(rank == 0 ? 9 : 10))
                DrawPip(p, suit, QPointF(s.x * w, s.y * h), half, s.y > 0.51);
        } else if (rank == 5) {
            DrawAce(p, w, h, suit);
        } else {
            DrawCourt(p, w, h, rank, suit);
        }
    }
    p.end();
    return FinishCard(art, w, h);
}

}  // namespace CardArt
