#!/bin/sh
# Usage: bound_at_load.sh PROGRAM
# The program must bind every library function when it is loaded (BIND_NOW), and need both
# formula libraries.
set -eu
dynamic=$(readelf -d "$1")
printf '%s\n' "$dynamic" | grep -q -E 'BIND_NOW|FLAGS_1.*NOW' || { echo "not linked with -z now"; exit 1; }
printf '%s\n' "$dynamic" | grep -q 'NEEDED.*libPlanix' || { echo "does not need libPlanix"; exit 1; }
printf '%s\n' "$dynamic" | grep -q 'NEEDED.*libSolidix' || { echo "does not need libSolidix"; exit 1; }
echo "bound at load time"
