#!/usr/bin/env bash
# ./run and the scripts in a copy of the project on stand-ins: --help touches nothing, a run
# leaves pictures of its own points only, a run in progress refuses a second run and clean.
#   run_test.sh PROJECT_SOURCE_DIR
set -uo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
stub() { mkdir -p "${1%/*}" && printf '#!/bin/bash\n%s\n' "$2" >"$1" && chmod +x "$1"; }

p=$work/project
mkdir -p "$p/geometry" "$work/here" && cp -r "$1/run" "$1/scripts" "$p/" && cp "$1/geometry/capacities.h" "$p/geometry/"
export CALLS=$work/calls HOLD=$work/hold PATH=$work/bin:$PATH
for tool in cmake apt-get; do stub "$work/bin/$tool" 'echo "$0 $*" >>"$CALLS"'; done
stub "$work/bin/dpkg-query" 'printf "install ok installed"'
# For n = 3000 the generator makes $HOLD.held and waits while $HOLD exists.
stub "$p/build-run/generator/generator" 'read -r n; read -r r; echo "$n $r" >generator.test
  [[ $n == 3000 ]] && touch "$HOLD.held"; i=0; while [[ $n == 3000 && -e $HOLD ]] && (( i++ < 6000 )); do sleep 0.05; done'
stub "$p/build-run/hull_brute/hull_brute" 'read -r n r <generator.test; l="n^3"; [[ $0 == *chain ]] && l="n*logn"
  echo "$l(n=$n):   0 sekundi     1 milisekundi" >>statistika.out'
stub "$p/build-run/hull_chain/hull_chain" "$(tail -n +2 "$p/build-run/hull_brute/hull_brute")"
stub "$p/scripts/snapshot" '"$1" && echo new >"$2"'

touch "$work/mark"
for script in run scripts/clean scripts/plot-log scripts/ensure-packages scripts/fuzz; do
  for option in -h --help; do
    out=$(cd "$work/here" && "$p/$script" "$option" 2>&1)
    [[ $? -eq 0 && $out == Upotreba:* && $out == *$'\nIzlazni status'* ]] || fail "$script $option: $out"
  done
done
[[ -z $(find "$work" -mindepth 1 -newer "$work/mark") ]] || fail "--help touched: $(find "$work" -newer "$work/mark")"

# DISPLAY|n|pictures left: those of earlier points go, with a display or without.
for case in "|12000|hull_chain.png" "|50|hull_brute.png hull_chain.png" ":99|12000|*.png"; do
  IFS='|' read -r display n expected <<<"$case"
  mkdir -p "$p/demo" && echo old | tee "$p/demo/hull_brute.png" >"$p/demo/hull_chain.png"
  out=$(DISPLAY=$display "$p/run" "$n" 1 2>&1) || fail "./run $n: $out"
  [[ $(cd "$p/demo" && echo *.png) == "$expected" ]] && ! grep -qs old "$p"/demo/*.png || fail "./run $n, DISPLAY=$display"
  [[ $n -le 10000 || $out == *'hull_brute prima najvise 10000 tacaka: za n = 12000 radi samo hull_chain.'* ]] || fail "./run $n: $out"
done

rm -f "$CALLS" && touch "$HOLD"
DISPLAY='' "$p/run" 3000 2 >"$work/first" 2>&1 & first=$!
i=0; while [[ ! -e $HOLD.held ]] && (( i++ < 6000 )); do sleep 0.05; done
for script in "run 50 1" scripts/clean; do
  out=$(DISPLAY='' "$p"/$script 2>&1)
  [[ $? -eq 1 && $out == *"(pid $first: ./run 3000 2)"* ]] || fail "$script beside a run: $out"
done
[[ -d $p/build-run && $(grep -c . "$CALLS") -eq 2 ]] || fail "the refused ones built or removed: $(cat "$CALLS")"
rm "$HOLD"
wait "$first" && grep -qx 'n^3(n=3000):   0 sekundi     1 milisekundi    |    n\*logn(n=3000):   0 sekundi     1 milisekundi' "$work/first" ||
  fail "first run: $(cat "$work/first")"
(( failures == 0 )) && echo "run: all checks passed"
exit $(( failures > 0 ))
