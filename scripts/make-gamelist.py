#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes a gamelist.lst from an emulator's own list of machines.

The listing is the output of `mame -listfull` (one machine a line: the set name, blanks, and
the description in double quotes; the heading line is skipped). Only the sets found in the
given ROM folders are kept (a file named after the set with any extension, such as NAME.zip or
NAME.7z, or a folder NAME), in the listing's order, and at most 4999 of them: gamelist.lst
takes 5000 entries, and a rescan only writes the game lists when the catalogue ends before
that. A path shows 4000 games at most.

  mame -listfull > machines.txt
  scripts/make-gamelist.py machines.txt /path/to/roms -o /path/to/cabinet/gamelist.lst
"""
import argparse
import os
import re
import sys

LIMIT = 4999
PER_PATH = 4000
LINE = re.compile(r'^(\S+)\s+"(.*)"\s*$')


def read_listing(lines):
    """(set name, description) pairs in the listing's order; other lines are passed over."""
    machines = []
    for line in lines:
        match = LINE.match(line.rstrip("\r\n"))
        if match and match.group(1) != "Name:":
            # A double quote would end the description's field early in gamelist.lst.
            machines.append((match.group(1), match.group(2).replace('"', "'")))
    return machines


def sets_on_disk(folder):
    names = set()
    for entry in os.scandir(folder):
        names.add(entry.name if entry.is_dir() else os.path.splitext(entry.name)[0])
    return names


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("listing", help="the emulator's list of machines ('-' reads stdin)")
    parser.add_argument("folders", nargs="*", metavar="ROM-FOLDER",
                        help="folders whose sets are kept (none: every machine listed)")
    parser.add_argument("-o", "--output", default="gamelist.lst")
    parser.add_argument("--limit", type=int, default=LIMIT,
                        help="entries kept at most (default %(default)s)")
    args = parser.parse_args(argv)

    try:
        if args.listing == "-":
            machines = read_listing(sys.stdin)
        else:
            with open(args.listing, encoding="utf-8", errors="replace") as listing:
                machines = read_listing(listing)
        wanted = None
        per_folder = []
        for folder in args.folders:
            found = sets_on_disk(folder)
            per_folder.append((folder, found))
            wanted = found if wanted is None else wanted | found
    except OSError as error:
        print("make-gamelist: %s" % error, file=sys.stderr)
        return 1
    if not machines:
        print("make-gamelist: no machines in %s (expected `mame -listfull` output)"
              % args.listing, file=sys.stderr)
        return 1

    kept = [m for m in machines if wanted is None or m[0] in wanted]
    left_out = max(0, len(kept) - args.limit)
    kept = kept[:args.limit]
    names = {name for name, _ in kept}
    try:
        with open(args.output, "w", encoding="utf-8", newline="") as out:
            for name, description in kept:
                out.write('%s,"%s"\r\n' % (name, description))
    except OSError as error:
        print("make-gamelist: %s" % error, file=sys.stderr)
        return 1

    print("%s: %d of %d machines" % (args.output, len(kept), len(machines)), file=sys.stderr)
    if left_out:
        print("make-gamelist: %d more sets on disk left out (at most %d are kept); split them"
              " over folders, or list fewer" % (left_out, args.limit), file=sys.stderr)
    for folder, found in per_folder:
        shown = len(found & names)
        if shown > PER_PATH:
            print("make-gamelist: %s has %d of the sets; a path shows the first %d"
                  % (folder, shown, PER_PATH), file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
