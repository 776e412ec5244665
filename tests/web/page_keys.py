#!/usr/bin/python3
"""The keyboard, the mouse and the wheel on the page's list, menus and message, as one session of
steps with real input events, in the browser VEXLET_ENGINE names; keys no keyboard here can
give, or that would open the browser's own dialogs, are sent as the events a browser makes of
them. After each step: the element that has the focus, the list open or closed, the menus that
are open, whether the message shows, where given the list's picked item, and that what shows
agrees with what screen readers are told. At the end, not one error logged by the page.

usage: page_keys.py PAGE LAYOUT-TABLE-COMMAND...
"""

import sys

from engines import CENTRE
from page_drive import HELPERS, Page, Table, play, reload_page, start_browser, target_of

EDIT = "list-edit"
OPEN, CLOSED = True, False

# step: keys ("Alt+ArrowDown"), a click ("click NAME", "click item N", "click outside"), the wheel
# over the list ("wheel down", "wheel sideways"), an event as a browser makes it ("event NAME"),
# actions of the page's driver ("play ACTION|ACTION...") or a reload, after which every field
# must read as at the start; then the focus (None: wherever a click leaves it), the list, the
# open menus, the message, and optionally the picked item. A NAME and a focus are a control's or
# menu entry's name, or a part's as the table's ids name it.
STEPS = [
    ("start", EDIT, CLOSED, [], False, -1),
    ("Alt+ArrowDown", EDIT, OPEN, [], False, -1),
    ("ArrowDown ArrowDown", EDIT, OPEN, [], False, -1),
    ("Enter", EDIT, CLOSED, [], False, 2),
    ("F4", EDIT, OPEN, [], False, 2),
    ("ArrowDown Escape", EDIT, CLOSED, [], False, 2),
    ("F4 Tab", "level", CLOSED, [], False, 2),
    ("click drop", EDIT, OPEN, [], False, 2),
    ("click item 5", EDIT, CLOSED, [], False, 5),
    ("ArrowDown", EDIT, CLOSED, [], False, 6),  # closed, the list steps, as on the desktop
    ("wheel down", EDIT, CLOSED, [], False, 7),
    ("wheel sideways", EDIT, CLOSED, [], False, 7),
    ("wheel 20 20", EDIT, CLOSED, [], False, 7),  # a touchpad's small turns add up to a notch
    ("wheel 20", EDIT, CLOSED, [], False, 8),
    ("event composing ArrowDown", EDIT, CLOSED, [], False, 8),
    ("event no key", EDIT, CLOSED, [], False, 8),  # as autofill sends
    ("click drop", EDIT, OPEN, [], False, 8),
    ("click outside", "", CLOSED, [], False, 8),
    ("click level", "level", CLOSED, [], False, None),
    ("wheel down", "level", CLOSED, [], False, 8),  # the page scrolls; the list steps not
    ("event Shift+F10", "level", CLOSED, [], False, None),  # the browser's context menu
    ("F10", "experience", CLOSED, ["file"], False, None),
    ("ArrowDown", "exit", CLOSED, ["file"], False, None),
    ("ArrowDown", "experience", CLOSED, ["file"], False, None),
    ("End", "exit", CLOSED, ["file"], False, None),
    ("Home", "experience", CLOSED, ["file"], False, None),
    ("ArrowRight", "fast", CLOSED, ["file", "experience"], False, None),
    ("event Ctrl+s", "fast", CLOSED, ["file", "experience"], False, None),  # the browser's
    ("event no key", "fast", CLOSED, ["file", "experience"], False, None),
    ("ArrowUp", "parabolic", CLOSED, ["file", "experience"], False, None),
    ("ArrowLeft", "experience", CLOSED, ["file"], False, None),
    ("Escape", "file", CLOSED, [], False, None),
    ("Escape", "level", CLOSED, [], False, None),
    ("Alt+f Enter", "fast", CLOSED, ["file", "experience"], False, None),
    ("Enter", "message-ok", CLOSED, [], True, None),
    ("Escape", "level", CLOSED, [], False, None),
    ("event Mac Option+f", "experience", CLOSED, ["file"], False, None),
    ("Escape Escape", "level", CLOSED, [], False, None),
    ("Alt+f e s", "message-ok", CLOSED, [], True, None),
    ("Space", "level", CLOSED, [], False, None),
    ("click file", "file", CLOSED, ["file"], False, None),
    ("click experience", "experience", CLOSED, ["file", "experience"], False, None),
    ("click medium", "message-ok", CLOSED, [], True, None),
    ("click message-ok", "level", CLOSED, [], False, None),
    ("click file", "file", CLOSED, ["file"], False, None),
    ("Escape", "file", CLOSED, [], False, None),
    ("Escape", "level", CLOSED, [], False, None),
    ("click file", "file", CLOSED, ["file"], False, None),
    ("click outside", "", CLOSED, [], False, None),
    ("F10", "experience", CLOSED, ["file"], False, None),
    ("Escape Escape", "", CLOSED, [], False, None),  # nothing had the focus: nothing has it
    ("click drop", EDIT, OPEN, [], False, None),
    ("click item 0", EDIT, CLOSED, [], False, 0),
    ("click calculate", "message-ok", CLOSED, [], True, 0),
    ("event late close", "message-ok", CLOSED, [], True, 0),
    ("Enter", "calculate", CLOSED, [], False, 0),
    ("click drop", EDIT, OPEN, [], False, 0),
    ("ArrowDown ArrowDown z z", EDIT, OPEN, [], False, -1),  # typed: no option is active
    ("Enter", EDIT, CLOSED, [], False, -1),  # and Enter keeps the text
    # Every kind of control changed, then a reload: a start, whatever the browser restores.
    ("play pick 5|level 42|trainer|traded|click calculate", None, CLOSED, [], False, 5),
    ("reload", EDIT, CLOSED, [], False, -1),
    ("Alt+f x", None, CLOSED, [], False, -1),  # the line that stays is spoken
]

# Whether what shows agrees with what screen readers are told: the list's edit field and button
# expanded as its popup shows, its active option (marked "active") the one the edit field names;
# each submenu entry expanded as its menu shows; the line left by Exit in a live region.
STATE = HELPERS + """
const [listName, ids] = arguments, list = document.getElementById(listName), edit = focusable(list);
const part = id => Object.keys(ids).find(name => ids[name] === id) || id;
const popup = list.querySelector('[role=listbox]'), active = popup.querySelector('.active');
const expanded = e => e.getAttribute('aria-expanded') === 'true';
const menus = [...document.querySelectorAll('[role=menuitem][aria-haspopup]')];
const ended = document.getElementById(ids['ended']);
const agree = [edit, document.getElementById(ids['list-button'])].every(
  e => expanded(e) === !popup.hidden)
  && edit.getAttribute('aria-activedescendant') === (popup.hidden || !active ? null : active.id)
  && menus.every(
    m => expanded(m) === !document.getElementById(m.getAttribute('aria-controls')).hidden)
  && (!ended || ended.textContent === '' || ended.closest('[role=status], [role=alert], [aria-live]') !== null);
return [part(document.activeElement.id), expanded(edit), menus.filter(expanded).map(m => m.id),
        document.getElementById(ids['message']).open, picked(list), agree];"""

# What a browser makes of keys no keyboard here gives, or that a test must not give it (a save
# dialog; the context menu): Option+F on a Mac types "ƒ" on the F key; a key pressed while an
# input method composes; a keydown without a key, as autofill sends. And the close event of a message closed by a
# click, which a busy browser may deliver only once the next message shows.
EVENTS = {"Mac Option+f": ("keydown", {"key": "\u0192", "code": "KeyF", "altKey": True}),
          "Ctrl+s": ("keydown", {"key": "s", "code": "KeyS", "ctrlKey": True}),
          "Shift+F10": ("keydown", {"key": "F10", "code": "F10", "shiftKey": True}),
          "no key": ("keydown", {}),
          "composing ArrowDown": ("keydown", {"key": "ArrowDown", "code": "ArrowDown",
                                              "isComposing": True}),
          "late close": ("close", {"target": "message"})}
# The browser's own shortcuts, which the page must leave to it: not cancel.
BROWSERS = {"Ctrl+s", "Shift+F10"}
SEND_EVENT = """
const [type, init, ids] = arguments, Kind = type === 'keydown' ? KeyboardEvent : Event;
const target = init.target ? document.getElementById(ids[init.target]) : document.activeElement;
return target.dispatchEvent(new Kind(type, Object.assign({bubbles: true, cancelable: true}, init)));"""


def press(browser, keys):
    browser.press(*keys.split())


def step(browser, table, what):
    """Takes the step; gives what went wrong that the state after it does not show, if any."""
    kind, _, rest = what.partition(" ")
    if kind == "play":
        if play(Page(browser, table), rest.split("|"), sys.stdout) != 0:
            return f"{rest}: a line the page's driver cannot play"
    elif kind == "reload":
        reload_page(browser)
    elif kind == "click":
        browser.click_on(target_of(table, rest))
    elif kind == "wheel":  # down a notch, sideways a notch, or down by each of some pixels
        x, y = browser.script(CENTRE, f"#{table.fields[0]} input")
        notches = {"down": [(0, 120)], "sideways": [(120, 0)]}
        turns = notches[rest] if rest in notches else [(0, int(px)) for px in rest.split()]
        for across, down in turns:
            browser.wheel(x, y, across, down)
    elif kind == "event":
        if not browser.script(SEND_EVENT, *EVENTS[rest], table.ids) and rest in BROWSERS:
            return "the page kept the browser's own shortcut from it"
    elif what != "start":
        press(browser, what)


def main():
    page_path, *table_command = sys.argv[1:]
    table = Table(table_command)
    list_name = table.fields[0]
    browser = start_browser(page_path)
    failures = 0
    try:
        at_start = Page(browser, table).show(table.fields)
        for what, focus, list_open, menus, message, picked in STEPS:
            problem = step(browser, table, what)
            if problem:
                print(f"FAIL {what}: {problem}")
                failures += 1
            got = browser.script(STATE, list_name, table.ids)
            expected = [got[0] if focus is None else focus, list_open, menus, message,
                        got[4] if picked is None else picked, True]
            if what == "reload":
                fields = Page(browser, table).show(table.fields)
                changed = [f"{name}={value}" for name, value, initial
                           in zip(table.fields, fields, at_start) if value != initial]
                got[-1] = got[-1] and not changed
                if changed:
                    print("     after the reload, fields not at their initial values: "
                          + " ".join(changed))
            verdict = "ok" if got == expected else "FAIL"
            failures += got != expected
            print(f"{verdict:<4} {what:<26} focus={got[0] or '(page)':<11} "
                  f"list={'open' if got[1] else 'closed':<6} menus={','.join(got[2]) or '-':<15} "
                  f"message={'shown' if got[3] else '-':<5} picked={got[4]}"
                  + ("" if got[5] else " (a state and its popup disagree)")
                  + ("" if got == expected else f"  expected {expected}"))
        errors = browser.errors()
        for error in errors:
            print("FAIL the page logged:", error)
        failures += len(errors)
    finally:
        browser.quit()
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
