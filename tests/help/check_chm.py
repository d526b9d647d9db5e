#!/usr/bin/env python3
"""Checks a compiled help file. Usage: check_chm.py FILE.chm [PAGE ...]

Exits 0 when FILE.chm is a CHM (ITSF header) whose directory lists #SYSTEM, the contents and index files and every
PAGE ("/" optional, case ignored, as the viewer looks pages up); 1 when something is missing; 2 when it is no CHM.
The directory stores each name as plain UTF-8, which is what is looked for.
"""
import pathlib
import sys


def main(argv):
    if len(argv) < 2 or argv[1].startswith("-"):
        print(__doc__.splitlines()[0], file=sys.stderr)
        return 2
    try:
        data = pathlib.Path(argv[1]).read_bytes().lower()
    except OSError as error:
        print("%s: cannot be read: %s" % (argv[1], error))
        return 2
    if not data.startswith(b"itsf"):
        print("%s: not a CHM" % argv[1])
        return 2
    wanted = ["/#system", "/zudav.hhc", "/zudav.hhk"] + ["/" + page.lstrip("/").lower() for page in argv[2:]]
    missing = [name for name in wanted if name.encode("utf-8") not in data]
    print("\n".join("%s: missing %s" % (argv[1], name) for name in missing)
          or "%s: all %d expected files present" % (argv[1], len(wanted)))
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
