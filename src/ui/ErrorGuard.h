#pragma once

#include <QString>

#include <exception>
#include <stdexcept>
#include <utility>

class QWidget;

namespace ui {

// An error raised by the program's own code; its text is shown to the user.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString& text);
    QString text() const;
};

// Shows the report of an unhandled error: its text followed by "." under the application title.
void reportUnhandled(QWidget* owner, const std::exception& error);
void reportUnhandled(QWidget* owner);

// Runs one handler. An exception ends only that handler and is reported; it never reaches Qt's
// event loop. Returns true when the handler ran to its end.
template <class Handler> bool guarded(QWidget* owner, Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& error) {
        reportUnhandled(owner, error);
    } catch (...) {
        reportUnhandled(owner);
    }
    return false;
}

} // namespace ui
