"""The planner driven as a user drives it, read back as a screen reader reads it.

Run by planner_end_to_end.sh on a virtual desktop with the accessibility
bus: planner_end_to_end.py PROGRAM WORK. Keys and clicks are real X input
(xdotool); what the windows show is read through AT-SPI (pyatspi). Every
wait is bounded.
"""
import os
import subprocess
import sys
import time

import pyatspi

PROGRAM, WORK = sys.argv[1], sys.argv[2]
MAIN_TITLE = "Calculs de surfaces pour anodisation de l'aluminium"
PLAN_TITLE = "Plan de bain — Anodisation"
RESULTS = [
    "Surface totale : 1155.16 cm² (11.55 dm²)",
    "Courant : 17327 mA (17.33 A) à 15.00 mA/cm²",
    "Temps : 31.2 min pour 15 µm (règle de 312)",
]
SUPPLY = "Alimentation 10 A : insuffisante"
FIELDS = ["Montage et contacts (cm²)", "Densité de courant", "Épaisseur visée (µm)",
          "Alimentation maximale (A)", "Durée (min, facultatif)"]
PLAN_FILE = os.path.join(WORK, "bain.anodplan")
failures = []


def fail(what):
    print("FAIL:", what)
    shot("failure")
    sys.exit(1)


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def step(what):
    print("--", what, flush=True)


def shot(name, window=None):
    target = ["-window", window] if window else ["-window", "root"]
    subprocess.run(["import", *target, os.path.join(WORK, name + ".png")], timeout=20, check=False)


def xdo(*args):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True, timeout=20)


def keys(*names):
    xdo("key", "--clearmodifiers", "--delay", 60, *names)


def type_text(text):
    xdo("type", "--clearmodifiers", "--delay", 40, text)


def wait_for(what, find, timeout=20):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail("timed out after %d s waiting for %s" % (timeout, what))


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def frames():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        for j in range(app.childCount if app else 0):
            window = app.getChildAtIndex(j)
            if window is not None:
                yield window


def frame(title, exact=True):
    return next((w for w in frames() if (w.name == title if exact else w.name.startswith(title))), None)


def named(root, role, name):
    return next((n for n in walk(root) if n.getRoleName() == role and n.name == name), None)


def x_window(title):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                         capture_output=True, text=True, timeout=20).stdout.split()
    return out[0] if out else None


def focus(node):
    node.queryComponent().grabFocus()
    time.sleep(0.2)


def read_results(plan):
    labels = lambda: [n.name for n in walk(plan) if n.getRoleName() == "label"]
    wait_for("the worked example's results", lambda: all(r in labels() for r in RESULTS), timeout=15)
    supply = [name for name in labels() if name.startswith(SUPPLY)]
    check(len(supply) == 1 and "8.66 mA/cm²" in supply[0] and "54.1 min" in supply[0],
          "the supply's warning with its advice: %r" % supply)
    check("Courant non calculé" not in " ".join(labels()), "no refused row")


env = dict(os.environ)

step("the main window, then its menu by a right click on its background")
main = subprocess.Popen([PROGRAM], env=env, stderr=open(os.path.join(WORK, "main.log"), "w"))
main_frame = wait_for("the main window on the accessibility bus", lambda: frame(MAIN_TITLE))
main_x = wait_for("the main window on the X server", lambda: x_window(MAIN_TITLE))
xdo("windowactivate", "--sync", main_x)
current = wait_for("the current's label", lambda: next(
    (n for n in walk(main_frame) if n.getRoleName() == "label" and n.description == "Courant d'électrolyse"), None))
x, y, w, h = current.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
xdo("mousemove", "--sync", x + 3, y + 3)
xdo("click", 3)
# The menu is a popup of its own, without a title: its first item is the
# planner.
time.sleep(0.5)
keys("Down", "Return")
plan = wait_for("the planner's window", lambda: frame(PLAN_TITLE))
plan_x = wait_for("the planner on the X server", lambda: x_window(PLAN_TITLE))
xdo("windowactivate", "--sync", plan_x)

with open(os.path.join(WORK, "planner-tree.log"), "w") as tree:
    for node in walk(plan):
        print(node.getRoleName(), repr(node.name), repr(node.description), file=tree)
step("every field has its name, the table its name and header")
for name in FIELDS:
    check(named(plan, "text", name) is not None, "a text field named %r" % name)
def combo(description):
    return next((n for n in walk(plan) if n.getRoleName() == "combo box" and n.description == description), None)


for name in ("Unité de longueur", "Unité de densité"):
    check(combo(name) is not None, "a combo box described as %r" % name)
table = named(plan, "table", "Lignes du plan")
if table is None:
    fail("no table named \"Lignes du plan\"")
unnamed = [n.getRoleName() for n in walk(plan)
           if n.getRoleName() in ("text", "combo box", "push button", "table") and not n.name]
check(not unnamed, "every field and button is named: unnamed %r" % unnamed)

step("the worked example typed in: a tube ×4 and a plate ×2")
focus(table)
keys("ctrl+Home", "F2")
type_text("t")
keys("Tab", "ctrl+a")
type_text("4")
for text in ("2", "1,5", "10", "corps"):
    keys("Tab", "ctrl+a")
    type_text(text)
keys("Return", "Insert", "Home", "F2")
type_text("pl")
keys("Tab", "ctrl+a")
type_text("2")
for text in ("10", "5", "0,2"):
    keys("Tab", "ctrl+a")
    type_text(text)
keys("Return")
headers = table.queryTable()
names = [headers.getColumnHeader(i).name if headers.getColumnHeader(i) else "" for i in range(headers.nColumns)]
check(names[:5] == ["Forme", "Quantité", "Longueur", "Largeur", "Épaisseur"],
      "the header follows the plate's row: %r" % names)

step("the rack, the density in A/dm², the thickness and the supply")
for name, text in ((FIELDS[0], "20"), (FIELDS[2], "15"), (FIELDS[3], "10"), (FIELDS[1], "1,5")):
    focus(named(plan, "text", name))
    keys("ctrl+a")
    type_text(text)
# The density's unit comes right after its field: mA/cm², then A/dm².
keys("Tab", "Down")
read_results(plan)
check(frame(PLAN_TITLE + "*") is not None, "the title says the plan changed")
shot("planner", plan_x)
shot("desktop")

step("saved with Ctrl+S through the file dialog")
keys("ctrl+s")
wait_for("the save dialog", lambda: frame("Enregistrer le plan de bain"))
time.sleep(0.3)
keys("ctrl+a")
type_text(os.path.join(WORK, "bain"))
keys("Return")
wait_for(PLAN_FILE, lambda: os.path.exists(PLAN_FILE))
wait_for("the title with the file's name", lambda: frame(PLAN_TITLE + " — bain.anodplan"))

step("both windows closed")
keys("ctrl+w")
wait_for("the planner to close", lambda: frame(PLAN_TITLE, exact=False) is None)
xdo("windowactivate", "--sync", main_x)
keys("alt+F4")
try:
    code = main.wait(timeout=15)
except subprocess.TimeoutExpired:
    main.kill()
    fail("the program did not end")
check(code == 0, "the program's exit code is %d" % code)

step("opened again by its type: gio open")
subprocess.run(["gio", "open", PLAN_FILE], check=True, timeout=20, env=env)
plan = wait_for("the planner on the file", lambda: frame(PLAN_TITLE + " — bain.anodplan"), timeout=30)
check(frame(MAIN_TITLE) is None, "the planner opens alone")
read_results(plan)
reopened = wait_for("the planner on the X server", lambda: x_window(PLAN_TITLE + " — bain.anodplan"))
xdo("windowactivate", "--sync", reopened)
keys("ctrl+w")
wait_for("the planner to close", lambda: frame(PLAN_TITLE, exact=False) is None)

print("planner end to end: all checks passed" if not failures else "planner end to end: %d checks failed" % len(failures))
sys.exit(1 if failures else 0)
