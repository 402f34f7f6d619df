#!/bin/sh
# Runs a Windows program of the cross-build under Wine, in a Wine prefix of the build's own
# (WINEPREFIX, made by the first run). Wine's own diagnostics are silenced.
#
# The Wine server is kept for ten minutes after its last program, so that each run starts in a
# fraction of a second. When this run starts the server, Wine's helper processes are started
# first by a run that has none of our output: they live as long as the server, and if they held a
# test's output, the test would wait for them to end.
: "${WINEPREFIX:=${TMPDIR:-/tmp}/shapecalc-wine}"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i < /dev/null > /dev/null 2>&1
fi
if wineserver -p600 < /dev/null > /dev/null 2>&1; then
    wine cmd /c exit < /dev/null > /dev/null 2>&1
fi
exec wine "$@"
