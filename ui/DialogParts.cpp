// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogParts.h"

#include "WebLinks.h"

#include <QFontMetrics>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace quendrix::dialogs {

QFont designFont(const char* family, int pixelSize, bool bold) {
    // Where the face is missing, installFontSubstitutes() names one of its
    // width.
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void placeLabelImpl(QLabel* label, const char* name, const QString& text, int left, int top,
                    const QFont& font, const QColor& color, int width, bool wrapping) {
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setFontColor(label, color);
    label->setText(text);
    label->setWordWrap(wrapping);
    label->move(left, top);
    if (!wrapping) {
        label->adjustSize();
        return;
    }
    // Lines break at blanks only: a word wider than the label widens it
    // (with a pixel to spare for rounding) rather than being broken.
    const QFontMetricsF metrics(label->font());
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    int w = width;
    for (const QString& word : text.split(blanks, Qt::SkipEmptyParts))
        w = std::max(w, static_cast<int>(std::ceil(metrics.horizontalAdvance(word))) + 1);
    label->resize(w, label->heightForWidth(w));
}

} // namespace quendrix::dialogs
