// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"
#include "Deployment.h"
#include "DialogParts.h"
#include "DonationForm.h"
#include "LinkRecorder.h"
#include "ModalShow.h"
#include "Unit1.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace quendrix {
namespace {

TEST(MainWindowLinks, MenuItemsAndTheStatusPaneOpenTheirAddresses) {
    TForm1 form;
    testing::LinkRecorder recorder;
    struct Case {
        QAction* item; // null: a click on the status pane
        const char* address;
    };
    const Case cases[] = {
        {form.mniVisitSite, deployment::HomePage},
        {form.mniHowtouse1, deployment::HomePage},
        {form.mniSoftwareBox, deployment::SoftwareBoxPage},
        {nullptr, deployment::HomeHost},
    };
    for (const Case& c : cases) {
        recorder.opened.clear();
        if (c.item)
            c.item->trigger();
        else
            QTest::mouseClick(form.rzfldsts2, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        ASSERT_EQ(recorder.opened.size(), 1u) << c.address;
        EXPECT_EQ(recorder.opened[0].address, c.address);
        EXPECT_EQ(recorder.opened[0].window, &form);
    }
}

void expectPane(const StatusPane& pane, const QColor& colour, bool underline) {
    EXPECT_EQ(pane.fontColor(), colour);
    EXPECT_TRUE(pane.font().bold());
    EXPECT_EQ(pane.font().underline(), underline);
    EXPECT_FALSE(pane.font().italic());
    EXPECT_FALSE(pane.font().strikeOut());
    EXPECT_EQ(pane.font().pixelSize(), 11);
}

TEST(MainWindowLinks, TheStatusPaneTurnsBlueUnderlinedUnderThePointer) {
    TForm1 form;
    form.show();
    testing::LinkRecorder recorder;
    StatusPane& pane = *form.rzfldsts2;
    expectPane(pane, QColor(0, 0, 0), false);
    for (int i = 0; i < 3; ++i) {
        QMouseEvent move(QEvent::MouseMove, QPointF(4 + i, 4), pane.mapToGlobal(QPointF(4 + i, 4)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&pane, &move);
        expectPane(pane, QColor(0, 0, 255), true);
    }
    QTest::mouseClick(&pane, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    expectPane(pane, QColor(0, 0, 255), true);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&pane, &leave);
    expectPane(pane, QColor(0, 0, 0), false);
    EXPECT_EQ(recorder.opened.size(), 1u);
}

TEST(MainWindowLinks, HelpItemsOpenTheDialogsOwnedByTheWindow) {
    TForm1 form;
    std::vector<const QMetaObject*> shown;
    const ModalRunner previous = setModalRunner([&](QDialog& dialog) {
        EXPECT_EQ(dialog.parentWidget(), &form);
        EXPECT_TRUE(dialog.metaObject() == &TAboutBox::staticMetaObject
                        ? AboutBox == &dialog
                        : DonationBox == &dialog);
        shown.push_back(dialog.metaObject());
    });
    form.mniAbout2->trigger();
    form.mniDonation1->trigger();
    setModalRunner(previous);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], &TAboutBox::staticMetaObject);
    EXPECT_EQ(shown[1], &TDonationBox::staticMetaObject);
    EXPECT_EQ(AboutBox, nullptr);
    EXPECT_EQ(DonationBox, nullptr);
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_TRUE(form.windowIcon().availableSizes().contains(QSize(256, 256)));
}

} // namespace
} // namespace quendrix
