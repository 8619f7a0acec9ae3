#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package without installing it: its control data and maintainer scripts,
# its file list and modes (dpkg-deb), lintian, then its files unpacked into a scratch root
# (dpkg -x): every library the programs load declared, desktop files, the store path
# and report paths compiled into the programs, the store tool's key making, and the packaged
# program started once from the unpacked application folder until it writes a score report. What postinst
# does as root (group, rights, two users) is tried by system-install.sh.
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
report=/var/lib/pikora/report.txt
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
    check "no maintainer" grep -qE '^[^<]+ <[^@ ]+@[^> ]+>$' <<<"$(field Maintainer)"

    dpkg-deb -e "$deb" "$work/control"
    local script
    for script in preinst postinst postrm; do
        check "$script missing or not executable" test -x "$work/control/$script"
        check "$script: sh cannot read it" sh -n "$work/control/$script"
    done
    for script in postinst postrm; do
        check "$script does not use the store $store" grep -qF "store=$store" "$work/control/$script"
    done
    check "postinst does not make the state with the packaged tool and the group's rights" \
        grep -qF "tool=$prefix/libexec/pikora/pikora-store" "$work/control/postinst"
    # The only set-id modes the scripts give are the set-group-id bits of the shared folders;
    # the overrides of earlier packages are looked for only to be removed.
    local setid
    setid=$(grep -hE '\b[2-7][0-7]{3}\b' "$work/control/preinst" "$work/control/postinst" \
        "$work/control/postrm" \
        | grep -vE '^\s*#' \
        | grep -vE '(override root "\$group" 2775 "\$pictures"|chmod 2775 "\$storeDir")$' \
        | grep -vF -e '= "root $group 2755 $program" ]; then' \
            -e '= "root $group 3775 $prefix" ]; then' || true)
    check "a maintainer script gives a set-id mode to something but a shared folder: $setid" \
        test -z "$setid"
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
    check "/usr/games/pikora is not a link to the program" \
        grep -qF -- "-> $prefix/Pikora/pikora" <<<"$(listed /usr/games/pikora)"
    check "no pikora-pack command" test -n "$(listed /usr/bin/pikora-pack)"
    # State belongs to the machine, not the package: removing the package must leave it.
    check "the package holds state" \
        test -z "$(grep -E '\./var/|report\.txt|\.hidden' "$work/contents")"
    check "a build path leaked into the file list" test -z "$(grep -E '/work/|/build' "$work/contents")"
    for doc in copyright changelog.Debian.gz; do
        check "no $doc" grep -q '^-rw-r--r-- root/root ' <<<"$(listed /usr/share/doc/pikora/$doc)"
    done
    check "no lintian overrides" test -n "$(listed /usr/share/lintian/overrides/pikora)"
    for page in man6/pikora.6.gz man1/pikora-pack.1.gz man1/pikora-progress.1.gz; do
        check "no manual page $page" test -n "$(listed /usr/share/man/$page)"
    done
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
    check_desktop_files "$root/usr/share" "$prefix/Pikora/pikora" "$prefix/Pikora"
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

# The shared libraries a program loads by name (dlopen) rather than links: names of the form
# libX.so.N in its data that are not among its needed libraries.
loaded_by_name() # PROGRAM
{
    comm -23 <(strings -a "$1" | grep -oE 'lib[A-Za-z0-9_+-]+(\.[A-Za-z0-9_+-]+)*\.so(\.[0-9]+)+$' | sort -u) \
        <(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | sort -u)
}

# The package of this machine that holds a file matching the pattern, without its
# architecture.
package_of() # PATTERN
{
    dpkg -S "$1" 2>/dev/null | head -n 1 | cut -d: -f1
}

declared() # PACKAGE
{
    grep -qE "(^|, )$1( |,|$)" <<<"$(field Depends)"
}

run_time_dependencies()
{
    local root="$work/root" program library package
    for program in "$root$prefix/Pikora/pikora" "$root/usr/bin/pikora-pack" \
        "$root$prefix/libexec/pikora/pikora-store"; do
        while read -r library; do
            [[ -n "$library" ]] || continue
            package=$(package_of "*/$library")
            echo "  ${program##*/} loads $library (${package:-no package here})"
            check "${program##*/} loads $library, which no package of this machine holds" \
                test -n "$package"
            check "${program##*/} loads $library, but $package is not in Depends" declared "$package"
        done < <(loaded_by_name "$program")
    done
    check "the sound library, loaded by name, was not found in the program" \
        grep -q '^libSDL2' <<<"$(loaded_by_name "$root$prefix/Pikora/pikora")"
    check "the X11 platform plugin of the toolkit is not in Depends" \
        declared "$(package_of '*/qt6/plugins/platforms/libqxcb.so')"
}

# No error and no warning; what is left of Debian's rules on purpose is overridden in the
# package with its reason (packaging/lintian-overrides).
lintian_clean()
{
    if ! command -v lintian >/dev/null; then
        check "lintian is missing (Debian package lintian, installed by scripts/install-deps)" false
        return
    fi
    local as_root=()
    ((EUID == 0)) && as_root=(--allow-root)
    # The exit status says whether lintian ran; what it found is counted below, since with
    # the overridden findings shown it would fail on those too.
    local status=0
    lintian "${as_root[@]}" --fail-on none --display-info --show-overrides "$deb" \
        >"$work/lintian.log" 2>&1 || status=$?
    # Findings in full; overridden ones (explained in the overrides) counted by tag.
    grep -vE '^(N|O):' "$work/lintian.log" | sed 's/^/  lintian: /'
    grep '^O:' "$work/lintian.log" | awk '{ print $3 }' | sort | uniq -c \
        | awk '{ print "  lintian: overridden " $2 " (" $1 "x)" }'
    echo "  lintian: $(grep -c '^E:' "$work/lintian.log") errors," \
        "$(grep -c '^W:' "$work/lintian.log") warnings, $(grep -c '^I:' "$work/lintian.log") infos," \
        "$(grep -c '^O:' "$work/lintian.log") overridden"
    check "lintian did not run (status $status)" test "$status" = 0
    check "lintian found errors or warnings" test -z "$(grep -E '^(E|W):' "$work/lintian.log")"
}

store_tool()
{
    local tool="$work/root$prefix/libexec/pikora/pikora-store" state="$work/state/machine.reg"
    mkdir -p "$work/state"
    check "the packaged store tool cannot make a store" "$tool" ensure-key "$state"
    check "no key made" has_line "$state" "$key"
    check "the key made does not start in picture mode" has_line "$state" '"USE_WORDS"=dword:00000000'
    printf '"MAX_TIMER"=dword:00000001\n' >>"$state"
    cp "$state" "$work/state.before"
    check "the packaged store tool fails on an existing key" "$tool" ensure-key "$state"
    check "the packaged store tool changed an existing value" cmp "$state" "$work/state.before"
}

# The packaged program in its unpacked folder, with a store for a one-second game: at start it
# saves its settings, at the first tick the game is over and the report is written at the
# path built in. A private mount namespace puts a scratch folder at /var/lib for it alone.
packaged_program_runs()
{
    local app="$work/root$prefix/Pikora" state="$work/run.reg" varlib="$work/varlib"
    printf 'Windows Registry Editor Version 5.00\n\n%s\n"USE_TIMER"=dword:00000001\n"MAX_TIMER"=dword:00000001\n' \
        "$key" >"$state"
    mkdir -p "$varlib/pikora"
    local as_root=()
    ((EUID == 0)) || as_root=(--map-root-user)
    # shellcheck disable=SC2016 # expanded by the inner shell
    PIKORA_MACHINE_STORE="$state" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        unshare --mount "${as_root[@]}" sh -c 'mount --bind "$1" /var/lib && exec "$2"' \
        sh "$varlib" "$app/pikora" >"$work/pikora.log" 2>&1 &
    pid=$!
    # The report at the path built in proves that path.
    local report="$varlib/${report#/var/lib/}"
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
run_case lintian_clean
run_case unpacked_files
run_case run_time_dependencies
run_case store_tool
run_case packaged_program_runs
summary
