#!/usr/bin/env bash
# Installs the Debian packages that building and running need, when any is missing; with
# --tests also those of the tests, the benchmarks, the desktop scenarios and the package (with
# the tools that check it).
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev libfluidsynth-dev librtmidi-dev libasound2-dev libx11-dev libsndfile1-dev libzip-dev
  fluid-soundfont-gm fonts-wqy-microhei
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    timgm6mb-soundfont
    pulseaudio pulseaudio-utils desktop-file-utils shared-mime-info xdg-utils libglib2.0-bin
    dpkg-dev file fakeroot fluidsynth lintian appstream
    poppler-utils  # the PDF tests read the text back with pdftotext and pdfinfo
    # the check that the includes of src/ run down the ranks
    python3
    libxml2-utils  # xmllint validates the MusicXML export against the schema
    xvfb xauth
    # the desktop scenarios: window manager, input, windows, accessibility bus, screen pixels
    openbox xdotool wmctrl x11-utils dbus-daemon dbus-bin at-spi2-core python3-pyatspi imagemagick
    # ... and a Wayland session: compositor, its X server, and Qt's Wayland plugin that the
    # program must pass over there
    weston xwayland qt6-wayland
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
