#!/usr/bin/env bash
# Plays the whole song through demo-replay, with and without skips, on both
# timelines (--offset 0 and -16), and compares every frame's hash and state
# line with the snapshots committed beside this script.
#
#   snapshot.sh REPLAY RUN_DIR            compare; status 1 on any difference
#   snapshot.sh REPLAY RUN_DIR --update   write the snapshots anew
#
# A snapshot has one line a frame: the clock and song position of the
# render call, the screen's hash, and the state line's values in the order
# of its header. After a deliberate change, scripts/snapshot rewrites them and
# the diff is reviewed in the commit.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ $# -lt 2 || $# -gt 3 || (${3:-} != "" && ${3:-} != --update) ]]; then
    echo "usage: snapshot.sh REPLAY RUN_DIR [--update]" >&2
    exit 2
fi
replay=$(realpath "$1") run=$2 update=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for mode in song skips; do
    "$here/script.sh" "$mode" >"$work/$mode.script"
    for offset in 0 -16; do
        name=$mode.offset$offset
        (cd "$run" && "$replay" --offset "$offset" "$work/$mode.script") >"$work/$name.out"
        # The render arguments from the script, then the hash and state
        # lines from the replayer's output, one frame a line.
        awk -v name="$name" '
            NR == FNR { if ($1 == "render") frame[++n] = $2 " " $3 " " $4; next }
            /^hash=/ { hash = substr($0, 6); next }
            {
                if (++k == 1) {
                    header = "# " name ": now pos row hash"
                    for (i = 1; i <= NF; i++) { split($i, kv, "="); header = header " " kv[1] }
                    print header
                }
                line = frame[k] " " hash
                for (i = 1; i <= NF; i++) { split($i, kv, "="); line = line " " kv[2] }
                print line
            }' "$work/$mode.script" "$work/$name.out" >"$work/$name.snap"
        if [[ $update == --update ]]; then
            cp "$work/$name.snap" "$here/$name.snap"
            echo "snapshot: $name: $(($(wc -l <"$work/$name.snap") - 1)) frames written"
        elif ! cmp -s "$here/$name.snap" "$work/$name.snap"; then
            differ=$(diff "$here/$name.snap" "$work/$name.snap" | grep -c '^>' || true)
            echo "snapshot: $name: $differ frames differ; the first:" >&2
            { diff "$here/$name.snap" "$work/$name.snap" || true; } | head -n 6 >&2
            status=1
        else
            echo "snapshot: $name: $(($(wc -l <"$work/$name.snap") - 1)) frames identical"
        fi
    done
done
exit "$status"
