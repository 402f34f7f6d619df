#!/usr/bin/env python3
"""Reads the session files of tests/transcripts, where the program's documented texts are kept.

    # comment
    < "2 1 6 3 4\n"               input bytes, as C-escaped literals and @texts
    > @start "\tPerimeter = " "14" "\n"
                                  expected output: literals and @texts, concatenated
    = name                        (fragments.txt) the '>' lines that follow define @name

A literal followed by *N stands for its bytes N times: "0"*1000 is a thousand zeros.

Input and output lines interleave in dialogue order. In an input line, @end_of_input says that
the program reads the end of its input there; a session without it ends by itself, its input
still open.

    tools/transcript.py NAME              prints the bytes of the text NAME (for the scripts)
    tools/transcript.py --inputs FOLDER   writes each session's input as FOLDER/SESSION
"""
import codecs
import pathlib
import re
import sys

FOLDER = pathlib.Path(__file__).resolve().parent.parent / "tests" / "transcripts"
LITERAL = rb'"((?:[^"\\]|\\.)*)"'  # a C-escaped literal, its text the group
TOKEN = re.compile(rb"\s*(?:" + LITERAL + rb"(?:\*(\d+))?|@(\w+))")  # "text"*N, @name


def unescape(literal):
    """The bytes of a C-escaped literal's text."""
    return codecs.escape_decode(literal)[0]


def tokens(line, texts, where):
    """The bytes of one line's literals and @texts."""
    out, pos = b"", 0
    while line[pos:].strip():
        match = TOKEN.match(line, pos)
        if not match or (match[3] and match[3].decode() not in texts):
            sys.exit(f"{where}: cannot read {line[pos:].strip()[:20]!r}")
        out += (unescape(match[1]) * int(match[2] or 1) if match[1] is not None
                else texts[match[3].decode()])
        pos = match.end()
    return out


def lines(path):
    for number, line in enumerate(path.read_bytes().splitlines(), 1):
        if line and not line.startswith(b"#"):
            yield f"{path}:{number}", line[:1], line[1:]


def texts():
    """The documented texts of fragments.txt, by name, as bytes."""
    found, name = {}, None
    for where, kind, rest in lines(FOLDER / "fragments.txt"):
        if kind == b"=":
            name = rest.strip().decode()
            found[name] = b""
        else:
            found[name] += tokens(rest, found, where)
    return found


def session(name, folder=FOLDER):
    """The session's [input, expected output] blocks in dialogue order; an input of None is the
    end of the input."""
    known, blocks = texts(), []
    for where, kind, rest in lines(folder / f"{name}.t"):
        text = tokens(rest, known, where)
        if kind == b"<":
            blocks += [[text, b""]] + ([[None, b""]] if b"@end_of_input" in rest else [])
        else:
            blocks = blocks or [[b"", b""]]
            blocks[-1][1] += text
    return blocks


def names(folder=FOLDER):
    return sorted(path.stem for path in folder.glob("*.t"))


def joined(blocks):
    """The whole input and the whole expected output of a session."""
    return b"".join(i or b"" for i, _ in blocks), b"".join(o for _, o in blocks)


if __name__ == "__main__":
    import argparse
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("name", nargs="?",
                        help="print the bytes of the text NAME (for the scripts)")
    parser.add_argument("--inputs", metavar="FOLDER",
                        help="write each session's input as FOLDER/SESSION")
    args = parser.parse_args()
    if args.inputs is not None:
        out = pathlib.Path(args.inputs)
        out.mkdir(parents=True, exist_ok=True)
        for name in names():
            (out / name).write_bytes(joined(session(name))[0])
    elif args.name in texts():
        sys.stdout.buffer.write(texts()[args.name])
    else:
        sys.exit(f"no text {args.name} in {FOLDER / 'fragments.txt'}")
