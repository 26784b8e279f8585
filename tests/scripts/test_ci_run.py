#!/usr/bin/env python3
"""CI on a fresh machine, played with stand-in commands that record what they are asked: the
setup installs every missing package (the formatter among them, with sudo when not root), and
.ci/run installs before it checks the formatting, stops on a misformatted file before it builds,
and ends with the README's test command.

Usage: test_ci_run.py <source root>
"""
import pathlib
import shutil
import stat
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else __file__).resolve()
if ROOT.is_file():
    ROOT = ROOT.parent.parent.parent
BASH = shutil.which("bash")

# A machine with nothing installed, as a user who is not root: sudo passes on only PATH (and the
# log), as its default of resetting the environment does.
MACHINE = {
    "dpkg-query": "exit 1\n",
    "id": '[ "$1" = -u ] && echo 1000\n',
    "sudo": 'echo "sudo $*" >> "$LOG"\nexec /usr/bin/env -i PATH="$PATH" LOG="$LOG" "$@"\n',
    "apt-get": 'echo "apt-get DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-} $*" >> "$LOG"\n',
    "cmake": 'echo "cmake $*" >> "$LOG"\n',
}

# A setup that brings the formatter with it, and a formatter that fails on a misformatted file.
CI_SETUP = """echo setup "$@" >> "$LOG"
printf '%s\\n' '#!/bin/sh' 'echo "clang-format $*" >> "$LOG"' \\
  'for f in "$@"; do case "$f" in *Misformatted*) exit 1;; esac; done' > "$BIN/clang-format"
/bin/chmod +x "$BIN/clang-format"
"""


def write_script(path, body):
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text("#!/bin/sh\n" + body, encoding="utf-8")
    path.chmod(path.stat().st_mode | stat.S_IXUSR)


def readme_test_command():
    """The command after "./scripts/setup &&" on the README's line that runs the tests."""
    for line in (ROOT / "README.md").read_text(encoding="utf-8").splitlines():
        if line.strip().startswith("./scripts/setup &&") and "ctest" in line:
            return line.split("&&", 1)[1].strip()
    raise AssertionError("README.md names no test command")


class Setup(unittest.TestCase):
    def run_setup(self, *args):
        with tempfile.TemporaryDirectory() as scratch:
            scratch = pathlib.Path(scratch)
            setup = scratch / "tree" / "scripts" / "setup"
            setup.parent.mkdir(parents=True)
            shutil.copy2(ROOT / "scripts" / "setup", setup)
            for name, body in MACHINE.items():
                write_script(scratch / "bin" / name, body)
            log = scratch / "log"
            log.touch()
            env = {"PATH": f"{scratch / 'bin'}:/usr/bin:/bin", "LOG": str(log), "HOME": str(scratch)}
            result = subprocess.run([BASH, str(setup), *args], env=env,
                                    capture_output=True, text=True, stdin=subprocess.DEVNULL)
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
            return log.read_text(encoding="utf-8").splitlines()

    def test_packages_only_installs_the_formatter_with_sudo_and_builds_nothing(self):
        lines = self.run_setup("--packages-only")
        installs = [line for line in lines if line.startswith("apt-get") and " install " in line]
        self.assertEqual(len(installs), 1, lines)
        self.assertIn(" clang-format ", installs[0] + " ")
        self.assertTrue(installs[0].startswith("apt-get DEBIAN_FRONTEND=noninteractive "), installs[0])
        self.assertIn("sudo apt-get update -qq", lines)
        self.assertFalse([line for line in lines if line.startswith("cmake")], lines)

    def test_without_options_it_goes_on_to_configure_and_build(self):
        lines = self.run_setup()
        self.assertEqual([line for line in lines if line.startswith("cmake")][-1], "cmake --build build")


class CiRun(unittest.TestCase):
    def run_ci(self, tracked):
        with tempfile.TemporaryDirectory() as scratch:
            scratch = pathlib.Path(scratch)
            tree, tools, bin_folder = scratch / "tree", scratch / "tools", scratch / "bin"
            (tree / ".ci").mkdir(parents=True)
            shutil.copy2(ROOT / ".ci" / "run", tree / ".ci" / "run")
            write_script(tree / "scripts" / "setup", CI_SETUP)
            write_script(bin_folder / "ctest", 'echo "ctest $*" >> "$LOG"\n')
            # The few commands .ci/run needs besides the stand-ins; no formatter among them.
            tools.mkdir()
            for tool in ("git", "xargs", "dirname"):
                (tools / tool).symlink_to(shutil.which(tool))
            for name in tracked:
                (tree / name).write_text("int x;\n", encoding="utf-8")
            log = scratch / "log"
            log.touch()
            env = {"PATH": f"{bin_folder}:{tools}", "LOG": str(log), "BIN": str(bin_folder), "HOME": str(scratch),
                   "CI": "true"}
            subprocess.run([shutil.which("git"), "init", "-q"], cwd=tree, env=env, check=True)
            subprocess.run([shutil.which("git"), "add", "."], cwd=tree, env=env, check=True)
            result = subprocess.run([BASH, ".ci/run"], cwd=tree, env=env, capture_output=True, text=True,
                                    stdin=subprocess.DEVNULL)
            return result, log.read_text(encoding="utf-8").splitlines()

    def test_installs_then_checks_the_format_then_runs_the_readme_command(self):
        result, lines = self.run_ci(["Sound.cpp"])
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(lines, ["setup --packages-only", "clang-format --dry-run -Werror Sound.cpp", "setup",
                                 readme_test_command()])

    def test_a_misformatted_file_stops_the_run_before_the_build(self):
        result, lines = self.run_ci(["Misformatted.cpp"])
        self.assertNotEqual(result.returncode, 0)
        self.assertEqual(lines, ["setup --packages-only", "clang-format --dry-run -Werror Misformatted.cpp"])


if __name__ == "__main__":
    unittest.main()
