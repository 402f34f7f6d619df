#!/usr/bin/env python3
"""Proves the test suite's power: applies each mutation of tools/mutations.txt on its own to a
scratch copy of the tree, rebuilds, runs the whole suite, and reports the mutation as killed (a
test failed) or survived (every test passed). Exits 1 when any mutation survives or cannot be
applied.

    tools/mutate.py [--ci] [--match TEXT]... [--matrix] [--list] [--build-dir DIR] [--jobs N]
    tools/mutate.py --generate [--sample N [--seed S]] [--list] [--match TEXT]...
    tools/mutate.py --since REV [--list] [--match TEXT]...
    tools/mutate.py --check-lists

--ci takes only the mutations marked @ci, then CI's share of the generated mutants: those whose
id's SHA-256 falls below CI_SHARE and that tools/equivalent_mutants.txt does not explain (the
whole runs confirm those). --match only those whose "file: description" (a generated mutant: its
id) contains one of the given texts. --matrix runs the whole suite for each listed mutation and
writes the tests that fail with it into tools/kill_matrix.txt (the entries of the other mutations
stay as they are). --list prints what would run, and runs nothing.

--generate makes mutants by rule from the program's sources (the POSIX build's): a relational or
equality operator turned into its neighbour (rel, eq), && and || swapped (logic), binary + and -
swapped, += and -= too (arith; not ++ and --, which mostly make endless loops that only the time
limit ends), an integer constant plus or minus one (const), true and false swapped (bool), a !
removed (not), a one-line statement deleted (delete) and two neighbouring arguments of a call
swapped (swap); never in comments, literals, preprocessor lines or static_assert. A mutant's id is
"FILE[:FUNCTION] RULE N CODE", made of its line's text and its function (an overload's: with its
parameter list), so that an edit changes only the ids of the lines it touches (docs/TESTING.md,
"Mutation runs", gives the scheme). --since REV takes only those on lines that differ from the git
revision REV (git diff -U0 REV, the working copy's changes included): a developer's own edit, in
minutes.
Each is rebuilt incrementally and meets first the tests that the kill matrix has failing for the
listed mutations of its file, then the rest, up to the first failure. A mutant that does not
compile, or is not ISO C++ (-pedantic-errors), is stillborn; one that compiles to the same objects
is equivalent as it stands ("same code"); one that survives the tests fails the run unless
tools/equivalent_mutants.txt gives its id with the reason it is equivalent (or, for a limit whose
neighbours no input tells apart, its id with * for the count: every mutant of that rule there).

--check-lists builds and runs nothing: it names each entry of tools/equivalent_mutants.txt that
no generated mutant has (with the nearest id there is now), each mutation of tools/mutations.txt
whose - text does not stand exactly once in its file, and each entry of tools/kill_matrix.txt that
names no mutation, and exits 1 if there is one. The default suite runs it (the test
Shapecalc.mutation_lists); the mutation runs leave that test out, as every mutation changes a line
that the lists match, and the random walk over the key wait (program.terminal_walk), which the
default preset alone runs.

The scratch build uses a packager's hostile flags (the `hostile` preset: -Ofast, -ffast-math, FMA
contraction), so that the mutations of the project's own floating-point defences are caught too.
"""

import argparse
import difflib
import hashlib
import json
import os
import pathlib
import random
import re
import shutil
import subprocess
import sys
import time

# A mutant that holds a prompt back fails its cases by their time limit: a shorter one than the
# suite's own 30 s, which still leaves the slowest case three times the time it needs.
os.environ["SHAPECALC_TEST_LIMIT"] = "10"

ROOT = pathlib.Path(__file__).resolve().parent.parent
MATRIX = ROOT / "tools" / "kill_matrix.txt"
MATRIX_HEADER = """\
# Which tests fail with each mutation of tools/mutations.txt: its "file: description", then each
# failing test's name after a tab. Written by tools/mutate.py --matrix (with --match: only those
# entries); --generate runs a mutant of a file against the tests named here for that file first.
"""
EQUIVALENT = ROOT / "tools" / "equivalent_mutants.txt"
# The generated mutants CI runs beside the @ci ones: those whose id's SHA-256, read as a fraction,
# falls below this share (`tools/mutate.py --ci --list | tail -1` counts them). An id changes only
# with its own line (or function's name, or an overload's parameters), so an edit redraws only the
# mutants of the lines it touched.
CI_SHARE = 0.02
# The mutation runs leave out the check of the lists, as every mutation changes a line it matches,
# and the random walk over the key wait, which the default preset alone runs.
LEFT_OUT = ("Shapecalc.mutation_lists", "program.terminal_walk")


def parse(path):
    """The mutations: (in CI's sample, file, description, line number, old text, new text)."""
    mutations, current = [], None
    for number, line in enumerate(path.read_text().splitlines(), 1):
        if line.startswith("@"):
            tag, rest = line.split(" ", 1)
            file, description = rest.strip().split("  ", 1)
            current = {"ci": tag == "@ci", "file": file, "id": f"{file}: {description.strip()}",
                       "line": number}
            mutations.append(current)
        elif line.startswith("- ") or line.startswith("+ ") or line == "+":
            key = "old" if line[0] == "-" else "new"
            current[key] = line[2:].replace("\\n", "\n")
    return mutations


# ---- Mutants made by rule ----------------------------------------------------------------------

# The program's sources as the POSIX build compiles them (only the Windows build has the others).
SOURCES = sorted(f"Shapecalc/src/{p.name}" for p in (ROOT / "Shapecalc" / "src").iterdir()
                 if p.suffix in (".cpp", ".hpp") and not p.name.startswith(("ConsoleWindows.",
                                                                            "ConsoleKey.")))
FLIP = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "&&": "||", "||": "&&",
        "+": "-", "-": "+", "+=": "-=", "-=": "+=", "true": "false", "false": "true"}
RULE = {op: rule for rule, ops in (("rel", "< <= > >="), ("eq", "== !="), ("logic", "&& ||"),
                                   ("arith", "+ - += -="), ("bool", "true false"))
        for op in ops.split()}
# Comments and preprocessor lines are dropped; literals are kept whole, never mutated.
TOKEN = re.compile(r"""(?P<skip>//[^\n]*|/\*.*?\*/|^[ \t]*\#(?:\\\n|[^\n])*)
    |(?P<str>R"([^(\s]*)\(.*?\)\3"|"(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])*')
    |(?P<num>\.?\d(?:[eEpP][+-]|[\w.'])*)|(?P<word>[A-Za-z_]\w*)
    |(?P<op><<=|>>=|->|::|<=|>=|==|!=|&&|\|\||\+\+|--|\+=|-=|<<|>>|\.\.\.|\S)""",
                   re.S | re.M | re.X)
RULES = set(RULE.values()) | {"const", "not", "delete", "swap"}
KEYWORDS = {"return", "case", "else", "throw", "new", "delete", "do"}  # words before an expression
NOT_CALLED = {"if", "for", "while", "switch", "sizeof", "alignof", "decltype", "noexcept", "catch"}
NOT_DELETED = {"if", "for", "while", "switch", "do", "else", "case", "default", "using", "try"}
# A statement that declares (deleting it would leave its name undeclared), and a parameter
# (the parentheses belong to a function's or a constructor's definition, not a call).
DECLARATION = re.compile(r"(?:(?:const|constexpr|static|volatile|struct|unsigned|signed)\s+)*"
                         r"[A-Za-z_][\w:]*(?:<[^;]*>)?[\s*&]+[A-Za-z_]\w*\s*"
                         r"(?:\[[^;]*\]\s*)*[=({;]")
PARAMETER = re.compile(r"(?!sizeof\b)(?:[A-Za-z_][\w:]*(?:<.*>)?\s*[*&]*\s+)+[*&]*[A-Za-z_]\w*")


def function_name(toks, pair, i):
    """The name of the function whose body opens at toks[i] ("" for a lambda's), and its
    signature: the name, then its parameters and qualifiers as written, blanks collapsed and
    comments dropped."""
    j = i - 1
    while toks[j][1] in ("const", "noexcept", "override", "final"):
        j -= 1
    if toks[j][1] != ")":
        return "", ""
    qualifiers, k = j, pair[j]  # the parameters' ( (a constructor's: past its member initialisers)
    while toks[k - 1][0] == "word" and toks[k - 2][1] in (",", ":") and toks[k - 3][1] in (
            ")", "}"):
        k = pair[k - 3]
    start = next((k - n for n in (2, 3) if toks[k - n][1] == "operator"), None)
    if start is None and toks[k - 1][0] != "word":
        return "", ""
    start = k - 1 if start is None else start
    start -= toks[start - 1][1] == "~"  # a destructor
    name = "".join(tok[1] for tok in toks[start:k])
    while toks[start - 1][1] == "::" and toks[start - 2][0] == "word":
        name = "".join(tok[1] for tok in toks[start - 2:start]) + name
        start -= 2
    parts = [toks[k][1]]
    for t in range(k + 1, pair[k] + 1):
        parts.append(" " * (toks[t - 1][3] < toks[t][2]) + toks[t][1])
    parts += [" " + toks[t][1] for t in range(pair[k] + 1, i) if t > qualifiers]
    return name, name + "".join(parts)


def generate(name):
    """The mutants of one source file, in the order of the text."""
    text = (ROOT / name).read_text()
    toks = [(m.lastgroup, m.group(), m.start(), m.end()) for m in TOKEN.finditer(text)
            if m.lastgroup != "skip"]
    line = [text.count("\n", 0, tok[2]) + 1 for tok in toks] + [0]
    pair, stack, angle, code, scope, out, seen, signatures = {}, [], {}, [], [], [], {}, {}
    for i, tok in enumerate(toks):
        if tok[1] in ("(", "[", "{"):
            stack.append(i)
        elif tok[1] in (")", "]", "}"):
            pair[i] = stack.pop()
            pair[pair[i]] = i
    for i, tok in enumerate(toks):  # a template's < follows a name and meets its > before an end
        depth, j = 0, i + 1
        while tok[1] == "<" and toks[i - 1][0] == "word" and toks[j][1] not in (
                ";", "{", "}", ")", "]", "&&", "||"):
            depth += {"<": 1, ">": -1, ">>": -2}.get(toks[j][1], 0)
            if depth < 0:
                angle[i], angle[j] = j, i
                break
            j = (pair[j] if toks[j][1] in ("(", "[") else j) + 1
    extent = {}  # each line's code: from its first token to its last
    for tok, n in zip(toks, line):
        extent[n] = (extent[n][0] if n in extent else tok[2], tok[3])

    def add(rule, first, last, new, what):
        code = " ".join(text[slice(*extent[line[first]])].split())
        function = scope[-1] if scope else ("", "")
        k = seen[function, rule, code] = seen.get((function, rule, code), -1) + 1
        column = toks[first][2] - text.rfind("\n", 0, toks[first][2])
        out.append({"file": name, "start": toks[first][2], "end": toks[last][3], "new": new,
                    "lines": range(line[first], line[last] + 1), "function": function,
                    "rule": rule, "id": f" {rule} {k} {code}", "every": f" {rule} * {code}",
                    "what": f"{line[first]}:{column} {what}"})

    skip = -1
    for i, (kind, t, start, _) in enumerate(toks):
        prev = toks[i - 1][1] if i else ""
        if t == "{":  # what the braces hold: 2 a function's body, 1 a block, 0 no statements
            inside = bool(code) and code[-1] > 0
            code.append(2 if not inside and prev in (")", "const", "noexcept") else int(
                prev in (")", "else", "do") or inside and prev in (";", "{", "}")))
            scope.append(function_name(toks, pair, i) if code[-1] == 2 else scope[-1]
                         if scope else ("", ""))
            signatures.setdefault(scope[-1][0], set()).add(scope[-1][1])
        elif t == "}":
            code.pop()
            scope.pop()
        skip = pair[i + 1] if t == "static_assert" else skip
        if i <= skip:
            continue
        if t in RULE and i not in angle and (len(t) == 2 or RULE[t] != "arith" or prev in (
                ")", "]") or toks[i - 1][0] in ("num", "word") and prev not in KEYWORDS):
            add(RULE[t], i, i, FLIP[t], f"{t} -> {FLIP[t]}")
        elif kind == "num" and re.fullmatch(r"(0[xX][\da-fA-F']+|\d[\d']*)[uUlL]*", t):
            digits = t.rstrip("uUlL").replace("'", "")
            hexa = digits[:2] in ("0x", "0X")
            for value in (int(digits, 16 if hexa else 10) + d for d in (1, -1)):
                new = f"({value})" if value < 0 else hex(value) if hexa else str(value)
                add("const", i, i, new + t.lstrip("0123456789abcdefABCDEFxX'"), f"{t} -> {new}")
        elif t == "!":
            add("not", i, i, "", "! removed")
        end = i
        while end < len(toks) - 1 and toks[end][1] not in (";", "{", "}"):
            end = pair.get(end, end) + 1 if toks[end][1] in ("(", "[") else end + 1
        if (code and code[-1] and (prev in (";", "{", "}", "else") or prev == ")" and toks[
                pair[i - 1] - 1][1] in ("if", "for", "while")) and toks[end][1] == ";"
                and line[i - 1] < line[i] == line[end] < line[end + 1] and t not in NOT_DELETED
                and (t in KEYWORDS or not DECLARATION.match(text[start:toks[end][3]]))
                and not (t == "return" and toks[i + 1][1] != ";" and code[-1] == 2
                         and toks[end + 1][1] == "}")):  # a function's last return
            add("delete", i, end, "{}", "statement deleted")
        if t == "(" and (toks[i - 1][0] == "word" and prev not in NOT_CALLED or prev == ">"
                         and i - 1 in angle) and not PARAMETER.fullmatch(  # a function's own
                text[toks[i + 1][2]:toks[pair[i] - 1][3]].split(",")[0].strip()):
            args, j = [[i + 1, i]], i + 1
            while j < pair[i]:
                if toks[j][1] == ",":
                    args.append([j + 1, j])
                else:
                    args[-1][1] = j = pair[j] if toks[j][1] in ("(", "[", "{") else max(
                        j, angle.get(j, j))
                j += 1
            for (a1, b1), (a2, b2) in zip(args, args[1:]):
                first, second = (text[toks[a][2]:toks[b][3]] for a, b in ((a1, b1), (a2, b2)))
                if first != second:
                    add("swap", a1, b2, second + text[toks[b1][3]:toks[a2][2]] + first,
                        f"{first} <-> {second}")
    for m in out:  # an overloaded name is told apart by the signature
        function, signature = m.pop("function")
        function = signature if len(signatures[function]) > 1 else function
        for key in ("id", "every"):
            m[key] = f"{name}{':' * bool(function)}{function}{m[key]}"
    return out



def run(command, cwd, log):
    with open(log, "a") as out:
        out.write(f"\n$ {' '.join(command)}\n")
        out.flush()
        return subprocess.run(command, cwd=cwd, stdout=out, stderr=subprocess.STDOUT).returncode


def short(name):
    return name.split("  # ")[0]  # GoogleTest's discovered names end in "  # GetParam() = ..."


def entries(path):
    """The entries of a data file, with their line numbers: the lines that are neither blank,
    comments nor indented."""
    lines = path.read_text().splitlines() if path.exists() else []
    return [(n, line) for n, line in enumerate(lines, 1) if line.strip() and line[0] not in "# \t"]


def read(path):
    return [line for _, line in entries(path)]


def in_ci_share(m):
    return int.from_bytes(hashlib.sha256(m["id"].encode()).digest()[:8], "big") < CI_SHARE * 2**64


def changed_lines(rev):
    """The lines of each source that differ from revision REV (the working copy's, numbered as
    there): every line of a source git does not know at REV."""
    diff = subprocess.run(["git", "diff", "-U0", "--no-color", "--no-ext-diff", "--src-prefix=a/",
                           "--dst-prefix=b/", rev, "--", *SOURCES], cwd=ROOT, check=True,
                          capture_output=True, text=True).stdout
    changed, name = {}, None
    for line in diff.splitlines():
        if line.startswith("+++ "):
            name = line[6:] if line.startswith("+++ b/") else None
        elif line.startswith("@@") and name:
            start, _, count = line.split()[2][1:].partition(",")
            changed.setdefault(name, set()).update(range(int(start), int(start) + int(count or 1)))
    for name in SOURCES:
        if subprocess.run(["git", "cat-file", "-e", f"{rev}:{name}"], cwd=ROOT,
                          capture_output=True).returncode:
            changed[name] = set(range(1, (ROOT / name).read_text().count("\n") + 2))
    return changed


def check_lists():
    """Names each entry of the lists that no longer fits the sources; exits 1 if there is one."""
    generated = [m for name in SOURCES for m in generate(name)]
    ids = {m[key] for m in generated for key in ("id", "every")}
    faults = []
    for number, entry in entries(EQUIVALENT):
        if entry not in ids:
            # The rule: the first of the words past the file that is a rule's and is followed
            # by a count (an overload's parameters may hold the word const).
            words = entry.split(" ")
            rule = next((w for w, n in zip(words[1:], words[2:])
                         if w in RULES and (n.isdigit() or n == "*")), "")
            key = "every" if "*" in words else "id"  # a * entry is near another line's
            near = difflib.get_close_matches(entry, [m[key] for m in generated if m["rule"] == rule
                                                     and m["file"] == words[0].split(":")[0]], 1,
                                             0.6)
            faults.append(f"{EQUIVALENT.relative_to(ROOT)}:{number}: no generated mutant has the "
                          f"id {entry!r}" + (f" (the nearest now: {near[0]!r})" if near else ""))
    mutations = parse(ROOT / "tools" / "mutations.txt")
    for m in mutations:
        path = ROOT / m["file"]
        count = path.read_text().count(m["old"]) if path.exists() and "old" in m else 0
        if count != 1:
            faults.append(f"tools/mutations.txt:{m['line']}: {m['id']!r}: its - text stands "
                          f"{count} times in {m['file']}, not once")
    names = {m["id"] for m in mutations}
    for number, entry in entries(MATRIX):
        if entry.split("\t")[0] not in names:
            faults.append(f"{MATRIX.relative_to(ROOT)}:{number}: {entry.split(chr(9))[0]!r} is "
                          "no mutation of tools/mutations.txt")
    print("".join(fault + "\n" for fault in faults), end="")
    sys.exit(1 if faults else 0)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    option = parser.add_argument
    option("--ci", action="store_true",
           help="the mutations marked @ci, then the generated mutants in CI's share (by id)")
    option("--generate", action="store_true",
           help="the mutants made by rule from the program's sources instead of the listed ones")
    option("--since", metavar="REV", help="only the generated mutants on lines changed since the"
           " git revision REV (the working copy's changes included)")
    option("--match", action="append", default=[], metavar="TEXT", help="only the mutations whose"
           " 'file: description' or generated id contains TEXT (repeatable: any of them)")
    option("--sample", type=int, metavar="N", help="N of the generated mutants drawn at random")
    option("--seed", type=int, default=1, metavar="S", help="the seed of --sample's draw")
    option("--list", action="store_true",
           help="print the chosen mutations and mutants, with counts, and run nothing")
    option("--check-lists", action="store_true", help="name each entry of equivalent_mutants.txt "
           "that no generated mutant has, each of mutations.txt whose - text does not stand "
           "exactly once in its file and each of kill_matrix.txt that no mutation has; run nothing")
    option("--matrix", action="store_true", help="run the whole suite for each listed mutation and "
           "write the tests that fail into tools/kill_matrix.txt")
    option("--build-dir", default=str(ROOT / "build" / "mutate"), metavar="DIR",
           help="the scratch copy and its build (emptied first; default: build/mutate)")
    option("--jobs", default="2", metavar="N", help="parallel jobs of the builds and of ctest")
    args = parser.parse_args()
    if args.check_lists:
        return check_lists()

    every = parse(ROOT / "tools" / "mutations.txt")
    by_rule = args.generate or args.since is not None
    listed = [] if by_rule else [m for m in every if m["ci"] or not args.ci]
    generated = [m for name in SOURCES for m in generate(name)] if by_rule or args.ci else []
    total = len(generated)
    if args.since is not None:
        changed = changed_lines(args.since)
        generated = [m for m in generated if changed.get(m["file"], set()) & set(m["lines"])]
    listed, generated = ([m for m in ms if any(text in m["id"] for text in args.match)]
                         if args.match else ms for ms in (listed, generated))
    equivalents = set(read(EQUIVALENT))  # each id, with its reason on the indented lines below
    # An entry with * for the count: every mutant of its rule on that line (a limit whose
    # neighbours no input tells apart).
    excused = lambda m: m["id"] in equivalents or m["every"] in equivalents
    if args.ci:
        # Those the list explains are left to the whole runs: CI's time goes to the others.
        generated = [m for m in generated if in_ci_share(m) and not excused(m)]
    elif args.sample is not None and args.sample < len(generated):
        picked = set(map(id, random.Random(args.seed).sample(generated, args.sample)))
        generated = [m for m in generated if id(m) in picked]
    if args.list:
        print("".join(f"{'@ci' if m['ci'] else '@'} {m['id']}\n" for m in listed), end="")
        print("".join(f"{m['id']}  [{m['what']}]\n" for m in generated), end="")
        for key in ("file", "rule"):
            keys = [m[key] for m in generated]
            print(", ".join(f"{k} {keys.count(k)}" for k in sorted(set(keys))))
        return print(f"{len(listed)} listed mutations; {len(generated)} of the {total} generated"
                     " mutants")

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
             "-E", "^(" + "|".join(map(re.escape, LEFT_OUT)) + ")$"]
    make = ["cmake", "--build", str(build), "-j", args.jobs]
    # Not ISO C++ (a zero-size array, which GCC takes) is not C++ at all: stillborn.
    if (run(["cmake", "--preset", "hostile", "-B", str(build), "-DSHAPECALC_PEDANTIC_ERRORS=ON"],
            source, log)
            or run(make, source, log) or run(ctest + ["--stop-on-failure"], source, log)):
        sys.exit(f"the unchanged tree does not build or pass its tests: see {log}")
    names = [short(t["name"]) for t in json.loads(subprocess.run(
        ctest + ["--show-only=json-v1"], check=True, capture_output=True).stdout)["tests"]]
    failed_log = build / "Testing" / "Temporary" / "LastTestsFailed.log"
    objects = lambda name: [o.read_bytes() for o in sorted(build.rglob(name.split("/")[-1] + ".o"))]
    unchanged = {name: objects(name) for name in SOURCES}  # a source's compiled objects
    # The kill matrix: "file: description" of each listed mutation, then the tests it fails.
    matrix = {line.split("\t")[0]: line.split("\t")[1:] for line in read(MATRIX)}

    def tests(numbers):
        """Runs these tests (by number; None: all) up to the first failure; true if one fails."""
        chosen = ["-I", "0,0,0," + ",".join(map(str, numbers))] if numbers else []
        return numbers != [] and run(ctest + ["--stop-on-failure"] + chosen, source, log) != 0

    def mutate(m, test):
        path = source / m["file"]
        original = path.read_text()
        if "old" in m and original.count(m["old"]) != 1:
            return "NOT FOUND"
        path.write_text(original.replace(m["old"], m["new"]) if "old" in m
                        else original[:m["start"]] + m["new"] + original[m["end"]:])
        try:
            if run(make, source, log):
                return "NO BUILD" if "old" in m else "stillborn"
            return test(m)
        finally:
            path.write_text(original)

    def killed(likely):
        """The tests named in `likely` first, then the others, up to the first failure."""
        first = [n for n, name in enumerate(names, 1) if name in likely]
        return tests(first) or tests([n for n in range(1, len(names) + 1) if n not in first]
                                     if first else None)

    def whole_suite(m):
        if not args.matrix:  # the tests the matrix has failing with it first
            return "killed" if killed(matrix.get(m["id"], ())) else "SURVIVED"
        failed_log.unlink(missing_ok=True)
        run(ctest, source, log)
        lines = failed_log.read_text().splitlines() if failed_log.exists() else []
        matrix[m["id"]] = sorted({short(ln.split(":", 1)[1]) for ln in lines})
        return "killed" if lines else "SURVIVED"

    def likely_first(m):
        if objects(m["file"]) == unchanged[m["file"]] != []:
            return "same code"  # compiled to the same objects: equivalent, whatever the tests
        if killed({t for key, failing in matrix.items() if key.startswith(m["file"] + ":")
                   for t in failing}):
            return "killed"
        return "equivalent" if excused(m) else "SURVIVED"

    started, failed = time.monotonic(), 0
    print(f"{'result':<10} {'seconds':>7}  mutation")
    for mutations, test in ((listed, whole_suite), (generated, likely_first)):
        counts = dict.fromkeys(("stillborn", "same code", "killed", "equivalent", "SURVIVED"), 0)
        for m in mutations:
            begun, result = time.monotonic(), mutate(m, test)
            counts[result] = counts.get(result, 0) + 1
            failed += result in ("SURVIVED", "NOT FOUND", "NO BUILD")
            print(f"{result:<10} {time.monotonic() - begun:7.1f}  {m['id']}"
                  + (f"  [{m['what']}]" if test is likely_first else ""), flush=True)
        if mutations:
            print(f"{counts['killed']} of {len(mutations)} listed mutations killed"
                  if test is whole_suite else f"{total} generated, {len(mutations)} run: "
                  + ", ".join(f"{n} {r.lower()}" for r, n in counts.items()))
    run(make, source, log)  # leave the scratch build unchanged
    if args.matrix:
        MATRIX.write_text(MATRIX_HEADER + "".join("\t".join([m["id"]] + matrix[m["id"]]) + "\n"
                                                  for m in every if m["id"] in matrix))
    print(f"{time.monotonic() - started:.0f} s in all")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
