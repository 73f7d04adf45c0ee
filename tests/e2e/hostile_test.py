"""Hostile input on the real binary: huge and many arguments, bytes the resolver does not expect,
hosts-file names that carry control bytes, names at and over the DNS length limit, and a name server
that never answers. Every case has its exact output and exit status.

Run inside `hermetic fixture`: the test is root in that private mount namespace and, where a case needs
a hosts file or resolv.conf of its own, binds it over the fixture's for that run alone.

    hermetic fixture python3 hostile_test.py PATH/TO/twoway
"""

import os
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest

import expected

TWOWAY = None  # set from the command line
BANNER = expected.banner(b"\n")
LONGEST_DNS_NAME = "a" * 63 + "." + "b" * 63 + "." + "c" * 63 + "." + "d" * 56 + ".test"  # 253
MAX_ARGUMENT = 131071  # the kernel's largest single argument, less its NUL


def block(first, second):
    return expected.block(first, second, b"\n")


def bblock(first, second):
    """A block from byte strings."""
    return first + b"\n" + second + b"\n" + expected.SEPARATOR.encode() + b"\n"


def run(arguments, etc=None, timeout=120):
    """Runs twoway; `etc` maps file names under /etc to contents bound over them for this run only."""
    command = [TWOWAY, *arguments]
    folder = None
    if etc:
        folder = tempfile.mkdtemp()
        binds = []
        for name, content in etc.items():
            path = os.path.join(folder, name)
            with open(path, "wb") as out:
                out.write(content)
            binds.append(f"mount --bind {path} /etc/{name}")
        command = ["unshare", "-m", "sh", "-c", " && ".join(binds) + ' && exec "$@"', "sh", *command]
    try:
        return subprocess.run(command, capture_output=True, timeout=timeout)
    finally:
        if folder:
            shutil.rmtree(folder)


class Hostile(unittest.TestCase):
    def expect(self, result, *blocks):
        expected.assert_complete_run(self, result, BANNER, *blocks)

    def test_an_argument_of_the_largest_size(self):
        name = "n" * (MAX_ARGUMENT - 5) + ".test"
        number = "1" * MAX_ARGUMENT  # numeric by its look; far too large to be an address
        self.expect(run([name, number]), block(name + "=", "="), block(number + "=", "="))

    def test_fifty_thousand_arguments(self):
        arguments = ["files.test", "192.0.2.20"] * 25000
        self.expect(
            run(arguments),
            *[block("files.test=192.0.2.20", "192.0.2.20=files.test"),
              block("192.0.2.20=files.test", "files.test=192.0.2.20")] * 25000,
        )

    def test_bytes_from_128_on_pass_unchanged(self):
        hosts = b"127.0.0.1\tlocalhost\n192.0.2.40\tcaf\xc3\xa9.test\n192.0.2.41\t\x80\xff.test\n"
        result = run([b"caf\xc3\xa9.test", "192.0.2.41", b"\xfe\xfe.test"], etc={"hosts": hosts})
        self.expect(
            result,
            bblock(b"caf\xc3\xa9.test=192.0.2.40", b"192.0.2.40=caf\xc3\xa9.test"),
            bblock(b"192.0.2.41=\x80\xff.test", b"\x80\xff.test=192.0.2.41"),
            bblock(b"\xfe\xfe.test=", b"="),
        )

    def test_control_bytes_in_hosts_file_names_come_out_escaped(self):
        hosts = b"127.0.0.1\tlocalhost\n192.0.2.30\tctl\x01\x1b[31m\x7f.test\n"
        self.expect(
            run(["192.0.2.30"], etc={"hosts": hosts}),
            block("192.0.2.30=ctl\\x01\\x1b[31m\\x7f.test", "ctl\\x01\\x1b[31m\\x7f.test=192.0.2.30"),
        )

    def test_names_at_and_over_the_dns_length_limit(self):
        too_long = "e" * 63 + "." + LONGEST_DNS_NAME[64:] + "e"  # 254 characters
        self.assertEqual(len(LONGEST_DNS_NAME), 253)
        self.assertEqual(len(too_long), 254)
        self.expect(
            run([LONGEST_DNS_NAME, "198.51.100.253", too_long, "x" * 300 + ".test"]),
            block(LONGEST_DNS_NAME + "=198.51.100.253", "198.51.100.253=" + LONGEST_DNS_NAME),
            block("198.51.100.253=" + LONGEST_DNS_NAME, LONGEST_DNS_NAME + "=198.51.100.253"),
            block(too_long + "=", "="),
            block("x" * 300 + ".test=", "="),
        )

    def test_a_name_server_that_never_answers(self):
        silent = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        silent.bind(("127.0.0.2", 53))
        received = []
        stop = threading.Event()

        def swallow():
            silent.settimeout(0.1)
            while not stop.is_set():
                try:
                    received.append(silent.recv(4096))
                except socket.timeout:
                    pass

        listener = threading.Thread(target=swallow)
        listener.start()
        try:
            started = time.monotonic()
            result = run(
                ["silent.test", "203.0.113.77"],
                etc={
                    "resolv.conf": b"nameserver 127.0.0.2\noptions timeout:1 attempts:1\n",
                    "hosts": b"127.0.0.1\tlocalhost\n",
                },
                timeout=60,
            )
            elapsed = time.monotonic() - started
        finally:
            stop.set()
            listener.join()
            silent.close()
        self.expect(result, block("silent.test=", "="), block("203.0.113.77=", "="))
        self.assertTrue(received, "the resolver never asked the silent server")
        # It waits as the resolver waits (a second a query here), and no longer.
        self.assertGreaterEqual(elapsed, 1.0)
        self.assertLess(elapsed, 20.0)


def require(tool):
    """Skips a test whose tool is missing; under CI the tool must be there."""
    if shutil.which(tool) is None:
        if os.environ.get("CI") == "true":
            raise AssertionError(f"{tool} is not installed (CI must run this)")
        raise unittest.SkipTest(f"{tool} is not installed")


@unittest.skipIf(os.environ.get("TWOWAY_SANITIZED") == "1", "the binary is built with sanitizers")
class Memory(unittest.TestCase):
    @staticmethod
    def peak_rss_kib(arguments):
        # GNU time reports the peak of the program alone (a child forked from this test would count
        # the test's own memory too).
        result = subprocess.run(
            ["/usr/bin/time", "-f", "%M", TWOWAY, *arguments],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=120,
        )
        assert result.returncode == 0
        return int(result.stderr.split()[-1])

    def test_many_arguments_need_little_more_than_the_arguments_themselves(self):
        require("/usr/bin/time")
        few = ["files.test", "192.0.2.20"] * 5
        many = ["files.test", "192.0.2.20"] * 25000
        argument_kib = sum(len(a) + 1 for a in many) // 1024
        few_kib, many_kib = self.peak_rss_kib(few), self.peak_rss_kib(many)
        print(f"\npeak RSS: {few_kib} KiB for 10 arguments, {many_kib} KiB for 50,000 "
              f"({argument_kib} KiB of argument text)", file=sys.stderr)
        # The kernel holds the arguments and a pointer to each, the program a view of each; nothing
        # grows with the output or the lookups.
        self.assertLess(many_kib - few_kib, 4 * argument_kib + 1024)

    def test_memcheck_finds_no_leak_and_no_error(self):
        require("valgrind")
        result = subprocess.run(
            ["valgrind", "--quiet", "--error-exitcode=99", "--leak-check=full",
             "--errors-for-leak-kinds=definite,indirect", "--show-leak-kinds=definite,indirect",
             TWOWAY, "localhost", "multi.test", "198.51.100.5", "nowhere.test", "......."],
            capture_output=True, timeout=300,
        )
        self.assertEqual(result.stderr, b"")
        self.assertEqual(result.returncode, 0)


if __name__ == "__main__":
    TWOWAY = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
