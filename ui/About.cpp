// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"

#include "DialogParts.h"
#include "Deployment.h"
#include "ErrorReport.h"
#include "ModalDialog.h"
#include "Pictures.h"
#include "WebLinks.h"

#include <QKeyEvent>

TAboutBox* AboutBox = nullptr;

namespace {

using namespace quendrix;
using namespace quendrix::dialogs;

const QColor Black(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Purple(128, 0, 128);

// A label on the panel, bold "MS Sans Serif" 12 pixels unless told.
template <typename Label = QLabel>
Label* panelLabel(QWidget* panel, const char* name, const QString& caption, int left, int top,
                  int width, bool wrapping, const QColor& color = Black,
                  const QFont& font = labelFont()) {
    return placeLabel(new Label(panel), name, caption, left, top, font, color, width, wrapping);
}

} // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    // Single fixed border with system menu, minimise and maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setSizeGripEnabled(false);
    setFont(designFont("MS Sans Serif", 11, false));
    // The button face as the window's background (the background role stays
    // the window's, so the labels draw in their window-text colour).
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);

    const QString host = HomeHost();

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(10, 8, 809, 561);
    // A raised inner bevel inside a lowered outer one: an etched groove.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);

    ProductName = panelLabel(Panel1, "ProductName", QString(), 99, -36, 6, false, Black,
                             labelFont(16));
    ProductName->resize(6, 20);
    Comments = panelLabel(Panel1, "Comments",
                          QStringLiteral("E-mail : ") + text(deployment::MakerEmail) +
                              QStringLiteral("   "),
                          155, 109, 165, true);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(375, 575, 76, 25);
    OKButton->setAutoDefault(false);
    OKButton->setDefault(true);

    lbl1 = panelLabel(Panel1, "lbl1", QStringLiteral("Quendrix              "), 155, 32, 241,
                      false, Black, labelFont(16));
    img1 = pictures::makePicture(Panel1, "img1", pictures::Logo, {26, 20, 100, 100});
    lbl4 = panelLabel(Panel1, "lbl4", QStringLiteral("Developer :        "), 155, 90, 99, false);
    lbl6 = panelLabel<LinkLabel>(Panel1, "lbl6", HomePage(), 262, 155, 124, true);
    lbl7 = panelLabel(Panel1, "lbl7", text("Website (网站) : "), 155, 155, 97, true);
    lbl8 = panelLabel(Panel1, "lbl8", QStringLiteral("QQ : ") + text(deployment::MakerQQ), 155,
                      132, 87, false);
    lbl10 = panelLabel(Panel1, "lbl10", text("Donation (捐助) :    "), 155, 201, 106, true);
    lbl11 = panelLabel<LinkLabel>(Panel1, "lbl11", DonationPage(), 262, 201, 217, true);
    lbl3 = panelLabel(Panel1, "lbl3", QStringLiteral("Version: 1.0  "), 155, 67, 77, false);
    lbl12 = panelLabel(Panel1, "lbl12",
                       text("WeChat Subscription (微信订阅号): ") +
                           text(deployment::MakerWeChatAccount) + QString(22, u' '),
                       155, 224, 303, true);
    img2 = pictures::makePicture(Panel1, "img2", pictures::FollowCode, {227, 251, 185, 177},
                                 text("扫描二维码关注微信公众号"));
    img3 = pictures::makePicture(Panel1, "img3", pictures::Thanks, {155, 434, 246, 42});
    lbl9 = panelLabel<LinkLabel>(Panel1, "lbl9", host + QStringLiteral(" !!! "), 231, 487, 106,
                                 false, Purple);
    lbl5 = panelLabel(Panel1, "lbl5", text("欢迎关注：      "), 155, 487, 90, false, Purple);
    lbl13 = panelLabel(Panel1, "lbl13", text("软件盒子 :    "), 155, 178, 77, true);
    lbl14 = panelLabel<LinkLabel>(Panel1, "lbl14", SoftwareBoxPage(), 262, 178, 203, true);
    lbl17 = panelLabel(Panel1, "lbl17", text(deployment::MakerFullName), 227, 90, 180, false,
                       Navy);

    // The button is the only control that takes the focus.
    OKButton->setFocus(Qt::OtherFocusReason);

    connectHandler(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    connectHandler(lbl6, &LinkLabel::mouseLeft, this, &TAboutBox::lbl6MouseLeave);
    connectHandler(lbl6, &LinkLabel::mouseMoved, this, &TAboutBox::lbl6MouseMove);
    connectHandler(lbl6, &LinkLabel::clicked, this, &TAboutBox::lbl6Click);
    connectHandler(lbl9, &LinkLabel::mouseLeft, this, &TAboutBox::lbl9MouseLeave);
    connectHandler(lbl9, &LinkLabel::mouseMoved, this, &TAboutBox::lbl9MouseMove);
    connectHandler(lbl9, &LinkLabel::clicked, this, &TAboutBox::lbl9Click);
    connectHandler(lbl11, &LinkLabel::clicked, this, &TAboutBox::lbl11Click);
    connectHandler(lbl11, &LinkLabel::mouseLeft, this, &TAboutBox::lbl11MouseLeave);
    connectHandler(lbl11, &LinkLabel::mouseMoved, this, &TAboutBox::lbl11MouseMove);
    connectHandler(lbl14, &LinkLabel::clicked, this, &TAboutBox::lbl14Click);
    connectHandler(lbl14, &LinkLabel::mouseLeft, this, &TAboutBox::lbl14MouseLeave);
    connectHandler(lbl14, &LinkLabel::mouseMoved, this, &TAboutBox::lbl14MouseMove);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutBox::OKButtonClick(QObject*) {
    close();
}

void TAboutBox::lbl6MouseLeave(QObject*) {
    ShowLinkNormal(lbl6, Black);
}

void TAboutBox::lbl6MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {
    ShowLinkHover(lbl6);
}

void TAboutBox::lbl6Click(QObject*) {
    // The label shows the full address; the host name alone is opened.
    OpenWebPage(this, HomeHost());
}

void TAboutBox::lbl9MouseLeave(QObject*) {
    ShowLinkNormal(lbl9, Purple);
}

void TAboutBox::lbl9MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {
    ShowLinkHover(lbl9);
}

void TAboutBox::lbl9Click(QObject*) {
    OpenWebPage(this, HomeHost());
}

void TAboutBox::lbl11Click(QObject*) {
    OpenWebPage(this, DonationPage());
}

void TAboutBox::lbl11MouseLeave(QObject*) {
    ShowLinkNormal(lbl11, Black);
}

void TAboutBox::lbl11MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {
    ShowLinkHover(lbl11);
}

void TAboutBox::lbl14Click(QObject*) {
    OpenWebPage(this, SoftwareBoxPage());
}

void TAboutBox::lbl14MouseLeave(QObject*) {
    ShowLinkNormal(lbl14, Black);
}

void TAboutBox::lbl14MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {
    ShowLinkHover(lbl14);
}

void ShowAbout(QWidget* owner) {
    quendrix::showInSlot(AboutBox, owner);
}
