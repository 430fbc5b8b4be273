#!/usr/bin/env bash
# The release zip as a user gets it: packed from this build, its entries
# listed, unpacked into a fresh folder, and korvatel_package_tests.exe run
# on that folder under Wine.
#   run_package_test.sh BUILD_DIR
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
    echo "package test: $*" >&2
    exit 1
}

"$ROOT/tools/make_package.sh" "$BUILD" "$WORK" >/dev/null
ZIP=$(echo "$WORK"/korvatel-*-win64.zip)
[ -f "$ZIP" ] || fail "no zip was written"

unzip -tq "$ZIP" >/dev/null || fail "the zip does not test clean"
EXPECTED=$'korvatel.exe\ndunmere.exe\nKorvatel_manual.pdf\nreadme.txt\nipaddress/'
ENTRIES=$(unzip -Z1 "$ZIP")
[ "$ENTRIES" = "$EXPECTED" ] || fail "unexpected entries:"$'\n'"$ENTRIES"

# The programs run on a bare Windows: they may import only system DLLs.
for program in korvatel.exe dunmere.exe; do
    unzip -p "$ZIP" "$program" > "$WORK/$program"
    for dll in $(x86_64-w64-mingw32-objdump -p "$WORK/$program" | sed -n 's/^\s*DLL Name: //p'); do
        case "${dll,,}" in
            kernel32.dll|user32.dll|gdi32.dll|comctl32.dll|shell32.dll|iphlpapi.dll|ws2_32.dll|msvcrt.dll) ;;
            *) fail "$program imports $dll" ;;
        esac
    done
done

UNPACKED=$WORK/unpacked
mkdir "$UNPACKED"
unzip -q "$ZIP" -d "$UNPACKED"
KORVATEL_PACKAGE_DIR=$(winepath -w "$UNPACKED") KORVATEL_PACKAGE_ZIP=$(winepath -w "$ZIP") \
    wine "$BUILD/korvatel_package_tests.exe"
