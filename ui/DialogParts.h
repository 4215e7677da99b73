// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small pieces the information dialogs are built from: a panel with bevels,
// design fonts, self-sizing labels and stretched pictures.

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QString>

class QLabel;

namespace quendrix {

// A panel that draws up to two one-pixel bevels at its edge: the outer one,
// then the inner one just inside it. Children are placed from the panel's
// top left corner, as on any widget; the bevels are drawn under them.
class BevelPanel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { None, Lowered, Raised };

    BevelPanel(Bevel outer, Bevel inner, QWidget* parent = nullptr);

    Bevel outerBevel() const { return outer_; }
    Bevel innerBevel() const { return inner_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_;
    Bevel inner_;
};

// A font of the given face with its character height in pixels.
QFont designFont(const QString& family, int pixelHeight, bool bold);

// The colour a widget draws its text in.
void setFontColour(QWidget& widget, const QColor& colour);
QColor fontColour(const QWidget& widget);

// Places a label at left, top and sizes it to its text. A label that does not
// wrap takes the width and height of its text. A wrapping label keeps its
// design width (widened to its longest word, which is never broken) and takes
// the height of its wrapped lines.
void placeLabel(QLabel& label, int left, int top, int designWidth, bool wraps);

// Shows a picture of the resources stretched to fill the label's box, without
// keeping its proportions.
void showPicture(QLabel& label, const QString& resource, int left, int top, int width,
                 int height);

// The application's icon, in every size from 16 to 256 pixels.
QIcon applicationIcon();

} // namespace quendrix
