"""The benchmark behind `make bench`: twoway against `getent hosts` and against a floor program that
makes the same resolver calls and writes nothing. Every answer comes from a hosts file of 1,000
entries; /etc/resolv.conf names 127.0.0.1, where nothing listens.

    python3 bench.py fixture DIR                   writes the fixture for `hermetic`
    python3 bench.py measure TWOWAY FLOOR RESULTS  runs inside `hermetic DIR`, prints the table and
                                                   writes it to RESULTS
"""

import datetime
import os
import platform
import re
import statistics
import subprocess
import sys
import time

ENTRIES = 1000
SINGLE_RUNS = 200
MANY_ARGUMENTS = 10000
MANY_RUNS = 9
CALLGRIND_ARGUMENTS = 1000


def addresses():
    for prefix in ("192.0.2", "198.51.100", "203.0.113"):
        for host in range(1, 255):
            yield f"{prefix}.{host}"


def entries():
    """(address, name) for every line of the hosts file: each documentation address once, then
    second names for the first addresses."""
    pool = list(addresses())
    return [(pool[i % len(pool)], f"host-{i:04d}.bench.test") for i in range(ENTRIES)]


def write_fixture(folder):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "hosts"), "w") as out:
        out.write("127.0.0.1\tlocalhost\n")
        for address, name in entries():
            out.write(f"{address}\t{name}\n")
    files = {"resolv.conf": "nameserver 127.0.0.1\n", "nsswitch.conf": "hosts: files dns\n",
             "host.conf": "multi on\n"}
    for name, text in files.items():
        with open(os.path.join(folder, name), "w") as out:
            out.write(text)


def timed(command, stdout):
    started = time.perf_counter()
    child = subprocess.Popen(command, stdout=stdout)
    if stdout == subprocess.PIPE:
        while child.stdout.read(65536):
            pass
    child.wait()
    elapsed = time.perf_counter() - started
    if child.returncode != 0:
        raise SystemExit(f"bench: {command[0]} exited {child.returncode}")
    return elapsed


def alternate(commands, runs):
    """Median seconds of each (label, command, stdout), the commands taking turns."""
    times = {label: [] for label, _, _ in commands}
    for _ in range(runs):
        for label, command, stdout in commands:
            with open(os.devnull, "wb") if stdout is None else open(stdout, "wb") \
                    if isinstance(stdout, str) else nullcontext(stdout) as sink:
                times[label].append(timed(command, sink))
    return {label: statistics.median(values) for label, values in times.items()}


class nullcontext:
    def __init__(self, value):
        self.value = value

    def __enter__(self):
        return self.value

    def __exit__(self, *_):
        return False


def peak_rss_kib(command):
    result = subprocess.run(["/usr/bin/time", "-f", "%M", *command], stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, check=True)
    return int(result.stderr.split()[-1])


def instructions(command):
    result = subprocess.run(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", *command],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=True)
    return int(re.search(rb"Collected : (\d+)", result.stderr).group(1))


def machine():
    model = "unknown processor"
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return f"{platform.machine()}, {model}, {os.cpu_count()} cores, Linux {platform.release()}"


def measure(twoway, floor, results_path):
    table = entries()[:762]
    single_name = table[381][1]
    # Names and addresses in turn, spread over the file.
    arguments = [table[(i * 7) % len(table)][i % 2] for i in range(MANY_ARGUMENTS)]
    answer = {}
    for address, name in entries():
        answer.setdefault(address, name)
        answer.setdefault(name, address)
    # getent gets the same 20,000 keys twoway asks for: each argument and its first answer.
    keys = [key for argument in arguments for key in (argument, answer[argument])]
    scratch = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"twoway-bench-{os.getpid()}")

    single = alternate([("twoway", [twoway, single_name], None),
                        ("getent", ["getent", "hosts", single_name], None)], SINGLE_RUNS)
    many = alternate([("twoway to a file", [twoway, *arguments], scratch),
                      ("twoway to a pipe", [twoway, *arguments], subprocess.PIPE),
                      ("floor", [floor, *arguments], None),
                      ("getent", ["getent", "hosts", *keys], scratch)], MANY_RUNS)
    os.unlink(scratch)
    rss = {"twoway": peak_rss_kib([twoway, *arguments]), "floor": peak_rss_kib([floor, *arguments]),
           "getent": peak_rss_kib(["getent", "hosts", *keys])}
    few = arguments[:CALLGRIND_ARGUMENTS]
    counted = {"twoway": instructions([twoway, *few]), "floor": instructions([floor, *few])}

    # What the IPv6-first order costs getent: before its IPv4 lookup finds the hosts file, its IPv6
    # lookup misses there and goes on to the name server. Without DNS in nsswitch.conf (bound over
    # the fixture's for the rest of this namespace) that query is not made.
    files_only = os.path.join(os.path.dirname(results_path), ".nsswitch-files-only")
    with open(files_only, "w") as out:
        out.write("hosts: files\n")
    subprocess.run(["mount", "--bind", files_only, "/etc/nsswitch.conf"], check=True)
    os.unlink(files_only)
    without_dns = alternate([("getent", ["getent", "hosts", single_name], None)], SINGLE_RUNS)

    per = {label: seconds / MANY_ARGUMENTS * 1e6 for label, seconds in many.items()}
    lines = [
        f"Machine: {machine()}",
        f"Date: {datetime.date.today().isoformat()}",
        f"Hosts file: {ENTRIES + 1} entries; resolv.conf names 127.0.0.1 (nothing listens there).",
        "",
        "| measurement | twoway | reference | ratio |",
        "|---|---|---|---|",
        f"| single shot, median of {SINGLE_RUNS} (`{single_name}`) | {single['twoway'] * 1e3:.3f} ms "
        f"| getent hosts {single['getent'] * 1e3:.3f} ms | {single['twoway'] / single['getent']:.3f} |",
        f"| {MANY_ARGUMENTS:,} arguments to a file, median of {MANY_RUNS} | {per['twoway to a file']:.1f} µs/arg "
        f"| floor {per['floor']:.1f} µs/arg | {many['twoway to a file'] / many['floor']:.3f} |",
        f"| {MANY_ARGUMENTS:,} arguments to a pipe, median of {MANY_RUNS} | {per['twoway to a pipe']:.1f} µs/arg "
        f"| floor {per['floor']:.1f} µs/arg | {many['twoway to a pipe'] / many['floor']:.3f} |",
        f"| the same lookups against getent (20,000 keys) | {per['twoway to a file']:.1f} µs/arg "
        f"| getent hosts {per['getent']:.1f} µs/arg | {many['twoway to a file'] / many['getent']:.3f} |",
        f"| peak RSS, {MANY_ARGUMENTS:,} arguments | {rss['twoway']} KiB | floor {rss['floor']} KiB, "
        f"getent {rss['getent']} KiB | {rss['twoway'] / rss['floor']:.3f} |",
        f"| instructions, {CALLGRIND_ARGUMENTS:,} arguments (callgrind) | {counted['twoway']:,} "
        f"| floor {counted['floor']:,} | {counted['twoway'] / counted['floor']:.4f} |",
        "",
        f"getent hosts asks for IPv6 first: the IPv6 lookup of `{single_name}` misses the hosts file and "
        f"asks the name server before the IPv4 lookup finds the name. With `hosts: files` alone it takes "
        f"{without_dns['getent'] * 1e3:.3f} ms instead of {single['getent'] * 1e3:.3f} ms: the difference is "
        f"what that query costs it; the extra scan of the hosts file it makes either way.",
    ]
    text = "\n".join(lines)
    print(text)
    with open(results_path, "w") as out:
        out.write("# Benchmark results\n\nThe last run of `make bench` (bench/run, bench/bench.py).\n\n"
                  + text + "\n")


if __name__ == "__main__":
    if sys.argv[1] == "fixture":
        write_fixture(sys.argv[2])
    else:
        measure(*sys.argv[2:5])
