#!/usr/bin/python3
"""The page as an app, served from a web server on 127.0.0.1 to headless Chromium: its security
policy, the page's with its manifest, icons and worker from the site alone; its manifest
without errors and no installability errors (as Chromium reports them through CDP); after the
first load its service worker controls the page; with the network switched off a reload shows
the window and a Calculate gives what it gave online; and a new version, once served, shows
after a counted number of loads. Not one error in the browser's console.

usage: site_check.py SITE LAYOUT-TABLE-COMMAND...
"""

import os
import shutil
import sys
import tempfile
import time

from page_checks import check_console, check_policy, fail, serve
from page_drive import IS_READY, Page, Table, start_browser

# The names of the caches the workers keep, once no worker is still installing.
KEPT = """
const done = arguments[arguments.length - 1];
navigator.serviceWorker.getRegistration().then(registration => {
  (function settled() {
    if (registration.installing || registration.waiting) setTimeout(settled, 20);
    else caches.keys().then(done);
  })();
});"""
WORKER_READY = """
const done = arguments[arguments.length - 1];
navigator.serviceWorker.ready.then(registration => {
  (function settled() {
    if (!registration.installing && !registration.waiting && navigator.serviceWorker.controller)
      done(true);
    else setTimeout(settled, 20);
  })();
});"""
NEW_VERSION = "<!-- a new version -->"


def load(browser, url):
    browser.get(url)
    for _ in range(200):
        if browser.execute_script(IS_READY):
            return
        time.sleep(0.05)
    fail(f"{url} did not get ready")


def calculate(page, table):
    page.play("pick", "26", open(os.devnull, "w"))
    page.element(next(name for name, keys in table.commands.items() if keys is None)).click()
    return page.show(table.fields)


def main():
    site, *table_command = sys.argv[1:]
    table = Table(table_command)
    # Its manifest, its icons and its worker, from the site itself.
    check_policy(os.path.join(site, "index.html"), {
        "manifest-src": ["'self'"], "img-src": ["'self'"], "worker-src": ["'self'"]})
    folder = tempfile.mkdtemp()
    shutil.copytree(site, folder, dirs_exist_ok=True)
    server = serve(folder)
    url = f"http://127.0.0.1:{server.server_port}/"
    browser = start_browser(url)
    try:
        manifest = browser.execute_cdp_cmd("Page.getAppManifest", {})
        installability = browser.execute_cdp_cmd("Page.getInstallabilityErrors", {})
        if manifest.get("errors") or installability["installabilityErrors"]:
            fail(f"manifest errors {manifest.get('errors')}, installability errors "
                 f"{installability['installabilityErrors']}")
        print("the manifest has no errors and the page no installability errors")
        browser.set_script_timeout(20)
        browser.execute_async_script(WORKER_READY)
        print("after the first load the service worker controls the page")
        page = Page(browser, table)
        online = calculate(page, table)

        browser.execute_cdp_cmd("Network.enable", {})
        browser.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        load(browser, url)
        offline = calculate(page, table)
        if offline != online:
            fail(f"offline a Calculate shows {offline}, online {online}")
        print("offline a reload shows the window and a Calculate gives the same values")
        browser.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})

        # A new version: another page and, as the build makes it, another worker.
        for name, old, new in (("index.html", "<head>", "<head>" + NEW_VERSION),
                               ("service-worker.js", 'const version = "',
                                'const version = "new-')):
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8") as file:
                text = file.read()
            with open(path, "w", encoding="utf-8") as file:
                file.write(text.replace(old, new, 1))
        # The browser looks for a new worker once a load is done: wait for it to be taken.
        kept = browser.execute_async_script(KEPT)
        for loads in range(1, 4):
            load(browser, url)
            if NEW_VERSION in browser.execute_script("return document.head.innerHTML"):
                break
            for _ in range(100):
                if browser.execute_async_script(KEPT) != kept:
                    break
                time.sleep(0.1)
        else:
            fail("three loads after a new version was served, the old one still shows")
        print(f"a new version shows at load {loads} after it is served")
        check_console(browser)
    finally:
        browser.quit()
        server.shutdown()
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
