#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Builds the Debian package, validates its desktop entry and metadata,
# installs it, starts the installed program under Xvfb, and removes it again.
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

# remove it again whatever happens below
trap 'dpkg -r gitterspor >/dev/null 2>&1; cleanup' EXIT
dpkg -i "$DEB" >"$WORK/dpkg.log" 2>&1 || { fail "the package installs"; cat "$WORK/dpkg.log"; finish; }
check "the program is installed" test -x /usr/games/gitterspor
check "the desktop entry is installed" desktop-file-validate /usr/share/applications/$APP.desktop
check "the metainfo is installed" test -f /usr/share/metainfo/$APP.metainfo.xml
check "the scalable icon is installed" test -f /usr/share/icons/hicolor/scalable/apps/$APP.svg
for size in 16 32 48 256; do
    check "the ${size}px icon is installed" bash -c "file /usr/share/icons/hicolor/${size}x${size}/apps/$APP.png | grep -q '$size x $size'"
done

start_x
start_program /usr/games/gitterspor
check "the installed program shows its window" window_visible '^Gitterspor$'
kill "$PROGRAM_PID" 2>/dev/null; wait "$PROGRAM_PID" 2>/dev/null

dpkg -r gitterspor >"$WORK/dpkg.log" 2>&1
check "the package is removed" test ! -e /usr/games/gitterspor
finish
