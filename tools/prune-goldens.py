#!/usr/bin/env python3
"""Cuts the whole-window dumps of the driver's golden cases down to the fields each case is about.

    tools/prune-goldens.py                     # every case under tests/data/script
    tools/prune-goldens.py tests/data/script/clearance/SheetShowsTheDepartureThenTheArrival

The case runner (tests/script/ScriptCaseTest.cpp) compares only the keys an expected dump holds,
so a dump may be any subset of the driver's JSON. A whole dump read here keeps:
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
"""

import json
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent / "tests" / "data" / "script"
BEFORE_ANY_ACTION = "startup/WindowBeforeAnyAction"
ALWAYS = ("messages", "focus")
NAMING = {"type", "key", "paste", "click", "select", "pick", "tick"}
OPENS_THE_SHEET = {"cmdFPDep", "cmdFPArr"}


def read_dumps(path):
    return [json.loads(line) for line in path.read_text(encoding="utf-8").splitlines() if line]


def write_dumps(path, dumps):
    lines = (json.dumps(d, ensure_ascii=False, separators=(",", ":")) + "\n" for d in dumps)
    path.write_bytes("".join(lines).encode("utf-8"))


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


def prune_case(folder, before):
    expected = folder / "expected.jsonl"
    script = (folder / "script.txt").read_text(encoding="utf-8").splitlines()
    if "#> whole" in script or not expected.exists():
        return None
    dumps = read_dumps(expected)
    named = named_per_dump(script)
    previous, out = None, []
    for index, dump in enumerate(dumps):
        if is_whole(dump, before):
            names = named[index] if index < len(named) else set()
            out.append(pruned(dump, before, previous, names))
            previous = dump
        else:
            out.append(dump)
            previous = completed(dump, before)
    if out == dumps:
        return None
    size = expected.stat().st_size
    write_dumps(expected, out)
    return size, expected.stat().st_size


def main(arguments):
    before = read_dumps(ROOT / BEFORE_ANY_ACTION / "expected.jsonl")[0]
    folders = [pathlib.Path(a).resolve() for a in arguments] or sorted(
        script.parent for script in ROOT.rglob("script.txt")
    )
    for folder in folders:
        sizes = prune_case(folder, before)
        if sizes:
            print(f"{folder.relative_to(ROOT)}: {sizes[0]} -> {sizes[1]} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
