#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package on this machine for real and plays it as two ordinary users, then
# removes and purges it. Learner A opens Setup, takes the picture "cat" out of play and
# shortens the game, plays to the report and confirms it; learner B starts the game after A
# and plays to the report too. Checks the rights postinst gave, what each user could write
# through the program, that neither can write the state without it, and what removal and
# purging leave behind. Then deletes the users (and the group and report if it made them).
#
# It changes the machine: run it as root on a disposable machine only.
#   usage: PIKORA_DISPOSABLE_MACHINE=1 system-install.sh PACKAGE.deb
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=/opt/pikora
app=$prefix/Pikora
report=$prefix/report.txt
store=/var/lib/pikora/machine.reg
learners=(pikora-learner-a pikora-learner-b)

# Learner A's part, run as that user in a private X server.
if [[ "${1:-}" == --learner-a ]]; then
    work=$HOME
    # shellcheck source=tests/e2e/xlib.sh
    source "$here/../e2e/xlib.sh"
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
    focus_window "$report_window"
    key Return
    wait_exit "$pid" 20 || fail "the program did not end within 20 s of the report's OK"
    ((status == 0)) || fail "the program ended with status $status"
    pid=
    echo "learner A: played to the report"
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
    for learner in "${learners[@]}"; do
        if getent passwd "$learner" >/dev/null; then
            userdel -r "$learner" 2>/dev/null || true
            rm -rf "/tmp/runtime-$learner" # made by the toolkit when XDG_RUNTIME_DIR is unset
        fi
    done
    dpkg --purge pikora >/dev/null 2>&1 || true
    if ((!group_existed)) && getent group pikora >/dev/null; then
        groupdel pikora
    fi
    if ((!report_existed)); then
        rm -f "$report"
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
        env -i HOME="/home/$user" PATH=/usr/bin:/bin "$@"
}

echo "== dpkg -i"
dpkg -i "$deb"
check "program rights $(rights "$app/pikora")" test "$(rights "$app/pikora")" = "root:pikora 2755"
check "picture folder rights $(rights "$app/mymain")" test "$(rights "$app/mymain")" = "root:pikora 2775"
check "application folder rights $(rights "$app")" test "$(rights "$app")" = "root:root 755"
check "report folder rights $(rights "$prefix")" test "$(rights "$prefix")" = "root:root 755"
check "store folder rights $(rights "${store%/*}")" test "$(rights "${store%/*}")" = "root:pikora 2775"
check "store rights $(rights "$store")" test "$(rights "$store")" = "root:pikora 664"
check "report rights $(rights "$report")" test "$(rights "$report")" = "root:pikora 664"

for learner in "${learners[@]}"; do
    useradd --create-home "$learner"
    check "$learner is in the group pikora" test -z "$(id -nG "$learner" | tr ' ' '\n' | grep -x pikora)"
    check "$learner can write the store without the program" \
        test -z "$( (as "$learner" sh -c "echo x >>$store && echo wrote") 2>/dev/null)"
    check "$learner can write the picture folder without the program" \
        test -z "$( (as "$learner" sh -c "touch $app/mymain/x && echo wrote") 2>/dev/null)"
done

echo "== learner A plays"
chmod o+x /home/pikora-learner-a
(as pikora-learner-a bash "$here/system-install.sh" --learner-a) \
    || check "learner A's game: $(cat /home/pikora-learner-a/pikora.log)" false
check "store not rewritten by learner A: $(rights "$store")" test "$(stat -c %U "$store")" = pikora-learner-a
check "store lost its rights" test "$(stat -c '%G %a' "$store")" = "pikora 664"
check "Setup's game length not saved" grep -qF '"MAX_TIMER"=dword:00000002' "$store"
check "cat.bmp not taken out of play" grep -qx cat.bmp "$app/mymain/.hidden"
check "the mark not written by learner A" test "$(stat -c %U "$app/mymain/.hidden")" = pikora-learner-a
check "no report by learner A" test "$(grep -c 'Pikora Report' "$report")" = 1

echo "== learner B plays"
(as pikora-learner-b env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy /usr/bin/pikora \
    >/tmp/pikora-learner-b.log 2>&1) &
pid=$!
for _ in $(seq 200); do
    (($(grep -c 'Pikora Report' "$report") >= 2)) && break
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
check "store not replaced by learner B" test "$(stat -c %U "$store")" = pikora-learner-b
check "no report by learner B: $(cat /tmp/pikora-learner-b.log)" \
    test "$(grep -c 'Pikora Report' "$report")" = 2
rm -f /tmp/pikora-learner-b.log

echo "== dpkg -r"
dpkg -r pikora
check "removal deleted the report" grep -q 'Pikora Report' "$report"
check "removal deleted the store" grep -qF '"MAX_TIMER"=dword:00000002' "$store"
check "removal left the program" test ! -e "$app/pikora"

echo "== dpkg --purge"
dpkg --purge pikora
check "purging deleted the report" test "$(grep -c 'Pikora Report' "$report")" = 2
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
