#!/usr/bin/env python3
"""Writes a live feed document for the reader's memory benchmark (docs/performance.md).

    make-feed-document.py normal OUT      # about 800 pilots and 80 stations, as on a busy day
    make-feed-document.py empty OUT MB    # MB megabytes of empty pilot objects: {},{},...
"""
import copy
import json
import pathlib
import sys

SAMPLE = pathlib.Path(__file__).resolve().parent.parent / "tests/data/feed/whazzup.json"


def normal(out):
    sample = json.loads(SAMPLE.read_text(encoding="utf-8"))
    pilots = [p for p in sample["clients"]["pilots"] if p.get("lastTrack")]
    atcs = [a for a in sample["clients"]["atcs"] if ":" not in a["callsign"]]
    document = copy.deepcopy(sample)
    document["clients"]["pilots"] = []
    document["clients"]["atcs"] = []
    for i in range(800):
        pilot = copy.deepcopy(pilots[i % len(pilots)])
        pilot["callsign"] = "TST%d" % i
        document["clients"]["pilots"].append(pilot)
    for i in range(80):
        atc = copy.deepcopy(atcs[i % len(atcs)])
        atc["callsign"] = "X%03d_TWR" % i
        document["clients"]["atcs"].append(atc)
    out.write_text(json.dumps(document), encoding="utf-8")


def empty(out, megabytes):
    count = megabytes * 1000 * 1000 // 3
    with out.open("w", encoding="ascii") as f:
        f.write('{"updatedAt":"2023-01-04T16:04:22Z","clients":{"pilots":[')
        f.write(",".join(["{}"] * count))
        f.write("]}}")


if __name__ == "__main__":
    if sys.argv[1] == "normal":
        normal(pathlib.Path(sys.argv[2]))
    else:
        empty(pathlib.Path(sys.argv[2]), int(sys.argv[3]))
