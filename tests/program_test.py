#!/usr/bin/env python3
"""The real program's tests: every session of tests/transcripts read from a file and answered word
by word over pipes, the ends of the real world (no, closed, huge and hostile input, a reader that
goes away, descriptors left non-blocking), and the key wait on a pseudo-terminal, alone or as a
job of an interactive shell. Every wait has a time limit, so a program that hangs fails its case.

    tests/program_test.py --list [--windows]   the cases (--windows: those Windows runs too)
    tests/program_test.py [--crlf] CASE PROGRAM [ARGUMENTS...]

PROGRAM with its ARGUMENTS starts the program (through an emulator, if any); --crlf reads its CR LF
line ends as LF. The case's name says what failed; its message, how.
"""
import os
import random
import re
import select
import shlex
import signal
import subprocess
import sys
import tempfile
import termios
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
import transcript  # noqa: E402

LIMIT = 30  # seconds: never reached by a program that works
QUICK = 5  # seconds for a program that must not wait for a key
TEXT = transcript.texts()
OPENING = TEXT["start"] + TEXT["top_menu"] + TEXT["top_prompt"]
FAREWELL = TEXT["farewell"]
FAILED = TEXT["invalid_inputs"] + FAREWELL
COMMAND, CRLF = [], False


class Fault(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Fault(message)


def status_of(wait_status):
    """The status as a shell reports it: 128 + the signal that ended the program."""
    code = os.waitstatus_to_exitcode(wait_status)
    return 128 - code if code < 0 else code


# ---- over pipes and files -----------------------------------------------------------------------

class Piped:
    """The program with its output on a pipe the test reads as it comes."""

    def __init__(self, stdin=subprocess.PIPE, stdout=subprocess.PIPE, **options):
        self.proc = subprocess.Popen(COMMAND, stdin=stdin, stdout=stdout, **options)
        self.fd = self.proc.stdout.fileno() if self.proc.stdout else None
        self.raw, self.closed = bytearray(), self.fd is None

    def output(self):
        out = bytes(self.raw)
        return out.replace(b"\r\n", b"\n") if CRLF else out

    def read_until(self, done, limit=LIMIT):
        """Reads until done(output) holds or the output ends; done is None: to the end."""
        deadline = time.monotonic() + limit
        while not (done and done(self.output())) and not self.closed:
            check(time.monotonic() < deadline, f"no end of output after {limit} s")
            if select.select([self.fd], [], [], 0.05)[0]:
                chunk = os.read(self.fd, 1 << 20)
                self.raw += chunk
                self.closed = not chunk
        return not done or done(self.output())

    def send(self, data):
        try:
            self.proc.stdin.write(data)
            self.proc.stdin.flush()
            return True
        except BrokenPipeError:
            return False

    def finish(self, close=True, limit=LIMIT):
        """Reads to the end; returns the status and the peak memory in KiB."""
        if close and self.proc.stdin:
            self.proc.stdin.close()
        self.read_until(None, limit)
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline:
            pid, status, usage = os.wait4(self.proc.pid, os.WNOHANG)
            if pid:
                self.proc.returncode = 0
                return status_of(status), usage.ru_maxrss
            time.sleep(0.01)
        self.proc.kill()
        raise Fault(f"still running after {limit} s")


def from_file(data, stdin=None, **options):
    """`Shapecalc < file`: the program, its status and its peak memory."""
    with tempfile.TemporaryFile() as file:
        file.write(data)
        file.seek(0)
        program = Piped(stdin=file if stdin is None else stdin, **options)
        return (program,) + program.finish()


def ends_well(data, expected, **options):
    program, status, _ = from_file(data, **options)
    check(status == 0, f"status {status}")
    check(program.output() == expected, f"output differs:\n{program.output()!r}\n{expected!r}")


def answered_word_by_word(name):
    """Each answer is sent once the prompt that asks for it has arrived; at @end_of_input the
    program must be waiting, and elsewhere it must end with its input still open."""
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
    status, _ = program.finish(close=False)
    check(status == 0, f"status {status}")


def calculations(count):
    """`count` circles of radius 7 (22/7 * 7 * 7 = 154) typed ahead, and the output they ask."""
    t = TEXT
    one = (t["plane_quantities"] + t["prompt"] + t["plane_list"] + t["prompt"] +
           b"\tLength of radius: " + t["area"] + b"154\n" + t["plane_list"] + t["prompt"] +
           t["plane_quantities"] + t["prompt"] + t["top_menu"] + t["top_prompt"])
    return b"2 2 12 7 0 0 " * count + b"exit\n", OPENING + one * count + FAREWELL


def reader_goes_away(input_open):
    """`Shapecalc < big | head -c 100`: ends with status 0, its input mostly unread; or the same
    with its input a pipe that never closes, so that only the closed output can end it."""
    answers = b"2 2 " + b"12 7 " * 2000 if input_open else calculations(100000)[0]
    with tempfile.TemporaryFile() as file:
        file.write(answers)
        file.seek(0)
        program = Piped(stdin=subprocess.PIPE if input_open else file)
        if input_open:
            program.send(answers)
        check(program.read_until(lambda out: len(out) >= 100), "no output")
        check(program.output()[:100] == OPENING[:100], "another opening")
        os.close(program.fd)
        program.closed = True
        status, _ = program.finish(close=False)
        check(status == 0, f"status {status}")
        unread = os.lseek(file.fileno(), 0, os.SEEK_CUR) < len(answers) // 4
        check(input_open or unread, "read on through its input with nobody reading its output")


def huge(content, expected):
    """Input far larger than any buffer ends well, within the memory of a plain run."""
    baseline = from_file(b"exit\n")[2]
    program, status, peak = from_file(content)
    check(status == 0, f"status {status}")
    check(expected(program.output()), f"output ends {program.output()[-100:]!r}")
    check(peak < baseline + 4096, f"{peak} KiB at its peak, {baseline} KiB for a plain run")


def state(pid):
    """The state letter of /proc: S asleep, T stopped, Z ended; empty when the process is gone."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0]
    except FileNotFoundError:
        return ""


def nonblocking_pipes():
    """Input and output left non-blocking: the first read finds nothing, and far more output than
    a pipe holds waits for the reader; nothing is lost."""
    answers, expected = calculations(2000)
    to_read, to_program = os.pipe()
    from_program, to_write = os.pipe()
    for fd in to_read, to_write:
        os.set_blocking(fd, False)
    program = Piped(stdin=to_read, stdout=to_write)
    os.close(to_read)
    os.close(to_write)
    program.fd, program.closed = from_program, False
    program.proc.stdin = os.fdopen(to_program, "wb")
    check(program.read_until(lambda out: out == OPENING), f"no opening: {program.output()!r}")
    check(asleep([program.proc.pid]), "never waited for input")
    program.send(answers)
    status, _ = program.finish(close=False)
    check(status == 0 and program.output() == expected, f"status {status}, "
          f"{len(program.output())} of {len(expected)} bytes")


def asleep(pids):
    """Waits until each process sleeps in a system call (its read), as /proc tells."""
    deadline = time.monotonic() + LIMIT
    while time.monotonic() < deadline:
        if all(state(pid) in "SZ" for pid in pids):
            return True
        time.sleep(0.01)
    return False


def default_signals():
    """As a shell starts a command: SIGPIPE at its default, which Python ignores."""
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)


# ---- at a terminal ------------------------------------------------------------------------------

class Terminal:
    """A new pseudo-terminal with `argv` (by default the program) in its foreground; the test
    holds the terminal's own side too, for its settings and for what is left unread on it."""

    def __init__(self, argv=None, **options):
        import pexpect
        self.pexpect, self.screen = pexpect, b""
        self.child = pexpect.spawn((argv or COMMAND)[0], (argv or COMMAND)[1:], timeout=LIMIT,
                                   preexec_fn=default_signals, **options)
        self.tty = os.open(os.readlink(f"/proc/{self.child.pid}/fd/2"), os.O_RDWR | os.O_NOCTTY)
        self.original = self.settings()

    def settings(self):
        attributes = termios.tcgetattr(self.tty)
        return attributes[3], attributes[6][termios.VMIN], attributes[6][termios.VTIME]

    def type(self, keys):
        self.child.send(keys)

    def expect(self, text, limit=LIMIT):
        try:
            self.child.expect_exact(text, timeout=limit)
        except (self.pexpect.TIMEOUT, self.pexpect.EOF):
            raise Fault(f"never showed {text!r}; the screen ends {self.child.before[-150:]!r}")
        self.screen += self.child.before + self.child.after
        return self.child.before

    def eventually(self, done, what):
        deadline = time.monotonic() + LIMIT
        while not done():
            check(time.monotonic() < deadline, what)
            time.sleep(0.005)

    def raw(self):
        """In the key wait's mode: no echo, no line editing, no signal keys (which a shell's line
        editor keeps)."""
        return self.settings()[0] & (termios.ECHO | termios.ICANON | termios.ISIG) == 0

    def reach_key_wait(self, answers=b"exit\n"):
        self.type(answers)
        self.expect(b"Press any key")
        self.eventually(self.raw, "the key wait never turned echo and line editing off")

    def status(self, limit=LIMIT):
        deadline = time.monotonic() + limit
        while self.child.isalive():
            if time.monotonic() > deadline:
                self.child.kill(signal.SIGKILL)
                raise Fault(f"still running after {limit} s")
            try:
                self.screen += self.child.read_nonblocking(4096, 0.05)
            except (self.pexpect.TIMEOUT, self.pexpect.EOF, OSError, ValueError):
                pass
        code = self.child.signalstatus
        return self.child.exitstatus if code is None else 128 + code

    def ends(self, status=0, kept=True):
        got = self.status()
        check(got == status, f"status {got}, not {status}")
        check(not kept or self.settings() == self.original, "the terminal's settings changed")

    def left(self):
        """What the terminal still holds for the next reader: the shell."""
        saved = termios.tcgetattr(self.tty)
        raw = list(saved)
        raw[3] &= ~(termios.ICANON | termios.ECHO)
        raw[6][termios.VMIN], raw[6][termios.VTIME] = 0, 0
        termios.tcsetattr(self.tty, termios.TCSANOW, raw)
        left = os.read(self.tty, 4096)
        termios.tcsetattr(self.tty, termios.TCSANOW, saved)
        return left

    def hang_up(self):
        os.close(self.child.child_fd)
        os.close(self.tty)
        self.child.child_fd, self.tty = -1, -1


def whole_key(*pieces):
    """A key typed at the wait, its bytes in pieces a few milliseconds apart as over a slow link:
    the key is consumed whole, and nothing of it is left for the shell."""
    term = Terminal()
    term.reach_key_wait()
    for piece in pieces:
        term.type(piece)
        time.sleep(0.01)
    term.ends(kept=len(pieces) == 1)
    check(term.left() == b"", f"left for the shell: {term.left()!r}")


def ended_at_a_terminal(name):
    """A session typed at a terminal without echo, where Ctrl-D ends the input."""
    term = Terminal()
    no_echo = termios.tcgetattr(term.tty)
    no_echo[3] &= ~termios.ECHO
    termios.tcsetattr(term.tty, termios.TCSANOW, no_echo)
    term.original = term.settings()
    typed, expected = transcript.joined(transcript.session(name, transcript.FOLDER / "terminal"))
    term.type(typed)
    term.expect(b"Press any key")
    check(term.screen.replace(b"\r\n", b"\n") == expected, f"screen: {term.screen!r}")
    # What was typed after the end is discarded when the wait begins; had the terminal passed it
    # on only later, it was the key.
    term.eventually(lambda: term.raw() or not term.child.isalive(), "no key wait")
    term.type(b"k")
    term.ends(kept=False)


def signalled_at_the_wait(sig, status):
    term = Terminal()
    term.reach_key_wait()
    os.kill(term.child.pid, sig)
    term.ends(status)


def wrapped(shell, *args):
    """Argv for `sh -c SHELL` with the program as "$@" after ARGS."""
    return ["sh", "-c", shell, *args, *COMMAND]


def key_from_the_terminal():
    """Answers from a file that also holds a spare key: the key still comes from the terminal,
    where the farewell was shown."""
    with tempfile.NamedTemporaryFile() as answers:
        answers.write(b"exit\nx")
        answers.flush()
        term = Terminal(wrapped('exec "$@" < "$0"', answers.name))
        term.expect(b"Press any key")
        term.eventually(term.raw, "no key wait")
        check(term.child.isalive(), "took the file's spare key")
        term.type(b" ")
        term.ends()


def no_key_wait(output):
    """`Shapecalc < answers > OUTPUT` at a terminal: nobody saw the farewell, so no key wait."""
    with tempfile.NamedTemporaryFile() as answers:
        answers.write(b"exit\n")
        answers.flush()
        Terminal(wrapped(f'exec "$@" < "$0" > {output}', answers.name)).status(QUICK)


def without_a_terminal(on_a_terminal):
    """No controlling terminal (`setsid`, cron): no key can be read, so none is waited for,
    whether the farewell went to a pipe or to some terminal."""
    screen, other = os.openpty()
    program, status, _ = from_file(b"exit\n", stdout=other if on_a_terminal else subprocess.PIPE,
                                   start_new_session=True)
    os.close(other)
    shown = os.read(screen, 4096) if on_a_terminal else program.output()
    check(status == 0 and b"Press any key" in shown, f"status {status}, shown {shown!r}")


def control_c_is_a_key():
    term = Terminal()
    term.reach_key_wait(b"abc\n2 1 q\n")  # an invalid top-menu word, then letters for a figure
    check(b"continueouly" in term.screen, "no invalid-inputs message")
    term.type(b"\x03")
    term.ends()


def control_c_at_a_prompt():
    term = Terminal()
    term.expect(b"Enter your Choice: ")
    term.type(b"\x03")
    term.ends(128 + signal.SIGINT, kept=False)


def terminal_gone():
    term = Terminal()
    term.reach_key_wait()
    term.hang_up()
    term.ends(kept=False)


def pasted_lines():
    """A second line pasted with "exit" is discarded when the wait begins: it is not the key, and
    it never reaches the shell."""
    term = Terminal()
    term.reach_key_wait(b"exit\necho LEAKED\n")
    time.sleep(0.2)
    check(term.child.isalive(), "the pasted line was taken as the key")
    term.type(b"k")
    term.ends()
    check(term.left() == b"", "the pasted line reached the shell")


# ---- as a job of an interactive shell -----------------------------------------------------------

def shell():
    term = Terminal(["bash", "--norc", "--noprofile", "-i"],
                    env=dict(os.environ, PS1="$ ", HISTFILE="/dev/null", TERM="dumb"))
    term.expect(b"$ ")
    return term


def line(term, text):
    """Types a command line; what it prints is told apart from the shell's echo of it."""
    term.type(text.encode() + b"\n")


KEPT = 'echo "status=$? $([ "$(stty -g)" = "$s" ] && echo kept)"'


def in_the_foreground(command):
    """Started by the shell as a command alone, as the last of a pipeline (its group's leader is
    another process), or with its descriptors left non-blocking: one key, unechoed, then the
    settings restored."""
    term = shell()
    line(term, f"s=$(stty -g); {command.format(shlex.join(COMMAND))}; {KEPT}")
    term.expect(b"Enter your Choice: ")
    shell_group = os.getpgid(term.child.pid)
    term.eventually(lambda: os.tcgetpgrp(term.child.child_fd) != shell_group, "not in front")
    check(asleep(members(os.tcgetpgrp(term.child.child_fd))), "never read its first answer")
    term.type(b"exit\n")
    term.expect(b"\n THANK YOU, for using this application.\r\n\r\n Press any key")
    check(b"continueouly" not in term.screen, "invalid inputs where none were typed")
    term.eventually(term.raw, "no key wait")
    term.type(b"k")
    check(b"k" not in term.expect(b"status=0 kept"), "the key was echoed, or status or settings")


def members(group):
    """The processes of a process group."""
    def group_of(pid):
        try:
            return os.getpgid(pid)
        except ProcessLookupError:
            return None
    return [int(p) for p in os.listdir("/proc") if p.isdigit() and group_of(int(p)) == group]


def stopped_at_the_wait(acts, status):
    """A job stopped at the key wait (signalled from outside: Ctrl-Z is a key there) has the
    terminal restored; continued (`fg`), it waits again; a signal while stopped, or the terminal
    closed (the shell then hangs up its jobs and continues them), ends it as the signal asks."""
    term = shell()
    with tempfile.NamedTemporaryFile() as result:
        command = "trap : HUP TERM; \"$@\"; echo $? > \"$0\""
        line(term, f"s=$(stty -g); sh -c '{command}' {result.name} "
                   f"{shlex.join(COMMAND)}")
        term.reach_key_wait()
        group = os.tcgetpgrp(term.child.child_fd)
        for act in acts:
            if act == "stop":
                term.eventually(term.raw, "does not wait again once continued")
                # The program first, then the shell's job, the wrapper: had the shell taken the
                # terminal back first, the program's restoring would stop it for that instead.
                program = next(p for p in members(group) if p != group)
                os.kill(program, signal.SIGTSTP)
                term.eventually(lambda: state(program) == "T", "not stopped")
                os.kill(group, signal.SIGTSTP)
                term.expect(b"Stopped")
                line(term, 'echo "stopped: $([ "$(stty -g)" = "$s" ] && echo kept)"')
                term.expect(b"stopped: kept")
            elif act == "key":
                term.eventually(term.raw, "does not wait again once continued")
                term.type(b"k")
            elif act == "hang up":
                term.hang_up()
            elif act == "fg":
                line(term, act)
            else:
                line(term, act + '; echo "o""k"')
                term.expect(b"\nok\r\n")
        term.eventually(lambda: result.read(), "never ended")
        result.seek(0)
        got = int(result.read())
        check(got == status, f"status {got}, not {status}")


def in_the_background():
    """`echo exit | Shapecalc &`: the farewell reaches the terminal, but a background job neither
    reads a key nor changes the settings, and is not stopped for trying."""
    term = shell()
    line(term, f"s=$(stty -g); echo exit | {shlex.join(COMMAND)} & wait $!; {KEPT}")
    term.expect(b"status=0 kept", QUICK)


# ---- the cases ----------------------------------------------------------------------------------

NONBLOCKING = "python3 -c 'import os, sys; os.set_blocking(0, False); os.set_blocking(1, False); " \
              "os.execvp(sys.argv[1], sys.argv[1:])' {}"
# Keys as a person types them: plain, arrows and function keys, UTF-8 characters of 2 to 4 bytes,
# Alt with a key, Escape alone, two keys at once, and keys cut short.
KEYS = [b"k", b"\x1b[A", b"\x1bOP", b"\x1b[15~", b"\x1b[1;5C", b"\xc3\xa9", b"\xe2\x82\xac",
        b"\xf0\x9f\x99\x82", b"\x1bx", b"\x1b", b"ab", b"\x1b[", b"\xc3", b"\xe2x"]
SPLIT_KEYS = [(b"\x1b", b"[", b"A"), (b"\x1b", b"O", b"P"), (b"\x1b[1", b";5", b"C"),
              (b"\xc3", b"\xa9"), (b"\xe2", b"\x82", b"\xac"), (b"\xf0", b"\x9f", b"\x99", b"\x82"),
              (b"\x1b[1", b"\xc3", b"A")]  # not a final byte: the sequence goes on
STOPS = {"continued_waits_again": (["stop", "fg", "key"], 0),
         "stopped_twice": (["stop", "fg", "stop", "fg", "key"], 0),
         "hang_up_while_stopped": (["stop", "kill -HUP %1"], 0),
         # Disowned, it is hung up by the system, as the group is orphaned, not by the shell, which
         # would then terminate it as well.
         "terminal_closed_while_stopped": (["stop", "disown %1", "hang up"], 0),
         "terminated_while_stopped": (["stop", "kill -TERM %1"], 128 + signal.SIGTERM)}


def cases():
    """Name: (run, POSIX only)."""
    table = {}
    for name in transcript.names():
        table[f"file.{name}"] = (lambda n=name: ends_well(*transcript.joined(transcript.session(n))),
                                 False)
        table[f"pipe.{name}"] = (lambda n=name: answered_word_by_word(n), False)
    both = {
        "no_input.devnull": lambda: ends_well(b"", OPENING + FAILED, stdin=subprocess.DEVNULL),
        "no_input.closed": lambda: ends_well(b"", OPENING + FAILED, stdin=subprocess.DEVNULL,
                                             preexec_fn=lambda: os.close(0)),
        "reader_gone.input_unread": lambda: reader_goes_away(False),
        "reader_gone.input_open": lambda: reader_goes_away(True),
        "huge.ten_megabyte_word": lambda: huge(b"w" * (10 << 20), lambda out: out == OPENING +
                                               TEXT["top_invalid"] + TEXT["top_prompt"] + FAILED),
        "huge.random_bytes": lambda: huge(random.Random(20261208).randbytes(10 << 20),
                                          lambda out: out.endswith(FAREWELL)),
        "huge.many_calculations": lambda: huge(
            b"2 2 12 7 0 0 3 3 6 7 0 0 " * 100000 + b"exit\n",
            lambda out: out.endswith(FAREWELL) and TEXT["invalid_inputs"] not in out),
    }
    posix = {
        "nonblocking_pipes": nonblocking_pipes,
        "terminal.alone": lambda: in_the_foreground("{}"),
        "terminal.last_of_a_pipeline": lambda: in_the_foreground(": | {} < /dev/tty"),
        "terminal.nonblocking": lambda: in_the_foreground(NONBLOCKING),
        "terminal.background": in_the_background,
        "terminal.key_from_the_terminal": key_from_the_terminal,
        "terminal.control_c_is_a_key": control_c_is_a_key,
        "terminal.control_c_at_a_prompt": control_c_at_a_prompt,
        "terminal.gone_at_the_wait": terminal_gone,
        "terminal.pasted_lines": pasted_lines,
        "terminal.output_to_devnull": lambda: no_key_wait("/dev/null"),
        "terminal.output_to_devfull": lambda: no_key_wait("/dev/full"),
        "no_terminal.output_to_a_pipe": lambda: without_a_terminal(False),
        "no_terminal.output_on_a_terminal": lambda: without_a_terminal(True),
    }
    for name in transcript.names(transcript.FOLDER / "terminal"):
        posix[f"terminal.ended.{name}"] = lambda n=name: ended_at_a_terminal(n)
    for key in KEYS:
        posix[f"key.{key.hex()}"] = lambda k=key: whole_key(k)
    for pieces in SPLIT_KEYS:
        posix[f"key.{'_'.join(p.hex() for p in pieces)}"] = lambda p=pieces: whole_key(*p)
    for sig, status in ((signal.SIGTERM, 128 + signal.SIGTERM), (signal.SIGQUIT, 128 + signal.SIGQUIT),
                        (signal.SIGINT, 128 + signal.SIGINT), (signal.SIGHUP, 0)):
        posix[f"signal.{sig.name}"] = lambda s=sig, st=status: signalled_at_the_wait(s, st)
    for name, (acts, status) in STOPS.items():
        posix[f"stopped.{name}"] = lambda a=acts, st=status: stopped_at_the_wait(a, st)
    table.update({name: (run, False) for name, run in both.items()})
    table.update({name: (run, True) for name, run in posix.items()})
    return table


def main(argv):
    global COMMAND, CRLF
    if argv[:1] == ["--list"]:
        print("\n".join(n for n, (_, posix) in cases().items() if not posix or "--windows" not in argv))
        return 0
    CRLF = argv[0] == "--crlf"
    name, COMMAND = argv[CRLF], argv[CRLF + 1:]
    try:
        cases()[name][0]()
    except Fault as fault:
        print(f"{name}: {fault}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
