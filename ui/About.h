// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPoint>

class QLabel;
class QPushButton;

namespace quendrix {

class BevelPanel;
class EventLabel;

// The About dialog: the program's logo, name and version, the maker's contact
// lines, four web links, a QR code and a thank-you banner. Built anew for every
// showing (ShowAbout).
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* owner);
    ~TAboutBox() override;

    BevelPanel* Panel1;
    QLabel* ProductName;
    QLabel* Comments;
    QPushButton* OKButton;
    QLabel* lbl1;
    QLabel* img1;
    QLabel* lbl4;
    EventLabel* lbl6;
    QLabel* lbl7;
    QLabel* lbl8;
    QLabel* lbl10;
    EventLabel* lbl11;
    QLabel* lbl3;
    QLabel* lbl12;
    QLabel* img2;
    QLabel* img3;
    EventLabel* lbl9;
    QLabel* lbl5;
    QLabel* lbl13;
    EventLabel* lbl14;
    QLabel* lbl17;

public slots:
    void OKButtonClick();
    void lbl6MouseLeave();
    void lbl6MouseMove(Qt::KeyboardModifiers, QPoint);
    void lbl6Click();
    void lbl9MouseLeave();
    void lbl9MouseMove(Qt::KeyboardModifiers, QPoint);
    void lbl9Click();
    void lbl11Click();
    void lbl11MouseLeave();
    void lbl11MouseMove(Qt::KeyboardModifiers, QPoint);
    void lbl14Click();
    void lbl14MouseLeave();
    void lbl14MouseMove(Qt::KeyboardModifiers, QPoint);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The About dialog while it shows; empty otherwise.
extern TAboutBox* AboutBox;

// Builds the About dialog into AboutBox with the given owner, shows it
// modally and frees it again, emptying AboutBox, also when that fails.
void ShowAbout(QWidget* owner);

} // namespace quendrix
