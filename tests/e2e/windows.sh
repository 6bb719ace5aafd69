#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# The Windows build under Wine, on Xvfb with a window manager: the unit and
# widget tests, cross-built; the installer installed silently as school IT
# deploys it; the installed game laid out, played, its help opened, a task
# printed through Wine's printer (which hands it to CUPS), closed; then
# uninstalled.
# Usage: windows.sh QT-PREFIX BUILD-DIR
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups.sh"
source "$(dirname "$0")/wine.sh"
QT=$1
B=$(cd "$2" && pwd)
OUT=$B/screenshots
mkdir -p "$OUT"
export LANG=da_DK.UTF-8

start_x
start_cups # Wine takes CUPS's queues as its printers when the prefix is made
start_wine

# ---- the unit and widget tests, with the Qt they were built against ----
unit_tests_pass() {
    # shellcheck disable=SC2046
    env $(built_qt_env "$QT") ctest --test-dir "$B" -L unit -j2 --output-on-failure && return 0
    grep -h -A4 -E '^(FAIL|QFATAL)' "$B"/tests/*.log
    return 1
}
check "the unit and widget tests pass under Wine" unit_tests_pass

# ---- the installer, silently ----
MSI=$(ls "$B"/dist/*.msi)
check "the installer installs silently" wine msiexec /i "$(winpath "$MSI")" /qn
INSTALLED="$WINEPREFIX/drive_c/Program Files/Gitterspor"
check "the program is installed under Program Files" test -f "$INSTALLED/gitterspor.exe"
check "the installer is for every user of the machine (ALLUSERS=1)" \
    bash -c "msiinfo export '$MSI' Property | grep -qP '^ALLUSERS\t1'"
# Wine's installer puts the shortcut in the user's Start menu whatever
# ALLUSERS says; Windows puts it in the one for all users
check "the Start menu has \"Gitterspor\"" bash -c \
    "find '$WINEPREFIX/drive_c/ProgramData' '$WINEPREFIX/drive_c/users' -path '*Start Menu/Programs/Gitterspor.lnk' | grep -q ."
check "the uninstall entry has its Danish name" bash -c \
    "wine reg query 'HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall' /s 2>/dev/null | grep -q 'koordinatspil for b'"

# ---- the installed game ----
start_program wine 'C:\Program Files\Gitterspor\gitterspor.exe'
wait_for 8 no_window '^fmSplash$'
laid_out() { shot "$OUT/wine-board.png" && buttons_at_pitch "$OUT/wine-board.png" 0 0; }
check "under Wine the coordinate buttons stand at their pitch" wait_for 10 laid_out
words=$(notepad_words "$OUT/wine-board.png" 0 0)
check "under Wine the notepad shows \"Taxi afstand\" ($words)" grep -q "Taxi afstand" <<<"$words"

click 26 20 # "Start opgave"
guess 3 3
logged() { shot "$OUT/wine-guess.png" && grep -q "1. gæt" <<<"$(notepad_words "$OUT/wine-guess.png" 0 0)"; }
check "a guess is logged (\"1. gæt\")" wait_for 5 logged

width=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
click $((width - 84 + 18)) 20 # "Hjælp", then "Vejledning"
sleep 0.5 # the drop-down menu has no name to wait for under Wine
xdotool key Down Return
# Wine names the window to X with a hyphen for the dash
check "the help opens" wait_for 8 window_visible '^Gitterspor . vejledning$'
import -window root "$OUT/wine-help.png"
xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Gitterspor . vejledning$' | head -n 1)" key alt+F4
check "the help closes" wait_for 5 no_window '^Gitterspor . vejledning$'

# the task printout: Wine's printer hands it to the cups-pdf queue
click $((width - 216 + 18)) 20 # "Udskriv opgave"
check "the name is asked for" wait_for 8 window_visible '^Skriv dit navn$'
LC_ALL=C.UTF-8 xdotool type --delay 50 "Bo"
# Qt's own texts in Danish: the name box's menu, read off the screen once drawn
xdotool key shift+Home Menu
danish_menu() { grep -qE "Fortryd.*Klip.*Slet" <<<"$menu"; }
read_menu() { menu=$(words_at '^Skriv dit navn$' 420x300 "$OUT/wine-name-menu.png"); danish_menu; }
wait_for 10 read_menu
check "the name box's menu reads in Danish ($menu)" danish_menu
xdotool key Escape
sleep 0.3 # End and Return are for the name box, once the menu has closed: nothing shows when
xdotool key End Return
pdf=$(wait_pdf 30) || fail "the task printout comes out of the queue"
if [ -n "${pdf:-}" ]; then
    pdftoppm -r 150 -png -singlefile "$pdf" "$OUT/wine-task"
    printed=$(tesseract "$OUT/wine-task.png" - -l dan --psm 4 2>/dev/null)
    echo "$printed" >"$OUT/wine-task.txt"
    check "the printout has the title with the name ($(head -n 3 <<<"$printed" | tr '\n' ' '))" grep -q "Gitterspor (Bo" <<<"$printed"
    check "the printout lists the guess" grep -q "1. gæt" <<<"$printed"
fi
check "a printout that reached the queue shows no error" no_window '^Fejl$'

# closing asks; yes ends the program
click $((width - 44 + 18)) 20
answer Return
check "yes to \"Luk Gitterspor?\" ends the program" wait_for 10 ended "$PROGRAM_PID"

# ---- uninstalled ----
check "the installer uninstalls silently" wine msiexec /x "$(winpath "$MSI")" /qn
check "the uninstall removes the files" test -z "$(find "$INSTALLED" -type f 2>/dev/null)"
"$WINESERVER" -k
finish
