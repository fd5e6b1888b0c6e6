#!/usr/bin/env bash
# sumimai-render draws a sound stroke file, and refuses one whose records
# cannot be seen at the size asked for: a message naming the record, a
# non-zero exit status and no picture; an output that is not a PNG is a
# usage error.   render_refuses_blank.sh PATH_TO_SUMIMAI_RENDER
set -euo pipefail
render=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

printf 'h\r\n1,100,100,500,100,1,20,,,,\r\n2,0,0,500,400,2,20,,,,\r\n99999\r\n99999\r\n' >"$work/ok.mem"
"$render" --size 200x200 "$work/ok.mem" "$work/ok.png" || fail "a sound file was not drawn"
[ -s "$work/ok.png" ] || fail "a sound file gave no picture"

printf 'h\r\n1,100,100,500,100,1,20,,,,\r\n2,0,0,500,2147483647,2,20,,,,\r\n99999\r\n99999\r\n' >"$work/bad.mem"
status=0
"$render" --size 200x200 "$work/bad.mem" "$work/bad.png" 2>"$work/err" || status=$?
[ "$status" -ne 0 ] || fail "a file that cannot be seen ended with status 0"
grep -q '記録 2 の値 2147483647' "$work/err" || fail "the message does not name the record: $(cat "$work/err")"
[ ! -e "$work/bad.png" ] || fail "a blank picture was written"
status=0
"$render" --size 200x200 "$work/ok.mem" "$work/ok.jpg" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] || fail "a picture that is not a .png ended with status $status, not 2 as other usage errors"
grep -q 'must be a .png file' "$work/err" || fail "the message does not say why: $(cat "$work/err")"
echo "render_refuses_blank: ok"
