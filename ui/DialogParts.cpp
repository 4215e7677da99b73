// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogParts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <qdrawutil.h>

#include <algorithm>

namespace quendrix {

BevelPanel::BevelPanel(Bevel outer, Bevel inner, QWidget* parent)
    : QFrame(parent), outer_(outer), inner_(inner) {
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
}

void BevelPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    QRect edge = rect();
    for (const Bevel bevel : {outer_, inner_}) {
        if (bevel == Bevel::None)
            continue;
        qDrawShadePanel(&painter, edge, palette(), bevel == Bevel::Lowered, 1);
        edge.adjust(1, 1, -1, -1);
    }
}

QFont designFont(const QString& family, int pixelHeight, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void setFontColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(widget.foregroundRole(), colour);
    widget.setPalette(palette);
}

QColor fontColour(const QWidget& widget) {
    return widget.palette().color(widget.foregroundRole());
}

void placeLabel(QLabel& label, int left, int top, int designWidth, bool wraps) {
    label.setWordWrap(wraps);
    if (!wraps) {
        label.setGeometry(left, top, 0, 0);
        label.resize(label.sizeHint());
        return;
    }
    const QFontMetrics metrics(label.font());
    int width = designWidth;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& word : label.text().split(blanks, Qt::SkipEmptyParts))
        width = std::max(width, metrics.horizontalAdvance(word));
    label.setGeometry(left, top, width, std::max(label.heightForWidth(width), metrics.height()));
}

void showPicture(QLabel& label, const QString& resource, int left, int top, int width,
                 int height) {
    label.setScaledContents(true);
    label.setPixmap(QPixmap(resource));
    label.setGeometry(left, top, width, height);
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quendrix-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace quendrix
