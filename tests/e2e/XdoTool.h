#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace e2e {

// Finds windows by title and types on an X display through xdotool, as a user at the keyboard
// would. Without a window manager nobody hands out the focus, so every keystroke goes to a window
// that has just been given it explicitly. Every call is bounded in time; a failed one leaves its
// reason in error().
class XdoTool final
{
public:
    XdoTool(const QString& xdotool, const QString& display);

    // The ids of the visible top-level windows whose whole title is title; none when the search failed.
    std::optional<QStringList> visibleWindows(const QString& title);
    // Waits until such a window is visible and returns its id; empty on timeout, or as soon as
    // keepWaiting says there is no point any longer.
    QString waitForWindow(const QString& title, int timeoutMs, const std::function<bool()>& keepWaiting);
    // Waits until no such window is visible.
    bool waitUntilGone(const QString& title, int timeoutMs);

    // Gives window the focus, then presses the keys (xdotool names such as "alt+n", "Tab") in turn.
    bool pressKeys(const QString& window, const QStringList& keys);
    // Gives window the focus, then types text character by character.
    bool typeText(const QString& window, const QString& text);
    // Presses key while Shift is held down on its own, as a user holding Shift first would.
    bool pressWithShiftHeld(const QString& window, const QString& key);

    // The titles of all visible windows, for a failure report.
    QStringList visibleTitles();
    QString error() const { return error_; }

private:
    struct Result
    {
        bool ran = false; // started and ended by itself within the time
        int exitCode = -1;
        QByteArray output;
        QByteArray errorOutput;
    };
    Result run(const QStringList& arguments, int timeoutMs);
    QStringList focusing(const QString& window);
    bool runChecked(const QStringList& arguments);

    QString xdotool_;
    QProcessEnvironment environment_;
    QString error_;
};

} // namespace e2e
