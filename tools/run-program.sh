#!/usr/bin/env bash
# Starts the program from a copy of build/dist under Wine. With a display the window opens there;
# without one it runs inside Xvfb, saves a screenshot to build/run/screenshot.png and closes it.
set -euo pipefail
root=$(readlink -f "$(dirname "$0")/..")
dist=$root/build/dist
exe_name="Talvik软件安装路径修改器2.1.exe"
[ -f "$dist/$exe_name" ] || { echo "run: $dist/$exe_name is missing; build first" >&2; exit 1; }
run=$root/build/run
mkdir -p "$run"
rm -rf "$run/app" && cp -a "$dist" "$run/app"
winpath() { local p=$1; echo "Z:${p//\//\\}"; }

if [ -n "${DISPLAY:-}" ] && [ -z "${CI:-}" ]; then
  echo "Starting the program on $DISPLAY (settings are kept in $run/app)"
  TALVIK_INTERACTIVE=1 TALVIK_WINE_TIMEOUT=86400 "$root/tools/wine/wine-run.sh" "$run/app/$exe_name"
else
  rm -f "$run/screenshot.png"
  TALVIK_WINE_TIMEOUT=120 "$root/tools/wine/wine-run.sh" "$root/build/win64/tools/talvik_shot.exe" \
    "$(winpath "$run/app/$exe_name")" "$(winpath "$run/screenshot.png")"
  echo "Screenshot of the running program: $run/screenshot.png"
fi
