#!/usr/bin/env bash
# scripts/clean and ./run clean in a copy of the project's top: every build
# and output folder goes, everything else stays, a link is removed without
# what it points to, and a second run finds nothing.
#   clean_test.sh CLEAN RUN
clean=$1
run=$2
source "${BASH_SOURCE[0]%/*}/lib.sh"

project=$work/project
mkdir -p "$project/scripts" "$project/frame" "$project/rebuild" "$work/elsewhere"
cp "$clean" "${clean%/*}/processes.sh" "$project/scripts/"
cp "$run" "$project/run"
for folder in build build-run build-sanitize/tests build-fuzz/artifacts bench-out demo; do
  mkdir -p "$project/$folder"
  echo x >"$project/$folder/file"
done
echo kept >"$work/elsewhere/file"
ln -s "$work/elsewhere" "$project/build-link"
echo kept >"$project/frame/driver.cpp"
echo kept >"$project/build.txt"   # a file, not a build folder

cd "$work" || exit 1   # the script finds the project from its own path
out=$("$project/scripts/clean")
status=$?
[[ $status -eq 0 ]] || fail "status $status"
for folder in build build-run build-sanitize build-fuzz build-link bench-out demo; do
  [[ -e $project/$folder || -L $project/$folder ]] && fail "$folder is still there"
  [[ $out == *" $folder"* ]] || fail "$folder not named in: $out"
done
[[ -f $work/elsewhere/file ]] || fail "the folder behind build-link was emptied"
for kept in frame/driver.cpp build.txt rebuild scripts/clean run; do
  [[ -e $project/$kept ]] || fail "$kept was removed"
done

out=$("$project/scripts/clean")
[[ $? -eq 0 && $out == "Nema nista za brisanje." ]] || fail "second run said: $out"

mkdir -p "$project/build-run" "$project/demo"
out=$("$project/run" clean)
[[ $? -eq 0 && ! -e $project/build-run && ! -e $project/demo ]] || fail "./run clean: $out"
"$project/run" clean extra 2>/dev/null
[[ $? -eq 2 ]] || fail "./run clean with an extra argument is not refused"

finish clean
