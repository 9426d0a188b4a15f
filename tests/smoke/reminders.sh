#!/usr/bin/env bash
# The reminder engine of the real program, on a faked clock: the start-up scan catches up a
# repeating series, and the clock's timer announces a one-time task when it comes due.
source "$(dirname "$0")/lib/common.bash"
smoke_setup "$1"

regular_caption=$(smoke_message RegularTask)
once_caption=$(smoke_message OnceTask)
start='2025-03-14 10:35:00'

# A task at exact time every 10 minutes from 09:00, active for an hour, last due at 10:00
# when the program ended: at 10:35 the start-up scan announces 10:00 and every other element
# still active (09:40, 09:50, 10:10, 10:20, 10:30), then moves the row to 10:40.
smoke_sql "DELETE FROM ToDo;
INSERT INTO ToDo (TDID, MesType, FirstDT, ShowDT, Title, Comment, PeriodInt, PeriodType, ElapseInt, ElapseType)
VALUES (1, 0, $(smoke_day '2025-03-14 09:00:00'), $(smoke_day '2025-03-14 10:00:00'), 'Series', '', 10, 1, 1, 2);"
smoke_start "$start"
smoke_wait_window "Larkspur Organizer" >/dev/null
smoke_wait_count "$regular_caption" 6 100
# No further window follows: the series is announced once per element.
sleep 1.5
count=$(smoke_windows "$regular_caption" | wc -l)
[ "$count" -eq 6 ] || smoke_fail "$count windows \"$regular_caption\" after the catch-up, expected 6"
smoke_stop
[ "$exit_status" -eq 0 ] || smoke_fail "the program ended with status $exit_status"
show=$(smoke_sql "SELECT $(smoke_time_of ShowDT) || ' ' || MesType FROM ToDo WHERE TDID = 1;")
[ "$show" = "2025-03-14 10:40:00 0" ] || smoke_fail "the series row is at \"$show\", expected \"2025-03-14 10:40:00 0\""

# A one-time task due 4 seconds after the start comes from the clock's timer, not from the
# start-up scan: its window appears within one tick (and a little slack) of its time.
due_after=4
smoke_sql "DELETE FROM ToDo;
INSERT INTO ToDo (TDID, MesType, FirstDT, ShowDT, Title, Comment, PeriodInt, PeriodType, ElapseInt, ElapseType)
VALUES (2, 0, $(smoke_day '2025-03-14 10:35:04'), $(smoke_day '2025-03-14 10:35:04'), 'Once', '', 0, 0, 1, 2);"
launched=$(date +%s%N)
smoke_start "$start"
smoke_wait_window "Larkspur Organizer" >/dev/null
clock_shown=$(( ($(date +%s%N) - launched) / 1000000 ))
[ "$clock_shown" -lt $((due_after * 1000)) ] ||
  smoke_fail "the clock took ${clock_shown} ms to appear, later than the task's time"
[ -z "$(smoke_windows "$once_caption")" ] || smoke_fail "the task was announced before its time"
appeared=""
for _ in $(seq 200); do
  if [ -n "$(smoke_windows "$once_caption")" ]; then
    appeared=$(( ($(date +%s%N) - launched) / 1000000 ))
    break
  fi
  smoke_running || smoke_fail "the program ended while waiting for the task"
  sleep 0.05
done
[ -n "$appeared" ] || smoke_fail "no window \"$once_caption\" appeared"
echo "the task's window appeared $appeared ms after the start, due at $((due_after * 1000)) ms"
[ "$appeared" -ge $((due_after * 1000)) ] || smoke_fail "the task was announced before its time"
[ "$appeared" -le $((due_after * 1000 + 2500)) ] || smoke_fail "the task was announced late"
smoke_stop
[ "$exit_status" -eq 0 ] || smoke_fail "the program ended with status $exit_status"
row=$(smoke_sql "SELECT $(smoke_time_of ShowDT) || ' ' || MesType FROM ToDo WHERE TDID = 2;")
[ "$row" = "2025-03-14 10:35:04 10" ] || smoke_fail "the one-time row is \"$row\", expected \"2025-03-14 10:35:04 10\""
echo "reminders smoke test passed"
