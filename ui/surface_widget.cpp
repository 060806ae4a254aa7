#include "ui/surface_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/key_codes.h"

SurfaceWidget::SurfaceWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.Image());
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
    if (!onPress_) return;
    const QPointF at = event->position();
    onPress_(KeyCodes::MouseButtonCode(event->button()),
             KeyCodes::ModifierState(event->modifiers()), static_cast<float>(at.x()),
             static_cast<float>(at.y()));
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!onMove_) return;
    const QPointF at = event->position();
    onMove_(0, KeyCodes::ModifierState(event->modifiers()), static_cast<float>(at.x()),
            static_cast<float>(at.y()));
}
