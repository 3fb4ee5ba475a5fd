#!/usr/bin/env python3
"""make-large-tree.py OUT [--files N]: a home-like tree for bench-large.

OUT/tree holds N files (default 110,000) in folders up to seven levels deep, all sparse (their
sizes cost no disk space): mostly small files, about 2 % of at least 100 MiB, some exactly at
and one byte under 100 MiB. Also: dot-folders holding large files (never listed), packages
(.app bundles, a photo library) holding large files (listed whole), a link to a folder inside
the tree and one to OUT/outside, and hard-linked large files.
"""
import argparse
import os
import random

MIB = 1024 * 1024
THRESHOLD = 100 * MIB
TOP = ["Documents", "Movies", "Music", "Pictures", "Downloads", "Projects", "Library/Caches",
       "Library/Application Support", "Desktop", "Archive"]
EXTENSIONS = ["mov", "mp4", "zip", "dmg", "jpg", "png", "pdf", "txt", "log", "dat", "tar.gz", "flac", ""]


def make_file(path, size):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.truncate(size)


def file_size(rng, index):
    if index % 50 == 7:
        return THRESHOLD + rng.randrange(0, 40 * 1024 * MIB)
    if index % 997 == 3:
        return THRESHOLD
    if index % 991 == 5:
        return THRESHOLD - 1
    return rng.randrange(0, 8192)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--files", type=int, default=110000)
    args = parser.parse_args()
    rng = random.Random(16)
    tree = os.path.join(args.out, "tree")

    folders = []
    for top in TOP:
        for a in range(12):
            for b in range(8):
                depth = rng.randrange(0, 5)
                parts = [top, "group %02d" % a, "set %d" % b] + ["level%d" % d for d in range(depth)]
                folders.append(os.path.join(tree, *parts))
    for index in range(args.files):
        folder = folders[index % len(folders)]
        ext = EXTENSIONS[index % len(EXTENSIONS)]
        name = "file %06d" % index + ("." + ext if ext else "")
        make_file(os.path.join(folder, name), file_size(rng, index))

    # Never listed: dot-entries and what lies below them.
    for i in range(40):
        make_file(os.path.join(tree, "Projects", "repo%d" % i, ".git", "objects", "pack", "pack-%d.pack" % i),
                  THRESHOLD * 2)
        make_file(os.path.join(tree, "Movies", ".hidden %d.mov" % i), THRESHOLD * 3)
    # Packages: listed whole (find lists their inner files).
    for i in range(10):
        app = os.path.join(tree, "Applications", "Tool %d.app" % i)
        make_file(os.path.join(app, "Contents", "Info.plist"), 800)
        make_file(os.path.join(app, "Contents", "Resources", "assets.car"), THRESHOLD + i * MIB)
    library = os.path.join(tree, "Pictures", "Photos Library.photoslibrary")
    for i in range(30):
        make_file(os.path.join(library, "originals", "%X" % (i % 16), "IMG_%04d.heic" % i), THRESHOLD + i)
    # A link to a folder of the tree (find walks it twice) and one to a folder outside it.
    os.symlink(os.path.join(tree, "Movies"), os.path.join(tree, "Desktop", "Movies alias"))
    for i in range(20):
        make_file(os.path.join(args.out, "outside", "Exports", "export %d.mov" % i), THRESHOLD + i)
    os.symlink(os.path.join(args.out, "outside", "Exports"), os.path.join(tree, "Documents", "Exports"))
    # Hard links: one file, two names (find lists both).
    for i in range(10):
        first = os.path.join(tree, "Archive", "backup %d.tar" % i)
        make_file(first, THRESHOLD + i)
        os.link(first, os.path.join(tree, "Downloads", "backup %d copy.tar" % i))


if __name__ == "__main__":
    main()
