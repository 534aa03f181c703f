#!/usr/bin/env bash
# Sets up, builds and runs every test; extra arguments go to CMake (and $BUILD_DIR picks the
# build folder), e.g. BUILD_DIR=build-sanitize scripts/test.sh -DTONVALE_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh "$@"
cd "${BUILD_DIR:-build}"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
