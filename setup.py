"""Builds fddplot with the project's CMake (Release, the fddplot target alone) and places the
module, its type stubs and the project's shared libraries in the package: the module finds the
libraries in fddplot.libs/ beside it through its run path ($ORIGIN), so nothing needs
LD_LIBRARY_PATH. The version is the CMake project's."""
import os
import re
import shutil
import subprocess
import sys
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).resolve().parent


def version():
    text = (ROOT / "CMakeLists.txt").read_text()
    return re.search(r"project\(QVTFddRep VERSION ([0-9.]+)", text).group(1)


class CMakeBuild(build_ext):
    def build_extension(self, extension):
        build = Path(self.build_temp).resolve() / "cmake"
        configure = ["cmake", "-S", str(ROOT), "-B", str(build), "-DCMAKE_BUILD_TYPE=Release",
                     "-DFDD_BUILD_TESTS=OFF", "-DFDD_BUILD_BENCH=OFF", "-DFDD_BUILD_APPS=OFF",
                     "-DFDD_BUILD_PYTHON=ON", "-DFDD_PYTHON_WHEEL=ON", "-DPython_EXECUTABLE=" + sys.executable]
        if shutil.which("ninja") and not (build / "CMakeCache.txt").exists():
            configure += ["-G", "Ninja"]
        subprocess.check_call(configure)
        subprocess.check_call(["cmake", "--build", str(build), "--target", "fddplot", "fddplot-stubs",
                               "--parallel", str(os.cpu_count() or 2)])
        # Installed, the files carry their run paths for the wheel: the module's fddplot.libs/, the
        # libraries' each other.
        staging = build / "staging"
        shutil.rmtree(staging, ignore_errors=True)
        for component in ("python", "libraries"):
            subprocess.check_call(["cmake", "--install", str(build), "--prefix", str(staging), "--component", component])
        target = Path(self.get_ext_fullpath(extension.name)).resolve()
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy2(next(staging.rglob("fddplot*.so")), target)
        shutil.copy2(next(staging.rglob("fddplot.pyi")), target.parent / "fddplot.pyi")
        # The libraries under the names the module asks for (their sonames).
        libraries = target.parent / "fddplot.libs"
        libraries.mkdir(exist_ok=True)
        for library in staging.rglob("lib*.so.*"):
            if re.fullmatch(r"lib\w+\.so\.\d+", library.name):
                shutil.copy2(library.resolve(), libraries / library.name)

# setuptools' own build folder is kept apart from CMake's build/ of the source tree.
setup(version=version(), options={"build": {"build_base": "build-wheel"}}, ext_modules=[Extension("fddplot", sources=[])], cmdclass={"build_ext": CMakeBuild},
      py_modules=[], zip_safe=False)
