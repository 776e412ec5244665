#!/usr/bin/python3
"""What a screen reader reads of the page, driven by real keyboard and mouse input: the same
check as the desktop's screen-reader test, on the page in the browser VEXLET_ENGINE names, with a
window on this X server and its accessibility on. Picks a species with the arrow keys in the
list, types a level, clicks Calculate with the mouse, then opens File > Experience > Medium
Growth by its access keys.
Reads everything back through AT-SPI, the interface Orca uses, and compares every value display,
every flag, the list's edit text and the message with what `vexlet-drive --model` shows for the
same actions. A value display must read as a label of its number under a name of its own.

usage: with-xvfb.sh page_atspi.py PAGE DRIVER TITLE
"""

import os
import signal
import subprocess
import sys

from page_drive import start_browser

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window"))
from atspi_test import (LEVEL, SPECIES, check_values, fail, model_output,  # noqa: E402
                        run_in_own_session, text_of, wait_for, xdotool)

# What each engine needs to show its page to the accessibility bus (Chromium a switch, Firefox
# the desktop's word that a reader runs; WebKit shows it whenever the bus is on), and the name
# of the application it shows there. Other applications on the bus (a desktop portal that a
# browser starts) are left alone: one that does not answer would hold up the search.
ACCESSIBLE = {"chromium": ["--force-renderer-accessibility"], "firefox": [], "webkit": []}
APPLICATION = {"chromium": "Chromium", "firefox": "Firefox", "webkit": "MiniBrowser"}
ENGINE = os.environ.get("VEXLET_ENGINE", "chromium")
os.environ["GNOME_ACCESSIBILITY"] = "1"


def by_id(node, found):
    """Every node under `node` that carries an element id, by that id."""
    attributes = dict(a.split(":", 1) for a in node.getAttributes())
    if "id" in attributes:
        found[attributes["id"]] = node
    for child in node:
        if child is not None:
            by_id(child, found)
    return found


def find(node, test):
    """The first node under `node` that passes `test`; none when a node went away meanwhile
    (the page changes as it is read), so that polling tries again."""
    try:
        if test(node):
            return node
        for child in node:
            found = child is not None and find(child, test)
            if found:
                return found
    except Exception:
        pass
    return None


def main():
    run_in_own_session()
    page, driver, title = sys.argv[1:4]
    expected, expected_message = model_output(driver, "show-list\n")

    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           start_new_session=True)
    # Chromium builds its accessibility tree only for a desktop that says it has a reader.
    wait_for("the accessibility bus", lambda: subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
         "variant:boolean:true"], capture_output=True).returncode == 0)
    os.environ["ACCESSIBILITY_ENABLED"] = "1"
    browser = start_browser(page, 700, 760, headed=True, arguments=ACCESSIBLE[ENGINE])
    try:
        check(browser, title, expected, expected_message)
    finally:
        browser.quit()
        os.killpg(bus.pid, signal.SIGTERM)


def check(browser, title, expected, expected_message):
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(f"{APPLICATION[ENGINE]} on the AT-SPI bus", lambda: next(
        (a for a in desktop if a is not None and a.name == APPLICATION[ENGINE]), None), 60)
    document = wait_for("the page", lambda: find(
        app, lambda n: n.getRoleName() == "document web" and n.name == title), 60)
    window = wait_for("the browser's window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", title],
        capture_output=True, text=True).stdout.split(), 60)[0]
    xdotool("windowfocus", "--sync", window)
    # The keys go to the list, which has the focus at start, once the page has the window's.
    wait_for("the page to have the focus", lambda: browser.script(
        "return document.hasFocus() && document.activeElement.getAttribute('role')"
        " === 'combobox'"))
    xdotool("key", "--delay", "20", *["Down"] * SPECIES)
    xdotool("key", "Tab", "ctrl+a")
    xdotool("type", "--delay", "20", LEVEL)
    nodes = by_id(document, {})
    # Not every engine tells AT-SPI where a control stands on the screen: the mouse goes where
    # the page says Calculate is.
    browser.click_on("#calculate")
    wait_for("the results", lambda: text_of(nodes["total"]) == expected["total"], 60)

    check_values(nodes, expected)
    edit = next(node for node in nodes.values() if node.getRoleName() == "combo box")
    print(f"{'list':<9} {'combo box':<10} {edit.name:<34} {text_of(edit)}")
    if text_of(edit) != expected["edit"]:
        fail(f"the list's edit text reads {text_of(edit)!r}, the model shows {expected['edit']!r}")

    xdotool("key", "alt+f", "e", "m")
    alert = wait_for("the message", lambda: find(
        document, lambda n: n.getRoleName() in ("alert", "dialog") and n.name), 60)
    message = f'message "{alert.name}" "{alert.description}"'
    print(f"message   {alert.getRoleName():<10} {alert.name:<34} {alert.description}")
    if message != expected_message:
        fail(f"the message reads {message!r}, the model shows {expected_message!r}")
    xdotool("key", "Return")
    wait_for("the message to close",
             lambda: not alert.getState().contains(pyatspi.STATE_SHOWING), 60)
    print("every value, flag, the list and the message read through AT-SPI match the model")


if __name__ == "__main__":
    main()
