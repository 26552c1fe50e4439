#!/usr/bin/env python3
"""Writes the starting corpora of the fuzz targets: tests/fuzz/corpus/ for the archive loader,
tests/fuzz/corpus-csv/ for the CSV import.

Each archive is a small one, sound or damaged: parts of a record, too long length bytes,
zero-terminated fields without their terminator, bytes 0x80-0x9F, garbage link fields.
Each CSV file is a small catalogue file as a user or a spreadsheet might hand it in: with and
without a byte order mark, in UTF-8 or Windows-1252, separated by commas, semicolons or tabs, with
unclosed quotes, bad UTF-8, control characters, formula-like texts, odd line ends.
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

# The CSV corpus meets the fuzz target's catalogue: "Krimis" (240 min., 204 used), "Voll" (60 min., 59
# used) and the empty "Leer".
EN = ["Cassette", "Cassette length", "Counter range", "Title", "Year", "Country", "Length", "Director",
      "Actors", "Genre", "Story", "Long-play", "Black/white", "Seen", "Deletable"]
DE = ["Kassette", "Kassettenlänge", "Zählerstand", "Titel", "Jahr", "Land", "Länge", "Regie",
      "Darsteller", "Genre", "Handlung", "Longplay", "Schwarzweiß", "Gesehen", "Löschbar"]
BOM = b"\xef\xbb\xbf"


def csv_row(cells, sep=",", end="\r\n"):
    return sep.join(cells) + end


def film_row(tape, length, title, year="1990", minutes="90", actors="", story="", flags="0,0,0,0",
             sep=","):
    cells = [tape, length, "", title, year, "D", minutes, "Regie", actors, "Drama", story] + flags.split(",")
    return csv_row(cells, sep)


def utf8(*rows):
    return "".join(rows).encode("utf-8")


header = csv_row(EN)
csv_corpus = {
    "empty": b"",
    "header-only": BOM + utf8(header),
    "comma-utf8-bom": BOM + utf8(
        header,
        film_row("Krimis", "240", "Der Name der Rose", minutes="30", actors='"Sean Connery\r\nF. Murray Abraham"'),
        film_row('"Neu, ""alt"""', "120", '"Straße, Öl"', story='"Zeile 1\r\n\r\nZeile 3\r"'),
        film_row("Leer", "180", "Füllt den Platzhalter", minutes="60"),
        csv_row(["Nur Kassette", "200"] + [""] * 13)),
    "semicolon-german-cp1252": csv_row(DE, ";").encode("cp1252") + (
        film_row("Zürich", "240", "Grün", sep=";") + film_row("Zürich", "240", "Öl; \"Maß\"", sep=";")
    ).replace('Öl; "Maß"', '"Öl; ""Maß"""').encode("cp1252"),
    "tab-separated": utf8(csv_row(EN, "\t"), film_row("Tabs", "100", "Eins", sep="\t"),
                          film_row("Tabs", "100", '"Zwei\tDrei"', sep="\t")),
    "unclosed-quote": BOM + utf8(header, film_row("Neu", "100", "Gut"),
                                 film_row("Neu", "100", '"Offen', story="x"), film_row("Neu", "100", "Nie")),
    "bad-utf8": utf8(header, film_row("München", "100", "Grüße aus Köln"), film_row("Neu", "100", "x")).replace(
        b",x,", b",Z\xfcrich,") + b"Neu,100,,\xc0\xaf,1990,D,10,,,,,0,0,0,0\r\n",
    "mostly-cp1252": utf8(header) + (
        film_row("Köln", "100", "Über", story="Straß“") + film_row("Köln", "100", "Ärger")).encode("cp1252"),
    "control-characters": BOM + utf8(header, film_row("N\x01", "100", "T"), film_row("Neu", "100", '"A\tB"'),
                                     film_row("Neu", "100", "T", story="a\x00b"),
                                     film_row("Neu", "100", "T\x7f"), film_row("Neu", "100", "T\x85"),
                                     film_row("Neu", "100", '"Zwei\r\nZeilen"')),
    "injection-prefixes": BOM + utf8(
        header, film_row("'=Kasse", "600", "'=SUMME(A1)", actors="'+49", story="'-1"),
        film_row("'=Kasse", "600", "'@Regie", story="''Zitat"),
        film_row("'=Kasse", "600", "'-" + "x" * 70), film_row("'", "100", "T"), film_row("Neu", "100", "'")),
    "cr-only-line-ends": utf8(csv_row(EN, end="\r"), film_row("Neu", "100", "A").replace("\r\n", "\r"),
                              film_row("Neu", "100", '"B\rC"', story='"x\ry"').replace("\r\n", "\r")),
    "lf-line-ends": utf8(csv_row(EN, end="\n"), film_row("Neu", "100", "A", actors='"a\nb"').replace("\r\n", "\n")),
    "blank-and-case-names": BOM + utf8(header, film_row("  ", "100", "T"), film_row("krimis", "100", "T"),
                                       film_row(" Krimis ", "100", "T"), film_row("", "100", "T")),
    "numbers-and-flags": BOM + utf8(
        header, film_row("Neu", "0", "T"), film_row("Neu", "100", "T", year="0"),
        film_row("Neu", "100", "T", minutes="65536"), film_row("Neu", "100", "T", flags="2,0,0,0"),
        film_row("Neu", "100", "T", minutes=" 100 ", flags=" 1 ,0,0,1"),
        film_row("Voll", "60", "Zu lang", minutes="2"), film_row("Voll", "60", "Passt", minutes="2", flags="1,0,0,0")),
    "header-mismatch": utf8(csv_row(EN[:4] + ["Yaer"] + EN[5:], ";"), film_row("Neu", "100", "T", sep=";")),
    "no-separator": b"Cassette|Title|Year\r\nNeu|T|1990\r\n",
    # Found by the fuzzer: a sequence cut off at the end of the file was dropped without a word, and
    # a mark right behind a bad byte was dropped too.
    "sequence-cut-at-end": b"\xef\xbb\xbfCas\xef\xbb",
    "mark-behind-bad-byte": b"\xef\xbb\xbfCas\xef\xbb\xef\xbb\xbfCassette\r\n",
    # What spreadsheets save as "Unicode text", and the other byte orders and widths.
    "utf16le-tabs-bom": b"\xff\xfe" + (csv_row(EN, "\t") + film_row("Zürich", "240", "Grün", sep="\t")).encode("utf-16-le"),
    "utf16le-tabs-no-bom": (csv_row(EN, "\t") + film_row("Tabs", "100", "Eins", sep="\t")).encode("utf-16-le"),
    "utf16be-bom": b"\xfe\xff" + utf8(header, film_row("Neu", "100", "\U0001F3AC")).decode().encode("utf-16-be"),
    "utf32le-bom": b"\xff\xfe\0\0" + utf8(header, film_row("Neu", "100", "Öl")).decode().encode("utf-32-le"),
    "utf32be-bom-cut": (b"\0\0\xfe\xff" + utf8(header, film_row("Neu", "100", "x")).decode().encode("utf-32-be"))[:-3],
    "utf16le-lone-surrogate": b"\xff\xfe" + utf8(header).decode().encode("utf-16-le") + b"N\0\x00\xd8,\0",
    "duplicate-title": BOM + utf8(csv_row(EN + ["Titel"]), film_row("Neu", "100", "T")[:-2] + ",X\r\n"),
    # Texts as the export shows control characters, and the counts an archive holds but a window would
    # not let a user type: all taken.
    "shown-controls": BOM + utf8(
        header, film_row("\u241b[31m\u2400", "0", "\u240d\u240a\ue081\u2421", actors='"a\r\nb\u240a"'),
        film_row("", "0", "'\u2409=1+1", minutes="65535", year="65535"), csv_row(["   ", "65535"] + [""] * 13),
        film_row("Voll", "60", "Zu lang", minutes="600"), csv_row([""] * 15)),
}

# Archives the CSV target also loads and sends round: what an archive holds that no window would make.
def over_full(tape, minutes, **more):
    return record(tape=tape, tape_length=60, film=b"Lang", film_length=minutes, year=0, **more)


controls = bytes(range(0x00, 0x20)) + b"\x7f\x81\x8d\x8f\x90\x9d"
csv_archives = {
    "archive-over-full-and-zero-length": over_full(b"Voll", 50) + over_full(b"Voll", 50, flags=(1, 0, 0, 0)) +
                                         record(tape=b"Null", tape_length=0, film=b"X", film_length=1),
    "archive-controls": record(tape=b"\x1b[2J\x00" + controls[:20], film=controls, film_length=90,
                               country=b"\r\n", director=b"\t=cmd", genre=b" @x",
                               actors=b"a\r\nb\nc\rd" + controls[1:], story=b"\x1b]0;x\x07" + controls[1:]),
    "archive-names-and-extremes": record(tape=b"abc", film=b"=1+1", film_length=0xFFFF, year=0xFFFF, flags=(2, 0x80, 0xFF, 1)) +
                                  record(tape=b"ABC", film=b"'x", film_length=1, actors=b"x" * 400, story=b"-" * 600) +
                                  record(tape=b"", tape_length=0xFFFF) + record(tape=b"   ", film=b"\xa0+1", film_length=2),
}

for name, data in csv_archives.items():
    csv_corpus[name] = data

for folder_name, files in (("corpus", corpus), ("corpus-csv", csv_corpus)):
    folder = pathlib.Path(__file__).resolve().parent / folder_name
    folder.mkdir(exist_ok=True)
    for name, data in files.items():
        (folder / name).write_bytes(data)
