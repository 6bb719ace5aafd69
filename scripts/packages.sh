# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
# The Debian packages the build, the game and the tests need.
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libcups2-dev fonts-liberation2
                qt6-translations-l10n qt6-wayland)
TEST_PACKAGES=(xvfb xauth x11-utils icewm xdotool imagemagick cups cups-bsd cups-client printer-driver-cups-pdf
               poppler-utils tesseract-ocr tesseract-ocr-dan weston orca python3-pyatspi dbus-x11 at-spi2-core
               speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins desktop-file-utils appstream dpkg-dev file lintian man-db
               build-essential debhelper blhc autopkgtest)
# Inside Debian 13: Qt for Windows built with MinGW-w64, the installer, and
# Wine to test it in.
WINDOWS_PACKAGES=(cmake ninja-build g++ dpkg-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n fonts-liberation2
                  msitools wixl icoutils osslsigncode openssl zip wine wine64 xvfb xauth x11-utils icewm xdotool imagemagick
                  tesseract-ocr tesseract-ocr-dan cups cups-bsd cups-client printer-driver-cups-pdf poppler-utils)
# Inside Debian 13: Qt for WebAssembly built with emscripten, the shipped
# folder, the browsers and their drivers to test it in, and Orca to hear it.
WEB_PACKAGES=(cmake ninja-build g++ dpkg-dev emscripten qt6-base-dev qt6-base-dev-tools qt6-svg-dev
              fonts-liberation2 brotli zip chromium firefox-esr nodejs npm poppler-utils imagemagick python3
              xvfb xauth x11-utils tesseract-ocr tesseract-ocr-dan webkitgtk-webdriver
              orca python3-pyatspi dbus-x11 at-spi2-core speech-dispatcher-espeak-ng speech-dispatcher-audio-plugins
              icewm xdotool)
