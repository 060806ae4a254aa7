#include "ui/vb_timer.h"

VbTimer::VbTimer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (onTick_) onTick_();
    });
}

void VbTimer::SetState(const TableTimer& timer) {
    state_ = timer;
    if (timer.Interval <= 0) {
        timer_.stop();
    } else {
        timer_.start(timer.Interval);
    }
}
