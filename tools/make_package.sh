#!/usr/bin/env bash
# Packs a built tree into the release zip korvatel-<version>-win64.zip:
#   tools/make_package.sh BUILD_DIR OUTPUT_DIR
# The zip holds korvatel.exe, dunmere.exe, the manual, an empty ipaddress
# folder (the program never creates it) and the Japanese readme in the code
# page Notepad on a Japanese Windows reads (CP932, CRLF).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$1
OUTPUT_DIR=$2

header_text() {
    sed -n "s/^#define $2 *\"\\(.*\\)\"\$/\\1/p" "$1"
}
VERSION=$(header_text "$BUILD/generated/version.h" KORVATEL_VERSION_TEXT)
HOME_PAGE=$(header_text "$ROOT/res/project_info.h" KORVATEL_HOME_PAGE)
[ -n "$VERSION" ] || { echo "make_package.sh: no version in $BUILD/generated/version.h" >&2; exit 1; }

for file in "$BUILD/korvatel.exe" "$BUILD/dunmere.exe" "$ROOT/Korvatel_manual.pdf"; do
    [ -f "$file" ] || { echo "make_package.sh: missing $file" >&2; exit 1; }
done

STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT
cp "$BUILD/korvatel.exe" "$BUILD/dunmere.exe" "$ROOT/Korvatel_manual.pdf" "$STAGE/"
mkdir "$STAGE/ipaddress"
sed -e "s|@VERSION@|$VERSION|g" -e "s|@HOME_PAGE@|$HOME_PAGE|g" "$ROOT/docs/readme-ja.txt" \
    | iconv -f UTF-8 -t CP932 | sed 's/$/\r/' > "$STAGE/readme.txt"

# Entries dated by the last commit, so the same sources give the same zip.
STAMP=$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || date +%s)
find "$STAGE" -exec touch -d "@$STAMP" {} +

mkdir -p "$OUTPUT_DIR"
OUTPUT=$(cd "$OUTPUT_DIR" && pwd)/korvatel-$VERSION-win64.zip
rm -f "$OUTPUT"
(cd "$STAGE" && TZ=UTC zip -X -q -r "$OUTPUT" korvatel.exe dunmere.exe Korvatel_manual.pdf readme.txt ipaddress)
echo "Package: $OUTPUT"
