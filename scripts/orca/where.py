#!/usr/bin/python3
"""Prints where resonix shows a control, as a screen reader finds it.

    where.py ROLE NAME    the screen position "x y" of the middle of the
                          showing control of that role ("push button",
                          "list item", "text") and accessible name; a
                          "text" must be editable (an input, not its caption)

Exits 1 when there is none. Run with Debian's own python3, which has the
accessibility bindings (python3-gi, gir1.2-atspi).
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find(node, role, name):
    states = node.get_state_set()
    if (node.get_role_name() == role and node.get_name() == name and states.contains(Atspi.StateType.SHOWING)
            and (role != "text" or states.contains(Atspi.StateType.EDITABLE))):
        return node
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        found = find(child, role, name) if child is not None else None
        if found is not None:
            return found
    return None


role, name = sys.argv[1], sys.argv[2]
desktop = Atspi.get_desktop(0)
for index in range(desktop.get_child_count()):
    application = desktop.get_child_at_index(index)
    if application is None or application.get_name() != "resonix":
        continue
    control = find(application, role, name)
    if control is not None:
        box = control.get_extents(Atspi.CoordType.SCREEN)
        print(box.x + box.width // 2, box.y + box.height // 2)
        sys.exit(0)
sys.exit(1)
