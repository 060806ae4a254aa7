#include "render/mood_face.h"

#include <cmath>

#include "engine/model/state/flow_state.h"
#include "platform/colors.h"
#include "platform/settings/player_settings.h"
#include "render/gdi/shapes.h"
#include "render/screen_scale.h"

namespace {

constexpr int32_t kDarkRed = 6;
constexpr int32_t kRed = 255;
constexpr int32_t kBlack = 0;
constexpr int kYellow = 14;
constexpr int kLightGreen = 10;
constexpr int kWhite = 15;
constexpr int32_t kDeckFileInUse = 1 << 26;
constexpr int32_t kHappiest = 4;

int Pen(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// A yellow disc would vanish on the statistics window's yellow, and on the plain
// built-in back it clashes: those get a green face.
bool GreenFace(const FaceWindow& window) {
    const int32_t back = window.backColor;
    const bool yellowStats =
        window.caption == "Statistics" && Misc::ColorComponent(back, 0) > 219 &&
        Misc::ColorComponent(back, 1) > 219 && Misc::ColorComponent(back, 2) < 60;
    const bool plainBack = settings.CardBack == 0 && !(settings.Opts1 & kDeckFileInUse);
    return yellowStats || plainBack;
}

Gdi::Arc Oval(double aspect) {
    return {std::nullopt, std::nullopt, aspect};
}

Gdi::Arc Span(double start, double end, double aspect = 1.0) {
    return {start, end, aspect};
}

void Frown(Surface& dc, double x, double y, double k) {
    Gdi::Circle(dc, x, y + 30 * k, 28 * k, kBlack, Span(0.3927, 2.7488, 1.3), Pen(4 * k));
}

void Tear(Surface& dc, double x, double y, double k) {
    const double cx = x - 22 * k;
    const double cy = y + 14 * k;
    Gdi::Circle(dc, cx, cy, 26 * k, kRed, Span(0.03, 0.29), Pen(10 * k));
    Gdi::Circle(dc, cx, cy, 26 * k, kBlack, Span(0.09, 0.40), Pen(k));
}

void HappiestFace(Surface& dc, double x, double y, double k) {
    const int32_t white = Misc::ClassicColor(kWhite);
    for (double side : {-1.0, 1.0}) {
        const double ex = x + side * 10 * k;
        const double ey = y - 14 * k;
        for (int i = 1; i <= 9; ++i) {
            Gdi::Circle(dc, ex, ey, i * k, white, Oval(1.9), Pen(k));
        }
        Gdi::Circle(dc, ex, ey, 10 * k, white, Oval(1.9));
        Gdi::Circle(dc, ex, ey, 11 * k, kBlack, Oval(1.9));
        Gdi::Circle(dc, ex, y - 10 * k, 3 * k, kBlack, Oval(2.0), Pen(3 * k));
    }
    const double tx = x - 14 * k;
    const double ty = y + 25 * k;
    Gdi::Circle(dc, tx, ty, 26 * k, kRed, Span(0.03, 0.27), Pen(9 * k));
    Gdi::Circle(dc, tx, ty, 26 * k, kBlack, Span(0.09, 0.30));
    Gdi::Circle(dc, x, y - 5 * k, 28 * k, kDarkRed, Span(3.5334, 5.8905, 0.8), Pen(5 * k));
}

}  // namespace

void Video::DrawMoodFaceBase(int32_t x, int32_t y, const FaceWindow& window, float k) {
    const int32_t color = Misc::ClassicColor(GreenFace(window) ? kLightGreen : kYellow);
    Gdi::Circle(window.dc, x, y, 16.0 * k, color, {}, Pen(33.0 * k));
}

void Video::DrawMoodFaceEyes(int32_t x, int32_t y, const FaceWindow& window, float k) {
    for (double side : {-1.0, 1.0}) {
        Gdi::Circle(window.dc, x + side * 10 * k, y - 12.0 * k, 4.0 * k, kDarkRed, Oval(2.0),
                    Pen(8.0 * k));
    }
}

void Video::DrawMoodFace(int32_t x, int32_t y, int32_t mood, const FaceWindow& window, float size) {
    const double k = size > 0 ? size : scale.ScaleFactor;
    if (flow.QuitNow) return;
    Surface& dc = window.dc;
    DrawMoodFaceBase(x, y, window, static_cast<float>(k));
    if (mood < kHappiest) DrawMoodFaceEyes(x, y, window, static_cast<float>(k));
    switch (mood) {
        case 0:
            Tear(dc, x, y, k);
            Frown(dc, x, y, k);
            break;
        case 1:
            Frown(dc, x, y, k);
            break;
        case 2:
            Gdi::FillBox(dc, Pen(x - 20 * k), Pen(y + 10 * k), Pen(x + 20 * k), Pen(y + 13 * k),
                         Pen(6 * k));
            break;
        case 3:
            Gdi::Circle(dc, x, y - 5 * k, 28 * k, kDarkRed, Span(3.4557, 5.9688, 1.3), Pen(4 * k));
            break;
        case kHappiest:
            HappiestFace(dc, x, y, k);
            break;
        default:
            break;
    }
}
