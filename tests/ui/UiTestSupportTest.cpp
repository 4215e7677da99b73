// SPDX-License-Identifier: GPL-3.0-or-later
// The test harness itself: a forgotten modal widget fails the test instead
// of blocking it, and an expected one is handed to the test.
#include "UiTestSupport.h"

#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

void openForgottenBox() {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Forgotten"), QStringLiteral("nobody closes me"),
                    QMessageBox::Ok);
    box.exec();
}

TEST(ModalWatchdog, FailsTheTestAndClosesAForgottenMessageBox) {
    EXPECT_NONFATAL_FAILURE(openForgottenBox(), "nobody closes me");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ModalWatchdog, HandsAnExpectedModalWidgetToTheTest) {
    QString seen;
    quendrix::test::handleNextModal([&seen](QWidget* modal) { seen = modal->windowTitle(); });
    QMessageBox box(QMessageBox::Information, QStringLiteral("Expected"), QStringLiteral("text"),
                    QMessageBox::Ok);
    box.exec();
    EXPECT_EQ(seen, QStringLiteral("Expected"));
}

} // namespace
