#!/usr/bin/env bash
# Main job: installs the dependencies, builds fdd-plot in build/ and renders the demo gallery.
# Usage: scripts/demo.sh [OUTPUT_DIR]   (default: gallery/ at the repository root)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"
out="${1:-$root/gallery}"

"$root/scripts/install-deps.sh"

# The generator is chosen only on the first configure; CMake refuses to change it later.
generator=()
[[ -f "$build/CMakeCache.txt" ]] || generator=(-G Ninja)
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFDD_BUILD_TESTS=ON -DFDD_BUILD_BENCH=ON -DFDD_BUILD_APPS=ON
cmake --build "$build" --target fdd-plot

mkdir -p "$out"
"$build/apps/fdd-plot" demo --out "$out"
