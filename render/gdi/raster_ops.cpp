#include "render/gdi/raster_ops.h"

#include <algorithm>

namespace Gdi {
namespace {

constexpr QRgb kColorBits = 0x00FFFFFF;

struct Clip {
    int x, y, srcX, srcY, width, height;
    bool Empty() const { return width <= 0 || height <= 0; }
};

// Trims a transfer so that it stays inside both pictures.
Clip ClipTransfer(const Surface& dest, int x, int y, int width, int height, const Surface& src,
                  int srcX, int srcY) {
    Clip c{x, y, srcX, srcY, width, height};
    const int shiftX = std::max({0, -c.x, -c.srcX});
    const int shiftY = std::max({0, -c.y, -c.srcY});
    c.x += shiftX, c.srcX += shiftX, c.width -= shiftX;
    c.y += shiftY, c.srcY += shiftY, c.height -= shiftY;
    c.width = std::min({c.width, dest.Width() - c.x, src.Width() - c.srcX});
    c.height = std::min({c.height, dest.Height() - c.y, src.Height() - c.srcY});
    return c;
}

template <typename Op>
void Transfer(Surface& dest, const Clip& c, const Surface& src, Op op) {
    for (int row = 0; row < c.height; ++row) {
        auto* out = reinterpret_cast<QRgb*>(dest.Image().scanLine(c.y + row)) + c.x;
        const auto* in =
            reinterpret_cast<const QRgb*>(src.Image().constScanLine(c.srcY + row)) + c.srcX;
        for (int col = 0; col < c.width; ++col)
            out[col] = 0xFF000000 | (op(out[col], in[col]) & kColorBits);
    }
}

}  // namespace

void BitBlt(Surface& dest, int x, int y, int width, int height, const Surface& src, int srcX,
            int srcY, Rop rop) {
    if (dest.IsNull() || src.IsNull()) return;
    if (&dest == &src) {
        const Surface copy = src;
        BitBlt(dest, x, y, width, height, copy, srcX, srcY, rop);
        return;
    }
    const Clip c = ClipTransfer(dest, x, y, width, height, src, srcX, srcY);
    if (c.Empty()) return;
    switch (rop) {
        case Rop::SrcCopy:
            Transfer(dest, c, src, [](QRgb, QRgb s) { return s; });
            break;
        case Rop::SrcAnd:
            Transfer(dest, c, src, [](QRgb d, QRgb s) { return d & s; });
            break;
        case Rop::SrcPaint:
            Transfer(dest, c, src, [](QRgb d, QRgb s) { return d | s; });
            break;
        case Rop::SrcInvert:
            Transfer(dest, c, src, [](QRgb d, QRgb s) { return d ^ s; });
            break;
    }
}

void StretchBlt(Surface& dest, int x, int y, int width, int height, const Surface& src, int srcX,
                int srcY, int srcWidth, int srcHeight) {
    if (dest.IsNull() || src.IsNull() || width <= 0 || height <= 0 || srcWidth <= 0 ||
        srcHeight <= 0)
        return;
    if (&dest == &src) {
        const Surface copy = src;
        StretchBlt(dest, x, y, width, height, copy, srcX, srcY, srcWidth, srcHeight);
        return;
    }
    for (int row = std::max(0, -y); row < height && y + row < dest.Height(); ++row) {
        const int sy = srcY + static_cast<int>((2LL * row + 1) * srcHeight / (2LL * height));
        if (sy < 0 || sy >= src.Height()) continue;
        auto* out = reinterpret_cast<QRgb*>(dest.Image().scanLine(y + row));
        const auto* in = reinterpret_cast<const QRgb*>(src.Image().constScanLine(sy));
        for (int col = std::max(0, -x); col < width && x + col < dest.Width(); ++col) {
            const int sx = srcX + static_cast<int>((2LL * col + 1) * srcWidth / (2LL * width));
            if (sx >= 0 && sx < src.Width()) out[x + col] = in[sx];
        }
    }
}

Surface MonochromeFrom(const Surface& src, int32_t backgroundColor) {
    if (src.IsNull()) return {};
    Surface mono(src.Width(), src.Height(), 0);
    const QRgb key = ToQRgb(backgroundColor) & kColorBits;
    for (int row = 0; row < src.Height(); ++row) {
        const auto* in = reinterpret_cast<const QRgb*>(src.Image().constScanLine(row));
        auto* out = reinterpret_cast<QRgb*>(mono.Image().scanLine(row));
        for (int col = 0; col < src.Width(); ++col)
            out[col] = (in[col] & kColorBits) == key ? 0xFFFFFFFF : 0xFF000000;
    }
    return mono;
}

void InvertRect(Surface& dest, int left, int top, int right, int bottom) {
    left = std::max(left, 0), top = std::max(top, 0);
    right = std::min(right, dest.Width()), bottom = std::min(bottom, dest.Height());
    for (int row = top; row < bottom; ++row) {
        auto* line = reinterpret_cast<QRgb*>(dest.Image().scanLine(row));
        for (int col = left; col < right; ++col) line[col] ^= kColorBits;
    }
}

}  // namespace Gdi
