#!/usr/bin/python3
"""Random AT-SPI calls to the real Corvane binary: none may crash it, leave it
without an answer, or change what an assistive tool must not change.

usage: fuzz_atspi.py PATH/TO/corvane [--seconds N] [--seed N] [--findings DIR] [INPUT...]

Each INPUT, a kept input (calls that once broke the program) or a folder of
them, is replayed first against a fresh start of the program; then random
calls follow for N seconds (default 60, 0 for none) against another one. The
calls are what any process on the accessibility bus may send: every method
and property of the AT-SPI interfaces, on any object of the program, with
arguments at and beyond the edges of its text and its table, now and then
with missing, extra or mistyped arguments; Count and Clear change the list in
between, and keys are typed while the calls go on.

After each call the program must still run and have answered within
ANSWER_LIMIT seconds; after an edit, and every CHECK_EVERY calls, the result
boxes must hold what the last Count put there and the input box only what
typed keys can put there (digits and digit-group separators). At the end
Close must end the program with status 0. A finding stops the run: the steps
since the program started are written to DIR as a new input, and the status
is 1. The last line gives the calls per second and the slowest answers.

An input holds one step per line ("#" starts a comment):
    count N                   set n through the input box, press Count, confirm
                              the message of an N out of range
    clear                     press Clear
    type TEXT                 type TEXT as keys into the focused control
    call OBJECT INTERFACE MEMBER SIGNATURE ARGUMENTS
    expect ANSWER             the call before answers ANSWER (JSON) or "error"
OBJECT is app, frame, scrollarea, input, exp, num, table, count, clear or
close, followed by "/I" for its child I (table/3 is the first cell);
SIGNATURE is the D-Bus signature of the arguments ("-" for none), and
ARGUMENTS a JSON list, with [TYPE, VALUE] for a variant and
{"repeat": [TEXT, TIMES]} for a long text.

Needs a display and a D-Bus session whose accessibility bus can be reached;
run-atspi-test.sh provides both.
"""

import argparse
import json
import os
import random
import re
import signal
import subprocess
import sys
import tempfile
import time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

ANSWER_LIMIT = 5.0      # seconds: a call not answered by then is a freeze
START_TIMEOUT = 60.0    # the program on the bus (slow under the sanitizers)
STEP_TIMEOUT = 20.0     # Count of 1476 rows under the sanitizers, or Clear
CHECK_EVERY = 25
STEP_EVERY = 80         # random calls between two Counts or Clears
MAX_N = 1476
PRESSED = int(Atspi.StateType.PRESSED)

ATSPI = "org.a11y.atspi."
ROOT = "/org/a11y/atspi/accessible/root"
PROPERTIES = "org.freedesktop.DBus.Properties"
NAMES = {"input": "Enter n", "exp": "Result (EXP)", "num": "Result (NUM)", "table": "Fibonacci sequence",
         "count": "Count", "clear": "Clear", "close": "Close"}

# What each interface offers, as AT-SPI 2 defines it: methods with the
# signatures of their arguments, and properties.
METHODS = {
    "Accessible": {"GetChildAtIndex": "i", "GetChildren": "", "GetIndexInParent": "", "GetRelationSet": "",
                   "GetRole": "", "GetRoleName": "", "GetLocalizedRoleName": "", "GetState": "",
                   "GetAttributes": "", "GetApplication": "", "GetInterfaces": ""},
    "Action": {"GetDescription": "i", "GetName": "i", "GetKeyBinding": "i", "GetActions": "", "DoAction": "i"},
    "Application": {"GetLocale": "u", "GetApplicationBusAddress": ""},
    "Component": {"Contains": "iiu", "GetAccessibleAtPoint": "iiu", "GetExtents": "u", "GetPosition": "u",
                  "GetSize": "", "GetLayer": "", "GetMDIZOrder": "", "GrabFocus": "", "GetAlpha": "",
                  "SetExtents": "iiiiu", "SetPosition": "iiu", "SetSize": "ii"},
    "EditableText": {"SetTextContents": "s", "InsertText": "isi", "CopyText": "ii", "CutText": "ii",
                     "DeleteText": "ii", "PasteText": "i"},
    "Table": {"GetAccessibleAt": "ii", "GetIndexAt": "ii", "GetRowAtIndex": "i", "GetColumnAtIndex": "i",
              "GetRowDescription": "i", "GetColumnDescription": "i", "GetRowExtentAt": "ii",
              "GetColumnExtentAt": "ii", "GetRowHeader": "i", "GetColumnHeader": "i", "GetSelectedRows": "",
              "GetSelectedColumns": "", "IsRowSelected": "i", "IsColumnSelected": "i", "IsSelected": "ii",
              "AddRowSelection": "i", "AddColumnSelection": "i", "RemoveRowSelection": "i",
              "RemoveColumnSelection": "i", "GetRowColumnExtentsAtIndex": "i"},
    "Text": {"GetText": "ii", "SetCaretOffset": "i", "GetTextBeforeOffset": "iu", "GetTextAtOffset": "iu",
             "GetTextAfterOffset": "iu", "GetStringAtOffset": "iu", "GetCharacterAtOffset": "i",
             "GetAttributeValue": "is", "GetAttributes": "i", "GetDefaultAttributes": "",
             "GetCharacterExtents": "iu", "GetOffsetAtPoint": "iiu", "GetNSelections": "", "GetSelection": "i",
             "AddSelection": "ii", "RemoveSelection": "i", "SetSelection": "iii", "GetRangeExtents": "iiu",
             "GetBoundedRanges": "iiiiuuu", "GetAttributeRun": "ib", "GetDefaultAttributeSet": "",
             "ScrollSubstringTo": "iiu"},
    "Value": {"SetCurrentValue": "d"},
}
PROPERTY_NAMES = {
    "Accessible": ["Name", "Description", "Parent", "ChildCount", "Locale"],
    "Action": ["NActions"],
    "Application": ["ToolkitName", "Version", "Id", "AtspiVersion"],
    "Table": ["NRows", "NColumns", "Caption", "Summary", "NSelectedRows", "NSelectedColumns"],
    "Text": ["CharacterCount", "CaretOffset"],
    "Value": ["MinimumValue", "MaximumValue", "MinimumIncrement", "CurrentValue"],
}
STRINGS = ["", "0", "25", "1476", "1477", "12a", "x", "-", "1.476", "1,476", "1\u202f476", "\u0661\u0664",
           "\b", "\r", "\n", "\t", "\u00e9", "\U0001f600", "7" * 400, "a" * 40000, "5" * 40000]
INTS = [0, 1, 2, 3, 4, 5, -1, -2, -30, 100, 1000, 32767, 32768, 1000000, 1000000000, 2**31 - 1, -2**31]
UINTS = [0, 1, 2, 3, 4, 5, 6, 7, 2**31, 2**32 - 1]


class Finding(Exception):
    pass


def digits_only(text):
    """What typed keys can leave in the input box: digits and what is left of their grouping."""
    return re.fullmatch(r"[0-9.,\u00a0\u202f' ]*", text) is not None


class Program:
    """One run of the program under test, and the calls sent to it."""

    def __init__(self, binary, log_dir):
        self.log = open(os.path.join(log_dir, "corvane.log"), "w+")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1")
        self.proc = subprocess.Popen([binary], env=env, stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log)
        self.bus = Gio.DBusConnection.new_for_address_sync(
            a11y_bus_address(), Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        self.steps = []          # every step sent, as an input's lines
        self.typing = None       # the keys being typed
        self.latencies = []
        self.paths = {"app": ROOT}
        self.rows = 0
        try:
            self.name = self.wait("the program on the accessibility bus", self.find_bus_name, START_TIMEOUT)
            self.wait("the window's controls", self.find_controls, START_TIMEOUT)
            self.results = self.result_texts()
        except BaseException:
            self.kill()
            raise

    # -- raw calls -------------------------------------------------------------

    def raw(self, path, interface, member, signature, args, name=None, timeout=ANSWER_LIMIT):
        """The reply's values, or a GLib.Error; raises Finding when there is no answer."""
        if signature:
            body = GLib.Variant("(%s)" % signature, tuple(to_variant_args(signature, args)))
        else:
            body = None
        started = time.monotonic()
        try:
            reply = self.bus.call_sync(name or self.name, path, interface, member, body, None,
                                       Gio.DBusCallFlags.NO_AUTO_START, int(timeout * 1000), None)
            result = reply.unpack()
        except GLib.Error as error:
            result = error
        elapsed = time.monotonic() - started
        while GLib.MainContext.default().iteration(False):
            pass  # the events of the registered listener
        if isinstance(result, GLib.Error) and (self.proc.poll() is not None or "NoReply" in result.message
                                               or "disconnected" in result.message):
            self.check_alive(grace=2)
        if isinstance(result, GLib.Error) and Gio.io_error_quark() == result.domain \
                and result.code == Gio.IOErrorEnum.TIMED_OUT:
            raise Finding("no answer within %.0f s" % timeout)
        return result, elapsed

    def query(self, path, interface, member, signature="", args=()):
        result, _ = self.raw(path, ATSPI + interface, member, signature, args)
        if isinstance(result, GLib.Error):
            raise Finding("%s.%s on %s failed: %s" % (interface, member, path, result.message))
        return result

    def check_alive(self, grace=0.0):
        """Raises Finding when the program has ended, or ends within grace seconds."""
        try:
            status = self.proc.wait(grace) if grace else self.proc.poll()
        except subprocess.TimeoutExpired:
            return
        if status is None:
            return
        self.log.seek(0)
        tail = "".join(self.log.readlines()[-40:])
        raise Finding("the program ended with status %d\n%s" % (status, tail))

    def wait(self, what, probe, timeout):
        deadline = time.monotonic() + timeout
        while True:
            self.check_alive()
            try:
                value = probe()
            except GLib.Error:
                value = None
            if value:
                return value
            if time.monotonic() > deadline:
                raise Finding("timed out after %.0f s waiting for %s" % (timeout, what))
            time.sleep(0.05)

    # -- the program's objects -------------------------------------------------

    def find_bus_name(self):
        registry = "org.a11y.atspi.Registry"
        apps = self.bus.call_sync(registry, ROOT, ATSPI + "Accessible", "GetChildren", None, None,
                                  Gio.DBusCallFlags.NONE, 2000, None).unpack()[0]
        for name, _ in apps:
            pid = self.bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                     "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,)), None,
                                     Gio.DBusCallFlags.NONE, 2000, None).unpack()[0]
            if pid == self.proc.pid:
                return name
        return None

    def children(self, path):
        return [child for _, child in self.query(path, "Accessible", "GetChildren")[0]]

    def raw_property(self, path, interface, name):
        result, _ = self.raw(path, PROPERTIES, "Get", "ss", [ATSPI + interface, name])
        if isinstance(result, GLib.Error):
            raise Finding("property %s.%s of %s: %s" % (interface, name, path, result.message))
        return result[0]

    def find_controls(self):
        frames = self.children(ROOT)
        if not frames:
            return False
        self.paths["frame"] = frames[0]
        found = {}
        pending = [frames[0]]
        while pending:
            path = pending.pop()
            name = self.raw_property(path, "Accessible", "Name")
            for alias, wanted in NAMES.items():
                if name == wanted and alias not in found:
                    found[alias] = path
            if self.query(path, "Accessible", "GetRoleName")[0] != "table":
                pending.extend(self.children(path))
        if len(found) < len(NAMES):
            return False
        self.paths.update(found)
        self.paths["scrollarea"] = self.children(frames[0])[0]
        return True

    def resolve(self, selector):
        """The path of app, input, ... or of their children (table/3); None for a child not there."""
        alias, *indexes = selector.split("/")
        path = self.paths[alias]
        for index in indexes:
            child, _ = self.raw(path, ATSPI + "Accessible", "GetChildAtIndex", "i", [int(index)])
            if isinstance(child, GLib.Error) or child[0][1] == "/org/a11y/atspi/null":
                return None
            path = child[0][1]
        return path

    def action(self, path, wanted):
        count = self.raw_property(path, "Action", "NActions")
        for index in range(count):
            if self.query(path, "Action", "GetName", "i", [index])[0] == wanted:
                return index
        raise Finding("no %s action on %s" % (wanted, path))

    def text(self, alias):
        return self.query(self.paths[alias], "Text", "GetText", "ii", [0, -1])[0]

    def result_texts(self):
        return self.text("exp"), self.text("num")

    # -- steps -----------------------------------------------------------------

    def press(self, alias):
        """Presses the button and waits for the click, which comes a moment later."""
        path = self.paths[alias]
        self.query(path, "Action", "DoAction", "i", [self.action(path, "Press")])

        def released():
            states = self.query(path, "Accessible", "GetState")[0]
            return not states[PRESSED // 32] & (1 << PRESSED % 32)
        self.wait("%s to be clicked" % alias, released, STEP_TIMEOUT)

    def count(self, n):
        self.steps.append("count %d" % n)
        self.settle_typing()  # keys typed later would change n
        self.query(self.paths["input"], "EditableText", "SetTextContents", "s", [str(n)])
        self.check_input()
        self.press("count")
        if 1 <= n <= MAX_N:
            self.wait("%d rows" % (n + 1), lambda: self.raw_property(self.paths["table"], "Table", "NRows") == n + 1,
                      STEP_TIMEOUT)
            self.rows = n + 1
        else:
            self.confirm_message()  # too big, or the index error of n = 0
            self.rows = 0
        self.results = self.result_texts()

    def message_box(self):
        return next((path for path in self.children(ROOT) if path != self.paths["frame"]), None)

    def confirm_message(self):
        box = self.wait("a message", self.message_box, STEP_TIMEOUT)
        buttons, pending = [], [box]
        while pending:
            for path in self.children(pending.pop()):
                pending.append(path)
                if self.query(path, "Accessible", "GetRoleName")[0] == "push button":
                    buttons.append(path)
        self.query(buttons[0], "Action", "DoAction", "i", [self.action(buttons[0], "Press")])
        self.wait("the message to close", lambda: self.message_box() is None, STEP_TIMEOUT)

    def type(self, text, wait=True):
        """Types the text as keys into the focused control, as a person would (XTest)."""
        self.steps.append("type %s" % text)
        self.settle_typing()
        self.typing = subprocess.Popen(["xdotool", "type", "--delay", "5", text], stdin=subprocess.DEVNULL)
        if wait:
            self.typing.wait()

    def settle_typing(self):
        """Waits for the typed keys, and for the program to have taken them."""
        if self.typing is None:
            return
        self.typing.wait()
        self.typing = None
        last = None
        deadline = time.monotonic() + STEP_TIMEOUT
        while time.monotonic() < deadline:
            time.sleep(0.1)
            text = self.text("input")
            if text == last:
                return
            last = text

    def clear(self):
        self.steps.append("clear")
        self.press("clear")
        self.wait("an empty list", lambda: self.raw_property(self.paths["table"], "Table", "NRows") == 0,
                  STEP_TIMEOUT)
        self.rows = 0
        self.results = self.result_texts()

    def call(self, selector, interface, member, signature, args):
        """One call as an input states it; the reply is not judged, only the program's state."""
        self.steps.append("call %s %s %s %s %s" % (selector, interface, member, signature or "-",
                                                   json.dumps(compact(args), ensure_ascii=False)))
        path = self.resolve(selector)
        if path is None:
            self.reply = "no object at %s" % selector
            return
        full = PROPERTIES if interface == "Properties" else ATSPI + interface
        self.reply, elapsed = self.raw(path, full, member, signature, args)
        self.latencies.append((elapsed, self.steps[-1]))
        if interface == "EditableText" or len(self.latencies) % CHECK_EVERY == 0:
            self.check_boxes()

    def check_boxes(self):
        self.check_input()
        if self.result_texts() != self.results:
            raise Finding("a result box changed: %r, was %r" % (self.result_texts(), self.results))

    def check_input(self):
        text = self.text("input")
        if not digits_only(text):
            raise Finding("the input box holds %r" % text[:80])

    def close(self):
        self.steps.append("close")
        path = self.paths["close"]
        self.query(path, "Action", "DoAction", "i", [self.action(path, "Press")])
        try:
            status = self.proc.wait(STEP_TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Finding("the program still runs %.0f s after Close" % STEP_TIMEOUT)
        if status != 0:
            self.check_alive()

    def kill(self):
        if self.typing is not None:
            self.typing.kill()
            self.typing.wait()
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.bus.close_sync(None)
        self.log.close()
        self.typing = None


def a11y_bus_address():
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    return session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
                             Gio.DBusCallFlags.NONE, 10000, None).unpack()[0]


def to_variant_args(signature, args):
    values = []
    for code, value in zip(signature, args):
        values.append(GLib.Variant(value[0], value[1]) if code == "v" else value)
    return values


def compact(args):
    """A long run of one character written as {"repeat": [CHARACTER, TIMES]}."""
    return [{"repeat": [arg[0], len(arg)]} if isinstance(arg, str) and len(arg) > 80 and len(set(arg)) == 1
            else arg for arg in args]


def expand(args):
    return [arg["repeat"][0] * arg["repeat"][1] if isinstance(arg, dict) else arg for arg in args]


def replay(program, lines):
    for line in lines:
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        word, *rest = line.split(" ", 1)
        if word == "count":
            program.count(int(rest[0]))
        elif word == "type":
            program.type(rest[0])
        elif word == "clear":
            program.clear()
        elif word == "call":
            selector, interface, member, signature, args = rest[0].split(" ", 4)
            program.call(selector, interface, member, "" if signature == "-" else signature, expand(json.loads(args)))
        elif word == "expect":
            # The answer of the call before: its values, or "error".
            got = "error" if isinstance(program.reply, GLib.Error) else json.loads(json.dumps(program.reply))
            if got != json.loads(rest[0]):
                raise Finding("%s answered %s, expected %s" % (program.steps[-1], json.dumps(got), rest[0]))
        else:
            raise ValueError("unknown step %r" % line)


class RandomCalls:
    """Well-formed calls mostly, at the edges of what the program holds."""

    SELECTORS = ["app", "frame", "scrollarea", "scrollarea/0", "input", "exp", "num", "table", "count",
                 "table/0", "table/2", "table/3", "table/5"]

    def __init__(self, program, rng):
        self.program = program
        self.rng = rng

    def edges(self):
        rows, sizes = self.program.rows, [len(text) for text in self.program.results]
        near = [rows, rows * 3, (rows + 1) * 3] + sizes
        return INTS + [value + delta for value in near for delta in (-1, 0, 1)]

    def value(self, code):
        rng = self.rng
        if code == "i":
            return rng.choice(self.edges()) if rng.random() < 0.9 else rng.randint(-50, 50)
        if code == "u":
            return rng.choice(UINTS)
        if code == "s":
            return rng.choice(STRINGS + [ATSPI + name for name in PROPERTY_NAMES])
        if code == "b":
            return rng.random() < 0.5
        if code == "d":
            return rng.choice([0.0, -1.0, 1e9, 0.5])
        return rng.choice([["i", rng.choice(INTS)], ["s", rng.choice(STRINGS[:6])], ["d", 2.5]])

    def selector(self):
        rows = self.program.rows
        cell = "table/%d" % self.rng.choice([0, 3, rows * 3, rows * 3 + 2, (rows + 1) * 3 - 1, (rows + 1) * 3])
        return self.rng.choice(self.SELECTORS + [cell])

    def next(self):
        rng = self.rng
        interface = rng.choice(list(METHODS) + ["Properties"])
        if interface == "Properties":
            owner = rng.choice(list(PROPERTY_NAMES))
            name = rng.choice(PROPERTY_NAMES[owner] + ["RowColumnExtentsAtIndex", "Text", "ChildAtIndex"])
            member = rng.choice(["Get", "Get", "Set", "GetAll"])
            signature = {"Get": "ss", "Set": "ssv", "GetAll": "s"}[member]
            args = [ATSPI + owner, name, self.value("v")][:len(signature)]
        else:
            member = rng.choice(list(METHODS[interface]))
            signature = METHODS[interface][member]
            args = [self.value(code) for code in signature]
        if rng.random() < 0.05:
            # Missing, extra or mistyped arguments.
            cut = rng.randint(0, len(signature))
            signature, args = rng.choice([(signature[:cut], args[:cut]), (signature + "i", args + [7]),
                                          ("s" * len(signature), ["9"] * len(signature))])
        selector = self.selector()
        if interface == "Action" and member == "DoAction" and selector in ("count", "frame", "app"):
            selector = "input"  # the buttons are pressed by the steps, whose outcome is known
        return selector, interface, member, signature, args

    def step(self):
        rng = self.rng
        if rng.random() < 0.3:
            # Typed while the calls go on.
            self.program.type(rng.choice(["1476", "25", "7a", "1000000"]), wait=False)
        elif rng.random() < 0.2:
            self.program.clear()
        else:
            self.program.count(rng.choice([0, 1, 2, 10, 11, 100, MAX_N, MAX_N + 1, rng.randint(0, MAX_N)]))


def report(latencies, elapsed):
    times = sorted(seconds for seconds, _ in latencies)
    if not times:
        return
    p99 = times[min(len(times) - 1, int(len(times) * 0.99))]
    slowest = max(latencies)
    print("fuzz_atspi: %d calls in %.1f s, %.0f calls/s; 99th percentile %.1f ms; slowest %.1f ms (%s)"
          % (len(times), elapsed, len(times) / elapsed, p99 * 1000, slowest[0] * 1000, slowest[1]), flush=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--findings", default=".")
    parser.add_argument("binary")
    parser.add_argument("inputs", nargs="*")
    options = parser.parse_intermixed_args()
    seed = options.seed if options.seed is not None else random.randrange(2**32)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    listener = Atspi.EventListener.new(lambda event: None)
    listener.register("object:")  # some faults show only while events are sent

    latencies = []
    work = tempfile.mkdtemp(prefix="fuzz-atspi-")
    program = None
    label = ""
    try:
        inputs = [os.path.join(name, entry) if os.path.isdir(name) else name
                  for name in options.inputs for entry in (sorted(os.listdir(name)) if os.path.isdir(name) else [""])]
        for name in inputs:
            label = "replaying %s" % name
            with open(name) as lines:
                program = Program(os.path.abspath(options.binary), work)
                replay(program, lines)
                program.close()
                latencies += program.latencies
                program = None
            print("fuzz_atspi: %s: passed" % os.path.basename(name), flush=True)
        if options.seconds > 0:
            label = "random calls, seed %d" % seed
            print("fuzz_atspi: %s for %.0f s" % (label, options.seconds), flush=True)
            rng = random.Random(seed)
            program = Program(os.path.abspath(options.binary), work)
            calls = RandomCalls(program, rng)
            started = time.monotonic()
            while time.monotonic() - started < options.seconds:
                if rng.randrange(STEP_EVERY) == 0:
                    calls.step()
                program.call(*calls.next())
            program.close()
            latencies += program.latencies
            report(program.latencies, time.monotonic() - started)
            program = None
    except Finding as finding:
        os.makedirs(options.findings, exist_ok=True)
        kept = os.path.join(options.findings, "finding-%d" % int(time.time()))
        steps = program.steps if program else []
        with open(kept, "w") as out:
            out.write("# %s: %s\n" % (label, str(finding).split("\n")[0]))
            out.write("\n".join(steps) + "\n")
        print("fuzz_atspi: FINDING while %s, after: %s\n%s\nfuzz_atspi: the steps are in %s"
              % (label, steps[-1] if steps else "start", finding, kept), flush=True)
        return 1
    finally:
        if program is not None:
            program.kill()
        for name in os.listdir(work):
            os.remove(os.path.join(work, name))
        os.rmdir(work)
    if not options.seconds and latencies:
        report(latencies, sum(seconds for seconds, _ in latencies))
    return 0


if __name__ == "__main__":
    sys.exit(main())
