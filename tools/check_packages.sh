#!/usr/bin/env bash
# Builds the Debian packages of the committed tree twice, in two folders of different names at two
# different times, and checks that the packages are byte-identical; runs lintian (no error
# allowed), checks what the binaries carry, installs the packages, runs the installed program and a
# consumer built against the -dev packages (find_package and pkg-config), plays the terminal cases
# against the installed program, and removes them again.
# Needs root for dpkg -i. Prints the packages with their sizes.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
source tools/texts.sh
text area area
packages=(shapecalc libplanix1 libsolidix1 libplanix-dev libsolidix-dev)
cleanup() {
    dpkg -r "${packages[@]}" > /dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

build() {  # folder: copies the tracked files there and builds the binary packages beside it
    mkdir -p "$1"
    git ls-files -z | xargs -0 cp --parents -t "$1"
    (cd "$1" && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b -Pnocheck > ../build.log 2>&1) ||
        { tail -n 40 "$1/../build.log"; exit 1; }
}

echo "-- two builds in different folders"
build "$work/first/shapecalc"
sleep 1
build "$work/second/somewhere/else"
(cd "$work/first" && sha256sum ./*.deb) > "$work/first.sums"
(cd "$work/second/somewhere" && sha256sum ./*.deb) > "$work/second.sums"
if ! diff "$work/first.sums" "$work/second.sums"; then
    echo "the two builds differ"
    exit 1
fi
echo "$(wc -l < "$work/first.sums") packages, byte-identical"

echo "-- lintian"
lintian --fail-on error --pedantic "$work/first"/shapecalc_*.changes 2>&1 | grep -v '^running with root' || true
lintian --fail-on error "$work/first"/shapecalc_*.changes > /dev/null 2>&1 ||
    { echo "lintian reports errors"; exit 1; }

echo "-- the binaries: stripped, no RUNPATH under /usr, hardened"
unpacked=$work/unpacked
for deb in "$work/first"/*.deb; do
    dpkg-deb -x "$deb" "$unpacked"
done
program=$unpacked/usr/bin/Shapecalc
libraries=("$unpacked"/usr/lib/*/lib*.so.1.0.0)
for binary in "$program" "${libraries[@]}"; do
    [[ "$(file "$binary")" == *", stripped"* ]] || { echo "$binary is not stripped"; exit 1; }
    ! readelf -d "$binary" | grep -q -E 'RUNPATH|RPATH' || { echo "$binary has a RUNPATH"; exit 1; }
done
# PIE, RELRO and BIND_NOW, the stack protector and fortified calls where there are any (the
# formulas have neither arrays nor libc calls); and every compile and link line's flags.
hardening-check --quiet --nocfprotection "$program"
hardening-check --quiet --nocfprotection --nostackprotector "${libraries[@]}"
blhc "$work/first/build.log"
# Debian 12's start files carry no CET note, so no binary can show -fcf-protection, and its blhc
# does not know the flag: the compile lines must show it.
if [ "$(dpkg --print-architecture)" = amd64 ]; then
    grep -q -- '-fcf-protection.*-c .*/Planix/src/Area.cpp' "$work/first/build.log" ||
        { echo "not built with -fcf-protection"; exit 1; }
fi
gunzip -t "$unpacked/usr/share/man/man1/Shapecalc.1.gz"
for package in "${packages[@]}"; do
    for doc in copyright changelog.gz; do
        [ -f "$unpacked/usr/share/doc/$package/$doc" ] || { echo "$package lacks $doc"; exit 1; }
    done
done

echo "-- installed, used and removed"
dpkg -i $(for p in "${packages[@]}"; do ls "$work/first/${p}_"*.deb; done) > /dev/null
output=$(printf '2 2 12 7 0 0 exit\n' | setsid Shapecalc)
[[ "$output" == *"${area}154"$'\n'* ]] || { echo "the installed program failed"; exit 1; }
# The key wait of the hardened program (_FORTIFY_SOURCE checks every descriptor set): its terminal
# above descriptor 1023, a key, signals, job control; two cases at a time.
python3 tests/program_test.py --list | grep -E '^terminal\.(terminal_above_1023|key_k|signal_|stopped_)' |
    xargs -P 2 -I CASE python3 tests/program_test.py CASE /usr/bin/Shapecalc |
    { ! grep . ; } || { echo "a terminal case failed with the installed program"; exit 1; }
cmake -S tests/consumer -B "$work/consumer" -G Ninja > /dev/null
cmake --build "$work/consumer" > /dev/null
"$work/consumer/consumer"
# shellcheck disable=SC2046
g++ -std=c++17 tests/consumer/consumer.cpp -o "$work/pkg_consumer" \
    $(pkg-config --cflags --libs planix solidix)
"$work/pkg_consumer"
dpkg -r "${packages[@]}" > /dev/null
! command -v Shapecalc > /dev/null || { echo "Shapecalc is still installed"; exit 1; }

echo "-- packages"
(cd "$work/first" && for deb in ./*.deb; do
    printf '%-40s %6s bytes  %s\n' "${deb#./}" "$(stat -c %s "$deb")" \
        "$(dpkg-deb -f "$deb" Depends)"
done)
echo "package check passed"
