#!/usr/bin/env bash
# Builds Numorra's program (Release, into build/) and starts it; arguments go to the program.
# Only the program is built: the tests and the benchmark are ./test.sh's. A start with
# nothing to rebuild prints nothing of the build.
# First run: installs missing Debian/Ubuntu packages through scripts/bootstrap.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# --help and --version print and end before any window opens, so they need no display.
asks_no_window() {
    local argument
    for argument in "$@"; do
        case "$argument" in --help | -h | --version | -v) return 0 ;; esac
    done
    return 1
}

# Checked first, so that a machine without a desktop learns it before any install or build.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]] \
    && ! asks_no_window "$@"; then
    echo "Numorra needs a graphical desktop: run ./run.sh from a desktop session, or without one use: xvfb-run ./run.sh" >&2
    exit 3  # as the program does without a display
fi

scripts/bootstrap.sh

jobs="$(nproc 2>/dev/null || getconf _NPROCESSORS_ONLN 2>/dev/null || echo 2)"
scripts/configure.sh build -DCMAKE_BUILD_TYPE=Release >/dev/null  # errors and warnings still show
# The lines that only say that nothing needed building are left out.
cmake --build build --target numorra --parallel "$jobs" | {
    grep -v -E '^\[ *[0-9]+%\] Built target |^Consolidate compiler generated dependencies|^ninja: no work to do\.$|Re-checking globbed directories' || true
}

exec build/app/numorra "$@"
