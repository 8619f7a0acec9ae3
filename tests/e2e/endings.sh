#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# End to end, the ways a game ends before its report: Escape, the close box and the window
# menu's Close each end the program with status 0 and, in the sanitizer build, without a
# leak report; a learner picked from the class list is the learner of the game's choices;
# SIGTERM ends it within seconds once its sound is running. Without a display
# it ends at once with a message and status 1.
#   usage: endings.sh BUILD-DIR CLOSE-WINDOW-PROGRAM
set -euo pipefail

build=$1
close_window=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/xlib.sh
source "$here/xlib.sh"

install_scratch endings "$build"

make_pictures "$app/mymain" 40x30 red green
cat >>"$PIKORA_MACHINE_STORE" <<'STORE'
"USE_TIMER"=dword:00000000
"USE_WORDS"=dword:00000000
STORE

# Where no display answers the program says so and ends with status 1, touching nothing;
# the tools need no display at all.
store_before=$(sha256sum <"$PIKORA_MACHINE_STORE")
free=$(for n in $(seq 90 99); do [[ -e /tmp/.X11-unix/X$n ]] || { echo "$n"; break; }; done)
for display in "-u DISPLAY" "DISPLAY=:$free"; do
    status=0
    # shellcheck disable=SC2086 # an option and its value, or an assignment
    env -u QT_QPA_PLATFORM $display "$app/pikora" >"$work/no-display.log" 2>&1 || status=$?
    ((status == 1)) || fail "DISPLAY $display: status $status, not 1: $(cat "$work/no-display.log")"
    grep -q "^pikora: .*start Pikora from a desktop session" "$work/no-display.log" ||
        fail "DISPLAY $display: no message: $(cat "$work/no-display.log")"
done
[[ "$(sha256sum <"$PIKORA_MACHINE_STORE")" == "$store_before" ]] || fail "the store changed without a display"
bare=(env -u DISPLAY -u QT_QPA_PLATFORM)
{ "${bare[@]}" "$prefix/bin/pikora-pack" --starter en "$work/starter" &&
    "${bare[@]}" "$prefix/bin/pikora-pack" --check "$work/starter" &&
    { "${bare[@]}" "$prefix/bin/pikora-progress" --history "$work/none.sqlite" --html "$work/a.html" \
        2>&1 || true; } | grep -q "no history"; } >"$work/tools.log" 2>&1 ||
    fail "a tool needs a display: $(cat "$work/tools.log")"
echo "ok: without a display"

# start_game: starts the program into `pid` and its window into `main`.
start_game()
{
    SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" QT_QPA_PLATFORM=xcb \
        "$app/pikora" >"$work/pikora.log" 2>&1 &
    pid=$!
    main=$(wait_window '^Pikora$') || fail "the game window did not appear"
    read -r width height < <(window_size "$main")
}

expect_clean_end()
{
    wait_exit "$pid" 20 || fail "$1: the program is still running after 20 s"
    pid=
    ((status == 0)) || fail "$1: the program ended with status $status"
    no_sanitizer_report "$1: the sanitizers reported at the end"
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

# A learner picked on the screen names the game's choices in the history: one game makes
# the history, another machine's teacher lists Mia in it, and the next game asks who plays.
choose_and_leave()
{
    focus_window "$main"
    sleep 0.5 # past the guard against a choice at a round's very start
    key 1
    sleep 0.5
    key Escape
    expect_clean_end "$1"
}
start_game
choose_and_leave "a choice by the number key"
sqlite3 "$prefix/history.sqlite" "INSERT INTO learners (name, picture) VALUES ('Mia', '')" ||
    fail "no history with a class list after a choice"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" QT_QPA_PLATFORM=xcb \
    "$app/pikora" >"$work/pikora.log" 2>&1 &
pid=$!
picker=$(wait_window '^Who is playing\?$') || fail "no window asking who is playing"
focus_window "$picker"
key 1
main=$(wait_window '^Pikora$') || fail "no game after the learner was picked"
choose_and_leave "a learner picked"
learner=$(sqlite3 "$prefix/history.sqlite" "SELECT learner FROM choices ORDER BY rowid DESC LIMIT 1")
[[ "$learner" == Mia ]] || fail "the picked learner's choice was recorded for '$learner'"
sqlite3 "$prefix/history.sqlite" "DELETE FROM learners" # the game starts at once again

# The first round's voice has been played once samples reach the disk driver's file.
rm -f "$work/audio.raw"
start_game
deadline=$((SECONDS + 20))
until [[ -s "$work/audio.raw" ]]; do
    ((SECONDS < deadline)) || fail "no sound reached the audio device"
    sleep 0.1
done
kill -TERM "$pid"
wait_exit "$pid" 5 || fail "SIGTERM: the program is still running after 5 s"
pid=
((status == 143 || status == 0)) || fail "SIGTERM: the program ended with status $status"
echo "ok: SIGTERM (status $status)"

echo "7 passed, 0 failed"
