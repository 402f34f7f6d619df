#!/usr/bin/env python3
"""Golden vectors for every formula of Planix and Solidix and the program's frustum arithmetic.

Each formula is written here once more, independently of the C++ sources, as the documented
expression. Python floats are IEEE-754 doubles and every operation is rounded to double before the
next, with nothing fused, so evaluating the expression as written gives the exact expected bits.

The argument tuples are chosen by search. From each formula the script derives its plausible wrong
versions (every other grouping of each chain of sums or products, a halving or a division moved,
distributed products, a fused multiply-add for each product feeding a sum, hypot for a root of a
sum of squares, pow for a square or a cube, a division by a constant turned into a multiplication
by its reciprocal, the constants formed another way, a result one ulp off) and keeps, beside the
documented examples and the special values, the tuples that tell each wrong version apart from the
right one. A wrong version that no tuple of the search tells apart gives the same double for every
input tried and is listed as equivalent.

    tools/golden_vectors.py            writes tests/golden/formulas.txt
    tools/golden_vectors.py --check    fails if that file is not what this script writes
    tools/golden_vectors.py --report   lists, per formula, the wrong versions and what kills them
"""

import argparse
import ast
import ctypes
import ctypes.util
import itertools
import math
import pathlib
import random
import sys

# The C library's own hypot, pow and fma: the wrong versions a C++ edit would bring in.
_libm = ctypes.CDLL(ctypes.util.find_library("m"))
for _name, _arity in (("hypot", 2), ("pow", 2), ("fma", 3)):
    getattr(_libm, _name).restype = ctypes.c_double
    getattr(_libm, _name).argtypes = [ctypes.c_double] * _arity

NAN = float("nan")
INF = float("inf")


def _sqrt(x):
    # The correctly rounded root; NaN below zero, as the C library gives.
    return NAN if x < 0 else math.sqrt(x)


RUNTIME = {
    "sqrt": _sqrt,
    "hypot": _libm.hypot,
    "pow": _libm.pow,
    "fma": _libm.fma,
    "nextup": lambda x: math.nextafter(x, INF),
    "nextdown": lambda x: math.nextafter(x, -INF),
}

# The constants, each formed exactly as documented.
PLANIX_CONSTANTS = {"PI": 22.0 / 7.0, "TWO_PI": 44.0 / 7.0}
SOLIDIX_CONSTANTS = {
    "PI": 22.0 / 7.0,
    "TWO_PI": 2.0 * (22.0 / 7.0),
    "THREE_PI": 3.0 * (22.0 / 7.0),
    "FOUR_PI": 4.0 * (22.0 / 7.0),
    "FOUR_THIRDS_PI": (4.0 / 3.0) * (22.0 / 7.0),
    "TWO_THIRDS_PI": (2.0 / 3.0) * (22.0 / 7.0),
    "ONE_THIRD": 1.0 / 3.0,
}
# Constants formed another way: each value replaces the named constant in one wrong version.
WRONG_CONSTANTS = {
    "PI": [math.pi],
    "TWO_PI": [2.0 * math.pi],
    "THREE_PI": [3.0 * math.pi],
    "FOUR_PI": [4.0 * math.pi],
    "FOUR_THIRDS_PI": [88.0 / 21.0, (4.0 / 3.0) * math.pi],
    "TWO_THIRDS_PI": [44.0 / 21.0, (2.0 / 3.0) * math.pi],
}

SLANT = [("l", "sqrt(((r1 - r2) * (r1 - r2)) + (h * h))")]  # the program's, from the height
WRONG_SLANTS = ["sqrt(((r2 - r1) * (r2 - r1)) + (h * h))",
                "sqrt(((r1 + r2) * (r1 + r2)) + (h * h))",
                "sqrt((((r1 * r1) - ((2.0 * r1) * r2)) + (r2 * r2)) + (h * h))"]
HERON_ISOSCELES = ([("s", "((a + a) + b) / 2.0")], "sqrt((((s - a) * s) * (s - a)) * (s - b))")
HERON_SCALENE = ([("s", "((a + b) + c) / 2.0")], "sqrt((((s - a) * s) * (s - b)) * (s - c))")

# name: (parameters, expression or (definitions, expression), constants, documented examples,
#        further wrong versions written out). A documented example is (arguments, result).
FORMULAS = {
    "Planix::Perimeter::Right_angle_traingle": (
        "b h", "(b + h) + sqrt((b * b) + (h * h))", PLANIX_CONSTANTS,
        [((3, 4), 12.0), ((-3, -4), -2.0)], []),
    "Planix::Perimeter::Isosceles_right_angle_traingle": (
        "a", "(2.0 * a) + (sqrt(2.0) * a)", PLANIX_CONSTANTS, [((1,), 3.414213562373095)],
        ["(2.0 + sqrt(2.0)) * a"]),
    "Planix::Perimeter::Equilateral_traingle": ("a", "3.0 * a", PLANIX_CONSTANTS, [], []),
    "Planix::Perimeter::Isosceles_traingle": ("a b", "(2.0 * a) + b", PLANIX_CONSTANTS, [],
                                              ["a + (a + b)"]),
    "Planix::Perimeter::Scalene_traingle": ("a b c", "(a + b) + c", PLANIX_CONSTANTS, [], []),
    "Planix::Perimeter::Rectangle": ("l w", "(l + w) * 2.0", PLANIX_CONSTANTS, [], []),
    "Planix::Perimeter::Square": ("a", "4.0 * a", PLANIX_CONSTANTS, [((-3,), -12.0)], []),
    "Planix::Perimeter::Parallelogram": ("l w", "(l + w) * 2.0", PLANIX_CONSTANTS, [], []),
    "Planix::Perimeter::Rhombus": ("a", "4.0 * a", PLANIX_CONSTANTS, [], []),
    "Planix::Perimeter::Trapezium": ("a b c d", "((a + b) + c) + d", PLANIX_CONSTANTS, [], []),
    "Planix::Perimeter::Kite": ("a b", "(a + b) * 2.0", PLANIX_CONSTANTS, [], []),
    "Planix::Perimeter::Circle": ("r", "TWO_PI * r", PLANIX_CONSTANTS,
                                  [((7,), 44.0), ((-7,), -44.0)], []),
    "Planix::Perimeter::Regular_Hexagon": ("a", "6.0 * a", PLANIX_CONSTANTS, [], []),
    "Planix::Area::Right_angle_traingle": ("b h", "(0.5 * b) * h", PLANIX_CONSTANTS, [],
                                           ["(b * h) / 2.0"]),
    "Planix::Area::Isosceles_right_angle_traingle": ("a", "(a * a) * 0.5", PLANIX_CONSTANTS, [],
                                                     []),
    "Planix::Area::Equilateral_traingle": (
        "a", "(sqrt(3.0) * 0.25) * (a * a)", PLANIX_CONSTANTS, [((2,), 1.7320508075688772)],
        ["(sqrt(3.0) * (a * a)) / 4.0"]),
    "Planix::Area::Isosceles_traingle": (
        "a b", HERON_ISOSCELES, PLANIX_CONSTANTS,
        [((5, 6), 12.0), ((2, 4), 0.0), ((2, 5), NAN)], []),
    "Planix::Area::Scalene_traingle": (
        "a b c", HERON_SCALENE, PLANIX_CONSTANTS,
        [((3, 4, 5), 6.0), ((1, 2, 3), 0.0), ((1, 2, 10), NAN)], []),
    "Planix::Area::Rectangle": ("l w", "l * w", PLANIX_CONSTANTS, [], []),
    "Planix::Area::Square": ("a", "a * a", PLANIX_CONSTANTS, [((-3,), 9.0)], []),
    "Planix::Area::Parallelogram": ("l w", "l * w", PLANIX_CONSTANTS, [], []),
    "Planix::Area::Rhombus": ("p q", "(p * q) / 2.0", PLANIX_CONSTANTS, [], []),
    "Planix::Area::Trapezium": ("a b h", "(0.5 * h) * (a + b)", PLANIX_CONSTANTS, [],
                                ["((a + b) / 2.0) * h"]),
    "Planix::Area::Kite": ("p q", "(p * q) / 2.0", PLANIX_CONSTANTS, [], []),
    "Planix::Area::Circle": ("r", "(PI * r) * r", PLANIX_CONSTANTS,
                             [((7,), 154.0), ((-7,), 154.0), ((2.1,), 13.860000000000001)], []),
    "Planix::Area::Regular_Hexagon": (
        "a", "((1.5 * a) * a) * sqrt(3.0)", PLANIX_CONSTANTS,
        [((1,), 2.598076211353316), ((0.1,), 0.025980762113533163)],
        ["(((3.0 * sqrt(3.0)) / 2.0) * a) * a"]),
    "Solidix::CSA::Cube": ("a", "(4.0 * a) * a", SOLIDIX_CONSTANTS, [], []),
    "Solidix::CSA::Right_Circular_Cylinder": (
        "r h", "(TWO_PI * r) * h", SOLIDIX_CONSTANTS, [((7, 10), 440.0), ((-7, 10), -440.0)], []),
    "Solidix::CSA::Right_Circular_Cone": ("r l", "(PI * r) * l", SOLIDIX_CONSTANTS,
                                          [((7, 10), 220.0)], []),
    "Solidix::CSA::Frustum": ("r1 r2 l", "(l * PI) * (r1 + r2)", SOLIDIX_CONSTANTS,
                              [((3, 4, 5), 110.0), ((4, 3, 5), 110.0)], []),
    "Solidix::CSA::Hemisphere": ("r", "(TWO_PI * r) * r", SOLIDIX_CONSTANTS, [((7,), 308.0)], []),
    "Solidix::CSA::Prism": ("p h", "p * h", SOLIDIX_CONSTANTS, [], []),
    "Solidix::CSA::Pyramid": ("p l", "(0.5 * p) * l", SOLIDIX_CONSTANTS, [],
                              ["(p * l) / 2.0"]),
    "Solidix::CSA::Tetrahedron": ("a", "((0.75 * a) * a) * sqrt(3.0)", SOLIDIX_CONSTANTS,
                                  [((2,), 5.196152422706632)],
                                  ["(((3.0 * sqrt(3.0)) / 4.0) * a) * a"]),
    "Solidix::TSA::Cube": ("a", "(6.0 * a) * a", SOLIDIX_CONSTANTS, [], []),
    "Solidix::TSA::Cuboid": ("l w h", "(((l * w) + (w * h)) + (h * l)) * 2.0", SOLIDIX_CONSTANTS,
                             [((3, 4, 5), 94.0)], []),
    "Solidix::TSA::Right_Circular_Cylinder": (
        "r h", "(TWO_PI * r) * (r + h)", SOLIDIX_CONSTANTS, [((7, 10), 748.0)], []),
    "Solidix::TSA::Right_Circular_Cone": ("r l", "(PI * r) * (r + l)", SOLIDIX_CONSTANTS,
                                          [((7, 10), 374.0)], []),
    "Solidix::TSA::Frustum": (
        "r1 r2 l", "(((r1 * r1) + ((r1 + r2) * l)) + (r2 * r2)) * PI", SOLIDIX_CONSTANTS,
        [((3, 4, 5), 188.57142857142856), ((4, 3, 5), 188.57142857142856)], []),
    "Solidix::TSA::Sphere": ("r", "(FOUR_PI * r) * r", SOLIDIX_CONSTANTS,
                             [((7,), 616.0), ((-2,), 50.285714285714285), ((1e200,), INF)], []),
    "Solidix::TSA::Hemisphere": ("r", "(THREE_PI * r) * r", SOLIDIX_CONSTANTS, [((7,), 462.0)],
                                 []),
    "Solidix::TSA::Pyramid": ("s b", "s + b", SOLIDIX_CONSTANTS,
                              [((7, 10), 17.0), ((0, 5), 5.0)], []),
    "Solidix::TSA::Tetrahedron": ("a", "(sqrt(3.0) * a) * a", SOLIDIX_CONSTANTS,
                                  [((2,), 6.928203230275509)], []),
    "Solidix::VOLUME::Cube": ("a", "(a * a) * a", SOLIDIX_CONSTANTS,
                              [((-2,), -8.0), ((1e200,), INF)], []),
    "Solidix::VOLUME::Cuboid": ("l w h", "(l * w) * h", SOLIDIX_CONSTANTS, [((3, 4, 5), 60.0)],
                                []),
    "Solidix::VOLUME::Right_Circular_Cylinder": (
        "r h", "((PI * r) * r) * h", SOLIDIX_CONSTANTS,
        [((7, 10), 1540.0), ((-7, 10), 1540.0)], []),
    "Solidix::VOLUME::Right_Circular_Cone": (
        "r h", "(((PI * r) * r) * h) / 3.0", SOLIDIX_CONSTANTS,
        [((7, 10), 513.3333333333334), ((3, 7), 66.0)], ["((ONE_THIRD * PI) * r) * (r * h)"]),
    "Solidix::VOLUME::Prism": ("b h", "b * h", SOLIDIX_CONSTANTS, [], []),
    "Solidix::VOLUME::Sphere": (
        "r", "(r * (r * r)) * FOUR_THIRDS_PI", SOLIDIX_CONSTANTS,
        [((1,), 4.19047619047619), ((7,), 1437.333333333333), ((21,), 38807.99999999999),
         ((-2,), -33.52380952380952)],
        ["((r * (r * r)) * (4.0 / 3.0)) * PI", "((4.0 * PI) * (r * (r * r))) / 3.0"]),
    "Solidix::VOLUME::Hemisphere": (
        "r", "(r * (r * r)) * TWO_THIRDS_PI", SOLIDIX_CONSTANTS,
        [((1,), 2.095238095238095), ((7,), 718.6666666666665), ((21,), 19403.999999999996)],
        ["((r * (r * r)) * (2.0 / 3.0)) * PI", "((2.0 * PI) * (r * (r * r))) / 3.0"]),
    "Solidix::VOLUME::Pyramid": (
        "b h", "(ONE_THIRD * b) * h", SOLIDIX_CONSTANTS,
        [((7, 10), 23.33333333333333), ((5, 5), 8.333333333333332)],
        ["(b * h) / 3.0", "(b / 3.0) * h"]),
    "Solidix::VOLUME::Tetrahedron": (
        "a", "(sqrt(2.0) / 12.0) * (a * (a * a))", SOLIDIX_CONSTANTS,
        [((2,), 0.9428090415820635), ((1,), 0.11785113019775793)],
        ["(a * (a * a)) / (6.0 * sqrt(2.0))"]),
    "shapecalc::frustum_slant_height": (
        "r1 r2 h", SLANT[0][1], {}, [((3, 4, 5), math.sqrt(26.0))], []),
    # The program's frustum surfaces: the slant height as above, then the library's formula. The
    # wrong versions written out: the difference taken the other way, the radii added under the
    # root, the square of the difference expanded, the height passed on as the slant height, the
    # radii passed in the other order.
    "shapecalc::frustum_curved_surface": (
        "r1 r2 h", (SLANT, "(l * PI) * (r1 + r2)"), SOLIDIX_CONSTANTS,
        [((2, 5, 4), 110.0), ((5, 2, 4), 110.0)],
        [f"({root} * PI) * (r1 + r2)" for root in WRONG_SLANTS] + ["(h * PI) * (r1 + r2)"]),
    "shapecalc::frustum_total_surface": (
        "r1 r2 h", (SLANT, "(((r1 * r1) + ((r1 + r2) * l)) + (r2 * r2)) * PI"), SOLIDIX_CONSTANTS,
        [((2, 5, 4), 64.0 * (22.0 / 7.0)), ((5, 2, 4), 64.0 * (22.0 / 7.0))],
        [f"(((r1 * r1) + ((r1 + r2) * {root})) + (r2 * r2)) * PI" for root in WRONG_SLANTS]
        + ["(((r1 * r1) + ((r1 + r2) * h)) + (r2 * r2)) * PI",
           "(((r2 * r2) + ((r2 + r1) * l)) + (r1 * r1)) * PI"]),
}

OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "tests" / "golden" / "formulas.txt"


# ---- Wrong versions: rewrites of the expression tree -------------------------------------------

def _chain(node, op):
    """The operands of a maximal chain of one associative operator (+ or *)."""
    if isinstance(node, ast.BinOp) and isinstance(node.op, op):
        return _chain(node.left, op) + _chain(node.right, op)
    return [node]


def _trees(items, op):
    """Every binary tree over the items, up to the order of the two operands of each node."""
    if len(items) == 1:
        yield items[0]
        return
    first, rest = items[0], items[1:]
    for size in range(len(rest) + 1):
        for others in itertools.combinations(range(len(rest)), size):
            left = [first] + [rest[i] for i in others]
            right = [rest[i] for i in range(len(rest)) if i not in others]
            if not right:
                continue
            for lt in _trees(left, op):
                for rt in _trees(right, op):
                    yield ast.BinOp(lt, op(), rt)


def _call(name, *args):
    return ast.Call(ast.Name(name, ast.Load()), list(args), [])


def _is_const(node, value=None):
    return isinstance(node, ast.Constant) and (value is None or node.value == value)


def _local_rewrites(node):
    """Wrong versions of one node, its children unchanged."""
    out = []
    if isinstance(node, ast.BinOp):
        left, right, op = node.left, node.right, node.op
        for assoc in (ast.Add, ast.Mult):
            if isinstance(op, assoc):
                items = _chain(node, assoc)
                if len(items) > 2:
                    out += list(_trees(items, assoc))
        # A product feeding a sum, fused.
        if isinstance(op, (ast.Add, ast.Sub)):
            sign = ast.USub() if isinstance(op, ast.Sub) else ast.UAdd()
            if isinstance(left, ast.BinOp) and isinstance(left.op, ast.Mult):
                out.append(_call("fma", left.left, left.right, ast.UnaryOp(sign, right)))
            if isinstance(right, ast.BinOp) and isinstance(right.op, ast.Mult):
                out.append(_call("fma", ast.UnaryOp(sign, right.left), right.right, left))
        # Distribution of a product or a division over a sum.
        if isinstance(op, (ast.Mult, ast.Div)) and isinstance(left, ast.BinOp) and isinstance(
                left.op, ast.Add):
            out.append(ast.BinOp(ast.BinOp(left.left, op, right), ast.Add(),
                                 ast.BinOp(left.right, op, right)))
        if isinstance(op, ast.Mult) and isinstance(right, ast.BinOp) and isinstance(
                right.op, ast.Add):
            out.append(ast.BinOp(ast.BinOp(left, op, right.left), ast.Add(),
                                 ast.BinOp(left, op, right.right)))
        # A division moved: (x * y) / k and (x / k) * y.
        if isinstance(op, ast.Div) and isinstance(left, ast.BinOp) and isinstance(left.op, ast.Mult):
            out.append(ast.BinOp(ast.BinOp(left.left, ast.Div(), right), ast.Mult(), left.right))
            out.append(ast.BinOp(left.left, ast.Mult(), ast.BinOp(left.right, ast.Div(), right)))
        if isinstance(op, ast.Mult):
            for x, y in ((left, right), (right, left)):
                if isinstance(x, ast.BinOp) and isinstance(x.op, ast.Div):
                    out.append(ast.BinOp(ast.BinOp(x.left, ast.Mult(), y), ast.Div(), x.right))
        # A division by a constant turned into a product with its reciprocal (a power of two
        # gives the same double, so it is no wrong version).
        if isinstance(op, ast.Div) and _is_const(right):
            k = float(right.value)
            if math.frexp(k)[0] != 0.5:
                out.append(ast.BinOp(left, ast.Mult(), ast.Constant(1.0 / k)))
        # Powers through pow: a square, a cube as x * (x * x).
        if isinstance(op, ast.Mult) and ast.dump(left) == ast.dump(right):
            out.append(_call("pow", left, ast.Constant(2.0)))
        for x, y in ((left, right), (right, left)):
            if (isinstance(y, ast.BinOp) and isinstance(y.op, ast.Mult)
                    and ast.dump(y.left) == ast.dump(y.right) == ast.dump(x)):
                out.append(_call("pow", x, ast.Constant(3.0)))
    if isinstance(node, ast.Call) and node.func.id == "sqrt":
        inner = node.args[0]
        if isinstance(inner, ast.BinOp) and isinstance(inner.op, ast.Add):
            squares = [inner.left, inner.right]
            if all(isinstance(s, ast.BinOp) and isinstance(s.op, ast.Mult)
                   and ast.dump(s.left) == ast.dump(s.right) for s in squares):
                out.append(_call("hypot", squares[0].left, squares[1].left))
    if isinstance(node, ast.Name) and node.id in WRONG_CONSTANTS:
        out += [ast.Constant(v) for v in WRONG_CONSTANTS[node.id]]
    return out


def _rewrites(node):
    """Every tree with exactly one node rewritten."""
    for wrong in _local_rewrites(node):
        yield wrong
    for field, value in ast.iter_fields(node):
        if isinstance(value, ast.AST):
            for wrong in _rewrites(value):
                copy = _shallow(node)
                setattr(copy, field, wrong)
                yield copy
        elif isinstance(value, list):
            for i, item in enumerate(value):
                if isinstance(item, ast.AST):
                    for wrong in _rewrites(item):
                        copy = _shallow(node)
                        items = list(value)
                        items[i] = wrong
                        setattr(copy, field, items)
                        yield copy


def _canonical(node):
    """The expression as text, the same for any order of the operands of + and *."""
    if isinstance(node, ast.BinOp):
        parts = [_canonical(node.left), _canonical(node.right)]
        if isinstance(node.op, (ast.Add, ast.Mult)):
            parts.sort()
        return f"({parts[0]} {type(node.op).__name__} {parts[1]})"
    if isinstance(node, ast.UnaryOp):
        inner = _canonical(node.operand)
        return inner if isinstance(node.op, ast.UAdd) else f"(-{inner})"
    if isinstance(node, ast.Call):
        return f"{node.func.id}({', '.join(_canonical(a) for a in node.args)})"
    if isinstance(node, ast.Constant):
        return repr(float(node.value))
    return node.id


def _shallow(node):
    copy = type(node).__new__(type(node))
    copy.__dict__.update(node.__dict__)
    return copy


# ---- Evaluation --------------------------------------------------------------------------------

class Formula:
    def __init__(self, name, spec):
        params, body, constants, examples, extra = spec
        self.name = name
        self.params = params.split()
        self.examples = examples
        lets, expr = body if isinstance(body, tuple) else ([], body)
        self.env = dict(RUNTIME, **constants)
        self.right = self._compile(lets, expr)
        sources = {self._key(lets, expr)}
        self.wrong = []  # (description, callable)
        parts = [(n, ast.parse(e, mode="eval").body) for n, e in lets]
        parts.append((None, ast.parse(expr, mode="eval").body))
        for index, (_, tree) in enumerate(parts):
            for wrong in _rewrites(tree):
                changed = [(n, ast.unparse(wrong if i == index else t))
                           for i, (n, t) in enumerate(parts)]
                self._add_wrong(changed[:-1], changed[-1][1], sources)
        for text in extra:
            self._add_wrong(lets, text, sources)
        self._add_wrong(lets, f"nextup({expr})", sources)
        self._add_wrong(lets, f"nextdown({expr})", sources)

    @staticmethod
    def _key(lets, expr):
        return tuple(_canonical(ast.parse(e, mode="eval").body) for _, e in lets + [(0, expr)])

    def _add_wrong(self, lets, expr, sources):
        key = self._key(lets, expr)
        if key not in sources:
            sources.add(key)
            text = "".join(f"{n} = {e}; " for n, e in lets) + expr
            self.wrong.append((text, self._compile(lets, expr)))

    def _compile(self, lets, expr):
        lines = [f"def f({', '.join(self.params)}):"]
        lines += [f"    {n} = {e}" for n, e in lets]
        lines.append(f"    return {expr}")
        scope = dict(self.env)
        exec("\n".join(lines), scope)
        return scope["f"]


def same(x, y):
    """Bit equality, with every NaN the same (their sign and payload differ across machines)."""
    if math.isnan(x) or math.isnan(y):
        return math.isnan(x) and math.isnan(y)
    return x == y and math.copysign(1.0, x) == math.copysign(1.0, y)


def kills(formula, args, wrong):
    try:
        return not same(formula.right(*args), wrong(*args))
    except (OverflowError, ValueError, ZeroDivisionError):
        return True


SPECIAL = [0.0, -0.0, 1.0, -1.0, 5e-324, -5e-324, 2.0**-1040, 2.0**-520, 2.2250738585072014e-308,
           1e300, -1e300, 1.7976931348623157e308, 2.0**600, INF, -INF, NAN]


def candidates(arity, rng, count):
    """Argument tuples to search: everyday values, then mixtures reaching overflow and
    underflow, and the special values."""
    def one():
        kind = rng.random()
        if kind < 0.55:
            return rng.uniform(0.0, 10.0) if rng.random() < 0.9 else rng.uniform(-10.0, 10.0)
        if kind < 0.7:
            return math.ldexp(rng.uniform(1.0, 2.0), rng.randint(-30, 30))
        sign = -1.0 if rng.random() < 0.3 else 1.0
        if kind < 0.8:
            return sign * math.ldexp(rng.uniform(1.0, 2.0), rng.randint(480, 1023))
        if kind < 0.9:
            return sign * math.ldexp(rng.uniform(1.0, 2.0), rng.randint(-1074, -480))
        return rng.choice(SPECIAL)
    for _ in range(count):
        yield tuple(one() for _ in range(arity))


def choose_vectors(formula, rng):
    arity = len(formula.params)
    # Documented examples first, then the special tuples every formula is checked on.
    chosen = [tuple(float(a) for a in args) for args, _ in formula.examples]
    for value in (0.0, -0.0, 1.0, -1.5, 5e-324, 2.0**-520, 1e300, INF, -INF, NAN):
        chosen.append((value,) * arity)
    if arity > 1:
        chosen.append(tuple([INF] + [0.0] * (arity - 1)))
        chosen.append(tuple([0.0] * (arity - 1) + [NAN]))
    alive = list(range(len(formula.wrong)))
    killers = {}
    for args in chosen:
        alive = [i for i in alive if not kills(formula, args, formula.wrong[i][1])]
    # Search: keep a tuple when it tells some still-undistinguished wrong version apart; prefer
    # the tuple that tells most of them apart among a few in a row.
    pool = candidates(arity, rng, 60000)
    while alive:
        batch = list(itertools.islice(pool, 64))
        if not batch:
            break
        scored = [(sum(kills(formula, args, formula.wrong[i][1]) for i in alive), args)
                  for args in batch]
        best, args = max(scored, key=lambda s: s[0])
        if best:
            chosen.append(args)
            alive = [i for i in alive if not kills(formula, args, formula.wrong[i][1])]
    for i, (_, wrong) in enumerate(formula.wrong):
        killers[i] = sum(kills(formula, args, wrong) for args in chosen)
    return chosen, [formula.wrong[i][0] for i in alive], killers


def check_examples(formula):
    for args, expected in formula.examples:
        got = formula.right(*[float(a) for a in args])
        if not same(got, expected):
            sys.exit(f"{formula.name}{args}: the formula gives {got!r}, documented {expected!r}")


def render(formulas, report):
    lines = [
        "# Golden vectors of the formula libraries and the program's frustum arithmetic.",
        "# Written by tools/golden_vectors.py from the documented formulas; do not edit by hand.",
        "# A line: function, its arguments in order, '=', the exact result. Every number is the",
        "# shortest decimal that reads back as the same double; nan matches any NaN.",
    ]
    survivors = {}
    for formula in formulas:
        check_examples(formula)
        # Each formula searches with a stream of its own, so adding or removing a formula leaves
        # every other formula's vectors as they are.
        chosen, alive, killers = choose_vectors(formula, random.Random(f"20261208 {formula.name}"))
        survivors[formula.name] = alive
        lines.append("")
        lines.append(f"# {formula.name}({', '.join(formula.params)}): {len(formula.wrong)} wrong"
                     f" versions, {len(formula.wrong) - len(alive)} told apart")
        for text in alive:
            lines.append(f"#   same double for every input tried: {text}")
        for args in chosen:
            result = formula.right(*args)
            lines.append(" ".join([formula.name] + [repr(a) for a in args] + ["=", repr(result)]))
        if report:
            print(f"{formula.name}: {len(formula.wrong)} wrong versions, {len(chosen)} vectors")
            for i, (text, _) in enumerate(formula.wrong):
                print(f"   {'SURVIVES' if text in alive else 'killed by ' + str(killers[i]):>12}"
                      f"  {text}")
    return "\n".join(lines) + "\n", survivors


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true", help="write nothing: fail if "
                        "tests/golden/formulas.txt is not what this script writes")
    parser.add_argument("--report", action="store_true", help="write nothing: list, per formula, "
                        "the wrong versions and the tuples that tell each apart")
    args = parser.parse_args(argv)
    formulas = [Formula(name, spec) for name, spec in FORMULAS.items()]
    text, _ = render(formulas, args.report)
    if args.check:
        if OUTPUT.read_text() != text:
            sys.exit(f"{OUTPUT} is not what {sys.argv[0]} writes: run it again")
        print(f"{OUTPUT.name} is up to date")
    elif not args.report:
        OUTPUT.parent.mkdir(parents=True, exist_ok=True)
        OUTPUT.write_text(text)
        print(f"wrote {OUTPUT}")


if __name__ == "__main__":
    main(sys.argv[1:])
