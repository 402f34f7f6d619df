#!/bin/sh
# Usage: exported_symbols.sh LIBRARY EXPECTED_LIST
# Fails unless the library's dynamic symbol table defines exactly the functions of the list.
set -eu
actual=$(nm -D --defined-only -C "$1" | cut -d' ' -f3- | LC_ALL=C sort)
expected=$(grep -v '^#' "$2" | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    echo "exported symbols of $1 differ from $2:"
    printf '%s\n' "$actual" > /tmp/exported.$$
    printf '%s\n' "$expected" | diff -u - /tmp/exported.$$ || true
    rm -f /tmp/exported.$$
    exit 1
fi
echo "$(printf '%s\n' "$actual" | wc -l) functions exported, as listed"
