#!/usr/bin/env bash
# Makes the packages a user installs and uses each as a user would, on this machine:
#   - the Debian packages (cpack in BUILD, which scripts/test.sh has built): lintian reports no
#     error; installed with apt-get, fdd-plot renders the demo, the manual pages and the bash
#     completion are found, the Python module imports, and tests/consumer builds against the -dev
#     package through find_package and through pkg-config; removed again at the end;
#   - the wheel (python3 -m build): installed into a fresh virtual environment (NumPy from the
#     system), it draws a curve and a map whose pixels are checked.
# Usage: scripts/package-check.sh [BUILD]   (default build/). Needs root for apt-get.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
work="$(mktemp -d /tmp/fdd-packages.XXXXXX)"
packages=(libqvtfddrep0 libqvtfddrep-dev fdd-tools python3-fddplot)
cleanup() {
  apt-get purge -y "${packages[@]}" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "package-check: $*" >&2
  exit 1
}

echo "package-check: Debian packages"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$build"/*.deb)
[[ ${#debs[@]} -eq ${#packages[@]} ]] || fail "cpack made ${#debs[@]} packages, not ${#packages[@]}"
lintian --fail-on error "${debs[@]}"
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${debs[@]}" >"$work/apt.log" ||
  { cat "$work/apt.log"; fail "the packages do not install"; }
# From the installed programs, not the build tree's.
[[ "$(command -v fdd-plot)" == /usr/bin/fdd-plot ]] || fail "fdd-plot is not installed in /usr/bin"
/usr/bin/fdd-plot demo --out "$work/demo" >/dev/null
ls "$work"/demo/*.png >/dev/null || fail "the installed fdd-plot drew no picture"
man -w fdd-plot >/dev/null && man -w fdd-view >/dev/null || fail "a manual page is missing"
# shellcheck disable=SC1091
words="$(bash -c 'source /usr/share/bash-completion/completions/fdd-plot
  COMP_WORDS=(fdd-plot cu); COMP_CWORD=1; _fdd_programs; echo "${COMPREPLY[*]}"
  COMP_WORDS=(fdd-plot map --log); COMP_CWORD=2; _fdd_programs; echo "${COMPREPLY[*]}"')"
[[ "$words" == *curve* && "$words" == *--log-values* ]] || fail "bash completion gave: $words"
(cd "$work" && env -u PYTHONPATH /usr/bin/python3 -c 'import fddplot, numpy; fddplot.curve(numpy.arange(9.0)).to_array()') ||
  fail "the packaged Python module does not draw"
cmake -S "$root/tests/consumer" -B "$work/consumer" -G Ninja -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF >/dev/null
grep -q '^QVTFddRep_DIR:PATH=/usr/' "$work/consumer/CMakeCache.txt" || fail "find_package did not take the package"
cmake --build "$work/consumer" >/dev/null && "$work/consumer/fdd-consumer"
# shellcheck disable=SC2046
g++ -std=c++17 -o "$work/consumer-pc" "$root/tests/consumer/main.cpp" $(pkg-config --cflags --libs qvtfddrep)
"$work/consumer-pc"

echo "package-check: wheel"
(cd "$root" && /usr/bin/python3 -m build --wheel --no-isolation --outdir "$work/wheels" >"$work/wheel.log") ||
  { tail -30 "$work/wheel.log"; fail "the wheel could not be built"; }
/usr/bin/python3 -m venv --system-site-packages "$work/venv"
"$work/venv/bin/pip" install --no-index --quiet "$work"/wheels/fddplot-*.whl
(cd "$work" && env -u PYTHONPATH "$work/venv/bin/python" - <<'PY'
import numpy as np, fddplot
assert fddplot.__file__.startswith(__import__("sys").prefix), fddplot.__file__
line = fddplot.curve(np.linspace(-1, 1, 101), size=(200, 150), color="red").to_array()
assert ((line[..., 0] > 200) & (line[..., 1] < 80)).sum() > 50, "the curve's red pixels are missing"
values = np.zeros((20, 30)); values[10, 15] = 1.0
picture = fddplot.map(np.arange(30.0), np.arange(20.0), values, colors="grey", size=(300, 200)).to_array()
assert picture[..., :3].max() == 255 and fddplot.probe(np.arange(30.0), np.arange(20.0), values, at=(15, 10)) == 1.0
print("package-check: the wheel draws", fddplot.__version__)
PY
)
echo "package-check: all packages work"
