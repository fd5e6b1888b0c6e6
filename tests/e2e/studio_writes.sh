#!/usr/bin/env bash
# The Studio as a user meets it: the text typed, Enter, the ink growing;
# Space pauses (the canvas stays still) and resumes; a step; End; Ctrl+C
# puts the finished writing on the clipboard as a PNG; Ctrl+S saves an
# animation through the dialog, which decodes; --text writes at once.
#   studio_writes.sh PATH_TO_SUMIMAI_STUDIO
source "$(dirname "$0")/lib.sh"
studio=$1

# The Studio's windows, found by their class (xdotool's name search does not
# match their Japanese titles everywhere); a window that was not there
# before is a dialog.
studio_windows() { xdotool search --onlyvisible --class sumimai-studio 2>/dev/null | sort || true; }
wait_new_window() {
  local before=$1 i id
  for i in $(seq 1 200); do
    id=$(comm -13 <(echo "$before") <(studio_windows) | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  e2e_fail "no new window: $2"
}

e2e_start_xvfb
# A window manager makes the window active, as on a desktop: the window's
# shortcuts answer only then.
openbox >/dev/null 2>&1 &
E2E_PIDS+=($!)
sleep 1
e2e_prepare_workdir
export HOME=$E2E_WORK/home XDG_CONFIG_HOME=$E2E_WORK/home/config
mkdir -p "$HOME"

# The share of dark pixels in the canvas's part of the screen.
canvas_ink() {
  local shot
  shot=$(e2e_screenshot "$1")
  convert "$shot" -crop "$canvas" +repage -colorspace gray -threshold 50% -negate -format '%[fx:mean]' info:
}
more() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(b > a + 0.0005) }'; }
same() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a == b) }'; }
# more_ink_than NAME BEFORE: whether the canvas now holds more ink than
# BEFORE; the share measured is left in $ink. A change the window is to show
# is waited for with this rather than after a fixed time: on a busy machine
# the window may paint late.
more_ink_than() { ink=$(canvas_ink "$1"); more "$2" "$ink"; }

# The Japanese interface (for the program only: the tools keep their locale).
e2e_start env LANG=ja_JP.UTF-8 "$studio"
window=$(wait_new_window "" "the Studio's window")
read -r wx wy ww wh < <(e2e_window_geometry "$window")
canvas="$((ww - 40))x$((wh - 260))+$((wx + 20))+$((wy + 140))"  # within the canvas, below the text field
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool type --delay 60 "永遠心観自在"  # six cells: the window shows them all
sleep 0.3
xdotool key Return
sleep 0.4
first=$(canvas_ink studio-writing-1)
sleep 0.6
e2e_wait_until "the ink does not grow (from $first)" 10 more_ink_than studio-writing-2 "$first"

xdotool key space
sleep 0.2
paused=$(canvas_ink studio-paused-1)
sleep 0.8
still=$(canvas_ink studio-paused-2)
same "$paused" "$still" || e2e_fail "the canvas moves while paused ($paused, then $still)"
xdotool key space
sleep 0.8
e2e_wait_until "the writing does not resume (from $still)" 10 more_ink_than studio-resumed "$still"

xdotool key Right
sleep 0.3
stepped=$(canvas_ink studio-stepped-1)
sleep 0.6
same "$stepped" "$(canvas_ink studio-stepped-2)" || e2e_fail "a step does not pause"

xdotool key End
e2e_wait_until "End does not finish the writing (from $stepped)" 10 more_ink_than studio-finished "$stepped"
finished=$ink
sleep 0.6
same "$finished" "$(canvas_ink studio-finished-2)" || e2e_fail "the writing goes on after End"

xdotool key ctrl+c
sleep 0.5
xclip -selection clipboard -t TARGETS -o | grep -qx image/png || e2e_fail "no image/png on the clipboard"
xclip -selection clipboard -t image/png -o > "$E2E_WORK/copied.png"
[ "$(identify -format '%m' "$E2E_WORK/copied.png")" = PNG ] || e2e_fail "the clipboard's image is not a PNG"

before=$(studio_windows)
xdotool key ctrl+s
dialog=$(wait_new_window "$before" "the save dialog")
xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool key ctrl+a
xdotool type --delay 20 "$E2E_WORK/saved.gif"
xdotool key Return
for i in $(seq 1 600); do [ -s "$E2E_WORK/saved.gif" ] && break; sleep 0.1; done
[ -s "$E2E_WORK/saved.gif" ] || e2e_fail "saved.gif was not written"
frames=$(identify "$E2E_WORK/saved.gif" | wc -l)
[ "$frames" -gt 10 ] || e2e_fail "saved.gif has only $frames frames"
e2e_screenshot studio-saved >/dev/null

xdotool key ctrl+q
e2e_wait_exit "$E2E_PID" 20

e2e_start env LANG=ja_JP.UTF-8 "$studio" --text "心"
window=$(wait_new_window "" "the Studio's window with --text")
read -r wx wy ww wh < <(e2e_window_geometry "$window")
canvas="$((ww - 40))x$((wh - 260))+$((wx + 20))+$((wy + 140))"
sleep 1.5
start=$(canvas_ink studio-text-option)
awk -v a="$start" 'BEGIN { exit !(a > 0.002) }' || e2e_fail "--text writes nothing ($start)"
echo "studio_writes: ok"
