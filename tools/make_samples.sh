#!/usr/bin/env bash
# Regenerates resources/samples/ (the built-in speech samples and alert.wav) with flite (English words),
# SVOX Pico (French and German words, the three meeting reminders), Praat (Pico's words levelled in pitch),
# sox and lame. flite, sox and lame are installed with apt-get if missing. Pico (Debian non-free) and Praat
# are only unpacked into the temporary folder for the run, by private_debs.sh with a sources list of its own,
# and are gone when the run ends: nothing on the machine changes for them.
# Run by hand after changing samples_words.tsv or a parameter below, then commit the images; the build never runs it.
# tools/measure_samples.py measures how the result sounds in phrases.
#   tools/make_samples.sh [output directory]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../resources/samples}
words=$here/samples_words.tsv
# The committed report describes the committed set; a trial run into another directory reports there.
report=$here/samples_report.txt
[ $# -ge 1 ] && report=$out/samples_report.txt

packages=(flite sox lame python3 g++ pkg-config libsndfile1-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    # The lock keeps concurrent installs on one machine apart.
    "${sudo[@]}" flock /tmp/apt.lock apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" flock /tmp/apt.lock apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# English: flite's awb voice. Each word is cut out of a carrier sentence at the phone times that flite reports,
# so that it starts and ends as it would inside speech, and its pitch is held level so that any word can
# follow any other without the jump of a new phrase. Of flite's voices whose pitch can be held level (rms's
# cannot), awb is the one that PocketSphinx hears best, directly and through a telephone channel; its level is
# the one that the trials favoured. The trials behind these choices are in samples_measured.txt.
FLITE_VOICE=awb
F0=120               # Hz, the level of the English words
F0_SPREAD=5          # Hz, flite's spread of pitch around F0: level, with a trace of its stresses left
# French and German: SVOX Pico's voices (female, 16 kHz), each word said alone. Pico reports no phone times
# and takes no pitch contour, so Praat resynthesises every word pitch-synchronously (overlap-add) at a level
# near the voice's own, keeping a trace of the word's own contour: PICO_KEEP is the power of the word's pitch
# over its median that is kept (0 holds it flat, 1 leaves it as spoken). A word said alone falls at its end;
# levelled, it joins any other word without the jump of a new phrase. The German voice falls further at a
# word's end than the French one, so less of its contour is kept. keep=POWER in a row's effects sets it for that
# row alone (the French months: heard alone by a listener, they want their own contour more than the joins
# want it flat; see samples_measured.txt).
declare -A PICO_LANG=([fr]=fr-FR [de]=de-DE [en]=en-GB)
declare -A PICO_F0=([fr]=160 [de]=145 [en]=170)
declare -A PICO_KEEP=([fr]=0.2 [de]=0.1 [en]=0.2)
# Pico's soft onsets and dying final consonants lie for tens of ms between -60 and -45 dBFS, heard as a gap
# where one word follows another. An expander lifts that range towards the word's level (it reads the
# envelope 2 ms ahead, so an onset is not overshot); the loud part of the word is left as it is.
# Pico lets a word's last consonant die away for up to 0.15 s far under the level of the word, a pause where
# a phrase goes on; its words end where the lifted sound last passes PICO_TAIL_DB instead of TRIM_DB, which
# keeps the consonant's release down to about -63 dBFS as Pico said it.
PICO_TAIL_DB=${PICO_TAIL_DB:--48}
PICO_LIFT=${PICO_LIFT:-compand 0.002,0.03 -90,-90,-75,-75,-62,-46,-40,-34,-20,-20,0,0 0 -90 0.002}
# ENGLISH=pico makes the English words with Pico's en-GB voice too (a trial; flite stays the default).
# ENGLISH=keep takes the English words (flite's rows) as they are in resources/samples with their report lines,
# to remake the other languages alone: flite's rows come out the same on every run anyway.
ENGLISH=${ENGLISH:-flite}
# ROWS="44-55 92" remakes only those rows (identifiers or ranges); every other image and its report line are
# taken as they are in resources/samples. Rows that are not changed come out the same on every run anyway.
ROWS=${ROWS:-}

WORD_RMS=-22         # dBFS over the whole trimmed sample, the same for every spoken sample
ENDING_RMS=-32       # a lone consonant (-th, -st, -nd) as loud as a word would hiss; it keeps about its in-word level
PEAK_CEILING=-1      # dBFS; a limiter holds peaks under this where the RMS gain would push them over
TRIM_DB=-62          # both ends are cut where the sound first and last exceeds this; quiet consonants lie above it

# The meeting reminders are whole sentences that Pico says with its own intonation, in all three languages.

# Same random numbers on every run (dither, noise), so an unchanged row gives an unchanged image.
export SOX_OPTS=-R

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -O2 -std=c++20 "$here/samples_probe.cpp" $(pkg-config --cflags --libs sndfile) -o "$work/probe"
mkdir -p "$out"
if [ "$ENGLISH" = keep ] || [ -n "$ROWS" ]; then
    mkdir "$work/kept"
    cp "$here/../resources/samples"/[0-9][0-9][0-9].wav "$here/../resources/samples/alert.wav" \
        "$here/samples_report.txt" "$work/kept/"
fi
remade() { # remade ID: whether ROWS asks for the row (any row when ROWS is empty)
    [ -z "$ROWS" ] && return 0
    local range
    for range in $ROWS; do
        ((10#$1 >= 10#${range%-*} && 10#$1 <= 10#${range#*-})) && return 0
    done
    return 1
}
rm -f "$out"/[0-9][0-9][0-9].wav "$out/alert.wav"

"$here/private_debs.sh" "$work/private" "main non-free" libttspico-utils libttspico-data praat
private=$work/private/root
export LD_LIBRARY_PATH=$private/usr/lib/x86_64-linux-gnu:$private/lib/x86_64-linux-gnu
# pico2wave looks for its voices in a folder compiled into it; a copy of it gets the name of a folder of ours
# of the same length, holding links to the unpacked voices.
pico_lang=$(mktemp -d /tmp/pico.XXXXXXXXXX)
trap 'rm -rf "$work" "$pico_lang"' EXIT
ln -s "$private"/usr/share/pico/lang/* "$pico_lang/"
python3 - "$private/usr/bin/pico2wave" "$work/pico2wave" "$pico_lang/" <<'EOF'
import sys
built_in, ours = b"/usr/share/pico/lang/", sys.argv[3].encode()
program = open(sys.argv[1], "rb").read()
if len(ours) != len(built_in) or program.count(built_in) != 1:
    sys.exit(f"make_samples.sh: cannot point pico2wave at {sys.argv[3]}")
open(sys.argv[2], "wb").write(program.replace(built_in, ours))
EOF
chmod +x "$work/pico2wave"
pico() { # pico LANG TEXT OUT.wav: Pico's rendering of TEXT (SSML-like markup allowed, <phoneme> in X-SAMPA)
    "$work/pico2wave" -l "${PICO_LANG[$1]}" -w "$3" "$2"
}
# Praat, without its window: resynthesises IN at TARGET Hz, keeping KEEP of the word's own pitch movement.
cat >"$work/level.praat" <<'EOF'
form Level
    sentence In
    sentence Out
    real Target 160
    real Keep 0.2
endform
sound = Read from file: in$
pitch = To Pitch: 0.01, 75, 500
median = Get quantile: 0, 0, 0.5, "Hertz"
selectObject: sound
manipulation = To Manipulation: 0.01, 75, 500
tier = Extract pitch tier
if median <> undefined
    Formula: "target * (self / median) ^ keep"
endif
selectObject: manipulation, tier
Replace pitch tier
selectObject: manipulation
Get resynthesis (overlap-add)
Save as WAV file: out$
EOF
level() { # level IN OUT LANG KEEP
    "$private/usr/bin/praat" --run "$work/level.praat" "$1" "$2" "${PICO_F0[$3]}" "$4" >/dev/null
}

flite_options=(-voice "$FLITE_VOICE" --setf int_f0_target_mean="$F0" --setf int_f0_target_stddev="$F0_SPREAD")
row_options=()       # flite features of the row being made
segments() { # segments TEXT WAVE|none: flite's phones of TEXT with their end times, "name:seconds ..."
    flite "${flite_options[@]}" "${row_options[@]}" -psdur -t "$1" -o "$2"
}

stat_db() { # stat_db FILE "RMS lev dB"|"Pk lev dB"
    sox "$1" -n stats 2>&1 | awk -v key="$2" 'index($0, key) == 1 { print $NF }'
}

# Encodes a 44.1 kHz mono WAV and wraps it; the fact chunk gets the length libsndfile really decodes.
encode() { # encode IN.wav OUT.wav
    local mp3=$work/enc.mp3
    # The Info/LAME tag that lame writes in the first frame tells the decoder the encoder delay and
    # padding; libsndfile's mpg123 decoder then trims them, so the decoded sound starts where the source did.
    lame --quiet --noreplaygain -b 64 --cbr -m m "$1" "$mp3"
    python3 "$here/samples_riff.py" "$mp3" "$work/enc.wav" 0
    local frames
    frames=$("$work/probe" "$work/enc.wav" | awk '{ print $3 }')
    python3 "$here/samples_riff.py" "$mp3" "$2" "$frames"
    local source
    source=$(soxi -s "$1")
    if [ "$frames" != "$source" ]; then
        echo "make_samples.sh: $2 decodes to $frames frames, its source has $source" >&2
        exit 1
    fi
}

# Cuts the bracketed words of an English carrier sentence out of flite's rendering of it into $work/raw.wav,
# and prints the phones kept. "[word]" keeps the word, "[word:p q]" only its last phones p q (an ending).
cut_english() { # cut_english "CARRIER WITH [WORDS]"
    local text=$1 before after inner word keep=""
    before=${text%%\[*}
    inner=${text#*\[}
    after=${inner#*\]}
    inner=${inner%%\]*}
    word=${inner%%:*}
    [[ $inner == *:* ]] && keep=${inner#*:}
    local all pre=1 post=1 alone
    all=$(segments "$before$word$after" "$work/carrier.wav")
    # Phones before and after the words: those of each part said alone, less the pause that ends or opens it.
    [[ -n ${before// /} ]] && pre=$(($(segments "$before" none | wc -w) - 1))
    [[ -n ${after//[ .]/} ]] && post=$(($(segments "$after" none | wc -w) - 1))
    alone=$(($(segments "$word" none | wc -w) - 2))
    local rate cut
    rate=$(soxi -r "$work/carrier.wav")
    cut=$(echo "$all" | awk -v pre="$pre" -v post="$post" -v alone="$alone" -v keep="$keep" -v rate="$rate" '{
        n = NF
        for (i = 1; i <= n; ++i) { split($i, p, ":"); name[i] = p[1]; end[i] = p[2] }
        if (n - pre - post != alone) { print "split"; exit }
        first = pre + 1; last = n - post
        if (keep != "") {
            k = split(keep, want, " ")
            first = last - k + 1
            for (j = 1; j <= k; ++j) if (name[first + j - 1] != want[j]) { print "ending"; exit }
        }
        phones = name[first]
        for (i = first + 1; i <= last; ++i) phones = phones " " name[i]
        printf "%d %d %s\n", end[first - 1] * rate + 0.5, end[last] * rate + 0.5, phones
    }')
    if [[ $cut == split || $cut == ending ]]; then
        echo "make_samples.sh: cannot find [$inner] in flite's phones of \"$before$word$after\": $all" >&2
        exit 1
    fi
    read -r start stop phones <<<"$cut"
    sox "$work/carrier.wav" "$work/raw.wav" trim "${start}s" "=${stop}s"
    echo "$phones"
}

# Turns $work/raw.wav into $work/speech.wav: 44.1 kHz, trimmed to the speech, at the loudness of its kind.
shape() { # shape EFFECTS TARGET_RMS TRIM_DB ROUGH_TRIM_DB [TAIL_TRIM_DB [LIFT]]
    local effects=$1 target=$2 trim=$3 rough=$4 tail=${5:-$3}
    local extra=() lift=()
    [ "$effects" != - ] && read -r -a extra <<<"$effects"
    [ -n "${6:-}" ] && read -r -a lift <<<"$6"
    # A first rough trim so that the level is measured on the word, not on the engine's trailing silence.
    sox "$work/raw.wav" -r 44100 -b 16 "$work/rough.wav" gain -6 highpass 60 "${extra[@]}" \
        silence 1 0.002 "${rough}d" reverse silence 1 0.002 "${rough}d" reverse
    # Trimming changes the RMS it was set for, so the gain is corrected once on the trimmed result.
    local rms gain pass
    rms=$(stat_db "$work/rough.wav" "RMS lev dB")
    gain=$(awk -v t="$target" -v r="$rms" -v c="$PEAK_CEILING" 'BEGIN { printf "%.2f", t - r - c }')
    for pass in 1 2; do
        # gain -l limits whatever would pass full scale; the ceiling is applied after it.
        sox "$work/rough.wav" "$work/level.wav" gain -l "$gain" gain "$PEAK_CEILING" "${lift[@]}" \
            silence 1 0.0005 "${trim}d" reverse silence 1 0.0005 "${tail}d" reverse
        rms=$(stat_db "$work/level.wav" "RMS lev dB")
        gain=$(awk -v g="$gain" -v t="$target" -v r="$rms" 'BEGIN { printf "%.2f", g + t - r }')
    done
    local length
    length=$(soxi -D "$work/level.wav")
    # Soft edges so that no click is heard where a word was cut.
    sox "$work/level.wav" "$work/speech.wav" fade t 0.002 "$length" 0.008
}

# Speaks one row into $work/speech.wav and prints what the engine said, as phones.
speak() { # speak KIND LANG TEXT EFFECTS TARGET_RMS
    local kind=$1 lang=$2 text=$3 effects=$4 target=$5
    if [ "$kind" = sentence ]; then
        pico "$lang" "$text" "$work/raw.wav"
        shape "$effects" "$target" "$TRIM_DB" $((TRIM_DB - 12))
        echo "$text"
    elif [ "$lang" = en ] && [[ $ENGLISH != pico || $kind == ending || $text != *\]* ]]; then
        # NAME=VALUE among the effects is a flite feature for this row.
        local item sox_effects=()
        row_options=()
        for item in $effects; do
            [[ $item == *=* ]] && row_options+=(--setf "$item") || sox_effects+=("$item")
        done
        [ ${#sox_effects[@]} -eq 0 ] && sox_effects=(-)
        cut_english "$text"
        # The cut holds no engine silence; the rough trim only takes what lies far under the final trim.
        shape "${sox_effects[*]}" "$target" "$TRIM_DB" $((TRIM_DB - 12))
    else
        if [ "$lang" = en ]; then # the trial: the bracketed word alone
            text=${text#*\[}
            text=${text%%\]*}
            text=${text%%:*}
        fi
        # keep=POWER among the effects is the share of the word's own pitch movement kept for this row.
        local item keep=${PICO_KEEP[$lang]} sox_effects=()
        for item in $effects; do
            [[ $item == keep=* ]] && keep=${item#keep=} || sox_effects+=("$item")
        done
        [ ${#sox_effects[@]} -eq 0 ] && sox_effects=(-)
        effects=${sox_effects[*]}
        # The second attempt at a row (see the loop below) only corrects the level: the voice is reused.
        local levelled=$work/levelled_$row_id.wav
        if [ ! -f "$levelled" ]; then
            pico "$lang" "$text" "$work/pico.wav"
            # Pico holds a stop's closure before a final release for up to 0.15 s, a pause where a phrase
            # goes on: any stretch under -75 dBFS is shortened to 0.05 s (the release itself lies above that).
            sox "$work/pico.wav" "$work/closed.wav" silence -l 1 0 -75d -1 0.05 -75d
            level "$work/closed.wav" "$levelled" "$lang" "$keep"
        fi
        cp "$levelled" "$work/raw.wav"
        shape "$effects" "$target" "$TRIM_DB" $((TRIM_DB - 12)) "$PICO_TAIL_DB" "$PICO_LIFT"
        echo "$text"
    fi
}

synth_gong() {
    # Inharmonic partials of a struck plate, each decaying exponentially (sox's logarithmic fade falls
    # 100 dB over its length): the low ones ring on, the high ones die first.
    local partials=("176 0 9" "178.1 -4 9" "262.2 -6 6" "406.6 -8 4.5" "485.8 -9 3.5" "681.1 -12 2.5"
                    "950.4 -15 2" "1289.6 -19 1.4")
    local files=() k=0
    for p in "${partials[@]}"; do
        read -r freq level fall <<<"$p"
        sox -n -r 44100 -b 16 -c 1 "$work/partial$k.wav" synth "$fall" sine "$freq" \
            gain "$level" fade l 0.004 "$fall" "$fall" pad 0 "$(awk -v f="$fall" 'BEGIN { print 9 - f }')"
        files+=("$work/partial$k.wav")
        k=$((k + 1))
    done
    # The soft mallet's thud.
    sox -n -r 44100 -b 16 -c 1 "$work/strike.wav" synth 0.06 brownnoise lowpass 600 gain -6 fade t 0.002 0.06 0.055 pad 0 8.94
    sox -m "${files[@]}" "$work/strike.wav" "$work/gong.wav" trim 0 2.47 fade t 0 2.47 0.4 gain -n -3
}

synth_ring() {
    # Two bursts of a bell struck twenty times a second, as an old telephone rings.
    sox -n -r 44100 -b 16 -c 1 "$work/burst1.wav" synth 0.7 sine 1046 sine mix 1397 tremolo 20 90 fade q 0.01 0.7 0.03
    sox -n -r 44100 -b 16 -c 1 "$work/burst2.wav" synth 0.9 sine 1046 sine mix 1397 tremolo 20 90 fade q 0.01 fade l 0 0.9 0.3
    sox "$work/burst1.wav" -p pad 0 0.15 | sox - "$work/burst2.wav" "$work/ring.wav" gain -n -6
}

synth_filler() {
    # A faint breath: band-limited noise that swells and fades, heard as a pause rather than a word.
    sox -n -r 44100 -b 16 -c 1 "$work/filler.wav" synth 0.31 pinknoise band 1200 900 \
        fade h 0.12 0.31 0.16 gain -n -30
}

synth_alert() {
    # Ding-dong: two bell-like tones a major third apart, each with its octave, decaying.
    sox -n -r 44100 -b 16 -c 1 "$work/ding.wav" synth 0.22 sine 988 sine mix 1976 fade l 0.004 0.22 0.18
    sox -n -r 44100 -b 16 -c 1 "$work/dong.wav" synth 0.28 sine 784 sine mix 1568 fade l 0.004 0.28 0.24
    sox "$work/ding.wav" "$work/dong.wav" "$work/alert.wav" gain -n -6
}

: >"$work/report"
declare -A copies=()
while IFS=$'\t' read -r id kind lang text effects meaning; do
    [[ -z "$id" || "$id" == \#* ]] && continue
    row_id=$id
    name=$(printf "%s/%03d.wav" "$out" "$id")
    said=-
    # A copy row always follows its source, remade or not.
    if [ "$kind" != same ] && { ! remade "$id" || { [ "$ENGLISH" = keep ] && [ "$lang" = en ] && [[ $kind == word || $kind == ending ]]; }; }; then
        cp "$work/kept/$(basename "$name")" "$name"
        grep "^$(basename "$name" .wav)	" "$work/kept/samples_report.txt" >>"$work/report"
        continue
    fi
    case $kind in
    word | ending | sentence)
        target=$WORD_RMS
        [ "$kind" = ending ] && target=$ENDING_RMS
        # The encoder loses a little energy (about half a decibel, more for hissy words), so the level is
        # checked on what libsndfile decodes and the word is made once more with the difference added.
        aim=$target
        for attempt in 1 2; do
            said=$(speak "$kind" "$lang" "$text" "$effects" "$aim")
            encode "$work/speech.wav" "$name"
            decoded=$("$work/probe" "$name" | awk '{ print $7 }')
            aim=$(awk -v a="$aim" -v t="$target" -v d="$decoded" 'BEGIN { printf "%.2f", a + t - d }')
        done
        ;;
    gong) synth_gong && encode "$work/gong.wav" "$name" ;;
    ring) synth_ring && encode "$work/ring.wav" "$name" ;;
    filler)
        [ -f "$work/filler_image.wav" ] || { synth_filler && encode "$work/filler.wav" "$work/filler_image.wav"; }
        cp "$work/filler_image.wav" "$name"
        ;;
    same) copies[$id]=$text ;;
    *)
        echo "make_samples.sh: unknown kind '$kind' for $id" >&2
        exit 1
        ;;
    esac
    [ "$said" = - ] && text=$kind
    printf "%03d\t%s\t%s\t%s\t%s\n" "$id" "$lang" "$text" "$said" "$meaning" >>"$work/report"
done <"$words"
for id in "${!copies[@]}"; do
    cp "$(printf "%s/%03d.wav" "$out" "${copies[$id]}")" "$(printf "%s/%03d.wav" "$out" "$id")"
done

if [ -n "$ROWS" ]; then
    cp "$work/kept/alert.wav" "$out/alert.wav"
else
    synth_alert
    encode "$work/alert.wav" "$out/alert.wav"
fi

# What was made and how it decodes, for review: text, the engine's phones, then the decoded measurements.
{
    echo "# Generated by make_samples.sh: id, language, text, the phones that the engine spoke (English: the phones"
    echo "# cut out of the carrier sentence), meaning;"
    echo "# then, per image as libsndfile decodes it: frames, ms before the sound passes -45 dBFS, ms after it last does, RMS dBFS, peak dBFS."
    sort "$work/report"
    echo
    for f in "$out"/*.wav; do
        "$work/probe" "$f" | awk -v name="$(basename "$f")" '{ printf "%s\t%d\t%.3f s\t%s\t%s\t%s\t%s\n", name, $3, $3 / $4, $5, $6, $7, $8 }'
    done
    echo
    echo "total bytes: $(cat "$out"/*.wav | wc -c) in $(ls "$out"/*.wav | wc -l) files"
} >"$report"
rm -f "$work/report"
tail -1 "$report"
