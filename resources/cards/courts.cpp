#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "art_kit.h"
#include "faces.h"

namespace CardArt {
namespace {

constexpr int kJack = 2, kQueen = 3, kKing = 4;

const QColor kCream{250, 243, 222};
const QColor kPurple{96, 44, 140};
const QColor kHair{196, 146, 58};
const QColor kDarkHair{92, 60, 36};
const QColor kBeard{128, 92, 60};
const QColor kSilver{186, 192, 204};
const QColor kLeaf{30, 112, 54};

struct Panel {
    double x, y, w, h;
    QPointF At(double fx, double fy) const { return {x + fx * w, y + fy * h}; }
    double W(double f) const { return f * w; }
    double H(double f) const { return f * h; }
};

Panel CourtPanel(int w, int h) {
    return {w * 0.2, h * 0.075, w * 0.6, h * 0.85};
}

// The upper half of a double-ended court: above a slanted line through the middle.
QPainterPath UpperHalf(const Panel& pn) {
    QPainterPath clip;
    clip.addPolygon(QPolygonF({pn.At(0, 0), pn.At(1, 0), pn.At(1, 0.44), pn.At(0, 0.56)}));
    clip.closeSubpath();
    return clip;
}

QPen Ink(int w) {
    return QPen(kBlack, std::max(0.8, w * 0.009), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath Poly(std::initializer_list<QPointF> pts) {
    QPainterPath path;
    path.addPolygon(QPolygonF(pts));
    path.closeSubpath();
    return path;
}

void DrawArm(QPainter& p, const Panel& pn, int w, QPointF shoulder, QPointF hand,
             const QColor& sleeve) {
    QPainterPath arm;
    arm.moveTo(pn.At(shoulder.x(), shoulder.y()));
    arm.quadTo(pn.At(shoulder.x(), (shoulder.y() + hand.y()) / 2 + 0.04),
               pn.At(hand.x(), hand.y()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlack, pn.W(0.13), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arm);
    p.setPen(QPen(sleeve, pn.W(0.13) - 2 * std::max(0.8, w * 0.009), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(arm);
    p.setPen(Ink(w));
    p.setBrush(kSkin);
    p.drawEllipse(pn.At(hand.x(), hand.y()), pn.W(0.05), pn.W(0.045));
}

// The robe with both arms: one reaching to the hand that holds the figure's emblem.
void DrawRobe(QPainter& p, const Panel& pn, int w, const QColor& main, const QColor& second,
              QPointF hand) {
    p.setPen(Ink(w));
    p.setBrush(main);
    QPainterPath body;
    body.moveTo(pn.At(0.5, 0.29));
    body.cubicTo(pn.At(0.3, 0.29), pn.At(0.14, 0.31), pn.At(0.12, 0.4));
    body.lineTo(pn.At(0.1, 0.66));
    body.lineTo(pn.At(0.9, 0.66));
    body.lineTo(pn.At(0.88, 0.4));
    body.cubicTo(pn.At(0.86, 0.31), pn.At(0.7, 0.29), pn.At(0.5, 0.29));
    p.drawPath(body);
    // The golden front with a zigzag.
    p.setBrush(kGold);
    p.drawPath(Poly({pn.At(0.41, 0.3), pn.At(0.59, 0.3), pn.At(0.63, 0.66), pn.At(0.37, 0.66)}));
    QPainterPath zig;
    zig.moveTo(pn.At(0.5, 0.32));
    for (int i = 1; i <= 8; ++i) zig.lineTo(pn.At(i % 2 ? 0.44 : 0.56, 0.32 + i * 0.04));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(second.darker(130), std::max(1.0, w * 0.012)));
    p.drawPath(zig);
    // Collar.
    p.setPen(Ink(w));
    p.setBrush(kPaper);
    p.drawPath(Poly({pn.At(0.3, 0.29), pn.At(0.7, 0.29), pn.At(0.62, 0.345), pn.At(0.5, 0.32),
                     pn.At(0.38, 0.345)}));
    const bool left = hand.x() < 0.5;
    DrawArm(p, pn, w, QPointF(left ? 0.2 : 0.8, 0.36), hand, second);
    DrawArm(p, pn, w, QPointF(left ? 0.8 : 0.2, 0.36), QPointF(left ? 0.6 : 0.4, 0.56), second);
}

void DrawHead(QPainter& p, const Panel& pn, int w, QPointF c, double r) {
    p.setPen(Ink(w));
    p.setBrush(kSkin);
    p.drawEllipse(c, r * 0.86, r);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    const double eye = std::max(0.7, r * 0.1);
    p.drawEllipse(QPointF(c.x() - r * 0.33, c.y() - r * 0.05), eye, eye);
    p.drawEllipse(QPointF(c.x() + r * 0.33, c.y() - r * 0.05), eye, eye);
    p.setPen(QPen(kCrimson.darker(120), std::max(0.8, w * 0.01), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - r * 0.22, c.y() + r * 0.5),
               QPointF(c.x() + r * 0.22, c.y() + r * 0.5));
    p.setPen(QPen(kBeard, std::max(0.6, w * 0.006)));
    p.drawLine(QPointF(c.x(), c.y() + r * 0.02), QPointF(c.x() - r * 0.08, c.y() + r * 0.28));
    (void)pn;
}

void DrawKing(QPainter& p, const Panel& pn, int w, const QColor& main, const QColor& second) {
    const QPointF head = pn.At(0.5, 0.19);
    const double r = pn.W(0.15);
    DrawRobe(p, pn, w, main, second, QPointF(0.165, 0.45));
    // Ermine trim.
    p.setPen(Ink(w));
    p.setBrush(kPaper);
    p.drawRect(QRectF(pn.At(0.115, 0.455), pn.At(0.885, 0.49)));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlack);
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(pn.At(0.17 + i * 0.132, 0.472), pn.W(0.012), pn.W(0.012) * 1.6);
    // Sword held upright at his side.
    p.setPen(Ink(w));
    p.setBrush(kSilver);
    p.drawPath(Poly({pn.At(0.13, 0.06), pn.At(0.165, 0.02), pn.At(0.2, 0.06), pn.At(0.2, 0.44),
                     pn.At(0.13, 0.44)}));
    p.setBrush(kGold);
    p.drawRect(QRectF(pn.At(0.06, 0.44), pn.At(0.27, 0.47)));
    // Beard under the face.
    DrawHead(p, pn, w, head, r);
    p.setPen(Ink(w));
    p.setBrush(kBeard);
    QPainterPath beard;
    beard.moveTo(head.x() - r * 0.85, head.y() + r * 0.05);
    beard.cubicTo(head.x() - r * 0.8, head.y() + r * 1.7, head.x() + r * 0.8, head.y() + r * 1.7,
                  head.x() + r * 0.85, head.y() + r * 0.05);
    beard.cubicTo(head.x() + r * 0.5, head.y() + r * 0.7, head.x() - r * 0.5, head.y() + r * 0.7,
                  head.x() - r * 0.85, head.y() + r * 0.05);
    p.drawPath(beard);
    p.setBrush(kSkin);
    p.setPen(QPen(kCrimson.darker(130), std::max(0.8, w * 0.01)));
    p.drawLine(QPointF(head.x() - r * 0.2, head.y() + r * 0.55),
               QPointF(head.x() + r * 0.2, head.y() + r * 0.55));
    // Crown with five points and jewels.
    p.setPen(Ink(w));
    p.setBrush(kGold);
    const double top = head.y() - r * 0.78, base = head.y() - r * 0.42;
    QPainterPath crown;
    crown.moveTo(head.x() - r * 0.95, base);
    for (int i = 0; i <= 4; ++i) {
        const double x = head.x() - r * 0.95 + i * r * 0.475;
        crown.lineTo(x, top - r * 0.55);
        if (i < 4) crown.lineTo(x + r * 0.2375, top);
    }
    crown.lineTo(head.x() + r * 0.95, base);
    crown.closeSubpath();
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    for (int i = 0; i <= 4; ++i) {
        p.setBrush(i % 2 ? kRoyalBlue : kCrimson);
        p.drawEllipse(QPointF(head.x() - r * 0.95 + i * r * 0.475, top - r * 0.55), r * 0.11,
                      r * 0.11);
    }
    p.setBrush(kCrimson);
    p.drawEllipse(QPointF(head.x(), (top + base) / 2), r * 0.13, r * 0.1);
}

void DrawQueen(QPainter& p, const Panel& pn, int w, const QColor& main, const QColor& second) {
    const QPointF head = pn.At(0.52, 0.19);
    const double r = pn.W(0.14);
    // Hair falls behind the shoulders.
    p.setPen(Ink(w));
    p.setBrush(kHair);
    p.drawEllipse(QPointF(head.x(), head.y() + r * 0.35), r * 1.28, r * 1.45);
    DrawRobe(p, pn, w, main, second, QPointF(0.18, 0.43));
    // Necklace.
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(pn.At(0.34 + i * 0.053, 0.37 + 0.012 * std::sin(i * M_PI / 6)), pn.W(0.018),
                      pn.W(0.018));
    DrawHead(p, pn, w, head, r);
    // A fringe of curls over the brow.
    p.setPen(Ink(w));
    p.setBrush(kHair);
    QPainterPath fringe;
    fringe.moveTo(head.x() - r * 0.88, head.y() - r * 0.05);
    fringe.cubicTo(head.x() - r * 0.9, head.y() - r * 1.2, head.x() + r * 0.9, head.y() - r * 1.2,
                   head.x() + r * 0.88, head.y() - r * 0.05);
    fringe.cubicTo(head.x() + r * 0.5, head.y() - r * 0.6, head.x() - r * 0.5, head.y() - r * 0.6,
                   head.x() - r * 0.88, head.y() - r * 0.05);
    p.drawPath(fringe);
    // Tiara: a band with three pearls.
    p.setBrush(kGold);
    p.drawPath(Poly({QPointF(head.x() - r * 0.75, head.y() - r * 0.7),
                     QPointF(head.x(), head.y() - r * 1.32),
                     QPointF(head.x() + r * 0.75, head.y() - r * 0.7),
                     QPointF(head.x(), head.y() - r * 0.92)}));
    p.setBrush(kPaper);
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(QPointF(head.x() + i * r * 0.42, head.y() - r * (i == 0 ? 1.42 : 1.08)),
                      r * 0.13, r * 0.13);
    // A rose held up in one hand.
    const QPointF rose = pn.At(0.16, 0.2);
    p.setPen(QPen(kLeaf, std::max(1.0, w * 0.012)));
    p.drawLine(rose, pn.At(0.18, 0.44));
    p.setPen(Ink(w));
    p.setBrush(kLeaf);
    p.drawEllipse(pn.At(0.22, 0.3), pn.W(0.05), pn.W(0.025));
    p.setBrush(kCrimson);
    p.drawEllipse(rose, pn.W(0.075), pn.W(0.075));
    p.setBrush(kCrimson.lighter(130));
    p.drawEllipse(rose, pn.W(0.035), pn.W(0.035));
    p.setBrush(kSkin);
    p.drawEllipse(pn.At(0.18, 0.43), pn.W(0.05), pn.W(0.04));
}

void DrawJackFigure(QPainter& p, const Panel& pn, int w, const QColor& main, const QColor& second) {
    const QPointF head = pn.At(0.5, 0.2);
    const double r = pn.W(0.14);
    p.setPen(Ink(w));
    p.setBrush(kDarkHair);
    p.drawEllipse(QPointF(head.x(), head.y() + r * 0.1), r * 1.05, r * 1.05);
    DrawRobe(p, pn, w, second, main, QPointF(0.867, 0.42));
    // A halberd held at his side.
    p.setPen(Ink(w));
    p.setBrush(kBeard);
    p.drawRect(QRectF(pn.At(0.85, 0.05), pn.At(0.885, 0.6)));
    p.setBrush(kSilver);
    QPainterPath axe;
    axe.moveTo(pn.At(0.885, 0.08));
    axe.cubicTo(pn.At(1.0, 0.1), pn.At(1.0, 0.2), pn.At(0.885, 0.24));
    axe.closeSubpath();
    p.drawPath(axe);
    p.drawPath(Poly({pn.At(0.85, 0.06), pn.At(0.8675, 0.0), pn.At(0.885, 0.06)}));
    DrawHead(p, pn, w, head, r);
    // A cap with a turned brim and a feather.
    p.setPen(Ink(w));
    p.setBrush(main);
    QPainterPath cap;
    cap.moveTo(head.x() - r * 1.0, head.y() - r * 0.45);
    cap.cubicTo(head.x() - r * 1.1, head.y() - r * 1.6, head.x() + r * 1.3, head.y() - r * 1.5,
                head.x() + r * 1.05, head.y() - r * 0.45);
    cap.closeSubpath();
    p.drawPath(cap);
    p.setBrush(kGold);
    p.drawRect(QRectF(QPointF(head.x() - r * 1.02, head.y() - r * 0.62),
                      QPointF(head.x() + r * 1.05, head.y() - r * 0.4)));
    p.setBrush(second);
    QPainterPath feather;
    feather.moveTo(head.x() + r * 0.6, head.y() - r * 0.6);
    feather.cubicTo(head.x() + r * 1.2, head.y() - r * 2.2, head.x() - r * 0.6, head.y() - r * 2.3,
                    head.x() - r * 1.25, head.y() - r * 1.7);
    feather.cubicTo(head.x() - r * 0.4, head.y() - r * 1.6, head.x() + r * 0.3, head.y() - r * 1.2,
                    head.x() + r * 0.6, head.y() - r * 0.6);
    p.drawPath(feather);
}

void DrawPanelFrame(QPainter& p, const Panel& pn, int w, const QColor& line) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, std::max(1.0, w * 0.012)));
    p.drawRect(QRectF(pn.x, pn.y, pn.w, pn.h));
    p.setPen(QPen(kGold, std::max(0.7, w * 0.007)));
    const double in = std::max(1.5, w * 0.018);
    p.drawRect(QRectF(pn.x + in, pn.y + in, pn.w - 2 * in, pn.h - 2 * in));
}

template <typename Figure>
void DrawDoubleEnded(QPainter& p, int w, int h, const QColor& frame, Figure figure) {
    const Panel pn = CourtPanel(w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(kCream);
    p.drawRect(QRectF(pn.x, pn.y, pn.w, pn.h));
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) p.translate(w, h), p.rotate(180);
        p.setClipPath(UpperHalf(pn));
        figure(pn);
        p.restore();
    }
    p.setPen(QPen(frame, std::max(1.0, w * 0.012)));
    p.drawLine(pn.At(0, 0.56), pn.At(1, 0.44));
    DrawPanelFrame(p, pn, w, frame);
}

}  // namespace

void DrawCourt(QPainter& p, int w, int h, int rank, int suit) {
    const QColor main = IsRed(suit) ? kCrimson : kRoyalBlue;
    const QColor second = IsRed(suit) ? kRoyalBlue : kCrimson;
    DrawDoubleEnded(p, w, h, SuitColor(suit), [&](const Panel& pn) {
        if (rank == kKing) DrawKing(p, pn, w, main, second);
        if (rank == kQueen) DrawQueen(p, pn, w, main, second);
        if (rank == kJack) DrawJackFigure(p, pn, w, main, second);
        DrawPip(p, suit, pn.At(rank == kJack ? 0.16 : 0.84, 0.1), w * 0.055);
    });
}

void DrawJoker(QPainter& p, int w, int h) {
    DrawCorners(p, w, h, "*", -1, kRed);
    DrawDoubleEnded(p, w, h, kPurple, [&](const Panel& pn) {
        const QPointF head = pn.At(0.5, 0.25);
        const double r = pn.W(0.16);
        // A harlequin tunic of crimson, purple and gold lozenges.
        QPainterPath body;
        body.moveTo(pn.At(0.5, 0.36));
        body.cubicTo(pn.At(0.25, 0.36), pn.At(0.14, 0.38), pn.At(0.12, 0.46));
        body.lineTo(pn.At(0.1, 0.66));
        body.lineTo(pn.At(0.9, 0.66));
        body.lineTo(pn.At(0.88, 0.46));
        body.cubicTo(pn.At(0.86, 0.38), pn.At(0.75, 0.36), pn.At(0.5, 0.36));
        p.save();
        p.setClipPath(body, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        const QColor colours[] = {kCrimson, kGold, kPurple};
        for (int row = 0; row < 8; ++row)
            for (int col = -1; col < 6; ++col) {
                const double cx = 0.1 + col * 0.2 + (row % 2 ? 0.1 : 0), cy = 0.36 + row * 0.05;
                p.setBrush(colours[(row + col * 2 + 9) % 3]);
                p.drawPath(Poly({pn.At(cx, cy - 0.05), pn.At(cx + 0.1, cy), pn.At(cx, cy + 0.05),
                                 pn.At(cx - 0.1, cy)}));
            }
        p.restore();
        p.setPen(Ink(w));
        p.setBrush(Qt::NoBrush);
        p.drawPath(body);
        // A ruff of points under the chin.
        QPainterPath ruff;
        ruff.moveTo(pn.At(0.26, 0.37));
        for (int i = 1; i <= 8; ++i) ruff.lineTo(pn.At(0.26 + i * 0.06, i % 2 ? 0.43 : 0.37));
        ruff.lineTo(pn.At(0.5, 0.34));
        ruff.closeSubpath();
        p.setBrush(kPaper);
        p.drawPath(ruff);
        DrawHead(p, pn, w, head, r);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kCrimson.darker(120), std::max(0.9, w * 0.011), Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(head.x() - r * 0.5, head.y() + r * 0.0, r * 1.0, r * 0.65), 200 * 16,
                  140 * 16);
        // A cap of three floppy points, each with a bell.
        p.setPen(Ink(w));
        const QPointF tips[] = {pn.At(0.07, 0.2), pn.At(0.5, 0.015), pn.At(0.93, 0.2)};
        const double base = head.y() - r * 0.62;
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i == 1 ? kCrimson : kPurple);
            const double from = head.x() - r * 0.95 + i * r * 0.55;
            const double to = from + r * 0.8;
            QPainterPath lobe;
            lobe.moveTo(from, base);
            lobe.cubicTo(QPointF(from - (i == 0 ? r * 0.4 : 0), base - r * 0.9),
                         tips[i] + QPointF(i == 2 ? -pn.W(0.1) : pn.W(0.05), -pn.H(0.02)), tips[i]);
            lobe.cubicTo(tips[i] + QPointF(i == 0 ? pn.W(0.12) : -pn.W(0.02), pn.H(0.03)),
                         QPointF(to + (i == 2 ? r * 0.4 : 0), base - r * 0.5), QPointF(to, base));
            lobe.closeSubpath();
            p.drawPath(lobe);
        }
        p.setBrush(kGold);
        p.drawRect(QRectF(QPointF(head.x() - r * 1.0, head.y() - r * 0.8),
                          QPointF(head.x() + r * 1.0, head.y() - r * 0.5)));
        for (const QPointF& t : tips) p.drawEllipse(t, r * 0.22, r * 0.22);
    });
}

}  // namespace CardArt
