"""The search bar's boxes, collapsing, dragging and the Amazon China search, as the user sees
them in the real program."""

import os
import time
import unittest

from zembrix_e2e import WidgetTestCase

ORANGE = (192, 96, 0)
BLUE = (0, 96, 192)
WHITE = (255, 255, 255)
MARK_OF_THE_WEB = b"<!-- saved from url=(0014)about:internet -->\r\n"

# What each box shows: bar size, title strip caption and colour, widget frame place and browser
# place (relative to the frame), or None where that part is hidden.
BOXES = {
    "taobao": dict(size=(234, 62), caption=" 淘宝网搜索", colour=ORANGE,
                   widget_frame=(2, 13, 230, 47), browser=(-12, -14, 300, 79)),
    "dangdang": dict(size=(214, 62), caption=" 当当网搜索", colour=BLUE,
                     widget_frame=(2, 13, 210, 47), browser=(-93, -14, 600, 79)),
    "zhuoyue": dict(size=(230, 59), caption=" 卓越网搜索", colour=ORANGE,
                    widget_frame=None, browser=None),
}
PAGE_FILES = {"taobao": "tb_temp.htm", "dangdang": "dd_temp.htm"}


def config(name):
    return os.environ[f"ZEMBRIX_{name}"]


def widget_page(kind):
    """The page the program writes for a widget box, from the configuration it was built with."""
    if kind == "taobao":
        lines = [
            "<script type='text/javascript'>",
            f"alimama_pid='{config('TAOBAO_PID')}';",
            "alimama_type='g';",
            "alimama_tks={};",
            "alimama_tks.style_i=1;",
            "alimama_tks.lg_i=0;",
            "alimama_tks.w_i=249;",
            "alimama_tks.h_i=45;",
            "alimama_tks.btn_i=1;",
            "alimama_tks.txt_s='';",
            "alimama_tks.hot_i=0;",
            "alimama_tks.hc_c='#0065FF';",
            "alimama_tks.c_i=0;",
            "alimama_tks.cid_i=0;",
            "</script>",
            f"<script type='text/javascript' src='http://{config('ALIMAMA_HOST')}/inf.js'></script>",
        ]
    else:
        lines = [
            '<script type="text/javascript" > <!-- ',
            'dd_ad_output="html";',
            f'dd_ad_client="{config("DANGDANG_ID")}";',
            "dd_ad_format=40;",
            "dd_ad_width=300;",
            "dd_ad_height=40;",
            'dd_open_target="_blank";',
            "//--></script>",
            f'<script type="text/javascript" src="http://{config("DANGDANG_UNION_HOST")}'
            '/union/script/dd_ads.js" ></script>',
        ]
    return MARK_OF_THE_WEB + "\r\n".join(lines).encode("gbk")


def ini(box):
    return f"[general]\r\nbox={box}\r\n".encode("gbk")


def child(parent, predicate, what):
    found = [c for c in parent["children"] if predicate(c)]
    if len(found) != 1:
        raise AssertionError(f"{what}: {len(found)} matches among {parent['children']}")
    return found[0]


def labelled(parent, text):
    return child(parent, lambda c: c["text"] == text, f"label {text!r}")


def place(control):
    return control["left"], control["top"], control["width"], control["height"]


class SearchBarTest(WidgetTestCase):
    def start_box(self, box):
        self.write_file("Zembrix.ini", ini(box))
        return self.start_bar()

    # The window's direct children, as designed: the three title buttons, the title strip, the
    # Amazon China frame (edit frame and start picture inside) and the widget frame (browser).
    def amazon_frame(self, bar):
        return child(bar, lambda c: len(c["children"]) == 2, "Amazon China frame")

    def widget_frame(self, bar):
        return child(bar, lambda c: c["children"] and c["children"][0]["class"] == "ZembrixBrowserSite",
                     "widget frame")

    def test_each_box_lays_out_the_bar(self):
        for box, want in BOXES.items():
            with self.subTest(box):
                self.new_program_dir()
                try:
                    bar = self.start_box(box)
                    width, height = want["size"]
                    self.assertEqual((bar["width"], bar["height"]), (width, height))
                    screen_width, screen_height = self.screen_size()
                    self.assertEqual(bar["left"], int((screen_width - width) / 2))
                    self.assertEqual(bar["top"], screen_height - self.taskbar_height() - height - 2)

                    # Title buttons against the right edge, 2 pixels apart, on the title strip.
                    for text, offset in (("×", 16), ("□", 32), ("≡", 48)):
                        self.assertEqual(place(labelled(bar, text)), (width - offset, 0, 14, 16))
                    strip = labelled(bar, want["caption"])
                    self.assertEqual(place(strip), (0, 0, 242, 16))

                    amazon = self.amazon_frame(bar)
                    widget = self.widget_frame(bar)
                    if want["widget_frame"] is None:
                        self.assertTrue(amazon["visible"])
                        self.assertFalse(widget["visible"])
                        self.assertEqual(place(amazon), (2, 16, 226, 41))
                        edit_frame = child(amazon, lambda c: c["children"], "edit frame")
                        self.assertEqual(place(edit_frame), (24, 9, 130, 21))
                        edit = edit_frame["children"][0]
                        self.assertEqual((edit["class"].upper(), place(edit)), ("EDIT", (1, 1, 128, 19)))
                        picture = child(amazon, lambda c: not c["children"], "start picture")
                        self.assertEqual(place(picture), (160, 9, 40, 21))
                        self.assertIsNone(self.read_file("tb_temp.htm"))
                    else:
                        self.assertFalse(amazon["visible"])
                        self.assertTrue(widget["visible"])
                        self.assertEqual(place(widget), want["widget_frame"])
                        browser = widget["children"][0]
                        self.assertTrue(browser["visible"])
                        self.assertEqual(place(browser), want["browser"])
                        self.assertEqual(self.read_file(PAGE_FILES[box]), widget_page(box))
                        # Once the bar is idle its browser control fills the browser's place.
                        self.wait_ready()
                        site = self.widget_frame(self.bar())["children"][0]
                        [control] = site["children"]
                        self.assertEqual((control["class"], place(control)),
                                         ("AtlAxWin", (0, 0, *want["browser"][2:])))

                    # What the screen shows: the title strip in the box's colour, and the white
                    # Amazon China frame.
                    self.assertEqual(self.pixel(bar["left"] + 120, bar["top"] + 1), want["colour"])
                    if box == "zhuoyue":
                        self.assertEqual(self.pixel(bar["left"] + 2 + 8, bar["top"] + 16 + 20), WHITE)
                finally:
                    self.end_programs()

    def test_collapse_button_shrinks_to_the_title_strip_and_back(self):
        bar = self.start_box("taobao")
        button = labelled(bar, "□")
        x, y = bar["left"] + button["left"] + 7, bar["top"] + 8
        self.click(x, y)
        collapsed = self.bar()
        self.assertEqual(place(collapsed)[:4], (bar["left"], bar["top"], 234, 16))
        self.click(x, y)
        self.assertEqual(place(self.bar()), place(bar))

    def test_dragging_the_title_strip_moves_the_bar(self):
        bar = self.start_box("zhuoyue")
        start_x, start_y = bar["left"] + 60, bar["top"] + 8
        self.drag(start_x, start_y, start_x - 150, start_y - 300)
        moved = self.bar()
        self.assertEqual((moved["left"], moved["top"]), (bar["left"] - 150, bar["top"] - 300))
        self.assertEqual((moved["width"], moved["height"]), (230, 59))


    def test_start_button_hands_the_typed_keyword_to_the_shell(self):
        urls = self.record_shell_urls()
        bar = self.start_box("zhuoyue")
        amazon = self.amazon_frame(bar)
        edit_frame = child(amazon, lambda c: c["children"], "edit frame")
        start = child(amazon, lambda c: not c["children"], "start picture")
        left, top = bar["left"] + amazon["left"], bar["top"] + amazon["top"]
        self.click(left + edit_frame["left"] + 20, top + edit_frame["top"] + 10)
        self.type_text("A&B 书#1")
        self.click(left + start["left"] + 20, top + start["top"] + 10)
        prefix = (f"http://{config('AMAZON_HOST')}/gp/associates/link-types/searchbox.html"
                  f"?tag={config('AMAZON_TAG')}&creative=2028&adid={config('AMAZON_ADID')}"
                  "&campaign=408&mode=blended&keyword=")
        suffix = "&Submit.x=29&Submit.y=10&Submit=Go"
        # The keyword arrives whole, as its GBK bytes percent-encoded ("书" is CA E9).
        self.assertEqual(self.wait_for_lines(urls, 1), [prefix + "A%26B%20%CA%E9%231" + suffix])

    def test_the_amazon_box_keeps_the_keyboard_when_the_user_comes_back(self):
        urls = self.record_shell_urls()
        bar = self.start_box("zhuoyue")
        self.type_text("bo")
        # The user works in another program, then clicks the bar's title strip to come back.
        self.assertTrue(self.probe("steal-focus", "500")["had_focus"])
        self.click(bar["left"] + 60, bar["top"] + 8)
        self.type_text("ok")
        amazon = self.amazon_frame(bar)
        start = child(amazon, lambda c: not c["children"], "start picture")
        self.click(bar["left"] + amazon["left"] + start["left"] + 20,
                   bar["top"] + amazon["top"] + start["top"] + 10)
        [url] = self.wait_for_lines(urls, 1)
        self.assertIn("&keyword=book&Submit.x=29", url)

    def wait_for_lines(self, path, count, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if path.exists():
                lines = path.read_text(encoding="utf-8").splitlines()
                if len(lines) >= count:
                    return lines
            time.sleep(0.2)
        return path.read_text(encoding="utf-8").splitlines() if path.exists() else []


if __name__ == "__main__":
    unittest.main()
