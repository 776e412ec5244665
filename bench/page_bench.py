#!/usr/bin/python3
"""The page's figures in headless Chromium, each as the median of LOADS loads alternating with a
blank page of the same size (one line of text and a long comment, whose "ready" mark is its load
event), loaded the same way: first contentful paint, and ready (the species list filled and the
fonts loaded, the page's "ready" mark); both unthrottled and with the processor slowed 4 times
(CDP Emulation.setCPUThrottlingRate) as a stand-in for a phone. Then one Calculate click to the
next painted frame, median of 50 clicks with another species each time, both ways; and the
file's size.

usage: page_bench.py PAGE [LOADS]
"""

import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from page_drive import start_browser  # noqa: E402

# First contentful paint and the ready mark, once both are there.
TIMES = """
const done = arguments[0];
(function poll() {
  const ready = performance.getEntriesByName('ready')[0];
  const paint = performance.getEntriesByName('first-contentful-paint')[0];
  if (ready && paint) done([paint.startTime, ready.startTime]); else setTimeout(poll, 5);
})();"""

# From the click's dispatch to the frame after it, read once that frame has been painted.
CLICK_TO_FRAME = """
const done = arguments[1];
const button = document.querySelector('button.control');
let start = 0, handled = 0;
button.addEventListener('click', () => { start = performance.now(); }, {capture: true, once: true});
document.addEventListener('click', () => {
  handled = performance.now();
  requestAnimationFrame(() => {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => done([handled - start, performance.now() - start]);
    channel.port2.postMessage(null);
  });
}, {once: true});
const list = document.querySelector('[role=combobox]');
list.focus();
list.dispatchEvent(new KeyboardEvent('keydown', {key: arguments[0], bubbles: true}));
button.click();"""


def blank_page_like(page):
    """A page of the same size with one line of text, a comment, and its load mark."""
    size = os.path.getsize(page)
    head = ("<!DOCTYPE html><html><head><meta charset='utf-8'><title>blank</title></head><body>"
            "<p>A blank page</p>"
            "<script>addEventListener('load', () => performance.mark('ready'));</script><!--")
    tail = "--></body></html>"
    blank = tempfile.NamedTemporaryFile("w", suffix=".html", delete=False)
    blank.write(head + "x" * (size - len(head) - len(tail)) + tail)
    blank.close()
    return blank.name


def measure(browser, page, blank, loads, throttle):
    browser.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": throttle})
    times = {page: [], blank: []}
    for _ in range(loads):
        for path in (page, blank):
            browser.get("file://" + path)
            times[path].append(browser.execute_async_script(TIMES))
    label = f"processor slowed {throttle} times" if throttle > 1 else "unthrottled"
    for index, figure in enumerate(("first contentful paint", "ready")):
        mine = statistics.median(t[index] for t in times[page])
        baseline = statistics.median(t[index] for t in times[blank])
        print(f"{label}: {figure} {mine:.1f} ms, blank page {baseline:.1f} ms, "
              f"ratio {mine / baseline:.2f} (medians of {loads} loads)")
    browser.get("file://" + page)
    browser.execute_async_script(TIMES)
    clicks = [browser.execute_async_script(CLICK_TO_FRAME, "ArrowDown") for _ in range(50)]
    print(f"{label}: Calculate, the command {statistics.median(c[0] for c in clicks):.2f} ms, "
          f"click to the next painted frame {statistics.median(c[1] for c in clicks):.1f} ms "
          "(medians of 50 clicks)")


def main():
    page = os.path.abspath(sys.argv[1])
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    blank = blank_page_like(page)
    browser = start_browser(page)
    browser.set_script_timeout(60)
    try:
        for throttle in (1, 4):
            measure(browser, page, blank, loads, throttle)
    finally:
        browser.quit()
        os.remove(blank)
    print(f"file size: {os.path.getsize(page)} bytes ({os.path.getsize(page) / 1024:.0f} KiB)")


if __name__ == "__main__":
    main()
