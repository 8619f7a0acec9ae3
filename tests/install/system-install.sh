#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package for real (apt) under Debian's protected_* sysctls and uses it as a
# school would: member A sets up and plays, outsider B plays to the report, and member E
# tries every attack below on the shared state, starting from a machine that packages
# before 1.0.0-2 left behind. No attack may change a file outside E's own or keep another
# account's game waiting, and both members' choices reach the history. Ends by removing,
# purging and reinstalling, then deletes the users (and the group, if it made it).
#
# It changes the machine: run it as root on a disposable machine only.
#   usage: PIKORA_DISPOSABLE_MACHINE=1 system-install.sh [PACKAGE.deb]
# Without a package, the one scripts/package made; skipped (status 77) unless the machine
# is said to be disposable, as CTest runs it.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=/opt/pikora
app=$prefix/Pikora
pictures=$app/mymain
state=/var/lib/pikora
store=$state/machine.reg
report=$state/report.txt
history=$state/history.sqlite
member=pikora-learner-a
attacker=pikora-member-e
outsider=pikora-learner-b
users=("$member" "$attacker" "$outsider")
# The longest any account's start may take while another holds a lock or plants a file:
# the program's own start and its one second of waiting, with room for a slow machine.
start_limit=8

# A learner's part, as that user in a private X server. MODE: setup (a three-second game,
# "cat" out of play, then play), play (number keys until the report, confirmed) or start
# (prints the seconds to the window, then Escape).
if [[ "${1:-}" == --learner ]]; then
    # shellcheck source=tests/e2e/xlib.sh
    source "$here/../e2e/xlib.sh"
    work=$HOME
    pid=
    trap '[[ -n "$pid" ]] && kill "$pid" 2>/dev/null; stop_private_x' EXIT
    ensure_display
    started=$(date +%s.%N)
    SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb pikora >"$work/pikora.log" 2>&1 &
    pid=$!
    main=$(wait_window '^Pikora$' 60) || fail "the game window did not appear"
    awk -v now="$(date +%s.%N)" -v then="$started" 'BEGIN { printf "window after %.1f s\n", now - then - 0.3 }'
    if [[ "$2" == start ]]; then
        focus_window "$main"
        key Escape
        wait_exit "$pid" 20 || fail "the game did not end with Escape"
        pid=
        exit 0
    fi
    if [[ "$2" == setup ]]; then
        read -r _ height < <(window_size "$main")
        setup_game "$main" $((height - 696)) 0:03 cat
    fi
    focus_window "$main"
    deadline=$((SECONDS + 30))
    until report_window=$(wait_window '^Report$' 1); do
        ((SECONDS < deadline)) || fail "no Report window at time-up"
        focus_window "$main"
        key 1 2
    done
    end_with_report "$report_window"
    echo "played to the report"
    exit 0
fi

die()
{
    echo "system-install: $*" >&2
    exit 1
}

deb=${1:-}
if [[ -z "$deb" ]]; then
    # As a test of CTest: the package scripts/package made, on a machine said to be
    # disposable (CI's); skipped (77) anywhere else.
    if [[ "${PIKORA_DISPOSABLE_MACHINE:-0}" != 1 || $EUID != 0 ]]; then
        echo "SKIPPED: changes this machine; run as root with PIKORA_DISPOSABLE_MACHINE=1 on a disposable one"
        exit 77
    fi
    deb=$(find "$here/../../build-package" -maxdepth 1 -name 'pikora_*.deb' | sort | tail -n 1)
fi
[[ -f "$deb" ]] || die "usage: PIKORA_DISPOSABLE_MACHINE=1 $0 PACKAGE.deb"
((EUID == 0)) || die "needs root"
[[ "${PIKORA_DISPOSABLE_MACHINE:-0}" == 1 ]] || die "changes this machine; set PIKORA_DISPOSABLE_MACHINE=1 on a disposable one"
! dpkg -s pikora >/dev/null 2>&1 || die "pikora is already installed"
[[ ! -e $prefix && ! -e $state ]] || die "$prefix or $state is there already"
for user in "${users[@]}"; do
    ! getent passwd "$user" >/dev/null || die "user $user exists already"
done
group_existed=0
getent group pikora >/dev/null && group_existed=1
sysctls=(fs.protected_regular fs.protected_symlinks fs.protected_fifos fs.protected_hardlinks)
sysctls_before=$(sysctl -n "${sysctls[@]}" | tr '\n' ' ')
sentinels=(/etc/pikora-sentinel /etc/pikora-secret)

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
    for user in "${users[@]}"; do
        if getent passwd "$user" >/dev/null; then
            for _ in $(seq 50); do
                pids=$(ps -u "$user" -o pid= || true)
                [[ -z "$pids" ]] && break
                # shellcheck disable=SC2086 # one pid a word
                kill $pids 2>/dev/null || true
                sleep 0.1
            done
            userdel -r "$user" 2>/dev/null || true
            rm -rf "/tmp/runtime-$user" # made by the toolkit when XDG_RUNTIME_DIR is unset
        fi
    done
    dpkg --purge pikora >/dev/null 2>&1 || true
    dpkg-statoverride --remove "$app/pikora" >/dev/null 2>&1 || true
    rm -rf "$prefix" "$state" "${sentinels[@]}" /etc/pikora-made /tmp/pikora-words.txt \
        /tmp/pikora-store.good /tmp/pikora-report.good
    if ((!group_existed)) && getent group pikora >/dev/null; then
        groupdel pikora
    fi
    read -r -a values <<<"$sysctls_before"
    for i in "${!sysctls[@]}"; do
        sysctl -qw "${sysctls[$i]}=${values[$i]}" || true
    done
}
trap cleanup EXIT

rights() # PATH
{
    stat -c '%U:%G %a' "$1"
}

# Runs a command as USER in a bare environment, in a subshell.
as() # USER COMMAND...
(
    user=$1
    shift
    exec setpriv --reuid="$user" --regid="$user" --init-groups \
        env -i HOME="/home/$user" PATH=/usr/games:/usr/bin:/bin "$@"
)

# True when USER can do it (a shell command) without the program.
can() # USER COMMAND
{
    as "$1" sh -c "$2" >/dev/null 2>&1
}

cannot() # USER COMMAND
{
    ! can "$@"
}

# learner USER MODE [VARIABLE=VALUE...]: plays as USER (see --learner), with those variables
# set; the check fails with what the game printed.
learner()
{
    local log=/home/$1/learner.log
    if ! as "$1" env "${@:3}" bash "$here/system-install.sh" --learner "$2" >"$log" 2>&1; then
        check "$1's game ($2): $(cat "$log" "/home/$1/pikora.log" 2>/dev/null)" false
    fi
}

# started_within USER: USER's game window came up within start_limit seconds.
started_within()
{
    learner "$1" start
    local seconds
    seconds=$(sed -n 's/^window after \([0-9.]*\) s$/\1/p' "/home/$1/learner.log")
    echo "  $1's window after ${seconds:-?} s"
    check "$1 waited ${seconds:-?} s for the game window" \
        awk -v s="${seconds:-999}" -v limit="$start_limit" 'BEGIN { exit !(s < limit) }'
}

# The files E must never change: A's and B's, and root's sentinels in /etc.
fingerprints()
{
    find /etc/pikora-* "/home/$member" "/home/$outsider" -xdev -type f ! -name '*.log' \
        ! -name 'own.reg*' ! -path '*/.cache/*' ! -path '*/.local/*' ! -path '*/.config/*' \
        -printf '%p %U %G %m %s\n' 2>/dev/null | sort
    md5sum "${sentinels[@]}" "/home/$member/.bashrc" "/home/$member/target"
}

# Set-id files that are not E's own doing (E may plant them; nobody may make them E's).
setid_files()
{
    find "$prefix" "$state" -xdev -perm /6000 ! -type d ! -user "$attacker" 2>/dev/null
}

echo "== the machine as packages before 1.0.0-2 left it, then purged"
sysctl -qw fs.protected_regular=2 fs.protected_symlinks=1 fs.protected_fifos=1 fs.protected_hardlinks=1
getent group pikora >/dev/null || groupadd --system pikora
for user in "${users[@]}"; do
    useradd --create-home "$user"
    chmod o+x "/home/$user"
done
adduser --quiet "$member" pikora
adduser --quiet "$attacker" pikora
echo keep >"/home/$member/target"
chown "$member:" "/home/$member/target"
printf 'root alone\n' >/etc/pikora-sentinel
printf 'secret\n' >/etc/pikora-secret
chmod 0600 /etc/pikora-secret
dpkg-statoverride --add root pikora 2755 "$app/pikora"
install -d -o root -g pikora -m 3775 "$prefix"
printf 'Pikora Report (an earlier package)\r\n' >"$prefix/report.txt"
chown root:pikora "$prefix/report.txt"
as "$attacker" sh -c "mkdir $app $prefix/libexec && echo wrapper >$prefix/libexec/pikora-store" \
    || die "E could not prepare the old folder"

echo "== apt install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(realpath "$deb")" >/tmp/pikora-apt.log 2>&1 \
    || die "apt-get install failed: $(tail -n 20 /tmp/pikora-apt.log)"
check "E still owns something in $prefix: $(find $prefix -xdev -user $attacker)" \
    test -z "$(find $prefix -xdev -user $attacker)"
check "E's wrapper survived" test ! -e "$prefix/libexec/pikora-store"
check "the earlier package's report was not taken over" grep -q 'an earlier package' "$report"
check "the earlier report is still in $prefix" test ! -e "$prefix/report.txt"
check "the earlier override stayed: $(dpkg-statoverride --list "$app/pikora")" \
    test -z "$(dpkg-statoverride --list "$app/pikora")"
check "set-id files: $(setid_files)" test -z "$(setid_files | grep -v "^$pictures$")"
expected=("$prefix root:root 755" "$app root:root 755" "$app/pikora root:root 755"
    "$pictures root:pikora 2775" "$state root:pikora 2775" "$store nobody:pikora 664"
    "$report nobody:pikora 660" "$history nobody:pikora 660" "$store.lock nobody:pikora 660")
for row in "${expected[@]}"; do
    path=${row%% *}
    check "$path is $(rights "$path"), not ${row#* }" test "$(rights "$path")" = "${row#* }"
done
check "a fresh key does not start in picture mode" grep -qF '"USE_WORDS"=dword:00000000' "$store"
check "the outsider can open the lock" cannot "$outsider" "exec 3<$store.lock"
pristine=$(fingerprints)
install -m 644 "$report" /tmp/pikora-report.good

echo "== E plants set-user-id programs as the store and the list, a link as the report"
as "$attacker" sh -c "cd $state && cp /bin/true new && cat machine.reg >>new && chmod 4775 new \
    && mv -f new machine.reg && cp /bin/true $pictures/.hidden && chmod 4775 $pictures/.hidden \
    && ln -sfn /home/$member/.bashrc report.txt && ln -s /home/$member/target machine.reg.saving \
    && ln -s /home/$member/target $pictures/.hidden.saving" || check "E could not plant" false
learner "$member" setup
check "Setup's game length not saved" grep -qaF '"MAX_TIMER"=dword:00000003' "$store"
check "cat.bmp not taken out of play" grep -qax cat.bmp "$pictures/.hidden"
check "A's saves are $(rights "$store"), $(rights "$pictures/.hidden")" \
    test "$(rights "$store") $(rights "$pictures/.hidden")" = "$member:pikora 664 $member:pikora 664"
check "set-id files after A played: $(setid_files)" test -z "$(setid_files | grep -v "^$pictures$")"
check "a file of another account changed: $(diff <(echo "$pristine") <(fingerprints))" \
    test "$pristine" = "$(fingerprints)"
as "$attacker" sh -c "rm -f $report $state/*.saving $pictures/.hidden.saving"

echo "== E plants links and a set-user-id store, then the package is configured again"
as "$attacker" sh -c "cd $state && cp /bin/true new && chmod 4775 new && mv -f new machine.reg \
    && ln -s /etc/pikora-made report.txt && rm -f history.sqlite && ln -s /etc/pikora-secret history.sqlite \
    && rm -f machine.reg.lock && ln -s /etc/pikora-sentinel machine.reg.lock" \
    || check "E could not plant" false
DEBIAN_FRONTEND=noninteractive dpkg-reconfigure pikora >>/tmp/pikora-apt.log 2>&1 \
    || check "dpkg-reconfigure failed: $(tail -n 5 /tmp/pikora-apt.log)" false
check "root made a file E named: $(ls -l /etc/pikora-made 2>&1)" test ! -e /etc/pikora-made
check "set-id files after configuring: $(setid_files)" test -z "$(setid_files | grep -v "^$pictures$")"
check "a root-only file reached the state: $(grep -rl secret $state)" test -z "$(grep -rl secret $state)"
check "a file of another account changed: $(diff <(echo "$pristine") <(fingerprints))" \
    test "$pristine" = "$(fingerprints)"
# E's mischief is the group's to mend: a member removes it, and configuring remakes the state.
as "$member" sh -c "cd $state && rm -f report.txt history.sqlite machine.reg.lock machine.reg"
DEBIAN_FRONTEND=noninteractive dpkg-reconfigure pikora >>/tmp/pikora-apt.log 2>&1
check "the state was not made again" test -f "$report" -a -f "$history" -a -f "$store.lock"
as "$member" sh -c "printf '\"USE_TIMER\"=dword:00000001\n\"MAX_TIMER\"=dword:00000003\n' >>$store \
    && cat /tmp/pikora-report.good >>$report"

echo "== held locks and a 40 MB store"
cp -p "$store" /tmp/pikora-store.good
as "$outsider" flock -o "$store" sleep 60 &
as "$outsider" flock -o "$pictures/.hidden" sleep 60 &
as "$attacker" flock -o "$store.lock" sleep 60 &
sleep 0.5
started_within "$member"
pkill -x -u "$outsider,$attacker" flock || true
as "$attacker" sh -c "cd $state && cp $store new && head -c 40000000 /dev/zero | tr '\\0' 'x' >>new && mv -f new $store"
size=$(stat -c %s "$store")
started_within "$member"
check "the huge store was rewritten" test "$(stat -c %s "$store")" = "$size"
as "$attacker" sh -c "cd $state && cp /tmp/pikora-store.good new && mv -f new $store"

echo "== both members play with Debian's sysctls; B plays to the report"
learner "$attacker" play
learner "$member" play
learners=$(sqlite3 "$history" 'SELECT DISTINCT learner FROM choices ORDER BY learner' | tr '\n' ' ')
check "choices of both members are not in the history: $learners" \
    test "$learners" = "$member $attacker "
blocks=$(grep -c 'Pikora Report' "$report")
cp -p "$store" /tmp/pikora-store.good
# Outside the group B cannot open the machine's store to write, so B's game would run
# untimed: B keeps a copy of the settings of its own.
install -o "$outsider" -m 644 /tmp/pikora-store.good "/home/$outsider/own.reg"
learner "$outsider" play PIKORA_MACHINE_STORE="/home/$outsider/own.reg"
check "learner B wrote a report" test "$(grep -c 'Pikora Report' "$report")" = "$blocks"
check "learner B changed the store" cmp /tmp/pikora-store.good "$store"

echo "== a FIFO as the report"
as "$attacker" sh -c "rm -f $report && mkfifo -m 660 $report"
learner "$member" play
as "$attacker" sh -c "rm -f $report && cp /tmp/pikora-report.good $report"

# Links at its temporary names are tried in tests/pack; here, a member beside root's list.
echo "== a member's pikora-pack into mymain"
printf 'zebra|letter\n' >/tmp/pikora-words.txt
as "$member" pikora-pack /tmp/pikora-words.txt "$pictures" >/tmp/pikora-pack.log 2>&1 \
    || check "a member cannot pikora-pack into mymain: $(cat /tmp/pikora-pack.log)" false

echo "== dpkg -r, dpkg --purge, apt install"
dpkg -r pikora >/dev/null
check "removal deleted the report" grep -q 'Pikora Report' "$report"
check "removal deleted the store" test -f "$store"
dpkg --purge pikora >/dev/null
check "purging left the store" test ! -e "$store"
# The records stay for root alone: their folder is closed to everyone else.
writable=$(find "$prefix" "$state" -xdev ! -path "$state/*" \( -perm -g+w -o -perm -o+w \) \
    ! -type l 2>/dev/null | while read -r path; do [[ "$(stat -c %G "$path")" == root ]] || echo "$path"; done)
check "purging left paths others own: $(find "$prefix" ! -user root)" test -z "$(find "$prefix" ! -user root)"
check "purging left paths the group can write: $writable" test -z "$writable"
check "purging left the records to others: $(rights $state)" test "$(rights $state)" = "root:root 700"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$(realpath "$deb")" >>/tmp/pikora-apt.log 2>&1 \
    || die "apt-get install after purging failed"
check "the records did not outlive purging and reinstalling" grep -q 'an earlier package' "$report"
check "the state is $(rights $state) after reinstalling" test "$(rights $state)" = "root:pikora 2775"

if ((failures)); then
    echo "system-install: $failures check(s) failed" >&2
    echo "0 passed, $failures failed"
    exit 1
fi
echo "system-install: all checks passed"
