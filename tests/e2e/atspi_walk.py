#!/usr/bin/env python3
"""Walks Ombrel's accessibility tree through the real AT-SPI stack.

Run inside a D-Bus session with an X server, Ombrel started with
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Exit 0 when every check passes, 1 on a
failure. Every wait is for a condition, with a generous limit.
"""
import subprocess
import sys
import time

import pyatspi

failures = 0


def check(ok, what):
    global failures
    print(("PASS: " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures += 1


def wait_for(find, timeout=90.0):
    end = time.monotonic() + timeout
    while True:
        try:
            found = find()
        except Exception:  # the tree changes under us while the app starts
            found = None
        if found or time.monotonic() > end:
            return found
        time.sleep(0.2)


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def ombrel():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower().startswith("ombrel"):
            return app
    return None


def find_role(app, role, name=None):
    for node, _ in walk(app):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def names_of(canvas):
    return [canvas.getChildAtIndex(i).name for i in range(canvas.childCount)]


app = wait_for(ombrel)
canvas = app and wait_for(lambda: find_role(ombrel(), pyatspi.ROLE_CANVAS))
if canvas is None:
    print("FAIL: Ombrel never showed its canvas on the accessibility bus")
    sys.exit(1)
app = ombrel()

# Every object a user can focus has a name.
unnamed = []
for node, depth in walk(app):
    states = node.getState()
    if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING):
        if not node.name.strip():
            unnamed.append(f"{node.getRoleName()} at depth {depth}")
check(not unnamed, "every focusable object has a name" + (f" (not: {unnamed})" if unnamed else ""))

start = [
    "orange rectangle, 70 to 110 across, 34% up",
    "green rectangle, 130 to 170 across, 52% up",
    "blue rectangle, 190 to 230 across, 70% up",
]
check(names_of(canvas) == start, f"the canvas lists the starting billboards: {names_of(canvas)}")

# An edit from the keyboard: select the second billboard, move it 10 right, draw a circle.
window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "Ombrel"],
                        capture_output=True, text=True).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
for keys in ["ctrl+bracketright", "ctrl+bracketright", "shift+Right"]:
    subprocess.run(["xdotool", "key", "--window", window, keys], check=True)
edited = list(start)
edited[1] = "green rectangle, 140 to 180 across, 52% up"
wait_for(lambda: names_of(canvas) == edited)
check(names_of(canvas) == edited, f"after a move the canvas lists: {names_of(canvas)}")
selected = [canvas.getChildAtIndex(i).getState().contains(pyatspi.STATE_SELECTED)
            for i in range(canvas.childCount)]
check(selected == [False, True, False], f"the moved billboard is the selected one: {selected}")
print("Canvas after the edit:")
print(f"  {canvas.getRoleName()} '{canvas.name}': {canvas.description}")
for i in range(canvas.childCount):
    child = canvas.getChildAtIndex(i)
    mark = " (selected)" if child.getState().contains(pyatspi.STATE_SELECTED) else ""
    print(f"    {child.getRoleName()} '{child.name}'{mark}")

# A slider's value, read and set through the Value interface.
slider = find_role(app, pyatspi.ROLE_SLIDER, "Focus angle")
check(slider is not None, "the focus slider is named by its label")
if slider is not None:
    value = slider.queryValue()
    check(value.currentValue == 450, f"the focus slider reads 450 tenths: {value.currentValue}")
    value.currentValue = 300
    label = next((n for n, _ in walk(app) if n.name == "Focus readout"), None)
    followed = wait_for(lambda: label is not None and "30.0" in label.description, 30)
    check(slider.queryValue().currentValue == 300, "the value set through AT-SPI is the slider's")
    check(bool(followed), "the readout's description follows the value set through AT-SPI")

sys.exit(1 if failures else 0)
