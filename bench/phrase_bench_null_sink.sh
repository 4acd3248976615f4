#!/usr/bin/env bash
# Runs phrase_bench on the speakers of a private PulseAudio null sink, with another stream of the given
# latency kept running on it as on a desktop where something plays (an idle null sink wakes up late).
#   bench/phrase_bench_null_sink.sh [latency-ms]     (default 20; needs a built build/ with the benchmarks)
set -euo pipefail
cd "$(dirname "$0")/.."
bench=$PWD/build/bench/phrase_bench
source tests/sound_world.sh
pulse_start
pacat --raw --format=s16le --rate=44100 --channels=2 --latency-msec="${1:-20}" /dev/zero 2>/dev/null &
pids+=("$!")
sleep 3 # an idle null sink takes up to 2 s to follow a new stream
"$bench" --device speakers
