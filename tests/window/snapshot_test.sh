#!/usr/bin/env bash
# scripts/snapshot on a good and on a bad point file: the picture of the
# window alone on a good one; the program's status and message, and no
# picture, on a bad one; and no process left behind either way.
#   snapshot_test.sh SNAPSHOT PROGRAM
set -uo pipefail
snapshot=$1
program=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Every process the snapshot starts inherits this mark; none may outlive it.
mark=snapshot-test-$$-$RANDOM
left_behind() { grep -lsz "^SNAPSHOT_TEST_MARK=$mark\$" /proc/[0-9]*/environ | wc -l; }

pixel() {  # pixel X Y FILE -> "R G B"
  convert "$3" -crop "1x1+$1+$2" -depth 8 rgb:- | od -An -tu1 | xargs
}

# A square with a point in the middle: corners (0,0) and (300,300) are drawn
# at the camera's 92% fill of the window's height, the middle at its centre.
cd "$work" || exit 1
printf '5 1\n0 0\n300 0\n300 300\n0 300\n150 150\n' >generator.test
SNAPSHOT_TEST_MARK=$mark "$snapshot" "$program" good.png 2>err.txt
status=$?
[[ $status -eq 0 ]] || fail "good file: status $status, stderr: $(cat err.txt)"
[[ $(identify -format '%wx%h' good.png 2>/dev/null) == 1024x700 ]] || fail "good file: the picture is not the 1024x700 window"
[[ $(pixel 5 5 good.png) == "230 230 204" ]] || fail "good file: background is $(pixel 5 5 good.png)"
[[ $(pixel 512 350 good.png) == "0 0 255" ]] || fail "good file: no blue point at the centre"
[[ $(pixel 512 28 good.png) == "255 0 0" ]] || fail "good file: no red hull edge at the top"
[[ $(left_behind) -eq 0 ]] || fail "good file: processes left running"
grep -q '^n\*logn(n=5)' statistika.out || fail "good file: no log line"

printf '5 1\n0 0\n300 x\n' >generator.test
SNAPSHOT_TEST_MARK=$mark "$snapshot" "$program" bad.png 2>err.txt
status=$?
[[ $status -eq 1 ]] || fail "bad file: status $status, expected the program's 1"
grep -q 'generator.test' err.txt || fail "bad file: the program's message is missing: $(cat err.txt)"
[[ ! -e bad.png ]] || fail "bad file: a picture was written"
[[ $(left_behind) -eq 0 ]] || fail "bad file: processes left running"

(( failures == 0 )) && echo "snapshot: all checks passed"
exit $(( failures > 0 ))
