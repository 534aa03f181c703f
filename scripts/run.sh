#!/usr/bin/env bash
# Sets up, builds the program alone (not the tests) and starts it; arguments go to the program
# (a score or playlist).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh -DTONVALE_BUILD_TESTS=OFF -DTONVALE_BUILD_BENCH=OFF --target tonvale
exec build/src/app/tonvale "$@"
