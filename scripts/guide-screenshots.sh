#!/usr/bin/env bash
# Renews the screenshots of the user guide (docs/guide/images) from the real
# programs of a build (default build/), on a virtual X display: the main
# window with a new CB document, the optional features window, and the
# serial port dialog while a virtual radio runs.
#   scripts/guide-screenshots.sh [BUILD_DIR]
# Needs Xvfb, openbox, xdotool and imagemagick (apt install xvfb openbox
# xdotool imagemagick). GUIDE_DISPLAY chooses the display number (default 99).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
program="$build/stage/V100"
images=docs/guide/images
display=":${GUIDE_DISPLAY:-99}"
for tool in Xvfb openbox xdotool import; do
  command -v "$tool" >/dev/null || { echo "guide-screenshots: $tool is missing"; exit 1; }
done
[ -x "$program/brisko7" ] || { echo "guide-screenshots: build $program/brisko7 first"; exit 1; }

# A user of its own: no settings or default files of the person running it.
home=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mkdir -m 700 "$home/run"
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run"
export DISPLAY="$display" LANG=C.UTF-8
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

Xvfb "$display" -screen 0 1024x720x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)

"$program/brisko7-cli" new -o "$home/radio.dat"
"$program/brisko7-sim" --quiet >"$home/sim.out" &
pids+=($!)

shot() {  # shot NAME: the whole screen after the windows settled
  sleep 2
  import -window root "$images/$1.png"
  echo "guide-screenshots: $images/$1.png"
}

"$program/brisko7" "$home/radio.dat" &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --class brisko7 | tail -n 1)
sleep 3  # the splash picture goes, the channel window opens
xdotool search --onlyvisible --class brisko7 | while read -r w; do
  xdotool windowsize "$w" 1000 700 windowmove "$w" 0 0 2>/dev/null || true
done
xdotool windowactivate --sync "$window" 2>/dev/null || true
shot main-window

xdotool key --clearmodifiers alt+e o
shot options
xdotool key --clearmodifiers Escape

xdotool key --clearmodifiers alt+s p
shot serial-port
xdotool key --clearmodifiers Escape
