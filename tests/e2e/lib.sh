# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Shared pieces of the end-to-end tests: an X server with a window manager,
# the real program, clicks in its client coordinates and pixel checks.
# Every service is started here and stopped by its PID. Printing (cups.sh)
# and Wine (wine.sh) are sourced after this file by the tests that need them.

set -uo pipefail
# A script that sets PRIVATE_BUS=1 before it sources this file runs on a
# private session bus, where the accessibility bus (and Orca) can live.
if [ -n "${PRIVATE_BUS:-}" ] && [ -z "${GITTERSPOR_IN_DBUS:-}" ]; then
    GITTERSPOR_IN_DBUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
PIDS=()
WORK=$(mktemp -d /tmp/gitterspor-e2e.XXXXXX)
FAILURES=0

cleanup() {
    local pid
    for ((i=${#PIDS[@]}-1; i>=0; i--)); do
        pid=${PIDS[i]}
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; FAILURES=$((FAILURES + 1)); }
pass() { echo "PASS: $*"; }
check() { # description, command...
    local what=$1; shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
# wait_for SECONDS COMMAND...: runs COMMAND until it succeeds; fails once
# more than SECONDS have gone by without.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -le "$deadline" ] || return 1
        sleep 0.05 # the pace of every poll
    done
}
ended() { ! kill -0 "$1" 2>/dev/null; } # PID

start_x() { # [bare]
    # Xvfb takes the first free display itself: tests run side by side, also
    # in a chroot that shares the abstract sockets. Two servers looking at the
    # same moment can take each other's socket, so one looks at a time.
    # -noreset: by default the server resets when its last client leaves and
    # drops whoever is still connecting then, such as the window manager
    # starting right after the check below on a busy machine.
    exec 9>/tmp/gitterspor-xvfb.lock
    flock 9
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$WORK/display" 9>&- >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    wait_for 60 eval '[ -s "$WORK/display" ] && xdpyinfo -display ":$(cat "$WORK/display")" >/dev/null 2>&1' \
        || { fail "the X server answers within a minute"; cat "$WORK/xvfb.log"; exit 1; }
    exec 9>&-
    export DISPLAY=:$(cat "$WORK/display")
    [ "${1:-}" = bare ] && return # no window manager: nothing activates a window
    HOME=$WORK icewm >"$WORK/icewm.log" 2>&1 &
    WM_PID=$!
    PIDS+=($WM_PID)
    # Until the window manager manages windows and activates them: a test that
    # went on without one would find nothing maximised or activated.
    local started=$SECONDS
    if ! wait_for 60 eval 'wm_answers || ended "$WM_PID"' || ! wm_answers; then
        fail "the window manager answers within a minute"
        sed 's/^/    icewm: /' "$WORK/icewm.log"
        exit 1
    fi
    [ $((SECONDS - started)) -lt 5 ] || echo "    the window manager took $((SECONDS - started)) s to answer"
}
wm_answers() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q 'window id' &&
        xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW
}
# A window manager that went away during the test is a fault of its own,
# whatever else failed after it.
wm_ran_to_the_end() {
    [ -z "${WM_PID:-}" ] && return 0
    kill -0 "$WM_PID" 2>/dev/null && return 0
    wait "$WM_PID"; echo "    icewm ended with status $?; its log:"; sed 's/^/    icewm: /' "$WORK/icewm.log"
    return 1
}

# The accessibility bus, on the session bus the script runs on.
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/atspi.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 eval 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true'
}
# What assistive technology does: press a control by its name, list every name.
atspi() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"; }

# start_program BINARY: starts it and waits for its board window (WID).
start_program() {
    "$@" >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    PIDS+=($PROGRAM_PID)
    wait_for 10 eval 'WID=$(xdotool search --onlyvisible --name "^Gitterspor\$" 2>/dev/null | head -n 1); [ -n "$WID" ]' \
        || { fail "the board window appears"; cat "$WORK/program.log" "$WORK/xvfb.log"; exit 1; }
}

click() { # x y in the board window's client coordinates
    xdotool mousemove --window "$WID" "$1" "$2" click 1
    sleep 0.15 # the program shows no sign of having taken the click in
}

# The coordinate buttons and the lattice points.
click_x() { click $((45 + 30 * $1 + 12)) 427; }
click_y() { click 27 $((84 + 30 * (10 - $1) + 12)); }
guess() { click_x "$1"; click_y "$2"; }
point_x() { echo $((57 + 30 * $1)); }
point_y() { echo $((96 + 30 * (10 - $1))); }

shot() { # file
    import -window "$WID" "$1"
}

pixel() { # file x y -> r,g,b
    convert "$1" -format '%[fx:int(255*p{'"$2,$3"'}.r)],%[fx:int(255*p{'"$2,$3"'}.g)],%[fx:int(255*p{'"$2,$3"'}.b)]' info:
}

point_colour() { # file x y (lattice)
    pixel "$1" "$(point_x "$2")" "$(point_y "$3")"
}

window_visible() { # title regex
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}
no_window() { ! window_visible "$1"; } # title regex

# Whether a window of the program's other than the board, such as a
# question, has the keyboard.
asking() { local w; w=$(xdotool getactivewindow 2>/dev/null); [ "${w:-0}" != 0 ] && [ "$w" != "$WID" ]; }
# Answers the open question with the keyboard (Return: "Ja", Escape: "Nej").
answer() {
    wait_for 5 asking
    xdotool key "$1"
    wait_for 5 eval '! asking'
}

# The outer box of a window, frame and title bar included: "x y width height".
outer_box() { # window id
    local x y w h frame l r t b
    eval "$(xdotool getwindowgeometry --shell "$1")"
    x=$X y=$Y w=$WIDTH h=$HEIGHT
    frame=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
    IFS=, read -r l r t b <<<"${frame:-0,0,0,0}"
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# Whether a window's outer box is centred on the 1280 x 1024 screen, to a pixel.
outer_centred() { # window id
    local x y w h
    read -r x y w h <<<"$(outer_box "$1")"
    echo "outer box of $1: $x $y $w $h" >&2
    [ $(( (2 * x + w - 1280) ** 2 <= 4 && (2 * y + h - 1024) ** 2 <= 4 )) -eq 1 ]
}

finish() {
    [ -n "${WM_PID:-}" ] && check "the window manager ran to the end" wm_ran_to_the_end
    if [ "$FAILURES" -eq 0 ]; then echo "e2e: all checks passed"; exit 0; fi
    echo "e2e: $FAILURES check(s) failed"
    exit 1
}

# Whether a picture, or a box of it, reads dark ink on light faces.
light() { # png [WxH+X+Y]
    [ "$(convert "$1" ${2:+-crop "$2"} -colorspace Gray -format '%[fx:mean > 0.6 && minima < 0.3]' info:)" = 1 ]
}
# Whether a pixel has the window's green, 0x408000.
green() { test "$(pixel "$1" "$2" "$3")" = "0,128,64"; }
# Whether the coordinate buttons stand at their 30-px pitch from the client
# origin (X0, Y0): a button face at every place, the window's green between.
buttons_at_pitch() { # png X0 Y0
    local n
    for n in $(seq 0 10); do
        green "$1" $(($2 + 45 + 30 * n + 12)) $(($3 + 427)) && return 1
        green "$1" $(($2 + 45 + 30 * n + 27)) $(($3 + 427)) || return 1
        green "$1" $(($2 + 27)) $(($3 + 84 + 30 * (10 - n) + 12)) && return 1
        green "$1" $(($2 + 27)) $(($3 + 84 + 30 * (10 - n) + 27)) || return 1
    done
}
# The words the notepad shows, read off the screen.
notepad_words() { # png X0 Y0
    convert "$1" -crop "241x120+$(($2 + 376))+$(($3 + 80))" -scale 300% "$WORK/notepad.png"
    tesseract "$WORK/notepad.png" - -l dan --psm 6 2>/dev/null
}
# The words in a box of the screen from a window's corner, where its menus
# open, on one line.
words_at() { # title-regex WxH png
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name "$1" | head -n 1)")"
    import -window root -crop "$2+$X+$Y" png:- | convert - -scale 300% "$3"
    tesseract "$3" - -l dan --psm 6 2>/dev/null | tr '\n' ' '
}
