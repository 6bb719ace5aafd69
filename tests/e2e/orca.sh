#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# Plays a game from the keyboard alone with the Orca screen reader running,
# and checks what Orca says: the focused buttons, every guess's result, the
# board's points and marks, and the question of a dialog. With --browser,
# the browser build's page in Chromium: the game as it opens, a guess's
# result (from the page's live region) and the lattice's points.
# Usage: orca.sh PROGRAM [LOG-DIR]
#        orca.sh --browser URL [LOG-DIR]
PRIVATE_BUS=1 source "$(dirname "$0")/lib.sh"
BROWSER_URL=
[ "$1" != --browser ] || { BROWSER_URL=$2; shift; }
PROGRAM=$1
OUT=${2:-$WORK}
mkdir -p "$OUT"
HERE=$(cd "$(dirname "$0")" && pwd)
SPEECH=$WORK/speech.txt
ORCA_PID=

export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/run LANG=da_DK.UTF-8
unset LC_ALL LANGUAGE XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME/.config" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
# no sound card here: speech goes to ALSA's null device, or the speech
# service blocks Orca
cp -r /etc/speech-dispatcher "$HOME/.config/speech-dispatcher"
echo 'AudioOutputMethod "alsa"' >>"$HOME/.config/speech-dispatcher/speechd.conf"
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
mkdir -p "$WORK/orca" && cp "$HERE/orca/user-settings.conf" "$WORK/orca/" # no echo of keys

stop_orca() {
    [ -n "$ORCA_PID" ] || return
    kill -TERM "$ORCA_PID" 2>/dev/null
    wait_for 5 ended "$ORCA_PID"
    kill -KILL "$ORCA_PID" 2>/dev/null
    local pidfile=$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid
    if [ -f "$pidfile" ]; then
        local speechd; speechd=$(cat "$pidfile")
        kill $(pgrep -P "$speechd") "$speechd" 2>/dev/null
    fi
    cp "$SPEECH" "$OUT/orca-speech.txt" 2>/dev/null
    ORCA_PID=
}
trap 'stop_orca; cleanup' EXIT

spoken() { local n; n=$(grep -c "SPEECH OUTPUT" "$SPEECH" 2>/dev/null); echo "${n:-0}"; }
# heard FROM REGEX: an utterance after the first FROM matches, within 10 s
said() { grep "SPEECH OUTPUT" "$SPEECH" | tail -n +"$(($1 + 1))" | grep -qE "$2"; }
heard() { wait_for 10 said "$@"; }
# press KEY REGEX: presses a key in the program's window, and expects to hear REGEX
press() {
    local before; before=$(spoken)
    echo "$(date +%T.%3N) >>> $1" >>"$SPEECH"
    LC_ALL=C.UTF-8 xdotool key --clearmodifiers "$1"
    if [ -n "${2:-}" ]; then
        check "after $1 Orca says /$2/" heard "$before" "$2"
    else
        heard "$before" . # whatever Orca says to it, before the next key
    fi
}

start_x
start_accessibility_bus
: >"$SPEECH"
ORCA_SPEECH_LOG=$SPEECH /usr/bin/python3 "$HERE/orca/speech-log.py" --debug-file="$OUT/orca-debug.log" -u "$WORK/orca" >"$WORK/orca.log" 2>&1 &
ORCA_PID=$!
# Orca greets when it is up; without it nothing later can be heard
wait_for 10 eval '[ "$(spoken)" -gt 0 ] || ended "$ORCA_PID"'
if [ "$(spoken)" -eq 0 ]; then
    fail "Orca starts and speaks (its output follows)"
    sed 's/^/    orca: /' "$WORK/orca.log"
    finish
fi
pass "Orca starts and speaks"
sleep 0.5 # Orca greets before it has settled, and nothing tells when it has

in_the_browser() {
    local before; before=$(spoken)
    # a Danish page in an English browser: no offer to translate it
    mkdir -p "$WORK/chromium/Default" && echo '{"translate": {"enabled": false}}' >"$WORK/chromium/Default/Preferences"
    chromium --no-sandbox --user-data-dir="$WORK/chromium" --no-first-run --no-default-browser-check \
        --force-renderer-accessibility --use-angle=swiftshader --enable-unsafe-swiftshader \
        --window-size=1280,900 --app="$1" >"$WORK/chromium.log" 2>&1 &
    PIDS+=($!)
    # the game has the keyboard once it is up
    check "Orca says \"Start opgave\" as the game opens" wait_for 60 said "$before" "Start opgave" \
        || { sed 's/^/    chromium: /' "$WORK/chromium.log" | tail -n 20; }
    sleep 1 # Orca goes on presenting the page for a while
    press space "x 0"
    press space "y 0"
    press space "1\. gæt: \(0,0\), (afstand|Netop)"
    # the board after the x row, walked by the arrow keys
    for _ in $(seq 10); do press Tab; done
    local entered; entered=$(spoken)
    press Tab "punkt \(0, 0\)"
    # in a page Orca reads by its own keys until a point of the lattice has
    # the focus; the arrow keys are the game's once it says so, and a child
    # hears it out
    check "Orca hands the arrow keys to the lattice" heard "$entered" "Fokustilstand" && sleep 1
    press Up "punkt \(0, 1\)"
    stop_orca
    grep "SPEECH OUTPUT\|>>>" "$OUT/orca-speech.txt" | sed 's/^[0-9:.,-]* //' >"$OUT/orca-spoken-browser.txt"
    finish
}
[ -z "$BROWSER_URL" ] || in_the_browser "$BROWSER_URL"

# The window activated before the program reaches the accessibility bus, on
# purpose, as a busy machine can have it: the program runs on a session bus
# of its own, where the accessibility bus is announced only once the window
# has the keyboard, and the bus's address is taken off the X root window,
# where Qt would find it at once. The program then tells Orca which window
# is active.
xprop -root -remove AT_SPI_BUS
A11Y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | tr -d ' ')
dbus-daemon --session --nofork --print-address=3 3>"$WORK/late-bus" >/dev/null 2>&1 &
PIDS+=($!)
wait_for 5 test -s "$WORK/late-bus"
LATE_BUS=$(head -n 1 "$WORK/late-bus")
before=$(spoken)
DBUS_SESSION_BUS_ADDRESS=$LATE_BUS QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$PROGRAM"
wait_for 5 no_window '^fmSplash$'
# the board window is activated until it has the keyboard
activated() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WID" ] || { LC_ALL=C.UTF-8 xdotool windowactivate "$WID" >/dev/null 2>&1; false; }; }
check "the window is active before the program reaches the accessibility bus" wait_for 5 activated
DBUS_SESSION_BUS_ADDRESS=$LATE_BUS /usr/bin/python3 "$HERE/orca/late-a11y-bus.py" "$A11Y" &
PIDS+=($!)
check "Orca presents the game, \"Start opgave\" first" heard "$before" "Start opgave"
sleep 1 # Orca goes on presenting the window for a while after the first words

# a task composed at (7, 7) and handed over: known answers, so no luck involved
press Escape "x 0"
for _ in $(seq 6); do press Right; done
press Right "x 7"
press space "y 7"
press space "Løs opgaven"
press space "x 0"

# the first guess: x 3, y 5
press Right
press Right
press Right "x 3"
press space "y 3"
press Up
press Up "y 5"
press space "1\. gæt: \(3,5\), afstand 6"
check "the notepad reads as text" bash -c "/usr/bin/python3 '$HERE/orca/notepad-text.py' | grep -q '^1\. gæt: (3,5), afstand 6'"

# the board after the x row; a point and its blue mark
for _ in $(seq 7); do press Tab; done
press Tab "punkt \(0, 0\)"
press Up "punkt \(0, 1\)"
press space "punkt \(0, 1\): blå mærke"

# a question is spoken with its text; no keeps the task
press Escape "Lav opgave\? dialog"
press Escape "punkt \(0, 1\)"

# back to the x row, and the hit
press shift+Tab "x 10"
press Left
press Left
press Left "x 7"
press space "y 7"
mark=$(spoken)
press space "2\. gæt: \(7,7\), Netop!"
check "the keyboard is back on \"Start opgave\"" heard "$mark" "Start opgave"

stop_orca
grep "SPEECH OUTPUT\|>>>" "$OUT/orca-speech.txt" | sed 's/^[0-9:.,-]* //' >"$OUT/orca-spoken.txt"
finish
