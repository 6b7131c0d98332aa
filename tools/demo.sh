#!/usr/bin/env bash
# ./velox demo: VeloxCD on the demo CD, as a newcomer first sees it.
#
# Builds what is missing, draws the demo CD, lays out a program folder (VeloxCD,
# its sound and print modules, its catalogue, TANLINK.OCX and the installer), makes a
# prefix whose drive D: is the demo CD, with the link control and the
# connectivity engine registered and a connected handheld, and starts VeloxCD.
# Without a display it runs under Xvfb, saves a picture of the main window after
# the About screen and says where.
#
#   tools/demo.sh [--fresh] [--preset P] [--into DIR] [--no-start]
#
# --fresh draws the CD and the prefix anew; --preset builds and takes the
# programs of another build (debug by default); --into lays the demo out in
# DIR instead of build/demo; --no-start stops once everything is laid out (the
# start-up benchmark uses a release demo made so).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
say() { printf '\033[1mdemo:\033[0m %s\n' "$*" >&2; }

fresh=0
preset=debug
demo="$root/build/demo"
start=1
while [ $# -gt 0 ]; do
  case "$1" in
    --fresh) fresh=1 ;;
    --preset) preset="$2"; shift ;;
    --into)
      case "$2" in /*) demo="$2" ;; *) demo="$root/$2" ;; esac
      shift ;;
    --no-start) start=0 ;;
    *) say "unknown option $1"; exit 2 ;;
  esac
  shift
done

"$root/velox" build "$preset" >/dev/null
build="$root/build/$preset"
cd_root="$demo/cd"
program="$demo/program"
prefix="$demo/prefix"
export VELOX_PREFIX="$prefix"

need() {
  for f in "$@"; do
    if [ ! -e "$f" ]; then
      say "missing $f: the build is incomplete"
      exit 1
    fi
  done
}
need "$build/catalogue/VeloxCD" "$build/platform/win/libvelox-sound.so" \
  "$build/platform/win/libvelox-print.so" "$build/tools/democd/democd" \
  "$build/tools/velox-catalogue/velox-catalogue" "$build/simulator/korainst/korainst.exe"

if [ "$fresh" -eq 1 ]; then rm -rf "$demo"; fi
mkdir -p "$demo" "$program" "$prefix"

# The demo CD, drawn once.
if [ ! -f "$cd_root/Pictures/LanguageFalcon.gif" ]; then
  say "drawing the demo CD in $cd_root"
  "$build/tools/democd/democd" "$cd_root" >/dev/null
fi

# The program folder.
cp -f "$build/catalogue/VeloxCD" "$program/VeloxCD"
cp -f "$build/platform/win/libvelox-sound.so" "$program/libvelox-sound.so"
cp -f "$build/platform/win/libvelox-print.so" "$program/libvelox-print.so"
cp -f "$build/simulator/korainst/korainst.exe" "$program/korainst.exe"
"$build/tools/velox-catalogue/velox-catalogue" build tools/democd/demo-catalogue.json \
  -o "$program/veloxcd.db" >/dev/null

# The prefix: drive D: is the demo CD.
printf 'D: cdrom %s\n' "$cd_root" >"$prefix/drives"

# The link control and the engine, registered as their installers would.
regsvr="$build/tools/regsvr/regsvr"
if [ -x "$regsvr" ] && [ -f "$build/tanlink/TANLINK.OCX" ]; then
  cp -f "$build/tanlink/TANLINK.OCX" "$program/TANLINK.OCX"
  "$regsvr" "$program/TANLINK.OCX" >/dev/null
else
  say "TANLINK.OCX is not built: the alarm sounds cannot reach the handheld"
fi
if [ -x "$regsvr" ] && [ -f "$build/simulator/libtandemengine.so" ]; then
  mkdir -p "$prefix/engine"
  cp -f "$build/simulator/libtandemengine.so" "$prefix/engine/libtandemengine.so"
  "$regsvr" "$prefix/engine/libtandemengine.so" >/dev/null
fi
if [ -x "$build/simulator/velox-handheld" ]; then
  [ -f "$prefix/handheld/state.json" ] || "$build/simulator/velox-handheld" setup >/dev/null
  "$build/simulator/velox-handheld" connect >/dev/null
fi

if [ "$start" -eq 0 ]; then
  say "laid out in $demo (program folder $program, prefix $prefix)"
  exit 0
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  say "starting VeloxCD (program folder $program, prefix $prefix)"
  exec "$program/VeloxCD"
fi

# No display: the same start under Xvfb, with a picture of the main window.
shot="$demo/screenshot.png"
need "$build/tools/screenshot/velox-screenshot"
say "no display: running VeloxCD under Xvfb"
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/screenshot/velox-screenshot" "$program" "$shot"
else
  QT_QPA_PLATFORM=offscreen "$build/tools/screenshot/velox-screenshot" "$program" "$shot"
fi
say "the main window on the demo CD: $shot"
