#!/usr/bin/python3
"""The keyboard and the mouse on the page's list, menus and message, as one session of steps in
headless Chromium with real input events. After each step: the element that has the focus, the
list open or closed (its button state and its popup agree), the menus that are open (each entry's
state and its menu agree), whether the message shows, and where given the list's picked item.

usage: page_keys.py PAGE LAYOUT-TABLE-COMMAND...
"""

import sys

from page_drive import HELPERS, Table, start_browser
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

EDIT = "vexlist-edit"
OPEN, CLOSED = True, False

# step: keys ("Alt+ArrowDown") or a click ("click ID", "click item N", "click outside");
# then the focus, the list, the open menus, the message, and optionally the picked item.
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
    ("click drop", EDIT, OPEN, [], False, 6),
    ("click outside", "", CLOSED, [], False, 6),
    ("click level", "level", CLOSED, [], False, None),
    ("F10", "experience", CLOSED, ["file"], False, None),
    ("ArrowDown", "exit", CLOSED, ["file"], False, None),
    ("ArrowDown", "experience", CLOSED, ["file"], False, None),
    ("End", "exit", CLOSED, ["file"], False, None),
    ("Home", "experience", CLOSED, ["file"], False, None),
    ("ArrowRight", "fast", CLOSED, ["file", "experience"], False, None),
    ("ArrowUp", "parabolic", CLOSED, ["file", "experience"], False, None),
    ("ArrowLeft", "experience", CLOSED, ["file"], False, None),
    ("Escape", "file", CLOSED, [], False, None),
    ("Escape", "level", CLOSED, [], False, None),
    ("Alt+f Enter", "fast", CLOSED, ["file", "experience"], False, None),
    ("Enter", "message-ok", CLOSED, [], True, None),
    ("Escape", "level", CLOSED, [], False, None),
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
    ("click drop", EDIT, OPEN, [], False, None),
    ("click item 0", EDIT, CLOSED, [], False, 0),
    ("click calculate", "message-ok", CLOSED, [], True, 0),
    ("Enter", "calculate", CLOSED, [], False, 0),
]

STATE = HELPERS + """
const list = document.getElementById(arguments[0]), edit = focusable(list);
const popup = list.querySelector('[role=listbox]');
const expanded = e => e.getAttribute('aria-expanded') === 'true';
const menus = [...document.querySelectorAll('[role=menuitem][aria-haspopup]')];
const agree = expanded(edit) === !popup.hidden && menus.every(
  m => expanded(m) === !document.getElementById(m.getAttribute('aria-controls') ||
                                               m.id + '-menu').hidden);
return [document.activeElement.id, expanded(edit), menus.filter(expanded).map(m => m.id),
        document.getElementById('message').open, picked(list), agree];"""

SPECIAL = {"ArrowDown": Keys.ARROW_DOWN, "ArrowUp": Keys.ARROW_UP, "ArrowLeft": Keys.ARROW_LEFT,
           "ArrowRight": Keys.ARROW_RIGHT, "Enter": Keys.ENTER, "Escape": Keys.ESCAPE,
           "Tab": Keys.TAB, "Home": Keys.HOME, "End": Keys.END, "F4": Keys.F4, "F10": Keys.F10,
           "Space": Keys.SPACE}


MODIFIERS = {"Alt": Keys.ALT, "Ctrl": Keys.CONTROL, "Shift": Keys.SHIFT}


def press(browser, keys):
    actions = ActionChains(browser)
    for chord in keys.split():
        *modifiers, key = chord.split("+")
        for modifier in modifiers:
            actions.key_down(MODIFIERS[modifier])
        actions.send_keys(SPECIAL.get(key, key))
        for modifier in reversed(modifiers):
            actions.key_up(MODIFIERS[modifier])
    actions.perform()


def click(browser, list_name, what):
    combo = browser.find_element("id", list_name)
    if what == "drop":
        target = combo.find_element("css selector", ".drop")
    elif what.startswith("item "):
        target = combo.find_elements("css selector", "[role=option]")[int(what.split()[1])]
        browser.execute_script("arguments[0].scrollIntoView({block: 'nearest'})", target)
    elif what == "outside":  # a caption that labels nothing, clear of the open list
        target = browser.find_element("id", "Label22")
    else:
        target = browser.find_element("id", what)
    ActionChains(browser).move_to_element(target).click().perform()


def main():
    page_path, *table_command = sys.argv[1:]
    list_name = Table(table_command).fields[0]
    browser = start_browser(page_path)
    failures = 0
    try:
        for step, focus, list_open, menus, message, picked in STEPS:
            if step.startswith("click "):
                click(browser, list_name, step.removeprefix("click "))
            elif step != "start":
                press(browser, step)
            got = browser.execute_script(STATE, list_name)
            expected = [focus, list_open, menus, message, got[4] if picked is None else picked,
                        True]
            verdict = "ok" if got == expected else "FAIL"
            failures += got != expected
            print(f"{verdict:<4} {step:<22} focus={got[0] or '(page)':<11} "
                  f"list={'open' if got[1] else 'closed':<6} menus={','.join(got[2]) or '-':<15} "
                  f"message={'shown' if got[3] else '-':<5} picked={got[4]}"
                  + ("" if got[5] else " (a state and its popup disagree)")
                  + ("" if got == expected else f"  expected {expected}"))
    finally:
        browser.quit()
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
