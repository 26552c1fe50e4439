#pragma once

#include <QProcess>
#include <QString>

namespace e2e {

// A private X server for one test: Xvfb on a display number it picks itself, so that parallel
// runs and a desktop session never meet. Stopped at the latest when the object goes.
class XServer final
{
public:
    XServer() = default;
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // Starts the server and waits until it accepts clients. logFile takes its messages.
    // False, with error() set, when it did not come up within timeoutMs.
    bool start(const QString& xvfb, const QString& logFile, int timeoutMs);
    void stop();

    QString display() const { return display_; } // ":N"
    QString error() const { return error_; }

private:
    QProcess process_;
    QString display_;
    QString error_;
};

} // namespace e2e
