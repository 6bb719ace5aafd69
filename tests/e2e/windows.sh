#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# The Windows build under Wine, on Xvfb with a window manager: the unit and
# widget tests, cross-built; the program's manifest and icon; the installer
# installed silently as school IT deploys it; the installed game laid out,
# read through UI Automation, played, its help opened, a task printed
# through Wine's printer (which hands it to CUPS), closed; the game in
# Windows 11's dark mode; a signed newer version and a rebuilt one installed
# over it; uninstalled.
# Usage: windows.sh QT-PREFIX BUILD-DIR
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups.sh"
source "$(dirname "$0")/wine.sh"
QT=$1
B=$(cd "$2" && pwd)
WIN=$(cd "$(dirname "$0")/../../scripts/windows" && pwd)
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

# ---- the program's resources, read back ----
EXE=$B/Gitterspor/gitterspor.exe
wrestool -x --raw -t 24 "$EXE" >"$OUT/manifest.xml"
check "the program has one manifest" test "$(wrestool -l -t 24 "$EXE" | grep -c .)" = 1
check "the manifest asks for asInvoker, Windows 10 and 11, Common Controls 6, PerMonitorV2" test "$(grep -cF -e asInvoker \
    -e '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' -e 'Common-Controls" version="6.0.0.0"' -e PerMonitorV2 -e true/pm "$OUT/manifest.xml")" = 5
check "the icon is named IDI_ICON1, where Qt looks" bash -c "wrestool -l -t 14 '$EXE' | grep -q \"name='IDI_ICON1'\""

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

# read as Narrator reads it, by a client of Windows' UI Automation
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -municode -static -o "$WORK/uia_names.exe" "$(dirname "$0")/uia_names.cpp" -lole32 -loleaut32 -luuid
names=$(wine "$WORK/uia_names.exe" Gitterspor 2>&1 | tr -d '\r' | tee "$OUT/uia-names.txt")
unnamed=$(printf '%s\n' {x,y}\ {0..10} "Start opgave" "Lav opgave" "Udskriv opgave" Indstillinger Spiller-statistik Hjælp "Luk Gitterspor" |
    grep -vxF -f <(printf '%s\n' "$names") | tr '\n' ',')
check "UI Automation reads the coordinate buttons and the tool bar by their Danish names (${unnamed:-all $(grep -c . <<<"$names") named})" test -z "$unnamed"

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
# an error would show as soon as the job has been handed over
check "a printout that reached the queue shows no error" eval '! wait_for 5 window_visible "^Fejl\$"'

# A queue that refuses jobs is not seen here: Wine's spooler logs that CUPS
# refused the job and lets EndDoc() succeed all the same, so the refusal is
# tested as the engine's warning turned into the answer (tst_printing).

# closing asks; yes ends the program
click $((width - 44 + 18)) 20
answer Return
check "yes to \"Luk Gitterspor?\" ends the program" wait_for 10 ended "$PROGRAM_PID"

# ---- Windows 11 in dark mode, where Qt 6.8's style turns dark ----
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' \
    /v AppsUseLightTheme /t REG_DWORD /d 0 /f >/dev/null && wine winecfg -v win11
start_program wine 'C:\Program Files\Gitterspor\gitterspor.exe'
tool_bar_light() { shot "$OUT/wine-dark-board.png" && light "$OUT/wine-dark-board.png" "${width}x40+0+0"; }
check "in dark mode the tool bar is light, with dark ink" wait_for 10 tool_bar_light
click $((width - 176 + 18)) 20 # "Indstillinger"
settings_light() {
    import -window "$(xdotool search --onlyvisible --name '^Indstillinger$' | head -n 1)" "$OUT/wine-dark-settings.png" &&
        light "$OUT/wine-dark-settings.png"
}
check "in dark mode the settings are light, with dark ink" wait_for 8 settings_light
xdotool key Escape
click 26 20 # "Start opgave"
button_light() { shot "$OUT/wine-dark-task.png" && light "$OUT/wine-dark-task.png" 22x22+46+416; }
check "in dark mode a coordinate button is light, with dark ink" wait_for 5 button_light
click $((width - 44 + 18)) 20
question_light() { asking && import -window "$(xdotool getactivewindow)" "$OUT/wine-dark-question.png" && light "$OUT/wine-dark-question.png"; }
check "in dark mode the question \"Luk Gitterspor?\" is light, with dark ink" wait_for 5 question_light
answer Return
wait_for 10 ended "$PROGRAM_PID"

# ---- signed with a throwaway certificate: the next version over this one, then built again ----
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=Gitterspor test" -addext extendedKeyUsage=codeSigning \
    -keyout "$WORK/key.pem" -out "$WORK/cert.pem" 2>/dev/null && echo test >"$WORK/password" &&
    openssl pkcs12 -export -inkey "$WORK/key.pem" -in "$WORK/cert.pem" -passout "file:$WORK/password" -out "$WORK/cert.pfx"
sign() { GITTERSPOR_SIGN_PFX=$WORK/cert.pfx GITTERSPOR_SIGN_PASSWORD_FILE=$WORK/password bash "$WIN/sign.sh" "$@"; }
next=$(sed -n 's/.*gitterspor-\(.*\)-x64\.msi$/\1/p' <<<"$MSI" | awk -F. '{ print $1 "." $2 "." $3 + 1 }')
cp -r "$B/Gitterspor" "$WORK" && sign "$WORK/Gitterspor/gitterspor.exe" "$WORK"/Gitterspor/*.dll
for n in 1 2; do
    bash "$WIN/installer.sh" "$WORK/Gitterspor" "$B/resources/gitterspor.ico" "$next" "$WORK/dist$n" && sign "$WORK"/dist$n/*.msi
done
for file in "$WORK/Gitterspor/gitterspor.exe" "$WORK/Gitterspor/Qt6Core.dll" "$WORK"/dist1/*.msi; do
    verified=$(osslsigncode verify -CAfile "$WORK/cert.pem" -in "$file" 2>&1)
    grep -E "Subject:|verification:|^(Succeeded|Failed)" <<<"$verified" | sort -u | sed 's/^\s*/    osslsigncode: /'
    check "the signature of $(basename "$file") verifies" grep -q "^Signature verification: ok" <<<"$verified"
done
entries() { # the DisplayVersion of each uninstall entry of the game
    wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' | tee "$OUT/uninstall-$1.txt" |
        awk '/^HKEY/ { if (ours) print v; ours = 0; v = "" } /DisplayName.*koordinatspil for b/ { ours = 1 } /DisplayVersion/ { v = $NF } END { if (ours) print v }'
}
for n in 1 2; do # the second: the same version, built again
    check "$next installs silently over what is installed" wine msiexec /i "$(winpath "$WORK"/dist$n/*.msi)" /qn
    check "one uninstall entry is left, for $next ($(entries "$n" | tr '\n' ' '))" test "$(entries "$n")" = "$next"
done
check "the program installed is the newer, signed one" bash -c \
    "osslsigncode verify -CAfile '$WORK/cert.pem' -in '$INSTALLED/gitterspor.exe' 2>&1 | grep -q '^Signature verification: ok'"

# ---- uninstalled ----
check "the installer uninstalls silently" wine msiexec /x "$(winpath "$WORK"/dist2/*.msi)" /qn
check "the uninstall removes the files and the entry" test -z "$(find "$INSTALLED" -type f 2>/dev/null)$(entries gone)"
"$WINESERVER" -k
finish
