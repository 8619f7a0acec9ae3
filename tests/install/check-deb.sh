#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package without installing it: its control data and maintainer scripts,
# its file list and modes (dpkg-deb), then its files unpacked into a scratch root (dpkg -x):
# desktop files, the store path compiled into the programs, the store tool's key making, and
# the packaged program started once from the unpacked application folder until it writes a
# score report. What postinst does as root (group, rights) is tried by system-install.sh.
#   usage: check-deb.sh [PACKAGE.deb]   (default: the one scripts/package made)
# Exit status 77 (skipped) when there is no package.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
# shellcheck source=tests/install/checks.sh
source "$here/checks.sh"

deb=${1:-}
if [[ -z "$deb" ]]; then
    shopt -s nullglob
    found=("$repo"/build-package/pikora_*.deb)
    shopt -u nullglob
    if ((${#found[@]} == 0)); then
        echo "SKIPPED: no package in $repo/build-package; scripts/package makes one"
        exit 77
    fi
    deb=${found[-1]}
fi
echo "package $deb"

prefix=/opt/pikora
store=/var/lib/pikora/machine.reg
work=$(mktemp -d /tmp/pikora-deb-XXXXXX)
pid=
cleanup()
{
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

field() # NAME
{
    dpkg-deb -f "$deb" "$1"
}

control_data()
{
    check "package name is not pikora" test "$(field Package)" = pikora
    check "not in section games" test "$(field Section)" = games
    local depends
    depends=$(field Depends)
    echo "  Depends: $depends"
    echo "  Recommends: $(field Recommends)"
    for needed in libqt6widgets6 libqt6gui6 libsdl2-2.0-0 libc6 fonts-dejavu-core; do
        check "does not depend on $needed" grep -qE "(^|, )$needed( |,|$)" <<<"$depends"
    done
    check "the game must not need espeak-ng" test -z "$(grep -o espeak <<<"$depends")"
    check "does not recommend espeak-ng for pikora-pack" grep -q espeak-ng <<<"$(field Recommends)"
    check "no description" test -n "$(field Description)"

    dpkg-deb -e "$deb" "$work/control"
    local script
    for script in postinst postrm; do
        check "$script missing or not executable" test -x "$work/control/$script"
        check "$script: sh cannot read it" sh -n "$work/control/$script"
        check "$script does not use the store $store" grep -qF "store=$store" "$work/control/$script"
    done
    check "postinst does not make the key with the packaged tool" \
        grep -qF "$prefix/libexec/pikora/pikora-store ensure-key" "$work/control/postinst"
    check "the package holds conffiles" test ! -e "$work/control/conffiles"
}

# One line of `dpkg-deb -c` for PATH: mode, owner, size, date, time, path[, -> target].
listed() # PATH
{
    awk -v path="./${1#/}" '$6 == path' "$work/contents"
}

file_list()
{
    dpkg-deb -c "$deb" >"$work/contents"
    check "the program in the archive is not 0755 root/root (postinst gives the rights)" \
        grep -qE '^-rwxr-xr-x root/root ' <<<"$(listed $prefix/Pikora/pikora)"
    check "no picture folder" grep -q '^drwxr-xr-x root/root ' <<<"$(listed $prefix/Pikora/mymain/)"
    check "setuid or setgid files in the archive" test -z "$(awk '$1 ~ /[sS]/' "$work/contents")"
    check "/usr/bin/pikora is not a link to the program" \
        grep -qF -- "-> ../../opt/pikora/Pikora/pikora" <<<"$(listed /usr/bin/pikora)"
    check "no pikora-pack command" test -n "$(listed /usr/bin/pikora-pack)"
    # State belongs to the machine, not the package: removing the package must leave it.
    check "the package holds state" \
        test -z "$(grep -E '\./var/|report\.txt|\.hidden' "$work/contents")"
    check "a build path leaked into the file list" test -z "$(grep -E '/work/|/build' "$work/contents")"
    echo "  $(grep -c '^-' "$work/contents") files, Installed-Size $(field Installed-Size) KiB," \
        "package $(($(stat -c %s "$deb") / 1024)) KiB"
}

unpacked_files()
{
    dpkg -x "$deb" "$work/root"
    local root="$work/root" app="$work/root$prefix/Pikora"
    check "the starter pictures are missing or lack voices" pictures_complete "$app/mymain"
    for media in correct.bmp correct.wav no.wav applause.wav; do
        check "no $media in the application folder" test -s "$app/$media"
    done
    check_desktop_files "$root/usr/share" "$prefix/Pikora/pikora"
    if command -v appstreamcli >/dev/null; then
        check "appstreamcli validate-tree: $(appstreamcli validate-tree --no-net "$root" 2>&1)" \
            appstreamcli validate-tree --no-net "$root"
    fi
    check "libraries not found: $(ldd "$app/pikora" | grep 'not found')" \
        test -z "$(ldd "$app/pikora" | grep 'not found')"
    # The store path compiled in, as the store tool reports it and as the program holds it.
    check "the store tool was not built for $store" grep -qF "(default: $store)" \
        <<<"$(env -u PIKORA_MACHINE_STORE "$root$prefix/libexec/pikora/pikora-store" 2>&1 || true)"
    check "the program was not built for $store" grep -qaF "$store" "$app/pikora"
}

store_tool()
{
    local tool="$work/root$prefix/libexec/pikora/pikora-store" state="$work/state/machine.reg"
    mkdir -p "$work/state"
    check "the packaged store tool cannot make a store" "$tool" ensure-key "$state"
    check "no key made" has_line "$state" "$key"
    printf '"MAX_TIMER"=dword:00000001\n' >>"$state"
    cp "$state" "$work/state.before"
    check "the packaged store tool fails on an existing key" "$tool" ensure-key "$state"
    check "the packaged store tool changed an existing value" cmp "$state" "$work/state.before"
}

# The packaged program in its unpacked folder, with a store for a one-second game: at start it
# saves its settings, at the first tick the game is over and the report is written beside
# the application folder.
packaged_program_runs()
{
    local app="$work/root$prefix/Pikora" state="$work/run.reg"
    printf 'Windows Registry Editor Version 5.00\n\n%s\n"USE_TIMER"=dword:00000001\n"MAX_TIMER"=dword:00000001\n' \
        "$key" >"$state"
    PIKORA_MACHINE_STORE="$state" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        "$app/pikora" >"$work/pikora.log" 2>&1 &
    pid=$!
    local report="$work/root$prefix/report.txt"
    for _ in $(seq 150); do
        [[ -s "$report" ]] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    check "no report at $report: $(cat "$work/pikora.log")" grep -q "Pikora Report" "$report"
    check "settings not saved at start" grep -q '^"APP_FOLDER"=hex(1):' "$state"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
}

run_case control_data
run_case file_list
run_case unpacked_files
run_case store_tool
run_case packaged_program_runs
summary
