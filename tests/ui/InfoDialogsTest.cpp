// SPDX-License-Identifier: GPL-3.0-or-later
// The About and donation dialogs: their design, pictures and links, and how
// they are built, shown modally, freed and their slots emptied.
#include "About.h"
#include "Deployment.h"
#include "DonationForm.h"
#include "Errors.h"
#include "ErrorReport.h"
#include "LinkTestSupport.h"
#include "ModalDialog.h"
#include "Pictures.h"
#include "Unit1.h"
#include "UiTestSupport.h"
#include "WebLinks.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ')';
}
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << "QSize(" << s.width() << " x " << s.height() << ')';
}
QT_END_NAMESPACE

namespace {

using namespace quendrix;
using quendrix::test::ErrorCapture;
using quendrix::test::PageRecorder;

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

const QColor Black(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Purple(128, 0, 128);

// Replaces the modal runner for the life of the object.
class RunnerOverride {
public:
    explicit RunnerOverride(ModalRunner runner) : previous_(setModalRunner(std::move(runner))) {}
    ~RunnerOverride() { setModalRunner(std::move(previous_)); }
    RunnerOverride(const RunnerOverride&) = delete;
    RunnerOverride& operator=(const RunnerOverride&) = delete;

private:
    ModalRunner previous_;
};

// -- design ---------------------------------------------------------------

struct LabelDesign {
    QLabel* label;
    const char* name;
    QPoint place;
    QString text;
    int pixelSize;
    QColor color;
    bool wrapping;
};

void expectLabels(const std::vector<LabelDesign>& labels) {
    for (const LabelDesign& d : labels) {
        SCOPED_TRACE(d.name);
        EXPECT_EQ(d.label->objectName(), d.name);
        EXPECT_EQ(d.label->pos(), d.place);
        EXPECT_EQ(d.label->text(), d.text);
        EXPECT_EQ(d.label->font().family(), "MS Sans Serif");
        EXPECT_EQ(d.label->font().pixelSize(), d.pixelSize);
        EXPECT_TRUE(d.label->font().bold());
        EXPECT_FALSE(d.label->font().underline());
        EXPECT_EQ(fontColor(d.label), d.color);
        if (!d.text.trimmed().isEmpty()) {
            EXPECT_TRUE(test::drawnIn(d.label, d.color));
        }
        EXPECT_EQ(d.label->wordWrap(), d.wrapping);
        EXPECT_EQ(d.label->textFormat(), Qt::PlainText);
        EXPECT_EQ(d.label->focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(d.label->toolTip().isEmpty());
    }
}

TEST(AboutBoxDesign, WindowPanelAndButton) {
    TAboutBox box(nullptr);
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.size(), QSize(827, 606));
    EXPECT_EQ(box.minimumSize(), QSize(827, 606));
    EXPECT_EQ(box.maximumSize(), QSize(827, 606));
    EXPECT_FALSE(box.isSizeGripEnabled());
    const Qt::WindowFlags flags = box.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(box.font().family(), "MS Sans Serif");
    EXPECT_EQ(box.font().pixelSize(), 11);
    EXPECT_FALSE(box.font().bold());

    EXPECT_EQ(box.Panel1->parentWidget(), &box);
    EXPECT_EQ(box.Panel1->geometry(), QRect(10, 8, 809, 561));
    // Lowered outer bevel around a raised inner one, a pixel each.
    EXPECT_EQ(box.Panel1->frameShape(), QFrame::Box);
    EXPECT_EQ(box.Panel1->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(box.Panel1->frameWidth(), 2);

    EXPECT_EQ(box.OKButton->parentWidget(), &box);
    EXPECT_EQ(box.OKButton->geometry(), QRect(375, 575, 76, 25));
    EXPECT_EQ(box.OKButton->text(), "OK");
    EXPECT_EQ(box.OKButton->font(), box.font());
    EXPECT_TRUE(box.OKButton->isDefault());
    // The button is the only control that takes the focus.
    for (const QWidget* w : box.findChildren<QWidget*>())
        if (w != box.OKButton) {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
        }
    for (QWidget* w : box.Panel1->findChildren<QWidget*>())
        EXPECT_EQ(w->parentWidget(), box.Panel1) << w->objectName().toStdString();
}

TEST(AboutBoxDesign, LabelsTextsFontsAndColours) {
    TAboutBox box(nullptr);
    const QString host = HomeHost();
    expectLabels({
        {box.lbl1, "lbl1", {155, 32}, u8("Quendrix              "), 16, Black, false},
        {box.lbl3, "lbl3", {155, 67}, u8("Version: 1.0  "), 12, Black, false},
        {box.lbl4, "lbl4", {155, 90}, u8("Developer :        "), 12, Black, false},
        {box.lbl17, "lbl17", {227, 90}, u8(deployment::MakerFullName), 12, Navy, false},
        {box.Comments, "Comments", {155, 109},
         u8("E-mail : ") + u8(deployment::MakerEmail) + u8("   "), 12, Black, true},
        {box.lbl8, "lbl8", {155, 132}, u8("QQ : ") + u8(deployment::MakerQQ), 12, Black, false},
        {box.lbl7, "lbl7", {155, 155}, u8("Website (网站) : "), 12, Black, true},
        {box.lbl6, "lbl6", {262, 155}, HomePage(), 12, Black, true},
        {box.lbl13, "lbl13", {155, 178}, u8("软件盒子 :    "), 12, Black, true},
        {box.lbl14, "lbl14", {262, 178}, SoftwareBoxPage(), 12, Black, true},
        {box.lbl10, "lbl10", {155, 201}, u8("Donation (捐助) :    "), 12, Black, true},
        {box.lbl11, "lbl11", {262, 201}, DonationPage(), 12, Black, true},
        {box.lbl12, "lbl12", {155, 224},
         u8("WeChat Subscription (微信订阅号): ") + u8(deployment::MakerWeChatAccount) +
             QString(22, u' '),
         12, Black, true},
        {box.lbl5, "lbl5", {155, 487}, u8("欢迎关注：      "), 12, Purple, false},
        {box.lbl9, "lbl9", {231, 487}, host + u8(" !!! "), 12, Purple, false},
        {box.ProductName, "ProductName", {99, -36}, QString(), 16, Black, false},
    });
    EXPECT_EQ(box.ProductName->size(), QSize(6, 20));
    // A wrapping label keeps at least its design width; a long address
    // widens it instead of being broken inside.
    EXPECT_GE(box.lbl6->width(), 124);
    EXPECT_EQ(box.lbl6->height(), box.lbl6->heightForWidth(box.lbl6->width()));
    EXPECT_LT(box.lbl6->height(), 2 * QFontMetrics(box.lbl6->font()).lineSpacing());
}

TEST(DonationBoxDesign, WindowPanelsButtonAndLabels) {
    TDonationBox box(nullptr);
    EXPECT_EQ(box.windowTitle(), u8("Donation (捐助)"));
    EXPECT_EQ(box.size(), QSize(651, 463));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    const Qt::WindowFlags flags = box.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    EXPECT_EQ(box.font().family(), "Tahoma");
    EXPECT_EQ(box.font().pixelSize(), 11);

    for (QFrame* panel : {box.pnl1, box.pnl2}) {
        EXPECT_EQ(panel->frameShape(), QFrame::Panel);
        EXPECT_EQ(panel->frameShadow(), QFrame::Raised);
        EXPECT_EQ(panel->frameWidth(), 1);
        EXPECT_EQ(panel->size(), QSize(300, 300));
    }
    EXPECT_EQ(box.pnl1->pos(), QPoint(20, 80));
    EXPECT_EQ(box.pnl2->pos(), QPoint(341, 80));
    EXPECT_EQ(box.img1->parentWidget(), box.pnl1);
    EXPECT_EQ(box.img3->parentWidget(), box.pnl2);
    EXPECT_EQ(box.img1->geometry(), box.pnl1->contentsRect());
    EXPECT_EQ(box.img3->geometry(), box.pnl2->contentsRect());

    EXPECT_EQ(box.btn1->geometry(), QRect(288, 426, 75, 25));
    EXPECT_EQ(box.btn1->text(), "Close");
    EXPECT_EQ(box.btn1->font(), box.font());
    EXPECT_FALSE(box.btn1->isDefault());
    EXPECT_FALSE(box.btn1->autoDefault());
    for (const QWidget* w : box.findChildren<QWidget*>())
        if (w != box.btn1) {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
        }

    expectLabels({
        {box.lbl10, "lbl10", {21, 389}, u8("Donation (捐助) :    "), 12, Black, true},
        {box.lbl11, "lbl11", {21, 407}, DonationPage(), 12, Black, true},
    });
}

// -- pictures -------------------------------------------------------------

struct PictureDesign {
    const char* name;
    const char* resource;
    QSize picture;
    QRect box;
    QString hint;
};

// The mean colour of each cell of a grid over an image, over the given
// background.
std::vector<QColor> cellMeans(const QImage& source, const QColor& background, int cells) {
    QImage image(source.size(), QImage::Format_RGB32);
    image.fill(background);
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, source);
    }
    std::vector<QColor> means;
    for (int cy = 0; cy < cells; ++cy)
        for (int cx = 0; cx < cells; ++cx) {
            const int x0 = cx * image.width() / cells, x1 = (cx + 1) * image.width() / cells;
            const int y0 = cy * image.height() / cells, y1 = (cy + 1) * image.height() / cells;
            long r = 0, g = 0, b = 0, n = 0;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    const QRgb p = image.pixel(x, y);
                    r += qRed(p);
                    g += qGreen(p);
                    b += qBlue(p);
                    ++n;
                }
            means.emplace_back(int(r / n), int(g / n), int(b / n));
        }
    return means;
}

// The resource's own PNG header: 8 bits a channel, RGBA, not interlaced.
void expectRgbaPng(const char* resource) {
    QFile file(QString::fromLatin1(resource));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << resource;
    const QByteArray head = file.read(29);
    ASSERT_EQ(head.size(), 29);
    EXPECT_EQ(head.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(head.mid(12, 4), "IHDR");
    EXPECT_EQ(int(head[24]), 8) << "bit depth";
    EXPECT_EQ(int(head[25]), 6) << "colour type (RGBA)";
    EXPECT_EQ(int(head[28]), 0) << "interlace method";
}

void expectPictures(QDialog& dialog, const std::vector<PictureDesign>& pictures) {
    dialog.ensurePolished();
    for (const PictureDesign& d : pictures) {
        SCOPED_TRACE(d.name);
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(d.name));
        ASSERT_NE(label, nullptr);
        expectRgbaPng(d.resource);
        const QImage source(QString::fromLatin1(d.resource));
        ASSERT_FALSE(source.isNull());
        EXPECT_EQ(source.size(), d.picture);
        EXPECT_TRUE(source.hasAlphaChannel());
        EXPECT_EQ(label->pixmap().size(), d.picture);
        EXPECT_EQ(label->geometry(), d.box);
        EXPECT_TRUE(label->hasScaledContents());
        EXPECT_EQ(label->toolTip(), d.hint);

        // Drawn, the picture fills its box stretched: every cell of the box
        // shows the matching cell of the picture.
        const QColor background = label->palette().color(label->backgroundRole());
        const QImage shown = label->grab().toImage();
        ASSERT_EQ(shown.size(), d.box.size());
        const QImage stretched =
            source.scaled(d.box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const auto got = cellMeans(shown, background, 6);
        const auto want = cellMeans(stretched, background, 6);
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i].red(), want[i].red(), 12) << "cell " << i;
            EXPECT_NEAR(got[i].green(), want[i].green(), 12) << "cell " << i;
            EXPECT_NEAR(got[i].blue(), want[i].blue(), 12) << "cell " << i;
        }
    }
}

TEST(Pictures, AboutPicturesLoadWithTheirSizesAndFillTheirBoxes) {
    TAboutBox box(nullptr);
    expectPictures(box, {
        {"img1", pictures::Logo, {128, 128}, {26, 20, 100, 100}, {}},
        {"img2", pictures::FollowCode, {395, 396}, {227, 251, 185, 177},
         u8("扫描二维码关注微信公众号")},
        {"img3", pictures::Thanks, {993, 193}, {155, 434, 246, 42}, {}},
    });
}

TEST(Pictures, DonationPicturesLoadWithTheirSizesAndFillTheirBoxes) {
    TDonationBox box(nullptr);
    const QString hint = u8(deployment::DonationHint);
    EXPECT_TRUE(hint.contains(HomeHost()));
    expectPictures(box, {
        {"img2", pictures::AlipayBadge, {370, 130}, {81, 13, 162, 57}, {}},
        {"img4", pictures::WeChatPayBadge, {609, 188}, {396, 13, 177, 57}, {}},
        {"img1", pictures::AlipayCode, {464, 464}, {1, 1, 298, 298}, hint},
        {"img3", pictures::WeChatPayCode, {677, 683}, {1, 1, 298, 298}, hint},
    });
}

TEST(Pictures, IconSetHasEverySizeAsRgbaPng) {
    const QIcon icon = pictures::applicationIcon();
    for (const int s : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral(":/icons/quendrix-%1.png").arg(s);
        expectRgbaPng(path.toLatin1().constData());
        EXPECT_EQ(QImage(path).size(), QSize(s, s));
        EXPECT_TRUE(icon.availableSizes().contains(QSize(s, s))) << s;
    }
}

TEST(Pictures, AMissingPictureFailsTheBuild) {
    QWidget parent;
    EXPECT_THROW(pictures::makePicture(&parent, "img9", ":/no/such.png", {0, 0, 10, 10}),
                 quendrix::Exception);
    EXPECT_TRUE(parent.findChildren<QLabel*>().isEmpty());
}

// -- links ----------------------------------------------------------------

struct LinkDesign {
    const char* name;
    QString address;
    QColor normal;
};

template <typename Dialog>
void expectLinks(const std::vector<LinkDesign>& links) {
    const PageRecorder recorder;
    ErrorCapture errors;
    Dialog dialog(nullptr);
    for (const LinkDesign& d : links) {
        SCOPED_TRACE(d.name);
        auto* link = dialog.template findChild<LinkLabel*>(QString::fromLatin1(d.name));
        ASSERT_NE(link, nullptr);
        const auto normal = test::normalLook(d.normal, "MS Sans Serif", 12);
        const auto hover = test::hoverLook("MS Sans Serif", 12);
        EXPECT_EQ(test::lookOf(link), normal);
        EXPECT_EQ(link->cursor().shape(), Qt::ArrowCursor);

        test::moveOver(link);
        EXPECT_EQ(test::lookOf(link), hover);
        EXPECT_TRUE(test::drawnIn(link, QColor(0, 0, 255)));
        test::moveOver(link, {9, 4});
        test::moveOver(link, {20, 6});
        EXPECT_EQ(test::lookOf(link), hover);

        const qsizetype before = recorder.requests().size();
        test::click(link);
        EXPECT_EQ(test::lookOf(link), hover);
        ASSERT_EQ(recorder.requests().size(), before + 1);
        const WebPageRequest& r = recorder.requests().back();
        EXPECT_EQ(r.window, &dialog);
        EXPECT_EQ(r.address, d.address);
        EXPECT_EQ(r.url, webAddress(d.address));

        test::leave(link);
        EXPECT_EQ(test::lookOf(link), normal);
        EXPECT_TRUE(test::drawnIn(link, d.normal));
    }
    // Every link label of the dialog is in the table.
    EXPECT_EQ(dialog.template findChildren<LinkLabel*>().size(), qsizetype(links.size()));
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST(DialogLinks, AboutLinksOpenTheirAddressesAndSwitchStyles) {
    // lbl6 shows the full address of the home page but opens the host name.
    expectLinks<TAboutBox>({
        {"lbl6", HomeHost(), Black},
        {"lbl14", SoftwareBoxPage(), Black},
        {"lbl11", DonationPage(), Black},
        {"lbl9", HomeHost(), Purple},
    });
}

TEST(DialogLinks, DonationLinkOpensTheDonationPage) {
    expectLinks<TDonationBox>({{"lbl11", DonationPage(), Black}});
}

// -- life cycle -----------------------------------------------------------

TEST(DialogPlacement, CentredOnTheOwnerAndKeptOnTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    struct Case {
        QRect owner;
        QSize frame;
        QPoint expected;
    };
    const Case cases[] = {
        {{373, 240, 1173, 600}, {827, 606}, {546, 237}},   // centred
        {{374, 241, 1174, 601}, {827, 607}, {547, 238}},   // odd sizes: rounded down
        {{1500, 900, 400, 300}, {827, 606}, {1093, 474}},  // kept inside at the bottom right
        {{-300, -200, 400, 300}, {651, 463}, {0, 0}},      // kept inside at the top left
        {{0, 0, 1920, 1080}, {2000, 1200}, {0, 0}},        // larger than the screen
    };
    for (const Case& c : cases)
        EXPECT_EQ(centredOn(c.owner, c.frame, screen), c.expected)
            << c.owner.x() << ',' << c.owner.y();
}

class DialogLifeCycle : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override {
        Form1 = nullptr;
        form.reset();
        EXPECT_EQ(AboutBox, nullptr);
        EXPECT_EQ(DonationBox, nullptr);
    }

    PageRecorder recorder;
    ErrorCapture errors;
    std::unique_ptr<TForm1> form;
};

TEST_F(DialogLifeCycle, AboutShowsModallyCentredOnTheMainWindowWithOkFocusedAndEnterCloses) {
    EXPECT_EQ(AboutBox, nullptr);
    QPointer<QWidget> seen;
    bool shown = false;
    bool closedByEnter = false;
    test::handleNextModal([&](QWidget* modal) {
        seen = modal;
        shown = true;
        EXPECT_EQ(modal, AboutBox);
        ASSERT_NE(AboutBox, nullptr);
        EXPECT_EQ(AboutBox->parentWidget(), form.get());
        EXPECT_TRUE(AboutBox->isModal());
        EXPECT_LE((AboutBox->frameGeometry().center() - form->frameGeometry().center())
                      .manhattanLength(), 1);
        EXPECT_TRUE(QTest::qWaitFor([] { return AboutBox->OKButton->hasFocus(); }, 1000));
        // Escape is no cancel button: the dialog stays.
        QTest::keyClick(AboutBox->OKButton, Qt::Key_Escape);
        EXPECT_TRUE(AboutBox->isVisible());
        QTest::keyClick(AboutBox->OKButton, Qt::Key_Return);
        closedByEnter = !AboutBox->isVisible();
    });
    form->mniAbout2->trigger();
    EXPECT_TRUE(closedByEnter);
    EXPECT_TRUE(shown) << "the dialog was not shown";
    EXPECT_EQ(seen, nullptr) << "the dialog was not freed";
    EXPECT_EQ(AboutBox, nullptr);
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST_F(DialogLifeCycle, DonationShowsModallyWithCloseFocusedAndCloseEndsIt) {
    QPointer<QWidget> seen;
    bool shown = false;
    bool closed = false;
    test::handleNextModal([&](QWidget* modal) {
        seen = modal;
        shown = true;
        EXPECT_EQ(modal, DonationBox);
        ASSERT_NE(DonationBox, nullptr);
        EXPECT_EQ(DonationBox->parentWidget(), form.get());
        EXPECT_LE((DonationBox->frameGeometry().center() - form->frameGeometry().center())
                      .manhattanLength(), 1);
        EXPECT_TRUE(QTest::qWaitFor([] { return DonationBox->btn1->hasFocus(); }, 1000));
        // Neither default nor cancel button: Enter and Escape do nothing.
        QTest::keyClick(DonationBox->btn1, Qt::Key_Return);
        QTest::keyClick(DonationBox->btn1, Qt::Key_Escape);
        EXPECT_TRUE(DonationBox->isVisible());
        QTest::mouseClick(DonationBox->btn1, Qt::LeftButton);
        closed = !DonationBox->isVisible();
    });
    form->mniDonation1->trigger();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(shown) << "the dialog was not shown";
    EXPECT_EQ(seen, nullptr) << "the dialog was not freed";
    EXPECT_EQ(DonationBox, nullptr);
}

TEST_F(DialogLifeCycle, TheCloseBoxEndsTheShowing) {
    for (QAction* item : {form->mniAbout2, form->mniDonation1}) {
        bool closed = false;
        test::handleNextModal([&](QWidget* modal) {
            modal->close(); // what the window's close box does
            closed = !modal->isVisible();
        });
        item->trigger();
        EXPECT_TRUE(closed) << item->objectName().toStdString();
    }
}

// Two showings of a dialog through its menu item: two dialogs, the slot
// empty between and after them; a link left in hover style is normal again
// at the next showing.
template <typename Dialog>
void expectFreshDialogEachShowing(QAction* item, Dialog*& slot, LinkLabel* Dialog::*link,
                                  const QColor& normal) {
    std::vector<QPointer<QWidget>> dialogs;
    std::vector<test::LinkLook> looks;
    for (int showing = 0; showing < 2; ++showing) {
        ASSERT_EQ(slot, nullptr);
        test::handleNextModal([&](QWidget* modal) {
            ASSERT_EQ(modal, slot);
            for (const auto& earlier : dialogs)
                EXPECT_EQ(earlier, nullptr);
            dialogs.emplace_back(modal);
            looks.push_back(test::lookOf(slot->*link));
            // Leave the pointer on the link and close with the keyboard.
            test::moveOver(slot->*link);
            ASSERT_EQ(test::lookOf(slot->*link), test::hoverLook("MS Sans Serif", 12));
            slot->close();
        });
        item->trigger();
        ASSERT_EQ(dialogs.size(), std::size_t(showing + 1));
        EXPECT_EQ(dialogs.back(), nullptr);
        EXPECT_EQ(slot, nullptr);
    }
    for (const auto& look : looks)
        EXPECT_EQ(look, test::normalLook(normal, "MS Sans Serif", 12));
}

TEST_F(DialogLifeCycle, EveryShowingBuildsAFreshAboutBox) {
    expectFreshDialogEachShowing(form->mniAbout2, AboutBox, &TAboutBox::lbl9, Purple);
    expectFreshDialogEachShowing(form->mniAbout2, AboutBox, &TAboutBox::lbl6, Black);
}

TEST_F(DialogLifeCycle, EveryShowingBuildsAFreshDonationBox) {
    expectFreshDialogEachShowing(form->mniDonation1, DonationBox, &TDonationBox::lbl11, Black);
}

TEST_F(DialogLifeCycle, AFailingShowFreesTheDialogEmptiesTheSlotAndIsReported) {
    std::vector<QPointer<QDialog>> shown;
    const RunnerOverride failing([&](QDialog& dialog) {
        shown.emplace_back(&dialog);
        EXPECT_TRUE(&dialog == AboutBox || &dialog == DonationBox);
        throw quendrix::Exception("The dialog could not be shown");
    });
    // Called directly the failure goes on to the caller ...
    EXPECT_THROW(ShowAbout(form.get()), quendrix::Exception);
    EXPECT_EQ(AboutBox, nullptr);
    EXPECT_THROW(ShowDonation(form.get()), quendrix::Exception);
    EXPECT_EQ(DonationBox, nullptr);
    // ... and from the menu it reaches the error report.
    form->mniAbout2->trigger();
    EXPECT_EQ(AboutBox, nullptr);
    form->mniDonation1->trigger();
    EXPECT_EQ(DonationBox, nullptr);
    ASSERT_EQ(shown.size(), 4u);
    for (const auto& dialog : shown)
        EXPECT_EQ(dialog, nullptr) << "a dialog was not freed";
    EXPECT_EQ(errors.messages(),
              QStringList({u8("The dialog could not be shown."), u8("The dialog could not be shown.")}));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(DialogLifeCycle, AShowingAfterAFailedOneWorks) {
    {
        const RunnerOverride failing(
            [](QDialog&) { throw quendrix::Exception("The dialog could not be shown"); });
        form->mniAbout2->trigger();
    }
    bool shown = false;
    test::handleNextModal([&](QWidget* modal) { shown = modal == AboutBox; });
    form->mniAbout2->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(AboutBox, nullptr);
}

} // namespace
