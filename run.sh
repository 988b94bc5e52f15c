#!/usr/bin/env bash
# Builds Numorra (Release, into build/) and starts it; arguments go to the program.
# First run: installs missing Debian/Ubuntu packages through scripts/bootstrap.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# Checked first, so that a machine without a desktop learns it before any install or build.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "Numorra needs a graphical desktop: run ./run.sh from a desktop session, or without one use: xvfb-run ./run.sh" >&2
    exit 2
fi

scripts/bootstrap.sh

jobs="$(nproc 2>/dev/null || getconf _NPROCESSORS_ONLN 2>/dev/null || echo 2)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null  # errors and warnings still show
cmake --build build --parallel "$jobs"

exec build/app/numorra "$@"
