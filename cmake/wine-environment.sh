# Sourced by wine-run.sh and wine-window-run.sh after WINEPREFIX is set: the
# environment every wine run here shares, and the making of a prefix.
#
# Wine takes the Windows locale, and with it the ANSI code page, from the Unix
# locale, and turns the arguments into UTF-16 by the Unix locale's character
# set: a UTF-8 locale keeps Chinese arguments intact, which LANG=C garbles.
# INVOLUTE_WINE_LOCALE (default C.UTF-8) names it; zh_CN.UTF-8 gives a Chinese
# Windows (code page 936), built beside the prefix with localedef when the
# system lacks it. INVOLUTE_WINE_WINDOWS_VERSION (e.g. win7) sets the Windows
# version wine reports, in HKCU\Software\Wine as winecfg does.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
involute_locale=${INVOLUTE_WINE_LOCALE:-C.UTF-8}
if [ "$involute_locale" != C.UTF-8 ] && ! locale -a 2>/dev/null | grep -qix "$(echo "$involute_locale" | sed 's/UTF-8/utf8/')"; then
    export LOCPATH="$WINEPREFIX.locales"
    if [ ! -e "$LOCPATH/$involute_locale" ]; then
        mkdir -p "$LOCPATH"
        localedef -i "${involute_locale%%.*}" -f "${involute_locale#*.}" "$LOCPATH/$involute_locale" ||
            [ -e "$LOCPATH/$involute_locale" ]
    fi
fi
export LANG="$involute_locale" LC_ALL="$involute_locale"

# Makes the prefix on first use: offline, without the Mono and Gecko
# installers, quietly. The caller holds the prefix's lock.
involute_make_prefix() {
    if [ ! -e "$WINEPREFIX/.involute-ready" ]; then
        mkdir -p "$(dirname "$WINEPREFIX")"
        DISPLAY= wineboot --init >/dev/null 2>&1
        if [ -n "${INVOLUTE_WINE_WINDOWS_VERSION:-}" ]; then
            DISPLAY= wine reg add 'HKCU\Software\Wine' /v Version /t REG_SZ \
                /d "$INVOLUTE_WINE_WINDOWS_VERSION" /f >/dev/null 2>&1
        fi
        # A wineserver still shutting down resets the next client's
        # connection ("recvmsg: connection reset"): let it end first.
        wineserver -w
        touch "$WINEPREFIX/.involute-ready"
    fi
}

# A wineserver ends a few seconds after its last client, and a client that
# connects while it is ending has its connection reset ("recvmsg: connection
# reset"), which fails a test at random when CTest runs a wine process per
# test. So the prefix keeps one server for 15 minutes after its last client:
# longer than any gap in a test run, short enough not to linger for days. A
# server already running makes this one exit at once. scripts/test.sh ends
# them when it is done. A caller that waits for its programs to end with
# `wineserver -w` (the installer test) sets INVOLUTE_WINE_SERVER_ENDS=1, as a
# server kept alive would keep it waiting.
#
# The first program of a new server starts wine's own services (services.exe,
# winedevice.exe), which live as long as the server and hold on to that
# program's standard output and error: a caller reading them to their end
# (CTest's test discovery) would wait for the server. So a new server gets a
# program of its own first, its streams and the lock closed, under the lock
# so that no test program comes first.
involute_keep_wineserver() {
    if [ "${INVOLUTE_WINE_SERVER_ENDS:-0}" != 1 ]; then
        (
            flock 8
            if wineserver -p900 8>&- </dev/null >/dev/null 2>&1; then
                wine cmd /c exit </dev/null >/dev/null 2>&1 8>&- || true
            fi
        ) 8>"$WINEPREFIX.server-lock"
    fi
}
