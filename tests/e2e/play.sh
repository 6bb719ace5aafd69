#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Starts the real program under Xvfb with a window manager and plays it with
# the mouse: the splash, a computer task, a lost composed task, and closing.
# Usage: play.sh PROGRAM [SCREENSHOT-DIR]
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
OUT=${2:-$WORK}
mkdir -p "$OUT"

start_x
start_program "$PROGRAM"
check "the splash is shown at start" window_visible '^fmSplash$'
sleep 1 # the splash must not go before its time
check "the splash is still there after a second" window_visible '^fmSplash$'
check "the splash goes by itself after about 3 s" wait_for 4 no_window '^fmSplash$'

empty_board() { shot "$OUT/e2e-empty.png" && test "$(point_colour "$OUT/e2e-empty.png" 4 4)" = "192,192,192"; }
check "an empty board shows silver dots" wait_for 5 empty_board
check "an empty board shows white between the lines" test "$(pixel "$OUT/e2e-empty.png" 50 89)" = "255,255,255"

# a computer task: the first guess is a red or a lime disc
click 26 20            # "Start opgave"
guess 3 3
shot "$OUT/e2e-computer.png"
colour=$(point_colour "$OUT/e2e-computer.png" 3 3)
check "a guess in a computer task is drawn ($colour)" test "$colour" = "255,0,0" -o "$colour" = "0,255,0"

# "Lav opgave" during the task asks first; say yes, compose (5,5), hand it over
click 66 20
answer Return
guess 5 5
shot "$OUT/e2e-composed.png"
check "the composed place is a lime disc" test "$(point_colour "$OUT/e2e-composed.png" 5 5)" = "0,255,0"
click 204 61           # "Løs opgaven"
for y in 0 1 2 3 4 6; do guess 0 $y; done
solution_shown() { shot "$OUT/e2e-lost.png" && test "$(point_colour "$OUT/e2e-lost.png" 5 5)" = "0,128,0"; }
wait_for 5 solution_shown
for y in 0 1 2 3 4 6; do
    check "guess (0,$y) is a red disc" test "$(point_colour "$OUT/e2e-lost.png" 0 $y)" = "255,0,0"
done
check "the solution is a green disc" test "$(point_colour "$OUT/e2e-lost.png" 5 5)" = "0,128,0"

# the tool bar's right end: the window is maximised
width=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
check "the window opens maximised ($width px)" test "$width" -gt 1000

# closing asks; "Nej" keeps the window, "Ja" ends the program
click $((width - 44 + 18)) 20
wait_for 5 eval 'asking && outer_centred "$(xdotool getactivewindow)" 2>/dev/null'
check "the question is centred by its outer frame" outer_centred "$(xdotool getactivewindow)"
answer Escape
check "no to \"Luk Gitterspor?\" keeps the window" window_visible '^Gitterspor$'

# no longer maximised, the window is 640 x 480 outside and centred
xdotool key --window "$WID" alt+F5
wait_for 5 eval '[ "$(outer_box "$WID" | cut -d" " -f3-)" = "640 480" ] && outer_centred "$WID" 2>/dev/null'
check "the restored window is 640 x 480 outside" test "$(outer_box "$WID" | cut -d' ' -f3-)" = "640 480"
check "the restored window is centred" outer_centred "$WID"
width=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
click $((width - 44 + 18)) 20
answer Return
check "yes to \"Luk Gitterspor?\" ends the program" wait_for 5 ended "$PROGRAM_PID"
finish
