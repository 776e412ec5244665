#!/usr/bin/env python3
"""Runs the golden sweep and compares the SHA-256 of each chunk of its output with the golden
file, naming every chunk that differs. With --update it writes the golden file instead: a
deliberate act, whose commit says which visible outputs change and why.

usage: check-sweep.py GOLDEN [--update] COMMAND...
"""

import hashlib
import subprocess
import sys
import time


def chunk_hashes(output):
    hashes, current = {}, None
    for line in output.splitlines(keepends=True):
        if line.startswith(b"chunk "):
            current = line[6:].strip().decode()
            hashes[current] = hashlib.sha256()
        else:
            hashes[current].update(line)
    return {name: digest.hexdigest() for name, digest in hashes.items()}


def main():
    golden, *command = sys.argv[1:]
    update = command[:1] == ["--update"]
    command = command[1:] if update else command
    start = time.monotonic()
    run = subprocess.run(command, capture_output=True, check=True)
    seconds = time.monotonic() - start
    hashes = chunk_hashes(run.stdout)
    lines = run.stdout.count(b"\n")
    print(f"{run.stderr.decode().strip()}, {lines} output lines, "
          f"{len(hashes)} chunks, {seconds:.1f} s")
    if update:
        with open(golden, "w") as out:
            out.writelines(f"{digest}  {name}\n" for name, digest in hashes.items())
        return
    with open(golden) as file:
        expected = {name: digest for digest, name in (line.split() for line in file)}
    differing = [name for name in expected.keys() | hashes.keys()
                 if expected.get(name) != hashes.get(name)]
    if differing:
        sys.exit(f"FAIL: chunks {' '.join(sorted(differing))} differ from {golden}")
    print(f"all {len(hashes)} chunks match {golden}")


if __name__ == "__main__":
    main()
