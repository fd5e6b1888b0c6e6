#!/usr/bin/env bash
# sumimai-sheet refuses what it cannot make before it writes anything: one
# line naming the problem on stderr, exit status 1, no PDF and no temporary
# file left.   sheet_refuses.sh SHEET
set -euo pipefail
sheet=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$work"
export QT_QPA_PLATFORM=offscreen

refused() {  # refused PATTERN ARGUMENT...
  local pattern=$1 status=0
  shift
  "$sheet" "$@" >out 2>err || status=$?
  [ "$status" -eq 1 ] || fail "sumimai-sheet $*: status $status ($(cat err))"
  [ "$(wc -l <err)" -eq 1 ] || fail "sumimai-sheet $*: $(cat err)"
  grep -q "^sumimai-sheet: .*$pattern" err || fail "sumimai-sheet $*: $(cat err)"
  [ -z "$(find . -name '*.pdf*')" ] || fail "sumimai-sheet $*: left $(find . -name '*.pdf*')"
}
refused "--paper is a4, letter or b5, not 'a3'" --paper a3 --text 永 out.pdf
refused "--grid" --grid dots --text 永 out.pdf
refused "--trace" --trace -1 --text 永 out.pdf
refused "--trace" --trace 3x --text 永 out.pdf
refused "--cells" --cells 0 --text 永 out.pdf
refused "--ink" --ink 0,0,256 --text 永 out.pdf
refused "--ink" --ink 1,2 --text 永 out.pdf
refused "--brush is round or ink, not 'oil'" --brush oil --text 永 out.pdf
refused "--seed" --seed -1 --text 永 out.pdf
refused "no-such-option" --no-such-option --text 永 out.pdf
refused "\.pdf" --text 永 out.png
refused "no character to practise" --text '、。「」' out.pdf
refused "☃" --text '永☃' out.pdf
refused "cannot read missing.txt" --file missing.txt out.pdf
refused "cannot write no/such/folder/out.pdf" --text 永 no/such/folder/out.pdf
mkdir locked && chmod a-w locked
if [ "$(id -u)" -ne 0 ]; then
  refused "cannot write locked/out.pdf" --text 永 locked/out.pdf
fi
printf '色即是空\n' >text.txt
"$sheet" --file text.txt out.pdf 2>err || fail "a sound text file was refused: $(cat err)"
[ -s out.pdf ] && [ ! -s err ] || fail "no sheet, or a message: $(cat err)"
"$sheet" --brush ink --seed 3 --text 永 ink.pdf 2>err || fail "the ink brush was refused: $(cat err)"
[ -s ink.pdf ] && ! cmp -s out.pdf ink.pdf || fail "no sheet in ink"
echo "sheet_refuses: ok"
