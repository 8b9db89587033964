"""fddplot from Python: pictures checked against their data, arrays read in place, errors as
exceptions, threads and Ctrl-C."""
import gc
import os
import pty
import resource
import signal
import subprocess
import sys
import threading
import warnings

import numpy as np
import pytest

import fddplot

GROUND = (250, 250, 250)


def ground_box(pixels, row, column):
    """The data box: the extent of the plot ground along a row and a column (left, right, top, bottom)."""
    along = np.flatnonzero((pixels[row, :, :3] == GROUND).all(axis=1))
    down = np.flatnonzero((pixels[:, column, :3] == GROUND).all(axis=1))
    return along[0], along[-1], down[0], down[-1]


def blue_rows(pixels, column):
    p = pixels[:, column, :3].astype(int)
    return np.flatnonzero((p[:, 2] > 120) & (p[:, 0] < 120) & (p[:, 2] > p[:, 0] + 60))


def line_rows(y, x=None, size=(640, 400)):
    """Where the curve y = x over [0, 1] is drawn at t = 0.25, 0.5, 0.75, and where it should be."""
    pixels = fddplot.curve(y, x=x, size=size, title="Line").to_array()
    assert pixels.shape == (size[1], size[0], 4) and pixels.dtype == np.uint8
    left, right, top, bottom = ground_box(pixels, size[1] // 2 - 40, size[0] // 2 + 40)
    found, expected = [], []
    for t in (0.25, 0.5, 0.75):
        column = int(round(left + t * (right + 1 - left)))
        rows = blue_rows(pixels, column)
        found.append(rows[-1] if len(rows) else -1)
        # The value range is [-0.05, 1.05] with the room kept around curves.
        expected.append(bottom + 1 - (t + 0.05) / 1.1 * (bottom + 1 - top))
    return np.array(found), np.array(expected)


LINE = np.linspace(0, 1, 101)


@pytest.mark.parametrize(
    "name, y, x",
    [
        ("float64", LINE, LINE),
        ("float32", LINE.astype(np.float32), LINE),
        ("big-endian", LINE.astype(">f8"), LINE),
        ("int16 scaled by x", (LINE * 1000).astype(np.int16), LINE * 1000),
        ("uint8 over int64", np.arange(101, dtype=np.uint8), np.arange(101, dtype=np.int64)),
        ("every other sample", np.linspace(0, 1, 201)[::2], np.linspace(0, 1, 201)[::2]),
        ("column of a matrix", np.stack([LINE * 0, LINE], axis=1)[:, 1], LINE),
        ("reversed", LINE[::-1], LINE[::-1]),
    ],
)
def test_curve_is_drawn_where_its_data_lies(name, y, x):
    found, expected = line_rows(y, x)
    assert np.all(np.abs(found - expected) <= 2.5), (name, found, expected)


def test_curve_without_x_uses_sample_numbers_and_warns_of_unequal_lengths():
    found, expected = line_rows(np.linspace(0, 100, 101))
    assert np.all(np.abs(found - expected) <= 2.5)
    with pytest.warns(UserWarning, match=r"y\[1\] has 50 values and the x values 101: 50 are plotted"):
        fddplot.curve([LINE, LINE[:50]], x=LINE)


def peak_map(**options):
    """values[i_z, i_x] over x = 0 .. 9, z = 100 .. 190: one peak at (7, 120), zero elsewhere."""
    values = np.zeros((10, 10))
    values[2, 7] = 1.0
    return np.linspace(0, 9, 10), np.linspace(100, 190, 10), values


def test_map_shows_its_peak_and_probe_answers_it():
    x, z, values = peak_map()
    pixels = fddplot.map(x, z, values, size=(500, 400), colors="grey").to_array()
    dark = (pixels[:, :, :3] < 8).all(axis=2)
    columns = np.flatnonzero(dark[200])
    left, right = columns[0], columns[-1]
    rows = np.flatnonzero(dark[:, left + 2])
    top, bottom = rows[0], rows[-1]
    assert right - left > 200
    peak = pixels[int(bottom + 1 - 2 / 9 * (bottom + 1 - top)), int(left + 7 / 9 * (right + 1 - left))]
    assert peak[0] > 200
    assert fddplot.probe(x, z, values, at=(7, 120)) == 1.0
    assert fddplot.probe(x, z, values, at=(2, 170)) == 0.0
    assert fddplot.probe(x, z, values, at=(50, 120)) is None
    # A probe takes every option of the map it probes, labels included.
    assert fddplot.probe(x, z, values, at=(7, 120), xlabel="X", title="T") == 1.0
    assert fddplot.probe(x, z, np.ascontiguousarray(values.T), at=(7, 120), transpose=True) == 1.0
    # Strided and integer values read as they are.
    assert fddplot.probe(x, z, (values * 3).astype(np.int32)[:, :], at=(7, 120)) == 3.0
    wide = np.zeros((10, 20))
    wide[:, ::2] = values
    assert fddplot.probe(x, z, wide[:, ::2], at=(7, 120)) == 1.0


NAN = np.nan
NH_ROWS = np.array([[0, 1, 2, 3], [0, 2, NAN, NAN]])
NH_VALUES = np.array([[1, 2, 3, 4], [5, 6, NAN, NAN]])


def test_non_homogeneous_map_reads_each_row_on_its_own_grid():
    z = np.array([10.0, 20.0])
    assert fddplot.probe(x_rows=NH_ROWS, z=z, values=NH_VALUES, at=(1, 10), size=(300, 200)) == 2.0
    # Strided and integer rows.
    wide = np.zeros((2, 8))
    wide[:, ::2] = NH_VALUES
    assert fddplot.probe(x_rows=NH_ROWS, z=z, values=wide[:, ::2], at=(1, 10), size=(300, 200)) == 2.0
    assert fddplot.map(x_rows=NH_ROWS, z=z, values=NH_VALUES).to_array().shape == (700, 900, 4)


def test_contribution_and_pages_of_several_plots(tmp_path):
    x = np.linspace(0, 1, 50)
    pixels = fddplot.contribution(x, x, colors="grey").to_array()
    assert pixels.shape == (220, 1000, 4)
    figure = fddplot.Figure(size=(800, 600))
    figure.add_curve([LINE, LINE ** 2], x=LINE, labels=["a", "b"], part=(0, 0.5, 1, 1))
    mx, mz, mv = peak_map()
    figure.add_map(mx, mz, mv, part=(0, 0, 0.5, 0.5))
    figure.add_plot("contribution", x=x, y=x, part=(0.5, 0, 1, 0.5))
    assert figure.plots == 3 and figure.size == (800, 600)
    assert figure.probe((7, 120), plot=1) == 1.0
    first = figure.to_array()
    assert np.array_equal(first, figure.to_array()), "drawing again gives the same picture"
    png = figure._repr_png_()
    assert png[:8] == b"\x89PNG\r\n\x1a\n"
    # The bytes are the file that save writes.
    figure.save(tmp_path / "page.png")
    assert png == (tmp_path / "page.png").read_bytes()


def test_save_writes_each_kind_by_extension(tmp_path):
    figure = fddplot.curve(LINE, x=LINE)
    for extension, magic in (("png", b"\x89PNG"), ("svg", b"<?xml"), ("pdf", b"%PDF")):
        path = tmp_path / ("line." + extension)
        figure.save(path if extension == "png" else str(path))
        assert path.read_bytes().startswith(magic)


@pytest.mark.parametrize(
    "call, error, message",
    [
        (lambda: fddplot.curve("no-such.npy"), ValueError, "no-such.npy: cannot open: No such file or directory"),
        (lambda: fddplot.curve(np.zeros(3, complex)), ValueError, "cannot be drawn: give float64, float32 or integers"),
        (lambda: fddplot.curve(np.zeros((3, 3))), ValueError, "y: a 2-D array, but a 1-D one is needed"),
        (lambda: fddplot.curve([]), ValueError, "y: give at least one array"),
        (lambda: fddplot.curve(np.zeros(0)), ValueError, "y: empty: no values"),
        (lambda: fddplot.map(z=np.arange(2.0), values=np.ones((2, 3))), ValueError, r"give the X values with x \(or x_rows\)"),
        (lambda: fddplot.curve([LINE, LINE], labels=["a", "b", "c"]), ValueError, "label is given 3 times for 2 curves"),
        (lambda: fddplot.curve(LINE, size=(10, 600)), ValueError, "each side must lie between 16 and 8192"),
        (lambda: fddplot.curve(LINE, size="big"), ValueError, "size 'big': give the width and height in whole pixels"),
        (lambda: fddplot.curve(LINE, size=5), ValueError, "size '5': give"),
        (lambda: fddplot.probe(*peak_map(), at="here"), ValueError, "at 'here': give two finite decimal numbers A,B"),
        (lambda: fddplot.map(*peak_map()[:2], np.zeros((3, 10))), ValueError,
         r"values: 3 x 10 values, but the map needs 10 x 10 \(values\[i_z, i_x\]"),
        (lambda: fddplot.map(np.array([0.0, 2, 1]), np.arange(2.0), np.zeros((2, 3))), ValueError,
         r"x: values must be ascending or descending: x\[2\] = 1 follows x\[1\] = 2"),
        (lambda: fddplot.map(z=np.arange(3.0), values=NH_VALUES, x_rows=NH_ROWS), ValueError,
         r"x_rows: 2 rows, but z has 3 values \(one row per Z value\)"),
        (lambda: fddplot.map(z=np.arange(2.0), values=NH_VALUES[:, :3], x_rows=NH_ROWS), ValueError,
         "values: 2 x 3 values, but x_rows is 2 x 4: row j of both belongs to Z sample j"),
        (lambda: fddplot.map(z=np.arange(2.0), values=NH_VALUES, x_rows=np.array([[0, 2, 1, 3], [0, 2, NAN, NAN]])),
         ValueError, r"x_rows: values must be ascending or descending: x\[0, 2\] = 1 follows x\[0, 1\] = 2"),
        (lambda: fddplot.map(NH_ROWS[0], np.arange(2.0), NH_VALUES, x_rows=NH_ROWS), ValueError, "not both"),
        (lambda: fddplot.map(*peak_map(), colors="pink"), ValueError, "colors pink: choose viridis, magma, "),
        (lambda: fddplot.map(*peak_map(), x_limits=(3, 1)), ValueError, "x_limits 3,1: the limits A,B need A < B"),
        (lambda: fddplot.map(*peak_map(), z_limits=(0, np.nan)), ValueError, "z_limits '0,nan': give two finite decimal numbers"),
        (lambda: fddplot.map(*peak_map(), order=True, z_factor=0), ValueError, "z_factor 0: give a factor above 0"),
        (lambda: fddplot.map(np.arange(4e5), np.arange(4e5), np.zeros((1, 1))[:, :0]), ValueError, r"values: empty: no values \(shape 1 x 0\)"),
        (lambda: fddplot.contribution(LINE, LINE[:5]), ValueError,
         "y: 5 values for 101 arguments: one value per argument is needed"),
        (lambda: fddplot.contribution(LINE, LINE, direction="up"), ValueError, "direction 'up': choose horizontal or vertical"),
        (lambda: fddplot.Figure().add_curve(LINE, part=(0, 0, 2, 1)), ValueError, "part"),
        (lambda: fddplot.Figure().add_plot("pie", y=LINE), ValueError, "kind pie: choose curve, map or contribution"),
        (lambda: fddplot.curve(LINE).save("/nonexistent/line.png"), OSError, "/nonexistent/line.png: cannot write"),
        (lambda: fddplot.curve(LINE).save("line.bmp"), ValueError, "line.bmp: name the output file .png, .svg or .pdf"),
        (lambda: unfit_order_map(), MemoryError, r"order map: out of memory \(needs about 512 MB, about "),
    ],
)
def test_errors_raise_exceptions_with_one_line_messages(call, error, message):
    with pytest.raises(error, match=message) as raised:
        call()
    assert "\n" not in str(raised.value)


def unfit_order_map():
    """An order map larger than what the address-space limit leaves."""
    soft, hard = resource.getrlimit(resource.RLIMIT_AS)
    with open("/proc/self/statm") as statm:
        used = int(statm.read().split()[0]) * os.sysconf("SC_PAGE_SIZE")
    resource.setrlimit(resource.RLIMIT_AS, (used + 300_000_000, hard))
    try:
        fddplot.map(np.arange(40.0), np.arange(30.0), np.zeros((30, 40)), order=True, size=(8000, 8000))
    finally:
        resource.setrlimit(resource.RLIMIT_AS, (soft, hard))


def test_arrays_are_held_not_copied(tmp_path):
    y = np.linspace(0, 1, 1000)
    before = sys.getrefcount(y)
    figure = fddplot.curve(y)
    assert sys.getrefcount(y) == before + 1, "the figure holds the array"
    del figure
    gc.collect()
    assert sys.getrefcount(y) == before
    # 10^8 samples of a mapped file: drawing them pages the file in, but the heap does not grow by
    # a copy (800 MB as doubles).
    path = tmp_path / "big.npy"
    big = np.lib.format.open_memmap(path, mode="w+", dtype=np.float32, shape=(100_000_000,))
    big[50_000_000] = 1.0
    big.flush()
    del big
    mapped = np.load(path, mmap_mode="r")
    heap = anonymous_kb()
    pixels = fddplot.curve(mapped, size=(400, 300)).to_array()
    assert anonymous_kb() - heap < 50_000
    # The one-sample peak is drawn: blue reaches far above the zero line.
    left, right, top, bottom = ground_box(pixels, 150, 100)
    rows = np.concatenate([blue_rows(pixels, c) for c in range(left, right + 1)])
    assert rows.min() < top + (bottom - top) // 4


def anonymous_kb():
    with open("/proc/self/status") as status:
        for line in status:
            if line.startswith("RssAnon:"):
                return int(line.split()[1])
    return 0


def test_two_threads_draw_at_once():
    x, z, values = peak_map()
    expected = [fddplot.map(x, z, values).to_array(), fddplot.curve(LINE, x=LINE).to_array()]
    results = [None, None]

    def draw(i):
        for _ in range(5):
            figure = fddplot.map(x, z, values) if i == 0 else fddplot.curve(LINE, x=LINE)
            results[i] = figure.to_array()

    threads = [threading.Thread(target=draw, args=(i,)) for i in range(2)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert all(np.array_equal(r, e) for r, e in zip(results, expected))


def test_drawing_releases_the_interpreter_lock():
    import time
    figure = fddplot.curve(np.sin(np.arange(20_000_000, dtype=np.float32)))
    drawing = threading.Thread(target=figure.to_array)
    started = time.perf_counter()
    ticks = [started]
    drawing.start()
    while drawing.is_alive():
        ticks.append(time.perf_counter())
    took = ticks[-1] - started
    # Held, the lock would stop this loop for the whole drawing.
    assert np.diff(ticks).max() < took / 2, (np.diff(ticks).max(), took)


def test_help_reads_like_the_command_help():
    assert "log_x (default False): Logarithmic x axis" in fddplot.curve.__doc__
    assert "values[i_z, i_x]" in fddplot.map.__doc__
    for name in ("save", "to_array", "_repr_png_", "add_plot", "add_curve", "add_map", "add_contribution", "probe"):
        assert getattr(fddplot.Figure, name).__doc__


ORDER_SCRIPT = """
import numpy as np, fddplot
i, j = np.meshgrid(np.arange(400), np.arange(60), indexing="ij")
values = np.sin(i * 0.1) * np.cos(j * 0.2)
figure = fddplot.map(np.arange(400.0), np.arange(1.0, 61.0), values, transpose=True, order=True, size=(1900, 1900))
try:
    figure.save({path!r})
except KeyboardInterrupt as e:
    print("KeyboardInterrupt:", e, flush=True)
"""


def test_ctrl_c_cancels_an_order_map_and_raises_keyboard_interrupt(tmp_path):
    path = str(tmp_path / "interrupted.png")
    environment = dict(os.environ, PYTHONPATH=os.path.dirname(fddplot.__file__))
    pid, terminal = pty.fork()
    if pid == 0:
        os.execve(sys.executable, [sys.executable, "-c", ORDER_SCRIPT.format(path=path)], environment)
    output, interrupted = b"", False
    while True:
        try:
            chunk = os.read(terminal, 1024)
        except OSError:
            break
        if not chunk:
            break
        output += chunk
        if not interrupted and b"Ctrl-C" in output:
            os.kill(pid, signal.SIGINT)
            interrupted = True
    _, status = os.waitpid(pid, 0)
    assert interrupted, output
    assert os.WIFEXITED(status) and os.WEXITSTATUS(status) == 0, output
    assert b"KeyboardInterrupt: interrupted: the picture holds only the rows computed before Ctrl-C" in output
    assert b"Order map [" in output
    assert os.path.getsize(path) > 0, "the rows computed are written"
