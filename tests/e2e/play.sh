#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# End to end, as a user: installs the program into a scratch folder with a small picture
# folder, starts it in a real X server and drives it with xdotool. Opens both About windows,
# takes a picture out of play in Setup and shortens the game there, plays until time is up,
# checks the report file and the Report window, presses Enter and expects exit status 0.
# Sound goes to SDL's disk driver and is checked too.
#   usage: play.sh BUILD-DIR
set -euo pipefail

build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/xlib.sh
source "$here/xlib.sh"

install_scratch e2e "$build"

# Three pictures of plain colours.
make_pictures "$app/mymain" 400x260 red green blue

# A long game to begin with; Setup shortens it. Two pictures a round, picture mode.
cat >>"$PIKORA_MACHINE_STORE" <<'EOF'
"FIELD4"=dword:00000000
"SPELL"=dword:00000001
"HIDEBUTTONS"=dword:00000000
"USE_TIMER"=dword:00000001
"USE_WORDS"=dword:00000000
"MAX_TIMER"=dword:00000078
EOF

# The command line is not read, not even the toolkit's own options: the window still comes
# up on X.
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" QT_QPA_PLATFORM=xcb \
    "$app/pikora" -platform offscreen >"$work/pikora.log" 2>&1 &
pid=$!

main=$(wait_window '^Pikora$') || fail "the game window did not appear"
read -r width height < <(window_size "$main")
menu=$((height - 696)) # the client area is 696 pixels high below the menu bar
echo "game window ${width}x${height}, menu bar $menu px"
((menu > 0 && menu < 60)) || fail "unexpected window height $height"

# Both About windows have the same title; their sizes tell them apart (the templates'
# 316 x 183 and 235 x 55 dialog units at the same 6 x 13 base units as the game window).
expect_size()
{
    local size
    size=$(window_size "$1" | tr ' ' x)
    [[ "$size" == "$2" ]] || fail "$3 is ${size}, not $2"
}

# Help > About: the product window.
click "$main" 62 $((menu / 2))
key Down Return
about=$(wait_window '^About Pikora$') || fail "Help > About did not open its window"
expect_size "$about" 474x297 "the Help menu's About window"
focus_window "$about"
key Return
wait_gone "$about" || fail "the About window did not close with Enter"

# The window's own system menu: right click on the background, Close, About.
click "$main" 6 $((height - 6)) 3
key Down Down Return
box=$(wait_window '^About Pikora$') || fail "the system menu's About box did not open"
expect_size "$box" 353x89 "the system menu's About box"
focus_window "$box"
key Return
wait_gone "$box" || fail "the About box did not close with Enter"

# Setup: take blue out of play and make the game 12 seconds long.
setup_game "$main" "$menu" 0:12 blue
grep -qx 'blue.bmp' "$app/mymain/.hidden" || fail "blue.bmp is not marked in .hidden: $(cat "$app/mymain/.hidden" 2>&1)"

# Play: both picture buttons show red or green, the pictures in play; never blue, never
# blank. After a right choice the button shows correct.bmp until the praise has played and
# the next round is drawn, so each round is waited for. Each choice takes 2 s of the game:
# time may be up (and the Report window cover the buttons) before the third round.
in_play()
{
    [[ "$1" == "#FF0000" || "$1" == "#00FF00" ]]
}
focus_window "$main"
checked=0
for round in 1 2 3; do
    deadline=$((SECONDS + 10))
    while true; do
        left=$(pixel_at "$main" 248 $((menu + 164)))
        right=$(pixel_at "$main" 744 $((menu + 164)))
        [[ "$left $right" != *"#0000FF"* ]] || fail "round $round shows the blue picture taken out of play"
        in_play "$left" && in_play "$right" && break
        xdotool search --onlyvisible --name '^Report$' >/dev/null 2>&1 && break 2
        ((SECONDS < deadline)) || fail "round $round: the picture buttons show $left and $right, not red or green"
        sleep 0.2
    done
    checked=$round
    click "$main" 248 $((menu + 164))
done
((checked >= 2)) || fail "time was up after $checked rounds, too soon to check the pictures"

report=$(wait_window '^Report$' 30) || fail "no Report window at time-up"
window_viewable "$report" || fail "the Report window is not shown"

file="$prefix/report.txt"
[[ -f "$file" ]] || fail "no report file at $file"
od -c "$file" | head -3
grep -q 'Pikora Report ' "$file" || fail "report heading missing"
lines=$(tr -d '\r' <"$file" | grep -cE '^(RED|GREEN)	{2}[0-9]+	{2}[0-9]+	{2}[0-9]+$' || true)
((lines >= 1)) || fail "no report line for the pictures in play: $(od -c "$file")"
if tr -d '\r' <"$file" | grep -q '^BLUE'; then
    fail "the picture taken out of play is in the report"
fi

# Every image the game reads is a BMP or one of its own PNGs, each read as what it is: no
# image plugin (WebP, TIFF and the rest, with their libraries) is loaded into the game.
plugins=$(grep -o '[^/]*/imageformats/[^ ]*' "/proc/$pid/maps" | sort -u || true)
[[ -z "$plugins" ]] || fail "image plugins loaded into the game: $plugins"

end_with_report "$report"

# The history of choices beside the report holds one row for each choice the report counts
# (the last block of the report, the last game of the history: both outlive earlier runs).
counted=$(tr -d '\r' <"$file" | awk -F'\t\t' '/Pikora Report/ { sum = 0 }
    /^[A-Z]+\t\t[0-9]+\t\t[0-9]+\t\t[0-9]+$/ { sum += $2 + $3 } END { print sum + 0 }')
rows=$(sqlite3 "$prefix/history.sqlite" "SELECT COUNT(*) FROM choices WHERE game =
    (SELECT game FROM choices ORDER BY rowid DESC LIMIT 1)" 2>&1) ||
    fail "no history beside the report: $rows"
((counted > 0)) || fail "the report counts no choice"
[[ "$rows" == "$counted" ]] || fail "the history holds $rows choices of the game, the report counts $counted"

[[ -s "$work/audio.raw" ]] || fail "no sound reached the audio device"
if cmp -s -n "$(stat -c %s "$work/audio.raw")" "$work/audio.raw" /dev/zero; then
    fail "only silence reached the audio device"
fi
echo "1 passed, 0 failed"
