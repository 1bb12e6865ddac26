# Sourced by the shell tests: strict pipes, a private folder $work removed
# however the test ends, `fail MESSAGE` to count a failed check, `finish
# NAME` for the verdict and the status, and `left_behind`, the number of
# processes still running that were started with TEST_MARK=$mark in their
# environment.
set -uo pipefail
work=$(mktemp -d) || exit 1
trap 'rm -rf -- "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
finish() {
  (( failures == 0 )) && echo "$1: all checks passed"
  exit $(( failures > 0 ))
}
mark=$$-$RANDOM
left_behind() { grep -lsz "^TEST_MARK=$mark\$" /proc/[0-9]*/environ | wc -l; }
