#!/usr/bin/env bash
# Usage: tools/check_windows_package.sh [BUILD_DIR]   (a built `windows` preset folder)
# Makes the Windows zip, unpacks it into an empty folder and uses it as a Windows user would, under
# Wine: runs the program, checks that it and the DLLs need no DLL of the compiler's, and builds a
# consumer against the unpacked CMake package (cross-compiled), which must run beside the DLLs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/windows}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source tools/texts.sh
text area area
run() { WINEPREFIX=$build/wine cmake/toolchains/wine-run.sh "$@"; }

(cd "$build" && cpack > /dev/null)
zip=$build/Shapecalc-1.0.0-win64.zip
unzip -q "$zip" -d "$work/unpacked"
echo "-- $(basename "$zip"): $(unzip -Z1 "$zip" | grep -vc '/$') files, $(stat -c %s "$zip") bytes"

echo "-- the program from the zip"
output=$(printf '2 2 12 7 0 0 exit\n' | run "$work/unpacked/bin/Shapecalc.exe")
[[ "$output" == *"${area//$'\n'/$'\r\n'}154"$'\r\n'* ]] || { echo "the program failed: $output"; exit 1; }

echo "-- DLLs the program and libraries need: the system's only"
for binary in "$work/unpacked/bin"/*.exe "$work/unpacked/bin"/*.dll; do
    needs=$(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p' | sort -u | tr '\n' ' ')
    echo "$(basename "$binary"): $needs"
    if grep -q -i -E 'libstdc|libgcc|libwinpthread' <<< "$needs"; then
        echo "$(basename "$binary") needs a DLL of the compiler's"
        exit 1
    fi
done

echo "-- a consumer built against the unpacked package"
cmake -S tests/consumer -B "$work/consumer" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/x86_64-w64-mingw32.cmake" \
    -DPlanix_DIR="$work/unpacked/lib/cmake/Planix" \
    -DSolidix_DIR="$work/unpacked/lib/cmake/Solidix" > /dev/null
cmake --build "$work/consumer" > /dev/null
run "$work/consumer/consumer.exe"
echo "windows package check passed"
