"""Checks the built Zembrix.exe as a file, without running it: what a bare Windows 7 to 11 needs
to start it, and the resources the program loads by name or number.

    check_exe_image.py OBJDUMP EXE MACHINE     (MACHINE: i386 or x86-64)

This is how the shipped 32-bit exe is checked on machines whose kernel runs no 32-bit processes.
"""

import re
import subprocess
import sys
import unittest

# DLLs that every supported Windows has in its system directory. Anything else (a C++ runtime,
# libgcc, winpthread) would have to ship beside the exe.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "ole32.dll",
               "oleaut32.dll", "advapi32.dll", "comctl32.dll", "wininet.dll", "msvcrt.dll"}

RT_BITMAP, RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 2, 3, 14, 16, 24
IDI_TRAY_ICON, IDI_INFO_ICON, IDB_START_BUTTON = 101, 102, 103


def resources(dump):
    """{type id: set of names and ids} from objdump's listing of the resource directory."""
    tree = {}
    kind = None
    for line in dump[dump.find("The .rsrc Resource Directory section"):].splitlines():
        entry = re.match(r"[0-9a-f]+( +)Entry: (?:ID: 0x([0-9a-f]+)|name: \[[^]]*\]: ([^,]+))", line)
        if not entry:
            continue
        depth = len(entry.group(1))
        key = int(entry.group(2), 16) if entry.group(2) else entry.group(3)
        if depth == 3:  # types; names one level down, languages below them
            kind = key
            tree[kind] = set()
        elif depth == 5:
            tree[kind].add(key)
    return tree


class ExeImageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.headers = subprocess.run([OBJDUMP, "-f", EXE], check=True, capture_output=True,
                                     text=True).stdout
        cls.dump = subprocess.run([OBJDUMP, "-p", EXE], check=True, capture_output=True,
                                  text=True).stdout

    def test_is_a_windows_gui_program_for_the_machine(self):
        self.assertEqual(re.search(r"file format (\S+)", self.headers).group(1), f"pei-{MACHINE}")
        self.assertEqual(re.search(r"Subsystem\s+(.*)", self.dump).group(1).split(),
                         ["00000002", "(Windows", "GUI)"])

    def test_needs_no_dll_beside_it(self):
        imported = {name.lower() for name in re.findall(r"DLL Name: (\S+)", self.dump)}
        self.assertTrue(imported, "no import table found")
        self.assertLessEqual(imported, SYSTEM_DLLS)

    def test_carries_its_icons_picture_manifest_and_version(self):
        tree = resources(self.dump)
        self.assertIn("DEFAULT_ICON", tree.get(RT_GROUP_ICON, set()))
        self.assertLessEqual({IDI_TRAY_ICON, IDI_INFO_ICON}, tree.get(RT_GROUP_ICON, set()))
        self.assertIn(IDB_START_BUTTON, tree.get(RT_BITMAP, set()))
        self.assertIn(1, tree.get(RT_MANIFEST, set()))
        self.assertIn(1, tree.get(RT_VERSION, set()))
        # DEFAULT_ICON holds two images, the tray and info icons one each.
        self.assertEqual(len(tree.get(RT_ICON, set())), 4)


if __name__ == "__main__":
    OBJDUMP, EXE, MACHINE = sys.argv[1:4]
    unittest.main(argv=sys.argv[:1])
