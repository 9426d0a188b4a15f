# Sourced by the smoke scripts: a private X server, a private copy of the program folder,
# home and runtime directory, bounded waits, and cleanup of everything started here.
# After smoke_setup EXECUTABLE: $program is the copied executable, $program_dir its folder,
# $smoke_work a scratch folder removed at exit.
set -euo pipefail

smoke_pids=()

smoke_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

smoke_cleanup() {
  local pid
  for pid in "${smoke_pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  [ -n "${smoke_xvfb_pid:-}" ] && kill "$smoke_xvfb_pid" 2>/dev/null || true
  [ -n "${smoke_work:-}" ] && rm -rf "$smoke_work"
  return 0
}

smoke_setup() {
  local executable
  executable=$(readlink -f "$1")
  [ -x "$executable" ] || smoke_fail "no executable at $1"
  smoke_work=$(mktemp -d)
  trap smoke_cleanup EXIT
  cp -a "$(dirname "$executable")" "$smoke_work/program"
  program_dir=$smoke_work/program
  program=$program_dir/$(basename "$executable")
  # Settings left by an earlier run of the build folder (another view mode) must not leak in.
  rm -f "$program_dir/L_Organizer.ini"
  mkdir -m 700 "$smoke_work/runtime" "$smoke_work/home"
  export XDG_RUNTIME_DIR=$smoke_work/runtime HOME=$smoke_work/home XDG_CONFIG_HOME=$smoke_work/home/.config
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
  smoke_start_xvfb
}

# A display number far from the usual ones, retried when taken, so that runs beside other
# X servers on the machine (and beside each other) never share one.
smoke_start_xvfb() {
  local number
  for _ in $(seq 10); do
    number=$((1000 + RANDOM % 30000))
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp 2>"$smoke_work/xvfb.log" &
    smoke_xvfb_pid=$!
    for _ in $(seq 50); do
      if ! kill -0 "$smoke_xvfb_pid" 2>/dev/null; then
        smoke_xvfb_pid=""
        break
      fi
      if xdpyinfo -display ":$number" >/dev/null 2>&1; then
        export DISPLAY=:$number
        return 0
      fi
      sleep 0.1
    done
    [ -n "$smoke_xvfb_pid" ] && smoke_fail "Xvfb on :$number does not answer"
  done
  smoke_fail "Xvfb found no free display: $(cat "$smoke_work/xvfb.log")"
}

# smoke_start [FAKED_START_TIME]: starts the program in the background, under faketime when a
# time is given (the faked clock starts there and runs on; timers keep the real monotonic
# clock). Sets $app_pid (the program's own process, the one to signal) and $launcher_pid
# (the process to wait for: faketime forks the program and passes its exit status on).
smoke_start() {
  if [ -n "${1:-}" ]; then
    FAKETIME_DONT_FAKE_MONOTONIC=1 faketime "$1" "$program" &
    launcher_pid=$!
    smoke_pids+=("$launcher_pid")
    app_pid=""
    for _ in $(seq 100); do
      app_pid=$(ps -o pid= --ppid "$launcher_pid" | tr -d ' ' || true)
      [ -n "$app_pid" ] && break
      sleep 0.05
    done
    [ -n "$app_pid" ] || smoke_fail "faketime started no program"
  else
    "$program" &
    launcher_pid=$!
    app_pid=$launcher_pid
  fi
  smoke_pids+=("$app_pid")
}

smoke_running() {
  kill -0 "$launcher_pid" 2>/dev/null
}

# smoke_wait_end [TENTHS]: waits for the program to end; sets $exit_status.
smoke_wait_end() {
  for _ in $(seq "${1:-100}"); do smoke_running || break; sleep 0.1; done
  smoke_running && smoke_fail "the program did not end"
  exit_status=0
  wait "$launcher_pid" || exit_status=$?
  # Ended and reaped: the ids may belong to someone else from now on.
  smoke_pids=()
}

# smoke_stop: SIGTERM and a bounded wait for the end; sets $exit_status.
smoke_stop() {
  kill -TERM "$app_pid" 2>/dev/null || true
  smoke_wait_end 100
}

# smoke_windows NAME: the ids of the visible windows whose whole title is NAME.
smoke_windows() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

# smoke_wait_window NAME [TENTHS]: prints the id of the first visible window titled NAME;
# fails when none appears in time or the program ends first.
smoke_wait_window() {
  local window
  for _ in $(seq "${2:-100}"); do
    window=$(smoke_windows "$1" | head -n1)
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    smoke_running || smoke_fail "the program ended while waiting for \"$1\""
    sleep 0.1
  done
  smoke_fail "no window \"$1\" appeared"
}

# smoke_wait_count NAME COUNT [TENTHS]: waits until COUNT visible windows are titled NAME.
smoke_wait_count() {
  local count=0
  for _ in $(seq "${3:-100}"); do
    count=$(smoke_windows "$1" | wc -l)
    [ "$count" -ge "$2" ] && return 0
    sleep 0.1
  done
  smoke_fail "$count windows \"$1\" appeared, expected $2"
}

# smoke_message KEY: a text of the [Messages] section of the English language file.
smoke_message() {
  local text
  text=$(sed -n "/^\[Messages\]/,/^\[/s/^$1=//p" "$program_dir/Languages/English.lng" | tr -d '\r')
  [ -n "$text" ] || smoke_fail "no message $1 in English.lng"
  echo "$text"
}

# smoke_sql SQL: runs statements on the copied database.
smoke_sql() {
  sqlite3 -batch -bail "$program_dir/Ls.lsb" "$1"
}

# smoke_day 'YYYY-MM-DD HH:MM:SS': the SQL expression of that local time as the program stores
# it: whole days from 30 December 1899 plus the milliseconds of the day over 86400000.
# (julianday alone is some microseconds off, and the program compares stored times exactly.)
smoke_day() {
  echo "(julianday(date('$1')) - 2415018.5 + (strftime('%s', '$1') - strftime('%s', date('$1'))) * 1000 / 86400000.0)"
}

# smoke_time_of COLUMN: the SQL expression of a day-number column as local time text.
smoke_time_of() {
  echo "strftime('%Y-%m-%d %H:%M:%S', $1 + 2415018.5)"
}
