#!/usr/bin/python3
"""Prints what resonix's input fields hold, as a screen reader reads them.

One line for each editable one-line field that shows on the screen:
its accessible name, a tab, and its text between quotes. Run with Debian's
own python3, which has the accessibility bindings (python3-gi, gir1.2-atspi).
"""
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def fields(node):
    states = node.get_state_set()
    if (node.get_role() == Atspi.Role.TEXT and states.contains(Atspi.StateType.EDITABLE)
            and states.contains(Atspi.StateType.SHOWING)):
        yield node.get_name(), Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield from fields(child)


desktop = Atspi.get_desktop(0)
for index in range(desktop.get_child_count()):
    application = desktop.get_child_at_index(index)
    if application is not None and application.get_name() == "resonix":
        for name, text in fields(application):
            print(f"{name}\t\"{text}\"")
