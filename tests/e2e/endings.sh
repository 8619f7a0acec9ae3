#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# End to end, the ways a game ends before its report: Escape, the close box and the window
# menu's Close each end the program with status 0 and, in the sanitizer build, without a
# leak report; SIGTERM ends it within seconds once its sound is running.
#   usage: endings.sh BUILD-DIR CLOSE-WINDOW-PROGRAM
set -euo pipefail

build=$1
close_window=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/xlib.sh
source "$here/xlib.sh"

install_scratch endings "$build"

rm -rf "$app/mymain"
mkdir -p "$app/mymain"
for word in red green; do
    convert -size 40x30 "xc:$word" -type truecolor "BMP3:$app/mymain/$word.bmp"
    sox -n -r 22050 -c 1 -b 16 "$app/mymain/$word.wav" synth 0.3 sine 440 2>/dev/null
done
cat >>"$PIKORA_MACHINE_STORE" <<'STORE'
"USE_TIMER"=dword:00000000
"USE_WORDS"=dword:00000000
STORE

# start_game: starts the program into `pid` and its window into `main`.
start_game()
{
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" QT_QPA_PLATFORM=xcb \
        "$app/pikora" >"$work/pikora.log" 2>&1 &
    pid=$!
    main=$(wait_window '^Pikora$') || fail "the game window did not appear"
    read -r width height < <(window_size "$main")
}

# expect_end SECONDS WHAT: waits for the program to end; sets `status` to its exit status.
expect_end()
{
    local deadline=$((SECONDS + $1))
    while kill -0 "$pid" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "$2: the program is still running after $1 s"
        sleep 0.1
    done
    status=0
    wait "$pid" || status=$?
    pid=
}

expect_clean_end()
{
    expect_end 20 "$1"
    ((status == 0)) || fail "$1: the program ended with status $status"
    if grep -qE 'LeakSanitizer|AddressSanitizer|runtime error' "$work/pikora.log"; then
        fail "$1: the sanitizers reported at the end"
    fi
    echo "ok: $1"
}

start_game
focus_window "$main"
key Escape
expect_clean_end "Escape"

start_game
"$close_window" "$main" || fail "could not send the close box's message"
expect_clean_end "the close box"

start_game
click "$main" 6 $((height - 6)) 3 # the window's own menu: Close, a separator, About
key Down Return
expect_clean_end "the window menu's Close"

# The first round's voice has been played once samples reach the disk driver's file.
rm -f "$work/audio.raw"
start_game
deadline=$((SECONDS + 20))
until [[ -s "$work/audio.raw" ]]; do
    ((SECONDS < deadline)) || fail "no sound reached the audio device"
    sleep 0.1
done
kill -TERM "$pid"
expect_end 5 "SIGTERM"
((status == 143 || status == 0)) || fail "SIGTERM: the program ended with status $status"
echo "ok: SIGTERM (status $status)"

echo "4 passed, 0 failed"
