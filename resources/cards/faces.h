#pragma once

#include <QImage>

// The pictures of the built-in deck, each a finished picture of the given size.
namespace CardArt {

// Face n = rank x 4 + suit + 1 (ranks nine to ace), 25 the joker.
QImage FacePicture(int face, int width, int height);
// A pip card of any count 2-10 (the score-keeping cards use 2-6).
QImage PipCardPicture(int count, int suit, int width, int height);
// Back design 0-9.
QImage BackPicture(int design, int width, int height);
// Icon 0-3 the suit symbols, 4 and 5 the letters H and L.
QImage IconPicture(int icon, int side);

// Shared by the faces and the courts.
void DrawCardBase(QPainter& p, int width, int height);
void DrawCorners(QPainter& p, int width, int height, const QString& rank, int suit,
                 const QColor& color);
void DrawCourt(QPainter& p, int width, int height, int rank, int suit);
void DrawJoker(QPainter& p, int width, int height);

}  // namespace CardArt
