#!/usr/bin/env bash
# Keys reach the main window again once a message box it opened has closed,
# without a click on the window: with every character's stroke file gone, a
# pick asks whether missing files are reported; after the answer the Right
# arrow steps to the next character (the number box and the character label
# change).   sumimai_focus.sh PATH_TO_SUMIMAI [WINDOW_MANAGER]
source "$(dirname "$0")/lib.sh"
sumimai=$1
manager=${2:-}

e2e_start_xvfb
if [ -n "$manager" ]; then
  "$manager" >/dev/null 2>&1 &
  E2E_PIDS+=($!)
  e2e_wait_window_manager
fi
e2e_prepare_workdir
find "$E2E_WORK/般若心経" -name '*.mem' ! -name '般若心経.mem' -delete
e2e_start "$sumimai"
e2e_wait_window 文字選択 120 >/dev/null
e2e_key_to 文字選択 Return
e2e_wait_file "$E2E_WORK/般若心経.bmp" 60  # the page capture is over
e2e_settled_screenshot focus-page >/dev/null

# A cell in the middle of the page: the pick asks about the missing file.
xdotool mousemove 960 540 click 1
e2e_wait_window 不在文字通知確認 30 >/dev/null
e2e_settled_screenshot focus-question >/dev/null
xdotool key --clearmodifiers Escape  # No: missing files are not reported
e2e_wait_gone 不在文字通知確認
# The number box and the character label, in the command row (crops go to
# files: ImageMagick's policy here forbids reading from pipes).
row=110x34+920+1008
convert "$(e2e_settled_screenshot focus-before)" -crop $row +repage "$E2E_WORK/before.png"
xdotool key --clearmodifiers Right
e2e_wait_until "the Right arrow after the message box did not reach the window" 10 \
  e2e_screen_differs $row "$E2E_WORK/before.png"
convert "$(e2e_settled_screenshot focus-after)" -crop $row +repage "$E2E_WORK/after.png"
changed=$(compare -metric AE "$E2E_WORK/before.png" "$E2E_WORK/after.png" null: 2>&1 | awk '{ printf "%d", $1 }') || true
[ "${changed:-0}" -gt 30 ] || e2e_fail "the Right arrow after the message box did not reach the window"
xdotool mousemove 1900 15 click 1
e2e_key_to 終了 Return
e2e_wait_exit "$E2E_PID" 30
echo "sumimai_focus: ok${manager:+ (with $manager)}"
