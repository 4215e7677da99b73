// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one error report of the application, and the dispatch layer that sits
// between Qt and every event handler.
//
// Handlers throw. Qt must never see an exception unwind through its own
// frames, so every handler is connected through connectHandler() (or run
// through dispatch()), which catches whatever escapes and reports it:
// a quendrix::Exception with its message, anything else with an empty one.

#include <QMetaObject>
#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <string_view>
#include <utility>

class QMessageBox;
class QWidget;

namespace quendrix {

// The text the report shows for a message: a full stop is appended when the
// message is not empty and its last character has a code above that of "."
// (46); a message ending in ".", ")", a blank or a control character stays
// as it is.
QString reportText(const QString& message);

// The message the report shows for a thrown object: the message of a
// quendrix::Exception (UTF-8), empty for anything else.
QString messageOf(std::exception_ptr error);

// Receives the finished report text (full stop already applied). The real
// presenter shows the modal message box; tests install their own.
using ErrorPresenter = std::function<void(const QString& text)>;

// Installs a presenter and returns the previous one. An empty function
// restores the message box.
ErrorPresenter setErrorPresenter(ErrorPresenter presenter);

// Builds the report's message box: the text, the error icon, one OK button,
// the application's title as caption, modal to parent (may be null).
// The caller owns the box.
QMessageBox* createErrorBox(const QString& text, QWidget* parent);

// The real presenter: createErrorBox() over the active window, shown modally.
void showErrorBox(const QString& text);

// Reports a message: reportText() of it, handed to the presenter.
void reportError(const QString& message);

// Reports a thrown object (messageOf() of it). Never throws.
void reportException(std::exception_ptr error) noexcept;

// Runs a handler; whatever it throws is reported and goes no further.
template <typename Handler>
void dispatch(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        reportException(std::current_exception());
    }
}

// Connects sender's signal to a handler of form, through dispatch().
// The handler takes the sender first, then whatever of the signal's
// arguments it names (for instance the modifiers and position of a mouse
// move); signal arguments beyond those are dropped.
template <typename Sender, typename Signal, typename Form, typename... Args>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Form* form,
                                       void (Form::*handler)(QObject*, Args...)) {
    return QObject::connect(sender, signal, form, [sender, form, handler](Args... args) {
        dispatch([&] { (form->*handler)(sender, args...); });
    });
}

} // namespace quendrix
