#!/usr/bin/env bash
# Installs the dependencies and configures the build folder build/ (tests, benchmarks and programs
# on), shared by the demo and test commands. Prints the build folder.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

"$root/scripts/install-deps.sh" >&2

# The generator is chosen only on the first configure; CMake refuses to change it later.
generator=()
[[ -f "$build/CMakeCache.txt" ]] || generator=(-G Ninja)
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFDD_BUILD_TESTS=ON -DFDD_BUILD_BENCH=ON -DFDD_BUILD_APPS=ON >&2
echo "$build"
