#pragma once

#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <vector>

// What every benchmark measures with: milliseconds of a timer, the median of some rounds.
namespace bench {

inline double elapsedMs(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The number of rounds: "--rounds N" on the command line, else 7.
inline int roundsFrom(const QStringList& arguments)
{
    if (arguments.size() == 3 && arguments[1] == u"--rounds")
        return std::max(1, arguments[2].toInt());
    return 7;
}

// Windows of a benchmark are built on the offscreen platform unless another is asked for.
inline void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace bench
