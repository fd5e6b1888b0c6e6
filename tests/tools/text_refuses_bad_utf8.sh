#!/usr/bin/env bash
# Every tool that takes a text refuses one that is not UTF-8 (an overlong
# form, an encoded surrogate, a value beyond U+10FFFF, a sequence cut short)
# with a message giving the byte offset, exit status 1 and no file.
#   text_refuses_bad_utf8.sh OUT_EXTENSION TOOL [ARGUMENT...]
set -euo pipefail
extension=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

refuse() {  # refuse TEXT OFFSET
  local out="$work/out.$extension" status=0
  "${tool[@]}" --text "$1" "$out" 2>"$work/err" >/dev/null || status=$?
  [ "$status" -eq 1 ] || fail "$(basename "${tool[0]}"): status $status for $(printf %q "$1"): $(cat "$work/err")"
  grep -q "byte offset $2" "$work/err" || fail "$(basename "${tool[0]}"): no offset $2 in: $(cat "$work/err")"
  [ -z "$(ls -A "$work" | grep -v '^err$')" ] || fail "$(basename "${tool[0]}"): a file was left: $(ls -A "$work")"
}
tool=("$@")
refuse $'\xC0\xAF' 0             # "/" in two bytes
refuse $'色\xE0\x80\xAF' 3       # "/" in three bytes
refuse $'ab\xED\xA0\x80' 2       # U+D800
refuse $'\xF4\x90\x80\x80' 0     # U+110000
refuse $'色\xE8\x89' 3           # 色 cut short
echo "$(basename "${tool[0]}") refuses text that is not UTF-8: ok"
