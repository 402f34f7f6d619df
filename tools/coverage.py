#!/usr/bin/env python3
"""Line and branch coverage of the product (Planix, Solidix, Shapecalc, common) by the whole test
suite, with clang's source-based coverage. Every process the tests start writes its own profile,
the real program included, so what the program does as a child of a test counts.

    tools/coverage.py

Builds the coverage preset, runs the suite, prints the summary and writes the annotated sources
to build/coverage/html. Fails when a product line is not covered and not listed in
tools/coverage_unreachable.txt, when an entry there names no uncovered line any more, or when
fewer than 95 % of the branches are taken.
"""

import json
import os
import pathlib
import shutil
import subprocess
import sys
from itertools import groupby

ROOT = pathlib.Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "coverage"
SOURCES = ["Planix", "Solidix", "Shapecalc", "common"]
UNREACHABLE = ROOT / "tools" / "coverage_unreachable.txt"
BRANCH_FLOOR = 95.0


def run(*command, **options):
    return subprocess.run(command, cwd=ROOT, check=True, **options)


def output(*command):
    return run(*command, capture_output=True, text=True).stdout


def objects():
    """The product's binaries, and every test program that ctest runs."""
    tests = json.loads(output("ctest", "--test-dir", str(BUILD), "--show-only=json-v1"))["tests"]
    programs = sorted({t["command"][0] for t in tests if t["command"][0].startswith(str(BUILD))})
    binaries = [BUILD / "Shapecalc" / "Shapecalc", BUILD / "Planix" / "libPlanix.so",
                BUILD / "Solidix" / "libSolidix.so", *programs]
    return [str(binaries[0])] + [arg for b in binaries[1:] for arg in ("-object", str(b))]


def uncovered_stretches(lcov):
    """(file, first line number, count) of each run of consecutive product lines never run."""
    stretches, file, missed = [], None, []
    for line in lcov.splitlines():
        if line.startswith("SF:"):
            file, missed = pathlib.Path(line[3:]).relative_to(ROOT).as_posix(), []
        elif line.startswith("DA:") and line.split(",")[1] == "0":
            missed.append(int(line[3:].split(",")[0]))
        elif line == "end_of_record":
            for _, run_ in groupby(enumerate(missed), lambda pair: pair[1] - pair[0]):
                numbers = [n for _, n in run_]
                stretches.append((file, numbers[0], len(numbers)))
    return stretches


def allowed():
    """The listed stretches, {(file, first line's text)}: each right below its own reason."""
    entries, reason = set(), False
    for line in UNREACHABLE.read_text().splitlines():
        if line.startswith("#"):
            reason = True
        elif not line.strip():
            reason = False
        else:
            if not reason:
                sys.exit(f"{UNREACHABLE.name}: no reason right above: {line}")
            file, text = line.split(": ", 1)
            entries.add((file, text.strip()))
            reason = False
    return entries


def main():
    entries, failures = allowed(), []
    run("cmake", "--preset", "coverage", stdout=subprocess.DEVNULL)
    run("cmake", "--build", "--preset", "coverage")
    profiles = BUILD / "profiles"
    shutil.rmtree(profiles, ignore_errors=True)
    profiles.mkdir()
    # %p: one profile per process; %m: one per instrumented binary within it.
    run("ctest", "--test-dir", str(BUILD), "--output-on-failure",
        env={**os.environ, "LLVM_PROFILE_FILE": f"{profiles}/%p-%m.profraw"})
    profdata = str(BUILD / "tests.profdata")
    run("llvm-profdata", "merge", "-sparse", *map(str, profiles.glob("*.profraw")), "-o", profdata)
    common = [*objects(), "-instr-profile", profdata]
    run("llvm-cov", "report", *common, "-show-branch-summary", *SOURCES)
    run("llvm-cov", "show", *common, "-show-branches=count", "-format=html",
        f"-output-dir={BUILD / 'html'}", *SOURCES)

    for file, first, count in uncovered_stretches(output("llvm-cov", "export", "-format=lcov",
                                                         *common, *SOURCES)):
        text = (ROOT / file).read_text().splitlines()[first - 1].strip()
        if (file, text) in entries:
            entries.remove((file, text))
        else:
            failures.append(f"{file}:{first}: {count} line(s) never run, from: {text}")
    failures += [f"{UNREACHABLE.name} lists a stretch that is covered or gone: {file}: {text}"
                 for file, text in entries]
    totals = json.loads(output("llvm-cov", "export", "-summary-only", *common,
                               *SOURCES))["data"][0]["totals"]
    lines, branches = totals["lines"], totals["branches"]
    print(f"lines {lines['covered']}/{lines['count']} ({lines['percent']:.2f} %), "
          f"branches {branches['covered']}/{branches['count']} ({branches['percent']:.2f} %); "
          f"annotated sources: {BUILD / 'html' / 'index.html'}")
    if branches["percent"] < BRANCH_FLOOR:
        failures.append(f"branch coverage {branches['percent']:.2f} % is under {BRANCH_FLOOR} %")
    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
