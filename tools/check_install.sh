#!/usr/bin/env bash
# Usage: tools/check_install.sh BUILD_DIR
# Uses a built tree as its users would: installs it into a prefix of its own (as under /opt) and
# runs the installed program with no LD_LIBRARY_PATH, builds and runs the consumer program through
# find_package (installed, and from the build tree) and through pkg-config, checks the man page,
# and pulls the project into another one with add_subdirectory and with FetchContent.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
build=$(realpath "${1:-build/default}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/opt/shapecalc
source tools/texts.sh
text area area; text volume volume; text farewell farewell; text invalid_inputs invalid_inputs

echo "-- install into $prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null

echo "-- the installed program, without LD_LIBRARY_PATH"
output=$(printf '2 2 12 7 0 0 3 3 6 7 0 0 exit\n' | env -u LD_LIBRARY_PATH setsid "$prefix/bin/Shapecalc")
for expected in "${area}154"$'\n' "${volume}1437.33"$'\n' "$farewell"; do
    [[ "$output" == *"$expected"* ]] || { echo "installed Shapecalc did not print: $expected"; exit 1; }
done
[[ "$output" != *"$invalid_inputs"* ]] || { echo "installed Shapecalc reported invalid input"; exit 1; }

echo "-- consumer through find_package, installed and from the build tree"
cmake -S tests/consumer -B "$work/find_package" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" > /dev/null
cmake --build "$work/find_package" > /dev/null
"$work/find_package/consumer"
cmake -S tests/consumer -B "$work/build_tree" -G Ninja -DPlanix_DIR="$build/Planix" \
    -DSolidix_DIR="$build/Solidix" > /dev/null
cmake --build "$work/build_tree" > /dev/null
"$work/build_tree/consumer"

echo "-- consumer through pkg-config, with an rpath to the prefix's libraries"
export PKG_CONFIG_PATH
PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name planix.pc)")
libdir=$(pkg-config --variable=libdir planix)
# shellcheck disable=SC2046
g++ -std=c++17 tests/consumer/consumer.cpp -o "$work/pkg_consumer" \
    $(pkg-config --cflags --libs planix solidix) -Wl,-rpath,"$libdir"
"$work/pkg_consumer"

echo "-- man page"
man_page=$(find "$prefix" -name Shapecalc.1)
warnings=$(groff -ww -man -z "$man_page" 2>&1)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }

for embed in add_subdirectory FetchContent; do
    echo "-- the project pulled into another one with $embed"
    parent=$work/$embed
    cmake -S tests/embed -B "$parent" -G Ninja -DSHAPECALC_SOURCE_DIR="$source" \
        -DSHAPECALC_EMBED="$embed" > /dev/null
    cmake --build "$parent" > /dev/null
    "$parent/consumer"
    cmake --install "$parent" --prefix "$parent/prefix" > /dev/null
    installed=$(cd "$parent/prefix" && find . -type f | sort)
    [ "$installed" = "./bin/consumer" ] || { echo "the parent installs more: $installed"; exit 1; }
    tests=$(ctest --test-dir "$parent" -N | sed -n 's/^Total Tests: //p')
    [ "$tests" = 0 ] || { echo "the parent has $tests tests of the project"; exit 1; }
    [ ! -e "$parent/CPackConfig.cmake" ] || { echo "the project set up CPack in the parent"; exit 1; }
done
echo "install check passed"
