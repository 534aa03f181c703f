#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for a while, one after the
# other: scripts/fuzz.sh [seconds per target, default 180] [target ...]
# The kept inputs of tests/hardening/corpus/<target> seed each run; what a run finds is written
# to build-fuzz/findings/<target>/ and belongs in that corpus once mended.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-180}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(iniDocument iniFile score scoreInfo listFiles keyNames midi)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTONVALE_FUZZ=ON -DTONVALE_BUILD_TESTS=OFF -DTONVALE_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"
for target in "${targets[@]}"; do
  grown=build-fuzz/grown-corpus/$target findings=build-fuzz/findings/$target
  mkdir -p "$grown" "$findings"
  echo "== $target: $seconds s"
  "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -artifact_prefix="$findings/" \
    -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    "$grown" "tests/hardening/corpus/$target"
done
