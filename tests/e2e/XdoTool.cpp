#include "XdoTool.h"

#include "DriverChild.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

using namespace Qt::StringLiterals;

namespace e2e {
namespace {

constexpr int kPollMs = 100;
constexpr int kCommandMs = 10000;
// Between keystrokes, so that each one is handled before the next arrives.
const QString kKeyDelayMs = u"60"_s;

// xdotool matches titles as POSIX extended regular expressions.
QString wholeTitle(const QString& title)
{
    QString pattern = u"^"_s;
    for (const QChar c : title) {
        if (QStringView(u".[]()*+?{}|^$\\").contains(c))
            pattern += u'\\';
        pattern += c;
    }
    return pattern + u'$';
}

} // namespace

XdoTool::XdoTool(const QString& xdotool, const QString& display)
    : xdotool_(xdotool), environment_(QProcessEnvironment::systemEnvironment())
{
    environment_.insert(u"DISPLAY"_s, display);
    environment_.remove(u"XAUTHORITY"_s);
    // Titles reach xdotool in the locale's encoding: in the C locale an "ä" would never match.
    environment_.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
}

XdoTool::Result XdoTool::run(const QStringList& arguments, int timeoutMs)
{
    error_.clear();
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.setStandardInputFile(QProcess::nullDevice());
    tieToDriver(process);
    process.start(xdotool_, arguments);
    Result result;
    if (!process.waitForStarted(kCommandMs)) {
        error_ = u"xdotool did not start: "_s + process.errorString();
        return result;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(kCommandMs);
        error_ = u"xdotool %1: no answer within %2 ms"_s.arg(arguments.join(u' ')).arg(timeoutMs);
        return result;
    }
    result.ran = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = process.readAllStandardOutput();
    result.errorOutput = process.readAllStandardError();
    if (!result.ran)
        error_ = u"xdotool %1 crashed"_s.arg(arguments.join(u' '));
    else if (result.exitCode != 0)
        error_ = u"xdotool %1 failed: %2"_s.arg(arguments.join(u' '),
                                                QString::fromLocal8Bit(result.errorOutput).trimmed());
    return result;
}

bool XdoTool::runChecked(const QStringList& arguments)
{
    const Result result = run(arguments, kCommandMs);
    return result.ran && result.exitCode == 0;
}

std::optional<QStringList> XdoTool::visibleWindows(const QString& title)
{
    const Result result = run({u"search"_s, u"--onlyvisible"_s, u"--name"_s, wholeTitle(title)}, kCommandMs);
    // A search that finds nothing ends with 1 and says nothing.
    if (!result.ran || (result.exitCode != 0 && !result.errorOutput.trimmed().isEmpty()))
        return std::nullopt;
    error_.clear();
    return QString::fromLatin1(result.output).split(u'\n', Qt::SkipEmptyParts);
}

// A search can fail now and then while windows come and go under it; only the last failure counts.
QString XdoTool::waitForWindow(const QString& title, int timeoutMs, const std::function<bool()>& keepWaiting)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const std::optional<QStringList> windows = visibleWindows(title);
        if (windows && !windows->isEmpty())
            return windows->constFirst();
        if (keepWaiting && !keepWaiting()) {
            error_ = u"no window \"%1\": the program has ended"_s.arg(title);
            return {};
        }
        if (deadline.hasExpired()) {
            error_ =
                QString(u"no window \"%1\" within %2 ms. "_s.arg(title).arg(timeoutMs) + error_).trimmed();
            return {};
        }
        QThread::msleep(kPollMs);
    }
}

bool XdoTool::waitUntilGone(const QString& title, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const std::optional<QStringList> windows = visibleWindows(title);
        if (windows && windows->isEmpty())
            return true;
        if (deadline.hasExpired()) {
            error_ = QString(u"window \"%1\" still open after %2 ms. "_s.arg(title).arg(timeoutMs) + error_)
                         .trimmed();
            return false;
        }
        QThread::msleep(kPollMs);
    }
}

// Gives window the focus unless it has it: focusing it again would make the toolkit see it lose
// and regain the focus, and a key arriving in between would go astray.
QStringList XdoTool::focusing(const QString& window)
{
    const Result focused = run({u"getwindowfocus"_s}, kCommandMs);
    if (focused.ran && focused.exitCode == 0 && QString::fromLatin1(focused.output).trimmed() == window)
        return {};
    return {u"windowfocus"_s, u"--sync"_s, window};
}

bool XdoTool::pressKeys(const QString& window, const QStringList& keys)
{
    // A button answers its Alt shortcut with an animated click that lands a tenth of a second later;
    // the next key waits for it, or it would reach the focus the click is about to move.
    QStringList arguments = focusing(window);
    for (const QString& key : keys) {
        arguments += {u"key"_s, u"--delay"_s, kKeyDelayMs, key};
        if (key.startsWith(u"alt+"_s))
            arguments += {u"sleep"_s, u"0.25"_s};
    }
    return runChecked(arguments);
}

bool XdoTool::typeText(const QString& window, const QString& text)
{
    return runChecked(focusing(window) + QStringList{u"type"_s, u"--delay"_s, kKeyDelayMs, text});
}

bool XdoTool::pressWithShiftHeld(const QString& window, const QString& key)
{
    return runChecked(focusing(window) + QStringList{u"keydown"_s, u"shift"_s, u"sleep"_s, u"0.2"_s, u"key"_s,
                                                     key, u"sleep"_s, u"0.2"_s, u"keyup"_s, u"shift"_s});
}

QStringList XdoTool::visibleTitles()
{
    const Result result =
        run({u"search"_s, u"--onlyvisible"_s, u"--name"_s, u"."_s, u"getwindowname"_s, u"%@"_s}, kCommandMs);
    return QString::fromUtf8(result.output).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace e2e
