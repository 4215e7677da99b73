// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalShow.h"

#include <QDialog>

#include <utility>

namespace quendrix {

namespace {

void execDialog(QDialog& dialog) {
    dialog.exec(); // the modal result is not looked at
}

ModalRunner& currentRunner() {
    static ModalRunner runner = execDialog;
    return runner;
}

} // namespace

ModalRunner setModalRunner(ModalRunner runner) {
    return std::exchange(currentRunner(), runner ? std::move(runner) : execDialog);
}

void runModal(QDialog& dialog) { currentRunner()(dialog); }

} // namespace quendrix
