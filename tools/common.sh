# Shared by run.sh, test.sh and package.sh: installs what is missing, builds,
# and prepares a Wine prefix inside the build tree. Source it; do not run it.

KORVATEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$KORVATEL_ROOT/build}
export WINEPREFIX=$BUILD_DIR/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer prompts; no desktop menu entries.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe="
export LANG=ja_JP.UTF-8


KORVATEL_PACKAGES="cmake make g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb xauth
  googletest locales imagemagick fonts-ipafont-gothic fonts-wine xdotool python3 zip unzip
  clang libclang-rt-14-dev"

install_prerequisites() {
    local missing=()
    for package in $KORVATEL_PACKAGES; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
    # Japanese for the program; English formats on a Japanese system and a system whose ANSI code page is
    # UTF-8 (Hindi has no ANSI code page of its own) for the tests of the profiles' code page.
    local locale
    for locale in ja_JP en_US hi_IN; do
        if ! locale -a 2>/dev/null | grep -qi "^$locale\.utf-\?8$"; then
            local sudo=""
            [ "$(id -u)" -eq 0 ] || sudo=sudo
            $sudo localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
        fi
    done
}

# KORVATEL_BUILD_TYPE and KORVATEL_CONFIGURE_ARGS choose another build.
build_all() {
    LC_ALL=C cmake -S "$KORVATEL_ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$KORVATEL_ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE="${KORVATEL_BUILD_TYPE:-MinSizeRel}" ${KORVATEL_CONFIGURE_ARGS:-} >/dev/null
    LC_ALL=C cmake --build "$BUILD_DIR" -j "$(nproc)" "$@"
}

# Wine's own fonts (Marlett draws the captions' buttons), which this Debian
# Wine does not load from where the fonts-wine package puts them. Left out:
# the fonts of Tahoma, MS Sans Serif and System, names that the prefix
# replaces with IPAPGothic below. Wine drops the replacement of a name that a
# real font has, and these fonts hold no Japanese. cp -u copies only what the
# prefix lacks: a few milliseconds on every start, and a prefix made before
# this gets them too.
copy_wine_fonts() {
    dpkg-query -L fonts-wine | grep -E '\.(ttf|fon)$' \
        | grep -Ev '/(tahoma[a-z]*\.ttf|ms_sans_serif\.ttf|sse[a-z0-9]*\.fon|system\.ttf|[a-z]?vgas[a-z0-9]*\.fon)$' \
        | xargs -r cp -u -t "$WINEPREFIX/drive_c/windows/Fonts"
}

# Creates the prefix once: Japanese font mapping, no window-manager waits,
# no crash dialog; Wine's own fonts every time.
prepare_wine_prefix() {
    local stamp=$WINEPREFIX/.korvatel-ready
    if [ -f "$stamp" ]; then
        copy_wine_fonts
        return 0
    fi
    wineserver -k 2>/dev/null || true
    wineboot -i >/dev/null 2>&1
    local reg=$BUILD_DIR/fonts.reg
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' '"MS UI Gothic"="IPAPGothic"' \
        '"MS Shell Dlg"="IPAPGothic"' '"MS Shell Dlg 2"="IPAPGothic"' '"Tahoma"="IPAPGothic"' \
        '"System"="IPAPGothic"' '"MS Sans Serif"="IPAPGothic"' \
        | iconv -f UTF-8 -t UTF-16 > "$reg"
    wine regedit /S "$reg" >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    copy_wine_fonts
    touch "$stamp"
}
