"""Writes the type stubs of fddplot (fddplot.pyi) from the module's own tables of options, so that
an editor completes every keyword argument with its type and default. Run at build time:
make_stubs.py OUTPUT, with the built module on the path."""
import sys

import fddplot

HEAD = '''"""Type stubs of fddplot, made from its tables of options at build time."""
from os import PathLike
from typing import Optional, Sequence, Tuple, Union

import numpy as np
import numpy.typing as npt

Data = Union[npt.ArrayLike, str, PathLike]
Part = Tuple[float, float, float, float]

__version__: str

'''

POSITIONAL = {"curve": ["y", "x"], "map": ["x", "z", "values"], "probe": ["x", "z", "values"],
              "contribution": ["x", "y"], "spectrum": ["signal", "rate"], "spectrogram": ["signal", "rate"],
              "runup": ["signal", "rate"]}
Arrays = "Tuple[npt.NDArray[np.float64], ...]"


def parameters(kind, picture):
    written, bare = [], True
    for name, _, default, kind_type, required, of_picture in fddplot._options(kind):
        if of_picture and not picture:
            continue
        bare = bare and required and name in POSITIONAL[kind]
        written.append(name + ": " + kind_type + ("" if bare else " = " + ("None" if required else default)))
    return written


def main(path):
    lines = [HEAD, "class Figure:\n",
             "    def __init__(self, size: Union[Tuple[int, int], str] = (1000, 600)) -> None: ...\n",
             "    @property\n    def size(self) -> Tuple[int, int]: ...\n",
             "    @property\n    def plots(self) -> int: ...\n"]
    for kind in ("curve", "map", "contribution"):
        arguments = ", ".join(["self"] + parameters(kind, False) + ["part: Optional[Part] = None"])
        lines.append("    def add_%s(%s) -> None: ...\n" % (kind, arguments))
    lines += ["    def add_plot(self, kind: str, **arguments: object) -> None: ...\n",
              "    def save(self, path: Union[str, PathLike]) -> None: ...\n",
              "    def to_array(self) -> npt.NDArray[np.uint8]: ...\n",
              "    def _repr_png_(self) -> bytes: ...\n",
              "    def probe(self, at: Union[Tuple[float, float], str], plot: int = 0) -> Optional[float]: ...\n\n"]
    for kind in ("curve", "map", "contribution"):
        lines.append("def %s(%s) -> Figure: ...\n" % (kind, ", ".join(parameters(kind, True))))
    lines.append("def probe(%s) -> Optional[float]: ...\n" % ", ".join(parameters("probe", True)))
    for kind in ("spectrum", "spectrogram", "runup"):
        lines.append("def %s(%s) -> Figure: ...\n" % (kind, ", ".join(parameters(kind, True))))
        lines.append("def %s_values(%s) -> %s: ...\n" % (kind, ", ".join(parameters(kind, True)), Arrays))
    with open(path, "w") as stub:
        stub.writelines(lines)


if __name__ == "__main__":
    main(sys.argv[1])
