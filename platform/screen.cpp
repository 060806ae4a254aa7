#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace APIs {
namespace {
QScreen* PrimaryScreen() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr
               ? QGuiApplication::primaryScreen()
               : nullptr;
}

int32_t WholeDpi(qreal dpi) {
    const auto whole = static_cast<int32_t>(std::nearbyint(dpi));
    return whole > 0 ? whole : 96;
}
}  // namespace

ScreenMetrics CurrentScreen() {
    ScreenMetrics metrics;
    if (const QScreen* screen = PrimaryScreen()) {
        metrics.Width = screen->size().width();
        metrics.Height = screen->size().height();
        metrics.DpiX = WholeDpi(screen->logicalDotsPerInchX());
        metrics.DpiY = WholeDpi(screen->logicalDotsPerInchY());
    }
    return metrics;
}

int32_t ScreenDpi() {
    return CurrentScreen().DpiX;
}

int32_t ColorDepth() {
    const QScreen* screen = PrimaryScreen();
    if (screen == nullptr || screen->depth() <= 0) return 8;
    return screen->depth();
}

}  // namespace APIs
