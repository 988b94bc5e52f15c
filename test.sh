#!/usr/bin/env bash
# Builds Numorra and runs every test with CTest; the exit code is CTest's.
# First run: installs missing Debian/Ubuntu packages through scripts/bootstrap.sh.
#
#   NUMORRA_BUILD_DIR   build folder, relative to this folder or absolute (default: build,
#                       the folder run.sh uses, so one does not rebuild after the other)
#   NUMORRA_CMAKE_ARGS  extra CMake configure arguments, split at spaces; they come after
#                       the default -DCMAKE_BUILD_TYPE=Release and so can override it
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

build_dir="${NUMORRA_BUILD_DIR:-build}"
extra_args=()
if [[ -n "${NUMORRA_CMAKE_ARGS:-}" ]]; then
    read -r -a extra_args <<<"$NUMORRA_CMAKE_ARGS"
fi
jobs="$(nproc 2>/dev/null || getconf _NPROCESSORS_ONLN 2>/dev/null || echo 2)"

scripts/bootstrap.sh

scripts/configure.sh "$build_dir" -DCMAKE_BUILD_TYPE=Release ${extra_args[@]+"${extra_args[@]}"}
cmake --build "$build_dir" --parallel "$jobs"

export QT_QPA_PLATFORM=offscreen
exec ctest --test-dir "$build_dir" --output-on-failure -j"$jobs"
