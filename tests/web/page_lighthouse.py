#!/usr/bin/python3
"""Lighthouse (from the npm registry, at the version tests/web/package-lock.json pins) on the
site as nginx serves it at the root of its origin, in its mobile profile with Debian's Chromium:
Accessibility, Best Practices and SEO must score 1.00. Performance is reported, not judged:
speed is measured by the benchmarks.

usage: page_lighthouse.py SITE
"""

import json
import os
import subprocess
import sys

from engines import CHROMIUM, CHROMIUM_SWITCHES
from host import HERE, Host
from page_checks import fail

JUDGED = ("accessibility", "best-practices", "seo")
REPORTED = ("total-blocking-time", "largest-contentful-paint", "first-contentful-paint")


def main():
    host = Host(sys.argv[1], shapes=("root",))
    try:
        run = subprocess.run(
            ["node", os.path.join(HERE, "node_modules", "lighthouse", "cli", "index.js"),
             host.url("root"), "--quiet", "--output=json", "--output-path=stdout",
             "--only-categories=performance," + ",".join(JUDGED),
             "--chrome-flags=" + " ".join(("--headless=new", *CHROMIUM_SWITCHES))],
            capture_output=True, text=True, env=os.environ | {"CHROME_PATH": CHROMIUM})
    finally:
        host.close()
    if run.returncode != 0:
        fail(f"Lighthouse stopped with status {run.returncode}:\n{run.stderr}")
    report = json.loads(run.stdout)
    if report.get("runtimeError"):
        fail(f"Lighthouse could not audit the site: {report['runtimeError']}")
    scores = {name: category["score"] or 0 for name, category in report["categories"].items()}
    audits = report["audits"]
    print(f"Lighthouse {report['lighthouseVersion']}, {report['configSettings']['formFactor']}: "
          + ", ".join(f"{name} {score:.2f}" for name, score in scores.items()) + "; "
          + ", ".join(f"{name} {audits[name]['displayValue']}" for name in REPORTED))
    below = {name: scores[name] for name in JUDGED if scores[name] != 1}
    if below:
        failed = [f"{audit['id']}: {audit['title']}" for audit in audits.values()
                  if audit["score"] is not None and audit["score"] < 1
                  and audit["scoreDisplayMode"] in ("binary", "numeric")]
        fail(f"scores under 1.00: {below}; audits that failed:\n" + "\n".join(failed))


if __name__ == "__main__":
    main()
