#!/usr/bin/env bash
# A database the program cannot use ends it at start: the error is reported in a message box
# and, once that is answered, the program leaves with a failure status without touching the
# file system's copy of the database.
source "$(dirname "$0")/lib/common.bash"
smoke_setup "$1"

database=$program_dir/Ls.lsb

# The clock window carries the application's name as well; the report is the dialog.
error_box() {
  local window
  for window in $(smoke_windows "Larkspur Organizer"); do
    if xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG; then
      echo "$window"
      return 0
    fi
  done
}

# expect_error_report CASE: runs the program, answers its error report, checks the exit.
expect_error_report() {
  local box=""
  smoke_start
  for _ in $(seq 100); do
    box=$(error_box)
    [ -n "$box" ] && break
    smoke_running || smoke_fail "$1: the program ended without an error report"
    sleep 0.1
  done
  [ -n "$box" ] || smoke_fail "$1: no error report appeared"
  smoke_running || smoke_fail "$1: the program ended while its report was shown"
  xdotool windowfocus --sync "$box"
  xdotool key Return
  smoke_wait_end 100
  [ "$exit_status" -ne 0 ] || smoke_fail "$1: the program ended with status 0"
}

rm -f "$database"
expect_error_report "missing database"
[ ! -e "$database" ] || smoke_fail "missing database: the program created Ls.lsb"

for _ in $(seq 256); do printf 'no SQLite file here '; done >"$database"
cp "$database" "$smoke_work/garbage"
expect_error_report "corrupt database"
cmp -s "$database" "$smoke_work/garbage" || smoke_fail "corrupt database: the program changed the file"
echo "startup errors smoke test passed"
