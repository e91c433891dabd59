#!/usr/bin/env bash
# The browser build's picture loading against the host's SDL_image: PNGs of
# other layouts than the demo's own (grey, palette, with alpha, 16 bits a
# channel) must give the wasm replayer the same logo frame as the host's, and
# a missing, broken, truncated or misshapen picture must stop it with one
# line naming the file, never a crash.
#
#   pictures.sh HOST_REPLAY WASM_REPLAY RUN_DIR
set -euo pipefail
if [[ $# -ne 3 ]]; then
    echo "usage: pictures.sh HOST_REPLAY WASM_REPLAY RUN_DIR" >&2
    exit 2
fi
host=$(realpath "$1") wasm=$(realpath "$2") run=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# A copy of the run directory whose picture FILE is what the command makes.
fresh()
{
    rm -rf "$work/run"
    mkdir -p "$work/run"
    cp -r "$run/zel.it" "$run/data" "$work/run/"
}

logo='render 8000 1 10
hash'

# Each layout: a name, then ImageMagick's options for it.
layouts=(
    "grey -colorspace Gray -define png:color-type=0 -define png:bit-depth=8 png"
    "palette -colors 200 png8"
    "alpha -type TrueColorAlpha png32"
    "deep -type TrueColor png48"
)
for layout in "${layouts[@]}"; do
    read -r -a words <<<"$layout"
    name=${words[0]} format=${words[-1]}
    fresh
    convert "$run/data/zellogo.png" "${words[@]:1:${#words[@]}-2}" "$format:$work/run/data/zellogo.png"
    want=$(cd "$work/run" && "$host" <<<"$logo")
    got=$(cd "$work/run" && "$wasm" <<<"$logo") || true
    if [[ $got == "$want" ]]; then
        echo "pictures: $name logo: the same frame"
    else
        echo "pictures: $name logo: host $want, wasm ${got:-nothing}" >&2
        status=1
    fi
done

# Each case: the picture, what to do to it, the reason expected after its name.
bad()
{
    local file=$1 make=$2 reason=$3
    fresh
    (cd "$work/run" && eval "$make")
    local out code=0
    out=$(cd "$work/run" && "$wasm" </dev/null 2>&1) || code=$?
    local want="demo-replay: Could not load picture $file: "
    if [[ $code -eq 1 && $(wc -l <<<"$out") -eq 1 && $out == "$want"* && $out == *"$reason"* ]]; then
        echo "pictures: $file: $out"
    else
        echo "pictures: $file: status $code, said: $out" >&2
        status=1
    fi
}
bad data/green.png 'rm data/green.png' 'cannot open: No such file or directory'
bad data/1988.png 'echo not a picture >data/1988.png' 'not a PNG'
bad data/car.png 'head -c 3000 "$run/data/car.png" >data/car.png' ''
bad data/afro.png 'convert "$run/data/afro.png" -resize 128x128! data/afro.png' \
    'expected 320x240, got 128x128'
exit "$status"
