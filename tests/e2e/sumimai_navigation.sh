#!/usr/bin/env bash
# Sumimai from the page to the drawing view and back: a click on a cell of
# the page draws that cell's character (the drawn ink has the cell's shape);
# S saves its writing as <number>_<character>.webp and says so, leaving the
# screen as it was; the Right arrow and Image3 step forward, the Left arrow
# and Image2 back, each drawing the same as the other way of getting there; a
# key pressed during a drawing acts after it; Ctrl shows the page again;
# Image5 ends the program.   sumimai_navigation.sh PATH_TO_SUMIMAI
source "$(dirname "$0")/lib.sh"
sumimai=$1
tmp=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$tmp"' EXIT

# The part of the screen where characters are drawn: below the logo and the
# exit button, above the command row (pixels at 1920 x 1080).
drawing_area=1920x960+0+30

# Whether Image2 (red with black triangles, left of the number box) is on
# screen: the command controls show once a drawing has ended.
buttons_shown() {
  [ "$(import -window root -crop 12x12+899+1020 +repage png:- |
       convert - -format '%[fx:mean.r-mean.g>0.15]' info:)" = 1 ]
}

# Waits for a drawing that an action has started: the buttons go, then come
# back when it has ended.
wait_for_drawing() {
  local until=$((SECONDS + 10))
  while buttons_shown && [ $SECONDS -lt $until ]; do sleep 0.1; done
  until=$((SECONDS + 60))
  until buttons_shown; do
    [ $SECONDS -lt $until ] || e2e_fail "$1: the drawing did not end"
    sleep 0.1
  done
}

# The drawing area of a screenshot as black ink on white, cut to the ink and
# scaled to 48 x 48, or the same of a cell of the page picture.
ink_shape() {
  convert "$1" -crop "$2" +repage -colorspace Gray -threshold 40% -trim +repage -resize '48x48!' "$3" 2>/dev/null
}

# Prints how many pixels differ between two pictures (within a crop).
# ImageMagick's policy here forbids reading from pipes: crops go to files.
difference() {
  local crop=${3:-1920x1080+0+0}
  convert "$1" -crop "$crop" +repage "$tmp/a.png"
  convert "$2" -crop "$crop" +repage "$tmp/b.png"
  compare -metric AE "$tmp/a.png" "$tmp/b.png" null: 2>&1 | awk '{ printf "%d", $1 }'
}
drawing_difference() { difference "$1" "$2" $drawing_area; }

# Positions along a line of the page picture where the grid is (yellow:
# red and green well above blue): "row Y" scans across, "column X" down.
grid_lines() {
  local crop field
  if [ "$1" = row ]; then crop=1922x1+0+$2 field=1; else crop=1x1082+$2+0 field=2; fi
  convert "$E2E_WORK/般若心経.bmp" -crop "$crop" +repage txt:- |
    awk -F'[(),: ]+' -v f=$field 'NR > 1 && $3 - $5 > 60 && $4 - $5 > 60 { printf "%d ", $f }'
}

e2e_start_xvfb
e2e_prepare_workdir
e2e_start "$sumimai"
e2e_wait_window 文字選択 120 >/dev/null
e2e_key_to 文字選択 Return
e2e_wait_file "$E2E_WORK/般若心経.bmp"
[ "$(identify -format '%wx%h' "$E2E_WORK/般若心経.bmp")" = 1922x1082 ] || e2e_fail "般若心経.bmp is not 1922x1082"
page=$(e2e_settled_screenshot navigation-page)

# The cell in the middle of the fourth row, where every column holds a character.
read -r -a rows <<<"$(grid_lines column 960)"
[ ${#rows[@]} -eq 11 ] || e2e_fail "the page picture shows ${#rows[@]} row lines, not 11"
y0=${rows[3]} y1=${rows[4]}
read -r -a columns <<<"$(grid_lines row $(((y0 + y1) / 2)))"
[ ${#columns[@]} -eq 29 ] || e2e_fail "the page picture shows ${#columns[@]} column lines, not 29"
picked=14
xdotool mousemove $(((columns[picked] + columns[picked + 1]) / 2)) $(((y0 + y1) / 2))
sleep 0.2
xdotool click 1
wait_for_drawing "a click on the page"
drawn=$(e2e_screenshot navigation-drawn)

# The drawn ink has the shape of the picked cell, and not of the others in
# its row (a character may recur, so the row's median is the yardstick).
ink_shape "$drawn" $drawing_area "$tmp/drawn.png"
scores=()
for c in $(seq 0 27); do
  cell=$((columns[c + 1] - columns[c] - 3))x$((y1 - y0 - 3))+$((columns[c] + 2))+$((y0 + 2))
  ink_shape "$E2E_WORK/般若心経.bmp" "$cell" "$tmp/cell.png"
  score=$(compare -metric NCC "$tmp/drawn.png" "$tmp/cell.png" null: 2>&1 || true)
  scores+=("$(awk -v s="$score" 'BEGIN { print (s + 0 == s) ? s : 0 }')")  # an empty cell scores 0
done
picked_score=${scores[picked]}
median=$(printf '%s\n' "${scores[@]}" | sort -g | sed -n 14p)
verdict=$(awk -v p="$picked_score" -v m="$median" 'BEGIN { print (p >= 0.6 && p >= m + 0.3) ? "ok" : "bad" }')
[ "$verdict" = ok ] ||
  e2e_fail "the drawing does not have the picked cell's shape (match $picked_score, row median $median)"

# S: the writing saved in the working folder, a notice, the screen unchanged.
e2e_key_to Form1 s
e2e_wait_window 書き順の保存 60 >/dev/null
saved=$(find "$E2E_WORK" -maxdepth 1 -name '[0-9]*_*.webp' | head -n 1)
[ -n "$saved" ] || e2e_fail "S saved no <number>_<character>.webp"
[ "$(head -c 4 "$saved")$(tail -c +9 "$saved" | head -c 4)" = RIFFWEBP ] || e2e_fail "$saved is not a WebP file"
e2e_key_to 書き順の保存 Return
e2e_wait_gone 書き順の保存
[ "$(drawing_difference "$drawn" "$(e2e_settled_screenshot navigation-saved)")" -eq 0 ] ||
  e2e_fail "saving the writing changed the drawing on screen"

e2e_key_to Form1 Right
wait_for_drawing "Right"
next=$(e2e_screenshot navigation-right)
[ "$(drawing_difference "$drawn" "$next")" -gt 1000 ] || e2e_fail "Right drew the same character again"

e2e_key_to Form1 Left
wait_for_drawing "Left"
[ "$(drawing_difference "$drawn" "$(e2e_screenshot navigation-left)")" -eq 0 ] ||
  e2e_fail "Left did not draw the picked character again"

xdotool mousemove 1045 1025 click 1  # Image3, next
wait_for_drawing "Image3"
[ "$(drawing_difference "$next" "$(e2e_screenshot navigation-image3)")" -eq 0 ] ||
  e2e_fail "Image3 did not draw the next character"

xdotool mousemove 905 1025 click 1  # Image2, previous
wait_for_drawing "Image2"
[ "$(drawing_difference "$drawn" "$(e2e_screenshot navigation-image2)")" -eq 0 ] ||
  e2e_fail "Image2 did not draw the picked character again"

# A key pressed during a drawing waits for its end: Left, pressed while
# Right's character is drawn, then draws the picked character again.
e2e_key_to Form1 Right
sleep 0.5
if buttons_shown; then e2e_fail "Right did not start a drawing"; fi
e2e_key_to Form1 Left
wait_for_drawing "Right, then Left during its drawing"
[ "$(drawing_difference "$drawn" "$(e2e_settled_screenshot navigation-held-left)")" -eq 0 ] ||
  e2e_fail "Left pressed during a drawing did not draw the picked character after it"

# Ctrl: the page view again, as it was after start-up. The pointer leaves
# the buttons first, so that no tooltip lies over the page. Repainting the
# whole window can take seconds on a busy machine.
xdotool mousemove 960 500
sleep 1
e2e_key_to Form1 ctrl
sleep 2
until=$((SECONDS + 20))
while import -window root "$tmp/now.png" && same=$(difference "$page" "$tmp/now.png") &&
  [ "$same" -ne 0 ] && [ $SECONDS -lt $until ]; do
  sleep 0.5
done
[ "$same" -eq 0 ] || { cp "$tmp/now.png" "$E2E_OUT/navigation-ctrl.png"
  e2e_fail "Ctrl did not show the page as start-up left it ($same pixels differ)"; }

xdotool mousemove 1900 15 click 1
e2e_key_to 終了 Return
e2e_wait_exit "$E2E_PID" 30
echo "sumimai_navigation: ok"
