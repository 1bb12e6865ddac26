#!/usr/bin/env bash
# docs/errors.md against the real programs: each bad input of its tables,
# run in an empty folder, gives exactly the message the document shows, in
# backticks, with exit status 1, nothing on standard output (hull programs)
# and no log left behind; all seven hull programs give the same messages.
#   errors_doc_test.sh ERRORS_MD GENERATOR POINT_SETS HULL_BRUTE HULL_PROGRAM...
doc=$1
generator=$2
point_sets=$3
hull_brute=$4
hull_programs=("${@:5}")
source "${BASH_SOURCE[0]%/*}/lib.sh"

documented() {  # documented MESSAGE: the message appears in backticks in the document
  grep -qF -- "\`$1\`" "$doc"
}

# hull PROGRAM SETUP: runs PROGRAM in a fresh folder after the shell SETUP
# and checks that its one line on standard error, left in $message, is documented.
hull() {
  local program=$1 setup=$2 folder
  folder=$(mktemp -d "$work/case.XXXXXX")
  (cd "$folder" && eval "$setup") || { fail "setup: $setup"; return; }
  (cd "$folder" && "$program" </dev/null >out.txt 2>err.txt)
  local status=$?
  message=$(cat "$folder/err.txt")
  [[ $status -eq 1 ]] || fail "${program##*/}, $setup: status $status"
  [[ ! -s $folder/out.txt ]] || fail "$setup: wrote on standard output"
  [[ $(wc -l <"$folder/err.txt") -eq 1 ]] || fail "$setup: not one line: $message"
  documented "$message" || fail "$setup: message not in $doc: $message"
  [[ ! -f $folder/statistika.out || -L $folder/statistika.out ]] || fail "$setup: left a log behind"
}

# every SETUP: hull_brute's message, and the same from the other six. Their
# reader and log are the frame's: one case of each part (the file, the
# header, a point, the log) runs on all seven, the rest on hull_brute.
every() {
  hull "$hull_brute" "$1"
  local program expected=$message
  for program in "${hull_programs[@]}"; do
    hull "$program" "$1"
    [[ $message == "$expected" ]] || fail "${program##*/}, $1: '$message', hull_brute: '$expected'"
  done
}

every ':'
hull "$hull_brute" 'ln -s nowhere generator.test'
hull "$hull_brute" 'mkdir generator.test'
every ': >generator.test'
hull "$hull_brute" 'echo "2.5 1" >generator.test'
hull "$hull_brute" 'echo "99999999999 1" >generator.test'
hull "$hull_brute" 'echo "-3 1" >generator.test'
hull "$hull_brute" 'echo "10001 1" >generator.test'
for program in "${hull_programs[@]}"; do hull "$program" 'echo "20002 1" >generator.test'; done
hull "$hull_brute" 'echo "1" >generator.test'
hull "$hull_brute" 'echo "1 x" >generator.test'
hull "$hull_brute" 'echo "1 0" >generator.test'
hull "$hull_brute" 'printf "3 1\n0 0\n1 1\n" >generator.test'
hull "$hull_brute" 'printf "1 1\n0\n" >generator.test'
hull "$hull_brute" 'printf "3\n0 0\n10 0\n0 10\n" >generator.test'
every 'printf "2 1\n0 0\nabc 1\n" >generator.test'
hull "$hull_brute" 'printf "1 1\n0x10 0\n" >generator.test'
hull "$hull_brute" 'printf "1 1\nnan 0\n" >generator.test'
hull "$hull_brute" 'printf "1 1\n0 inf\n" >generator.test'
hull "$hull_brute" 'printf "1 1\n1e39 0\n" >generator.test'
hull "$hull_brute" 'printf "1 1\n%s 0\n" "$(printf "9%.0s" {1..60})" >generator.test'
hull "$hull_brute" 'printf "1 1\n\0001 0\n" >generator.test'
hull "$hull_brute" 'printf "1 1\n\033[31m 0\n" >generator.test'
every 'printf "1 1\n0 0\n" >generator.test && mkdir statistika.out'
hull "$hull_brute" 'printf "1 1\n0 0\n" >generator.test && ln -s /dev/full statistika.out'
hull "$hull_brute" 'mkfifo generator.test'
hull "$hull_brute" 'ln -s /dev/zero generator.test'
hull "$hull_brute" 'printf "\357\273\2773 1\n" >generator.test'
hull "$hull_brute" 'printf "1 1\n%s 0\n" "$(printf "1%.0s" {1..5000})" >generator.test'

# generator ANSWERS: the last line of the dialogue, with status 1 and no point file.
generator_ends() {
  local answers=$1 setup=$2 folder
  folder=$(mktemp -d "$work/case.XXXXXX")
  (cd "$folder" && eval "$setup")
  local out
  out=$(cd "$folder" && printf "$answers" | "$generator")
  local status=$?
  [[ $status -eq 1 ]] || fail "generator '$answers': status $status"
  # The message follows the last prompt on its line.
  local message
  message=$(tail -n 1 <<<"$out" | sed 's/^Unesi n: //; s/^Unesite koliko puta zelite da vam se izvrsi algoritam: //')
  documented "$message" || fail "generator '$answers': not in $doc: $message"
  [[ ! -f $folder/generator.test ]] || fail "generator '$answers': left a point file"
}
generator_ends '' ':'
generator_ends '5\n' ':'
generator_ends '5\n2\n' 'mkdir generator.test'

# Wrong answers are documented and asked again.
out=$(cd "$work" && printf 'abc\n5\nx\n2\n' | "$generator")
for message in "Neispravan unos: ocekuje se ceo broj od 0 do 20001." "Neispravan unos: ocekuje se ceo broj veci od 0."; do
  [[ $out == *"$message"* ]] || fail "generator: no '$message' in: $out"
  documented "$message" || fail "generator: '$message' not in $doc"
done

# point_sets STATUS SETUP ARGUMENT...: one documented line on standard error,
# nothing else written, an earlier point file (or what SETUP made) kept.
point_sets_refuses() {
  local status=$1 setup=$2 folder
  shift 2
  folder=$(mktemp -d "$work/case.XXXXXX")
  (cd "$folder" && echo earlier >generator.test && eval "$setup" && ulimit -f 1 && exec "$point_sets" "$@") \
    >"$work/out.txt" 2>"$work/err.txt"
  local got=$? message
  message=$(cat "$work/err.txt")
  [[ $got -eq $status && ! -s $work/out.txt && $(wc -l <"$work/err.txt") -eq 1 ]] || fail "point_sets $*: $got, $message"
  documented "$message" || fail "point_sets $*: not in $doc: $message"
  [[ $(ls -A "$folder") == generator.test && ( -d $folder/generator.test || $(cat "$folder/generator.test") == earlier ) ]] ||
    fail "point_sets $*: left $(ls -A "$folder")"
}
# status arguments (the last one outgrows ulimit -f)
for row in 2 '2 circle 5 1 7 8' '2 triangle 5 1' '2 circle 20002 1' '2 circle 5 0' '2 circle 5 1 -1' '1 circle 20001 1'; do
  point_sets_refuses "${row%% *}" ':' ${row#?}
done
point_sets_refuses 1 'rm generator.test && mkdir generator.test' circle 5 1

finish errors.md
