#!/usr/bin/env bash
# cmake --install into a scratch prefix: the nine programs in bin/, the
# user scripts in share/convex_hull_workbench/scripts/, nothing else, and
# the installed programs work from any folder through PATH; the manifest
# of the install removes them all again.
#   install_test.sh CMAKE BUILD_DIR
cmake=$1
build=$2
source "${BASH_SOURCE[0]%/*}/lib.sh"

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.txt" 2>&1 || fail "install: $(cat "$work/install.txt")"

listing=$(cd "$prefix" 2>/dev/null && find . -type f | sort | xargs)
programs=(generator hull_brute hull_chain hull_chan hull_graham hull_jarvis hull_ks hull_quick point_sets)
scripts=(plot-log processes.sh snapshot)
expected="${programs[*]/#/./bin/} ${scripts[*]/#/./share/convex_hull_workbench/scripts/}"
[[ $listing == "$expected" ]] || fail "installed: $listing"
for file in "${programs[@]/#/bin/}" share/convex_hull_workbench/scripts/plot-log \
            share/convex_hull_workbench/scripts/snapshot; do
  [[ -x $prefix/$file ]] || fail "$file is not executable"
done
for script in plot-log snapshot; do
  "$prefix/share/convex_hull_workbench/scripts/$script" --help >/dev/null || fail "installed $script --help: status $?"
done

# The installed programs, by name, in a folder of their own.
mkdir "$work/run" && cd "$work/run" || exit 1
export PATH=$prefix/bin:$PATH
printf '3\n2\n' | generator >/dev/null || fail "installed generator failed"
[[ $(head -n 1 generator.test 2>/dev/null) == "3 2" && $(wc -l <generator.test) -eq 4 ]] ||
  fail "installed generator wrote: $(cat generator.test 2>/dev/null)"
point_sets circle 50 2 7 >/dev/null && [[ $(head -n 1 generator.test) == "50 2" && $(wc -l <generator.test) -eq 51 ]] ||
  fail "installed point_sets wrote: $(head -n 3 generator.test 2>/dev/null)"
printf '1 1\nx 0\n' >generator.test
message=$(hull_chain 2>&1 </dev/null)
[[ $? -eq 1 && $message == "Greska: generator.test: koordinata x tacke 1 od 1: 'x' nije broj." ]] ||
  fail "installed hull_chain said: $message"
# Without a display the hint names the installed script.
printf '3 1\n0 0\n10 0\n0 10\n' >generator.test
hint=$(env -u DISPLAY hull_chain 2>&1 </dev/null | tail -n 1)
[[ $hint == "Sliku prozora bez ekrana daje $prefix/share/convex_hull_workbench/scripts/snapshot PROGRAM SLIKA.png." ]] ||
  fail "installed hull_chain's hint: $hint"

# The uninstall line of docs/using.md removes every installed file.
xargs -d '\n' rm -f -- <"$build/install_manifest.txt" && [[ -z $(find "$prefix" -type f) ]] ||
  fail "uninstall left: $(find "$prefix" -type f)"

finish install
