#!/usr/bin/env bash
# Cross-builds Numorra and its tests for 64-bit Windows with MinGW-w64 (Release, warnings as
# errors) and runs every test under Wine; ends with CTest's summary, and its exit code is
# non-zero when the build or a test failed.
#
#   NUMORRA_QT_MINGW    Qt for Windows built with MinGW (default: ../shared/qt6-mingw beside
#                       this project; see the README for how to make one)
#   NUMORRA_WIN_BUILD   build folder (default: build-win); the Wine prefix lives inside it
#
# On Debian 12 it first installs the missing packages: the MinGW-w64 cross compilers, Wine,
# Ninja, Xvfb and Debian's Qt (whose moc, rcc and uic the cross build uses).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

say() { printf 'windows-check: %s\n' "$*" >&2; }

qt_dir="$(realpath -m "${NUMORRA_QT_MINGW:-../shared/qt6-mingw}")"
build_dir="$(realpath -m "${NUMORRA_WIN_BUILD:-build-win}")"
wine=/usr/lib/wine/wine64
jobs="$(nproc 2>/dev/null || echo 2)"

install_missing() {
    local packages=() package
    for package in mingw-w64 wine64 ninja-build xvfb xauth qt6-base-dev cmake fonts-liberation; do
        [[ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)" == installed ]] \
            || packages+=("$package")
    done
    ((${#packages[@]})) || return 0
    local as_root=()
    [[ "$(id -u)" -eq 0 ]] || as_root=(sudo)
    say "installing ${packages[*]} (apt-get)"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${packages[@]}" >/dev/null
}

# A path as Wine's Windows programs see it: drive Z: is the root of the Linux file system.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# A Wine prefix of its own, made without dialogs (no Mono or Gecko download).
prepare_wine() {
    export WINEPREFIX="$build_dir/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEARCH=win64
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        say "creating the Wine prefix $WINEPREFIX"
        "$wine" wineboot --init >/dev/null 2>&1
        # Arial, which the windows are laid out in, is Liberation Sans, as on Linux.
        cp /usr/share/fonts/truetype/liberation/LiberationSans-*.ttf \
            "$WINEPREFIX/drive_c/windows/Fonts/"
        "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial \
            /d 'Liberation Sans' /f >/dev/null 2>&1
        /usr/lib/wine/wineserver -w
    fi
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

if [[ ! -x "$qt_dir/bin/qt-cmake" ]]; then
    say "no MinGW Qt at $qt_dir: set NUMORRA_QT_MINGW (the README says how to build one)"
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
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
    ctest --test-dir "$build_dir" --output-on-failure -j"$jobs"
