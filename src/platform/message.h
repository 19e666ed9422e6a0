#pragma once

#include <QString>

#include <exception>
#include <functional>

// Every message box of the program goes through here, so tests can capture
// messages instead of blocking on a modal dialog.
using MessageHandler = std::function<void(const QString& text)>;

void showMessage(const QString& text);
// Replaces the handler (the default shows a modal message box); returns the old one.
MessageHandler setMessageHandler(MessageHandler handler);

// The one place where a handler's error becomes a message: wraps a handler so
// that a failed conversion (or any other error) stops it, is shown once, and
// the program goes on with what the handler did before the failure.
template <class F>
auto guarded(F f)
{
    return [f](auto&&...) {
        try {
            f();
        } catch (const std::exception& e) {
            showMessage(QString::fromStdString(e.what()));
        } catch (...) {
            showMessage(QString());
        }
    };
}
