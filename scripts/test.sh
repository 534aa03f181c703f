#!/usr/bin/env bash
# Sets up, builds and runs every test; extra arguments go to CMake (and $BUILD_DIR picks the
# build folder), e.g. BUILD_DIR=build-sanitize scripts/test.sh -DTONVALE_SANITIZE=ON
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
started=$SECONDS
scripts/setup.sh --tests
set_up=$SECONDS
scripts/build.sh -DTONVALE_BUILD_TESTS=ON -DTONVALE_BUILD_BENCH=ON "$@"
built=$SECONDS
status=0
(cd "$build_dir" && ctest --output-on-failure --timeout 300 -j "$(nproc)") || status=$?
echo "test.sh ($build_dir): set-up $((set_up - started)) s, build $((built - set_up)) s," \
     "tests $((SECONDS - built)) s"
exit $status
