#!/usr/bin/env bash
# The installed programs as a user meets them: the package unpacked into a
# temporary root, the programs started from an empty folder with a fresh
# HOME under Xvfb.
#  - sumimai makes ~/.local/share/sumimai from the installed data, runs
#    there (Form1 writes the page and asks for a pick) and writes nothing
#    into the folder it was started from; each program's window carries the
#    class its desktop entry names;
#  - sumimai-setup, from the same empty folder, shows 設定 and saves a new
#    speed and ink colour to the same 設定.dat; the next sumimai start
#    writes in that colour and keeps the file as it is;
#  - after an upgrade (an older version stamp) a deleted shipped file comes
#    back, 設定.dat stays the user's;
#  - a user folder that cannot be made is told in a message box, and the
#    program ends with status 1;
#  - the command-line tools, found through PATH, find the installed data from
#    any folder; the user's folder holds no copy of the character library;
#  - every installed program, by its bare name, answers --help and --version;
#    the Studio opens its window in the user's folder;
#  - a hand copyist's ~/般若心経 does not make the home folder a working folder;
#  - sumimai-grade judges a trace from standard input with the installed
#    character library.
#   installed_programs.sh SUMIMAI_DEB
source "$(dirname "$0")/../e2e/lib.sh"
deb=$1
tmp=$(mktemp -d)
trap 'e2e_cleanup; rm -rf "$tmp"' EXIT

dpkg-deb -x "$deb" "$tmp/root"
bin=$tmp/root/usr/bin
export HOME=$tmp/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
user=$HOME/.local/share/sumimai
E2E_WORK=$tmp/start  # the empty folder the programs start from (e2e_start logs there)
mkdir -p "$E2E_WORK"

# The settings file as od shows it, for comparing bytes.
settings_bytes() { od -c "$user/設定.dat"; }

# Whether a window's class is the one its desktop entry names, so that the
# desktop finds the entry (and its icon) for the window.
class_is_the_entrys() {
  local class wanted
  class=$(xprop -id "$1" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
  wanted=$(sed -n 's/^StartupWMClass=//p' "$tmp/root/usr/share/applications/$2.desktop")
  [ "$class" = "$wanted" ] || e2e_fail "the window's class is $class, the desktop entry $2 names $wanted"
}

# Ends the running program as the desktop does at logout; it ends at once.
end_program() {
  kill -TERM "$E2E_PID"
  e2e_wait_exit "$E2E_PID" 10
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "$1 ended with status $E2E_STATUS"
}

e2e_start_xvfb

# --- the first start ---------------------------------------------------------
e2e_start "$bin/sumimai"
main=$(e2e_wait_window Form1 30)
class_is_the_entrys "$main" io.github.sumimai.Sumimai
[ -f "$user/般若心経/文字2.csv" ] && [ -f "$user/設定.dat" ] && [ -f "$user/Picture.jpg" ] ||
  e2e_fail "the user's folder $user was not filled from the installed data"
[ "$(readlink "/proc/$E2E_PID/cwd")" = "$user" ] || e2e_fail "sumimai does not run in $user"
e2e_wait_window 文字選択 120 >/dev/null
e2e_screenshot installed-sumimai-page >/dev/null
e2e_key_to 文字選択 Return
e2e_wait_file "$user/般若心経.bmp"
end_program sumimai
[ "$(ls -A "$E2E_WORK")" = program.log ] || e2e_fail "sumimai wrote into the folder it was started from"

# --- the settings editor saves into the same folder ----------------------------
e2e_start "$bin/sumimai-setup"
editor=$(e2e_wait_window 設定 30)
class_is_the_entrys "$editor" io.github.sumimai.SumimaiSetup
[ "$(readlink "/proc/$E2E_PID/cwd")" = "$user" ] || e2e_fail "sumimai-setup does not run in $user"
read -r wx wy _ _ < <(e2e_window_geometry "$editor")
sleep 1  # the window's activation loads the file
# Clicks at a point given in twips from the client area's top-left corner.
click_at() {
  xdotool mousemove $((wx + $1 / 15)) $((wy + $2 / 15)) click 1
  sleep 0.3
}
click_at 3190 900   # the right arrow of the speed bar: speed 1
click_at 3547 2175  # the green text box
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 100 77
# The preview (Picture1, 2227 x 2947 twips in) shows the new colour once the typing is handled.
previews() {
  local shot
  shot=$(e2e_screenshot installed-settings-editor)
  [ "$(convert "$shot" -format "%[pixel:p{$((wx + 2227 / 15)),$((wy + 2947 / 15))}]" info:)" = "srgb(0,77,0)" ]
}
e2e_wait_until "the editor's preview did not show srgb(0,77,0)" 10 previews
click_at 1627 3847  # 登　　録
e2e_wait_exit "$E2E_PID" 10
[ "$(settings_bytes)" = "$(printf '1\r\n 0 \r\n 77 \r\n 0 \r\n' | od -c)" ] ||
  e2e_fail "設定.dat holds $(settings_bytes), not the new speed and colour"
saved=$(settings_bytes)

# --- the next start reads them and keeps the file --------------------------------
e2e_start "$bin/sumimai"
e2e_wait_window 文字選択 120 >/dev/null
shot=$(e2e_screenshot installed-sumimai-green)
inked=$(convert "$shot" -fill black +opaque "srgb(0,77,0)" -fill white -opaque "srgb(0,77,0)" \
  -format '%[fx:round(mean*w*h)]' info:)
[ "$inked" -gt 5000 ] || e2e_fail "the page has only $inked pixels of the saved ink colour"
end_program "the second sumimai"
[ "$(settings_bytes)" = "$saved" ] || e2e_fail "the second start changed 設定.dat"

# --- an upgrade refreshes the shipped files, not the user's ------------------------
echo 0.9.0 >"$user/.sumimai-version"
rm "$user/般若心経/心.mem"
e2e_start "$bin/sumimai-setup"
e2e_wait_window 設定 30 >/dev/null
end_program "sumimai-setup after the upgrade"
cmp -s "$user/般若心経/心.mem" "$tmp/root/usr/share/sumimai/般若心経/心.mem" ||
  e2e_fail "the upgrade did not bring back the deleted 心.mem"
[ "$(cat "$user/.sumimai-version")" != 0.9.0 ] || e2e_fail "the version stamp was not renewed"
[ "$(settings_bytes)" = "$saved" ] || e2e_fail "the upgrade replaced the user's 設定.dat"

# --- the tools by their bare names, from an unrelated folder -----------------------
[ -z "$(find "$user" -maxdepth 1 -name '*.smlib')" ] && [ ! -e "$user/translations" ] ||
  e2e_fail "the user's folder holds a copy of a character library or of the messages"
(cd "$HOME" && PATH="$bin:$PATH" sumimai-export --text 色 iro.webp && PATH="$bin:$PATH" sumimai-render --text 色 iro.png) ||
  e2e_fail "the tools started by name from the home folder do not find the installed data"
[ -s "$HOME/iro.webp" ] && [ -s "$HOME/iro.png" ] || e2e_fail "the tools wrote no iro.webp and iro.png"

# --- every program's --help and --version; the Studio's window -------------------------
for program in sumimai sumimai-setup sumimai-studio sumimai-export sumimai-render sumimai-trace sumimai-grade; do
  (cd "$E2E_WORK" && PATH="$bin:$PATH" "$program" --help >/dev/null) || e2e_fail "$program --help failed"
  (cd "$E2E_WORK" && PATH="$bin:$PATH" "$program" --version | grep -q "^$program [0-9]") ||
    e2e_fail "$program --version does not say its name and version"
done
e2e_start env LANG=ja_JP.UTF-8 "$bin/sumimai-studio"
# Found by its class: xdotool's name search misses the Studio's title.
studio=""
for _ in $(seq 1 300); do
  studio=$(xdotool search --onlyvisible --class sumimai-studio 2>/dev/null | head -n 1 || true)
  [ -n "$studio" ] && break
  sleep 0.1
done
[ -n "$studio" ] || e2e_fail "the Studio's window did not open within 30 s"
class_is_the_entrys "$studio" io.github.sumimai.SumimaiStudio
[ "$(readlink "/proc/$E2E_PID/cwd")" = "$user" ] || e2e_fail "sumimai-studio does not run in $user"
e2e_settled_screenshot installed-studio >/dev/null
kill -TERM "$E2E_PID"
e2e_wait_exit "$E2E_PID" 10

# --- a folder named 般若心経 in the home folder ---------------------------------------
mkdir "$HOME/般若心経"
echo 観自在菩薩 >"$HOME/般若心経/写経.txt"
E2E_WORK=$HOME e2e_start "$bin/sumimai-setup"
e2e_wait_window 設定 30 >/dev/null
[ "$(readlink "/proc/$E2E_PID/cwd")" = "$user" ] || e2e_fail "a ~/般若心経 made the home folder sumimai-setup's working folder"
end_program "sumimai-setup beside ~/般若心経"
rm -r "$HOME/般若心経" "$HOME/program.log"

# --- a user folder that cannot be made -----------------------------------------------
mkdir -p "$tmp/other-home/.local/share"
echo "a file in the way" >"$tmp/other-home/.local/share/sumimai"
e2e_start env HOME="$tmp/other-home" "$bin/sumimai"
e2e_wait_window 起動できません 30 >/dev/null
e2e_settled_screenshot installed-folder-problem >/dev/null
e2e_key_to 起動できません Return
e2e_wait_exit "$E2E_PID" 10
[ "$E2E_STATUS" -eq 1 ] || e2e_fail "with no user folder sumimai ended with status $E2E_STATUS, not 1"

# --- the grader with the installed data ------------------------------------------------
judged=$(cd "$E2E_WORK" && echo '{"character": "十", "strokes": [[[1, 2]], [[3, 4]]]}' | "$bin/sumimai-grade" -) ||
  e2e_fail "sumimai-grade did not judge a trace of 十"
case $judged in '{"character":"十","score":'*'"strokes":[{"stroke":1,'*) ;; *) e2e_fail "sumimai-grade wrote $judged" ;; esac
echo "installed_programs: ok"
