#!/bin/sh
# Usage: windows_transcripts.sh EMULATOR PROGRAM TRANSCRIPT_INPUTS TRANSCRIPTS_DIR WORK_DIR
# Runs every transcript session through the Windows program under the emulator. A Windows
# console program ends its lines with CR LF: every LF must come as CR LF, and with the CRs taken
# out the output must be the session's expected bytes. The exit status must be 0.
set -eu
emulator=$1 program=$2 inputs=$3 transcripts=$4 work=$5
rm -rf "$work"
mkdir -p "$work"
# shellcheck disable=SC2086
$emulator "$inputs" --expected "$transcripts" "$work" > /dev/null
failures=0
cr=$(printf '\r')
for input in "$work"/*.in; do
    name=$(basename "$input" .in)
    status=0
    # shellcheck disable=SC2086
    $emulator "$program" < "$input" > "$work/$name.out" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "$name: exit status $status"
        failures=$((failures + 1))
        continue
    fi
    # Every line end is CR LF: as many lines end in CR as there are LFs.
    lines=$(tr -cd '\n' < "$work/$name.out" | wc -c)
    crlf=$(grep -c "$cr\$" "$work/$name.out" || true)
    if [ "$lines" -ne "$crlf" ]; then
        echo "$name: $lines line ends, $crlf of them CR LF"
        failures=$((failures + 1))
    fi
    tr -d '\r' < "$work/$name.out" > "$work/$name.lf"
    if ! cmp -s "$work/$name.lf" "$work/$name.expected"; then
        echo "$name: output differs from the transcript"
        failures=$((failures + 1))
    fi
done
count=$(ls "$work"/*.in | wc -l)
echo "$((count - failures)) of $count sessions as expected"
[ "$failures" -eq 0 ]
