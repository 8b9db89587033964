#!/usr/bin/env python3
"""fdd-view used as a person uses it: on a virtual X display (Xvfb), a 10-million-sample curve and a
colour map are driven by real input events (xdotool: wheel, drag, box zoom, Home, s). Each step is
checked by the program's --trace lines (one per frame: view box, texts, frame time) and by a
screenshot of the display (xwd): the curve's one-sample spike is drawn in its own pixel column at
the top of the curve. Ends by itself within a bounded time.

Usage: fdd_view_window_test.py FDD_VIEW WORKDIR
"""
import array
import os
import queue
import shutil
import struct
import subprocess
import sys
import threading
import time
import zlib

STEP_TIMEOUT = 15.0
SPIKE_AT = 6_130_000
LENGTH = 10_000_000


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def write_npy(path, kind, shape, values):
    header = "{'descr': '%s', 'fortran_order': False, 'shape': %s, }" % (kind, shape)
    header += " " * (63 - (len(header) + 10) % 64) + "\n"
    with open(path, "wb") as out:
        out.write(b"\x93NUMPY\x01\x00" + struct.pack("<H", len(header)) + header.encode())
        values.tofile(out)


def make_data(work):
    """A 10^7-sample float32 curve: a repeated wave with one spike; a 300 x 200 map; a 30 x 2000 one for --order."""
    import math
    period = 10_000
    wave = array.array("f", (math.sin(2 * math.pi * i / period) * (0.5 + 0.3 * math.sin(i * 0.37)) for i in range(period)))
    curve = wave * (LENGTH // period)
    curve[SPIKE_AT] = 4.0
    write_npy(os.path.join(work, "curve.npy"), "<f4", "(%d,)" % LENGTH, curve)
    nx, nz = 300, 200
    write_npy(os.path.join(work, "x.npy"), "<f8", "(%d,)" % nx, array.array("d", (float(i) for i in range(nx))))
    write_npy(os.path.join(work, "z.npy"), "<f8", "(%d,)" % nz, array.array("d", (10.0 * k for k in range(nz))))
    write_npy(os.path.join(work, "decades.npy"), "<f8", "(601,)", array.array("d", (10 ** (i / 100) for i in range(601))))
    cells = array.array("d", (math.sin(0.05 * i) * math.cos(0.03 * k) for k in range(nz) for i in range(nx)))
    write_npy(os.path.join(work, "values.npy"), "<f8", "(%d, %d)" % (nz, nx), cells)
    # The same extent in few X samples and many rows, whose order map takes long enough (a few tenths
    # of a second) that its progress and its cut can be watched.
    nx, nz = 30, 2000
    write_npy(os.path.join(work, "order_x.npy"), "<f8", "(%d,)" % nx, array.array("d", (10.0 * i for i in range(nx))))
    write_npy(os.path.join(work, "order_z.npy"), "<f8", "(%d,)" % nz, array.array("d", (float(k) for k in range(nz))))
    cells = array.array("d", (math.sin(0.5 * i) * math.cos(0.003 * k) for k in range(nz) for i in range(nx)))
    write_npy(os.path.join(work, "order_values.npy"), "<f8", "(%d, %d)" % (nz, nx), cells)


class Display:
    """An Xvfb server on a free display number."""

    def __init__(self):
        read, write = os.pipe()
        self.server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                                       pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        deadline = time.time() + STEP_TIMEOUT
        while not number.endswith(b"\n") and time.time() < deadline:
            chunk = os.read(read, 16)
            if not chunk:
                break
            number += chunk
        os.close(read)
        if not number.strip():
            self.close()
            fail("Xvfb did not start")
        self.name = ":" + number.decode().strip()

    def close(self):
        self.server.terminate()
        try:
            self.server.wait(5)
        except subprocess.TimeoutExpired:
            self.server.kill()


class Viewer:
    """fdd-view with --trace; its frame lines are read as they come."""

    def __init__(self, program, display, arguments, work):
        env = dict(os.environ, DISPLAY=display, GSK_RENDERER="cairo", GDK_BACKEND="x11", NO_AT_BRIDGE="1")
        self.display = display
        self.process = subprocess.Popen([program, "--trace", "--save", os.path.join(work, "saved.png")] + arguments,
                                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env, text=True)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self.last = None
        self.frames = []
        self.progress = []

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line.rstrip("\n"))
        self.lines.put(None)

    def next_line(self, predicate, what):
        deadline = time.time() + STEP_TIMEOUT
        while time.time() < deadline:
            try:
                line = self.lines.get(timeout=deadline - time.time())
            except queue.Empty:
                break
            if line is None:
                fail("fdd-view ended while waiting for %s: %s" % (what, self.process.stderr.read()))
            self._take(line)
            if predicate(line):
                return line
        fail("no %s within %.0f s" % (what, STEP_TIMEOUT))

    def frame(self, predicate, what):
        """The first frame that satisfies predicate; later frames of the same burst are taken in too."""
        self.next_line(lambda line: line.startswith("frame ") and predicate(parse_frame(line)), what)
        self.settle()
        return self.last

    def settle(self):
        """Takes in the frames that follow within a short while."""
        while True:
            try:
                line = self.lines.get(timeout=0.4)
            except queue.Empty:
                return
            if line is None:
                return
            self._take(line)

    def _take(self, line):
        """Keeps the frames and the progress bar's fractions."""
        if line.startswith("frame "):
            self.last = parse_frame(line)
            self.frames.append(self.last)
        elif line.startswith("progress "):
            self.progress.append(float(line.split()[1]))

    def xdotool(self, *arguments):
        subprocess.run(["xdotool"] + [str(a) for a in arguments], env=dict(os.environ, DISPLAY=self.display),
                       check=True, timeout=STEP_TIMEOUT)

    def quit(self):
        """q closes the window; the program ends with 0."""
        self.xdotool("key", "q")
        self.process.wait(STEP_TIMEOUT)
        if self.process.returncode != 0:
            fail("fdd-view ended with %d" % self.process.returncode)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()


def parse_frame(line):
    fields = {}
    head, _, ticks = line.partition(" ticks=")
    for part in head.split()[2:]:
        key, _, value = part.partition("=")
        fields[key] = value
    frame = {"ms": float(fields["ms"]), "input_ms": float(fields["input_ms"]), "ticks": ticks.split("|"),
             "busy": int(fields["busy"]), "cut": int(fields["cut"]), "drawn_ms": float(fields["drawn_ms"]),
             "moved": int(fields["moved"])}
    frame["x"] = [float(v) for v in fields["x"].split(",")]
    frame["y"] = [float(v) for v in fields["y"].split(",")]
    frame["area"] = [float(v) for v in fields["area"].split(",")]
    frame["box"] = [float(v) for v in fields["box"].split(",")]
    frame["size"] = [int(v) for v in fields["size"].split("x")]
    boxes = [[float(v) for v in box.split(",")] for box in fields["text_boxes"].split(";") if box]
    # No two texts of a frame overlap, at any zoom (touching is allowed).
    for i, a in enumerate(boxes):
        for b in boxes[i + 1:]:
            if min(a[2], b[2]) - max(a[0], b[0]) > 1e-3 and min(a[3], b[3]) - max(a[1], b[1]) > 1e-3:
                fail("two texts overlap in frame %s: %s and %s" % (line.split()[1], a, b))
    frame["texts"] = len(boxes)
    return frame


def screenshot(display, png_path=None):
    """The root window as rows of (r, g, b), via xwd; also written as a PNG when asked."""
    data = subprocess.run(["xwd", "-root", "-silent", "-display", display], capture_output=True, check=True,
                          timeout=STEP_TIMEOUT).stdout
    header = struct.unpack(">25I", data[:100])
    header_size, width, height = header[0], header[4], header[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = header[7], header[11], header[12], header[19]
    if bits_per_pixel not in (24, 32):
        fail("unexpected screenshot format: %d bits a pixel" % bits_per_pixel)
    step = bits_per_pixel // 8
    start = header_size + 12 * ncolors
    rows = []
    for y in range(height):
        row = data[start + y * bytes_per_line: start + y * bytes_per_line + step * width]
        # Least significant byte first: blue, green, red; else the other way round.
        first, last = (2, 0) if byte_order == 0 else (step - 3, step - 1)
        green = (first + last) // 2
        rows.append([(row[step * x + first], row[step * x + green], row[step * x + last])
                     for x in range(width)])
    if png_path:
        raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)
        chunk = lambda kind, body: struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
        with open(png_path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                      chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))
    return rows


def window_origin(viewer):
    out = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "fdd-view", "getwindowgeometry"],
                         env=dict(os.environ, DISPLAY=viewer.display), capture_output=True, text=True,
                         timeout=STEP_TIMEOUT).stdout
    for line in out.splitlines():
        if "Position:" in line:
            x, y = line.split("Position:")[1].split()[0].split(",")
            return int(x), int(y)
    fail("window not found: " + out)


def is_curve(pixel):
    r, g, b = pixel
    # Coloured, neither white, grey nor black: the curve, not the axes or texts.
    return max(r, g, b) - min(r, g, b) > 60


def check_spike(rows, frame, origin):
    """At the whole view, the highest curve pixel lies in the spike's column."""
    left = origin[0] + frame["area"][0]
    top = origin[1] + frame["area"][1]
    l, t, r, b = frame["box"]
    x0, x1 = frame["x"]
    highest = None
    for y in range(int(top + t) + 1, int(top + b)):
        for x in range(int(left + l) + 1, int(left + r)):
            if is_curve(rows[y][x]):
                highest = (x, y)
                break
        if highest:
            break
    if not highest:
        fail("no curve pixel in the data box of the screenshot")
    expected = left + l + (SPIKE_AT - x0) / (x1 - x0) * (r - l)
    if abs(highest[0] - expected) > 2.0:
        fail("the spike is drawn at x=%d, the data says %.1f" % (highest[0], expected))


def run_curve(program, display, work):
    viewer = Viewer(program, display, ["curve", "--y", os.path.join(work, "curve.npy"), "--size", "1000x600"], work)
    try:
        # The first frames; the levels' end draws another.
        home = viewer.frame(lambda f: f["texts"] >= 10, "a first frame with its axes' texts")
        origin = window_origin(viewer)
        left, top = origin[0] + home["area"][0], origin[1] + home["area"][1]
        l, t, r, b = home["box"]
        centre = (int(left + (l + r) / 2), int(top + (t + b) / 2))
        rows = screenshot(display, os.path.join(work, "curve-home.png"))
        check_spike(rows, viewer.last, origin)
        width = home["x"][1] - home["x"][0]

        # The status line names the sample under the pointer: the spike's top in its pixel column.
        spike_x = left + l + (SPIKE_AT - home["x"][0]) / width * (r - l)
        spike_y = top + t + (home["y"][1] - 4.0) / (home["y"][1] - home["y"][0]) * (b - t)
        viewer.xdotool("mousemove", int(spike_x + 0.5), int(spike_y + 0.5))
        viewer.next_line(lambda line: line.startswith("status ") and ("#%d " % SPIKE_AT) in line, "the spike in the status line")

        viewer.xdotool("mousemove", centre[0], centre[1])
        time.sleep(0.3)
        viewer.xdotool("click", "--repeat", 3, "--delay", 50, 4)
        zoomed = viewer.frame(lambda f: f["x"][1] - f["x"][0] < 0.7 * width, "a zoomed frame after the wheel")
        mid = home["x"][0] + (centre[0] - left - l) / (r - l) * width
        if not zoomed["x"][0] < mid < zoomed["x"][1]:
            fail("the wheel did not zoom about the cursor")
        print("wheel: frame %.1f ms, input to frame %.1f ms" % (zoomed["ms"], zoomed["input_ms"]), flush=True)

        before = zoomed["x"]
        viewer.xdotool("mousedown", 1)
        viewer.xdotool("mousemove_relative", "--", 150, 0)
        viewer.xdotool("mousemove_relative", "--", 50, 0)
        viewer.xdotool("mouseup", 1)
        panned = viewer.frame(lambda f: f["x"][0] < before[0] - 1e-9, "a panned frame after the drag")
        if abs((panned["x"][1] - panned["x"][0]) - (before[1] - before[0])) > 1e-6 * (before[1] - before[0]):
            fail("the drag changed the zoom")

        before = panned["x"]
        viewer.xdotool("mousemove", centre[0] - 100, centre[1] - 60)
        viewer.xdotool("mousedown", 3)
        viewer.xdotool("mousemove", centre[0] - 20, centre[1] - 10)
        viewer.xdotool("mousemove", centre[0] + 100, centre[1] + 60)
        viewer.xdotool("mouseup", 3)
        boxed = viewer.frame(lambda f: f["x"][1] - f["x"][0] < 0.5 * (before[1] - before[0]), "a frame of the box")
        if not before[0] < boxed["x"][0] < boxed["x"][1] < before[1]:
            fail("the box zoom left the view it was drawn in")
        screenshot(display, os.path.join(work, "curve-zoomed.png"))

        viewer.xdotool("key", "Home")
        back = viewer.frame(lambda f: f["x"] == home["x"], "the whole data after Home")
        if back["ticks"] != home["ticks"]:
            fail("Home did not bring back the first frame's texts")

        viewer.xdotool("key", "s")
        viewer.next_line(lambda line: line.startswith("wrote "), "the saved picture")
        with open(os.path.join(work, "saved.png"), "rb") as saved:
            if saved.read(8) != b"\x89PNG\r\n\x1a\n":
                fail("s did not write a PNG")
        viewer.quit()
    finally:
        viewer.close()


def run_map(program, display, work):
    arguments = ["map", "--x", os.path.join(work, "x.npy"), "--z", os.path.join(work, "z.npy"), "--values",
                 os.path.join(work, "values.npy"), "--size", "900x700"]
    viewer = Viewer(program, display, arguments, work)
    try:
        home = viewer.frame(lambda f: True, "a first frame of the map")
        origin = window_origin(viewer)
        left, top = origin[0] + home["area"][0], origin[1] + home["area"][1]
        l, t, r, b = home["box"]
        viewer.xdotool("mousemove", int(left + (l + r) / 2), int(top + (t + b) / 2))
        viewer.next_line(lambda line: line.startswith("status ") and " value " in line, "the map's value in the status line")
        # A map drawn in less than a frame answers a wheel step with its own picture in the frame
        # that answers the input (checked where the last picture was that fast, with room to spare).
        for step in range(4):
            last = viewer.last
            count = len(viewer.frames)
            viewer.xdotool("click", 4 if step % 2 else 5)
            viewer.frame(lambda f: f["x"] != last["x"] and f["busy"] == 0, "the map after a wheel step")
            answer = viewer.frames[count]
            if last["drawn_ms"] < 5.0 and (answer["busy"] or answer["x"] == last["x"]):
                fail("a map drawn in %.1f ms was not waited for: %s" % (last["drawn_ms"], answer))
        viewer.xdotool("click", "--repeat", 2, "--delay", 50, 4)
        zoomed = viewer.frame(lambda f: f["x"][1] - f["x"][0] < 0.8 * (home["x"][1] - home["x"][0]), "a zoomed map")
        print("map wheel: frame %.1f ms, input to frame %.1f ms" % (zoomed["ms"], zoomed["input_ms"]), flush=True)
        rows = screenshot(display, os.path.join(work, "map-zoomed.png"))
        colours = {rows[int(top + (t + b) / 2)][int(left + x)] for x in range(int(l) + 2, int(r) - 2, 7)}
        if len(colours) < 5:
            fail("the zoomed map shows no colours")
        # A left drag pans the map: the view moves right by the pixels dragged, its width stays.
        x, y = int(left + (l + r) / 2), int(top + (t + b) / 2)
        viewer.xdotool("mousemove", x, y, "mousedown", 1, "mousemove", x - 30, y, "mousemove", x - 60, y, "mouseup", 1)
        width = zoomed["x"][1] - zoomed["x"][0]
        moved = 60 * width / (r - l)
        panned = viewer.frame(lambda f: f["x"][0] > zoomed["x"][0] + 0.5 * moved, "a panned map")
        if abs(panned["x"][0] - zoomed["x"][0] - moved) > 0.05 * moved or abs(panned["x"][1] - panned["x"][0] - width) > 1e-9 * width:
            fail("the drag did not pan the map by the pixels dragged: %s after %s" % (panned["x"], zoomed["x"]))
        print("map pan: frame %.1f ms, input to frame %.1f ms" % (panned["ms"], panned["input_ms"]), flush=True)
        viewer.xdotool("key", "Home")
        viewer.frame(lambda f: f["x"] == home["x"], "the whole map after Home")
        viewer.xdotool("key", "q")
        viewer.process.wait(STEP_TIMEOUT)
    finally:
        viewer.close()


def run_order_map(program, display, work):
    """An order map is drawn off the window's thread: a pan during the computation is answered at once
    with the last picture, Esc cuts the new one short, and the window and the program go on."""
    arguments = ["map", "--x", os.path.join(work, "order_x.npy"), "--z", os.path.join(work, "order_z.npy"), "--values",
                 os.path.join(work, "order_values.npy"), "--order", "--size", "900x700"]
    viewer = Viewer(program, display, arguments, work)
    try:
        home = viewer.frame(lambda f: f["busy"] == 0, "a first order map")
        origin = window_origin(viewer)
        left, top = origin[0] + home["area"][0], origin[1] + home["area"][1]
        l, t, r, b = home["box"]
        x, y = int(left + (l + r) / 2), int(top + (t + b) / 2)
        for attempt in range(3):
            # The drag starts a new picture; the frames that follow still show the last one.
            viewer.xdotool("mousemove", x, y, "mousedown", 1, "mousemove", x + 40, y + 10, "mousemove", x + 80, y + 20,
                           "mouseup", 1, "sleep", 0.02, "key", "Escape")
            cut = viewer.frame(lambda f: f["busy"] == 0 and f["x"] != home["x"], "the panned order map")
            if cut["cut"]:
                break
            home = cut
        else:
            fail("Esc never cut an order map short")
        answered = [f for f in viewer.frames if f["busy"] == 1]
        if not answered or max(f["ms"] for f in answered) > 100:
            fail("the window did not answer while the order map was computed: %s" % answered)
        # Meanwhile the new view's axes frame the last picture moved by the drag, laid out as the
        # view's own picture is.
        moved = [f for f in answered if f["moved"]]
        if not moved or any(f["x"] == home["x"] or (f["x"] == cut["x"] and f["box"] != cut["box"]) for f in moved):
            fail("the drag did not move the last picture into the new view's frame: %s" % moved)
        print("order map: %d frames answered while computing" % len(answered), flush=True)
        # The bar shows the rows done, not a pulse.
        if not any(0.0 < f < 1.0 for f in viewer.progress):
            fail("the progress bar showed no fraction of the order map's rows: %s" % viewer.progress)
        # Esc right after a key's pan, before that picture's computation has begun, still cuts it.
        viewer.xdotool("key", "--delay", 0, "Left", "Escape")
        early = parse_frame(viewer.next_line(lambda line: line.startswith("frame ") and parse_frame(line)["busy"] == 0 and
                                             parse_frame(line)["x"][0] < cut["x"][0], "the order map Esc came before"))
        if not early["cut"]:
            fail("Esc before the computation began did not cut it short")
        cut = early
        # The program goes on: a pan after the cut is drawn in full.
        viewer.xdotool("key", "Left")
        after = parse_frame(viewer.next_line(lambda line: line.startswith("frame ") and parse_frame(line)["busy"] == 0 and
                                             parse_frame(line)["x"][0] < cut["x"][0], "an order map after the cut"))
        if after["cut"]:
            fail("a picture after the cut was cut short too")
        print("order map: key to frame shown %.1f ms" % after["input_ms"], flush=True)
        # s computes the map again off the window's thread: a pan right after it is answered first.
        viewer.xdotool("key", "--delay", 0, "s", "Left")
        line = viewer.next_line(lambda line: line.startswith(("wrote ", "frame ")), "the pan or the saved order map")
        if line.startswith("wrote "):
            fail("s blocked the window until the order map was written")
        viewer.next_line(lambda line: line.startswith("wrote "), "the saved order map")
        viewer.xdotool("key", "q")
        viewer.process.wait(STEP_TIMEOUT)
        errors = viewer.process.stderr.read()
        if viewer.process.returncode != 0 or "interrupted" in errors:
            fail("fdd-view ended with %d: %s" % (viewer.process.returncode, errors))
    finally:
        viewer.close()


LONG_ROWS = 6_000_000


def write_long_csv(work):
    """A CSV of LONG_ROWS rows, which takes about a second to load; its path."""
    path = os.path.join(work, "long.csv")
    # Written a thousand rows at a time: each block is its number before the same thousand endings.
    block = ["%03d,%d\n" % (j, j % 977) for j in range(1000)]
    with open(path, "w") as out:
        out.write("t,v\n")
        for b in range(LONG_ROWS // 1000):
            out.write(str(b) + str(b).join(block))
    return path


def run_without_display(program, path):
    """Without a display, data that loads for longer than a frame ends as a small file does: one line,
    status 1."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    run = subprocess.run([program, "curve", "--x", path + ":t", "--y", path + ":v"], capture_output=True, text=True,
                         env=env, timeout=4 * STEP_TIMEOUT)
    if run.returncode != 1 or run.stderr != "fdd-view: cannot open a window (no display)\n":
        fail("no display, a long load: status %d, %r" % (run.returncode, run.stderr))


def run_loading(program, display, work, path):
    """Data that loads for longer than a frame opens the window with its progress bar meanwhile;
    Esc or q stops it, else the plot then shows in it."""
    rows = LONG_ROWS

    def window_shown():
        deadline = time.time() + STEP_TIMEOUT
        while subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^fdd-view$"], capture_output=True,
                             env=dict(os.environ, DISPLAY=display)).returncode != 0 and time.time() < deadline:
            time.sleep(0.02)

    # Esc or q while the file is read stops the reading: the window goes, fdd-view ends as cut short.
    for key in ("Escape", "q"):
        viewer = Viewer(program, display, ["curve", "--x", path + ":t", "--y", path + ":v"], work)
        try:
            window_shown()
            started = time.time()
            # Keys go to the window under the pointer.
            viewer.xdotool("mousemove", 200, 200, "key", key)
            line = viewer.next_line(lambda line: line.startswith(("loaded ", "frame ")), "the loading stopped")
            if line.startswith("loaded ") and "window=0" in line:
                # A starved machine woke the program only after the data was read: no loading to stop.
                print("loading: read before the window opened, %s not tried: %s" % (key, line), flush=True)
            else:
                if not line.startswith("loaded ") or "stopped=1" not in line:
                    fail("%s did not stop the loading: %s" % (key, line))
                viewer.process.wait(STEP_TIMEOUT)
                errors = viewer.process.stderr.read()
                if viewer.process.returncode != 130 or "loading stopped" not in errors:
                    fail("%s: fdd-view ended with %d: %s" % (key, viewer.process.returncode, errors))
                print("loading stopped %.0f ms after %s" % (1000 * (time.time() - started), key), flush=True)
        finally:
            viewer.close()

    viewer = Viewer(program, display, ["curve", "--x", path + ":t", "--y", path + ":v"], work)
    try:
        window_shown()
        line = viewer.next_line(lambda line: line.startswith("loaded ") or line.startswith("frame "), "the data loaded")
        if not line.startswith("loaded "):
            fail("a frame came before the data was loaded: " + line)
        fields = dict(part.partition("=")[::2] for part in line.split()[1:])
        print("loading: %s ms, window %s" % (fields["ms"], fields["window"]), flush=True)
        if float(fields["ms"]) > 150 and fields["window"] != "1":
            # A window is owed only when the program looked in time and found the data not yet read;
            # a starved machine may wake it after the data is read. A display that refused the
            # connection at that moment is the machine's fault, not the program's.
            if fields["owed"] == "1" and float(fields["decided_ms"]) <= 150:
                if fields["display"] == "1":
                    fail("the window did not open while the data loaded: " + line)
                print("loading: the display refused GTK while the data loaded: " + line, flush=True)
            print("loading: the program looked at %s ms, after the data was read" % fields["decided_ms"], flush=True)
        viewer.frame(lambda f: f["x"] == [0, rows - 1], "the loaded curve")
        viewer.quit()
    finally:
        viewer.close()


def run_log(program, display, work):
    """On a logarithmic x axis the wheel zooms about the cursor in decades, never below zero."""
    viewer = Viewer(program, display, ["curve", "--x", os.path.join(work, "decades.npy"), "--y",
                                       os.path.join(work, "decades.npy"), "--log-x", "--size", "800x500"], work)
    try:
        home = viewer.frame(lambda f: True, "a first frame of the logarithmic axis")
        origin = window_origin(viewer)
        left = origin[0] + home["area"][0]
        l, t, r, b = home["box"]
        at = 0.25
        viewer.xdotool("mousemove", int(left + l + at * (r - l)), int(origin[1] + home["area"][1] + (t + b) / 2))
        time.sleep(0.3)
        viewer.xdotool("click", "--repeat", 4, "--delay", 50, 5)
        wider = viewer.frame(lambda f: f["x"][1] / f["x"][0] > 1.5 * home["x"][1] / home["x"][0], "a frame zoomed out")
        import math
        before = math.log10(home["x"][0]) + at * (math.log10(home["x"][1]) - math.log10(home["x"][0]))
        after = math.log10(wider["x"][0]) + at * (math.log10(wider["x"][1]) - math.log10(wider["x"][0]))
        if not wider["x"][0] > 0 or abs(after - before) > 0.02 * (math.log10(wider["x"][1]) - math.log10(wider["x"][0])):
            fail("the wheel did not zoom about the cursor on the logarithmic axis: %s" % wider["x"])
        viewer.xdotool("key", "q")
        viewer.process.wait(STEP_TIMEOUT)
    finally:
        viewer.close()


def main():
    if len(sys.argv) != 3:
        fail(__doc__)
    program, work = sys.argv[1], sys.argv[2]
    for tool in ("Xvfb", "xdotool", "xwd"):
        if not shutil.which(tool):
            fail(tool + " is missing: run scripts/install-deps.sh")
    os.makedirs(work, exist_ok=True)
    # Messages of the data options fdd-view shares with fdd-plot name the program that says them.
    missing = subprocess.run([program, "curve", "--y", os.path.join(work, "missing.npy")], capture_output=True,
                             text=True, timeout=STEP_TIMEOUT)
    if missing.returncode != 1 or not missing.stderr.startswith("fdd-view: "):
        fail("a missing file: status %d, %r" % (missing.returncode, missing.stderr))
    make_data(work)
    long_csv = write_long_csv(work)
    run_without_display(program, long_csv)
    display = Display()
    try:
        run_curve(program, display.name, work)
        run_map(program, display.name, work)
        run_order_map(program, display.name, work)
        run_loading(program, display.name, work, long_csv)
        run_log(program, display.name, work)
    finally:
        display.close()
    print("fdd-view window test passed", flush=True)


if __name__ == "__main__":
    main()
