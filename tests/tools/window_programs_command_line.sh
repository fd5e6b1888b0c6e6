#!/usr/bin/env bash
# The window programs' command line, as a user on a terminal meets it:
# --help and --version answer in the user's language and end with status 0
# without a display; any other argument is a usage error (status 2) naming
# it; without a display the program says so in one sentence and ends with
# status 1, not with Qt's abort.
# The Studio's help is Qt's own form, with its texts in the user's language.
#   window_programs_command_line.sh SUMIMAI SUMIMAI_SETUP SUMIMAI_STUDIO
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES

# run NAME STATUS PROGRAM ARGS...: runs it in an empty folder, expects STATUS.
run() {
  local name=$1 want=$2 status=0
  shift 2
  (cd "$work" && "$@") >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq "$want" ] || fail "$name ended with status $status, not $want: $(cat "$work/err")"
}

for program in "$@"; do
  name=$(basename "$program")
  case $name in
    sumimai-studio) japanese_help='入力した文字を筆で書く窓' ;;
    *) japanese_help='^使い方: ' ;;
  esac
  LANG=C.UTF-8 run "$name --help" 0 "$program" --help
  grep -q -- '--version' "$work/out" && grep -q '^Usage: ' "$work/out" || fail "$name --help: $(cat "$work/out")"
  LANG=ja_JP.UTF-8 run "$name --help" 0 "$program" --help
  grep -q "$japanese_help" "$work/out" || fail "$name --help in Japanese: $(cat "$work/out")"
  LANG=C.UTF-8 run "$name --version" 0 "$program" --version
  grep -Eq '^sumimai(-setup|-studio)? [0-9]+\.[0-9]+\.[0-9]+$' "$work/out" || fail "$name --version: $(cat "$work/out")"
  LANG=C.UTF-8 run "$name an argument" 2 "$program" --speed
  grep -Eq -- "[\"'](--)?speed[\"']" "$work/err" || fail "$name does not name the argument: $(cat "$work/err")"
  LANG=C.UTF-8 run "$name without a display" 1 "$program"
  [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q 'no display' "$work/err" ||
    fail "$name without a display: $(cat "$work/err")"
  LANG=ja_JP.UTF-8 DISPLAY=:nowhere run "$name without a reachable display" 1 "$program"
  grep -q '画面に接続できません' "$work/err" || fail "$name without a display in Japanese: $(cat "$work/err")"
  [ -z "$(ls -A "$work" | grep -v -e '^out$' -e '^err$')" ] || fail "$name wrote into the folder it started in"
done
echo "window_programs_command_line: ok"
