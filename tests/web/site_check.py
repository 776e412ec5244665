#!/usr/bin/python3
"""The page as an app, served from a web server on 127.0.0.1 to headless Chromium: its security
policy, the page's with its manifest, icons and worker from the site alone; its manifest
without errors and no installability errors (as Chromium reports them through CDP); after the
first load its service worker controls the page; with the server stopped a reload shows the
window, a Calculate gives what it gave online, and another app's file is not answered; a new
version whose files are not the ones its worker names does not install; one that is shows after
a counted number of loads; and another app's cache on the same origin outlives both. Not one
error in the browser's console.

usage: site_check.py SITE LAYOUT-TABLE-COMMAND...
"""

import hashlib
import json
import os
import shutil
import sys
import tempfile

from page_checks import check_console, check_policy, fail, serve
from page_drive import Page, Table, load_page, start_browser
from engines import wait_for

# The names of the caches of the origin, once no worker is still installing.
KEPT = """
return navigator.serviceWorker.getRegistration().then(registration => new Promise(done => {
  (function settled() {
    if (registration.installing || registration.waiting) setTimeout(settled, 20);
    else caches.keys().then(done);
  })();
}));"""
WORKER_READY = """
return navigator.serviceWorker.ready.then(registration => new Promise(done => {
  (function settled() {
    if (!registration.installing && !registration.waiting && navigator.serviceWorker.controller)
      done(true);
    else setTimeout(settled, 20);
  })();
}));"""
# Asks for an update, and gives what the new worker comes to: "redundant" if its install fails.
UPDATE = """
return navigator.serviceWorker.getRegistration().then(registration => new Promise(done => {
  registration.addEventListener('updatefound', () => {
    const worker = registration.installing;
    worker.addEventListener('statechange', () => {
      if (worker.state !== 'installing') done(worker.state);
    });
  }, {once: true});
  registration.update();
}));"""
# Another app of the origin, with a file at an address of the site's that the worker does not
# keep: offline, the worker must not answer with it.
OTHER_APP = ["another app", "its-file.txt"]
PUT_OTHER_APP = """
return caches.open(arguments[0]).then(cache => cache.put(arguments[1], new Response('kept')));"""
READ_OTHER_APP = """
return caches.open(arguments[0]).then(cache => cache.match(arguments[1]))
  .then(kept => kept ? kept.text() : null);"""
NEW_VERSION = "<!-- a new version -->"


def calculate(page, table):
    page.play("pick", "26", open(os.devnull, "w"))
    page.browser.click_on("#" + next(name for name, keys in table.commands.items()
                                     if keys is None))
    return page.show(table.fields)


def new_version(site, folder, named):
    """Serves from `folder` a new version of the site: another page and, as the build makes it,
    another worker, which names the new page's digest if `named` and the old page's if not."""
    with open(os.path.join(site, "index.html"), encoding="utf-8") as file:
        old = file.read()
    new = old.replace("<head>", "<head>" + NEW_VERSION, 1)
    with open(os.path.join(site, "service-worker.js"), encoding="utf-8") as file:
        worker = file.read().replace('const current = prefix + "', 'const current = prefix + "new-')
    if named:
        worker = worker.replace(hashlib.sha256(old.encode()).hexdigest(),
                                hashlib.sha256(new.encode()).hexdigest())
    for name, text in (("index.html", new), ("service-worker.js", worker)):
        with open(os.path.join(folder, name), "w", encoding="utf-8") as file:
            file.write(text)


def main():
    site, *table_command = sys.argv[1:]
    table = Table(table_command)
    # Its manifest, its icons and its worker, from the site itself.
    check_policy(os.path.join(site, "index.html"), {
        "manifest-src": ["'self'"], "img-src": ["'self'"], "worker-src": ["'self'"]})
    folder = tempfile.mkdtemp()
    shutil.copytree(site, folder, dirs_exist_ok=True)
    server = serve(folder)
    port = server.server_port
    url = f"http://127.0.0.1:{port}/"
    browser = start_browser(url)
    try:
        manifest = browser.cdp("Page.getAppManifest", {})
        installability = browser.cdp("Page.getInstallabilityErrors", {})
        if manifest.get("errors") or installability["installabilityErrors"]:
            fail(f"manifest errors {manifest.get('errors')}, installability errors "
                 f"{installability['installabilityErrors']}")
        print("the manifest has no errors and the page no installability errors")
        browser.script(WORKER_READY)
        print("after the first load the service worker controls the page")
        browser.script(PUT_OTHER_APP, *OTHER_APP)
        page = Page(browser, table)
        online = calculate(page, table)

        # Offline: the server stopped, so that the worker's own requests fail too.
        server.shutdown()
        server.server_close()
        load_page(browser, url)
        offline = calculate(page, table)
        if offline != online:
            fail(f"with the server stopped a Calculate shows {offline}, online {online}")
        print("with the server stopped a reload shows the window and a Calculate gives the same "
              "values")
        # The page's policy lets it fetch nothing, so a visit asks: the worker answers visits.
        browser.load(url + OTHER_APP[1])
        if browser.script("return document.body && document.body.textContent") == "kept":
            fail(f"the worker answered {OTHER_APP[1]} from {OTHER_APP[0]}'s cache")
        browser.errors()  # the visit's failure, as it should fail, is in the console
        print(f"with the server stopped, {OTHER_APP[0]}'s file is not answered")
        server = serve(folder, port)
        load_page(browser, url)

        kept = browser.script(KEPT)
        new_version(site, folder, named=False)
        state = browser.script(UPDATE)
        load_page(browser, url)
        if state != "redundant" or browser.script(KEPT) != kept \
                or NEW_VERSION in browser.script("return document.head.innerHTML"):
            fail(f"a new version whose page is not the one its worker names came to {state}")
        print("a new version whose page is not the one its worker names does not install")

        new_version(site, folder, named=True)
        for loads in range(1, 4):
            load_page(browser, url)
            if NEW_VERSION in browser.script("return document.head.innerHTML"):
                break
            wait_for("the new worker", lambda: browser.script(KEPT) != kept)
        else:
            fail("three loads after a new version was served, the old one still shows")
        print(f"a new version shows at load {loads} after it is served")
        names = browser.script(KEPT)
        ours = [name for name in names if name != OTHER_APP[0]]
        if len(ours) != 1 or OTHER_APP[0] not in names \
                or browser.script(READ_OTHER_APP, *OTHER_APP) != "kept":
            fail(f"after the update the origin's caches are {json.dumps(names)}")
        print(f"after the update: one cache of ours, and {OTHER_APP[0]}'s cache as it was")
        check_console(browser)
    finally:
        browser.quit()
        server.shutdown()
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
