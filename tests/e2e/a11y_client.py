#!/usr/bin/python3
"""The program as a screen reader sees it, through the accessibility bus.

Run by e2e_a11y.sh on the run's own session bus while the program is up.
Walks the accessibility tree (every control and picture on view named, in
words that are no object names; nothing the child cannot see on view or
pressable), then plays a problem through the tree's own actions, as a
screen-reader user would: a new problem, a wrong answer, the right one, and
listens for what the screen reader is told. Prints FAIL lines and exits 1 on
the first failure.
"""
import re
import sys
import time

import pyatspi
from gi.repository import GLib

OBJECT_NAME = re.compile(r"^(PORONKA|Form\d+|Image\d+|Button\d+|BitBtn\d+|Label\d+|Edit\d+|"
                         r"RadioGroup\d+|Timer\d+)$")
# The operations other handlers call: never visible, never to be pressed.
OPERATIONS = {"判定", "だんご配列", "だんご減", "リセット", "Button20", "Button21", "22", "23",
              "Button1", "Button2"}
# Roles a child meets as a control or a picture.
NAMED_ROLES = {pyatspi.ROLE_FRAME, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
               pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_IMAGE, pyatspi.ROLE_PANEL}

said = []  # (what was said, how)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def pump(seconds, until=lambda: False):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        time.sleep(0.01)
    return until()


def states(obj):
    return obj.getState()


def showing(obj):
    s = states(obj)
    return s.contains(pyatspi.STATE_SHOWING) and s.contains(pyatspi.STATE_VISIBLE)


def actions(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def walk(obj, frame=None):
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is None:
            continue
        inner = child if child.getRole() == pyatspi.ROLE_FRAME else frame
        yield child, inner
        yield from walk(child, inner)


def application():
    def found():
        desktop = pyatspi.Registry.getDesktop(0)
        return any(app is not None and app.name == "poronka" and app.childCount > 0
                   for app in desktop)
    if not pump(15, found):
        fail("the program never came onto the accessibility bus")
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "poronka":
            return app


def frame_named(app, name):
    for obj, _ in walk(app):
        if obj.getRole() == pyatspi.ROLE_FRAME and obj.name == name:
            return obj
    return None


def check_tree(app):
    count = 0
    for obj, frame in walk(app):
        role, name = obj.getRole(), obj.name
        on_view = showing(obj) and (frame is None or showing(frame))
        pressable = [a for a in actions(obj) if a.lower() in ("press", "click")]
        if pressable and not on_view:
            fail(f"'{name}' ({obj.getRoleName()}) can be pressed but is not on view")
        if name in OPERATIONS and role == pyatspi.ROLE_PUSH_BUTTON and (on_view or pressable):
            fail(f"the operation '{name}' is in the tree on view or pressable")
        if not on_view or role not in NAMED_ROLES:
            continue
        count += 1
        if not name:
            fail(f"a {obj.getRoleName()} on view in '{frame.name if frame else ''}' has no name")
        if OBJECT_NAME.match(name):
            fail(f"a {obj.getRoleName()} is named by its object name '{name}'")
    for name in ("ポロンカ", "かべがみ"):
        board = frame_named(app, name)
        if board is None or not showing(board):
            fail(f"no window '{name}' on view")
    hundred = frame_named(app, "できたかずの ごほうび")
    if hundred is not None and (showing(hundred) or hundred.childCount):
        fail("the hundred-solved screen lies covered but shows in the tree")
    return count


def press(frame, name):
    for obj, _ in walk(frame):
        if obj.name == name and "Press" in actions(obj):
            obj.queryAction().doAction(actions(obj).index("Press"))
            # Qt's press action holds a button down for 100 ms, and a second
            # press of it within them is the same press: no one at a screen
            # reader presses faster than this, and an answer of 11 needs two.
            pump(0.25)
            return
    fail(f"no button '{name}' to press on '{frame.name}'")


def heard(pattern):
    return lambda: any(re.search(pattern, text) for text, _ in said)


def on_event(event):
    source = event.source
    try:
        role, name = source.getRole(), source.name
    except Exception:  # gone by now
        return
    if event.type.startswith("object:state-changed:showing") and event.detail1:
        if role in (pyatspi.ROLE_NOTIFICATION, pyatspi.ROLE_ALERT):
            said.append((name, "shown " + source.getRoleName()))
    elif event.type.startswith("object:announcement"):
        said.append((str(event.any_data), "announcement"))
    elif event.type.startswith("object:property-change:accessible-name"):
        if states(source).contains(pyatspi.STATE_FOCUSED):
            said.append((name, "focused name"))


def main():
    app = application()
    for kind in ("object:state-changed:showing", "object:property-change:accessible-name",
                 "object:announcement"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    checked = check_tree(app)
    board = frame_named(app, "ポロンカ")

    press(board, "もんだい")
    if not pump(5, heard(r"^\d たす \d$")):
        fail(f"no new problem announced; heard {said}")
    problem = [t for t, _ in said if re.search(r"^\d たす \d$", t)][-1]
    first, second = (int(n) for n in re.findall(r"\d", problem))

    del said[:]
    press(board, "1")
    press(board, "9")  # every sum is 10 to 18: 19 is always wrong
    if not pump(5, heard("ちがうなあ")):
        fail(f"no announcement after a wrong answer; heard {said}")
    counters = frame_named(app, "だんご")
    if counters is None or not showing(counters):
        fail("the counter window is not on view, named だんご, after a wrong answer")
    if not pump(3, lambda: any(states(o).contains(pyatspi.STATE_FOCUSED) and o.name
                               for o, _ in walk(counters))):
        fail("the counter window has no named control with the focus")
    wrong = [t for t, _ in said if "ちがうなあ" in t]

    del said[:]
    total = first + second
    press(board, str(total // 10))
    press(board, str(total % 10))
    if not pump(5, heard("あってるよ")):
        fail(f"no announcement after the right answer {total}; heard {said}")
    right = [t for t, _ in said if "あってるよ" in t]
    check_tree(app)
    print(f"checked {checked} named objects; problem '{problem}'; wrong: {wrong}; "
          f"right: {right}")


if __name__ == "__main__":
    main()
