#include "platform/waits.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <algorithm>

#include "platform/settings/player_settings.h"
#include "platform/timing/timing.h"

namespace {

// Long sleeps are cut into slices so that a change of speed during a pause
// takes effect promptly.
constexpr int64_t kSliceMs = 50;

class KeyEater final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        return type == QEvent::KeyPress || type == QEvent::KeyRelease ||
               type == QEvent::ShortcutOverride;
    }
};

}  // namespace

void APIs::PauseUntil(double seconds, const std::function<bool()>& stop) {
    Clock& clock = CurrentClock();
    EventPump& pump = CurrentEventPump();
    const int64_t start = clock.NowMs();
    pump.ProcessPending();
    for (;;) {
        const double target = static_cast<double>(settings.Delay) * seconds * 1000.0;
        const double elapsed = static_cast<double>(clock.NowMs() - start);
        if (elapsed >= target) return;
        if (stop && stop()) return;
        const auto remaining = static_cast<int64_t>(target - elapsed + 0.999);
        pump.WaitForEvents(std::clamp<int64_t>(remaining, 1, kSliceMs));
    }
}

void APIs::Pause(double seconds) { PauseUntil(seconds, {}); }

void APIs::WaitMs(int32_t ms) {
    WaitCancel = false;
    Clock& clock = CurrentClock();
    EventPump& pump = CurrentEventPump();
    const int64_t start = clock.NowMs();
    pump.ProcessPending();
    for (;;) {
        if (WaitCancel) return;
        const int64_t elapsed = clock.NowMs() - start;
        if (elapsed >= ms) return;
        pump.WaitForEvents(std::min<int64_t>(ms - elapsed, kSliceMs));
    }
}

int32_t APIs::TickCount() {
    return static_cast<int32_t>(static_cast<uint32_t>(CurrentClock().NowMs() & 0xFFFFFFFF));
}

void APIs::BusyWaitMs(int32_t ms) {
    if (ms > 0) CurrentClock().SleepMs(ms);
}

void APIs::FlushKeyboard() {
    auto* app = QCoreApplication::instance();
    if (!app) return;
    KeyEater eater;
    app->installEventFilter(&eater);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    app->removeEventFilter(&eater);
}

int APIs::ModifierKeys() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 0;
    // The window system does not tell left from right: held keys count as left.
    const auto mods = QGuiApplication::queryKeyboardModifiers();
    int mask = 0;
    if (mods & Qt::ControlModifier) mask |= 1 + 8;
    if (mods & Qt::AltModifier) mask |= 2 + 32;
    if (mods & Qt::ShiftModifier) mask |= 4 + 128;
    return mask;
}
