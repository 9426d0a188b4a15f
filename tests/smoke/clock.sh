#!/usr/bin/env bash
# The real program under Xvfb: the clock window appears off the taskbar, a second start
# leaves at once, SIGTERM ends the first.
set -euo pipefail

executable=$(readlink -f "$1")
work=$(mktemp -d)
trap 'kill "$xvfb_pid" 2>/dev/null || true; [ -n "${first_pid:-}" ] && kill -9 "$first_pid" 2>/dev/null || true; rm -rf "$work"' EXIT

cp -a "$(dirname "$executable")" "$work/program"
program="$work/program/$(basename "$executable")"
mkdir -m 700 "$work/runtime" "$work/home"

display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb_pid=$!
export DISPLAY=$display XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
export QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

fail() { echo "FAIL: $*" >&2; exit 1; }

"$program" &
first_pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "^Larkspur Organizer$" 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  kill -0 "$first_pid" 2>/dev/null || fail "the program ended at start"
  sleep 0.1
done
[ -n "$window" ] || fail "no clock window appeared"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the clock is on the taskbar"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_PAGER || fail "the clock is in the pager"

timeout 10 "$program" || fail "a second start did not leave at once with status 0"
kill -0 "$first_pid" 2>/dev/null || fail "the first instance ended with the second"

kill -TERM "$first_pid"
status=0
for _ in $(seq 100); do kill -0 "$first_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$first_pid" 2>/dev/null && fail "SIGTERM did not end the program"
wait "$first_pid" || status=$?
first_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "clock smoke test passed"
