#!/usr/bin/python3
# Runs the tests once more inside a host that looks like a busy desktop, and fails if they depended on
# it or touched it: a zone and languages far from UTC and English (and, for root, /etc/localtime
# pointing elsewhere still), a home holding real settings, and a display, session bus, sound server and
# Wayland socket that are decoys recording whoever connects, with a notification service on the
# session bus's search path that records being started.
#   hostile_host.py BUILD-DIR [ctest options]
import hashlib
import os
import pathlib
import shutil
import socket
import subprocess
import sys
import tempfile
import threading

from world import PASSED_THROUGH, alarm_line, decoy_service, own_mounts, private_etc


def listen(sockets, log):
    # Accepts on each socket for ever; every connection is a line of the log.
    def serve(name, server):
        while True:
            connection, _ = server.accept()
            with open(log, "a") as out:
                out.write(f"something connected to the host's {name}\n")
            connection.close()
    for name, server in sockets.items():
        server.listen(16)
        threading.Thread(target=serve, args=(name, server), daemon=True).start()


def fingerprint(folder):
    return {str(p.relative_to(folder)): hashlib.sha256(p.read_bytes()).hexdigest() if p.is_file() else "dir"
            for p in sorted(folder.rglob("*"))}


def main():
    build, options = sys.argv[1], sys.argv[2:]
    if os.geteuid() == 0:
        own_mounts("KALINDOR_HOSTILE_MOUNTS", "the hostile host, run as root (it points /etc/localtime elsewhere)")
    host = pathlib.Path(tempfile.mkdtemp(prefix="kalindor-host-"))
    if os.environ.get("KALINDOR_HOSTILE_MOUNTS"):
        private_etc(host / "etc", "America/New_York")
    home, runtime, log = host / "home", host / "run", host / "reached"
    runtime.mkdir(mode=0o700)
    settings = home / ".config/kalindor"
    settings.mkdir(parents=True)
    (settings / "kalind.dta").write_text(alarm_line("5 12 2026 7 30 1 0 0 Browse") * 10, newline="")
    (settings / "saytime.dta").write_bytes(b"15\r\n")
    for folder in (home / ".local/share/dbus-1/services", host / "share/dbus-1/services"):
        decoy_service(folder, log)
    decoys = {}
    for name in ("session bus", "sound server", "Wayland compositor"):
        decoys[name] = socket.socket(socket.AF_UNIX)
        decoys[name].bind(str(runtime / name.replace(" ", "-")))
    display = socket.socket()
    for number in range(50, 100):
        try:
            display.bind(("127.0.0.1", 6000 + number))
            break
        except OSError:
            continue
    decoys["display"] = display
    listen(decoys, log)
    before = fingerprint(home)

    env = {key: value for key, value in os.environ.items() if key in PASSED_THROUGH}
    env.update(HOME=str(home), XDG_RUNTIME_DIR=str(runtime), XDG_DATA_DIRS=f"{host}/share:/usr/local/share:/usr/share",
               TZ="Asia/Kathmandu", LANG="fr_FR.UTF-8", LC_TIME="de_DE.UTF-8", LC_MESSAGES="fr_FR.UTF-8",
               DISPLAY=f"127.0.0.1:{number}", WAYLAND_DISPLAY=str(runtime / "Wayland-compositor"), XDG_SESSION_TYPE="x11",
               DBUS_SESSION_BUS_ADDRESS=f"unix:path={runtime}/session-bus", PULSE_SERVER=f"unix:{runtime}/sound-server",
               QT_QPA_PLATFORM="xcb", QT_SCALE_FACTOR="2", QT_ACCESSIBILITY="1")
    print(f"The tests again on a hostile host: TZ={env['TZ']}, LANG={env['LANG']}, DISPLAY={env['DISPLAY']}"
          + (", /etc/localtime -> America/New_York" if os.environ.get("KALINDOR_HOSTILE_MOUNTS") else ""), flush=True)
    status = subprocess.run(["ctest", "--test-dir", build, "--output-on-failure", *options], env=env).returncode
    problems = log.read_text().splitlines() if log.exists() else []
    if fingerprint(home) != before:
        problems.append("the host's home changed")
    shutil.rmtree(host, ignore_errors=True)
    for problem in sorted(set(problems)):
        print("FAIL:", problem)
    return 1 if status or problems else 0


if __name__ == "__main__":
    sys.exit(main())
