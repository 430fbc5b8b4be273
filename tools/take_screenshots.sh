#!/usr/bin/env bash
# Takes the manual's screenshots of the real program under Wine, in Wine's
# virtual desktop inside Xvfb, on a demo folder of sample profiles: the main
# window, the profile editor, the settings dialog, the about box and the
# credential helper's small window. Writes docs/screenshots/*.png.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# A prefix of its own whose default desktop is a virtual one, which draws
# real frames and captions; every program started in it, this script's
# window tool too, shares that desktop.
export WINEPREFIX=$BUILD_DIR/screenshot-prefix
WORK=$BUILD_DIR/screenshots
SHOTS=$KORVATEL_ROOT/docs/screenshots
DESKTOP_SIZE=800x600

# Menu command ids, read from the program's own resource header.
command_id() {
    sed -n "s/^#define $1 *\\([0-9][0-9]*\\).*/\\1/p" "$KORVATEL_ROOT/res/resource.h"
}

write_profile() {
    printf 'netsh interface ip set address "%s" %s\r\n' "$2" "$3" > "$WORK/demo/ipaddress/$1"
}

prepare_demo() {
    rm -rf "$WORK"
    mkdir -p "$WORK/demo/ipaddress" "$SHOTS"
    x86_64-w64-mingw32-g++-posix -municode -static -O2 -o "$WORK/window_tool.exe" \
        "$KORVATEL_ROOT/tools/manual/window_tool.cpp"
    cp "$BUILD_DIR/korvatel.exe" "$BUILD_DIR/dunmere.exe" "$WORK/demo/"
    write_profile Ethernet_192_168_1_10.bat Ethernet "static 192.168.1.10 255.255.255.0"
    write_profile Ethernet_auto.bat Ethernet dhcp
    write_profile Wi-Fi_auto.bat Wi-Fi dhcp
    write_profile Wi-Fi_10_0_0_20.bat Wi-Fi "static 10.0.0.20 255.255.255.0"
    write_profile eth0_172_16_0_5.bat eth0 "static 172.16.0.5 255.255.0.0"
    printf '[Setting]\r\nmoto_x=40\r\nmoto_y=40\r\nid_time=30000\r\npw_time=30000\r\nid_wcs=admin\r\npw_wcs=secret\r\n' \
        > "$WORK/demo/dunmere.ini"
}

tool() {
    wine "$WORK/window_tool.exe" "$@" | tr -d '\r'
}

# Crops the virtual desktop to the window of the given class, widened by a
# margin of desktop around it when one is given.
capture() {
    local name=$1 class=$2 margin=${3:-0}
    local w h x y rect
    IFS='x+' read -r w h x y <<< "$(tool rect "$class")"
    rect=$((w + 2 * margin))x$((h + 2 * margin))+$((x - margin))+$((y - margin))
    sleep 1.5
    import -window root "$WORK/desktop.png"
    convert "$WORK/desktop.png" -crop "$rect" +repage "$SHOTS/$name.png"
    echo "  $name.png ($rect)"
}

# Starts KORVATEL afresh in the virtual desktop, optionally sends one menu
# command, and captures the window of the given class.
shot() {
    local name=$1 class=$2 command=${3:-}
    rm -f "$WORK/demo/korvatel.ini"
    (cd "$WORK/demo" && exec wine korvatel.exe) &
    tool rect "Main Window" >/dev/null
    [ -z "$command" ] || tool command "$(command_id "$command")"
    capture "$name" "$class"
    wineserver -k 2>/dev/null || true
    wait
}

helper_shot() {
    (cd "$WORK/demo" && exec wine dunmere.exe) &
    capture helper DunmereHelperWindow 10
    wineserver -k 2>/dev/null || true
    wait
}

if [ "${1:-}" = "--in-display" ]; then
    shot main "Main Window"
    shot editor "#32770" IDM_ADD
    shot settings "#32770" IDM_SETTINGS
    shot about "#32770" IDM_ABOUT
    helper_shot
    exit 0
fi

install_prerequisites
build_all --target korvatel dunmere
prepare_wine_prefix
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$DESKTOP_SIZE" /f >/dev/null 2>&1
prepare_demo
wineserver -k 2>/dev/null || true
echo "Screenshots:"
xvfb-run -a -s "-screen 0 ${DESKTOP_SIZE}x24" "$0" --in-display
