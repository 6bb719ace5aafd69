#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Makes the installer (wixl) and the portable zip of the shipped folder.
#     installer.sh FOLDER ICON.ico VERSION OUT-FOLDER
set -euo pipefail
folder=$1 icon=$2 version=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$(dirname "$folder")" && find "$(basename "$folder")" -type f | sort) |
    wixl-heat --prefix "$(basename "$folder")/" --directory-ref INSTALLDIR --component-group ProgramFiles \
        --var var.SourceDir --win64 >"$work/files.wxs"
wixl -a x64 -D Win64=yes -D SourceDir="$(cd "$folder" && pwd)" -D Version="$version" -D Icon="$(cd "$(dirname "$icon")" && pwd)/$(basename "$icon")" \
    -o "$out/gitterspor-$version-x64.msi" "$here/gitterspor.wxs" "$work/files.wxs"
rm -f "$out/gitterspor-$version-x64.zip"
(cd "$(dirname "$folder")" && zip -qr -X "$out/gitterspor-$version-x64.zip" "$(basename "$folder")")
