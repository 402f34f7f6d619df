#!/bin/sh
# Usage: dll_exports.sh OBJDUMP DLL EXPECTED_LIST PROGRAM
# Fails unless the DLL's export table names exactly the functions of the list, and the program
# imports the DLL by name.
set -eu
objdump=$1 dll=$2 list=$3 program=$4
actual=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^.*\] \(_Z[^ ]*\)$/\1/p' | c++filt | LC_ALL=C sort)
expected=$(grep -v '^#' "$list" | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    echo "exports of $dll differ from $list:"
    printf '%s\n' "$expected" > "$dll.expected"
    printf '%s\n' "$actual" | diff -u "$dll.expected" - || true
    exit 1
fi
name=$(basename "$dll")
"$objdump" -p "$program" | grep -q "DLL Name: $name" || { echo "the program does not import $name"; exit 1; }
echo "$(printf '%s\n' "$actual" | wc -l) functions exported, as listed; imported by the program"
