#!/usr/bin/env python3
"""Mutation run: how many small faults in the core do the tests catch?

    tests/mutation/run.py [--count N] [--seed S] [--folders F,...] [--build DIR] [--list] [--only IDS]

Makes N mutants of installdata/ and values/, or of the folders named (a comparison flipped, + and -
swapped, an integer constant moved by one, && and || swapped, true and false
swapped), chosen with a fixed seed from every site of those kinds, so two
checkouts with the same sources get the same mutants. For each mutant the
linux preset (or --preset) is rebuilt in a build folder of its own and ctest runs (the unit
tests, the program tests and the golden scripts); a mutant is killed when a
test fails or times out. A mutant that does not build is not a valid mutant
and is left out of the rate. The source file is restored after every mutant.

Not part of `make test`: a run takes about half a minute per mutant at -j2.
Prints one line per mutant and a summary; --json FILE writes the results.
"""

import argparse
import hashlib
import json
import os
import random
import re
import signal
import subprocess
import sys
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
FOLDERS = "installdata,values"
# What the tests run: the unit tests and the programs the script tests drive
# (the benchmarks and the Wine helpers are left out to save links).
TARGETS = ["vorna_unit_tests", "vorna-run", "vorna-pack", "vorna-debug", "vorna-grammar"]

# Operators found by a regex per kind; the negative look-arounds keep
# "<<", "->", "++", "+=", "<=" and the like out of the single-character kinds.
OPERATOR_SWAPS = [
    (r"==", "!="),
    (r"!=", "=="),
    (r"(?<![<>=!])<=", "<"),
    (r"(?<![<>=!])>=", ">"),
    (r"(?<![<>\-])<(?![<=])", "<="),
    (r"(?<![<>\-])>(?![>=])", ">="),
    (r"&&", "||"),
    (r"\|\|", "&&"),
    (r"(?<![+\-=(,\[!])(?<=\s)\+(?=\s)", "-"),
    (r"(?<![+\-=(,\[!])(?<=\s)-(?=\s)", "+"),
    (r"\btrue\b", "false"),
    (r"\bfalse\b", "true"),
]
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")


def code_part(line):
    """The line without its comment and with string and character literals
    blanked, so positions stay the same and nothing inside them is mutated."""
    out = []
    i = 0
    quote = None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out)


def is_template_angle(code, pos):
    """True for the < and > of a template argument list or an #include."""
    return bool(re.search(r"\b(template|static_cast|reinterpret_cast|const_cast|"
                          r"std::\w+|vector|array|pair|optional|function|"
                          r"unique_ptr|shared_ptr|map|set|span|numeric_limits|"
                          r"string_view)\s*<", code[:pos + 1]) and
                re.search(r"<[\w:, *&]*>", code[max(0, pos - 60):pos + 60]))


def sites_in(path):
    rel = os.path.relpath(path, ROOT)
    sites = []
    in_block_comment = False
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_block_comment:
            if "*/" in stripped:
                in_block_comment = False
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("#") or stripped.startswith("//"):
            continue
        code = code_part(line)
        for pattern, replacement in OPERATOR_SWAPS:
            for m in re.finditer(pattern, code):
                if m.group(0) in "<>" or m.group(0) in ("<=", ">="):
                    if is_template_angle(code, m.start()):
                        continue
                    if "operator" in code[max(0, m.start() - 9):m.start()]:
                        continue
                sites.append((rel, number, m.start(), m.group(0), replacement))
        for m in NUMBER.finditer(code):
            value = int(m.group(1))
            sites.append((rel, number, m.start(), m.group(1), str(value + 1)))
            if value > 0:
                sites.append((rel, number, m.start(), m.group(1), str(value - 1)))
    return sites


def all_sites(folders):
    sites = []
    for folder in folders:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if name.endswith(".cpp"):
                sites.extend(sites_in(os.path.join(ROOT, folder, name)))
    return sites


def apply(site):
    rel, number, column, original, replacement = site
    path = os.path.join(ROOT, rel)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    lines = text.split("\n")
    line = lines[number - 1]
    assert line[column:column + len(original)] == original, site
    lines[number - 1] = line[:column] + replacement + line[column + len(original):]
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    return path, text


def run(command, timeout, log, stop_at_failure=False):
    """Runs command in a process group of its own, so that nothing a hanging
    mutant started outlives it; answers its exit code, or "timeout". With
    stop_at_failure (ctest) it is stopped at the first failing test: the
    mutant is killed then, and a test that waits out a long timeout of its own
    (the golden scripts have one) need not be waited for."""
    process = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.PIPE,
                               stderr=subprocess.STDOUT, start_new_session=True, text=True)
    timer = threading.Timer(timeout, os.killpg, (process.pid, signal.SIGKILL))
    timer.start()
    failed = False
    try:
        for line in process.stdout:
            log.write(line)
            if stop_at_failure and "***" in line:
                failed = True
                break
    finally:
        timed_out = not timer.is_alive()
        timer.cancel()
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait()
        log.flush()
    return "timeout" if timed_out else "failed" if failed else process.returncode


def configure(build, preset):
    subprocess.run(["cmake", "--preset", preset, "-B", build], cwd=ROOT, check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["nice", "-n", "10", "cmake", "--build", build, "-j", "2"], cwd=ROOT,
                   check=True, stdout=subprocess.DEVNULL)


def test_mutant(site, build, jobs, log):
    path, original_text = apply(site)
    try:
        code = run(["nice", "-n", "10", "cmake", "--build", build, "-j", str(jobs), "--target"] +
                   TARGETS, 1200, log)
        if code != 0:
            return "invalid"
        code = run(["nice", "-n", "10", "ctest", "--test-dir", build, "-j", str(jobs),
                    "--stop-on-failure", "--timeout", "90", "-E", "^wine_"], 3600, log, True)
        return "survived" if code == 0 else "killed"
    finally:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original_text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--count", type=int, default=80)
    parser.add_argument("--seed", type=int, default=17)
    parser.add_argument("--folders", default=FOLDERS, help="comma-separated source folders to mutate")
    parser.add_argument("--preset", default="linux",
                        help="the build's preset: linux-asan also kills a mutant whose only effect "
                        "is a read or write outside a buffer")
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "mutation"))
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--list", action="store_true", help="print the mutants and stop")
    parser.add_argument("--only", help="comma-separated mutant numbers to run")
    parser.add_argument("--start", type=int, default=1, help="skip the mutants before this one")
    parser.add_argument("--json", help="write the results to this file")
    args = parser.parse_args()
    # A golden script that a mutant sends into an endless loop fails after
    # this many seconds instead of the runner's usual two minutes.
    os.environ.setdefault("VORNA_SCRIPT_TIMEOUT", "20")
    # Stopped from outside, the mutated file is still put back (finally).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    signal.signal(signal.SIGINT, signal.default_int_handler)

    sites = all_sites(args.folders.split(","))
    chosen = random.Random(args.seed).sample(sites, min(args.count, len(sites)))
    digest = hashlib.sha256(repr(chosen).encode()).hexdigest()[:12]
    print(f"{len(sites)} sites, {len(chosen)} mutants (seed {args.seed}, set {digest})")
    numbered = list(enumerate(chosen, 1))
    if args.only:
        wanted = {int(n) for n in args.only.split(",")}
        numbered = [(n, s) for n, s in numbered if n in wanted]
    numbered = [(n, s) for n, s in numbered if n >= args.start]
    if args.list:
        for n, (rel, line, col, original, replacement) in numbered:
            print(f"{n:3} {rel}:{line}:{col + 1} {original} -> {replacement}")
        return 0

    configure(args.build, args.preset)
    results = {}
    os.makedirs(args.build, exist_ok=True)
    with open(os.path.join(args.build, "mutation.log"), "a") as log:
        for n, site in numbered:
            rel, line, col, original, replacement = site
            log.write(f"\n=== mutant {n}: {rel}:{line}:{col + 1} {original} -> {replacement}\n")
            log.flush()
            started = time.time()
            outcome = test_mutant(site, args.build, args.jobs, log)
            results[n] = {"site": f"{rel}:{line}:{col + 1}", "change": f"{original} -> {replacement}",
                          "outcome": outcome}
            print(f"{n:3} {outcome:8} {rel}:{line}:{col + 1} {original} -> {replacement}"
                  f" ({time.time() - started:.0f}s)", flush=True)
    # Leave the build folder built from the unchanged sources.
    subprocess.run(["cmake", "--build", args.build, "-j", str(args.jobs), "--target"] + TARGETS, cwd=ROOT,
                   stdout=subprocess.DEVNULL)

    killed = sum(1 for r in results.values() if r["outcome"] == "killed")
    valid = sum(1 for r in results.values() if r["outcome"] != "invalid")
    rate = killed / valid if valid else 0.0
    print(f"killed {killed} of {valid} valid mutants ({rate:.1%}); "
          f"{len(results) - valid} did not build; set {digest}")
    if args.json:
        with open(args.json, "w") as f:
            json.dump({"set": digest, "seed": args.seed, "killed": killed, "valid": valid,
                       "mutants": results}, f, indent=1)
    return 0


if __name__ == "__main__":
    sys.exit(main())
