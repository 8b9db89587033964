#!/usr/bin/env bash
# Whole-program speed of fdd-plot against matplotlib on the same large inputs:
# a 10 M sample curve and a 4000 x 4000 colour map. Wall clock of whole
# processes (start-up, file reading and PNG writing included), best of 3.
# matplotlib is only the yardstick here; the project does not depend on it.
#
# Usage: bench/compare-matplotlib.sh [FDD_PLOT_BINARY] [WORKDIR]
#   FDD_PLOT_BINARY  default build/apps/fdd-plot under the repository root
#   WORKDIR          default a fresh mktemp -d (inputs about 290 MB, kept)
# Exits 0 when a target is missed (it is a report), non-zero when something
# could not run.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fdd=$(realpath -m "${1:-$here/../build/apps/fdd-plot}")
work=${2:-$(mktemp -d)}
runs=3

[[ -x $fdd ]] || { echo "fdd-plot not found at $fdd: build it or pass its path" >&2; exit 1; }
mkdir -p "$work"
work=$(realpath "$work")

# The Debian packages land in /usr/bin/python3; a python3 earlier on PATH
# (pyenv, venv) usually lacks them.
python=${PYTHON:-/usr/bin/python3}
command -v "$python" >/dev/null || python=python3
# /usr/bin/time (package time) reports the peak memory.
packages=()
"$python" -c 'import matplotlib, numpy' 2>/dev/null || packages+=(python3-matplotlib python3-numpy)
[[ -x /usr/bin/time ]] || packages+=(time)
if ((${#packages[@]})); then
    if [[ $(id -u) -eq 0 ]] && command -v apt-get >/dev/null; then
        echo "installing ${packages[*]} ..."
        apt-get install -y --no-install-recommends "${packages[@]}" >/dev/null
    else
        echo "missing, install with: sudo apt-get install ${packages[*]}" >&2
        exit 1
    fi
    "$python" -c 'import matplotlib, numpy' ||
        { echo "$python cannot import matplotlib; set PYTHON to the Debian python3" >&2; exit 1; }
fi

# best_of NAME COMMAND...: runs COMMAND $runs times; sets seconds[NAME] to the
# shortest wall time and rss_mb[NAME] to the largest peak memory.
declare -A seconds rss_mb
best_of() {
    local name=$1 best=0 rss=0 run start elapsed kb
    shift
    for ((run = 0; run < runs; run++)); do
        start=$(date +%s%N)
        /usr/bin/time -f %M -o "$work/rss.txt" "$@" >/dev/null
        elapsed=$(($(date +%s%N) - start))
        kb=$(tail -n 1 "$work/rss.txt")
        if ((best == 0 || elapsed < best)); then best=$elapsed; fi
        if ((kb > rss)); then rss=$kb; fi
    done
    seconds[$name]=$(awk -v ns="$best" 'BEGIN { printf "%.3f", ns / 1e9 }')
    rss_mb[$name]=$((rss / 1024))
}

echo "fdd-plot: $fdd"
echo "workdir:  $work"
"$python" "$here/make_inputs.py" "$work"
echo "matplotlib $("$python" -c 'import matplotlib; print(matplotlib.__version__)')," \
     "Agg backend, default settings (path simplification on, default imshow interpolation)"

echo "load before: $(uptime)"
cd "$work"
best_of fdd_curve "$fdd" curve --x curve_x.npy --y curve_y.npy --size 1000x600 -o fdd_curve.png
best_of mpl_curve "$python" "$here/matplotlib_plot.py" curve curve_x.npy curve_y.npy mpl_curve.png
best_of fdd_map "$fdd" map --x map_x.npy --z map_z.npy --values map_values.npy --transpose \
    --size 1000x1000 -o fdd_map.png
best_of mpl_map "$python" "$here/matplotlib_plot.py" map map_x.npy map_z.npy map_values.npy mpl_map.png

echo
echo "wall clock, best of $runs (seconds); max RSS (MB)"
printf '%-6s %10s %12s %8s %8s  %-6s %9s %9s\n' \
    case fdd-plot matplotlib ratio target result "fdd RSS" "mpl RSS"
for row in "curve 10" "map 5"; do
    read -r case target <<<"$row"
    fdd_s=${seconds[fdd_$case]} mpl_s=${seconds[mpl_$case]}
    awk -v c="$case" -v f="$fdd_s" -v m="$mpl_s" -v t="$target" \
        -v fr="${rss_mb[fdd_$case]}" -v mr="${rss_mb[mpl_$case]}" 'BEGIN {
        r = m / f
        printf "%-6s %10.3f %12.3f %7.1fx %7s  %-6s %9d %9d\n",
               c, f, m, r, ">= " t "x", (r >= t ? "PASS" : "FAIL"), fr, mr }'
done
echo "load after:  $(uptime)"
echo

"$python" "$here/check_peak.py" "$work" fdd_map.png mpl_map.png
rm -f "$work/rss.txt"
echo "images: $work/{fdd,mpl}_{curve,map}.png"
