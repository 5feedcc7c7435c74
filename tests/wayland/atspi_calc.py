#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Zelkor developers
# SPDX-License-Identifier: MIT
"""Drives a running calculator through the accessibility bus (AT-SPI), as a screen reader or a
test robot would: presses its buttons and reads its display back.

  atspi_calc.py sequences            presses the worked sequences and checks what they show
  atspi_calc.py shows [DAYS HOURS MINUTES [INDICATOR]]
                                     waits until the display shows that (0 0 0 when not given)
"""
import sys
import time

import pyatspi

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


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def calculator():
    """The calculator's buttons by caption, and its display: the three fields and the indicator."""
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != APP:
                continue
            buttons, display = {}, {}
            for node in walk(app):
                role = node.getRole()
                if role == pyatspi.ROLE_PUSH_BUTTON:
                    buttons[node.name] = node
                elif node.name in ("Days", "Hours", "Minutes"):
                    display[node.name] = node
                elif node.description == "Sign or overflow":
                    display["Indicator"] = node
            if len(display) == 4 and "AC" in buttons:
                return buttons, display
        time.sleep(0.2)
    sys.exit(f"atspi_calc: no calculator window on the accessibility bus within {TIMEOUT} s")


def shown(display):
    fields = [display[n].queryText() for n in ("Days", "Hours", "Minutes")]
    return [f.getText(0, -1) for f in fields] + [display["Indicator"].name]


def wait_until_shown(display, expected):
    """The display once it shows expected, or what it shows after the time-out."""
    deadline = time.monotonic() + TIMEOUT
    while (now := shown(display)) != expected and time.monotonic() < deadline:
        time.sleep(0.1)
    return now


def press(buttons, keys):
    for key in keys:
        # A button's press action holds it down for a visible moment and clicks it on release; a
        # second press while it is still down only prolongs that one click, so each press waits
        # for the release, however long a loaded machine takes to get there.
        button = buttons[BUTTONS.get(key, key)]
        button.queryAction().doAction(0)
        deadline = time.monotonic() + TIMEOUT
        while button.getState().contains(pyatspi.STATE_PRESSED) and time.monotonic() < deadline:
            time.sleep(0.02)


def main():
    buttons, display = calculator()
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
    main()
