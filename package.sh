#!/usr/bin/env bash
# Builds KORVATEL and the credential helper and writes the release zip
# dist/korvatel-<version>-win64.zip.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

install_prerequisites
build_all --target korvatel dunmere
"$KORVATEL_ROOT/tools/make_package.sh" "$BUILD_DIR" "$KORVATEL_ROOT/dist"
