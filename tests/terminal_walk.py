#!/usr/bin/env python3
"""A bounded random walk over the key wait, the program itself a job of an interactive bash:
stops (TSTP, TTIN, TTOU alone or in bursts, STOP), continues (fg, bg, kill -CONT from outside),
harmless signals (WINCH, URG, CONT in the foreground), then a key or an ending signal. After each
event, within WITHIN seconds: while the shell holds the terminal, the program is stopped and the
settings are the shell's; while the wait is in the foreground, it runs in the wait's mode; the
program ends once, with the status its last event calls for; "Press any key" is shown once, and
once more at each fg.

    tests/terminal_walk.py [--seed N] [--walks W] [--events E] PROGRAM [ARGUMENTS...]

Walk k plays the events drawn from seed N + k, so a failing walk, printed with its seed and
events, plays again with `--seed THAT --walks 1`.
"""
import argparse
import itertools
import os
import random
import signal
import sys
import time

import program_test
from program_test import check, eventually, state

WITHIN = 5  # seconds
SETTLE = 0.1  # seconds a harmless event or a continue is given to go wrong
STOPS = ("TSTP", "TTIN", "TTOU")
ENDINGS = {"TERM": 143, "INT": 130, "QUIT": 131, "USR1": 138, "HUP": 0}  # HUP: the wait ends
KEYS = (b"k", b"\x1b[A", b"\x03", b"\xc3\xa9")


def draw(rng, running):
    """An event that may come next: what, its argument, and whether the wait is then in the
    foreground."""
    if running:
        return rng.choice([("kill", rng.choice(STOPS + ("STOP",)), False),
                           ("kill", ",".join(rng.choices(STOPS, k=rng.randint(2, 4))), False),
                           ("kill", rng.choice(("WINCH", "URG", "CONT")), True)])
    return rng.choice([("type", "fg", True), ("type", "fg", True), ("type", "bg", False),
                       ("kill", "CONT", False),
                       ("kill", rng.choice(STOPS + ("WINCH", "URG")), False)])


def last(rng, running):
    """The last event and the status it calls for: a key or an ending signal at the wait, or an
    ending signal while stopped, which acts once fg continues the program."""
    name = rng.choice(list(ENDINGS))
    if running and rng.random() < 0.5:
        return ("key", rng.choice(KEYS)), 0
    return ("kill", name), ENDINGS[name]


def walk(rng, count, played):
    """One walk: `count` events and the last, each added to `played` as it is played."""
    term, shown, running = program_test.as_a_job(), 1, True
    syncs = itertools.count()

    def at_the_wait():
        return (term.raw() and state(term.job) in ("R", "S") and
                os.tcgetpgrp(term.child.child_fd) == term.job)

    try:
        term.play([b"exit\n", "see", b"Press any key", "wait"])
        for number in range(count + 1):
            if number < count:
                what, arg, running = draw(rng, running)
            else:
                (what, arg), expected = last(rng, running)
            played.append(f"{what} {arg!r}" if what == "key" else f"{what} {arg}")
            if what == "kill":
                for name in arg.split(","):
                    os.kill(term.job, signal.Signals["SIG" + name])
            else:
                term.child.send(arg if what == "key" else arg.encode() + b"\n")
            if number == count:
                if not running:
                    played.append("type fg")
                    term.child.send(b"fg\n")
                break
            if arg == "fg":
                term.expect(b"\r\n Press any key", WITHIN)
                shown += 1
            if running:  # and still so a moment later
                eventually(at_the_wait, "not at the key wait", WITHIN)
                time.sleep(SETTLE)
                check(at_the_wait(), "left the key wait")
            else:  # each time the shell has read what came before: bg, the stop it reports
                for sync in next(syncs), next(syncs):
                    eventually(lambda: state(term.job) == "T", "not stopped", WITHIN)
                    term.child.send(b"echo sync$((%d))\n" % sync)
                    term.expect(b"sync%d\r\n" % sync, WITHIN)
                check(term.settings() == term.original, "not the shell's settings")
        got = term.job_status(WITHIN)
        check(got == expected, f"status {got}, not {expected}")
        check(term.settings() == term.original, "not the shell's settings after the end")
        shows = term.screen.count(b"Press any key")
        check(shows == shown, f"\"Press any key\" shown {shows} times, not {shown}")
    finally:
        if state(term.job) not in ("", "Z"):
            os.kill(term.job, signal.SIGKILL)
        term.child.close(force=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=20260414)
    parser.add_argument("--walks", type=int, default=12)
    parser.add_argument("--events", type=int, default=10, help="events before the last")
    parser.add_argument("program", nargs="+")
    args = parser.parse_args()
    program_test.COMMAND = args.program
    started = time.monotonic()
    for seed in range(args.seed, args.seed + args.walks):
        played = []
        try:
            walk(random.Random(seed), args.events, played)
        except (AssertionError, OSError) as fault:
            print(f"walk of seed {seed} (--seed {seed} --walks 1): {fault}\n  events: "
                  + "; ".join(played))
            return 1
    print(f"{args.walks} walks of {args.events + 1} events from seed {args.seed}: passed in"
          f" {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
