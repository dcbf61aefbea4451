#!/usr/bin/env python3
"""Prints the summary of a `make test` run from the phases' result files and their times.

Usage: summary.py <phase times file> <results.json>...
The times file has a line per phase: its name, a tab, its seconds. The last line printed is
'N passed, N failed, N skipped'."""

import json
import sys


def main():
    times_file, result_files = sys.argv[1], sys.argv[2:]
    phases = []
    with open(times_file, encoding="utf-8") as times:
        for line in times:
            name, _, seconds = line.rstrip("\n").partition("\t")
            if name:
                phases.append((name, float(seconds)))
    results = []
    for path in result_files:
        try:
            with open(path, encoding="utf-8") as handle:
                results.append(json.load(handle))
        except (OSError, ValueError):
            results.append({"name": path, "passed": 0, "failed": ["(no results: the phase did not run)"],
                            "skipped": [], "retried": [], "seconds": 0})

    print()
    print("Time by phase:")
    for name, seconds in phases:
        print("  %-40s %6.0f s" % (name, seconds))

    retried = [(r["name"], test, silent) for r in results for test, silent in r["retried"]]
    if retried:
        print("%d passed only on the second try:" % len(retried))
        for phase, test, silent in retried:
            print("  %s: %s%s" % (phase, test,
                                  " (the first try printed nothing: its program never started)" if silent else ""))
    skipped = [(r["name"], test, reason) for r in results for test, reason in r["skipped"]]
    if skipped:
        print("%d skipped:" % len(skipped))
        for phase, test, reason in skipped:
            print("  %s: %s (%s)" % (phase, test, reason))
    failed = [(r["name"], test) for r in results for test in r["failed"]]
    if failed:
        print("%d failed:" % len(failed))
        for phase, test in failed:
            print("  %s: %s" % (phase, test))
    for r in results:
        print("%s: %d passed, %d failed, %d skipped" % (
            r["name"].replace(" ", "-"), r["passed"], len(r["failed"]), len(r["skipped"])))
    print("%d passed, %d failed, %d skipped" % (
        sum(r["passed"] for r in results), len(failed), len(skipped)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
