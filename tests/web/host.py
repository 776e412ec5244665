"""nginx from Debian as the site's host in the page's tests: started by the test itself, in a
folder of its own (no system service), on free ports of the loopback address, in the
foreground. tests/web/nginx.conf holds its servers, one for each shape of host people publish
to, each its own origin; each serves copies of the site from folders of the host's own, which a
test may change (a new version) while it runs.
"""

import os
import shutil
import socket
import subprocess
import sys
import tempfile

from engines import wait_for

HERE = os.path.dirname(os.path.abspath(__file__))
WEB = os.path.join(HERE, "..", "..", "web")
# Each shape's server, and the folders below its root that hold a copy of the site.
SHAPES = {"root": [""], "paths": ["release", "preview"], "pretty": [""], "year": [""]}


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


class Host:
    def __init__(self, site, shapes=tuple(SHAPES)):
        self.prefix = tempfile.mkdtemp(prefix="nginx-")
        os.chmod(self.prefix, 0o755)  # nginx's workers run as nobody when the test is root
        os.mkdir(os.path.join(self.prefix, "temp"))
        self.ports = {shape: free_port() for shape in SHAPES}
        values = {"prefix": self.prefix, "web": os.path.abspath(WEB), **{
            shape: str(port) for shape, port in self.ports.items()}}
        with open(os.path.join(HERE, "nginx.conf"), encoding="utf-8") as file:
            config = file.read()
        for name, value in values.items():
            config = config.replace("{{" + name + "}}", value)
        self.config = os.path.join(self.prefix, "nginx.conf")
        with open(self.config, "w", encoding="utf-8") as file:
            file.write(config)
        for shape in shapes:
            for folder in SHAPES[shape]:
                shutil.copytree(site, self.folder(shape, folder))
        self.process = None
        try:
            self.start()
        except BaseException:
            self.close()
            raise

    def folder(self, shape, path=""):
        return os.path.join(self.prefix, shape, path)

    def url(self, shape, path="/"):
        return f"http://127.0.0.1:{self.ports[shape]}{path}"

    def start(self):
        self.process = subprocess.Popen(
            ["/usr/sbin/nginx", "-p", self.prefix, "-e", "stderr", "-c", self.config,
             "-g", "daemon off;"], stdin=subprocess.DEVNULL)
        for port in self.ports.values():
            wait_for(f"nginx to answer on port {port}", lambda port=port: self.answers(port), 30)

    def answers(self, port):
        if self.process.poll() is not None:
            sys.exit(f"FAIL: nginx stopped at its start with status {self.process.returncode}")
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return True
        except OSError:
            return False

    def stop(self):
        """Stops nginx: its ports refuse every connection until start()."""
        if self.process and self.process.poll() is None:
            self.process.terminate()
            self.process.wait(30)
        self.process = None

    def close(self):
        self.stop()
        shutil.rmtree(self.prefix, ignore_errors=True)
