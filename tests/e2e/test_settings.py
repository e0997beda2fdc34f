"""How the real program reads Zembrix.ini at start: box, transparency and position."""

import configparser
import time
import unittest

from zembrix_e2e import WidgetTestCase

# Bar sizes of the boxes; any other box name leaves the window at its design size.
BAR_SIZE = {"taobao": (234, 62), "dangdang": (214, 62), "zhuoyue": (230, 59)}
DESIGN_SIZE = (230, 392)


def ini(*lines, section="general"):
    """A settings file as the program's GBK bytes."""
    return "\r\n".join([f"[{section}]", *lines, ""]).encode("gbk")


def alpha_of(level):
    alpha = int((100 - level) * 255 / 100)
    return alpha if 0 <= alpha <= 255 else 255


# (name, file bytes, what the values in it read as: box, trans, left, top; None = missing key).
CASES = [
    ("empty file", b"", {}),
    ("keys without values", ini("box=", "trans=", "position_left=", "position_top="),
     {"box": "", "trans": 0, "left": 0, "top": 0}),
    ("beyond the right and bottom edges", ini("position_left=5000", "position_top=5000"),
     {"left": 5000, "top": 5000}),
    ("negative position kept", ini("position_left=-30", "position_top=-40"),
     {"left": -30, "top": -40}),
    ("full-width digits", ini("position_left=１２０", "position_top=３００"),
     {"left": 120, "top": 300}),
    ("fractions truncated toward zero", ini("position_left=120.9", "position_top=-5.5"),
     {"left": 120, "top": -5}),
    ("garbage reads as 0", ini("trans=abc", "position_left=abc", "position_top=x1"),
     {"trans": 0, "left": 0, "top": 0}),
    ("digits followed by letters", ini("trans=40%", "position_left=77px", "position_top=88pt"),
     {"trans": 40, "left": 77, "top": 88}),
    ("opaque", ini("trans=0"), {"trans": 0}),
    ("40 percent", ini("trans=40"), {"trans": 40}),
    ("invisible", ini("trans=100"), {"trans": 100}),
    ("above 100", ini("trans=150"), {"trans": 150}),
    ("negative level", ini("trans=-20"), {"trans": -20}),
    ("unknown box keeps the design size", ini("box=Taobao"), {"box": "Taobao"}),
    ("dangdang", ini("box=dangdang", "position_left=10"), {"box": "dangdang", "left": 10}),
    ("zhuoyue", ini("box=zhuoyue", "position_top=5000"), {"box": "zhuoyue", "top": 5000}),
    ("no general section", ini("box=zhuoyue", "trans=60", "position_left=1", section="other"), {}),
    ("binary garbage", bytes(range(256)) * 16, {}),
    # The keys come after 1 MB of other keys, so the whole file has to be read.
    ("huge file",
     ini(*(f"filler{i}={'x' * 100}" for i in range(10000)),
         "box=dangdang", "trans=60", "position_left=100", "position_top=200"),
     {"box": "dangdang", "trans": 60, "left": 100, "top": 200}),
]


class SettingsFileTest(WidgetTestCase):
    def expected_bar(self, values):
        """(alpha, left, top, width, height) that a file holding these values should give."""
        width, height = BAR_SIZE.get(values.get("box", "taobao"), DESIGN_SIZE)
        screen_width, screen_height = self.screen_size()
        max_left = screen_width - width - 2
        max_top = screen_height - self.taskbar_height() - height - 2
        left = values.get("left", int((screen_width - width) / 2))
        top = values.get("top", max_top)
        return (alpha_of(values.get("trans", 20)), min(left, max_left), min(top, max_top),
                width, height)

    def test_reads_box_transparency_and_position(self):
        for name, data, values in CASES:
            with self.subTest(name):
                self.new_program_dir()
                self.write_file("Zembrix.ini", data)
                try:
                    bar = self.start_bar()
                    got = tuple(bar[k] for k in ("alpha", "left", "top", "width", "height"))
                    self.assertEqual(got, self.expected_bar(values))
                    self.assertEqual(self.read_file("Zembrix.ini"), data, "written at start")
                finally:
                    self.end_programs()


class SaveOnCloseTest(WidgetTestCase):
    def test_close_button_hides_the_bar_and_saves_only_its_own_keys(self):
        # An unknown box name and an out-of-range level are the user's and go back unchanged;
        # so do keys and sections that are not the program's.
        self.write_file("Zembrix.ini", ini("note=用户的笔记", "box=Taobao", "trans=150")
                        + b"[other]\r\nkept=1\r\n")
        bar = self.start_bar()
        x, y = bar["left"] + 100, bar["top"] + 8
        self.drag(x, y, x - 200, y - 100)
        left, top = bar["left"] - 200, bar["top"] - 100
        close = next(c for c in bar["children"] if c["text"] == "×")
        self.click(left + close["left"] + 7, top + close["top"] + 8)

        # The bar hides first and saves right after, while the test reads on.
        deadline = time.monotonic() + 10
        while b"position_top" not in self.read_file("Zembrix.ini") and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertFalse(self.bar()["visible"], "the bar is hidden, not ended")
        saved = configparser.ConfigParser(interpolation=None)
        saved.read_string(self.read_file("Zembrix.ini").decode("gbk"))
        self.assertEqual(dict(saved["general"]), {
            "note": "用户的笔记", "box": "Taobao", "trans": "150",
            "position_left": str(left), "position_top": str(top)})
        self.assertEqual(dict(saved["other"]), {"kept": "1"})


if __name__ == "__main__":
    unittest.main()
