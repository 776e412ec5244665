#!/usr/bin/python3
"""What the page is beyond its values and its look, checked in headless Chromium against the
layout table (as `layout-table` prints it): its security policy, exactly the directives the page
needs; in Chromium's accessibility tree every control with the role of its kind and the name of
the table, every value display a label with the number it shows after real input, and the
message a named alert dialog; on touch screens from a small phone's to a tablet's, both ways up,
no sideways scrolling, no text under 12 px, every control a finger uses at least 44 px each way,
and on a phone a session by touch alone; with a reader's text spacing, on those screens and at
the window's designed size, no letter of a caption or value lost, and on the touch screens their
checks holding still; and not one error in the browser's console, where a request that the
policy refused would show. (site_check.py serves the same page, as the site's, from nginx.) With
--without-webassembly, alone: in Firefox with WebAssembly switched off, a line that says why the
page cannot run.

usage: page_checks.py PAGE LAYOUT-TABLE-COMMAND...
       page_checks.py --without-webassembly PAGE LAYOUT-TABLE-COMMAND...
"""

import base64
import hashlib
import html.parser
import pathlib
import sys

import engines
from page_drive import HELPERS, Page, Table, play, start_browser, target_of
from page_keys import STATE, press

ROLES = {"textbox": "textbox", "combobox": "combobox", "button": "button",
         "checkbox": "checkbox", "option": "radio", "line": "separator"}


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


class PolicyAndScripts(html.parser.HTMLParser):
    """The page's Content-Security-Policy and the text of its inline scripts and style sheets."""

    def __init__(self):
        super().__init__(convert_charrefs=False)
        self.policy = None
        self.scripts, self.styles = [], []
        self.inside = None

    def handle_starttag(self, tag, attributes):
        attributes = dict(attributes)
        if tag == "meta" and attributes.get("http-equiv") == "Content-Security-Policy":
            self.policy = attributes["content"]
        # A script with a type is a data block, which runs nowhere and needs no hash.
        is_code = tag == "style" or (tag == "script" and "type" not in attributes)
        self.inside = {"script": self.scripts, "style": self.styles}.get(tag) if is_code else None
        if self.inside is not None:
            self.inside.append("")

    def handle_endtag(self, tag):
        self.inside = None

    def handle_data(self, data):
        if self.inside is not None:
            self.inside[-1] += data


def check_policy(page_path, extra=None):
    """The policy allows the page's own scripts and style sheets by their hashes, the WebAssembly
    the script compiles and the embedded fonts, and nothing else: a source added to any directive
    fails. `extra` names what else a page may allow."""
    parser = PolicyAndScripts()
    with open(page_path, encoding="utf-8") as file:
        parser.feed(file.read())
    scripts, styles = ([f"'sha256-{base64.b64encode(hashlib.sha256(text.encode()).digest()).decode()}'"
                        for text in texts] for texts in (parser.scripts, parser.styles))
    needed = {"default-src": ["'none'"], "script-src": sorted(scripts + ["'wasm-unsafe-eval'"]),
              "style-src": sorted(styles), "font-src": ["data:"],
              "base-uri": ["'none'"], "form-action": ["'none'"], **(extra or {})}
    policy = {}
    for directive in filter(None, (part.strip() for part in parser.policy.split(";"))):
        name, *sources = directive.split()
        policy[name] = sorted(sources)
    if policy != needed:
        fail(f"the security policy is {policy}, not {needed}")
    print(f"the security policy names {len(scripts)} scripts and {len(styles)} style sheet by "
          "their hashes and no more")


def accessibility_nodes(browser):
    """Each element id's node in Chromium's accessibility tree, and every node by its id."""
    document = browser.cdp("DOM.getDocument", {"depth": -1})["root"]
    dom_ids = {}
    pending = [document]
    while pending:
        node = pending.pop()
        attributes = node.get("attributes", [])
        if "id" in attributes[::2]:
            dom_ids[node["backendNodeId"]] = attributes[attributes.index("id") + 1]
        pending += node.get("children", [])
    nodes = browser.cdp("Accessibility.getFullAXTree", {})["nodes"]
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
    controls = table.controls
    shown = dict(zip([row["field"] for row in controls if row["field"]],
                     page.show([row["field"] for row in controls if row["field"]])))
    print(f"{'control':<9} {'role':<9} {'name':<34} value")
    for row in controls:
        node = by_element.get(browser.script(
            HELPERS + "return focusable(document.getElementById(arguments[0])).id", row["name"]))
        expected_role = "LabelText" if row["kind"] == "label" and row["field"] else \
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


def check_menus(browser, table):
    """With every menu open, each entry is a menu item named by its caption and nothing else."""
    press(browser, "Alt+f ArrowRight")
    by_element, _ = accessibility_nodes(browser)
    for name in table.menu:
        node = by_element.get(name, {})
        summary = (prop(node, "role"), prop(node, "name"))
        if summary != ("menuitem", table.captions[name].replace("&", "")):
            fail(f"the menu entry {name} is {summary}")
    press(browser, "Escape Escape Escape")
    print(f"{len(table.menu)} menu entries named by their captions")


def check_message(browser, page):
    page.play("pick", "0", open("/dev/null", "w"))
    browser.click_on("#calculate")
    by_element, _ = accessibility_nodes(browser)
    dialog = by_element.get(page.table.ids["message"], {})
    summary = (prop(dialog, "role"), prop(dialog, "name"), prop(dialog, "description"))
    if summary != ("alertdialog", "Vexlet Statistics Finder",
                   "Please select a Vexlet from this list."):
        fail(f"the message reads {summary}")
    browser.click_on("#" + page.table.ids["message-ok"])
    print(f"message   {summary[0]:<9} {summary[1]:<34} {summary[2]}")


# On a touch screen: how far the page scrolls sideways; the smallest text; and for each control a
# finger uses (any that is neither read-only nor disabled, and the menu entries, all open), the
# larger of its own box and its label's.
PHONE = HELPERS + """
const rendered = e => e.getClientRects().length > 0 && getComputedStyle(e).visibility === 'visible';
const texts = [];
const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
while (walker.nextNode()) {
  const parent = walker.currentNode.parentElement;
  if (walker.currentNode.data.trim() && rendered(parent))
    texts.push([parseFloat(getComputedStyle(parent).fontSize), walker.currentNode.data.trim()]);
}
const size = e => { const b = e.getBoundingClientRect(); return [b.width, b.height]; };
const larger = (a, b) => Math.min(...a) >= Math.min(...b) ? a : b;
const usable = e => focusable(e).matches('input, button') && !focusable(e).readOnly
  && !focusable(e).disabled;
const targets = [...arguments[0].map(name => document.getElementById(name)).filter(usable),
                 ...document.querySelectorAll('[role=menuitem], [role=combobox] ~ button')]
  .map(e => { const label = document.querySelector(`label[for="${focusable(e).id}"]`);
              return [e.id, label ? larger(size(e), size(label)) : size(e)]; });
return [document.documentElement.scrollWidth - document.documentElement.clientWidth,
        texts.sort((a, b) => a[0] - b[0])[0], targets];"""


# A session by touch alone on a phone: what a finger taps, then the focus (on the list's button,
# not in its edit field, which would raise the screen's keyboard), the list open, the open menus,
# the message shown and the list's picked item.
TOUCHES = [
    ("list's button", "list-button", "list-button", True, [], False, -1),
    ("item 26", "item 26", "list-button", False, [], False, 26),
    ("Calculate", "calculate", "calculate", False, [], False, 26),
    ("File", "file", "file", False, ["file"], False, 26),
    ("Experience", "experience", "experience", False, ["file", "experience"], False, 26),
    ("Medium Growth", "medium", "message-ok", False, [], True, 26),
    ("OK", "message-ok", "calculate", False, [], False, 26),
]


def check_touch(browser, table):
    """Picks a species through the list's button and the list, calculates, and reads a growth
    from the menus, by taps alone; checks every step's focus and state, and the values."""
    list_name = table.fields[0]
    for what, target, *expected in TOUCHES:
        browser.tap_on(target_of(table, target))
        got = browser.script(STATE, list_name, table.ids)
        if got[:5] != expected or not got[5]:
            fail(f"on a phone a tap on {what} gives {got}, not {expected}")
        if what == "Calculate" and Page(browser, table).show(["exp"]) != ["157"]:
            fail("on a phone a tap on Calculate did not calculate")
    print(f"on a phone by touch alone: {', '.join(t[0] for t in TOUCHES)}: every step as expected")


# The text-spacing overrides of WCAG 2.2 (1.4.12), as a reader's own style sheet sets them. The
# page's security policy refuses a sheet of the test's; a rule inserted into the page's own sheet
# is not a new sheet.
SPACING = ["* { line-height: 1.5 !important; letter-spacing: 0.12em !important; "
           "word-spacing: 0.16em !important; }", "p { margin-bottom: 2em !important; }"]
SPACE = """
const sheet = document.styleSheets[0];
for (const rule of arguments[0]) sheet.insertRule(rule, sheet.cssRules.length);"""

# Every value display as long as it gets: a species whose base values, total and experience have
# three digits, at level 100, in a battle against a trainer's traded specimen.
LONGEST_VALUES = ["level 100", "pick 150", "trainer", "traded", "click calculate"]

# Each letter of a caption or value that does not show whole: [control, how, text, what]. A
# caption's letters are cut where an element that clips them ends, and run into another control
# where they meet its box: for a finger any control's, at the window's designed size one that
# draws its own face (a value display, a box, a button), as a caption may run past its own box
# there. A number is cut where it is longer than its read-only box. A letter is as high as its
# font and as wide as its advance, without the spacing after the last letter.
LOST = """
const [names, flowing] = arguments, style = e => getComputedStyle(e);
const rendered = e => e.getClientRects().length > 0 && style(e).visibility === 'visible';
const controls = names.map(name => document.getElementById(name)).filter(rendered);
const spacing = e => parseFloat(style(e).letterSpacing) || 0;
const box = (e, inner) => { const b = e.getBoundingClientRect(), s = style(e);
  const frame = side => inner ? parseFloat(s[`border${side}Width`]) : 0;
  return {left: b.left + frame('Left'), right: b.right - frame('Right'),
          top: b.top + frame('Top'), bottom: b.bottom - frame('Bottom')}; };
const within = (a, b) => a.left >= b.left - 0.5 && a.right <= b.right + 0.5
  && a.top >= b.top - 0.5 && a.bottom <= b.bottom + 0.5;
const meet = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5
  && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
const textWidth = (e, text) => { const probe = document.createElement('span');
  probe.style.cssText = 'position: absolute; visibility: hidden; white-space: pre';
  for (const property of ['font', 'letterSpacing', 'wordSpacing'])
    probe.style[property] = style(e)[property];
  probe.textContent = text;
  document.body.append(probe);
  const width = probe.getBoundingClientRect().width;
  probe.remove();
  return width - spacing(e); };
const faced = e => !e.matches('div.control, label.control:not(.value)');
const lost = [];
for (const control of controls) {
  if (control.matches('input[readonly]')) {
    const room = control.clientWidth - parseFloat(style(control).paddingLeft)
      - parseFloat(style(control).paddingRight);
    if (textWidth(control, control.value) > room + 0.5)
      lost.push([control.id, 'cut', control.value, 'by its box']);
  }
  const walker = document.createTreeWalker(control, NodeFilter.SHOW_TEXT);
  while (walker.nextNode()) {
    const text = walker.currentNode, parent = text.parentElement;
    if (!text.data.trim() || !rendered(parent) || parent.closest('.visually-hidden')) continue;
    const range = document.createRange();
    range.selectNodeContents(text);
    const em = parseFloat(style(parent).fontSize);
    for (const line of range.getClientRects()) {
      const middle = (line.top + line.bottom) / 2, letters = {left: line.left,
        right: line.right - spacing(parent), top: middle - em / 2, bottom: middle + em / 2};
      for (let e = parent; e !== document.documentElement; e = e.parentElement)
        if ((style(e).overflowX !== 'visible' || style(e).overflowY !== 'visible')
            && !within(letters, box(e, true)))
          lost.push([control.id, 'cut', text.data, 'by ' + (e.id || e.tagName)]);
      for (const other of controls)
        if (!other.contains(control) && !control.contains(other) && (flowing || faced(other))
            && meet(letters, box(other, false)))
          lost.push([control.id, 'runs into', text.data, other.id]);
    }
  }
}
return lost;"""

# Every screen the page is checked on, in CSS px, and whether it is a touch screen: the window at
# its designed size for a mouse; for a finger, a small phone and a common one upright, a phone
# turned sideways and a tablet both ways up. The session by touch is played on the common phone.
SCREENS = [(600, 700, False), (320, 740, True), (360, 740, True), (844, 390, True),
           (1024, 768, True), (768, 1024, True)]
TOUCH_SESSION_SCREEN = (360, 740)


def check_fingers(browser, table, screen):
    """No sideways scrolling, no text under 12 px, and every control a finger uses a target of at
    least 44 × 44 px."""
    names = [c["name"] for c in table.controls if c["kind"] != "line" and not c["hidden"]]
    press(browser, "Alt+f ArrowRight")
    overflow, (smallest, text), targets = browser.script(PHONE, names)
    press(browser, "Escape Escape Escape")
    if overflow > 0:
        fail(f"at {screen} the page scrolls {overflow} px sideways")
    if smallest < 12:
        fail(f"at {screen} {text!r} is {smallest} px high")
    small = [(name, box) for name, box in targets if min(box) < 44]
    if small:
        fail(f"at {screen} these targets are under 44 x 44 px: {small}")
    name, box = min(targets, key=lambda target: min(target[1]))
    print(f"at {screen}: no sideways scrolling; smallest text {smallest} px ({text!r}); "
          f"smallest of {len(targets)} targets {name}, {box[0]:.0f} x {box[1]:.0f} px")


def check_spacing(browser, table, screen, flowing):
    """With a reader's text spacing and every value display full, no letter of a caption or a
    value is lost; for a finger the controls flow, nothing overlapping, and their checks hold."""
    if play(Page(browser, table), LONGEST_VALUES, sys.stdout) != 0:
        fail("the page's driver cannot play the longest values")
    browser.script(SPACE, SPACING)
    names = [c["name"] for c in table.controls if c["kind"] != "line"]
    lost = browser.script(LOST, names, flowing)
    if lost:
        fail(f"at {screen} with text spacing, letters are lost:\n"
             + "\n".join(f"  {text!r} ({name}) {how} {what}" for name, how, text, what in lost))
    print(f"at {screen} with text spacing: every caption and value whole")
    if flowing:
        check_fingers(browser, table, screen + " with text spacing")


def check_screens(page_path, table):
    for width, height, touch in SCREENS:
        screen = f"{width} x {height} px" + (" by touch" if touch else "")
        browser = start_browser(page_path, width, height, touch=touch, engine="chromium")
        try:
            if touch:
                check_fingers(browser, table, screen)
            if (width, height) == TOUCH_SESSION_SCREEN:
                check_touch(browser, table)
            check_spacing(browser, table, screen, touch)
            check_console(browser)
        finally:
            browser.quit()


def check_without_webassembly(page_path, table):
    """With WebAssembly switched off, the window gives way to a line that says why. Chromium
    keeps WebAssembly whatever its switches say; Firefox's users can switch it off."""
    browser = engines.start(engine="firefox", arguments=[("javascript.options.wasm", False)])
    try:
        browser.load(pathlib.Path(page_path).resolve().as_uri())
        line = engines.wait_for("the page to say it cannot run", lambda: browser.script(
            "const line = document.querySelector('[role=alert]');"
            "return line && document.getElementById(arguments[0]).hidden && line.textContent",
            table.ids["window"]))
        print(f"without WebAssembly (Firefox): {line!r}")
        check_console(browser)
    finally:
        browser.quit()


def check_console(browser):
    errors = browser.errors()
    if errors:
        fail("the browser's console reports:\n" + "\n".join(errors))


def main():
    without_webassembly = sys.argv[1] == "--without-webassembly"
    page_path, *table_command = sys.argv[2:] if without_webassembly else sys.argv[1:]
    table = Table(table_command)
    if without_webassembly:
        check_without_webassembly(page_path, table)
        return
    check_policy(page_path)
    browser = start_browser(page_path, engine="chromium")
    try:
        page = Page(browser, table)
        page.focus(table.fields[0])
        browser.press(*["ArrowDown"] * 29)
        page.play("level", "37", sys.stdout)
        browser.click_on("#calculate")
        check_accessibility(browser, table, page)
        check_menus(browser, table)
        check_message(browser, page)
        check_console(browser)
    finally:
        browser.quit()
    check_screens(page_path, table)


if __name__ == "__main__":
    main()
