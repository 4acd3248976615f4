#!/usr/bin/python3
"""Measures how the built-in samples sound joined into phrases, on what `kalindor --say ... --output` writes.

- Pitch at the word joins, per language, on a fixed set of times and dates: the median size of the step from the
  end of one word to the start of the next, in semitones, and the share of joins that step up by more than
  2 semitones (a new phrase starting at every word) or down by more than 2.
- Where PocketSphinx and its US English model are installed: how often the English number words are misheard,
  heard directly (16 kHz) and through a phone-band channel (8 kHz mu-law), on a fixed set of times and dates;
  and, as the yardstick, the same times made of Debian saytime's human-recorded words in saytime's own wording.

Run by hand, like make_samples.sh. The sample images are read only for their lengths, which give the word
boundaries; the phrases' sample sequences follow the program's phrase rules. Needs python3-numpy and sox.
"""
import argparse
import datetime
import os
import shutil
import struct
import subprocess
import sys
import tempfile

try:
    import numpy as np
except ImportError:
    sys.exit("measure_samples.py: needs python3-numpy (apt-get install python3-numpy)")

MODEL = "/usr/share/pocketsphinx/model/en-us"
SAYTIME = "/usr/share/saytime"
RATE = 16000  # what the pitch tracker and PocketSphinx's model work at

# ---- the phrases: which samples each one plays, in order ----

LIAISON_HOURS = {2, 3, 6, 10, 11, 12, 13, 14, 15, 16, 22, 23}


def two_digit_fr(n, one):
    t, u = divmod(n, 10)
    return [28 + t] + ([34, one] if u == 1 else [10 + u] if u else [])


def two_digit_de(n):
    t, u = divmod(n, 10)
    return ([70 + u, 94] if u else []) + [88 + t]


def two_digit_en(n):
    t, u = divmod(n, 10)
    return [148 + t] + ([130 + u] if u else [])


def time_ids(lang, h, m):
    if lang == "fr":
        ids = ([10 + h] if h <= 20 else two_digit_fr(h, 11)) + [36 if h in LIAISON_HOURS else 35]
        return ids + (([10 + m] if m <= 20 else two_digit_fr(m, 11)) if m else [])
    if lang == "de":
        ids = ([70 + h] if h <= 20 else two_digit_de(h)) + [95]
        return ids + (([70 + m] if m <= 20 else two_digit_de(m)) if m else [])
    ids = [130 + (h if h <= 12 else h - 12)]
    ids += [194] if m == 0 else [130 + m] if m <= 20 else two_digit_en(m)
    return ids + [155 if h <= 11 else 156]


def year_ids(lang, y):
    if y < 1998:
        return []
    base = {"fr": 57, "de": 117, "en": 186}[lang]
    if y <= 2004:
        return [base + y - 1998]
    r = y % 100
    if r < 21:
        return [base + 2, {"fr": 10, "de": 70, "en": 130}[lang] + r]
    if r >= 60:
        return [base + 2]
    return [base + 2] + {"fr": lambda: two_digit_fr(r, 64), "de": lambda: two_digit_de(r),
                         "en": lambda: two_digit_en(r)}[lang]()


def date_ids(lang, date):
    w, d, m = date.isoweekday() % 7 + 1, date.day, date.month
    if lang == "fr":
        ids = [36 + w, 200] + (two_digit_fr(d, 64) if d > 20 else [69] if d == 1 else [10 + d])
        return ids + [43 + m] + year_ids(lang, date.year)
    if lang == "de":
        ids = [96 + w, 126] + (two_digit_de(d) if d > 20 else [128] if d == 1 else [201] if d == 3 else [70 + d])
        return ids + [127, 103 + m] + year_ids(lang, date.year)
    if d > 20:
        ids = two_digit_en(d) + [181 if d % 10 == 1 else 182 if d % 10 in (2, 3) else 180]
    else:
        ids = [176 + d] if d <= 3 else [130 + d, 180]
    return [157 + w, 185] + ids + [183, 164 + m] + year_ids(lang, date.year)


def fixed_times(n):
    """Minute k * 367 of the day for k < n: 367 is prime to 1440, so all differ and every hour and minute occurs."""
    return [divmod(k * 367 % 1440, 60) for k in range(n)]


def fixed_dates(n):
    """n days spread evenly from 1 March 1999 to the end of 2099, so all weekdays, days, months and kinds of year
    occur."""
    first, last = datetime.date(1999, 3, 1), datetime.date(2099, 12, 31)
    step = (last - first).days // max(n, 1)
    step -= step % 7 == 0  # a whole number of weeks would keep the weekday
    return [first + datetime.timedelta(days=k * step) for k in range(n)]


# ---- the words each English sample says, and what PocketSphinx may hear ----

UNITS = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "eleven", "twelve",
         "thirteen", "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"]
TENS = ["twenty", "thirty", "forty", "fifty"]
WEEKDAYS = ["sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"]
MONTHS = ["january", "february", "march", "april", "may", "june", "july", "august", "september", "october",
          "november", "december"]
# A number word followed by an ending sample is heard as one ordinal.
ORDINALS = {"one": "first", "two": "second", "three": "third", "five": "fifth", "eight": "eighth", "nine": "ninth",
            "twelve": "twelfth", "twenty": "twentieth", "thirty": "thirtieth"}
DAY_UNITS = ["first", "second", "third"] + [ORDINALS.get(w, w + "th") for w in UNITS[4:10]]
ORDINAL_WORDS = set(DAY_UNITS) | {ORDINALS.get(w, w + "th") for w in UNITS[10:] + TENS[:2]}
NUMBER_WORDS = set(UNITS) | set(TENS) | ORDINAL_WORDS | {"thousand"}

SAMPLE_WORDS = {130 + n: [w] for n, w in enumerate(UNITS)}
SAMPLE_WORDS.update({150 + k: [w] for k, w in enumerate(TENS)})
SAMPLE_WORDS.update({155: ["a.m."], 156: ["p.m."], 183: ["of"], 185: ["the"], 194: ["o'clock"], 186: [],
                     177: ["first"], 178: ["second"], 179: ["third"], 187: "nineteen ninety nine".split(),
                     188: ["two", "thousand"]})
SAMPLE_WORDS.update({158 + k: [w] for k, w in enumerate(WEEKDAYS)})
SAMPLE_WORDS.update({165 + k: [w] for k, w in enumerate(MONTHS)})
SAMPLE_WORDS.update({189 + k: ["two", "thousand", UNITS[k + 1]] for k in range(4)})


def spoken_words(ids):
    words = []
    for i in ids:
        if 180 <= i <= 182:  # an ending turns the number word before it into an ordinal
            words[-1] = ORDINALS.get(words[-1], words[-1] + "th")
        else:
            words += SAMPLE_WORDS[i]
    return words


def alternatives(words):
    return " | ".join(words)


# The program's wording and saytime's ("oh" before minutes under 10, twelve at midnight) are both in the grammar.
GRAMMAR = f"""#JSGF V1.0;
grammar clock;
public <phrase> = <time> | <date>;
<time> = <hour> ( o'clock | <minutes> ) ( a.m. | p.m. );
<hour> = {alternatives(UNITS[:13])};
<digit> = {alternatives(UNITS[1:10])};
<tens> = {alternatives(TENS)};
<minutes> = [ oh ] <digit> | {alternatives(UNITS[10:20])} | <tens> [ <digit> ];
<date> = ( {alternatives(WEEKDAYS)} ) the <day> of ( {alternatives(MONTHS)} ) [ <year> ];
<day> = {alternatives(sorted(ORDINAL_WORDS))} | ( twenty | thirty ) ( {alternatives(DAY_UNITS)} );
<year> = nineteen ninety nine | two thousand [ {alternatives(UNITS[1:20])} | <tens> [ <digit> ] ];
"""


def saytime_files(h, m):
    """The word files of `saytime -f %l%M` at h:m: the 12-hour hour, then o'clock, or oh and the units, or the
    number, then am or pm."""
    if m == 0:
        minutes = ["oclock"]
    elif m < 10:
        minutes = ["oh", str(m)]
    elif m <= 20 or m % 10 == 0:
        minutes = [str(m)]
    else:
        minutes = [str(m - m % 10), str(m % 10)]
    return [str(h % 12 or 12)] + minutes + ["am" if h < 12 else "pm"]


def saytime_words(h, m):
    named = {"oclock": "o'clock", "oh": "oh", "am": "a.m.", "pm": "p.m."}
    return [named[f] if f in named else UNITS[int(f)] if int(f) < 20 else TENS[int(f) // 10 - 2]
            for f in saytime_files(h, m)]


# ---- audio ----

def read_wav(path):
    """A 16-bit PCM mono WAV as floats, and its rate."""
    with open(path, "rb") as f:
        data = f.read()
    pos, rate = 12, None
    while pos + 8 <= len(data):
        tag, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        if tag == b"fmt ":
            channels, rate = struct.unpack("<HI", data[pos + 10:pos + 16])
            if channels != 1 or struct.unpack("<H", data[pos + 22:pos + 24])[0] != 16:
                raise ValueError(f"{path}: not 16-bit mono")
        elif tag == b"data":
            return np.frombuffer(data[pos + 8:pos + 8 + size], dtype="<i2").astype(np.float64) / 32768, rate
        pos += 8 + size + (size & 1)
    raise ValueError(f"{path}: no data chunk")


def sample_frames(samples_dir, sid):
    """Decoded length of a sample image, from its fact chunk; an absent sample plays nothing."""
    path = os.path.join(samples_dir, f"{sid:03d}.wav")
    if not os.path.exists(path):
        return 0
    with open(path, "rb") as f:
        return struct.unpack("<I", f.read(64)[60:64])[0]


def sox(*args):
    # -D: no dither, so that a run repeats exactly.
    subprocess.run(["sox", "-D", *args], check=True)


def yin(x, rate, fmin=60.0, fmax=400.0, window=0.020, hop=0.005, threshold=0.15, floor_db=-42.0):
    """YIN pitch tracker: F0 per hop in Hz (0 where unvoiced or quiet), the sample where each frame starts, and the
    frame length (the window plus the longest lag)."""
    w, tmax, tmin, step = int(window * rate), int(rate / fmin), int(rate / fmax), int(hop * rate)
    span = w + tmax
    if len(x) < span:
        return np.zeros(0), np.zeros(0, dtype=int), span
    starts = np.arange(0, len(x) - span + 1, step)
    frames = np.lib.stride_tricks.sliding_window_view(x, span)[starts]
    n = 1 << int(np.ceil(np.log2(2 * span)))
    acf = np.fft.irfft(np.conj(np.fft.rfft(frames[:, :w], n)) * np.fft.rfft(frames, n), n)[:, :tmax + 1]
    sq = np.concatenate([np.zeros((len(starts), 1)), np.cumsum(frames ** 2, axis=1)], axis=1)
    energy = sq[:, w:w + tmax + 1] - sq[:, :tmax + 1]  # energy of the window shifted by each lag
    d = energy[:, :1] + energy - 2 * acf
    dn = np.ones_like(d)
    dn[:, 1:] = d[:, 1:] * np.arange(1, tmax + 1) / np.maximum(np.cumsum(d[:, 1:], axis=1), 1e-12)
    loud = 10 * np.log10(np.maximum(energy[:, 0] / w, 1e-12)) > floor_db
    f0 = np.zeros(len(starts))
    for i in np.nonzero(loud)[0]:
        row = dn[i]
        below = np.nonzero(row[tmin:tmax] < threshold)[0]
        if not len(below):
            continue
        t = tmin + below[0]
        while t + 1 < tmax and row[t + 1] < row[t]:
            t += 1
        a, b, c = row[t - 1], row[t], row[t + 1]
        shift = 0.5 * (a - c) / (a - 2 * b + c) if a - 2 * b + c > 0 else 0.0
        f0[i] = rate / (t + shift)
    return f0, starts, span


def join_steps(x, rate, bounds, reach=0.2, frames=4):
    """Pitch step in semitones at every inner boundary: from the median of the last voiced frames that lie wholly
    in the word before to the median of the first ones wholly in the word after, each within reach seconds of the
    join; None where either side is voiceless there. Also the pitch of every voiced frame."""
    f0, starts, span = yin(x, rate)
    steps = []
    for lo, b, hi in zip(bounds, bounds[1:], bounds[2:]):
        before = [f for s, f in zip(starts, f0) if f and s >= max(lo, b - reach * rate) and s + span <= b]
        after = [f for s, f in zip(starts, f0) if f and s >= b and s + span <= min(hi, b + reach * rate)]
        steps.append(12 * np.log2(np.median(after[:frames]) / np.median(before[-frames:]))
                     if before and after else None)
    return steps, f0[f0 > 0]


# ---- listening: PocketSphinx in grammar mode ----

def edit_distance(a, b):
    row = list(range(len(b) + 1))
    for i, x in enumerate(a, 1):
        prev, row[0] = row[0], i
        for j, y in enumerate(b, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (x != y))
    return row[-1]


def recognise(directory, names, work):
    """PocketSphinx's hypotheses for directory/NAME.wav (16 kHz 16-bit mono with a 44-byte header)."""
    grammar, ctl, hyp = (os.path.join(work, f) for f in ("clock.gram", "files.ctl", "out.hyp"))
    with open(grammar, "w") as f:
        f.write(GRAMMAR)
    with open(ctl, "w") as f:
        f.write("".join(f"{n}\n" for n in names))
    subprocess.run(["pocketsphinx_batch", "-hmm", f"{MODEL}/en-us", "-dict", f"{MODEL}/cmudict-en-us.dict",
                    "-jsgf", grammar, "-ctl", ctl, "-cepdir", directory, "-cepext", ".wav", "-adcin", "yes",
                    "-adchdr", "44", "-hyp", hyp, "-logfn", os.devnull], check=True)
    found = {}
    with open(hyp) as f:
        for line in f:
            words, _, rest = line.rpartition(" (")
            found[rest.split()[0]] = words.split()
    return [found.get(n, []) for n in names]


def score(references, hypotheses, show):
    """Number-word error in per cent (word edits between the number words said and heard, over the number words
    said), and the share of phrases in which any other word (A.M., o'clock, weekday, month ...) was misheard."""
    def numbers(words):
        return [w for w in words if w in NUMBER_WORDS]

    def others(words):
        return [w for w in words if w not in NUMBER_WORDS and w != "oh"]

    edits = total = other = 0
    for ref, hyp in zip(references, hypotheses):
        edits += edit_distance(numbers(ref), numbers(hyp))
        total += len(numbers(ref))
        other += others(ref) != others(hyp)
        if show and ref != hyp:
            print(f"      said {' '.join(ref)}; heard {' '.join(hyp) or '(nothing)'}")
    return f"{100.0 * edits / max(total, 1):.1f} % ({100.0 * other / max(len(references), 1):.1f} %)"


# ---- the run ----

class Phrases:
    """Writes phrases with the program and knows where their words meet."""

    def __init__(self, kalindor, samples, work):
        self.kalindor, self.samples, self.work, self.lengths = kalindor, samples, work, {}

    def say(self, what, lang, moment, ids, name):
        out = os.path.join(self.work, name + ".wav")
        subprocess.run([self.kalindor, "--say", what, "--lang", lang, "--at", moment, "--output", out], check=True,
                       stdout=subprocess.DEVNULL)
        written = len(read_wav(out)[0])
        frames = [self.lengths.setdefault(i, sample_frames(self.samples, i)) for i in ids]
        if sum(frames) != written:
            sys.exit(f"measure_samples.py: {name} has {written} frames, its samples {ids} {sum(frames)}:"
                     " --samples is not the set the program was built with")
        return out, [round(b * RATE / 44100) for b in np.cumsum([0] + frames)]


def pitch_report(phrases, times, dates, work):
    print(f"Pitch at word joins ({len(times)} times and {len(dates)} dates per language; a step goes from the end"
          " of one word to the start of the next; joins with a voiceless side are left out)")
    for lang in ("fr", "de", "en"):
        jobs = [("time", f"2024-06-03 {h:02d}:{m:02d}", time_ids(lang, h, m), f"{lang}_{h:02d}{m:02d}")
                for h, m in times]
        jobs += [("date", f"{d.isoformat()} 12:00", date_ids(lang, d), f"{lang}_{d:%Y%m%d}") for d in dates]
        steps, pitch = [], []
        for what, moment, ids, name in jobs:
            out, bounds = phrases.say(what, lang, moment, ids, name)
            resampled = os.path.join(work, "pitch.wav")
            sox(out, "-r", str(RATE), "-b", "16", resampled)
            found, voiced = join_steps(*read_wav(resampled), bounds)
            steps += found
            pitch += list(voiced)
        measured = np.array([s for s in steps if s is not None])
        if len(measured):
            print(f"  {lang}: median |step| {np.median(np.abs(measured)):.2f} semitones; "
                  f"{100 * np.mean(measured > 2):.1f} % of joins step up by more than 2 semitones, "
                  f"{100 * np.mean(measured < -2):.1f} % down; {len(measured)} joins measured, "
                  f"{len(steps) - len(measured)} voiceless; median pitch {np.median(pitch):.0f} Hz")


def listening_report(phrases, times, dates, work, show):
    if not (shutil.which("pocketsphinx_batch") and os.path.isdir(MODEL)):
        print("English listening test skipped: pocketsphinx and pocketsphinx-en-us are not installed")
        return
    print("English number words misheard by PocketSphinx (US English model, grammar mode); in brackets the share of"
          " phrases with any other word misheard")
    for label, moments in (("times", [(h, m, None) for h, m in times]), ("dates", [(0, 0, d) for d in dates])):
        if not moments:
            continue
        names, refs = [], []
        for h, m, d in moments:
            what, moment = ("date", f"{d.isoformat()} 12:00") if d else ("time", f"2024-06-03 {h:02d}:{m:02d}")
            ids = date_ids("en", d) if d else time_ids("en", h, m)
            name = f"en_{d:%Y%m%d}" if d else f"en_{h:02d}{m:02d}"
            out, _ = phrases.say(what, "en", moment, ids, name)
            for channel in ("direct", "phone"):
                os.makedirs(os.path.join(work, channel), exist_ok=True)
            sox(out, "-r", str(RATE), "-b", "16", os.path.join(work, "direct", name + ".wav"))
            narrow = os.path.join(work, "narrow.wav")
            sox(out, "-r", "8000", "-e", "mu-law", narrow)
            sox(narrow, "-r", str(RATE), "-e", "signed", "-b", "16", os.path.join(work, "phone", name + ".wav"))
            names.append(name)
            refs.append(spoken_words(ids))
        for channel, heard in (("directly", "direct"), ("through 8 kHz mu-law", "phone")):
            print(f"  {len(names)} {label}, {channel}: {score(refs, recognise(os.path.join(work, heard), names, work), show)}")
    if not times:
        return
    if not os.path.isdir(SAYTIME):
        print("  saytime is not installed: no comparison")
        return
    os.makedirs(os.path.join(work, "saytime"), exist_ok=True)
    names, refs = [], []
    for h, m in times:
        name = f"saytime_{h:02d}{m:02d}"
        # Its files are headerless 8 kHz mu-law: heard directly or through the phone band, they are the same.
        inputs = [a for f in saytime_files(h, m) for a in ("-t", "ul", "-r", "8000", "-c", "1", f"{SAYTIME}/{f}.au")]
        sox(*inputs, "-r", str(RATE), "-e", "signed", "-b", "16", os.path.join(work, "saytime", name + ".wav"))
        names.append(name)
        refs.append(saytime_words(h, m))
    result = score(refs, recognise(os.path.join(work, "saytime"), names, work), show)
    print(f"  {len(names)} times in saytime's recorded words and wording (8 kHz mu-law as shipped): {result}")


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--kalindor", default=os.path.join(root, "build/src/app/kalindor"), help="the program")
    parser.add_argument("--samples", default=os.path.join(root, "resources/samples"),
                        help="the sample set the program was built with, for the word boundaries")
    parser.add_argument("--times", type=int, default=240, help="English times heard by PocketSphinx (240)")
    parser.add_argument("--dates", type=int, default=60, help="English dates heard by PocketSphinx (60)")
    parser.add_argument("--pitch-times", type=int, default=60, help="times per language for the pitch (60)")
    parser.add_argument("--pitch-dates", type=int, default=20, help="dates per language for the pitch (20)")
    parser.add_argument("--show", action="store_true", help="list every phrase that PocketSphinx misheard")
    parser.add_argument("--keep", metavar="DIR", help="write the phrases into DIR and keep them")
    args = parser.parse_args()
    if not shutil.which("sox"):
        sys.exit("measure_samples.py: needs sox (apt-get install sox)")
    if not os.access(args.kalindor, os.X_OK):
        sys.exit(f"measure_samples.py: no program at {args.kalindor}: build it first (./dev.sh test)")
    work = args.keep or tempfile.mkdtemp(prefix="measure_samples.")
    os.makedirs(work, exist_ok=True)
    try:
        print(f"program {args.kalindor}, samples {args.samples}")
        phrases = Phrases(args.kalindor, args.samples, work)
        times = fixed_times(max(args.times, args.pitch_times))
        pitch_times = times[:: max(1, len(times) // max(args.pitch_times, 1))][: args.pitch_times]
        pitch_report(phrases, pitch_times, fixed_dates(args.pitch_dates), work)
        listening_report(phrases, times[: args.times], fixed_dates(args.dates), work, args.show)
    finally:
        if not args.keep:
            shutil.rmtree(work)


if __name__ == "__main__":
    main()
