// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkLabel.h"

#include <QMouseEvent>

namespace quendrix {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    QLabel::mouseMoveEvent(event);
    emit mouseMoved(event->modifiers(), pos.x(), pos.y());
}

void LinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

} // namespace quendrix
