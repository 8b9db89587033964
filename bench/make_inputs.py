"""Writes the input files of compare-matplotlib.sh into a folder (argument 1).

curve_x.npy, curve_y.npy: 10,000,000 float64 samples of a noisy sine sweep;
curve1m_x.npy, curve1m_y.npy: the same sweep in 1,000,000 samples.
map_x.npy (4000), map_z.npy (4000), map_values.npy (4000 x 4000 float64,
values[i_x, i_z]): a smooth field within 0..1 plus noise, and one single cell
far above the rest, so a plot that drops samples shows no peak at all.
"""
import os
import sys

import numpy as np

CURVE_SAMPLES = 10_000_000
SMALL_CURVE_SAMPLES = 1_000_000
MAP_SIZE = 4000
PEAK_INDEX = (1234, 2873)  # (i_x, i_z), away from the borders
PEAK_VALUE = 10.0


def main():
    out = sys.argv[1]
    rng = np.random.default_rng(20240611)

    # Curves: time in seconds, a sweep from 1 Hz to 51 Hz plus gaussian noise. The small one
    # draws from a generator of its own, so that the large inputs stay as they were.
    for prefix, samples, generator in (("curve", CURVE_SAMPLES, rng),
                                       ("curve1m", SMALL_CURVE_SAMPLES, np.random.default_rng(1))):
        t = np.linspace(0.0, 10.0, samples)
        y = np.sin(2 * np.pi * (1.0 + 2.5 * t) * t) + generator.normal(0.0, 0.2, samples)
        np.save(os.path.join(out, prefix + "_x.npy"), t)
        np.save(os.path.join(out, prefix + "_y.npy"), y)
        del t, y

    # Map: X like a frequency, Z like a speed; the field stays within 0..1.
    x = np.linspace(0.0, 400.0, MAP_SIZE)
    z = np.linspace(1000.0, 5000.0, MAP_SIZE)
    field = 0.5 + 0.2 * np.sin(x[:, None] / 40.0) * np.cos(z[None, :] / 500.0)
    field += rng.normal(0.0, 0.05, field.shape)
    np.clip(field, 0.0, 1.0, out=field)
    field[PEAK_INDEX] = PEAK_VALUE
    np.save(os.path.join(out, "map_x.npy"), x)
    np.save(os.path.join(out, "map_z.npy"), z)
    np.save(os.path.join(out, "map_values.npy"), field)

    ix, iz = PEAK_INDEX
    print(f"inputs: curves {CURVE_SAMPLES} and {SMALL_CURVE_SAMPLES} samples; map {MAP_SIZE} x {MAP_SIZE}, "
          f"peak values[{ix}, {iz}] = {PEAK_VALUE:g} at x={x[ix]:.3f}, z={z[iz]:.3f} "
          f"(rest within 0..1)")


if __name__ == "__main__":
    main()
