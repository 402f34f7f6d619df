#!/bin/sh
# Runs a Windows program of the cross-build under Wine, in a Wine prefix of the build's own
# (WINEPREFIX, made by the first run). Wine's own diagnostics are silenced.
#
# The first Wine program of a server starts Wine's helper processes (services, device drivers),
# which live as long as the server and inherit that program's standard error. A test whose
# output pipe a helper held would never see the end of its output. So the server and its
# helpers are always started here, with no output of anyone's, and only one run at a time
# (under a lock, as test programs are started in parallel) may start them: the program itself
# then always finds them running. The server is kept for ten minutes after its last program,
# so that each run starts in a fraction of a second.
#
# Wine places some of its structures at fixed addresses; without its preloader (Debian's wine64
# has none) an address chosen at random for something else now and then takes one, and that run
# fails before the program starts ("failed to map the shared user data", about one run in two
# thousand). So everything here runs without address space randomisation.
if [ -z "${SHAPECALC_WINE_FIXED_ADDRESSES:-}" ]; then
    SHAPECALC_WINE_FIXED_ADDRESSES=1 exec setarch "$(uname -m)" -R "$0" "$@"
fi
: "${WINEPREFIX:=${TMPDIR:-/tmp}/shapecalc-wine}"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
{
    flock 9
    # The lock is released when this block closes it: nothing started here may keep it open.
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i 9>&-
        wineserver -w 9>&-  # that server ends in seconds: the next one must be the lasting one
    fi
    if wineserver -p600 9>&-; then  # fails when a server (started here) is running
        wine cmd /c exit 9>&-      # returns once the helpers run
    fi
} 9> "$WINEPREFIX/.run-lock" < /dev/null > /dev/null 2>&1
exec wine "$@"
