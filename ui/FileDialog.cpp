// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDialog.h"

#include <memory>

namespace quendrix {

FileDialog::FileDialog(QFileDialog::AcceptMode mode, QObject* parent)
    : QObject(parent), mode_(mode) {}

FileDialog::~FileDialog() = default;

bool FileDialog::isVisible() const {
    return open_ && open_->isVisible();
}

int FileDialog::exec() {
    auto dialog = std::make_unique<QFileDialog>(qobject_cast<QWidget*>(parent()));
    dialog->setAcceptMode(mode_);
    dialog->setNameFilters(nameFilters_);
    dialog->setDirectory(directory_);
    open_ = dialog.get();
    const int result = dialog->exec();
    selected_ = result == QDialog::Accepted ? dialog->selectedFiles() : QStringList();
    return result;
}

} // namespace quendrix
