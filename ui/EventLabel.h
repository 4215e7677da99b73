// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPoint>

namespace quendrix {

// A label that reports the pointer: a click (left button pressed and released
// over it), every move over it (with the keyboard modifiers and the position,
// buttons held or not) and the pointer leaving it. It takes no focus and keeps
// the default pointer shape.
class EventLabel : public QLabel {
    Q_OBJECT
public:
    explicit EventLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void mouseMoved(Qt::KeyboardModifiers modifiers, QPoint position);
    void mouseLeft();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace quendrix
