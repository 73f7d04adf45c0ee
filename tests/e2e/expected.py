"""What twoway writes, for the end-to-end tests of both builds, and how the tests read it."""

import os

BANNER_LINES = [
    "------------------------------------------------",
    "Domain name resolver Version 1.0",
    "",
    "",
    "Use it at your OWN-RISKS.",
    "",
    "Download more free tools at https://www.example.org/tools/",
    "------------------------------------------------",
]
SEPARATOR = "==========================="


def lines(texts, line_end):
    return b"".join(text.encode() + line_end for text in texts)


def banner(line_end):
    return lines(BANNER_LINES, line_end)


def block(first, second, line_end):
    """One argument's two answer lines and its separator."""
    return lines([first, second, SEPARATOR], line_end)


def read_terminal(pid, master):
    """Everything the program wrote to the pseudo-terminal `master`, and its exit status."""
    received = b""
    while True:
        try:
            chunk = os.read(master, 4096)
        except OSError:  # the terminal's far side closed
            break
        if not chunk:
            break
        received += chunk
    os.close(master)
    _, status = os.waitpid(pid, 0)
    return received, os.waitstatus_to_exitcode(status)


def assert_complete_run(test, result, banner_bytes, *blocks):
    """A run that wrote it all: the banner, then the blocks; nothing on standard error; status 0."""
    test.assertEqual(result.stdout, banner_bytes + b"".join(blocks))
    test.assertEqual(result.stderr, b"")
    test.assertEqual(result.returncode, 0)
