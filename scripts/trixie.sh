# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Sourced by the builds for Windows and the browser, which build in Debian
# 13. On another release, in_trixie runs the calling script inside the
# Debian 13 system that on-release.sh keeps, copies the folder it made out
# to DEST, and exits with its status; a run that fails leaves no folder, so
# nothing of an earlier run can pass for this one's. On Debian 13 itself it
# returns, and the script goes on where it is.
#     in_trixie NAME DEST SCRIPT [ARGS...]
# NAME is the folder the script leaves in /var/cache/gitterspor; with NAME
# and DEST empty (a benchmark) nothing is copied out.
in_trixie() {
    local name=$1 dest=$2 status=0
    shift 2
    [ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" != trixie ] || return 0
    [ -z "$dest" ] || rm -rf "$dest"
    bash scripts/on-release.sh trixie bash "$@" || status=$?
    local kept=${GITTERSPOR_RELEASE_ROOT:-/var/cache/gitterspor}/trixie.kept/$name
    if [ $status -eq 0 ] && [ -n "$name" ] && [ -d "$kept" ]; then mkdir -p "$(dirname "$dest")" && cp -r "$kept" "$dest"; fi
    exit $status
}

# In Debian 13, what a build for PLATFORM (windows or web) needs: its
# packages, its Qt, built once and kept (in QT), and for the browser
# emscripten.
#     trixie_tools PLATFORM
trixie_tools() {
    local packages="${1^^}_PACKAGES[@]"
    source scripts/packages.sh
    bash scripts/setup.sh "${!packages}"
    QT=$(bash "scripts/$1/qt.sh")
    [ "$1" != web ] || source scripts/web/emsdk.sh
}
