"""Checks that the single-sample peak of map_values.npy shows in each map image.

  check_peak.py WORKDIR fdd_map.png mpl_map.png

The data box is found from the image itself: the widest run of columns full of
coloured (not grey) pixels is the map; the colour scale is a narrower run.
The peak's pixel is placed from its X and Z inside that box, and it counts as
visible when a pixel within RADIUS of it has nearly the top colour of viridis.
"""
import os
import sys

import matplotlib.image
import numpy as np

TOP_COLOUR = np.array([253, 231, 37])  # viridis at 1.0
COLOUR_TOLERANCE = 24  # per channel, 0..255
RADIUS = 3  # pixels


def longest_run(flags):
    """(first, last) index of the longest run of True in flags."""
    best, start = (0, -1), None
    for i, flag in enumerate(list(flags) + [False]):
        if flag and start is None:
            start = i
        elif not flag and start is not None:
            if i - 1 - start > best[1] - best[0]:
                best = (start, i - 1)
            start = None
    return best


def data_box(rgb):
    """(left, top, right, bottom) of the map inside the image, inclusive."""
    coloured = rgb.max(axis=2) - rgb.min(axis=2) > 40
    columns = coloured.sum(axis=0)
    left, right = longest_run(columns > 0.5 * columns.max())
    rows = coloured[:, left:right + 1].mean(axis=1)
    top, bottom = longest_run(rows > 0.5)
    return left, top, right, bottom


def peak_visible(png, fx, fz):
    rgb = matplotlib.image.imread(png)[:, :, :3] * 255.0
    left, top, right, bottom = data_box(rgb)
    col = round(left + fx * (right - left))
    row = round(bottom - fz * (bottom - top))
    near = rgb[row - RADIUS:row + RADIUS + 1, col - RADIUS:col + RADIUS + 1]
    distance = np.abs(near - TOP_COLOUR).max(axis=2)
    closest = near.reshape(-1, 3)[distance.argmin()].round().astype(int)
    print(f"  {os.path.basename(png)}: data box x {left}..{right}, y {top}..{bottom}; "
          f"peak expected at pixel ({col}, {row}); nearest to top colour "
          f"within {RADIUS} px: {tuple(closest)}")
    return distance.min() <= COLOUR_TOLERANCE


def main():
    workdir, fdd_png, mpl_png = sys.argv[1:4]
    x = np.load(os.path.join(workdir, "map_x.npy"))
    z = np.load(os.path.join(workdir, "map_z.npy"))
    values = np.load(os.path.join(workdir, "map_values.npy"), mmap_mode="r")
    ix, iz = np.unravel_index(np.argmax(values), values.shape)
    fx = (x[ix] - x[0]) / (x[-1] - x[0])
    fz = (z[iz] - z[0]) / (z[-1] - z[0])
    print(f"peak check: values[{ix}, {iz}] = {values[ix, iz]:g}")
    answers = ["yes" if peak_visible(png, fx, fz) else "no" for png in (fdd_png, mpl_png)]
    print(f"peak visible: fdd-plot {answers[0]}, matplotlib {answers[1]}")


if __name__ == "__main__":
    main()
