// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for the widget tests, linked into every widget test binary with
// UiTestMain.cpp.
//
// A modal widget that nobody closes would block a test for ever; the
// watchdog of UiTestMain.cpp fails the running test and closes such a widget
// once it has stayed open for modalGraceMs(). A test that opens a modal
// dialog on purpose closes it from the event loop well before that, for
// instance with handleNextModal().

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace quendrix::test {

// How long a modal widget may stay open before the watchdog steps in
// (QUENDRIX_TEST_MODAL_GRACE_MS, 1500 ms by default).
int modalGraceMs();

// Starts the watchdog; UiTestMain.cpp calls it once the QApplication exists.
void startModalWatchdog();

// Error reports of the application, captured instead of shown, for the life
// of the object (the previous presenter is restored afterwards).
class ErrorCapture {
public:
    ErrorCapture();
    ~ErrorCapture();
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    // Every report text so far (full stop already applied), oldest first.
    const QStringList& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    QStringList messages_;
    std::function<void(const QString&)> previous_;
};

// Waits in the event loop (the one of a modal exec() included) for the next
// modal widget, at most timeoutMs, then calls inspect with it and closes it
// (reject() for a dialog, close() otherwise) unless inspect closed it itself.
// Returns at once; call it just before the code that opens the widget.
void handleNextModal(std::function<void(QWidget*)> inspect, int timeoutMs = 5000);

// A one-line description of a widget for failure messages: class, object
// name, window title and, for a message box, its text.
QString describeWidget(const QWidget* widget);

} // namespace quendrix::test
