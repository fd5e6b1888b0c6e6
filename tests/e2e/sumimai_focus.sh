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
  sleep 1
fi
e2e_prepare_workdir
find "$E2E_WORK/般若心経" -name '*.mem' ! -name '般若心経.mem' -delete
e2e_start "$sumimai"
e2e_wait_window 文字選択 120 >/dev/null
e2e_key_to 文字選択 Return
sleep 1

# A cell in the middle of the page: the pick asks about the missing file.
xdotool mousemove 960 540 click 1
e2e_wait_window 不在文字通知確認 30 >/dev/null
sleep 0.5
xdotool key --clearmodifiers Escape  # No: missing files are not reported
for i in $(seq 1 50); do
  xdotool search --onlyvisible --name '^不在文字通知確認$' >/dev/null 2>&1 || break
  sleep 0.1
done
sleep 1
# The number box and the character label, in the command row (crops go to
# files: ImageMagick's policy here forbids reading from pipes).
row=110x34+920+1008
convert "$(e2e_screenshot focus-before)" -crop $row +repage "$E2E_WORK/before.png"
xdotool key --clearmodifiers Right
sleep 2
convert "$(e2e_screenshot focus-after)" -crop $row +repage "$E2E_WORK/after.png"
changed=$(compare -metric AE "$E2E_WORK/before.png" "$E2E_WORK/after.png" null: 2>&1 | awk '{ printf "%d", $1 }') || true
[ "${changed:-0}" -gt 30 ] || e2e_fail "the Right arrow after the message box did not reach the window"
xdotool mousemove 1900 15 click 1
e2e_key_to 終了 Return
e2e_wait_exit "$E2E_PID" 30
echo "sumimai_focus: ok${manager:+ (with $manager)}"
