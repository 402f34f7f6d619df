#!/usr/bin/env python3
"""Checks every length of tests/number_cases.txt by exact arithmetic, without the C library.

The text a row's length read takes (its input less the unread text the row states, less the white
space before it) has an exact decimal value, fractions.Fraction's, which float() rounds once,
correctly; Python's own float() of the text must give the same. The row must state that double,
bit for bit (a zero's sign too), and a stream that has not failed; or, for a value beyond the
doubles, the largest double of its sign and a failed stream. A row whose read takes no whole
number ("kept", or 0 and a failed stream) states no value to work out, and is skipped.

    tools/number_cases.py --check
"""
import argparse
import math
import pathlib
import re
import sys
from fractions import Fraction

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import transcript  # noqa: E402  the table's literals, "0"*1000 included

TABLE = pathlib.Path(__file__).resolve().parent.parent / "tests" / "number_cases.txt"
NUMBER = re.compile(r"[+-]?(?=\.?\d)(\d*)\.?(\d*)(?:[eE]([+-]?\d+))?")  # a digit first


def rounded(text):
    """The double nearest the decimal number `text` (infinite beyond the largest double)."""
    integer, fraction, exponent = NUMBER.fullmatch(text).groups()
    digits = (integer + fraction).lstrip("0")
    order = len(digits) + int(exponent or 0) - len(fraction)  # 10^(order-1) <= |value| < 10^order
    if not digits or order < -400:  # below half the smallest subnormal, 2^-1075
        value = 0.0
    elif order > 400:  # beyond the largest double (and ten to 10^17 is too much for Fraction)
        value = math.inf
    else:
        try:
            value = float(abs(Fraction(text)))
        except OverflowError:
            value = math.inf
    return math.copysign(value, -1.0 if text.startswith("-") else 1.0)


def check():
    sys.set_int_max_str_digits(0)  # Fraction reads digits thousands long
    errors, checked, names = [], 0, {}
    for number, line in enumerate(TABLE.read_bytes().splitlines(), 1):
        if not line or line.startswith(b"#"):
            continue
        where = f"{TABLE}:{number}"
        if line.startswith(b"= "):  # = NAME literals: @NAME in the rows below
            name, literals = line[2:].split(None, 1)
            names[name.decode()] = transcript.tokens(literals, names, where)
            continue
        field, length, _ = line.split(b"|")
        stated, state, rest = length.split(None, 2)
        text, rest = transcript.tokens(field, names, where), transcript.tokens(rest, names, where)
        taken = text[:len(text) - len(rest)].lstrip(b" \t\n\v\f\r").decode("latin-1")
        if not text.endswith(rest):
            errors.append(f"{where}: the unread text is not the end of the input")
        if not text.endswith(rest) or not NUMBER.fullmatch(taken):
            continue  # no whole number: nothing to work out
        value = rounded(taken)
        if value.hex() != float(taken).hex():
            errors.append(f"{where}: Fraction gives {value.hex()}, float() {float(taken).hex()}")
        beyond = math.isinf(value)
        value = math.copysign(sys.float_info.max, value) if beyond else value
        stated = stated.decode()
        stated = float.fromhex(stated) if "x" in stated else float(stated)
        if stated.hex() != value.hex() or (b"F" in state) != beyond:
            errors.append(f"{where}: {taken[:40]} is {value.hex()}{', failing' if beyond else ''}"
                          f", not {stated.hex()} {state.decode()}")
        checked += 1
    print("\n".join(errors) or f"{TABLE}: the {checked} lengths that are numbers are exact")
    return 1 if errors else 0


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true", required=True,
                        help="check each row's length against its exact value")
    parser.parse_args()
    sys.exit(check())
