#!/usr/bin/env python3
"""Runs the test programs a build lists in its manifest and counts their tests.

Each GoogleTest program runs as one process: starting a Wine process costs far more than most
tests take. A program whose process ends before all its tests have reported (a crash, a hang
cut short) is started again for the tests it has not reached; the test it was in counts as
failed. Every failed test is then run once more on its own, and one that passes then is named
as passed on its second try.

Results go to a JSON file for the summary (tools/testing/summary.py); a line per program and
the output of every failed try go to standard output.

Manifest lines (tab-separated): "gtest <program>" or "script <name> <command...>".
"""

import argparse
import concurrent.futures
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time

RESULT = re.compile(r"^\[\s+(OK|FAILED|SKIPPED)\s+\] (\S+) \(\d+ ms\)$")
RUN = re.compile(r"^\[ RUN      \] (\S+)$")
FINISHED = re.compile(r"^\[==========\] \d+ tests? from \d+ test suites? ran\.")

print_lock = threading.Lock()


def say(text):
    with print_lock:
        print(text, flush=True)


class Try:
    """One process of a test program and what its output said."""

    def __init__(self):
        self.results = {}  # test -> OK / FAILED / SKIPPED, in order
        self.outputs = {}  # test -> its lines, from RUN to its result
        self.unfinished = None  # the test the process was in when it ended
        self.finished = False  # GoogleTest's closing line was seen
        self.status = None
        self.timed_out = False
        self.lines = []


def run_process(command, cwd, quiet_limit, env):
    """Runs one process with its output in a file (a pipe would also wait for any process
    that inherits it, such as the Wine desktop started by the first window). Ends it when
    it prints nothing for quiet_limit seconds. Returns (status, lines, timed_out)."""
    with tempfile.TemporaryFile() as output:
        process = subprocess.Popen(command, cwd=cwd, stdin=subprocess.DEVNULL, stdout=output,
                                   stderr=subprocess.STDOUT, env=env, start_new_session=True)
        size, last_change, timed_out = 0, time.monotonic(), False
        while True:
            try:
                process.wait(timeout=0.2)
                break
            except subprocess.TimeoutExpired:
                pass
            now_size = os.fstat(output.fileno()).st_size
            if now_size != size:
                size, last_change = now_size, time.monotonic()
            elif time.monotonic() - last_change > quiet_limit:
                timed_out = True
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                process.wait()
                break
        output.seek(0)
        text = output.read().decode("utf-8", "replace").replace("\r", "")
    return process.returncode, text.split("\n"), timed_out


def parse(lines, attempt):
    current = None
    for line in lines:
        attempt.lines.append(line)
        run = RUN.match(line)
        if run:
            current = run.group(1)
            attempt.outputs[current] = [line]
            continue
        result = RESULT.match(line)
        if result and result.group(2) == current:
            attempt.outputs[current].append(line)
            attempt.results[current] = result.group(1)
            current = None
            continue
        if current is not None:
            attempt.outputs[current].append(line)
        if FINISHED.match(line):
            attempt.finished = True
    attempt.unfinished = current


class Program:
    def __init__(self, args, kind, path, command=None):
        self.args = args
        self.kind = kind
        self.path = path
        self.command = command
        self.name = os.path.basename(path)
        if self.name.endswith(".exe"):
            self.name = self.name[:-4]
        self.passed, self.failed, self.skipped = [], [], []
        self.retried = []
        self.notes = []
        self.seconds = 0.0

    def launch(self, extra):
        command = ([self.args.loader] if self.args.loader else []) + [self.path] + extra
        return run_process(command, os.path.dirname(self.path) or ".", self.args.quiet_limit,
                           os.environ.copy())

    def one_try(self, gtest_filter):
        attempt = Try()
        extra = ["--gtest_filter=" + gtest_filter] if gtest_filter else []
        attempt.status, lines, attempt.timed_out = self.launch(extra)
        parse(lines, attempt)
        return attempt

    def first_tries(self):
        """Runs every test once; returns {test: (result, output lines)}."""
        outcome = {}
        for _ in range(100):
            done = list(outcome)
            attempt = self.one_try("-" + ":".join(done) if done else None)
            for test, result in attempt.results.items():
                outcome[test] = (result, attempt.outputs[test])
            if attempt.unfinished and any(line.endswith(": Skipped")
                                          for line in attempt.outputs[attempt.unfinished]):
                # Under i386 emulation Wine's own code sometimes ends the process right after a
                # test said it skips ("stack smashing detected"): the test's word stands.
                outcome[attempt.unfinished] = ("SKIPPED", attempt.outputs[attempt.unfinished])
                continue
            if attempt.unfinished:
                why = "timed out: nothing printed for %d s" % self.args.quiet_limit \
                    if attempt.timed_out else "its process ended here (status %s)" % attempt.status
                outcome[attempt.unfinished] = ("FAILED", attempt.outputs[attempt.unfinished] + [why])
                continue
            if not attempt.finished:
                # Ended before its first test or after its last: nothing more to learn by retrying.
                outcome[self.name + " (process)"] = (
                    "FAILED", attempt.lines[-40:] + ["the program ended without finishing (status %s)"
                                                    % attempt.status])
            elif self.args.exit_status_counts and attempt.status != 0 and not any(
                    result == "FAILED" for result, _ in outcome.values()):
                outcome[self.name + " (exit)"] = (
                    "FAILED", attempt.lines[-40:] + ["all its tests passed, but it exited with status %s"
                                                    % attempt.status])
            break
        return outcome

    def outcome_of(self, test, attempt):
        if test in attempt.results:
            return attempt.results[test], attempt.outputs[test]
        return "FAILED", attempt.lines[-60:] + ["no result (status %s%s)" % (
            attempt.status, ", timed out" if attempt.timed_out else "")]

    def run_gtest(self):
        outcome = self.first_tries()
        for test, (result, output) in outcome.items():
            if result == "OK":
                self.passed.append(test)
            elif result == "SKIPPED":
                self.skipped.append((test, skip_reason(output)))
            elif test.endswith(")"):  # the process itself, not a test
                self.failed.append(test)
                self.report_failure(test, output, "")
            else:
                second = self.one_try(test)
                again, again_output = self.outcome_of(test, second)
                if again == "OK":
                    self.passed.append(test)
                    self.retried.append((test, not any(line.strip() for line in output)))
                    self.report_failure(test, output, " (first try; passed on the second)")
                else:
                    self.failed.append(test)
                    self.report_failure(test, output, " (first try)")
                    self.report_failure(test, again_output, " (second try)")

    def run_script(self):
        status, lines, timed_out = run_process(self.command, os.path.dirname(self.path) or ".",
                                               self.args.quiet_limit, os.environ.copy())
        if status == 0:
            self.passed.append(self.name)
            return
        status2, lines2, _ = run_process(self.command, os.path.dirname(self.path) or ".",
                                         self.args.quiet_limit, os.environ.copy())
        if status2 == 0:
            self.passed.append(self.name)
            self.retried.append((self.name, not any(line.strip() for line in lines)))
            self.report_failure(self.name, lines, " (first try; passed on the second)")
        else:
            self.failed.append(self.name)
            self.report_failure(self.name, lines2, " (status %s%s)" % (status2, ", timed out" if timed_out else ""))

    def report_failure(self, test, output, what):
        say("---- %s%s\n%s\n----" % (test, what, "\n".join(output).rstrip()))

    def run(self):
        start = time.monotonic()
        if self.kind == "script":
            self.run_script()
        else:
            self.run_gtest()
        self.seconds = time.monotonic() - start
        say("  %-44s %4d passed, %d failed, %d skipped  (%.1f s)" % (
            self.name, len(self.passed), len(self.failed), len(self.skipped), self.seconds))
        for test, reason in self.skipped:
            say("    skipped %s: %s" % (test, reason))


def skip_reason(output):
    """The message GoogleTest printed after "Skipped": its first line. Lines a Wine process
    printed meanwhile (its own errors) are no part of it."""
    for index, line in enumerate(output):
        if line.endswith(": Skipped"):
            for reason in output[index + 1:]:
                if reason.strip() and not RESULT.match(reason):
                    return reason.strip()
            break
    return "no reason given"


def read_manifest(path, args):
    programs = []
    with open(path, encoding="utf-8") as manifest:
        for line in manifest:
            fields = line.rstrip("\n").split("\t")
            if not fields or not fields[0]:
                continue
            if fields[0] == "gtest":
                programs.append(Program(args, "gtest", fields[1]))
            elif fields[0] == "script":
                programs.append(Program(args, "script", fields[1], command=fields[2:]))
    return programs


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--manifest", required=True)
    parser.add_argument("--results", required=True, help="JSON file to write")
    parser.add_argument("--name", required=True, help="the phase's name in the summary")
    parser.add_argument("--loader", default="", help="the Wine loader, for Windows programs")
    parser.add_argument("--jobs", type=int, default=1, help="programs run at once")
    parser.add_argument("--quiet-limit", type=float, default=120,
                        help="seconds a process may print nothing before it is ended")
    parser.add_argument("--exit-status-counts", action="store_true",
                        help="a program that passes its tests but exits non-zero fails")
    parser.add_argument("--only", default="", help="comma-separated program names to run")
    args = parser.parse_args()

    programs = read_manifest(args.manifest, args)
    if args.only:
        wanted = set(args.only.split(","))
        programs = [program for program in programs if program.name in wanted]
    start = time.monotonic()
    say("== %s: %d programs" % (args.name, len(programs)))
    with concurrent.futures.ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        list(pool.map(lambda program: program.run(), programs))
    results = {
        "name": args.name,
        "seconds": time.monotonic() - start,
        "passed": sum(len(p.passed) for p in programs),
        "failed": [t for p in programs for t in p.failed],
        "skipped": [[t, r] for p in programs for t, r in p.skipped],
        "retried": [[t, silent] for p in programs for t, silent in p.retried],
        "programs": len(programs),
    }
    with open(args.results, "w", encoding="utf-8") as out:
        json.dump(results, out, ensure_ascii=False, indent=1)
    say("== %s: %d passed, %d failed, %d skipped in %.0f s" % (
        args.name, results["passed"], len(results["failed"]), len(results["skipped"]),
        results["seconds"]))
    return 0 if not results["failed"] else 1


if __name__ == "__main__":
    sys.exit(main())
