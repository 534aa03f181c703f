#!/usr/bin/env bash
# Runs the desktop scenarios alone: the program started on a virtual X desktop with a window
# manager, driven by real key presses and listened to through a recorded sound server.
#   scripts/scenarios.sh [--program PATH] [scenario ...]
# Without --program it installs what is missing and builds the program into build/ (or
# $BUILD_DIR) first; `--list` names the scenarios. TONVALE_SCENARIO_SHOTS=folder keeps a
# screenshot of each failing scenario there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests
program=""
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --program) program=$(realpath "$2"); shift 2 ;;
    *) args+=("$1"); shift ;;
  esac
done
if [ -z "$program" ]; then
  build_dir=${BUILD_DIR:-build}
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build_dir" --parallel "$(nproc)" --target tonvale
  program=$PWD/$build_dir/src/app/tonvale
fi
# Debian's own Python: it has the accessibility bindings.
exec /usr/bin/python3 tests/desktop/scenarios.py --program "$program" "${args[@]}"
