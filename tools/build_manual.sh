#!/usr/bin/env bash
# Rebuilds the user manual Korvatel_manual.pdf at the top of the tree: takes
# fresh screenshots of the program under Wine (tools/take_screenshots.sh),
# then sets docs/manual-ja.txt with them in the IPA Gothic font.
#   tools/build_manual.sh                   screenshots and PDF
#   tools/build_manual.sh --no-screenshots  PDF from docs/screenshots as they are
set -euo pipefail
source "$(dirname "$0")/common.sh"

KORVATEL_PACKAGES="$KORVATEL_PACKAGES python3-reportlab python3-pil fonts-ipafont-gothic"
install_prerequisites
if [ "${1:-}" != "--no-screenshots" ]; then
    "$KORVATEL_ROOT/tools/take_screenshots.sh"
fi
# Debian's own interpreter, which the python3-reportlab package serves.
/usr/bin/python3 "$KORVATEL_ROOT/tools/manual/build_manual.py" \
    "$KORVATEL_ROOT/docs/manual-ja.txt" "$KORVATEL_ROOT/Korvatel_manual.pdf"
echo "Manual: $KORVATEL_ROOT/Korvatel_manual.pdf"
