#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "exchange/TellicoExport.h"
#include "exchange/TellicoImport.h"
#include "exchange/Zip.h"
#include "support/Records.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using catalogue::FilmRecord;
using namespace Qt::StringLiterals;

// Tellico files: what the export writes, as Tellico's own tools check it, and what the import makes of
// them and of the files of other programs.
class TestTellico final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_givesBackEveryTapeAndFilm_data();
    void roundTrip_givesBackEveryTapeAndFilm();
    void export_isAZipThatTellicosDtdAccepts();
    void import_refusesWhatIsNoVideoCollection_data();
    void import_refusesWhatIsNoVideoCollection();
    void import_takesTheFieldsOfOtherPrograms_data();
    void import_takesTheFieldsOfOtherPrograms();

private:
    QTemporaryDir dir_;
};

namespace {

constexpr char kDtd[] = "/usr/share/tellico/tellico.dtd";

// The films of a catalogue: a film with every field, a second one behind it, and an empty cassette.
std::vector<FilmRecord> films(const QString& tape, const QString& title, const QString& actors,
                              const QString& story, int year, int flags)
{
    FilmRecord film = testsupport::makeRecord(tape, 240, title, 104, quint8(flags & 1));
    film.blackWhite = quint8((flags >> 1) & 1);
    film.seen = quint8((flags >> 2) & 1);
    film.deletable = quint8((flags >> 3) & 1);
    film.year = quint16(year);
    catalogue::setText(film.country, u"Österreich"_s);
    catalogue::setText(film.director, u"Carol Reed"_s);
    catalogue::setText(film.genre, u"Krimi"_s);
    catalogue::setText(film.actors, actors);
    catalogue::setText(film.story, story);
    return {film, testsupport::makeRecord(tape, 240, u"Zweiter"_s, 30),
            testsupport::makeRecord(u"Leer"_s, 180)};
}

void fill(catalogue::Catalogue& catalogue, const std::vector<FilmRecord>& records)
{
    for (const FilmRecord& record : records)
        testsupport::appendRecord(catalogue, record);
}

QByteArray tellicoFile(const QByteArray& collection)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tellico xmlns=\"http://periapsis.org/tellico/\" "
           "syntaxVersion=\"11\">" +
           collection + "</tellico>";
}

// The plan of importing file into an empty catalogue.
exchange::ImportPlan plan(const QByteArray& file)
{
    const catalogue::Catalogue empty;
    return *exchange::planTellicoImport(empty, file);
}

} // namespace

void TestTellico::roundTrip_givesBackEveryTapeAndFilm_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("actors");
    QTest::addColumn<QString>("story");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("flags"); // long-play, black and white, seen, deletable: bits 0 to 3

    QTest::newRow("line breaks") << u"Krimis"_s << u"Der dritte Mann"_s << u"Joseph Cotten\r\nOrson Welles"_s
                                 << u"Wien\r\n\r\nnach dem Krieg\r\n"_s << 1949 << 0;
    QTest::newRow("Windows-1252") << u"Café €"_s << u"Œuvre „Zitat“ – … ‰"_s << u"Zoë\r\nŠárka"_s
                                  << u"Straße, ½ Stunde"_s << 1975 << 2;
    QTest::newRow("every flag, no year") << u"Alles"_s << u"Ohne Jahr"_s << QString() << QString() << 0 << 15;
    QTest::newRow("markup characters")
        << u"<b>&amp;"_s << u"\"a\" & 'b' <c>"_s << u"<br/>?"_s << u"a < b && c > d"_s << 2001 << 1;
    QTest::newRow("control characters, lone CR and LF")
        << u"Band\u0001"_s << u"Tab\tTitel"_s << u"Eins\rZwei"_s << u"Drei\nVier\u007F"_s << 1990 << 4;
    QTest::newRow("empty and blank names") << QString() << u"  "_s << u"\r\n"_s << u" "_s << 1 << 8;
}

// Exported, then imported into an empty catalogue: every record byte for byte, in the same order.
void TestTellico::roundTrip_givesBackEveryTapeAndFilm()
{
    QFETCH(QString, tape);
    QFETCH(QString, title);
    QFETCH(QString, actors);
    QFETCH(QString, story);
    QFETCH(int, year);
    QFETCH(int, flags);
    catalogue::Catalogue before;
    fill(before, films(tape, title, actors, story, year, flags));
    const std::optional<QByteArray> file = exchange::exportTellico(before, u"Videos"_s);
    QVERIFY(file);

    catalogue::Catalogue after;
    exchange::ImportPlan imported = *exchange::planTellicoImport(after, *file);
    QVERIFY2(imported.fileError.isEmpty(), qPrintable(imported.fileError));
    QVERIFY2(imported.skipped.empty(),
             imported.skipped.empty() ? "" : qPrintable(imported.skipped.front().reason));
    QVERIFY(imported.untaped.empty());
    exchange::applyImport(after, std::move(imported));

    QCOMPARE(after.recordCount(), before.recordCount());
    for (const FilmRecord *b = before.head(), *a = after.head(); b && a; b = b->next, a = a->next) {
        FilmRecord expected = *b;
        FilmRecord actual = *a;
        expected.prev = expected.next = actual.prev = actual.next = nullptr;
        QCOMPARE(catalogue::text(actual.filmName), catalogue::text(expected.filmName));
        QCOMPARE(testsupport::recordImage(actual), testsupport::recordImage(expected));
    }
}

// unzip reads the file; without the elements of the fields the file declares itself, tellico.xml is
// valid by Tellico's own DTD.
void TestTellico::export_isAZipThatTellicosDtdAccepts()
{
    QVERIFY2(QFile::exists(QString::fromLatin1(kDtd)), "tellico-data is not installed");
    catalogue::Catalogue catalogue;
    fill(catalogue, films(u"Krimis"_s, u"Titel & <mehr>"_s, u"A\r\nB"_s, u"C\r\nD"_s, 1949, 15));
    const QString path = dir_.filePath(u"export.tc"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(*exchange::exportTellico(catalogue, u"Videos \"1\""_s));
    file.close();

    QProcess unzip;
    unzip.start(u"unzip"_s, {u"-t"_s, path});
    QVERIFY(unzip.waitForFinished());
    QCOMPARE(unzip.exitCode(), 0);
    unzip.start(u"unzip"_s, {u"-p"_s, path, u"tellico.xml"_s});
    QVERIFY(unzip.waitForFinished());
    QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
    QVERIFY(xml.contains(u"<casts><cast><column>A</column></cast><cast><column>B</column></cast></casts>"_s));
    QVERIFY(xml.contains(u"<plot>C&lt;br/&gt;D</plot>"_s));

    static const QRegularExpression ownField(
        u"<(tape|tape-length|counter|longplay|seen|deletable)>[^<]*</\\1>"_s);
    QVERIFY(xml.contains(ownField));
    xml.remove(ownField);
    const QString stripped = dir_.filePath(u"stripped.xml"_s);
    QFile out(stripped);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(xml.toUtf8());
    out.close();
    QProcess xmllint;
    xmllint.start(u"xmllint"_s,
                  {u"--noout"_s, u"--nonet"_s, u"--dtdvalid"_s, QString::fromLatin1(kDtd), stripped});
    QVERIFY2(xmllint.waitForFinished(), "libxml2-utils is not installed");
    QVERIFY2(xmllint.exitCode() == 0, xmllint.readAllStandardError().constData());
}

void TestTellico::import_refusesWhatIsNoVideoCollection_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");
    const QByteArray videos =
        tellicoFile("<collection title=\"V\" type=\"3\"><entry id=\"1\"><title>T</title>"
                    "<running-time>90</running-time></entry></collection>");
    QByteArray damaged = exchange::zipSingleFile(u"tellico.xml"_s, videos);
    damaged[50] = char(damaged[50] ^ 0x55);
    QTest::newRow("books") << tellicoFile(
                                  "<collection title=\"B\" type=\"2\"><entry id=\"1\"><title>T</title>"
                                  "</entry></collection>")
                           << u"another kind (type 2)"_s;
    QTest::newRow("other XML") << QByteArray("<html><body/></html>") << u"no Tellico file"_s;
    QTest::newRow("broken XML") << videos.left(videos.size() - 20) << u"is damaged"_s;
    QTest::newRow("no collection") << tellicoFile({}) << u"holds no collection"_s;
    QTest::newRow("zip of another file")
        << exchange::zipSingleFile(u"other.xml"_s, videos) << u"holds no file \"tellico.xml\""_s;
    QTest::newRow("damaged zip") << damaged << u"zip archive is damaged"_s;
    QTest::newRow("cut zip") << exchange::zipSingleFile(u"tellico.xml"_s, videos).left(60)
                             << u"zip archive is damaged"_s;
}

void TestTellico::import_refusesWhatIsNoVideoCollection()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    const exchange::ImportPlan planned = plan(file);
    QVERIFY2(planned.fileError.contains(reason), qPrintable(planned.fileError));
    QVERIFY(!planned.addsAnything());
}

void TestTellico::import_takesTheFieldsOfOtherPrograms_data()
{
    QTest::addColumn<QByteArray>("fields"); // of an entry that has a running time
    QTest::addColumn<QString>("field");     // the record field looked at; "skipped": the reason
    QTest::addColumn<QString>("value");

    QTest::newRow("genres joined") << QByteArray("<genres><genre>Krimi</genre><genre>Drama</genre></genres>")
                                   << u"genre"_s << u"Krimi; Drama"_s;
    QTest::newRow("cast with roles")
        << QByteArray("<casts><cast><column>Cotten</column><column>Holly</column></cast>"
                      "<cast><column>Welles</column></cast></casts>")
        << u"actors"_s << u"Cotten (Holly)\r\nWelles"_s;
    QTest::newRow("plot with breaks")
        << QByteArray("<plot>Eins&lt;br/&gt;Zwei\nDrei</plot>") << u"story"_s << u"Eins\r\nZwei\r\nDrei"_s;
    QTest::newRow("black and white") << QByteArray("<color>Black &amp; White</color>") << u"blackWhite"_s
                                     << u"1"_s;
    QTest::newRow("year not a number") << QByteArray("<year>1949?</year>") << u"skipped"_s
                                       << u"Year \"1949?\" is not a number from 0 to 65535."_s;
    QTest::newRow("title too long") << QByteArray("<title>" + QByteArray(71, 'x') + "</title>")
                                    << u"skipped"_s << u"Title is longer than 70 characters."_s;
    QTest::newRow("beyond the code page") << QByteArray("<title>Łódź</title>") << u"skipped"_s
                                          << u"Title holds a character that the archive cannot store."_s;
}

// A collection of another program has no tape field: its films wait for a cassette to be chosen, and go
// behind the films already on it.
void TestTellico::import_takesTheFieldsOfOtherPrograms()
{
    QFETCH(QByteArray, fields);
    QFETCH(QString, field);
    QFETCH(QString, value);
    const QByteArray file = tellicoFile("<collection title=\"Meine Filme\" type=\"3\">"
                                        "<fields><field name=\"_default\"/></fields>"
                                        "<entry id=\"1\"><running-time>90</running-time>" +
                                        fields +
                                        "</entry><entry id=\"2\"><title>Ohne Länge</title></entry>"
                                        "</collection>");
    catalogue::Catalogue catalogue;
    fill(catalogue, {testsupport::makeRecord(u"Krimis"_s, 240, u"Alt"_s, 100)});
    exchange::ImportPlan planned = *exchange::planTellicoImport(catalogue, file);
    QCOMPARE(planned.untapedName, u"Meine Filme"_s);
    QVERIFY(planned.skipped.size() >= 1);
    QVERIFY(planned.skipped.back().reason.contains(u"no running time"_s));
    if (field == u"skipped") {
        QCOMPARE(planned.skipped.front().reason, value);
        QVERIFY(planned.untaped.empty());
        return;
    }
    QCOMPARE(planned.untaped.size(), std::size_t(1));
    exchange::placeUntaped(catalogue, planned, u"Krimis"_s);
    QCOMPARE(planned.cassettes.size(), std::size_t(1));
    QVERIFY(!planned.cassettes.front().isNew);
    QCOMPARE(planned.cassettes.front().minutesOver(), 0);
    QCOMPARE(planned.cassettes.front().usedHalfMinutes, 2 * (100 + 90));
    exchange::applyImport(catalogue, std::move(planned));
    const FilmRecord& film = *catalogue.cassettes().front()->records().back();
    QCOMPARE(catalogue::text(film.tapeName), u"Krimis"_s);
    const QString actual = field == u"genre"    ? catalogue::text(film.genre)
                           : field == u"actors" ? catalogue::text(film.actors)
                           : field == u"story"  ? catalogue::text(film.story)
                                                : QString::number(film.blackWhite);
    QCOMPARE(actual, value);
}

QTEST_GUILESS_MAIN(TestTellico)
#include "tst_tellico.moc"
