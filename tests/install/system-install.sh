#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package on this machine for real (apt) and plays it as two ordinary users:
# learner A, whom the administrator added to the group pikora, and learner B, who is not in
# it. A opens Setup, takes the picture "cat" out of play and shortens the game, plays to the
# report and confirms it; B starts the game from the application folder, as the desktop
# entry does, with the toolkit's own options on the command line, and ends it with Escape.
# Checks the rights postinst gave (no set-id program, the state the group's), what each
# user could write with and without the program, that a member cannot replace the program,
# and what removal and purging leave behind. The machine is first made to look upgraded
# from a package that ran the program set-group-id. Then deletes the users (and the group,
# report and history if it made them).
#
# It changes the machine: run it as root on a disposable machine only.
#   usage: PIKORA_DISPOSABLE_MACHINE=1 system-install.sh PACKAGE.deb
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=/opt/pikora
app=$prefix/Pikora
report=$prefix/report.txt
history=$prefix/history.sqlite
store=/var/lib/pikora/machine.reg
learners=(pikora-learner-a pikora-learner-b)

# Learner A's part, run as that user in a private X server.
if [[ "${1:-}" == --learner-a ]]; then
    # shellcheck source=tests/e2e/xlib.sh
    source "$here/../e2e/xlib.sh"
    work=$HOME
    pid=
    trap '[[ -n "$pid" ]] && kill "$pid" 2>/dev/null; stop_private_x' EXIT
    ensure_display
    SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb pikora >"$work/pikora.log" 2>&1 &
    pid=$!
    main=$(wait_window '^Pikora$' 30) || fail "the game window did not appear"
    read -r _ height < <(window_size "$main")
    menu=$((height - 696))
    setup_game "$main" "$menu" 0:02 cat
    report_window=$(wait_window '^Report$' 30) || fail "no Report window at time-up"
    end_with_report "$report_window"
    echo "learner A: played to the report"
    exit 0
fi

# Learner B's part: outside the group, so the game runs as for a store it cannot write.
if [[ "${1:-}" == --learner-b ]]; then
    # shellcheck source=tests/e2e/xlib.sh
    source "$here/../e2e/xlib.sh"
    work=$HOME
    pid=
    trap '[[ -n "$pid" ]] && kill "$pid" 2>/dev/null; stop_private_x' EXIT
    ensure_display
    cd "$app"
    SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb pikora -platform offscreen >"$work/pikora.log" 2>&1 &
    pid=$!
    main=$(wait_window '^Pikora$' 30) || fail "the game window did not appear on X"
    sleep 1
    import -window "$main" "$work/game.png" 2>/dev/null || true
    focus_window "$main"
    key Escape
    wait "$pid" || fail "the program ended with status $?"
    pid=
    echo "learner B: played and ended with Escape"
    exit 0
fi

die()
{
    echo "system-install: $*" >&2
    exit 1
}

deb=${1:-}
[[ -f "$deb" ]] || die "usage: PIKORA_DISPOSABLE_MACHINE=1 $0 PACKAGE.deb"
((EUID == 0)) || die "needs root"
[[ "${PIKORA_DISPOSABLE_MACHINE:-0}" == 1 ]] || die "changes this machine; set PIKORA_DISPOSABLE_MACHINE=1 on a disposable one"
! dpkg -s pikora >/dev/null 2>&1 || die "pikora is already installed"
for learner in "${learners[@]}"; do
    ! getent passwd "$learner" >/dev/null || die "user $learner exists already"
done
group_existed=0
getent group pikora >/dev/null && group_existed=1
report_existed=0
[[ -e "$report" ]] && report_existed=1
history_existed=0
[[ -e "$history" ]] && history_existed=1

failures=0
check()
{
    local message=$1
    shift
    if ! "$@" >/dev/null 2>&1; then
        echo "FAIL: $message" >&2
        failures=$((failures + 1))
    fi
}

cleanup()
{
    local pids
    for learner in "${learners[@]}"; do
        if getent passwd "$learner" >/dev/null; then
            # What this script started as the learner (a private X server) goes first.
            for _ in $(seq 50); do
                pids=$(ps -u "$learner" -o pid= || true)
                [[ -z "$pids" ]] && break
                # shellcheck disable=SC2086 # one pid a word
                kill $pids 2>/dev/null || true
                sleep 0.1
            done
            userdel -r "$learner" 2>/dev/null || true
            rm -rf "/tmp/runtime-$learner" # made by the toolkit when XDG_RUNTIME_DIR is unset
        fi
    done
    dpkg --purge pikora >/dev/null 2>&1 || true
    dpkg-statoverride --remove "$app/pikora" >/dev/null 2>&1 || true
    if ((!group_existed)) && getent group pikora >/dev/null; then
        groupdel pikora
    fi
    ((report_existed)) || rm -f "$report"
    ((history_existed)) || rm -f "$history"
    if ((!report_existed && !history_existed)); then
        rmdir "$prefix" 2>/dev/null || true
    fi
}
trap cleanup EXIT

rights() # PATH
{
    stat -c '%U:%G %a' "$1"
}

# Runs a command as USER in a bare environment. setpriv execs it in place, so a command put
# in the background keeps its process id in $!.
as() # USER COMMAND...
{
    local user=$1
    shift
    exec setpriv --reuid="$user" --regid="$user" --init-groups \
        env -i HOME="/home/$user" PATH=/usr/games:/usr/bin:/bin "$@"
}

# True when USER can do it (a shell command) without the program.
can() # USER COMMAND
{
    (as "$1" sh -c "$2") >/dev/null 2>&1
}

cannot() # USER COMMAND
{
    ! can "$@"
}

echo "== an earlier package's set-group-id program"
getent group pikora >/dev/null || groupadd --system pikora
dpkg-statoverride --add root pikora 2755 "$app/pikora"

echo "== apt install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(realpath "$deb")" >/tmp/pikora-apt.log 2>&1 \
    || die "apt-get install failed: $(tail -n 20 /tmp/pikora-apt.log)"
check "program rights $(rights "$app/pikora")" test "$(rights "$app/pikora")" = "root:root 755"
check "the earlier override stayed: $(dpkg-statoverride --list "$app/pikora")" \
    test -z "$(dpkg-statoverride --list "$app/pikora")"
setid=$(dpkg -L pikora | while read -r path; do
    [[ -f "$path" && ! -L "$path" && (-u "$path" || -g "$path") ]] && echo "$path"
done || true)
check "set-id files: $setid" test -z "$setid"
check "picture folder rights $(rights "$app/mymain")" test "$(rights "$app/mymain")" = "root:pikora 2775"
check "application folder rights $(rights "$app")" test "$(rights "$app")" = "root:root 755"
check "report folder rights $(rights "$prefix")" test "$(rights "$prefix")" = "root:pikora 3775"
check "store folder rights $(rights "${store%/*}")" test "$(rights "${store%/*}")" = "root:pikora 2775"
check "store rights $(rights "$store")" test "$(rights "$store")" = "root:pikora 664"
check "report rights $(rights "$report")" test "$(rights "$report")" = "root:pikora 664"
check "history rights $(rights "$history")" test "$(rights "$history")" = "root:pikora 664"
check "a fresh key does not start in picture mode" grep -qF '"USE_WORDS"=dword:00000000' "$store"

member=pikora-learner-a
outsider=pikora-learner-b
for learner in "${learners[@]}"; do
    useradd --create-home "$learner"
done
adduser --quiet "$member" pikora
check "$member is not in the group pikora" grep -qx pikora <<<"$(id -nG "$member" | tr ' ' '\n')"
check "$outsider is in the group pikora" test -z "$(id -nG "$outsider" | tr ' ' '\n' | grep -x pikora)"
check "the member cannot write the store" can "$member" "test -w $store"
check "the member cannot make a file in the picture folder" \
    can "$member" "touch $app/mymain/.probe && rm $app/mymain/.probe"
check "the member cannot make a file beside the report" \
    can "$member" "touch $prefix/.probe && rm $prefix/.probe"
check "the member can rename the application folder" cannot "$member" "mv $app $prefix/moved"
check "the member can replace the report" cannot "$member" "mv $report $prefix/moved"
check "the outsider can write the store" cannot "$outsider" "test -w $store"
check "the outsider can write the report" cannot "$outsider" "test -w $report"
check "the outsider can make a file in the picture folder" cannot "$outsider" "touch $app/mymain/x"
check "the outsider can make a file beside the report" cannot "$outsider" "touch $prefix/x"

echo "== learner A (in the group) plays"
chmod o+x "/home/$member"
(as "$member" bash "$here/system-install.sh" --learner-a) \
    || check "learner A's game: $(cat "/home/$member/pikora.log")" false
check "store not rewritten by learner A: $(rights "$store")" test "$(stat -c %U "$store")" = "$member"
check "store lost its group or mode: $(rights "$store")" test "$(stat -c '%G %a' "$store")" = "pikora 664"
check "Setup's game length not saved" grep -qF '"MAX_TIMER"=dword:00000002' "$store"
check "cat.bmp not taken out of play" grep -qx cat.bmp "$app/mymain/.hidden"
check "the mark not written by learner A" test "$(stat -c %U "$app/mymain/.hidden")" = "$member"
check "the marks' group or mode: $(rights "$app/mymain/.hidden")" \
    test "$(stat -c '%G %a' "$app/mymain/.hidden")" = "pikora 664"
check "no report by learner A" test "$(grep -c 'Pikora Report' "$report")" = 1
check "no temporary left: $(ls -A "${store%/*}" "$app/mymain" | grep saving)" \
    test -z "$(ls -A "${store%/*}" "$app/mymain" | grep saving)"

echo "== learner B (outside the group) plays"
cp -p "$store" /tmp/pikora-store.before
cp -p "$app/mymain/.hidden" /tmp/pikora-hidden.before 2>/dev/null || : >/tmp/pikora-hidden.before
chmod o+x "/home/$outsider"
(as "$outsider" bash "$here/system-install.sh" --learner-b) \
    || check "learner B's game: $(cat "/home/$outsider/pikora.log")" false
cp "/home/$outsider/game.png" /tmp/pikora-learner-b.png 2>/dev/null || true
check "learner B changed the store" cmp /tmp/pikora-store.before "$store"
check "learner B changed the store's owner or rights" \
    test "$(rights /tmp/pikora-store.before)" = "$(rights "$store")"
check "learner B changed the marks" cmp /tmp/pikora-hidden.before "$app/mymain/.hidden"
check "learner B wrote a report" test "$(grep -c 'Pikora Report' "$report")" = 1
rm -f /tmp/pikora-store.before /tmp/pikora-hidden.before

echo "== dpkg -r"
dpkg -r pikora >/dev/null
check "removal deleted the report" grep -q 'Pikora Report' "$report"
check "removal deleted the store" grep -qF '"MAX_TIMER"=dword:00000002' "$store"
check "removal left the program" test ! -e "$app/pikora"

echo "== dpkg --purge"
dpkg --purge pikora >/dev/null
check "purging deleted the report" test "$(grep -c 'Pikora Report' "$report")" = 1
check "purging deleted the history" test -e "$history"
check "purging left the store" test ! -e "$store"
check "purging left the marks" test ! -e "$app/mymain/.hidden"
check "purging left the rights overrides: $(dpkg-statoverride --list | grep pikora)" \
    test -z "$(dpkg-statoverride --list | grep /opt/pikora)"
echo "left after purging: $(find $prefix /var/lib/pikora 2>/dev/null | tr '\n' ' ')"

if ((failures)); then
    echo "system-install: $failures check(s) failed" >&2
    exit 1
fi
echo "system-install: all checks passed"
