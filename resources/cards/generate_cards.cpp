// Draws the built-in card pictures as the strips the card-image store cuts:
//   generate_cards <output folder> [<contact sheet .png>]
// The output depends on nothing but this code, so every build writes the same bytes.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>
#include <vector>

#include "art_kit.h"
#include "faces.h"
#include "render/cards/card_size_table.h"

namespace {

using CardSizes::KindSize;
using CardSizes::PreviewSize;

// Score-keeping cards in strip order: count and suit.
constexpr int kScoreCards[12][2] = {{4, 2}, {4, 0}, {5, 2}, {5, 1}, {5, 0}, {5, 3},
                                    {6, 2}, {6, 0}, {2, 2}, {2, 0}, {3, 2}, {3, 0}};

struct Strip {
    QString name;
    QImage image;
};

QImage Join(int count, int width, int height, const std::function<QImage(int)>& picture) {
    QImage strip(width * count, height, QImage::Format_RGB32);
    QPainter p(&strip);
    for (int i = 0; i < count; ++i) p.drawImage(i * width, 0, picture(i));
    return strip;
}

std::vector<Strip> AllStrips() {
    std::vector<Strip> strips;
    for (int r = 1; r <= 4; ++r) {
        const auto s = KindSize(CardSizes::kCard, r);
        strips.push_back({QString("FACES%1").arg(r), Join(25, s.width, s.height, [&](int i) {
                              return CardArt::FacePicture(i + 1, s.width, s.height);
                          })});
    }
    for (int c = 0; c < CardSizes::kPreviewClasses; ++c) {
        const auto s = PreviewSize(c);
        strips.push_back({QString("DECK%1").arg(c), Join(10, s.width, s.height, [&](int i) {
                              return CardArt::BackPicture(i, s.width, s.height);
                          })});
    }
    for (int r = 1; r <= 4; ++r) {
        const auto s = KindSize(CardSizes::kScore, r);
        strips.push_back({QString("DECK%1").arg(r + 6), Join(12, s.width, s.height, [&](int i) {
                              return CardArt::PipCardPicture(kScoreCards[i][0], kScoreCards[i][1],
                                                             s.width, s.height);
                          })});
    }
    for (int r = 1; r <= 4; ++r) {
        const int side = KindSize(CardSizes::kIcon, r).width;
        strips.push_back({QString("ICONS%1").arg(r), Join(6, side, side, [&](int i) {
                              return CardArt::IconPicture(i, side);
                          })});
    }
    return strips;
}

// Every strip on a table-coloured ground, one row each, for a person to look at.
QImage ContactSheet(const std::vector<Strip>& strips) {
    int width = 0, height = 8;
    for (const auto& s : strips)
        width = std::max(width, s.image.width() + 16), height += s.image.height() + 8;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(40, 110, 70));
    int y = 8;
    for (const auto& s : strips) {
        QImage shown = s.image.convertToFormat(QImage::Format_ARGB32);
        for (int row = 0; row < shown.height(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(shown.scanLine(row));
            for (int col = 0; col < shown.width(); ++col)
                if ((line[col] & 0xFFFFFF) == 0x00FF00) line[col] = 0;
        }
        QPainter(&sheet).drawImage(8, y, shown);
        y += s.image.height() + 8;
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: generate_cards <output folder> [<contact sheet .png>]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) return 1;
    const auto strips = AllStrips();
    for (const auto& s : strips) {
        if (!s.image.convertToFormat(QImage::Format_RGB888)
                 .save(out.filePath(s.name + ".bmp"), "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(s.name));
            return 1;
        }
    }
    if (argc >= 3 && !ContactSheet(strips).save(QString::fromLocal8Bit(argv[2]), "PNG")) return 1;
    return 0;
}
