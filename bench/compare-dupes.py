#!/usr/bin/env python3
"""Compares duplicate groups found by several tools, file identity by device and inode.

usage: compare-dupes.py REFERENCE OTHER...

Each file holds the groups of one tool: either one group per line with tab-separated paths
(bench-dupes), or one path per line with groups separated by blank lines (jdupes, fdupes).
Paths naming the same file (hard links) count once; a group that then holds a single file is
no group. Exit status 0 when every file holds the same groups as REFERENCE.
"""
import os
import sys


def read_groups(name):
    with open(name, encoding="utf-8", errors="surrogateescape") as source:
        text = source.read()
    if "\t" in text:
        raw = [line.split("\t") for line in text.splitlines() if line]
    else:
        raw = [block.splitlines() for block in text.split("\n\n") if block.strip()]
    groups = set()
    for paths in raw:
        identities = frozenset((os.lstat(p).st_dev, os.lstat(p).st_ino) for p in paths)
        if len(identities) >= 2:
            groups.add(identities)
    return groups


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    reference = read_groups(sys.argv[1])
    print(f"{sys.argv[1]}: {len(reference)} groups, {sum(len(g) for g in reference)} files")
    same = True
    for name in sys.argv[2:]:
        groups = read_groups(name)
        missing, extra = len(reference - groups), len(groups - reference)
        print(f"{name}: {len(groups)} groups, missing {missing}, extra {extra}")
        same = same and not missing and not extra
    sys.exit(0 if same else 1)


if __name__ == "__main__":
    main()
