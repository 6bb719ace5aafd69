#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# The browser build in Debian's Chromium, Firefox ESR and WebKitGTK, served
# from this machine as a school's web host serves it: the unit and widget
# tests, cross-built, in Chromium; the shipped folder played in all three,
# and read aloud by Orca in Chromium.
# Usage: web.sh BUILD-DIR
source "$(dirname "$0")/lib.sh"
B=$(cd "$1" && pwd)
HERE=$(cd "$(dirname "$0")/web" && pwd)
OUT=$B/screenshots
mkdir -p "$OUT"

# the browser driver, from the npm registry at the version its lock file names
(cd "$HERE" && npm ci --no-audit --no-fund --loglevel=error) >"$WORK/npm.log" 2>&1 \
    || { cat "$WORK/npm.log"; fail "puppeteer-core is installed"; finish; }
start_web_server() { # FOLDER...
    node "$HERE/../../../scripts/web/serve.mjs" 0 "$@" >"$WORK/server.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 grep -q '^listening' "$WORK/server.log" || { cat "$WORK/server.log"; fail "the web server answers"; finish; }
    URL=http://127.0.0.1:$(sed -n 's/^listening //p' "$WORK/server.log")
}
start_web_server "$B/dist/gitterspor-web" "$B/tests" "$HERE"
# as a user's browser runs: without a UTF-8 locale Chromium names a download
# "Gitterspor (Åse).pdf" just "download"
export LANG=C.UTF-8
# Firefox draws WebGL only on a display; WebKit's windows, a page of 1366 x
# 768 or 768 x 1024 and their tool bar, fit on it
XVFB_SCREEN=1920x1440x24 start_x bare

ulimit -c unlimited # a browser's crash leaves its core in $OUT
check "the unit and widget tests pass in Chromium" node "$HERE/unit.mjs" "$B" "$URL"
for browser in chromium firefox webkit; do
    check "the game plays in $browser" node "$HERE/play.mjs" $browser "$URL/" "$OUT"
done
check "Orca speaks the game in Chromium" bash "$HERE/../orca.sh" --browser "$URL/" "$OUT"
finish
