#!/usr/bin/env python3
"""Writes the page of figures (docs/figures.md), one drawing per figure (docs/figures/*.svg) and the
FIGURES section of the man page from one data file, docs/figures.json.

Each figure there has its drawing (outlines, and one mark per value a prompt asks for, named by
the prompt's own word) and one row per menu it is in: the answers that reach it, its prompts in
order (the program's texts, byte for byte) with what each value is, the formula and an example;
and, where the drawing needs words, a `caption` shown after the figure's listed name.

--check writes nothing. It fails when a written file is not what the data gives; when a row of a
figure menu has no entry in the data, so none in the page and the man page (the menu rows come
from the figure lists in tests/transcripts/fragments.txt, the tests' copy of the program's
texts); or when a drawing's label is not clear: each label's box (from its place, anchor, font
size and length) must lie inside the canvas less a margin, off every other label, and off every
stroke but the leader line that starts in it; or when a leader or a loop crosses a hidden
(`dash`) edge, or runs nearer to one than HIDDEN_GAP, so that it seems to be on it. Writing stops
with the same faults of the drawings, after writing.

A drawing is a list of items on a canvas of `size` [320, 210] (y grows downwards): outlines
(`poly`, `line`, `ellipse` [cx, cy, rx, ry], `arc` [cx, cy, rx, ry, from, to] with the angles in
degrees clockwise from the right, `dash` for hidden edges),
details (`corner` for a right angle, `ticks` for equal sides, `dot`, `leader` lines, `text` at
`at`), and the marks: `mark` (a prompt's word) along `from`-`to`, `offset` to one side, or with
its label placed at `at` with `anchor`; `area` with `points` for a value that is an area (its
`shade`, the fill's opacity, 0.2 if not given, tells faces apart), and `outline` with the
`points` of a loop drawn just outside what it goes round, for a perimeter;
`derived`, drawn as a mark in grey, for a length the program works out itself; `note` adds a
second line under a label. Every word a prompt asks for must be marked, and nothing else.

--run COMMAND... runs each row's example through the program (COMMAND, with any launcher before
it): the row's prompts must come in order, then the example's result line.
"""
import argparse
import html
import json
import math
import pathlib
import re
import subprocess
import sys

import transcript

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "docs/figures.json"
PAGE = ROOT / "docs/figures.md"
DRAWINGS = ROOT / "docs/figures"
MAN = ROOT / "Shapecalc/man/Shapecalc.1"
FRAGMENTS = transcript.FOLDER / "fragments.txt"

# The first two answers of a row: the branch and the quantity; and the figure list of that menu.
QUANTITIES = {"2 1": "Perimeter", "2 2": "Area", "3 1": "Curved/lateral surface area",
              "3 2": "Total surface area", "3 3": "Volume"}
MENU_LISTS = {"2 1": "plane_list", "2 2": "plane_list", "3 1": "curved_list",
              "3 2": "total_list", "3 3": "volume_list"}
COLOURS = ["#c0392b", "#1f5fa8", "#1e7e45", "#8e44ad", "#b9650b", "#0e7c86", "#a0306e"]
MAN_BEGIN = '.\\" FIGURES is written by tools/figures.py from docs/figures.json: edit those.\n'
MAN_END = '.\\" End of FIGURES.\n'


def word(prompt):
    """The word a prompt asks with: "\tLength of lenth: " -> lenth, "\tWidth : " -> Width."""
    text = prompt.strip("\t ").rstrip(":").rstrip()
    return text[len("Length of "):] if text.startswith("Length of ") else text


def shown(prompt):
    return prompt.strip("\t ")


def formula(row):
    """The formula, named as the result line names it: "Circumference = 2 × π × radius"."""
    return f"{row['example'][2].split(' = ')[0]} = {row['formula']}"


def words(figure):
    found = []
    for row in figure["rows"]:
        found += [word(p) for p, _ in row["prompts"] if word(p) not in found]
    return found


# ---- drawings -----------------------------------------------------------------------------------

def num(v):
    return f"{v:.1f}".rstrip("0").rstrip(".")


def pts(points):
    return " ".join(f"{num(x)},{num(y)}" for x, y in points)


def text(x, y, lines, colour, anchor="middle", size=13):
    out = []
    for i, line in enumerate(lines):
        s = size if i == 0 else size - 2
        style = "" if i == 0 else ' font-style="italic"'
        out.append(f'<text x="{num(x)}" y="{num(y + i * 13)}" fill="{colour}" font-size="{s}"'
                   f' text-anchor="{anchor}"{style} stroke="white" stroke-width="3"'
                   f' paint-order="stroke">{html.escape(line)}</text>')
    return out


def box(x, y, lines, anchor, size):
    """What a label may cover: 0.6 em a character (DejaVu Sans takes about 0.52), from 0.8 em above
    the first baseline to 0.25 em under the last, and 2 around for the halo."""
    width = max(len(line) * 0.6 * (size - 2 * (i > 0)) for i, line in enumerate(lines))
    left = x - width * {"start": 0, "middle": 0.5, "end": 1}[anchor]
    bottom = y + 13 * (len(lines) - 1) + 0.25 * size
    return left - 2, y - 0.8 * size - 2, left + width + 2, bottom + 2


def arc(cx, cy, rx, ry, start=0, end=360):
    """Points of an ellipse from angle start to end (degrees, clockwise from the right)."""
    return [(cx + rx * math.cos(math.radians(a)), cy + ry * math.sin(math.radians(a)))
            for a in (start + (end - start) * k / 72 for k in range(73))]


def head(x, y, ux, uy):
    """An arrowhead with its tip at x, y, pointing along ux, uy."""
    return [(x, y), (x - ux * 8 - uy * 3.5, y - uy * 8 + ux * 3.5),
            (x - ux * 8 + uy * 3.5, y - uy * 8 - ux * 3.5)]


def mark(item):
    """A length: its line, shifted off the figure by its offset, its heads and where its word
    goes."""
    (x1, y1), (x2, y2) = item["from"], item["to"]
    length = math.hypot(x2 - x1, y2 - y1)
    ux, uy = (x2 - x1) / length, (y2 - y1) / length
    nx, ny = -uy, ux
    off = item.get("offset", 0)
    x1, y1, x2, y2 = x1 + nx * off, y1 + ny * off, x2 + nx * off, y2 + ny * off
    ends, heads = [(x1, y1), (x2, y2)], [head(x1, y1, -ux, -uy), head(x2, y2, ux, uy)]
    lines = [item.get("mark") or item["derived"]] + ([item["note"]] if "note" in item else [])
    if "at" in item:
        return ends, heads, (*item["at"], lines, item.get("anchor", "middle"))
    side = math.copysign(1, off or item.get("side", 1))
    sx, sy = nx * side, ny * side
    x, y = (x1 + x2) / 2 + sx * 13, (y1 + y2) / 2 + sy * 13
    anchor = "start" if sx > 0.35 else "end" if sx < -0.35 else "middle"
    y += 10 if sy > 0.35 else -13 * (len(lines) - 1) if sy < -0.35 else 4.5 - 6.5 * (len(lines) - 1)
    return ends, heads, (x, y, lines, anchor)


def ticks(item):
    out = []
    for (x1, y1), (x2, y2) in item["ticks"]:
        length = math.hypot(x2 - x1, y2 - y1)
        ux, uy = (x2 - x1) / length, (y2 - y1) / length
        count = item.get("count", 1)
        for k in range(count):
            shift = (k - (count - 1) / 2) * 5
            mx, my = (x1 + x2) / 2 + ux * shift, (y1 + y2) / 2 + uy * shift
            out.append([(mx - uy * 5, my + ux * 5), (mx + uy * 5, my - ux * 5)])
    return out


def layout(name, width, height, labels, strokes):
    """Faults of a drawing's labels ((text, box)): in the margin of 3 round the canvas, on another
    label, or crossed by a stroke ((what, points)) other than a leader that starts in the label."""
    faults = []
    for i, (t, (x0, y0, x1, y1)) in enumerate(labels):
        edges = [e for e, out in (("left", x0 < 3), ("top", y0 < 3), ("right", x1 > width - 3),
                                  ("bottom", y1 > height - 3)) if out]
        faults += [f'{name}: label "{t}" is in the {" and ".join(edges)} margin'] if edges else []
        faults += [f'{name}: label "{t}" overlaps label "{u}"' for u, (a0, b0, a1, b1) in
                   labels[i + 1:] if x0 < a1 and a0 < x1 and y0 < b1 and b0 < y1]

        def within(x, y):
            return x0 <= x <= x1 and y0 <= y <= y1
        faults += [f'{name}: label "{t}" crosses {what}' for what in dict.fromkeys(
            what for what, points in strokes
            if not (what.startswith("the leader") and within(*points[0]))
            and any(within(px + (qx - px) * k / n, py + (qy - py) * k / n)
                    for (px, py), (qx, qy) in zip(points, points[1:])
                    for n in [math.ceil(math.hypot(qx - px, qy - py)) or 1] for k in range(n + 1)))]
    return faults


def apart(a, b, c, d):
    """How far apart the segments a-b and c-d are: 0 when they cross or touch."""
    def side(o, p, q):
        return (p[0] - o[0]) * (q[1] - o[1]) - (p[1] - o[1]) * (q[0] - o[0])
    if side(c, d, a) * side(c, d, b) < 0 and side(a, b, c) * side(a, b, d) < 0:
        return 0

    def off(p, a, b):
        dx, dy = b[0] - a[0], b[1] - a[1]
        t = max(0, min(1, ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / (dx * dx + dy * dy or 1)))
        return math.hypot(p[0] - a[0] - t * dx, p[1] - a[1] - t * dy)
    return min(off(a, c, d), off(b, c, d), off(c, a, b), off(d, a, b))


HIDDEN_GAP = 6  # nearer than this, a leader or loop reads as on the hidden edge: strokes are 2 wide


def hidden(name, paths, edges):
    """Faults of the leaders and loops ((what, points)) that cross a hidden edge ((what, points);
    a curve is named as a whole, a line by its segment there) or run so near one that they seem
    to be on it."""
    faults = []
    for what, points in paths:
        for edge, line in edges:
            gap, c, d = min((min(apart(a, b, c, d) for a, b in zip(points, points[1:])), c, d)
                            for c, d in zip(line, line[1:]))
            if edge.startswith(("poly", "line")):
                edge = f"[[{num(c[0])}, {num(c[1])}], [{num(d[0])}, {num(d[1])}]]"
            if gap == 0:
                faults.append(f"{name}: {what} crosses the hidden edge {edge}")
            elif gap < HIDDEN_GAP:
                faults.append(f"{name}: {what} runs {num(gap)} from the hidden edge {edge}, nearer"
                              f" than {HIDDEN_GAP}")
    return faults


# The points of each kind of stroke, for the layout check.
SHAPES = {"poly": lambda p: p + p[:1], "line": list, "corner": list, "leader": list,
          "arc": lambda a: arc(*a), "ellipse": lambda e: arc(*e),
          "dot": lambda d: arc(*d, 2.5, 2.5)}


def svg(figure):
    """The drawing, and the faults of its layout."""
    width, height = figure.get("size", [320, 210])
    colour = {w: COLOURS[i % len(COLOURS)] for i, w in enumerate(words(figure))}
    marked = {i.get("mark") or i.get("area") or i.get("outline") for i in figure["drawing"]}
    marked.discard(None)
    if marked != set(colour):
        sys.exit(f"{figure['name']}: marks {sorted(marked)} but prompts {sorted(colour)}")
    fills, lines, marks, labels, strokes, edges, paths = [], [], [], [], [], [], []

    def label(x, y, words, colour, anchor="middle", size=13):
        marks.extend(text(x, y, words, colour, anchor, size))
        labels.append((" / ".join(words), box(x, y, words, anchor, size)))

    for item in figure["drawing"]:
        for kind in SHAPES.keys() & item.keys():
            shown = json.dumps(item[kind])
            shown = f"{kind} " + (shown if len(shown) < 40 else
                                  json.dumps(item[kind][:2])[:-1] + " ...]")
            strokes.append(("the " + shown, SHAPES[kind](item[kind])))
            if item.get("dash") and kind in ("poly", "line", "arc", "ellipse"):
                edges.append((shown, SHAPES[kind](item[kind])))
        dash = ' stroke-dasharray="5 4" stroke="#777"' if item.get("dash") else ""
        if "area" in item:
            c = colour[item["area"]]
            fills.append(f'<polygon points="{pts(item["points"])}" fill="{c}"'
                         f' fill-opacity="{item.get("shade", 0.2)}"/>')
        elif "outline" in item:
            c, ring = colour[item["outline"]], item["points"] + item["points"][:1]
            marks.append(f'<polygon points="{pts(item["points"])}" fill="none" stroke="{c}"'
                         ' stroke-width="2" stroke-linejoin="round"/>')
            for (x1, y1), (x2, y2) in zip(ring, ring[1:]):  # a head on each side: all round
                length = math.hypot(x2 - x1, y2 - y1)
                if length > 30:
                    ux, uy = (x2 - x1) / length, (y2 - y1) / length
                    tip = head((x1 + x2) / 2 + ux * 4, (y1 + y2) / 2 + uy * 4, ux, uy)
                    marks.append(f'<polygon points="{pts(tip)}" fill="{c}"/>')
            strokes.append((f'the outline of "{item["outline"]}"', ring))
            paths.append((f'the loop of "{item["outline"]}"', ring))
        elif "poly" in item:
            lines.append(f'<polygon points="{pts(item["poly"])}"{dash}/>')
        elif "line" in item or "corner" in item:
            thin = ' stroke-width="1"' if "corner" in item else ""
            points = item.get("line") or item["corner"]
            lines.append(f'<polyline points="{pts(points)}"{thin}{dash}/>')
        elif "arc" in item:
            _, _, rx, ry, start, end = item["arc"]
            (x1, y1), *_, (x2, y2) = arc(*item["arc"])
            lines.append(f'<path d="M{num(x1)},{num(y1)} A{num(rx)},{num(ry)} 0'
                         f' {int(abs(end - start) > 180)} {int(end > start)} {num(x2)},{num(y2)}"'
                         f'{dash}/>')
        elif "ellipse" in item:
            cx, cy, rx, ry = map(num, item["ellipse"])
            lines.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}"{dash}/>')
        elif "ticks" in item:
            lines += [f'<polyline points="{pts(tick)}"/>' for tick in ticks(item)]
            strokes += [("the ticks", tick) for tick in ticks(item)]
        elif "dot" in item:
            x, y = map(num, item["dot"])
            lines.append(f'<circle cx="{x}" cy="{y}" r="2.5" fill="#333"/>')
        elif "leader" in item:
            marks.append(f'<polyline points="{pts(item["leader"])}" stroke="#999"'
                         ' stroke-width="1"/>')
        if "mark" in item or "derived" in item:
            c = colour[item["mark"]] if "mark" in item else "#555"
            ends, heads, at = mark(item)
            marks.append(f'<polyline points="{pts(ends)}" stroke="{c}" stroke-width="1.6"'
                         + (' stroke-dasharray="5 3"/>' if item.get("dash") else "/>"))
            marks += [f'<polygon points="{pts(h)}" fill="{c}"/>' for h in heads]
            strokes += [(f'the arrow of "{at[2][0]}"', points) for points in [ends] + heads]
            label(*at[:2], at[2], c, at[3])
        elif ("area" in item or "outline" in item) and "at" in item:
            name = item.get("area") or item["outline"]
            label(*item["at"], [name] + ([item["note"]] if "note" in item else []), colour[name],
                  item.get("anchor", "middle"))
        elif "text" in item:
            label(*item["at"], [item["text"]], "#555", item.get("anchor", "middle"), 11)
    for item in figure["drawing"]:  # a leader is named by the label it starts at
        if "leader" in item:
            (x, y), nearest = item["leader"][0], (8, f"the leader {json.dumps(item['leader'])}")
            for t, (x0, y0, x1, y1) in labels:
                nearest = min(nearest, (math.hypot(max(x0 - x, 0, x - x1), max(y0 - y, 0, y - y1)),
                                        f'the leader of "{t}"'))
            paths.append((nearest[1], item["leader"]))
    title = f"{figure['name']}: {', '.join(colour)}"
    return "\n".join(
        [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}"'
         f' viewBox="0 0 {width} {height}" font-family="DejaVu Sans, Verdana, sans-serif">',
         f"<title>{html.escape(title)}</title>",
         f'<rect width="{width}" height="{height}" fill="white"/>']
        + fills
        + ['<g fill="none" stroke="#222" stroke-width="2" stroke-linejoin="round">']
        + lines + ["</g>"] + marks + ["</svg>", ""]), layout(
            f"{figure['file']}.svg", width, height, labels, strokes) + hidden(
            f"{figure['file']}.svg", paths, edges)


# ---- the page -----------------------------------------------------------------------------------

def families(data):
    plane = [f for f in data["figures"] if f["rows"][0]["answers"].startswith("2")]
    solid = [f for f in data["figures"] if f not in plane]
    return (("Plane figures", plane), ("Solid figures", solid))


def page(data):
    out = ["# What to type for each figure", "",
           "<!-- Written by tools/figures.py from docs/figures.json: edit those, not this"
           " page. -->",
           "",
           "Each figure below is drawn with every value its prompts ask for, marked in colour and "
           "named by the word the prompt uses (the prompts keep the program's own spelling). "
           "With it, for each menu the figure is in: the answers that reach it from the top "
           "menu, its prompts in the order they come, what to type at each, the formula and one "
           "worked example, computed by [the rules of the arithmetic]"
           "(ARCHITECTURE.md#the-rules-of-the-arithmetic) and printed with six significant "
           "digits. An example can be typed ahead on one line: `2 2 12 7` at the top menu prints "
           "`Area = 154`."
           " A length that cannot be read (letters, the end of input, or a number too large for "
           "a double, such as `1e400`) gives no result line: the remaining prompts come, then the "
           "figure list, and the program ends.", ""]
    for family, figures in families(data):
        # One line a figure: its answers in each menu, linked to its section.
        menus = [q for q in QUANTITIES if any(r["answers"].startswith(q)
                                               for f in figures for r in f["rows"])]
        out += [f"## {family}", "",
                "| Figure | " + " | ".join(QUANTITIES[q] for q in menus) + " |",
                "|---" * (len(menus) + 1) + "|"]
        for figure in figures:
            answers = {r["answers"][:3]: r["answers"] for r in figure["rows"]}
            anchor = re.sub(r"[^a-z0-9 -]", "", figure["name"].lower()).replace(" ", "-")
            out.append(f"| [{figure['name']}](#{anchor}) | " + " | ".join(
                f"`{answers[q]}`" if q in answers else "not in the menus" for q in menus) + " |")
        out.append("")
        for figure in figures:
            out += [f"### {figure['name']}", "",
                    f"Listed as `{figure['listed']}`." + (f" {figure['caption']}"
                                                          if "caption" in figure else ""), "",
                    f"![{figure['name']}: {', '.join(words(figure))}]"
                    f"(figures/{figure['file']}.svg)",
                    "",
                    "| Answers | Prompts in order: what to type | Formula | Example |",
                    "|---|---|---|---|"]
            for row in figure["rows"]:
                prompts = "<br>".join(f"{i}. `{shown(p)}` {meaning}"
                                      for i, (p, meaning) in enumerate(row["prompts"], 1))
                typed, working, prints = row["example"]
                quantity = QUANTITIES[row["answers"][:3]]
                out.append(f"| `{row['answers']}` {quantity} | {prompts} | {formula(row)} | "
                           f"`{row['answers']} {typed}` prints `{prints}`: {working} |")
            out.append("")
    return "\n".join(out)


# ---- the man page section -----------------------------------------------------------------------

ROFF = {"\\": "\\e", "×": "\\(mu", "÷": "\\(di", "√": "\\(sr", "π": "\\(*p", "²": "\\(S2",
        "−": "\\-", "-": "\\-"}


def roff(s):
    return "".join(ROFF.get(c, c) for c in s)


def man_section(data):
    out = [MAN_BEGIN, ".SH FIGURES\n", ".ad l\n",
           "For each figure: the answers that reach it from the top menu, the quantity and its\n",
           "formula, then each prompt in the order it comes and what to type there.\n",
           "The page docs/figures.md in the source shows each figure drawn, with a worked\n",
           "example.\n"]
    for _, figures in families(data):
        for figure in figures:
            out += [f'.SS "{figure["name"]}"\n', f"Listed as \\fI{figure['listed']}\\fR.\n"]
            out += [f"\\&{roff(figure['caption'])}\n"] if "caption" in figure else []
            for row in figure["rows"]:
                out += [".TP\n", f"\\fB{row['answers']}\\fR\n",
                        f"{roff(formula(row))}\n"]
                for p, meaning in row["prompts"]:
                    out += [".br\n", f"\\fI{roff(shown(p))}\\fR {roff(meaning)}\n"]
    return "".join(out + [".ad b\n", MAN_END])


def with_man_section(man, section):
    before, rest = man.split(MAN_BEGIN, 1)
    return before + section + rest.split(MAN_END, 1)[1]


# ---- the check ----------------------------------------------------------------------------------

def menu_rows():
    """(answers, listed name) of every figure-menu row, from the tests' copy of the texts."""
    texts = transcript.texts()
    return {(f"{quantity} {number}", listed) for quantity, frag in MENU_LISTS.items()
            for number, listed in re.findall(r"(\d+)\. ?(\w+)", texts[frag].decode())}


def entries(text, heading, listed, answers):
    """(answers, listed name) of every entry: a section that names its figure and its answers."""
    return {(a, name) for part in re.split(heading, text)
            for name in re.findall(listed, part) for a in re.findall(answers, part)}


def check(data, written):
    faults = [f"{path.relative_to(ROOT)} is not what {DATA.relative_to(ROOT)} gives: "
              "run tools/figures.py" for path, content in written.items()
              if not path.exists() or path.read_text() != content]
    faults += [f"{path.relative_to(ROOT)} is drawn from no figure"
               for path in DRAWINGS.glob("*.svg") if path not in written]
    rows = menu_rows()
    for path, found in (
            (PAGE, entries(written[PAGE], r"\n##+ ", r"Listed as `(\w+)`", r"\| `(\d \d \d+)` ")),
            (MAN, entries(written[MAN], r"\n\.S[SH] ", r"Listed as \\fI(\w+)\\fR",
                          r"\\fB(\d \d \d+)\\fR"))):
        faults += [f"{DATA.relative_to(ROOT)}: no entry for the menu row {a} {n}, so none in "
                   f"{path.relative_to(ROOT)}" for a, n in sorted(rows - found)]
        faults += [f"{DATA.relative_to(ROOT)}: an entry (in {path.relative_to(ROOT)}) for {a} {n}, "
                   f"which no figure list in {FRAGMENTS.relative_to(ROOT)} has"
                   for a, n in sorted(found - rows)]
    return faults


def run(data, command):
    """Faults of the examples as the program answers them."""
    faults = []
    for figure in data["figures"]:
        for row in figure["rows"]:
            answers = f"{row['answers']} {row['example'][0]} 0 0 exit\n"
            expected = "".join(p for p, _ in row["prompts"]) + f"\n\t{row['example'][2]}\n"
            out = subprocess.run(command, input=answers.encode(), stdout=subprocess.PIPE,
                                 timeout=60).stdout.decode(errors="replace").replace("\r\n", "\n")
            if expected not in out:
                faults.append(f"{figure['name']}, {answers.strip()}: expected {expected!r} in the "
                              f"output; the row in {DATA.relative_to(ROOT)} or the menu file")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--check", action="store_true", help="write nothing: fail when a written "
                        "file is not what the data gives, a menu row has no entry, or a label is "
                        "not clear")
    parser.add_argument("--run", nargs=argparse.REMAINDER, help="the rest is the program's "
                        "command (any launcher first): run each row's example through it, which "
                        "must give the row's prompts in order, then the example's result line")
    args = parser.parse_args()
    data = json.loads(DATA.read_text())
    if args.run is not None:
        faults = run(data, args.run)
        print("\n".join(faults) if faults else "figures: every example as the program answers it")
        return 1 if faults else 0
    drawn = {DRAWINGS / f"{f['file']}.svg": svg(f) for f in data["figures"]}
    written = {path: content for path, (content, _) in drawn.items()}
    misplaced = [fault for _, faults in drawn.values() for fault in faults]
    written[PAGE] = page(data)
    written[MAN] = with_man_section(MAN.read_text(), man_section(data))
    if args.check:
        faults = check(data, written) + misplaced
        print("\n".join(faults) if faults else
              f"figures: {len(data['figures'])} figures, every menu row in the page and the man"
              " page, every label clear")
        return 1 if faults else 0
    DRAWINGS.mkdir(exist_ok=True)
    for path, content in written.items():
        path.write_text(content)
    if misplaced:
        sys.exit("\n".join(misplaced))
    return 0


if __name__ == "__main__":
    sys.exit(main())
