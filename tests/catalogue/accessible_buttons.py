#!/usr/bin/python3
"""Lists the push buttons of a window as assistive tools see it on the desktop's
accessibility bus: one line per button, its name after "button\t".

usage: accessible_buttons.py WINDOW-TITLE [SECONDS]

Exit status: 0 listed; 1 the window did not appear on a bus that answers;
77 the bus never answered (it could not start)."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

title = sys.argv[1]
seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 30
# Every call on the bus gives up after 5 s (15 s while an application starts),
# so a program that stops answering cannot hold this script.
Atspi.set_timeout(5000, 15000)

deadline = time.monotonic() + seconds
answered = False
window = None
last_error = "no answer"
while window is None:
    try:
        desktop = Atspi.get_desktop(0)
        count = desktop.get_child_count()
        answered = True
        for i in range(count):
            application = desktop.get_child_at_index(i)
            if application is None:
                continue
            for j in range(application.get_child_count()):
                child = application.get_child_at_index(j)
                if child is not None and child.get_name() == title:
                    window = child
    except GLib.Error as error:
        last_error = error.message
    if window is None:
        if time.monotonic() > deadline:
            if not answered:
                print("the accessibility bus does not answer: " + last_error)
                sys.exit(77)
            print("no window titled %r on the accessibility bus" % title)
            sys.exit(1)
        time.sleep(0.2)


def walk(node, depth=0):
    if node is None or depth > 20:
        return
    if node.get_role() == Atspi.Role.PUSH_BUTTON:
        print("button\t" + (node.get_name() or ""))
    for i in range(node.get_child_count()):
        walk(node.get_child_at_index(i), depth + 1)


walk(window)
sys.stdout.flush()
