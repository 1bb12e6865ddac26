#!/usr/bin/env python3
"""scripts/bench-report and scripts/bench-docs on hull_bench's own JSON (its
smallest sizes, made at test time), on small hand-written results that hold
what a short run does not (repetitions and their least, targets met and
missed over seeds, the peers, qconvex), on hostile values, and bench-docs on
bad arguments.

  bench_report_test.py PATH/TO/hull_bench PATH/TO/scripts
"""

import csv
import json
import os
import shutil
import subprocess
import sys
import tempfile

hull_bench, scripts = sys.argv[1], sys.argv[2]
failures = []
plot = [] if shutil.which("gnuplot") else ["--no-plot"]


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(script, *arguments, cwd=None):
    return subprocess.run([sys.executable, os.path.join(scripts, script), *arguments], capture_output=True,
                          text=True, cwd=cwd)


def read(path):
    with open(path, encoding="utf-8") as file:
        return file.read()


def rows(path):
    with open(path, newline="", encoding="utf-8") as file:
        return list(csv.reader(file))


def entry(name, cpu, unit="us", **fields):
    record = {"name": name, "run_name": name, "run_type": "iteration", "iterations": 10,
              "real_time": cpu, "cpu_time": cpu, "time_unit": unit}
    record.update(fields)
    return record


def write_json(path, benchmarks, **context):
    with open(path, "w", encoding="utf-8") as file:
        json.dump({"context": {"date": "2026-01-02T03:04:05+00:00", "nproc": "2", "procesor": "Test CPU",
                               "library_build_type": "debug", "opseg": "docs", **context},
                   "benchmarks": benchmarks}, file)


with tempfile.TemporaryDirectory(prefix="bench-report-test-") as scratch:
    # --- hull_bench's JSON on its two smallest sizes and the chain's R = 1 step.
    measured, out = os.path.join(scratch, "measured.json"), os.path.join(scratch, "out")
    os.mkdir(out)
    bench = subprocess.run([hull_bench, "--benchmark_filter=^hull/[a-z_]+/[a-z_]+/(10|20)/|^step/hull_chain.*/R=1/",
                            f"--benchmark_out={measured}", "--benchmark_out_format=json"], capture_output=True, text=True)
    if not check(bench.returncode == 0, f"hull_bench: status {bench.returncode}: {bench.stderr}"):
        sys.exit("\n".join(failures))
    names = [b["run_name"].split("/")[:4] for b in json.loads(read(measured))["benchmarks"]
             if b["run_name"].startswith("hull/") and b.get("aggregate_name") not in ("BigO", "RMS")]
    done = run("bench-report", *plot, measured, out)
    check(done.returncode == 0, f"izvestaj: status {done.returncode}: {done.stderr}")
    table = rows(os.path.join(out, "measurements.csv"))
    check(table[0][:3] == ["group", "contender", "family"], f"measurements.csv: {table[0]}")
    check(sorted([row[0], row[1], row[2], row[5]] for row in table[1:] if row[0] == "hull") == sorted(names),
          f"measurements.csv: {table}")
    check(["step", "hull_chain", "random", "1", "20240611", "20001"] in [row[:6] for row in table], "step")
    summary = read(os.path.join(out, "summary.txt"))
    check(done.stdout == summary and "brute_force" in summary and "random/R=1/*/20001" in summary,
          f"summary.txt: {summary}")
    tables = read(os.path.join(out, "tables.md"))
    check("| `monotone_chain` | disc |" in tables and "N^" in tables, "tables.md: jedan poziv")
    if plot == []:
        with open(os.path.join(out, "scaling.png"), "rb") as picture:
            check(picture.read(8) == b"\x89PNG\r\n\x1a\n", "scaling.png nije PNG")
    check(not [f for f in os.listdir(out) if f.endswith(".tmp")], f"privremene datoteke: {os.listdir(out)}")

    # --- Repetitions, seeds, peers, qconvex: a hand-made run.
    made, out = os.path.join(scratch, "made.json"), os.path.join(scratch, "made")
    os.mkdir(out)
    step = "step/hull_chain{}/random/R=500/seed={}/20001/iterations:1/repeats:5"
    write_json(made, [
        entry("hull/brute_force/random/10/min_time:0.050", 500, "ns", hull_vertices=7.0),
        entry("hull/monotone_chain/random/10/min_time:0.050", 2, "us", hull_vertices=7.0),
        entry("hull/brute_force/random/1000/min_time:0.050", 20, "ms", hull_vertices=9.0),
        entry("hull/monotone_chain/random/1000/min_time:0.050", 6, "us", hull_vertices=9.0),
        # The least of the repetitions counts, not their mean or median.
        entry(step.format("", 1) + "_mean", 9, "ms", run_type="aggregate", aggregate_name="mean"),
        entry(step.format("", 1) + "_min", 2, "ms", run_type="aggregate", aggregate_name="min"),
        entry(step.format("_straightforward", 1) + "_min", 8, "ms", run_type="aggregate", aggregate_name="min"),
        # The second seed misses the bound of 2/5, and decides.
        entry(step.format("", 2), 4, "ms"), entry(step.format("", 2), 5, "ms"),
        entry(step.format("_straightforward", 2), 8, "ms"),
        entry("peers/monotone_chain/disc/seed=1/5000", 2, hull_vertices=40.0),
        entry("peers/cgal_andrew_scan/disc/seed=1/5000", 4, hull_vertices=40.0),
        entry("peers/chain_qsort/disc/seed=1/5000", 30, hull_vertices=40.0),
        entry("peers/qhull/disc/seed=1/5000", 20, hull_vertices=40.0),
        # A library's hull unlike the project's is listed, not timed.
        entry("peers/cgal_eddy/random/seed=3/5000/repeats:5", 0, error_occurred=True, error_message="drugaciji"),
        entry("qconvex/random/4/iterations:20/manual_time", 1.5, "ms", cpu_time=0.01, wall_seconds=0.002),
    ], familije="random disc")
    done = run("bench-report", "--no-plot", "--source=abc123-dirty", made, out)
    check(done.returncode == 0, f"rucno merenje: status {done.returncode}: {done.stderr}")
    steps = [row[1:7] for row in rows(os.path.join(out, "measurements.csv")) if row[0] == "step"]
    check(steps == [["hull_chain", "random", "500", "1", "20001", "0.002"],
                    ["hull_chain", "random", "500", "2", "20001", "0.004"],
                    ["hull_chain_straightforward", "random", "500", "1", "20001", "0.008"],
                    ["hull_chain_straightforward", "random", "500", "2", "20001", "0.008"]], f"koraci: {steps}")
    tables = read(os.path.join(out, "tables.md"))
    for expected in ["| `hull_chain` | random | 500 | 20001 | 2 | 3.00 | 8.00 | 0.250 | 0.375 | 0.500 |",
                     "| step hull_chain / hull_chain_straightforward, random/R=500/*/20001 | ≤ 2/5 | 0.500 | **not met** "
                     "| random/R=500/seed=2/20001 |",
                     "| peers monotone_chain / cgal_andrew_scan, */5000 | ≤ 1 | 0.500 | met |  |",
                     "| `chain_qsort` / `qhull` | disc | 1.5 (1.5–1.5) |", "| disc | 5000 | 1 | 40–40 |",
                     "| `abc123-dirty` |", "| 2026-01-02 03:04 UTC |",
                     "| `qconvex Fx`, whole process | random | 1.50 |", "| `cgal_eddy` | random | 5000 | 3 |"]:
        check(expected in tables, f"tables.md bez {expected!r}:\n{tables}")
    summary = read(os.path.join(out, "summary.txt")).splitlines()
    check("monotone_chain je brzi od brute_force od n = (po familiji): random 1000" in summary, f"prelaz: {summary}")
    check(any(line.split()[:4] == ["NIJE", "ispunjen", "0.500", ">"] and "seed=2" in line for line in summary),
          f"summary.txt: cilj po semenima sudi najgore seme: {summary}")

    # --- Bad and hostile input: refused with the file named, status 1, nothing
    # written; no value from the file becomes code in gnuplot's script.
    broken = os.path.join(scratch, "broken.json")
    with open(broken, "w", encoding="utf-8") as file:
        file.write('{"context": {}, "benchmarks": [')
    hull = "hull/monotone_chain/random"
    hostile = {
        "unnamed": [entry("brute_force/10", 1.0)],
        "quoted_name": [entry("hull/monotone_chain/x'\nsystem 'touch PWNED/10", 1.0)],
        "dotted_name": [entry("hull/../random/10", 1.0)],
        "big_o": [entry(f"{hull}/10", 1.0), entry(f"{hull}/20", 2.0),
                  entry(hull, 1.0, run_type="aggregate", aggregate_name="BigO",
                        big_o="N'.system('touch${IFS}PWNED').'", cpu_coefficient=1.0)],
        "coefficient": [entry(f"{hull}/10", 1.0), entry(f"{hull}/20", 2.0),
                        entry(hull, 1.0, run_type="aggregate", aggregate_name="BigO", big_o="N",
                              cpu_coefficient="1'\nsystem 'touch PWNED")],
        "time": [entry(f"{hull}/10", "nan"), entry(f"{hull}/20", 2.0)],
        "unit": [entry(f"{hull}/10", 1.0, unit="min")],
    }
    foreign = os.path.join(scratch, "foreign.json")
    with open(foreign, "w", encoding="utf-8") as file:
        json.dump({"benchmarks": 3}, file)
    cases = [broken, foreign, os.path.join(scratch, "missing.json")]
    for label, benchmarks in hostile.items():
        cases.append(os.path.join(scratch, label + ".json"))
        write_json(cases[-1], benchmarks)
    write_json(os.path.join(scratch, "scope.json"), [entry(f"{hull}/10", 1.0), entry(f"{hull}/20", 2.0)],
               opseg="quick', 1); system('touch PWNED")
    cases.append(os.path.join(scratch, "scope.json"))
    for bad in cases:
        out = tempfile.mkdtemp(dir=scratch)
        done = run("bench-report", *plot, bad, out, cwd=out)
        check(done.returncode == 1, f"{bad}: status {done.returncode}, ocekivan 1 ({done.stderr})")
        check(done.stderr.startswith("Greska: ") and bad in done.stderr, f"{bad}: poruka {done.stderr!r}")
        check(os.listdir(out) == [], f"{bad}: napisano {os.listdir(out)}")
    done = run("bench-report", "--source=$(touch PWNED)", made, out)
    check(done.returncode == 1 and "--source" in done.stderr, f"--source: {done.stderr}")
    done = run("bench-report", made, os.path.join(scratch, "no-such-dir"))
    check(done.returncode == 1 and "no-such-dir" in done.stderr, f"nepostojeci direktorijum: {done.stderr}")

    # --- bench-docs: the tables between the marks; bad arguments named,
    # nothing left behind, no link at the output's name followed.
    docs = os.path.join(scratch, "docs")
    os.mkdir(docs)
    doc = os.path.join(docs, "doc.md")
    with open(doc, "w", encoding="utf-8") as file:
        file.write("# Doc\nprose\n<!-- generated: steps -->\nold\n<!-- end: steps -->\nmore prose\n")
    tables = os.path.join(scratch, "made", "tables.md")
    done = run("bench-docs", tables, doc, doc)
    text = read(doc)
    check(done.returncode == 0 and text.startswith("# Doc\nprose\n<!-- generated: steps -->\n| program |")
          and text.endswith("|\n<!-- end: steps -->\nmore prose\n") and "old" not in text, f"bench-docs: {text}")
    victim = os.path.join(scratch, "victim")
    with open(victim, "w", encoding="utf-8") as file:
        file.write("keep")
    os.symlink(victim, os.path.join(docs, "out.md"))
    done = run("bench-docs", tables, doc, os.path.join(docs, "out.md"))
    check(done.returncode == 0 and read(victim) == "keep" and not os.path.islink(os.path.join(docs, "out.md")),
          "bench-docs: sledi link na mestu izlaza")
    for arguments in ([tables, doc, os.path.join(scratch, "no-such-dir", "out.md")], [tables, doc, docs],
                      [tables, os.path.join(scratch, "missing.md"), doc], [tables, doc, doc, docs, doc + ".png"],
                      [tables, victim, doc]):
        done = run("bench-docs", *arguments)
        check(done.returncode == 1 and done.stderr.startswith("Greska: ") and "Traceback" not in done.stderr,
              f"bench-docs {arguments}: status {done.returncode}, {done.stderr!r}")
    check(sorted(os.listdir(docs)) == ["doc.md", "out.md"], f"bench-docs ostavio: {os.listdir(docs)}")
    check(read(doc) == text, "bench-docs je pisao posle greske")
    check(not os.path.exists(os.path.join(scratch, "PWNED")) and not [
        root for root, _, files in os.walk(scratch) if "PWNED" in files], "vrednost iz datoteke je izvrsena")

for failure in failures:
    print("NEUSPEH:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
