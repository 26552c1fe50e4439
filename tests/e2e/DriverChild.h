#pragma once

class QProcess;

namespace e2e {

// Makes the process started through process die with the driver, even when the driver itself is
// killed (a timeout of the test runner): no X server or program may outlive a test run.
void tieToDriver(QProcess& process);

} // namespace e2e
