#!/usr/bin/env bash
# The command-line tools speak the user's language: --help and a mistake in
# Japanese under a Japanese locale and in English under C or an English one,
# with LC_ALL before LC_MESSAGES before LANG, and LANGUAGE first of all.
#   tool_messages_language.sh SUMIMAI_EXPORT SUMIMAI_GRADE
set -uo pipefail
export_tool=$1 grade=$2
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
  if grep -qE '使い方|を参照|です|ます' out; then got=ja; else got=en; fi
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

# Which setting wins.
speaks en LANG=ja_JP.UTF-8 LC_ALL=C -- "$export_tool" --speed
speaks ja LANG=C LC_ALL=ja_JP.UTF-8 -- "$export_tool" --speed
speaks ja LANG=C LC_MESSAGES=ja_JP.UTF-8 -- "$export_tool" --speed
speaks en LANG=ja_JP.UTF-8 LC_MESSAGES=C -- "$export_tool" --speed
speaks en LANG=ja_JP.UTF-8 LANGUAGE=en -- "$export_tool" --speed
echo "tool_messages_language: ok"
