# Walks Kalindor's windows through AT-SPI as a screen reader does, in French and then in English, and
# prints them; imported by the atspi scenario once its world has an accessibility bus. Fails when a
# node has no name or a control that takes the focus no description, when the clock window is not a
# frame or another window is neither a dialog nor a frame, or when the clock display and the date line
# are not named by the time and the date in the window's language. The summary that Save shows is read too.
import datetime
import re
import time

import pyatspi

from world import Failed


def wait(what, find, limit=20):
    end = time.monotonic() + limit
    while time.monotonic() < end:
        if found := find():
            return found
        time.sleep(0.2)
    raise Failed(what)


def windows():
    return [w for app in pyatspi.Registry.getDesktop(0) if app and app.name == "kalindor" for w in app]


def nodes(node, depth=0):
    yield node, depth
    for child in node:
        yield from nodes(child, depth + 1)


def press(parent, name):
    find = lambda: next((n for n, _ in nodes(parent) if n.name == name), None)
    wait(f"no {name!r} in {parent.name!r}", find).queryAction().doAction(0)


problems = []


def walk(top, language, roles, described=True):
    for node, depth in nodes(top):
        print(f"{'  ' * depth}[{node.getRoleName()}] {node.name}")
        if not node.name:
            problems.append(f"{language}: a {node.getRoleName()} without a name in {top.name!r}")
        if described and node.getState().contains(pyatspi.STATE_FOCUSABLE) and not node.description:
            problems.append(f"{language}: {node.name!r} in {top.name!r} takes the focus but has no description")
    if top.getRole() not in roles:
        problems.append(f"{language}: {top.name!r} is a {top.getRoleName()}")


def walk_both_languages():
    main = wait("no KALINDOR window", lambda: next((w for w in windows() if w.name == "KALINDOR"), None))
    for language, flag, about, save, time in (("French", "Français", "À propos", "Sauver", r"\d\d:\d\d, \d+ secondes?"),
                                              ("English", "Anglais", "About", "Save", r"\d+:\d\d [AP]M and \d+ seconds?")):
        press(main, flag)
        today = datetime.date.today()
        for shown in (time, rf"\w+,? {today.day} \w+ {today.year}"):
            names = lambda: [node.name for node, _ in nodes(main)]
            wait(f"{language}: no node named {shown} in {names()}", lambda: any(re.fullmatch(shown, n) for n in names()))
        press(main, "Alarm-set")
        press(main, about)
        wait(f"{language}: ALARM SET and the About box did not open", lambda: len(windows()) == 3)
        print(f"--- {language}")
        for top in windows():
            walk(top, language, {pyatspi.ROLE_FRAME} if top == main else {pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME})
        press(next(w for w in windows() if w.name == "ALARM SET"), save)  # closes it; the next opens in the new language
        wait(f"{language}: ALARM SET did not close", lambda: all(w.name != "ALARM SET" for w in windows()))
        summary = wait(f"{language}: no summary after Save", lambda: next((w for w in windows() if w.getRole() == pyatspi.ROLE_ALERT), None))
        walk(summary, language, {pyatspi.ROLE_ALERT}, described=False)  # Qt's own box: its OK says what it does
        press(summary, "OK")
        wait(f"{language}: the summary did not close", lambda: len(windows()) == 2)

    for problem in problems:
        print("FAIL:", problem)
    if problems:
        raise Failed(f"{len(problems)} problems in the tree")
