#include "DriverChild.h"

#include <QProcess>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace e2e {

void tieToDriver([[maybe_unused]] QProcess& process)
{
#ifdef Q_OS_LINUX
    const pid_t driver = ::getpid();
    process.setChildProcessModifier([driver] {
        ::prctl(PR_SET_PDEATHSIG, static_cast<unsigned long>(SIGKILL));
        // The driver may have gone between the fork and the line above.
        if (::getppid() != driver)
            ::_exit(127);
    });
#endif
}

} // namespace e2e
