// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing an information dialog: built into its global slot, shown
// modally, then freed and the slot emptied, also when building or showing
// throws.

#include <QDialog>

#include <functional>
#include <memory>

class QPoint;
class QRect;
class QSize;
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

// Top-left corner of a window frame of size frame centred on ownerFrame,
// moved inside available where it would stick out; a frame larger than
// available goes to its top left, so the title bar stays reachable.
QPoint centredOn(const QRect& ownerFrame, const QSize& frame, const QRect& available);

// Places a dialog that is about to be shown centred on its owner's window.
// The dialog's frame is taken to be as wide as the owner's (a window that
// was never shown has none yet). Does nothing for a dialog without owner.
void centreOnOwner(QDialog& dialog);

// Builds a Dialog owned by owner into slot, shows it modally centred on the
// owner's window, then frees it
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
    centreOnOwner(*dialog);
    runModal(*dialog);
}

} // namespace quendrix
