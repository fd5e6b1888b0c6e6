#!/usr/bin/env bash
# Sumimai opens frameless over the whole screen, writes the sample and the
# page, asks for a pick, saves the page picture at the canvas's size, and
# ends from its exit button.   sumimai_starts.sh PATH_TO_SUMIMAI
source "$(dirname "$0")/lib.sh"
sumimai=$1

e2e_start_xvfb
e2e_prepare_workdir
e2e_start "$sumimai"
main=$(e2e_wait_window Form1 20)
read -r x y w h < <(e2e_window_geometry "$main")
[ "$x $y $w $h" = "0 0 1920 1080" ] || e2e_fail "main window at $x,$y size ${w}x$h, not the whole screen"

# The page capture's question appears once the page is drawn.
e2e_wait_window 文字選択 60 >/dev/null
shot=$(e2e_screenshot sumimai-page)
colours=$(convert "$shot" -crop 1920x900+0+0 +repage -scale 192x90 -format '%k' info:)
[ "$colours" -gt 50 ] || e2e_fail "the page shows only $colours colours"
e2e_key_to 文字選択 Return

e2e_wait_file "$E2E_WORK/般若心経.bmp"
size=$(identify -format '%wx%h' "$E2E_WORK/般若心経.bmp") || e2e_fail "般若心経.bmp was not written"
[ "$size" = "1922x1082" ] || e2e_fail "般若心経.bmp is $size, not the canvas's 1922x1082"
e2e_settled_screenshot sumimai-page-view >/dev/null

# Image5, the exit button at the top-right corner: a farewell box, then the end.
xdotool mousemove 1900 15 click 1
e2e_key_to 終了 Return
e2e_wait_exit "$E2E_PID" 30
echo "sumimai_starts: ok"
