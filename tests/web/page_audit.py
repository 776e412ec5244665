#!/usr/bin/python3
"""The page audited by axe-core (every rule it runs by default: WCAG 2 A and AA, and its best
practices) in each state a user reaches: at start, with the list open, with File > Experience
open, with a message shown and after a Calculate, in the browser VEXLET_ENGINE names. Passes
with no violation of any impact.

usage: page_audit.py PAGE LAYOUT-TABLE-COMMAND...
"""

import os
import sys

from page_drive import Page, Table, start_browser, target_of
from page_keys import press

AXE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "node_modules", "axe-core",
                   "axe.min.js")

RUN = """
return axe.run(document).then(result => result.violations.map(v => [v.id, v.impact, v.help,
  v.nodes.map(n => n.target.join(' ')).slice(0, 5)]),
  error => [['error', '', String(error), []]]);"""


def audit(browser, state):
    violations = browser.script(RUN)
    print(f"{state:<26} {len(violations)} violations")
    for rule, impact, help_text, targets in violations:
        print(f"  {rule} ({impact}): {help_text}: {', '.join(targets)}")
    return len(violations)


def main():
    page_path, *table_command = sys.argv[1:]
    table = Table(table_command)
    with open(AXE, encoding="utf-8") as file:
        axe = file.read()
    browser = start_browser(page_path)
    failures = 0
    try:
        page = Page(browser, table)
        browser.script(axe)
        failures += audit(browser, "at start")
        press(browser, "Alt+ArrowDown")
        failures += audit(browser, "list open")
        press(browser, "Escape Alt+f ArrowRight")
        failures += audit(browser, "File > Experience open")
        press(browser, "Escape Escape Escape")
        browser.click_on(target_of(table, "calculate"))
        failures += audit(browser, "message shown")
        press(browser, "Enter")
        page.play("pick", "26", sys.stdout)
        browser.click_on(target_of(table, "calculate"))
        failures += audit(browser, "after Calculate")
    finally:
        browser.quit()
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
