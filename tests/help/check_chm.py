#!/usr/bin/env python3
"""Checks a compiled help file (.chm) by reading its own directory.

usage: check_chm.py [--list] FILE.chm [PAGE ...]

Exits 0 when FILE.chm is a well-formed ITSF file whose directory holds #SYSTEM, every PAGE given
(with or without the leading "/", compared without regard to case, as the viewer does) and the
default topic, contents file and index file that #SYSTEM names. Exits 1 when something is missing,
2 when the file cannot be read as a CHM at all. --list prints the directory first.

Only the container is read: the ITSF header, the ITSP directory header and the PMGL listing chunks.
Compressed content is not unpacked; #SYSTEM is read when it is stored uncompressed, as both chmcmd
and HTML Help Workshop store it.
"""

import struct
import sys

USAGE = "usage: check_chm.py [--list] FILE.chm [PAGE ...]"

ITSF_MAGIC = b"ITSF"
ITSP_MAGIC = b"ITSP"
PMGL_MAGIC = b"PMGL"
PMGL_HEADER_SIZE = 0x14

# Codes of the #SYSTEM records this check follows.
SYSTEM_CONTENTS_FILE = 0
SYSTEM_INDEX_FILE = 1
SYSTEM_DEFAULT_TOPIC = 2


class NotAChm(Exception):
    """The file is not a CHM, or is cut short or damaged."""


class Entry:
    def __init__(self, name, section, offset, length):
        self.name = name
        self.section = section
        self.offset = offset
        self.length = length


def read_encint(data, position, end):
    """Reads a variable-length integer (7 bits a byte, most significant first)."""
    value = 0
    while True:
        if position >= end:
            raise NotAChm("a directory entry runs past the end of its chunk")
        byte = data[position]
        position += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, position


def unpack(fmt, data, offset, what):
    if offset < 0 or offset + struct.calcsize(fmt) > len(data):
        raise NotAChm("the file ends inside the %s" % what)
    return struct.unpack_from(fmt, data, offset)


def parse_chunk(data, start, chunk_size):
    """Returns the entries of one PMGL chunk and the number of the next one (-1 for none)."""
    if data[start:start + 4] != PMGL_MAGIC:
        raise NotAChm("a listing chunk at offset %d lacks its PMGL mark" % start)
    free_space, _, _, next_chunk = unpack("<IIii", data, start + 4, "listing chunk header")
    if free_space > chunk_size - PMGL_HEADER_SIZE:
        raise NotAChm("a listing chunk claims more free space than it has")
    position = start + PMGL_HEADER_SIZE
    end = start + chunk_size - free_space
    entries = []
    while position < end:
        name_length, position = read_encint(data, position, end)
        if position + name_length > end:
            raise NotAChm("a file name runs past the end of its chunk")
        raw_name = data[position:position + name_length]
        position += name_length
        section, position = read_encint(data, position, end)
        offset, position = read_encint(data, position, end)
        length, position = read_encint(data, position, end)
        try:
            name = raw_name.decode("utf-8")
        except UnicodeDecodeError:
            raise NotAChm("a file name is not valid UTF-8") from None
        entries.append(Entry(name, section, offset, length))
    return entries, next_chunk


def read_chm(data):
    """Returns (entries, content_offset) of a CHM held in memory."""
    if data[:4] != ITSF_MAGIC:
        raise NotAChm("no ITSF mark: not a compiled help file")
    version, header_length = unpack("<II", data, 4, "ITSF header")
    if version not in (2, 3):
        raise NotAChm("unknown ITSF version %d" % version)
    if len(data) < header_length:
        raise NotAChm("the file ends inside its ITSF header")
    directory_offset, directory_length = unpack("<QQ", data, 0x48, "ITSF header")
    if version == 3:
        (content_offset,) = unpack("<Q", data, 0x58, "ITSF header")
    else:
        content_offset = directory_offset + directory_length
    if directory_offset + directory_length > len(data):
        raise NotAChm("the file ends inside its directory")

    if data[directory_offset:directory_offset + 4] != ITSP_MAGIC:
        raise NotAChm("the directory lacks its ITSP mark")
    itsp_length, _, chunk_size = unpack("<III", data, directory_offset + 8, "ITSP header")
    first_pmgl, last_pmgl, _, chunk_count = unpack("<iiii", data, directory_offset + 0x20, "ITSP header")
    if chunk_size <= PMGL_HEADER_SIZE or chunk_count <= 0:
        raise NotAChm("the directory header is damaged")
    if itsp_length + chunk_count * chunk_size > directory_length:
        raise NotAChm("the directory's chunks do not fit in it")
    if not 0 <= first_pmgl <= last_pmgl < chunk_count:
        raise NotAChm("the directory names no valid listing chunk")
    chunks_start = directory_offset + itsp_length

    entries = []
    seen = set()
    chunk = first_pmgl
    while chunk != -1:
        if not 0 <= chunk < chunk_count or chunk in seen:
            raise NotAChm("the chain of listing chunks is broken")
        seen.add(chunk)
        chunk_entries, chunk = parse_chunk(data, chunks_start + chunk * chunk_size, chunk_size)
        entries.extend(chunk_entries)
    if last_pmgl not in seen:
        raise NotAChm("the chain of listing chunks stops before the last one")

    # Whatever is stored uncompressed (section 0) must be in the file: a file cut short loses its
    # compressed content, which is itself a section 0 entry.
    for entry in entries:
        if entry.section == 0 and content_offset + entry.offset + entry.length > len(data):
            raise NotAChm("the file ends inside %s" % entry.name)
    return entries, content_offset


def system_records(data, entry, content_offset):
    """Returns {code: bytes} of an uncompressed #SYSTEM."""
    start = content_offset + entry.offset
    end = start + entry.length
    records = {}
    position = start + 4  # past the version
    while position + 4 <= end:
        code, length = struct.unpack_from("<HH", data, position)
        position += 4
        if position + length > end:
            raise NotAChm("#SYSTEM is damaged")
        records[code] = data[position:position + length]
        position += length
    return records


def as_path(name):
    return name if name.startswith("/") else "/" + name


def check(path, pages, list_entries=False, out=sys.stdout):
    """Returns the exit status for the file at path."""
    try:
        with open(path, "rb") as f:
            data = f.read()
        entries, content_offset = read_chm(data)
    except OSError as error:
        print("%s: cannot read: %s" % (path, error.strerror), file=out)
        return 2
    except NotAChm as error:
        print("%s: not a valid CHM: %s" % (path, error), file=out)
        return 2

    if list_entries:
        for entry in entries:
            print("%d %10d %s" % (entry.section, entry.length, entry.name), file=out)

    by_name = {entry.name.lower(): entry for entry in entries}
    wanted = [("#SYSTEM", "/#SYSTEM")] + [(page, as_path(page)) for page in pages]

    system = by_name.get("/#system")
    if system is not None and system.section == 0:
        try:
            records = system_records(data, system, content_offset)
        except NotAChm as error:
            print("%s: not a valid CHM: %s" % (path, error), file=out)
            return 2
        for code, label in ((SYSTEM_DEFAULT_TOPIC, "default topic"),
                            (SYSTEM_CONTENTS_FILE, "contents file"),
                            (SYSTEM_INDEX_FILE, "index file")):
            value = records.get(code, b"").split(b"\0", 1)[0].decode("cp1252")
            if value:
                wanted.append(("%s %s" % (label, value), as_path(value)))
            elif code == SYSTEM_DEFAULT_TOPIC:
                print("%s: #SYSTEM names no default topic" % path, file=out)
                return 1

    missing = [label for label, name in wanted if name.lower() not in by_name]
    for label in missing:
        print("%s: missing %s" % (path, label), file=out)
    if missing:
        return 1
    print("%s: %d files, all %d expected present" % (path, len(entries), len(wanted)), file=out)
    return 0


def main(argv):
    arguments = argv[1:]
    list_entries = "--list" in arguments
    arguments = [a for a in arguments if a != "--list"]
    if not arguments or any(a in ("-h", "--help") for a in arguments) or any(a.startswith("-") for a in arguments):
        print(USAGE, file=sys.stderr)
        return 2
    return check(arguments[0], arguments[1:], list_entries)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
