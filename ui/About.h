// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About dialog: logo, name and version, the maker's contact lines, four
// web links, a QR code and a thank-you banner. Built anew for every showing.

#include "LinkLabel.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

class QKeyEvent;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* owner);
    ~TAboutBox() override;

    // Client area of the design.
    static constexpr int ClientWidth = 827;
    static constexpr int ClientHeight = 606;

    // The controls, in the order of the dialog's design. All are owned by
    // the dialog; their object names are the member names.
    QFrame* Panel1;
    QLabel* ProductName;
    QLabel* Comments;
    QPushButton* OKButton;
    QLabel* lbl1;
    QLabel* img1;
    QLabel* lbl4;
    quendrix::LinkLabel* lbl6;
    QLabel* lbl7;
    QLabel* lbl8;
    QLabel* lbl10;
    quendrix::LinkLabel* lbl11;
    QLabel* lbl3;
    QLabel* lbl12;
    QLabel* img2;
    QLabel* img3;
    quendrix::LinkLabel* lbl9;
    QLabel* lbl5;
    QLabel* lbl13;
    quendrix::LinkLabel* lbl14;
    QLabel* lbl17;

    // Event handlers; each takes the sender and is connected through
    // quendrix::connectHandler().
public slots:
    void OKButtonClick(QObject* Sender);
    void lbl6MouseLeave(QObject* Sender);
    void lbl6MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void lbl6Click(QObject* Sender);
    void lbl9MouseLeave(QObject* Sender);
    void lbl9MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void lbl9Click(QObject* Sender);
    void lbl11Click(QObject* Sender);
    void lbl11MouseLeave(QObject* Sender);
    void lbl11MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void lbl14Click(QObject* Sender);
    void lbl14MouseLeave(QObject* Sender);
    void lbl14MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    // Escape does not close the dialog: it has no cancel button.
    void keyPressEvent(QKeyEvent* event) override;
};

// The About dialog while it is showing; empty otherwise.
extern TAboutBox* AboutBox;

// Builds a TAboutBox owned by owner into AboutBox, shows it modally, then
// frees it and empties AboutBox (also when building or showing throws).
void ShowAbout(QWidget* owner);
