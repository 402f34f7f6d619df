#!/bin/sh
# Runs a Windows program of the cross-build under Wine, in a Wine prefix of the build's own
# (WINEPREFIX, made by the first run) with a persistent server, so that each run after the first
# starts in a fraction of a second. Wine's own diagnostics are silenced.
: "${WINEPREFIX:=${TMPDIR:-/tmp}/shapecalc-wine}"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i > /dev/null 2>&1
fi
wineserver -p60 > /dev/null 2>&1 < /dev/null || true
exec wine "$@"
