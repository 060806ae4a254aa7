#pragma once

#include <QImage>

// A device context: a picture in memory that the table's drawing writes into and a
// window shows. Colours are Windows colour numbers (red in the low byte).
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, int32_t color = 0);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool IsNull() const { return image_.isNull(); }
    void Resize(int width, int height, int32_t color);

    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    int32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, int32_t color);
    void Fill(int32_t color);

private:
    QImage image_;
};

// Windows colour number to and from Qt's ARGB.
QRgb ToQRgb(int32_t color);
int32_t FromQRgb(QRgb rgb);
