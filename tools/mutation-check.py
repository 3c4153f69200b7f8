#!/usr/bin/env python3
"""Mutation check: how many small faults in the core does the test suite catch?

Applies sampled single-point mutants to src/core/**/*.cpp one at a time, rebuilds incrementally,
runs ctest with --stop-on-failure and restores the file. A mutant that no test notices survives.
The same seed and sample size over the same sources give the same mutants, so a run before and
a run after a change to the tests can be compared mutant by mutant.

    tools/mutation-check.py --seed 1 --sample 150          # build/mutation, every test
    tools/mutation-check.py --seed 1 --sample 150 --list   # the mutants only, nothing built
    tools/mutation-check.py --seed 1 --sample 150 --sources-at 60689cd   # an earlier sample

Mutants that do not compile are skipped and do not count towards the sample. With --sources-at
the sample is drawn from src/core as that commit had it and each mutant is carried to today's
line of the same text, so a run after the sources changed still tries the earlier run's mutants;
a mutant whose line was changed or removed since is reported as gone and not counted.
With --known-survivors LOG the mutants a run's LOG lists as survived (by their place at
--sources-at or today) are counted as survived without a build. The rate is then a lower bound:
exact when the tests only lost cases since that run, and it makes a rerun after a further cut of
the tests cost the killed mutants only. With --only LOG just the mutants LOG lists as survived
are tried again, to see which of them a test added since now kills.
"""

import argparse
import difflib
import os
import random
import re
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# Operators are matched with the blanks clang-format puts around binary operators, which keeps
# template brackets, shifts, unary minus, increments and reference declarators out.
SWAPS = [
    (" <= ", " < "), (" >= ", " > "), (" < ", " <= "), (" > ", " >= "),
    (" == ", " != "), (" != ", " == "),
    (" && ", " || "), (" || ", " && "),
    (" + ", " - "), (" - ", " + "),
]
WORDS = [(re.compile(r"\btrue\b"), "false"), (re.compile(r"\bfalse\b"), "true")]
INTEGER = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")
NOT = re.compile(r"!(?!=)")


class Mutant:
    """One change at one place: file, 1-based line, column in the line, old and new text."""

    def __init__(self, path, line, column, old, new):
        self.path, self.line, self.column, self.old, self.new = path, line, column, old, new

    def label(self):
        return f"{self.path}:{self.line}:{self.column + 1}  '{self.old.strip()}' -> '{self.new.strip()}'"


def code_mask(text):
    """Per character of text: True where it is code, False inside comments and literals."""
    mask = [True] * len(text)
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
        elif c == 'R' and text.startswith('R"', i) and (i == 0 or not text[i - 1].isalnum()):
            delim_end = text.find("(", i + 2)
            closing = ")" + text[i + 2:delim_end] + '"'
            end = text.find(closing, delim_end)
            end = n if end < 0 else end + len(closing)
        elif c in "\"'":
            if c == "'" and i > 0 and text[i - 1].isalnum():  # digit separator 1'000
                i += 1
                continue
            end = i + 1
            while end < n and text[end] != c and text[end] != "\n":
                end += 2 if text[end] == "\\" else 1
            end = min(end + 1, n)
        else:
            i += 1
            continue
        for k in range(i, end):
            mask[k] = False
        i = end
    return mask


def raised(literal):
    """The integer literal plus one, in the literal's own base (0644 is octal)."""
    if len(literal) > 1 and literal.startswith("0") and literal.isdigit() and "8" not in literal \
            and "9" not in literal:
        return "0" + format(int(literal, 8) + 1, "o")
    return str(int(literal) + 1)


def mutants_of(rel, text):
    mask = code_mask(text)
    found = []
    offset = 0
    for number, line in enumerate(text.split("\n"), start=1):
        start = offset
        offset += len(line) + 1
        stripped = line.lstrip()
        if stripped.startswith("#") or "static_assert" in line:
            continue

        def in_code(col, length):
            return all(mask[start + k] for k in range(col, col + length))

        taken = set()
        for old, new in SWAPS:
            for m in re.finditer(re.escape(old), line):
                if m.start() in taken or not in_code(m.start(), len(old)):
                    continue
                taken.add(m.start())
                found.append(Mutant(rel, number, m.start(), old, new))
        for pattern, new in WORDS:
            for m in pattern.finditer(line):
                if in_code(m.start(), len(m.group())):
                    found.append(Mutant(rel, number, m.start(), m.group(), new))
        for m in INTEGER.finditer(line):
            if in_code(m.start(), len(m.group())):
                found.append(Mutant(rel, number, m.start(), m.group(), raised(m.group())))
        for m in NOT.finditer(line):
            if in_code(m.start(), 1):
                found.append(Mutant(rel, number, m.start(), "!", ""))
    return found


def all_mutants():
    files = sorted((ROOT / "src" / "core").rglob("*.cpp"))
    return [m for f in files
            for m in mutants_of(f.relative_to(ROOT).as_posix(), f.read_text(encoding="utf-8"))]


def git(*command):
    return subprocess.run(["git", *command], cwd=ROOT, check=True, capture_output=True,
                          text=True, encoding="utf-8").stdout


def mutants_at(commit):
    """The mutation sites of src/core as commit had it, in the order all_mutants() gives."""
    names = [n for n in git("ls-tree", "-r", "--name-only", commit, "src/core").splitlines()
             if n.endswith(".cpp")]
    names.sort(key=lambda n: Path(n).parts)
    return [m for n in names for m in mutants_of(n, git("show", f"{commit}:{n}"))]


class LineMap:
    """Carries a line of a file at an earlier commit to the same unchanged line today."""

    def __init__(self, commit):
        self.commit, self.files = commit, {}

    def today(self, mutant):
        if mutant.path not in self.files:
            now = ROOT / mutant.path
            mapping = {}
            if now.exists():
                old = git("show", f"{self.commit}:{mutant.path}").split("\n")
                new = now.read_text(encoding="utf-8").split("\n")
                matcher = difflib.SequenceMatcher(None, old, new, autojunk=False)
                for a, b, size in matcher.get_matching_blocks():
                    mapping.update({a + k + 1: b + k + 1 for k in range(size)})
            self.files[mutant.path] = mapping
        line = self.files[mutant.path].get(mutant.line)
        if line is None:
            return None
        return Mutant(mutant.path, line, mutant.column, mutant.old, mutant.new)


def apply(mutant):
    path = ROOT / mutant.path
    original = path.read_text(encoding="utf-8")
    lines = original.split("\n")
    line = lines[mutant.line - 1]
    assert line[mutant.column:mutant.column + len(mutant.old)] == mutant.old
    lines[mutant.line - 1] = line[:mutant.column] + mutant.new + line[mutant.column + len(mutant.old):]
    path.write_text("\n".join(lines), encoding="utf-8")
    return original


def run(command, timeout, forget=None):
    # ctest would order the programs by the times it measured last; the declared costs put the
    # quick programs first, which is what --stop-on-failure needs.
    if forget:
        forget.unlink(missing_ok=True)
    try:
        return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--sample", type=int, default=150, help="mutants that compile")
    parser.add_argument("--build-dir", default="build/mutation")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--test-timeout", type=int, default=600, help="seconds per test program")
    parser.add_argument("--ctest-args", default="",
                        help="more ctest arguments, e.g. \"-E AHundredThousand\"")
    parser.add_argument("--list", action="store_true", help="print the sample, build nothing")
    parser.add_argument("--sources-at", metavar="COMMIT",
                        help="draw the sample from src/core as COMMIT had it")
    parser.add_argument("--known-survivors", metavar="LOG",
                        help="count the mutants LOG lists as survived without a run")
    parser.add_argument("--only", metavar="LOG",
                        help="try only the mutants LOG lists as survived (a recheck of them)")
    args = parser.parse_args()
    only = None
    if args.only:
        only = {line.removeprefix("survived: ")
                for line in Path(args.only).read_text(encoding="utf-8").splitlines()
                if line.startswith("survived: ")}
    known = set()
    if args.known_survivors:
        text = Path(args.known_survivors).read_text(encoding="utf-8")
        known = {line.removeprefix("survived: ") for line in text.splitlines()
                 if line.startswith("survived: ")}

    candidates = mutants_at(args.sources_at) if args.sources_at else all_mutants()
    random.Random(args.seed).shuffle(candidates)
    where = f"src/core at {args.sources_at}" if args.sources_at else "src/core"
    print(f"{len(candidates)} mutation sites in {where}; seed {args.seed}, sample {args.sample}")
    line_map = LineMap(args.sources_at) if args.sources_at else None
    if args.list:
        for m in candidates[:args.sample]:
            carried = line_map.today(m) if line_map else m
            print(carried.label() if carried else f"gone: {m.label()}")
        return 0

    build = args.build_dir
    if not (ROOT / build / "build.ninja").exists():
        subprocess.run(["cmake", "-S", ".", "-B", build, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Debug", "-DCORVANE_WERROR=OFF",
                        "-DCORVANE_TEST_PER_PROGRAM=ON", "-DCORVANE_CORE_SHARED=ON",
                        "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON"], cwd=ROOT, check=True)
    build_cmd = ["cmake", "--build", build, "-j", str(args.jobs)]
    test_cmd = ["ctest", "--test-dir", build, "--stop-on-failure", "-j", str(args.jobs),
                "--timeout", str(args.test_timeout)] + args.ctest_args.split()
    cost_data = ROOT / build / "Testing" / "Temporary" / "CTestCostData.txt"
    os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")
    if run(build_cmd, None) != 0 or run(test_cmd, None, cost_data) != 0:
        print("the unmutated tree does not build or its tests fail: nothing to measure")
        return 1

    killed = compiled = skipped = 0
    survivors, gone = [], []
    started = time.monotonic()
    for mutant in candidates:
        if compiled == args.sample:
            break
        drawn = mutant.label()
        if line_map:
            carried = line_map.today(mutant)
            if carried is None:
                gone.append(mutant)
                print(f"     {mutant.label()}  gone", flush=True)
                continue
            mutant = carried
        if only is not None and drawn not in only and mutant.label() not in only:
            continue
        if drawn in known or mutant.label() in known:
            compiled += 1
            survivors.append(mutant)
            print(f"{compiled:4d} {mutant.label()}  SURVIVED (known)", flush=True)
            continue
        original = apply(mutant)
        try:
            if run(build_cmd, 900) != 0:
                skipped += 1
                continue
            compiled += 1
            caught = run(test_cmd, 3600, cost_data) != 0
        finally:
            (ROOT / mutant.path).write_text(original, encoding="utf-8")
        killed += caught
        if not caught:
            survivors.append(mutant)
        print(f"{compiled:4d} {mutant.label()}  {'killed' if caught else 'SURVIVED'}", flush=True)
    run(build_cmd, None)

    rate = 100.0 * killed / compiled if compiled else 0.0
    minutes = (time.monotonic() - started) / 60
    print(f"\n{compiled} mutants compiled ({skipped} did not, {len(gone)} gone), {killed} killed: "
          f"kill rate {rate:.1f} % in {minutes:.0f} min")
    for m in survivors:
        print(f"survived: {m.label()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
