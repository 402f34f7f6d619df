#!/usr/bin/env python3
"""The real program's tests: every session of tests/transcripts read from a file and answered word
by word over pipes, the ends of the real world (no, closed, huge and hostile input, a reader that
goes away, descriptors left non-blocking), and the key wait on a pseudo-terminal, alone or as a
job of an interactive shell. Every wait has a time limit, so a program that hangs fails its case.

    tests/program_test.py --list [--windows]   the cases (--windows: those Windows runs too)
    tests/program_test.py [--crlf] CASE PROGRAM [ARGUMENTS...]

PROGRAM with its ARGUMENTS starts the program (through an emulator, if any); --crlf reads its CR LF
line ends as LF.
"""
import atexit
import contextlib
import functools
import itertools
import os
import random
import re
import resource
import select
import shlex
import signal
import subprocess
import sys
import tempfile
import termios
import time

import pexpect

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import transcript  # noqa: E402

# Seconds: for anything, and for a program that must not wait for a key. A mutation run, whose
# mutants often hold a prompt back, sets a shorter first limit, still three times the slowest case.
LIMIT, QUICK = float(os.environ.get("SHAPECALC_TEST_LIMIT", 30)), 10
TEXT = transcript.texts()
OPENING = TEXT["start"] + TEXT["top_menu"] + TEXT["top_prompt"]
FAILED = TEXT["invalid_inputs"] + TEXT["farewell"]
WRITE_ERROR = b"Shapecalc: write error: %s\n"  # standard output lost: status 1, and this line
COMMAND, CRLF = [], False


class Skipped(Exception):
    """A case that cannot be played where the program runs: status 77, which ctest reports."""


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def eventually(done, what, limit=LIMIT):
    deadline = time.monotonic() + limit
    while not done():
        check(time.monotonic() < deadline, what)
        time.sleep(0.005)


# ---- over pipes and files -----------------------------------------------------------------------

class Piped:
    """The program with its output on a pipe that the test reads as it comes."""

    def __init__(self, stdin=subprocess.PIPE, stdout=subprocess.PIPE, **options):
        self.proc = subprocess.Popen(COMMAND, stdin=stdin, stdout=stdout, **options)
        atexit.register(self.proc.kill)  # none outlives its case, a hung one least of all
        self.fd = self.proc.stdout and self.proc.stdout.fileno()
        self.raw, self.closed = bytearray(), self.fd is None

    def output(self):
        return bytes(self.raw).replace(b"\r\n", b"\n") if CRLF else bytes(self.raw)

    def read_until(self, done=None, limit=LIMIT):
        """Reads until done(output) holds, or without done to the end of the output."""
        deadline = time.monotonic() + limit
        while not (done and done(self.output())) and not self.closed:
            check(time.monotonic() < deadline, f"no end of output after {limit} s")
            if select.select([self.fd], [], [], 0.05)[0]:
                chunk = os.read(self.fd, 1 << 20)
                self.raw += chunk
                self.closed = not chunk
        return not done or done(self.output())

    def send(self, data):  # false once the program has gone
        with contextlib.suppress(BrokenPipeError):
            return self.proc.stdin.write(data) and self.proc.stdin.flush() is None
        return False

    def finish(self, close=True):
        """Reads to the end and checks status 0; returns the peak memory in KiB."""
        if close and self.proc.stdin:
            self.proc.stdin.close()
        self.read_until()
        found = []
        eventually(lambda: found.append(os.wait4(self.proc.pid, os.WNOHANG)) or found[-1][0],
                   "still running")
        self.proc.returncode = code = os.waitstatus_to_exitcode(found[-1][1])
        check(code == 0, f"status {code}; the output ends {self.output()[-100:]!r}")
        return found[-1][2].ru_maxrss


def from_file(data, **options):
    """`Shapecalc < file`, ending with status 0: the program and its peak memory."""
    with tempfile.TemporaryFile() as file:
        file.writelines([data] if isinstance(data, bytes) else data)  # bytes, or their pieces
        file.seek(0)
        program = Piped(**{"stdin": file, **options})
        return program, program.finish()


def ends_well(data, expected, **options):
    out = from_file(data, **options)[0].output()
    check(out == expected, f"output differs:\n{out!r}\n{expected!r}")


def answered_word_by_word(name):
    """Each answer goes once the prompt that asks for it has arrived; at @end_of_input the program
    must be waiting, and elsewhere it must end by itself with its input still open."""
    blocks = transcript.session(name)
    expected = transcript.joined(blocks)[1]
    prompts = [m.end() for m in re.finditer(rb": ", expected)]
    program, shown, reached = Piped(), 0, 0
    for answers, output in blocks:
        check(program.read_until(lambda out: len(out) >= shown), "stopped before its answers")
        if answers is None:
            check(program.proc.poll() is None, "ended before the end of its input")
            program.proc.stdin.close()
        for answer in re.findall(rb"\s*\S+\s*|\s+", answers or b""):
            reached = next((p for p in prompts if p > reached), reached)
            check(program.read_until(lambda out: len(out) >= reached),
                  f"the prompt for {answer!r} never came: {program.output()[-80:]!r}")
            if not program.send(answer):
                break
        shown += len(output)
    check(program.read_until(lambda out: out == expected), f"output: {program.output()!r}")
    program.finish(close=False)


def calculations(count):
    """`count` circles of radius 7 (22/7 * 7 * 7 = 154) typed ahead, and the output they ask."""
    t = TEXT
    one = (t["plane_quantities"] + t["prompt"] + t["plane_list"] + t["prompt"] +
           b"\tLength of radius: " + t["area"] + b"154\n" + t["plane_list"] + t["prompt"] +
           t["plane_quantities"] + t["prompt"] + t["top_menu"] + t["top_prompt"])
    return b"2 2 12 7 0 0 " * count + b"exit\n", OPENING + one * count + t["farewell"]


def reader_goes_away(input_open):
    """`Shapecalc < big | head -c 100`: ends with status 0, its input mostly unread; or the same
    with its input a pipe that never closes, so that only the closed output can end it."""
    answers = b"2 2 " + b"12 7 " * 2000 if input_open else calculations(100000)[0]
    with tempfile.TemporaryFile() as file:
        file.write(answers)
        file.seek(0)
        program = Piped(stdin=subprocess.PIPE if input_open else file, stderr=subprocess.PIPE)
        check(not input_open or program.send(answers), "took no input")
        check(program.read_until(lambda out: out[:100] == OPENING[:100]), "another opening")
        os.close(program.fd)
        program.closed = True
        program.finish(close=False)
        unread = os.lseek(file.fileno(), 0, os.SEEK_CUR) < len(answers) // 4
        check(input_open or unread, "read on through its input with nobody reading its output")
        check(program.proc.stderr.read() == b"", "a reader gone is no error")


def output_lost(reason, **options):
    """`printf 'exit\\n' | Shapecalc > /dev/full`, or with its output closed: status 1, and one
    line on standard error that says why."""
    done = subprocess.run(COMMAND, input=b"exit\n", stderr=subprocess.PIPE, timeout=QUICK,
                          **options)
    error = done.stderr.replace(b"\r\n", b"\n") if CRLF else done.stderr
    check((done.returncode, error) == (1, WRITE_ERROR % reason),
          f"status {done.returncode}, standard error {done.stderr!r}")


def huge(content, expected, allowance=4096):
    """Input far larger than any buffer ends well, within the memory of a plain run (KiB)."""
    baseline = from_file(b"exit\n")[1]
    program, peak = from_file(content)
    check(expected(program.output()), f"output ends {program.output()[-100:]!r}")
    check(peak <= baseline + allowance, f"{peak} KiB at its peak, {baseline} KiB for a plain run")


def nonblocking_pipes():
    """Input and output left non-blocking: the first read finds nothing, and far more output than
    a pipe holds waits for the reader; nothing is lost, and the input's end, after reads that
    found nothing, is its end."""
    answers, expected = calculations(2000)
    answers, expected = answers[:-len(b"exit\n")], expected[:-len(TEXT["farewell"])] + FAILED
    (to_read, to_program), (from_program, to_write) = os.pipe(), os.pipe()
    for fd in to_read, to_write:
        os.set_blocking(fd, False)
    program = Piped(stdin=to_read, stdout=to_write)
    list(map(os.close, (to_read, to_write)))  # the program's ends
    program.fd, program.closed = from_program, False
    program.proc.stdin = os.fdopen(to_program, "wb")
    check(program.read_until(lambda out: out == OPENING), f"no opening: {program.output()!r}")
    asleep([program.proc.pid])
    program.send(answers)
    program.finish()
    check(program.output() == expected, f"{len(program.output())} of {len(expected)} bytes")


def state(pid):
    """The state letter of /proc: S asleep, T stopped, Z ended; empty when the process is gone."""
    with contextlib.suppress(OSError), open(f"/proc/{pid}/stat") as stat:  # gone, even now
        return stat.read().rsplit(")", 1)[1].split()[0]
    return ""


def asleep(pids):
    """Waits until each process sleeps in a system call: it has made its first read."""
    eventually(lambda: all(state(pid) in "SZ" for pid in pids), "never waited for input")


def members(group):
    return [int(p) for p in subprocess.run(["pgrep", "-g", str(group)], capture_output=True,
                                            text=True).stdout.split()]


# ---- at a terminal ------------------------------------------------------------------------------

class Terminal:
    """A new pseudo-terminal with `argv` (by default the program) in its foreground; the test
    holds the terminal's own side too, for its settings and for what is left unread on it."""

    def __init__(self, argv=None, descriptors=0, limit=0, **options):
        argv, self.screen = argv or COMMAND, b""
        if limit and {"ASAN_OPTIONS", "UBSAN_OPTIONS"} & set(os.environ):
            raise Skipped("the sanitizers' own checks need descriptors beyond the limit")

        def start():  # Signals at their defaults, as a shell starts a command: Python ignores
            # SIGPIPE and SIGXFSZ, and a script's background job SIGINT and SIGQUIT.
            for number in signal.SIGPIPE, signal.SIGXFSZ, signal.SIGINT, signal.SIGQUIT:
                signal.signal(number, signal.SIG_DFL)
            if descriptors:  # 3 to the number given left open by whoever started it
                resource.setrlimit(resource.RLIMIT_NOFILE, (descriptors + 64,) * 2)
                null = os.open(os.devnull, os.O_RDONLY)
                for fd in range(3, descriptors + 1):
                    os.dup2(null, fd) if fd != null else os.set_inheritable(fd, True)
            if limit:  # a soft limit on its descriptors
                resource.setrlimit(resource.RLIMIT_NOFILE,
                                   (limit, resource.getrlimit(resource.RLIMIT_NOFILE)[1]))
        self.child = pexpect.spawn(argv[0], argv[1:], timeout=LIMIT, **options, preexec_fn=start)
        # The terminal's own side, by the number of the test's side: the program may have ended.
        with open(f"/proc/self/fdinfo/{self.child.child_fd}") as info:
            pts = re.search(r"tty-index:\s*(\d+)", info.read())[1]
        self.tty = os.open(f"/dev/pts/{pts}", os.O_RDWR | os.O_NOCTTY)
        self.original, self.job = self.settings(), self.child.pid
        # Nothing of this terminal's session outlives the case: a job of its shell, a hung program,
        # the terminal closed or not.
        atexit.register(subprocess.run, ["pkill", "-KILL", "-s", str(self.child.pid)])

    def settings(self):
        attributes = termios.tcgetattr(self.tty)
        return attributes[3], attributes[6][termios.VMIN], attributes[6][termios.VTIME]

    def expect(self, text, limit=LIMIT):
        try:
            self.child.expect_exact(text, timeout=limit)
        except (pexpect.TIMEOUT, pexpect.EOF):
            check(False, f"never showed {text!r}; the screen ends {self.child.before[-150:]!r}")
        self.screen += self.child.before + self.child.after
        return self.child.before

    # The key wait's mode: no echo, no line editing, and no signal keys, unlike the shell's.
    def raw(self):
        return self.settings()[0] & (termios.ECHO | termios.ICANON | termios.ISIG) == 0

    def status(self, limit=LIMIT):
        """The status as a shell reports it: 128 + the signal that ended the program."""
        def ended():
            with contextlib.suppress(pexpect.TIMEOUT, pexpect.EOF, OSError, ValueError):
                self.screen += self.child.read_nonblocking(4096, 0.05)
            return not self.child.isalive()
        eventually(ended, f"still running after {limit} s", limit)
        code = self.child.signalstatus
        return self.child.exitstatus if code is None else 128 + code

    def job_status(self, limit=LIMIT):
        """The status of a job that has ended, as the shell reads it."""
        eventually(lambda: state(self.job) in ("", "Z"), "the job has not ended", limit)
        self.child.send(b'echo "status=$?"\n')
        with contextlib.suppress(pexpect.TIMEOUT, pexpect.EOF):
            self.child.expect(rb"status=(\d+)\r\n", timeout=limit)
            self.screen += self.child.before + self.child.after
            return int(self.child.match[1])
        check(False, f"no status; the screen ends {self.child.before[-150:]!r}")

    def left(self):
        """What the terminal still holds for the next reader: the shell."""
        saved = termios.tcgetattr(self.tty)
        raw = [*saved[:3], saved[3] & ~(termios.ICANON | termios.ECHO), *saved[4:6], saved[6][:]]
        raw[6][termios.VMIN], raw[6][termios.VTIME] = 0, 0
        termios.tcsetattr(self.tty, termios.TCSANOW, raw)
        left = os.read(self.tty, 4096)
        termios.tcsetattr(self.tty, termios.TCSANOW, saved)
        return left

    def stop(self):
        """Stops a job at the key wait: the program, then the job (the wrapper), as had the shell
        taken the terminal back first, the program's restoring would stop it for that instead; the
        settings are then as before."""
        eventually(self.raw, "no key wait")
        group = os.tcgetpgrp(self.child.child_fd)
        program = next(p for p in members(group) if p != group)
        os.kill(program, signal.SIGTSTP)
        eventually(lambda: state(program) == "T", "not stopped")
        os.kill(group, signal.SIGTSTP)
        self.play(["see", b"Stopped", b'echo "stopped: $([ "$(stty -g)" = "$s" ] && echo kept)"\n',
                   "see", b"stopped: kept"])

    def play(self, steps):
        """Plays the steps of tests/terminal_cases.txt (bytes, words and their arguments)."""
        steps = iter(steps)
        for step in steps:
            arg = next(steps) if step in ("see", "shown", "screen", "pause", "kill", "status",
                                          "result", "stty", "descriptors", "limit",
                                          "once") else None
            if isinstance(step, bytes):
                self.child.send(step)
            elif step == "see":
                self.expect(arg)
            elif step == "wait":
                eventually(lambda: self.raw() or not self.child.isalive(), "no key wait")
            elif step == "kill":
                if arg.startswith("RT") and os.path.basename(COMMAND[0]).startswith("qemu-"):
                    raise Skipped("qemu-user keeps real-time signals for itself")
                for name in arg.split(","):  # back to back
                    os.kill(self.job, signal.Signals["SIG" + name])
            elif step == "pause":
                time.sleep(float(arg))
            elif step == "status":  # "quickly": a program that must not wait for a key
                got = self.job_status() if self.job != self.child.pid else self.status(
                    QUICK if arg == "quickly" else LIMIT)
                check(got == (0 if arg == "quickly" else int(arg)), f"status {got}, not {arg}")
            elif step == "stop":
                self.stop()
            elif step == "stopped":
                eventually(lambda: state(self.job) == "T", "not stopped")
            elif step == "stty":  # as a command run before the program would leave them
                subprocess.run(["stty", *arg.split()], stdin=self.tty, check=True)
                self.original = self.settings()
            elif step == "result":
                eventually(lambda: os.path.getsize(self.result), "never ended")
                with open(self.result) as result:
                    got = result.read().strip()
                check(got == arg, f"status {got}, not {arg}")
            elif step == "hangup":
                list(map(os.close, (self.child.child_fd, self.tty)))
                self.child.child_fd, self.tty = -1, -1
            elif step not in (*STARTS, "descriptors", "limit"):
                check({"kept": lambda: self.settings() == self.original,
                       "clean": lambda: self.left() == b"",
                       "alive": lambda: state(self.job) in ("R", "S"),
                       "shown": lambda: arg in self.screen,
                       "once": lambda: self.screen.count(arg) == 1,
                       "screen": lambda: self.screen.replace(b"\r\n", b"\n") == arg}[step](),
                      f"not {step} {arg or ''}; the screen: {self.screen!r}")


def terminal_cases():
    """The cases of tests/terminal_cases.txt: name and steps."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "terminal_cases.txt")
    with open(path, "rb") as lines:
        return {name.decode(): [transcript.unescape(literal) if literal else word.decode() for
                                literal, word in re.findall(transcript.LITERAL + rb"|(\S+)", rest)]
                for name, rest in (line.split(b":", 1) for line in lines if line[:1].isalpha())}


def with_answers(answers, shell, steps):
    """`sh -c SHELL ANSWERS PROGRAM...` plays the steps: "$0" is a file of the answers."""
    with tempfile.NamedTemporaryFile() as file:
        file.write(answers)
        file.flush()
        Terminal(["sh", "-c", shell, file.name, *COMMAND]).play(steps)


def ended_at_a_terminal(name):
    """A session typed at a terminal without echo, where Ctrl-D ends the input. What was typed
    after the end is discarded when the wait begins; had the terminal passed it on only later, it
    was the key."""
    typed, expected = transcript.joined(transcript.session(name, transcript.FOLDER / "terminal"))
    Terminal().play(["stty", b"-echo", typed, "see", b"Press any key", "screen", expected, "wait",
                     b"k", "status", "0"])


def output_on_another_terminal():
    """Standard output on a terminal of its own: its bytes end with the farewell, and the new line
    after the key goes to the terminal the key came from, and only there."""
    screen, other = os.openpty()
    with_answers(b"exit\n", f'exec "$@" < "$0" > {os.ttyname(other)}',
                 ["wait", b"k", "status", "0", "screen", b"\n"])
    os.close(other)
    shown = os.read(screen, 4096)
    check(shown.endswith(TEXT["farewell"].replace(b"\n", b"\r\n")), f"its output: {shown!r}")


def without_a_terminal(on_a_terminal):
    """No controlling terminal (`setsid`, cron): no key can be read, so none is waited for,
    whether the farewell went to a pipe or to some terminal."""
    screen, other = os.openpty()
    program = from_file(b"exit\n", stdout=other if on_a_terminal else subprocess.PIPE,
                        start_new_session=True)[0]
    os.close(other)
    shown = os.read(screen, 4096) if on_a_terminal else program.output()
    check(b"Press any key" in shown, f"the farewell went elsewhere: {shown!r}")


# ---- as a job of an interactive shell -----------------------------------------------------------

KEPT = '; echo "status=$? $([ "$(stty -g)" = "$s" ] && echo kept)"'


# The interactive shells with job control: bash, which puts its own settings back whenever a job
# stops, and dash, which leaves them as the job left them.
SHELLS = {"shell": ["bash", "--norc", "--noprofile", "--noediting", "-i"], "dash": ["dash", "-i"]}


def shell(command, which="shell"):
    """An interactive shell that runs `command` ({} is the program) after noting the settings;
    what the command prints is told apart from the shell's echo of the line."""
    term = Terminal(SHELLS[which], env=dict(os.environ, PS1="$ ", HISTFILE="/dev/null", TERM="dumb"))
    term.play(["see", b"$ "])
    term.original = term.settings()  # the shell's
    term.play([f"s=$(stty -g); {command.format(shlex.join(COMMAND))}\n".encode()])
    return term


def as_a_job(which="shell"):
    """The program itself a job of the shell: signals go to it, and the shell reads its status."""
    term = shell("{}", which)
    eventually(lambda: os.tcgetpgrp(term.child.child_fd) != term.child.pid, "not started")
    term.job = os.tcgetpgrp(term.child.child_fd)
    return term


def job(kind="job"):
    """The program as a job of an interactive shell, in a wrapper that notes its status; as a
    nohup_job, with SIGHUP ignored, as nohup leaves it."""
    result = tempfile.NamedTemporaryFile()
    traps = "trap : HUP TERM" if kind == "job" else "trap \"\" HUP; trap : TERM"
    term = shell(f"sh -c '{traps}; \"$@\"; echo $? > {result.name}' sh {{}}")
    term.result, term.keep = result.name, result
    return term


# A case's first step, where it names how the program is started: a job of one of the shells, or
# a job in a wrapper that notes its status.
STARTS = {**{which: functools.partial(as_a_job, which) for which in SHELLS},
          **{kind: functools.partial(job, kind) for kind in ("job", "nohup_job")}}


def in_the_foreground(command):
    """Started by the shell as a command alone, as the last of a pipeline (its group's leader is
    another process), or with its descriptors left non-blocking: one key, unechoed, then the
    settings restored."""
    term = shell(command + KEPT)
    term.play(["see", b"Enter your Choice: "])
    asleep(members(os.tcgetpgrp(term.child.child_fd)))  # the job's group, once it has asked
    term.play([b"exit\n", "see", b"\n THANK YOU, for using this application.\r\n\r\n Press any key",
               "wait", b"k"])
    check(b"continueouly" not in term.screen, "invalid inputs where none were typed")
    check(b"k" not in term.expect(b"status=0 kept"), "the key was echoed")


# ---- the cases ----------------------------------------------------------------------------------

NONBLOCKING = (shlex.quote(sys.executable) + " -c 'import os, sys; os.set_blocking(0, False);"
               " os.set_blocking(1, False); os.execvp(sys.argv[1], sys.argv[1:])' {}")


# What Windows has no part in.
POSIX_ONLY = ("nonblocking", "terminal.", "no_terminal.")


def cases():
    table = {f"{kind}.{name}": functools.partial(run, name) for name in transcript.names()
             for kind, run in (("file", lambda n: ends_well(*transcript.joined(
                 transcript.session(n)))), ("pipe", answered_word_by_word))}
    table.update({
        "no_input.devnull": lambda: ends_well(b"", OPENING + FAILED, stdin=subprocess.DEVNULL),
        "no_input.closed": lambda: ends_well(b"", OPENING + FAILED, stdin=subprocess.DEVNULL,
                                             preexec_fn=lambda: os.close(0)),
        "reader_gone.input_unread": lambda: reader_goes_away(False),
        "reader_gone.input_open": lambda: reader_goes_away(True),
        "output_lost.devfull": lambda: output_lost(b"No space left on device",
                                                   stdout=open("/dev/full", "wb")),
        "output_lost.closed": lambda: output_lost(b"Bad file descriptor",
                                                  preexec_fn=lambda: os.close(1)),
        "huge.ten_megabyte_word": lambda: huge(b"w" * (10 << 20), lambda out: out == OPENING +
                                               TEXT["top_invalid"] + TEXT["top_prompt"] + FAILED),
        "huge.random_bytes": lambda: huge(random.Random(20261208).randbytes(10 << 20),
                                          lambda out: out.endswith(TEXT["farewell"])),
        "huge.many_calculations": lambda: huge(
            b"2 2 12 7 0 0 3 3 6 7 0 0 " * 100000 + b"exit\n",
            lambda out: out.endswith(TEXT["farewell"]) and TEXT["invalid_inputs"] not in out),
        # 6.99...9 in 10^8 digits, which rounds to 7, in no more memory than a short number; the
        # test never holds it whole, so its own memory stays out of the program's peak.
        "huge.hundred_megabyte_number": lambda: huge(itertools.chain(
            [calculations(1)[0].split(b" 7 ")[0] + b" 6"], itertools.repeat(b"9" * 10**6, 100),
            [b"e-%d " % 10**8 + calculations(1)[0].split(b" 7 ")[1]]),
            lambda out: out == calculations(1)[1], 1024),
        "nonblocking_pipes": nonblocking_pipes,
        "terminal.alone": lambda: in_the_foreground("{}"),
        "terminal.last_of_a_pipeline": lambda: in_the_foreground(": | {} < /dev/tty"),
        "terminal.nonblocking": lambda: in_the_foreground(NONBLOCKING),
        # `echo exit | Shapecalc &`: the farewell reaches the terminal, but a background job
        # neither reads a key nor changes the settings, and is not stopped for trying.
        "terminal.background": lambda: shell("echo exit | {} & wait $!" + KEPT).expect(
            b"status=0 kept", QUICK),
        # The answers from a file that also holds a spare key: the key still comes from the
        # terminal, where the farewell was shown.
        "terminal.key_from_the_terminal": lambda: with_answers(
            b"exit\nx", 'exec "$@" < "$0"',
            ["see", b"Press any key", "wait", "alive", b" ", "status", "0"]),
        # `echo exit | Shapecalc`: the answers' pipe, ended, is not the terminal the key comes from.
        "terminal.answers_from_a_pipe": lambda: Terminal(["sh", "-c", 'echo exit | "$@"', "sh",
                                                          *COMMAND]).play(
            ["see", b"Press any key", "wait", "pause", "0.2", "alive", b" ", "status", "0"]),
        # Started with SIGTERM ignored (nohup, trap '' TERM): it stays ignored at the key wait.
        "terminal.ignored_signal": lambda: with_answers(b"", "trap '' TERM; exec \"$@\"", [
            b"exit\n", "see", b"Press any key", "wait", "kill", "TERM", b"k", "status", "0"]),
        "terminal.output_on_another_terminal": output_on_another_terminal,
        "no_terminal.output_to_a_pipe": lambda: without_a_terminal(False),
        "no_terminal.output_on_a_terminal": lambda: without_a_terminal(True),
    })
    # `Shapecalc < answers > file` at a terminal: nobody saw the farewell, so no key is awaited;
    # a farewell that could not be written fails the run, and the terminal shows why.
    table["terminal.output_to_devnull"] = lambda: with_answers(
        b"exit\n", 'exec "$@" < "$0" > /dev/null', ["status", "quickly"])
    table["terminal.output_to_devfull"] = lambda: with_answers(
        b"exit\n", 'exec "$@" < "$0" > /dev/full',
        ["status", "1", "screen", WRITE_ERROR % b"No space left on device"])
    for name in transcript.names(transcript.FOLDER / "terminal"):
        table[f"terminal.ended.{name}"] = functools.partial(ended_at_a_terminal, name)
    for name, steps in terminal_cases().items():
        table[f"terminal.{name}"] = lambda s=steps: (
            STARTS[s[0]]() if s[0] in STARTS else
            Terminal(**{s[0]: int(s[1])} if s[0] in ("descriptors", "limit") else {})).play(s)
    return table


def main(argv):
    global COMMAND, CRLF
    if argv[:1] == ["--list"]:
        windows = "--windows" in argv
        return print("\n".join(n for n in cases() if not (windows and n.startswith(POSIX_ONLY))))
    CRLF = argv[0] == "--crlf"
    name, COMMAND = argv[CRLF], argv[CRLF + 1:]
    try:
        cases()[name]()
    except AssertionError as fault:
        print(f"{name}: {fault}")
        return 1
    except Skipped as reason:
        print(f"{name}: skipped: {reason}")
        return 77
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
