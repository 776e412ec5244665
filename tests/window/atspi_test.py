#!/usr/bin/python3
"""What a screen reader reads of the real program, driven by real keyboard and mouse input.

Starts the program under Xvfb with the AT-SPI bus of its own D-Bus session, picks a species with
the arrow keys in the list, types a level, clicks Calculate with the mouse, then opens
File > Experience > Medium Growth by its access keys. Reads everything back through AT-SPI, the
interface screen readers use, and compares every value display, every flag and the message with
what `vexlet-drive --model` prints for the same actions. Value displays must carry a name of
their own besides their number, separator lines must be separators, and a control with a caption
label must be labelled by it.

usage: with-xvfb.sh atspi_test.py PROGRAM DRIVER TITLE
"""

import os
import signal
import subprocess
import sys
import time

SPECIES = 29  # picked with as many presses of the Down key
LEVEL = "37"
# The value displays and the flags, which the test reads back.
FIELDS = ["exp", "HP", "attack", "defense", "speed", "special1", "special2", "total", "avg", "pts",
          "a", "b", "c", "d", "e", "f"] + [f"Text{n}" for n in range(1, 25)]
ROLES = {"label": "label", "textbox": "text", "combobox": "combo box", "button": "push button",
         "checkbox": "check box", "option": "radio button", "line": "separator"}


def run_in_own_session():
    """Re-runs this script inside a D-Bus session of its own."""
    if not os.environ.get("VEXLET_ATSPI_SESSION"):
        os.environ["VEXLET_ATSPI_SESSION"] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def poll(probe, seconds):
    """What `probe` gives once it gives something, or None after `seconds`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    return None


def wait_for(what, probe, seconds=10.0):
    return poll(probe, seconds) or fail(f"timed out waiting for {what}")


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def model_output(driver, more=""):
    """What the model shows after the test's actions: every value display and flag, whatever
    the driver lines `more` ask for, and the growth message."""
    script = (f"pick {SPECIES}\nlevel {LEVEL}\nclick calculate\nshow {' '.join(FIELDS)}\n"
              f"{more}click medium\n")
    shown = subprocess.run([driver, "--model"], input=script, capture_output=True, text=True,
                           check=True).stdout.splitlines()
    values = dict(line.split("=", 1) for line in shown if not line.startswith("message "))
    message = next(line for line in shown if line.startswith("message "))
    return values, message


def expected_output(driver):
    """The control names in window order, and what the model shows after the same actions."""
    layout = subprocess.run([driver], input="show-layout\n", capture_output=True, text=True,
                            check=True).stdout
    names = [line.split("\t")[:2] for line in layout.splitlines()]
    return (names, *model_output(driver))


def choose_from_menu(window, menu_bar, steps):
    """Alt and the access keys, as a user would: each key once the menu before it shows. The
    main window takes the focus first, since with no window manager nothing gives it back after
    a message box closes."""
    import pyatspi

    def item(parent, name):
        return next(child for child in parent if child.name == name)

    def showing(node):
        return node.getState().contains(pyatspi.STATE_SHOWING)

    (key, name), *rest = steps
    menu = item(menu_bar, name)
    for _ in range(5):  # on a busy machine the first Alt may come too early
        xdotool("windowfocus", "--sync", window)
        xdotool("key", "alt+" + key)
        if poll(lambda: showing(menu[0]), 2):
            break
    for key, name in rest:
        wait_for(f"the menu before {name}", lambda: showing(menu[0]), 5)
        menu = item(menu[0], name)
        xdotool("key", key)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def relation_targets(node, relation):
    import pyatspi
    return [r.getTarget(i) for r in node.getRelationSet() if r.getRelationType() == relation
            for i in range(r.getNTargets())]


def main():
    run_in_own_session()
    program, driver, title = sys.argv[1:4]
    names, expected, expected_message = expected_output(driver)

    # The bus launcher, its bus and the registry it starts form one process group, ended as one.
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           start_new_session=True)
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    app_process = subprocess.Popen([program], env=environment)
    time.sleep(1)
    if app_process.poll() not in (None, 0):  # it could not open its window: start it once more
        print("the program ended at start; starting it again")
        app_process = subprocess.Popen([program], env=environment)
    try:
        check(app_process, title, names, expected, expected_message)
    finally:
        if app_process.poll() is None:
            app_process.kill()
        os.killpg(bus.pid, signal.SIGTERM)


def check_values(nodes, expected):
    """Every value display and flag, read through AT-SPI, against the model. A display must
    read its number under a name of its own, as a label or a text box."""
    import pyatspi

    print(f"{'field':<9} {'role':<10} {'name':<34} value")
    for field in FIELDS:
        node = nodes[field]
        role, name = node.getRoleName(), node.name
        if role == "check box":
            read = "1" if node.getState().contains(pyatspi.STATE_CHECKED) else "0"
        else:
            read = text_of(node)
            if role not in ("label", "text", "entry") or not name or name == read:
                fail(f"{field} is a {role!r} named {name!r}, not a display of its number")
        print(f"{field:<9} {role:<10} {name:<34} {read}")
        if read != expected[field]:
            fail(f"{field} reads {read!r} through AT-SPI, the model shows {expected[field]!r}")


def check(app_process, title, names, expected, expected_message):
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for("the program on the AT-SPI bus", lambda: next(
        (a for a in desktop if a is not None and a.name == "vexlet-finder"), None))
    frame = wait_for("its window", lambda: next((w for w in app if w.name == title), None))
    client = frame[0]
    controls = list(client)
    if len(controls) < len(names) - 7:
        fail(f"{len(controls)} children in the client area")
    by_name = {}
    for (name, kind), node in zip(names, controls):
        if node.getRoleName() != ROLES[kind]:
            fail(f"{name} is a {node.getRoleName()!r}, not a {ROLES[kind]!r}")
        by_name[name] = node
    if len(controls) != sum(1 for _, kind in names if kind in ROLES):
        fail("the client area has children the layout does not name")

    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                            capture_output=True, text=True).stdout.split()[0]
    xdotool("windowfocus", "--sync", window)
    time.sleep(0.3)
    xdotool("key", "--delay", "20", *["Down"] * SPECIES)  # the list has the focus
    xdotool("key", "Tab", "ctrl+a")
    xdotool("type", "--delay", "20", LEVEL)
    x, y, width, height = by_name["calculate"].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
    wait_for("the results", lambda: text_of(by_name["total"]) == expected["total"], 5)

    check_values(by_name, expected)

    for line in (node for (_, kind), node in zip(names, controls) if kind == "line"):
        if line.name:
            fail(f"a separator is named {line.name!r}")
    for field in ("wild", "trainer", "traded"):
        labels = relation_targets(by_name[field], pyatspi.RELATION_LABELLED_BY)
        if [label.name for label in labels] != [by_name[field].name]:
            fail(f"{field} is not labelled by the caption that names it")
        if by_name[field] not in relation_targets(labels[0], pyatspi.RELATION_LABEL_FOR):
            fail(f"the caption of {field} is not its label")

    menu_bar = next(child for child in frame if child.getRoleName() == "menu bar")
    choose_from_menu(window, menu_bar, [("f", "File"), ("e", "Experience"), ("m", "Medium Growth")])
    alert = wait_for("the message box", lambda: next(
        (w for w in app if w.getRoleName() in ("alert", "dialog")), None))
    prompt = wait_for("its text", lambda: next(
        (n.name for n in alert if n.getRoleName() == "label" and n.name), None))
    message = f'message "{alert.name}" "{prompt}"'
    print(f"message   {alert.getRoleName():<10} {alert.name:<34} {prompt}")
    if message != expected_message:
        fail(f"the message box reads {message!r}, the model shows {expected_message!r}")
    xdotool("key", "Return")
    wait_for("the message box to close", lambda: not any(
        w.getRoleName() in ("alert", "dialog") for w in app))

    choose_from_menu(window, menu_bar, [("f", "File"), ("x", "Exit")])
    status = app_process.wait(timeout=10)
    if status != 0:
        fail(f"the program ended with status {status}")
    print("every value, flag and the message read through AT-SPI match the model")


if __name__ == "__main__":
    main()
