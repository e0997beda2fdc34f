"""Start-up of the real program: the bar's window on a first start, and the single-instance rule."""

import unittest

from zembrix_e2e import TITLE, WidgetTestCase

WS_POPUP = 0x80000000
WS_CLIPCHILDREN = 0x02000000
WS_CAPTION = 0x00C00000  # WS_BORDER | WS_DLGFRAME
WS_THICKFRAME = 0x00040000

TAOBAO_BAR_SIZE = (234, 62)
DEFAULT_ALPHA = 204  # 20 % transparency


class FirstStartTest(WidgetTestCase):
    def test_shows_a_frameless_topmost_taobao_bar_centred_above_the_taskbar(self):
        bar = self.start_bar()

        self.assertEqual(bar["title"], TITLE)
        self.assertTrue(bar["visible"])
        self.assertEqual(bar["style"] & (WS_POPUP | WS_CLIPCHILDREN), WS_POPUP | WS_CLIPCHILDREN)
        self.assertEqual(bar["style"] & (WS_CAPTION | WS_THICKFRAME), 0, "the bar has a frame")
        self.assertTrue(bar["topmost"])
        # A hidden owner is what keeps the bar off the taskbar.
        self.assertNotEqual(bar["owner"], 0)
        self.assertFalse(bar["owner_visible"])

        screen_width, screen_height = self.screen_size()
        width, height = TAOBAO_BAR_SIZE
        self.assertEqual((bar["width"], bar["height"]), (width, height))
        self.assertEqual(bar["left"], int((screen_width - width) / 2))
        self.assertEqual(bar["top"], screen_height - self.taskbar_height() - height - 2)
        self.assertEqual(bar["alpha"], DEFAULT_ALPHA)

        self.assertIsNone(self.read_file("Zembrix.ini"), "settings are written only on close")


class SecondStartTest(WidgetTestCase):
    def check_second_start_ends_silently(self, settings):
        if settings is not None:
            self.write_file("Zembrix.ini", settings)
        first = self.start()
        before = self.wait_bar()

        second = self.start()
        self.assertEqual(second.wait(timeout=20), 0)

        self.assertEqual(self.count(), 1)
        self.assertIsNone(first.poll(), "the first instance ended")
        after = self.bar()
        for fact in ("hwnd", "left", "top", "width", "height", "style", "visible", "alpha"):
            self.assertEqual(after[fact], before[fact], fact)
        self.assertEqual(self.read_file("Zembrix.ini"), settings)

    def test_without_settings_file(self):
        self.check_second_start_ends_silently(None)

    def test_with_settings_file(self):
        self.check_second_start_ends_silently(
            b"[general]\r\ntrans=40\r\nposition_left=10\r\nposition_top=20\r\nbox=zhuoyue\r\n"
        )


if __name__ == "__main__":
    unittest.main()
