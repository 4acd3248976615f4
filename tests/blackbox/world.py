# The world a black-box test runs the real program in, built from nothing: its own folder as home, an
# environment that keeps none of the host's (no display, bus, sound server, zone, language or settings
# of the machine it runs on), and on request a virtual display, a session bus that starts only the
# services the test gives it, a sound server with one null sink, and a movable wall clock. Everything
# started is ended by process id, with a time limit, and the folder goes with it.
import math
import os
import pathlib
import re
import shutil
import signal
import socket as sockets
import subprocess
import sys
import tempfile
import time
import traceback
import zoneinfo
from datetime import datetime

HERE = pathlib.Path(__file__).resolve().parent
LIBFAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
# The checking build's sanitizer settings are the only thing taken from outside, besides PATH.
PASSED_THROUGH = ("PATH", "ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS")


class Failed(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failed(message)


def wait_for(limit, condition):
    # True once condition() is, False after `limit` seconds.
    end = time.monotonic() + limit
    while not condition():
        if time.monotonic() > end:
            return False
        time.sleep(0.1)
    return True


def alarm_line(row):
    # "5 12 2026 7 30 1 0 0 Browse": the 14-column zones of the alarm table, the wave file last.
    fields = row.split(" ", 8)
    return "".join(f.ljust((len(f) // 14 + 1) * 14) for f in fields[:8]) + fields[8] + "\r\n"


def owned(name):
    # Whether a program owns `name` on the session bus.
    return "true" in subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                                     "org.freedesktop.DBus.NameHasOwner", f"string:{name}"], capture_output=True, text=True).stdout


def private_etc(folder, zone):
    # In a mount namespace of the caller's own: /etc becomes a copy in `folder` whose localtime names
    # `zone`. A zone is then changed as the desktop changes it, by replacing that link (set_zone).
    subprocess.run(["cp", "-a", "/etc", folder], check=True)
    subprocess.run(["mount", "--bind", folder, "/etc"], check=True)
    set_zone(zone)


def decoy_service(folder, log):
    # A notification service for D-Bus activation that only writes a line into `log` when started.
    folder.mkdir(parents=True)
    (folder / "org.freedesktop.Notifications.service").write_text(
        "[D-BUS Service]\nName=org.freedesktop.Notifications\n"
        f"Exec=/bin/sh -c 'echo the host notification service was started >>{log}'\n")


def own_mounts(flag, what):
    # Runs this script again, once, in a mount namespace of its own, where it may mount over system files.
    # Without one (not root, / not a mount point as in a bare chroot, namespaces forbidden), `what` says
    # so and ends the run.
    if os.environ.get(flag):
        return
    namespace = ["unshare", "-m", "--propagation", "private"]
    probe = subprocess.run(namespace + ["true"], capture_output=True, text=True)
    if probe.returncode:
        print(f"FAIL: {what} needs a mount namespace of its own, which this machine does not give "
              f"({probe.stderr.strip()}): run it as root, on a system whose / is a mount point (in a chroot, "
              "bind-mount the root onto itself first, as .ci/debian13.sh does)")
        sys.exit(1)
    os.execvp("unshare", namespace + ["env", f"{flag}=1", sys.executable, *sys.argv])


def set_zone(zone):
    subprocess.run(["ln", "-sfn", "/usr/share/zoneinfo/" + zone, "/etc/localtime"], check=True)


class Program(subprocess.Popen):
    # One run of the program: its folder holds its settings, standard error, out.wav and wall clock.
    def said(self):
        return (self.dir / "stderr").read_text(errors="replace")

    def alive(self):
        return self.poll() is None

    def output_size(self):
        path = self.dir / "out.wav"
        return path.stat().st_size if path.exists() else 0

    def painted(self):
        # The times the window painted, with the seconds trace on: ["07:30:05", ...].
        return [line[:8] for line in self.said().splitlines() if re.fullmatch(r"\d\d:\d\d:\d\d \d+", line)]

    def jump(self, seconds):
        # Moves this run's wall clock on by `seconds`.
        clock = self.dir / "faketime"
        clock.write_text("%+ds\n" % (int(clock.read_text().strip().rstrip("s")) + seconds))

    def move_to(self, moment):
        # Sets this run's wall clock to `moment` (aware), from where it runs on.
        (self.dir / "faketime").write_text("%+ds\n" % math.ceil(moment.timestamp() - time.time()))



class World:
    def __init__(self, binary, tz="UTC"):
        self.binary = binary
        self.dir = pathlib.Path(tempfile.mkdtemp(prefix="kalindor-world-"))
        self.processes = []
        home = self.dir / "home"
        runtime = self.dir / "run"
        for folder in (home, runtime):
            folder.mkdir(mode=0o700)
        env = {key: os.environ[key] for key in PASSED_THROUGH if key in os.environ}
        env.update(
            HOME=str(home), XDG_RUNTIME_DIR=str(runtime), XDG_CONFIG_HOME=str(home / ".config"),
            XDG_DATA_HOME=str(home / ".local/share"), XDG_CACHE_HOME=str(home / ".cache"),
            XDG_STATE_HOME=str(home / ".local/state"), XDG_DATA_DIRS="/usr/local/share:/usr/share",
            XDG_CONFIG_DIRS="/etc/xdg", TZ=tz, LANG="C.UTF-8", LC_ALL="C.UTF-8", PYTHONDONTWRITEBYTECODE="1",
            # Nothing answers at these until a test starts a server there.
            DBUS_SESSION_BUS_ADDRESS=f"unix:path={self.dir}/no-bus", PULSE_SERVER=f"unix:{self.dir}/pulse-native",
            PULSE_RUNTIME_PATH=str(runtime / "pulse"), PULSE_STATE_PATH=str(runtime / "pulse"))
        # A bus that searched the usual places would start this stand-in, which says so.
        decoy_service(home / ".local/share/dbus-1/services", self.dir / "decoy-started")
        # The process itself lives in the world too, so that every tool it runs does.
        os.environ.clear()
        os.environ.update(env)

    def start(self, command, **options):
        process = subprocess.Popen(command, **options)
        self.processes.append(process)
        return process

    def end(self, process):
        # TERM, then KILL after five seconds; a stopped process is woken so that it can end.
        process.send_signal(signal.SIGTERM)  # nothing, once it has ended
        process.send_signal(signal.SIGCONT)
        try:
            process.wait(5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()

    def close(self):
        for process in reversed(self.processes):  # the program before the servers it uses
            self.end(process)
        decoy = (self.dir / "decoy-started").exists()
        # A share mounted in the world (in the scenario's own namespace) keeps its folder until let go.
        for point in [line.split()[4] for line in pathlib.Path("/proc/self/mountinfo").read_text().splitlines()]:
            if point.startswith(f"{self.dir}/"):
                subprocess.run(["umount", "--lazy", point], stderr=subprocess.DEVNULL)
        shutil.rmtree(self.dir, ignore_errors=True)
        check(not decoy, "a private bus started a service the test did not give it")

    # --- servers ---
    def display(self):
        out = open(self.dir / "display", "w")
        self.start(["Xvfb", "-displayfd", str(out.fileno()), "-screen", "0", "640x480x24", "-nolisten", "tcp",
                    "-noreset"], pass_fds=(out.fileno(),), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        number = self.dir / "display"
        check(wait_for(10, lambda: number.read_text().strip()), "no virtual display")
        os.environ["DISPLAY"] = ":" + number.read_text().split()[0]

    def bus(self, frozen=False):
        # A session bus of its own configuration: it activates nothing, whatever the host has installed.
        config = self.dir / f"bus-{len(self.processes)}.conf"
        socket = self.dir / f"bus-{len(self.processes)}"
        config.write_text(f"""<busconfig><type>session</type><listen>unix:path={socket}</listen>
<auth>EXTERNAL</auth><policy context="default"><allow send_destination="*" eavesdrop="true"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>""")
        process = self.start(["dbus-daemon", f"--config-file={config}", "--nofork", "--nopidfile"],
                             stderr=subprocess.DEVNULL)
        # The socket's file is there a moment before the daemon listens on it: a bus stopped in between
        # would refuse rather than freeze, which is another case.
        check(wait_for(10, lambda: sockets.socket(sockets.AF_UNIX).connect_ex(str(socket)) == 0), "the private bus did not start")
        address = f"unix:path={socket}"
        if frozen:
            os.kill(process.pid, signal.SIGSTOP)
        else:
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        return address

    def monitor(self, address, rule, name):
        # Logs the bus messages that match `rule` into the file `name`.
        log = open(self.dir / name, "w")
        self.start(["dbus-monitor", "--address", address, rule], stdout=log, stderr=subprocess.STDOUT)
        time.sleep(0.3)
        return self.dir / name

    def notifier(self, take=None):
        # The stand-in notification server; each Notify is a line of notices().
        self.start(["/usr/bin/python3", HERE / "notification_server.py", self.dir / "notices"] + ([take] if take else []))
        # It owns its name once its object answers.
        check(wait_for(10, lambda: owned("org.freedesktop.Notifications")), "no stand-in notification server")

    def accessibility(self):
        # The accessibility bus and its registry, as a desktop session starts them; returns the bus's address.
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stderr=subprocess.DEVNULL)
        ask = lambda *words: subprocess.run(["dbus-send", "--print-reply=literal", *words], capture_output=True, text=True).stdout
        address = lambda: ask("--session", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress").strip()
        check(wait_for(20, address), "no accessibility bus")
        self.start(["/usr/libexec/at-spi2-registryd"], stderr=subprocess.DEVNULL)
        check(wait_for(20, lambda: "true" in ask(f"--bus={address()}", "--dest=org.freedesktop.DBus", "/",
                                                 "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.atspi.Registry")),
              "no AT-SPI registry")
        return address()

    def tray(self):
        # A real tray host: the XFCE panel with its status tray alone, whose StatusNotifierWatcher takes the
        # items of the bus (and which is the display's XEmbed tray too); its settings daemon runs on the
        # private bus, which activates nothing.
        channel = self.dir / "home/.config/xfce4/xfconf/xfce-perchannel-xml"
        channel.mkdir(parents=True)
        (channel / "xfce4-panel.xml").write_text("""<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0"><property name="configver" type="int" value="2"/>
<property name="panels" type="array"><value type="int" value="1"/><property name="panel-1" type="empty">
<property name="position" type="string" value="p=6;x=0;y=0"/><property name="size" type="uint" value="26"/>
<property name="plugin-ids" type="array"><value type="int" value="1"/></property></property></property>
<property name="plugins" type="empty"><property name="plugin-1" type="string" value="systray"/></property></channel>""")
        log = open(self.dir / "panel.log", "w")
        self.start(["/usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd"], stdout=log, stderr=log)
        self.start(["xfce4-panel", "--disable-wm-check"], stdout=log, stderr=log)
        check(wait_for(30, lambda: owned("org.kde.StatusNotifierWatcher")), "no tray host")

    def notices(self):
        path = self.dir / "notices"
        return path.read_text().splitlines() if path.exists() else []

    def notice_calls(self):
        # The stand-in's calls as (wall-clock time, words): (1733383860.1, ["notify", "2", "replaces", ...]).
        path = self.dir / "notices.calls"
        return [(float(line.split()[0]), line.split()[1:]) for line in (path.read_text().splitlines() if path.exists() else [])]

    def sound(self, env=None):
        # A sound server with one null sink, 'speakers', where PULSE_SERVER has pointed from the start;
        # `env` adds to its environment (a faster clock: the sink then plays faster too).
        socket = self.dir / "pulse-native"
        script = self.dir / "server.pa"
        script.write_text("load-module module-null-sink sink_name=speakers\n"
                          f"load-module module-native-protocol-unix socket={socket} auth-anonymous=1\n"
                          "set-default-sink speakers\n")
        self.pulse = self.start(["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "-F", script,
                                 f"--log-target=file:{self.dir}/pulse.log"], env=dict(os.environ, **(env or {})))
        check(wait_for(10, lambda: subprocess.run(["pactl", "info"], stdout=subprocess.DEVNULL,
                                                  stderr=subprocess.DEVNULL).returncode == 0), "no sound server")

    def sound_stop(self):
        self.end(self.pulse)
        (self.dir / "pulse-native").unlink(missing_ok=True)

    def record(self, seconds):
        # What reaches the sink in `seconds`, 8 kHz mono 16-bit.
        try:
            return subprocess.run(["parec", "-d", "speakers.monitor", "--raw", "--format=s16le", "--rate=8000",
                                   "--channels=1"], capture_output=True, timeout=seconds).stdout
        except subprocess.TimeoutExpired as cut:
            return cut.stdout or b""

    # --- the program ---
    def kalindor(self, name="k", at=None, alarms=(), output=True, trace=False, env=None, interval=0, files=None):
        # Kalindor with its own settings folder; the wall clock starts at `at` ("2026-12-05 07:29:55",
        # local in the run's zone) and runs on. Alarm k is set from the k-th row of `alarms`; the sound goes
        # into out.wav unless `output` is false. The time is spoken every `interval` minutes. `files` adds
        # settings files by name ({"names.dta": "1=Pills\r\n"}).
        folder = self.dir / name
        folder.mkdir(exist_ok=True)
        rows = list(alarms) + ["0 0 0 0 0 0 0 0 Browse"] * (10 - len(alarms))
        (folder / "kalind.dta").write_text("".join(alarm_line(row) for row in rows), newline="")
        (folder / "saytime.dta").write_text(f"{interval}\r\n", newline="")
        for file, text in (files or {}).items():
            (folder / file).write_text(text, newline="")
        run_env = dict(os.environ, **(env or {}))
        if at:
            moment = datetime.fromisoformat(at)
            if moment.tzinfo is None:
                moment = moment.replace(tzinfo=zoneinfo.ZoneInfo(run_env.get("TZ") or "UTC"))
            (folder / "faketime").write_text("%+ds\n" % math.ceil(moment.timestamp() - time.time()))
            run_env.update(LD_PRELOAD=LIBFAKETIME, FAKETIME_TIMESTAMP_FILE=str(folder / "faketime"),
                           FAKETIME_NO_CACHE="1", FAKETIME_DONT_FAKE_MONOTONIC="1")
        if trace:
            run_env.update(QT_LOGGING_RULES="kalindor.seconds.debug=true", QT_MESSAGE_PATTERN="%{message}")
        command = [self.binary, "--config-dir", str(folder)] + (["--output", str(folder / "out.wav")] if output else [])
        with open(folder / "stderr", "w") as err:
            program = Program(command, env=run_env, stderr=err, stdout=err)
        program.dir = folder
        self.processes.append(program)
        return program

    def run(self, *arguments, limit=60, **options):
        # The program run to its end: (status, standard error).
        done = subprocess.run([self.binary, *arguments], capture_output=True, timeout=limit, text=True, **options)
        return done.returncode, done.stderr

    def windows(self):
        # The names of the display's top-level windows, topmost first.
        tree = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True).stdout
        return [line.split('"')[1] for line in tree.splitlines() if line.count('"') >= 2]


SCENARIOS = {}
OWN_MOUNTS = set()


def scenario(function=None, *, mounts=False):
    # A scenario; with `mounts`, run in a mount namespace of its own, where it may mount over system files.
    if function is None:
        return lambda f: scenario(f, mounts=mounts)
    SCENARIOS[function.__name__] = function
    if mounts:
        OWN_MOUNTS.add(function.__name__)
    return function


def main():
    binary, name = sys.argv[1], sys.argv[2]
    if name in OWN_MOUNTS:
        own_mounts("KALINDOR_OWN_MOUNTS", f"{name} (it changes the zone in a private /etc)")
    world = World(binary)
    problems = []
    try:
        SCENARIOS[name](world, *sys.argv[3:])
    except Exception as failure:  # a scenario's own mistakes end it as cleanly as its checks
        problems.append(str(failure) if isinstance(failure, Failed) else traceback.format_exc())
        for said in world.dir.glob("*/stderr"):
            print(f"--- {said.parent.name} said:\n{said.read_text(errors='replace')[-3000:]}")
    finally:
        try:
            world.close()
        except Failed as failure:
            problems.append(str(failure))
    for problem in problems:
        print(f"FAIL: {name}: {problem}")
    if not problems:
        print(f"PASS: {name}")
    return 1 if problems else 0
