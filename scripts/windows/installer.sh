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
# the project's address in its metainfo, where it has one, is the help link
# of the entry in "Apps"
homepage=$(sed -n 's|.*<url type="homepage">\(.*\)</url>.*|\1|p' \
    "$here/../../resources/desktop/org.gitterspor.Gitterspor.metainfo.xml")
links=()
if [ -n "$homepage" ]; then links=(-D HelpLink="$homepage"); else echo "installer.sh: no homepage, no help link"; fi
(cd "$(dirname "$folder")" && find "$(basename "$folder")" -type f | sort) |
    wixl-heat --prefix "$(basename "$folder")/" --directory-ref INSTALLDIR --component-group ProgramFiles \
        --var var.SourceDir --win64 >"$work/files.wxs"
msi=$out/gitterspor-$version-x64.msi
wixl -a x64 -D Win64=yes -D SourceDir="$(cd "$folder" && pwd)" -D Version="$version" -D Icon="$(cd "$(dirname "$icon")" && pwd)/$(basename "$icon")" \
    "${links[@]}" -o "$msi" "$here/gitterspor.wxs" "$work/files.wxs"
# new at every build: what deployment tools detect this installer's product by
echo "$(basename "$msi"): ProductCode $(msiinfo export "$msi" Property | sed -n 's/^ProductCode\t//p' | tr -d '\r')"
rm -f "$out/gitterspor-$version-x64.zip"
(cd "$(dirname "$folder")" && zip -qr -X "$out/gitterspor-$version-x64.zip" "$(basename "$folder")")
