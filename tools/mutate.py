#!/usr/bin/env python3
"""Proves the test suite's power: applies each mutation of tools/mutations.txt on its own to a
scratch copy of the tree, rebuilds, runs the whole suite, and reports the mutation as killed (a
test failed) or survived (every test passed). Exits 1 when any mutation survives or cannot be
applied.

    tools/mutate.py [--ci] [--match TEXT]... [--build-dir DIR] [--jobs N]

--ci takes only the mutations marked @ci; --match only those whose "file: description" contains
one of the given texts. The scratch build uses a packager's hostile flags
(the `hostile` preset: -Ofast, -ffast-math, FMA contraction), so that the mutations of the
project's own floating-point defences are caught too.
"""

import argparse
import pathlib
import shutil
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent


def parse(path):
    """The mutations: (in CI's sample, file, description, old text, new text)."""
    mutations, current = [], None
    for number, line in enumerate(path.read_text().splitlines(), 1):
        if line.startswith("@"):
            tag, rest = line.split(" ", 1)
            file, description = rest.strip().split("  ", 1)
            current = {"ci": tag == "@ci", "file": file, "what": description.strip(),
                       "line": number}
            mutations.append(current)
        elif line.startswith("- ") or line.startswith("+ ") or line == "+":
            key = "old" if line[0] == "-" else "new"
            current[key] = line[2:].replace("\\n", "\n")
    return mutations


def run(command, cwd, log):
    with open(log, "a") as out:
        out.write(f"\n$ {' '.join(command)}\n")
        out.flush()
        return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT).returncode


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--ci", action="store_true")
    parser.add_argument("--match", action="append", default=[])
    parser.add_argument("--build-dir", default=str(ROOT / "build" / "mutate"))
    parser.add_argument("--jobs", default="2")
    args = parser.parse_args()

    mutations = [m for m in parse(ROOT / "tools" / "mutations.txt") if m["ci"] or not args.ci]
    if args.match:
        mutations = [m for m in mutations
                     if any(text in f"{m['file']}: {m['what']}" for text in args.match)]
    scratch = pathlib.Path(args.build_dir).resolve()  # cmake -S runs inside the copy
    source, build, log = scratch / "src", scratch / "build", scratch / "mutate.log"
    shutil.rmtree(scratch, ignore_errors=True)
    source.mkdir(parents=True)
    # The tree as git knows it, with the working copy's changes.
    files = subprocess.run(["git", "ls-files", "-z"], cwd=ROOT, check=True,
                           capture_output=True).stdout.decode().split("\0")
    for name in filter(None, files):
        (source / name).parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(ROOT / name, source / name)

    ctest = ["ctest", "--test-dir", str(build), "-j", args.jobs, "--timeout", "60",
             "--stop-on-failure"]
    if (run(["cmake", "--preset", "hostile", "-B", str(build)], source, log)
            or run(["cmake", "--build", str(build)], source, log) or run(ctest, source, log)):
        sys.exit(f"the unchanged tree does not build or pass its tests: see {log}")

    failures = 0
    print(f"{'result':<10} {'seconds':>7}  mutation")
    for m in mutations:
        path = source / m["file"]
        original = path.read_text()
        started = time.monotonic()
        if original.count(m["old"]) != 1:
            result = "NOT FOUND"
        else:
            path.write_text(original.replace(m["old"], m["new"]))
            if run(["cmake", "--build", str(build)], source, log):
                result = "NO BUILD"
            else:
                result = "killed" if run(ctest, source, log) else "SURVIVED"
            path.write_text(original)
        failures += result != "killed"
        print(f"{result:<10} {time.monotonic() - started:7.1f}  {m['file']}: {m['what']}",
              flush=True)
    run(["cmake", "--build", str(build)], source, log)  # leave the scratch build unchanged
    print(f"{len(mutations) - failures} of {len(mutations)} mutations killed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
