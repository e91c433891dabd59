#!/usr/bin/env bash
# The window on a 1920 x 1080 desktop (Xvfb with openbox as the window
# manager): it opens at 1280 x 960 with every demo pixel a sharp 4 x 4
# block, F11 makes it full screen, Alt+Enter brings the window back; with
# SDL12COMPAT_WINDOW_SCALING=1 set by the user it stays 320 x 240, and
# --scale 2 gives 640 x 480.
#   window.sh DEMO RUNDIR
set -euo pipefail
demo=$(realpath "$1") rundir=$2
for tool in Xvfb openbox xdotool import convert compare; do
  command -v $tool >/dev/null || { echo "window: $tool missing"; exit 1; }
done

display=:$((200 + RANDOM % 100))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid= wm=
work=$(mktemp -d)
cleanup() {
  # A demo still running here has failed a check: it goes at once.
  if [[ -n $pid ]]; then kill -9 "$pid" 2>/dev/null || true; fi
  if [[ -n $wm ]]; then kill "$wm" 2>/dev/null || true; fi
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM
export DISPLAY=$display SDL_AUDIODRIVER=dummy
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
HOME=$work openbox >/dev/null 2>&1 &
wm=$!
sleep 1

fail() { echo "window: $*"; exit 1; }
size() { xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p'; }
# Waits up to 5 s for the window to reach a size.
expect_size() {
  for _ in $(seq 50); do [[ $(size) == "$1" ]] && return; sleep 0.1; done
  fail "$2: the window is $(size), not $1"
}
start() {
  (cd "$rundir" && exec "$@") &
  pid=$!
  window=
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sed -n 1p) || true
    [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || fail "no window appeared: $*"
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}
quit() {
  xdotool key Escape
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the demo did not quit on Escape"
  wait "$pid" || fail "the demo ended with status $?"
  pid=
}

start "$demo"
expect_size 1280x960 "fitted to 1920 x 1080"
xdotool key Right # the logo: detail in every part of the picture
sleep 1.5
import -window "$window" "$work/shot.png"
# Each 4 x 4 block is one colour: sampling one pixel a block and blowing it
# up again gives back the very same picture.
convert "$work/shot.png" -sample 25% -sample 400% "$work/blocks.png"
differ=$(compare -metric AE "$work/shot.png" "$work/blocks.png" null: 2>&1 || true)
[[ $differ == 0 ]] || fail "$differ pixels differ from whole 4 x 4 blocks"
colours=$(convert "$work/shot.png" -format '%k' info:)
((colours > 100)) || fail "the window shows only $colours colours"
xdotool key F11
expect_size 1920x1080 "after F11"
sleep 1
# Full screen keeps 4:3: a 1440 x 1080 picture between black bars.
import -window root "$work/full.png"
for bar in 240x1080+0+0 240x1080+1680+0; do
  lit=$(convert "$work/full.png" -crop "$bar" -format '%[fx:int(255*maxima)]' info:)
  [[ $lit == 0 ]] || fail "full screen: the bar $bar is not black"
done
lit=$(convert "$work/full.png" -crop 1440x1080+240+0 -format '%[fx:int(255*maxima)]' info:)
((lit > 16)) || fail "full screen: no picture between the bars"
# Held down and let go as a hand does (xdotool's "key alt+Return" gives SDL
# a Return without the Alt).
xdotool keydown alt keydown Return keyup Return keyup alt
expect_size 1280x960 "after Alt+Enter"
quit

start env SDL12COMPAT_WINDOW_SCALING=1 "$demo"
expect_size 320x240 "with SDL12COMPAT_WINDOW_SCALING=1"
quit

start "$demo" --scale 2
expect_size 640x480 "with --scale 2"
quit

start "$demo" --fullscreen
expect_size 1920x1080 "with --fullscreen"
quit
echo "window: fitted, sharp, full screen and back"
