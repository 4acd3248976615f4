# Walks Kalindor's windows through AT-SPI as a screen reader does, in French and then in English, and
# prints them. Fails when a node has no name, when the clock window is not a frame or another window is
# neither a dialog nor a frame, or when the clock boxes and the date line do not carry what they show.
import datetime
import re
import sys
import time

import pyatspi


def wait(what, find, limit=20):
    end = time.monotonic() + limit
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what}")


def windows():
    apps = [app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "kalindor"]
    return list(apps[0]) if apps else []


def window(title):
    return next((w for w in windows() if w.name == title), None)


def nodes(node, depth=0):
    yield node, depth
    for child in node:
        yield from nodes(child, depth + 1)


def press(parent, name):
    button = wait(f"no {name!r} in {parent.name!r}", lambda: next((n for n, _ in nodes(parent) if n.name == name), None))
    button.queryAction().doAction(0)


def names(parent):
    return [node.name for node, _ in nodes(parent)]


problems = []
main = wait("no KALINDOR window", lambda: window("KALINDOR"))
for language, save in (("French", "Sauver"), ("English", "Save")):
    press(main, language)
    today = datetime.date.today()
    shown = (rf"\d\d:\d\d", r"\d\d", rf"\d\d:\d\d [AP]M", rf"\w+ .*\b{today.day}\b.* {today.year}")
    for pattern in shown:
        wait(f"{language}: no node named {pattern} in {names(main)}",
             lambda: any(re.fullmatch(pattern, name) for name in names(main)))
    press(main, "Alarm-set")
    press(main, "About")
    wait(f"{language}: ALARM SET and the About box did not open", lambda: len(windows()) == 3)
    print(f"--- {language}")
    for top in windows():
        for node, depth in nodes(top):
            print(f"{'  ' * depth}[{node.getRoleName()}] {node.name}")
            if not node.name:
                problems.append(f"{language}: a {node.getRoleName()} without a name in {top.name!r}")
        roles = {pyatspi.ROLE_FRAME} if top == main else {pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME}
        if top.getRole() not in roles:
            problems.append(f"{language}: {top.name!r} is a {top.getRoleName()}")
    press(window("ALARM SET"), save)  # closes it; the next one opens in the new language
    wait(f"{language}: ALARM SET did not close", lambda: window("ALARM SET") is None)

for problem in problems:
    print("FAIL:", problem)
sys.exit(1 if problems else 0)
