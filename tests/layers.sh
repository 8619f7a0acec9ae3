#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# The layers depend one way only: app -> ui -> game -> platform, and tools use game and
# platform. Fails on an include that runs upward or across, and on a toolkit header in the
# game layer or in the platform interface.
#   layers.sh SOURCE-DIR
set -euo pipefail
cd "$1"

status=0
# folder: the layers it may not include
declare -A forbidden=(
    [platform]="app ui game tools"
    [game]="app ui tools"
    [ui]="app tools"
    [tools]="app ui"
)
for folder in "${!forbidden[@]}"; do
    for layer in ${forbidden[$folder]}; do
        if hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"$layer/" "$folder"); then
            echo "layers: $folder/ must not include $layer/:" >&2
            echo "$hits" >&2
            status=1
        fi
    done
done

# The game logic and the interface it is written against stay free of the toolkit.
toolkit='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q[A-Za-z]*|SDL[^>]*)>'
if hits=$(grep -rnE "$toolkit" game platform/PlatformServices.h); then
    echo "layers: toolkit header in the game layer or the platform interface:" >&2
    echo "$hits" >&2
    status=1
fi
exit "$status"
