#!/usr/bin/env python3
"""fddplot against matplotlib in one Python process, from NumPy arrays to RGBA pixels in memory.

  bench/compare-python.py [BUILD_DIR]      (default: build/ under the repository root)

Cases, best of 3 wall-clock times each, inputs made in memory as make_inputs.py makes them:
  curve  10,000,000 samples at 1000 x 600:  fddplot.curve(y, x=x).to_array()
         against matplotlib Agg ax.plot + canvas.draw() + canvas.buffer_rgba()
  map    4000 x 4000 values at 1000 x 1000:  fddplot.map(x, z, values).to_array()
         against imshow + colorbar + draw + buffer_rgba, and whether the one-cell peak shows
Goals: the curve 20x faster, the map 10x. matplotlib is a yardstick only (Debian's
python3-matplotlib); run with /usr/bin/python3. Exits 0 when a goal is missed: it is a report.
"""
import os
import sys
import time

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build")) + "/python")
sys.path.insert(0, HERE)

import fddplot  # noqa: E402
import matplotlib  # noqa: E402

matplotlib.use("Agg")
from matplotlib.backends.backend_agg import FigureCanvasAgg  # noqa: E402
from matplotlib.figure import Figure  # noqa: E402

from check_peak import COLOUR_TOLERANCE, RADIUS, TOP_COLOUR, data_box  # noqa: E402
from make_inputs import CURVE_SAMPLES, MAP_SIZE, PEAK_INDEX, PEAK_VALUE  # noqa: E402

RUNS = 3


def best_of(work):
    best, result = None, None
    for _ in range(RUNS):
        start = time.perf_counter()
        result = work()
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best, result


def matplotlib_pixels(draw, width, height):
    figure = Figure(figsize=(width / 100, height / 100), dpi=100)
    canvas = FigureCanvasAgg(figure)
    draw(figure)
    canvas.draw()
    return np.asarray(canvas.buffer_rgba())


def peak_shows(pixels, fx, fz):
    rgb = pixels[:, :, :3].astype(float)
    left, top, right, bottom = data_box(rgb)
    col, row = round(left + fx * (right - left)), round(bottom - fz * (bottom - top))
    near = rgb[row - RADIUS:row + RADIUS + 1, col - RADIUS:col + RADIUS + 1]
    return bool((np.abs(near - TOP_COLOUR).max(axis=2) <= COLOUR_TOLERANCE).any())


def main():
    rng = np.random.default_rng(20240611)
    t = np.linspace(0.0, 10.0, CURVE_SAMPLES)
    y = np.sin(2 * np.pi * (1.0 + 2.5 * t) * t) + rng.normal(0.0, 0.2, CURVE_SAMPLES)
    x = np.linspace(0.0, 400.0, MAP_SIZE)
    z = np.linspace(1000.0, 5000.0, MAP_SIZE)
    # values[i_z, i_x], as imshow takes it.
    values = 0.5 + 0.2 * np.sin(x[None, :] / 40.0) * np.cos(z[:, None] / 500.0)
    values += rng.normal(0.0, 0.05, values.shape)
    np.clip(values, 0.0, 1.0, out=values)
    ix, iz = PEAK_INDEX
    values[iz, ix] = PEAK_VALUE
    print(f"matplotlib {matplotlib.__version__} (Agg), fddplot from {fddplot.__file__}")
    print(f"load before: {os.getloadavg()[0]:.2f}")

    def mpl_curve(figure):
        figure.add_subplot().plot(t, y)

    def mpl_map(figure):
        axes = figure.add_subplot()
        image = axes.imshow(values, origin="lower", aspect="auto", extent=(x[0], x[-1], z[0], z[-1]))
        figure.colorbar(image, ax=axes)

    times = {
        "fdd curve": best_of(lambda: fddplot.curve(y, x=t, size=(1000, 600)).to_array()),
        "mpl curve": best_of(lambda: matplotlib_pixels(mpl_curve, 1000, 600)),
        "fdd map": best_of(lambda: fddplot.map(x, z, values, size=(1000, 1000)).to_array()),
        "mpl map": best_of(lambda: matplotlib_pixels(mpl_map, 1000, 1000)),
    }
    print(f"load after:  {os.getloadavg()[0]:.2f}")
    print(f"\nbest of {RUNS} (seconds)")
    print(f"{'case':6} {'fddplot':>9} {'matplotlib':>11} {'ratio':>7} {'goal':>6}  result")
    for case, goal in (("curve", 20), ("map", 10)):
        fdd, mpl = times["fdd " + case][0], times["mpl " + case][0]
        ratio = mpl / fdd
        print(f"{case:6} {fdd:9.3f} {mpl:11.3f} {ratio:6.1f}x {goal:>5}x  {'PASS' if ratio >= goal else 'FAIL'}")
    fx, fz = (x[ix] - x[0]) / (x[-1] - x[0]), (z[iz] - z[0]) / (z[-1] - z[0])
    shows = [peak_shows(times[k + " map"][1], fx, fz) for k in ("fdd", "mpl")]
    print(f"one-cell peak values[{iz}, {ix}] visible: fddplot {'yes' if shows[0] else 'no'}, "
          f"matplotlib {'yes' if shows[1] else 'no'}")


if __name__ == "__main__":
    main()
