#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built tree as `cmake --install` does for a user: into a scratch prefix (with a
# blank in its path), again over an existing store, and staged under DESTDIR into another
# prefix. Checks the application folder, the desktop files and the settings key.
#   usage: install-tree.sh BUILD-DIR COMPILED-STORE-PATH
set -euo pipefail

build=$1
compiled_store=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=tests/install/checks.sh
source "$here/checks.sh"

work=$(mktemp -d /tmp/pikora-install-XXXXXX)
trap 'rm -rf "$work"' EXIT

install_tree() # PREFIX LOG [ENV...]
{
    local prefix=$1 log=$2
    shift 2
    env "$@" cmake --install "$build" --prefix "$prefix" >"$log" 2>&1
}

settings_values='"FIELD4"=dword:00000000
"SPELL"=dword:ffffffff
"APP_FOLDER"=hex(1):2f,78
"MAX_TIMER"=dword:0000003c'

fresh_prefix()
{
    local prefix="$work/with blank/prefix" store="$work/state/machine.reg"
    install_tree "$prefix" "$work/fresh.log" PIKORA_MACHINE_STORE="$store" || {
        cat "$work/fresh.log"
        check "install failed" false
        return
    }
    local app="$prefix/Pikora"
    check "no program in the application folder" test -x "$app/pikora"
    for media in correct.bmp correct.wav no.wav applause.wav; do
        check "no $media in the application folder" test -s "$app/$media"
    done
    check "the starter pictures are missing or lack voices" pictures_complete "$app/mymain"
    check "the installed starter set is not the English one" test -s "$app/mymain/dog.bmp"
    for file in words.txt de.txt zh.txt jump.svg; do
        check "the starter list $file is not installed for pikora-pack --starter" \
            test -s "$prefix/share/pikora/starter/$file"
    done
    check "no pikora-store tool" test -x "$prefix/libexec/pikora/pikora-store"
    check "the command pikora does not lead to the program" \
        test "$(readlink -f "$prefix/bin/pikora")" = "$(readlink -f "$app/pikora")"
    check "the command link is not relative" test "$(readlink "$prefix/bin/pikora")" = ../Pikora/pikora
    check "the store has no header" test "$(head -n 1 "$store")" = "Windows Registry Editor Version 5.00"
    check "the store has no settings key" has_line "$store" "$key"
    check "the key does not start in picture mode" has_line "$store" '"USE_WORDS"=dword:00000000'
    check "the install wrote other values into the store" test "$(grep -c . "$store")" = 3
    check_desktop_files "$prefix/share" "\"$prefix/Pikora/pikora\"" "$prefix/Pikora"
    check "desktop entry: wrong TryExec" \
        has_line "$prefix/share/applications/$app_id.desktop" "TryExec=$prefix/Pikora/pikora"
}

second_install_keeps_values()
{
    local prefix="$work/second" store="$work/kept/machine.reg"
    mkdir -p "$work/kept"
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\OTHER]\r\n"A"="b"\r\n' >"$store"
    install_tree "$prefix" "$work/first.log" PIKORA_MACHINE_STORE="$store"
    check "the key was not added beside another key" has_line "$store" "$key"$'\r'
    check "another key was lost" has_line "$store" '"A"="b"'$'\r'
    printf '%s\r\n' "$settings_values" >>"$store"
    cp "$store" "$work/before.reg"
    chmod 0640 "$store"
    install_tree "$prefix" "$work/second.log" PIKORA_MACHINE_STORE="$store"
    check "a second install changed the store: $(diff "$work/before.reg" "$store")" \
        cmp "$work/before.reg" "$store"
    check "a second install changed the store's rights" test "$(stat -c %a "$store")" = 640
}

staged_install()
{
    # No PIKORA_MACHINE_STORE: the key goes to the compiled store path, inside the stage.
    local stage="$work/stage" prefix=/opt/pikora-staged-test
    local outside_before=absent
    [[ -e "$compiled_store" ]] && outside_before=$(stat -c %Y "$compiled_store")
    install_tree "$prefix" "$work/staged.log" DESTDIR="$stage" PIKORA_MACHINE_STORE= || {
        cat "$work/staged.log"
        check "staged install failed" false
        return
    }
    check "nothing installed inside the stage" test -x "$stage$prefix/Pikora/pikora"
    check "nothing may be installed outside the stage" test ! -e "$prefix"
    check "no key in the staged store" has_line "$stage$compiled_store" "$key"
    local outside_after=absent
    [[ -e "$compiled_store" ]] && outside_after=$(stat -c %Y "$compiled_store")
    check "the store outside the stage was touched" test "$outside_before" = "$outside_after"
    check "the warning about the build's own store path is missing" \
        grep -q "fixed at build time" "$work/staged.log"
    check_desktop_files "$stage$prefix/share" "$prefix/Pikora/pikora"
    check "the command link leaves the stage" \
        test "$(readlink -f "$stage$prefix/bin/pikora")" = "$stage$prefix/Pikora/pikora"
}

run_case fresh_prefix
run_case second_install_keeps_values
run_case staged_install
summary
