#!/usr/bin/env python3
"""Cuts the whole-window dumps of the driver's golden cases down to the fields each case is about.

    tools/prune-goldens.py                     # every case under tests/data/script
    tools/prune-goldens.py clearance/SheetShowsTheDepartureThenTheArrival

A group's cases are the sections of tests/data/script/<group>/cases.txt (docs/testing.md shows
the layout); a case is named <group>/<case>. The case runner (tests/script/ScriptCaseTest.cpp)
compares only the keys an expected dump holds, so a dump may be any subset of the driver's JSON.
A whole dump read here keeps:
- "messages" and "focus", always;
- every field whose value differs from the window before any action (the one dump of
  startup/WindowBeforeAnyAction, which stays whole) or from the case's previous dump;
- the entries of the controls the script names up to that dump (`type`, `click`, `select`, ...),
  except their item lists, and the flight plan sheet once the script opens or closes it.
A field is a member of one of the dump's objects ("text", "enabled", ...) or, for the others
("running", "sheet", "messages", ...), the whole value.

The cases whose script has the line "#> whole" keep their whole dumps: their point is the whole
window, and the runner compares them exactly. A dump that already lacks fields is left as it is,
so the script can run again over every case after new or re-blessed cases came in
(CORVANE_BLESS writes whole dumps for a new case). A field a pruned dump left out held the
window's value before any action, which is what the next dump's comparison with it assumes.
Only the expected lines of the cases change; every other line of a case file stays as it is.
"""

import json
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent / "tests" / "data" / "script"
BEFORE_ANY_ACTION = "startup/WindowBeforeAnyAction"
CASE_FILE = "cases.txt"
ALWAYS = ("messages", "focus")
NAMING = {"type", "key", "paste", "click", "select", "pick", "tick"}
OPENS_THE_SHEET = {"cmdFPDep", "cmdFPArr"}


def read_lines(path):
    lines = path.read_bytes().decode("utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [line[:-1] if line.endswith("\r") else line for line in lines]


def read_cases(lines):
    """The cases of a case file's lines: name to its script lines and the range [begin, end) of
    lines holding its expected dumps (None for a case without an expected part)."""
    cases, case, part = {}, None, None
    for index, line in enumerate(lines):
        if line == "===" or line.startswith("=== "):
            case = cases.setdefault(line[4:].strip(), {"script": [], "dumps": None})
            part = "script"
        elif case is None or not line:
            continue
        elif line == "---" or line.startswith("--- "):
            part = line[4:].strip()
            if part == "expected":
                case["dumps"] = (index + 1, index + 1)
        elif part == "script":
            case["script"].append(line)
        elif part == "expected":
            case["dumps"] = (case["dumps"][0], index + 1)
    cases.pop("home", None)
    return cases


def dumps_of(lines, case):
    begin, end = case["dumps"]
    return [json.loads(line) for line in lines[begin:end] if line]


def dump_lines(dumps):
    return [json.dumps(d, ensure_ascii=False, separators=(",", ":")) for d in dumps]


def is_whole(dump, before):
    def holds(key, value):
        if key not in dump:
            return False
        part = dump[key]
        if isinstance(value, dict) and isinstance(part, dict):
            return part.keys() >= value.keys()
        return True

    return all(holds(key, value) for key, value in before.items())


def completed(dump, before):
    """The window a pruned dump stands for: its fields over the window before any action."""
    full = {}
    for key, value in before.items():
        if isinstance(value, dict) and isinstance(dump.get(key), dict):
            full[key] = {**value, **dump[key]}
        else:
            full[key] = dump.get(key, value)
    for key, value in dump.items():
        full.setdefault(key, value)
    return full


def named_per_dump(lines):
    """For each dump of the script, the names its lines gave so far."""
    names, per_dump = set(), []
    for line in lines:
        words = line.split(" ")
        if line.startswith("#"):
            continue
        if words[0] == "dump":
            per_dump.append(set(names))
        elif words[0] == "close-sheet":
            names.add("sheet")
        elif words[0] in NAMING and len(words) > 1:
            names.add(words[1])
            if words[0] == "click" and words[1] in OPENS_THE_SHEET:
                names.add("sheet")
    return per_dump


def pruned(dump, before, previous, named):
    missing = object()

    def differs(value, *others):
        return any(value != other for other in others)

    kept = {}
    for key, value in dump.items():
        earlier = [before.get(key, missing)] + ([previous.get(key, missing)] if previous else [])
        if key in ALWAYS or key in named:
            kept[key] = value
        elif isinstance(value, dict) and all(isinstance(e, dict) for e in earlier):
            members = {
                name: member
                for name, member in value.items()
                if differs(member, *(e.get(name, missing) for e in earlier))
                or (key != "items" and name in named)
            }
            if members:
                kept[key] = members
        elif differs(value, *earlier):
            kept[key] = value
    return kept


def prune_case(lines, case, before):
    """The case's pruned dump lines, or None when they stay as they are."""
    if "#> whole" in case["script"] or case["dumps"] is None:
        return None
    dumps = dumps_of(lines, case)
    named = named_per_dump(case["script"])
    previous, out = None, []
    for index, dump in enumerate(dumps):
        if is_whole(dump, before):
            names = named[index] if index < len(named) else set()
            out.append(pruned(dump, before, previous, names))
            previous = dump
        else:
            out.append(dump)
            previous = completed(dump, before)
    return None if out == dumps else dump_lines(out)


def main(arguments):
    wanted = {"/".join(pathlib.PurePath(a).parts[-2:]) for a in arguments}
    startup, name = BEFORE_ANY_ACTION.split("/")
    startup_lines = read_lines(ROOT / startup / CASE_FILE)
    before = dumps_of(startup_lines, read_cases(startup_lines)[name])[0]
    for path in sorted(ROOT.glob("*/" + CASE_FILE)):
        group = path.parent.name
        lines = read_lines(path)
        cases = read_cases(lines)
        changes = []
        for name, case in cases.items():
            if wanted and f"{group}/{name}" not in wanted:
                continue
            out = prune_case(lines, case, before)
            if out is not None:
                begin, end = case["dumps"]
                size = sum(len(line.encode("utf-8")) + 1 for line in lines[begin:end] if line)
                print(f"{group}/{name}: {size} -> {sum(len(o.encode('utf-8')) + 1 for o in out)} bytes")
                changes.append((begin, end, out))
            wanted.discard(f"{group}/{name}")
        for begin, end, out in sorted(changes, reverse=True):
            lines[begin:end] = out
        if changes:
            path.write_bytes(("\n".join(lines) + "\n").encode("utf-8"))
    for name in sorted(wanted):
        print(f"{name}: no such case", file=sys.stderr)
    return 1 if wanted else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
