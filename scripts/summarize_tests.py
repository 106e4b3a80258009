#!/usr/bin/env python3
"""Adds up the GoogleTest results of every suite and prints 'N passed, N failed'.

A suite whose executable wrote no results, or whose process failed although its results show
no failure (a crash at exit, a sanitizer report), counts as one more failure."""
import glob
import os
import sys
import xml.etree.ElementTree as ET


def ctest_failures(results_dir):
    failed = set()
    for path in glob.glob(os.path.join(results_dir, "ctest-*.xml")):
        try:
            root = ET.parse(path).getroot()
        except ET.ParseError:
            continue
        for case in root.iter("testcase"):
            if case.find("failure") is not None or case.get("status") == "fail":
                failed.add(case.get("name"))
    return failed


def main():
    results_dir, suites = sys.argv[1], sys.argv[2:]
    crashed = ctest_failures(results_dir)
    passed = failed = 0
    for suite in suites:
        path = os.path.join(results_dir, suite + ".xml")
        suite_failed = 0
        skipped = []
        try:
            root = ET.parse(path).getroot()
            for case in root.iter("testcase"):
                if case.get("status", "run") != "run" or case.get("result") == "skipped":
                    skipped.append(case.get("classname", "") + "." + case.get("name", ""))
                    continue
                if case.find("failure") is not None:
                    suite_failed += 1
                else:
                    passed += 1
        except (OSError, ET.ParseError):
            print(f"suite {suite}: no results (the executable did not finish)")
            suite_failed += 1
        if skipped:
            print(f"suite {suite}: {len(skipped)} skipped: {', '.join(skipped)}")
        if suite in crashed and suite_failed == 0:
            print(f"suite {suite}: the process failed although every test passed")
            suite_failed += 1
        failed += suite_failed
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
