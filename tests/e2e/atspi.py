# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# The program as assistive technology meets it, through AT-SPI.
#   atspi.py press NAME   presses the control of that name (waits up to 10 s for it)
#   atspi.py names        prints every accessible name, one a line
#   atspi.py windows      prints the program's shown windows: role and name
import sys
import time

import pyatspi


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "gitterspor":
            return app
    return None


def everything(node):
    yield node
    for child in node:
        if child is not None:
            yield from everything(child)


def action(node):
    try:
        return node.queryAction() if node.queryAction().nActions > 0 else None
    except NotImplementedError:
        return None


def find(name):
    app = program()
    if app is None:
        return None
    return next((action(o) for o in everything(app) if o.name == name and action(o)), None)


def main():
    if sys.argv[1] == "press":
        for _ in range(100):
            try:
                control = find(sys.argv[2])
            except Exception:  # the tree changes while it is read
                control = None
            if control is not None:
                control.doAction(0)
                return 0
            time.sleep(0.1)
        print(f"no control named {sys.argv[2]!r}", file=sys.stderr)
        return 1
    app = program()
    if app is None:
        return 1
    if sys.argv[1] == "windows":
        for window in app:
            if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                print(f"{window.getRoleName()}: {window.name}")
        return 0
    for node in everything(app):
        if node.name:
            print(node.name)
    return 0


sys.exit(main())
