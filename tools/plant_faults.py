#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Plants faults in the sources one at a time and runs the test suite against each.

A fault that makes some test fail is killed; one that leaves the suite green survived and
names a gap in the tests. The faults live in a plain text file of blocks:

    [id] what the fault breaks
    path/of/the/file.cpp
    <<<
    text as it stands (exactly once in the file)
    >>>
    text that replaces it
    ===

Usage: plant_faults.py FAULTS [--repo DIR] [--build DIR] [--only ID ...] [--jobs N]
The repository is left as it was; the build directory is reused between runs.
"""
import argparse
import pathlib
import shutil
import subprocess
import sys
import time


def read_faults(path):
    faults, lines = [], pathlib.Path(path).read_text(encoding="utf-8").split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        if not line.startswith("["):
            i += 1
            continue
        ident, _, what = line[1:].partition("]")
        file = lines[i + 1].strip()
        assert lines[i + 2] == "<<<", f"{ident}: '<<<' expected"
        j = i + 3
        old = []
        while lines[j] != ">>>":
            old.append(lines[j])
            j += 1
        j += 1
        new = []
        while lines[j] != "===":
            new.append(lines[j])
            j += 1
        faults.append((ident, what.strip(), file, "\n".join(old), "\n".join(new)))
        i = j + 1
    return faults


def run(cmd, cwd, timeout=None):
    return subprocess.run(cmd, cwd=cwd, capture_output=True, text=True, timeout=timeout)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("faults")
    parser.add_argument("--repo", default=".")
    parser.add_argument("--build", default="build-faults")
    parser.add_argument("--only", nargs="*")
    parser.add_argument("--jobs", default="2")
    args = parser.parse_args()
    repo = pathlib.Path(args.repo).resolve()
    build = (repo / args.build).resolve()

    faults = read_faults(args.faults)
    if args.only:
        faults = [f for f in faults if f[0] in args.only]
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    run(["cmake", "-S", str(repo), "-B", str(build), "-DCMAKE_BUILD_TYPE=Debug", *launcher],
        repo).check_returncode()
    base = run(["cmake", "--build", str(build), "-j", args.jobs], repo)
    if base.returncode != 0:
        sys.exit("the unchanged sources do not build:\n" + base.stdout[-3000:])

    killed = 0
    for ident, what, file, old, new in faults:
        path = repo / file
        original = path.read_text(encoding="utf-8")
        if original.count(old) != 1:
            print(f"{ident:28} NOT PLANTED: text found {original.count(old)} times in {file}")
            continue
        start = time.time()
        try:
            path.write_text(original.replace(old, new), encoding="utf-8")
            made = run(["cmake", "--build", str(build), "-j", args.jobs], repo)
            if made.returncode != 0:
                print(f"{ident:28} DOES NOT BUILD\n" + made.stdout[-1500:])
                continue
            tests = run(["ctest", "--test-dir", str(build), "-j", args.jobs, "--timeout", "300"],
                        repo)
            failed = [l.split(" - ")[1].split()[0] for l in tests.stdout.splitlines()
                      if " - " in l and "(" in l]
            verdict = "killed" if tests.returncode != 0 else "SURVIVED"
            killed += tests.returncode != 0
            print(f"{ident:28} {verdict:8} {time.time() - start:5.0f}s  {' '.join(failed)}"
                  f"  # {what}", flush=True)
        finally:
            path.write_text(original, encoding="utf-8")
    run(["cmake", "--build", str(build), "-j", args.jobs], repo)
    print(f"{killed} of {len(faults)} faults killed")


if __name__ == "__main__":
    main()
