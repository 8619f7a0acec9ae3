#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# End to end through a real sound server: a PulseAudio server of this test's own (a null
# sink, in a private runtime folder), the game on its default sound driver, and the sink's
# monitor recorded with parec. Every sound is a tone of its own pitch and length, so the
# recording tells which played, when, and for how long.
#   1. A timed game with one choice: the voice, the choice's sound and the applause each
#      sound for their own length, the next round's voice follows the praise at once, and
#      the applause comes when the game's time is up.
#   2. The server killed during a game: the game says so once on standard error, goes on
#      silent with its timing, and plays through a server started afterwards.
#   3. Setup, Pictures... in a game: three photos added, a voice recorded from the default
#      microphone (the sink's monitor, while a tone plays), one spoken, one from a file.
#   usage: sound-server.sh BUILD-DIR
set -euo pipefail

build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/e2e/xlib.sh
source "$here/xlib.sh"

install_scratch sound-server "$build"

server_pid=
silence_pid=
recorder_pid=
# shellcheck disable=SC2317 # called by the trap
stop_sound()
{
    local process
    for process in $recorder_pid $silence_pid $server_pid; do
        kill "$process" 2>/dev/null || true
        wait "$process" 2>/dev/null || true
    done
    recorder_pid= silence_pid= server_pid=
}
trap 'stop_sound; cleanup_scratch' EXIT

# The server's and its clients' private places; anonymous clients, so no cookie is needed.
runtime="$work/run"
mkdir -m 700 "$runtime" "$work/home"
socket="$runtime/native"
pulse=(env HOME="$work/home" XDG_RUNTIME_DIR="$runtime" PULSE_SERVER="unix:$socket")

# start_server RECORDING: a server with one null sink, and its monitor recorded as 16-bit
# mono at 44.1 kHz into RECORDING.
start_server()
{
    "${pulse[@]}" pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$socket" \
        --load="module-null-sink sink_name=pikora rate=44100" >>"$work/pulse.log" 2>&1 &
    server_pid=$!
    for _ in $(seq 100); do
        "${pulse[@]}" pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    "${pulse[@]}" pactl info >/dev/null 2>&1 || fail "the sound server did not start: $(cat "$work/pulse.log")"
    # A null sink idles in blocks of two seconds, and a stream that joins it waits for the
    # block to end, as no sound card makes it wait: a stream of silence keeps it at 20 ms.
    "${pulse[@]}" pacat -d pikora --latency-msec=20 --raw </dev/zero &
    silence_pid=$!
    # A short latency: otherwise the recorder takes the monitor in chunks of two seconds.
    "${pulse[@]}" parec -d pikora.monitor --rate=44100 --channels=1 --format=s16le --raw \
        --latency-msec=20 >"$1" &
    recorder_pid=$!
    # The recording runs once it grows: from then on it keeps time with the sink.
    local deadline=$((SECONDS + 10))
    while (($(stat -c %s "$1") < 8820)); do
        ((SECONDS < deadline)) || fail "the sink's monitor gave no sound to record"
        sleep 0.05
    done
}

# Tones: the voices 500 and 700 Hz, the praise 1500, the buzz 1000, the applause 300.
tone()
{
    sox -n -r 22050 -c 1 -b 16 "$1" synth "$2" sine "$3" vol 0.5 2>/dev/null
}
rm -rf "$app/mymain"
mkdir "$app/mymain"
for word in red green; do
    convert -size 300x200 "xc:$word" -type truecolor "BMP3:$app/mymain/$word.bmp"
done
tone "$app/mymain/red.wav" 0.4 500
tone "$app/mymain/green.wav" 0.4 700
tone "$app/correct.wav" 0.3 1500
tone "$app/no.wav" 0.3 1000
tone "$app/applause.wav" 0.8 300

# segments RECORDING: one line per sound heard, "START-MS END-MS KIND", from the pitch
# (zero crossings) and level of each 10 ms of the recording.
segments()
{
    od -An -v -t d2 -w2 "$1" | awk '
        function kind_of(crossings, loud,   hz) {
            hz = crossings * 50
            return !loud ? "-" : hz < 200 ? "?" : hz < 400 ? "applause" : hz < 850 ? "voice" \
                : hz < 1250 ? "buzz" : hz < 1800 ? "praise" : "?"
        }
        # A window across the start or end of a sound is neither: runs under 30 ms are
        # dropped, and the runs they split are joined again.
        function flush() {
            if (current == "-" || current == "") return
            if (window * 10 - start < 30) return
            if (current == last_kind && start - last_end <= 20) {
                last_end = window * 10
                return
            }
            if (last_kind != "") print last_start, last_end, last_kind
            last_kind = current
            last_start = start
            last_end = window * 10
        }
        function close_window(   k) {
            k = kind_of(crossings, peak > 2000)
            if (k != current) {
                flush()
                current = k
                start = window * 10
            }
            ++window
            crossings = peak = n = 0
        }
        {
            s = $1 + 0
            if ((s >= 0) != (previous >= 0)) ++crossings
            previous = s
            if ((s < 0 ? -s : s) > peak) peak = s < 0 ? -s : s
            if (++n == 441) close_window()
        }
        END {
            flush()
            if (last_kind != "") print last_start, last_end, last_kind
        }'
}

# expect_length LINE MS: the segment lasted its sound's own length, within a 10 ms window
# at either end.
expect_length()
{
    local start end kind
    read -r start end kind <<<"$1"
    ((end - start >= $2 - 25 && end - start <= $2 + 25)) ||
        fail "the $kind lasted $((end - start)) ms, not $2: $(tr '\n' ';' <"$work/heard")"
}

# start_game: the game on its default sound driver (SDL's choice, the server here), with
# no session bus to ask for, as on a bare X server.
start_game()
{
    env -u SDL_AUDIODRIVER -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$runtime" \
        PULSE_SERVER="unix:$socket" QT_QPA_PLATFORM=xcb "$app/pikora" >"$work/pikora.log" 2>&1 &
    pid=$!
    main=$(wait_window '^Pikora$') || fail "the game window did not appear"
    read -r _ height < <(window_size "$main")
    menu=$((height - 696))
}

# --- 1. A game through the server -----------------------------------------------------------
cat >>"$PIKORA_MACHINE_STORE" <<'EOF'
"FIELD4"=dword:00000000
"USE_TIMER"=dword:00000001
"USE_WORDS"=dword:00000000
"MAX_TIMER"=dword:00000006
EOF
start_server "$work/game.raw"
start_game
sleep 1.5
focus_window "$main"
click "$main" 248 $((menu + 164))
report=$(wait_window '^Report$' 20) || fail "no Report window at time-up"
sleep 1.2 # the applause plays out
end_with_report "$report"
stop_sound

segments "$work/game.raw" >"$work/heard"
echo "heard: $(tr '\n' ';' <"$work/heard")"
first=$(head -n 1 "$work/heard")
[[ "$first" == *" voice" ]] || fail "the game did not begin with the round's voice: $first"
expect_length "$first" 400
last=$(tail -n 1 "$work/heard")
[[ "$last" == *" applause" ]] || fail "the game did not end with the applause: $last"
expect_length "$last" 800
choice=$(grep -E ' (praise|buzz)$' "$work/heard" | head -n 1) || fail "the choice made no sound"
expect_length "$choice" 300
# The applause comes at the time-up. After the praise, the next round is drawn and the clock
# ticks on a second later, the game's last: six seconds, less two ticks before the choice,
# two for it and one for the next round. After the buzz, the ticks keep the pace of the
# first round (whose voice sounds once the device is open, a little after the round
# starts), each held back by no more than the buzz.
read -r voice_start _ <<<"$first"
read -r applause_start _ <<<"$last"
read -r _ choice_end choice_kind <<<"$choice"
if [[ "$choice_kind" == praise ]]; then
    ((applause_start - choice_end >= 900 && applause_start - choice_end <= 1150)) ||
        fail "the applause came $((applause_start - choice_end)) ms after the praise, not a second"
    next=$(awk -v after="$choice_end" '$1 >= after { print; exit }' "$work/heard")
    [[ "$next" == *" voice" ]] || fail "the next round's voice did not follow the praise: $next"
    read -r next_start _ <<<"$next"
    ((next_start - choice_end <= 150)) ||
        fail "the next round's voice came $((next_start - choice_end)) ms after the praise"
else
    ((applause_start - voice_start >= 3500 && applause_start - voice_start <= 4500)) ||
        fail "the applause came $((applause_start - voice_start)) ms after the first voice, not 4 s"
fi
grep -q 'went away' "$work/pikora.log" && fail "a lost device was reported while the server ran"
no_sanitizer_report "the game through the sound server ended with a sanitizer report"

# --- 2. The server killed during a game, and a new one started -----------------------------
start_server "$work/before.raw"
start_game
shown=$(date +%s%N)
sleep 1.2
kill -9 "$server_pid"
stop_sound
focus_window "$main"
click "$main" 248 $((menu + 164)) # its sound plays to no device, taking its time
sleep 0.5
start_server "$work/after.raw"
report=$(wait_window '^Report$' 20) || fail "no Report window at time-up after the server was killed"
took=$((($(date +%s%N) - shown) / 1000000))
sleep 1.2
stop_sound
end_with_report "$report"
# The clock kept its time: six seconds less two for the choice, and the choice's sound.
((took >= 3800 && took <= 5800)) || fail "time was up $took ms after the window showed, not 4 to 5.8 s"
said=$(grep -c 'sound device (pulseaudio) went away' "$work/pikora.log" || true)
[[ "$said" == 1 ]] || fail "the lost server was said $said times, not once: $(cat "$work/pikora.log")"
segments "$work/before.raw" | head -n 1 | grep -q ' voice$' || fail "the first voice was not heard before the server was killed"
segments "$work/after.raw" >"$work/heard"
echo "heard after the new server started: $(tr '\n' ';' <"$work/heard")"
last=$(tail -n 1 "$work/heard")
[[ "$last" == *" applause" ]] || fail "the applause did not play through the new server: $last"
expect_length "$last" 800
no_sanitizer_report "the game with its server killed ended with a sanitizer report"

# --- 3. Pictures made in the game: three photos, a voice recorded, one spoken, one from a file
photos="$work/photos"
mkdir "$photos"
for name in beach kite tree; do
    convert -size 1600x1200 "plasma:" "$photos/$name.jpg"
done
tone "$photos/tree.wav" 0.6 600
# A long game: the window is used while it runs.
sed -i 's/"MAX_TIMER"=dword:[0-9a-f]*/"MAX_TIMER"=dword:00000078/' "$PIKORA_MACHINE_STORE"
start_server "$work/pictures.raw"
start_game
focus_window "$main"
key alt+s i
pictures=$(wait_window '^Pictures$') || fail "Setup, Pictures... did not open its window"
focus_window "$pictures"
key alt+a
dialog=$(wait_window '^Pictures to add$') || fail "Add pictures did not ask for the files"
focus_window "$dialog"
type_text "$photos/"
key Return
type_text '"beach.jpg" "kite.jpg" "tree.jpg"'
key Return
for _ in 1 2 3; do # each word as its file name gives it
    word_box=$(wait_window '^Add pictures$') || fail "no word was asked for a photo"
    focus_window "$word_box"
    key Return
    wait_gone "$word_box" || fail "the word box did not close with Enter"
done
focus_window "$pictures"
# beach: recorded from the default microphone, the sink's monitor, while a tone plays. A word
# typed into the word box picks its picture.
key alt+w ctrl+a
type_text beach
key alt+r
recorder=$(wait_window '^Record a voice$') || fail "Record... did not open the recorder"
focus_window "$recorder"
key alt+r
"${pulse[@]}" paplay -d pikora "$photos/tree.wav"
key alt+s alt+k
wait_gone "$recorder" || fail "the recorder did not close with Keep"
focus_window "$pictures"
for step in "kite alt+p" "tree alt+f"; do
    read -r word press <<<"$step"
    key alt+w ctrl+a
    type_text "$word"
    key "$press"
    if [[ "$word" == tree ]]; then
        dialog=$(wait_window '^A voice for tree$') || fail "From a file did not ask for the file"
        focus_window "$dialog"
        type_text "$photos/tree.wav"
        key Return
        wait_gone "$dialog" || fail "the sound file was not taken"
    fi
    focus_window "$pictures"
done
sleep 1
key Escape
wait_gone "$pictures" || fail "the Pictures window did not close with Escape"
kill "$pid"
wait_exit "$pid" || true
pid=
stop_sound
for word in beach kite tree; do
    [[ -f "$app/mymain/$word.bmp" && -f "$app/mymain/$word.wav" ]] ||
        fail "$word was not made: $(ls "$app/mymain")"
done
# The game's own check: every picture draws and every voice plays; the recorded one holds
# the tone that sounded into the microphone.
"$prefix/bin/pikora-pack" --check "$app/mymain" >"$work/check.log" 2>&1 ||
    fail "the folder made in the game does not pass the check: $(cat "$work/check.log")"
sox "$app/mymain/beach.wav" -t raw -r 44100 -e signed -b 16 -c 1 "$work/beach.raw"
segments "$work/beach.raw" | grep -q ' voice$' || fail "the recorded voice does not hold the tone"
no_sanitizer_report "the game making pictures ended with a sanitizer report"
echo "1 passed, 0 failed"
