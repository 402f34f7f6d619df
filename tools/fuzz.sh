#!/usr/bin/env bash
# Usage: tools/fuzz.sh [DIALOGUE_SECONDS [NUMBER_SECONDS]]   (default 60 and 30)
# Builds the fuzz preset and runs its two fuzzers for a bounded time each, from nothing left by an
# earlier run: the dialogue, seeded from the transcript sessions, and the number reads against the
# standard extraction. Fails on any finding; the crash, leak, timeout or oom file that shows it is
# kept in build/fuzz/run.
set -euo pipefail
cd "$(dirname "$0")/.."
dialogue_seconds=${1:-60}
number_seconds=${2:-30}
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz
run=build/fuzz/run
rm -rf "$run"
mkdir -p "$run/dialogue-corpus" "$run/number-corpus"
tools/transcript.py --inputs "$run/seeds"

fuzz() {  # name, seconds, libFuzzer arguments and corpus folders
    local name=$1 seconds=$2 status=0
    shift 2
    echo "-- $name for $seconds s"
    "build/fuzz/fuzz/$name" -max_total_time="$seconds" -timeout=10 -dict=fuzz/shapecalc.dict \
        -print_final_stats=1 -artifact_prefix="$run/$name-" "$@" > "$run/$name.log" 2>&1 ||
        status=$?
    grep -v -E '^#[0-9]+.*(NEW|REDUCE|pulse)' "$run/$name.log" | tail -n 40
    # A finding stops the fuzzer with a non-zero status and leaves a crash-, leak-, timeout- or
    # oom- file beside the corpus.
    if [ "$status" -ne 0 ] || compgen -G "$run/$name-*" > /dev/null; then
        echo "$name found a fault (status $status)"
        exit 1
    fi
}
fuzz dialogue_fuzzer "$dialogue_seconds" -max_len=8192 "$run/dialogue-corpus" "$run/seeds"
fuzz number_fuzzer "$number_seconds" -max_len=64 "$run/number-corpus"
