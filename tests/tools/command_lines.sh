#!/usr/bin/env bash
# Every command-line tool has the same form: --help and --version print on
# stdout and exit 0, a mistake is one line "TOOL: ... (see --help)" on stderr
# with exit status 2; and sumimai-render refuses what cannot be drawn before
# it writes anything.   command_lines.sh RENDER TOOL...
set -euo pipefail
render=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$work"

for tool in "$render" "$@"; do
  name=$(basename "$tool")
  "$tool" --help >out 2>err || fail "$name --help: status $?"
  grep -q "$name" out || fail "$name --help does not name the program"
  [ ! -s err ] || fail "$name --help wrote on stderr: $(cat err)"
  "$tool" --version >out || fail "$name --version: status $?"
  grep -qE "^$name [0-9]+\.[0-9]+\.[0-9]+$" out || fail "$name --version: $(cat out)"
  status=0
  "$tool" --no-such-option a b >out 2>err || status=$?
  [ "$status" -eq 2 ] || fail "$name: an unknown option gave status $status"
  grep -q "^$name: .*--no-such-option.* (see --help)$" err || fail "$name: the mistake reads: $(cat err)"
done

printf 'h\r\n1,100,100,500,100,1,20,,,,\r\n99999\r\n99999\r\n' >ok.mem
refused() {  # refused ARGUMENT...: status 2, a message, no picture
  local status=0
  "$render" "$@" >out 2>err || status=$?
  [ "$status" -eq 2 ] || fail "sumimai-render $*: status $status ($(cat err))"
  grep -q "^sumimai-render: .* (see --help)$" err || fail "sumimai-render $*: $(cat err)"
  [ ! -e out.png ] && [ ! -e out.jpg ] || fail "sumimai-render $*: a picture was written"
}
refused --size 100000x100000 ok.mem out.png
refused --size 99999999999x5 ok.mem out.png
refused --size 0x5 ok.mem out.png
refused --size ' 50x50' ok.mem out.png
refused --size 0x5x5 ok.mem out.png
refused --output-size 9000x10 ok.mem out.png
refused --output-size 10 ok.mem out.png
refused --ink nan,0,0 ok.mem out.png
refused --ink 0,0,256 ok.mem out.png
refused --ground inf,1,1 ok.mem out.png
refused --text '' out.png
refused ok.mem out.jpg
"$render" --size 64x48 --output-size 32x24 ok.mem out.png || fail "a sound command line was refused"
[ -s out.png ] || fail "no picture"
echo "command_lines: ok"
