#pragma once

#include <QWidget>
#include <functional>

#include "render/gdi/surface.h"

// A widget that shows a Surface and reports mouse presses and moves in its own pixels:
// the table and each picture box PicB(i).
class SurfaceWidget : public QWidget {
    Q_OBJECT
  public:
    using MouseHandler = std::function<void(int button, int shift, float x, float y)>;

    explicit SurfaceWidget(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    void SetPressHandler(MouseHandler handler) { onPress_ = std::move(handler); }
    void SetMoveHandler(MouseHandler handler) { onMove_ = std::move(handler); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    Surface surface_;
    MouseHandler onPress_;
    MouseHandler onMove_;
};
