// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the link and dialog tests: a recorder in place of the browser,
// the look of a link control, and the mouse events a link reacts to.

#include "WebLinks.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QList>
#include <QMouseEvent>
#include <QPointF>
#include <QTest>
#include <QWidget>

#include <ostream>
#include <utility>

namespace quendrix::test {

// Records every page request instead of starting a browser, for the life of
// the object.
class PageRecorder {
public:
    PageRecorder()
        : previous_(setWebPageOpener(
              [this](const WebPageRequest& request) { requests_.append(request); })) {}
    ~PageRecorder() { setWebPageOpener(std::move(previous_)); }
    PageRecorder(const PageRecorder&) = delete;
    PageRecorder& operator=(const PageRecorder&) = delete;

    const QList<WebPageRequest>& requests() const { return requests_; }
    void clear() { requests_.clear(); }

private:
    QList<WebPageRequest> requests_;
    WebPageOpener previous_;
};

// What a link shows: font colour and the whole font style, face and size.
struct LinkLook {
    QColor color;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString family;
    int pixelSize = 0;

    friend bool operator==(const LinkLook&, const LinkLook&) = default;
    friend void PrintTo(const LinkLook& l, std::ostream* os) {
        *os << l.color.name().toStdString() << (l.bold ? " bold" : "")
            << (l.italic ? " italic" : "") << (l.underline ? " underline" : "")
            << (l.strikeOut ? " strike-out" : "") << " \"" << l.family.toStdString() << "\" "
            << l.pixelSize << "px";
    }
};

inline LinkLook lookOf(const QWidget* control) {
    const QFont f = control->font();
    return {fontColor(control), f.bold(),   f.italic(),   f.underline(),
            f.strikeOut(),      f.family(), f.pixelSize()};
}

// The normal and hover looks of a link of the given face and size.
inline LinkLook normalLook(const QColor& color, const QString& family, int pixelSize) {
    return {color, true, false, false, false, family, pixelSize};
}
inline LinkLook hoverLook(const QString& family, int pixelSize) {
    return {QColor(0, 0, 255), true, false, true, false, family, pixelSize};
}

// Whether the control, drawn, shows its text in exactly this colour (the
// cores of the glyphs' strokes), so the colour is not only set but used.
inline bool drawnIn(QWidget* control, const QColor& color) {
    const QImage image = control->grab().toImage();
    int hits = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == color)
                ++hits;
    return hits >= 10;
}

inline void moveOver(QWidget* control, QPoint pos = {3, 3}) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(control->mapToGlobal(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

inline void leave(QWidget* control) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(control, &event);
}

inline void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

} // namespace quendrix::test
