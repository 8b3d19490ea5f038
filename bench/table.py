#!/usr/bin/env python3
"""Turns the JSON files of the Navik benchmarks into one table: case, our median, the
baseline's median from the same run, their ratio and the goal."""

import json
import sys

# case, baseline (None: absolute goal), goal kind, goal value
ROWS = [
    ("settings/SaveFile+LoadFile", "settings/zlib_one_shot", "ratio", 2.0),
    ("settings/SaveFile+LoadFile_on_disk", "settings/zlib_one_shot", "info", None),
    ("bank/LoadQuestionDatabase", "bank/inflate_and_pass", "ratio", 3.0),
    ("compose/ComposeTest/0", None, "us", 100.0),
    ("compose/ComposeTest/1", None, "us", 100.0),
    ("compose/ComposeTest/2", None, "us", 100.0),
    ("view/ShowQuestion+repaint/no_picture/0", "view/plain_QDialog_4_QLabels", "ratio", 2.0),
    ("view/ShowQuestion+repaint/picture/2", "view/plain_QDialog_4_QLabels", "ratio", 2.0),
    ("startup/launcher_first_paint/iterations:4/manual_time",
     "startup/minimal_qt_dialog/iterations:4/manual_time", "ratio", 1.15),
    ("startup/launcher_first_paint/iterations:4/manual_time",
     "startup/minimal_qt_dialog/iterations:4/manual_time", "rss", 10.0),
    ("startup/launcher_first_paint/iterations:4/manual_time",
     "startup/minimal_qt_dialog_with_label/iterations:4/manual_time", "info", None),
]

LABELS = {
    "compose/ComposeTest/0": "compose/ComposeTest in order, B=1000",
    "compose/ComposeTest/1": "compose/ComposeTest shuffled, B=1000",
    "compose/ComposeTest/2": "compose/ComposeTest simulated N=70, B=1000",
    "view/ShowQuestion+repaint/no_picture/0": "view/ShowQuestion+repaint, no picture",
    "view/ShowQuestion+repaint/picture/2": "view/ShowQuestion+repaint, picture",
}

UNIT_US = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def load(paths):
    stats = {}
    for path in paths:
        with open(path) as f:
            for b in json.load(f)["benchmarks"]:
                if b.get("run_type") != "aggregate":
                    continue
                entry = stats.setdefault(b["run_name"], {})
                entry[b["aggregate_name"]] = b
    return stats


# In-process cases are single-threaded work on a shared, loaded machine: their CPU time is
# steadier than wall time. A process start is measured by the wall clock (manual time).
def field(b):
    # The disk case waits for the disk, which only the wall clock sees.
    timed = "manual_time" in b["run_name"] or "on_disk" in b["run_name"]
    return "real_time" if timed else "cpu_time"


def micros(b):
    return b[field(b)] * UNIT_US[b["time_unit"]]


def show_time(us):
    return f"{us / 1000:.2f} ms" if us >= 1000 else f"{us:.1f} µs"


def main(paths):
    stats = load(paths)
    print("| case | ours (median, cv) | baseline (median, cv) | ratio | goal | met |")
    print("|---|---|---|---|---|---|")
    missing = False
    for case, base, kind, goal in ROWS:
        ours = stats.get(case)
        theirs = stats.get(base) if base else None
        label = LABELS.get(case, case.split("/iterations")[0])
        if base and "with_label" in base:
            label = "startup, against a minimal dialog with one QLabel"
        if not ours or (base and not theirs):
            print(f"| {label} | not measured | | | | no |")
            missing = True
            continue
        def cv(s):
            return s["cv"][field(s["cv"])] * 100 if "cv" in s else 0
        if kind == "rss":
            a = ours["median"]["maxrss_MiB"]
            b = theirs["median"]["maxrss_MiB"]
            met = a - b <= goal
            print(f"| startup peak resident memory | {a:.1f} MiB | {b:.1f} MiB | +{a - b:.1f} MiB "
                  f"| ≤ +{goal:g} MiB | {'yes' if met else 'NO'} |")
            continue
        a = micros(ours["median"])
        if kind == "us":
            met = a < goal
            print(f"| {label} | {show_time(a)} ({cv(ours):.0f}%) | — | — | < {goal / 1000:g} ms "
                  f"| {'yes' if met else 'NO'} |")
            continue
        b = micros(theirs["median"])
        ratio = a / b
        if kind == "info":
            print(f"| {label} | {show_time(a)} ({cv(ours):.0f}%) | {show_time(b)} ({cv(theirs):.0f}%) "
                  f"| {ratio:.2f}× | (not a goal) | — |")
            continue
        met = ratio <= goal
        print(f"| {label} | {show_time(a)} ({cv(ours):.0f}%) | {show_time(b)} ({cv(theirs):.0f}%) "
              f"| {ratio:.2f}× | ≤ {goal:g}× | {'yes' if met else 'NO'} |")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
