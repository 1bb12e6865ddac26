#!/usr/bin/env bash
# scripts/ensure-packages on a PATH of stand-ins only: dpkg-query, apt-get,
# id, a compiler and the tools are small scripts here, so nothing is ever
# installed. Debian with and without apt-get (and without sudo for a user
# other than root), and a machine without dpkg-query, with everything and
# with needs missing.
#   ensure_packages_test.sh ENSURE_PACKAGES
script=$1
source "${BASH_SOURCE[0]%/*}/lib.sh"

stub() {  # stub DIR NAME BODY: an executable NAME in DIR running BODY
  mkdir -p "$1"
  printf '#!/bin/bash\n%s\n' "$3" >"$1/$2"
  chmod +x "$1/$2"
}
# The commands the script itself needs, from the real system.
base=$work/base
mkdir -p "$base"
for tool in grep; do ln -s "$(command -v "$tool")" "$base/$tool"; done
stub "$base" id 'echo "${FAKE_UID:-0}"'
# dpkg-query: every package installed but those in MISSING_PACKAGES.
debian=$work/debian
stub "$debian" dpkg-query 'for p in $MISSING_PACKAGES; do [[ ${!#} == "$p" ]] && exit 1; done; printf "install ok installed"'
apt=$work/apt
stub "$apt" apt-get 'echo "$*" >>"$APT_CALLS"'
# Another distribution: the tools, and a compiler that knows every header
# but those in MISSING_HEADERS.
tools=$work/tools
for tool in cmake make xdotool xauth Xvfb twm xwd convert qconvex gnuplot python3 clang++ flock; do stub "$tools" "$tool" 'exit 0'; done
compiler=$work/compiler
stub "$compiler" c++ 'input=$(</dev/stdin); for h in $MISSING_HEADERS; do [[ $input == *"<$h>"* ]] && exit 1; done; exit 0'

# run PATH MODE [VAR=VALUE...]: status in $status, output in out.txt, err.txt
run() {
  local path=$1 mode=$2
  shift 2
  rm -f "$work/apt-calls"
  env -i PATH="$path" APT_CALLS="$work/apt-calls" "$@" "$BASH" "$script" "$mode" >"$work/out.txt" 2>"$work/err.txt"
  status=$?
}
err() { cat "$work/err.txt"; }

# Debian, everything installed, no apt-get: nothing to do.
run "$base:$debian" build DISPLAY=:0
[[ $status -eq 0 && ! -s $work/out.txt && ! -s $work/err.txt ]] || fail "debian complete: status $status, $(err)"

# Debian without apt-get: the missing packages and what they give, status 1.
run "$base:$debian" build DISPLAY=:0 MISSING_PACKAGES="cmake libgmp-dev"
[[ $status -eq 1 ]] || fail "no apt-get: status $status"
grep -q 'apt-get nije dostupan' "$work/err.txt" || fail "no apt-get: reason not given: $(err)"
grep -q '^  cmake .*CMake' "$work/err.txt" || fail "no apt-get: cmake not listed: $(err)"
grep -q '^  libgmp-dev .*GMP' "$work/err.txt" || fail "no apt-get: libgmp-dev not listed: $(err)"
grep -q 'apt-get install cmake libgmp-dev' "$work/err.txt" || fail "no apt-get: no way to get them: $(err)"
grep -q 'freeglut3-dev' "$work/err.txt" && fail "no apt-get: an installed package listed"
grep -q Instaliram "$work/out.txt" && fail "no apt-get: claims to install"

# Debian with apt-get, as root: each missing package installed once.
run "$base:$debian:$apt" test MISSING_PACKAGES="xvfb libgtest-dev"
[[ $status -eq 0 ]] || fail "apt-get: status $status, $(err)"
[[ $(cat "$work/out.txt") == "Instaliram pakete: libgtest-dev xvfb" ]] || fail "apt-get: said $(cat "$work/out.txt")"
grep -q '^install .* libgtest-dev xvfb$' "$work/apt-calls" 2>/dev/null || fail "apt-get: not asked to install them"

# Debian with apt-get, not root and no sudo: listed, nothing run.
run "$base:$debian:$apt" build DISPLAY=:0 FAKE_UID=1000 MISSING_PACKAGES=g++
[[ $status -eq 1 ]] || fail "no sudo: status $status"
grep -q '^  g++ .*C++ kompajler' "$work/err.txt" || fail "no sudo: g++ not listed: $(err)"
[[ ! -e $work/apt-calls ]] || fail "no sudo: apt-get was run"

# No dpkg-query, everything there: builds like Debian.
run "$base:$tools:$compiler" test
[[ $status -eq 0 && ! -s $work/err.txt ]] || fail "other system, complete: status $status, $(err)"

# No dpkg-query, no cmake, no GMP header, no Xvfb without a display.
rm "$tools/cmake" "$tools/Xvfb"
run "$base:$tools:$compiler" build MISSING_HEADERS=gmpxx.h
[[ $status -eq 1 ]] || fail "other system, missing: status $status"
grep -q 'nema dpkg-query' "$work/err.txt" || fail "other system: reason not given: $(err)"
for p in cmake libgmp-dev xvfb; do
  grep -q "^  $p " "$work/err.txt" || fail "other system: $p not listed: $(err)"
done
grep -qE '^  (make|freeglut3-dev|g\+\+) ' "$work/err.txt" && fail "other system: something present listed: $(err)"

# No dpkg-query and no compiler at all.
rm "$tools/clang++"
run "$base:$tools" build DISPLAY=:0
[[ $status -eq 1 ]] && grep -q '^  g++ ' "$work/err.txt" || fail "no compiler: status $status, $(err)"

run "$base:$debian" other
[[ $status -eq 2 ]] || fail "unknown mode: status $status"
env -i PATH="$base:$debian" "$BASH" "$script" build extra 2>/dev/null
[[ $? -eq 2 ]] || fail "an argument after the mode is not refused"

finish ensure-packages
