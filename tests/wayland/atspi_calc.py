#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
"""Drives a running calculator through the accessibility bus (AT-SPI), as a screen reader or a
test robot would: presses its buttons and reads its display back.

  atspi_calc.py sequences            presses the worked sequences and checks what they show
  atspi_calc.py shows [DAYS HOURS MINUTES [INDICATOR]]
                                     waits until the display shows that (0 0 0 when not given)
  atspi_calc.py focused FIELD        waits until the display field Days, Hours or Minutes has
                                     the focus
"""
import os
import sys
import time

import gi

# Every state and name read from the calculator, not from libatspi's cache, which only events
# keep up to date.
os.environ["ATSPI_NO_CACHE"] = "1"
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

APP = "Zelkor"
TIMEOUT = 60  # seconds, for a slow machine under load
# Key notation of the calculator's own tests: digits, operators, D(ay), H(our), C, A(C).
BUTTONS = {"+": "＋", "-": "－", "*": "×", "/": "÷", "=": "＝", "D": "Day", "H": "Hour",
           "C": "C", "A": "AC"}
CLEAR = ["0", "0", "0", ""]  # an empty field is shown, and read, as 0
SEQUENCES = [  # keys, then days, hours, minutes and the indicator as shown
    ("5+3=", ["0", "0", "8", ""]),
    ("5+3++", ["0", "0", "11", ""]),
    ("5+=", ["0", "0", "5", ""]),
    ("5+*3=", ["0", "0", "15", ""]),
    ("2D3H15+=", ["2", "3", "15", ""]),
    ("100=", ["0", "1", "40", ""]),
    ("3-5=", ["0", "0", "2", "-"]),
]


def wait(condition):
    """Polls condition until it holds or the time-out passes; its last value."""
    deadline = time.monotonic() + TIMEOUT
    while not (result := condition()) and time.monotonic() < deadline:
        time.sleep(0.05)
    return result


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def calculator():
    """The calculator's buttons by caption, and its display: the three fields and the indicator."""
    def find():
        for app in pyatspi.Registry.getDesktop(0):
            try:  # an application that has just ended, or is still building its tree, fails
                if app is None or app.name != APP:
                    continue
                buttons, display = {}, {}
                for node in walk(app):
                    if node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                        buttons[node.name] = node
                    elif node.name in ("Days", "Hours", "Minutes"):
                        display[node.name] = node
                    elif node.description == "Sign or overflow":
                        display["Indicator"] = node
                if len(display) == 4 and "AC" in buttons:
                    return buttons, display
            except GLib.Error:
                pass
        return None
    return wait(find) or sys.exit(
        f"atspi_calc: no calculator window on the accessibility bus within {TIMEOUT} s")


def shown(display):
    fields = [display[n].queryText() for n in ("Days", "Hours", "Minutes")]
    return [f.getText(0, -1) for f in fields] + [display["Indicator"].name]


def wait_until_shown(display, expected):
    """The display once it shows expected, or what it shows after the time-out."""
    wait(lambda: shown(display) == expected)
    return shown(display)


def press(buttons, keys):
    for key in keys:
        # A button's press action holds it down for a visible moment and clicks it on release; a
        # second press while it is still down only prolongs that one click, so each press waits
        # for the release, however long a loaded machine takes to get there.
        button = buttons[BUTTONS.get(key, key)]
        button.queryAction().doAction(0)
        wait(lambda: not button.getState().contains(pyatspi.STATE_PRESSED))


def reach_bus():
    """Exits with a message when the accessibility bus cannot be reached (libatspi would abort)."""
    address = os.environ.get("AT_SPI_BUS_ADDRESS")
    try:
        if address:
            Gio.DBusConnection.new_for_address_sync(
                address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None).close_sync(None)
    except GLib.Error as error:
        sys.exit(f"atspi_calc: cannot connect to the accessibility bus {address}: {error.message}")
    # Under load the calculator can take longer than libatspi's 0.8 s to answer a call.
    Atspi.set_timeout(15000, 15000)


def main():
    reach_bus()
    buttons, display = calculator()
    if sys.argv[1:2] == ["focused"]:
        if not wait(lambda: display[sys.argv[2]].getState().contains(pyatspi.STATE_FOCUSED)):
            sys.exit(f"atspi_calc: the field {sys.argv[2]} did not take the focus in {TIMEOUT} s")
        return
    if sys.argv[1:2] == ["shows"]:
        expected = (sys.argv[2:] + [""])[:4] if len(sys.argv) > 2 else CLEAR
        got = wait_until_shown(display, expected)
        if got != expected:
            sys.exit(f"atspi_calc: the display shows {got}, expected {expected}")
        return
    failed = 0
    for keys, expected in SEQUENCES:
        press(buttons, "A")
        wait_until_shown(display, CLEAR)
        press(buttons, keys)
        got = wait_until_shown(display, expected)
        if got != expected:
            print(f"atspi_calc: {keys} shows {got}, expected {expected}")
            failed += 1
    print(f"atspi_calc: {len(SEQUENCES) - failed} of {len(SEQUENCES)} worked sequences right")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    try:
        main()
    except (GLib.Error, NotImplementedError) as error:  # the calculator or the bus went away
        sys.exit(f"atspi_calc: no answer through the accessibility bus: {error!r}")
