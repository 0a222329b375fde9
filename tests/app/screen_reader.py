"""The window as a screen reader meets it, through AT-SPI (pyatspi).

Run by screen_reader.sh on a virtual desktop with a session bus and the
accessibility bus, while the program runs. Walks the tree from the desktop:
the window is a frame with its title, each calculator's button is read once
(the covered standard one says it is the same action), the eight pictures
are described; then types the typical request into the cylinder's fields,
presses its button through the accessible action and reads the result.
"""
import sys
import time

import pyatspi

TITLE = "Calculs de surfaces pour anodisation de l'aluminium"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def wait_for_frame():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(150):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            for j in range(app.childCount if app else 0):
                window = app.getChildAtIndex(j)
                if window is not None and window.name == TITLE:
                    return window
        time.sleep(0.1)
    return None


frame = wait_for_frame()
if frame is None:
    print("FAIL: no window titled", TITLE, "on the accessibility bus")
    sys.exit(1)
check(frame.getRoleName() == "frame", "the window is a frame, not a " + frame.getRoleName())

nodes = list(walk(frame))
by_name = {}
for node in nodes:
    by_name.setdefault((node.getRoleName(), node.name), []).append(node)

for column in ("CYLINDRE", "PARALLELEPIPEDE", "SPHERE", "PYRAMIDE"):
    buttons = by_name.get(("push button", "Calculer la surface (%s)" % column), [])
    undescribed = [b for b in buttons if not b.description]
    check(len(buttons) == 2 and len(undescribed) == 1,
          "%s: one button without a description, one saying it is the same action (found %d, %d undescribed)"
          % (column, len(buttons), len(undescribed)))

pictures = [n.name for n in nodes if n.getRoleName() == "image"]
check(len(pictures) == 8 and all(" : " in name for name in pictures), "eight described pictures: %r" % pictures)
check(("filler", "Le calcul de la surface totale à anodiser") in by_name, "the first heading bar is named")
check(not any(node.name == "Panel2" for node in nodes), "no panel reads its hidden caption")

radius = by_name.get(("text", "Rayon (CYLINDRE)"), [None])[0]
height = by_name.get(("text", "Hauteur (CYLINDRE)"), [None])[0]
button = next((b for b in by_name.get(("push button", "Calculer la surface (CYLINDRE)"), []) if not b.description),
              None)
surface = next((n for n in nodes if n.getRoleName() == "label" and n.description == "Surface (CYLINDRE)"), None)
current = next((n for n in nodes if n.getRoleName() == "label" and n.description == "Courant d'électrolyse"), None)
if None in (radius, height, button, surface, current):
    print("FAIL: the cylinder's fields, button or results are missing")
    sys.exit(1)

radius.queryEditableText().setTextContents("3")
height.queryEditableText().setTextContents("10")
action = button.queryAction()
check(action.getName(0) in ("Press", "press", "click"), "the button's first action presses it: " + action.getName(0))
action.doAction(0)
for _ in range(50):
    if surface.name == "244.92 Cm²":
        break
    time.sleep(0.1)
check(surface.name == "244.92 Cm²", "the cylinder's surface reads %r" % surface.name)
check(current.name == "2450 mA", "the current reads %r" % current.name)

print("screen reader: all checks passed" if not failures else "screen reader: %d checks failed" % len(failures))
sys.exit(1 if failures else 0)
