# Shared helpers for the end-to-end tests: source this file, then
#   e2e_start_xvfb                      start a private X server (1920 x 1080), export DISPLAY
#   e2e_prepare_workdir                 a fresh working folder filled from data/, in $E2E_WORK
#   e2e_start PROGRAM [ARGS...]         start a program in $E2E_WORK; its PID goes to $E2E_PID
#   e2e_wait_window TITLE [SECONDS]     wait for a window titled exactly TITLE; prints its id
#   e2e_window_geometry ID              prints "X Y WIDTH HEIGHT"
#   e2e_key_to TITLE KEY...             focus the window titled TITLE and press keys there
#   e2e_screenshot NAME                 the whole screen as $E2E_OUT/NAME.png; prints the path
#   e2e_wait_exit PID [SECONDS]         wait for a process to end; its exit status goes to $E2E_STATUS
#   e2e_wait_until WHAT SECONDS CMD...  wait until CMD succeeds; fails saying WHAT did not happen
#   e2e_wait_gone TITLE [SECONDS]       wait until no window titled TITLE is shown
#   e2e_wait_file FILE [SECONDS]        wait until FILE exists and is not empty
#   e2e_wait_window_manager [SECONDS]   wait until a window manager has taken the screen
#   e2e_settled_screenshot NAME         a screenshot once the screen has stopped changing; prints the path
#   e2e_screen_crop CROP FILE           the screen within CROP (WxH+X+Y) into FILE
#   e2e_wait_change CROP FILE [SECONDS] wait until the screen within CROP differs from FILE (a crop too)
#   e2e_fail MESSAGE                    print and exit 1
# Everything started is ended when the script exits. Screenshots go to
# $E2E_OUT (default: e2e-screenshots in the current folder).
set -euo pipefail

E2E_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
E2E_OUT=${E2E_OUT:-$PWD/e2e-screenshots}
E2E_PIDS=()
E2E_XVFB_PID=""
E2E_WORK=""

e2e_fail() {
  echo "FAIL: $*" >&2
  if [ -n "$E2E_WORK" ] && [ -s "$E2E_WORK/program.log" ]; then
    echo "--- what the program printed:" >&2
    tail -n 20 "$E2E_WORK/program.log" >&2
  fi
  exit 1
}

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]:-}"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  done
  [ -n "$E2E_XVFB_PID" ] && kill "$E2E_XVFB_PID" 2>/dev/null || true
  [ -n "$E2E_WORK" ] && rm -rf "$E2E_WORK"
  return 0
}
trap e2e_cleanup EXIT

# The programs run on the X server started here, at one device pixel per
# pixel, whatever the environment that runs the tests asks for.
e2e_own_environment() {
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING
  unset QT_FONT_DPI QT_STYLE_OVERRIDE QT_QPA_PLATFORMTHEME
}

e2e_start_xvfb() {
  e2e_own_environment
  local n
  for n in $(seq 90 190); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    # -noreset: the server otherwise starts over whenever its last client
    # leaves, and a program started again at that moment finds no display.
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    E2E_XVFB_PID=$!
    export DISPLAY=":$n"
    local tries
    for tries in $(seq 1 50); do
      if xdpyinfo >/dev/null 2>&1; then return 0; fi
      if ! kill -0 "$E2E_XVFB_PID" 2>/dev/null; then break; fi
      sleep 0.1
    done
    kill "$E2E_XVFB_PID" 2>/dev/null || true
    E2E_XVFB_PID=""
  done
  e2e_fail "no X server could be started"
}

e2e_prepare_workdir() {
  E2E_WORK=$(mktemp -d)
  "$E2E_TOP/scripts/prepare-working-folder" "$E2E_WORK"
}

e2e_start() {
  (cd "$E2E_WORK" && exec "$@") >"$E2E_WORK/program.log" 2>&1 &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
}

e2e_wait_window() {
  local title=$1 seconds=${2:-30} id="" i
  for i in $(seq 1 $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "no window titled '$title' within $seconds s"
}

e2e_window_geometry() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y $WIDTH $HEIGHT"
}

e2e_key_to() {
  local id
  id=$(e2e_wait_window "$1" 10)
  shift
  # Without a window manager the focus is wherever it is put.
  xdotool windowfocus --sync "$id"
  xdotool key --clearmodifiers "$@"
}

e2e_screenshot() {
  mkdir -p "$E2E_OUT"
  local file="$E2E_OUT/$1.png"
  import -window root "$file"
  echo "$file"
}

e2e_wait_exit() {
  local pid=$1 seconds=${2:-10} i
  for i in $(seq 1 $((seconds * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      E2E_STATUS=0
      wait "$pid" || E2E_STATUS=$?
      return 0
    fi
    sleep 0.1
  done
  e2e_fail "process $pid still running after $seconds s"
}

e2e_wait_until() {
  local what=$1 seconds=$2 until
  shift 2
  until=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $until ] || e2e_fail "$what within $seconds s"
    sleep 0.1
  done
}

e2e_no_window() { ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
e2e_wait_gone() {
  e2e_wait_until "the window '$1' did not close" "${2:-10}" e2e_no_window "$1"
}

e2e_wait_file() {
  e2e_wait_until "$1 was not written" "${2:-30}" test -s "$1"
}

# A window manager announces itself on the root window.
e2e_window_manager_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
e2e_wait_window_manager() {
  e2e_wait_until "no window manager came up" "${1:-10}" e2e_window_manager_up
}

# Two screenshots in a row, 0.2 s apart, that do not differ.
e2e_settled_screenshot() {
  local shot previous until=$((SECONDS + 15))
  previous=$(mktemp --suffix=.png)
  import -window root "$previous"
  while [ $SECONDS -lt $until ]; do
    sleep 0.2
    shot=$(e2e_screenshot "$1")
    if [ "$(compare -metric AE "$previous" "$shot" null: 2>&1 | awk '{ printf "%d", $1 }')" = 0 ]; then
      rm -f "$previous"
      echo "$shot"
      return 0
    fi
    cp "$shot" "$previous"
  done
  rm -f "$previous"
  e2e_fail "the screen did not settle for $1"
}

# The screen within CROP (WxH+X+Y) as a picture file.
e2e_screen_crop() {
  local whole
  whole=$(mktemp --suffix=.png)
  import -window root "$whole"
  convert "$whole" -crop "$1" +repage "$2"
  rm -f "$whole"
}

# Whether the screen within CROP differs from a picture of it.
e2e_screen_differs() {
  local now differ
  now=$(mktemp --suffix=.png)
  e2e_screen_crop "$1" "$now"
  differ=$(compare -metric AE "$2" "$now" null: 2>&1 | awk '{ printf "%d", $1 }') || true
  rm -f "$now"
  [ "${differ:-0}" -gt 0 ]
}
e2e_wait_change() {
  e2e_wait_until "the screen within $1 did not change" "${3:-10}" e2e_screen_differs "$1" "$2"
}
