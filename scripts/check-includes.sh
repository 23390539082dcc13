#!/usr/bin/env bash
# Checks the cut between the engine and the windows, and that every include between the folders
# of src/ runs from a higher layer to a lower one:
#
#   engine/files                     the one file module
#   engine/code                      configuration code, .klv file format and its disk adapter
#   engine/model                     catalogue, Configuration and its rules, prices
#   engine/history                   what an action changed, undo and redo
#   engine/documents, engine/credit  the documents' texts, the loan
#   engine/session, engine/offer     the user's verbs; the offer letter's contents
#   desktop/settings                 the settings file and window placement (Qt)
#   desktop/pictures                 the drawn car and option pictures (Qt SVG)
#   desktop/info                     explanations, picture windows, screen fitting
#   desktop/documents, .../credit    the windows of the documents and the credit calculator
#   desktop/offer                    the offer's pages and its window
#   desktop/app, cli                 the two front ends
#
# A folder may include its own files and those of lower layers, never a folder of its own
# layer or a higher one; nothing under src/engine includes a Qt header. Prints each include that
# breaks this and exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

layer() {
    case "$1" in
        engine/files) echo 0 ;;
        engine/code) echo 1 ;;
        engine/model) echo 2 ;;
        engine/history) echo 3 ;;
        engine/documents | engine/credit) echo 4 ;;
        engine/session | engine/offer) echo 5 ;;
        desktop/settings) echo 6 ;;
        desktop/pictures) echo 7 ;;
        desktop/info) echo 8 ;;
        desktop/documents | desktop/credit) echo 9 ;;
        desktop/offer) echo 10 ;;
        desktop/app | cli) echo 11 ;;
        *) echo "" ;;
    esac
}

status=0
for dir in src/engine/*/ src/desktop/*/ src/cli/; do
    from=${dir#src/}
    from=${from%/}
    from_layer=$(layer "$from")
    if [ -z "$from_layer" ]; then
        echo "src/$from: a folder without a layer; add it to scripts/check-includes.sh"
        status=1
        continue
    fi
    while IFS=: read -r file line text; do
        to=$(sed -E 's/.*#include "(((engine|desktop)\/)?[^/"]+)\/.*/\1/' <<<"$text")
        [ "$to" = "$from" ] && continue
        to_layer=$(layer "$to")
        [ -z "$to_layer" ] && continue  # a generated header of the build folder
        if [ "$to_layer" -ge "$from_layer" ]; then
            echo "$file:$line: src/$from may not include src/$to"
            status=1
        fi
    done < <(grep -rnE '^\s*#\s*include "[^"]+/' "$dir" || true)
done
for dir in src/*/; do
    case "$dir" in src/engine/ | src/desktop/ | src/cli/) ;; *)
        echo "$dir: a folder outside src/engine, src/desktop and src/cli"
        status=1
        ;;
    esac
done
while IFS=: read -r file line text; do
    echo "$file:$line: the engine includes no Qt header: $text"
    status=1
done < <(grep -rnE '^\s*#\s*include\s*<Q' src/engine || true)
[ "$status" = 0 ] && echo "includes between src/ folders run downwards only; the engine has no Qt"
exit "$status"
