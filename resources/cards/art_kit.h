#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>

// Shared shapes and colours of the built-in card pictures.
namespace CardArt {

enum Suit { kHearts = 0, kDiamonds = 1, kClubs = 2, kSpades = 3 };

inline bool IsRed(int suit) {
    return suit == kHearts || suit == kDiamonds;
}

inline const QColor kRed{196, 22, 34};
inline const QColor kBlack{24, 24, 30};
inline const QColor kPaper{253, 252, 247};
inline const QColor kEdge{92, 92, 100};
inline const QColor kGold{226, 176, 48};
inline const QColor kRoyalBlue{34, 64, 156};
inline const QColor kCrimson{178, 28, 44};
inline const QColor kSkin{246, 212, 176};

inline QColor SuitColor(int suit) {
    return IsRed(suit) ? kRed : kBlack;
}

// A suit symbol filling the box from (-1, -1) to (1, 1), point of a heart downwards,
// placed by the transform and made one outline.
QPainterPath SuitPath(int suit, const QTransform& place);
// The suit symbol centred at c, half as wide as the given size, upright or turned.
void DrawPip(QPainter& p, int suit, QPointF c, double halfSize, bool upsideDown = false,
             const QColor* color = nullptr);

// Stroke letters and digits in a 10 x 14 box; text is any of "2345690JQKAHLOER*".
QPainterPath GlyphPath(char glyph);
// Draws the text so that it is height pixels high, left edge at x, top at y; returns the
// width used. "10" is kept narrow.
double DrawGlyphs(QPainter& p, const QString& text, double x, double y, double height,
                  const QColor& color, double strokeRatio = 0.16);
double GlyphsWidth(const QString& text, double height);

// The outline every picture of a set shares, and whether a pixel lies inside it.
QPainterPath CardOutline(int width, int height);
bool InsideOutline(int x, int y, int width, int height);

// Turns drawn art into a finished picture: pure green outside the outline, never pure
// green inside it.
QImage FinishCard(const QImage& art, int width, int height);
// For symbols on a see-through ground: opaque where the art is more than half covered.
QImage FinishSymbol(const QImage& art);

// A canvas for one picture, filled with the edge colour, with smoothing on.
QImage NewCanvas(int width, int height, const QColor& fill);

}  // namespace CardArt
