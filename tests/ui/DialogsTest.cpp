// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"
#include "Deployment.h"
#include "DialogParts.h"
#include "DonationForm.h"
#include "EventLabel.h"
#include "LinkRecorder.h"
#include "ModalShow.h"
#include "WebLinks.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

namespace quendrix {
namespace {

// The offscreen platform's own screen is 800 × 800, too small to centre the
// About dialog on a full-sized main window; these tests use a desktop-sized
// one. Set before main() builds the application.
const bool largeScreen = [] {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUENDRIX_TEST_SCREEN);
    return true;
}();

// Puts a runner in place for one test and restores the default afterwards.
class RunnerScope {
public:
    explicit RunnerScope(ModalRunner runner) : previous_(setModalRunner(std::move(runner))) {}
    ~RunnerScope() { setModalRunner(std::move(previous_)); }

private:
    ModalRunner previous_;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.setGeometry(100, 80, 1173, 555);
        owner.show();
    }
    QWidget owner;
};

// One information dialog, seen through what the tests need of it.
struct DialogKind {
    const char* name;
    std::function<void(QWidget*)> show;
    std::function<QDialog*()> slot;
};

const DialogKind Kinds[] = {
    {"About", ShowAbout, [] { return static_cast<QDialog*>(AboutBox); }},
    {"Donation", ShowDonation, [] { return static_cast<QDialog*>(DonationBox); }},
};

TEST_F(DialogTest, EveryShowingBuildsAFreshDialogAndEmptiesTheSlotAfterwards) {
    for (const DialogKind& kind : Kinds) {
        SCOPED_TRACE(kind.name);
        std::vector<QPointer<QDialog>> seen;
        RunnerScope runner([&](QDialog& dialog) {
            EXPECT_EQ(kind.slot(), &dialog);
            EXPECT_EQ(dialog.parentWidget(), &owner);
            for (const auto& earlier : seen)
                EXPECT_TRUE(earlier.isNull()); // the earlier dialog is gone
            seen.emplace_back(&dialog);
        });
        EXPECT_EQ(kind.slot(), nullptr);
        kind.show(&owner);
        EXPECT_EQ(kind.slot(), nullptr);
        kind.show(&owner);
        EXPECT_EQ(kind.slot(), nullptr);
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_TRUE(seen[0].isNull());
        EXPECT_TRUE(seen[1].isNull());
    }
}

TEST_F(DialogTest, AFailingShowFreesTheDialogAndEmptiesTheSlot) {
    for (const DialogKind& kind : Kinds) {
        SCOPED_TRACE(kind.name);
        QPointer<QDialog> built;
        {
            RunnerScope runner([&](QDialog& dialog) {
                built = &dialog;
                throw std::runtime_error("cannot show");
            });
            EXPECT_THROW(kind.show(&owner), std::runtime_error);
        }
        EXPECT_EQ(kind.slot(), nullptr);
        EXPECT_TRUE(built.isNull());
        EXPECT_TRUE(owner.findChildren<QDialog*>().isEmpty());

        bool shownAgain = false;
        RunnerScope runner([&](QDialog&) { shownAgain = true; });
        kind.show(&owner);
        EXPECT_TRUE(shownAgain);
    }
}

void moveOver(QWidget& widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget.mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

void leave(QWidget& widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&widget, &event);
}

void expectStyle(const QWidget& link, const QColor& colour, bool underline) {
    EXPECT_EQ(fontColour(link), colour);
    EXPECT_TRUE(link.font().bold());
    EXPECT_EQ(link.font().underline(), underline);
    EXPECT_FALSE(link.font().italic());
    EXPECT_FALSE(link.font().strikeOut());
    EXPECT_EQ(link.font().pixelSize(), 12);
}

struct LinkCase {
    const DialogKind* kind;
    const char* control;
    const char* shown;  // the text the label shows
    const char* opened; // the address its click hands on
    QColor normal;
};

TEST_F(DialogTest, LinksOpenTheirAddressAndFollowThePointer) {
    const QColor black(0, 0, 0), purple(128, 0, 128), blue(0, 0, 255);
    const std::string homeWithBlanks = std::string(deployment::HomeHost) + " !!! ";
    const LinkCase cases[] = {
        {&Kinds[0], "lbl6", deployment::HomePage, deployment::HomeHost, black},
        {&Kinds[0], "lbl9", homeWithBlanks.c_str(), deployment::HomeHost, purple},
        {&Kinds[0], "lbl14", deployment::SoftwareBoxPage, deployment::SoftwareBoxPage, black},
        {&Kinds[0], "lbl11", deployment::DonationPage, deployment::DonationPage, black},
        {&Kinds[1], "lbl11", deployment::DonationPage, deployment::DonationPage, black},
    };
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(std::string(c.kind->name) + " " + c.control);
        testing::LinkRecorder recorder;
        RunnerScope runner([&](QDialog& dialog) {
            dialog.show();
            auto* link = dialog.findChild<EventLabel*>(QLatin1StringView(c.control));
            ASSERT_NE(link, nullptr);
            EXPECT_EQ(link->text(), QString::fromUtf8(c.shown));
            expectStyle(*link, c.normal, false);
            EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);
            EXPECT_TRUE(link->toolTip().isEmpty());

            moveOver(*link);
            expectStyle(*link, blue, true);
            moveOver(*link);
            expectStyle(*link, blue, true);
            EXPECT_TRUE(recorder.opened.empty()); // moving opens nothing

            QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
            expectStyle(*link, blue, true); // a click changes no style
            ASSERT_EQ(recorder.opened.size(), 1u);
            EXPECT_EQ(recorder.opened[0].address, c.opened);
            EXPECT_EQ(recorder.opened[0].window, &dialog);

            leave(*link);
            expectStyle(*link, c.normal, false);
            dialog.close();
        });
        c.kind->show(&owner);
    }
}

TEST_F(DialogTest, ALinkLeftInHoverIsNormalAtTheNextShowing) {
    for (const DialogKind& kind : Kinds) {
        SCOPED_TRACE(kind.name);
        int showing = 0;
        RunnerScope runner([&](QDialog& dialog) {
            auto* link = dialog.findChild<EventLabel*>(QStringLiteral("lbl11"));
            ASSERT_NE(link, nullptr);
            if (showing++ == 0)
                moveOver(*link); // closed with the pointer still on it
            else
                expectStyle(*link, QColor(0, 0, 0), false);
        });
        kind.show(&owner);
        kind.show(&owner);
        EXPECT_EQ(showing, 2);
    }
}

// Centred on its owner, pushed back onto the screen where it would stick out.
void expectCentredOn(const QWidget& dialog, const QWidget& owner) {
    QRect expected = dialog.frameGeometry();
    expected.moveCenter(owner.frameGeometry().center());
    const QRect desk = owner.screen()->availableGeometry();
    expected.moveLeft(std::max(desk.left(), std::min(expected.left(), desk.right() - expected.width() + 1)));
    expected.moveTop(std::max(desk.top(), std::min(expected.top(), desk.bottom() - expected.height() + 1)));
    EXPECT_LE((dialog.frameGeometry().topLeft() - expected.topLeft()).manhattanLength(), 2)
        << "at " << dialog.x() << "," << dialog.y() << ", expected " << expected.x() << ","
        << expected.y();
    EXPECT_EQ(owner.screen()->availableGeometry().width(), 1920);
}

// Runs the real modal showing; `whileShowing` is called once the dialog is up
// and must close it. A watchdog ends a showing that would hang the test.
void showForReal(const std::function<void(QWidget*)>& show, QWidget* owner,
                 const std::function<QDialog*()>& slot,
                 const std::function<void(QDialog&)>& whileShowing) {
    bool watchdogFired = false;
    QTimer::singleShot(0, [&] {
        ASSERT_NE(slot(), nullptr);
        whileShowing(*slot());
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        watchdogFired = true;
        if (QDialog* open = slot())
            open->done(0);
    });
    watchdog.start(5000);
    show(owner);
    EXPECT_FALSE(watchdogFired) << "the dialog did not close";
}

TEST_F(DialogTest, EnterClosesTheAboutDialogAndEscapeDoesNot) {
    showForReal(ShowAbout, &owner, Kinds[0].slot, [&](QDialog& dialog) {
        auto* box = qobject_cast<TAboutBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isModal());
        EXPECT_EQ(box->focusWidget(), box->OKButton);
        EXPECT_TRUE(box->OKButton->isDefault());
        expectCentredOn(*box, owner);
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_TRUE(box->isVisible());
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(AboutBox, nullptr);
}

TEST_F(DialogTest, CloseEndsTheDonationDialogWhichOpensWithItsFocus) {
    showForReal(ShowDonation, &owner, Kinds[1].slot, [&](QDialog& dialog) {
        auto* box = qobject_cast<TDonationBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->focusWidget(), box->btn1);
        expectCentredOn(*box, owner);
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_TRUE(box->isVisible());
        QTest::mouseClick(box->btn1, Qt::LeftButton);
    });
    EXPECT_EQ(DonationBox, nullptr);
}

TEST_F(DialogTest, WindowsHaveTheirCaptionButtonsAndCannotBeResized) {
    TAboutBox about(&owner);
    TDonationBox donation(&owner);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(donation.windowTitle(), QStringLiteral("Donation (捐助)"));
    EXPECT_EQ(about.minimumSize(), QSize(827, 606));
    EXPECT_EQ(about.maximumSize(), QSize(827, 606));
    EXPECT_EQ(donation.minimumSize(), QSize(651, 463));
    EXPECT_EQ(donation.maximumSize(), QSize(651, 463));

    const Qt::WindowFlags a = about.windowFlags(), d = donation.windowFlags();
    EXPECT_TRUE(a.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(a.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(a.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(a.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(d.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(d.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(d.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(d.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(d.testFlag(Qt::WindowContextHelpButtonHint));
}

// The PNG header: 8 bits a channel, colour type 6 (RGBA), no interlacing.
void expectRgba8NotInterlaced(const QString& resource) {
    QFile file(resource);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << resource.toStdString();
    const QByteArray head = file.read(29);
    ASSERT_EQ(head.size(), 29);
    EXPECT_EQ(head.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(head.mid(12, 4), QByteArray("IHDR"));
    EXPECT_EQ(int(head[24]), 8) << "bit depth";
    EXPECT_EQ(int(head[25]), 6) << "colour type";
    EXPECT_EQ(int(head[28]), 0) << "interlace";
}

TEST_F(DialogTest, PicturesLoadAtTheirSizeAndFillTheirBoxes) {
    struct Picture {
        int dialog; // 0 About, 1 donation
        const char* control;
        const char* resource;
        QSize size;
        QRect box;
        QString hint;
    };
    const QString donationHint = QString::fromUtf8(deployment::DonationHint);
    const Picture pictures[] = {
        {0, "img1", ":/about/logo.png", {128, 128}, {26, 20, 100, 100}, {}},
        {0, "img2", ":/about/qr-follow.png", {395, 396}, {227, 251, 185, 177},
         QStringLiteral("扫描二维码关注微信公众号")},
        {0, "img3", ":/about/thanks.png", {993, 193}, {155, 434, 246, 42}, {}},
        {1, "img2", ":/donation/alipay.png", {370, 130}, {81, 13, 162, 57}, {}},
        {1, "img4", ":/donation/wechatpay.png", {609, 188}, {396, 13, 177, 57}, {}},
        {1, "img1", ":/donation/qr-alipay.png", {464, 464}, {1, 1, 298, 298}, donationHint},
        {1, "img3", ":/donation/qr-wechatpay.png", {677, 683}, {1, 1, 298, 298}, donationHint},
    };
    TAboutBox about(&owner);
    TDonationBox donation(&owner);
    for (const Picture& p : pictures) {
        SCOPED_TRACE(p.control);
        const QString resource = QString::fromLatin1(p.resource);
        QImageReader reader(resource);
        EXPECT_EQ(reader.format(), QByteArray("png"));
        EXPECT_EQ(reader.size(), p.size);
        expectRgba8NotInterlaced(resource);

        QDialog& dialog = p.dialog == 0 ? static_cast<QDialog&>(about) : donation;
        auto* label = dialog.findChild<QLabel*>(QLatin1StringView(p.control));
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->hasScaledContents());
        EXPECT_EQ(label->pixmap().size(), p.size);
        EXPECT_EQ(label->geometry(), p.box);
        EXPECT_EQ(label->toolTip(), p.hint);
    }
    // The QR codes of the donation dialog fill their panels inside the bevel.
    EXPECT_EQ(donation.pnl1->geometry(), QRect(20, 80, 300, 300));
    EXPECT_EQ(donation.img1->parentWidget(), donation.pnl1);
    EXPECT_EQ(donation.pnl2->geometry(), QRect(341, 80, 300, 300));
    EXPECT_EQ(donation.img3->parentWidget(), donation.pnl2);

    const QIcon icon = applicationIcon();
    for (const int s : {16, 24, 32, 48, 64, 128, 256}) {
        const QString resource = QStringLiteral(":/icons/quendrix-%1.png").arg(s);
        EXPECT_EQ(QImageReader(resource).size(), QSize(s, s));
        expectRgba8NotInterlaced(resource);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(s, s)));
    }
}

} // namespace
} // namespace quendrix
