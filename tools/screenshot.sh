#!/usr/bin/env bash
# Pictures of VeloxCD's main window, taken on the demo CD.
#
#   tools/screenshot.sh [OUT.png] [--machine 1|2|4|8] [--language 1|2]
#                       [--overlay machine|language] [--areas] [--tabs N]
#   tools/screenshot.sh --docs    every model in both languages, both overlays and
#                                 each model's click areas, into docs/screenshots/
#
# --areas outlines the click areas, to show that each lies over its icon.
# --tabs N presses Tab N times first, to show the keyboard's focus frame.
#
# VeloxCD starts as it does for a user (start-up, the About screen, the main
# window's load) in a prefix of its own whose drive D: is a demo CD drawn by
# democd. Without a display it runs under Xvfb (or, failing that, offscreen).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
say() { printf '\033[1mscreenshot:\033[0m %s\n' "$*" >&2; }

out="screenshot.png"
machine=4
language=1
overlay=""
areas=""
tabs=""
docs=0
while [ $# -gt 0 ]; do
  case "$1" in
    --docs) docs=1 ;;
    --machine) machine="$2"; shift ;;
    --language) language="$2"; shift ;;
    --overlay) overlay="$2"; shift ;;
    --areas) areas="--areas" ;;
    --tabs) tabs="$2"; shift ;;
    -*) say "unknown option $1"; exit 2 ;;
    *) out="$1" ;;
  esac
  shift
done

build="build/debug"
targets=(velox-screenshot)
if [ -f tools/democd/CMakeLists.txt ]; then targets+=(democd); fi
if [ -f tools/velox-catalogue/CMakeLists.txt ]; then targets+=(velox-catalogue); fi
cmake --preset debug >/dev/null
cmake --build --preset debug --target "${targets[@]}" >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The CD.
if [ -x "$build/tools/democd/democd" ]; then
  "$build/tools/democd/democd" "$work/cd" >/dev/null
else
  say "democd is not built: the CD holds no pictures"
  mkdir -p "$work/cd/Pictures"
  : >"$work/cd/Pictures/LanguageFalcon.gif"
fi

# The prefix (drive D: is the CD) and the program folder.
mkdir -p "$work/prefix" "$work/program"
printf 'D: cdrom %s\n' "$work/cd" >"$work/prefix/drives"
if [ -x "$build/tools/velox-catalogue/velox-catalogue" ] && [ -f tools/democd/demo-catalogue.json ]; then
  "$build/tools/velox-catalogue/velox-catalogue" build tools/democd/demo-catalogue.json \
    -o "$work/program/veloxcd.db" >/dev/null
else
  : >"$work/program/veloxcd.db"
fi

run() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  elif command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  else
    QT_QPA_PLATFORM=offscreen "$@"
  fi
}

# shoot OUT MACHINE LANGUAGE [OVERLAY] [--areas] [TABS]
shoot() {
  printf 'Language: %s\r\nMachine: %s\r\n' "$3" "$2" >"$work/program/setting.txt"
  local extra=()
  if [ -n "${4:-}" ]; then extra+=(--overlay "$4"); fi
  if [ -n "${5:-}" ]; then extra+=("$5"); fi
  if [ -n "${6:-}" ]; then extra+=(--tabs "$6"); fi
  VELOX_PREFIX="$work/prefix" run "$build/tools/screenshot/velox-screenshot" \
    "$work/program" "$1" "${extra[@]}"
  say "saved $1"
}

if [ "$docs" -eq 1 ]; then
  mkdir -p docs/screenshots
  for model in 1:wren 2:falcon 4:merlin 8:osprey; do
    for lang in 1:en 2:de; do
      shoot "docs/screenshots/${model#*:}-${lang#*:}.png" "${model%%:*}" "${lang%%:*}"
    done
    shoot "docs/screenshots/${model#*:}-areas.png" "${model%%:*}" 1 "" --areas
  done
  shoot docs/screenshots/overlay-machine.png 2 1 machine
  shoot docs/screenshots/overlay-language.png 2 1 language
  # The keyboard's focus frame: on the machine key, and on the second label of
  # the machine choice (past the six keys, the eight icons and the first label).
  shoot docs/screenshots/keyboard-focus.png 2 1 "" "" 2
  shoot docs/screenshots/keyboard-focus-overlay.png 2 1 machine "" 16
else
  shoot "$out" "$machine" "$language" "$overlay" "$areas" "$tabs"
fi
