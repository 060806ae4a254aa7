#include "render/gdi/plg_blt.h"

#include <algorithm>
#include <cmath>

namespace Gdi {

void PlgBlt(Surface& dest, const std::array<QPointF, 3>& corners, const Surface& src, int srcX,
            int srcY, int width, int height) {
    if (dest.IsNull() || src.IsNull() || width <= 0 || height <= 0) return;
    const QPointF origin = corners[0];
    const QPointF across = (corners[1] - origin) / width;  // one source column
    const QPointF down = (corners[2] - origin) / height;   // one source row
    const double det = across.x() * down.y() - across.y() * down.x();
    if (std::abs(det) < 1e-12) return;

    const QPointF far = corners[1] + corners[2] - origin;
    const double minX = std::min({origin.x(), corners[1].x(), corners[2].x(), far.x()});
    const double maxX = std::max({origin.x(), corners[1].x(), corners[2].x(), far.x()});
    const double minY = std::min({origin.y(), corners[1].y(), corners[2].y(), far.y()});
    const double maxY = std::max({origin.y(), corners[1].y(), corners[2].y(), far.y()});
    const int left = std::max(0, static_cast<int>(std::floor(minX)));
    const int right = std::min(dest.Width(), static_cast<int>(std::ceil(maxX)));
    const int top = std::max(0, static_cast<int>(std::floor(minY)));
    const int bottom = std::min(dest.Height(), static_cast<int>(std::ceil(maxY)));

    for (int y = top; y < bottom; ++y) {
        auto* out = reinterpret_cast<QRgb*>(dest.Image().scanLine(y));
        for (int x = left; x < right; ++x) {
            const double dx = x + 0.5 - origin.x();
            const double dy = y + 0.5 - origin.y();
            const double u = (dx * down.y() - dy * down.x()) / det;
            const double v = (across.x() * dy - across.y() * dx) / det;
            if (u < 0 || v < 0 || u >= width || v >= height) continue;
            const int sx = srcX + static_cast<int>(u);
            const int sy = srcY + static_cast<int>(v);
            if (sx < 0 || sy < 0 || sx >= src.Width() || sy >= src.Height()) continue;
            out[x] = src.Image().pixel(sx, sy);
        }
    }
}

Surface TurnClockwise(const Surface& src) {
    const int w = src.Width(), h = src.Height();
    Surface out(h, w);
    PlgBlt(out, {QPointF(h, 0), QPointF(h, w), QPointF(0, 0)}, src, 0, 0, w, h);
    return out;
}

Surface TurnCounterClockwise(const Surface& src) {
    const int w = src.Width(), h = src.Height();
    Surface out(h, w);
    PlgBlt(out, {QPointF(0, w), QPointF(0, 0), QPointF(h, w)}, src, 0, 0, w, h);
    return out;
}

Surface TurnHalf(const Surface& src) {
    const int w = src.Width(), h = src.Height();
    Surface out(w, h);
    PlgBlt(out, {QPointF(w, h), QPointF(0, h), QPointF(w, 0)}, src, 0, 0, w, h);
    return out;
}

}  // namespace Gdi
