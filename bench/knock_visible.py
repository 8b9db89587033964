"""Whether the one-sample knock of the input shows in a spectrogram picture: along the middle row
of the picture the coloured run is the map; the columns within three pixels of where the knock
lies (at FRACTION of the map's width) must stand out from the map's other columns by more than
five of their standard deviations. Usage: knock_visible.py PICTURE.png FRACTION"""
import sys

import matplotlib.image
import numpy as np


def main():
    path, fraction = sys.argv[1], float(sys.argv[2])
    pixels = (matplotlib.image.imread(path)[:, :, :3] * 255).astype(np.int32)
    height = pixels.shape[0]
    middle = pixels[height // 2]
    coloured = np.nonzero(middle.max(axis=1) - middle.min(axis=1) > 30)[0]
    # The map's own run: the longest run of coloured columns (a colour bar is narrower).
    runs = np.split(coloured, np.nonzero(np.diff(coloured) > 3)[0] + 1)
    run = max(runs, key=len)
    left, right = run[0], run[-1]
    band = pixels[height // 4:3 * height // 4, left:right + 1].astype(float)
    score = np.abs(band - np.median(band, axis=1, keepdims=True)).sum(axis=2).mean(axis=0)
    at = int(round(fraction * (right - left)))
    near = score[max(0, at - 3):at + 4].max()
    others = np.delete(score, np.arange(max(0, at - 3), min(len(score), at + 4)))
    visible = near > np.median(others) + 5 * others.std()
    print("visible" if visible else "not visible")


main()
