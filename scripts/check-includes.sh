#!/usr/bin/env bash
# Checks that every include between the folders of src/ runs from a higher layer to a lower one:
#
#   pricing                      configuration code, .klv file format, the one file module
#   model, settings              catalogue, price list, Configuration and its rules; window
#                                settings (Qt, read and written through the file module)
#   pictures                     the drawn car and option pictures (Qt SVG)
#   info                         explanations, picture windows and the screen-fitting helpers
#   documents, credit, history   the documents, the loan, the undo history
#   offer, session               the offer letter: documents and credit on one paper; the
#                                user's verbs on one configuration, with undo and the order
#   cli, app                     the two front ends
#
# A folder may include its own files and those of lower layers, never a folder of its own
# layer or a higher one. Prints each include that breaks this and exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

layer() {
    case "$1" in
        pricing) echo 0 ;;
        model | settings) echo 1 ;;
        pictures) echo 2 ;;
        info) echo 3 ;;
        documents | credit | history) echo 4 ;;
        offer | session) echo 5 ;;
        cli | app) echo 6 ;;
        *) echo "" ;;
    esac
}

status=0
for dir in src/*/; do
    from=$(basename "$dir")
    from_layer=$(layer "$from")
    if [ -z "$from_layer" ]; then
        echo "src/$from: a folder without a layer; add it to scripts/check-includes.sh"
        status=1
        continue
    fi
    while IFS=: read -r file line text; do
        to=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$text")
        [ "$to" = "$from" ] && continue
        to_layer=$(layer "$to")
        [ -z "$to_layer" ] && continue  # a generated header of the build folder
        if [ "$to_layer" -ge "$from_layer" ]; then
            echo "$file:$line: src/$from may not include src/$to"
            status=1
        fi
    done < <(grep -rnE '^\s*#\s*include "[^/"]+/' "$dir" || true)
done
[ "$status" = 0 ] && echo "includes between src/ folders run downwards only"
exit "$status"
