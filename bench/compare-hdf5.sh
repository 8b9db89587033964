#!/usr/bin/env bash
# Whole-program speed of fdd-plot on HDF5 files against h5py + matplotlib on the same file, and
# the peak memory of a chunked, gzip-compressed dataset of 10^8 samples:
#   curve    fdd-plot curve of a contiguous 10^7-sample dataset (goal: 30x faster than matplotlib)
#   chunked  fdd-plot curve of a chunked gzip 10^8-sample dataset: peak RSS against the 763 MiB (800 MB) of
#            values kept (goal: at most 10 % above them)
# Wall clock of whole processes, best of RUNS (3); peak memory from /usr/bin/time.
# matplotlib is only the yardstick here; the project does not depend on it.
#
# Usage: bench/compare-hdf5.sh [FDD_PLOT_BINARY] [WORKDIR]
#   FDD_PLOT_BINARY  default build/apps/fdd-plot under the repository root
#   WORKDIR          default a fresh mktemp -d (inputs about 1 GB, kept)
# Exits 0 when a goal is missed (it is a report), non-zero when something could not run.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fdd=$(realpath -m "${1:-$here/../build/apps/fdd-plot}")
work=${2:-$(mktemp -d)}
runs=${RUNS:-3}
python=${PYTHON:-/usr/bin/python3}
[[ -x $fdd ]] || { echo "fdd-plot not found at $fdd: build it or pass its path" >&2; exit 1; }
"$python" -c 'import h5py, matplotlib' 2>/dev/null ||
    { echo "missing, install with: sudo apt-get install python3-h5py python3-matplotlib" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "missing, install with: sudo apt-get install time" >&2; exit 1; }
mkdir -p "$work"
work=$(realpath "$work")
cd "$work"

[[ -f curve.h5 && -f chunked.h5 ]] || "$python" - <<'PY'
import h5py, numpy as np
with h5py.File('curve.h5', 'w') as f:
    f['y'] = np.sin(np.arange(10**7) * 0.001)
with h5py.File('chunked.h5', 'w') as f:
    d = f.create_dataset('y', shape=(10**8,), dtype='f8', chunks=(1 << 16,), compression='gzip', shuffle=True)
    step = 10**7
    for start in range(0, 10**8, step):
        d[start:start + step] = np.sin(np.arange(start, start + step) * 0.001)
PY
cat >plot_h5.py <<'PY'
import sys
import h5py, matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt
y = h5py.File(sys.argv[1])['y'][()]
fig, ax = plt.subplots(figsize=(10, 6), dpi=100)
ax.plot(y)
fig.savefig(sys.argv[2], dpi=100)
PY

declare -A seconds rss_mb
# shellcheck source=best-of.sh
source "$here/best-of.sh"

echo "load before: $(uptime)"
best_of fdd_curve "$fdd" curve --y curve.h5:/y --size 1000x600 -o fdd_curve.png
best_of mpl_curve "$python" plot_h5.py curve.h5 mpl_curve.png
runs=1 best_of fdd_chunked "$fdd" curve --y chunked.h5:/y --size 1000x600 -o fdd_chunked.png
echo "load after:  $(uptime)"
echo
awk -v f="${seconds[fdd_curve]}" -v m="${seconds[mpl_curve]}" -v fr="${rss_mb[fdd_curve]}" -v mr="${rss_mb[mpl_curve]}" \
    'BEGIN { r = m / f; printf "curve 10^7 contiguous: fdd-plot %.3f s (%d MiB), h5py + matplotlib %.3f s (%d MiB): %.1fx (goal >= 30x: %s)\n",
             f, fr, m, mr, r, (r >= 30 ? "PASS" : "FAIL") }'
awk -v s="${seconds[fdd_chunked]}" -v r="${rss_mb[fdd_chunked]}" \
    'BEGIN { kept = 763; printf "curve 10^8 chunked gzip: fdd-plot %.3f s, peak %d MiB, kept values %d MiB: %.2fx (goal <= 1.10x: %s)\n",
             s, r, kept, r / kept, (r <= 1.1 * kept ? "PASS" : "FAIL") }'
rm -f rss.txt
echo "images: $work/{fdd,mpl}_curve.png, $work/fdd_chunked.png"
