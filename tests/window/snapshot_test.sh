#!/usr/bin/env bash
# scripts/snapshot on a good and on a bad point file: the picture of the
# window alone on a good one, with a timing line only when --log asks; the
# program's status and message, and no picture, on a bad one. A run ended
# by each signal ends the program before it logs, and the server. No
# process and no work folder is left behind in any case (TMPDIR has a blank
# in its name). Then odd picture names, which are drawn, the steps as an
# animation and as a series, and bad settings, which are refused before
# anything runs.
#   snapshot_test.sh SNAPSHOT PROGRAM
snapshot=$1
program=$2
source "${BASH_SOURCE[0]%/*}/../scripts/lib.sh"
export TMPDIR="$work/tmp dir"
mkdir "$TMPDIR"
leftovers() { [[ $(left_behind) -eq 0 ]] || fail "$1: processes left running"
              [[ -z $(ls -A "$TMPDIR") ]] || fail "$1: left in TMPDIR: $(ls -A "$TMPDIR")"
              ! compgen -G "$work/.snapshot.*" >/dev/null || fail "$1: a partial picture was left behind"; }

pixel() {  # pixel X Y FILE -> "R G B"
  convert "$3" -crop "1x1+$1+$2" -depth 8 rgb:- | od -An -tu1 | xargs
}

# A square with a point in the middle: corners (0,0) and (300,300) are drawn
# at the camera's 92% fill of the window's height, the middle at its centre.
cd "$work" || exit 1
printf '5 1\n0 0\n300 0\n300 300\n0 300\n150 150\n' >generator.test
TEST_MARK=$mark "$snapshot" "$program" good.png 2>err.txt
status=$?
[[ $status -eq 0 ]] || fail "good file: status $status, stderr: $(cat err.txt)"
[[ $(identify -format '%wx%h' good.png 2>/dev/null) == 1024x700 ]] || fail "good file: the picture is not the 1024x700 window"
[[ $(pixel 5 5 good.png) == "230 230 204" ]] || fail "good file: background is $(pixel 5 5 good.png)"
[[ $(pixel 512 350 good.png) == "0 0 255" ]] || fail "good file: no blue point at the centre"
[[ $(pixel 512 28 good.png) == "255 0 0" ]] || fail "good file: no red hull edge at the top"
[[ ! -e statistika.out ]] || fail "good file: a timing line without --log"
leftovers "good file"
TEST_MARK=$mark "$snapshot" --log "$program" good.png 2>err.txt || fail "--log: $(cat err.txt)"
[[ $(grep -c '^n\*logn(n=5)' statistika.out) -eq 1 ]] || fail "--log: not one log line"

printf '5 1\n0 0\n300 x\n' >generator.test
TEST_MARK=$mark "$snapshot" "$program" bad.png 2>err.txt
status=$?
[[ $status -eq 1 ]] || fail "bad file: status $status, expected the program's 1"
grep -q '^Greska: generator.test: ' err.txt || fail "bad file: the program's message is missing: $(cat err.txt)"
[[ ! -e bad.png ]] || fail "bad file: a picture was written"
leftovers "bad file"

# signal|status: sent to the run's process group (as a terminal sends it)
# while the program computes a hull of 20001 points many times over.
{ echo "20001 100000"; for ((i = 0; i < 20001; i++)); do echo "$((i * 7919 % 20011)) $((i * 104729 % 20021))"; done; } >generator.test
for row in HUP:129 INT:130 QUIT:131 TERM:143; do
  signal=${row%:*}
  cp statistika.out before.out
  ( trap - INT QUIT; TEST_MARK=$mark exec setsid "$snapshot" --log "$program" sig.png ) 2>err.txt &
  group=$!
  for ((i = 0; i < 600; i++)); do
    pgrep -g "$group" -x "${program##*/}" >/dev/null && break
    sleep 0.1
  done
  kill -s "$signal" -- "-$group"
  wait "$group" 2>/dev/null
  status=$?
  [[ $status -eq ${row#*:} ]] || fail "$signal: status $status: $(cat err.txt)"
  leftovers "$signal"
  cmp -s before.out statistika.out || fail "$signal: a line was logged: $(tail -n 1 statistika.out)"
  [[ ! -e sig.png ]] || fail "$signal: a picture was written"
done

pixels() { convert png:- rgb:- <"$1" | od -An -tx1; }  # the picture's pixels, whatever its name
reference=$(pixels good.png)
printf '5 1\n0 0\n300 0\n300 300\n0 300\n150 150\n' >generator.test
# Names a user can make: quotes, spaces, a leading dash, a line break.
for name in "it's \"a\" b.png" "-dash.png" $'two\nlines.png'; do
  "$snapshot" "$program" "$name" >out.txt 2>err.txt || fail "name [$name]: $(cat err.txt)"
  [[ $(pixels "$name") == "$reference" ]] || fail "name [$name]: not the same picture"
  [[ ! -s out.txt ]] || fail "name [$name]: wrote on standard output"
done
leftovers "odd names"

# --steps: the steps, then the opening picture last, as a GIF and as a
# numbered series; each step's picture differs from the one before.
"$snapshot" --steps "$program" steps.gif 2>err.txt || fail "--steps gif: $(cat err.txt)"
convert steps.gif -coalesce frame-%03d.png || fail "--steps gif: not a GIF"
frames=(frame-*.png)
(( ${#frames[@]} > 2 )) || fail "--steps gif: ${#frames[@]} frames"
[[ $(pixels "${frames[-1]}") == "$reference" ]] || fail "--steps gif: the last frame is not the opening picture"
[[ $(pixels "${frames[0]}") != "$(pixels "${frames[1]}")" ]] || fail "--steps gif: two steps look the same"
"$snapshot" --steps "$program" steps.png 2>err.txt || fail "--steps png: $(cat err.txt)"
series=(steps-*.png)
[[ ${#series[@]} -eq ${#frames[@]} && ${series[0]} == steps-001.png ]] || fail "--steps png: ${series[*]}"
[[ $(pixels "${series[-1]}") == "$reference" ]] || fail "--steps png: the last picture is not the opening one"
leftovers "--steps"

# refused STATUS MESSAGE [VAR=VALUE...] COMMAND...: ends with STATUS and
# exactly MESSAGE on standard error, nothing on standard output.
refused() {
  local expected_status=$1 message=$2
  shift 2
  env "$@" >out.txt 2>err.txt
  local status=$?
  [[ $status -eq $expected_status ]] || fail "$*: status $status"
  [[ $(cat err.txt) == "$message" ]] || fail "$*: said [$(cat err.txt)]"
  [[ ! -s out.txt ]] || fail "$*: wrote on standard output"
}
refused 2 "snapshot: SNAPSHOT_TIMEOUT='abc' nije ceo broj sekundi od 1 do 999999999" \
  SNAPSHOT_TIMEOUT=abc "$snapshot" "$program" t.png
# shellcheck disable=SC2016  # the value is code that must not run
refused 2 "snapshot: SNAPSHOT_TIMEOUT='a[\$(touch hacked)]' nije ceo broj sekundi od 1 do 999999999" \
  'SNAPSHOT_TIMEOUT=a[$(touch hacked)]' "$snapshot" "$program" t.png
refused 1 "snapshot: ne mogu da napravim privremeni direktorijum u '$work/none' (TMPDIR)" \
  TMPDIR="$work/none" "$snapshot" "$program" t.png
cp "$program" program.png
refused 2 "snapshot: slika 'program.png' bi zamenila sam program" "$snapshot" ./program.png program.png
refused 2 "snapshot: ime slike 'window.jpg' ne zavrsava se na .png" "$snapshot" "$program" window.jpg
refused 2 "snapshot: ime animacije 'steps.jpg' ne zavrsava se na .gif ni na .png" "$snapshot" --steps "$program" steps.jpg
refused 2 "snapshot: SNAPSHOT_STEPS='0' nije ceo broj koraka od 1 do 999999" \
  SNAPSHOT_STEPS=0 "$snapshot" --steps "$program" t.gif
refused 1 "snapshot: ne mogu da pisem u direktorijum 'missing'" "$snapshot" "$program" missing/t.png
[[ ! -e hacked && ! -e t.png ]] || fail "a refused run wrote something"

finish snapshot
