#!/usr/bin/env python3
"""Checks a compiled help file by its own directory. Usage: check_chm.py FILE.chm [PAGE ...]

Exits 0 when FILE.chm is a well-formed CHM (ITSF header, ITSP directory, chain of PMGL chunks) holding #SYSTEM,
every PAGE ("/" optional, case ignored, as the viewer looks pages up) and the default topic, contents and index
files that #SYSTEM names; 1 when something is missing; 2 when the file cannot be read as a CHM.
"""
import pathlib
import struct
import sys


class NotAChm(Exception):
    """The file is not a CHM, or is cut short or damaged."""


def encint(data, pos, end):
    """A variable-length integer of a directory entry: 7 bits a byte, most significant first."""
    value = 0
    while pos < end:
        value, pos = (value << 7) | (data[pos] & 0x7F), pos + 1
        if data[pos - 1] < 0x80:
            return value, pos
    raise NotAChm("a directory entry runs past the end of its chunk")


def directory(data):
    """Returns {lower-case name: (section, offset, length)} and where the content starts."""
    version, header_length = struct.unpack_from("<II", data, 4)
    start, length = struct.unpack_from("<QQ", data, 0x48)
    if (data[:4] != b"ITSF" or version not in (2, 3) or header_length > len(data) or data[start:start + 4] != b"ITSP"
            or start + length > len(data)):
        raise NotAChm("no whole ITSF header of version 2 or 3 with its ITSP directory")
    content = struct.unpack_from("<Q", data, 0x58)[0] if version == 3 else start + length
    header, _, size, first, last, _, count = struct.unpack_from("<III12xiiii", data, start + 8)
    if size <= 0x14 or not 0 <= first <= last < count or header + count * size > length:
        raise NotAChm("the directory header is damaged")
    entries, seen, chunk = {}, set(), first
    while chunk != -1:
        if not 0 <= chunk < count or chunk in seen:
            raise NotAChm("the chain of listing chunks is broken")
        seen.add(chunk)
        pos = start + header + chunk * size
        free, _, _, next_chunk = struct.unpack_from("<IIii", data, pos + 4)
        if data[pos:pos + 4] != b"PMGL" or free > size - 0x14:
            raise NotAChm("listing chunk %d is damaged" % chunk)
        end, chunk, pos = pos + size - free, next_chunk, pos + 0x14
        while pos < end:
            name_length, pos = encint(data, pos, end)
            name, pos = data[pos:pos + name_length].decode("utf-8"), pos + name_length
            section, pos = encint(data, pos, end)
            offset, pos = encint(data, pos, end)
            entry_length, pos = encint(data, pos, end)
            if section == 0 and content + offset + entry_length > len(data):
                raise NotAChm("the file ends inside %s" % name)
            entries[name.lower()] = (section, offset, entry_length)
    if last not in seen:
        raise NotAChm("the chain of listing chunks stops before the last one")
    return entries, content


def main(argv):
    if len(argv) < 2 or argv[1].startswith("-"):
        print(__doc__.splitlines()[0], file=sys.stderr)
        return 2
    try:
        data = pathlib.Path(argv[1]).read_bytes()
        entries, content = directory(data)
        wanted = [(page, "/" + page.lstrip("/")) for page in ["#SYSTEM"] + argv[2:]]
        # #SYSTEM, read where stored uncompressed: a version, then records of a 16-bit code, a 16-bit length, the value.
        section, offset, length = entries.get("/#system", (1, 0, 0))
        records, pos, end = {}, content + offset + 4, content + offset + length
        while section == 0 and pos + 4 <= end:
            code, size = struct.unpack_from("<HH", data, pos)
            if pos + 4 + size > end:
                raise NotAChm("#SYSTEM is damaged")
            records[code], pos = data[pos + 4:pos + 4 + size].split(b"\0")[0], pos + 4 + size
        if section == 0 and not records.get(2):
            wanted.append(("default topic: #SYSTEM names none", ""))
        for code, label in ((2, "default topic"), (0, "contents file"), (1, "index file")):
            name = records.get(code, b"").decode("cp1252")
            if name:
                wanted.append(("%s %s" % (label, name), "/" + name.lstrip("/")))
    except (OSError, struct.error, NotAChm, UnicodeDecodeError) as error:
        print("%s: not a readable CHM: %s" % (argv[1], error))
        return 2
    missing = [label for label, name in wanted if name.lower() not in entries]
    print("\n".join("%s: missing %s" % (argv[1], label) for label in missing)
          or "%s: %d files, all %d expected present" % (argv[1], len(entries), len(wanted)))
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
