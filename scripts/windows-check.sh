#!/usr/bin/env bash
# Cross-builds Numorra and its tests for 64-bit Windows with MinGW-w64 (Release, warnings as
# errors), runs every test under Wine, makes the ZIP and the installer with CPack, and drives
# the program from the ZIP and the installer under Wine with real input
# (scripts/windows-drive.py, which also writes docs/numorra-windows.png). Its exit code is
# non-zero when the build, a test or a check of the drive failed.
#
#   NUMORRA_QT_MINGW    Qt for Windows built with MinGW (default: ../shared/qt6-mingw beside
#                       this project; see docs/BUILDING.md for how to make one)
#   NUMORRA_WIN_BUILD   build folder (default: build-win); the Wine prefix lives inside it
#
# On Debian 12 it first installs the missing packages: the MinGW-w64 cross compilers, Wine,
# Ninja, Xvfb, Debian's Qt (whose moc, rcc and uic the cross build uses), NSIS, and the X
# tools and Python 3 of the drive; and 32-bit Wine (wine32, from the i386 architecture),
# without which the installer cannot run and its check is skipped.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

say() { printf 'windows-check: %s\n' "$*" >&2; }

qt_dir="$(realpath -m "${NUMORRA_QT_MINGW:-../shared/qt6-mingw}")"
build_dir="$(realpath -m "${NUMORRA_WIN_BUILD:-build-win}")"
wine=/usr/lib/wine/wine64
jobs="$(nproc 2>/dev/null || echo 2)"

installed() { [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == installed ]]; }

as_root() {
    if [[ "$(id -u)" -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

apt_install() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "$@" >/dev/null
}

install_missing() {
    local packages=() package wine32=0
    for package in mingw-w64 wine64 ninja-build xvfb xauth qt6-base-dev cmake fonts-liberation \
                   nsis xdotool xclip imagemagick python3; do
        installed "$package" || packages+=("$package")
    done
    installed wine32:i386 || wine32=1
    ((${#packages[@]} || wine32)) || return 0
    say "installing ${packages[*]}$( ((wine32)) && echo ' wine32:i386') (apt-get)"
    if ((wine32)); then as_root dpkg --add-architecture i386; fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
    if ((${#packages[@]})); then apt_install "${packages[@]}"; fi
    if ((wine32)) && ! apt_install wine32:i386; then
        say "wine32 cannot be installed: the installer check will be skipped"
    fi
}

# A path as Wine's Windows programs see it: drive Z: is the root of the Linux file system.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# Makes the Wine prefix $WINEPREFIX without dialogs (no Mono or Gecko download), with
# Liberation Sans as Arial, which the windows are laid out in, as on Linux.
make_prefix() {
    say "creating the Wine prefix $WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1
    cp /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf \
        "$WINEPREFIX/drive_c/windows/Fonts/"
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial \
        /d 'Liberation Sans' /f >/dev/null 2>&1
    /usr/lib/wine/wineserver -w
}

# The tests' own Wine prefix, kept between runs.
prepare_wine() {
    export WINEPREFIX="$build_dir/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    [[ -f "$WINEPREFIX/system.reg" ]] || make_prefix
    # The DLLs of Qt, of the C++ runtime and of the threads library, found through PATH.
    local gcc_dlls
    gcc_dlls="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
    WINEPATH="$(windows_path "$qt_dir/bin");$(windows_path "$gcc_dlls");$(windows_path /usr/x86_64-w64-mingw32/lib)"
    # Wine passes WINEQT_* on as QT_*. The offscreen platform finds Liberation's
    # Arial-compatible fonts.
    WINEQT_PLUGIN_PATH="$(windows_path "$qt_dir/plugins")"
    WINEQT_QPA_FONTDIR="$(windows_path /usr/share/fonts/truetype/liberation)"
    export WINEPATH WINEQT_PLUGIN_PATH WINEQT_QPA_FONTDIR
}

stop_wine() { /usr/lib/wine/wineserver -k 2>/dev/null || true; }

# The ZIP and the installer, then the program from each driven in a new Wine prefix, as a
# user would find it: the programs' DLLs only from the packages (no WINEPATH).
drive_packages() {
    local packages="$build_dir/packages" installer=()
    rm -rf "$packages"
    cpack --config "$build_dir/CPackConfig.cmake" -B "$packages" >/dev/null
    if [[ ! -x /usr/lib/wine/wine ]]; then
        say "skipping the installer check: 32-bit Wine (wine32) is not installed"
    elif ! compgen -G "$packages/Numorra-*-win64.exe" >/dev/null; then
        say "skipping the installer check: CPack made no installer (is makensis there?)"
    else
        installer=("$packages"/Numorra-*-win64.exe)
    fi
    stop_wine
    export WINEPREFIX="$build_dir/drive/prefix"
    unset WINEPATH WINEQT_PLUGIN_PATH WINEQT_QPA_FONTDIR
    rm -rf "$build_dir/drive"
    mkdir -p "$build_dir/drive"
    make_prefix
    # A screen wide enough for the window at 200 %.
    xvfb-run --auto-servernum --server-args="-screen 0 2560x1440x24" \
        python3 scripts/windows-drive.py "$packages"/Numorra-*-win64.zip \
        docs/numorra-windows.png "$(windows_path "$build_dir/tests/platform/drive_helper.exe")" \
        ${installer[@]+"${installer[@]}"}
}

if [[ ! -x "$qt_dir/bin/qt-cmake" ]]; then
    say "no MinGW Qt at $qt_dir: set NUMORRA_QT_MINGW (docs/BUILDING.md says how to build one)"
    exit 2
fi
if command -v apt-get >/dev/null && command -v dpkg-query >/dev/null; then
    install_missing
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
"$qt_dir/bin/qt-cmake" -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DNUMORRA_WERROR=ON -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" ${launcher[@]+"${launcher[@]}"} \
    >/dev/null
cmake --build "$build_dir" --parallel "$jobs"
say "installed and built in ${SECONDS} s"

SECONDS=0
prepare_wine
trap stop_wine EXIT
say "Wine prefix ready in ${SECONDS} s"
# Most suites run on the offscreen platform; those on the windows platform plugin draw
# through Wine's X11 driver, so the tests run inside Xvfb.
status=0
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
    ctest --test-dir "$build_dir" --output-on-failure -j"$jobs" || status=1
say "tests run in ${SECONDS} s"

SECONDS=0
drive_packages || status=1
say "packages made and driven in ${SECONDS} s"
exit "$status"
