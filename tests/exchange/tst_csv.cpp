#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "exchange/Csv.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"
#include "exchange/CsvText.h"
#include "support/Records.h"

#include <QStringEncoder>
#include <QTest>

#include <cstring>

using namespace catalogue;
using namespace Qt::StringLiterals;
using testsupport::appendRecord;
using testsupport::makeRecord;

// The catalogue through a CSV file and back, and the rows an import refuses.
class TestCsv final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportThenImport_givesTheSameCatalogue();
    void anyArchive_comesBackWhole_data();
    void anyArchive_comesBackWhole();
    void skippedRows_data();
    void skippedRows();
    void reader_data();
    void reader();
    void header_data();
    void header();
    void decode_data();
    void decode();
    void import_goesBehindEachCassettesLastFilm();

private:
    static exchange::ImportPlan plan(const Catalogue& into, const QByteArray& csv)
    {
        return exchange::planImport(into, exchange::decodeCsvFile(csv), {exchange::csvHeader()});
    }
};

void TestCsv::exportThenImport_givesTheSameCatalogue()
{
    Catalogue original;
    FilmRecord film = makeRecord(u"Krimis, \"alt\""_s, 240, u"Das Boot, \"Director's Cut\""_s, 149);
    film.year = 1981;
    setText(film.country, u"Deutschland"_s);
    setText(film.director, u"Wolfgang Petersen"_s);
    setText(film.genre, u"Kriegsfilm"_s);
    setText(film.actors, u"Jürgen Prochnow\r\nHerbert Grönemeyer\r"_s);
    setText(film.story, u"Straße, Öl \"und\" Maß€\r\n\r\nEnde"_s);
    film.blackWhite = film.seen = film.deletable = 1;
    appendRecord(original, film);
    appendRecord(original, makeRecord(u"  Leer "_s, 180)); // an empty cassette, its blanks kept
    FilmRecord second = makeRecord(u"Krimis, \"alt\""_s, 240, u"Quote \" at the end\""_s, 90, 1);
    second.year = 2001;
    appendRecord(original, second);
    // Texts a spreadsheet would run as formulas; a title of full length keeps fitting with its mark.
    FilmRecord formulas = makeRecord(u"=Serien "_s, 100, u"-"_s + QString(69, u'x'), 45);
    formulas.year = 1990;
    setText(formulas.country, u"+49"_s);
    setText(formulas.director, u"@Regie"_s);
    setText(formulas.genre, u"'Genre"_s);
    setText(formulas.actors, u"=1+2\r\n"_s);
    setText(formulas.story, u"=HYPERLINK(\"x\")"_s);
    appendRecord(original, formulas);

    const QByteArray csv = exchange::exportCatalogue(original);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    QVERIFY(csv.contains("00:00-02:29") && csv.contains("02:29-03:59"));
    QVERIFY(csv.contains("\r\n'=Serien ,100,00:00-00:45,'-xxx"));
    QVERIFY(csv.contains(",'+49,45,'@Regie,\"'=1+2\r\n\",''Genre,\"'=HYPERLINK(\"\"x\"\")\",0,0,0,0\r\n"));
    Catalogue copy;
    exchange::ImportPlan planned = plan(copy, csv);
    QVERIFY(planned.fileError.isEmpty());
    QCOMPARE(planned.skipped.size(), 0u);
    exchange::applyImport(copy, std::move(planned));

    // Films in tape order per cassette, the cassettes in the order they first appear.
    const std::vector<const FilmRecord*> expected = {original.head(), original.head()->next->next,
                                                     original.head()->next, original.tail()};
    QCOMPARE(copy.recordCount(), 4);
    QCOMPARE(copy.filmTotal(), 3);
    const FilmRecord* r = copy.head();
    for (const FilmRecord* e : expected) {
        QCOMPARE(testsupport::recordImage(*r), testsupport::recordImage(*e));
        r = r->next;
    }
}

namespace {

FilmRecord film(const QString& tape, int tapeLength, const QString& title, int length, int year = 1990,
                quint8 longplay = 0)
{
    FilmRecord r = makeRecord(tape, tapeLength, title, length, longplay);
    r.year = quint16(year);
    return r;
}

QByteArray images(std::initializer_list<FilmRecord> records)
{
    QByteArray bytes;
    for (const FilmRecord& r : records)
        bytes += testsupport::recordImage(r);
    return bytes;
}

// A row of the export's format: cassette and its length, then a film.
QByteArray row(const QByteArray& cassette, const QByteArray& year = "1990", const QByteArray& length = "90",
               const QByteArray& title = "T", const QByteArray& story = {}, const QByteArray& longplay = "0")
{
    return cassette + ",," + title + ',' + year + ",D," + length + ",,,," + story + ',' + longplay +
           ",0,0,0\r\n";
}

} // namespace

void TestCsv::anyArchive_comesBackWhole_data()
{
    QTest::addColumn<QByteArray>("archive"); // record images
    QTest::addColumn<QString>("cell");       // a part of the export
    QTest::addColumn<int>("overfull");       // cassettes the import notes as over-full

    const auto titled = [](const QString& title) { return images({film(u"K"_s, 100, title, 10)}); };
    QTest::newRow("over-full, long-play")
        << images({film(u"Voll"_s, 60, u"A"_s, 50), film(u"Voll"_s, 60, u"B"_s, 50, 1990, 1),
                   film(u"LP"_s, 60, u"C"_s, 121, 1990, 1)})
        << u"Voll,60,00:50-01:40,B"_s << 2;
    QTest::newRow("zero-length tapes")
        << images({film(u"Null"_s, 0, u"A"_s, 1), makeRecord(u"Leer"_s, 0)}) << u"Leer,0,,"_s << 1;
    QTest::newRow("names differing in case only, interleaved")
        << images({film(u"abc"_s, 100, u"1"_s, 1), film(u"ABC"_s, 100, u"2"_s, 2),
                   film(u"abc"_s, 100, u"3"_s, 3), film(u"Abc "_s, 100, u"4"_s, 4)})
        << u"abc,100,00:01-00:04,3"_s << 0;
    QTest::newRow("empty and blank names, empty cassettes")
        << images({makeRecord(QString(), 10), film(u"   "_s, 10, u"T"_s, 5), makeRecord(u"\u00A0"_s, 20)})
        << u"\r\n,10,,"_s << 0;
    FilmRecord extremes = film(QString(50, u'n'), 65535, QString(70, u't'), 65535, 65535);
    for (auto* field : {&extremes.country, &extremes.director, &extremes.genre})
        setText(*field, QString(70, u'x'));
    setText(extremes.actors, QString(QString(199, u'a') + u"\r\n"_s + QString(199, u'a')));
    std::memset(extremes.story, 's', sizeof extremes.story); // no terminator: as long as the field holds
    extremes.blackWhite = 2;
    QTest::newRow("every field at its longest, numbers at their extremes")
        << images({extremes, film(u"Eins"_s, 0, u"Kurz"_s, 1, 0)}) << QString(600, u's') + u",0,1,0,0"_s << 1;
    FilmRecord memos = film(u"K"_s, 100, u"M"_s, 10, 0);
    setText(memos.actors, u"a\r\nb\nc\r"_s);
    setText(memos.story, u"\r\n\r\n\n\r"_s);
    QTest::newRow("memo line breaks, year 0") << images({memos}) << u",0,,10,,\"a\r\nb\u240Ac\u240D\""_s << 0;
    QTest::newRow("ESC, BEL") << titled(u"\x1B]0;x\x07\x1B[2J"_s) << u"\u241B]0;x\u2407\u241B[2J"_s << 0;
    QTest::newRow("NUL, DEL in a name")
        << images({makeRecord(u"A\0B\x7F"_s, 1)}) << u"A\u2400B\u2421,1"_s << 0;
    QTest::newRow("undefined bytes") << titled(u"\u0081\u008D\u008F\u0090\u009D"_s)
                                     << u"\uE081\uE08D\uE08F\uE090\uE09D"_s << 0;
    QTest::newRow("line breaks in a title") << titled(u"A\r\nB\nC"_s) << u",A\u240D\u240AB\u240AC,"_s << 0;
    QTest::newRow("formula behind a tab") << titled(u"\t=1+1"_s) << u",'\u2409=1+1,"_s << 0;
    QTest::newRow("formula behind CR and blanks") << titled(u"\r \u00A0@x"_s) << u",'\u240D \u00A0@x,"_s << 0;
    QTest::newRow("formula behind a blank") << titled(u" -1"_s) << u",' -1,"_s << 0;
    QTest::newRow("the mark itself") << titled(u"'x"_s) << u",''x,"_s << 0;
    QTest::newRow("no formula") << titled(u"x=1"_s) << u",x=1,"_s << 0;
}

// Whatever an archive holds that the windows would not let a user make comes back, cassettes and
// films in their order, every field the CSV carries; and the copy exports to the very same file.
// Control characters go out as characters of their own, formulas with the mark.
void TestCsv::anyArchive_comesBackWhole()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, cell);
    QFETCH(int, overfull);
    Catalogue original;
    for (qsizetype at = 0; at < archive.size(); at += qsizetype(kRecordSize)) {
        auto r = Catalogue::newRecord();
        std::memcpy(r.get(), archive.constData() + at, kRecordSize);
        original.appendRecord(std::move(r));
    }
    const QByteArray csv = exchange::exportCatalogue(original);
    QVERIFY2(QString::fromUtf8(csv).contains(cell), csv.constData());
    Catalogue copy;
    exchange::ImportPlan planned = plan(copy, csv);
    QCOMPARE(planned.skipped.size(), 0u);
    int noted = 0;
    for (const exchange::PlannedCassette& cassette : planned.cassettes)
        noted += cassette.minutesOver() > 0 ? 1 : 0;
    QCOMPARE(noted, overfull);
    exchange::applyImport(copy, std::move(planned));
    // The export shows every field it carries, control characters unmistakably: the same file, the same
    // cassettes and films.
    QCOMPARE(copy.cassettes().size(), original.cassettes().size());
    QCOMPARE(copy.filmTotal(), original.filmTotal());
    QCOMPARE(exchange::exportCatalogue(copy), csv);
}

void TestCsv::skippedRows_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<int>("line"); // of the skipped row
    QTest::addColumn<QString>("reason");
    QTest::newRow("too few fields") << QByteArray("Neu,100,,T,1990\r\n") << 4 << u"The row has 5 fields"_s;
    QTest::newRow("too many fields") << row("Neu,100", "1990", "90", "T", "S,x") << 4
                                     << u"The row has 16 fields"_s;
    // The actors span lines 4 and 5; the story's quote opens on line 5.
    QTest::newRow("unclosed quote")
        << QByteArray("Neu,100,,T,1990,D,90,,\"A\r\nB\",,\"S,0,0,0,0\r\n") + row("Neu,100") << 4
        << u"The quoted field opened on line 5 is never closed: the file from line 5 on was not read."_s;
    QTest::newRow("byte not UTF-8") << row("Neu,100", "1990", "90", "M\xC3\xBCnchen Z\xFCrich") << 4
                                    << u"Title holds the byte 0xFC, which is not valid UTF-8."_s;
    QTest::newRow("tab in title") << row("Neu,100", "1990", "90", "A\tB") << 4
                                  << u"Title holds the control character U+0009."_s;
    QTest::newRow("C1 control in title")
        << row("Neu,100", "1990", "90", "A\xC2\x85") << 4 << u"Title holds the control character U+0085."_s;
    QTest::newRow("line break in title")
        << row("Neu,100", "1990", "90", "\"A\nB\"") << 4 << u"Title holds a line break."_s;
    QTest::newRow("NUL in story") << row("Neu,100", "1990", "90", "T", QByteArray("a\0b", 3)) << 4
                                  << u"Story holds the control character U+0000."_s;
    QTest::newRow("control in name") << row("N\x01,100") << 4
                                     << u"Cassette holds the control character U+0001."_s;
    QTest::newRow("no value") << QByteArray(",,,,,,,,,,,,,,\r\n") << 4 << u"The row holds no value."_s;
    QTest::newRow("NUL shown in story") << row("Neu,100", "1990", "90", "T", "a\xE2\x90\x80") << 4
                                        << u"Story holds the control character U+0000."_s;
    QTest::newRow("title too long without its mark")
        << row("Neu,100", "1990", "90", "'=" + QByteArray(70, 't')) << 4 << u"Title is longer than 70"_s;
    QTest::newRow("C1 shown, not in the code page")
        << row("Neu,100", "1990", "90", "A\xEE\x82\x85") << 4
        << u"Title holds a character that the archive cannot store: \"\uE085\""_s;
    QTest::newRow("name too long") << row(QByteArray(51, 'n') + ",100") << 4
                                   << u"Cassette is longer than 50"_s;
    QTest::newRow("cassette length") << row("Neu,65536") << 4 << u"cassette length \"65536\""_s;
    QTest::newRow("year over 65535") << row("Neu,100", "65536") << 4 << u"year \"65536\""_s;
    QTest::newRow("no year") << row("Neu,100", "") << 4 << u"year \"\""_s;
    QTest::newRow("length no number") << row("Neu,100", "1990", "90 min") << 4 << u"length \"90 min\""_s;
    QTest::newRow("length over 65535") << row("Neu,100", "1990", "65536") << 4 << u"length \"65536\""_s;
    QTest::newRow("title too long") << row("Neu,100", "1990", "90", QByteArray(71, 't')) << 4
                                    << u"Title is longer than 70"_s;
    // 599 letters and a line break take 601 characters of the record.
    QTest::newRow("story with break")
        << row("Neu,100", "1990", "90", "T", '"' + QByteArray(599, 's') + "\n\"") << 4
        << u"Story is longer than 600"_s;
    QTest::newRow("not Windows-1252")
        << row("Neu,100", "1990", "90", "A\xCE\xA9") << 4
        << u"Title holds a character that the archive cannot store: \"\u03A9\""_s;
    QTest::newRow("flag 2") << row("Neu,100", "1990", "90", "T", {}, "2") << 4 << u"Long-play is \"2\""_s;
}

// Each broken row is skipped with its line (after a row spanning two lines), the rows before it are
// planned, and nothing is added before the plan is applied.
void TestCsv::skippedRows()
{
    QFETCH(QByteArray, rows);
    QFETCH(int, line);
    QFETCH(QString, reason);
    Catalogue catalogue;
    appendRecord(catalogue, makeRecord(u"Krimis"_s, 100, u"M"_s, 90));
    const QByteArray csv = exchange::csvHeader().join(u',').toUtf8() + "\r\n" +
                           row("Krimis,100", "1990", "5", "T", "\"Two\r\nlines\"") + rows;
    const exchange::ImportPlan planned = plan(catalogue, csv);
    QCOMPARE(planned.skipped.size(), 1u);
    QCOMPARE(planned.skipped[0].line, line);
    QVERIFY2(planned.skipped[0].reason.contains(reason), qPrintable(planned.skipped[0].reason));
    QCOMPARE(planned.filmCount(), line - 3);
    QCOMPARE(catalogue.recordCount(), 1);
}

void TestCsv::reader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("records"); // each: its line, then its fields, joined by "|"
    QTest::newRow("row ends") << u"a,b\r\nc\nd\re"_s << QChar(u',')
                              << QStringList{u"1|a|b"_s, u"2|c"_s, u"3|d"_s, u"4|e"_s};
    QTest::newRow("blank lines") << u"\r\n\na\r\n\r\n,\r\n"_s << QChar(u',')
                                 << QStringList{u"3|a"_s, u"5||"_s};
    QTest::newRow("quoted breaks") << u"\"x\r\ny\ny\rz\",1\r\nnext"_s << QChar(u',')
                                   << QStringList{u"1|x\r\ny\ny\rz|1"_s, u"5|next"_s};
    QTest::newRow("quotes") << u"\"a\"\"b\",\"\",c\"d,\"e\"f"_s << QChar(u',')
                            << QStringList{u"1|a\"b||c\"d|ef"_s};
    // The line an unclosed quote opened on, after "!".
    QTest::newRow("unclosed") << u"a,\"b\r\nc"_s << QChar(u',') << QStringList{u"1|a|b\r\nc!1"_s};
    QTest::newRow("unclosed on a later line")
        << u"x\r\n\"a\r\nb\",\"c\r\nd"_s << QChar(u',') << QStringList{u"1|x"_s, u"2|a\r\nb|c\r\nd!3"_s};
    QTest::newRow("semicolons") << u"a;\"b;c\",d;e"_s << QChar(u';') << QStringList{u"1|a|b;c,d|e"_s};
    QTest::newRow("tabs") << u"a\t\"b\tc\"\r\n\td"_s << QChar(u'\t') << QStringList{u"1|a|b\tc"_s, u"2||d"_s};
}

void TestCsv::reader()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(QStringList, records);
    exchange::CsvReader reader(text, separator);
    exchange::CsvRecord record;
    QStringList read;
    while (reader.next(record))
        read.append(
            QString::number(record.line) + u'|' + record.fields.join(u'|') +
            (record.unclosedQuoteLine ? u"!"_s + QString::number(record.unclosedQuoteLine) : QString()));
    QCOMPARE(read, records);
}

void TestCsv::header_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error"); // a part of the file error; none: the film "A;B" is planned
    const QStringList names = exchange::csvHeader();
    const QByteArray film = row("Neu,100", "1990", "90", "\"A;B\"");
    const auto with = [&](const QStringList& header, char separator) -> QByteArray {
        QByteArray rows = film;
        return header.join(QChar::fromLatin1(separator)).toUtf8() + "\r\n" + rows.replace(',', separator);
    };
    QStringList quoted;
    for (const QString& name : names)
        quoted.append(u'"' + name + u'"');
    QStringList misspelt = names;
    misspelt[exchange::ColumnYear] = u"Yaer"_s;
    const QString expected = u"The columns expected are: "_s + names.join(u", "_s) + u'.';

    QTest::newRow("commas") << with(names, ',') << QString();
    QTest::newRow("semicolons") << with(names, ';') << QString();
    QTest::newRow("tabs") << with(names, '\t') << QString();
    QTest::newRow("quoted names") << with(quoted, ';') << QString();
    QTest::newRow("a name wrong") << with(misspelt, ';')
                                  << u"separated by semicolons, it names no column \"Year\". "_s + expected;
    QTest::newRow("no separator") << with(names, '|')
                                  << u"no comma, semicolon or tab separates its columns. "_s + expected;
    QTest::newRow("a title twice") << with(names + QStringList{u" title"_s}, ',')
                                   << u"Columns 4 and 16 of the first row both name the column \"Title\""_s;
}

// The header row decides the separator for the whole file; a header that matches with none says what
// it expected.
void TestCsv::header()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    const exchange::ImportPlan planned = plan(Catalogue(), csv);
    QVERIFY2(planned.fileError.contains(error), qPrintable(planned.fileError));
    if (error.isEmpty()) {
        QCOMPARE(planned.filmCount(), 1);
        QCOMPARE(text(planned.cassettes[0].films[0].record->filmName), u"A;B"_s);
    }
}

void TestCsv::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("badBytes"); // at the U+FFFD of the text, in order
    QTest::newRow("UTF-8") << QByteArray("Stra\xC3\x9F"
                                         "e")
                           << u"UTF-8"_s << u"Straße"_s << QByteArray();
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBFStra\xC3\x9F"
                                                   "e")
                                     << u"UTF-8"_s << u"Straße"_s << QByteArray();
    QTest::newRow("Windows code page") << QByteArray("Stra\xDF"
                                                     "e \x80")
                                       << u"Windows-1252"_s << u"Straße €"_s << QByteArray();
    QTest::newRow("mark and a bad byte")
        << QByteArray("\xEF\xBB\xBFZ\xFCrich") << u"UTF-8"_s << u"Z\uFFFDrich"_s << QByteArray("\xFC");
    QTest::newRow("one bad byte beside a sequence") << QByteArray("M\xC3\xBCnchen Z\xFCrich") << u"UTF-8"_s
                                                    << u"München Z\uFFFDrich"_s << QByteArray("\xFC");
    QTest::newRow("bad bytes as many as sequences") << QByteArray("\xC3\xA4\xC3\xA4 \xC0\xAF") << u"UTF-8"_s
                                                    << u"ää \uFFFD\uFFFD"_s << QByteArray("\xC0\xAF");
    QTest::newRow("sequence cut at the end") << QByteArray("\xEF\xBB\xBF\xC3\xA4\xEF\xBB") << u"UTF-8"_s
                                             << u"ä\uFFFD\uFFFD"_s << QByteArray("\xEF\xBB");
    QTest::newRow("mark behind a bad byte") << QByteArray("\xEF\xBB\xBF\xFF\xEF\xBB\xBFx") << u"UTF-8"_s
                                            << u"\uFFFD\uFEFFx"_s << QByteArray("\xFF");
    QTest::newRow("bad bytes outnumber sequences")
        << QByteArray("M\xC3\xBCnchen Z\xFCrich K\xF6ln") << u"Windows-1252"_s << u"MÃ¼nchen Zürich Köln"_s
        << QByteArray();
    // "Unicode text" as spreadsheets save it, and the other byte orders and widths; a bad unit is noted
    // by its lowest byte.
    const QString unicode = u"Gr\u00FCn\t\u20AC"_s;
    const auto encoded = [&unicode](QStringConverter::Encoding encoding, bool mark) {
        QStringEncoder encoder(encoding,
                               mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        return QByteArray(encoder(unicode));
    };
    QTest::newRow("UTF-16LE") << encoded(QStringConverter::Utf16LE, true) << u"UTF-16LE"_s << unicode
                              << QByteArray();
    QTest::newRow("UTF-16BE") << encoded(QStringConverter::Utf16BE, true) << u"UTF-16BE"_s << unicode
                              << QByteArray();
    QTest::newRow("UTF-32LE") << encoded(QStringConverter::Utf32LE, true) << u"UTF-32LE"_s << unicode
                              << QByteArray();
    QTest::newRow("UTF-32BE") << encoded(QStringConverter::Utf32BE, true) << u"UTF-32BE"_s << unicode
                              << QByteArray();
    QTest::newRow("UTF-16LE without a mark")
        << encoded(QStringConverter::Utf16LE, false) << u"UTF-16LE"_s << unicode << QByteArray();
    QTest::newRow("UTF-16LE, a lone surrogate and a cut unit")
        << QByteArray("\xFF\xFEG\x00\x01\xD8x", 7) << u"UTF-16LE"_s << u"G\uFFFD\uFFFD"_s
        << QByteArray("\x01x");
}

// A UTF-8 file with a few bad bytes stays UTF-8, and the planner learns where they are.
void TestCsv::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, encoding);
    QFETCH(QString, text);
    QFETCH(QByteArray, badBytes);
    const exchange::CsvText file = exchange::decodeCsvFile(bytes);
    QCOMPARE(exchange::encodingName(file.encoding), encoding);
    QCOMPARE(file.text, text);
    QByteArray bad;
    for (const exchange::CsvText::BadByte& byte : file.badBytes) {
        QCOMPARE(file.text.at(byte.at), QChar(QChar::ReplacementCharacter));
        bad.append(char(byte.value));
    }
    QCOMPARE(bad, badBytes);
}

// Films go behind the last record of their cassette, wherever its records lie; an empty cassette's
// placeholder takes the first.
void TestCsv::import_goesBehindEachCassettesLastFilm()
{
    Catalogue catalogue;
    appendRecord(catalogue, makeRecord(u"A"_s, 600, u"a1"_s, 10));
    appendRecord(catalogue, makeRecord(u"B"_s, 600));
    appendRecord(catalogue, makeRecord(u"A"_s, 600, u"a2"_s, 20));
    const QByteArray csv = exchange::csvHeader().join(u',').toUtf8() + "\r\n" +
                           row("A,1", "1990", "30", "a3") + row("B,1", "1990", "40", "b1") +
                           row("B,1", "1990", "50", "b2");
    exchange::applyImport(catalogue, plan(catalogue, csv));
    QStringList films;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next)
        films.append(text(r->filmName) + u'/' + QString::number(r->tapeLength));
    QCOMPARE(films, (QStringList{u"a1/600"_s, u"b1/600"_s, u"b2/600"_s, u"a2/600"_s, u"a3/600"_s}));
    QCOMPARE(catalogue.filmTotal(), 5);
    QCOMPARE(testsupport::listFault(catalogue), QString());
}

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
