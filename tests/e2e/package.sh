#!/usr/bin/env bash
# The amd64 package: built with CPack from this build, its Depends computed,
# lintian without errors, its launcher, metadata, manual page and icons
# valid; unpacked into a scratch root, the program runs from / (no data in
# the working directory) until `timeout` stops it. As root, also installed
# with apt-get, run, removed, and nothing of it left behind.
#   package.sh BUILDDIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
fail() { echo "package: $*"; exit 1; }
headless() { (cd / && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy timeout 3 "$@" >/dev/null 2>&1); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/cpack" >"$work/cpack.txt" 2>&1 ||
  { cat "$work/cpack.txt"; fail "cpack failed"; }
debs=("$work"/cpack/quorvast_*_amd64.deb)
deb=${debs[0]}
[[ -f $deb ]] || fail "cpack made no amd64 package"

# Depends comes from dpkg-shlibdeps: every library with its version floor.
depends=$(dpkg-deb -f "$deb" Depends)
IFS=, read -ra entries <<<"$depends"
for lib in libc6 libstdc++6 libmikmod3 libsdl-image1.2 libsdl1.2; do
  found=0
  for entry in "${entries[@]}"; do
    [[ $entry =~ ^\ ?([^ ]+)\ \(\>=\ [^\)]+\)$ && ${BASH_REMATCH[1]} == "$lib"* ]] && found=1
  done
  [[ $found == 1 ]] || fail "Depends lacks $lib (>= ...): $depends"
done
# Fields are read whole: a `grep -q` would close the pipe early, and under
# pipefail the writer's SIGPIPE would fail the check at random.
section=$(dpkg-deb -f "$deb" Section)
[[ $section == games ]] || fail "not in section games: $section"
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || { cat "$work/lintian.txt"; fail "lintian errors"; }

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/as.txt" ||
  { cat "$work/as.txt"; fail "metainfo does not validate"; }
# The manual page formats without a warning.
warnings=$(zcat "$root/usr/share/man/man6/quorvast.6.gz" | groff -man -Tutf8 -ww -z 2>&1)
[[ -z $warnings ]] || fail "manual page: $warnings"
for size in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x$size/apps/quorvast.png
  [[ $(identify -format '%wx%h' "$icon") == "${size}x$size" ]] || fail "icon $icon"
done
[[ -f $root/usr/share/doc/quorvast/copyright && -f $root/usr/share/doc/quorvast/changelog.gz ]] ||
  fail "no copyright or changelog"

# An unpacked, moved installation finds its data beside itself.
status=0
headless "$root/usr/games/quorvast" || status=$?
[[ $status == 124 ]] || fail "the unpacked program ended with status $status, not 124 (timeout)"

if [[ $(id -u) -ne 0 ]] || ! command -v apt-get >/dev/null; then
  echo "package: unpacked and ran; apt-get install skipped (not root)"
  exit 0
fi
if [[ $(dpkg-query -W -f='${Status}' quorvast 2>/dev/null || true) == *'ok installed' ]]; then
  echo "package: unpacked and ran; apt-get install skipped (quorvast is installed here already)"
  exit 0
fi
apt=(env DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300)
"${apt[@]}" install "$deb" >"$work/apt.txt" 2>&1 || { cat "$work/apt.txt"; fail "apt-get install failed"; }
removed=0
remove() { [[ $removed == 1 ]] || "${apt[@]}" purge quorvast >/dev/null 2>&1; removed=1; }
trap 'remove; rm -rf "$work"' EXIT
[[ $(/usr/games/quorvast --version) == "quorvast $(dpkg-deb -f "$deb" Version)" ]] ||
  fail "the installed program gives another version"
status=0
headless /usr/games/quorvast || status=$?
[[ $status == 124 ]] || fail "the installed program ended with status $status, not 124 (timeout)"
remove
dpkg-query -W quorvast >/dev/null 2>&1 && fail "dpkg still knows quorvast after the purge"
left=$(dpkg-deb -c "$deb" | awk '{print substr($6, 2)}' | grep -v '/$' |
  while read -r f; do [[ -e $f ]] && echo "$f"; done || true)
[[ -z $left ]] || fail "left behind: $left"
for dir in /usr/share/games/quorvast /usr/share/doc/quorvast; do
  [[ ! -e $dir ]] || fail "left behind: $dir"
done
echo "package: unpacked and ran, installed with apt-get, ran, removed without a trace"
