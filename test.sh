#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite
# under Wine in a virtual X server. Arguments go to CTest:
#   ./test.sh -R window          one test program (unit, window, e2e, helper, package, fuzz)
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

install_prerequisites
# Product folders include only folders below them.
"$KORVATEL_ROOT/tools/check_layers.sh" >/dev/null
build_all
prepare_wine_prefix
# The Recycle Bin of the tests is Wine's trash in a fresh folder of the build. Wine moves files there
# through winemenubuilder, so it is switched on here; its menu files go to the same folder.
export XDG_DATA_HOME=$BUILD_DIR/xdg XDG_CONFIG_HOME=$BUILD_DIR/xdg WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$XDG_DATA_HOME"

# A wineserver left from an earlier display would keep the old one.
wineserver -k 2>/dev/null || true
# xvfb-run -a takes the first free display from its start number; a start number of this run's own keeps
# two suites started at the same moment (another clone, the mutation tool) off one display.
xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1280x1024x24" bash -c '
    wineserver -p
    # Wine starts its background services with the first program; start them
    # here so they do not hold the test runner'"'"'s output pipe open.
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    status=0
    ctest --test-dir "$1" --output-on-failure -j2 "${@:2}" || status=$?
    wineserver -k 2>/dev/null || true
    exit $status
' _ "$BUILD_DIR" "$@"
