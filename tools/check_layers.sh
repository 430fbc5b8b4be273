#!/usr/bin/env bash
# Fails when product folders include each other in a circle: a folder may
# include only folders below it. Prints the folders top to bottom, each with
# the folders it includes.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=$(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.rc' '*.h.in' | grep / | grep -v -E '^(tests|tools|cmake|docs)/' || true)
edges=$(for file in $sources; do
    from=${file%%/*}
    echo "$from $from"
    sed -n -E 's@^[[:space:]]*#[[:space:]]*include[[:space:]]+"(\.\./)?([^"/]+)/.*@\2@p' "$file" \
        | while read -r to; do echo "$from $to"; done
done | sort -u)

if ! order=$(tsort <<< "$edges" 2>/tmp/check_layers.$$); then
    echo "check_layers: the product folders include each other in a circle:" >&2
    grep -v '^tsort: -: input contains a loop:' /tmp/check_layers.$$ | sed 's/^tsort: /  /' >&2
    rm -f /tmp/check_layers.$$
    exit 1
fi
rm -f /tmp/check_layers.$$
for folder in $order; do
    below=$(awk -v f="$folder" '$1 == f && $2 != f { printf "%s ", $2 }' <<< "$edges")
    printf '%-10s -> %s\n' "$folder/" "${below:-(nothing)}"
done
