#!/usr/bin/env python3
"""Checks that every #include keeps to the layers of the program.

All folders share the repository root as include directory, so the compiler
would accept any header from anywhere; this check does not. The layers:
toolkit (with the pictures in resources) at the bottom, the test methods
hardness, tensile, impact and fatigue on it, each independent of the others,
and app on top. evaluation (the evaluation of one's own measurements) sits
beside the test methods and uses Qt Core and GSL alone, no toolkit and no
widgets; its windows (evaluation_windows) sit on it, the toolkit and Qt Charts. Tests of a folder may include what that folder may, the folder
itself and tests/common; benchmarks and fuzz harnesses anything but tests.
Qt Charts belongs to the chart widget, Qt Svg and Qt Print Support to the
printing part (both loaded when first needed), JPEG to the toolkit's
decoder, GSL to the evaluation library, Qt Test to the tests.
Usage: check_includes.py SOURCE_DIR"""
import glob
import os
import re
import sys

SUBSYSTEMS = ["hardness", "tensile", "impact", "fatigue"]
PROGRAM = ["resources", "toolkit", *SUBSYSTEMS, "evaluation", "evaluation_windows", "app"]
ALLOWED = {
    "resources": {"resources"},
    "toolkit": {"toolkit", "resources"},
    **{s: {s, "toolkit", "resources"} for s in SUBSYSTEMS},
    "evaluation": {"evaluation"},
    "evaluation_windows": {"evaluation_windows", "evaluation", "toolkit", "resources"},
    "app": set(PROGRAM),
}
ALLOWED["tests/common"] = {"tests/common", "toolkit", "resources"}
for folder in PROGRAM:
    ALLOWED["tests/" + folder] = ALLOWED[folder] | {folder, "tests/common", "tests/" + folder}
ALLOWED["tests/render"] = ALLOWED["app"] | {"tests/render"}
ALLOWED["tests/parts"] = ALLOWED["app"] | {"tests/parts", "tests/common"}
ALLOWED["bench"] = set(PROGRAM) | {"bench"}
ALLOWED["fuzz"] = set(PROGRAM) | {"fuzz"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def qt_headers(module):
    """The header names of an installed Qt module (QChartView, qchart.h, ...)."""
    names = set()
    for d in glob.glob("/usr/include/*/qt6/" + module) + glob.glob("/usr/include/qt6/" + module):
        names.update(os.listdir(d))
    return names | {module}


# Library headers and the files that may use them (prefixes of paths).
LIBRARY_USERS = [
    ({"jpeglib.h", "jerror.h", "jconfig.h", "jmorecfg.h"}, ["toolkit/jpeg.cpp"]),
    (qt_headers("QtCharts"), ["hardness/hardness_chart.", "evaluation_windows/", "tests/", "bench/"]),
    (qt_headers("QtSvg") | qt_headers("QtPrintSupport"), ["toolkit/printing.", "tests/", "bench/"]),
    (qt_headers("QtTest"), ["tests/"]),
    # Qt's GUI modules have no place in the evaluation library.
    (qt_headers("QtGui") | qt_headers("QtWidgets"), ["toolkit/", "hardness/", "tensile/", "impact/", "fatigue/",
                                                      "evaluation_windows/", "app/", "tests/", "bench/", "fuzz/"]),
]
# Headers of a library by the folder they are included from (<gsl/gsl_fit.h>).
LIBRARY_FOLDERS = [("gsl", ["evaluation/"])]


def folder_of(path):
    """The layer a file belongs to: its top folder, or tests/<folder>."""
    parts = path.split("/")
    if parts[0] == "tests" and len(parts) > 2:
        return "tests/" + parts[1]
    return parts[0]


def main():
    root = os.path.abspath(sys.argv[1])
    problems = []
    checked = 0
    for layer in ALLOWED:
        for path in sorted(glob.glob(os.path.join(root, layer, "**", "*.[ch]*"), recursive=True)):
            if not path.endswith((".h", ".cpp")):
                continue
            rel = os.path.relpath(path, root)
            if folder_of(rel) != layer:
                continue
            checked += 1
            for number, line in enumerate(open(path, encoding="utf-8", errors="replace"), 1):
                m = INCLUDE.match(line)
                if not m:
                    continue
                kind, name = m.groups()
                where = "%s:%d" % (rel, number)
                base = name.split("/")[-1]
                for headers, users in LIBRARY_USERS:
                    if (name in headers or base in headers and "/" in name and name.split("/")[0] in headers) \
                            and not rel.startswith(tuple(users)):
                        problems.append("%s: <%s> may be used only in %s" % (where, name, ", ".join(users)))
                for folder, users in LIBRARY_FOLDERS:
                    if name.startswith(folder + "/") and not rel.startswith(tuple(users)):
                        problems.append("%s: <%s> may be used only in %s" % (where, name, ", ".join(users)))
                if kind != '"':
                    continue
                beside = os.path.normpath(os.path.join(os.path.dirname(rel), name))
                if os.path.exists(os.path.join(root, beside)):
                    target = beside
                elif os.path.exists(os.path.join(root, name)):
                    target = os.path.normpath(name)
                else:
                    continue  # generated (moc output)
                target_layer = folder_of(target)
                if target_layer not in ALLOWED[layer]:
                    problems.append("%s: includes %s across the layers (%s may include %s)"
                                    % (where, target, layer, ", ".join(sorted(ALLOWED[layer]))))
    for p in problems:
        print(p)
    print("%d files checked, %d includes across the layers" % (checked, len(problems)))
    return 1 if problems or checked == 0 else 0


sys.exit(main())
