#!/usr/bin/env python3
"""Builds a duplicate finder benchmark tree (deterministic: the same seed, the same tree).

usage: make-dupes-tree.py [--shape mixed|media] TARGET_FOLDER

mixed (the default; about 21,000 files, 2.2 GB): small files below 100 KiB (some duplicated),
unique files of 100-300 KiB, groups of 2-4 identical copies, same-size files with different
heads, same-size pairs sharing their first 4 KiB or their first 64 KiB, hard links, symbolic
links to files and folders, hidden files and a hidden folder.

media (about 20,000 files, 1.7 GB): a photo-and-video library: 16,400 small files of 1-16 KiB,
about 3,600 files of 100 KiB to 20 MiB (most below 1 MiB, a few large videos), among them 184
groups of 2-4 identical copies (about 115 MB of distinct group content, four groups of 5-15 MiB)
and 50 same-size pairs sharing their first 64 KiB.
"""
import math
import os
import random
import sys

KIB = 1024
MIB = 1024 * KIB


def log_uniform(rng, low, high):
    return int(math.exp(rng.uniform(math.log(low), math.log(high))))


def media(root):
    rng = random.Random(20261211)
    folders = [os.path.join(root, f"y{i:02}", f"m{j:02}") for i in range(12) for j in range(12)]
    for folder in folders:
        os.makedirs(folder, exist_ok=True)
    counter = [0]

    def place(content):
        counter[0] += 1
        path = os.path.join(rng.choice(folders), f"IMG_{counter[0]:06}.dat")
        with open(path, "wb") as out:
            out.write(content)

    for _ in range(16400):  # thumbnails and sidecar files, below the usual minimum size
        place(rng.randbytes(rng.randrange(1 * KIB, 16 * KIB)))
    for _ in range(2900):  # photos
        place(rng.randbytes(log_uniform(rng, 100 * KIB, 700 * KIB)))
    for _ in range(60):  # videos
        place(rng.randbytes(log_uniform(rng, MIB, 20 * MIB)))
    for i in range(184):  # copies: photos, and four videos
        size = rng.randrange(5 * MIB, 15 * MIB) if i % 46 == 0 else log_uniform(rng, 100 * KIB, MIB)
        content = rng.randbytes(size)
        for _ in range(rng.randrange(2, 5)):
            place(content)
    for _ in range(50):  # same size and head, different tail
        size = log_uniform(rng, 100 * KIB, MIB)
        head = rng.randbytes(64 * KIB)
        place(head + rng.randbytes(size - 64 * KIB))
        place(head + rng.randbytes(size - 64 * KIB))


def main():
    args = sys.argv[1:]
    shape = "mixed"
    if len(args) == 3 and args[0] == "--shape" and args[1] in ("mixed", "media"):
        shape, args = args[1], args[2:]
    if len(args) != 1:
        sys.exit(__doc__)
    root = args[0]
    if os.path.exists(root) and os.listdir(root):
        sys.exit(f"{root} is not empty")
    if shape == "media":
        media(root)
        return
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
