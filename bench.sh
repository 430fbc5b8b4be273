#!/usr/bin/env bash
# Measures KORVATEL under Wine, in one run, against two floor programs built
# here, and prints the tables of start-up and memory, list refresh and sort,
# and program sizes. The same-screen floor shows what KORVATEL shows in the
# benchmark's folder (menu, toolbar, list of the profile files) with nothing
# else; the bare floor shows one empty window. Every round starts each
# program once, in a rotating order. Progress goes to stderr, the tables to
# stdout.
#   ./bench.sh [ROUNDS]   rounds of start-ups (at least 15; 41 by default)
#   ./bench.sh screens    screenshots of KORVATEL and the same-screen floor in
#                         the folders of 4 and 10,000 profiles, compared pixel
#                         for pixel
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"
BUILD_DIR=$KORVATEL_ROOT/build-bench
export WINEPREFIX=$BUILD_DIR/wineprefix
WORK=$BUILD_DIR/bench
SHOTS=$BUILD_DIR/screens

progress() { echo "bench: $*" >&2; }
at() { echo "Z:${1//\//\\}"; }

# Every program started from one folder: KORVATEL first, the ratios are its
# times over each other program's.
startup_bench() {
    wine "$BUILD_DIR/korvatel_startup_bench.exe" "$(at "$1")" "$2" korvatel="$(at "$1/korvatel.exe")" \
        same_screen="$(at "$1/korvatel_floor_same_screen.exe")" bare="$(at "$1/korvatel_floor.exe")"
}

measure() {
    progress "start-up: $1 rounds of KORVATEL, the same-screen floor and the bare floor, 4 profiles"
    startup_bench "$WORK/4" "$1" > "$WORK/startup.txt"
    progress "memory after start-up: 3 rounds at 10,000 profiles"
    startup_bench "$WORK/10000" 3 > "$WORK/memory.txt"
    progress "list refresh and sort by Name at 1,000 and 10,000 profiles"
    wine "$BUILD_DIR/korvatel_list_benchmark.exe" "$(at "$WORK/1000")" "$(at "$WORK/10000")" > "$WORK/list.txt"
}

# Starts one program in a folder, saves the screen once the window shows and
# two screenshots a moment apart agree, and closes it as a user would.
shoot() {
    local folder=$1 program=$2 shot=$3
    (cd "$folder" && exec wine "$program.exe") &
    local started=$!
    timeout 60 xdotool search --sync --onlyvisible --name '^KORVATEL$' >/dev/null
    import -window root "$shot"
    for _ in $(seq 50); do
        sleep 0.2
        import -window root "$SHOTS/next.png"
        compare -metric AE "$shot" "$SHOTS/next.png" null: 2>/dev/null && break
        mv "$SHOTS/next.png" "$shot"
    done
    rm -f "$SHOTS/next.png"
    wine taskkill /im "$program.exe" >/dev/null 2>&1
    wait "$started"
}

# KORVATEL twice: its first start finds no settings files, the second finds
# those the first left, as every timed start does.
compare_screens() {
    local differing=0 folder shot pixels
    mkdir -p "$SHOTS"
    for folder in 4 10000; do
        progress "screenshots at $folder profiles"
        shoot "$WORK/$folder" korvatel "$SHOTS/korvatel_${folder}_first.png"
        shoot "$WORK/$folder" korvatel "$SHOTS/korvatel_$folder.png"
        shoot "$WORK/$folder" korvatel_floor_same_screen "$SHOTS/same_screen_$folder.png"
        for shot in korvatel_${folder}_first korvatel_$folder; do
            pixels=$(compare -metric AE "$SHOTS/$shot.png" "$SHOTS/same_screen_$folder.png" \
                "$SHOTS/diff_$shot.png" 2>&1 || true)
            echo "$shot.png against same_screen_$folder.png: $pixels pixels differ"
            [ "$pixels" = 0 ] || differing=1
        done
    done
    return $differing
}

if [ "${1:-}" = "--in-display" ]; then
    shift
    trap 'wineserver -k' EXIT
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    "$@"
    exit
fi

MODE=measure
ROUNDS=${1:-41}
if [ "$ROUNDS" = screens ]; then
    MODE=compare_screens
elif [ "$ROUNDS" -lt 15 ]; then
    ROUNDS=15
fi

progress "building the Release tree in build-bench/"
install_prerequisites
KORVATEL_BUILD_TYPE=Release KORVATEL_CONFIGURE_ARGS="-DKORVATEL_BUILD_TESTS=OFF -DKORVATEL_BUILD_BENCH=ON" \
    build_all >/dev/null
progress "preparing the Wine prefix in build-bench/wineprefix"
prepare_wine_prefix

# The four demo profiles, and 1,000 and 10,000 profiles with names in no order.
progress "preparing the folders of 4, 1,000 and 10,000 profiles"
rm -rf "$WORK" "$SHOTS"
for folder in 4 1000 10000; do
    mkdir -p "$WORK/$folder/ipaddress"
    cp "$BUILD_DIR"/{korvatel,korvatel_floor_same_screen,korvatel_floor}.exe "$WORK/$folder/"
done
cp "$KORVATEL_ROOT"/tools/demo/*.bat "$WORK/4/ipaddress/"
for count in 1000 10000; do
    (cd "$WORK/$count/ipaddress" && awk -v n="$count" 'BEGIN { srand(7); for (i = 0; i < n; i++)
        printf "netsh interface ip set address \"eth%d\" dhcp\r\n", i > sprintf("%06d_%d.bat", int(rand() * 700000), i) }')
done

wineserver -k 2>/dev/null || true
if [ "$MODE" = compare_screens ]; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --in-display compare_screens
    exit
fi
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --in-display measure "$ROUNDS"
progress "done"

field() { tr -d '\r' < "$WORK/$1" | awk -v kind="$2" -v name="$3" -v field="$4" \
    '$1 == kind && $2 == name { print $field }'; }
row() { printf '| %s | %s | %s | %s |\n' "$@"; }
decimals() { awk -v value="$1" 'BEGIN { printf "%.2f", value }'; }
list() { tr -d '\r' < "$WORK/list.txt" | awk -v rows="$1" -v field="$2" '$1 == rows { print $field }'; }
startup_row() {
    row "$1" "$(field startup.txt program "$2" 3)" "$(field startup.txt program "$2" 4)" \
        "$(field startup.txt program "$2" 5)"
}
ratio_row() {
    local label=$1 median
    median=$(decimals "$(field startup.txt ratio "korvatel/$2" 3)")
    [ -z "$3" ] || { label="$3$label$3"; median="$3$median$3"; }
    row "$label" "$median" "$(decimals "$(field startup.txt ratio "korvatel/$2" 4)")" \
        "$(decimals "$(field startup.txt ratio "korvatel/$2" 5)")"
}
memory_row() {
    row "$1" "$(field "$2" program korvatel "$3")" "$(field "$2" program same_screen "$3")" \
        "$(field "$2" program bare "$3")"
}

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
echo "KORVATEL $(sed -n 's/^#define KORVATEL_VERSION_TEXT *"\(.*\)"/\1/p' "$BUILD_DIR/generated/version.h"), Release build;" \
     "$(date -u +%Y-%m-%d), ${cpu:-unknown CPU}, $(nproc) cores, $(wine --version 2>/dev/null)"
echo
row "Start-up to the visible window, $ROUNDS rounds" "Median" "Min or 2.5 %" "Max or 97.5 %"
row "---" "---:" "---:" "---:"
startup_row "KORVATEL (ms)" korvatel
startup_row "Same-screen floor (ms)" same_screen
startup_row "Bare floor (ms)" bare
ratio_row "KORVATEL / same-screen floor: how close to the limit (the goal is at most 1.05)" same_screen "**"
ratio_row "KORVATEL / bare floor: what the screen itself costs" bare ""
echo
row "Memory, lists and sizes" "KORVATEL" "Same-screen floor" "Bare floor"
row "---" "---:" "---:" "---:"
for memory in "startup.txt 4" "memory.txt 10,000"; do
    set -- $memory
    memory_row "Working set after start-up, $2 profiles (KiB)" "$1" 6
    memory_row "Private bytes after start-up, $2 profiles (KiB)" "$1" 7
done
row "List refresh, 1,000 / 10,000 profiles (ms)" "$(list 1000 2) / $(list 10000 2)" "" ""
row "Sort by Name, 1,000 / 10,000 profiles (ms)" "$(list 1000 3) / $(list 10000 3)" "" ""
row "Size of korvatel.exe / dunmere.exe (bytes)" "$(stat -c %s "$BUILD_DIR/korvatel.exe") / $(stat -c %s "$BUILD_DIR/dunmere.exe")" "" ""
