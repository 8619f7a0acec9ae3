#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# End to end on a hostile folder: installs the program into a scratch folder, fills its
# picture folder with the corpus (broken and huge-claiming bitmaps and waves, a FIFO, links,
# odd names, a binary .hidden and 5,000 plain pictures) and breaks every feedback medium, then
# starts it in a real X server, makes choices for a few rounds and waits for time-up. The
# program must reach the Report window, write the report, end with status 0 on Enter and
# print no sanitizer report on the way.
#   usage: play-corpus.sh BUILD-DIR MAKE-CORPUS-PROGRAM
set -euo pipefail

build=$1
make_corpus=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/xlib.sh
source "$here/../e2e/xlib.sh"

install_scratch corpus "$build"
rm -rf "$app/mymain"
"$make_corpus" "$app" 5000 || fail "could not make the corpus"

# Four pictures a round, picture mode, spelling, hidden wrong choices, a 12-second game.
cat >>"$PIKORA_MACHINE_STORE" <<'EOF'
"FIELD4"=dword:00000001
"SPELL"=dword:00000001
"HIDEBUTTONS"=dword:00000001
"USE_TIMER"=dword:00000001
"USE_WORDS"=dword:00000000
"MAX_TIMER"=dword:0000000c
EOF

SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$app/pikora" >"$work/pikora.log" 2>&1 &
pid=$!

main=$(wait_window '^Pikora$' 60) || fail "the game window did not appear"
read -r width height < <(window_size "$main")
menu=$((height - 696))
echo "game window ${width}x${height}"
focus_window "$main"

# Click each of the four picture buttons in turn until the game is over.
spots=("248 164" "744 164" "248 470" "744 470")
for round in $(seq 12); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended during round $round"
    if xdotool search --onlyvisible --name '^Report$' >/dev/null 2>&1; then
        break
    fi
    read -r x y <<<"${spots[$((round % 4))]}"
    click "$main" "$x" $((menu + y))
    sleep 0.4
done

report=$(wait_window '^Report$' 60) || fail "no Report window at time-up"
window_viewable "$report" || fail "the Report window is not shown"
grep -q 'Pikora Report ' "$prefix/report.txt" || fail "no report in $prefix/report.txt"
# Some choices were judged: the report has a line of counts (text mode: CR CR LF at its end).
grep -aqP '\t\t\d+\t\t\d+\t\t\d+\r\r$' "$prefix/report.txt" || fail "no choice was counted"

end_with_report "$report"
no_sanitizer_report "the sanitizers reported a fault"
[[ -p "$app/mymain/pipe.bmp" ]] || fail "the FIFO in the picture folder was replaced"
echo "1 passed, 0 failed"
