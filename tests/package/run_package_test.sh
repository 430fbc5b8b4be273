#!/usr/bin/env bash
# The release zip packed from this build: its entries and readme; unpacked
# into a fresh folder, korvatel_package_tests.exe starts the program there.
#   run_package_test.sh BUILD_DIR
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

ZIP=$("$ROOT/tools/make_package.sh" "$BUILD" "$WORK" | sed -n 's/^Package: //p')
ENTRIES=$(unzip -Z1 "$ZIP") || fail "no $ZIP"
[ "$ENTRIES" = $'korvatel.exe\ndunmere.exe\nKorvatel_manual.pdf\nreadme.txt\nipaddress/' ] \
    || fail "unexpected entries:"$'\n'"$ENTRIES"
UNPACKED=$WORK/unpacked
unzip -q "$ZIP" -d "$UNPACKED"
[ -d "$UNPACKED/ipaddress" ] && [ -z "$(ls -A "$UNPACKED/ipaddress")" ] || fail "ipaddress is not an empty folder"

# Notepad on a Japanese Windows reads CP932 with CRLF.
iconv -f CP932 -t UTF-8 "$UNPACKED/readme.txt" | grep -q 'IPアドレス切替' || fail "the readme is not Japanese CP932"
LC_ALL=C grep -q $'[^\r]$' "$UNPACKED/readme.txt" && fail "a readme line ends without CR"

KORVATEL_PACKAGE_DIR=$(winepath -w "$UNPACKED") wine "$BUILD/korvatel_package_tests.exe"
