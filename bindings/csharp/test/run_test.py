#!/usr/bin/python3
"""The C# binding under Mono against the built library and `radarctl sim`.

Compiles Radar.cs with the example and with BindingTest.cs (warnings are errors), starts a
station, runs the example and the test program against it, and holds the test program's record
layout and CPA results against what the C compiler and the C call give (the reference program).
"""
import argparse
import os
import pathlib
import random
import re
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent
BINDING = HERE.parent

# range,bearing,own_speed,own_course,target_speed,target_course: crossing, opening, stopped,
# both at the ends of their ranges, and refused ones; then drawn rows, some out of range.
ROWS = ["500,900,100,0,100,2700", "500,900,100,0,100,900", "1000,0,100,0,0,0", "1000,0,0,0,0,0",
        "-25599,0,9999,0,9999,3599", "25599,3599,9999,3599,9999,0", "25600,0,100,0,100,0",
        "500,3600,100,0,100,0", "500,0,100,0,-32768,0"]
draw = random.Random(26)
ROWS += [",".join(str(draw.randint(lo, hi)) for lo, hi in
                  [(-26000, 26000), (0, 3700), (0, 10100), (0, 3599), (0, 9999), (-10, 3599)])
         for _ in range(40)]


def run(command, env=None, timeout=60):
    done = subprocess.run(command, env=env, timeout=timeout, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, text=True)
    print(f"$ {' '.join(map(str, command[:3]))}{' ...' if len(command) > 3 else ''}\n{done.stdout}")
    if done.returncode != 0:
        sys.exit(f"FAILED (exit {done.returncode}): {command[0]} {command[1]}")
    return done.stdout


def start_station(radarctl, log):
    station = subprocess.Popen([radarctl, "sim", "--port", "0", "--seconds", "120"],
                               stdout=log.open("w"), stderr=subprocess.STDOUT)
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline and station.poll() is None:
        port = re.search(r"commands on 127\.0\.0\.1:(\d+) \(TCP\)", log.read_text())
        if port:
            return station, port.group(1)
        time.sleep(0.05)
    station.kill()
    sys.exit(f"FAILED: the station did not start:\n{log.read_text()}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    for option in ("radarctl", "reference", "mcs", "mono", "work"):
        parser.add_argument(f"--{option}", required=True)
    parser.add_argument("--libdir", action="append", required=True,
                        help="a folder of libradar.so or liborvane.so")
    options = parser.parse_args()
    work = pathlib.Path(options.work)
    work.mkdir(parents=True, exist_ok=True)
    env = dict(os.environ, LD_LIBRARY_PATH=os.pathsep.join(
        options.libdir + [os.environ.get("LD_LIBRARY_PATH", "")]))

    programs = {"Example": [BINDING / "Example.cs"], "BindingTest": [HERE / "BindingTest.cs"]}
    for name, sources in programs.items():
        run([options.mcs, "-nologo", "-warnaserror+", f"-out:{work / name}.exe",
             BINDING / "Radar.cs", *sources])

    station, port = start_station(options.radarctl, work / "station.log")
    try:
        example = run([options.mono, work / "Example.exe", port], env)
        tested = run([options.mono, work / "BindingTest.exe", port, *ROWS], env)
    finally:
        station.kill()
        station.wait()
    reference = run([options.reference, *ROWS])

    for needed in ("ordered and announced back", "echo lines taken", "CPA 3.54 NM in 15.0 min"):
        if needed not in example:
            sys.exit(f"FAILED: the example did not print '{needed}'")
    if tested.splitlines()[-1] != "ok":
        sys.exit("FAILED: the test program did not finish")
    ours = [line for line in tested.splitlines() if line.startswith(("layout ", "cpa "))]
    theirs = reference.splitlines()
    if ours != theirs:
        for a, b in zip(ours, theirs):
            if a != b:
                print(f"C#: {a}\nC:  {b}")
        sys.exit(f"FAILED: {sum(a != b for a, b in zip(ours, theirs))} of {len(theirs)} lines "
                 "differ from the C reference")
    print(f"the binding agrees with C on the record layout and {len(ROWS)} CPA rows")


if __name__ == "__main__":
    main()
