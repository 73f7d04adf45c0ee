"""End-to-end runs of the built binary against the real system resolver.

Run inside `hermetic fixture`: the hosts file and the DNS records the expectations name are the
fixture's, and nothing reaches a name server off this machine.

    hermetic fixture python3 e2e_test.py PATH/TO/twoway
"""

import os
import pty
import resource
import signal
import subprocess
import sys
import unittest

import expected

TWOWAY = None  # set from the command line
BANNER = expected.banner(b"\n")


def run(*arguments, **options):
    return subprocess.run([TWOWAY, *arguments], capture_output=True, timeout=60, **options)


def block(first, second):
    return expected.block(first, second, b"\n")


class Runs(unittest.TestCase):
    def expect(self, arguments, *blocks):
        expected.assert_complete_run(self, run(*arguments), BANNER, *blocks)

    def test_no_arguments_prints_the_usage_line_with_the_file_name(self):
        self.expect([], b"Usage: twoway domain1 [domain2] [domain3]...\n")

    def test_one_argument(self):
        self.expect(["localhost"], block("localhost=127.0.0.1", "127.0.0.1=localhost"))

    def test_three_arguments_in_order_without_blank_lines(self):
        self.expect(
            ["multi-alias.test", "alias.test", "198.51.100.5"],
            # An alias in the hosts file: the reverse answer is the official name.
            block("multi-alias.test=192.0.2.10", "192.0.2.10=multi.test"),
            # A CNAME in DNS: the name registered for the address differs from the argument.
            block("alias.test=198.51.100.7", "198.51.100.7=real.test"),
            # A PTR whose name has no address.
            block("198.51.100.5=orphan.test", "orphan.test="),
        )

    def test_several_addresses_show_the_first_and_its_name(self):
        self.expect(["multi.test"], block("multi.test=192.0.2.10", "192.0.2.10=multi.test"))

    def test_failed_lookups_end_at_the_equals_sign(self):
        self.expect(
            ["203.0.113.9", "nowhere.test", "", "1.2.3.4.5"],
            block("203.0.113.9=", "="),  # an address without PTR
            block("nowhere.test=", "="),  # a name that does not exist
            block("=", "="),  # an empty argument
            block("1.2.3.4.5=", "="),  # numeric by its look, no address
        )

    def test_texts_that_are_no_address_never_ask_for_the_all_ones_address(self):
        # The hosts file names 255.255.255.255; none of these may find it.
        self.expect(
            [".......", "999.999.999.999", "nowhere.test"],
            block(".......=", "="),
            block("999.999.999.999=", "="),
            block("nowhere.test=", "="),
        )

    def test_the_all_ones_address_itself_is_looked_up(self):
        self.expect(
            ["255.255.255.255", "4294967295"],
            block("255.255.255.255=broadcasthost", "broadcasthost=255.255.255.255"),
            block("4294967295=broadcasthost", "broadcasthost=255.255.255.255"),
        )

    def test_numbers_and_short_dotted_texts(self):
        self.expect(
            ["3221225994", "1.2.3"],
            # Ten digits: one 32-bit number, 192.0.2.10.
            block("3221225994=multi.test", "multi.test=192.0.2.10"),
            # Too short to be taken for an address: the resolver's by-name lookup reads it itself.
            block("1.2.3=1.2.0.3", "1.2.0.3="),
        )

    def test_control_bytes_in_arguments_are_escaped(self):
        self.expect(
            ["forged\n192.0.2.1=trusted", "\x1b[2J.test"],
            block("forged\\x0a192.0.2.1=trusted=", "="),
            block("\\x1b[2J.test=", "="),
        )


class WriteFailures(unittest.TestCase):
    def expect_failure(self, result, error_text):
        self.assertEqual(result.returncode, 1)
        self.assertEqual(
            result.stderr, f"twoway: cannot write to standard output: {error_text}\n".encode()
        )

    def test_full_device(self):
        with open("/dev/full", "wb") as full:
            result = subprocess.run([TWOWAY, "localhost"], stdout=full, stderr=subprocess.PIPE)
        self.expect_failure(result, "No space left on device (error 28)")

    def test_closed_standard_output(self):
        result = subprocess.run(
            ["sh", "-c", 'exec "$0" localhost >&-', TWOWAY], stderr=subprocess.PIPE
        )
        self.expect_failure(result, "Bad file descriptor (error 9)")

    def test_pipe_whose_reader_has_gone(self):
        read_end, write_end = os.pipe()
        os.close(read_end)
        try:
            result = subprocess.run([TWOWAY, "localhost"], stdout=write_end, stderr=subprocess.PIPE)
        finally:
            os.close(write_end)
        self.expect_failure(result, "Broken pipe (error 32)")

    def test_nothing_follows_the_failed_block(self):
        # A file size limit that takes the banner and the first block exactly: the second block's
        # write fails whole, and the third argument is never written.
        first = block("localhost=127.0.0.1", "127.0.0.1=localhost")
        limit = len(BANNER) + len(first)
        path = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"twoway-e2e-{os.getpid()}")

        def limit_file_size():
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

        try:
            with open(path, "wb") as out:
                result = subprocess.run(
                    [TWOWAY, "localhost", "multi.test", "alias.test"],
                    stdout=out,
                    stderr=subprocess.PIPE,
                    preexec_fn=limit_file_size,
                )
            with open(path, "rb") as out:
                self.assertEqual(out.read(), BANNER + first)
        finally:
            os.unlink(path)
        self.expect_failure(result, "File too large (error 27)")


class Terminal(unittest.TestCase):
    def run_on_terminal(self, *arguments):
        pid, master = pty.fork()
        if pid == 0:
            os.execv(TWOWAY, [TWOWAY, *arguments])
        return expected.read_terminal(pid, master)

    def test_banner_in_light_green_then_the_terminals_own_colours(self):
        received, status = self.run_on_terminal("localhost")
        # The terminal turns every line end into carriage return and line feed.
        expected = (
            b"\x1b[92m"
            + BANNER
            + b"\x1b[0m"
            + block("localhost=127.0.0.1", "127.0.0.1=localhost")
        ).replace(b"\n", b"\r\n")
        self.assertEqual(received, expected)
        self.assertEqual(status, 0)

    def test_files_and_pipes_get_no_escape_byte(self):
        result = run("localhost", "nowhere.test")
        self.assertNotIn(b"\x1b", result.stdout)
        self.assertTrue(result.stdout.startswith(BANNER))


if __name__ == "__main__":
    TWOWAY = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
