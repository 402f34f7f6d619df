#!/bin/sh
# Usage: exported_symbols.sh LIBRARY EXPECTED_LIST
# Fails unless the library's dynamic symbol table defines exactly the functions of the list.
set -eu
# Symbols that a coverage or sanitizer runtime adds to an instrumented build are not the library's.
instrumentation='^(__llvm_|__start___llvm|__stop___llvm|lprof|__asan|__ubsan|__sanitizer|__gcov|mangle_path$)'
actual=$(nm -D --defined-only -C "$1" | cut -d' ' -f3- | grep -v -E "$instrumentation" |
    LC_ALL=C sort)
expected=$(grep -v '^#' "$2" | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    echo "exported symbols of $1 differ from $2, the functions of tests/golden/formulas.txt."
    echo "'-': listed, not exported: declare it with the export macro in the library's header and"
    echo "define it in its source; '+': exported, not listed: add it to tools/golden_vectors.py."
    printf '%s\n' "$actual" > /tmp/exported.$$
    printf '%s\n' "$expected" | diff -u - /tmp/exported.$$ || true
    rm -f /tmp/exported.$$
    exit 1
fi
echo "$(printf '%s\n' "$actual" | wc -l) functions exported, as listed"
