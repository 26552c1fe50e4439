#include "XServer.h"

#include "DriverChild.h"

#include <QDeadlineTimer>

using namespace Qt::StringLiterals;

namespace e2e {

XServer::~XServer()
{
    stop();
}

bool XServer::start(const QString& xvfb, const QString& logFile, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    // -displayfd: the server takes the first free display and writes its number to our pipe once it
    // is ready for clients. -noreset: the many short xdotool clients must not reset it. -ardelay: no
    // key repeats itself while a busy machine holds back the release of a key sent as pressed.
    process_.setProgram(xvfb);
    process_.setArguments({u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1024x768x24"_s, u"-nolisten"_s,
                           u"tcp"_s, u"-noreset"_s, u"-ardelay"_s, u"60000"_s});
    process_.setStandardErrorFile(logFile);
    tieToDriver(process_);
    process_.start();
    if (!process_.waitForStarted(int(deadline.remainingTime()))) {
        error_ = u"Xvfb did not start: "_s + process_.errorString();
        return false;
    }
    QByteArray number;
    while (!number.contains('\n')) {
        if (deadline.hasExpired() || !process_.waitForReadyRead(int(deadline.remainingTime()))) {
            error_ = u"Xvfb reported no display within %1 ms"_s.arg(timeoutMs);
            stop();
            return false;
        }
        number += process_.readAllStandardOutput();
    }
    display_ = u':' + QString::fromLatin1(number.trimmed());
    return true;
}

void XServer::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

} // namespace e2e
