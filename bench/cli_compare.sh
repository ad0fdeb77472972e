#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Command-line conversion benchmark: mensurio-cli side by side with GNU units and qalc.
#
# One-shot: each command is started RUNS times; a run's figure is the processor time (user +
# system) of the whole process, taken from the kernel's account of the ended child (wait4),
# so the load of the machine hardly matters. The median is reported, with the ratio of the
# other programs' medians to mensurio-cli's one ("x faster").
# Batch: LINES lines of the same conversion on standard input, each program reading its own
# batch form (mensurio-cli --batch; GNU units: alternating have and want lines; qalc -f -, with
# a hundredth of the lines, as it is slow). A second mensurio-cli batch has a different expression on
# every line ("N foot + 3 inch"), so that nothing learnt from one line serves the next.
# The median processor time of BATCH_RUNS runs is reported as lines per second.
#
# Usage: bench/cli_compare.sh [BIN_DIR] [RUNS] [LINES] [BATCH_RUNS]
#        (defaults: build/bin, 20, 100000, 3). GNU units and qalc are installed when missing.
# Targets for mensurio-cli: a one-shot conversion at least 4 times faster than GNU units, and
# a batch of at least 100,000 lines per second.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BIN_DIR="${1:-$ROOT/build/bin}"
RUNS="${2:-20}"
LINES="${3:-100000}"
BATCH_RUNS="${4:-3}"
CLI="$BIN_DIR/mensurio-cli"
PYTHON="$(command -v /usr/bin/python3 || command -v python3)" || { echo "cli_compare: python3 is missing (Debian package python3-minimal)" >&2; exit 2; }

if [[ ! -x "$CLI" ]]; then
  echo "cli_compare: $CLI is missing; build the target mensurio-cli first" >&2
  exit 2
fi

missing=()
command -v units >/dev/null || missing+=(units)
command -v qalc >/dev/null || missing+=(qalc)
if ((${#missing[@]})); then
  echo "cli_compare: installing ${missing[*]}" >&2
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
fi

exec "$PYTHON" - "$CLI" "$RUNS" "$LINES" "$BATCH_RUNS" <<'PYTHON'
import os, statistics, sys, tempfile

cli, runs, lines, batch_runs = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
EXPR_M, EXPR_U = "5 foot + 3 inch", "5 ft + 3 in"

def run(argv, stdin_path="/dev/null", capture=False):
    """Processor time of the child in ms, and its standard output when asked for. The child is
    started with posix_spawn (a vfork), so no copy of this interpreter is charged to it."""
    read_end, write_end = os.pipe() if capture else (None, None)
    source = os.open(stdin_path, os.O_RDONLY)
    null = os.open("/dev/null", os.O_WRONLY)
    actions = [(os.POSIX_SPAWN_DUP2, source, 0), (os.POSIX_SPAWN_DUP2, write_end if capture else null, 1),
               (os.POSIX_SPAWN_DUP2, null, 2)]
    pid = os.posix_spawnp(argv[0], argv, os.environ, file_actions=actions)
    os.close(source)
    os.close(null)
    output = b""
    if capture:
        os.close(write_end)
        while chunk := os.read(read_end, 65536):
            output += chunk
        os.close(read_end)
    _, status, usage = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit(f"cli_compare: {' '.join(argv)} failed")
    return (usage.ru_utime + usage.ru_stime) * 1000.0, output

def median_ms(argv, count, stdin_path="/dev/null"):
    run(argv, stdin_path)  # warm the page cache
    return statistics.median(run(argv, stdin_path)[0] for _ in range(count))

def first_line(argv, stdin_path="/dev/null"):
    return run(argv, stdin_path, capture=True)[1].decode(errors="replace").strip().splitlines()[0]

print(f"One-shot conversions: median processor time of {runs} runs")
oneshot = [
    ("process that does nothing", ["/bin/true"]),
    ("mensurio-cli --version", [cli, "--version"]),
    ("mensurio-cli 1 foot --to meter", [cli, "1", "foot", "--to", "meter"]),
    (f"mensurio-cli '{EXPR_M}' --to meter", [cli, EXPR_M, "--to", "meter"]),
    ("mensurio-cli -c Length 1 foot --all", [cli, "-c", "Length", "1", "foot", "--all"]),
    ("mensurio-cli --find met --anywhere", [cli, "--find", "met", "--anywhere"]),
    ("mensurio-cli --list-units Length", [cli, "--list-units", "Length"]),
    (f"units -t '{EXPR_U}' m", ["units", "-t", EXPR_U, "m"]),
    (f"qalc -t '{EXPR_U} to m'", ["qalc", "-t", f"{EXPR_U} to m"]),
]
figures = {}
for label, argv in oneshot:
    figures[label] = median_ms(argv, runs)
    print(f"  {label:<44} {figures[label]:8.2f} ms")
ours = figures[f"mensurio-cli '{EXPR_M}' --to meter"]
print(f"  results: mensurio-cli {first_line([cli, EXPR_M, '--to', 'meter'])!r}, "
      f"units {first_line(['units', '-t', EXPR_U, 'm'])!r}, qalc {first_line(['qalc', '-t', EXPR_U + ' to m'])!r}")
print(f"  GNU units / mensurio-cli: {figures[f'units -t {chr(39)}{EXPR_U}{chr(39)} m'] / ours:5.1f} x")
print(f"  qalc / mensurio-cli:      {figures[f'qalc -t {chr(39)}{EXPR_U} to m{chr(39)}'] / ours:5.1f} x")

# qalc works each line in a thread it waits for, some milliseconds a line of wall-clock time:
# a hundredth of the lines tells its rate as well.
qalc_lines = max(1, lines // 100)
print(f"\nBatch: lines of '{EXPR_M}' to meter, median processor time of {batch_runs} runs")
with tempfile.TemporaryDirectory() as scratch:
    def write(name, text, count):
        path = os.path.join(scratch, name)
        with open(path, "w") as f:
            f.write(text * count)
        return path
    batches = [
        ("mensurio-cli --batch --to meter", [cli, "--batch", "--to", "meter"],
         write("m.txt", EXPR_M + "\n", lines)),
        ("mensurio-cli --batch, every line different", [cli, "--batch", "--to", "meter"],
         write("d.txt", "".join(f"{i} foot + 3 inch\n" for i in range(lines)), 1)),
        ("units -t (have/want lines)", ["units", "-t"], write("u.txt", f"{EXPR_U}\nm\n", lines)),
        ("qalc -t -f -", ["qalc", "-t", "-f", "-"], write("q.txt", f"{EXPR_U} to m\n", qalc_lines)),
    ]
    rates = {}
    for label, argv, path in batches:
        count = qalc_lines if label.startswith("qalc") else lines
        ms = median_ms(argv, batch_runs, path)
        rates[label] = count / (ms / 1000.0)
        print(f"  {label:<44} {count:>7} lines {ms:10.1f} ms  {rates[label]:10,.0f} lines/s  "
              f"{first_line(argv, path)!r}")
    ours = rates[batches[0][0]]
    print(f"  mensurio-cli / GNU units: {ours / rates[batches[2][0]]:7.1f} x")
    print(f"  mensurio-cli / qalc:      {ours / rates[batches[3][0]]:7.1f} x")
PYTHON
