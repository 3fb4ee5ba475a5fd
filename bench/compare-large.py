#!/usr/bin/env python3
"""compare-large.py FIND_OUTPUT BENCH_OUTPUT: checks that bench-large found what find found.

find lists a package's inner files and a file once per path; the scanner lists the package as
one entry and a file (device, inode) once. So find's output is mapped before comparing: a path
inside a package becomes the package, and paths naming the same file become one.
"""
import os
import re
import sys

PACKAGE = re.compile(r"^(.*?\.(app|photoslibrary|fcpbundle|imovielibrary|pvm|vmwarevm|utm|bundle|framework|xcarchive))/",
                     re.IGNORECASE)


def identity(path):
    info = os.stat(path)
    return (info.st_dev, info.st_ino)


def main():
    find_paths = [line.rstrip("\n") for line in open(sys.argv[1]) if line.strip()]
    ours = [line.rstrip("\n") for line in open(sys.argv[2]) if line.strip()]
    expected = {}
    packages = set()
    for path in find_paths:
        match = PACKAGE.match(path)
        if match:
            packages.add(match.group(1))
            continue
        expected.setdefault(identity(path), set()).add(path)
    ours_files = [p for p in ours if p not in packages]
    ours_by_identity = {}
    for path in ours_files:
        ours_by_identity.setdefault(identity(path), []).append(path)
    problems = []
    for key, paths in ours_by_identity.items():
        if len(paths) > 1:
            problems.append("listed twice: %s" % paths)
        if key not in expected or paths[0] not in expected[key]:
            problems.append("not found by find: %s" % paths[0])
    for key, paths in expected.items():
        if key not in ours_by_identity:
            problems.append("missed: %s" % sorted(paths)[0])
    missing_packages = packages - set(ours)
    problems += ["package missed: %s" % p for p in sorted(missing_packages)]
    print("find: %d paths; scanner: %d entries (%d packages); files by identity: find %d, scanner %d"
          % (len(find_paths), len(ours), len(packages & set(ours)), len(expected), len(ours_by_identity)))
    for problem in problems[:20]:
        print(problem)
    print("SAME" if not problems else "DIFFERENT (%d problems)" % len(problems))
    return 0 if not problems else 1


if __name__ == "__main__":
    sys.exit(main())
