// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing an information dialog: built into its global slot, shown
// modally, then freed and the slot emptied, also when building or showing
// throws.

#include <QDialog>

#include <functional>
#include <memory>

class QWidget;

namespace quendrix {

// Shows a dialog modally and returns when it has closed. The real runner is
// QDialog::exec(); tests install their own (to drive the dialog, or to make
// showing fail).
using ModalRunner = std::function<void(QDialog& dialog)>;

// Installs a runner and returns the previous one. An empty function
// restores exec().
ModalRunner setModalRunner(ModalRunner runner);

// Shows dialog modally through the installed runner.
void runModal(QDialog& dialog);

// Builds a Dialog owned by owner into slot, shows it modally, then frees it
// and empties slot; when building or showing throws, the dialog (if built)
// is freed and slot emptied before the exception goes on.
template <typename Dialog>
void showInSlot(Dialog*& slot, QWidget* owner) {
    struct Clear {
        Dialog*& slot;
        ~Clear() { slot = nullptr; }
    };
    // Declared first, so the slot is emptied after the dialog is freed.
    const Clear clear{slot};
    const std::unique_ptr<Dialog> dialog = std::make_unique<Dialog>(owner);
    slot = dialog.get();
    runModal(*dialog);
}

} // namespace quendrix
