// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An open or save file dialog that holds its settings and builds the real
// dialog only while it is open.
//
// A QFileDialog that merely exists reads the user's Qt settings file when it
// is made, writes it (directory history included) when it is destroyed, and
// starts a file-information thread and a directory watcher. Quendrix keeps
// no settings and runs on one thread, so the window's file dialogs are these.

#include <QDir>
#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace quendrix {

class FileDialog : public QObject {
    Q_OBJECT
public:
    // parent, when a widget, owns the opened dialog too.
    explicit FileDialog(QFileDialog::AcceptMode mode, QObject* parent = nullptr);
    ~FileDialog() override;

    QFileDialog::AcceptMode acceptMode() const { return mode_; }

    // Filters in QFileDialog's syntax ("Description (pattern pattern)").
    QStringList nameFilters() const { return nameFilters_; }
    void setNameFilters(const QStringList& filters) { nameFilters_ = filters; }

    // The directory the dialog opens in.
    QDir directory() const { return QDir(directory_); }
    void setDirectory(const QString& directory) { directory_ = directory; }

    // Whether the dialog is open right now.
    bool isVisible() const;

    // Opens the dialog modally over the parent widget. Returns
    // QDialog::Accepted or QDialog::Rejected; the chosen files are then in
    // selectedFiles().
    int exec();
    QStringList selectedFiles() const { return selected_; }

private:
    QFileDialog::AcceptMode mode_;
    QStringList nameFilters_;
    QString directory_;
    QStringList selected_;
    QPointer<QFileDialog> open_;
};

} // namespace quendrix
