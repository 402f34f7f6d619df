#!/usr/bin/env bash
# Usage: tools/check_valgrind.sh
# The real program under valgrind (memory errors, definite and indirect leaks) on a handful of the
# transcript sessions, built in a folder of its own (build/valgrind) with the default preset.
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
