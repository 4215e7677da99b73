// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusBar.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>

namespace quendrix {

StatusPane::StatusPane(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setWordWrap(false);
    setMouseTracking(true);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_Hover, false);
}

void StatusPane::setBorderWidth(int width) {
    borderWidth_ = width;
    setContentsMargins(width, width, width, width);
}

QColor StatusPane::fontColor() const {
    return palette().color(QPalette::WindowText);
}

void StatusPane::setFontColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void StatusPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QLabel::mousePressEvent(event);
}

void StatusPane::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void StatusPane::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    QLabel::mouseMoveEvent(event);
    emit mouseMoved(event->modifiers(), pos.x(), pos.y());
}

void StatusPane::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

StatusBar::StatusBar(QWidget* parent)
    : QWidget(parent), layout_(new QHBoxLayout(this)), grip_(new QSizeGrip(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addStretch(1);
    layout_->addWidget(grip_, 0, Qt::AlignRight | Qt::AlignBottom);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void StatusBar::addPane(StatusPane* pane, int width) {
    pane->setParent(this);
    pane->setFixedWidth(width);
    pane->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    layout_->insertWidget(static_cast<int>(panes_.size()), pane);
    panes_.append(pane);
}

QSize StatusBar::sizeHint() const {
    return {QWidget::sizeHint().width(), DefaultHeight};
}

void StatusBar::paintEvent(QPaintEvent*) {
    // A soft vertical gradient of the button face, no frame.
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0.0, face.lighter(112));
    gradient.setColorAt(1.0, face.darker(110));
    painter.fillRect(rect(), gradient);
}

} // namespace quendrix
