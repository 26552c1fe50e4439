#include "app/SessionEnd.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace app {

namespace {

constexpr std::array kSignals = {SIGTERM, SIGHUP, SIGINT};

// Shared with the signal handler and the exit hook, which can reach nothing else.
int signalPipe[2] = {-1, -1};
SessionEnd* active = nullptr;

} // namespace

SessionEnd::SessionEnd(std::function<bool()> save, QObject* parent) : QObject(parent), save_(std::move(save))
{
    Q_ASSERT(!active);
    active = this;

    static const bool hooked = std::atexit(&SessionEnd::saveAtExit) == 0;
    Q_UNUSED(hooked);

    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        signalPipe[0] = signalPipe[1] = -1;
    if (signalPipe[0] >= 0) {
        // A signal that came while no session was watched is no reason to end this one.
        char stale[16];
        while (::read(signalPipe[0], stale, sizeof stale) > 0) {
        }
        notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, [this] {
            char drained[16];
            while (::read(signalPipe[0], drained, sizeof drained) > 0) {
            }
            end();
        });
        struct sigaction action = {};
        action.sa_handler = &SessionEnd::noteSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int signal : kSignals)
            ::sigaction(signal, &action, nullptr);
    }
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::commitDataRequest, this, [this] { end(); });
}

SessionEnd::~SessionEnd()
{
    // From here on the program ends the ordinary way, or has already saved.
    for (int signal : kSignals)
        std::signal(signal, SIG_DFL);
    active = nullptr;
}

void SessionEnd::end(int exitCode)
{
    // A failed save must not look like a good end to whoever ended the session.
    QCoreApplication::exit(saveOnce() ? exitCode : 1);
}

bool SessionEnd::saveOnce()
{
    if (!attempted_) {
        attempted_ = true;
        saved_ = save_();
    }
    return saved_;
}

void SessionEnd::noteSignal(int signal)
{
    // Only async-signal-safe work here: one byte into the pipe wakes the event loop.
    const char byte = static_cast<char>(signal);
    static_cast<void>(::write(signalPipe[1], &byte, 1));
}

void SessionEnd::saveAtExit()
{
    if (active)
        static_cast<void>(active->saveOnce());
}

} // namespace app
