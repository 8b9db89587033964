"""The yardstick of compare-time-frequency.sh: scipy.signal.spectrogram and matplotlib's pcolormesh
of a .npy recording into a 1000 x 600 PNG, as a Python user would draw it.
Usage: scipy_time_frequency.py INPUT.npy RATE OUTPUT.png"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt
import numpy as np
from scipy import signal

path, rate, out = sys.argv[1], float(sys.argv[2]), sys.argv[3]
x = np.load(path, mmap_mode="r")
f, t, s = signal.spectrogram(x, rate, window="hann", nperseg=4096, noverlap=3072, detrend=False)
figure, axes = plt.subplots(figsize=(10, 6), dpi=100)
mesh = axes.pcolormesh(t, f, 10 * np.log10(np.maximum(s, 1e-30)), shading="auto")
figure.colorbar(mesh, ax=axes)
axes.set_xlabel("Time [s]")
axes.set_ylabel("Frequency [Hz]")
figure.savefig(out)
