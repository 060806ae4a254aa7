#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "render/table_host.h"

// A window timer as the game arms it: Interval 0 is stopped, any other value runs it
// with that period in milliseconds; Tag carries the timer's small state.
class VbTimer : public QObject {
    Q_OBJECT
  public:
    explicit VbTimer(QObject* parent = nullptr);

    TableTimer State() const { return state_; }
    void SetState(const TableTimer& timer);
    void SetTickHandler(std::function<void()> handler) { onTick_ = std::move(handler); }

  private:
    QTimer timer_;
    TableTimer state_;
    std::function<void()> onTick_;
};
