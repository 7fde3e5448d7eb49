#!/usr/bin/env python3
"""The tracker's accuracy against the truth of the scenario's own geometry.

Runs `radarctl track` (simulator -> encoder -> the library's decoder ->
tracker, faster than real time) over the four test scenarios of the shipborne
radar performance standard, with the random sensor errors its figures assume
(or others: --heading-sigma, --speed-sigma), over many seeds, and compares
each target's relative course and speed, CPA, TCPA and true course and speed
after 1 and 3 minutes of tracking with the values computed here from the
ships' straight-line motion. The figure is the 95th percentile of the error
over the seeds, beside the standard's 95 % limit, and their ratio.

Then: ten minutes of rough sea without ships (no track may be confirmed), and
100 ships at once (each must be tracked with the right motion), timed against
the scene's own time.

Then the kinds of tracking_kinds.py, each over the same seeds with ships
placed afresh by each seed: turning ships (judged from the end of the turn),
own ship turning, close crossings, ships leaving and entering the range, fast
craft, anchored and slow ships, 40 at once, a small boat in a moderate sea
and manual orders at every position of the antenna; for each the errors
against the same limits, and the faults counted: lost alarms, swapped or
missing targets, orders that took nothing or the wrong echo, false targets.

    bench/tracking_accuracy.py --radarctl build/bin/radarctl [--seeds N] [--markdown FILE]
                               [--kinds turns,crossings,...] [--notes]
"""
import argparse
import concurrent.futures
import json
import math
import os
import subprocess
import sys
import tempfile
import time

import tracking_kinds

from tracking_kinds import LIMITS, RPM, SENSORS, limit_of
from tracking_truth import angle_error, course_of

ACQUIRE_AT = 5.0  # seconds: two revolutions have been seen

# name, own speed (kn, course 000), target range (NM), bearing, relative course, relative speed
STANDARD = [
    ("1: closing", 10, 8, 0, 180, 20),
    ("2: crossing", 10, 1, 0, 90, 10),
    ("3: oblique, own 5 kn", 5, 8, 45, 225, 20),
    ("4: oblique, own 25 kn", 25, 8, 45, 225, 20),
]


def vec(course_deg, speed_kn):
    a = math.radians(course_deg)
    return speed_kn * math.sin(a), speed_kn * math.cos(a)


def truth(own_v, start, target_v, t):
    """Relative and true motion, CPA and TCPA at scene time t (seconds)."""
    hours = t / 3600.0
    px = start[0] + (target_v[0] - own_v[0]) * hours
    py = start[1] + (target_v[1] - own_v[1]) * hours
    rx, ry = target_v[0] - own_v[0], target_v[1] - own_v[1]
    rel_speed = math.hypot(rx, ry)
    tcpa_h = -(px * rx + py * ry) / rel_speed ** 2 if rel_speed > 0 else 0.0
    cpa = math.hypot(px + rx * tcpa_h, py + ry * tcpa_h)
    return {
        "range_nm": math.hypot(px, py),
        "rel_course_deg": course_of(rx, ry), "rel_speed_kn": rel_speed,
        "course_deg": course_of(*target_v), "speed_kn": math.hypot(*target_v),
        "cpa_nm": cpa, "tcpa_min": tcpa_h * 60.0,
    }


def standard_scenario(case, seed):
    _, own_speed, rng, brg, rel_course, rel_speed = case
    own_v = vec(0, own_speed)
    rv = vec(rel_course, rel_speed)
    target_v = (own_v[0] + rv[0], own_v[1] + rv[1])
    start = (rng * math.sin(math.radians(brg)), rng * math.cos(math.radians(brg)))
    scenario = {
        "rpm": RPM, "range_nm": 12, "seed": seed, "sea": 0.2, "coast": False,
        "own": {"course_deg": 0, "speed_kn": own_speed, "lat": 50.0, "lon": -1.5},
        "sensors": SENSORS,
        "ships": [{"name": "T", "range_nm": rng, "bearing_deg": brg, "course_deg": course_of(*target_v),
                   "speed_kn": math.hypot(*target_v), "length_m": 60}],
    }
    t = truth(own_v, start, target_v, ACQUIRE_AT)
    bearing_now = course_of(start[0] + (target_v[0] - own_v[0]) * ACQUIRE_AT / 3600,
                            start[1] + (target_v[1] - own_v[1]) * ACQUIRE_AT / 3600)
    scenario["acquire"] = [{"at_s": ACQUIRE_AT, "range_nm": t["range_nm"], "bearing_deg": bearing_now}]
    return scenario, own_v, start, target_v


def run_track(radarctl, scenario, at):
    with tempfile.NamedTemporaryFile("w", suffix=".json", delete=False) as f:
        json.dump(scenario, f)
        path = f.name
    try:
        started = time.monotonic()
        out = subprocess.run([radarctl, "track", "--scenario", path, "--at", ",".join(f"{x:g}" for x in at)],
                             capture_output=True, text=True, timeout=600)
        elapsed = time.monotonic() - started
    finally:
        os.unlink(path)
    if out.returncode != 0:
        raise RuntimeError(f"radarctl track failed ({out.returncode}): {out.stderr.strip()}")
    lines = [json.loads(line) for line in out.stdout.splitlines() if line.strip()]
    return [x for x in lines if "orders" not in x], elapsed, next((x["orders"] for x in lines if "orders" in x), [])


def percentile95(values):
    values = sorted(values)
    if not values:
        return float("nan")
    k = max(0, math.ceil(0.95 * len(values)) - 1)
    return values[k]


def standard_runs(radarctl, seeds, jobs):
    times = (ACQUIRE_AT + 60, ACQUIRE_AT + 180)
    rows = []
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        for case in STANDARD:
            futures = []
            for seed in range(1, seeds + 1):
                scenario, own_v, start, target_v = standard_scenario(case, seed)
                futures.append((pool.submit(run_track, radarctl, scenario, times), own_v, start, target_v))
            errors = {(q, i): [] for q, *_ in LIMITS for i in range(2)}
            missing = 0
            truths = [None, None]
            for future, own_v, start, target_v in futures:
                snapshots, _, _ = future.result()
                for i, t in enumerate(times):
                    truths[i] = truth(own_v, start, target_v, t)
                    snap = next((s for s in snapshots if abs(s["t"] - t) < 1e-6), None)
                    target = None
                    if snap:
                        target = next((x for x in snap["targets"] if x["acquisition"] == "manual"), None)
                    if target is None or target["status"] == "lost":
                        missing += 1
                        continue
                    for q, *_ in LIMITS:
                        if target.get(q) is None:
                            continue
                        if q.endswith("course_deg"):
                            e = angle_error(target[q], truths[i][q])
                        else:
                            e = abs(target[q] - truths[i][q])
                        errors[(q, i)].append(e)
            for q, one, three in LIMITS:
                for i, limit in enumerate((one, three)):
                    if limit is None:
                        continue
                    lim = limit_of(limit, truths[i][q])
                    e95 = percentile95(errors[(q, i)])
                    rows.append((case[0], ("1 min", "3 min")[i], q, e95, lim, e95 / lim, len(errors[(q, i)])))
            if missing:
                rows.append((case[0], "-", "target missing or lost", missing, 0, float("inf"), seeds))
    return rows


def rough_sea(radarctl, seed):
    scenario = {"rpm": RPM, "range_nm": 6, "seed": seed, "sea": 1.0, "coast": False,
                "own": {"course_deg": 0, "speed_kn": 10}, "sensors": SENSORS, "ships": [],
                "auto_zones": [{"from_deg": 0, "to_deg": 360, "inner_nm": 0.1, "outer_nm": 6}]}
    at = [10.0 * k for k in range(1, 61)]
    snapshots, elapsed, _ = run_track(radarctl, scenario, at)
    confirmed = {x["id"] for s in snapshots for x in s["targets"] if x["status"] == "tracking"}
    tentative = {x["id"] for s in snapshots for x in s["targets"]}
    return len(confirmed), len(tentative), elapsed, at[-1]


def hundred_ships(radarctl, seed):
    import random
    rnd = random.Random(seed)
    ships, placed = [], []
    own_v = vec(0, 10)
    at_s = 240.0
    # Ships that stay apart, clear of own ship's clutter and within the
    # range for the whole run: 100 that a skipper could tell apart.
    checks = [at_s * k / 8 for k in range(9)]
    while len(ships) < 100:
        r, b = rnd.uniform(2.0, 11.0), rnd.uniform(0, 360)
        course, speed = rnd.uniform(0, 360), rnd.uniform(3, 20)
        v = vec(course, speed)
        x, y = r * math.sin(math.radians(b)), r * math.cos(math.radians(b))
        path = [(x + (v[0] - own_v[0]) * t / 3600, y + (v[1] - own_v[1]) * t / 3600) for t in checks]
        if any(not 1.5 < math.hypot(*q) < 11.0 for q in path):
            continue
        if any(math.hypot(q[0] - o[0], q[1] - o[1]) < 0.6 for other in placed for q, o in zip(path, other)):
            continue
        placed.append(path)
        ships.append({"name": f"S{len(ships) + 1}", "range_nm": r, "bearing_deg": b,
                      "course_deg": course, "speed_kn": speed, "length_m": 80})
    scenario = {"rpm": RPM, "range_nm": 12, "seed": seed, "sea": 0.2, "coast": False,
                "own": {"course_deg": 0, "speed_kn": 10}, "sensors": SENSORS, "ships": ships,
                "auto_zones": [{"from_deg": 0, "to_deg": 360, "inner_nm": 1.0, "outer_nm": 11.5}]}
    snapshots, elapsed, _ = run_track(radarctl, scenario, [at_s])
    targets = [x for x in snapshots[0]["targets"] if x["status"] == "tracking"]
    right = 0
    for s in ships:
        v = vec(s["course_deg"], s["speed_kn"])
        start = (s["range_nm"] * math.sin(math.radians(s["bearing_deg"])),
                 s["range_nm"] * math.cos(math.radians(s["bearing_deg"])))
        hours = at_s / 3600
        px, py = start[0] + (v[0] - own_v[0]) * hours, start[1] + (v[1] - own_v[1]) * hours
        best = None
        for x in targets:
            tx = x["range_nm"] * math.sin(math.radians(x["bearing_deg"]))
            ty = x["range_nm"] * math.cos(math.radians(x["bearing_deg"]))
            d = math.hypot(tx - px, ty - py)
            if d < 0.3 and (best is None or d < best[0]):
                best = (d, x)
        if best and angle_error(best[1]["course_deg"], s["course_deg"]) < 5 and \
                abs(best[1]["speed_kn"] - s["speed_kn"]) < 1.0:
            right += 1
    return right, len(targets), elapsed, at_s


def kind_runs(radarctl, make, seeds, jobs):
    """One kind over the seeds: the faults counted and the errors pooled."""
    def one(seed):
        case = make(seed)
        answers, elapsed, orders = run_track(radarctl, case.scenario, case.times)
        return seed, tracking_kinds.judge(case, answers, orders), elapsed, case.end_s
    total = {}
    errors = []
    unjudged = []
    notes = []
    elapsed = scene = 0.0
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        for seed, out, took, length in pool.map(one, range(1, seeds + 1)):
            for key, value in out.items():
                if isinstance(value, int) and not isinstance(value, bool):
                    total[key] = total.get(key, 0) + value
            errors += [e + (seed,) for e in out["errors"]]
            unjudged += out["unjudged"]
            notes += [f"seed {seed}: {n}" for n in out["notes"]]
            elapsed += took
            scene += length
    worst = sorted(errors, key=lambda e: -e[3])[:8]
    notes += [f"seed {e[5]}: {('1 min', '3 min')[e[0]]}: {e[4]} ({e[3]:.2f} of the limit)" for e in worst if e[3] > 0.5]
    rows = []
    for k, after in enumerate(("1 min", "3 min")):
        for q, *limits in LIMITS:
            e = [x[2] for x in errors if x[0] == k and x[1] == q]
            r = [x[3] for x in errors if x[0] == k and x[1] == q]
            if e:
                rows.append((after, q, percentile95(e), percentile95(r), len(e)))
    aside = []
    for k, after in enumerate(("1 min", "3 min")):
        for q, *_ in LIMITS:
            e = [x[2] for x in unjudged if x[0] == k and x[1] == q]
            if e:
                aside.append(f"{after} {q} {percentile95(e):.3f} ({len(e)})")
    if aside:
        total["aside"] = ", ".join(aside)
    return total, rows, notes, elapsed, scene


FAULTS = [("lost", "lost alarms"), ("swaps", "swapped"), ("missing", "missing"),
          ("no_echo", "orders that took nothing"), ("wrong_echo", "orders that took another echo"),
          ("false", "false targets"), ("left_lost", "lost alarms on leaving the range"),
          ("left_kept", "shown 30 s after leaving the range")]


def kinds_report(radarctl, names, seeds, jobs, notes_wanted):
    lines = []
    worst = 0.0
    for name, title, make in tracking_kinds.KINDS:
        if names and name not in names:
            continue
        total, rows, notes, elapsed, scene = kind_runs(radarctl, make, seeds, jobs)
        faults = ", ".join(f"{total.get(k, 0)} {what}" for k, what in FAULTS)
        section = ["", f"### {title} (`{name}`)", "",
                   f"{total['subjects']} ships over {seeds} seeds: {faults}. "
                   f"Ran in {elapsed:.1f} s ({elapsed / scene * 100:.1f} % of scene time)."]
        if rows:
            section += ["", "| after | quantity | error (95 %) | error / limit (95 %) | samples |",
                        "|---|---|---|---|---|"]
            for after, q, e, r, n in rows:
                worst = max(worst, r)
                section.append(f"| {after} | {q} | {e:.3f} | {r:.2f} | {n} |")
        if "aside" in total:
            section += ["", f"Measured where the standard's limits say nothing (error at 95 %, samples): "
                            f"{total['aside']}."]
        if notes_wanted and notes:
            section += [""] + [f"- {n}" for n in notes[:40]]
        print("\n".join(section), file=sys.stderr, flush=True)
        lines += section
    lines += ["", f"Worst error / limit over the kinds: {worst:.2f}"]
    return lines


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--radarctl", default="build/bin/radarctl")
    p.add_argument("--seeds", type=int, default=20)
    p.add_argument("--jobs", type=int, default=2)
    p.add_argument("--markdown", help="also write the tables to this file")
    p.add_argument("--quick", action="store_true", help="the standard scenarios only")
    p.add_argument("--kinds", help="only these kinds, by name (comma-separated); 'none' for none")
    p.add_argument("--standard", action=argparse.BooleanOptionalAction, default=True,
                   help="the standard's scenarios, rough sea and 100 ships")
    p.add_argument("--notes", action="store_true", help="list each fault found")
    p.add_argument("--heading-sigma", type=float, default=SENSORS["heading_sigma_deg"], help="degrees")
    p.add_argument("--speed-sigma", type=float, default=SENSORS["speed_sigma_kn"], help="knots")
    a = p.parse_args()
    SENSORS["heading_sigma_deg"], SENSORS["speed_sigma_kn"] = a.heading_sigma, a.speed_sigma

    lines = []
    if a.standard:
        lines += [f"Standard scenarios, {a.seeds} seeds each, antenna {RPM} rpm, heading noise "
                  f"{SENSORS['heading_sigma_deg']} deg and speed noise {SENSORS['speed_sigma_kn']} kn (1 sigma):", "",
                  "| scenario | after | quantity | error (95 %) | limit | error / limit | runs |",
                  "|---|---|---|---|---|---|---|"]
        worst = 0.0
        for name, after, q, e, lim, ratio, n in standard_runs(a.radarctl, a.seeds, a.jobs):
            worst = max(worst, ratio)
            lines.append(f"| {name} | {after} | {q} | {e:.3f} | {lim:.3f} | {ratio:.2f} | {n} |")
        lines.append("")
        lines.append(f"Worst error / limit: {worst:.2f}")
    if a.standard and not a.quick:
        confirmed, tentative, elapsed, scene = rough_sea(a.radarctl, 1)
        lines.append("")
        lines.append(f"Rough sea (sea 1.0), no ships, {scene / 60:.0f} minutes: {confirmed} tracks confirmed, "
                     f"{tentative} echoes ever held as targets; ran in {elapsed:.1f} s "
                     f"({elapsed / scene * 100:.1f} % of scene time)")
        right, tracked, elapsed, scene = hundred_ships(a.radarctl, 1)
        lines.append(f"100 ships: {tracked} tracked after {scene / 60:.0f} minutes, {right} with the right "
                     f"motion (within 0.3 NM, 5 deg, 1 kn); ran in {elapsed:.1f} s "
                     f"({elapsed / scene * 100:.1f} % of scene time)")
    if not a.quick and a.kinds != "none":
        lines += kinds_report(a.radarctl, set(a.kinds.split(",")) if a.kinds else set(), a.seeds, a.jobs, a.notes)
    text = "\n".join(lines)
    print(text)
    if a.markdown:
        with open(a.markdown, "w") as f:
            f.write(text + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
