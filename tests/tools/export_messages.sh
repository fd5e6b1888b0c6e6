#!/usr/bin/env bash
# sumimai-export's messages as a user on a terminal reads them: a write that
# fails part-way (the disk fills up) ends the progress bar's line first, then
# says which file (OUT, never its hidden temporary) and why, and leaves no
# file; a picture FFmpeg cannot decode is told in our own sentence, without
# the library's log lines.   export_messages.sh SUMIMAI_EXPORT
set -uo pipefail
export_tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$work"

# On a terminal (script gives the program one), with files limited to 8 KB.
script -qec "bash -c 'trap \"\" XFSZ; ulimit -f 8; \"$export_tool\" --text 色即是空 out.gif; echo status=\$?'" \
  /dev/null >terminal.txt
grep -aq 'status=1' terminal.txt || fail "a failed write did not end with status 1: $(cat -v terminal.txt)"
# The message begins a line of its own: the bar's line (ended by \r) is closed first.
tr -d '\r' <terminal.txt | grep -aq '^sumimai-export: cannot write out.gif (frame): File too large$' ||
  fail "the message is not on a line of its own naming out.gif and the reason: $(cat -v terminal.txt)"
grep -aq 'frames' terminal.txt || fail "no progress bar was drawn: $(cat -v terminal.txt)"
[ -z "$(ls -A | grep -v '^terminal.txt$')" ] || fail "a failed write left $(ls -A)"

printf '\xff\xd8\xff\xe0 not really a JPEG' >broken.jpg
status=0
"$export_tool" --background broken.jpg --text 色 out.webp 2>errors.txt || status=$?
[ "$status" -eq 1 ] || fail "a broken picture ended with status $status"
[ "$(wc -l <errors.txt)" -eq 1 ] && grep -q '^sumimai-export: cannot read the picture broken.jpg' errors.txt ||
  fail "a broken picture was not told in one sentence of ours: $(cat errors.txt)"
echo "export_messages: ok"
