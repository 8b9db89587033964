"""fdd-plot, fdd-view and fddplot are one front end: every option of every kind of plot is taken by
all three with the same default, and a value is refused with the same words."""
import os
import re
import subprocess

import numpy as np
import pytest

import fddplot

PROGRAMS = {name: os.environ.get(variable) for name, variable in (("fdd-plot", "FDD_PLOT"), ("fdd-view", "FDD_VIEW"))}
KINDS = {"curve": ("fdd-plot", "fdd-view"), "map": ("fdd-plot", "fdd-view"), "probe": ("fdd-plot",),
         "contribution": ("fdd-plot",), "spectrum": ("fdd-plot", "fdd-view"), "spectrogram": ("fdd-plot", "fdd-view"),
         "runup": ("fdd-plot", "fdd-view")}


def run(program, arguments):
    path = PROGRAMS[program]
    if not path:
        pytest.skip(program + " is not built")
    environment = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    return subprocess.run([path] + arguments, capture_output=True, text=True, env=environment, timeout=60)


def command_line_default(default):
    """How the command line's help shows a default that Python shows as `default`."""
    if default in ("None", "False", "required", "''"):
        return ""
    size = re.fullmatch(r"\((\d+), (\d+)\)", default)
    return size.group(1) + "x" + size.group(2) if size else default.strip("'")


@pytest.mark.parametrize("kind", sorted(KINDS))
def test_every_option_is_everywhere_with_its_default(kind):
    doc = getattr(fddplot, kind).__doc__
    for program in KINDS[kind]:
        helped = run(program, [kind, "--help"]).stdout
        for python_name, name, default, *_ in fddplot._options(kind):
            line = re.search(r"^\s+--" + re.escape(name) + r"\b.*$", helped, re.MULTILINE)
            assert line, (program, kind, name)
            shown = command_line_default(default)
            assert ("=" + shown in line.group(0)) if shown else "=" not in line.group(0).split("  ")[0], line.group(0)
            assert python_name + " (default " + default + ")" in doc, (kind, python_name)


@pytest.fixture(scope="module")
def data(tmp_path_factory):
    folder = tmp_path_factory.mktemp("front-end")
    files = {"line": np.linspace(1, 2, 101), "short": np.arange(5.0), "x": np.linspace(1, 10, 101),
             "z": np.arange(1.0, 4.0), "values": np.ones((3, 101)),
             "signal": np.sin(0.1 * np.arange(8192.0)), "constant": np.ones(1000), "speed": np.full(8192, 1000.0)}
    for name, values in files.items():
        np.save(folder / (name + ".npy"), values)
    return lambda name: str(folder / (name + ".npy"))


# Each case: a kind and its command line (without -o); the same options go to Python as keywords.
REFUSALS = [
    ("curve", ["--y", "line", "--x-limits", "5,1"]),
    ("curve", ["--y", "line", "--log-y", "--y-limits", "-1,100"]),
    ("curve", ["--y", "line", "--size", "10x600"]),
    ("curve", ["--y", "line", "--color", "nope"]),
    ("curve", ["--y", "line", "--line-width", "100"]),
    ("curve", ["--y", "line", "--legend", "middle"]),
    ("curve", ["--y", "line", "--label", "a", "--label", "b"]),
    ("curve", ["--y", "line", "--cursor", "5,1"]),
    ("curve", ["--y", "missing"]),
    ("map", ["--x", "x", "--z", "z", "--values", "values", "--order", "--tolerance", "0"]),
    ("map", ["--x", "x", "--z", "z", "--values", "values", "--order", "--z-factor", "-1"]),
    ("map", ["--x", "x", "--z", "z", "--values", "values", "--shading", "bad"]),
    ("map", ["--x", "x", "--z", "z", "--values", "values", "--colors", "pink"]),
    ("map", ["--x", "x", "--z", "z", "--values", "values", "--log-values", "--value-limits", "0,10"]),
    ("map", ["--x", "x", "--z", "z", "--values", "values", "--log-x", "--x-limits", "-5,100"]),
    ("map", ["--z", "z", "--values", "values"]),
    ("map", ["--x", "x", "--x-rows", "values", "--z", "z", "--values", "values"]),
    ("map", ["--x", "short", "--z", "z", "--values", "values"]),
    ("probe", ["--x", "x", "--z", "z", "--values", "values", "--at", "here"]),
    ("contribution", ["--x", "x", "--y", "line", "--direction", "up"]),
    ("contribution", ["--x", "x", "--y", "short"]),
    ("contribution", ["--x", "x", "--y", "line", "--log-x", "--x-limits", "-5,100"]),
    ("spectrum", ["--signal", "signal", "--rate", "100", "--nfft", "0"]),
    ("spectrum", ["--signal", "signal", "--rate", "100", "--overlap", "1"]),
    ("spectrum", ["--signal", "signal", "--rate", "100", "--window", "kaiser"]),
    ("spectrum", ["--signal", "signal", "--rate", "-5"]),
    ("spectrum", ["--signal", "constant", "--rate", "100", "--nfft", "256"]),
    ("spectrum", ["--signal", "short", "--rate", "100"]),
    ("spectrogram", ["--signal", "signal", "--rate", "100", "--scaling", "amplitude"]),
    ("spectrogram", ["--signal", "signal", "--rate", "100", "--nfft", "16384"]),
    ("runup", ["--signal", "signal", "--rate", "100"]),
    ("runup", ["--signal", "signal", "--rate", "100", "--rpm", "speed", "--order-cut", "two"]),
    ("runup", ["--signal", "signal", "--rate", "100", "--tacho", "constant"]),
    ("runup", ["--signal", "signal", "--rate", "100", "--rpm", "speed", "--rpm-step", "0"]),
]


DATA_OPTIONS = ("x", "y", "z", "values", "x_rows", "signal", "rpm", "tacho")


def keywords(arguments, data):
    """The command line's options as Python's keyword arguments (a flag is True, a repeated option a list)."""
    found = {}
    i = 0
    while i < len(arguments):
        name = arguments[i][2:].replace("-", "_")
        flag = i + 1 == len(arguments) or arguments[i + 1].startswith("--")
        value = True if flag else arguments[i + 1]
        if name in DATA_OPTIONS:
            value = data(value)
        found[name] = found[name] + [value] if name in found and isinstance(found[name], list) else (
            [found[name], value] if name in found else value)
        i += 1 if flag else 2
    return found


@pytest.mark.parametrize("kind, arguments", REFUSALS, ids=[" ".join(a[-2:]) for _, a in REFUSALS])
def test_a_value_is_refused_with_the_same_words_by_all_three(kind, arguments, data, tmp_path):
    named = [data(a) if i > 0 and arguments[i - 1][2:].replace("-", "_") in DATA_OPTIONS else a
             for i, a in enumerate(arguments)]
    with pytest.raises((ValueError, TypeError)) as raised:
        getattr(fddplot, kind)(**keywords(arguments, data))
    output = [] if kind == "probe" else ["-o", str(tmp_path / "a.png")]
    for program in KINDS[kind]:
        if program == "fdd-view":
            output = []
        done = run(program, [kind] + named + output)
        assert done.returncode in (1, 2), (program, done.stderr)
        message = done.stderr.strip().split("\n")[-1]
        assert message.startswith(program + ": "), message
        spelt = re.sub(r"--([a-z0-9-]+)", lambda m: m.group(1).replace("-", "_"), message[len(program) + 2:])
        assert spelt == str(raised.value), (program, message)


@pytest.mark.parametrize("call, equal", [
    (lambda: fddplot.map(np.arange(3.0), np.arange(2.0), np.ones((2, 3)), x_limits=(3, 1)),
     lambda: fddplot.map(np.arange(3.0), np.arange(2.0), np.ones((2, 3)), x_limits="3,1")),
    (lambda: fddplot.curve(np.arange(3.0), size=(10, 600)), lambda: fddplot.curve(np.arange(3.0), size="10x600")),
])
def test_tuples_are_read_as_the_command_line_writes_them(call, equal):
    messages = []
    for attempt in (call, equal):
        with pytest.raises(ValueError) as raised:
            attempt()
        messages.append(str(raised.value))
    assert messages[0] == messages[1]


def test_stats_print_the_cursor_table_as_fdd_plot_does(data, capsys):
    done = run("fdd-plot", ["curve", "--y", data("line"), "--x", data("x"), "--cursor", "2,7", "--stats",
                            "-o", os.path.join(os.path.dirname(data("x")), "stats.png")])
    assert done.returncode == 0, done.stderr
    fddplot.curve(y=data("line"), x=data("x"), cursor=(2, 7), stats=True)
    printed = capsys.readouterr().out
    assert printed.startswith("curve,x_a,x_b") and printed == done.stdout
    # fdd-view prints the table before it opens its window (here there is no display to open).
    assert run("fdd-view", ["curve", "--y", data("line"), "--x", data("x"), "--cursor", "2,7", "--stats"]).stdout == printed
