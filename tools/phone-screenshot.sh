#!/usr/bin/env bash
# Takes a screenshot of the page on a phone's screen 360 CSS px wide into docs/phone.png, the
# whole page: the first species picked with the arrow key and calculated at the initial level,
# as docs/window.png shows the desktop window.
#
# usage: tools/phone-screenshot.sh [OUTPUT.png], from any folder; a relative OUTPUT is from it
set -euo pipefail
self=$(realpath "$0")
output=$(realpath -m "${1:-$(dirname "$self")/../docs/phone.png}")
cd "$(dirname "$self")/.."
tools/install-deps.sh web test
page=$(tools/web.sh | head -n 1)
mkdir -p "$(dirname "$output")"
/usr/bin/python3 - "$page" "$output" <<'PYTHON'
import base64
import sys

sys.path.insert(0, "tests/web")
from page_drive import start_browser

page, output = sys.argv[1:]
browser = start_browser(page, 360, 740, touch=True, engine="chromium")
try:
    browser.cdp("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
    browser.script("document.querySelector('[role=combobox]').focus()")
    browser.press("ArrowDown")
    browser.script("document.activeElement.blur()")
    browser.click_on("button.control")
    shot = browser.cdp("Page.captureScreenshot", {"captureBeyondViewport": True})
    with open(output, "wb") as file:
        file.write(base64.b64decode(shot["data"]))
finally:
    browser.quit()
PYTHON
echo "wrote $output"
