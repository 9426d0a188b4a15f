#!/usr/bin/env bash
# The clock's menu opens the task editor and the task list of the real program, each at its
# own fixed size. Screenshots of both are left in $SMOKE_SCREENSHOTS when that is set.
source "$(dirname "$0")/lib/common.bash"
smoke_setup "$1"

editor_caption="$(smoke_message NewToDo)..."
list_caption=$(sed -n '/^\[frmToDoList\]/,/^\[/s/^Caption=//p' "$program_dir/Languages/English.lng" | tr -d '\r')
[ -n "$list_caption" ] || smoke_fail "no caption of the task list in English.lng"

# The visible popup menus: Qt maps them override-redirect, unlike every window of the program.
menus() {
  local window
  for window in $(xdotool search --onlyvisible --name '.*' 2>/dev/null || true); do
    xwininfo -id "$window" 2>/dev/null | grep -q 'Override Redirect State: yes' && echo "$window"
  done
  return 0
}

wait_menus() {
  for _ in $(seq 50); do
    [ "$(menus | wc -l)" -ge "$1" ] && return 0
    sleep 0.1
  done
  smoke_fail "$1 menus expected, $(menus | wc -l) open"
}

# choose_from_menu DOWNS: right-click the middle of the clock (its corners may lie outside a
# round face), go DOWNS items down the menu, into the submenu there and take its first item.
choose_from_menu() {
  local WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$clock" | grep -E '^(WIDTH|HEIGHT)=')"
  xdotool mousemove --window "$clock" $((WIDTH / 2)) $((HEIGHT / 2)) click 3
  wait_menus 1
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Right
  wait_menus 2
  xdotool key Return
}

expect_size() {
  local geometry
  geometry=$(xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
  [ "$geometry" = "$2" ] || smoke_fail "\"$3\" is $geometry, expected $2"
}

screenshot() {
  [ -n "${SMOKE_SCREENSHOTS:-}" ] || return 0
  sleep 0.5
  import -window root "$SMOKE_SCREENSHOTS/smoke-tasks-$1.png"
}

smoke_start
clock=$(smoke_wait_window "Larkspur Organizer")

choose_from_menu 1
editor=$(smoke_wait_window "$editor_caption" 50)
expect_size "$editor" 309x370 "$editor_caption"
screenshot editor

choose_from_menu 2
list=$(smoke_wait_window "$list_caption" 50)
expect_size "$list" 519x308 "$list_caption"
screenshot list

smoke_stop
[ "$exit_status" -eq 0 ] || smoke_fail "the program ended with status $exit_status"
echo "tasks smoke test passed"
