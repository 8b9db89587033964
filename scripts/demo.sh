#!/usr/bin/env bash
# Main job: installs the dependencies, builds fdd-plot in build/ and renders the demo gallery.
# Usage: scripts/demo.sh [OUTPUT_DIR]   (default: gallery/ at the repository root)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/gallery}"

build="$("$root/scripts/configure.sh")"
cmake --build "$build" --target fdd-plot

mkdir -p "$out"
"$build/apps/fdd-plot" demo --out "$out"
