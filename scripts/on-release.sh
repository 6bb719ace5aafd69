#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Runs a command of this repository inside a minimal Debian system of the
# given release, made with debootstrap, as a new user of that release would:
#
#     bash scripts/on-release.sh trixie bash scripts/test.sh
#
# The system is kept in /var/cache/gitterspor/RELEASE and reused for a week;
# after that, when it is broken, or when this script or the package lists
# changed, it is made anew. The repository's tracked
# files (as they are in the working tree) and its history are copied into
# it. What a command keeps for longer than the system (Qt built for
# Windows) lives beside it in RELEASE.kept, seen inside as
# /var/cache/gitterspor. Needs root.
set -euo pipefail
release=${1:?usage: on-release.sh RELEASE COMMAND...}
shift
[ $# -gt 0 ] || set -- bash scripts/test.sh
cd "$(dirname "$0")/.."
ROOT=${GITTERSPOR_RELEASE_ROOT:-/var/cache/gitterspor}/$release
SRC=/root/gitterspor

mounted() { grep -q " $(realpath -m "$ROOT/$1") " /proc/mounts; }
# Ends what the command left running inside (a session bus, say), then
# unmounts what was mounted for it.
unmount_all() {
    local dir pid
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$(realpath -m "$ROOT")" ] && kill -KILL "${pid#/proc/}" 2>/dev/null
    done
    for dir in var/cache/gitterspor sys dev proc; do
        if mounted $dir; then umount -R "$ROOT/$dir" 2>/dev/null || umount -R -l "$ROOT/$dir"; fi
    done
    return 0
}
trap unmount_all EXIT

# made anew when the way it is made, or the list of packages it gets, changed
recipe=$(cat scripts/on-release.sh scripts/packages.sh | sha256sum | cut -c1-12)
if [ -f "$ROOT/.made" ] && [ -z "$(find "$ROOT/.made" -mtime +6)" ] && [ -x "$ROOT/usr/bin/git" ] \
    && [ "$(cat "$ROOT/.made")" = "$recipe" ]; then
    echo "== Debian $release in $ROOT, made $(date -r "$ROOT/.made" +%F)"
else
    unmount_all
    rm -rf --one-file-system "$ROOT"
    command -v debootstrap >/dev/null || bash scripts/setup.sh debootstrap
    echo "== making Debian $release in $ROOT"
    mkdir -p "$ROOT"
    debootstrap --variant=minbase --include=ca-certificates,git,sudo "$release" "$ROOT" >"$ROOT.debootstrap.log" 2>&1 \
        || { tail -n 20 "$ROOT.debootstrap.log"; exit 1; }
    echo "$recipe" >"$ROOT/.made"
fi
cp /etc/resolv.conf "$ROOT/etc/"
# the certificate authorities this machine trusts, for npm's registry too
cp /etc/ssl/certs/ca-certificates.crt "$ROOT/etc/ssl/certs/"
chmod 1777 "$ROOT/tmp"
mounted proc || mount -t proc proc "$ROOT/proc"
mounted dev || { mount --rbind /dev "$ROOT/dev" && mount --make-rslave "$ROOT/dev"; }
mounted sys || mount -t sysfs sys "$ROOT/sys"
mkdir -p "$ROOT.kept" "$ROOT/var/cache/gitterspor"
mounted var/cache/gitterspor || mount --bind "$ROOT.kept" "$ROOT/var/cache/gitterspor"

# A fresh copy of the repository and its working tree each time, without
# any build folder: nothing is left from a run before.
rm -rf "${ROOT:?}$SRC" && mkdir -p "$ROOT$SRC"
{ git ls-files -z --cached --others --exclude-standard; printf '.git\0'; } \
    | tar --null --ignore-failed-read -T - -cf - | tar -C "$ROOT$SRC" -xf -
started=$(date +%s)
status=0
# shellcheck disable=SC2016
chroot "$ROOT" /usr/bin/env -i HOME=/root TERM=dumb PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd "$0" && exec "$@"' "$SRC" "$@" || status=$?
echo "== Debian $release: $* ended with $status after $(( $(date +%s) - started )) s"
exit $status
