#!/usr/bin/env bash
# sumimai-grade as a user runs it, from an empty folder (the characters come
# from the shipped data): a trace file and standard input judged, JSON on
# standard output and status 0, a mistake named; input that cannot be
# judged refused with status 1 and a message naming it; a locale it does
# not know refused.   grade_tool.sh PATH_TO_SUMIMAI_GRADE
set -euo pipefail
grade=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

# 三's strokes as straight lines from start to end, top to bottom.
top='[[282, 248], [500, 230], [702, 209]]'
middle='[[311, 501], [676, 477]]'
bottom='[[109, 768], [500, 750], [920, 739]]'
echo "{\"character\": \"三\", \"strokes\": [$top, $middle, $bottom]}" >right.json
out=$("$grade" right.json)
[ "$out" = '{"character":"三","score":100,"strokes":[{"stroke":1,"ok":true,"problem":null,"matched":1},{"stroke":2,"ok":true,"problem":null,"matched":2},{"stroke":3,"ok":true,"problem":null,"matched":3}]}' ] ||
  fail "the right strokes were judged $out"

# The lower two swapped, from standard input, in the --locale that is there.
out=$(echo "{\"character\": \"三\", \"strokes\": [$top, $bottom, $middle]}" | "$grade" --locale ja -)
echo "$out" | grep -q '{"stroke":2,"ok":false,"problem":"order","matched":3}' || fail "the swap was judged $out"
# Written backwards, and only two strokes of three.
out=$(echo "{\"character\": \"三\", \"strokes\": [[[702, 209], [282, 248]], $middle]}" | "$grade" -)
echo "$out" | grep -q '"problem":"direction","matched":1}.*"missing":\[3\]}$' || fail "backwards and short was judged $out"

# Input that cannot be judged: status 1, the input and the reason named.
refused() {  # refused NAME REASON: the file NAME holds bad input
  local status=0
  "$grade" "$1" >out 2>err || status=$?
  [ "$status" -eq 1 ] || fail "$1 ended with status $status"
  [ ! -s out ] || fail "$1 wrote a judgement: $(cat out)"
  grep -qF "sumimai-grade: $1: $2" err || fail "the message for $1 is: $(cat err)"
}
echo '{"character": "三", "strokes": [' >cut.json
refused cut.json "not JSON"
echo '{"strokes": []}' >nameless.json
refused nameless.json 'no "character"'
echo '{"character": "三"}' >strokeless.json
refused strokeless.json 'no "strokes"'
echo '{"character": "ꙮ", "strokes": []}' >unknown.json
refused unknown.json "no strokes for the character ꙮ"
echo '{"character": "三", "strokes": [[[1, 2], [3, "x"]]]}' >word.json
refused word.json "point 2 of stroke 1 holds something that is not a number"
refused absent.json "cannot be read"
status=0
echo '[' | "$grade" - 2>err || status=$?
[ "$status" -eq 1 ] && grep -qF "sumimai-grade: standard input: not JSON" err || fail "bad standard input: $status $(cat err)"

# What is not a trace file is refused at once, never waited on or read
# without end: a folder, a named pipe, a file or an input beyond the bound.
mkdir folder.json
refused folder.json "cannot be read: it is a folder"
mkfifo pipe.json
status=0
timeout 10 "$grade" pipe.json 2>err || status=$?
[ "$status" -eq 1 ] && grep -qF "pipe.json: cannot be read: it is not a regular file" err ||
  fail "a named pipe: status $status, $(cat err)"
truncate -s 17M huge.json
refused huge.json "is larger than 16 MB"
status=0
timeout 20 "$grade" - </dev/zero 2>err || status=$?
[ "$status" -eq 1 ] && grep -qF "standard input: is larger than 16 MB" err || fail "endless input: status $status, $(cat err)"

# The command line.
status=0
"$grade" --locale kr right.json 2>err || status=$?
[ "$status" -eq 2 ] && grep -q "zh-Hans, zh-Hant or ko" err || fail "--locale kr: status $status, $(cat err)"
"$grade" --help | grep -q -- "--locale" || fail "--help does not name --locale"
"$grade" --version | grep -q "^sumimai-grade [0-9]" || fail "--version does not say the version"
echo "grade_tool: ok"
