#!/usr/bin/env bash
# usage: wine-run.sh PROGRAM.exe [ARGS...]
# Runs a Windows program under Wine in a fresh copy of the template prefix, inside an Xvfb of its own,
# and returns the program's exit code. Ends only the wineserver and the Xvfb it started.
# Environment: TALVIK_DESKTOP=WxH (virtual desktop size, default 1024x768), TALVIK_WINE_TIMEOUT
# (seconds, default 280), TALVIK_KEEP_RUN=1 keeps the run folder, TALVIK_RUN_DIR names it (else a
# temporary folder under build/wine), TALVIK_INTERACTIVE=1 uses the caller's DISPLAY instead of Xvfb.
set -uo pipefail
here=$(dirname "$(readlink -f "$0")")
source "$here/wine-env.sh"
"$here/make-template.sh" >&2 || { echo "wine-run: cannot make the Wine prefix" >&2; exit 90; }
desktop=${TALVIK_DESKTOP:-1024x768}
run=
xvfb_pid=

cleanup() {
  [ -n "$run" ] || return 0
  WINEPREFIX=$run/prefix timeout 20 wineserver -k >/dev/null 2>&1
  WINEPREFIX=$run/prefix timeout 20 wineserver -w >/dev/null 2>&1
  sockdir=$(cat "$run/prefix/wineserver" 2>/dev/null || true)
  [ -n "$sockdir" ] && case "$sockdir" in /tmp/*) rm -rf "$sockdir" ;; esac
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  xvfb_pid=
  [ "${TALVIK_KEEP_RUN:-0}" = 1 ] || [ -n "${TALVIK_RUN_DIR:-}" ] || rm -rf "$run"
  run=
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# One run in a fresh prefix and display; its stderr is also kept in $run/stderr.
attempt() {
  if [ -n "${TALVIK_RUN_DIR:-}" ]; then
    run=$TALVIK_RUN_DIR; rm -rf "$run"; mkdir -p "$run"
  else
    mkdir -p "$TALVIK_WINE_DIR"
    run=$(mktemp -d "$TALVIK_WINE_DIR/run.XXXXXX")
  fi
  cp -a "$TALVIK_WINE_TEMPLATE/prefix" "$run/prefix"
  mkdir -p "$run/home"
  export WINEPREFIX=$run/prefix HOME=$run/home
  sed -i "s/^\"shell\"=\"[0-9]*x[0-9]*\"/\"shell\"=\"$desktop\"/" "$WINEPREFIX/user.reg"

  if [ "${TALVIK_INTERACTIVE:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    local w=${desktop%x*} h=${desktop#*x}
    exec 8>"$run/display"
    Xvfb -displayfd 8 -screen 0 "$((w + 0))x$((h + 0))x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do [ -s "$run/display" ] && break; sleep 0.05; done
    exec 8>&-
    [ -s "$run/display" ] || { echo "wine-run: Xvfb did not start" >&2; return 91; }
    export DISPLAY=":$(head -n 1 "$run/display")"
  fi

  wineserver -p >/dev/null 2>&1
  timeout --kill-after=5 "${TALVIK_WINE_TIMEOUT:-280}" "$wine_bin" "$@" 2>"$run/stderr"
  local rc=$?
  cat "$run/stderr" >&2
  [ $rc -eq 124 ] && echo "wine-run: $1 timed out" >&2
  return $rc
}

attempt "$@"
rc=$?
# Wine's X11 driver now and then dies on an X error of its own (a window gone under it) before the
# program has done anything wrong; such a run says nothing about the program, so it is run again (at
# most twice more: on a loaded machine the same driver error has been seen twice in a row).
for retry in 1 2; do
  [ $rc -ne 0 ] && grep -q "X Error of failed request" "$run/stderr" 2>/dev/null || break
  echo "wine-run: Wine's X11 driver failed; running $1 again ($retry)" >&2
  cleanup
  attempt "$@"
  rc=$?
done
exit $rc
