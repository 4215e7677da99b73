// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces both information dialogs are built from: design fonts and labels
// placed and sized as the dialogs' designs give them.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QString>

namespace quendrix::dialogs {

// A font of the dialogs' designs: family (a face of its width stands in when
// it is not installed, see installFontSubstitutes()), character height in pixels, bold or regular.
QFont designFont(const char* family, int pixelSize, bool bold);

// The font the dialogs' labels use unless told otherwise: bold
// "MS Sans Serif" of pixelSize.
inline QFont labelFont(int pixelSize = 12) {
    return designFont("MS Sans Serif", pixelSize, true);
}

// Puts label (a QLabel or a subclass) at left, top with its name, plain
// text, font and font colour, sized to its text. A wrapping label breaks
// its text into lines within width and grows in height; a word longer
// than width widens it, as nothing breaks inside a word. A label that
// does not wrap ignores width.
template <typename Label>
Label* placeLabel(Label* label, const char* name, const QString& text, int left, int top,
                  const QFont& font, const QColor& color, int width = 0, bool wrapping = false);

void placeLabelImpl(QLabel* label, const char* name, const QString& text, int left, int top,
                    const QFont& font, const QColor& color, int width, bool wrapping);

template <typename Label>
Label* placeLabel(Label* label, const char* name, const QString& text, int left, int top,
                  const QFont& font, const QColor& color, int width, bool wrapping) {
    placeLabelImpl(label, name, text, left, top, font, color, width, wrapping);
    return label;
}

// The text of a UTF-8 literal.
inline QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace quendrix::dialogs
