#!/usr/bin/env python3
"""Builds the duplicate finder's benchmark tree (deterministic, about 21,000 files, 2.2 GB).

usage: make-dupes-tree.py TARGET_FOLDER

Contents: small files below 100 KiB (some duplicated), unique files of 100-300 KiB, groups of
2-4 identical copies, same-size files with different heads, same-size pairs sharing their first
4 KiB or their first 64 KiB, hard links, symbolic links to files and folders, hidden files and a
hidden folder.
"""
import os
import random
import sys

KIB = 1024


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    if os.path.exists(root) and os.listdir(root):
        sys.exit(f"{root} is not empty")
    rng = random.Random(20261210)
    folders = [os.path.join(root, f"d{i:02}", f"s{j:02}") for i in range(20) for j in range(10)]
    folders.append(os.path.join(root, ".hidden", "deep"))
    for folder in folders:
        os.makedirs(folder, exist_ok=True)
    counter = [0]

    def place(content, hidden=False):
        counter[0] += 1
        name = f"{'.' if hidden or counter[0] % 37 == 0 else ''}f{counter[0]:06}.bin"
        path = os.path.join(rng.choice(folders), name)
        with open(path, "wb") as out:
            out.write(content)
        return path

    unique = []
    for _ in range(13000):  # small files, below the usual minimum size; every 20th has a twin
        content = rng.randbytes(rng.randrange(1 * KIB, 90 * KIB))
        place(content)
        if rng.randrange(20) == 0:
            place(content)
    for _ in range(4000):  # unique mid-size files
        unique.append(place(rng.randbytes(rng.randrange(100 * KIB, 300 * KIB))))
    copies = []
    for _ in range(600):  # duplicate groups
        content = rng.randbytes(rng.randrange(100 * KIB, 500 * KIB))
        for _ in range(rng.randrange(2, 5)):
            copies.append(place(content))
    for _ in range(300):  # same size, different first 4 KiB
        size = rng.randrange(100 * KIB, 300 * KIB)
        place(rng.randbytes(size))
        place(rng.randbytes(size))
    for shared in (4 * KIB, 64 * KIB):  # same size and head, different tail
        for _ in range(200):
            size = rng.randrange(100 * KIB, 300 * KIB)
            head = rng.randbytes(shared)
            place(head + rng.randbytes(size - shared))
            place(head + rng.randbytes(size - shared))
    for i in range(200):  # hard links to unique files and to copies
        target = rng.choice(unique if i % 2 else copies)
        os.link(target, os.path.join(rng.choice(folders), f"hard{i:04}.bin"))
    for i in range(200):  # symbolic links to files, and a few to folders
        target = rng.choice(folders) if i % 20 == 0 else rng.choice(unique + copies)
        os.symlink(target, os.path.join(rng.choice(folders), f"link{i:04}"))


if __name__ == "__main__":
    main()
