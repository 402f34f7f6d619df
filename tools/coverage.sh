#!/usr/bin/env bash
# Line and branch coverage of Planix, Solidix and Shapecalc by the whole test suite, with clang's
# source-based coverage. Every process the tests start (the real program included) writes its
# own profile. Prints the summary; the annotated sources go to build/coverage/html.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/coverage
cmake --preset coverage >/dev/null
cmake --build --preset coverage
rm -rf "$build/profiles"
mkdir -p "$build/profiles"
LLVM_PROFILE_FILE="$PWD/$build/profiles/%p-%m.profraw" ctest --test-dir "$build" --output-on-failure
llvm-profdata merge -sparse "$build"/profiles/*.profraw -o "$build/tests.profdata"
objects=(
    "$build/Shapecalc/Shapecalc"
    -object "$build/Planix/libPlanix.so"
    -object "$build/Solidix/libSolidix.so"
    -object "$build/tests/dialogue_tests"
    -object "$build/tests/formula_tests"
)
sources=(Planix/src Solidix/src Shapecalc/src)
llvm-cov report "${objects[@]}" -instr-profile "$build/tests.profdata" -show-branch-summary \
    "${sources[@]}"
llvm-cov show "${objects[@]}" -instr-profile "$build/tests.profdata" -show-branches=count \
    -format=html -output-dir "$build/html" "${sources[@]}"
echo "annotated sources: $build/html/index.html"
