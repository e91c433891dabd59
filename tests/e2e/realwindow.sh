#!/usr/bin/env bash
# The demo in a real X window (Xvfb): the Right key moves the song on to the
# logo, the window shows it, releasing Escape ends the demo with status 0.
#   realwindow.sh DEMO RUNDIR [SCREENSHOT.png]
set -euo pipefail
demo=$1 rundir=$2 shot=${3:-}
for tool in Xvfb xdotool import convert; do
  command -v $tool >/dev/null || { echo "realwindow: $tool missing"; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2>/dev/null || true; kill "${pid:-}" 2>/dev/null || true; }
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

cd "$rundir"
SDL_AUDIODRIVER=dummy "$demo" &
pid=$!
window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
sleep 2
# A bare X server has no window manager to give the window the focus.
xdotool mousemove --window "$window" 100 100 windowfocus --sync "$window"
xdotool key Right
sleep 1.5
shot=${shot:-$(mktemp --suffix=.png)}
import -window "$window" "$shot"
# The logo's centre is lit: the frame reached the window.
centre=$(convert "$shot" -crop 1x1+160+120 -format '%[fx:int(255*maxima)]' info:)
if [[ "$centre" -lt 16 ]]; then
  echo "realwindow: the window shows nothing at the logo ($shot)"; exit 1
fi
kill -0 "$pid" # still running
xdotool key Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  echo "realwindow: the demo did not quit on Escape"; exit 1
fi
wait "$pid"
status=$?
echo "realwindow: quit with status $status"
exit "$status"
