#!/usr/bin/env bash
# Builds the Debian package, build-package/reelminder_<version>_<architecture>.deb: a release build
# installed under /usr, its runtime dependencies taken from the shared libraries it links.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DRM_BUILD_TESTS=OFF -DRM_BUILD_BENCH=OFF
cmake --build build-package -j "$(nproc)"
(cd build-package && cpack -G DEB)
ls -l build-package/*.deb
