// SPDX-License-Identifier: GPL-3.0-or-later
#include "DonationForm.h"

#include "DialogParts.h"
#include "Deployment.h"
#include "ErrorReport.h"
#include "ModalDialog.h"
#include "Pictures.h"
#include "WebLinks.h"

#include <QKeyEvent>

TDonationBox* DonationBox = nullptr;

namespace {

using namespace quendrix;
using namespace quendrix::dialogs;

const QColor Black(0, 0, 0);

// A 300 x 300 panel with a raised outer bevel one pixel wide.
QFrame* codePanel(QWidget* parent, const char* name, int left, int top) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(left, top, 300, 300);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

} // namespace

TDonationBox::TDonationBox(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("DonationBox"));
    setWindowTitle(text("Donation (捐助)"));
    // Single fixed border; the system menu's close box is the only caption
    // button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setSizeGripEnabled(false);
    setFont(designFont("Tahoma", 11, false));
    // The button face as the window's background (the background role stays
    // the window's, so the labels draw in their window-text colour).
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);

    const QString codeHint = text(deployment::DonationHint);

    btn1 = new QPushButton(QStringLiteral("Close"), this);
    btn1->setObjectName(QStringLiteral("btn1"));
    btn1->setGeometry(288, 426, 75, 25);
    // Neither default nor cancel button: Enter and Escape do nothing.
    btn1->setAutoDefault(false);
    btn1->setDefault(false);

    img2 = pictures::makePicture(this, "img2", pictures::AlipayBadge, {81, 13, 162, 57});
    pnl1 = codePanel(this, "pnl1", 20, 80);
    img1 = pictures::makePicture(pnl1, "img1", pictures::AlipayCode, {1, 1, 298, 298}, codeHint);
    lbl11 = placeLabel(new LinkLabel(this), "lbl11", DonationPage(), 21, 407, labelFont(), Black,
                       217, true);
    lbl10 = placeLabel(new QLabel(this), "lbl10", text("Donation (捐助) :    "), 21, 389,
                       labelFont(), Black, 106, true);
    pnl2 = codePanel(this, "pnl2", 341, 80);
    img3 = pictures::makePicture(pnl2, "img3", pictures::WeChatPayCode, {1, 1, 298, 298},
                                 codeHint);
    img4 = pictures::makePicture(this, "img4", pictures::WeChatPayBadge, {396, 13, 177, 57});

    // The button is first in tab order and has the focus when the dialog
    // opens.
    btn1->setFocus(Qt::OtherFocusReason);

    connectHandler(btn1, &QPushButton::clicked, this, &TDonationBox::btn1Click);
    connectHandler(lbl11, &LinkLabel::clicked, this, &TDonationBox::lbl11Click);
    connectHandler(lbl11, &LinkLabel::mouseLeft, this, &TDonationBox::lbl11MouseLeave);
    connectHandler(lbl11, &LinkLabel::mouseMoved, this, &TDonationBox::lbl11MouseMove);
}

TDonationBox::~TDonationBox() = default;

void TDonationBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDonationBox::btn1Click(QObject*) {
    close();
}

void TDonationBox::lbl11Click(QObject*) {
    OpenWebPage(this, DonationPage());
}

void TDonationBox::lbl11MouseLeave(QObject*) {
    ShowLinkNormal(lbl11, Black);
}

void TDonationBox::lbl11MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {
    ShowLinkHover(lbl11);
}

void ShowDonation(QWidget* owner) {
    quendrix::showInSlot(DonationBox, owner);
}
