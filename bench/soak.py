#!/usr/bin/python3
# A day of Kalindor's work in minutes, to see whether its memory grows: the real program in a world of
# its own (tests/blackbox/world.py) whose clock, and its sound server's, run SPEED times as fast. The
# time is spoken every minute, an alarm rings for the minute at half past every hour with its notice
# through the stand-in notification server, ALARM SET is opened and saved every hour and a flag is
# clicked every ten minutes. After a warm-up hour it prints, each simulated hour, the resident memory,
# descriptors, threads and sound streams opened, and at the end the growth per thousand announcements.
#   bench/soak.py KALINDOR [--hours 24] [--speed 30] [--warmup 1] [--heaptrack FILE] [--wrap "valgrind ..."]
# --heaptrack attaches heaptrack after the warm-up; --wrap runs the program under a tool (valgrind).
import argparse
import os
import pathlib
import shlex
import signal
import subprocess
import sys
import time
from datetime import datetime, timedelta, timezone

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests/blackbox"))
from world import LIBFAKETIME, World, check, wait_for  # noqa: E402

START = datetime(2026, 12, 5, 0, 59, 0, tzinfo=timezone.utc)
ALARM = "* * * * 30 1 0 0 Browse"          # the gong at half past every hour, for the whole minute
FLAGS = ((24, 53), (64, 53), (104, 53))    # French, German, English, in the window
ALARM_SET, SAVE = (246, 54), (429, 21)


def window(name):
    found = subprocess.run(["xdotool", "search", "--name", f"^{name}$"], capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def click(name, at):
    check(wait_for(20, lambda: window(name)), f"no window {name}")
    subprocess.run(["xdotool", "mousemove", "--window", window(name), str(at[0]), str(at[1]), "click", "1"], check=True)


def figures(pid):
    status = dict(line.split(":", 1) for line in pathlib.Path(f"/proc/{pid}/status").read_text().splitlines())
    kb = lambda key: int(status[key].split()[0])
    return {"rss": kb("VmRSS"), "anon": kb("RssAnon"), "fds": len(os.listdir(f"/proc/{pid}/fd")),
            "threads": int(status["Threads"])}


def mappings(pid):
    # Resident kB of each mapping by where it starts: {"7f00e0000000 [anon]": kB}.
    found, name = {}, None
    for line in pathlib.Path(f"/proc/{pid}/smaps").read_text().splitlines():
        fields = line.split()
        if "-" in fields[0] and not fields[0].endswith(":"):
            name = fields[0].split("-")[0] + " " + (fields[5] if len(fields) > 5 else "[anon]")
        elif fields[0] == "Rss:":
            found[name] = int(fields[1])
    return found


def program_pid(process):
    # The program itself, also when a tool's script started it.
    children = lambda pid: [int(c) for c in pathlib.Path(f"/proc/{pid}/task/{pid}/children").read_text().split()]
    pid = process.pid
    while True:
        name = pathlib.Path(f"/proc/{pid}/comm").read_text().strip()
        if name.startswith("kalindor") or name.startswith("memcheck") or name.startswith("massif"):
            return pid
        kids = children(pid)
        if not kids:
            return pid
        pid = kids[0]


def main():
    options = argparse.ArgumentParser()
    options.add_argument("kalindor")
    options.add_argument("--hours", type=float, default=24)
    options.add_argument("--warmup", type=float, default=1)
    options.add_argument("--speed", type=int, default=30)
    options.add_argument("--wrap", default="")
    options.add_argument("--without", default="", help="leave out saves, flags or both (saves,flags)")
    options.add_argument("--kill", action="store_true", help="end the program with SIGKILL")
    options.add_argument("--env", action="append", default=[], metavar="NAME=VALUE", help="for the program")
    options.add_argument("--heaptrack", metavar="FILE", help="record the allocations after the warm-up into FILE")
    args = options.parse_args()
    world = World(str(pathlib.Path(args.kalindor).resolve()))
    try:
        run(world, args)
    finally:
        world.close()


def run(world, args):
    # The sound server's clocks, monotonic too, run fast, so that it plays sounds that much faster. The
    # program's wall clock runs as fast, its monotonic clock does not: its timers and its waits for the
    # server keep their real length (as in the black-box tests). Its second's tick then comes at most a
    # real second apart, so up to a speed of 60 no minute goes by unannounced; and its sound stream,
    # silenced 1.5 real seconds after a sound, falls silent between two minutes below a speed of 40.
    fast = {"LD_PRELOAD": LIBFAKETIME, "FAKETIME": f"{int(START.timestamp() - time.time()):+d} x{args.speed}"}
    world.display()
    world.bus()
    world.notifier()
    world.sound(env=fast)
    streams = world.dir / "streams"
    world.start(["stdbuf", "-oL", "pactl", "subscribe"], stdout=open(streams, "w"), stderr=subprocess.DEVNULL)
    if args.wrap:
        wrapper = world.dir / "wrapped"
        wrapper.write_text(f'#!/bin/sh\nexec {args.wrap} {shlex.quote(world.binary)} "$@"\n')
        wrapper.chmod(0o755)
        world.binary = str(wrapper)
    started = time.monotonic()
    fast["FAKETIME"] = f"{int(START.timestamp() - time.time()):+d} x{args.speed}"
    k = world.kalindor(alarms=[ALARM], output=False, interval=1, env=dict(fast, FAKETIME_DONT_FAKE_MONOTONIC="1",
                                                                                    **dict(e.split("=", 1) for e in args.env)))
    now = lambda: START + timedelta(seconds=(time.monotonic() - started) * args.speed)
    opened = lambda: streams.read_text().count("'new' on sink-input")
    check(wait_for(60, lambda: window("KALINDOR")), "no window")
    pid = program_pid(k)
    end = START + timedelta(hours=args.warmup + args.hours, minutes=1)
    warm = START + timedelta(hours=args.warmup, minutes=1)
    tenth, hour = START.replace(minute=0) + timedelta(minutes=15), START + timedelta(minutes=36)
    first = None
    flag = 0
    print(f"speed {args.speed}, warm-up {args.warmup} h, then {args.hours} h; simulated time, real s, figures (kB)")
    print(f"{'time':>16} {'real s':>7} {'RSS':>7} {'anon':>7} {'fds':>4} {'thr':>4} {'streams':>8} {'notices':>8}")
    mark = warm
    while now() < end:
        check(k.alive(), f"the program ended: {k.said()[-2000:]}")
        if now() >= tenth and "flags" in args.without:
            tenth += timedelta(minutes=10)
        if now() >= hour and "saves" in args.without:
            hour += timedelta(hours=1)
        if now() >= tenth:  # a flag, five minutes past each ten, away from the announcements
            click("KALINDOR", FLAGS[flag % 3])
            flag += 1
            tenth += timedelta(minutes=10)
        if now() >= hour:  # ALARM SET opened and saved, at 36 minutes past each hour
            click("KALINDOR", ALARM_SET)
            click("ALARM SET", SAVE)
            check(wait_for(20, lambda: not window("ALARM SET")), "ALARM SET did not close on Save")
            hour += timedelta(hours=1)
        if now() >= mark:
            f = figures(pid)
            f.update(streams=opened(), notices=len(world.notices()))
            if not first and args.heaptrack:  # attached now, it sees only what the day's work allocates
                tracker = subprocess.Popen(["heaptrack", "-o", args.heaptrack, "-p", str(pid)],
                                           stdout=open(args.heaptrack + ".log", "w"), stderr=subprocess.STDOUT)
            if not first:
                maps = mappings(pid)
            first = first or f
            print(f"{now():%Y-%m-%d %H:%M} {time.monotonic() - started:7.0f} {f['rss']:7d} {f['anon']:7d} "
                  f"{f['fds']:4d} {f['threads']:4d} {f['streams']:8d} {f['notices']:8d}", flush=True)
            mark += timedelta(hours=1)
        time.sleep(0.05)
    last = figures(pid)
    last.update(streams=opened(), notices=len(world.notices()))
    minutes = int((end - warm).total_seconds() // 60)
    print(f"after warm-up: RSS {first['rss']} kB, at the end {last['rss']} kB: {last['rss'] - first['rss']:+d} kB "
          f"(anonymous {last['anon'] - first['anon']:+d} kB); descriptors {first['fds']} -> {last['fds']}, "
          f"threads {first['threads']} -> {last['threads']}")
    print(f"{minutes} minutes announced, {last['streams'] - first['streams']} streams opened, "
          f"{last['notices'] - first['notices']} notices; growth {1000 * (last['rss'] - first['rss']) / minutes:+.0f} kB "
          f"per thousand announcements")
    grown = sorted(((kb - maps.get(name, 0), name) for name, kb in mappings(pid).items()), reverse=True)
    print("mappings that grew most (kB): " + ", ".join(f"{name} {kb:+d}" for kb, name in grown[:6] if kb))
    said = k.said().strip()
    if said:
        print("the program said:\n" + said[-2000:])
    # The program ends as at logout, and a tool then writes its report; or is killed, so that heaptrack
    # counts whatever it still holds as not freed.
    k.send_signal(signal.SIGKILL if args.kill else signal.SIGTERM)
    k.wait(600)
    if args.heaptrack:
        tracker.wait(120)


if __name__ == "__main__":
    main()
