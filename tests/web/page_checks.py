#!/usr/bin/python3
"""What the page is beyond its values, checked in headless Chromium against the layout table
(as `layout-table` prints it): every control's box at its designed rectangle (within 1 px); in
Chromium's accessibility tree every control with the role of its kind and the name of the
table, every value display with the number it shows after real input, and the message a named
dialog; on a 360 px wide touch screen the whole window in view and Calculate answering a tap;
the same page from a web server on this machine; and not one error in the browser's console,
where a request that the page's security policy refused would show.

usage: page_checks.py PAGE LAYOUT-TABLE-COMMAND...
"""

import functools
import http.server
import os
import subprocess
import sys
import threading

from page_drive import Page, start_browser
from selenium.webdriver.common.keys import Keys

ROLES = {"textbox": "textbox", "combobox": "combobox", "button": "button",
         "checkbox": "checkbox", "option": "radio", "line": "separator"}
TWIPS_PER_PIXEL = 15

BOXES = """
const client = document.getElementById('client').getBoundingClientRect();
return arguments[0].map(id => {
  const box = document.getElementById(id).getBoundingClientRect();
  return [box.left - client.left, box.top - client.top, box.width, box.height];
});"""


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def read_table(command):
    output = subprocess.run(command, capture_output=True, text=True, check=True).stdout
    rows = [line.split("\t") for line in output.splitlines()]
    return [{"name": r[0], "kind": r[1], "place": [int(v) for v in r[2:6]], "hidden": r[6] == "1",
             "spoken": r[7], "field": None if r[8] == "-" else r[8]} for r in rows]


def check_boxes(browser, table):
    shown = [row for row in table if not row["hidden"]]
    boxes = browser.execute_script(BOXES, [row["name"] for row in shown])
    for row, box in zip(shown, boxes):
        if row["kind"] == "line":
            box[3] = 1  # a line's rectangle is its one pixel of thickness
        designed = [twips / TWIPS_PER_PIXEL for twips in row["place"]]
        if any(abs(a - b) > 1 for a, b in zip(box, designed)):
            fail(f"{row['name']} has the box {box}, designed {designed}")
    print(f"{len(shown)} boxes at their designed rectangles")


def accessibility_nodes(browser):
    """Each element id's node in Chromium's accessibility tree, and every node by its id."""
    document = browser.execute_cdp_cmd("DOM.getDocument", {"depth": -1})["root"]
    dom_ids = {}
    pending = [document]
    while pending:
        node = pending.pop()
        attributes = node.get("attributes", [])
        if "id" in attributes[::2]:
            dom_ids[node["backendNodeId"]] = attributes[attributes.index("id") + 1]
        pending += node.get("children", [])
    nodes = browser.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
    by_element = {dom_ids[n["backendDOMNodeId"]]: n for n in nodes
                  if n.get("backendDOMNodeId") in dom_ids and not n.get("ignored")}
    return by_element, {n["nodeId"]: n for n in nodes}


def prop(node, name):
    return node.get(name, {}).get("value", "")


def spoken_text(node, by_id):
    """The text a node's static text descendants speak."""
    parts = []
    for child in node.get("childIds", []):
        child_node = by_id[child]
        parts.append(prop(child_node, "name") if prop(child_node, "role") == "StaticText"
                     else spoken_text(child_node, by_id))
    return "".join(parts)


def check_accessibility(browser, table, page):
    by_element, by_id = accessibility_nodes(browser)
    shown = dict(zip([row["field"] for row in table if row["field"]],
                     page.show([row["field"] for row in table if row["field"]])))
    print(f"{'control':<9} {'role':<9} {'name':<34} value")
    for row in table:
        node = by_element.get(row["name"])
        expected_role = "status" if row["kind"] == "label" and row["field"] else \
            ROLES.get(row["kind"])
        if row["hidden"] or expected_role is None:
            continue
        if node is None:
            fail(f"{row['name']} is not in the accessibility tree")
        role, name = prop(node, "role"), prop(node, "name")
        if role != expected_role or (row["kind"] != "line" and name != row["spoken"]):
            fail(f"{row['name']} is a {role} named {name!r}, not a {expected_role} named "
                 f"{row['spoken']!r}")
        if row["field"] and row["kind"] in ("label", "textbox"):
            value = prop(node, "value") if role == "textbox" else spoken_text(node, by_id)
            print(f"{row['name']:<9} {role:<9} {name:<34} {value}")
            if value != shown[row["field"]]:
                fail(f"{row['name']} reads {value!r}, the page shows {shown[row['field']]!r}")


def check_message(browser, page):
    page.play("pick", "0", open("/dev/null", "w"))
    page.element("calculate").click()
    by_element, _ = accessibility_nodes(browser)
    dialog = by_element.get("message", {})
    summary = (prop(dialog, "role"), prop(dialog, "name"), prop(dialog, "description"))
    if summary != ("dialog", "Vexlet Statistics Finder", "Please select a Vexlet from this list."):
        fail(f"the message reads {summary}")
    page.element("message-ok").click()
    print(f"message   {summary[0]:<9} {summary[1]:<34} {summary[2]}")


def check_small_touch_screen(page_path):
    browser = start_browser(page_path)
    try:
        browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 360, "height": 640, "deviceScaleFactor": 3, "mobile": True})
        browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        right = browser.execute_script(
            "return document.getElementById('window').getBoundingClientRect().right")
        if right > browser.execute_script("return document.documentElement.clientWidth") + 0.5:
            fail(f"at 360 px the window reaches {right} px")
        page = Page(browser)
        page.play("pick", "26", open("/dev/null", "w"))
        box = browser.execute_script(
            "return document.getElementById('calculate').getBoundingClientRect().toJSON()")
        point = {"x": box["x"] + box["width"] / 2, "y": box["y"] + box["height"] / 2}
        for kind, points in (("touchStart", [point]), ("touchEnd", [])):
            browser.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind,
                                                                 "touchPoints": points})
        if page.show(["exp"]) != ["157"]:
            fail("a tap on Calculate at 360 px did not calculate")
        print(f"at 360 px the window fits ({right:.0f} px) and answers a tap")
    finally:
        browser.quit()


def check_served(page_path):
    """The page from a static web server on the loopback address, as from a file."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=os.path.dirname(page_path))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_port}/{os.path.basename(page_path)}"
    try:
        browser = start_browser(url)
        check_console(browser)
        browser.quit()
    finally:
        server.shutdown()
    print("served over HTTP, the page gets ready too")


def check_console(browser):
    errors = [entry["message"] for entry in browser.get_log("browser")
              if entry["level"] == "SEVERE"]
    if errors:
        fail("the browser's console reports:\n" + "\n".join(errors))


def main():
    page_path, *table_command = sys.argv[1:]
    table = read_table(table_command)
    browser = start_browser(page_path)
    try:
        page = Page(browser)
        check_boxes(browser, table)
        browser.find_element("id", "vexlist").send_keys(Keys.ARROW_DOWN * 29)
        page.play("level", "37", sys.stdout)
        page.element("calculate").click()
        check_accessibility(browser, table, page)
        check_message(browser, page)
        check_console(browser)
    finally:
        browser.quit()
    check_small_touch_screen(page_path)
    check_served(page_path)


if __name__ == "__main__":
    main()
