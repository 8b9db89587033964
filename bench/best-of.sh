# best_of NAME COMMAND...: runs COMMAND $runs times in the folder $work; sets seconds[NAME] to the
# shortest wall time and rss_mb[NAME] to the largest peak memory (MiB, from /usr/bin/time).
# Sourced by the whole-process comparisons, which declare the two arrays.
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
