// SPDX-License-Identifier: GPL-3.0-or-later
// The web links: the address handed to the desktop, the real hand-over
// through QDesktopServices, the two link styles, and the main window's Help
// menu links and status-bar link.
#include "Deployment.h"
#include "ErrorReport.h"
#include "LinkTestSupport.h"
#include "StatusBar.h"
#include "Unit1.h"
#include "UiTestSupport.h"
#include "WebLinks.h"

#include <QDesktopServices>
#include <QLabel>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace quendrix;
using quendrix::test::ErrorCapture;
using quendrix::test::LinkLook;
using quendrix::test::PageRecorder;

TEST(WebLinks, EndpointsAreTheDeploymentsAndTheHostIsTheHomePagesHost) {
    EXPECT_EQ(HomePage(), QString::fromLatin1(deployment::HomePage));
    EXPECT_EQ(SoftwareBoxPage(), QString::fromLatin1(deployment::SoftwareBoxPage));
    EXPECT_EQ(DonationPage(), QString::fromLatin1(deployment::DonationPage));
    EXPECT_EQ(HomeHost(), QString::fromLatin1(deployment::HomeHost));
    const QUrl home(HomePage());
    EXPECT_EQ(home.scheme(), "https");
    EXPECT_EQ(home.host(), HomeHost());
    for (const QString& page : {SoftwareBoxPage(), DonationPage()}) {
        EXPECT_EQ(QUrl(page).scheme(), "https") << page.toStdString();
        EXPECT_EQ(QUrl(page).host(), HomeHost()) << page.toStdString();
    }
}

TEST(WebLinks, AnAddressWithoutSchemeGetsHttps) {
    struct Case {
        const char* address;
        const char* handedOn;
    };
    const Case cases[] = {
        {"quendrix.example", "https://quendrix.example"},
        {"www.quendrix.example/softbox/", "https://www.quendrix.example/softbox/"},
        {"quendrix.example:8080", "https://quendrix.example:8080"},
        {"quendrix.example:8080/donate/", "https://quendrix.example:8080/donate/"},
        {"https://quendrix.example/", "https://quendrix.example/"},
        {"http://quendrix.example/", "http://quendrix.example/"},
        {"HTTPS://quendrix.example/", "https://quendrix.example/"},
        {"mailto:mail@qx.example", "mailto:mail@qx.example"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(webAddress(QString::fromLatin1(c.address)), QUrl(QString::fromLatin1(c.handedOn)))
            << c.address;
}

TEST(WebLinks, OpenWebPageHandsTheRequestToTheOpener) {
    const PageRecorder recorder;
    QWidget window;
    OpenWebPage(&window, HomeHost());
    ASSERT_EQ(recorder.requests().size(), 1);
    const WebPageRequest& r = recorder.requests().front();
    EXPECT_EQ(r.window, &window);
    EXPECT_EQ(r.address, HomeHost());
    EXPECT_EQ(r.url, QUrl(QStringLiteral("https://") + HomeHost()));
}

// Stands in for the desktop's handler of https addresses.
class UrlSink : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

TEST(WebLinks, TheRealOpenerHandsTheAddressToQDesktopServices) {
    // No recorder: OpenWebPage goes through QDesktopServices::openUrl, whose
    // https handler is ours for the test, so no browser starts.
    UrlSink sink;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &sink, "open");
    OpenWebPage(nullptr, HomeHost());
    OpenWebPage(nullptr, DonationPage());
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(sink.urls.size(), 2);
    EXPECT_EQ(sink.urls[0], QUrl(QStringLiteral("https://") + HomeHost()));
    EXPECT_EQ(sink.urls[1], QUrl(DonationPage()));
}

TEST(WebLinks, StylesReplaceTheFontStyleAndKeepFaceAndSize) {
    QLabel label;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(12);
    font.setItalic(true);
    font.setStrikeOut(true);
    font.setUnderline(false);
    label.setFont(font);

    ShowLinkHover(&label);
    EXPECT_EQ(test::lookOf(&label), test::hoverLook("MS Sans Serif", 12));
    ShowLinkNormal(&label, QColor(128, 0, 128));
    EXPECT_EQ(test::lookOf(&label), test::normalLook(QColor(128, 0, 128), "MS Sans Serif", 12));

    // Normal from a plain italic font: bold alone, nothing kept.
    label.setFont(font);
    ShowLinkNormal(&label, Qt::black);
    EXPECT_EQ(test::lookOf(&label), test::normalLook(Qt::black, "MS Sans Serif", 12));
}

class MainWindowLinks : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        Form1 = form.get();
    }
    void TearDown() override {
        Form1 = nullptr;
        form.reset();
    }

    PageRecorder recorder;
    ErrorCapture errors;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowLinks, EveryLinkCommandOpensExactlyItsAddress) {
    struct Case {
        const char* what;
        std::function<void()> run;
        QString address;
    };
    const QString https = QStringLiteral("https://");
    const Case cases[] = {
        {"mniVisitSite", [&] { form->mniVisitSite->trigger(); }, HomePage()},
        {"mniHowtouse1", [&] { form->mniHowtouse1->trigger(); }, HomePage()},
        {"mniSoftwareBox", [&] { form->mniSoftwareBox->trigger(); }, SoftwareBoxPage()},
        {"rzfldsts2", [&] { test::click(form->rzfldsts2); }, HomeHost()},
    };
    for (const Case& c : cases) {
        recorder.clear();
        c.run();
        ASSERT_EQ(recorder.requests().size(), 1) << c.what;
        const WebPageRequest& r = recorder.requests().front();
        EXPECT_EQ(r.window, form.get()) << c.what;
        EXPECT_EQ(r.address, c.address) << c.what;
        EXPECT_EQ(r.url, QUrl(c.address.startsWith(https) ? c.address : https + c.address))
            << c.what;
    }
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST_F(MainWindowLinks, StatusBarLinkTurnsBlueUnderlinedUnderThePointerAndBackWhenLeft) {
    StatusPane* pane = form->rzfldsts2;
    const LinkLook normal = test::normalLook(Qt::black, "MS Sans Serif", 11);
    const LinkLook hover = test::hoverLook("MS Sans Serif", 11);
    EXPECT_EQ(test::lookOf(pane), normal); // the design font is the normal style

    test::moveOver(pane, {2, 2});
    EXPECT_EQ(test::lookOf(pane), hover);
    EXPECT_TRUE(test::drawnIn(pane, QColor(0, 0, 255)));
    for (int x = 3; x < 60; x += 7)
        test::moveOver(pane, {x, 5});
    EXPECT_EQ(test::lookOf(pane), hover);

    test::click(pane); // a click changes no style
    EXPECT_EQ(test::lookOf(pane), hover);
    EXPECT_EQ(recorder.requests().size(), 1);

    test::leave(pane);
    EXPECT_EQ(test::lookOf(pane), normal);
    test::leave(pane);
    EXPECT_EQ(test::lookOf(pane), normal);
    // The other panes never change.
    EXPECT_FALSE(form->rzfldsts1->font().underline());
    EXPECT_EQ(form->rzfldsts1->fontColor(), form->palette().color(QPalette::WindowText));
}

TEST_F(MainWindowLinks, ABrowserThatCannotOpenChangesNothingAndReportsNothing) {
    // The real opener with an https handler that does nothing, the way a
    // desktop without a browser answers.
    setWebPageOpener({});
    UrlSink sink;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &sink, "no such slot");
    form->mniVisitSite->trigger();
    test::click(form->rzfldsts2);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_TRUE(errors.messages().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(test::lookOf(form->rzfldsts2), test::normalLook(Qt::black, "MS Sans Serif", 11));
}

TEST_F(MainWindowLinks, TheWindowCarriesTheApplicationIcon) {
    const QList<QSize> sizes = form->windowIcon().availableSizes();
    for (const int s : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
}

} // namespace

#include "WebLinksTest.moc"
