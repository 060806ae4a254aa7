#include "render/gdi/surface.h"

QRgb ToQRgb(int32_t color) {
    return qRgb(color & 255, (color >> 8) & 255, (color >> 16) & 255);
}

int32_t FromQRgb(QRgb rgb) { return qRed(rgb) + 256 * qGreen(rgb) + 65536 * qBlue(rgb); }

Surface::Surface(int width, int height, int32_t color) { Resize(width, height, color); }

void Surface::Resize(int width, int height, int32_t color) {
    image_ = QImage(width, height, QImage::Format_RGB32);
    Fill(color);
}

int32_t Surface::Pixel(int x, int y) const {
    if (!image_.valid(x, y)) return 0;
    return FromQRgb(image_.pixel(x, y));
}

void Surface::SetPixel(int x, int y, int32_t color) {
    if (image_.valid(x, y)) image_.setPixel(x, y, ToQRgb(color));
}

void Surface::Fill(int32_t color) {
    if (!image_.isNull()) image_.fill(ToQRgb(color));
}
