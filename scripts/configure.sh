#!/usr/bin/env bash
# Configures a build folder for run.sh and test.sh: scripts/configure.sh <folder> [cmake args].
# A new folder uses Ninja when it is installed (it builds the rooms side by side); an existing
# one keeps the generator it was made with, as CMake requires.
set -euo pipefail
build_dir="$1"
shift
generator=()
if [[ ! -f "$build_dir/CMakeCache.txt" ]] && command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi
exec cmake -S . -B "$build_dir" ${generator[@]+"${generator[@]}"} "$@"
