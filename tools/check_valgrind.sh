#!/usr/bin/env bash
# Usage: tools/check_valgrind.sh
# The real program under valgrind (memory errors, definite and indirect leaks) on a handful of the
# transcript sessions, and at its key wait on a terminal, built in a folder of its own
# (build/valgrind) with the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/valgrind
cmake --preset default -B "$build" > /dev/null
cmake --build "$build" --target Shapecalc
rm -rf "$build/sessions"
tools/transcript.py --inputs "$build/sessions"
for session in typed_ahead_rectangle letters_at_length_prompt solid_volumes \
    solid_frustum_slant_height long_words end_of_input_at_quantity_menu; do
    valgrind -q --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
        "$build/Shapecalc/Shapecalc" < "$build/sessions/$session" > /dev/null
    echo "valgrind: $session clean"
done
# At a terminal: the first error ends the program with status 1, which its case then fails on,
# even where a signal would have ended it; a descriptor left open at the end (but valgrind's log,
# which it inherits) fails here.
for case in key_k split_smiley signal_TERM gone_at_the_wait background; do
    rm -f "$build"/valgrind.*
    /usr/bin/python3 tests/program_test.py "terminal.$case" valgrind -q --exit-on-first-error=yes \
        --error-exitcode=1 --track-fds=yes --log-file="$build/valgrind.%p" "$build/Shapecalc/Shapecalc"
    # (one ended by a signal had no moment to close anything)
    if [ "$case" != signal_TERM ] &&
        grep -h "Open file descriptor" "$build"/valgrind.* | grep -v "$build/valgrind\."; then
        echo "valgrind: terminal.$case left a descriptor open"
        exit 1
    fi
    echo "valgrind: terminal.$case clean"
done
