#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test, benchmark and render; this is
# the one place that lists them. Only missing packages are installed, so a second run is quick.
set -euo pipefail

PACKAGES=(
  cmake
  ninja-build
  g++
  clang
  libclang-rt-14-dev   # sanitizer and fuzzer runtimes for clang
  pkg-config
  googletest
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  libcairo2-dev
  libpng-dev
  libdeflate-dev
  libfreetype-dev
  libfontconfig-dev
  fonts-dejavu-core    # the fonts the renders and golden images are made with
  libcli11-dev
  libhdf5-dev          # measurement files: HDF5 (serial), MATLAB .mat, sound files
  libmatio-dev
  libsndfile1-dev
  libgtk-4-dev         # fdd-view's window
  xvfb                 # fdd-view's window test: a virtual display, input events, screenshots
  xdotool
  x11-apps
  pybind11-dev         # the Python module fddplot, with Debian's Python
  python3-dev
  python3-numpy
  python3-pytest
  python3-h5py         # independent writers of the measurement files the tests read
  python3-scipy
  sox
  libsox-fmt-all
  git
  file
  help2man             # the manual pages, made from the programs' --help
  dpkg-dev             # the Debian packages (cpack -G DEB): their library dependencies
  lintian              # ... checked as Debian checks packages
  man-db
  bash-completion
  python3-setuptools   # the wheel (pyproject.toml, setup.py)
  python3-wheel
  python3-build
  python3-venv
  libfftw3-dev         # the transforms of spectra, spectrograms and run-ups
)

missing=()
for package in "${PACKAGES[@]}"; do
  status="$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)"
  if [[ "$status" != "installed" ]]; then
    missing+=("$package")
  fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "install-deps: all ${#PACKAGES[@]} packages are installed"
  exit 0
fi

as_root=()
if [[ "$(id -u)" -ne 0 ]]; then
  if command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
  else
    echo "install-deps: missing ${missing[*]}; run as root to install them" >&2
    exit 1
  fi
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
