#!/usr/bin/env bash
# SumimaiSetup opens on a prepared 設定.dat; the speed bar and the red bar are
# clicked, a green value is typed and "登　　録" pressed: the file then holds
# exactly the four expected lines. Sumimai started in the same folder then
# writes the page in the new ink colour.
#   settings_editor_saves.sh PATH_TO_SUMIMAISETUP [PATH_TO_SUMIMAI]
source "$(dirname "$0")/lib.sh"
setup=$1
sumimai=${2:-}

e2e_start_xvfb
e2e_prepare_workdir
printf ' 0\r\n 200 \r\n 120 \r\n 40 \r\n' >"$E2E_WORK/設定.dat"

e2e_start "$setup"
editor=$(e2e_wait_window 設定 20)
read -r wx wy ww wh < <(e2e_window_geometry "$editor")
# The client area is 4560 x 4335 twips, 15 twips to a pixel, centred on the screen.
[ "$ww x $wh" = "304 x 289" ] || e2e_fail "the editor's client area is ${ww}x$wh, not 304x289"
[ $((wx - 808)) -ge -2 ] && [ $((wx - 808)) -le 2 ] && [ $((wy - 395)) -ge -2 ] && [ $((wy - 395)) -le 2 ] ||
  e2e_fail "the editor is at $wx,$wy, not centred near 808,395"

# Clicks at a point given in twips from the client area's top-left corner.
click_at() {
  xdotool mousemove $((wx + $1 / 15)) $((wy + $2 / 15)) click 1
  sleep 0.3
}
# The pixel colour at a point given in twips, in a screenshot.
colour_at() {
  convert "$1" -format "%[pixel:p{$((wx + $2 / 15)),$((wy + $3 / 15))}]" info:
}

# Activation has loaded the file once the preview shows its colour.
for i in $(seq 1 50); do
  preview=$(colour_at "$(e2e_screenshot settings-editor-loaded)" 2227 2947)  # middle of Picture1
  [ "$preview" = "srgb(200,120,40)" ] && break
  sleep 0.1
done
[ "$preview" = "srgb(200,120,40)" ] || e2e_fail "the preview shows $preview, not the loaded srgb(200,120,40)"

click_at 3190 900   # the right arrow of speed1 (1080, 720; 2295 x 375): speed 1
click_at 3010 1807  # the right arrow of HScroll2 (frame 360, 1320 + 840, 360; 1935 x 255): red 201
click_at 3547 2175  # Text3 (frame + 2880, 720; 615 x 270)
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 100 77
# Picture1: frame + 720, 1440; 2295 x 375
previews() { preview=$(colour_at "$(e2e_screenshot settings-editor)" 2227 2947); [ "$preview" = "srgb(201,77,40)" ]; }
e2e_wait_until "the preview did not show srgb(201,77,40)" 10 previews

click_at 1627 3847  # Command1 "登　　録" (960, 3600; 1335 x 495)
e2e_wait_exit "$E2E_PID" 10
expected=$(printf '1\r\n 201 \r\n 77 \r\n 40 \r\n' | od -c)
actual=$(od -c <"$E2E_WORK/設定.dat")
[ "$actual" = "$expected" ] || e2e_fail "設定.dat holds
$actual
not
$expected"

if [ -n "$sumimai" ]; then
  e2e_start "$sumimai"
  e2e_wait_window 文字選択 90 >/dev/null  # asked once the page is drawn
  shot=$(e2e_screenshot settings-editor-page)
  inked=$(convert "$shot" -fill black +opaque "srgb(201,77,40)" -fill white -opaque "srgb(201,77,40)" \
    -format '%[fx:round(mean*w*h)]' info:)
  [ "$inked" -gt 5000 ] || e2e_fail "the page has only $inked pixels of the new ink colour"
fi
echo "settings_editor_saves: ok"
