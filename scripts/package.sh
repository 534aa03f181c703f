#!/usr/bin/env bash
# Builds the Debian package build-package/tonvale_<version>-<release>_<arch>.deb (or in
# $BUILD_DIR): the program installed under /usr, without tests and benchmarks, checked by lintian,
# which must find no error and no warning. Extra arguments go to CMake.
# Install it with: sudo apt install ./build-package/tonvale_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
build_dir=${BUILD_DIR:-build-package}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DTONVALE_BUILD_TESTS=OFF -DTONVALE_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
cd "$build_dir"
rm -f tonvale_*.deb
cpack -G DEB >/dev/null
package=$(ls "$PWD"/tonvale_*.deb)
lintian --fail-on error,warning "$package"
echo "$package"
