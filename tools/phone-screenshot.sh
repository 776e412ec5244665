#!/usr/bin/env bash
# Takes a screenshot of the page on a phone's screen 360 CSS px wide into docs/phone.png, the
# whole page: the first species picked with the arrow key and calculated at the initial level,
# as docs/window.png shows the desktop window.
#
# usage: tools/phone-screenshot.sh [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/phone.png}
tools/install-deps.sh web test
page=$(tools/web.sh | head -n 1)
mkdir -p "$(dirname "$output")"
/usr/bin/python3 - "$page" "$output" <<'PYTHON'
import base64
import sys

sys.path.insert(0, "tests/web")
from page_drive import start_browser
from selenium.webdriver.common.keys import Keys

page, output = sys.argv[1:]
browser = start_browser(page, phone=360)
try:
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
    browser.find_element("css selector", "[role=combobox]").send_keys(Keys.ARROW_DOWN)
    browser.execute_script("document.activeElement.blur()")
    browser.find_element("css selector", "button.control").click()
    shot = browser.execute_cdp_cmd("Page.captureScreenshot", {"captureBeyondViewport": True})
    with open(output, "wb") as file:
        file.write(base64.b64decode(shot["data"]))
finally:
    browser.quit()
PYTHON
echo "wrote $output"
