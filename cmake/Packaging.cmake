# Debian packages made by CPack (`cpack -G DEB` in the build folder), one per install component:
#   libqvtfddrep0     the shared libraries
#   libqvtfddrep-dev  headers, CMake package files, the pkg-config file
#   fdd-tools         fdd-plot, fdd-view, their manual pages and bash completion
#   python3-fddplot   the Python module
# Configure the build for packages with -DCMAKE_INSTALL_PREFIX=/usr -DFDD_SYSTEM_INSTALL=ON: the
# libraries then lie where the dynamic linker looks, and nothing carries a run path.
set(FDD_PACKAGE_NAMES libraries libqvtfddrep0 dev libqvtfddrep-dev tools fdd-tools python python3-fddplot)
set(FDD_PACKAGE_SUMMARY_libraries "drawable objects of a function display (shared libraries)")
set(FDD_PACKAGE_SUMMARY_dev "drawable objects of a function display (development files)")
set(FDD_PACKAGE_SUMMARY_tools "plots of sampled functions from data files and in a window")
set(FDD_PACKAGE_SUMMARY_python "plots of sampled functions from Python and NumPy")

set(FDD_PACKAGE_LONG "QVTFddRep draws plots of sampled functions of one or two variables:\naxes whose texts never overlap, curves reduced to pixel resolution,\ncolour maps with linear and order interpolation and contribution bars,\ninto PNG, SVG and PDF through Cairo.")

# Each package's copyright and changelog, as Debian's policy asks of every package.
string(TIMESTAMP FDD_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(FDD_PACKAGE_MAINTAINER "QVTFddRep developers <qvtfddrep@example.org>")
list(LENGTH FDD_PACKAGE_NAMES lCount)
math(EXPR lLast "${lCount} - 1")
foreach(i RANGE 0 ${lLast} 2)
  math(EXPR j "${i} + 1")
  list(GET FDD_PACKAGE_NAMES ${i} lComponent)
  list(GET FDD_PACKAGE_NAMES ${j} lPackage)
  set(lChangelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/${lPackage}/changelog)
  file(WRITE ${lChangelog}
       "${lPackage} (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
       "  * Built from the QVTFddRep sources.\n\n"
       " -- ${FDD_PACKAGE_MAINTAINER}  ${FDD_PACKAGE_DATE}\n")
  execute_process(COMMAND gzip -9nf ${lChangelog} RESULT_VARIABLE lZipped)
  install(FILES ${lChangelog}.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${lPackage} COMPONENT ${lComponent})
  string(TOUPPER ${lComponent} lUpper)
  set(CPACK_DEBIAN_${lUpper}_PACKAGE_NAME ${lPackage})
  set(CPACK_DEBIAN_${lUpper}_DESCRIPTION "${FDD_PACKAGE_SUMMARY_${lComponent}}\n${FDD_PACKAGE_LONG}")
endforeach()

set(CPACK_PACKAGE_NAME qvtfddrep)
set(CPACK_PACKAGE_VENDOR "QVTFddRep developers")
set(CPACK_PACKAGE_CONTACT "${FDD_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_COMPONENTS_ALL libraries dev tools python)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
set(CPACK_DEBIAN_LIBRARIES_PACKAGE_SECTION libs)
set(CPACK_STRIP_FILES ON)
# Dependencies on Debian's libraries come from the binaries themselves; the packages' own
# libraries are found in the libraries package while it is made.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/Host ${CMAKE_BINARY_DIR}/QVTFunctionDisplayD)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY "=")
set(lSame "libqvtfddrep0 (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "${lSame}, libcairo2-dev")
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "${lSame}, fonts-dejavu-core")
set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "${lSame}, ${FDD_PYTHON_DEPENDS}, fonts-dejavu-core")
set(CPACK_DEBIAN_LIBRARIES_PACKAGE_DEPENDS "fonts-dejavu-core")
# The dynamic linker's cache is renewed by a trigger, not by scripts of the package's own.
set(CPACK_DEBIAN_LIBRARIES_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers
    ${PROJECT_SOURCE_DIR}/packaging/postinst ${PROJECT_SOURCE_DIR}/packaging/postrm)
set(CPACK_COMPONENT_LIBRARIES_DISPLAY_NAME "QVTFddRep libraries")
include(CPack)
