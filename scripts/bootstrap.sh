#!/usr/bin/env bash
# Installs what building Numorra needs, once. Shared by run.sh and test.sh.
# Arguments name further Debian packages a caller needs (scripts/package.sh: its tools).
#
# Debian/Ubuntu: installs only the missing packages, with apt-get (as root, or through sudo).
# When nothing is missing it prints nothing and never calls apt.
# Other systems: nothing is installed; a note names what is needed when it looks absent.
set -euo pipefail

say() { printf 'bootstrap: %s\n' "$*" >&2; }

# Least Qt version the project accepts (find_package(Qt6 6.4 ...) in CMakeLists.txt).
readonly qt_min=6.4

have() { command -v "$1" >/dev/null 2>&1; }

# A C++ compiler is present when CXX names one, or g++ / c++ is on the PATH.
have_compiler() {
    if [[ -n "${CXX:-}" ]] && have "${CXX%% *}"; then
        return 0
    fi
    have g++ || have c++
}

installed() {
    [[ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" == installed ]]
}

if ! have apt-get || ! have dpkg-query; then
    missing=()
    have_compiler || missing+=("a C++20 compiler (GCC 10+, Clang 13+ or MSVC 2019+)")
    have cmake || missing+=("CMake 3.21+")
    if [[ -z "${CMAKE_PREFIX_PATH:-}" && -z "${Qt6_DIR:-}" ]] \
        && ! have qmake6 && ! have qtpaths6 && ! have qmake-qt6; then
        missing+=("the Qt ${qt_min}+ development files (Core, Gui, Widgets, Test; set CMAKE_PREFIX_PATH if CMake cannot find them)")
    fi
    if (($#)); then
        missing+=("the tools of the Debian packages $*")
    fi
    if ((${#missing[@]})); then
        say "not a Debian/Ubuntu system, so nothing is installed automatically; please install:"
        for item in "${missing[@]}"; do
            printf '  - %s\n' "$item" >&2
        done
    fi
    # Carry on: if Qt cannot be found, the CMake configure step stops with its own message.
    exit 0
fi

# qt6-base-dev brings moc and the other build tools (qt6-base-dev-tools), the OpenGL
# headers (libgl-dev) and the platform plugins (qt6-qpa-plugins) as dependencies.
# fonts-liberation makes "Arial" resolve to the metric-compatible Liberation Sans.
packages=()
have_compiler || packages+=(build-essential)
have cmake || packages+=(cmake)
# Ninja builds the rooms side by side (scripts/configure.sh uses it when present).
have ninja || packages+=(ninja-build)
installed qt6-base-dev || packages+=(qt6-base-dev)
installed fonts-liberation || installed fonts-liberation2 || packages+=(fonts-liberation)
# The install test checks the menu entry and the AppStream metadata with their validators.
have desktop-file-validate || packages+=(desktop-file-utils)
have appstreamcli || packages+=(appstream)
for package in "$@"; do
    installed "$package" || packages+=("$package")
done

if ((${#packages[@]})); then
    if [[ "$(id -u)" -eq 0 ]]; then
        as_root=()
    elif have sudo; then
        as_root=(sudo)
    else
        say "missing packages (${packages[*]}) need root to install: run as root, install sudo, or run 'apt-get install ${packages[*]}' as root yourself."
        exit 1
    fi
    say "installing ${packages[*]} (apt-get); this takes a few minutes"
    log="$(mktemp)"
    trap 'rm -f "$log"' EXIT
    apt_get() { ${as_root[@]+"${as_root[@]}"} env DEBIAN_FRONTEND=noninteractive apt-get -q "$@"; }
    # apt's status lines (on descriptor 3) become one line per tenth of the download and of
    # the install; everything else goes to the log, shown only when apt fails.
    progress() {
        awk -F: -v prefix="bootstrap: " '
            /^dlstatus:/ { phase = "downloading" }
            /^pmstatus:/ { phase = "unpacking and setting up" }
            /^(dl|pm)status:/ {
                step = int($3 / 10) * 10
                if (phase != shown || step > last) {
                    printf "%s%s packages: %d%%\n", prefix, phase, step
                    fflush(); shown = phase; last = step
                }
            }' >&2
    }
    say "updating the package lists"
    if ! { apt_get update >"$log" 2>&1 \
            && apt_get install -y --no-install-recommends -o APT::Status-Fd=3 "${packages[@]}" \
                3>&1 1>>"$log" 2>&1 | progress; }; then
        cat "$log" >&2
        say "installing ${packages[*]} failed; see the apt-get output above."
        exit 1
    fi
    say "packages installed"
fi

# Older releases (Ubuntu 22.04 ships Qt 6.2) package a Qt that is too old for the build.
qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)"
qt_version="${qt_version#*:}"
if [[ -z "${CMAKE_PREFIX_PATH:-}" && -z "${Qt6_DIR:-}" && -n "$qt_version" ]] \
    && dpkg --compare-versions "$qt_version" lt "$qt_min"; then
    say "this system's Qt is ${qt_version%%[+-]*}, but Numorra needs Qt ${qt_min} or later: install a newer Qt (for example from the Qt online installer) and pass -DCMAKE_PREFIX_PATH=<Qt folder> to CMake."
fi
exit 0
