#!/usr/bin/env bash
# scripts/plot-log on small logs in the programs' own format.
#   plot_log_test.sh PATH/TO/plot-log
shopt -s nullglob
plot_log=$1
source "${BASH_SOURCE[0]%/*}/../scripts/lib.sh"

# Labels in mixed order, one padded to 8 columns (ks(n=50) :), repeated n,
# a foreign line, a damaged line, a blank line and a label that is code in
# gnuplot; the format is the one the programs append ("%-8s: %3ld ...").
mkdir "$work/logs"
cat > "$work/logs/statistika.out" <<'LOG'
n*logn(n=1000):   0 sekundi     3 milisekundi
n^3(n=1000):   2 sekundi   345 milisekundi
ovo nije merenje

n^3(n=500):   0 sekundi   301 milisekundi
n^3(n=1000):   2 sekundi   120 milisekundi
n*logn(n=20001):   0 sekundi    61 milisekundi
n^3(n=2000): 18 sekundi
n^3(n=10):   0 sekundi     0 milisekundi
ks(n=50) :   0 sekundi     0 milisekundi
n^3(n=50):   0 sekundi     7 milisekundi
ks(n=1000):   0 sekundi     1 milisekundi
n*logn(n=10):   0 sekundi     0 milisekundi
system("touch X")(n=5):   0 sekundi     1 milisekundi
LOG
(cd "$work/logs" && "$plot_log") > "$work/out" 2> "$work/err"
status=$?
[[ $status -eq 0 ]] || fail "izlazni status $status, ocekivan 0"
for line in 3 8 14; do
  grep -q "statistika.out, red $line:" "$work/err" || fail "nema upozorenja za red $line: $(cat "$work/err")"
done
[[ $(grep -c 'Upozorenje' "$work/err") -eq 3 && ! -e $work/logs/X ]] || fail "ocekivana tacno tri upozorenja: $(cat "$work/err")"
grep -qx 'n^3: 5 merenja, n od 10 do 1000' "$work/out" || fail "pogresno procitan n^3: $(cat "$work/out")"
grep -qx 'n\*logn: 3 merenja, n od 10 do 20001' "$work/out" || fail "pogresno procitan n*logn: $(cat "$work/out")"
grep -qx 'ks: 2 merenja, n od 50 do 1000' "$work/out" || fail "pogresno procitan ks: $(cat "$work/out")"
# The table: a column per label in the order of the log, the median of
# repeated lines marked, and against the fastest: > where it is 0 ms, ?
# where several are.
expected_table='      n    n*logn       n^3        ks
     10         0         0         -
     50         -         7         0
    500         -       301         -
   1000         3   2232,5*         1
  20001        61         -         -
      n    n*logn       n^3        ks
     10         ?         ?         -
     50         -        >7       1,0
    500         -       1,0         -
   1000       3,0    2232,5       1,0
  20001       1,0         -         -'
[[ $(grep -E '^ +[n0-9]' "$work/out") == "$expected_table" ]] || fail "tabela: $(cat "$work/out")"
grep -q '^Log ne zna R (broj ponavljanja), h (broj temena omotaca) ni vreme jednog$' "$work/out" ||
  fail "ne kaze sta log ne zna: $(cat "$work/out")"
[[ $(tail -n 1 "$work/out") == statistika.png ]] || fail "poslednja linija nije putanja slike: $(cat "$work/out")"
picture=$work/logs/statistika.png
[[ -s $picture ]] || fail "slika $picture nije napravljena ili je prazna"
[[ $(head -c 8 "$picture" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "$picture nije PNG"

# A named log elsewhere: the picture goes beside it; one program alone is enough.
printf 'n*logn(n=50):   0 sekundi     1 milisekundi\r\n' > "$work/run.log"
"$plot_log" "$work/run.log" > "$work/out" 2> "$work/err" || fail "jedan program: status $?"
[[ -s $work/run.png && ! -s $work/err ]] || fail "jedan program: nema $work/run.png ili ima upozorenja: $(cat "$work/err")"

# Names that are code in gnuplot, awk or the shell are only drawn, each beside
# its log, and nothing else appears (no X, no stray file).
mkdir "$work/names"
names=("a'; system \"touch X\"; print '.out" "it's.out" -dash.out $'new\nline.out' 'b\\s%s.out' '@ARG1 $(touch X).out' 'čž.out')
for name in "${names[@]}"; do
  cp "$work/run.log" "$work/names/$name"
  out=$(cd "$work/names" && "$plot_log" -- "$name" 2>&1) && [[ $out == *$'\n'"${name%.out}.png" && -s $work/names/${name%.out}.png ]] ||
    fail "ime $name: $out"
done
files=("$work"/names/* "$work"/names/.[!.]*) && (( ${#files[@]} == 2 * ${#names[@]} )) || fail "strane datoteke: ${files[*]}"

# A folder it cannot write (as another user, when run as root), an unusable
# TMPDIR: status 1, the folder named, nothing on standard output.
mkdir "$work/locked" && cp "$work/run.log" "$work/locked/statistika.out" && cp "$plot_log" "$work/plot-log" && cp "${plot_log%/*}/processes.sh" "$work/" &&
  chmod 755 "$work" && chmod 555 "$work/locked"
as_user=() && (( EUID == 0 )) && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
(cd "$work/locked" && "${as_user[@]}" "$work/plot-log") > "$work/out" 2> "$work/err"
[[ $? -eq 1 && ! -s $work/out ]] && grep -qF "$work/locked" "$work/err" || fail "folder bez upisa: $(cat "$work/err")"
TMPDIR=$work/nema "$plot_log" "$work/run.log" > "$work/out" 2> "$work/err"
[[ $? -eq 1 && ! -s $work/out ]] && grep -qF "$work/nema" "$work/err" || fail "TMPDIR: $(cat "$work/err")"
chmod 755 "$work/locked"

# Nothing to plot: a missing file, a log without one timing line.
"$plot_log" "$work/nema.out" > /dev/null 2> "$work/err" && fail "nepostojeca datoteka prihvacena"
grep -q 'nema.out' "$work/err" || fail "greska ne imenuje datoteku: $(cat "$work/err")"
printf 'prazno\n' > "$work/strano.out"
"$plot_log" "$work/strano.out" > /dev/null 2> "$work/err" && fail "log bez merenja prihvacen"
grep -q 'strano.out' "$work/err" || fail "greska ne imenuje datoteku: $(cat "$work/err")"
[[ ! -e $work/strano.png ]] || fail "slika napravljena za log bez merenja"
# A log whose name ends in .png would be its own picture: refused, left as it was.
cp "$work/run.log" "$work/log.png"
"$plot_log" "$work/log.png" > /dev/null 2> "$work/err" && fail "log.png prihvacen"
grep -qF "Greska: slika $work/log.png bi zamenila sam log" "$work/err" || fail "log.png: $(cat "$work/err")"
cmp -s "$work/run.log" "$work/log.png" || fail "log.png je izmenjen"

# Only zeros and n = 0 (no log axis for n then) still give a picture.
printf 'n^3(n=0):   0 sekundi     0 milisekundi\nn^3(n=0):   0 sekundi     0 milisekundi\n' > "$work/nula.out"
"$plot_log" "$work/nula.out" > "$work/out" 2> "$work/err" || fail "n = 0 i 0 ms: status $?: $(cat "$work/err")"
[[ -s $work/nula.png ]] || fail "n = 0 i 0 ms: nema slike $work/nula.png"
grep -qx 'n^3: 2 merenja, n od 0 do 0' "$work/out" || fail "n = 0: pogresno procitano: $(cat "$work/out")"
grep -qx '      0        0\*' "$work/out" || fail "n = 0: tabela: $(cat "$work/out")"

# --help is the usage, read from no file; an unknown option is refused.
(cd "$work" && "$plot_log" --help) > "$work/out" 2> "$work/err"
status=$?
[[ $status -eq 0 ]] || fail "--help: status $status, ocekivan 0"
grep -q '^Upotreba: scripts/plot-log' "$work/out" || fail "--help ne ispisuje upotrebu: $(cat "$work/out")"
[[ ! -s $work/err ]] || fail "--help pise gresku: $(cat "$work/err")"
"$plot_log" --nepostojeca > /dev/null 2> "$work/err"
status=$?
[[ $status -eq 2 ]] || fail "nepoznata opcija: status $status, ocekivan 2"
grep -q 'nepostojeca' "$work/err" || fail "greska ne imenuje opciju: $(cat "$work/err")"

finish plot-log
