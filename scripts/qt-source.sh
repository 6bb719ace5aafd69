# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# What the two Qt builds for other platforms (scripts/windows/qt.sh,
# scripts/web/qt.sh) share: where a build is kept, and Debian's sources.

# qt_prefix CACHE RECIPE-FILE...: the folder a Qt is kept in, named by the
# version of Debian's Qt and a hash of the files that make it, so that a
# changed recipe builds anew. Older builds in CACHE are removed.
qt_prefix() {
    local cache=$1 version key
    shift
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
    key=$(cat "$@" "${BASH_SOURCE[0]}" | sha256sum | cut -c1-12)
    QT_VERSION=$version
    QT_PREFIX=$cache/$version-$key
    if [ -d "$cache" ]; then
        find "$cache" -mindepth 1 -maxdepth 1 ! -path "$QT_PREFIX" -exec rm -rf {} +
    fi
}

# qt_unpack FOLDER: Debian's qt6-base source of that version, unpacked in
# FOLDER (made anew), from the archive apt already takes its packages from.
qt_unpack() {
    local work=$1 list
    if ! apt-get indextargets 2>/dev/null | grep -q '^Identifier: Sources'; then
        for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$list" ] && sed -n 's/^deb \(.*debian\.org.*\)/deb-src \1/p' "$list"
        done >/etc/apt/sources.list.d/gitterspor-sources.list
        for list in /etc/apt/sources.list.d/*.sources; do
            [ -f "$list" ] && grep -q 'debian\.org' "$list" && sed 's/^Types: deb$/Types: deb-src/' "$list" \
                >"/etc/apt/sources.list.d/gitterspor-src-$(basename "$list")"
        done
        apt-get update -qq >&2
    fi
    rm -rf "$work" && mkdir -p "$work"
    (cd "$work" && apt-get source -qq --only-source "qt6-base=$QT_VERSION" >source.log 2>&1) \
        || { cat "$work/source.log" >&2; return 1; }
    QT_SOURCE=$(echo "$work"/qt6-base-*/)
}

# qt_build PLATFORM CMAKE-ARGUMENT...: configures the source qt_unpack
# unpacked for QT_PREFIX, with what every build of ours leaves out and the
# arguments, builds and installs it, and prints QT_PREFIX. Unity builds halve
# the time; the examples and tests nobody here runs are not built.
qt_build() {
    local platform=$1 work started
    shift
    work=$(dirname "$QT_SOURCE")
    started=$(date +%s)
    cmake -S "$QT_SOURCE" -B "$work/base" -G Ninja \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_UNITY_BUILD=ON -DBUILD_WITH_PCH=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_itemmodeltester=OFF \
        "$@" >"$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log" >&2; return 1; }
    cmake --build "$work/base" --parallel >"$work/build.log" 2>&1 \
        || { grep -B2 -A20 'FAILED\|error:' "$work/build.log" | head -n 80 >&2; return 1; }
    cmake --install "$work/base" >/dev/null
    echo "Qt $QT_VERSION for $platform built in $(( $(date +%s) - started )) s" >&2
    cd / && rm -rf "$work"
    touch "$QT_PREFIX/.built"
    echo "$QT_PREFIX"
}
