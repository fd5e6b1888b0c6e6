#!/usr/bin/env bash
# Every file the tools write replaces the old one only once it is whole: a
# write that fails (here a file size limit, as a full disk) leaves the old
# file as it was and no temporary file; a written file keeps the old one's
# permissions; an interrupted export leaves nothing behind, and what a
# killed one left is removed by the next export to the same file.
#   outputs_replace_whole.sh SUMIMAI_RENDER SUMIMAI_EXPORT
set -uo pipefail
render=$1 export=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$work" || exit 1
ulimit -c 0

printf 'h\r\n1,100,100,500,100,1,20,,,,\r\n2,0,0,500,400,2,20,,,,\r\n99999\r\n99999\r\n' >a.mem
only() {  # the folder holds exactly these names, hidden ones too
  local have; have=$(ls -A | sort | tr '\n' ' ')
  [ "$have" = "$* " ] || fail "$context: the folder holds $have instead of $*"
}

for tool in render export; do
  context="sumimai-$tool"
  [ "$tool" = render ] && run=("$render" --size 300x300 a.mem out.png) || run=("$export" --quiet --size 300x300 a.mem out.png)
  "${run[@]}" || fail "$context: a sound file was not written"
  chmod 600 out.png
  cp out.png good.png
  # A file size limit of 0 makes every write fail; SIGXFSZ is ignored so that
  # the write reports the failure.
  (trap '' XFSZ; ulimit -f 0; "${run[@]}") 2>err && fail "$context: a failed write ended with status 0"
  cmp -s out.png good.png || fail "$context: a failed write changed the old file"
  rm good.png err
  only a.mem out.png
  "${run[@]}" || fail "$context: the file was not written again"
  [ "$(stat -c %a out.png)" = 600 ] || fail "$context: the permissions became $(stat -c %a out.png)"
  rm out.png
done

# A long export, interrupted once its temporary file exists.
long=("$export" --quiet --speed 10 --size 640x640 a.mem long.webp)
started() {  # waits for the hidden temporary file of long.webp
  for _ in $(seq 200); do compgen -G '.long.webp.*' >/dev/null && return 0; sleep 0.05; done
  fail "$context: no temporary file appeared"
}
for signal in INT TERM HUP QUIT; do
  context="SIG$signal"
  "${long[@]}" & pid=$!
  started
  kill -s "$signal" "$pid"
  wait "$pid"
  status=$?
  [ "$status" -eq $((128 + $(kill -l "$signal"))) ] || fail "$context: the export ended with status $status"
  only a.mem
done
context=SIGKILL
"${long[@]}" & pid=$!
started
kill -s KILL "$pid"
wait "$pid"
"$export" --quiet --size 64x64 a.mem long.webp || fail "the export after a killed one failed"
only a.mem long.webp
echo "outputs_replace_whole: ok"
