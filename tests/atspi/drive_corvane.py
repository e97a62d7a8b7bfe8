#!/usr/bin/python3
"""Drives the real Corvane binary through the accessibility bus (AT-SPI).

usage: drive_corvane.py PATH/TO/corvane

Besides the commands, it asks every kind of text query at the edges of each
text box (a screen reader asks them as the caret moves) and tries to edit the
read-only result boxes.

Needs a display and a D-Bus session whose accessibility bus can be reached;
run-atspi-test.sh next to this file provides both.  Every step is printed;
the first mismatch or time-out stops the run with a message naming the step
and a non-zero exit status, and the program under test is killed.
"""

import os
import signal
import subprocess
import sys
import time
import warnings

import pyatspi
from gi.repository import Atspi, GLib

APP_NAME = "Corvane"
WINDOW_TITLE = "FIBONACCI FORMULA"
COLUMNS = ["NUM", "FIBO RESULT (EXP)", "FIBO RESULT (NUM)"]
TOO_BIG_TITLE = "System Computer"
TOO_BIG_TEXT = "Number too big for computing !"

START_TIMEOUT = 20.0  # the application appearing on the desktop
STEP_TIMEOUT = 10.0  # any other wait
EXIT_TIMEOUT = 10.0  # the process ending after Close
OVERALL_TIMEOUT = 90  # the whole run, below CTest's limit for the test
POLL = 0.05
QUERY_TIMEOUT_MS = 1000  # one text query; a hung program fails it, not the run

BOUNDARIES = [(name, getattr(Atspi.TextBoundaryType, name))
              for name in ("CHAR", "WORD_START", "WORD_END", "SENTENCE_START",
                           "SENTENCE_END", "LINE_START", "LINE_END")]
# Qt 6.4 answers only the older, deprecated boundary queries (no GetStringAtOffset).
warnings.filterwarnings("ignore", category=DeprecationWarning, message="Atspi.Text.get_text_")
QUERIES = [("at", Atspi.Text.get_text_at_offset),
           ("before", Atspi.Text.get_text_before_offset),
           ("after", Atspi.Text.get_text_after_offset)]


def digits_of(text):
    return "".join(c for c in text if c.isdigit())


class StepFailed(Exception):
    pass


class Driver:
    def __init__(self, binary):
        self.binary = binary
        self.proc = None
        self.step_name = "start"
        self.step_no = 0
        self.events = []
        self.listener = Atspi.EventListener.new(lambda event: self.events.append(event))
        for kind in ("object:text-changed:insert", "object:text-changed:delete", "object:text-caret-moved",
                     "object:state-changed:focused", "object:state-changed:showing", "window:activate",
                     "object:row-inserted"):
            self.listener.register(kind)

    # -- helpers -----------------------------------------------------------

    def step(self, name):
        self.step_no += 1
        self.step_name = name
        print("[%d] %s" % (self.step_no, name), flush=True)

    def ok(self, detail):
        print("    ok: %s" % detail, flush=True)

    def fail(self, detail):
        raise StepFailed("step %d (%s): %s" % (self.step_no, self.step_name, detail))

    def check(self, condition, detail):
        if not condition:
            self.fail(detail)

    def wait_for(self, what, probe, timeout=STEP_TIMEOUT):
        """Polls probe() until it returns something truthy; returns that.

        probe() may raise while the application rebuilds its objects; the
        last error (or the last falsy value) is reported on time-out.
        """
        deadline = time.monotonic() + timeout
        last = None
        while True:
            self.check_alive()
            while GLib.MainContext.default().iteration(False):
                pass  # delivers the events recorded in self.events
            try:
                value = probe()
                if value:
                    return value
                last = value
            except StepFailed:
                raise
            except Exception as error:  # objects may vanish between calls
                last = "%s: %s" % (type(error).__name__, error)
            if time.monotonic() >= deadline:
                self.fail("timed out after %.0f s waiting for %s (last: %r)" % (timeout, what, last))
            time.sleep(POLL)

    def check_alive(self):
        if self.proc is not None and self.proc.poll() is not None:
            self.fail("the program ended early with exit status %d" % self.proc.returncode)

    @staticmethod
    def children(acc):
        acc.clearCache()
        return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None]

    @staticmethod
    def descendants(acc):
        acc.clearCache()
        found = []
        pending = [acc]
        while pending:
            node = pending.pop()
            for i in range(node.childCount - 1, -1, -1):
                child = node.getChildAtIndex(i)
                if child is not None:
                    found.append(child)
                    pending.append(child)
        return found

    def find(self, root, name, role=None):
        """The one descendant of root with this accessible name (and role)."""
        def probe():
            hits = [a for a in self.descendants(root)
                    if a.name == name and (role is None or a.getRole() == role)]
            if len(hits) > 1:
                self.fail("%d objects are named %r" % (len(hits), name))
            return hits[0] if hits else None
        label = "%r" % name if role is None else "%s %r" % (Atspi.role_get_name(role), name)
        acc = self.wait_for(label, probe)
        self.ok("found %s %r" % (acc.getRoleName(), name))
        return acc

    def press(self, acc):
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        for i, name in enumerate(names):
            if name.lower() in ("press", "click"):
                action.doAction(i)
                return
        self.fail("%r has no press action (actions: %s)" % (acc.name, names))

    def set_number(self, acc, digits):
        """Sets the box's text; the box may show the number with digit-group
        separators, so only its digits are compared."""
        acc.queryEditableText().setTextContents(digits)
        shown = self.wait_for_text(acc, "%r to read %s" % (acc.name, digits), lambda t: digits_of(t) == digits)
        self.ok("%r reads %r" % (acc.name, shown))

    def wait_for_text(self, acc, what, wanted):
        """Waits until wanted(text of acc); returns that text."""
        def probe():
            text = self.text_of(acc)
            return text if wanted(text) else None
        return self.wait_for(what, probe)

    def settle(self):
        """Delivers every event the program sent before answering one more query."""
        self.text_of(self.input)
        while GLib.MainContext.default().iteration(False):
            pass

    def focus(self, acc, what):
        acc.queryComponent().grabFocus()
        self.wait_for("%s to have the focus" % what, lambda: acc.getState().contains(pyatspi.STATE_FOCUSED))

    def focused(self, role):
        """The objects of this role that took the focus since the events were cleared."""
        return [e.source for e in self.events if e.type == "object:state-changed:focused" and e.detail1 == 1
                and e.source.getRole() == role]

    def keys(self, *names):
        """Types keys into the focused window as a person would (XTest)."""
        try:
            subprocess.run(["xdotool", "key", "--delay", "20"] + list(names), check=True, timeout=STEP_TIMEOUT)
        except (OSError, subprocess.SubprocessError) as error:
            self.fail("xdotool: %s" % error)

    def query(self, label, call):
        """call() within QUERY_TIMEOUT_MS: a program that does not answer fails the step."""
        started = time.monotonic()
        try:
            result = call()
        except GLib.Error as error:
            self.fail("%s: no answer (%s)" % (label, error.message))
        elapsed = time.monotonic() - started
        self.check(elapsed < QUERY_TIMEOUT_MS / 1000, "%s took %.2f s" % (label, elapsed))
        return result

    @staticmethod
    def text_of(acc):
        text = acc.queryText()
        return text.getText(0, text.characterCount)

    # -- the run -----------------------------------------------------------

    def start(self):
        self.step("start %s" % self.binary)
        env = dict(os.environ,
                   LC_ALL="en_US.UTF-8",  # digits grouped by commas as they are typed
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb",
                   QT_ACCESSIBILITY="1")
        self.proc = subprocess.Popen([self.binary], env=env, stdin=subprocess.DEVNULL)
        self.ok("pid %d" % self.proc.pid)

    def find_application(self):
        self.step("find application %r on the desktop" % APP_NAME)

        def probe():
            desktop = pyatspi.Registry.getDesktop(0)
            for app in self.children(desktop):
                if app.name == APP_NAME and app.get_process_id() == self.proc.pid:
                    return app
            return None
        self.app = self.wait_for("application %r" % APP_NAME, probe, START_TIMEOUT)
        self.ok("application %r, pid %d" % (self.app.name, self.proc.pid))

        self.step("find window %r" % WINDOW_TITLE)
        self.window = self.wait_for(
            "window %r" % WINDOW_TITLE,
            lambda: next((w for w in self.children(self.app)
                          if w.name == WINDOW_TITLE and w.getRole() == pyatspi.ROLE_FRAME), None))
        self.ok("window is a %s" % self.window.getRoleName())

    def find_controls(self):
        self.step("find the controls by accessible name")
        self.input = self.find(self.window, "Enter n", pyatspi.ROLE_TEXT)
        self.out_exp = self.find(self.window, "Result (EXP)", pyatspi.ROLE_TEXT)
        self.out_num = self.find(self.window, "Result (NUM)", pyatspi.ROLE_TEXT)
        self.table = self.find(self.window, "Fibonacci sequence", pyatspi.ROLE_TABLE)
        self.count = self.find(self.window, "Count", pyatspi.ROLE_PUSH_BUTTON)
        self.close = self.find(self.window, "Close", pyatspi.ROLE_PUSH_BUTTON)

        self.step("result boxes are read-only, the input is editable")
        for box in (self.out_exp, self.out_num):
            states = box.getState()
            self.check(states.contains(pyatspi.STATE_READ_ONLY) and not states.contains(pyatspi.STATE_EDITABLE),
                       "%r is not read-only" % box.name)
        self.check(self.input.getState().contains(pyatspi.STATE_EDITABLE),
                   "'Enter n' is not editable")
        self.ok("states as expected")

    def count_ten(self):
        self.step("set n = 10, Alt+C counts and is heard where the focus stays")
        self.set_number(self.input, "10")
        self.focus(self.input, "the input box")
        self.events.clear()
        self.keys("alt+c")
        table = self.table.queryTable()
        self.wait_for("11 rows in the list", lambda: table.nRows == 11)
        self.wait_for("the rows announced as inserted", lambda: any(
            e.type == "object:row-inserted" and e.source == self.table and (e.detail1, e.detail2) == (0, 11)
            for e in self.events))
        self.ok("11 rows, announced")
        # The same result again is heard again.
        self.press(self.count)
        shown = self.wait_for("the result to be announced twice", lambda: [
            e.source.name for e in self.events if e.type == "object:state-changed:showing" and e.detail1 == 1
            and e.source.getRole() == pyatspi.ROLE_NOTIFICATION][1:])
        self.check(shown == ["F(10) = 55"], "announced %r, expected 'F(10) = 55' twice" % shown)
        self.check(self.input.getState().contains(pyatspi.STATE_FOCUSED), "the focus left the input box")
        self.ok("notification %r twice, the focus in the input box" % shown[0])

        self.step("check the list columns")
        self.check(table.nColumns == len(COLUMNS),
                   "%d columns, expected %d" % (table.nColumns, len(COLUMNS)))
        # Screen readers read a cell with the header object of its column.
        headers = [table.getColumnHeader(column) for column in range(table.nColumns)]
        self.check(all(h is not None and h.getRole() == pyatspi.ROLE_TABLE_COLUMN_HEADER for h in headers),
                   "columns without a header object: %r" % [h and (h.getRoleName(), h.name) for h in headers])
        headers = [header.name for header in headers]
        self.check(headers == COLUMNS, "column headers %r, expected %r" % (headers, COLUMNS))
        self.ok("columns %r" % headers)

        self.step("check Result (EXP) and Result (NUM)")
        exp = self.wait_for("Result (EXP) text", lambda: self.text_of(self.out_exp))
        num = self.wait_for("Result (NUM) text", lambda: self.text_of(self.out_num))
        self.check(exp == "55", "Result (EXP) reads %r, expected '55'" % exp)
        self.check(num == "55", "Result (NUM) reads %r, expected '55'" % num)
        self.ok("Result (EXP) %r, Result (NUM) %r" % (exp, num))

        self.step("check the list rows 0..10")
        fibo = [0, 1]
        while len(fibo) < 11:
            fibo.append(fibo[-1] + fibo[-2])
        for row in range(11):
            cells = [table.getAccessibleAt(row, column) for column in range(len(COLUMNS))]
            self.check(all(cell is not None and cell.getRole() == pyatspi.ROLE_TABLE_CELL for cell in cells),
                       "row %d has a missing cell: %r" % (row, cells))
            got = [cell.name for cell in cells]
            expected = [str(row), str(fibo[row]), str(fibo[row])]
            self.check(got == expected, "row %d reads %r, expected %r" % (row, got, expected))
        last = [table.getAccessibleAt(10, column).name for column in range(len(COLUMNS))]
        self.ok("row 10 reads %r" % last)
        self.check(table.nSelectedRows == 0, "%d rows selected after Count" % table.nSelectedRows)
        self.ok("no row selected")

        def focused_cell(key, row, column):
            """After the key, the cell that takes the focus: its text, under its column's header, selected."""
            self.events.clear()
            self.keys(key)
            cell = self.wait_for("row %d, column %d to take the focus" % (row, column), lambda: next(
                (c for c in self.focused(pyatspi.ROLE_TABLE_CELL)
                 if (table.getRowAtIndex(c.getIndexInParent()), table.getColumnAtIndex(c.getIndexInParent()))
                 == (row, column)), None))
            self.check(cell.getState().contains(pyatspi.STATE_SELECTED), "the focused cell does not read as selected")
            return cell.name, table.getColumnHeader(column).name

        self.step("Down in the list focuses the next row's cell, under its column's header")
        self.focus(self.table, "the list")
        # Taking the focus makes row 0 the current one; Down moves to row 1.
        got = focused_cell("Down", 1, 0)
        self.check(got == ("1", "NUM"), "row 1 reads %r, expected '1' under 'NUM'" % (got,))
        self.ok("%r under %r, selected" % got)
        self.wait_for("row 1 to read as selected", lambda: table.nSelectedRows == 1 and table.isRowSelected(1))
        self.ok("row 1 selected")

        self.step("Right moves to the row's next cell")
        got = focused_cell("Right", 1, 1)
        self.check(got == ("1", "FIBO RESULT (EXP)"), "reads %r, expected '1' under 'FIBO RESULT (EXP)'" % (got,))
        self.ok("%r under %r, selected" % got)

        self.step("the Menu key opens the list's menu on its first item; Escape gives the cell back")
        self.events.clear()
        self.keys("Menu")
        item = self.wait_for("a menu item to take the focus", lambda: next(iter(self.focused(pyatspi.ROLE_MENU_ITEM)), None))
        menu = item.parent
        self.check(item.name == "Copy" and menu.getRole() == pyatspi.ROLE_POPUP_MENU,
                   "%s %r took the focus in a %s" % (item.getRoleName(), item.name, menu.getRoleName()))
        self.check(menu.parent == self.table and menu.getIndexInParent() >= 0,
                   "the menu is not listed under the list (parent %r, index %d)"
                   % (menu.parent and menu.parent.name, menu.getIndexInParent()))
        self.ok("%r of a menu under the list" % item.name)
        focused_cell("Escape", 1, 1)
        # Its window stayed active all along: Orca would speak its title again.
        self.check(not any(e.type == "window:activate" for e in self.events), "the window reported its activation")
        self.check(self.table.getState().contains(pyatspi.STATE_FOCUSED), "the list lost the focus to the menu")
        self.ok("the cell has the focus again, the window never reactivated")

    def count_too_big(self):
        self.step("set n = 1477 and press Count")
        self.set_number(self.input, "1477")
        self.press(self.count)

        self.step("wait for the %r message box" % TOO_BIG_TITLE)
        box = self.wait_for(
            "message box %r" % TOO_BIG_TITLE,
            lambda: next((w for w in self.children(self.app)
                          if w.name == TOO_BIG_TITLE
                          and w.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)), None))
        self.ok("%s %r" % (box.getRoleName(), box.name))

        texts = [box.description]
        buttons = []
        for acc in self.descendants(box):
            texts.append(acc.name)
            if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                buttons.append(acc)
            if "Text" in acc.get_interfaces():
                texts.append(self.text_of(acc))
        shown = " | ".join(p for p in texts if p)
        self.check(TOO_BIG_TEXT in shown, "message box shows %r, expected %r" % (shown, TOO_BIG_TEXT))
        self.ok("text %r" % TOO_BIG_TEXT)
        names = [b.name for b in buttons]
        self.check(names == ["OK"], "message box buttons %r, expected ['OK']" % names)
        self.ok("one button, OK")

        self.step("press OK")
        self.press(buttons[0])
        self.wait_for("the message box to close",
                      lambda: all(w.name != TOO_BIG_TITLE for w in self.children(self.app)))
        self.ok("message box closed")

    def type_in_input(self):
        self.step("type 12345 and Ctrl+Left in the input box")
        self.events.clear()
        self.input.queryComponent().grabFocus()
        self.wait_for("the input box to have the focus",
                      lambda: self.input.getState().contains(pyatspi.STATE_FOCUSED))
        self.keys("1", "2", "3", "4", "5", "ctrl+Left")
        shown = self.wait_for_text(self.input, "the input to read 12345", lambda t: digits_of(t) == "12345")
        self.ok("'Enter n' reads %r" % shown)
        caret = self.query("caret offset", lambda: self.input.queryText().caretOffset)
        self.check(caret == len(shown), "caret at %d, expected the end (%d)" % (caret, len(shown)))
        self.ok("caret at the end")
        for kind in ("object:text-changed:insert", "object:text-caret-moved"):
            self.wait_for("a %s event from the input box" % kind,
                          lambda: any(e.type == kind and e.source == self.input for e in self.events))
        self.ok("text-changed and caret-moved events reached the bus")

        self.step("Backspace is heard as the digit it deletes, not the regrouping")
        self.events.clear()
        self.keys("BackSpace")
        shown = self.wait_for_text(self.input, "the input to read 1234", lambda t: digits_of(t) == "1234")
        self.settle()
        changes = [(e.type.split(":")[-1], e.any_data) for e in self.events
                   if e.type.startswith("object:text-changed") and e.source == self.input]
        self.check(changes == [("delete", "5")], "Backspace to %r sent %r, expected one deletion of '5'"
                   % (shown, changes))
        self.ok("one deletion of '5', then %r" % shown)

    def sweep_text_queries(self, box):
        self.step("every text query at the edges of %r" % box.name)
        full = self.text_of(box)
        n = len(full)
        offsets = sorted({0, 1, n // 2, n - 1, n, n + 1})
        started = time.monotonic()
        count = 0
        for query_name, call in QUERIES:
            for kind_name, kind in BOUNDARIES:
                for offset in offsets:
                    label = "%s %s(%d, %s)" % (box.name, query_name, offset, kind_name)
                    got = self.query(label, lambda: call(box, offset, kind))
                    count += 1
                    text, start, end = got.content, got.start_offset, got.end_offset
                    if text:
                        self.check(0 <= start < end <= n and full[start:end] == text,
                                   "%s gave %r at %d..%d of %r" % (label, text, start, end, full))
                    if query_name == "at" and text:
                        self.check(start <= offset <= end, "%s gave %d..%d" % (label, start, end))
        self.ok("%d queries on %d characters, all answered, in %.3f s"
                % (count, n, time.monotonic() - started))
        self.query("%r's text afterwards" % box.name, lambda: self.text_of(box))
        self.ok("the program still answers")

    def results_of_1476(self):
        self.step("set n = 1476 and press Count")
        self.set_number(self.input, "1476")
        self.press(self.count)
        num = self.wait_for_text(self.out_num, "Result (NUM) to hold 309 digits", lambda t: len(digits_of(t)) == 309)
        self.ok("Result (NUM) holds %d characters" % len(num))
        table = self.table.queryTable()
        last = [table.getAccessibleAt(1476, column).name for column in range(len(COLUMNS))]
        self.check(table.nRows == 1477 and last[0] == "1476" and last[2] == num,
                   "%d rows, the last reads %r" % (table.nRows, last))
        self.ok("the list's last row reads %r" % last[:2])

        self.step("Result (NUM), shown over several lines, reads as one")
        text = self.out_num.queryText()
        first, last = (text.getCharacterExtents(i, pyatspi.DESKTOP_COORDS) for i in (0, len(num) - 1))
        self.check(last[1] > first[1], "the last digit is not below the first: %r, %r" % (first, last))
        line = self.query("first line", lambda: Atspi.Text.get_text_at_offset(
            self.out_num, 0, Atspi.TextBoundaryType.LINE_START))
        self.check((line.start_offset, line.end_offset) == (0, len(num)),
                   "the first line is %d..%d of %d characters" % (line.start_offset, line.end_offset, len(num)))
        self.ok("the line is the whole number")

    def result_boxes_refuse_edits(self):
        self.step("the result boxes refuse edits through the bus")
        for box in (self.out_exp, self.out_num):
            before = self.text_of(box)
            edits = [("setTextContents", lambda e: e.setTextContents("1")),
                     ("insertText", lambda e: e.insertText(0, "1", 1)),
                     ("deleteText", lambda e: e.deleteText(0, 1))]
            for name, edit in edits:
                try:
                    editable = box.queryEditableText()
                except NotImplementedError:
                    break  # no EditableText at all: nothing can edit it this way
                self.query("%s %s" % (box.name, name), lambda: edit(editable))
                after = self.text_of(box)
                self.check(after == before, "%s changed %r to %r" % (name, box.name, after))
        self.ok("both unchanged")

    def close_program(self):
        self.step("press Close")
        self.press(self.close)
        try:
            status = self.proc.wait(EXIT_TIMEOUT)
        except subprocess.TimeoutExpired:
            self.fail("the program still runs %.0f s after Close" % EXIT_TIMEOUT)
        self.check(status == 0, "exit status %d, expected 0" % status)
        self.ok("exit status 0")

    def run(self):
        self.start()
        self.find_application()
        self.find_controls()
        Atspi.set_timeout(QUERY_TIMEOUT_MS, QUERY_TIMEOUT_MS)
        self.type_in_input()
        self.sweep_text_queries(self.input)
        self.count_ten()
        self.count_too_big()
        self.results_of_1476()
        for box in (self.input, self.out_exp, self.out_num):
            self.sweep_text_queries(box)
        self.result_boxes_refuse_edits()
        self.close_program()

    def kill(self):
        if self.proc is not None and self.proc.poll() is None:
            print("    killing the program (pid %d)" % self.proc.pid, flush=True)
            self.proc.kill()
            self.proc.wait()


def main():
    if len(sys.argv) != 2:
        print("usage: %s PATH/TO/corvane" % sys.argv[0], file=sys.stderr)
        return 2

    driver = Driver(os.path.abspath(sys.argv[1]))

    def on_alarm(signum, frame):
        driver.fail("the whole run took longer than %d s" % OVERALL_TIMEOUT)

    def on_terminate(signum, frame):
        driver.fail("stopped by signal %d" % signum)

    signal.signal(signal.SIGALRM, on_alarm)
    signal.signal(signal.SIGTERM, on_terminate)
    signal.signal(signal.SIGHUP, on_terminate)
    signal.alarm(OVERALL_TIMEOUT)
    started = time.monotonic()
    try:
        driver.run()
    except StepFailed as error:
        print("FAILED: %s" % error, flush=True)
        return 1
    except Exception as error:
        print("FAILED: step %d (%s): %s: %s"
              % (driver.step_no, driver.step_name, type(error).__name__, error), flush=True)
        return 1
    except KeyboardInterrupt:
        print("FAILED: step %d (%s): interrupted" % (driver.step_no, driver.step_name), flush=True)
        return 1
    finally:
        signal.alarm(0)
        driver.kill()
    print("PASSED: all %d steps in %.1f s" % (driver.step_no, time.monotonic() - started), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
