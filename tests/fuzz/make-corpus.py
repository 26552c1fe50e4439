#!/usr/bin/env python3
"""Writes the starting corpus of the archive fuzz target into tests/fuzz/corpus/.

Each file is a small archive, sound or damaged: parts of a record, too long length bytes,
zero-terminated fields without their terminator, bytes 0x80-0x9F, garbage link fields.
"""
import pathlib
import struct

RECORD = 1360
SHORT = {"tape": (0, 50), "film": (54, 70), "country": (130, 70), "director": (201, 70), "genre": (272, 70)}
ACTORS, STORY = (343, 401), (744, 601)
TAPE_LENGTH, FILM_LENGTH, YEAR = 52, 126, 128
LONGPLAY, BLACK_WHITE, SEEN, DELETABLE = 1345, 1346, 1347, 1348
LINKS = 1352


def record(tape=b"", tape_length=240, film=b"", film_length=0, year=0, country=b"", director=b"",
           genre=b"", actors=b"", story=b"", flags=(0, 0, 0, 0), links=(0, 0)):
    r = bytearray(RECORD)
    for key, value in (("tape", tape), ("film", film), ("country", country), ("director", director),
                       ("genre", genre)):
        offset, capacity = SHORT[key]
        value = value[:capacity]
        r[offset] = len(value)
        r[offset + 1:offset + 1 + len(value)] = value
    for (offset, size), value in ((ACTORS, actors), (STORY, story)):
        value = value[:size]
        r[offset:offset + len(value)] = value
    struct.pack_into("<H", r, TAPE_LENGTH, tape_length)
    struct.pack_into("<HH", r, FILM_LENGTH, film_length, year)
    r[LONGPLAY:DELETABLE + 1] = bytes(flags)
    struct.pack_into("<II", r, LINKS, *links)
    return bytes(r)


def film(tape, name, minutes, **more):
    return record(tape=tape, film=name, film_length=minutes, year=1985, country=b"USA",
                  director=b"Robert Zemeckis", genre=b"Abenteuer", actors=b"Michael J. Fox\r\nChristopher Lloyd",
                  story=b"Ein Teenager reist in die Vergangenheit.", **more)


def set_bytes(r, offset, value):
    r = bytearray(r)
    r[offset:offset + len(value)] = value
    return bytes(r)


one = film(b"Kassette 1", b"Zur\xfcck in die Zukunft", 116, flags=(0, 0, 1, 0))
second = film(b"Kassette 1", b"Der Schatz im Silbersee", 111, flags=(1, 1, 0, 1))
placeholder = record(tape=b"Leer", tape_length=180)
high = bytes(range(0x80, 0xA0))

# Length bytes beyond every field's capacity, the chars after the length not zero.
overlong = one
for offset, capacity in SHORT.values():
    overlong = set_bytes(overlong, offset, bytes([0xFF]) + b"x" * capacity)

# Every text field full of the bytes 0x80-0x9F, the five undefined ones among them.
highs = record(tape=high, film=high * 2, country=high * 2, director=high * 2, genre=high * 2,
               actors=high * 12, story=high * 18, film_length=90)

corpus = {
    "empty": b"",
    "one-byte": b"\x00",
    "part-record-1359": one[:RECORD - 1],
    "one-record": one,
    "one-record-and-one-byte": one + b"\x01",
    "two-records-and-100-bytes": one + second + b"\xAB" * 100,
    "placeholder-and-films": placeholder + one + second,
    "overlong-lengths": overlong,
    "actors-unterminated": set_bytes(one, ACTORS[0], b"A" * ACTORS[1]),
    "story-unterminated": set_bytes(one, STORY[0], b"S" * STORY[1]),
    "actors-and-story-full": set_bytes(set_bytes(one, ACTORS[0], b"a" * 400 + b"\0"),
                                       STORY[0], b"s" * 600 + b"\0"),
    "high-bytes": highs,
    "garbage-links": film(b"Kassette 2", b"Alien", 117, links=(0xDEADBEEF, 0xFFFFFFFF)),
    "nul-inside-names": record(tape=b"A\0B", film=b"\0\0\0", film_length=1, actors=b"\0after nul"),
    "all-ff": b"\xFF" * RECORD,
    "odd-flags-and-lengths": film(b"Kassette 3", b"Over", 0xFFFF, tape_length=0xFFFF, flags=(0x80, 2, 0xFF, 7)),
}

folder = pathlib.Path(__file__).resolve().parent / "corpus"
folder.mkdir(exist_ok=True)
for name, data in corpus.items():
    (folder / name).write_bytes(data)
