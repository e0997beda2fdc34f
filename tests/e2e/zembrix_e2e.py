"""Runs the real Zembrix.exe under Wine for the end-to-end tests.

The tests read what the program did through zembrix-probe.exe, which runs under the same Wine and
answers in JSON. One Wine prefix serves a whole test run; its wineserver is kept alive between
tests because starting it costs more than most tests take.

Used from the shell as well:
    zembrix_e2e.py make-prefix DIR [EXE]   create a fresh prefix (for EXE's Wine loader)
    zembrix_e2e.py setup DIR               make-prefix, then keep its wineserver running
    zembrix_e2e.py cleanup DIR             stop that wineserver
EXE defaults to $ZEMBRIX_EXE.
"""

import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

TITLE = "Zembrix，便捷搜宝入口"

# The widget never ends by itself and starts with a blocking online refresh of up to 10 s.
START_TIMEOUT_S = 30
PROBE_TIMEOUT_S = 30

_PREFIX_REG = """Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"SimSun"="WenQuanYi Zen Hei"
"宋体"="WenQuanYi Zen Hei"
"""

_PE_MACHINE_AMD64 = 0x8664


def wine_loader(exe):
    """The Wine loader for exe: wine64 for a 64-bit program, the plain wine otherwise.

    Debian's plain `wine` always tries the 32-bit loader first, which fails outright on kernels
    that cannot run 32-bit programs; a 64-bit build of the program is the way to test there.
    """
    with open(exe, "rb") as f:
        header = f.read(4096)
    pe_offset = struct.unpack_from("<I", header, 0x3C)[0]
    machine = struct.unpack_from("<H", header, pe_offset + 4)[0]
    if machine == _PE_MACHINE_AMD64:
        return shutil.which("wine64") or "/usr/lib/wine/wine64"
    return "wine"


def wine_env(prefix):
    env = dict(os.environ)
    env.update(
        WINEPREFIX=str(prefix),
        # Wine takes its ANSI code page from this name even where the locale is not generated:
        # 936 (GBK), the code page the program is written for.
        LC_ALL="zh_CN.UTF-8",
        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d",
        WINEDEBUG="-all",
    )
    return env


def _check_loader_runs(loader, env):
    try:
        subprocess.run([loader, "--version"], env=env, check=True, capture_output=True, timeout=30)
    except (OSError, subprocess.CalledProcessError) as error:
        raise SystemExit(
            f"{loader} cannot run here ({error}). If this kernel refuses 32-bit programs, "
            "build a 64-bit Zembrix.exe and probe for the end-to-end tests."
        )


def make_prefix(prefix, exe, keep_server=False):
    """Creates a fresh prefix: GBK code page, no crash dialog, a CJK font behind SimSun.

    With keep_server its wineserver stays up until stop_server; otherwise this returns once the
    server has ended, which is when the registry is on disk.
    """
    prefix = Path(prefix)
    shutil.rmtree(prefix, ignore_errors=True)
    prefix.mkdir(parents=True)
    env = wine_env(prefix)
    loader = wine_loader(exe)
    _check_loader_runs(loader, env)
    if keep_server:
        # The server is keyed by the prefix directory, so it must exist first (it does, empty).
        start_server(prefix)
    reg_file = prefix / "zembrix-e2e.reg"
    # reg.exe reads a .reg file as UTF-16 when it has the BOM, which keeps 宋体 intact.
    reg_file.write_text(_PREFIX_REG.replace("\n", "\r\n"), encoding="utf-16")
    # Wine's background processes inherit the output handles and outlive these commands, so
    # their output goes to a file: a pipe would never reach its end.
    with open(prefix / "setup.log", "wb") as log:
        for command, timeout in (
            (["wineboot", "-i"], 300),
            (["reg", "import", windows_path(reg_file)], 60),
        ):
            subprocess.run(
                [loader, *command], env=env, check=True, stdout=log, stderr=log, timeout=timeout
            )
    if not keep_server:
        subprocess.run(["wineserver", "-w"], env=env, timeout=120)


def windows_path(path):
    """The path as Wine's programs see it: the Unix root is drive Z:."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


def start_server(prefix):
    # The server stays in the background; holding the caller's output (ctest's pipe) open would
    # keep the caller waiting for it.
    subprocess.run(
        ["wineserver", "-p"], env=wine_env(prefix), check=True, timeout=30,
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
    )


def stop_server(prefix):
    subprocess.run(["wineserver", "-k"], env=wine_env(prefix), timeout=30)


def _escape_title(title):
    # The probe's arguments pass through the Unix locale, so non-ASCII goes as \\uXXXX.
    return "".join(
        "\\\\" if c == "\\" else c if " " <= c <= "~" else "\\u%04x" % ord(c) for c in title
    )


def _required_env(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"{name} is not set: run the end-to-end tests through ctest")
    return value


class WidgetTestCase(unittest.TestCase):
    """Each test gets its own program directory with a fresh copy of Zembrix.exe.

    Every program started by a test is ended when the test ends, pass or fail, and the test
    checks that no window with the bar's title is left: the program refuses to start while one
    exists, so a survivor would spoil the next test.
    """

    @classmethod
    def setUpClass(cls):
        if not os.environ.get("DISPLAY"):
            raise RuntimeError("DISPLAY is not set: run the end-to-end tests under xvfb-run")
        cls.exe = _required_env("ZEMBRIX_EXE")
        cls.probe_exe = _required_env("ZEMBRIX_PROBE")
        cls.prefix = _required_env("ZEMBRIX_WINEPREFIX")
        cls.env = wine_env(cls.prefix)
        cls.system = cls._probe_cls("system")
        if cls.system["acp"] != 936:
            raise RuntimeError(f"Wine's ANSI code page is {cls.system['acp']}, not 936 (GBK)")

    def setUp(self):
        self.processes = []
        self.addCleanup(self.end_programs)
        self.assertEqual(self.count(), 0, "a window with the bar's title exists before the test")
        self.new_program_dir()

    def new_program_dir(self):
        """Gives the test a fresh program directory; tables of cases call it once per case."""
        self.program_dir = Path(tempfile.mkdtemp(prefix="zembrix-e2e-"))
        self.addCleanup(shutil.rmtree, self.program_dir, ignore_errors=True)
        shutil.copy(self.exe, self.program_dir / "Zembrix.exe")

    # --- the program

    def write_file(self, name, data):
        (self.program_dir / name).write_bytes(data)

    def read_file(self, name):
        """The file's bytes, or None when it does not exist."""
        path = self.program_dir / name
        return path.read_bytes() if path.exists() else None

    def start(self):
        """Starts a copy of the program from the test's program directory."""
        exe = self.program_dir / "Zembrix.exe"
        process = subprocess.Popen(
            [wine_loader(exe), str(exe)], cwd=self.program_dir, env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        )
        self.processes.append(process)
        return process

    def start_bar(self):
        """Starts the program and returns the bar's window facts once it is shown."""
        self.start()
        return self.wait_bar()

    def wait_bar(self):
        """The bar's window facts once the last program started has shown it.

        Fails as soon as that program ends, so a crash costs no more than the crash itself.
        """
        process = self.processes[-1]
        deadline = time.monotonic() + START_TIMEOUT_S
        while True:
            try:
                bar = self.probe("wait", _escape_title(TITLE), "500")
                if bar["visible"]:
                    return bar
                time.sleep(0.1)
            except AssertionError:
                pass  # no window yet
            if process.poll() is not None:
                self.fail(f"the program ended with exit code {process.returncode} before "
                          "showing the bar")
            if time.monotonic() > deadline:
                self.fail(f"no visible bar within {START_TIMEOUT_S} s")

    def bar(self):
        return self.probe("info", _escape_title(TITLE))

    def count(self):
        return self.probe("count", _escape_title(TITLE))["count"]

    def wait_ready(self):
        """Waits until the bar's program waits for input.

        The bar shows itself first and then starts its web browser control, which keeps it busy
        for a while (seconds in a fresh prefix); input sent meanwhile would queue behind that,
        and a test would read the bar before its input had been handled.
        """
        self.probe("idle", _escape_title(TITLE), str(START_TIMEOUT_S * 1000))

    def click(self, x, y):
        self.wait_ready()
        self.probe("click", str(x), str(y))

    def drag(self, x1, y1, x2, y2):
        self.wait_ready()
        self.probe("drag", str(x1), str(y1), str(x2), str(y2))

    def type_text(self, text):
        """Types text into the window that has the keyboard focus."""
        self.wait_ready()
        self.probe("type", _escape_title(text))

    def record_shell_urls(self):
        """Points the shell's http handler at the probe; returns the file the URLs land in."""
        log = self.program_dir / "shell-urls.txt"
        command = f'"{windows_path(self.probe_exe)}" record-url "{windows_path(log)}" "%1"'
        subprocess.run(
            [wine_loader(self.probe_exe), "reg", "add", r"HKCR\http\shell\open\command",
             "/ve", "/d", command, "/f"],
            env=self.env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            timeout=60,
        )
        return log

    def pixel(self, x, y):
        """The screen colour at x, y as (r, g, b)."""
        colour = self.probe("pixel", str(x), str(y))
        return colour["r"], colour["g"], colour["b"]

    # --- the screen, as Windows reports it under Wine

    def screen_size(self):
        return self.system["screen_width"], self.system["screen_height"]

    def taskbar_height(self):
        """The bar's allowance for the taskbar: what the work area leaves at the bottom, or 40."""
        work = self.system["work_area"]
        height = self.system["screen_height"] - (work["top"] + work["height"])
        return height or 40

    # --- plumbing

    @classmethod
    def _probe_cls(cls, *args):
        result = subprocess.run(
            [wine_loader(cls.probe_exe), cls.probe_exe, *args],
            env=cls.env, capture_output=True, timeout=PROBE_TIMEOUT_S,
        )
        answer = json.loads(result.stdout.decode("utf-8"))
        if result.returncode != 0:
            raise AssertionError(f"probe {' '.join(args)}: {answer.get('error')}")
        return answer

    def probe(self, *args):
        return self._probe_cls(*args)

    def end_programs(self):
        """Ends every program the test started and any other window with the bar's title."""
        for process in self.processes:
            if process.poll() is None:
                process.kill()
            process.wait(timeout=30)
        self.processes = []
        # A window left by a program this test did not start (or one whose loader handed it on)
        # still blocks the next test; end its owner through Windows.
        for _ in range(3):
            if self.count() == 0:
                return
            try:
                self.probe("kill", _escape_title(TITLE))
            except AssertionError:
                time.sleep(0.2)
        self.assertEqual(self.count(), 0, "a window with the bar's title survived the test")


def main(argv):
    if len(argv) >= 2 and argv[0] in ("make-prefix", "setup", "cleanup"):
        command, prefix = argv[0], argv[1]
        exe = argv[2] if len(argv) > 2 else os.environ.get("ZEMBRIX_EXE")
        if command == "cleanup":
            stop_server(prefix)
            return 0
        if not exe:
            raise SystemExit("no program given: pass EXE or set ZEMBRIX_EXE")
        make_prefix(prefix, exe, keep_server=command == "setup")
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
