#!/usr/bin/env python3
# Seeds one fault at a time into copies of the tree, rebuilds and runs the tests that could see it, to
# find which faults the tests catch. Not part of the test command.
#   tools/mutants.py [--work DIR] [--jobs N] [--only N,N...] [--list]
# Each of the N copies (two by default) has its own build folder; a fault goes to whichever copy is
# free. Only the tests whose programs the fault changed, or that read the sources, run: the unit tests
# first, then the scenarios, stopping at the first failure. Builds go through ccache; keep the work
# folder beside the tree (the default) so that ccache's base_dir covers both and the copies hit the
# tree's own build. Prints one row per fault as it ends: caught (with the first test that failed),
# missed, does not build, or stale (the code it changes is no longer there), then the totals.
import argparse
import concurrent.futures
import hashlib
import json
import os
import pathlib
import queue
import re
import shutil
import subprocess
import sys
import threading
import time

# (file under src/, text as it stands, text with the fault, what the fault is)
# Left out as no fault a user could meet: the sound reader without its first check for a regular file (the
# descriptor, opened non-blocking, is checked again and refused the same).
FAULTS = [
    ("clock/ClockTexts.cpp", "hour > 11 && hour != 12 ? hour - 12", "hour > 11 ? hour - 12", "noon shown as 00"),
    ("clock/ClockTexts.cpp", "hour > 11 ? QStringLiteral(\"PM\")", "hour > 12 ? QStringLiteral(\"PM\")", "PM from 13:00"),
    ("clock/ClockTexts.cpp", "return 1000 - now.msec() + TickMarginMs;", "return 1000 - now.msec();", "tick aimed at the second itself"),
    ("clock/AnnouncementSchedule.cpp", "return last == u'0' || last == u'5';", "return last == u'5';", "5-minute interval loses :x0"),
    ("clock/AnnouncementSchedule.cpp", "return minutes == u\"00\" || minutes == u\"30\";", "return minutes == u\"30\";", "30-minute interval loses :00"),
    ("clock/CalendarText.cpp", "Months[size_t(date.month() - 1)]", "Months[size_t(date.month() % 12)]", "date line month off by one"),
    ("clock/CalendarText.cpp", "Weekdays[size_t(date.dayOfWeek() % 7)]", "Weekdays[size_t(date.dayOfWeek() - 1)]", "date line weekday off by one"),
    ("clock/ClockEngine.cpp", "    if (shownTime.Label1 != clockText(now.time())) {\n        Timer1_Timer();", "    if (false) {\n        Timer1_Timer();", "alarm check no longer serves the clock first"),
    ("clock/ClockEngine.cpp", "if (!shownTime.dateLine.isEmpty() && shownTime.today != lineDate)", "if (false)", "date line no longer follows a new date"),
    ("clock/ClockEngine.cpp", "    if (!alarmRinger.check(now, shownTime.Label1))\n        Timer3.stop();", "    if (alarmRinger.check(now, shownTime.Label1) || true)\n        Timer3.stop();", "Timer3 never runs while ringing"),
    ("clock/window/HorP.cpp", "    engine.cutSound();\n    if (services.showStopMessage)", "    if (services.showStopMessage)", "stop button silences nothing"),
    ("speech/Announcements.cpp", "case 2: case 3: case 6: case 10:", "case 2: case 3: case 10:", "6 heures without liaison"),
    ("speech/Announcements.cpp", "if (year < 1998 || year > 2099)", "if (year < 1998 || year > 2100)", "year 2100 spoken"),
    ("speech/Announcements.cpp", "speaker.PlaySample(d == 1 ? Premier : SampleId(FrenchNumber + d));", "speaker.PlaySample(SampleId(FrenchNumber + d));", "French day 1 not premier"),
    ("speech/Announcements.cpp", "    if (m == 0)\n        return;\n    if (m <= 20)", "    if (m <= 20)", "French minutes zero spoken"),
    ("speech/NumberPhrases.cpp", "    if (d.units == 1) {\n        speaker.PlaySample(FrenchEt);", "    if (d.units == 11) {\n        speaker.PlaySample(FrenchEt);", "French 'et un' dropped"),
    ("speech/NumberPhrases.cpp", "if (day == 21 || day == 31)", "if (day == 21)", "English 31st ending"),
    ("speech/Player.cpp", "for (size_t at = 0; at < pcm.samples.size() && !interrupted(); at += step) {", "for (size_t at = 0; at < pcm.samples.size(); at += step) {", "player ignores a cut between pieces"),
    ("speech/Player.cpp", "        if (begun || interrupted())\n            return;", "        if (interrupted())\n            return;", "alert also after a played file"),
    ("speech/SoundFileReader.cpp", "d->framesLeft = (qint64(BaseSeconds) * 1000 + qint64(status.st_size) * PlayMsPerByte)", "d->framesLeft = (qint64(BaseSeconds) * 10000 + qint64(status.st_size) * PlayMsPerByte)", "length bound ten times larger"),
    ("speech/WavFileDevice.cpp", "    sf_command(handle, SFC_SET_UPDATE_HEADER_AUTO, nullptr, SF_TRUE);\n", "", "WAV header not kept whole"),
    ("shared/TextNumber.cpp", "while (i < text.size() && text[i] == u' ')", "while (i < text.size() && text[i] == u'\\t')", "leading spaces not skipped"),
    ("alarms/AlarmMatch.cpp", "(text.size() > 1 && text[0] == u'0')", "(text.size() > 2 && text[0] == u'0')", "leading zero accepted"),
    ("alarms/AlarmMatch.cpp", "for (int day = first;; day = day % 7 + 1) {", "for (int day = first;; day = day % 7) {", "weekday range wraps wrong"),
    ("alarms/AlarmMatch.cpp", "if (optionSelected(record.ring))\n        samples.push_back(Ring);", "if (optionSelected(record.ring))\n        samples.push_back(Gong);", "ring plays the gong"),
    ("alarms/RingTime.cpp", "if (zone.offsetAt(at * 1000) == offset && (!first || at < *first))", "if (zone.offsetAt(at * 1000) == offset && (!first || at > *first))", "repeated hour rings at its second pass"),
    ("alarms/RingTime.cpp", "    if (offsetBefore < offset) {", "    if (offsetBefore > offset) {", "skipped minutes not rung after a gap"),
    ("alarms/AlarmWatch.cpp", "if (t - *lastCheck < JumpMs) {", "if (t - *lastCheck <= 10 * JumpMs) {", "a jump rung late instead of missed"),
    ("alarms/AlarmWatch.cpp", "memory.extra = minuteStart(now.toMSecsSinceEpoch(), Zone(now)) + minutes * MinuteMs;", "memory.extra = minuteStart(now.toMSecsSinceEpoch(), Zone(now)) + (minutes - 1) * MinuteMs;", "snooze a minute short"),
    ("alarms/AlarmWatch.cpp", "        if (memory.announced != ring)\n            result.starting.set(k);", "        result.starting.set(k);", "ringing notice at every check"),
    ("alarms/AlarmState.cpp", "return box.isEmpty() || box == u'0';", "return box.isEmpty();", "a row of zeros is not off"),
    ("alarms/AlarmState.cpp", "static constexpr int Highest[] = {31, 12, 9999, 23, 59};", "static constexpr int Highest[] = {31, 12, 9999, 24, 59};", "hour 24 allowed"),
    ("alarms/AlarmTexts.cpp", "const qint64 minutes = std::max<qint64>(1, (ms + MinuteMs - 1) / MinuteMs);", "const qint64 minutes = std::max<qint64>(1, ms / MinuteMs);", "time left rounded down"),
    ("alarms/AlarmScheduler.cpp", "if (k == 1 && book.row(1).waveFile.isEmpty())\n            book.setField(1,", "if (book.row(k).waveFile.isEmpty())\n            book.setField(k,", "every empty caption repaired"),
    ("settings/SettingsFormats.cpp", "while (end <= line.size() && line[end - 1] != u' ')", "while (end < line.size() && line[end - 1] != u' ')", "zone cut off by one at the line end"),
    ("settings/SettingsFormats.cpp", "        line += QString(ZoneWidth - line.size() % ZoneWidth, u' ');", "        line += QString(ZoneWidth - line.size() % ZoneWidth + 1, u' ');", "zones written 15 wide"),
    ("settings/AlarmFiles.cpp", "    if (!S_ISREG(status.st_mode)) {\n        *trouble = problem(FileProblem::NotRegular, path);\n        return std::nullopt;\n    }\n    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);\n    if (fd < 0) {\n        *trouble = systemProblem(path, errno);\n        return std::nullopt;\n    }\n    QFile file;\n    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);\n    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {", "    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);\n    if (fd < 0) {\n        *trouble = systemProblem(path, errno);\n        return std::nullopt;\n    }\n    QFile file;\n    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);\n    if (::fstat(fd, &status) != 0) {", "settings: a FIFO is read as a file"),
    ("settings/AlarmFiles.cpp", "    if (!write(file) || !file.flush()) {", "    if (!write(file)) {", "a save cut short is committed"),
    ("settings/window/Hset.cpp", "        if (dateBox(alarm, column)->text().isEmpty())\n            dateBox(alarm, column)->setText(QStringLiteral(\"0\"));", "", "Save no longer fills the clicked column"),
    ("settings/window/Hset.cpp", "    sound[HsetRow::Options] = NoWaveFile;", "    sound[HsetRow::Options] = book.row(alarm).waveFile;", "an option click keeps the wave file"),
    ("alarms/AlarmState.cpp", "state.kind = silent ? AlarmState::Silent : AlarmState::Rings;", "state.kind = AlarmState::Rings;", "a row with no sound called set"),
    ("alarms/AlarmState.cpp", "if (box == 2 && text.size() == 2 && exactNumber(text)) {", "if (false) {", "a two-digit year called past"),
    ("alarms/AlarmMatch.cpp", "!optionSelected(record.ring)\n           && !optionSelected(record.meeting);", "!optionSelected(record.ring);", "a meeting row called silent"),
    ("alarms/AlarmNotices.cpp", "        notice.timeoutMs = 0;\n", "", "the ringing notice may expire"),
    ("alarms/AlarmRinger.cpp", "        if (noticeUp[k] && !found.ringing[k]) {", "        if (false) {", "the ringing notice outlives its minute"),
    ("clock/ClockEngine.cpp", "        alarmRinger.cutLateRepetition(clockText(wallClock.now().time()));\n", "", "a repetition runs into the next minute"),
    ("settings/window/Hset.cpp", "    if (!path.isEmpty())\n        takeSoundChoice", "    takeSoundChoice", "a cancelled dialog changes the row"),
    ("shared/window/FocusButton.h", "            if (!event->isAutoRepeat())\n                click();\n", "", "Enter presses no button"),
    ("desktop/SingleInstance.cpp", "            if (onRaise)\n                onRaise();", "", "a second start does not raise the window"),
    ("desktop/Autostart.cpp", "        if (c == u'\"' || c == u'`' || c == u'$' || c == u'\\\\')", "        if (c == u'\"' || c == u'`' || c == u'$')", "autostart Exec backslash not escaped"),
    ("app/SoundNotice.cpp", "    if (heard || told)\n        return;", "    if (heard)\n        return;", "no-sound notice repeated"),
    ("app/CommandLine.cpp", "        options.language = qint16(index);", "", "--lang ignored"),
    ("app/CommandLine.cpp", "    options.language = desktopLanguage();\n", "", "--say ignores the desktop's language"),
    ("settings/SoundSettings.h", "hour >= from && hour < to : hour >= from || hour < to", "hour >= from && hour <= to : hour >= from || hour <= to", "quiet hours take in the hour they end at"),
    ("clock/ClockEngine.cpp", " && !book.quietHours().covers(clockHour(shownTime.Label1))", "", "quiet hours ignored"),
    ("settings/AlarmFiles.cpp", "        if (line && !kept.contains(name)) {", "        if (false) {", "a damaged file beside the old two is overwritten unsaid"),
    ("clock/ClockEngine.cpp", "    if (state.CurrentLanguage == English)\n        announceIfDue", "    if (state.CurrentLanguage == German)\n        announceIfDue", "English never announced by itself"),
    ("clock/window/HorP.cpp", "draw24(Image2, shown.row24);", "draw24(Image2, shown.Label1);", "the glyph rows stop during a sound"),
    ("clock/ClockTexts.cpp", "return (59 - now.second()) * 1000 + msUntilNextSecond(now);", "return 60000;", "the hidden clock ticks off the minute"),
    ("alarms/AlarmTexts.cpp", "return format.indexOf(u'M') < format.indexOf(u'd');", "return false;", "American dates with the day first"),
    ("app/main.cpp", "alarmStates(book.rows(), minuteStart(now.toMSecsSinceEpoch(), zone) - 1, zone)", "alarmStates(book.rows(), now.toMSecsSinceEpoch(), zone)", "a start within an alarm's minute tells no missing output"),
    ("settings/window/Hset.cpp", "if (!saving && book.changed() && services.askToSave) {", "if (!saving && services.askToSave) {", "ALARM SET asks with nothing changed"),
    ("settings/AlarmFiles.cpp", "            if (!already)\n                problems << problem(FileProblem::SetAside", "            problems << problem(FileProblem::SetAside", "a table set aside is told at every start"),
    ("alarms/SoundFileCheck.cpp", "    if (shared->files[waveFile].looking)\n        return shared->files[waveFile].plays;\n", "", "a file held by the kernel looked at again and again"),
    ("shared/Texts.cpp", "contains(u'a', Qt::CaseInsensitive))", "contains(u'a', Qt::CaseInsensitive) && false)", "American times in 24 hours"),
    ("alarms/AlarmTexts.cpp", "const QString notice = withName(words, words.ringing.arg(words.alarm.arg(alarm), when), name);",
     "const QString notice = words.ringing.arg(words.alarm.arg(alarm), when);", "a ringing notice without the alarm's name"),
]


def run(command, cwd, log, timeout=None):
    with open(log, "a") as out:
        try:
            return subprocess.run([str(c) for c in command], cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            out.write(f"\n*** no end after {timeout} s\n")
            return 1


def first_failure(log):
    for line in pathlib.Path(log).read_text(errors="replace").splitlines():
        if "***Failed" in line or "***Timeout" in line or "***Exception" in line or ("Failed" in line and "Test #" in line):
            return line.split(":", 1)[-1].split()[0]
    return "?"


def digest(path):
    h = hashlib.sha1()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


class Copy:
    """One copy of the tree with its own build folder, and what each of its tests runs."""

    def __init__(self, top, folder, build_jobs):
        self.tree, self.build, self.jobs = folder, folder / "build", build_jobs
        self.log = folder.parent / f"{folder.name}-build.log"
        # A copy left by an earlier run is brought up to date file by file, so its build stays valid.
        files = subprocess.run(["git", "ls-files", "-z"], cwd=top, capture_output=True, check=True).stdout.split(b"\0")
        names = {name.decode() for name in files if name}
        if folder.exists():
            for old in folder.rglob("*"):
                relative = old.relative_to(folder).as_posix()
                if old.is_file() and not relative.startswith("build/") and relative not in names:
                    old.unlink()
        for name in names:
            target = folder / name
            if not target.is_file() or target.read_bytes() != (top / name).read_bytes():
                target.parent.mkdir(parents=True, exist_ok=True)
                shutil.copyfile(top / name, target)  # a new time, so that the build sees the change
                shutil.copymode(top / name, target)
        # A run stopped while a fault was in may have left its build made from the fault.
        self.marker = folder.parent / f"{folder.name}-fault"
        if self.marker.exists():
            (folder / "src" / self.marker.read_text()).touch()
            self.marker.unlink()

    def set_up(self):
        self.log.write_text("")
        if run(["cmake", "-S", self.tree, "-B", self.build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"], self.tree, self.log) \
                or not self.make(self.log):
            sys.exit(f"the unchanged tree does not build: {self.log}")
        shown = subprocess.run(["ctest", "--test-dir", self.build, "--show-only=json-v1"], capture_output=True,
                               text=True, check=True).stdout
        built = [p for p in self.build.rglob("*") if p.is_file() and os.access(p, os.X_OK) and p.suffix in ("",)]
        self.tests = []  # (name, is a scenario, files it runs or names, reads the sources)
        for test in json.loads(shown)["tests"]:
            command = [pathlib.Path(c) for c in test.get("command", [])]
            labels = next((p["value"] for p in test.get("properties", []) if p["name"] == "LABELS"), [])
            runs = {c for c in command if c.is_file() and self.build in c.parents}
            text = command[0].read_bytes() if command and self.build in command[0].parents else b""
            # A test may name another program of the build inside itself (the command-line test
            # starts the real program) or read the sources (the texts test).
            # Paths in a QStringLiteral are kept as UTF-16.
            named = lambda path: str(path).encode() in text or str(path).encode("utf-16-le") in text
            runs |= {p for p in built if named(p)}
            sources = named(self.tree / "src") or any(str(c) == str(self.tree) for c in command)
            self.tests.append((test["name"], "blackbox" in labels, runs, sources))
        self.baseline = {p: digest(p) for t in self.tests for p in t[2]}

    def make(self, log):
        return run(["cmake", "--build", self.build, "-j", self.jobs], self.tree, log) == 0

    def candidates(self):
        changed = {p for p, d in self.baseline.items() if not p.exists() or digest(p) != d}
        return [(name, scenario) for name, scenario, runs, sources in self.tests if sources or runs & changed]

    def try_fault(self, path, old, new, log):
        source = self.tree / "src" / path
        text = source.read_text()
        if text.count(old) != 1:
            return "stale", None
        self.marker.write_text(path)
        source.write_text(text.replace(old, new))
        try:
            if not self.make(log):
                return "does not build", None
            chosen = self.candidates()
            with open(log, "a") as out:
                out.write("\nthe tests that can see it: " + " ".join(name for name, _ in chosen) + "\n")
            for scenarios in (False, True):
                names = [name for name, scenario in chosen if scenario == scenarios]
                if names and run(["ctest", "--test-dir", self.build, "--stop-on-failure", "--output-on-failure",
                                  "--timeout", "300", "-R", "^(" + "|".join(map(re.escape, names)) + ")$"],
                                 self.tree, log, 3600):
                    return "caught", first_failure(log)
            return "MISSED", f"{len(chosen)} tests ran"
        finally:
            source.write_text(text)
            self.marker.unlink()


def main():
    parser = argparse.ArgumentParser(description="Seeds faults into copies of the tree and runs the tests that could see them.")
    top = pathlib.Path(__file__).resolve().parent.parent
    parser.add_argument("--work", default=str(top.parent / f"{top.name}-mutants"),
                        help="where the copies and their builds go (default: beside the tree)")
    parser.add_argument("--jobs", type=int, default=2, help="copies of the tree working side by side")
    parser.add_argument("--only", help="comma-separated fault numbers")
    parser.add_argument("--list", action="store_true", help="list the faults and whether each still applies")
    args = parser.parse_args()
    chosen = [int(n) for n in args.only.split(",")] if args.only else list(range(1, len(FAULTS) + 1))
    if any(n < 1 or n > len(FAULTS) for n in chosen):
        sys.exit(f"faults are numbered 1 to {len(FAULTS)}")

    if args.list:
        for n in chosen:
            path, old, _, what = FAULTS[n - 1]
            count = (top / "src" / path).read_text().count(old)
            print(f"{n:3} {'ok   ' if count == 1 else 'STALE'} {path}: {what}")
        return 0

    began = time.monotonic()
    work = pathlib.Path(args.work).resolve()
    work.mkdir(parents=True, exist_ok=True)
    jobs = max(1, min(args.jobs, len(chosen)))
    copies = [Copy(top, work / f"copy{i + 1}", max(1, (os.cpu_count() or 2) // jobs)) for i in range(jobs)]
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        list(pool.map(Copy.set_up, copies))
    print(f"{jobs} copies built in {time.monotonic() - began:.0f} s", flush=True)

    free = queue.Queue()
    for copy in copies:
        free.put(copy)
    printing = threading.Lock()
    verdicts = {}

    def one(n):
        path, old, new, what = FAULTS[n - 1]
        copy = free.get()
        try:
            started = time.monotonic()
            log = work / f"fault-{n}.log"
            log.write_text("")
            verdict, detail = copy.try_fault(path, old, new, log)
        finally:
            free.put(copy)
        verdicts[n] = verdict
        shown = verdict + (f" by {detail}" if verdict == "caught" else f" ({detail})" if detail else "")
        with printing:
            print(f"{n:3} {path:32} {what:45} {shown} ({time.monotonic() - started:.0f} s, {copy.tree.name})", flush=True)
        return n, path, what, shown

    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        rows = sorted(pool.map(one, chosen))

    print("\n| # | file | fault | verdict |\n|---|---|---|---|")
    for n, path, what, shown in rows:
        print(f"| {n} | {path} | {what} | {shown} |")
    counts = {v: sum(1 for x in verdicts.values() if x == v) for v in ("caught", "MISSED", "stale", "does not build")}
    print(f"\ncaught {counts['caught']}, missed {counts['MISSED']}, stale {counts['stale']}, "
          f"not built {counts['does not build']} of {len(chosen)} in {(time.monotonic() - began) / 60:.1f} min")
    return 0 if counts["MISSED"] == counts["stale"] == counts["does not build"] == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
