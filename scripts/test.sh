#!/usr/bin/env bash
# Whole test suite: installs the dependencies, builds everything in build/ (tests, benchmarks and
# programs, so that all of them keep compiling) and runs the tests. Exits with ctest's status.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

"$root/scripts/install-deps.sh"

# The generator is chosen only on the first configure; CMake refuses to change it later.
generator=()
[[ -f "$build/CMakeCache.txt" ]] || generator=(-G Ninja)
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFDD_BUILD_TESTS=ON -DFDD_BUILD_BENCH=ON -DFDD_BUILD_APPS=ON
cmake --build "$build"

ctest --test-dir "$build" --output-on-failure -j2
