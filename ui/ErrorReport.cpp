// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorReport.h"

#include "AppInfo.h"
#include "Errors.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace quendrix {

namespace {

ErrorPresenter& presenter() {
    static ErrorPresenter current;
    return current;
}

} // namespace

QString reportText(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

QString messageOf(std::exception_ptr error) {
    if (!error)
        return {};
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return QString::fromStdString(e.message());
    } catch (...) {
        return {};
    }
}

ErrorPresenter setErrorPresenter(ErrorPresenter next) {
    return std::exchange(presenter(), std::move(next));
}

QMessageBox* createErrorBox(const QString& text, QWidget* parent) {
    auto* box = new QMessageBox(QMessageBox::Critical, applicationTitle(), text,
                                QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("errorReport"));
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void showErrorBox(const QString& text) {
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox* box = createErrorBox(text, parent);
    box->exec();
    delete box;
}

void reportError(const QString& message) {
    const QString text = reportText(message);
    if (const ErrorPresenter& show = presenter())
        show(text);
    else
        showErrorBox(text);
}

void reportException(std::exception_ptr error) noexcept {
    try {
        reportError(messageOf(error));
    } catch (...) {
        // The report itself failed (out of memory, most likely): say so on
        // the console and carry on; nothing may escape into Qt.
        std::fputs("Quendrix: an error could not be reported\n", stderr);
    }
}

} // namespace quendrix
