#!/usr/bin/env bash
# The real program under Xvfb: the clock window appears off the taskbar, a second start
# leaves at once, SIGTERM ends the first.
source "$(dirname "$0")/lib/common.bash"
smoke_setup "$1"

smoke_start
window=$(smoke_wait_window "Larkspur Organizer")
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || smoke_fail "the clock is on the taskbar"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_PAGER || smoke_fail "the clock is in the pager"

timeout 10 "$program" || smoke_fail "a second start did not leave at once with status 0"
smoke_running || smoke_fail "the first instance ended with the second"

smoke_stop
[ "$exit_status" -eq 0 ] || smoke_fail "the program ended with status $exit_status"
echo "clock smoke test passed"
