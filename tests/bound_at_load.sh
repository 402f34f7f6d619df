#!/bin/sh
# Usage: bound_at_load.sh PROGRAM MAJOR LIBRARY...
# The program must bind every library function when it is loaded (BIND_NOW) and need each formula
# library by its SONAME, which must be lib<Name>.so.MAJOR: the name that an incompatible major
# version changes, so that the loader refuses a wrong library instead of running with it.
set -eu
program=$1
major=$2
shift 2
dynamic=$(readelf -d "$program")
printf '%s\n' "$dynamic" | grep -q -E 'BIND_NOW|FLAGS_1.*NOW' || { echo "not linked with -z now"; exit 1; }
for library in "$@"; do
    name=$(basename "$library" | sed 's/\.so.*//')
    soname=$(readelf -d "$library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
    [ "$soname" = "$name.so.$major" ] || { echo "$library has SONAME '$soname', not $name.so.$major"; exit 1; }
    printf '%s\n' "$dynamic" | grep -q "(NEEDED).*\[$soname\]" || { echo "does not need $soname"; exit 1; }
    echo "needs $soname"
done
echo "bound at load time"
