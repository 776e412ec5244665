"""The browser behind the page's tests: one seam, three engines. Chromium and WebKit (MiniBrowser,
on an X server) are driven through WebDriver, Firefox through WebDriver BiDi, which it speaks
itself. Each engine does the same few things: load a page, run a script, press keys, click and
tap at a point, type text no key types, and tell the errors the page logged. A script is a
function body that reads `arguments` and returns JSON values; a promise it returns is awaited.

The engine comes from the environment variable VEXLET_ENGINE: chromium (the default), firefox or
webkit.
"""

import base64
import glob
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import queue
import threading
import time

# The WebDriver key values of the keys the tests press by name.
KEYS = {"Alt": "\ue00a", "Ctrl": "\ue009", "Shift": "\ue008", "Meta": "\ue03d",
        "Backspace": "\ue003", "Tab": "\ue004", "Enter": "\ue007", "Escape": "\ue00c",
        "Space": " ", "PageUp": "\ue00e", "PageDown": "\ue00f", "End": "\ue010",
        "Home": "\ue011", "ArrowLeft": "\ue012", "ArrowUp": "\ue013", "ArrowRight": "\ue014",
        "ArrowDown": "\ue015", "F4": "\ue034", "F10": "\ue03a"}


def wait_for(what, test, seconds=60):
    """Polls `test` until it gives something true, and gives that; a loaded machine may take
    seconds, so the limit is generous."""
    deadline = time.monotonic() + seconds
    while True:
        result = test()
        if result:
            return result
        if time.monotonic() > deadline:
            sys.exit(f"FAIL: waited {seconds} s for {what}")
        time.sleep(0.05)


def key_actions(chords):
    """Key actions for chords such as "Alt+f" or "ArrowDown", pressed one after another."""
    actions = []
    for chord in chords:
        *modifiers, key = chord.split("+") if len(chord) > 1 else [chord]
        held = [KEYS[m] for m in modifiers]
        value = KEYS.get(key, key)
        actions += [{"type": "keyDown", "value": k} for k in held + [value]]
        actions += [{"type": "keyUp", "value": k} for k in [value] + held[::-1]]
    return [{"type": "key", "id": "keyboard", "actions": actions}]


# Where a user would click or tap an element: its centre, once it is scrolled into view as a
# user would scroll it (an item of the open list within the list).
CENTRE = """
const e = document.querySelector(arguments[0]);
e.scrollIntoView({block: 'nearest'});
const box = e.getBoundingClientRect();
return [box.left + box.width / 2, box.top + box.height / 2];"""


def pointer_actions(kind, x, y):
    return [{"type": "pointer", "id": kind, "parameters": {"pointerType": kind}, "actions": [
        {"type": "pointerMove", "x": round(x), "y": round(y), "duration": 0, "origin": "viewport"},
        {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]}]


class Engine:
    """What every engine does alike, from its own `perform` (WebDriver input actions, the same
    sequences in every protocol); each also has `load`, `reload` (as the user reloads),
    `script`, `errors`, `screenshot` and `quit`."""

    def press(self, *chords):
        self.perform(key_actions(chords))

    def click(self, x, y):
        self.perform(pointer_actions("mouse", x, y))

    def tap(self, x, y):
        self.perform(pointer_actions("touch", x, y))

    def click_on(self, selector):
        self.click(*self.script(CENTRE, selector))

    def tap_on(self, selector):
        self.tap(*self.script(CENTRE, selector))

    def wheel(self, x, y, across, down):
        self.perform([{"type": "wheel", "id": "wheel", "actions": [
            {"type": "scroll", "x": round(x), "y": round(y), "deltaX": across, "deltaY": down,
             "duration": 0, "origin": "viewport"}]}])

    def insert_text(self, text):
        """Text as an input method gives it: characters no key of the keyboard types."""
        self.perform(key_actions(list(text)))


class WebDriverEngine(Engine):
    """An engine behind a classic WebDriver server, through Selenium."""

    def __init__(self, browser):
        self.browser = browser
        browser.set_script_timeout(120)

    def script(self, body, *arguments):
        return self.browser.execute_script(body, *arguments)

    def perform(self, actions):
        from selenium.webdriver.remote.command import Command
        self.browser.execute(Command.W3C_ACTIONS, {"actions": actions})
        self.browser.execute(Command.W3C_CLEAR_ACTIONS)

    def load(self, url):
        self.browser.get(url)

    def reload(self):
        self.browser.refresh()

    def screenshot(self, path):
        self.browser.save_screenshot(path)

    def quit(self):
        self.browser.quit()


# Debian's Chromium, quiet: no sandbox (the tests may run as root), no updates, no syncing.
CHROMIUM = "/usr/bin/chromium"
CHROMIUM_SWITCHES = ("--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync")


class Chromium(WebDriverEngine):
    """A touch screen through the DevTools protocol: a phone's metrics, and touch, which makes the
    primary pointer coarse."""

    def __init__(self, width, height, touch, headed, arguments):
        from selenium import webdriver
        from selenium.webdriver.chrome.options import Options
        from selenium.webdriver.chrome.service import Service
        options = Options()
        options.binary_location = CHROMIUM
        shown = ("--ozone-platform=x11", "--window-position=0,0") if headed else (
            "--headless=new",)
        for argument in (*shown, *CHROMIUM_SWITCHES, f"--window-size={width},{height}",
                         *arguments):
            options.add_argument(argument)
        super().__init__(webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                                          options=options))
        if touch:
            self.cdp("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 3, "mobile": True})
            self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": True})

    def cdp(self, command, parameters):
        return self.browser.execute_cdp_cmd(command, parameters)

    def insert_text(self, text):
        # ChromeDriver types only characters of the Basic Multilingual Plane.
        self.cdp("Input.insertText", {"text": text})

    def errors(self):
        return [entry["message"] for entry in self.browser.get_log("browser")
                if entry["level"] == "SEVERE"]


class WebKit(WebDriverEngine):
    """MiniBrowser through WebKitWebDriver, in a window on the X server of $DISPLAY. Neither
    tells what a page logs, so a recorder in the page keeps its errors from the time it is
    loaded. Nothing runs a script before the page's own (WebKitWebDriver has no preload scripts
    and refuses WebDriver BiDi; MiniBrowser's console-to-stdout setting does not reach the views
    it opens for automation), so what the page logs while it starts is missed here: the same
    page logs it in the other engines, and a page whose start fails never gets ready, which
    every test waits for."""

    MINIBROWSER = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")
    RECORDER = """
if (!window.loggedErrors) {
  window.loggedErrors = [];
  const error = console.error;
  console.error = (...words) => { loggedErrors.push(words.join(' ')); error(...words); };
  addEventListener('error', event => loggedErrors.push(String(event.message)));
  addEventListener('unhandledrejection', event => loggedErrors.push(String(event.reason)));
  addEventListener('securitypolicyviolation', event => loggedErrors.push(
    'refused by the policy: ' + event.violatedDirective + ' ' + event.blockedURI));
}"""

    def __init__(self, width, height, touch, headed, arguments):
        from selenium import webdriver
        from selenium.webdriver.webkitgtk.options import Options
        if not os.environ.get("DISPLAY"):
            sys.exit("FAIL: WebKit needs an X server (run it under with-xvfb.sh)")
        if not self.MINIBROWSER:
            sys.exit("FAIL: MiniBrowser is missing (webkit2gtk-driver brings it)")
        options = Options()
        options.binary_location = self.MINIBROWSER[0]
        for argument in ("--automation", *arguments):
            options.add_argument(argument)
        super().__init__(webdriver.WebKitGTK(executable_path="/usr/bin/WebKitWebDriver",
                                             options=options))
        # WebKit cannot be a touch screen here: WebKitGTK tells a page that its primary pointer
        # is coarse only when the pointer of the display's default GDK seat is a touch screen,
        # and on X11 that is always the core pointer, a mouse; neither MiniBrowser nor
        # WebKitWebDriver emulates touch, and Xvfb has no touch device. At a touch screen's size
        # WebKit shows what a mouse gets there.
        self.browser.set_window_rect(0, 0, width, height)

    def load(self, url):
        super().load(url)
        self.script(self.RECORDER)

    def reload(self):
        super().reload()
        self.script(self.RECORDER)

    def errors(self):
        return self.script("return window.loggedErrors || []")


class Firefox(Engine):
    """Firefox ESR, headless, through WebDriver BiDi on a port of the loopback address. A touch
    screen is a phone's pixel ratio and the preferences that make the primary pointer, and every
    pointer, coarse and unable to hover (BiDi has no command for touch yet), and its scroll bars
    overlay the page, as a phone's do, rather than take its width."""

    COARSE = 1  # the pointer capabilities' flag of a coarse pointer, without that of hovering

    def __init__(self, width, height, touch, headed, arguments):
        import websocket
        self.profile = tempfile.mkdtemp(prefix="firefox-")
        # Nothing to ask the network for at start: no welcome, no remote settings.
        with open(os.path.join(self.profile, "user.js"), "w", encoding="utf-8") as file:
            for name, value in (("browser.startup.homepage_override.mstone", "ignore"),
                                ("browser.aboutwelcome.enabled", False),
                                ("services.settings.server", "data:,"),
                                ("datareporting.policy.dataSubmissionEnabled", False),
                                ("browser.chrome.site_icons", False),
                                *((("ui.primaryPointerCapabilities", self.COARSE),
                                   ("ui.allPointerCapabilities", self.COARSE),
                                   ("ui.useOverlayScrollbars", 1)) if touch else ()),
                                *arguments):
                file.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        self.process = subprocess.Popen(
            ["/usr/bin/firefox-esr", *(() if headed else ("--headless",)), "--no-remote",
             "--profile", self.profile, f"--width={width}", f"--height={height}",
             "--remote-debugging-port", "0"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        self.socket = None
        try:
            self.connect(websocket, width, height, touch)
        except BaseException:
            self.quit()
            raise

    def connect(self, websocket, width, height, touch):
        # Firefox names its server's address on its standard error, and goes on writing there:
        # a thread reads it all, so that Firefox never blocks on it.
        lines = queue.Queue()
        threading.Thread(target=lambda: [lines.put(line) for line in self.process.stderr],
                         daemon=True).start()
        deadline = time.monotonic() + 60
        while True:
            try:
                line = lines.get(timeout=max(deadline - time.monotonic(), 0))
            except queue.Empty:
                sys.exit("FAIL: Firefox did not start its WebDriver BiDi server")
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", line)
            if found:
                break
        # Firefox refuses a connection that names an origin, as a page would.
        self.socket = websocket.create_connection(found.group(1) + "/session", timeout=120,
                                                  suppress_origin=True)
        self.next_id = 0
        self.logged = []
        self.command("session.new", {"capabilities": {}})
        # The window Firefox starts with never gets the focus when headless, and without it no
        # focus or blur event fires: the tests use a window of their own.
        first = self.command("browsingContext.getTree", {})["contexts"][0]["context"]
        self.context = self.command("browsingContext.create", {"type": "window"})["context"]
        self.command("browsingContext.close", {"context": first})
        # A page that is the only one its window has shown may close the window (Exit would);
        # the pages under test open as in a tab that has shown another page before.
        self.load("about:blank")
        self.command("session.subscribe", {"events": ["log.entryAdded"]})
        self.command("browsingContext.setViewport", {
            "context": self.context, "viewport": {"width": width, "height": height},
            "devicePixelRatio": 3 if touch else 1})

    def command(self, method, parameters):
        self.next_id += 1
        self.socket.send(json.dumps({"id": self.next_id, "method": method, "params": parameters}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("method") == "log.entryAdded":
                entry = message["params"]
                if entry["level"] == "error":
                    self.logged.append(entry.get("text") or "")
            elif message.get("id") == self.next_id:
                if message.get("type") == "error":
                    raise RuntimeError(f"{method}: {message['error']}: {message.get('message')}")
                return message["result"]

    def script(self, body, *arguments):
        result = self.command("script.callFunction", {
            "functionDeclaration": "function () {\n" + body + "\n}",
            "arguments": [to_bidi(a) for a in arguments], "awaitPromise": True,
            "target": {"context": self.context}, "resultOwnership": "none"})
        if result["type"] == "exception":
            raise RuntimeError("the script threw: " + result["exceptionDetails"]["text"])
        return from_bidi(result["result"])

    def perform(self, actions):
        self.command("input.performActions", {"context": self.context, "actions": actions})
        self.command("input.releaseActions", {"context": self.context})

    def load(self, url):
        self.command("browsingContext.navigate",
                     {"context": self.context, "url": url, "wait": "complete"})

    def reload(self):
        self.command("browsingContext.reload", {"context": self.context, "wait": "complete"})

    def errors(self):
        self.script("return null")  # takes in what was logged before now
        return self.logged

    def screenshot(self, path):
        data = self.command("browsingContext.captureScreenshot", {"context": self.context})
        with open(path, "wb") as file:
            file.write(base64.b64decode(data["data"]))

    def quit(self):
        if self.socket:
            try:
                self.command("browser.close", {})
            except Exception:
                pass
            self.socket.close()
        try:
            self.process.wait(20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


def to_bidi(value):
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [to_bidi(v) for v in value]}
    return {"type": "object", "value": [[k, to_bidi(v)] for k, v in value.items()]}


def from_bidi(value):
    kind = value["type"]
    if kind in ("null", "undefined"):
        return None
    if kind == "array":
        return [from_bidi(v) for v in value["value"]]
    if kind == "object":
        return {k: from_bidi(v) for k, v in value["value"]}
    if kind == "number" and isinstance(value["value"], str):
        return float(value["value"].replace("Infinity", "inf"))
    return value.get("value")


def start(width=600, height=700, touch=False, headed=False, arguments=(), engine=None):
    """The engine VEXLET_ENGINE names (or `engine`), with a window `width` × `height` CSS px, as
    a touch screen of that size if `touch`; `headed` shows its window on the X server of $DISPLAY
    (WebKit's always is). `arguments` are the engine's own: Chromium's and MiniBrowser's command
    line switches, Firefox's preferences as pairs of a name and a value."""
    name = engine or os.environ.get("VEXLET_ENGINE", "chromium")
    engines = {"chromium": Chromium, "firefox": Firefox, "webkit": WebKit}
    if name not in engines:
        sys.exit(f"VEXLET_ENGINE is {name!r}, not one of {', '.join(engines)}")
    return engines[name](width, height, touch, headed, arguments)
