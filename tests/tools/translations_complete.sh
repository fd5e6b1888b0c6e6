#!/usr/bin/env bash
# Every message catalogue is complete: no translation left unfinished or
# empty, no text of a window program's tr() missing from its catalogue (its
# catalogue updated by lupdate into a scratch copy gains nothing), and no
# literal message of the plain layers' userText(), exportError() or
# notAValue() missing from the catalogue of the other language (English
# texts from the Japanese catalogue, Japanese texts from the English one).
#   translations_complete.sh LUPDATE REPOSITORY
set -uo pipefail
lupdate=$1 repository=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$repository" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The sources of the messages of a catalogue whose translation is left
# unfinished or empty.
unfinished() {
  awk '/<source>/ { source = $0 } /<translation[^>]*type="unfinished"|<translation><\/translation>|<translation\/>/ {
         sub(/^ *<source>/, "", source); sub(/<\/source>$/, "", source); print "  " source }' "$1"
}

catalogues=(translations/*.ts apps/*/translations/*.ts)
[ ${#catalogues[@]} -ge 3 ] || fail "only ${#catalogues[@]} catalogues found"
for ts in "${catalogues[@]}"; do
  left=$(unfinished "$ts")
  [ -z "$left" ] || fail "$ts has messages without a translation:"$'\n'"$left"
done

# A window program's catalogue against the tr() texts of its sources.
for ts in apps/*/translations/*.ts; do
  sources=$(dirname "$(dirname "$ts")")
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent -no-obsolete -locations none "$sources" -ts "$copy" >"$work/lupdate.out" 2>&1 ||
    fail "lupdate failed on $sources: $(cat "$work/lupdate.out")"
  left=$(unfinished "$copy")
  [ -z "$left" ] || fail "$ts lacks texts of $sources:"$'\n'"$left"
done

# The literal messages of the plain layers, each found as a source of the
# other language's catalogue.
xml() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g' -e "s/'/\&apos;/g"; }
layers=(core data_files library writing worksheet export command_line playback grading drawing renderer conversion
        working_folder tools)
grep -rhPzo '(?:userText\(\s*(?:k\w+|"[\w-]+")\s*,|exportError\(|notAValue\(\s*[^,()]+,)\s*"\K(?:[^"\\]|\\.)*(?=")' \
  --include=*.cpp --include=*.h "${layers[@]}" | tr '\0' '\n' | sort -u >"$work/literals"
[ "$(wc -l <"$work/literals")" -gt 50 ] || fail "only $(wc -l <"$work/literals") literal messages found"
while IFS= read -r text; do
  if printf '%s' "$text" | grep -qP '[^\x00-\x7F]'; then ts=translations/sumimai_en.ts; else ts=translations/sumimai_ja.ts; fi
  grep -qF -- "<source>$(printf '%s' "$text" | xml)</source>" "$ts" || fail "$ts has no message \"$text\""
done <"$work/literals"

[ "$failures" -eq 0 ] || exit 1
echo "every catalogue is complete"
