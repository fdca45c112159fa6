#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/make-gamelist.py on made-up machine listings and ROM folders."""
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "scripts", "make-gamelist.py")

LISTING = """Name:             Description:
005               "005"
1942              "1942 (Revision B)"
1942a             "1942 (Revision A)"
bad line without a description
dkong             "Donkey Kong (US set 1)"
quoted            "The "Quoted" Game"
sf2ce             "Street Fighter II' - Champion Edition (street fighter 2' 920513 etc)"
"""


class MakeGamelistTest(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.root = folder.name
        self.listing = self.write("machines.txt", LISTING)
        self.output = os.path.join(self.root, "gamelist.lst")

    def write(self, name, text):
        path = os.path.join(self.root, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w") as out:
            out.write(text)
        return path

    def run_script(self, *args, stdin=None):
        return subprocess.run([sys.executable, SCRIPT, *args, "-o", self.output], input=stdin,
                              capture_output=True, text=True)

    def lines(self):
        with open(self.output, "rb") as result:
            return result.read().decode().split("\r\n")[:-1]

    def test_keeps_the_sets_on_disk_in_the_listings_order(self):
        # Sets as archives of any kind or as folders, spread over two ROM folders; names that
        # only start like a set, and files of sets the listing does not know, do not count.
        self.write("roms/sf2ce.zip", "")
        self.write("roms/1942.7z", "")
        self.write("roms/dkong/dkong.5et", "")
        self.write("roms/19421.zip", "")
        self.write("more/quoted.zip", "")
        self.write("more/unknown.zip", "")
        result = self.run_script(self.listing, os.path.join(self.root, "roms"),
                                 os.path.join(self.root, "more"))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(self.lines(), [
            '1942,"1942 (Revision B)"',
            'dkong,"Donkey Kong (US set 1)"',
            "quoted,\"The 'Quoted' Game\"",
            'sf2ce,"Street Fighter II\' - Champion Edition (street fighter 2\' 920513 etc)"',
        ])

    def test_without_folders_takes_every_machine_within_the_limit(self):
        cases = [([], 6, None), (["--limit", "2"], 2, "4 more sets on disk left out")]
        for extra, count, message in cases:
            with self.subTest(extra=extra):
                result = self.run_script(self.listing, *extra)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(len(self.lines()), count)
                self.assertEqual(self.lines()[0], '005,"005"')
                if message:
                    self.assertIn(message, result.stderr)

    def test_the_default_limit_lets_a_rescan_write_its_lists(self):
        # 5000 entries would be a catalogue the rescan never sees the end of.
        many = "".join('m%05d  "Machine %d"\n' % (i, i) for i in range(5100))
        result = self.run_script("-", stdin=many)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(len(self.lines()), 4999)

    def test_bad_input_is_reported_and_writes_nothing(self):
        for args, stdin in [([os.path.join(self.root, "missing.txt")], None),
                            (["-"], "no machines here\n"),
                            ([self.listing, os.path.join(self.root, "no-such-folder")], None)]:
            with self.subTest(args=args):
                result = self.run_script(*args, stdin=stdin)
                self.assertEqual(result.returncode, 1)
                self.assertIn("make-gamelist:", result.stderr)
                self.assertFalse(os.path.exists(self.output))


if __name__ == "__main__":
    unittest.main()
