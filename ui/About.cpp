// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"

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

TAboutBox* AboutBox = nullptr;

namespace {

const QString Face = QStringLiteral("MS Sans Serif");

template <class Widget, class... Args>
Widget* make(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

// A bold label of the panel: its text, font height and colour, placed at
// left, top and sized to its text.
void text(QLabel& label, const QString& caption, int pixelHeight, const QColor& colour,
          int left, int top, int designWidth, bool wraps) {
    label.setTextFormat(Qt::PlainText);
    label.setFont(designFont(Face, pixelHeight, true));
    setFontColour(label, colour);
    label.setText(caption);
    placeLabel(label, left, top, designWidth, wraps);
}

QString fromConstant(const char* constant) { return QString::fromUtf8(constant); }

} // namespace

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      Panel1(make<BevelPanel>("Panel1", BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised,
                              this)),
      ProductName(make<QLabel>("ProductName", Panel1)),
      Comments(make<QLabel>("Comments", Panel1)),
      OKButton(make<QPushButton>("OKButton", this)),
      lbl1(make<QLabel>("lbl1", Panel1)),
      img1(make<QLabel>("img1", Panel1)),
      lbl4(make<QLabel>("lbl4", Panel1)),
      lbl6(make<EventLabel>("lbl6", Panel1)),
      lbl7(make<QLabel>("lbl7", Panel1)),
      lbl8(make<QLabel>("lbl8", Panel1)),
      lbl10(make<QLabel>("lbl10", Panel1)),
      lbl11(make<EventLabel>("lbl11", Panel1)),
      lbl3(make<QLabel>("lbl3", Panel1)),
      lbl12(make<QLabel>("lbl12", Panel1)),
      img2(make<QLabel>("img2", Panel1)),
      img3(make<QLabel>("img3", Panel1)),
      lbl9(make<EventLabel>("lbl9", Panel1)),
      lbl5(make<QLabel>("lbl5", Panel1)),
      lbl13(make<QLabel>("lbl13", Panel1)),
      lbl14(make<EventLabel>("lbl14", Panel1)),
      lbl17(make<QLabel>("lbl17", Panel1)) {
    namespace dep = deployment;
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(applicationIcon());
    setFont(designFont(Face, 11, false));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setFixedSize(827, 606);

    Panel1->setGeometry(10, 8, 809, 561);

    const QColor black = linkNormalColour();
    const QColor navy(0, 0, 128);
    const QColor purple = linkPurpleColour();
    showPicture(*img1, QStringLiteral(":/about/logo.png"), 26, 20, 100, 100);
    text(*lbl1, QStringLiteral("Quendrix              "), 16, black, 155, 32, 241, false);
    text(*lbl3, QStringLiteral("Version: 1.0  "), 12, black, 155, 67, 77, false);
    text(*lbl4, QStringLiteral("Developer :        "), 12, black, 155, 90, 99, false);
    text(*lbl17, fromConstant(dep::MakerFullName), 12, navy, 227, 90, 180, false);
    text(*Comments, QStringLiteral("E-mail : ") + fromConstant(dep::MakerEmail) + QStringLiteral("   "),
         12, black, 155, 109, 165, true);
    text(*lbl8, QStringLiteral("QQ : ") + fromConstant(dep::MakerQQ), 12, black, 155, 132, 87, false);
    text(*lbl7, QStringLiteral("Website (网站) : "), 12, black, 155, 155, 97, true);
    text(*lbl6, fromConstant(dep::HomePage), 12, black, 262, 155, 124, true);
    text(*lbl13, QStringLiteral("软件盒子 :    "), 12, black, 155, 178, 77, true);
    text(*lbl14, fromConstant(dep::SoftwareBoxPage), 12, black, 262, 178, 203, true);
    text(*lbl10, QStringLiteral("Donation (捐助) :    "), 12, black, 155, 201, 106, true);
    text(*lbl11, fromConstant(dep::DonationPage), 12, black, 262, 201, 217, true);
    text(*lbl12,
         QStringLiteral("WeChat Subscription (微信订阅号): ") + fromConstant(dep::MakerWeChatAccount) +
             QString(22, u' '),
         12, black, 155, 224, 303, true);
    showPicture(*img2, QStringLiteral(":/about/qr-follow.png"), 227, 251, 185, 177);
    img2->setToolTip(QStringLiteral("扫描二维码关注微信公众号"));
    showPicture(*img3, QStringLiteral(":/about/thanks.png"), 155, 434, 246, 42);
    text(*lbl5, QStringLiteral("欢迎关注：      "), 12, purple, 155, 487, 90, false);
    text(*lbl9, fromConstant(dep::HomeHost) + QStringLiteral(" !!! "), 12, purple, 231, 487, 106, false);
    text(*ProductName, QString(), 16, black, 99, -36, 6, false);

    OKButton->setText(QStringLiteral("OK"));
    OKButton->setGeometry(375, 575, 76, 25);
    OKButton->setDefault(true);
    OKButton->setFocus();

    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    connect(lbl6, &EventLabel::mouseLeft, this, &TAboutBox::lbl6MouseLeave);
    connect(lbl6, &EventLabel::mouseMoved, this, &TAboutBox::lbl6MouseMove);
    connect(lbl6, &EventLabel::clicked, this, &TAboutBox::lbl6Click);
    connect(lbl9, &EventLabel::mouseLeft, this, &TAboutBox::lbl9MouseLeave);
    connect(lbl9, &EventLabel::mouseMoved, this, &TAboutBox::lbl9MouseMove);
    connect(lbl9, &EventLabel::clicked, this, &TAboutBox::lbl9Click);
    connect(lbl11, &EventLabel::clicked, this, &TAboutBox::lbl11Click);
    connect(lbl11, &EventLabel::mouseLeft, this, &TAboutBox::lbl11MouseLeave);
    connect(lbl11, &EventLabel::mouseMoved, this, &TAboutBox::lbl11MouseMove);
    connect(lbl14, &EventLabel::clicked, this, &TAboutBox::lbl14Click);
    connect(lbl14, &EventLabel::mouseLeft, this, &TAboutBox::lbl14MouseLeave);
    connect(lbl14, &EventLabel::mouseMoved, this, &TAboutBox::lbl14MouseMove);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    // Only "OK" and the close box end the dialog; Escape does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutBox::OKButtonClick() { close(); }

void TAboutBox::lbl6MouseLeave() { ShowLinkNormal(*lbl6, linkNormalColour()); }
void TAboutBox::lbl6MouseMove(Qt::KeyboardModifiers, QPoint) { ShowLinkHover(*lbl6); }
// The label shows the full address; the host name alone goes to the desktop.
void TAboutBox::lbl6Click() { OpenWebPage(this, deployment::HomeHost); }

void TAboutBox::lbl9MouseLeave() { ShowLinkNormal(*lbl9, linkPurpleColour()); }
void TAboutBox::lbl9MouseMove(Qt::KeyboardModifiers, QPoint) { ShowLinkHover(*lbl9); }
void TAboutBox::lbl9Click() { OpenWebPage(this, deployment::HomeHost); }

void TAboutBox::lbl11Click() { OpenWebPage(this, deployment::DonationPage); }
void TAboutBox::lbl11MouseLeave() { ShowLinkNormal(*lbl11, linkNormalColour()); }
void TAboutBox::lbl11MouseMove(Qt::KeyboardModifiers, QPoint) { ShowLinkHover(*lbl11); }

void TAboutBox::lbl14Click() { OpenWebPage(this, deployment::SoftwareBoxPage); }
void TAboutBox::lbl14MouseLeave() { ShowLinkNormal(*lbl14, linkNormalColour()); }
void TAboutBox::lbl14MouseMove(Qt::KeyboardModifiers, QPoint) { ShowLinkHover(*lbl14); }

void ShowAbout(QWidget* owner) { showInSlot(AboutBox, owner); }

} // namespace quendrix
