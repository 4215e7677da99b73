// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The donation dialog: the badges of two payment services, a donation QR
// code under each and a link to the donation page. Built anew for every
// showing.

#include "LinkLabel.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

class QKeyEvent;

class TDonationBox : public QDialog {
    Q_OBJECT
public:
    explicit TDonationBox(QWidget* owner);
    ~TDonationBox() override;

    // Client area of the design.
    static constexpr int ClientWidth = 651;
    static constexpr int ClientHeight = 463;

    // The controls, in the order of the dialog's design. All are owned by
    // the dialog; their object names are the member names.
    QPushButton* btn1;
    QLabel* img2;
    QFrame* pnl1;
    QLabel* img1;
    quendrix::LinkLabel* lbl11;
    QLabel* lbl10;
    QFrame* pnl2;
    QLabel* img3;
    QLabel* img4;

    // Event handlers; each takes the sender and is connected through
    // quendrix::connectHandler().
public slots:
    void btn1Click(QObject* Sender);
    void lbl11Click(QObject* Sender);
    void lbl11MouseLeave(QObject* Sender);
    void lbl11MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    // Escape does not close the dialog: it has no cancel button.
    void keyPressEvent(QKeyEvent* event) override;
};

// The donation dialog while it is showing; empty otherwise.
extern TDonationBox* DonationBox;

// Builds a TDonationBox owned by owner into DonationBox, shows it modally,
// then frees it and empties DonationBox (also when building or showing
// throws).
void ShowDonation(QWidget* owner);
