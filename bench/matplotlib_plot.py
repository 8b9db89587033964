"""The matplotlib side of compare-matplotlib.sh: the same plots as fdd-plot.

  matplotlib_plot.py curve X.npy Y.npy OUT.png   10 x 6 in at 100 dpi, ax.plot
  matplotlib_plot.py map X.npy Z.npy V.npy OUT.png   10 x 10 in, imshow + colorbar

Default settings otherwise (path simplification on, default interpolation).
imshow rather than pcolormesh: on a regular grid it is the fast choice.
"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402  (after choosing the backend)
import numpy as np  # noqa: E402


def curve(x_file, y_file, out):
    x = np.load(x_file, mmap_mode="r")
    y = np.load(y_file, mmap_mode="r")
    fig, ax = plt.subplots(figsize=(10, 6), dpi=100)
    ax.plot(x, y)
    fig.savefig(out, dpi=100)


def colour_map(x_file, z_file, values_file, out):
    x = np.load(x_file)
    z = np.load(z_file)
    values = np.load(values_file, mmap_mode="r")  # values[i_x, i_z]
    fig, ax = plt.subplots(figsize=(10, 10), dpi=100)
    image = ax.imshow(values.T, origin="lower", aspect="auto",
                      extent=(x[0], x[-1], z[0], z[-1]))
    fig.colorbar(image, ax=ax)
    fig.savefig(out, dpi=100)


def main():
    kind, args = sys.argv[1], sys.argv[2:]
    if kind == "curve" and len(args) == 3:
        curve(*args)
    elif kind == "map" and len(args) == 4:
        colour_map(*args)
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
