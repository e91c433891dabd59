#!/usr/bin/env bash
# The demo in a real X window (Xvfb). First run: the Right key moves the
# song on to the logo and the window shows it; other keys, and Escape held
# down, change nothing; releasing Escape ends the demo with status 0.
# Second run: the window manager's close request ends it with status 0.
#   realwindow.sh DEMO RUNDIR WMCLOSE [SCREENSHOT.png]
set -euo pipefail
demo=$1 rundir=$2 wmclose=$3 shot=${4:-}
for tool in Xvfb xdotool import convert compare; do
  command -v $tool >/dev/null || { echo "realwindow: $tool missing"; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
cleanup() {
  kill "$xvfb" 2>/dev/null || true
  kill "${pid:-}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

cd "$rundir"

# Starts the demo and waits for its window; sets pid and window.
start() {
  SDL_AUDIODRIVER=dummy "$demo" &
  pid=$!
  window=$(xdotool search --sync --onlyvisible --pid "$pid" | sed -n 1p)
  sleep 2
  # A bare X server has no window manager to give the window the focus.
  xdotool mousemove --window "$window" 100 100 windowfocus --sync "$window"
}

# Waits up to 5 s for the demo to end; prints its status.
ended() {
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    echo "realwindow: the demo did not quit on $1"; exit 1
  fi
  local status=0
  wait "$pid" || status=$?
  echo "realwindow: quit on $1 with status $status"
  [[ $status -eq 0 ]] || exit 1
}

start
xdotool key Right
sleep 1.5
shot=${shot:-$work/logo.png}
import -window "$window" "$shot"
# The logo's centre is lit: the frame reached the window.
centre=$(convert "$shot" -crop 1x1+160+120 -format '%[fx:int(255*maxima)]' info:)
if [[ "$centre" -lt 16 ]]; then
  echo "realwindow: the window shows nothing at the logo ($shot)"; exit 1
fi
# The logo stands for six more seconds. Other keys do nothing, nor does
# Escape before it is released: the window still shows the very logo (Left
# or Right would have moved the song to another scene).
xdotool key a space Return Up Down Page_Up Page_Down Home End F1 q Control_L+c
xdotool keydown Escape
sleep 1
kill -0 "$pid" || { echo "realwindow: the demo ended before Escape was released"; exit 1; }
import -window "$window" "$work/after.png"
differ=$(compare -metric AE "$shot" "$work/after.png" null: 2>&1 || true)
if [[ "$differ" != 0 ]]; then
  echo "realwindow: other keys changed the picture ($differ pixels)"; exit 1
fi
xdotool keyup Escape
ended "Escape"

start
"$wmclose" "$window"
ended "the close request"
