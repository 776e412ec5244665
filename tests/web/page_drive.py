#!/usr/bin/python3
"""page_drive: vexlet-drive for the page. Opens the page in headless Chromium through WebDriver,
plays a driver script from standard input with real input events (clicks, key presses, and the
input method for characters no key types) and prints what the user would read, line for line
as vexlet-drive prints it.

usage: page_drive.py PAGE < script
"""

import re
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

# The fields in the order of their enumeration (form/field.h), which `show all` follows.
FIELDS = (["vexlist", "level", "exp", "HP", "attack", "defense", "speed", "special1", "special2"]
          + [f"Text{n}" for n in range(1, 25)]
          + ["total", "avg", "a", "b", "c", "d", "e", "f", "wild", "trainer", "traded", "pts",
             "growth", "up"])
COMMANDS = ["calculate", "fast", "medium", "slow", "parabolic", "exit"]
MENU_KEYS = {"fast": "ea", "medium": "em", "slow": "es", "parabolic": "ep", "exit": "x"}

READ_FIELDS = """
return arguments[0].map(name => {
  const e = document.getElementById(name);
  if (name === 'vexlist') return e.getAttribute('data-position');
  if (e.type === 'checkbox') return e.indeterminate ? '2' : e.checked ? '1' : '0';
  if (e.type === 'radio') return e.checked ? '1' : '0';
  return e.tagName === 'INPUT' ? e.value : e.textContent;
});"""

SHOWN_MESSAGE = """
const box = document.getElementById('message');
const message = box.open ? [document.getElementById('message-title').textContent,
                            document.getElementById('message-text').textContent] : null;
return [message, document.getElementById('ended') !== null];"""


def start_browser(page, width=600, height=700):
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                     f"--window-size={width},{height}"):
        options.add_argument(argument)
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    browser.get(page if "://" in page else "file://" + page)
    for _ in range(100):
        if browser.execute_script("return document.body.hasAttribute('data-ready')"):
            return browser
        time.sleep(0.05)
    sys.exit("the page did not get ready")


def typeable(text):
    """What of `text` a keyboard can put into a box: no control characters, and U+FFFD for each
    byte that starts no valid UTF-8 character (the text arrives with surrogate escapes)."""
    return "".join("\ufffd" if 0xDC80 <= ord(c) <= 0xDCFF else c for c in text
                   if not (ord(c) < 0x20 or 0x7F <= ord(c) <= 0x9F))


class Page:
    def __init__(self, browser):
        self.browser = browser
        self.ended = False
        self.limits = {}

    def element(self, name):
        return self.browser.find_element("id", name)

    def type_into(self, name, text):
        """Select all, delete, then type what still fits: ASCII by key presses, any other
        character through the input method."""
        box = self.element(name)
        limit = self.limits.setdefault(name, box.get_property("maxLength"))
        keys = Keys.CONTROL + "a" + Keys.NULL + Keys.BACKSPACE
        length = 0
        for character in typeable(text):
            width = 2 if ord(character) > 0xFFFF else 1
            if limit >= 0 and length + width > limit:
                break
            length += width
            if " " <= character <= "~":
                keys += character
                continue
            box.send_keys(keys)
            keys = ""
            self.browser.execute_cdp_cmd("Input.insertText", {"text": character})
        if keys:
            box.send_keys(keys)

    def pick(self, position):
        """Opens the list, scrolls it to the item as a user would, and clicks the item."""
        self.element("vexlist-button").click()
        item = self.element(f"item{position}")
        self.browser.execute_script("arguments[0].scrollIntoView({block: 'nearest'})", item)
        item.click()

    def click(self, command, out):
        if command == "calculate":
            self.element("calculate").click()
        else:
            actions = ActionChains(self.browser).key_down(Keys.ALT).send_keys("f")
            actions.key_up(Keys.ALT).send_keys(*MENU_KEYS[command]).perform()
        message, ended = self.browser.execute_script(SHOWN_MESSAGE)
        if message:
            out.write(f'message "{message[0]}" "{message[1]}"\n')
            self.element("message-ok").click()
        if ended:
            self.ended = True
            out.write("ended\n")

    def show(self, names):
        return self.browser.execute_script(READ_FIELDS, names)

    def play(self, action, rest, out):
        """Plays one action; the reason when the line cannot be played."""
        words = [word for word in rest.split(" ") if word]
        if action == "pick":
            if len(words) != 1 or not re.fullmatch(r"-?\d+", words[0]) \
                    or not 0 <= int(words[0]) <= 151:
                return "pick takes one list position from 0 to 151"
            self.pick(int(words[0]))
        elif action == "type-list":
            self.type_into("vexlist", rest)
        elif action == "level":
            self.type_into("level", rest)
        elif action in ("wild", "trainer", "traded"):
            if words:
                return f"{action} takes no argument"
            self.element(action).click()
        elif action == "click":
            if len(words) != 1 or words[0] not in COMMANDS:
                return "click takes one of " + ", ".join(COMMANDS)
            self.click(words[0], out)
        elif action == "show":
            names = [n for word in words for n in (FIELDS if word == "all" else [word])]
            if not names or any(n not in FIELDS for n in names):
                return "show takes field names or 'all'"
            for name, value in zip(names, self.show(names)):
                out.write(f"{name}={value}\n")
        elif action == "show-list":
            if words:
                return "show-list takes no argument"
            count, edit = self.browser.execute_script(
                "return [document.getElementById('vexlist-items').children.length,"
                " document.getElementById('vexlist').value]")
            out.write(f"items={count}\nedit={edit}\n")
        else:
            return f"unknown action '{action}'"
        return None


def main():
    page_path = sys.argv[1]
    lines = sys.stdin.buffer.read().decode("utf-8", "surrogateescape").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    browser = start_browser(page_path)
    page = Page(browser)
    out = sys.stdout
    status = 0
    try:
        for number, line in enumerate(lines, 1):
            line = line.removesuffix("\r")
            if not line.strip(" ") or line.startswith("#"):
                continue
            action, _, rest = line.partition(" ")
            error = page.play(action, rest, out)
            out.flush()
            if error:
                print(f"error: line {number}: {error}", file=sys.stderr)
                status = 2
                break
            if page.ended:
                break
    finally:
        browser.quit()
    sys.exit(status)


if __name__ == "__main__":
    main()
