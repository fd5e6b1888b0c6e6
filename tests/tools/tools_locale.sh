#!/usr/bin/env bash
# --locale and --strict-locale as a user gives them, from an empty working
# folder (the libraries come from the shipped data): a character whose forms
# differ is drawn differently under ja and zh-Hans; a character its
# tradition lacks is borrowed with a note naming it, or refused with
# --strict-locale; every tool that looks characters up takes the option.
#   tools_locale.sh RENDER EXPORT SHEET GRADE
set -euo pipefail
render=$1 export=$2 sheet=$3 grade=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export LANG=C LC_ALL=C LANGUAGE=
fail() { echo "FAIL: $*" >&2; exit 1; }

"$render" --locale ja --text 骨 ja.png 2>err || fail "骨 under ja: $(cat err)"
"$render" --locale zh-Hans --text 骨 hans.png 2>err || fail "骨 under zh-Hans: $(cat err)"
! cmp -s ja.png hans.png || fail "骨 is drawn alike under ja and zh-Hans"
[ ! -s err ] || fail "骨 is in the zh-Hans library, yet: $(cat err)"
"$render" --locale ko --text 直 ko.png 2>err && [ ! -s err ] || fail "直 under ko: $(cat err)"

# 们 is in the mainland library alone.
"$render" --locale ja --text 们 borrowed.png 2>err || fail "们 under ja: $(cat err)"
grep -qF "not in the ja library, written as zh-Hans writes them: 们" err || fail "no note on 们: $(cat err)"
status=0
"$render" --locale ja --strict-locale --text 们 strict.png 2>err || status=$?
[ "$status" -eq 1 ] && grep -qF -- "--strict-locale" err && [ ! -e strict.png ] ||
  fail "--strict-locale: status $status, $(cat err)"

"$export" --locale zh-Hant --text 骨直 --size 96x96 two.gif 2>err || fail "export under zh-Hant: $(cat err)"
grep -qF "not in the zh-Hant library, written as zh-Hans writes them: 骨" err || fail "export's note: $(cat err)"
"$sheet" --locale zh-Hant --strict-locale --text 直 sheet.pdf 2>err && [ -s sheet.pdf ] || fail "sheet under zh-Hant: $(cat err)"
status=0
"$sheet" --locale zh-Hant --strict-locale --text 骨 refused.pdf 2>err || status=$?
[ "$status" -eq 1 ] && grep -qF "zh-Hant" err || fail "sheet refusing 骨: status $status, $(cat err)"

# A mistake ends with status 2 (the sheet tool: 1, as for every failure of it).
for tool in "$render" "$export" "$sheet" "$grade"; do
  status=0 want=2
  [ "$tool" = "$sheet" ] && want=1
  "$tool" --locale kr --text 直 out.png 2>err || status=$?
  [ "$status" -eq "$want" ] && grep -qF -- "--locale is ja, zh-Hans, zh-Hant or ko, not 'kr'" err ||
    fail "$(basename "$tool") --locale kr: status $status, $(cat err)"
  "$tool" --help | grep -qF -- "--strict-locale" || fail "$(basename "$tool") --help does not name --strict-locale"
done
echo "tools_locale: ok"
