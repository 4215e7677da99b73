// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalDialog.h"

#include <QGuiApplication>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace quendrix {

namespace {

void execDialog(QDialog& dialog) {
    // The modal result is of no interest.
    (void)dialog.exec();
}

ModalRunner& currentRunner() {
    static ModalRunner runner = execDialog;
    return runner;
}

} // namespace

ModalRunner setModalRunner(ModalRunner runner) {
    if (!runner)
        runner = execDialog;
    return std::exchange(currentRunner(), std::move(runner));
}

QPoint centredOn(const QRect& ownerFrame, const QSize& frame, const QRect& available) {
    int x = ownerFrame.x() + (ownerFrame.width() - frame.width()) / 2;
    int y = ownerFrame.y() + (ownerFrame.height() - frame.height()) / 2;
    x = std::max(available.left(), std::min(x, available.right() + 1 - frame.width()));
    y = std::max(available.top(), std::min(y, available.bottom() + 1 - frame.height()));
    return {x, y};
}

void centreOnOwner(QDialog& dialog) {
    const QWidget* owner = dialog.parentWidget();
    if (!owner)
        return;
    // Qt's own placement guesses a frame of 10 x 40 pixels where the owner
    // has none (no window manager), which puts the dialog off centre.
    const QWidget* ownerWindow = owner->window();
    const QRect ownerFrame = ownerWindow->frameGeometry();
    const QSize margins = ownerFrame.size() - ownerWindow->geometry().size();
    const QScreen* screen = ownerWindow->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : ownerFrame;
    dialog.move(centredOn(ownerFrame, dialog.size() + margins, available));
}

void runModal(QDialog& dialog) {
    // A copy, so a runner may replace itself while it runs.
    const ModalRunner runner = currentRunner();
    runner(dialog);
}

} // namespace quendrix
