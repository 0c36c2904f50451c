#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a layer above its own, or of a folder that
# docs/architecture.md does not list as a layer. The page's numbered list is the plan: an item
# "N. `folder/` ..." puts that folder on floor N.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}" # another tree's top may be given, as the check's own test does

declare -A floor
while IFS= read -r line; do
    if [[ $line =~ ^([0-9]+)\.\ \`([a-z]+)/\` ]]; then
        floor[${BASH_REMATCH[2]}]=${BASH_REMATCH[1]}
    fi
done < docs/architecture.md
if [ ${#floor[@]} -eq 0 ]; then
    echo "check-layers: docs/architecture.md lists no layers" >&2
    exit 1
fi

faults=0
while IFS= read -r file; do
    folder=${file#src/}
    folder=${folder%%/*}
    own=${floor[$folder]:-}
    if [ -z "$own" ]; then
        echo "$file: its folder src/$folder is no layer of docs/architecture.md"
        faults=$((faults + 1))
        continue
    fi
    while IFS= read -r included; do
        layer=${included%%/*}
        below=${floor[$layer]:-}
        if [ -z "$below" ]; then
            echo "$file: includes $included, from a folder that is no layer"
            faults=$((faults + 1))
        elif [ "$below" -gt "$own" ]; then
            echo "$file: includes $included, from $layer/ above $folder/"
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")
done < <(find src -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if [ "$faults" -gt 0 ]; then
    echo "check-layers: $faults include(s) against the layers" >&2
    exit 1
fi
echo "check-layers: every include keeps to the layers"
