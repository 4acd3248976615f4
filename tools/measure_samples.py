#!/usr/bin/python3
"""Measures how the built-in samples sound joined into phrases, on what `kalindor --say ... --output` writes.

- Pitch at the word joins, per language, on a fixed set of times and dates: the median size of the step from the
  end of one word to the start of the next, in semitones, and the share of joins that step up by more than
  2 semitones (a new phrase starting at every word) or down by more than 2.
- At the same joins: the longest stretch under -45 dBFS that spans a join (a gap), and the largest step
  between the last sample of one word and the first of the next (a click), in dBFS.
- How often PocketSphinx (US English model) mishears the English number words, heard directly (16 kHz) and
  through a phone-band channel (8 kHz mu-law), on a fixed set of times and dates; and, as the yardstick, the
  same times made of Debian saytime's human-recorded words in saytime's own wording.
- A rough proxy for French and German: the numbers 0-59 and the twelve months as the program says them inside
  phrases, cut out at the word boundaries, heard by the same English model with a French or German
  pronunciation lexicon of our own (English phones standing in for the language's) and a closed grammar of
  those 72 items. It knows the words but not the voice; its counts compare sample sets, nothing more.
  --before measures another build the same way, side by side.

PocketSphinx, its model and saytime are used where installed; otherwise they are unpacked for the run by
private_debs.sh (a sources list of its own, nothing installed; --debs DIR keeps them for the next run).
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

# Where PocketSphinx, its model and saytime's words are; under a private unpacked root when not installed.
ROOT = "/"
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


# ---- the French and German proxy: what each sample says, in English phones ----

# Tokens of the French and German samples that the proxy hears, and a pronunciation of each in the phones of the
# US English model: the nearest English phones, nasal vowels as vowel and nasal, front rounded vowels as their
# unrounded or back neighbours, the French and German r as R, ach-laut as K.
PROXY_WORDS = {
    "fr": {10: ("zero", "Z EY R OW"), 11: ("une", "UW N"), 12: ("deux", "D ER"), 13: ("trois", "T R W AA"),
           14: ("quatre", "K AE T R"), 15: ("cinq", "S AE NG K"), 16: ("six", "S IY S"), 17: ("sept", "S EH T"),
           18: ("huit", "W IY T"), 19: ("neuf", "N ER F"), 20: ("dix", "D IY S"), 21: ("onze", "AO N Z"),
           22: ("douze", "D UW Z"), 23: ("treize", "T R EH Z"), 24: ("quatorze", "K AE T AO R Z"),
           25: ("quinze", "K AE N Z"), 26: ("seize", "S EH Z"), 27: ("dixsept", "D IY S EH T"),
           28: ("dixhuit", "D IY Z W IY T"), 29: ("dixneuf", "D IY Z N ER F"), 30: ("vingt", "V AE N"),
           31: ("trente", "T R AA N T"), 32: ("quarante", "K AE R AA N T"), 33: ("cinquante", "S AE NG K AA N T"),
           34: ("et", "EY"), 44: ("janvier", "ZH AA N V Y EY"), 45: ("fevrier", "F EY V R IY EY"),
           46: ("mars", "M AA R S"), 47: ("avril", "AE V R IY L"), 48: ("mai", "M EH"), 49: ("juin", "ZH W AE N"),
           50: ("juillet", "ZH W IY Y EH"), 51: ("aout", "UW T"), 52: ("septembre", "S EH P T AA M B R"),
           53: ("octobre", "AO K T AO B R"), 54: ("novembre", "N AO V AA M B R"),
           55: ("decembre", "D EY S AA M B R")},
    "de": {70: ("null", "N UH L"), 71: ("ein", "AY N"), 72: ("zwei", "T S V AY"), 73: ("drei", "D R AY"),
           74: ("vier", "F IY R"), 75: ("fuenf", "F IH N F"), 76: ("sechs", "Z EH K S"), 77: ("sieben", "Z IY B AH N"),
           78: ("acht", "AA K T"), 79: ("neun", "N OY N"), 80: ("zehn", "T S EY N"), 81: ("elf", "EH L F"),
           82: ("zwoelf", "T S V ER L F"), 83: ("dreizehn", "D R AY T S EY N"), 84: ("vierzehn", "F IH R T S EY N"),
           85: ("fuenfzehn", "F IH N F T S EY N"), 86: ("sechzehn", "Z EH K T S EY N"),
           87: ("siebzehn", "Z IY P T S EY N"), 88: ("achtzehn", "AA K T S EY N"),
           89: ("neunzehn", "N OY N T S EY N"), 90: ("zwanzig", "T S V AA N T S IH K"),
           91: ("dreissig", "D R AY S IH K"), 92: ("vierzig", "F IH R T S IH K"),
           93: ("fuenfzig", "F IH N F T S IH K"), 94: ("und", "UH N T"), 104: ("januar", "Y AA N UW AA R"),
           105: ("februar", "F EY B R UW AA R"), 106: ("maerz", "M EH R T S"), 107: ("april", "AA P R IH L"),
           108: ("mai", "M AY"), 109: ("juni", "Y UW N IY"), 110: ("juli", "Y UW L IY"),
           111: ("august", "AW G UH S T"), 112: ("september", "Z EH P T EH M B ER"),
           113: ("oktober", "AA K T OW B ER"), 114: ("november", "N OW V EH M B ER"),
           115: ("dezember", "D EY T S EH M B ER")},
}


def proxy_items(lang):
    """The 72 items: (name, what the program is asked to say, when, the sample identifiers of the item within the
    phrase's sequence, where they start in it). Number n is the minutes of 10:n (n = 0: the hour of 00:10);
    month m is the month of the 15th."""
    items = []
    for n in range(60):
        h, m = (0, 10) if n == 0 else (10, n)
        ids = time_ids(lang, h, m)
        first, count = (0, 1) if n == 0 else (2, len(ids) - 2)
        items.append((f"{lang}_n{n:02d}", "time", f"2024-06-03 {h:02d}:{m:02d}", ids, first, count))
    for month in range(1, 13):
        date = datetime.date(2024, month, 15)
        ids = date_ids(lang, date)
        first = ids.index({"fr": 43, "de": 103}[lang] + month)
        items.append((f"{lang}_m{month:02d}", "date", f"{date.isoformat()} 12:00", ids, first, 1))
    return items


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


def model():
    return os.path.join(ROOT, "usr/share/pocketsphinx/model/en-us")


def recognise(directory, names, work, grammar_text=None, lexicon=None):
    """PocketSphinx's hypotheses for directory/NAME.wav (16 kHz 16-bit mono with a 44-byte header), with the
    clock grammar and the English dictionary unless others are given."""
    grammar, ctl, hyp, dictionary = (os.path.join(work, f) for f in ("clock.gram", "files.ctl", "out.hyp", "lex.dict"))
    with open(grammar, "w") as f:
        f.write(grammar_text or GRAMMAR)
    with open(ctl, "w") as f:
        f.write("".join(f"{n}\n" for n in names))
    if lexicon:
        with open(dictionary, "w") as f:
            f.write("".join(f"{word} {phones}\n" for word, phones in sorted(lexicon.items())))
    else:
        dictionary = f"{model()}/cmudict-en-us.dict"
    env = dict(os.environ, LD_LIBRARY_PATH=os.path.join(ROOT, "usr/lib/x86_64-linux-gnu"))
    subprocess.run([os.path.join(ROOT, "usr/bin/pocketsphinx_batch"), "-hmm", f"{model()}/en-us",
                    "-dict", dictionary, "-jsgf", grammar, "-ctl", ctl, "-cepdir", directory, "-cepext", ".wav",
                    "-adcin", "yes", "-adchdr", "44", "-hyp", hyp, "-logfn", os.devnull], check=True, env=env)
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
        return out, [int(b) for b in np.cumsum([0] + frames)]


def at_rate(bounds, rate=RATE):
    return [round(b * rate / 44100) for b in bounds]


def join_edges(x, bounds, floor_db=-45.0):
    """At every inner boundary of x (44.1 kHz): the length in ms of the stretch under floor_db around it, and the
    step from the word's last sample to the next word's first, in dBFS."""
    quiet = np.abs(x) < 10 ** (floor_db / 20)
    gaps, clicks = [], []
    for b in bounds[1:-1]:
        lo, hi = b, b
        while lo > 0 and quiet[lo - 1]:
            lo -= 1
        while hi < len(x) and quiet[hi]:
            hi += 1
        gaps.append(1000.0 * (hi - lo) / 44100)
        clicks.append(20 * np.log10(max(abs(x[b] - x[b - 1]), 1e-6)))
    return gaps, clicks


def pitch_report(phrases, times, dates, work):
    print(f"Pitch at word joins ({len(times)} times and {len(dates)} dates per language; a step goes from the end"
          " of one word to the start of the next; joins with a voiceless side are left out)")
    for lang in ("fr", "de", "en"):
        jobs = [("time", f"2024-06-03 {h:02d}:{m:02d}", time_ids(lang, h, m), f"{lang}_{h:02d}{m:02d}")
                for h, m in times]
        jobs += [("date", f"{d.isoformat()} 12:00", date_ids(lang, d), f"{lang}_{d:%Y%m%d}") for d in dates]
        steps, pitch, gaps, clicks = [], [], [], []
        for what, moment, ids, name in jobs:
            out, bounds = phrases.say(what, lang, moment, ids, name)
            found = join_edges(read_wav(out)[0], bounds)
            gaps += found[0]
            clicks += found[1]
            resampled = os.path.join(work, "pitch.wav")
            sox(out, "-r", str(RATE), "-b", "16", resampled)
            found, voiced = join_steps(*read_wav(resampled), at_rate(bounds))
            steps += found
            pitch += list(voiced)
        measured = np.array([s for s in steps if s is not None])
        if len(measured):
            print(f"  {lang}: median |step| {np.median(np.abs(measured)):.2f} semitones; "
                  f"{100 * np.mean(measured > 2):.1f} % of joins step up by more than 2 semitones, "
                  f"{100 * np.mean(measured < -2):.1f} % down; {len(measured)} joins measured, "
                  f"{len(steps) - len(measured)} voiceless; median pitch {np.median(pitch):.0f} Hz")
        if gaps:
            print(f"      under -45 dBFS across a join: median {np.median(gaps):.1f} ms, longest {max(gaps):.1f} ms;"
                  f" largest step at a join {max(clicks):.1f} dBFS")


def listening_report(phrases, times, dates, work, show):
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
    saytime = os.path.join(ROOT, "usr/share/saytime")
    os.makedirs(os.path.join(work, "saytime"), exist_ok=True)
    names, refs = [], []
    for h, m in times:
        name = f"saytime_{h:02d}{m:02d}"
        # Its files are headerless 8 kHz mu-law: heard directly or through the phone band, they are the same.
        inputs = [a for f in saytime_files(h, m) for a in ("-t", "ul", "-r", "8000", "-c", "1", f"{saytime}/{f}.au")]
        sox(*inputs, "-r", str(RATE), "-e", "signed", "-b", "16", os.path.join(work, "saytime", name + ".wav"))
        names.append(name)
        refs.append(saytime_words(h, m))
    result = score(refs, recognise(os.path.join(work, "saytime"), names, work), show)
    print(f"  {len(names)} times in saytime's recorded words and wording (8 kHz mu-law as shipped): {result}")


def proxy_report(sets, work):
    """sets: (label, Phrases) pairs, each heard the same way."""
    print("French and German proxy: numbers 0-59 and months cut from the program's phrases, heard by the US English"
          " model with a lexicon of the language's words in English phones and a closed grammar of the 72 items;"
          " items heard right (a rough proxy: it compares sample sets, it is no French or German listener)")
    for lang in ("fr", "de"):
        words = PROXY_WORDS[lang]
        items = proxy_items(lang)
        lexicon = dict(words.values())
        references = [[words[i][0] for i in ids[first:first + count]] for _, _, _, ids, first, count in items]
        grammar = (f"#JSGF V1.0;\ngrammar items;\npublic <item> = "
                   + " | ".join(sorted({" ".join(r) for r in references})) + ";\n")
        row = []
        for label, phrases in sets:
            directory = os.path.join(work, f"proxy_{lang}_{len(row)}")
            os.makedirs(directory, exist_ok=True)
            names = []
            for name, what, moment, ids, first, count in items:
                out, bounds = phrases.say(what, lang, moment, ids, name)
                # The item alone, with the silence around it that a recogniser expects.
                start, end = bounds[first], bounds[first + count]
                sox(out, "-r", str(RATE), "-b", "16", os.path.join(directory, name + ".wav"),
                    "trim", f"{start}s", f"={end}s", "pad", "0.3", "0.3")
                names.append(name)
            heard = recognise(directory, names, work, grammar, lexicon)
            right = [h == r for h, r in zip(heard, references)]
            row.append(f"{label} numbers {sum(right[:60])}/60, months {sum(right[60:])}/12")
        print(f"  {lang}: " + "; ".join(row))


def find_listeners(debs, work):
    """Points ROOT at an installed PocketSphinx with its model and saytime, or unpacks them privately."""
    global ROOT
    if (shutil.which("pocketsphinx_batch") == "/usr/bin/pocketsphinx_batch" and os.path.isdir(model())
            and os.path.isdir("/usr/share/saytime")):
        return
    debs = debs or os.path.join(work, "debs")
    ROOT = os.path.join(os.path.abspath(debs), "root")
    if not os.path.exists(os.path.join(ROOT, "usr/bin/pocketsphinx_batch")):
        subprocess.run([os.path.join(os.path.dirname(os.path.abspath(__file__)), "private_debs.sh"), debs, "main",
                        "pocketsphinx", "pocketsphinx-en-us", "saytime"], check=True)


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
    parser.add_argument("--before", nargs=2, metavar=("KALINDOR", "SAMPLES"),
                        help="another build and its sample set, heard by the French and German proxy beside this one")
    parser.add_argument("--debs", metavar="DIR", help="unpack PocketSphinx and saytime here and reuse them")
    parser.add_argument("--proxy-only", action="store_true", help="only the French and German proxy")
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
        find_listeners(args.debs, work)
        sets = [("this", phrases)]
        if args.before:
            before = os.path.join(work, "before")
            os.makedirs(before, exist_ok=True)
            sets = [("before", Phrases(*args.before, before)), ("after", phrases)]
        proxy_report(sets, work)
        if args.proxy_only:
            return
        times = fixed_times(max(args.times, args.pitch_times))
        pitch_times = times[:: max(1, len(times) // max(args.pitch_times, 1))][: args.pitch_times]
        pitch_report(phrases, pitch_times, fixed_dates(args.pitch_dates), work)
        listening_report(phrases, times[: args.times], fixed_dates(args.dates), work, args.show)
    finally:
        if not args.keep:
            shutil.rmtree(work)


if __name__ == "__main__":
    main()
