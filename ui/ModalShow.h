// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing a dialog modally from its global slot.

#include <QPointer>
#include <QScopeGuard>

#include <functional>

class QDialog;

namespace quendrix {

// How a built dialog is shown. By default QDialog::exec; tests replace it to
// look at the dialog while it shows, or to make showing fail. Returns the
// runner it replaces; an empty function restores the default.
using ModalRunner = std::function<void(QDialog& dialog)>;
ModalRunner setModalRunner(ModalRunner runner);
void runModal(QDialog& dialog);

// Builds a Dialog with the given owner into the slot, shows it modally, then
// frees it and empties the slot. The same happens when building or showing
// throws, before the exception goes on.
template <class Dialog, class Owner>
void showInSlot(Dialog*& slot, Owner* owner) {
    QPointer<Dialog> dialog;
    const auto freeDialog = qScopeGuard([&] {
        delete dialog.data(); // null if its owner already took it down
        slot = nullptr;
    });
    dialog = new Dialog(owner);
    slot = dialog.data();
    runModal(*dialog);
}

} // namespace quendrix
