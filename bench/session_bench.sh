#!/usr/bin/env bash
# Session benchmark: typed-ahead sessions of N calculations over every row of every figure menu of
# both branches (with the navigation between menus), piped through Shapecalc, against the time
# `cat | cat` takes to move the same output bytes through a pipe, in the same run. Also start-up:
# `echo exit | Shapecalc` against a hello-world built and linked the same way.
# Usage: bench/session_bench.sh [N ...]   (default: 10000 100000 1000000)
# STARTUP_RUNS (default 300) sets how many start-ups are timed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench > /dev/null
cmake --build --preset bench > /dev/null
program=$PWD/build/bench/Shapecalc/Shapecalc
hello=$PWD/build/bench/bench/hello_world
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source tools/texts.sh
text invalid_inputs invalid_inputs
invalid_line=${invalid_inputs#$'\n'}
invalid_line=${invalid_line%%$'\n'*}
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 100000 1000000)

# Writes a session of $1 calculations: each figure menu in turn ("2 1", "2 2", "3 1", "3 2",
# "3 3"), every row of it once with its values, then "0 0" back to the top menu. The menus and
# how many values each row reads come from the dialogue's own tables (menu_shape).
generate() {
    "$PWD/build/bench/bench/menu_shape" | awk -v n="$1" -F'|' '
        { menus[++count] = $1; rows[count] = $2 }
        END {
        done = 0
        while (done < n) {
            for (m = 1; m <= count && done < n; m++) {
                printf "%s\n", menus[m]
                nrows = split(rows[m], k, " ")
                for (r = 1; r <= nrows && done < n; r++) {
                    printf "%d", r
                    for (v = 1; v <= k[r]; v++) printf " %d.%d", (done + v) % 97 + 1, v
                    printf "\n"
                    done++
                }
                printf "0 0\n"
            }
        }
        printf "exit\n"
    }'
}

now() { date +%s%N; }
seconds() { awk -v ns="$1" 'BEGIN { printf "%.3f", ns / 1e9 }'; }

# Best of three wall times, in nanoseconds, of a shell command.
best_of_three() {
    local best=0 start took
    for _ in 1 2 3; do
        start=$(now)
        bash -c "$1"
        took=$(( $(now) - start ))
        if [ "$best" -eq 0 ] || [ "$took" -lt "$best" ]; then best=$took; fi
    done
    echo "$best"
}

printf '| N | output bytes | wall s | calculations/s | peak RSS KiB | cat\\|cat s | ratio |\n'
printf '|---:|---:|---:|---:|---:|---:|---:|\n'
for n in "${sizes[@]}"; do
    generate "$n" > "$work/in"
    "$program" < "$work/in" > "$work/out"
    bytes=$(stat -c %s "$work/out")
    if grep -q -F "$invalid_line" "$work/out"; then echo "session $n failed" >&2; exit 1; fi
    wall=$(best_of_three "'$program' < '$work/in' | cat > /dev/null")
    /usr/bin/time -f %M -o "$work/rss" "$program" < "$work/in" > /dev/null
    pipe=$(best_of_three "cat '$work/out' | cat > /dev/null")
    awk -v n="$n" -v b="$bytes" -v w="$wall" -v r="$(cat "$work/rss")" -v p="$pipe" 'BEGIN {
        printf "| %d | %d | %.3f | %.0f | %d | %.3f | %.2f |\n", n, b, w / 1e9, n / (w / 1e9), r, p / 1e9, w / p
    }'
done

runs=${STARTUP_RUNS:-300}
startup() {
    local start
    start=$(now)
    for ((i = 0; i < runs; i++)); do echo exit | "$1" > /dev/null; done
    echo $(( $(now) - start ))
}
shapecalc_ns=$(startup "$program")
hello_ns=$(startup "$hello")
echo
awk -v s="$shapecalc_ns" -v h="$hello_ns" -v r="$runs" 'BEGIN {
    printf "| start-up (%d runs) | per run ms |\n|---|---:|\n", r
    printf "| echo exit \\| Shapecalc | %.3f |\n| echo exit \\| hello_world | %.3f |\n", s / r / 1e6, h / r / 1e6
    printf "| ratio | %.2f |\n", s / h
}'
