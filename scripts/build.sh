#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR). Arguments go to CMake's configure step,
# except "--target NAME", which builds that target alone.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
configure=()
target=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--target" ]; then target=(--target "$2"); shift 2; else configure+=("$1"); shift; fi
done
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure[@]}" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" "${target[@]}"
