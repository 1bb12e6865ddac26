#!/usr/bin/env bash
# ./run and the scripts in a copy of the project on stand-ins: --help touches nothing and
# fails when it cannot be written, a run leaves pictures of its own points only, a run in
# progress refuses a second run and clean, a lock whose holder is gone refuses neither, no
# program a run starts holds its lock, and a run ended by a signal ends what it started and
# leaves no lock.
#   run_test.sh PROJECT_SOURCE_DIR
source "${BASH_SOURCE[0]%/*}/lib.sh"
stub() { mkdir -p "${1%/*}" && printf '#!/bin/bash\n%s\n' "$2" >"$1" && chmod +x "$1"; }

p=$work/project
mkdir -p "$p/geometry" "$work/here" && cp -r "$1/run" "$1/scripts" "$p/" && cp "$1/geometry/capacities.h" "$p/geometry/"
export CALLS=$work/calls HOLD=$work/hold HELD=$work/held LOCK=$p/demo/.run.lock PATH=$work/bin:$PATH
# Every stand-in a run starts notes it if it has the run's lock open, or
# any of descriptors 0-2 closed.
check='for fd in /proc/$$/fd/*; do [[ ! $fd -ef $LOCK ]] || echo "$0" >>"$HELD"; done
  for fd in 0 1 2; do [[ -e /proc/$$/fd/$fd ]] || echo "$0 without $fd" >>"$HELD"; done'
for tool in cmake apt-get; do stub "$work/bin/$tool" "$check"'; echo "$0 $*" >>"$CALLS"'; done
stub "$work/bin/dpkg-query" "$check"'; printf "install ok installed"'
# For n = 3000 the generator makes $HOLD.held and waits while $HOLD exists,
# one process as the real one is: it waits in bash's own read (on a FIFO
# nobody writes), so a signal that ends it leaves no sleep running.
export NEVER=$work/never && mkfifo "$NEVER"
stub "$p/build-run/generator/generator" "$check"'; read -r n; read -r r; echo "$n $r" >generator.test
  [[ $n == 3000 ]] && >"$HOLD.held"; exec 3<>"$NEVER"
  i=0; while [[ $n == 3000 && -e $HOLD ]] && (( i++ < 6000 )); do read -rt 0.05 -u 3; done; exit 0'
programs=(hull_brute hull_chain hull_graham hull_jarvis hull_quick hull_chan hull_ks)
for program in "${programs[@]}"; do
  stub "$p/build-run/$program/$program" "$check"'; read -r n r <generator.test; l=${0##*/hull_}
    case $l in brute) l="n^3" ;; chain) l="n*logn" ;; esac
    echo "$l(n=$n):   0 sekundi     1 milisekundi" >>statistika.out'
done
stub "$p/scripts/snapshot" "$check"'; [[ $1 == --log ]] && shift; "$1" && echo new >"$2"'

touch "$work/mark"
for script in run scripts/clean scripts/plot-log scripts/ensure-packages scripts/fuzz; do
  for option in -h --help; do
    out=$(cd "$work/here" && "$p/$script" "$option" 2>&1)
    [[ $? -eq 0 && $out == Upotreba:* && $out == *$'\nIzlazni status'* ]] || fail "$script $option: $out"
  done
done
[[ -z $(find "$work" -mindepth 1 -newer "$work/mark") ]] || fail "--help touched: $(find "$work" -newer "$work/mark")"
for script in run test scripts/clean scripts/plot-log scripts/ensure-packages scripts/fuzz scripts/snapshot; do
  out=$("$1/$script" --help 2>&1 >/dev/full)
  [[ $? -eq 1 && $out == "Greska: upis na standardni izlaz nije uspeo." ]] || fail "$script --help >/dev/full: $out"
done
# libFuzzer reads 0 s as no limit.
for seconds in 0 00 1000000; do
  out=$("$p/scripts/fuzz" "$seconds" 2>&1)
  [[ $? -eq 2 && $out == "fuzz: broj sekundi '$seconds' nije od 1 do 999999." && ! -e $CALLS ]] || fail "fuzz $seconds: $out"
done

# DISPLAY|n|pictures left: those of earlier points go, with a display or without;
# with one, hull_brute and hull_chain open windows and the others save pictures.
five="hull_chan.png hull_graham.png hull_jarvis.png hull_ks.png hull_quick.png"
for case in "|12000|hull_chain.png $five" "|50|hull_brute.png hull_chain.png $five" ":99|12000|$five"; do
  IFS='|' read -r display n expected <<<"$case"
  mkdir -p "$p/demo" && for program in "${programs[@]}"; do echo old >"$p/demo/$program.png"; done
  out=$(DISPLAY=$display "$p/run" "$n" 1 2>&1) || fail "./run $n: $out"
  [[ $(cd "$p/demo" && echo *.png) == "$expected" ]] && ! grep -qs old "$p"/demo/*.png || fail "./run $n, DISPLAY=$display"
  [[ $n -le 10000 || $out == *'hull_brute prima najvise 10000 tacaka: za n = 12000 se preskace.'* ]] || fail "./run $n: $out"
  [[ -z $display || $out == *'Prozore otvaraju hull_brute i hull_chain'* ]] || fail "./run $n, DISPLAY=$display: $out"
done
DISPLAY='' "$p/run" 50 1 <&- >&- 2>&- || fail "./run with descriptors 0-2 closed: status $?"

rm -f "$CALLS" && touch "$HOLD"
DISPLAY='' "$p/run" 3000 2 >"$work/first" 2>&1 & first=$!
i=0; while [[ ! -e $HOLD.held ]] && (( i++ < 6000 )); do sleep 0.05; done
for script in "run 50 1" scripts/clean; do
  out=$(DISPLAY='' "$p"/$script 2>&1)
  [[ $? -eq 1 && $out == *"(pid $first: ./run 3000 2)"* ]] || fail "$script beside a run: $out"
done
[[ -d $p/build-run && $(grep -c . "$CALLS") -eq 2 ]] || fail "the refused ones built or removed: $(cat "$CALLS")"
rm "$HOLD"
# One row per program, in the order they ran: name, label, time.
table=$(for program in "${programs[@]}"; do
  label=${program#hull_} && label=${label/#brute/n^3} && label=${label/#chain/n*logn}
  printf '  %-12s %-16s   0 sekundi     1 milisekundi\n' "$program" "$label(n=3000):"
done)
wait "$first" && [[ $(cat "$work/first") == *$'(citanje, sortiranje i R racunanja omotaca):\n'"$table"$'\n'* ]] ||
  fail "first run: $(cat "$work/first")"

# signal|sent to: ./run alone, or its process group (as a terminal sends it),
# while the generator runs. The generator ends too; no lock is left.
touch "$HOLD"
for row in TERM:pid INT:pid HUP:group QUIT:group; do
  rm -f "$HOLD.held"
  ( trap - INT QUIT; TEST_MARK=$mark exec setsid "$p/run" 3000 2 ) >/dev/null 2>&1 &
  group=$!
  i=0; while [[ ! -e $HOLD.held ]] && (( i++ < 6000 )); do sleep 0.05; done
  target=$group && [[ ${row#*:} == group ]] && target=-$group
  kill -s "${row%:*}" -- "$target"
  wait "$group" 2>/dev/null
  status=$?
  [[ $status -eq $((128 + $(kill -l "${row%:*}"))) ]] || fail "$row: status $status"
  [[ $(left_behind) -eq 0 && ! -e $LOCK ]] || fail "$row: left $(left_behind) processes, lock: $(ls -A "$p/demo")"
done
rm "$HOLD"
[[ ! -e $HELD ]] || fail "a program holds the run's lock: $(sort -u "$HELD")"

# A lock kept by a process its run left behind, the run itself gone (its pid
# is that of a process that has ended): neither ./run nor clean is refused.
for script in "run 50 1" "run clean"; do
  true & gone=$!
  wait "$gone"
  mkdir -p "$p/demo" && echo "pid $gone: ./run 3000 2" >"$LOCK"
  ( exec 9<>"$LOCK" && flock 9 && exec sleep 60 ) >/dev/null 2>&1 & orphan=$!
  i=0; while flock -n "$LOCK" true && (( i++ < 100 )); do sleep 0.05; done
  out=$(DISPLAY='' "$p"/$script 2>&1) || fail "$script beside a lock without its run: $out"
  kill "$orphan"; wait "$orphan"
done
finish run
