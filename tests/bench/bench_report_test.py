#!/usr/bin/env python3
"""scripts/bench-report on hull_bench's own JSON (its smallest sizes, made at
test time) and on small hand-written results that hold what a short run
does not: left-out sizes, repetitions and their median, other time units,
targets met and missed (over seeds: by the worst one), the peers, qconvex,
and broken files.

  bench_report_test.py PATH/TO/hull_bench PATH/TO/bench-report
"""

import csv
import json
import os
import shutil
import subprocess
import sys
import tempfile

hull_bench, report = sys.argv[1], sys.argv[2]
failures = []
has_gnuplot = shutil.which("gnuplot") is not None


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run_report(*arguments):
    return subprocess.run([sys.executable, report, *arguments], capture_output=True, text=True)


def read(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


def rows(path):
    with open(path, newline="", encoding="utf-8") as file:
        return list(csv.reader(file))


def entry(name, cpu, unit="us", **fields):
    record = {"name": name, "run_name": name, "run_type": "iteration", "repetitions": 1, "iterations": 10,
              "real_time": cpu, "cpu_time": cpu, "time_unit": unit, "calls_per_iteration": 1.0}
    record.update(fields)
    return record


def results(scope, benchmarks):
    return {"context": {"date": "2026-01-02T03:04:05+00:00", "num_cpus": 2, "nproc": "2",
                        "procesor": "Test CPU", "library_build_type": "debug", "opseg": scope,
                        "brute_force": "velicine ciji je procenjeni poziv duzi od 2.0 s se izostavljaju"},
            "benchmarks": benchmarks}


def write_json(path, data):
    with open(path, "w", encoding="utf-8") as file:
        json.dump(data, file)


with tempfile.TemporaryDirectory(prefix="bench-report-test-") as scratch:
    # --- hull_bench's JSON on its two smallest sizes and the R = 1 chain drivers.
    measured = os.path.join(scratch, "measured.json")
    out = os.path.join(scratch, "out")
    os.mkdir(out)
    bench = subprocess.run([hull_bench, "--benchmark_filter=^[a-z_]+/[a-z_]+/(10|20)/|driver/chain_.*/R=1/",
                            f"--benchmark_out={measured}", "--benchmark_out_format=json"],
                           capture_output=True, text=True)
    if not check(bench.returncode == 0, f"hull_bench: status {bench.returncode}: {bench.stderr}"):
        sys.exit("\n".join(failures))
    names = [b["run_name"] for b in json.loads(read(measured))["benchmarks"] if b["run_type"] == "iteration"]
    plot = [] if has_gnuplot else ["--no-plot"]
    done = run_report(*plot, measured, out)
    check(done.returncode == 0, f"izvestaj: status {done.returncode}: {done.stderr}")

    scaling = rows(os.path.join(out, "scaling.csv"))
    check(scaling[0] == ["algorithm", "family", "n", "seconds_per_call"], f"scaling.csv zaglavlje: {scaling[0]}")
    expected = [n.split("/")[:3] for n in names if not n.startswith("driver/")]
    check([row[:3] for row in scaling[1:]] == expected, f"scaling.csv redovi {scaling[1:]} umesto {expected}")
    for row in scaling[1:]:
        check(len(row) == 4 and row[2] in ("10", "20") and float(row[3]) > 0, f"scaling.csv red: {row}")

    drivers = rows(os.path.join(out, "drivers.csv"))
    check(drivers[0] == ["driver", "R", "n", "seconds_per_run"], f"drivers.csv zaglavlje: {drivers[0]}")
    check([row[:3] for row in drivers[1:]] == [["chain_workbench", "1", "20001"],
                                               ["chain_straightforward", "1", "20001"]], f"drivers.csv: {drivers}")
    check(read(os.path.join(out, "skipped.txt")) == "", "skipped.txt nije prazan")

    # One curve per hull variant and family, each over both sizes, with
    # Google Benchmark's fit of its growth.
    hull_keys = sorted({f"{a}-{f}" for a, f, _, _ in scaling[1:] if a not in ("parse", "add_point", "sort")})
    slopes = [line.split() for line in read(os.path.join(out, "series", "slopes.txt")).splitlines()]
    check(sorted(fields[0] for fields in slopes) == hull_keys, f"slopes.txt: {slopes}")
    check(all(len(fields) == 5 and fields[1].startswith(("N", "(1)", "lgN")) and fields[4] == "2" for fields in slopes),
          f"slopes.txt: {slopes}")
    for key in hull_keys:
        data = read(os.path.join(out, "series", key + ".dat")).split()
        check(data[0::2] == ["10", "20"], f"series/{key}.dat: {data}")

    summary = read(os.path.join(out, "summary.txt"))
    check(summary.startswith("Rast vremena sa n po Google Benchmark-u"), f"summary.txt: {summary[:80]}")
    targets = read(os.path.join(out, "targets.txt")).splitlines()
    chain_row = [line for line in targets if "n=20001, R=1 " in line]
    check(len(chain_row) == 1 and " ms " in chain_row[0] and "nije mereno" not in chain_row[0],
          f"targets.txt bez izmerenog R=1: {targets}")
    check(targets[-1] == "(sve figure meri scripts/bench --targets)", f"targets.txt kraj: {targets[-1]}")
    markdown = read(os.path.join(out, "benchmarks.md"))
    check("`nproc`" in markdown and "| `monotone_chain`, disc |" in markdown, "benchmarks.md bez masine ili tabele")
    if has_gnuplot:
        with open(os.path.join(out, "scaling.png"), "rb") as picture:
            check(picture.read(8) == b"\x89PNG\r\n\x1a\n", "scaling.png nije PNG")

    # --- Left-out sizes, units, repetitions: a hand-made run.
    made = os.path.join(scratch, "made.json")
    write_json(made, results("quick", [
        entry("brute_force/random/10/min_time:0.050/real_time", 500, "ns", hull_vertices=7.0),
        entry("brute_force/random/1000/min_time:0.050/real_time", 20, "ms", hull_vertices=9.0),
        entry("brute_force/random/5000/min_time:0.050/real_time", 0, error_occurred=True,
              error_message="izostavljeno: procena 3.1 s po pozivu je iznad granice od 2.0 s"),
        entry("sort/random/10/real_time", 64, "us", calls_per_iteration=8.0),
        # Two repetitions and their aggregates: the median counts, not the mean.
        entry("driver/chain_workbench/R=1/20001/iterations:9/real_time", 1, "ms"),
        entry("driver/chain_workbench/R=1/20001/iterations:9/real_time", 5, "ms"),
        entry("driver/chain_workbench/R=1/20001/iterations:9/real_time_mean", 9, "ms", run_type="aggregate",
              aggregate_name="mean", run_name="driver/chain_workbench/R=1/20001/iterations:9/real_time"),
        entry("driver/chain_workbench/R=1/20001/iterations:9/real_time_median", 2, "ms", run_type="aggregate",
              aggregate_name="median", run_name="driver/chain_workbench/R=1/20001/iterations:9/real_time"),
        entry("driver/chain_straightforward/R=1/20001/iterations:9/real_time", 3, "ms"),
        entry("driver/chain_straightforward/R=1/20001/iterations:9/real_time", 5, "ms"),
        entry("driver/chain_straightforward/R=1/20001/iterations:9/real_time", 4, "ms"),
        # Two seeds of one target: the worse one misses the bound of 2/5.
        entry("seeds/chain_step/random/R=500/seed=1/20001/iterations:1/manual_time", 20, "ms", ratio=0.25,
              workbench_seconds=0.02, straightforward_seconds=0.08),
        entry("seeds/chain_step/random/R=500/seed=2/20001/iterations:1/manual_time", 40, "ms", ratio=0.5,
              workbench_seconds=0.04, straightforward_seconds=0.08),
        entry("peers/disc/seed=1/1000/iterations:1/manual_time", 1, "ms", chain_step_seconds=2e-6,
              cgal_andrew_scan_seconds=4e-6, chain_qsort_seconds=3e-5, chain_std_sort_seconds=1e-5, qhull_seconds=2e-5),
        entry("qconvex/random/4/iterations:20/manual_time", 1.5, "ms", wall_seconds=0.002),
    ]))
    out = os.path.join(scratch, "made")
    os.mkdir(out)
    done = run_report("--no-plot", made, out)
    check(done.returncode == 0, f"rucno merenje: status {done.returncode}: {done.stderr}")
    check(rows(os.path.join(out, "scaling.csv"))[1:] == [["brute_force", "random", "10", "5e-07"],
                                                         ["brute_force", "random", "1000", "0.02"],
                                                         ["sort", "random", "10", "8e-06"]],
          f"scaling.csv: {read(os.path.join(out, 'scaling.csv'))}")
    check(read(os.path.join(out, "skipped.txt")) ==
          "brute_force random n=5000: izostavljeno: procena 3.1 s po pozivu je iznad granice od 2.0 s\n",
          f"skipped.txt: {read(os.path.join(out, 'skipped.txt'))}")
    summary = read(os.path.join(out, "summary.txt"))
    check("Izostavljene velicine:\n  brute_force random n=5000: izostavljeno" in summary, f"summary.txt: {summary}")
    check(rows(os.path.join(out, "drivers.csv"))[1:] == [["chain_workbench", "1", "20001", "0.002"],
                                                         ["chain_straightforward", "1", "20001", "0.004"]],
          f"drivers.csv: {read(os.path.join(out, 'drivers.csv'))}")
    # 2 ms against 4 ms: 0.5 meets a bound of 1/2.
    chain_row = [line for line in read(os.path.join(out, "targets.txt")).splitlines() if "n=20001, R=1 " in line]
    check(chain_row and chain_row[0].split()[-4:] == ["0.500", "<=", "1/2", "ispunjen"], f"targets.txt: {chain_row}")
    markdown = read(os.path.join(out, "benchmarks.md"))
    check("| `brute_force`, random | 0.000500 | 20.0 | — |" in markdown, "benchmarks.md: izostavljena velicina nije oznacena")
    targets = read(os.path.join(out, "targets.txt")).splitlines()
    seeded = [line.split() for line in targets if "20001 generatorskih" in line]
    check(seeded and seeded[0][-8:] == ["0.250", "0.375", "0.500", "2", "<=", "2/5", "NIJE", "ispunjen"],
          f"targets.txt: cilj po semenima sudi najgore seme: {seeded}")
    step = [line.split() for line in targets if "Andrew scan, disc" in line]
    check(step and step[0][-8:] == ["0.500", "1", "<=", "1", "ispunjen", "(najgore", "pri", "n=1000)"],
          f"targets.txt: {step}")
    check(rows(os.path.join(out, "peers.csv"))[1:3] == [["disc", "1000", "1", "chain_step", "2e-06"],
                                                        ["disc", "1000", "1", "cgal_andrew_scan", "4e-06"]],
          f"peers.csv: {read(os.path.join(out, 'peers.csv'))}")
    check("| `chain_qsort` / `qhull` | disc | 1.50 (1.50–1.50) |" in markdown, "benchmarks.md: tabela drugih biblioteka")
    check(rows(os.path.join(out, "qconvex.csv"))[1:] == [["random", "4", "0.0015", "0.002"]],
          f"qconvex.csv: {read(os.path.join(out, 'qconvex.csv'))}")

    # A --targets run: only targets.txt; a target missed.
    only = os.path.join(scratch, "targets.json")
    write_json(only, results("targets", [
        entry("brute_force/random/5000/iterations:1/repeats:5/real_time", 2, "s"),
        entry("brute_force_straightforward/random/5000/iterations:1/repeats:5/real_time", 4, "s"),
    ]))
    out = os.path.join(scratch, "targets")
    os.mkdir(out)
    done = run_report(only, out)
    check(done.returncode == 0 and os.listdir(out) == ["targets.txt"], f"--targets: {done.stderr} {os.listdir(out)}")
    lines = read(os.path.join(out, "targets.txt")).splitlines()
    check(lines[2].split()[-7:] == ["4", "s", "0.500", "<=", "1/3", "NIJE", "ispunjen"], f"targets.txt: {lines}")
    check(len(lines) == 10, f"targets.txt: redovi bez cilja se ne prikazuju kad nisu mereni: {lines}")

    # --- Bad input: named, status 1, nothing written.
    broken = os.path.join(scratch, "broken.json")
    with open(broken, "w", encoding="utf-8") as file:
        file.write('{"context": {}, "benchmarks": [')
    foreign = os.path.join(scratch, "foreign.json")
    write_json(foreign, {"benchmarks": 3})
    unnamed = os.path.join(scratch, "unnamed.json")
    write_json(unnamed, results("quick", [entry("brute_force/10", 1.0, hull_vertices=3.0)]))
    # A name is never program text: one that would close the plot's quotes is refused.
    quoted = os.path.join(scratch, "quoted.json")
    write_json(quoted, results("quick", [entry("monotone_chain/x'\nsystem 'touch owned/10", 1.0, hull_vertices=3.0)]))
    for bad in (broken, foreign, unnamed, quoted, os.path.join(scratch, "missing.json")):
        out = os.path.join(scratch, "bad")
        os.makedirs(out, exist_ok=True)
        done = run_report("--no-plot", bad, out)
        check(done.returncode == 1, f"{bad}: status {done.returncode}, ocekivan 1")
        check(done.stderr.startswith("Greska: ") and bad in done.stderr, f"{bad}: poruka {done.stderr!r}")
        check(os.listdir(out) == [], f"{bad}: napisano {os.listdir(out)}")
    done = run_report(made, os.path.join(scratch, "no-such-dir"))
    check(done.returncode == 1 and "no-such-dir" in done.stderr, f"nepostojeci direktorijum: {done.stderr}")
    done = run_report("--help")
    check(done.returncode == 0 and done.stdout.startswith("Upotreba: scripts/bench-report"), f"--help: {done.stdout}")

for failure in failures:
    print("NEUSPEH:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
