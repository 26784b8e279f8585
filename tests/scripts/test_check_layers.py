#!/usr/bin/env python3
"""scripts/check-layers over a copy of the source tree: each fault planted into the copy fails
the check with a line that names the planted file, a line the copy without it does not print.
(Whether the tree itself passes is the "layers" test.)

Usage: test_check_layers.py <source root>
"""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else __file__).resolve()
if ROOT.is_file():
    ROOT = ROOT.parent.parent.parent
CHECK = ROOT / "scripts" / "check-layers"
LAYERS = ("common", "platform", "shell", "calc", "cad")

# name, files to write (path -> text), a CORE list to extend (CMakeLists.txt, stem) or None,
# and the start of the line the check must print.
FAULTS = [
    ("core off its list in a calc folder",
     {"calc/cost/PlantedCore.h": '#pragma once\n#include "common/Numbers.h"\n'}, None,
     "calc/cost/PlantedCore.h: named as a core but not on the CORE list of calc/cost/CMakeLists.txt"),
    ("core source off its list in cad",
     {"cad/PlantedCore.cpp": '#include "common/Numbers.h"\n'}, None,
     "cad/PlantedCore.cpp: named as a core but not on the CORE list of cad/CMakeLists.txt"),
    ("core in a folder below the calc folder",
     {"calc/cost/parts/PlantedCore.h": "#pragma once\n"}, None,
     "calc/cost/parts/PlantedCore.h: named as a core but not on the CORE list"),
    ("listed core that includes platform",
     {"calc/cost/PlantedCore.cpp": '#include "platform/TextReport.h"\n'}, ("calc/cost/CMakeLists.txt", "PlantedCore"),
     "calc/cost/PlantedCore.cpp:1: calc/cost core must not include platform/TextReport.h"),
    ("platform that includes the window runtime",
     {"platform/Planted.cpp": '#include "common/ui/FormBase.h"\n'}, None,
     "platform/Planted.cpp:1: platform must not include common/ui/FormBase.h (common/ui)"),
    ("common that includes the window runtime",
     {"common/Planted.cpp": '#include "common/ui/FormBase.h"\n'}, None,
     "common/Planted.cpp:1: common must not include common/ui/FormBase.h (common/ui)"),
    ("common that includes the window runtime in angle brackets",
     {"common/Planted.cpp": "#include <common/ui/FormBase.h>\n"}, None,
     "common/Planted.cpp:1: common must not include common/ui/FormBase.h (common/ui)"),
    # Qt modules other than QtCore in widget-free code, in each form that names a header.
    ("common header that names a widget with its module",
     {"common/Planted.h": "#pragma once\n#include <QtWidgets/QWidget>\n"}, None,
     "common/Planted.h:2: common must not include QtWidgets/QWidget (QtWidgets"),
    ("common that names a widget's lower-case header with its module",
     {"common/Planted.cpp": "#include <QtWidgets/qlabel.h>\n"}, None,
     "common/Planted.cpp:1: common must not include QtWidgets/qlabel.h (QtWidgets"),
    ("listed core that includes QtGui in quotes",
     {"calc/cost/PlantedCore.cpp": '#include "QtGui/QColor"\n'}, ("calc/cost/CMakeLists.txt", "PlantedCore"),
     "calc/cost/PlantedCore.cpp:1: calc/cost core must not include QtGui/QColor (QtGui"),
    ("header-only core that names a widget without its module",
     {"calc/cost/PlantedCore.h": "#pragma once\n#include <QLabel>\n"}, ("calc/cost/CMakeLists.txt", "PlantedCore"),
     "calc/cost/PlantedCore.h:2: calc/cost core must not include QLabel (QtWidgets"),
    ("cad core that includes a whole module",
     {"cad/protocol/Planted.cpp": "#include <QtNetwork>\n"}, None,
     "cad/protocol/Planted.cpp:1: cad core must not include QtNetwork (QtNetwork"),
]

# Qt includes that must pass: QtCore in every form in widget-free code, and the other modules
# where widgets are at home.
ALLOWED_QT = {
    "common/PlantedQtCore.h": ("#pragma once\n#include <QtCore/QString>\n#include \"QtCore/qstring.h\"\n"
                               "#include <QtCore>\n#include <QtEndian>\n#include <qglobal.h>\n#include <vector>\n"),
    "common/ui/Planted.cpp": "#include <QtWidgets/QLabel>\n#include <QWidget>\n",
    "platform/Planted.cpp": "#include <QtGui/QColor>\n#include <QtSql>\n",
    "calc/cost/PlantedWindow.cpp": "#include <QtWidgets/QWidget>\n#include <QtGui/qcolor.h>\n",
}


def copy_tree(target):
    """The layer folders of the tree: sources and the CMake lists that hold the CORE lists."""
    keep = shutil.ignore_patterns("*.svg", "*.png", "*.xls", "*.tsv", "*.sql", "*.md")
    for folder in LAYERS:
        shutil.copytree(ROOT / folder, target / folder, ignore=keep)


def run_check(root):
    return subprocess.run([sys.executable, str(CHECK), str(root)], capture_output=True, text=True)


def add_to_core_list(lists, stem):
    text = lists.read_text(encoding="utf-8")
    at = text.index(" CORE ") + len(" CORE ")
    lists.write_text(text[:at] + stem + " " + text[at:], encoding="utf-8")


class CheckLayers(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.TemporaryDirectory()
        cls.pristine = pathlib.Path(cls.work.name) / "pristine"
        copy_tree(cls.pristine)
        cls.before = run_check(cls.pristine).stderr.splitlines()

    @classmethod
    def tearDownClass(cls):
        cls.work.cleanup()

    def test_each_planted_fault_fails_and_is_named(self):
        for name, files, listed, expected in FAULTS:
            with self.subTest(name), tempfile.TemporaryDirectory() as scratch:
                self.assertFalse(any(line.startswith(expected) for line in self.before))
                root = pathlib.Path(scratch) / "tree"
                shutil.copytree(self.pristine, root)
                for path, text in files.items():
                    (root / path).parent.mkdir(parents=True, exist_ok=True)
                    (root / path).write_text(text, encoding="utf-8")
                if listed:
                    add_to_core_list(root / listed[0], listed[1])
                result = run_check(root)
                self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
                self.assertTrue(any(line.startswith(expected) for line in result.stderr.splitlines()),
                                result.stderr)
                self.assertNotIn("layers: ok", result.stdout)

    def test_qt_core_in_widget_free_code_and_widgets_elsewhere_pass(self):
        with tempfile.TemporaryDirectory() as scratch:
            root = pathlib.Path(scratch) / "tree"
            shutil.copytree(self.pristine, root)
            for path, text in ALLOWED_QT.items():
                (root / path).write_text(text, encoding="utf-8")
            result = run_check(root)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertIn("layers: ok", result.stdout)


if __name__ == "__main__":
    unittest.main()
