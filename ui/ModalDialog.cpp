// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalDialog.h"

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

void runModal(QDialog& dialog) {
    // A copy, so a runner may replace itself while it runs.
    const ModalRunner runner = currentRunner();
    runner(dialog);
}

} // namespace quendrix
