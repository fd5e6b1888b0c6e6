#!/usr/bin/env bash
# Sumimai ends at once when the desktop asks it to, also in the middle of a
# drawing: SIGTERM and the window manager's close request (WM_DELETE_WINDOW)
# each end the start-up drawing within seconds, with status 0, before the
# page picture is written. The window carries the class that the desktop
# entry names and an icon.
#   sumimai_ends_on_request.sh PATH_TO_SUMIMAI PATH_TO_CLOSE_REQUEST
source "$(dirname "$0")/lib.sh"
sumimai=$1
close_request=$2

# Starts Sumimai and waits until it is drawing (its window is up, the page
# not yet asked about); the window's id goes to $window.
start_drawing() {
  e2e_start "$sumimai"
  window=$(e2e_wait_window Form1 20)
  # The start-up runs for seconds and pauses with nothing changing on screen,
  # so no picture tells that it is drawing: a second in, it is.
  sleep 1
  if xdotool search --name '^文字選択$' >/dev/null 2>&1; then e2e_fail "the start-up drawing was over too soon"; fi
}

# Waits for the program to end within a few seconds; checks its status.
ends_promptly() {
  e2e_wait_exit "$E2E_PID" 3
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "$1: the program ended with status $E2E_STATUS"
  [ ! -e "$E2E_WORK/般若心経.bmp" ] || e2e_fail "$1: a page picture was written"
}

e2e_start_xvfb
e2e_prepare_workdir

start_drawing
class=$(xprop -id "$window" WM_CLASS)
[[ "$class" == *'"Sumimai"' ]] || e2e_fail "the window's class is $class, not Sumimai"
icon=$(xprop -len 8 -id "$window" _NET_WM_ICON)
[[ "$icon" == *'Icon ('* ]] || e2e_fail "the window has no icon"
kill -TERM "$E2E_PID"
ends_promptly SIGTERM

start_drawing
"$close_request" "$window"
ends_promptly "the window manager's close"
echo "sumimai_ends_on_request: ok"
