// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPoint>

class QLabel;
class QPushButton;

namespace quendrix {

class BevelPanel;
class EventLabel;

// The donation dialog: the names of two payment services, a donation QR code
// under each and a link to the donation page. Built anew for every showing
// (ShowDonation).
class TDonationBox : public QDialog {
    Q_OBJECT
public:
    explicit TDonationBox(QWidget* owner);
    ~TDonationBox() override;

    QPushButton* btn1;
    QLabel* img2;
    BevelPanel* pnl1;
    QLabel* img1;
    EventLabel* lbl11;
    QLabel* lbl10;
    BevelPanel* pnl2;
    QLabel* img3;
    QLabel* img4;

public slots:
    void btn1Click();
    void lbl11Click();
    void lbl11MouseLeave();
    void lbl11MouseMove(Qt::KeyboardModifiers, QPoint);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The donation dialog while it shows; empty otherwise.
extern TDonationBox* DonationBox;

// Builds the donation dialog into DonationBox with the given owner, shows it
// modally and frees it again, emptying DonationBox, also when that fails.
void ShowDonation(QWidget* owner);

} // namespace quendrix
