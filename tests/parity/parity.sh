#!/usr/bin/env bash
# The x86 and the ARM build must draw the same pictures. This plays the same
# moments of the demo with the host's demo-replay and the target's (under the
# emulator) and requires byte-identical frames (raw RGB565) and identical
# timeline states after every frame.
#
#   parity.sh HOST_REPLAY TARGET_REPLAY RUN_DIR LEAD OUT_DIR
#
# The target's song runs LEAD rows ahead of the host's (its timeline lags
# LEAD rows behind the song), so both see the same demotime. Each session is
# one replayer process per build: a continuous play through every scene
# window, and a run in which the song is skipped back and forth by whole
# positions as with the arrow keys. On a difference the first differing frame
# of both builds is left in OUT_DIR as PNG.
set -euo pipefail

if [[ $# -ne 5 ]]; then
    echo "usage: parity.sh HOST_REPLAY TARGET_REPLAY RUN_DIR LEAD OUT_DIR" >&2
    exit 2
fi
host=$(realpath "$1") target=$(realpath "$2") run=$3 lead=$4 out=$(realpath "$5")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

framebytes=153600 # 320 x 240 RGB565
rowms=120         # a row of the song (speed 6 at 125 BPM); any tempo would do
origin=-16        # demotime at clock 0: the first row of the ARM build's song
now=-50           # the clock at the last frame written, in ms
total=0

# Song position and row of demotime D for a song LEAD rows ahead.
posrow()
{
    local r=$(($1 + $2))
    local pos=$((r >= 0 ? r / 128 : -((127 - r) / 128)))
    echo "$pos $((r - pos * 128))"
}

# One drawn frame at the current clock and demotime D, in both scripts.
frame()
{
    local d=$1
    echo "render $now $(posrow "$d" 0)" >>"$work/host.script"
    echo "render $now $(posrow "$d" "$lead")" >>"$work/target.script"
    for side in host target; do
        printf 'save /dev/fd/3\nstate\n' >>"$work/$side.script"
    done
    echo "d=$d at $now ms" >>"$work/frames"
}

# The song plays from demotime A to B, a frame every 50 ms tick; the first
# frame works off every tick since the previous one.
play()
{
    local a=$1 b=$2
    local start=$(((a - origin) * rowms))
    now=$((start > now ? start : now + 50))
    for ((d = a; d <= b; now += 50, d = now / rowms + origin)); do
        frame "$d"
    done
    now=$((now - 50))
}

# Writes one session's scripts, plays them with both replayers and compares.
compare()
{
    local name=$1
    local n
    n=$(wc -l <"$work/frames")
    mkfifo "$work/host.frames" "$work/target.frames"
    (cd "$run" && exec "$host" "$work/host.script" 3>"$work/host.frames" >"$work/host.state") &
    local hostpid=$!
    (cd "$run" && exec "$target" "$work/target.script" 3>"$work/target.frames" \
        >"$work/target.state") &
    local targetpid=$!
    local differ=0 hoststatus=0 targetstatus=0
    cmp "$work/host.frames" "$work/target.frames" >"$work/cmp" 2>&1 || differ=1
    wait "$hostpid" || hoststatus=$?
    wait "$targetpid" || targetstatus=$?

    if [[ $differ -eq 1 ]]; then
        local byte frame
        if grep -q EOF "$work/cmp"; then
            echo "parity: $name: $(cat "$work/cmp")" >&2
            echo "parity: $name: host replayer exited $hoststatus, target $targetstatus" >&2
            exit 1
        fi
        byte=$(grep -o 'byte [0-9]*' "$work/cmp" | grep -o '[0-9]*')
        frame=$(((byte - 1) / framebytes + 1))
        evidence "$name" "$frame"
        exit 1
    fi
    if [[ $hoststatus -ne 0 || $targetstatus -ne 0 ]]; then
        echo "parity: $name: host replayer exited $hoststatus, target $targetstatus" >&2
        exit 1
    fi
    if ! cmp -s "$work/host.state" "$work/target.state"; then
        local line
        line=$(cmp "$work/host.state" "$work/target.state" | grep -o 'line [0-9]*' | grep -o '[0-9]*')
        echo "parity: $name: frame $line ($(sed -n "${line}p" "$work/frames")): the timeline states differ" >&2
        echo "  host:   $(sed -n "${line}p" "$work/host.state")" >&2
        echo "  target: $(sed -n "${line}p" "$work/target.state")" >&2
        exit 1
    fi
    [[ $(wc -l <"$work/host.state") -eq $n ]] || {
        echo "parity: $name: the replayers stopped early" >&2
        exit 1
    }
    echo "parity: $name: $n frames identical"
    total=$((total + n))
    rm -f "$work"/host.* "$work"/target.* "$work/frames"
    now=-50
}

# Replays the session up to FRAME and keeps that frame of both builds.
evidence()
{
    local name=$1 frame=$2
    mkdir -p "$out"
    for side in host target; do
        head -n $((frame * 3 - 2)) "$work/$side.script" | grep '^render' >"$work/$side.cut"
        echo "save $out/parity-$name-$side.png" >>"$work/$side.cut"
        echo "save $work/$side.raw" >>"$work/$side.cut"
    done
    (cd "$run" && "$host" "$work/host.cut" && "$target" "$work/target.cut") >/dev/null || true
    local pixels
    pixels=$( (cmp -l "$work/host.raw" "$work/target.raw" 2>/dev/null || true) |
        awk '{print int(($1 - 1) / 2)}' | uniq | wc -l)
    echo "parity: $name: frame $frame ($(sed -n "${frame}p" "$work/frames")) differs in" \
        "$pixels pixels; see $out/parity-$name-{host,target}.png" >&2
}

# Every scene window, its edges and the texts' windows, each long enough for
# the scene's motion to show.
play -16 -12    # the opening, blank; the first call runs one tick
play 126 131    # blank to logo
play 236 262    # logo to the car's whole fly-in
play 300 301    # the car standing
play 382 390    # warp starts at 385 and 386
play 399 403    # "LETS GO !" over the warp
play 430 431
play 449 452
play 459 463    # "YEAH"
play 509 512
play 600 601
play 622 627    # warp to blank
play 638 643    # blank to 1988
play 894 900    # 1988 to the scrollers
play 1150 1152
play 1280 1282
play 1404 1412  # scrollers to interference
play 1499 1503  # "I FEEL SICK"
play 1568 1572
play 1599 1603  # "ME TOO"
play 1658 1662
play 1800 1801
play 1917 1924  # interference to the lens
play 1960 1962
play 1998 2003  # the lens drops
play 2045 2052  # lens to rotozoomer
play 2199 2203  # "THATS NICE"
play 2249 2252
play 2269 2272  # "CUTE ONE"
play 2338 2342
play 2429 2436  # rotozoomer to rings
play 2599 2603  # "WHOAH"
play 2698 2702  # "3D SHIT" over "WHOAH"
play 2719 2723
play 2818 2822
play 2940 2948  # rings to twister
play 2999 3003  # "TWISTED"
play 3049 3052
play 3069 3073  # "LIKE SISTER"
play 3128 3132
play 3197 3204  # twister to the closing word
play 3300 3301
play 3497 3504  # the closing word kept at 3500, the end at 3501 and after
compare play

# Arrow-key skips move the song by one or more whole positions (128 rows)
# while the clock runs on; scenes entered in their middle keep what earlier
# scenes left. At each stop the song plays on for four ticks.
skipstops=(
    -10 118 246 # into the fly-in above 240: no reset, it flies from where it is
    374 502     # past the warp's start: the car stays on green, now wobbling
    630 502 374 # into blank, then back into the warp's gap and the fly-in's
    758 886 1014 886 1014 1142 # 1988, scrollers, back and on
    1526 1654 1910 2038 1910 2038 # interference with texts, lens, back and on
    2166 2294 2422 2550 2422 2550 2678 2806 # rotozoomer, rings, back and on
    2934 3062 3190 3318 3446 3574 3446 # twister, closing, past the end and back
)
for d in "${skipstops[@]}"; do
    now=$((now + 50))
    # A slow frame now and then: several ticks, one drawing.
    if ((d % 3 == 0)); then
        now=$((now + 125))
    fi
    for i in 1 2 3 4; do
        frame "$((d + (i - 1) * 50 / rowms))"
        now=$((now + 50))
    done
    now=$((now - 50))
done
compare skips

echo "parity: $total frames identical between the host and the target build"
