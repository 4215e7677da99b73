// SPDX-License-Identifier: GPL-3.0-or-later
#include "DonationForm.h"

#include "Deployment.h"
#include "DialogParts.h"
#include "EventLabel.h"
#include "ModalShow.h"
#include "WebLinks.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace quendrix {

TDonationBox* DonationBox = nullptr;

namespace {

template <class Widget, class... Args>
Widget* make(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

void text(QLabel& label, const QString& caption, int left, int top, int designWidth) {
    label.setTextFormat(Qt::PlainText);
    label.setFont(designFont(QStringLiteral("MS Sans Serif"), 12, true));
    setFontColour(label, linkNormalColour());
    label.setText(caption);
    placeLabel(label, left, top, designWidth, true);
}

} // namespace

TDonationBox::TDonationBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      btn1(make<QPushButton>("btn1", this)),
      img2(make<QLabel>("img2", this)),
      pnl1(make<BevelPanel>("pnl1", BevelPanel::Bevel::Raised, BevelPanel::Bevel::None, this)),
      img1(make<QLabel>("img1", pnl1)),
      lbl11(make<EventLabel>("lbl11", this)),
      lbl10(make<QLabel>("lbl10", this)),
      pnl2(make<BevelPanel>("pnl2", BevelPanel::Bevel::Raised, BevelPanel::Bevel::None, this)),
      img3(make<QLabel>("img3", pnl2)),
      img4(make<QLabel>("img4", this)) {
    setObjectName(QStringLiteral("DonationBox"));
    setWindowTitle(QStringLiteral("Donation (捐助)"));
    setWindowIcon(applicationIcon());
    setFont(designFont(QStringLiteral("Tahoma"), 11, false));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setFixedSize(651, 463);

    const QString hint = QString::fromUtf8(deployment::DonationHint);
    showPicture(*img2, QStringLiteral(":/donation/alipay.png"), 81, 13, 162, 57);
    showPicture(*img4, QStringLiteral(":/donation/wechatpay.png"), 396, 13, 177, 57);
    pnl1->setGeometry(20, 80, 300, 300);
    showPicture(*img1, QStringLiteral(":/donation/qr-alipay.png"), 1, 1, 298, 298);
    img1->setToolTip(hint);
    pnl2->setGeometry(341, 80, 300, 300);
    showPicture(*img3, QStringLiteral(":/donation/qr-wechatpay.png"), 1, 1, 298, 298);
    img3->setToolTip(hint);
    text(*lbl10, QStringLiteral("Donation (捐助) :    "), 21, 389, 106);
    text(*lbl11, QString::fromUtf8(deployment::DonationPage), 21, 407, 217);

    btn1->setText(QStringLiteral("Close"));
    btn1->setGeometry(288, 426, 75, 25);
    btn1->setDefault(false);
    btn1->setFocus();

    connect(btn1, &QPushButton::clicked, this, &TDonationBox::btn1Click);
    connect(lbl11, &EventLabel::clicked, this, &TDonationBox::lbl11Click);
    connect(lbl11, &EventLabel::mouseLeft, this, &TDonationBox::lbl11MouseLeave);
    connect(lbl11, &EventLabel::mouseMoved, this, &TDonationBox::lbl11MouseMove);
}

TDonationBox::~TDonationBox() = default;

void TDonationBox::keyPressEvent(QKeyEvent* event) {
    // "Close" is no cancel button: Escape does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TDonationBox::btn1Click() { close(); }
void TDonationBox::lbl11Click() { OpenWebPage(this, deployment::DonationPage); }
void TDonationBox::lbl11MouseLeave() { ShowLinkNormal(*lbl11, linkNormalColour()); }
void TDonationBox::lbl11MouseMove(Qt::KeyboardModifiers, QPoint) { ShowLinkHover(*lbl11); }

void ShowDonation(QWidget* owner) { showInSlot(DonationBox, owner); }

} // namespace quendrix
