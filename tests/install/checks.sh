# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the install tests: cases that report every failed check, then a summary.
# shellcheck shell=bash disable=SC2034 # the names below are used by the scripts sourcing this

app_id=com.velmar.pikora
key='[HKEY_LOCAL_MACHINE\SOFTWARE\VELMAR\PIKORA]'
icon_sizes=(16 32 48 64 128 256)
passed=0
failed=0
case_failed=0

# check MESSAGE COMMAND...: runs the command; on failure reports MESSAGE and fails the case.
check()
{
    local message=$1
    shift
    if ! "$@" >/dev/null 2>&1; then
        echo "  FAIL: $message" >&2
        case_failed=1
    fi
}

# run_case NAME: runs the function NAME as one case.
run_case()
{
    case_failed=0
    echo "case $1"
    "$1"
    if ((case_failed)); then
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
}

summary()
{
    echo "$passed passed, $failed failed"
    ((failed == 0))
}

has_line() # FILE LINE
{
    grep -qxF -- "$2" "$1"
}

# The width and height of a PNG file, from its header.
png_size()
{
    local hex
    hex=$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')
    echo "$((16#${hex:0:8}))x$((16#${hex:8:8}))"
}

is_png_of_size() # FILE SIZE
{
    [[ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]] \
        && [[ "$(png_size "$1")" == "$2x$2" ]]
}

# Every picture of the folder has its voice and the folder is not empty.
pictures_complete() # FOLDER
{
    local count=0 picture
    for picture in "$1"/*.bmp; do
        [[ -f "${picture%.bmp}.wav" ]] || return 1
        count=$((count + 1))
    done
    ((count > 0))
}

# The icons, the desktop entry and the metainfo under a data folder (share/).
check_desktop_files() # DATA-FOLDER PROGRAM-AS-EXEC [APPLICATION-FOLDER]
{
    local data=$1 exec=$2 folder=${3:-} size
    local entry="$data/applications/$app_id.desktop"
    local metainfo="$data/metainfo/$app_id.metainfo.xml"
    check "no desktop entry at $entry" test -f "$entry"
    check "desktop entry: Exec is not $exec" has_line "$entry" "Exec=$exec"
    check "desktop entry: wrong Icon" has_line "$entry" "Icon=$app_id"
    if [[ -n "$folder" ]]; then
        check "desktop entry: the game does not start in $folder" has_line "$entry" "Path=$folder"
    fi
    check "desktop entry: wrong Categories" has_line "$entry" "Categories=Education;Game;KidsGame;"
    if command -v desktop-file-validate >/dev/null; then
        check "desktop-file-validate: $(desktop-file-validate "$entry" 2>&1)" \
            desktop-file-validate "$entry"
    else
        echo "  note: desktop-file-validate is missing (package desktop-file-utils); not validated"
    fi
    check "no metainfo at $metainfo" test -f "$metainfo"
    check "metainfo does not launch $app_id.desktop" \
        grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
    if command -v appstreamcli >/dev/null; then
        check "appstreamcli: $(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)" \
            appstreamcli validate --no-net --pedantic "$metainfo"
    else
        echo "  note: appstreamcli is missing (package appstream); metainfo not validated"
    fi
    for size in "${icon_sizes[@]}"; do
        check "no ${size}-pixel icon" \
            is_png_of_size "$data/icons/hicolor/${size}x${size}/apps/$app_id.png" "$size"
    done
}
