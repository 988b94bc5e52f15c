#!/usr/bin/env bash
# Makes Numorra's packages from a clean clone, installing the tools it needs on Debian/Ubuntu:
#
#   scripts/package.sh            every package this machine can make
#   scripts/package.sh deb        the Debian package only
#   scripts/package.sh windows    the Windows ZIP and installer only
#
# deb:     build-package/numorra_<version>_<arch>.deb, from a Release build of the program
#          alone in build-package/ (needs dpkg-dev and file, installed when missing).
# windows: build-package-win/Numorra-<version>-win64.zip and Numorra-<version>-win64.exe,
#          cross-built with MinGW-w64 and the MinGW Qt in NUMORRA_QT_MINGW (default
#          ../shared/qt6-mingw, beside the project folder; docs/BUILDING.md says how to make one).
#          Left out, with a note, when that Qt is missing and windows was not asked for.
# Prints the path of every package it made; the exit code is non-zero when one failed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

say() { printf 'package: %s\n' "$*" >&2; }

jobs="$(nproc 2>/dev/null || getconf _NPROCESSORS_ONLN 2>/dev/null || echo 2)"
qt_mingw="${NUMORRA_QT_MINGW:-../shared/qt6-mingw}"

make_deb() {
    # dpkg-shlibdeps (dpkg-dev) finds the libraries the program links; CPack runs `file`.
    scripts/bootstrap.sh dpkg-dev file
    scripts/configure.sh build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build-package --parallel "$jobs"
    (cd build-package && cpack -G DEB >/dev/null)
    ls build-package/numorra_*.deb
}

make_windows() {
    scripts/bootstrap.sh mingw-w64 nsis ninja-build
    "$qt_mingw/bin/qt-cmake" -S . -B build-package-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF >/dev/null
    cmake --build build-package-win --parallel "$jobs"
    (cd build-package-win && cpack >/dev/null)
    ls build-package-win/Numorra-*-win64.zip build-package-win/Numorra-*-win64.exe
}

kinds=("$@")
if ((${#kinds[@]} == 0)); then
    kinds=(deb)
    if [[ -x "$qt_mingw/bin/qt-cmake" ]]; then
        kinds+=(windows)
    else
        say "no MinGW Qt at $qt_mingw, so no Windows packages: set NUMORRA_QT_MINGW to make them"
    fi
fi
for kind in "${kinds[@]}"; do
    case "$kind" in
        deb) make_deb ;;
        windows)
            if [[ ! -x "$qt_mingw/bin/qt-cmake" ]]; then
                say "no MinGW Qt at $qt_mingw: set NUMORRA_QT_MINGW (docs/BUILDING.md says how to build one)"
                exit 2
            fi
            make_windows
            ;;
        *)
            say "unknown package kind '$kind': use deb or windows"
            exit 2
            ;;
    esac
done
