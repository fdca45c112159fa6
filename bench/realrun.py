#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Benchmarks the whole program as a user meets it, on a display of its own.

Runs the real `zembra` on a generated cabinet (bench/RealCabinet.cpp) and reports, as minimum /
median / maximum over several runs:
  - `zembra --version` and `zembra --rescan`, the latter side by side with a plain program that
    tests each name with one stat() (bench/stat_probe.c), in the same run;
  - start-up to the first frame of the complete list, from just before the program is started;
  - a held Down key (real X key events through xdotool) for at least --moves moves at the
    cabinet's 16 ms scroll rate, with the sound on (the real player) and muted: each move from
    its timer's tick to the frame that shows it, as the program itself reports (ZEMBRA_TRACE);
  - the peak resident size (VmHWM) of each browsing run.

Run it under a virtual display, for example:
  xvfb-run -a -s "-screen 0 1920x1080x24" bench/realrun.py --build build-bench
"""
import argparse
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time


def run_timed(command, env=None, statuses=(0,)):
    start = time.monotonic_ns()
    result = subprocess.run(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    elapsed = (time.monotonic_ns() - start) / 1e6
    if result.returncode not in statuses:
        sys.exit("failed (%d): %s\n%s" % (result.returncode, " ".join(command),
                                         result.stderr.decode(errors="replace")))
    return elapsed


def run_measured(command, statuses=(0,)):
    """Wall-clock and CPU time (user and system, all threads) of one run, in ms."""
    with tempfile.TemporaryFile() as errors:
        start = time.monotonic_ns()
        process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=errors)
        _, status, usage = os.wait4(process.pid, 0)
        elapsed = (time.monotonic_ns() - start) / 1e6
        process.returncode = os.waitstatus_to_exitcode(status)
        if process.returncode not in statuses:
            errors.seek(0)
            sys.exit("failed (%d): %s\n%s" % (process.returncode, " ".join(command),
                                             errors.read().decode(errors="replace")))
    return elapsed, (usage.ru_utime + usage.ru_stime) * 1000


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(p * (len(ordered) - 1) + 0.5))]


def spread(values, unit="ms", digits=1):
    if not values:
        return "-"
    form = "%%.%df" % digits
    return "%s / %s / %s %s" % (form % min(values), form % statistics.median(values),
                                form % max(values), unit)


def write_settings(cabinet, muted):
    with open(os.path.join(cabinet, "quarn.cfg"), "wb") as out:
        out.write(b'"\\bench\\"\r\n120\r\n0\r\n0\r\n1\r\n%s\r\n0\r\n1\r\n0\r\n'
                  % (b"#TRUE#" if muted else b"#FALSE#"))


def read_trace(path):
    first, moves = None, []
    try:
        with open(path) as trace:
            for line in trace:
                parts = line.split()
                if parts and parts[0] == "first-frame" and len(parts) == 2:
                    first = int(parts[1])
                elif parts and parts[0] == "move" and len(parts) == 3:
                    moves.append((int(parts[1]), int(parts[2])))
    except FileNotFoundError:
        pass
    return first, moves


def peak_resident_mb(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.02)
    return condition()


def browse(zembra, cabinet, muted, moves, trace_dir):
    """One run: start, wait for the first frame, hold Down for `moves` moves, read the peak."""
    write_settings(cabinet, muted)
    trace = os.path.join(trace_dir, "trace-%d.txt" % time.monotonic_ns())
    env = dict(os.environ, ZEMBRA_TRACE=trace)
    start = time.monotonic_ns()
    process = subprocess.Popen([zembra, "--home", cabinet], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        if not wait_for(lambda: read_trace(trace)[0] is not None or process.poll() is not None,
                        120):
            sys.exit("no first frame within 120 s")
        first, _ = read_trace(trace)
        if first is None:
            sys.exit("zembra ended before its first frame:\n"
                     + process.stderr.read().decode(errors="replace"))
        # The window takes the keyboard (there is no window manager to give it).
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Zembra$",
                        "windowfocus", "--sync"], stdout=subprocess.DEVNULL, timeout=30)
        time.sleep(1.0)  # the first pictures and the start sound settle
        subprocess.run(["xdotool", "keydown", "Down"], check=True)
        wait_for(lambda: len(read_trace(trace)[1]) >= moves, 16e-3 * moves * 20 + 30)
        subprocess.run(["xdotool", "keyup", "Down"], check=True)
        time.sleep(0.5)
        peak = peak_resident_mb(process.pid)
    finally:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    first, trace_moves = read_trace(trace)
    latencies = [(frame - tick) / 1e6 for tick, frame in trace_moves]
    rate = 0.0
    if len(trace_moves) > 1:
        rate = (len(trace_moves) - 1) / ((trace_moves[-1][0] - trace_moves[0][0]) / 1e9)
    return {
        "first_frame_ms": (first - start) / 1e6,
        "moves": len(latencies),
        "median_ms": statistics.median(latencies) if latencies else float("nan"),
        "p99_ms": percentile(latencies, 0.99) if latencies else float("nan"),
        "max_ms": max(latencies) if latencies else float("nan"),
        "over_16_7": sum(1 for value in latencies if value > 16.7),
        "steps_per_s": rate,
        "peak_mb": peak,
    }


RESCAN_SCENARIOS = [
    ("repeat", "repeated, nothing changed, 27 lists as on disk"),
    ("repeat-full", "repeated, nothing changed, catalogue at 5000 (nothing saved)"),
    ("one-folder", "one folder changed since the last rescan (its list saved)"),
    ("cold", "first scan: no saved listings, 27 lists differing (all saved)"),
]


def movable_rom(cabinet, root):
    """A ROM of path 1 that is in its list, and where it goes while it is away."""
    with open(os.path.join(cabinet, "l 1.lst"), "rb") as listed:
        name = listed.readline().split(b'"')[1].decode()
    folder = os.path.join(root, "path01")
    return {"home": os.path.join(folder, name + ".zip"),
            "away": os.path.join(root, "away-" + name + ".zip")}


def toggle_rom(rom):
    if os.path.exists(rom["home"]):
        os.rename(rom["home"], rom["away"])
    else:
        os.rename(rom["away"], rom["home"])


def restore_rom(rom):
    if os.path.exists(rom["away"]) and not os.path.exists(rom["home"]):
        os.rename(rom["away"], rom["home"])


def measure_rescans(run, rescans, cpu_times, zembra, probe, cabinet, folders, full,
                    full_folders, scratch, rom):
    """Each rescan scenario once, side by side with the plain program, alternating which goes
    first so that neither always meets the warmer cache."""
    def record(key, side, command, statuses=(0,)):
        elapsed, cpu = run_measured(command, statuses)
        rescans[key][side].append(elapsed)
        cpu_times.setdefault(key, ([], []))[side].append(cpu)

    def pair(key, zembra_command, statuses, plain_command):
        steps = [lambda: record(key, 0, zembra_command, statuses),
                 lambda: record(key, 1, plain_command)]
        for step in (steps if run % 2 == 0 else reversed(steps)):
            step()

    rescan = [zembra, "--rescan", "--home", cabinet]
    rescan_full = [zembra, "--rescan", "--home", full]
    plain = [probe, folders, scratch]
    plain_full = [probe, full_folders, "-"]
    # One ROM of path 1 taken away or put back since the last rescan: that folder is listed
    # again and its list saved.
    toggle_rom(rom)
    pair("one-folder", rescan, (0,), plain)
    # A listing is kept only when the folder's stamps were two seconds old as it was taken: after
    # that, one unmeasured rescan of each cabinet leaves every listing saved.
    time.sleep(2.1)
    run_timed(rescan)
    run_timed(rescan_full, statuses=(1,))
    pair("repeat", rescan, (0,), plain)
    # A catalogue at the limit leaves every list as it was: status 1, as it should.
    pair("repeat-full", rescan_full, (1,), plain_full)
    # The first scan of a cabinet: no saved listings, and every list to be written.
    def cold():
        for name in os.listdir(cabinet):
            if name == "folders.cache" or (name.startswith("l") and name.endswith(".lst")):
                os.remove(os.path.join(cabinet, name))
        record("cold", 0, rescan)
    steps = [cold, lambda: record("cold", 1, plain)]
    for step in (steps if run % 2 == 0 else reversed(steps)):
        step()


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build-bench", help="the release build folder")
    parser.add_argument("--cabinet", default=os.path.join(tempfile.gettempdir(),
                                                          "zembra-real-cabinet"),
                        help="where the cabinet is (made when missing)")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--moves", type=int, default=1000)
    parser.add_argument("--rescan-only", action="store_true",
                        help="measure --version and the rescans, not the browsing")
    parser.add_argument("--small", action="store_true",
                        help="a small cabinet, to check the harness itself")
    args = parser.parse_args()

    zembra = os.path.join(args.build, "zembra", "zembra")
    maker = os.path.join(args.build, "bench", "zembra_real_cabinet")
    probe = os.path.join(args.build, "bench", "zembra_stat_probe")
    for tool in (zembra, maker, probe):
        if not os.access(tool, os.X_OK):
            sys.exit("missing %s (build the release tree first)" % tool)
    sizes = (["--catalogue", "1200", "--hits", "1000", "--files", "1200", "--pool", "8"]
             if args.small else [])
    subprocess.run([maker, args.cabinet] + sizes, check=True, stdout=subprocess.DEVNULL)
    cabinet = os.path.join(args.cabinet, "cabinet")
    folders = os.path.join(args.cabinet, "probe-folders.txt")
    full = os.path.join(args.cabinet, "cabinet-full")
    full_folders = os.path.join(args.cabinet, "probe-folders-full.txt")

    with tempfile.TemporaryDirectory(prefix="zembra-realrun-") as scratch:
        version = []
        rescans = {key: ([], []) for key, _ in RESCAN_SCENARIOS}
        cpu_times = {}
        loads = [os.getloadavg()[0]]
        # The saved listings and the list files of a rescan before the first run, as a cabinet
        # has them; a freshly made cabinet has neither, and the ROM to move is taken from a list.
        run_timed([zembra, "--rescan", "--home", cabinet])
        rom = movable_rom(cabinet, args.cabinet)
        try:
            for run in range(args.runs):
                version.append(run_timed([zembra, "--version"]))
                measure_rescans(run, rescans, cpu_times, zembra, probe, cabinet, folders, full,
                                full_folders, scratch, rom)
                loads.append(os.getloadavg()[0])
        finally:
            restore_rom(rom)
        libraries = subprocess.run(["ldd", zembra], stdout=subprocess.PIPE,
                                   text=True).stdout.count("=>")

        browsing = {}
        for label, muted in (() if args.rescan_only else (("sound on", False), ("muted", True))):
            browsing[label] = [browse(zembra, cabinet, muted, args.moves, scratch)
                               for _ in range(args.runs)]

    print("| what | min / median / max over %d runs |" % args.runs)
    print("|---|---|")
    print("| `zembra --version` (links %d shared libraries) | %s |" % (libraries,
                                                                     spread(version)))
    for key, label in RESCAN_SCENARIOS:
        zembra_ms, plain_ms = rescans[key]
        print("| `zembra --rescan`, %s | %s |" % (label, spread(zembra_ms)))
        print("| one `stat` per name, the same | %s |" % spread(plain_ms))
        print("| ratio plain / rescan, %s | %s |"
              % (label, spread([p / r for p, r in zip(plain_ms, zembra_ms)], "x", 2)))
        zembra_cpu, plain_cpu = cpu_times.get(key, ([], []))
        print("| CPU time (user + system), rescan / plain | %s; %s |"
              % (spread(zembra_cpu), spread(plain_cpu)))
    print("| load average (1 min) during the rescans | %s |" % spread(loads, "", 2))
    for label, runs in browsing.items():
        print("| %s: start to the first frame | %s |"
              % (label, spread([r["first_frame_ms"] for r in runs])))
        print("| %s: moves per run | %s |" % (label, spread([r["moves"] for r in runs], "", 0)))
        print("| %s: move median | %s |" % (label, spread([r["median_ms"] for r in runs], "ms", 2)))
        print("| %s: move 99th percentile | %s |" % (label, spread([r["p99_ms"] for r in runs])))
        print("| %s: move worst | %s |" % (label, spread([r["max_ms"] for r in runs])))
        print("| %s: moves over 16.7 ms | %s |"
              % (label, spread([r["over_16_7"] for r in runs], "", 0)))
        print("| %s: steps a second | %s |" % (label, spread([r["steps_per_s"] for r in runs], "/s")))
        print("| %s: peak resident (VmHWM) | %s |" % (label, spread([r["peak_mb"] for r in runs],
                                                                    "MB")))


if __name__ == "__main__":
    main()
