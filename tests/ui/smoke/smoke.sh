#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end smoke test on a virtual X display: starts the real Quendrix,
# waits for its window, takes screenshots, runs the steps below and closes the
# window the way a window manager's close button does.
#
#   tests/ui/smoke/smoke.sh PATH/TO/Quendrix [OUTPUT-DIR]
#
# Screenshots (PNG) and the application's log go to OUTPUT-DIR (default
# ./smoke); every screenshot's path is printed. Without a display of its own
# the script runs itself under `xvfb-run -a` on a 1920 x 1080 screen.
#
# Adding a step: write a function step_<name> in the STEPS section (the
# helpers below find windows, click, type and take screenshots) and add
# <name> to the `steps` list. Steps run in order while the main window is open;
# a step fails the test by calling `fail MESSAGE` or by returning non-zero.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  sed -n '2,16p' "$0" >&2
  exit 2
fi
exe=$(realpath "$1")
out=$(mkdir -p "${2:-smoke}" && cd "${2:-smoke}" && pwd)

# -- a display of our own ---------------------------------------------------------
if [ -z "${QUENDRIX_SMOKE_DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "smoke: xvfb-run is missing (scripts/bootstrap)" >&2; exit 1; }
  export QUENDRIX_SMOKE_DISPLAY=xvfb
  exec timeout -k 5 "${QUENDRIX_SMOKE_TIMEOUT:-100}" \
    xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" "$0" "$exe" "$out"
fi

for tool in xdotool xwininfo import python3; do
  command -v "$tool" >/dev/null || { echo "smoke: $tool is missing (scripts/bootstrap)" >&2; exit 1; }
done

# -- helpers -----------------------------------------------------------------------
app_pid=
app_log="$out/quendrix.log"
runtime_dir=$(mktemp -d)

log() { echo "smoke: $*"; }
fail() {
  echo "smoke: FAILED: $*" >&2
  exit 1
}

app_running() { [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; }

cleanup() {
  local status=$?
  if app_running; then
    log "the application is still running; stopping it"
    kill -TERM "$app_pid" 2>/dev/null || true
    for _ in $(seq 20); do app_running || break; sleep 0.1; done
    app_running && kill -KILL "$app_pid" 2>/dev/null || true
    status=1
  fi
  if [ $status -ne 0 ] && [ -s "$app_log" ]; then
    echo "---- application log ($app_log)" >&2
    tail -n 40 "$app_log" >&2
  fi
  rm -rf "$runtime_dir"
  exit $status
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Visible top-level windows whose title is exactly TITLE, newest last.
find_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }

# Waits up to SECONDS (10) for a visible window titled TITLE other than the
# windows EXCEPT-ID...; prints its id.
wait_for_window() {
  local title=$1 seconds=${2:-10} id
  shift $(($# < 2 ? $# : 2))
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    app_running || fail "the application ended while waiting for \"$title\""
    for id in $(find_windows "$title"); do
      [[ " $* " == *" $id "* ]] && continue
      echo "$id"
      return 0
    done
    sleep 0.05
  done
  fail "no window \"$title\" within ${seconds}s"
}

# Waits up to SECONDS (5) for window ID to be closed or hidden.
wait_window_gone() {
  local id=$1 seconds=${2:-5}
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
    sleep 0.05
  done
  fail "window $id still open after ${seconds}s"
}

# Geometry of window ID as "X Y WIDTH HEIGHT" (root coordinates).
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}

# Clicks at X, Y relative to window ID's top-left corner (below the window
# frame; a main window's client area starts below its menu bar).
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.2
}

# Presses keys (xdotool names: Tab, Return, ctrl+a ...) or types text, as the
# keyboard does: into the window that has the input focus (Qt gives it to a
# newly shown window, a modal box included).
press_keys() { xdotool key --delay 30 "$@"; sleep 0.1; }
type_text() { xdotool type --delay 20 "$1"; sleep 0.1; }

# Waits for the screen to settle, then saves the whole screen as NAME.png.
screenshot() {
  sleep "${2:-0.3}"
  import -window root "$out/$1.png"
  echo "screenshot: $out/$1.png"
}

# Asks window ID to close (WM_DELETE_WINDOW, as a close button does).
close_window() { python3 "$here/xclose.py" "$1"; }

# -- STEPS -------------------------------------------------------------------------
main_window=   # the main window's id, set by the first step
menu_height=0  # the menu bar's height: the client area starts below it

# Clicks at X, Y of the main window's client area, the coordinates of the
# window's layout (a widget in a group: add the group's Left and Top).
click_client() { click_at "$main_window" "$1" $(($2 + menu_height)); }

# The main window appears with its caption, at its design size, centred, and
# is the application's only visible window (the export options stay hidden).
step_main_window() {
  main_window=$(wait_for_window Quendrix 20)
  [ "$(xdotool getwindowname "$main_window")" = Quendrix ] || fail "caption is not \"Quendrix\""
  read -r x y w h < <(window_geometry "$main_window")
  log "main window $main_window at $x,$y size ${w}x$h"
  [ "$w" -eq 1173 ] || fail "window width $w, not 1173"
  [ "$h" -gt 555 ] && [ "$h" -lt 600 ] || fail "window height $h, not 555 plus a menu bar"
  menu_height=$((h - 555))
  local dx=$((x - (1920 - w) / 2)) dy=$((y - (1080 - h) / 2))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || fail "window not centred (off by $dx,$dy)"
  local visible
  visible=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | wc -l)
  [ "$visible" -eq 1 ] || fail "$visible visible windows, expected the main window alone"
  screenshot main-window 0.5
}

# The single-point panel converts the design values (the result is seen in
# the screenshot) and a bad text opens the error report, closed with Enter.
step_convert() {
  # "Convert" (btn1, 128 x 25) at 243, 27 in grp3 at 8, 8.
  click_client $((8 + 243 + 64)) $((8 + 27 + 12))
  screenshot converted
  # The coefficient field edt2 at 134, 63 in grp1 at 14, 57 in grp3.
  click_client $((8 + 14 + 134 + 30)) $((8 + 57 + 63 + 10))
  press_keys ctrl+a
  type_text "2 000"
  click_client $((8 + 243 + 64)) $((8 + 27 + 12))
  local box
  box=$(wait_for_window Quendrix 5 "$main_window")
  screenshot error-report
  [ "$(xdotool getwindowfocus)" = "$box" ] || fail "the error report does not have the focus"
  press_keys Return
  wait_window_gone "$box"
}

# More steps (the curve button, the Help menu's dialogs ...) go here, before
# the window is closed.
steps=(main_window convert)

# -- run ---------------------------------------------------------------------------
log "starting $exe on display $DISPLAY"
XDG_RUNTIME_DIR=$runtime_dir QT_QPA_PLATFORM=xcb "$exe" >"$app_log" 2>&1 &
app_pid=$!

for step in "${steps[@]}"; do
  log "step $step"
  "step_$step"
done

log "closing the main window"
close_window "$main_window"
deadline=$((SECONDS + 10))
while app_running && [ $SECONDS -lt $deadline ]; do sleep 0.05; done
app_running && fail "the application did not end within 10s of closing its window"
status=0
wait "$app_pid" || status=$?
app_pid=
[ $status -eq 0 ] || fail "the application ended with status $status"
log "passed"
