#pragma once

#include <functional>

namespace testsupport {

// Runs check as a user without privileges, so that file permissions hold: as root in a child
// process that has become "nobody", otherwise directly. Returns check's result, or -1 when the
// child could not be run. The files involved must be reachable by that user.
int runUnprivileged(const std::function<int()>& check);

} // namespace testsupport
