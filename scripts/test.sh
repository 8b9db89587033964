#!/usr/bin/env bash
# Whole test suite: installs the dependencies, builds everything in build/ (tests, benchmarks and
# programs, so that all of them keep compiling) and runs the tests. Exits with ctest's status.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

build="$("$root/scripts/configure.sh")"
cmake --build "$build"

ctest --test-dir "$build" --output-on-failure -j2
