#!/usr/bin/env bash
# Measures KORVATEL under Wine, in one run, against a floor program built
# here (comctl32 loaded, list view and toolbar classes registered, one empty
# window titled like the main window), and prints one table: start-up and
# memory, list refresh and sort, program sizes. Absolute times are noisy on
# shared machines; the ratios are the figures that count.
#   ./bench.sh [RUNS]    start-ups of each program, alternately (at least 15; 21 by default)
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"
BUILD_DIR=$KORVATEL_ROOT/build-bench
export WINEPREFIX=$BUILD_DIR/wineprefix
RUNS=$(( ${1:-21} < 15 ? 15 : ${1:-21} ))

install_prerequisites
KORVATEL_BUILD_TYPE=Release KORVATEL_CONFIGURE_ARGS="-DKORVATEL_BUILD_TESTS=OFF -DKORVATEL_BUILD_BENCH=ON" \
    build_all >/dev/null
prepare_wine_prefix

# Base folders: the four demo profiles, and 1,000 and 10,000 profiles with names in no order.
WORK=$BUILD_DIR/bench
rm -rf "$WORK"
for folder in 4 1000 10000; do
    mkdir -p "$WORK/$folder/ipaddress"
    cp "$BUILD_DIR/korvatel.exe" "$BUILD_DIR/korvatel_floor.exe" "$WORK/$folder/"
done
cp "$KORVATEL_ROOT"/tools/demo/*.bat "$WORK/4/ipaddress/"
for count in 1000 10000; do
    (cd "$WORK/$count/ipaddress" && awk -v n="$count" 'BEGIN { srand(7); for (i = 0; i < n; i++)
        printf "netsh interface ip set address \"eth%d\" dhcp\r\n", i > sprintf("%06d_%d.bat", int(rand() * 700000), i) }')
done

wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -e
    cd "$1"
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    at() { echo "Z:${1//\//\\}"; }
    wine "$2/korvatel_startup_bench.exe" "$(at "$1/4")" "$3" korvatel="$(at "$1/4/korvatel.exe")" \
        floor="$(at "$1/4/korvatel_floor.exe")" > startup.txt
    wine "$2/korvatel_startup_bench.exe" "$(at "$1/10000")" 3 korvatel="$(at "$1/10000/korvatel.exe")" \
        floor="$(at "$1/10000/korvatel_floor.exe")" > memory.txt
    wine "$2/korvatel_list_benchmark.exe" "$(at "$1/1000")" "$(at "$1/10000")" > list.txt
    wineserver -k
' _ "$WORK" "$BUILD_DIR" "$RUNS"

figure() { tr -d '\r' < "$WORK/$1" | awk -v name="$2" -v field="$3" '$1 == name { print $field }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
row() { printf '| %s | %s | %s | %s |\n' "$@"; }
list() { tr -d '\r' < "$WORK/list.txt" | awk -v rows="$1" -v field="$2" '$1 == rows { print $field }'; }

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
echo "KORVATEL $(sed -n 's/^#define KORVATEL_VERSION_TEXT *"\(.*\)"/\1/p' "$BUILD_DIR/generated/version.h"), Release build;" \
     "$(date -u +%Y-%m-%d), ${cpu:-unknown CPU}, $(nproc) cores, $(wine --version 2>/dev/null)"
echo
row "Figure" "KORVATEL" "Floor" "Ratio"
row "---" "---:" "---:" "---:"
row "Start-up to the visible window, median of $RUNS (ms)" "$(figure startup.txt korvatel 2)" \
    "$(figure startup.txt floor 2)" "$(ratio "$(figure startup.txt korvatel 2)" "$(figure startup.txt floor 2)")"
for memory in "startup.txt 4" "memory.txt 10,000"; do
    set -- $memory
    row "Working set after start-up, $2 profiles (KiB)" "$(figure "$1" korvatel 3)" "$(figure "$1" floor 3)" \
        "$(ratio "$(figure "$1" korvatel 3)" "$(figure "$1" floor 3)")"
    row "Private bytes after start-up, $2 profiles (KiB)" "$(figure "$1" korvatel 4)" "$(figure "$1" floor 4)" \
        "$(ratio "$(figure "$1" korvatel 4)" "$(figure "$1" floor 4)")"
done
row "List refresh, 1,000 / 10,000 profiles (ms)" "$(list 1000 2) / $(list 10000 2)" "" "$(ratio "$(list 10000 2)" "$(list 1000 2)")"
row "Sort by Name, 1,000 / 10,000 profiles (ms)" "$(list 1000 3) / $(list 10000 3)" "" "$(ratio "$(list 10000 3)" "$(list 1000 3)")"
row "Size of korvatel.exe / dunmere.exe (bytes)" "$(stat -c %s "$BUILD_DIR/korvatel.exe") / $(stat -c %s "$BUILD_DIR/dunmere.exe")" "" ""
