#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# The translation files: each complete (lrelease finds no unfinished or untranslated text),
# and each up to date with the program's texts (scripts/update-translations changes none).
#   translations.sh REPO
set -uo pipefail

repo=$1
source "$repo/tests/install/checks.sh"
tools=/usr/lib/qt6/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

complete() # TS
{
    local report
    report=$("$tools/lrelease" "$1" -qm "$work/out.qm" 2>&1) || return 1
    grep -q ' 0 unfinished)' <<<"$report" && ! grep -qi 'untranslated' <<<"$report"
}

every_file_is_complete()
{
    local ts
    for ts in "$repo"/res/translations/pikora_*.ts; do
        check "$(basename "$ts") has texts left to translate" complete "$ts"
    done
}

every_file_is_up_to_date()
{
    cp -r "$repo/res/translations" "$work/current"
    check "scripts/update-translations failed" \
        env PIKORA_TS_DIR="$work/current" "$repo/scripts/update-translations"
    check "the translation files are behind the program's texts: run scripts/update-translations" \
        diff -r "$repo/res/translations" "$work/current"
}

run_case every_file_is_complete
run_case every_file_is_up_to_date
summary
