// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Our status bar: a gradient strip docked at the bottom of a window, text
// panes docked to its left edge in the order they are added, and a size grip
// at the right.

#include <QColor>
#include <QLabel>
#include <QList>
#include <QWidget>

class QHBoxLayout;
class QSizeGrip;

namespace quendrix {

// One text pane of a StatusBar. Its text is drawn in its own font and font
// colour over the bar's gradient. Every pane reports clicks, mouse moves and
// the pointer leaving it; a pane used as a link reacts to them.
class StatusPane : public QLabel {
    Q_OBJECT
public:
    explicit StatusPane(QWidget* parent = nullptr);

    // Width of the empty border between the pane's edge and its text.
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);

    // The text colour (the palette's window-text colour).
    QColor fontColor() const;
    void setFontColor(const QColor& color);

signals:
    void clicked();
    void mouseMoved(Qt::KeyboardModifiers modifiers, int x, int y);
    void mouseLeft();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int borderWidth_ = 0;
    bool pressed_ = false;
};

class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    // Docks pane at the left, right of the panes added before, width pixels
    // wide and as high as the bar. The bar takes ownership.
    void addPane(StatusPane* pane, int width);
    const QList<StatusPane*>& panes() const { return panes_; }

    QSizeGrip* sizeGrip() const { return grip_; }

    // Height of the bar when docked (24 pixels).
    static constexpr int DefaultHeight = 24;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QHBoxLayout* layout_;
    QSizeGrip* grip_;
    QList<StatusPane*> panes_;
};

} // namespace quendrix
