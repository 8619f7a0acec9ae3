#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# End to end without a mouse, in a real X server driven by xdotool: a 12-second timed game
# played with the keys 1 and 2 alone, then one played with the space bar alone by one-switch
# scanning in full screen, where Setup, Access... still opens the Access window. Each game
# must count its choices in the report file and end with the report's Enter.
#   usage: switch.sh BUILD-DIR
set -euo pipefail

build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/xlib.sh
source "$here/xlib.sh"

install_scratch switch "$build"

make_pictures "$app/mymain" 400x260 red green

# Two pictures a round, picture mode, a 12-second game.
cat >>"$PIKORA_MACHINE_STORE" <<'EOF_STORE'
"FIELD4"=dword:00000000
"SPELL"=dword:00000001
"HIDEBUTTONS"=dword:00000000
"USE_TIMER"=dword:00000001
"USE_WORDS"=dword:00000000
"MAX_TIMER"=dword:0000000c
EOF_STORE

start_game()
{
    SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$app/pikora" >"$work/pikora.log" 2>&1 &
    pid=$!
    main=$(wait_window '^Pikora$' 40) || fail "the game window did not appear"
    focus_window "$main"
}

# play KEY...: presses the keys in turn until the Report window shows; prints the presses.
play()
{
    local presses=0 deadline=$((SECONDS + 60))
    while ((SECONDS < deadline)); do
        if xdotool search --onlyvisible --name '^Report$' >/dev/null 2>&1; then
            echo "$presses"
            return 0
        fi
        xdotool key "${@:presses % $# + 1:1}"
        presses=$((presses + 1))
        sleep 0.7
    done
    return 1
}

# Choices counted in the report file's only block; the file is then put aside.
counted_choices()
{
    local file="$prefix/report.txt"
    [[ -f "$file" ]] || fail "no report file at $file"
    tr -d '\r' <"$file" | awk -F '\t\t' '/^(RED|GREEN)\t\t/ { sum += $2 + $3 } END { print sum + 0 }'
    mv "$file" "$work/report-$1.txt"
}

# While switches scan, the report's Enter counts only after a pause of every key.
end_game()
{
    local report
    report=$(wait_window '^Report$' 10) || fail "no Report window at time-up"
    sleep 3.5
    end_with_report "$report"
}

# The keys 1 and 2 alone; nothing of the access options reaches the store.
start_game
read -r _ height < <(window_size "$main")
menu=$((height - 696)) # the client area is 696 pixels high below the menu bar
presses=$(play 1 2) || fail "the game played with the keys 1 and 2 did not end"
end_game
choices=$(counted_choices keys)
echo "keys 1 and 2: $presses presses, $choices choices counted"
((choices >= 2)) || fail "the keys 1 and 2 made $choices choices"
if grep -qE '^"(SCAN|SCAN_MS|FULL_SCREEN)"=' "$PIKORA_MACHINE_STORE"; then
    fail "the store gained access values though none was set: $(cat "$PIKORA_MACHINE_STORE")"
fi

# The space bar alone: one-switch scanning, 400 ms a step, full screen.
cat >>"$PIKORA_MACHINE_STORE" <<'EOF_STORE'
"SCAN"=dword:00000001
"SCAN_MS"=dword:00000190
"FULL_SCREEN"=dword:00000001
EOF_STORE
start_game
read -r width height < <(window_size "$main")
read -r screen_width screen_height < <(xwininfo -root | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
[[ "$width $height" == "$screen_width $screen_height" ]] ||
    fail "full screen: the window is ${width}x${height} on a ${screen_width}x${screen_height} screen"
# The client keeps its own size, centred below the menu bar: the top-left picture (a 400-pixel
# picture in the 429-pixel button at x = 33) covers x = 490 only when centred, and the gap
# between the top pictures lies at x = 640 only then.
middle=$((menu + (screen_height - menu - 696) / 2 + 164))
left=$(pixel_at "$main" 490 "$middle")
gap=$(pixel_at "$main" 640 "$middle")
[[ "$left" == "#FF0000" || "$left" == "#00FF00" ]] || fail "full screen: no picture at 490,$middle ($left)"
[[ "$gap" != "#FF0000" && "$gap" != "#00FF00" ]] || fail "full screen: a picture at 640,$middle"

# The menu bar still serves the adult: Setup, Access... opens the Access window.
click "$main" 20 8
key a
access=$(wait_window '^Access$') || fail "Setup, Access... did not open the Access window"
focus_window "$access"
key Escape
wait_gone "$access" || fail "the Access window did not close with Escape"
# Full screen turned off there gives the window its own size again at once.
click "$main" 20 8
key a
access=$(wait_window '^Access$') || fail "Setup, Access... did not open the Access window again"
focus_window "$access"
key alt+f Return
wait_gone "$access" || fail "the Access window did not close with its OK"
sleep 0.5
read -r width height < <(window_size "$main")
((width < screen_width && height < screen_height)) ||
    fail "full screen off: the window is still ${width}x${height}"
focus_window "$main"

presses=$(play space) || fail "the game played with the space bar did not end"
end_game
choices=$(counted_choices space)
echo "space bar: $presses presses, $choices choices counted"
((choices >= 2)) || fail "the space bar made $choices choices"
echo "1 passed, 0 failed"
