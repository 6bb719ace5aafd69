#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# The real program on desktops that differ from an X display with a window
# manager: a bare X display, where nothing activates the window, also with a
# dark KDE colour scheme; and weston's
# headless Wayland compositor, driven through AT-SPI as it has no input
# devices.
# Usage: desktops.sh PROGRAM [SCREENSHOT-DIR]
PRIVATE_BUS=1 source "$(dirname "$0")/lib.sh"
PROGRAM=$1
OUT=${2:-$WORK}
mkdir -p "$OUT"
export LANG=da_DK.UTF-8 XDG_RUNTIME_DIR=$WORK/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

# ---- a bare X display ----
start_x bare
start_program "$PROGRAM"
wait_for 6 no_window '^fmSplash$'
laid_out() { shot "$OUT/e2e-bare-x.png" && buttons_at_pitch "$OUT/e2e-bare-x.png" 0 0; }
check "without a window manager the coordinate buttons stand at their pitch" wait_for 5 laid_out
words=$(notepad_words "$OUT/e2e-bare-x.png" 0 0)
check "without a window manager the notepad shows \"Taxi afstand\" ($words)" grep -q "Taxi afstand" <<<"$words"
# keyboard play: "Start opgave" has the focus, then x 3 and y 8
xdotool key space; sleep 0.3 # nothing on a bare display shows that the task has begun
xdotool key Right Right Right space Up Up Up Up Up space
guessed() {
    shot "$OUT/e2e-bare-x-keys.png"
    disc=$(point_colour "$OUT/e2e-bare-x-keys.png" 3 8)
    [ "$disc" = "255,0,0" ] || [ "$disc" = "0,255,0" ]
}
wait_for 5 guessed
check "without a window manager a guess is played with the keyboard ($disc)" guessed
kill "$PROGRAM_PID"; wait "$PROGRAM_PID" 2>/dev/null

# a dark KDE colour scheme, which Qt takes its palette from
mkdir -p "$WORK/kde"
{ echo "[General]"; echo "ColorScheme=BreezeDark"
  printf '[Colors:%s]\nBackgroundNormal=42,46,50\nForegroundNormal=252,252,252\n' Window Button View; } >"$WORK/kde/kdeglobals"
export XDG_CONFIG_HOME=$WORK/kde XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
start_program "$PROGRAM"
wait_for 6 no_window '^fmSplash$'
tool_bar_light() { shot "$OUT/e2e-dark-kde.png" && light "$OUT/e2e-dark-kde.png" 640x40+0+0; }
check "on a dark KDE desktop the tool bar is light, with dark ink" wait_for 5 tool_bar_light
kill "$PROGRAM_PID"; wait "$PROGRAM_PID" 2>/dev/null
unset XDG_CONFIG_HOME XDG_CURRENT_DESKTOP KDE_SESSION_VERSION

# ---- weston, headless ----
weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --socket=gitterspor \
    --debug --idle-time=0 >"$WORK/weston.log" 2>&1 &
PIDS+=($!)
wait_for 5 test -S "$XDG_RUNTIME_DIR/gitterspor"
start_accessibility_bus
WAYLAND_DISPLAY=gitterspor QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$PROGRAM" >"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
PIDS+=($PROGRAM_PID)
windows() { [ "$(atspi windows 2>/dev/null | grep -c .)" = "$1" ]; } # how many are shown
check "on Wayland the splash shows over the board" wait_for 5 windows 2
check "on Wayland the splash goes" wait_for 6 windows 1

for control in "Start opgave" "x 3" "y 5"; do
    check "on Wayland \"$control\" is pressed" atspi press "$control"
done
guessed() { atspi names | grep -q "^1\. gæt: (3,5)"; }
wait_for 5 guessed
(cd "$WORK" && WAYLAND_DISPLAY=gitterspor timeout 20 weston-screenshooter >/dev/null 2>&1)
mv "$WORK"/wayland-screenshot-*.png "$OUT/e2e-wayland.png"
# Qt draws the title bar itself, so the client area is found by its green:
# it begins under the 40-px tool bar.
read -r X0 Y0 <<<"$(convert "$OUT/e2e-wayland.png" -fill black +opaque 'rgb(0,128,64)' -format '%@' info: \
    | sed 's/.*+\([0-9]*\)+\([0-9]*\)$/\1 \2/')"
Y0=$((Y0 - 40))
check "on Wayland the coordinate buttons stand at their pitch" buttons_at_pitch "$OUT/e2e-wayland.png" "$X0" "$Y0"
disc=$(pixel "$OUT/e2e-wayland.png" $((X0 + $(point_x 3))) $((Y0 + $(point_y 5))))
if atspi names | grep -x "1\. gæt: (3,5), Netop!" >/dev/null; then want="0,255,0"; else want="255,0,0"; fi
check "on Wayland the guess (3,5) is a disc in its colour ($disc)" test "$disc" = "$want"
check "on Wayland the board shows silver dots" test "$(pixel "$OUT/e2e-wayland.png" $((X0 + $(point_x 4))) $((Y0 + $(point_y 4))))" = "192,192,192"

atspi press "Luk Gitterspor"
asks() { atspi names | grep -x "Luk Gitterspor?" >/dev/null; }
check "on Wayland closing asks" wait_for 5 asks
atspi press "Ja"
wait_for 5 ended "$PROGRAM_PID"
wait "$PROGRAM_PID"
check "on Wayland yes to \"Luk Gitterspor?\" ends the program cleanly" test $? -eq 0
check "on Wayland Qt's Wayland plugin has no warning" bash -c "! grep -i wayland '$WORK/program.log'"
sed 's/^/    program: /' "$WORK/program.log"

# Where both are there, the game takes X11 (XWayland): only there it can
# centre its windows.
env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=gitterspor XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE "$PROGRAM" >"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
PIDS+=($PROGRAM_PID)
check "with both X11 and Wayland the game is an X11 client" wait_for 10 window_visible '^Gitterspor$'
finish
