#!/usr/bin/env bash
# ./run and the scripts in a copy of the project's top, on stand-ins: cmake,
# dpkg-query and apt-get on PATH, the programs and scripts/snapshot in the
# copy, so nothing is built or installed. --help of every script touches
# nothing; a run leaves pictures of its own points only; a second run (and
# scripts/clean) is refused while the first holds demo/, and the first ends
# with a report of its own.
#   run_test.sh PROJECT_SOURCE_DIR
set -uo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
stub() {  # stub FILE BODY: an executable FILE running BODY
  mkdir -p "${1%/*}"
  printf '#!/bin/bash\n%s\n' "$2" >"$1"
  chmod +x "$1"
}

project=$work/project
mkdir -p "$project/geometry" "$work/here"
cp "$source/run" "$project/"
cp -r "$source/scripts" "$project/"
cp "$source/geometry/capacities.h" "$project/geometry/"
export CALLS=$work/calls HOLD=$work/hold
stub "$work/bin/cmake" 'echo "cmake $*" >>"$CALLS"'
stub "$work/bin/apt-get" 'echo "apt-get $*" >>"$CALLS"'
stub "$work/bin/dpkg-query" 'printf "install ok installed"'
export PATH=$work/bin:$PATH
# The generator for n = 3000 waits while $HOLD exists, after saying so in $HOLD.held.
stub "$project/build-run/generator/generator" 'read -r n; read -r r; echo "$n $r" >generator.test
  [[ $n == 3000 && -e $HOLD ]] && touch "$HOLD.held"; i=0; while [[ $n == 3000 && -e $HOLD ]] && (( i++ < 6000 )); do sleep 0.05; done'
for program in hull_brute:n^3 hull_chain:n*logn; do
  stub "$project/build-run/${program%:*}/${program%:*}" \
    "read -r n r <generator.test; echo '${program#*:}(n='\$n'):   0 sekundi     1 milisekundi' >>statistika.out"
done
rm "$project/scripts/snapshot"
stub "$project/scripts/snapshot" '"$1" && echo new >"$2"'

# --help and -h: the usage with the exit statuses, status 0, and nothing
# read from the current folder, written, built or installed.
listing() { find "$work" -mindepth 1 -newer "$work/mark" ! -path "$work/out" ! -path "$work/err"; }
for script in run scripts/clean scripts/plot-log scripts/ensure-packages scripts/fuzz; do
  for option in -h --help; do
    touch "$work/mark" && sleep 0.01
    (cd "$work/here" && "$project/$script" "$option") >"$work/out" 2>"$work/err"
    status=$?
    [[ $status -eq 0 && ! -s $work/err ]] || fail "$script $option: status $status, $(cat "$work/err")"
    grep -q '^Upotreba: ' "$work/out" && grep -q '^Izlazni status' "$work/out" || fail "$script $option: $(cat "$work/out")"
    [[ -z $(listing) ]] || fail "$script $option touched: $(listing)"
  done
done
grep -q 'clean' <("$project/run" --help) || fail "./run --help does not name clean"

# Pictures of earlier points go, with a display or without; n above
# hull_brute's capacity says why it is skipped.
for case in "|12000|hull_chain.png" "|50|hull_brute.png hull_chain.png" ":99|12000|"; do
  IFS='|' read -r display n expected <<<"$case"
  mkdir -p "$project/demo" && echo old | tee "$project/demo/hull_brute.png" >"$project/demo/hull_chain.png"
  DISPLAY=$display "$project/run" "$n" 1 >"$work/out" 2>"$work/err" || fail "./run $n: status $?, $(cat "$work/err")"
  left=$(cd "$project/demo" && echo *.png)
  [[ $left == "${expected:-"*.png"}" ]] || fail "./run $n (DISPLAY=$display): pictures $left, expected $expected"
  grep -q old "$project"/demo/*.png 2>/dev/null && fail "./run $n: an old picture is kept"
  (( n > 10000 )) && { grep -qx 'hull_brute prima najvise 10000 tacaka: za n = 12000 radi samo hull_chain.' "$work/out" ||
                       fail "./run $n: skip not said: $(cat "$work/out")"; }
done

# Two runs at once: the second, and scripts/clean, are refused with the
# holder's pid and arguments; the first is not disturbed.
rm -f "$CALLS"
touch "$HOLD"
DISPLAY= "$project/run" 3000 2 >"$work/out-first" 2>&1 &
first=$!
i=0; while [[ ! -e $HOLD.held ]] && (( i++ < 6000 )); do sleep 0.05; done
DISPLAY= "$project/run" 50 1 >"$work/out" 2>"$work/err"
status=$?
[[ $status -eq 1 ]] && grep -qF "(pid $first: ./run 3000 2)" "$work/err" || fail "second run: status $status, $(cat "$work/err")"
"$project/scripts/clean" >"$work/out" 2>"$work/err"
status=$?
[[ $status -eq 1 && -d $project/build-run ]] && grep -qF "pid $first" "$work/err" || fail "clean: status $status, $(cat "$work/err")"
[[ $(grep -c . "$CALLS") -eq 2 ]] || fail "the refused runs built: $(cat "$CALLS")"
rm "$HOLD"
wait "$first" || fail "first run: status $?, $(cat "$work/out-first")"
grep -qx 'n^3(n=3000):   0 sekundi     1 milisekundi    |    n\*logn(n=3000):   0 sekundi     1 milisekundi' "$work/out-first" ||
  fail "first run's report: $(cat "$work/out-first")"

(( failures == 0 )) && echo "run: all checks passed"
exit $(( failures > 0 ))
