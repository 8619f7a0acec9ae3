#!/usr/bin/env bash
# Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
# pikora-progress on real SQLite files: clear errors for a missing and a foreign database,
# nothing written to the history, the CSV rows, and the page opened in headless Chromium and
# photographed (kept in $PIKORA_SCREENSHOT_DIR when set).
#   progress-page.sh PIKORA-PROGRESS SAMPLE-HISTORY-MAKER
set -euo pipefail

tool=$1
maker=$2
work=$(mktemp -d /tmp/pikora-progress-XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0
fail()
{
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# expect STATUS TEXT COMMAND...: the exit status and a text in its standard error.
expect()
{
    local status=$1 text=$2 actual=0
    shift 2
    "$@" 2>"$work/stderr" >/dev/null || actual=$?
    [[ $actual == "$status" ]] || fail "$* ended with $actual, not $status"
    grep -qF -- "$text" "$work/stderr" || fail "$* did not say '$text': $(cat "$work/stderr")"
}

expect 1 "no history at $work/none.sqlite" "$tool" --history "$work/none.sqlite" --html "$work/a.html"
[[ ! -e "$work/none.sqlite" && ! -e "$work/a.html" ]] || fail "a missing history was made, or a page"
sqlite3 "$work/foreign.sqlite" "CREATE TABLE games (id TEXT, score INTEGER)"
expect 1 "is not a Pikora history" "$tool" --history "$work/foreign.sqlite" --csv "$work/a.csv"
head -c 4096 /dev/urandom >"$work/corrupt.sqlite"
expect 1 "corrupt.sqlite" "$tool" --history "$work/corrupt.sqlite" --csv "$work/a.csv"
expect 2 "nothing to write" "$tool" --history "$work/foreign.sqlite"
expect 2 "--since wants a date" "$tool" --since 2026-13-01 --csv "$work/a.csv"

"$maker" "$work/history.sqlite" 600 20 "$(date +%F)" ann ben
# Words are file names: one that a spreadsheet would take for a formula stays text.
sqlite3 "$work/history.sqlite" "UPDATE choices SET word = '=HYPERLINK(\"x\")', chosen = '@SUM(1)'
    WHERE rowid = (SELECT min(rowid) FROM choices WHERE learner = 'ann')"
before=$(sha256sum <"$work/history.sqlite")
ln -s history.sqlite "$work/link.html"
expect 2 "is the history itself" "$tool" --history "$work/history.sqlite" --html "$work/link.html"
expect 2 "is the history itself" "$tool" --history "$work/history.sqlite" --csv "$work/history.sqlite"
expect 2 "--since wants a date" "$tool" --since 2026/01/01 --csv "$work/a.csv"
expect 0 "no choices of nobody" "$tool" --history "$work/history.sqlite" --learner nobody --csv "$work/a.csv"
"$tool" --history "$work/history.sqlite" --learner ann --html "$work/page.html" --csv "$work/rows.csv"
[[ "$(sha256sum <"$work/history.sqlite")" == "$before" ]] || fail "the history was written to"
[[ "$(wc -l <"$work/rows.csv")" == 601 ]] || fail "CSV: $(wc -l <"$work/rows.csv") lines, not 601"
head -1 "$work/rows.csv" | grep -q '^played_at,learner,machine,game,word,chosen,correct,response_ms,mode,choices' ||
    fail "CSV header: $(head -1 "$work/rows.csv")"
grep -c ',ben,' "$work/rows.csv" >/dev/null && fail "CSV holds rows of another learner"
grep -qF ",\"'=HYPERLINK(\"\"x\"\")\",'@SUM(1)," "$work/rows.csv" ||
    fail "CSV: the formula-like word and choice are not kept as text: $(grep -F HYPERLINK "$work/rows.csv")"
grep -qE '(^|,)"?[=+@-]' "$work/rows.csv" && fail "CSV has a field that a spreadsheet reads as a formula"
for text in '<svg' '<polyline' '>ann</h2>' 'Every word' 'Most frequent confusions' '<thead>' \
    '&quot;53% of 30&quot; means' 'lang="en"'; do
    grep -qF "$text" "$work/page.html" || fail "the page lacks $text"
done
grep -qiE '<script|src=|href=' "$work/page.html" && fail "the page refers to something outside it"
words=$(grep -oE '<td>[A-Z]+</td>' "$work/page.html" | sort -u | wc -l)
# The page in the language asked for, else the one the game would speak: Arabic right to left.
expect 2 "no translation serves xx" "$tool" --history "$work/history.sqlite" --lang xx --html "$work/x.html"
"$tool" --history "$work/history.sqlite" --learner ann --lang de_AT --html "$work/de.html"
LANG=ar_EG.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= "$tool" --history "$work/history.sqlite" --learner ann \
    --html "$work/ar.html"
grep -qF 'lang="de"' "$work/de.html" && grep -qF 'Alle Wörter' "$work/de.html" ||
    fail "--lang de_AT: the page is not in German"
grep -qF 'dir="rtl"' "$work/ar.html" || fail "LANG=ar_EG: the page is not Arabic, right to left"
((words >= 4)) || fail "the page names only $words words asked"

# The page as a browser draws it.
if ! command -v chromium >/dev/null; then
    fail "chromium is missing (Debian package chromium)"
else
    timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/profile" --hide-scrollbars --window-size=900,1500 \
        --screenshot="$work/page.png" "file://$work/page.html" >"$work/chromium.log" 2>&1 ||
        fail "chromium failed: $(tail -5 "$work/chromium.log")"
    if [[ -s "$work/page.png" ]]; then
        # The first chart's first line is drawn in its own blue.
        blue=$(convert "$work/page.png" -fill black +opaque '#1565c0' -fill white -opaque '#1565c0' \
            -format '%[fx:round(mean*w*h)]' info:)
        ((blue > 200)) || fail "the screenshot shows $blue pixels of the chart's first line"
        # The trend dashed in green, as the window draws it.
        green=$(convert "$work/page.png" -fill black +opaque '#208020' -fill white -opaque '#208020' \
            -format '%[fx:round(mean*w*h)]' info:)
        ((green > 50)) || fail "the screenshot shows $green pixels of the green trend"
        if [[ -n "${PIKORA_SCREENSHOT_DIR:-}" ]]; then
            cp "$work/page.png" "$PIKORA_SCREENSHOT_DIR/progress-page.png"
        fi
    else
        fail "chromium made no screenshot"
    fi
fi

if ((failures > 0)); then
    exit 1
fi
echo "progress page: all checks passed"
