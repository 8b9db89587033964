#!/usr/bin/env bash
# Fuzzes the pixel-job mapping, the data-file readers and whole figures with libFuzzer: builds the fuzz targets of fuzz/ with clang++,
# AddressSanitizer and UndefinedBehaviorSanitizer in build-fuzz/, then runs each for a bounded
# time on a corpus kept in the build folder.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60; FDD_FUZZ_BUILD_DIR overrides the build folder)
# Exits non-zero when the build fails or a target finds a crash, a leak, a timeout or a
# sanitizer report; the input that caused it is left in <build>/fuzz-artifacts/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${FDD_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-60}"
targets=(QVTFddComputePixelJobsFuzz DataFileFuzz FigureFuzz)

"$root/scripts/install-deps.sh"

# The generator is chosen only on the first configure; CMake refuses to change it later.
generator=()
[[ -f "$build/CMakeCache.txt" ]] || generator=(-G Ninja)
cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DFDD_BUILD_FUZZ=ON -DFDD_BUILD_TESTS=OFF -DFDD_BUILD_BENCH=OFF -DFDD_BUILD_APPS=OFF
cmake --build "$build" --target "${targets[@]}"

mkdir -p "$build/fuzz-artifacts"
# fontconfig 2.14 leaks a few bytes while it parses its configuration (inside FcInit): leaks
# allocated in fontconfig's own code are suppressed, which the fast unwinder can still see.
printf 'leak:libfontconfig.so\n' >"$build/fuzz-artifacts/lsan.supp"
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$build/fuzz-artifacts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Seeds of the data-file target: small valid measurement files written by other programs (h5py,
# scipy, sox), each behind the byte that chooses its reader (4 HDF5, 5 MATLAB, 6 sound file).
seed_measurement_files() {
  local corpus="$1" scratch
  scratch="$(mktemp -d)"
  /usr/bin/python3 - "$scratch" <<'PY'
import sys
import numpy as np, h5py, scipy.io as sio
d = sys.argv[1] + '/'
with h5py.File(d + 'a.h5', 'w') as f:
    t = f.create_dataset('t', data=np.arange(8.0))
    t.make_scale('t')
    f['g/y'] = np.arange(8, dtype='>i2')
    f['g/y'].dims[0].attach_scale(t)
    f.create_dataset('z', data=np.arange(12.0).reshape(3, 4), chunks=(2, 2), compression='gzip', shuffle=True)
sio.savemat(d + 'b.mat', {'y': np.arange(5.0), 's': {'f': np.arange(6.0).reshape(2, 3)}})
sio.savemat(d + 'c.mat', {'y': np.arange(5, dtype=np.int16)}, do_compression=True)
sio.savemat(d + 'd.mat', {'y': np.arange(5.0)}, format='4')
PY
  sox -n -r 100 -c 2 -b 16 "$scratch/e.wav" synth 0.05 sine 10
  sox -n -r 100 -c 1 "$scratch/f.flac" synth 0.05 sine 10
  local choice file
  for file in "$scratch"/*; do
    case "$file" in *.h5) choice='\x04' ;; *.mat) choice='\x05' ;; *) choice='\x06' ;; esac
    { printf "$choice"; cat "$file"; } >"$corpus/seed-$(basename "$file")"
  done
  rm -rf "$scratch"
}

for target in "${targets[@]}"; do
  corpus="$build/fuzz-corpus/$target"
  mkdir -p "$corpus"
  [[ "$target" != DataFileFuzz ]] || seed_measurement_files "$corpus"
  echo "fuzz: $target for $seconds s"
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-artifacts/$target-" "$corpus"
done
echo "fuzz: no crash in ${#targets[@]} target(s)"
