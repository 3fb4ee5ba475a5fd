#!/usr/bin/env python3
"""Builds a fixture home for bench-junk: FILES small files spread over the junk locations.

usage: make-junk-home.py HOME_DIR [FILES]   (default 100000; the folder must not exist yet)
"""
import os
import random
import sys

# (folder inside the home, share of the files, file name patterns)
LOCATIONS = [
    ("Library/Caches/com.example.editor", 14, ["cache-{}.db", "blob-{}"]),
    ("Library/Caches/com.example.music", 8, ["artwork-{}.jpg"]),
    ("Library/Caches/com.apple.Safari", 8, ["fsCachedData-{}"]),
    ("Library/Caches/Google/Chrome/Default/Cache", 10, ["f_{}"]),
    ("Library/Caches/Homebrew/downloads", 3, ["pkg-{}.tar.gz"]),
    ("Library/Caches/pip/http", 4, ["wheel-{}"]),
    ("Library/Caches/com.apple.QuickLook.thumbnailcache", 2, ["thumb-{}.dat"]),
    ("Library/Caches/TemporaryItems", 2, ["item-{}"]),
    ("Library/Logs/com.example.app", 8, ["run-{}.log", "run-{}.log.gz", "trace-{}.txt"]),
    ("Library/Logs/DiagnosticReports", 4, ["App-{}.crash", "App-{}.ips"]),
    ("Library/Developer/Xcode/DerivedData/Project-abc/Build", 15, ["obj-{}.o", "dep-{}.d"]),
    ("Library/Application Support/MobileSync/Backup/device", 6, ["{:040x}"]),
    ("Library/Preferences", 1, ["com.example.app{}.plist", "other{}.plist"]),
    ("Library/Application Support/com.example.keep", 5, ["data-{}.sqlite"]),
    (".Trash", 3, ["old-{}.txt"]),
    ("Downloads", 1, ["setup-{}.dmg", "photo-{}.jpg"]),
    ("tmp/build", 6, ["tmp-{}.o"]),
]


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    home = sys.argv[1]
    total = int(sys.argv[2]) if len(sys.argv) == 3 else 100000
    if os.path.exists(home):
        sys.exit(home + " exists already")
    rng = random.Random(42)
    weights = sum(share for _, share, _ in LOCATIONS)
    made = 0
    for index, (folder, share, names) in enumerate(LOCATIONS):
        count = total - made if index == len(LOCATIONS) - 1 else total * share // weights
        for n in range(count):
            # Up to 200 files a folder, nested two levels deep, as caches usually are.
            sub = os.path.join(home, folder, "d%02d" % (n // 200 % 50), "e%02d" % (n // 10000))
            if folder in ("Downloads", "Library/Preferences"):
                sub = os.path.join(home, folder)
            os.makedirs(sub, exist_ok=True)
            name = names[n % len(names)].format(n)
            with open(os.path.join(sub, name), "wb") as f:
                f.write(b"x" * rng.randint(0, 4096))
        made += count
    print(made, "files under", home)


if __name__ == "__main__":
    main()
