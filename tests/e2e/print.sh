#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Prints the task and the statistics from the real program through a private
# CUPS queue that writes PDF files, and checks what comes out; then checks
# that a queue that refuses the job, or no queue at all, shows the error and
# nothing else.
# Qt's own dialog and menu on the way are checked to read in Danish.
# Usage: print.sh PROGRAM [OUTPUT-DIR]
PRIVATE_BUS=1 source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/cups.sh"
PROGRAM=$1
OUT=${2:-$WORK}
mkdir -p "$OUT"

start_cups
check "the private queue is the default" bash -c "lpstat -d | grep -q PDF"

has_ink() { # png x y w h: some dark pixel in the box
    local mean
    mean=$(convert "$1" -crop "$4x$5+$2+$3" -colorspace gray -format '%[fx:minima]' info:)
    awk -v m="$mean" 'BEGIN { exit !(m < 0.5) }'
}

# Every name of the program as a screen reader has it, with and without some.
names_with() { # NAME...
    atspi names >"$WORK/names.txt"
    local name
    for name in "$@"; do grep -qxF "$name" "$WORK/names.txt" || { echo "no \"$name\"" >&2; return 1; }; done
}
names_without() { # NAME...: none of them
    atspi names >"$WORK/names.txt"
    ! grep -qxF -f <(printf '%s\n' "$@") "$WORK/names.txt"
}
no_english_menu() { ! grep -qE "Undo|Redo|Cut|Copy|Paste|Delete|Select" <<<"$1"; }

start_x
start_accessibility_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$PROGRAM"
wait_for 5 no_window '^fmSplash$'
width=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')

# Qt's printer set-up, reached from the settings, speaks Danish
atspi press "Indstillinger" && atspi press "Printer" && atspi press "Printer indstilling"
wait_for 5 window_visible '^Printer ops'
check "the printer set-up reads in Danish" names_with "Navn:" "Egenskaber" "Placering:" "Type:" "Outputfil:" \
    "Valgmuligheder >>" "Udskriv" "Annuller"
check "the printer set-up has no English" names_without "Name:" "Properties" "Location:" "Output file:" "Options >>" \
    "Print" "Cancel"
atspi press "Annuller" && atspi press "Fortryd"
wait_for 5 no_window '^Indstillinger$'

# play a little: a composed task with two guesses, then print it
click 66 20
guess 4 6
click 204 61
guess 1 1
guess 4 2
click $((width - 216 + 18)) 20          # "Udskriv opgave"
check "the name is asked for" wait_for 5 window_visible '^Skriv dit navn$'
xdotool type --delay 20 "Bo"
xdotool key shift+Home Menu               # the name box's own menu, on a selection
# the menu opens at the name box: read it off the screen there, once drawn
danish_menu() { grep -qE "Fortryd.*Klip.*Kopi.*Slet" <<<"$menu"; }
read_menu() { menu=$(words_at '^Skriv dit navn$' 420x260 "$OUT/e2e-name-menu.png"); danish_menu; }
wait_for 5 read_menu
check "the name box's menu reads in Danish ($menu)" danish_menu
check "the name box's menu has no English" no_english_menu "$menu"
xdotool key Escape Return
task_pdf=$(wait_pdf) || { fail "the task printout comes out of the queue"; cat "$C/log/error_log"; }
if [ -n "${task_pdf:-}" ]; then
    # the queue turns the text into glyph pictures, so the texts are checked
    # in the unit tests; here: one page, ink where the texts stand
    check "the task printout is one page" grep -q "^Pages: *1$" <<<"$(pdfinfo "$task_pdf" 2>/dev/null)"
    cp "$task_pdf" "$OUT/e2e-task.pdf"
    pdftoppm -r 50 -png -singlefile "$task_pdf" "$OUT/e2e-task"
    # at 50 pixels per inch a cell is 20 px: point (x, y) at ((x + 2.5) * 20, (13.5 - y) * 20)
    check "the lattice is printed with a red disc at (1,1)" \
        test "$(pixel "$OUT/e2e-task.png" 70 250)" = "255,0,0"
    check "the lattice is printed with a red disc at (4,2)" \
        test "$(pixel "$OUT/e2e-task.png" 130 230)" = "255,0,0"
    check "the unguessed hidden place is a silver square" \
        test "$(pixel "$OUT/e2e-task.png" 130 150)" = "192,192,192"
    check "the title is printed at (4b, b)" has_ink "$OUT/e2e-task.png" 80 20 120 16
    check "the guess list is printed from (2b, 17b)" has_ink "$OUT/e2e-task.png" 40 340 120 16
    rm -f "$task_pdf"
fi

# the statistics, printed from their window
click $((width - 136 + 18)) 20          # "Spiller-statistik"
check "the statistics window opens" wait_for 5 window_visible '^Spil statistik$'
SWID=$(xdotool search --onlyvisible --name '^Spil statistik$' | head -n 1)
xdotool mousemove --window "$SWID" 49 18 click 1
check "the name is asked for again" wait_for 5 window_visible '^Skriv dit navn$'
xdotool key Return                        # OK holds the focus: the name stays
stat_pdf=$(wait_pdf) || fail "the statistics printout comes out of the queue"
if [ -n "${stat_pdf:-}" ]; then
    check "the statistics printout is one page" grep -q "^Pages: *1$" <<<"$(pdfinfo "$stat_pdf" 2>/dev/null)"
    cp "$stat_pdf" "$OUT/e2e-statistik.pdf"
    pdftoppm -r 50 -png -singlefile "$stat_pdf" "$OUT/e2e-statistik"
    # page width div 9 from the left and the top: about 46 px at 50 pixels per inch
    check "the statistics title is printed at the margin" has_ink "$OUT/e2e-statistik.png" 46 46 100 12
    rm -f "$stat_pdf"
fi
xdotool key Escape
check "the statistics window closes" wait_for 3 no_window '^Spil statistik$'

# a queue that refuses jobs (cupsreject): the error is shown
cupsreject PDF
click $((width - 216 + 18)) 20
check "the name is asked for at a refusing queue" wait_for 5 window_visible '^Skriv dit navn$'
xdotool key Return
check "a refused job shows an error" wait_for 5 window_visible '^Fejl$'
check "the error says so in Danish" names_with "Printeren tog ikke imod udskriften. Se efter, at printeren er klar, og prøv igen."
xdotool key Escape
check "the error closes and the program goes on" wait_for 3 no_window '^Fejl$'
check "the refused job wrote no PDF" test -z "$(find "$PDFDIR" -name '*.pdf' -newer "$STAMP")"
cupsaccept PDF
kill "$PROGRAM_PID" 2>/dev/null; wait "$PROGRAM_PID" 2>/dev/null

# ---- no queue at all ----
kill "$CUPSD_PID"; wait "$CUPSD_PID" 2>/dev/null
export CUPS_SERVER=$WORK/no-such-cups.sock
start_program "$PROGRAM"
wait_for 5 no_window '^fmSplash$'
click 66 20
guess 4 6
click $((width - 216 + 18)) 20
wait_for 5 window_visible '^Fejl$'
check "without a printer the name is not asked for" no_window '^Skriv dit navn$'
check "without a printer an error is shown" window_visible '^Fejl$'
xdotool key Escape
wait_for 3 no_window '^Fejl$'
check "the error closes and the program goes on" window_visible '^Gitterspor$'
check "no PDF was written" test -z "$(find "$PDFDIR" -name '*.pdf' -newer "$STAMP")"
finish
