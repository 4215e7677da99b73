// SPDX-License-Identifier: GPL-3.0-or-later
#include "Deployment.h"
#include "DialogParts.h"
#include "LinkRecorder.h"
#include "WebLinks.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

#include <gtest/gtest.h>

namespace quendrix {
namespace {

// Takes the place of the user's browser for the https scheme: the real road
// through QDesktopServices::openUrl, ending here instead of in a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

TEST(OpenWebPage, HandsTheDesktopAnHttpsAddressAndHostNamesGetTheScheme) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    {
        // A recorder first, then the default road back: setWebShell({})
        // must restore the desktop.
        testing::LinkRecorder recorder;
        OpenWebPage(nullptr, deployment::HomePage);
        EXPECT_TRUE(catcher.urls.empty());
    }
    setWebShell({});

    struct Case {
        const char* address;
        const char* handedOn;
    };
    const Case cases[] = {
        {deployment::HomeHost, "https://www.quendrix.example"},
        {deployment::HomePage, deployment::HomePage},
        {deployment::SoftwareBoxPage, deployment::SoftwareBoxPage},
        {deployment::DonationPage, deployment::DonationPage},
        {"www.quendrix.example/softbox/", "https://www.quendrix.example/softbox/"},
        {"http://plain.example/", "http://plain.example/"},
    };
    for (const Case& c : cases) {
        catcher.urls.clear();
        OpenWebPage(nullptr, c.address);
        ASSERT_EQ(catcher.urls.size(), 1u) << c.address;
        EXPECT_EQ(catcher.urls.front(), QUrl(QString::fromLatin1(c.handedOn))) << c.address;
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

TEST(OpenWebPage, PlaceholderAddressesAreHttpsUnderTheReservedDomain) {
    for (const char* address :
         {deployment::HomePage, deployment::SoftwareBoxPage, deployment::DonationPage}) {
        const QUrl url(QString::fromLatin1(address));
        EXPECT_EQ(url.scheme(), QStringLiteral("https")) << address;
        EXPECT_EQ(url.host(), QString::fromLatin1(deployment::HomeHost)) << address;
    }
    EXPECT_TRUE(QString::fromLatin1(deployment::HomeHost).endsWith(QStringLiteral(".example")));
}

void expectLook(const QWidget& control, const QColor& colour, bool underline,
                const QFont& design) {
    EXPECT_EQ(fontColour(control), colour);
    const QFont font = control.font();
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_EQ(font.underline(), underline);
    EXPECT_FALSE(font.italic());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_EQ(font.family(), design.family());
    EXPECT_EQ(font.pixelSize(), design.pixelSize());
}

TEST(LinkStyle, HoverAndNormalReplaceTheStyleAndKeepFaceAndSize) {
    QLabel label(QStringLiteral("link"));
    QFont start = designFont(QStringLiteral("MS Sans Serif"), 12, false);
    start.setItalic(true);
    start.setStrikeOut(true);
    start.setUnderline(true);
    label.setFont(start);
    setFontColour(label, Qt::red);

    ShowLinkHover(label);
    expectLook(label, QColor(0, 0, 255), true, start);
    ShowLinkHover(label);
    expectLook(label, QColor(0, 0, 255), true, start);

    label.setFont(start); // leaving must not keep what was there either
    ShowLinkNormal(label, linkPurpleColour());
    expectLook(label, QColor(128, 0, 128), false, start);
    ShowLinkNormal(label, linkNormalColour());
    expectLook(label, QColor(0, 0, 0), false, start);
}

} // namespace
} // namespace quendrix

#include "WebLinksTest.moc"
