"""End-to-end tests of the zembrix-payload binary: bytes in and out, exit status, messages."""
import os
import subprocess
import sys
import tempfile
import unittest

TOOL = sys.argv.pop(1) if __name__ == "__main__" else None
START = "[联机信息开始]".encode("gbk")
END = "[联机信息结束]".encode("gbk")


def run(*args, stdin=b""):
    return subprocess.run([TOOL, *args], input=stdin, capture_output=True, timeout=60)


class EncryptDecrypt(unittest.TestCase):
    def test_round_trip_keeps_every_non_zero_byte(self):
        plain = bytes(range(1, 256)) * 3 + "联机".encode("gbk")
        for options in ([], ["--bits", "128"], ["--bits", "192", "--key", "密钥".encode("gbk")]):
            encrypted = run("encrypt", *options, stdin=plain)
            self.assertEqual(encrypted.returncode, 0, encrypted.stderr)
            self.assertRegex(encrypted.stdout, rb"^[0-9A-F]+$")
            self.assertEqual(len(encrypted.stdout), 16 + 32 * ((len(plain) + 15) // 16))
            decrypted = run("decrypt", *options, stdin=encrypted.stdout)
            self.assertEqual(decrypted.returncode, 0, decrypted.stderr)
            self.assertEqual(decrypted.stdout, plain)

    def test_default_key_is_the_programs(self):
        encrypted = run("encrypt", stdin=b"payload").stdout
        self.assertEqual(encrypted, run("encrypt", "--key", "vexo", "--bits", "256", stdin=b"payload").stdout)
        self.assertNotEqual(encrypted, run("encrypt", "--key", "vexO", stdin=b"payload").stdout)

    def test_invalid_input_gives_one_line_and_no_output(self):
        valid = run("encrypt", stdin=b"some plain text").stdout
        cases = [
            (["decrypt"], valid + b"\n", 1, b"character 49 of the input (byte 0x0A) is not a hexadecimal digit"),
            (["decrypt"], valid[:-2], 1, b"the body after the length header of the input is 15 bytes"),
            (["decrypt"], b"", 1, b"the input has 0 characters, fewer than the 15"),
            (["encrypt"], b"a\0b", 1, b"zero byte at offset 1"),
            (["encrypt", "--bits", "100"], b"x", 2, b"--bits must be 128, 192 or 256"),
            (["encrypt", "--menu-title", "x"], b"x", 2, b"field options belong to make-page"),
            (["crypt"], b"", 2, b"unknown command"),
            (["decrypt", "--key"], b"", 2, b"--key needs a value"),
        ]
        for args, stdin, status, message in cases:
            result = run(*args, stdin=stdin)
            self.assertEqual(result.returncode, status, args)
            self.assertEqual(result.stdout, b"", args)
            self.assertIn(message, result.stderr, args)
            self.assertEqual(result.stderr.count(b"\n"), 1, args)


class Pages(unittest.TestCase):
    def test_make_page_then_read_page_gives_the_fields_back(self):
        title = "新品推荐".encode("gbk")
        html = "<html>\r\n<body>资讯 &amp; 新闻</body>\r\n</html>".encode("gbk")
        with tempfile.TemporaryDirectory() as directory:
            html_file = os.path.join(directory, "info.html")
            with open(html_file, "wb") as file:
                file.write(html)
            made = run("make-page", "--menu-title", title, "--menu-link", "http://a.example/?x=1&y=2",
                       "--info-html", html_file)
            self.assertEqual(made.returncode, 0, made.stderr)
            self.assertTrue(made.stdout.startswith(START) and made.stdout.endswith(END))

            page = "<p>博客</p>".encode("gbk") + made.stdout.replace(b"A", b"Aamp;AmP;", 1) + b"<p/>"
            page_file = os.path.join(directory, "page.htm")
            with open(page_file, "wb") as file:
                file.write(page)
            expected = (b"menu title: " + title + b"\nmenu link: http://a.example/?x=1&y=2\ninfo html: " + html + b"\n")
            for args, stdin in ((["read-page", page_file], b""), (["read-page", "-"], page), (["read-page"], page)):
                read = run(*args, stdin=stdin)
                self.assertEqual(read.returncode, 0, read.stderr)
                self.assertEqual(read.stdout, expected)

    def test_read_page_says_why_nothing_was_found(self):
        cases = [
            (b"<html>no block</html>", b"no block start marker on the page"),
            (START + b"0000000000000000 " + END, b"character 17 of the block (byte 0x20) is not a hexadecimal digit"),
        ]
        for page, message in cases:
            result = run("read-page", stdin=page)
            self.assertEqual(result.returncode, 1)
            self.assertEqual(result.stdout, b"")
            self.assertIn(message, result.stderr)
        missing = run("read-page", "/nonexistent/page.htm")
        self.assertEqual(missing.returncode, 1)
        self.assertIn(b"cannot read /nonexistent/page.htm", missing.stderr)

    def test_help_documents_every_command(self):
        result = run("--help")
        self.assertEqual(result.returncode, 0)
        for word in (b"encrypt", b"decrypt", b"make-page", b"read-page", b"--key", b"--bits", b"vexo"):
            self.assertIn(word, result.stdout)


if __name__ == "__main__":
    unittest.main()
