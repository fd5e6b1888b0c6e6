#!/usr/bin/env bash
# Practice in the Studio as a learner meets it: F2, then the strokes of a
# character written with mouse drags along its model, once in order (every
# stroke right, 100 points) and once with two strokes swapped (the first
# refused for its order, the score lower). The Studio tells a file what it
# judged, and where the model's strokes lie on the screen.
#   studio_practice.sh PATH_TO_SUMIMAI_STUDIO
source "$(dirname "$0")/lib.sh"
studio=$1

e2e_start_xvfb
openbox >/dev/null 2>&1 &
E2E_PIDS+=($!)
e2e_wait_window_manager
e2e_prepare_workdir
export HOME=$E2E_WORK/home XDG_CONFIG_HOME=$E2E_WORK/home/config
mkdir -p "$HOME"
log=$E2E_WORK/practice.log

# Drags the mouse along model stroke $1 of the character practised now.
write_stroke() {
  local points first=1 p
  points=$(grep "^model $1 " "$log" | tail -n 1 | cut -d' ' -f3-)
  [ -n "$points" ] || e2e_fail "no place for stroke $1 in the log"
  for p in $points; do
    xdotool mousemove "${p%,*}" "${p#*,}"
    [ $first = 1 ] && { xdotool mousedown 1; first=0; }
    sleep 0.02
  done
  xdotool mouseup 1
  sleep 0.15
}
# Waits until the log has this many lines matching.
wait_lines() { e2e_wait_until "$3" 20 bash -c "[ \$(grep -c '$1' '$log') -ge $2 ]"; }

e2e_start env LANG=ja_JP.UTF-8 SUMIMAI_STUDIO_PRACTICE_LOG="$log" "$studio" --text "永永"
e2e_wait_until "the Studio's window did not open" 20 bash -c 'xdotool search --onlyvisible --class sumimai-studio >/dev/null'
window=$(xdotool search --onlyvisible --class sumimai-studio | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key F2
wait_lines '^model 5 ' 1 "the first character's strokes are not told"
for s in 1 2 3 4 5; do write_stroke $s; done
wait_lines '^done ' 1 "the first character is not judged to its end"
e2e_screenshot studio-practice-right >/dev/null
grep -q '^done 永 score 100$' "$log" || e2e_fail "strokes written in order score $(grep '^done' "$log")"
[ "$(grep -c '^stroke .* ok$' "$log")" = 5 ] || e2e_fail "not every stroke in order was right: $(grep '^stroke' "$log" | tr '\n' ' ')"

xdotool key alt+n
wait_lines '^model 5 ' 2 "the second character's strokes are not told"
write_stroke 2
[ "$(tail -n 1 "$log")" = "stroke 1 order" ] || e2e_fail "a stroke out of turn is not refused for its order: $(tail -n 1 "$log")"
e2e_screenshot studio-practice-refused >/dev/null
for s in 1 2 3 4 5; do write_stroke $s; done
wait_lines '^done ' 2 "the second character is not judged to its end"
second=$(grep '^done ' "$log" | tail -n 1)
[ "$second" = "done 永 score 80" ] || e2e_fail "two strokes swapped: $second"
xdotool key ctrl+q
e2e_wait_exit "$E2E_PID" 20
echo "studio_practice: ok"
