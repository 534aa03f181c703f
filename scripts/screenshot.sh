#!/usr/bin/env bash
# Starts the program in a virtual X display with a fresh program folder, opens the score bar
# (View ▸ 乐谱栏, by its keys) and saves a screenshot of the screen as PNG:
#   scripts/screenshot.sh [out.png] [seconds to wait]
# When PulseAudio is installed, a private sound server with a silent sink gives the built-in
# synthesizer somewhere to play, as on a desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-screenshot.png}")
wait=${2:-3}
for tool in import xdotool openbox; do
  command -v $tool >/dev/null || { echo "needs $tool (scripts/setup.sh --tests installs it)"; exit 1; }
done
folder=$(mktemp -d)
runtime=$(mktemp -d)
cleanup() {
  [ -n "${pulse_pid:-}" ] && kill "$pulse_pid" 2>/dev/null || true
  rm -rf "$folder" "$runtime"
}
trap cleanup EXIT
cp build/src/app/tonvale "$folder/"
export XDG_RUNTIME_DIR=$runtime
if command -v pulseaudio >/dev/null; then
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-null-sink sink_name=capture" \
    --load=module-native-protocol-unix >/dev/null 2>&1 &
  pulse_pid=$!
  sleep 1
fi
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
  openbox >/dev/null 2>&1 &
  '$folder/tonvale' & pid=\$!
  sleep $wait
  xdotool search --sync --onlyvisible --name '^Tonvale$' windowactivate --sync key alt+v key n
  sleep 1
  import -window root -trim +repage '$out'
  kill \$pid; wait \$pid 2>/dev/null || true"
echo "$out"
