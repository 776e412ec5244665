#!/usr/bin/python3
"""The page's figures in headless Chromium: time from navigation to ready (the species list
filled and the fonts loaded, the page's "ready" mark), median of LOADS loads alternating with a
blank page of the same size whose "ready" mark is its load event; one Calculate click to the
next painted frame, median of 50 clicks with another species each time; and the file's size.

usage: page_bench.py PAGE [LOADS]
"""

import os
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from page_drive import start_browser  # noqa: E402

READY = """
const done = arguments[0];
(function poll() {
  const mark = performance.getEntriesByName('ready')[0];
  if (mark) done(mark.startTime); else setTimeout(poll, 5);
})();"""

# From the click's dispatch to the frame after it, read once that frame has been painted.
CLICK_TO_FRAME = """
const done = arguments[1];
const button = document.getElementById('calculate');
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
    """A page of the same size with nothing in it but a comment and its load mark."""
    size = os.path.getsize(page)
    head = ("<!DOCTYPE html><html><head><meta charset='utf-8'><title>blank</title></head><body>"
            "<script>addEventListener('load', () => performance.mark('ready'));</script><!--")
    tail = "--></body></html>"
    blank = tempfile.NamedTemporaryFile("w", suffix=".html", delete=False)
    blank.write(head + "x" * (size - len(head) - len(tail)) + tail)
    blank.close()
    return blank.name


def main():
    page = os.path.abspath(sys.argv[1])
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    blank = blank_page_like(page)
    browser = start_browser(page)
    try:
        times = {page: [], blank: []}
        for _ in range(loads):
            for path in (page, blank):
                browser.get("file://" + path)
                times[path].append(browser.execute_async_script(READY))
        ready, baseline = statistics.median(times[page]), statistics.median(times[blank])
        print(f"ready after navigation: {ready:.1f} ms, blank page of the same size "
              f"{baseline:.1f} ms, ratio {ready / baseline:.2f} (medians of {loads} loads)")
        browser.get("file://" + page)
        browser.execute_async_script(READY)
        clicks = [browser.execute_async_script(CLICK_TO_FRAME, "ArrowDown") for _ in range(50)]
        print(f"Calculate: the command {statistics.median(c[0] for c in clicks):.2f} ms, "
              f"click to the next painted frame {statistics.median(c[1] for c in clicks):.1f} ms "
              "(medians of 50 clicks)")
    finally:
        browser.quit()
        os.remove(blank)
    print(f"file size: {os.path.getsize(page)} bytes ({os.path.getsize(page) / 1024:.0f} KiB)")


if __name__ == "__main__":
    main()
