"""End-to-end runs of twoway.exe under Wine, whose Winsock answers from the system resolver.

Run inside `hermetic fixture` with WINEPREFIX set to a prefix made by `wineboot -i`:

    hermetic fixture python3 wine_test.py PATH/TO/twoway.exe PATH/TO/console_probe.exe
"""

import os
import pty
import re
import subprocess
import sys
import tempfile
import unittest

import expected

TWOWAY_EXE = None  # set from the command line
CONSOLE_PROBE = None  # prints the console's attribute; set from the command line
CRLF = b"\r\n"
BANNER = expected.banner(CRLF)


def block(first, second):
    return expected.block(first, second, CRLF)


def wine(*arguments, **options):
    """Runs twoway.exe; Wine quotes the arguments into a command line of their own."""
    options.setdefault("stdout", subprocess.PIPE)
    options.setdefault("stderr", subprocess.PIPE)
    return subprocess.run(["wine", TWOWAY_EXE, *arguments], timeout=120, **options)


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


class Runs(unittest.TestCase):
    def expect(self, arguments, *blocks):
        expected.assert_complete_run(self, wine(*arguments), BANNER, *blocks)

    def test_usage_line_names_the_exe(self):
        self.expect([], b"Usage: twoway.exe domain1 [domain2] [domain3]...\r\n")

    def test_round_trip_of_names_and_addresses(self):
        self.expect(
            ["localhost", "multi-alias.test", "alias.test", "198.51.100.5", "multi.test"],
            block("localhost=127.0.0.1", "127.0.0.1=localhost"),
            block("multi-alias.test=192.0.2.10", "192.0.2.10=multi.test"),
            block("alias.test=198.51.100.7", "198.51.100.7=real.test"),
            block("198.51.100.5=orphan.test", "orphan.test="),
            block("multi.test=192.0.2.10", "192.0.2.10=multi.test"),
        )

    def test_failed_lookups_and_the_all_ones_address(self):
        # The same conversion as the Linux build: what is no address is not looked up, and the
        # all-ones address written as such is.
        self.expect(
            ["203.0.113.9", "nowhere.test", ".......", "999.999.999.999", "4294967295", "1.2.3"],
            block("203.0.113.9=", "="),
            block("nowhere.test=", "="),
            block(".......=", "="),
            block("999.999.999.999=", "="),
            block("4294967295=broadcasthost", "broadcasthost=255.255.255.255"),
            block("1.2.3=1.2.0.3", "1.2.0.3="),
        )

    def test_output_to_a_file_has_crlf_and_no_escape_byte(self):
        with tempfile.TemporaryFile() as out:
            result = wine("localhost", stdout=out)
            out.seek(0)
            written = out.read()
        self.assertEqual(result.returncode, 0)
        self.assertEqual(written, BANNER + block("localhost=127.0.0.1", "127.0.0.1=localhost"))
        self.assertNotIn(b"\x1b", written)


def write_batch(folder, *commands):
    """A batch file of `commands` (bytes), echo off; gives its Windows path."""
    batch = os.path.join(folder, "run.bat")
    with open(batch, "wb") as out:
        out.write(b"".join(b"@" + command + CRLF for command in commands))
    return windows_path(batch)


class RawCommandLine(unittest.TestCase):
    """A batch file run by cmd hands the program its command line exactly as written."""

    def run_batch(self, command_line):
        with tempfile.TemporaryDirectory() as folder:
            batch = write_batch(folder, windows_path(TWOWAY_EXE).encode() + b" " + command_line)
            return subprocess.run(["wine", "cmd", "/c", batch], capture_output=True, timeout=120)

    def test_quotes_group_and_vanish_and_touching_pieces_join(self):
        result = self.run_batch(b'"nowhere .test"x  multi.test "" a\\"b c"')
        self.assertEqual(
            result.stdout,
            BANNER
            + block("nowhere .testx=", "=")
            + block("multi.test=192.0.2.10", "192.0.2.10=multi.test")
            + block("a\\b c=", "="),
        )
        self.assertEqual(result.returncode, 0)

    def test_an_empty_quoted_word_is_no_argument(self):
        result = self.run_batch(b'""')
        self.assertEqual(result.stdout, BANNER + b"Usage: twoway.exe domain1 [domain2] [domain3]...\r\n")


class WriteFailures(unittest.TestCase):
    def expect_failure(self, result, code):
        self.assertEqual(result.returncode, 1)
        self.assertRegex(
            result.stderr.decode(),
            r"\Atwoway: cannot write to standard output: [^\r\n]+ \(error " + str(code) + r"\)\r\n\Z",
        )

    def test_full_device(self):
        with open("/dev/full", "wb") as full:
            self.expect_failure(wine("localhost", stdout=full), 112)  # ERROR_DISK_FULL

    def test_closed_standard_output(self):
        result = subprocess.run(
            ["sh", "-c", 'exec wine "$0" localhost >&-', TWOWAY_EXE], stderr=subprocess.PIPE, timeout=120
        )
        self.expect_failure(result, 6)  # ERROR_INVALID_HANDLE

    def test_pipe_whose_reader_has_gone(self):
        read_end, write_end = os.pipe()
        os.close(read_end)
        try:
            result = wine("localhost", stdout=write_end)
        finally:
            os.close(write_end)
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stderr.decode(), r"\Atwoway: cannot write to standard output: .+\r\n\Z")


class Console(unittest.TestCase):
    @staticmethod
    def on_console(*command):
        pid, master = pty.fork()
        if pid == 0:
            os.execvp("wine", ["wine", *command])
        return expected.read_terminal(pid, master)

    def test_banner_in_light_green_then_the_consoles_own_colours(self):
        received, status = self.on_console(TWOWAY_EXE, "localhost")
        # Wine's own: the cursor hidden and shown around every write.
        received = re.sub(rb"\x1b\[\?25[lh]", b"", received)
        # The console's attributes reach the terminal as colour sequences; attribute 7 is Wine's reset
        # "\x1b[m", sent with the next text. The terminal adds its "\r" to our "\r\n".
        answers = block("localhost=127.0.0.1", "127.0.0.1=localhost")
        self.assertEqual(
            received, (b"\x1b[92m" + BANNER + b"\x1b[m" + answers).replace(b"\n", b"\r\n")
        )
        self.assertEqual(status, 0)

    def test_a_blue_background_is_kept_and_the_attribute_put_back(self):
        # White on blue (0x17): the banner is light green on blue, and the console is at 0x17 again
        # once twoway has ended.
        probe = windows_path(CONSOLE_PROBE).encode()
        with tempfile.TemporaryDirectory() as folder:
            batch = write_batch(folder, b"color 17", probe, windows_path(TWOWAY_EXE).encode() + b" localhost", probe)
            received, status = self.on_console("cmd", "/c", batch)
        self.assertEqual(status, 0)
        text = re.sub(rb"\x1b\[[0-9;?]*[A-Za-z]", b"", received)
        self.assertEqual(re.findall(rb"console attribute \w+", text),
                         [b"console attribute 0x17", b"console attribute 0x17"])
        # Wine shows the blue background as SGR 44 when `color` fills the screen, and then changes only
        # the foreground for the banner.
        banner_start = received.index(b"------")
        self.assertTrue(received[:banner_start].endswith(b"\x1b[92m"), received[banner_start - 40:banner_start])


if __name__ == "__main__":
    TWOWAY_EXE = os.path.abspath(sys.argv.pop(1))
    CONSOLE_PROBE = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
