// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A label that reports clicks, mouse moves and the pointer leaving it, for
// the link labels of the information dialogs.

#include <QLabel>

namespace quendrix {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    // A left press and release inside the label.
    void clicked();
    // The pointer moved over the label (the modifiers held and the
    // position in the label's coordinates).
    void mouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);
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
