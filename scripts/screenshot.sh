#!/usr/bin/env bash
# Starts the program in a virtual X display with a fresh program folder and saves a screenshot of
# the screen as PNG: scripts/screenshot.sh [out.png] [seconds to wait]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-screenshot.png}")
wait=${2:-3}
command -v import >/dev/null || { echo "needs imagemagick (apt-get install imagemagick)"; exit 1; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp build/src/app/tonvale "$folder/"
xvfb-run -a -s "-screen 0 1000x400x24" bash -c "
  '$folder/tonvale' & pid=\$!
  sleep $wait
  import -window root '$out'
  kill \$pid; wait \$pid 2>/dev/null || true"
echo "$out"
