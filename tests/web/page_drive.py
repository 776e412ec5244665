#!/usr/bin/python3
"""page_drive: vexlet-drive for the page. Opens the page in the browser that VEXLET_ENGINE names
(engines.py), plays a driver script from standard input with real input events (clicks, key
presses, and the input method for characters no key types) and prints what the user would read,
line for line as vexlet-drive prints it. The fields, the commands and their access keys come
from the layout table; `show-layout` reads every control from what the browser computes for it.

usage: page_drive.py [--scripts] [--touch WIDTHxHEIGHT] PAGE LAYOUT-TABLE-COMMAND... < script

--touch shows the page on a touch screen of that many CSS pixels.
--scripts plays several scripts in one browser, each ended by a line of one U+001E (record
separator), each on a fresh start of the page: a reload before each but the first. After each it
writes a line of U+001E and the script's status (0, or 2 where a line could not be played) on
standard output and a line of U+001E on standard error; its own status is 0 once it has played
them all.
"""

import pathlib
import re
import subprocess
import sys

import engines

# Helpers for the scripts below: a control's element that takes the focus and holds its field
# (a list's edit field), and what a list has picked.
HELPERS = """
const focusable = e => e.querySelector('[role=combobox]') || e;
const picked = e => [...e.querySelectorAll('[role=option]')]
  .findIndex(item => item.getAttribute('aria-selected') === 'true');
"""

READ_FIELDS = HELPERS + """
return arguments[0].map(name => {
  const e = document.getElementById(name);
  if (e.querySelector('[role=combobox]')) return String(picked(e));
  if (e.type === 'checkbox') return e.indeterminate ? '2' : e.checked ? '1' : '0';
  if (e.type === 'radio') return e.checked ? '1' : '0';
  return e.tagName === 'INPUT' ? e.value : e.textContent;
});"""

# Where a user would click an element, once it is scrolled into view and two frames have passed:
# an item of an open list taller than the screen scrolls the page as well as the list. Null
# until the element is what the point hits.
SETTLED_CENTRE = """
const e = document.querySelector(arguments[0]);
e.scrollIntoView({block: 'nearest'});
const frame = () => new Promise(next => requestAnimationFrame(next));
return frame().then(frame).then(() => {
  const box = e.getBoundingClientRect(), x = box.left + box.width / 2, y = box.top + box.height / 2;
  return e.contains(document.elementFromPoint(x, y)) ? [x, y] : null;
});"""

# The page marks the moment it is ready: the list filled, the fonts loaded.
IS_READY = "return performance.getEntriesByName('ready').length > 0"

SHOWN_MESSAGE = """
const ids = arguments[0], box = document.getElementById(ids['message']);
const message = box.open ? [document.getElementById(ids['message-title']).textContent,
                            document.getElementById(ids['message-text']).textContent] : null;
return [message, document.getElementById(ids['ended']).textContent !== ''];"""

# Each control as vexlet-drive's show-layout prints the window's, from what the browser computes:
# box in twips from the client area, shown text, font (first family, points, weight), colours
# (the background of the nearest element that has one), alignment, frame, state, limit, place
# in the document (the keyboard order) and whether Tab lands on it.
READ_LAYOUT = HELPERS + """
const [names, lineNames, menuNames, clientId] = arguments;
const style = e => getComputedStyle(e);
const client = document.getElementById(clientId).getBoundingClientRect();
const twips = px => Math.round(px * 15);
const rgb = c => c.match(/[\\d.]+/g).slice(0, 3).join(',');
const opaque = c => !/^rgba\\(.*, 0\\)$/.test(c) && c !== 'transparent';
const background = e => { for (; e; e = e.parentElement) if (opaque(style(e).backgroundColor))
  return rgb(style(e).backgroundColor); return '255,255,255'; };
const font = e => [style(e).fontFamily.split(',')[0].trim().replace(/^["']|["']$/g, ''),
                   parseFloat(style(e).fontSize) * 3 / 4, style(e).fontWeight].join('/');
const align = e => ({start: 'left', end: 'right', 'left': 'left', right: 'right',
                     center: 'center'})[style(e).textAlign];
const shown = e => style(e).display !== 'none' && style(e).visibility === 'visible';
const drawn = e => { const box = e.getBoundingClientRect(); return box.width > 1 || box.height > 1; };
const shownText = e => [...e.childNodes].map(n => n.nodeType === Node.TEXT_NODE ? n.data
  : n.nodeType === Node.ELEMENT_NODE && drawn(n) ? shownText(n) : '').join('');
const kind = e => e.getAttribute('role') === 'separator' ? 'line'
  : e.querySelector('[role=combobox]') ? 'combobox'
  : e.tagName === 'BUTTON' ? 'button'
  : e.type === 'checkbox' ? 'checkbox' : e.type === 'radio' ? 'option'
  : e.tagName === 'INPUT' ? 'textbox' : 'label';
const text = (e, k) => k === 'label' ? shownText(e) : k === 'combobox' ? focusable(e).value
  : k === 'textbox' || k === 'checkbox' || k === 'option' ? e.value
  : k === 'button' ? e.textContent : '';
const framed = (e, k) => ['label', 'textbox', 'combobox'].includes(k)
  && style(e).borderTopStyle !== 'none' && parseFloat(style(e).borderTopWidth) > 0;
const reaches = e => { const f = focusable(e); return f.tabIndex >= 0 && !f.disabled && shown(f)
  && (f.type !== 'radio' || f.checked); };
const controls = names.map(name => document.getElementById(name));
const inDocument = [...controls].sort((a, b) =>
  a.compareDocumentPosition(b) & Node.DOCUMENT_POSITION_FOLLOWING ? -1 : 1);
const line = (name, e, k, box, tab) => [name, k, ...box, 'text=' + text(e, k),
  'font=' + font(e), 'fg=' + (box[0] === '-' ? '-' : rgb(style(e).color)),
  'bg=' + (box[0] === '-' ? '-' : background(e)), 'align=' + align(e),
  'border=' + (framed(e, k) ? 1 : 0), 'visible=' + (shown(e) ? 1 : 0),
  'enabled=' + (focusable(e).disabled || e.getAttribute('aria-disabled') === 'true' ? 0 : 1),
  'readonly=' + (k === 'textbox' && e.readOnly ? 1 : 0),
  'maxlength=' + (k === 'textbox' && e.maxLength > 0 ? e.maxLength : 0), 'tab=' + tab,
  'focus=' + (reaches(e) ? 1 : 0)].join('\\t');
const boxOf = e => { const b = e.getBoundingClientRect();
  return [b.left - client.left, b.top - client.top, b.width, b.height].map(twips); };
const accessText = e => [...e.childNodes].map(n => n.nodeType === Node.TEXT_NODE
  ? (style(n.parentElement).textDecorationLine.includes('underline') ? '&' : '') + n.data
  : accessText(n)).join('');
return [
  ...controls.map((e, i) => line(names[i], e, kind(e), boxOf(e), inDocument.indexOf(e))),
  ...lineNames.map(name => { const e = document.getElementById(name);
    return line(name, e, 'line', boxOf(e), '-'); }),
  ...menuNames.map(name => { const e = document.getElementById(name);
    return line(name, e, e.hasAttribute('aria-haspopup') ? 'menu' : 'menuitem',
                ['-', '-', '-', '-'], '-').replace(/\\ttext=[^\\t]*/, '\\ttext=' + accessText(e)); }),
];"""


class Table:
    """The window's tables as the layout-table program prints them."""

    def __init__(self, command):
        output = subprocess.run(command, capture_output=True, text=True, check=True).stdout
        records = [line.split("\t") for line in output.splitlines()]
        self.controls = [{"name": r[1], "kind": r[2], "place": [int(v) for v in r[3:7]],
                          "hidden": r[7] == "1", "spoken": r[8],
                          "field": None if r[9] == "-" else r[9]}
                         for r in records if r[0] == "control"]
        self.fields = [r[1] for r in records if r[0] == "field"]
        self.menu = [r[1] for r in records if r[0] == "menu"]
        self.captions = {r[1]: r[2] for r in records if r[0] == "menu"}
        self.commands = {r[1]: None if r[2] == "-" else r[2]
                         for r in records if r[0] == "command"}
        self.ids = {r[1]: r[2] for r in records if r[0] == "id"}


def load_page(browser, page):
    """Loads the page, a path or an address, and waits until it is ready."""
    browser.load(page if "://" in page else pathlib.Path(page).resolve().as_uri())
    engines.wait_for(f"{page} to get ready", lambda: browser.script(IS_READY))


def reload_page(browser):
    """Reloads the page as its user would, and waits until it is ready."""
    browser.reload()
    engines.wait_for("the page to get ready again", lambda: browser.script(IS_READY))


def start_browser(page, width=600, height=700, touch=False, **options):
    """The page in the engine VEXLET_ENGINE names, once it is ready."""
    browser = engines.start(width, height, touch, **options)
    try:
        load_page(browser, page)
    except BaseException:
        browser.quit()
        raise
    return browser


def target_of(table, what):
    """The selector of what a step clicks or taps: "drop" (the list's button), "item N",
    "outside", or a NAME."""
    if what.startswith("item "):
        return f"#{table.fields[0]} [role=option]:nth-child({int(what.split()[1]) + 1})"
    if what == "outside":  # a caption that labels nothing, clear of the open list
        return "#Label22"
    what = "list-button" if what == "drop" else what
    return "#" + table.ids.get(what, what)


def typeable(text):
    """What of `text` a keyboard can put into a box: no control characters, and U+FFFD for each
    byte that starts no valid UTF-8 character (the text arrives with surrogate escapes)."""
    return "".join("\ufffd" if 0xDC80 <= ord(c) <= 0xDCFF else c for c in text
                   if not (ord(c) < 0x20 or 0x7F <= ord(c) <= 0x9F))


class Page:
    def __init__(self, browser, table):
        self.browser = browser
        self.table = table
        self.ended = False

    def type_into(self, name, text):
        """Select all, delete, then type what still fits: ASCII by key presses, any other
        character through the input method."""
        limit = self.focus(name)
        keys = ["Ctrl+a", "Backspace"]
        length = 0
        for character in typeable(text):
            width = 2 if ord(character) > 0xFFFF else 1
            if limit >= 0 and length + width > limit:
                break
            length += width
            if " " <= character <= "~":
                keys.append(character)
                continue
            self.browser.press(*keys)
            keys = []
            self.browser.insert_text(character)
        if keys:
            self.browser.press(*keys)

    def focus(self, name):
        """Puts the focus on the element that holds the control's field; gives its limit of
        characters (negative for none)."""
        return self.browser.script(
            HELPERS + "const e = focusable(document.getElementById(arguments[0]));"
            "e.focus(); return e.maxLength", name)

    def list_name(self):
        return self.table.fields[0]

    def pick(self, position):
        """Opens the list with its button, scrolls it to the item as a user would, and clicks
        the item once it stands still under the pointer."""
        self.browser.click_on(target_of(self.table, "drop"))
        item = target_of(self.table, f"item {position}")
        self.browser.click(*engines.wait_for(f"item {position} to stand still", lambda: (
            self.browser.script(SETTLED_CENTRE, item))))

    def click(self, command, out):
        keys = self.table.commands[command]
        if keys is None:
            self.browser.click_on("#" + command)
        else:
            self.browser.press("Alt+" + keys[0], *keys[1:])
        ids = self.table.ids
        message, ended = self.browser.script(SHOWN_MESSAGE, ids)
        if message:
            out.write(f'message "{message[0]}" "{message[1]}"\n')
            self.browser.click_on("#" + ids["message-ok"])
            engines.wait_for("the message to close", lambda: self.browser.script(
                "return !document.getElementById(arguments[0]).open", ids["message"]))
        if ended:
            self.ended = True
            out.write("ended\n")

    def show(self, names):
        return self.browser.script(READ_FIELDS, names)

    def show_layout(self):
        controls = [c["name"] for c in self.table.controls if c["kind"] != "line"]
        lines = [c["name"] for c in self.table.controls if c["kind"] == "line"]
        return self.browser.script(READ_LAYOUT, controls, lines, self.table.menu,
                                   self.table.ids["client"])

    def play(self, action, rest, out):
        """Plays one action; the reason when the line cannot be played."""
        words = [word for word in rest.split(" ") if word]
        fields = self.table.fields
        if action == "pick":
            if len(words) != 1 or not re.fullmatch(r"-?\d+", words[0]) \
                    or not 0 <= int(words[0]) <= 151:
                return "pick takes one list position from 0 to 151"
            self.pick(int(words[0]))
        elif action == "type-list":
            self.type_into(self.list_name(), rest)
        elif action == "level":
            self.type_into("level", rest)
        elif action in ("wild", "trainer", "traded"):
            if words:
                return f"{action} takes no argument"
            self.browser.click_on("#" + action)
        elif action == "click":
            if len(words) != 1 or words[0] not in self.table.commands:
                return "click takes one of " + ", ".join(self.table.commands)
            self.click(words[0], out)
        elif action == "show":
            names = [n for word in words for n in (fields if word == "all" else [word])]
            if not names or any(n not in fields for n in names):
                return "show takes field names or 'all'"
            for name, value in zip(names, self.show(names)):
                out.write(f"{name}={value}\n")
        elif action == "show-list":
            if words:
                return "show-list takes no argument"
            count, edit = self.browser.script(
                HELPERS + "const e = document.getElementById(arguments[0]);"
                "return [e.querySelectorAll('[role=option]').length, focusable(e).value]",
                self.list_name())
            out.write(f"items={count}\nedit={edit}\n")
        elif action == "show-layout":
            if words:
                return "show-layout takes no argument"
            for line in self.show_layout():
                out.write(line + "\n")
        else:
            return f"unknown action '{action}'"
        return None


# What ends each script of several, on its own line.
END_OF_SCRIPT = "\x1e"


def play(page, lines, out):
    """Plays a script's lines until its end, the program's end or a line that cannot be played;
    gives the status, 2 for such a line."""
    for number, line in enumerate(lines, 1):
        line = line.removesuffix("\r")
        if not line.strip(" ") or line.startswith("#"):
            continue
        action, _, rest = line.partition(" ")
        error = page.play(action, rest, out)
        out.flush()
        if error:
            print(f"error: line {number}: {error}", file=sys.stderr)
            return 2
        if page.ended:
            break
    return 0


def main():
    arguments = sys.argv[1:]
    several = arguments[:1] == ["--scripts"]
    if several:
        arguments = arguments[1:]
    width, height, touch = 600, 700, False
    if arguments[:1] == ["--touch"]:
        width, height = (int(length) for length in arguments[1].split("x"))
        touch, arguments = True, arguments[2:]
    page_path, *table_command = arguments
    lines = sys.stdin.buffer.read().decode("utf-8", "surrogateescape").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    scripts = [[]]
    for line in lines:
        if several and line == END_OF_SCRIPT:
            scripts.append([])
        else:
            scripts[-1].append(line)
    if several and not scripts[-1]:
        scripts.pop()
    table = Table(table_command)
    browser = start_browser(page_path, width, height, touch)
    status = 0
    try:
        for index, script in enumerate(scripts):
            if index:
                reload_page(browser)
            status = play(Page(browser, table), script, sys.stdout)
            if several:
                print(END_OF_SCRIPT + str(status), flush=True)
                print(END_OF_SCRIPT, file=sys.stderr, flush=True)
    finally:
        browser.quit()
    sys.exit(0 if several else status)


if __name__ == "__main__":
    main()
