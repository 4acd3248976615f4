#!/usr/bin/env bash
# Regenerates resources/samples/ (the built-in speech samples and alert.wav) with espeak-ng, sox and lame.
# Run by hand after changing samples_words.tsv or a parameter below, then commit the images; the build never runs it.
#   tools/make_samples.sh [output directory]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../resources/samples}
words=$here/samples_words.tsv
# The committed report describes the committed set; a trial run into another directory reports there.
report=$here/samples_report.txt
[ $# -ge 1 ] && report=$out/samples_report.txt

# One speaker for the three languages: espeak-ng's voices differ only in their rules, so the same
# variant, speed and pitch make French, German and English sound like one person.
VARIANT=m3
SPEED=150            # words per minute; slower than espeak-ng's 175 so single words come out whole
PITCH=45
declare -A VOICE=([fr]=fr-fr [de]=de [en]=en-gb)

WORD_RMS=-22         # dBFS over the whole trimmed sample, the same for every spoken sample
ENDING_RMS=-32       # a lone consonant (-th, -st, -nd) as loud as a word would hiss; it keeps about its in-word level
PEAK_CEILING=-1      # dBFS; a limiter holds peaks under this where the RMS gain would push them over
TRIM_DB=-48          # both ends are cut where the sound first and last exceeds this; speech counts from -45 dBFS

# Same random numbers on every run (dither, noise), so an unchanged row gives an unchanged image.
export SOX_OPTS=-R

for tool in espeak-ng sox lame python3 g++ pkg-config; do
    command -v "$tool" >/dev/null || { echo "make_samples.sh: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -O2 -std=c++20 "$here/samples_probe.cpp" $(pkg-config --cflags --libs sndfile) -o "$work/probe"
mkdir -p "$out"
rm -f "$out"/[0-9][0-9][0-9].wav "$out/alert.wav"

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

# Speaks one row into $work/speech.wav: 44.1 kHz, trimmed to the speech, at the loudness of its kind.
speak() { # speak LANG TEXT PHONEMES(0|1) EFFECTS TARGET_RMS
    local lang=$1 text=$2 phonemes=$3 effects=$4 target=$5
    [ "$phonemes" = 1 ] && text="[[$text]]"
    espeak-ng -v "${VOICE[$lang]}+$VARIANT" -s "$SPEED" -p "$PITCH" -w "$work/raw.wav" "$text"
    local extra=()
    [ "$effects" != - ] && read -r -a extra <<<"$effects"
    # A first rough trim so that the level is measured on the word, not on espeak-ng's trailing silence.
    sox "$work/raw.wav" -r 44100 -b 16 "$work/rough.wav" gain -6 highpass 60 "${extra[@]}" \
        silence 1 0.002 -60d reverse silence 1 0.002 -60d reverse
    # Trimming changes the RMS it was set for, so the gain is corrected once on the trimmed result.
    local rms gain pass
    rms=$(stat_db "$work/rough.wav" "RMS lev dB")
    gain=$(awk -v t="$target" -v r="$rms" -v c="$PEAK_CEILING" 'BEGIN { printf "%.2f", t - r - c }')
    for pass in 1 2; do
        # gain -l limits whatever would pass full scale; the ceiling is applied after it.
        sox "$work/rough.wav" "$work/level.wav" gain -l "$gain" gain "$PEAK_CEILING" \
            silence 1 0.0005 "${TRIM_DB}d" reverse silence 1 0.0005 "${TRIM_DB}d" reverse
        rms=$(stat_db "$work/level.wav" "RMS lev dB")
        gain=$(awk -v g="$gain" -v t="$target" -v r="$rms" 'BEGIN { printf "%.2f", g + t - r }')
    done
    local length
    length=$(soxi -D "$work/level.wav")
    # Soft edges so that no click is heard where a word was cut.
    sox "$work/level.wav" "$work/speech.wav" fade t 0.002 "$length" 0.008
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
    name=$(printf "%s/%03d.wav" "$out" "$id")
    case $kind in
    say | phon | ending)
        phonemes=0
        [ "$kind" != say ] && phonemes=1
        target=$WORD_RMS
        [ "$kind" = ending ] && target=$ENDING_RMS
        # The encoder loses a little energy (about half a decibel, more for hissy words), so the level is
        # checked on what libsndfile decodes and the word is made once more with the difference added.
        aim=$target
        for attempt in 1 2; do
            speak "$lang" "$text" "$phonemes" "$effects" "$aim"
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
    if [ "$kind" = say ] || [ "$kind" = phon ] || [ "$kind" = ending ]; then
        voice="${VOICE[$lang]}"
        [ "$kind" = say ] && said=$(espeak-ng -q -x -v "$voice" "$text") || said="[[$text]]"
        printf "%03d\t%s\t%s\t%s\t%s\n" "$id" "$lang" "$text" "$(echo $said)" "$meaning" >>"$work/report"
    else
        printf "%03d\t%s\t%s\t-\t%s\n" "$id" "$lang" "$kind" "$meaning" >>"$work/report"
    fi
done <"$words"
for id in "${!copies[@]}"; do
    cp "$(printf "%s/%03d.wav" "$out" "${copies[$id]}")" "$(printf "%s/%03d.wav" "$out" "$id")"
done

synth_alert
encode "$work/alert.wav" "$out/alert.wav"

# What was made and how it decodes, for review: word, espeak-ng's phonemes, then the decoded measurements.
{
    echo "# Generated by make_samples.sh: id, language, text, espeak-ng's reading of it, meaning;"
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
