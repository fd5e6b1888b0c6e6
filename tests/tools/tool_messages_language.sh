#!/usr/bin/env bash
# The command-line tools speak the user's language: --help and a mistake in
# Japanese under a Japanese locale and in English under C or an English one,
# with LC_ALL before LC_MESSAGES before LANG, and LANGUAGE first of all.
# The messages of the lower layers follow too: those written in English
# (the export's) turn Japanese, those written in Japanese (a damaged data
# file's) turn English.
#   tool_messages_language.sh SUMIMAI_EXPORT SUMIMAI_GRADE SUMIMAI_SHEET SUMIMAI_RENDER SUMIMAI_TRACE
set -uo pipefail
export_tool=$1 grade=$2 sheet=$3 render=$4 trace=$5
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
unset LANGUAGE LC_ALL LC_MESSAGES LANG

# speaks WANT ENV... -- PROGRAM ARGS...: the output (stdout and stderr) is
# in WANT (ja or en): Japanese holds words English never has.
speaks() {
  local want=$1 settings=()
  shift
  while [ "$1" != -- ]; do settings+=("$1"); shift; done
  shift
  env "${settings[@]}" "$@" >out 2>&1
  if grep -qE '使い方|を参照|です|ます|ません' out; then got=ja; else got=en; fi
  [ "$got" = "$want" ] || fail "${settings[*]} $*: not in $want: $(head -3 out)"
}

speaks ja LANG=ja_JP.UTF-8 -- "$export_tool" --help
grep -q '^使い方: sumimai-export' out && grep -q -- '--sutra A-B' out || fail "the Japanese help: $(head -3 out)"
speaks en LANG=C -- "$export_tool" --help
grep -q '^usage: sumimai-export' out || fail "the English help: $(head -3 out)"
speaks ja LANG=ja_JP.UTF-8 -- "$export_tool" --fps x a.webp
grep -qF 'sumimai-export: --fps には「x」ではなく整数を指定してください（--help を参照）' out || fail "$(cat out)"
speaks en LANG=en_US.UTF-8 -- "$export_tool" --fps x a.webp
grep -qF "sumimai-export: --fps needs a whole number, not 'x' (see --help)" out || fail "$(cat out)"
speaks ja LANG=ja_JP.UTF-8 -- "$grade" --help
speaks en LANG=C.UTF-8 -- "$grade" --help
speaks ja LANG=ja_JP.UTF-8 -- "$grade" --unknown x.json
grep -qF 'sumimai-grade: 知らない引数 --unknown です' out || fail "$(cat out)"
mkdir folder.json
speaks ja LANG=ja_JP.UTF-8 -- "$grade" folder.json
grep -qF 'sumimai-grade: folder.json: 読めません: ファイルではなくフォルダです' out || fail "$(cat out)"

# Every installed tool, its help and its own mistakes.
speaks ja LANG=ja_JP.UTF-8 -- "$sheet" --help
grep -q '^使い方: sumimai-sheet' out && grep -q -- '--brush round|ink' out || fail "the sheet's Japanese help: $(head -3 out)"
speaks en LANG=C -- "$sheet" --help
speaks ja LANG=ja_JP.UTF-8 -- "$sheet" --paper a3 --text 永 a.pdf
grep -qF "sumimai-sheet: --paper は「a3」ではなく a4、letter、b5 のどれかです" out || fail "$(cat out)"
speaks ja LANG=ja_JP.UTF-8 -- "$sheet" --text '永☃' a.pdf
grep -qF "sumimai-sheet: 文字 ☃ の筆順データがありません" out || fail "$(cat out)"
speaks en LANG=C -- "$sheet" --text '永☃' a.pdf
grep -qF "sumimai-sheet: no strokes for the character ☃" out || fail "$(cat out)"
speaks ja LANG=ja_JP.UTF-8 -- "$trace" char x.mem
grep -qF "sumimai-trace: char には --canvas WxH が要ります" out || fail "$(cat out)"
speaks en LANG=C -- "$trace" char x.mem

# Deeper down: the export's file errors, a damaged stroke file.
speaks ja LANG=ja_JP.UTF-8 -- "$export_tool" --text 永 no/such/folder/a.webp
grep -qF "sumimai-export: フォルダ no/such/folder に書き込めません" out || fail "$(cat out)"
speaks ja LANG=ja_JP.UTF-8 -- "$export_tool" --text 永 a.xyz
grep -qF "名前 a.xyz からは書くファイルの種類がわかりません" out && grep -qF "（--help を参照）" out || fail "$(cat out)"
printf '1,2\n' >broken.mem
speaks en LANG=C -- "$render" broken.mem a.png
grep -qF "broken.mem / The file ends within record 1 (there is no end mark 99999)." out || fail "$(cat out)"
speaks ja LANG=ja_JP.UTF-8 -- "$render" broken.mem a.png
grep -qF "broken.mem / 記録 1 の途中でファイルが終わっています（終わりの印 99999 がありません）。" out || fail "$(cat out)"

# Which setting wins.
speaks en LANG=ja_JP.UTF-8 LC_ALL=C -- "$export_tool" --speed
speaks ja LANG=C LC_ALL=ja_JP.UTF-8 -- "$export_tool" --speed
speaks ja LANG=C LC_MESSAGES=ja_JP.UTF-8 -- "$export_tool" --speed
speaks en LANG=ja_JP.UTF-8 LC_MESSAGES=C -- "$export_tool" --speed
speaks en LANG=ja_JP.UTF-8 LANGUAGE=en -- "$export_tool" --speed
echo "tool_messages_language: ok"
