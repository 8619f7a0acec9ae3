# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for end-to-end tests: a user's hands on a real X server, through xdotool.
# Windows are found by their titles; positions are relative to a window's client area.

xvfb_pid=
work=
pid=
status=

fail()
{
    echo "FAIL: $*" >&2
    if [[ -n "${DISPLAY:-}" && -n "${work:-}" ]]; then
        import -window root "$work/failure.png" 2>/dev/null && echo "screen saved to $work/failure.png" >&2
        cat "$work/pikora.log" >&2 2>/dev/null || true
    fi
    echo "0 passed, 1 failed"
    exit 1
}

# Uses the X server in DISPLAY when it answers, otherwise starts a private Xvfb.
ensure_display()
{
    if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
        return
    fi
    local number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s "$number_file" ]] && break
        sleep 0.1
    done
    [[ -s "$number_file" ]] || fail "Xvfb did not start"
    DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
    export DISPLAY
    rm -f "$number_file"
}

stop_private_x()
{
    if [[ -n "$xvfb_pid" ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}

# wait_window TITLE-REGEX [SECONDS]: prints the id of the visible window once it shows.
wait_window()
{
    local deadline=$((SECONDS + ${2:-15})) id
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1)
        if [[ -n "$id" ]]; then
            sleep 0.3 # let it paint and take input
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

wait_gone()
{
    local deadline=$((SECONDS + ${2:-10}))
    while ((SECONDS < deadline)); do
        window_viewable "$1" || return 0
        sleep 0.1
    done
    return 1
}

window_viewable()
{
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

window_size()
{
    xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }'
}

# wait_exit PID [SECONDS]: waits for the program to end and sets `status` to its exit
# status; 1 when it is still running after SECONDS (10 by default). A hung program is left
# running, so that `fail` saves the screen with its windows before the clean-up kills it.
wait_exit()
{
    local deadline=$((SECONDS + ${2:-10}))
    while kill -0 "$1" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
    status=0
    wait "$1" || status=$?
}

# end_with_report REPORT-WINDOW: confirms the Report window with Enter and expects the
# program in `pid` to end with status 0 soon after.
end_with_report()
{
    focus_window "$1"
    key Return
    wait_exit "$pid" 20 || fail "the program did not end within 20 s of the report's OK"
    pid=
    ((status == 0)) || fail "the program ended with status $status after the report's OK"
}

# no_sanitizer_report MESSAGE: fails with MESSAGE when the program's log in the scratch
# folder holds a report of the sanitizers (in the sanitizer build), and shows it.
no_sanitizer_report()
{
    if grep -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$work/pikora.log" >&2; then
        fail "$1"
    fi
}

# There is no window manager: give the window the keyboard directly.
focus_window()
{
    xdotool windowfocus --sync "$1"
    sleep 0.2
}

# click WINDOW X Y [BUTTON]
click()
{
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.1 click "${4:-1}"
    sleep 0.3
}

key()
{
    local name
    for name in "$@"; do
        xdotool key --clearmodifiers "$name"
        sleep 0.2
    done
}

type_text()
{
    xdotool type --delay 60 "$1"
    sleep 0.2
}

# setup_game MAIN MENU-HEIGHT TIME PICTURE: opens Setup from the game window's menu, types
# the Max Time, takes PICTURE out of play (typing its name selects it in the list, Space
# unchecks it) and confirms with Enter.
setup_game()
{
    local setup
    focus_window "$1"
    click "$1" 25 $(($2 / 2))
    key Down Return
    setup=$(wait_window '^Setup$') || fail "Setup did not open"
    focus_window "$setup"
    click "$setup" 252 82 # the Max Time box
    key ctrl+a
    type_text "$3"
    click "$setup" 100 300 # an empty part of the picture list
    type_text "$4"
    key space Return
    wait_gone "$setup" || fail "Setup did not close with OK"
}

# pixel_at WINDOW X Y: the colour there as #RRGGBB.
pixel_at()
{
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -oE '#[0-9A-F]{6}' | head -n 1
}

# make_pictures FOLDER SIZE WORD...: a fresh picture folder with a bitmap of SIZE pixels in
# plain red, green or blue (so a screenshot tells which one a button shows) and a short
# voice for each WORD.
make_pictures()
{
    local folder=$1 size=$2 word
    local -A colour=([red]="#ff0000" [green]="#00ff00" [blue]="#0000ff")
    shift 2
    rm -rf "$folder"
    mkdir -p "$folder"
    for word in "$@"; do
        convert -size "$size" "xc:${colour[$word]}" -type truecolor "BMP3:$folder/$word.bmp"
        sox -n -r 22050 -c 1 -b 16 "$folder/$word.wav" synth 0.3 sine 440 2>/dev/null
    done
}

# install_scratch NAME BUILD-DIR: installs the built program into a scratch folder with its
# own settings store, on an X server; sets `work`, `prefix` and `app`, and cleans up on exit
# (the folder stays with PIKORA_KEEP_E2E=1). Start the program into `pid`.
install_scratch()
{
    work=$(mktemp -d "/tmp/pikora-$1-XXXXXX")
    trap cleanup_scratch EXIT
    ensure_display
    prefix="$work/inst"
    export PIKORA_MACHINE_STORE="$work/machine.reg"
    cmake --install "$2" --prefix "$prefix" >"$work/install.log" 2>&1 || {
        cat "$work/install.log"
        fail "install failed"
    }
    app="$prefix/Pikora"
    [[ -x "$app/pikora" ]] || fail "no program installed at $app/pikora"
}

# shellcheck disable=SC2317 # called by the trap
cleanup_scratch()
{
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid" 2>/dev/null || true
    fi
    stop_private_x
    if [[ "${PIKORA_KEEP_E2E:-0}" == 1 ]]; then
        echo "kept $work"
    else
        rm -rf "$work"
    fi
}
