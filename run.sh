#!/usr/bin/env bash
# Builds KORVATEL and starts it under Wine on a demo folder with sample
# profiles. Without a display it runs in Xvfb, saves a screenshot to
# build/screenshot.png and ends.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

install_prerequisites
build_all --target korvatel --target dunmere
prepare_wine_prefix

DEMO_DIR=$BUILD_DIR/demo
mkdir -p "$DEMO_DIR/ipaddress"
cp -n "$KORVATEL_ROOT"/tools/demo/*.bat "$DEMO_DIR/ipaddress/" 2>/dev/null || true
cp "$BUILD_DIR/korvatel.exe" "$BUILD_DIR/dunmere.exe" "$DEMO_DIR/"

if [ -n "${DISPLAY:-}" ]; then
    cd "$DEMO_DIR" && exec wine explorer /desktop=KORVATEL,800x600 korvatel.exe
fi

wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    cd "$1"
    wine explorer /desktop=KORVATEL,800x600 korvatel.exe &
    for i in $(seq 1 60); do
        sleep 0.5
        xdotool search --name "^KORVATEL$" >/dev/null 2>&1 && break
    done
    sleep 2
    import -window root "$2"
    wineserver -k 2>/dev/null || true
' _ "$DEMO_DIR" "$BUILD_DIR/screenshot.png"
echo "Screenshot: $BUILD_DIR/screenshot.png"
