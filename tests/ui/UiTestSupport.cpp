// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiTestSupport.h"

#include "ErrorReport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <utility>

namespace quendrix::test {

namespace {

constexpr int PollMs = 25;

void closeModal(QWidget* widget) {
    if (auto* dialog = qobject_cast<QDialog*>(widget))
        dialog->reject();
    else
        widget->close();
}

// Polls the application's modal widget; one that stays open past the grace
// time fails the running test and is closed, so the test goes on instead of
// hanging.
class ModalWatchdog : public QObject {
public:
    explicit ModalWatchdog(QObject* parent) : QObject(parent) {
        timer_.setInterval(PollMs);
        connect(&timer_, &QTimer::timeout, this, [this] { check(); });
        timer_.start();
    }

private:
    void check() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != seen_) {
            seen_ = modal;
            since_.start();
            return;
        }
        if (!modal || since_.elapsed() < modalGraceMs())
            return;
        ADD_FAILURE() << "an unexpected modal widget stayed open for " << since_.elapsed()
                      << " ms and was closed: " << describeWidget(modal).toStdString();
        seen_ = nullptr;
        closeModal(modal);
    }

    QTimer timer_;
    QPointer<QWidget> seen_;
    QElapsedTimer since_;
};

} // namespace

int modalGraceMs() {
    static const int grace = [] {
        bool ok = false;
        const int value = qEnvironmentVariableIntValue("QUENDRIX_TEST_MODAL_GRACE_MS", &ok);
        return ok && value > 0 ? value : 1500;
    }();
    return grace;
}

void startModalWatchdog() {
    static QPointer<QObject> watchdog;
    if (!watchdog)
        watchdog = new ModalWatchdog(qApp);
}

ErrorCapture::ErrorCapture()
    : previous_(setErrorPresenter([this](const QString& text) { messages_.append(text); })) {}

ErrorCapture::~ErrorCapture() {
    setErrorPresenter(std::move(previous_));
}

void handleNextModal(std::function<void(QWidget*)> inspect, int timeoutMs) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(PollMs / 5);
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, deadline, timeoutMs, inspect = std::move(inspect)] {
        if (QPointer<QWidget> modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            inspect(modal);
            if (modal && modal->isVisible())
                closeModal(modal);
        } else if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal widget opened within " << timeoutMs << " ms";
        }
    });
    timer->start();
}

QString describeWidget(const QWidget* widget) {
    if (!widget)
        return QStringLiteral("(none)");
    QString text = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        text += u' ' + widget->objectName();
    text += QStringLiteral(" \"") + widget->windowTitle() + u'"';
    if (const auto* box = qobject_cast<const QMessageBox*>(widget))
        text += QStringLiteral(": ") + box->text();
    return text;
}

} // namespace quendrix::test
