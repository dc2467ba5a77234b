#!/usr/bin/env python3
"""Times zum-batch on the largest job against cp of its companion output.

Both are measured as whole processes (wall clock and wait4's usage), in alternating pairs;
the report gives the medians, their ratio, MB/s read and written and the
peak resident memory of zum-batch. Run from the source tree's root after
`cmake --build --preset release`:

    bench/whole_process.py [--build build/release] [--pairs 7]
                           [--batch OTHER/zum-batch]

--batch times another zum-batch (an earlier version's, say) on the job that
this build's programs write.
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def timed(command):
    """Runs COMMAND; returns (wall s, cpu s, peak KiB) of its process."""
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        raise SystemExit(f"{command[0]} ended with {child.returncode}")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build/release")
    parser.add_argument("--pairs", type=int, default=7)
    parser.add_argument("--batch")
    args = parser.parse_args()
    batch = args.batch or os.path.join(args.build, "app", "zum-batch")
    writer = os.path.join(args.build, "bench", "zum_write_largest_job")
    folder = tempfile.mkdtemp(prefix="zum-whole-process-")
    try:
        subprocess.run([writer, folder], check=True)
        settings = os.path.join(folder, "largest.cfg")
        run = [batch, "--quiet", settings]
        subprocess.run(run, check=True)  # warms the cache, makes the output
        companion = os.path.join(folder, "out_0.asm")
        copy = ["cp", companion, os.path.join(folder, "copy_0.asm")]
        runs, copies = [], []
        for _ in range(args.pairs):
            runs.append(timed(run))
            copies.append(timed(copy))
        read = sum(os.path.getsize(os.path.join(folder, name))
                   for name in os.listdir(folder)
                   if name.startswith("obj") and name.endswith(".asm"))
        written = (os.path.getsize(os.path.join(folder, "out.asm")) +
                   os.path.getsize(companion))
        run_wall = statistics.median(r[0] for r in runs)
        run_cpu = statistics.median(r[1] for r in runs)
        copy_wall = statistics.median(c[0] for c in copies)
        ratios = [r[0] / c[0] for r, c in zip(runs, copies)]
        mb = 1e6
        print(f"zum-batch: {run_wall:.3f} s wall, {run_cpu:.3f} s cpu "
              f"(median of {args.pairs}), peak "
              f"{max(r[2] for r in runs) / 1024:.1f} MiB")
        print(f"cp of the companion output: {copy_wall:.3f} s wall")
        print(f"ratio of medians: {run_wall / copy_wall:.1f}x, "
              f"median of pair ratios: {statistics.median(ratios):.1f}x")
        print(f"read {read / mb:.1f} MB at {read / mb / run_wall:.0f} MB/s, "
              f"wrote {written / mb:.1f} MB at "
              f"{written / mb / run_wall:.0f} MB/s")
    finally:
        shutil.rmtree(folder)
    return 0


if __name__ == "__main__":
    sys.exit(main())
