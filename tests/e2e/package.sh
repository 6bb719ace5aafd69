#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds the Debian package, validates its desktop entry and metadata, runs
# lintian on it, installs it, reads its man page, starts the installed
# program from its desktop entry under Xvfb, and removes it again.
# Usage: package.sh BUILD-DIR SOURCE-DIR
source "$(dirname "$0")/lib.sh"
BUILD=$1
SOURCE=$2
APP=org.gitterspor.Gitterspor

check "the desktop entry validates" desktop-file-validate "$SOURCE/resources/desktop/$APP.desktop"
check "the metainfo validates" appstreamcli validate --no-net --explain "$SOURCE/resources/desktop/$APP.metainfo.xml"

(cd "$BUILD" && cpack -G DEB -B "$WORK/package" >"$WORK/cpack.log" 2>&1) || { fail "cpack builds the package"; cat "$WORK/cpack.log"; finish; }
DEB=$(ls "$WORK"/package/gitterspor_*.deb 2>/dev/null | head -n 1)
check "a .deb was built" test -f "$DEB"
check "the package depends on Qt" bash -c "dpkg-deb -f '$DEB' Depends | grep -q libqt6widgets6"

# Info and pedantic tags may stay; errors and warnings may not.
lintian_clean() {
    lintian --display-info --pedantic --fail-on error,warning "$DEB" >"$WORK/lintian.log" 2>/dev/null
    local status=$?
    sed 's/^/    lintian: /' "$WORK/lintian.log"
    [ $status -eq 0 ] && ! grep -q '^[EW]: ' "$WORK/lintian.log"
}
check "lintian finds no errors or warnings" lintian_clean

# remove it again whatever happens below
trap 'dpkg -r gitterspor >/dev/null 2>&1; cleanup' EXIT
dpkg -i "$DEB" >"$WORK/dpkg.log" 2>&1 || { fail "the package installs"; cat "$WORK/dpkg.log"; finish; }
check "the program is installed in /usr/games" test -x /usr/games/gitterspor
check "the installed program is stripped" bash -c "file -L /usr/games/gitterspor | grep -q ', stripped'"
check "the copyright file is machine-readable" \
    grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' /usr/share/doc/gitterspor/copyright
check "the changelog is the package's version" \
    bash -c "[ \"\$(zcat /usr/share/doc/gitterspor/changelog.gz | dpkg-parsechangelog -l - -S Version)\" = \"\$(dpkg-deb -f '$DEB' Version)\" ]"
check "the desktop entry is installed" desktop-file-validate /usr/share/applications/$APP.desktop
check "the metainfo is installed" test -f /usr/share/metainfo/$APP.metainfo.xml
check "the scalable icon is installed" test -f /usr/share/icons/hicolor/scalable/apps/$APP.svg
for size in 16 32 48 256; do
    check "the ${size}px icon is installed" bash -c "file /usr/share/icons/hicolor/${size}x${size}/apps/$APP.png | grep -q '$size x $size'"
done

# man(1) warns on stderr about anything groff cannot set cleanly.
man_renders() {
    MANWIDTH=80 man --warnings -E UTF-8 -l /usr/share/man/man6/gitterspor.6.gz >"$WORK/man.txt" 2>"$WORK/man.err"
    local status=$?
    head -n 12 "$WORK/man.txt" | sed 's/^/    man: /'
    cat "$WORK/man.err"
    [ $status -eq 0 ] && [ ! -s "$WORK/man.err" ] && grep -q '^NAVN' "$WORK/man.txt" \
        && grep -q 'gitterspor - find det skjulte punkt' "$WORK/man.txt"
}
check "the man page renders without warnings" man_renders
check "man finds the page as gitterspor(6)" bash -c "[ \"\$(man -w 6 gitterspor)\" = /usr/share/man/man6/gitterspor.6.gz ]"

# The desktop starts the Exec line with a user's PATH, which on Debian holds
# /usr/games; root's does not.
USER_PATH=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' /etc/login.defs)
USER_PATH=${USER_PATH:-/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games}
read -ra EXEC <<<"$(sed -n 's/^Exec=//p' /usr/share/applications/$APP.desktop | sed 's/ *%[fFuUick]//g')"
check "the desktop entry's Exec finds /usr/games/gitterspor" \
    bash -c "[ \"\$(PATH='$USER_PATH' command -v '${EXEC[0]}')\" = /usr/games/gitterspor ]"

start_x
start_program env PATH="$USER_PATH" "${EXEC[@]}"
check "the program started from the desktop entry shows its window" window_visible '^Gitterspor$'
kill "$PROGRAM_PID" 2>/dev/null; wait "$PROGRAM_PID" 2>/dev/null

dpkg -r gitterspor >"$WORK/dpkg.log" 2>&1
check "the package is removed" test ! -e /usr/games/gitterspor
check "the man page is removed" test ! -e /usr/share/man/man6/gitterspor.6.gz
finish
