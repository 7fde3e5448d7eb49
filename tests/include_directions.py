#!/usr/bin/env python3
"""The rooms beside the library include one another one way only.

Reads every quoted include of the rooms' sources, finds the file it names
(beside the including file, else in one room's folder) and fails on an
include into a room its room may not use. An include found in no room (a
generated file, a system header in quotes) is not ours to judge; one found in
two rooms is an error, as the compiler's choice would then hang on the order
of its include paths.

    tests/include_directions.py [--root DIR] [--count]

--count also prints how many includes lead from each room to each other.
"""
import argparse
import os
import re
import sys

# room: the rooms it may include (itself always). The public headers are the
# library's (include/) and the stand-in network library's (orvane/), whose
# station entries radarctl's demo and serve --sim make as any application does.
# platform/ is the seam of the operating system's calls: the console's for
# radarctl; the first example's station speaks through the station's sockets.
ALLOWED = {
    "radarctl": {"server", "station", "tracking", "common", "include", "orvane", "platform"},
    "server": {"tracking", "common", "include"},
    "station": {"common", "include", "orvane"},
    "common": {"include"},
    "tracking": {"include"},  # its header, and radar.h under it
    "examples": {"include", "orvane", "station"},
}
# Where an include may be found: the rooms, and the library's public headers
# and the stand-in network library's.
FOLDERS = ["include", "orvane", "platform", *ALLOWED]
SOURCES = (".c", ".cpp", ".h", ".hpp", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def room_files(root, room):
    for folder, _, names in os.walk(os.path.join(root, room)):
        for name in sorted(names):
            if name.endswith(SOURCES):
                yield os.path.join(folder, name)


def found_in(root, including, name):
    """The rooms the included file lies in: its own, when it stands beside
    the including file."""
    if os.path.isfile(os.path.join(os.path.dirname(including), name)):
        return [None]
    return [f for f in FOLDERS if os.path.isfile(os.path.join(root, f, name))]


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--root", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    p.add_argument("--count", action="store_true")
    a = p.parse_args()
    faults, arrows = [], {}
    for room in ALLOWED:
        for path in room_files(a.root, room):
            with open(path, encoding="utf-8") as f:
                text = f.read()
            shown = os.path.relpath(path, a.root)
            for name in INCLUDE.findall(text):
                rooms = found_in(a.root, path, name)
                if len(rooms) > 1:
                    faults.append(f"{shown}: \"{name}\" stands in {' and '.join(rooms)}")
                    continue
                if not rooms:
                    continue
                target = rooms[0] or room
                arrows[(room, target)] = arrows.get((room, target), 0) + 1
                if target != room and target not in ALLOWED[room]:
                    faults.append(f"{shown}: \"{name}\" is {target}'s, and {room} may not include {target}")
    if a.count:
        for (source, target), n in sorted(arrows.items()):
            print(f"{source} -> {target}: {n}")
        print(f"all: {sum(arrows.values())}, across rooms: "
              f"{sum(n for (s, t), n in arrows.items() if s != t)}")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
