#!/usr/bin/env python3
"""scripts/check-strings over small tables written by the test: a sound table passes, and each
fault fails with a line that names it.

Usage: test_check_strings.py <source root>
"""
import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else __file__).resolve()
if ROOT.is_file():
    ROOT = ROOT.parent.parent.parent
CHECK = ROOT / "scripts" / "check-strings"
HEADER = "id\tzh-CN\tzh-TW\ten-US\n"

# name, the rows after the header, and the problem the check must name (None: it passes).
TABLES = [
    ("sound rows", "1\t甲\t甲\tA\n2\t乙\t乙\tB\n", None),
    ("a repeated id", "1\t甲\t甲\tA\n1\t乙\t乙\tB\n", "line 3: id 1 repeated"),
    ("an id out of order", "2\t甲\t甲\tA\n1\t乙\t乙\tB\n", "line 3: id 1 out of order"),
    ("a row of three cells", "1\t甲\tA\n", "line 2: 3 cells, expected 4"),
    ("an unknown escape", "1\t甲\\q\t甲\tA\n", "line 2: id 1 zh-CN: unknown escape \\q"),
    ("an empty Simplified text", "1\t甲\t甲\tA\n2\t\t乙\tB\n", "line 3: id 2 zh-CN: empty text"),
    ("an empty Traditional text, not filled in", "1\t甲\t\tA\n", "line 2: id 1 zh-TW: empty text"),
    ("an empty English text", "1\t甲\t甲\t\n", "line 2: id 1 en-US: empty text"),
]


class CheckStrings(unittest.TestCase):
    def test_each_table(self):
        for name, rows, problem in TABLES:
            with self.subTest(name), tempfile.TemporaryDirectory() as scratch:
                table = pathlib.Path(scratch) / "strings.tsv"
                table.write_text(HEADER + rows, encoding="utf-8")
                result = subprocess.run([sys.executable, str(CHECK), str(table)], capture_output=True, text=True)
                if problem is None:
                    self.assertEqual(result.returncode, 0, result.stderr)
                else:
                    self.assertEqual(result.returncode, 1, result.stdout)
                    self.assertIn(f"{table}: {problem}", result.stderr.splitlines())


if __name__ == "__main__":
    unittest.main()
