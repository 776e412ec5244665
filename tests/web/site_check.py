#!/usr/bin/python3
"""The page as an app, published on nginx (host.py) in each shape static hosts take, in the
browser VEXLET_ENGINE names. In every shape the first visit gets ready, the service worker takes
control and a reload gets ready; with nginx stopped and the browser's HTTP cache emptied, a
reload gets ready, so from the worker alone; and a new version, once published, shows from a
later visit on. Another app's caches on each origin (one named by 16 hex digits) and the other
copy's, where two copies share an origin, outlive our installs, updates and activations.

At the root also: the page's policy lets the manifest, icons and worker come from the site alone;
the page comes compressed, the worker not to be cached; with nginx stopped a Calculate gives
what it gave online and another app's file is not answered; a new version whose page is not
the one its worker names does not install. In Chromium, the manifest has no errors and the page
no installability errors. Not one error in the browser's console but those a step expects.

usage: site_check.py SITE LAYOUT-TABLE-COMMAND...
"""

import gzip
import hashlib
import json
import os
import re
import sys
import urllib.request

import engines
from engines import wait_for
from host import Host
from page_checks import check_console, check_policy, fail
from page_drive import Page, Table, load_page, reload_page

# Each shape: what it is, its server, where a first visit asks for the page and where the site
# is (the worker's scope).
SHAPES = [("at the root, compressed", "root", "/", "/"),
          ("under a path asked for without its slash", "paths", "/release", "/release/"),
          ("a second copy on that origin", "paths", "/preview", "/preview/"),
          ("index.html redirected to ./", "pretty", "/index.html", "/"),
          ("every file cached for a year", "year", "/", "/")]

# The names of the caches of the origin, once no worker is still installing.
KEPT = """
return navigator.serviceWorker.getRegistration().then(registration => new Promise(done => {
  (function settled() {
    if (!registration) done(null);
    else if (registration.installing || registration.waiting) setTimeout(settled, 20);
    else caches.keys().then(done);
  })();
}));"""
CONTROLLED = """
return navigator.serviceWorker.ready.then(registration => new Promise(done => {
  (function settled() {
    if (!registration.installing && !registration.waiting && navigator.serviceWorker.controller)
      done(navigator.serviceWorker.controller.scriptURL);
    else setTimeout(settled, 20);
  })();
}));"""
# Asks for an update, and gives what the new worker comes to ("redundant" if its install fails),
# or "none" if there is none.
UPDATE = """
return navigator.serviceWorker.getRegistration().then(registration =>
  registration.update().then(() => new Promise(done => {
    const worker = registration.installing;
    if (!worker) return done('none');
    const settled = () => { if (worker.state !== 'installing') done(worker.state); };
    worker.addEventListener('statechange', settled);
    settled();
  })));"""
# Other apps of an origin, with a file at an address of the site's that our worker does not keep:
# offline, the worker must not answer with it.
NEIGHBOURS = ["another app", "0123456789abcdef"]
OTHER_FILE = "its-file.txt"
PUT_NEIGHBOURS = """
return Promise.all(arguments[0].map(name => caches.open(name)
  .then(cache => cache.put(arguments[1], new Response(name)))));"""
READ_NEIGHBOURS = """
return Promise.all(arguments[0].map(name => caches.open(name)
  .then(cache => cache.match(arguments[1])).then(kept => kept ? kept.text() : null)));"""
NEW_VERSION = "<!-- a new version -->"
SHOWS_NEW = f"return document.head.innerHTML.includes({json.dumps(NEW_VERSION)})"


def visit(browser, url):
    """Asks for `url`, which may fail to load (Firefox says so by an error)."""
    try:
        browser.load(url)
    except RuntimeError:
        pass


def clear_http_cache(browser, host, server):
    """Empties the browser's HTTP cache for the server's origin: the host's answer says to. A
    visit that the answer (204) ends leaves the page as it was."""
    visit(browser, host.url(server, "/clear-http-cache"))


def calculate(page, table):
    page.play("pick", "26", open(os.devnull, "w"))
    page.browser.click_on("#" + next(name for name, keys in table.commands.items()
                                     if keys is None))
    return page.show(table.fields)


def publish_new_version(folder, named):
    """Publishes in `folder` a new version of its site: another page and, as the build makes it,
    another worker, which names the new page's digest if `named` and the old page's if not; each
    compressed beside it, as the build does."""
    with open(os.path.join(folder, "index.html"), encoding="utf-8") as file:
        old = file.read()
    old = old.replace(NEW_VERSION, "")
    new = old.replace("<head>", "<head>" + NEW_VERSION, 1)
    with open(os.path.join(folder, "service-worker.js"), encoding="utf-8") as file:
        worker = file.read()
    worker = worker.replace('const current = prefix + "', 'const current = prefix + "new-', 1)
    if named:
        worker = worker.replace(hashlib.sha256(old.encode()).hexdigest(),
                                hashlib.sha256(new.encode()).hexdigest())
    for name, text in (("index.html", new), ("service-worker.js", worker)):
        for path, data in ((name, text.encode()), (name + ".gz", gzip.compress(text.encode()))):
            with open(os.path.join(folder, path), "wb") as file:
                file.write(data)


def check_headers(host):
    """The page comes compressed from its .gz file; the worker is asked for afresh."""
    request = urllib.request.Request(host.url("root"), headers={"Accept-Encoding": "gzip"})
    with urllib.request.urlopen(request) as response:
        size = os.path.getsize(os.path.join(host.folder("root"), "index.html.gz"))
        if response.headers["Content-Encoding"] != "gzip" \
                or response.headers["Content-Length"] != str(size):
            fail(f"the page comes as {dict(response.headers)}, not the .gz file's {size} bytes")
    with urllib.request.urlopen(host.url("root", "/service-worker.js")) as response:
        if response.headers["Cache-Control"] != "no-cache":
            fail(f"the worker comes with Cache-Control {response.headers['Cache-Control']}")
    print("at the root the page comes from its .gz file, and the worker is not to be cached")


def check_manifest(browser):
    manifest = browser.cdp("Page.getAppManifest", {})
    installability = browser.cdp("Page.getInstallabilityErrors", {})
    if manifest.get("errors") or installability["installabilityErrors"]:
        fail(f"manifest errors {manifest.get('errors')}, installability errors "
             f"{installability['installabilityErrors']}")
    print("Chromium: the manifest has no errors and the page no installability errors")


def expect_errors(browser, what):
    """The errors logged since the last check, which a step that fails on purpose logs."""
    errors = browser.errors()
    print(f"  ({len(errors)} errors logged by {what}, as expected)")


def our_caches(names, scope, package):
    return [name for name in names if name.startswith(f"{package} {scope} ")]


def main():
    site, *table_command = sys.argv[1:]
    table = Table(table_command)
    check_policy(os.path.join(site, "index.html"), {
        "manifest-src": ["'self'"], "img-src": ["'self'"], "worker-src": ["'self'"],
        "connect-src": ["'self'"]})
    # The worker names its caches by the package's name, as the build fills it in.
    with open(os.path.join(site, "service-worker.js"), encoding="utf-8") as file:
        package = re.search(r"const prefix = `(\S+) ", file.read())[1]
    host = Host(site)
    check_headers(host)
    # No page before the first visit: a second visit while the worker installs may come in
    # between its activation and its claim on the open pages, and stay without it.
    browser = engines.start()
    try:
        # Online: the first visit, the worker in control, a reload; beside other apps' caches.
        for what, server, first, scope in SHAPES:
            load_page(browser, host.url(server, first))
            worker = browser.script(CONTROLLED)
            if browser.script("return location.pathname") != scope \
                    or worker != host.url(server, scope + "service-worker.js"):
                fail(f"{what}: the page at {browser.script('return location.href')} is "
                     f"controlled by {worker}")
            browser.script(PUT_NEIGHBOURS, NEIGHBOURS, scope + OTHER_FILE)
            reload_page(browser)
            print(f"{what}: the first visit to {first} is ready, the worker of {scope} "
                  "controls it, a reload is ready")
        check_console(browser)
        load_page(browser, host.url("root"))
        if isinstance(browser, engines.Chromium):
            check_manifest(browser)
        online = calculate(Page(browser, table), table)

        # Offline: nginx stopped, so that the worker's own requests fail too, and the HTTP cache
        # emptied, so that only the worker can answer.
        for server in {server for _, server, _, _ in SHAPES}:
            clear_http_cache(browser, host, server)
        host.stop()
        for what, server, _, scope in SHAPES:
            load_page(browser, host.url(server, scope))
            reload_page(browser)
            if not browser.script("return navigator.serviceWorker.controller !== null"):
                fail(f"{what}: offline, no worker controls the page")
            print(f"{what}: with nginx stopped and the HTTP cache emptied, a visit and a reload "
                  "are ready, under the worker")
        load_page(browser, host.url("root"))
        if calculate(Page(browser, table), table) != online:
            fail("offline a Calculate does not give what it gave online")
        check_console(browser)
        # The page's policy lets it fetch nothing, so a visit asks: the worker answers visits.
        visit(browser, host.url("root", "/" + OTHER_FILE))
        if browser.script("return document.body && document.body.textContent") in NEIGHBOURS:
            fail(f"offline the worker answered {OTHER_FILE} from another app's cache")
        expect_errors(browser, "the visit to another app's file")
        print("at the root offline: a Calculate gives what it gave online, and another app's "
              "file is not answered")

        # A new version: one whose page is not the one its worker names does not install.
        host.start()
        load_page(browser, host.url("root"))
        kept = browser.script(KEPT)
        publish_new_version(host.folder("root"), named=False)
        state = browser.script(UPDATE)
        load_page(browser, host.url("root"))
        if state != "redundant" or browser.script(KEPT) != kept or browser.script(SHOWS_NEW):
            fail(f"a new version whose page is not the one its worker names came to {state}")
        expect_errors(browser, "the refused install")
        print("at the root a new version whose page is not the one its worker names does not "
              "install")

        # One built right shows from a later visit on, in every shape; and every cache of the
        # origin that is not our old version's stays.
        for what, server, _, scope in SHAPES:
            url = host.url(server, scope)
            load_page(browser, url)
            before = browser.script(KEPT)
            publish_new_version(host.folder(server, scope.strip("/")), named=True)
            for visits in range(1, 4):
                load_page(browser, url)
                if browser.script(SHOWS_NEW):
                    break
                wait_for("the new worker", lambda: browser.script(KEPT) != before)
            else:
                fail(f"{what}: three visits after a new version was published, the old shows")
            load_page(browser, url)
            if not browser.script(SHOWS_NEW):
                fail(f"{what}: the visit after the new version showed shows the old")
            after = browser.script(KEPT)
            ours = our_caches(after, url, package)
            if len(ours) != 1 or ours[0] in before \
                    or set(after) - set(ours) \
                    != set(before) - set(our_caches(before, url, package)) \
                    or browser.script(READ_NEIGHBOURS, NEIGHBOURS, scope + OTHER_FILE) \
                    != NEIGHBOURS:
                fail(f"{what}: after the update the origin's caches are {after}, "
                     f"before it {before}")
            print(f"{what}: a new version shows from visit {visits} on; one cache of ours, "
                  "every other cache of the origin as it was")
        check_console(browser)
    finally:
        browser.quit()
        host.close()


if __name__ == "__main__":
    main()
