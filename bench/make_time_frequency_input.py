"""Writes the input of compare-time-frequency.sh: SECONDS of a 48 kHz mono recording as float32 .npy
(a chirp through noise, and a one-sample knock at 40 % of the length), written in blocks so that
the maker itself stays small. Usage: make_time_frequency_input.py PATH SECONDS"""
import sys

import numpy as np

RATE = 48000
path, seconds = sys.argv[1], float(sys.argv[2])
n = int(seconds * RATE)
out = np.lib.format.open_memmap(path, mode="w+", dtype=np.float32, shape=(n,))
rng = np.random.default_rng(1)
block = RATE * 60
for start in range(0, n, block):
    t = np.arange(start, min(n, start + block)) / RATE
    # A chirp from 100 Hz to 10 kHz over the whole recording, and noise 40 dB below it.
    phase = 2 * np.pi * (100.0 * t + (10000.0 - 100.0) * t * t / (2 * seconds))
    out[start:start + len(t)] = np.sin(phase) + 0.01 * rng.standard_normal(len(t))
out[int(0.4 * n)] += 100.0
out.flush()
