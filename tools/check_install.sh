#!/usr/bin/env bash
# Usage: tools/check_install.sh BUILD_DIR
# Installs a built tree into a temporary prefix and uses it as its users would: runs the installed
# program with no LD_LIBRARY_PATH, builds and runs a consumer program through find_package and
# through pkg-config, checks the man page, and builds the Debian package and lists it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/default}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

echo "-- install into $prefix"
cmake --install "$build" --prefix "$prefix" > /dev/null

echo "-- the installed program, without LD_LIBRARY_PATH"
output=$(printf '2 2 12 7 0 0 3 3 6 7 0 0 exit\n' | env -u LD_LIBRARY_PATH setsid "$prefix/bin/Shapecalc")
for expected in $'\n\tArea = 154\n' $'\n\tVolume = 1437.33\n' \
    $'\n THANK YOU, for using this application.\n\n Press any key'; do
    [[ "$output" == *"$expected"* ]] || { echo "installed Shapecalc did not print: $expected"; exit 1; }
done
[[ "$output" != *continueouly* ]] || { echo "installed Shapecalc reported invalid input"; exit 1; }

echo "-- consumer through find_package"
cmake -S tests/consumer -B "$work/find_package" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" > /dev/null
cmake --build "$work/find_package" > /dev/null
"$work/find_package/consumer"

echo "-- consumer through pkg-config"
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

echo "-- Debian package"
(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls "$build"/shapecalc_*.deb)
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/Shapecalc ./usr/lib/libPlanix.so.1.0.0 ./usr/lib/libPlanix.so.1 \
    ./usr/lib/libPlanix.so ./usr/lib/libSolidix.so.1.0.0 ./usr/lib/libSolidix.so.1 \
    ./usr/lib/libSolidix.so ./usr/include/Planix/Planix.hpp ./usr/include/Planix/Export.hpp \
    ./usr/include/Planix/Version.hpp ./usr/include/Solidix/Solidix.hpp \
    ./usr/include/Solidix/Export.hpp ./usr/include/Solidix/Version.hpp \
    ./usr/lib/cmake/Planix/PlanixConfig.cmake ./usr/lib/cmake/Planix/PlanixConfigVersion.cmake \
    ./usr/lib/cmake/Solidix/SolidixConfig.cmake ./usr/lib/pkgconfig/planix.pc \
    ./usr/lib/pkgconfig/solidix.pc ./usr/share/man/man1/Shapecalc.1; do
    grep -q -F " $file" <<< "$contents" || { echo "$deb lacks $file"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libc6* && "$depends" == *libstdc++6* ]] ||
    { echo "unexpected dependencies: $depends"; exit 1; }
echo "$(basename "$deb"): $(wc -l <<< "$contents") entries, Depends: $depends"
echo "install check passed"
