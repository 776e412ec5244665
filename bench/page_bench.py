#!/usr/bin/python3
"""The page's figures in headless Chromium, each as the median of LOADS loads alternating with a
blank page of the same size (one line of text and a long comment, whose "ready" mark is its load
event), loaded the same way: first contentful paint, and ready (the species list filled and the
fonts loaded, the page's "ready" mark); both unthrottled and with the processor slowed 4 times
(CDP Emulation.setCPUThrottlingRate) as a stand-in for a phone. The same for the window alone:
the page of the same size without its scripts, "ready" at its load event: what the window's own
markup, style and fonts cost, the least any page that shows it can take. Then one Calculate
click to the next painted frame, median of 50 clicks with another species each time, both ways;
and the file's size.

usage: page_bench.py PAGE [LOADS]
"""

import os
import pathlib
import re
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


LOAD_MARK = "<script>addEventListener('load', () => performance.mark('ready'));</script>"


def padded_page(text, size):
    """`text`, a page that ends in </body></html>, padded with a comment to `size` bytes."""
    head, tail = text.rsplit("</body>", 1)
    head += LOAD_MARK + "<!--"
    tail = "--></body>" + tail
    padding = size - len(head.encode()) - len(tail.encode())
    page = tempfile.NamedTemporaryFile("w", suffix=".html", delete=False, encoding="utf-8")
    page.write(head + "x" * padding + tail)
    page.close()
    return page.name


def blank_page_like(page):
    """A page of the same size with one line of text, a comment, and its load mark."""
    return padded_page("<!DOCTYPE html><html><head><meta charset='utf-8'><title>blank</title>"
                       "</head><body><p>A blank page</p></body></html>", os.path.getsize(page))


def window_alone_like(page):
    """The page of the same size without its scripts, and without its policy, which would
    refuse the load mark."""
    with open(page, encoding="utf-8") as file:
        text = file.read()
    text = re.sub(r"<script\b.*?</script>|<meta http-equiv=\"Content-Security-Policy\"[^>]*>",
                  "", text, flags=re.DOTALL)
    return padded_page(text, os.path.getsize(page))


def measure(browser, pages, loads, throttle):
    browser.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": throttle})
    times = {path: [] for path in pages}
    for _ in range(loads):
        for path in pages:
            browser.get(pathlib.Path(path).resolve().as_uri())
            times[path].append(browser.execute_async_script(TIMES))
    label = f"processor slowed {throttle} times" if throttle > 1 else "unthrottled"
    for index, figure in enumerate(("first contentful paint", "ready")):
        mine, baseline, least = (statistics.median(t[index] for t in times[path])
                                 for path in pages)
        print(f"{label}: {figure} {mine:.1f} ms, blank page {baseline:.1f} ms, "
              f"ratio {mine / baseline:.2f}; the window alone {least:.1f} ms, "
              f"ratio {least / baseline:.2f} (medians of {loads} loads)")
    browser.get(pathlib.Path(pages[0]).resolve().as_uri())
    browser.execute_async_script(TIMES)
    clicks = [browser.execute_async_script(CLICK_TO_FRAME, "ArrowDown") for _ in range(50)]
    print(f"{label}: Calculate, the command {statistics.median(c[0] for c in clicks):.2f} ms, "
          f"click to the next painted frame {statistics.median(c[1] for c in clicks):.1f} ms "
          "(medians of 50 clicks)")


def main():
    page = os.path.abspath(sys.argv[1])
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    pages = (page, blank_page_like(page), window_alone_like(page))
    # Chromium's own WebDriver, for the processor throttling that only it has.
    browser = start_browser(page, engine="chromium").browser
    try:
        for throttle in (1, 4):
            measure(browser, pages, loads, throttle)
    finally:
        browser.quit()
        for path in pages[1:]:
            os.remove(path)
    print(f"file size: {os.path.getsize(page)} bytes ({os.path.getsize(page) / 1024:.0f} KiB)")


if __name__ == "__main__":
    main()
