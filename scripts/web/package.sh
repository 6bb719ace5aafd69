#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# The folder that is shipped for the browser, and its zip:
#     package.sh BUILD-DIR VERSION OUT-FOLDER
# OUT-FOLDER/gitterspor-web holds the page, the game, its icons and manifest,
# the service worker with the list of what it keeps, the large files
# precompressed (.br, .gz) for servers that send them as they are, and the
# licences: Qt for WebAssembly is GPL 3 only and linked in, so the whole is.
set -euo pipefail
B=$1 version=$2 out=$3
web=resources/web
rm -rf "$out" && mkdir -p "$out/gitterspor-web"
out=$(cd "$out" && pwd)
folder=$out/gitterspor-web
cp $web/index.html $web/page.js $web/manifest.webmanifest "$folder"
game=$(dirname "$(find "$B" -name gitterspor.wasm -not -path '*/CMakeFiles/*' | head -n1)")
cp "$game/gitterspor.js" "$game/gitterspor.wasm" "$game/qtloader.js" "$B"/resources/web/icon-*.png "$folder"
mkdir "$folder/licenser"
cp /usr/share/common-licenses/GPL-3 "$folder/licenser/GPL-3.txt"
cp LICENSE "$folder/licenser/MIT-Gitterspor.txt"
cp "$(dpkg -L fonts-liberation fonts-liberation2 2>/dev/null | grep -m1 '/copyright$')" "$folder/licenser/Liberation-fonts.txt"
cat >"$folder/licenser/LÆSMIG.txt" <<TEXT
Gitterspor $version til browseren.

Spillet er bygget med Qt for WebAssembly, som er udgivet under GNU General
Public License version 3 (GPL-3.txt). Qt er lagt ind i spillet, så spillet i
denne mappe som helhed udgives under GPL version 3. Gitterspors egen kildekode
er under MIT-licensen (MIT-Gitterspor.txt). Skrifterne Liberation Sans og
Liberation Mono er under SIL Open Font License (Liberation-fonts.txt).

Kildekoden: Gitterspors ligger her som gitterspor-$version-kilde.tar.gz. Qt's
er Debians kildepakke qt6-base $(dpkg-query -W -f='${Version}' qt6-base-dev-tools), som
scripts/web/qt.sh i Gitterspors kilde bygger den (apt-get source qt6-base).
TEXT
git archive --format=tar.gz -o "$folder/licenser/gitterspor-$version-kilde.tar.gz" HEAD

# the service worker keeps every file the game needs to start offline; its
# cache's name changes with the files
(cd "$folder" && find . -type f -not -name sw.js -not -path './licenser/*' | sed 's|^\./||' | sort) >"$out/files"
key=$(cd "$folder" && xargs cat <"$out/files" | sha256sum | cut -c1-12)
list=$( (echo "./"; cat "$out/files") | sed "s/.*/'&'/" | paste -sd, -)
sed -e "s/@VERSION@/$version-$key/" -e "s|@FILES@|$list|" $web/sw.js >"$folder/sw.js"
sed -i "s/@VERSION@/$version-$key/" "$folder/page.js" # the page fills the same cache
rm "$out/files"

for file in gitterspor.wasm gitterspor.js qtloader.js; do
    brotli -q 11 -k "$folder/$file"
    gzip -9 -k -n "$folder/$file"
done
(cd "$out" && zip -qr -X "gitterspor-$version-web.zip" gitterspor-web)
