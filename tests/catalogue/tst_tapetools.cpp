#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/DuplicateFilms.h"
#include "catalogue/SpaceFinder.h"
#include "catalogue/TapeSpace.h"
#include "support/Records.h"

#include <QTest>

using namespace catalogue;
using namespace Qt::StringLiterals;
using testsupport::appendRecord;
using testsupport::makeRecord;

// Where a recording still fits, where each film lies on its tape, and which films are recorded twice.
class TestTapeTools final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { catalogue_.releaseAll(); }
    void fits_bestFirstThenByName_data();
    void fits_bestFirstThenByName();
    void fits_followChangesAsAFreshFinderWould();
    void segments_takeHalfTheTapeInLongplay_data();
    void segments_takeHalfTheTapeInLongplay();
    void duplicates_foldedTitlesAndAgreeingYears_data();
    void duplicates_foldedTitlesAndAgreeingYears();

private:
    // "name|free|start|left" for each fit, in order.
    static QStringList describe(const std::vector<SpaceFit>& fits);
    void film(const QString& tape, int tapeLength, int length, bool longplay = false);

    Catalogue catalogue_;
};

QStringList TestTapeTools::describe(const std::vector<SpaceFit>& fits)
{
    QStringList rows;
    for (const SpaceFit& fit : fits) {
        rows += u"%1|%2|%3|%4"_s.arg(fit.cassette->name())
                    .arg(fit.freeMinutes)
                    .arg(counterPosition(fit.startMinutes))
                    .arg(fit.minutesLeft);
    }
    return rows;
}

void TestTapeTools::film(const QString& tape, int tapeLength, int length, bool longplay)
{
    appendRecord(catalogue_, makeRecord(tape, tapeLength, u"Film"_s, length, quint8(longplay)));
}

void TestTapeTools::fits_bestFirstThenByName_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("longplay");
    QTest::addColumn<QStringList>("fits");
    // See fits_bestFirstThenByName() for the cassettes.
    QTest::newRow("90 normal: ties by name, numbers by value")
        << 90 << false
        << QStringList{u"band 9|90|01:30|0"_s, u"Band 10|90|02:00|0"_s, u"Ärger|120|04:00|30"_s,
                       u"Baum|120|02:00|30"_s};
    QTest::newRow("90 long-play: half the tape")
        << 90 << true
        << QStringList{u"Leer|120|00:00|30"_s,    u"Odd|149|00:51|59"_s,    u"band 9|180|01:30|90"_s,
                       u"Band 10|180|02:00|90"_s, u"Ärger|240|04:00|150"_s, u"Baum|240|02:00|150"_s};
    QTest::newRow("74 normal: an odd half-minute left is not a minute")
        << 74 << false
        << QStringList{u"Odd|74|00:51|0"_s, u"band 9|90|01:30|16"_s, u"Band 10|90|02:00|16"_s,
                       u"Ärger|120|04:00|46"_s, u"Baum|120|02:00|46"_s};
    QTest::newRow("75 normal: one half-minute short")
        << 75 << false
        << QStringList{u"band 9|90|01:30|15"_s, u"Band 10|90|02:00|15"_s, u"Ärger|120|04:00|45"_s,
                       u"Baum|120|02:00|45"_s};
    QTest::newRow("1 normal: everything but the over-full tape")
        << 1 << false
        << QStringList{u"Leer|60|00:00|59"_s,    u"Odd|74|00:51|73"_s,     u"band 9|90|01:30|89"_s,
                       u"Band 10|90|02:00|89"_s, u"Ärger|120|04:00|119"_s, u"Baum|120|02:00|119"_s};
    QTest::newRow("241 long-play: nowhere") << 241 << true << QStringList{};
}

void TestTapeTools::fits_bestFirstThenByName()
{
    QFETCH(int, length);
    QFETCH(bool, longplay);
    QFETCH(QStringList, fits);
    film(u"Band 10"_s, 180, 60);
    film(u"Ärger"_s, 240, 120, true);
    film(u"Band 10"_s, 180, 60, true); // another cassette's record lies between its films
    film(u"band 9"_s, 180, 90);
    film(u"Ärger"_s, 240, 120, true);
    film(u"Voll"_s, 120, 100); // over-full: 130 minutes on 120
    film(u"Voll"_s, 120, 30);
    appendRecord(catalogue_, makeRecord(u"Leer"_s, 60));
    film(u"Odd"_s, 100, 51, true);
    film(u"Baum"_s, 240, 120);
    QCOMPARE(freeMinutes(*catalogue_.findCassette(u"Voll"_s), true), -20);
    QCOMPARE(freeMinutes(*catalogue_.findCassette(u"Voll"_s), false), -10);

    SpaceFinder finder(catalogue_);
    QCOMPARE(describe(finder.fits(length, longplay)), fits);
}

void TestTapeTools::fits_followChangesAsAFreshFinderWould()
{
    for (int i = 0; i < 20; ++i)
        film(u"Tape %1"_s.arg(i), 120 + i, 10 * (i % 7) + 1, i % 3 == 0);
    SpaceFinder finder(catalogue_);
    finder.fits(30, false);

    // A film added, one taken away, a cassette renamed into the middle of the order, one merged into
    // another by a rename, one removed, and one created: each told as the catalogue tells it.
    const QObject listening; // the connections end with the finder
    connect(&catalogue_, &Catalogue::cassetteAdded, &listening,
            [&](const Cassette* c) { finder.changed(c); });
    connect(&catalogue_, &Catalogue::cassetteChanged, &listening,
            [&](const Cassette* c) { finder.changed(c); });
    connect(&catalogue_, &Catalogue::cassetteAboutToBeRemoved, &listening,
            [&](const Cassette* c) { finder.remove(c); });
    catalogue_.addFilm(*catalogue_.findCassette(u"Tape 3"_s),
                       catalogue::filmOf(makeRecord({}, 0, u"Neu"_s, 100)));
    catalogue_.removeFilm(*lastFilm(*catalogue_.findCassette(u"Tape 5"_s)));
    catalogue_.renameCassette(*catalogue_.findCassette(u"Tape 19"_s), u"Tape 10a"_s, 300);
    catalogue_.renameCassette(*catalogue_.findCassette(u"Tape 7"_s), u"Tape 8"_s, 125);
    catalogue_.removeCassette(*catalogue_.findCassette(u"Tape 2"_s));
    catalogue_.createCassette(u"Tape 0b"_s, 45);

    SpaceFinder fresh(catalogue_);
    for (const auto& [length, longplay] : {std::pair{1, false}, std::pair{30, false}, std::pair{80, true}}) {
        const QStringList expected = describe(fresh.fits(length, longplay));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(describe(finder.fits(length, longplay)), expected);
    }
    QVERIFY(describe(finder.fits(30, false)).contains(u"Tape 0b|45|00:00|15"_s));
}

void TestTapeTools::segments_takeHalfTheTapeInLongplay_data()
{
    QTest::addColumn<QList<int>>("lengths");   // negative: long-play
    QTest::addColumn<QStringList>("segments"); // "tape start+tape taken@counter start", in half-minutes
    QTest::newRow("normal") << QList<int>{90, 30} << QStringList{u"0+180@0"_s, u"180+60@90"_s};
    QTest::newRow("long-play between")
        << QList<int>{60, -120, 10} << QStringList{u"0+120@0"_s, u"120+120@60"_s, u"240+20@180"_s};
    QTest::newRow("over-full") << QList<int>{100, 50} << QStringList{u"0+200@0"_s, u"200+100@100"_s};
}

void TestTapeTools::segments_takeHalfTheTapeInLongplay()
{
    QFETCH(QList<int>, lengths);
    QFETCH(QStringList, segments);
    for (int length : lengths) {
        film(u"A"_s, 120, qAbs(length), length < 0);
        film(u"B"_s, 60, 5);
    }
    QStringList shown;
    for (const TapeSegment& s : tapeSegments(*catalogue_.findCassette(u"A"_s)))
        shown += u"%1+%2@%3"_s.arg(s.tapeStart).arg(s.tapeLength).arg(s.counterStart);
    QCOMPARE(shown, segments);
}

void TestTapeTools::duplicates_foldedTitlesAndAgreeingYears_data()
{
    QTest::addColumn<QStringList>("films");  // "tape|title|year"; a title "-" is an empty cassette
    QTest::addColumn<QStringList>("groups"); // "title|year|film numbers (0-based)"
    QTest::newRow("case and umlauts folded, blanks trimmed")
        << QStringList{u"A|Über den Wolken|0"_s, u"B|über den wolken|0"_s, u"C| ÜBER DEN WOLKEN |0"_s}
        << QStringList{u"Über den Wolken|0|0 1 2"_s};
    QTest::newRow("ß and accented capitals stay as they are")
        << QStringList{u"A|Straße|0"_s, u"B|STRASSE|0"_s, u"A|Éclair|0"_s, u"B|éclair|0"_s} << QStringList{};
    QTest::newRow("other years apart")
        << QStringList{u"A|Casablanca|1942"_s, u"B|casablanca|1942"_s, u"C|Casablanca|1992"_s}
        << QStringList{u"Casablanca|1942|0 1"_s};
    QTest::newRow("no year joins one year only, the earliest of equals")
        << QStringList{u"A|Casablanca|1942"_s, u"B|Casablanca|0"_s, u"C|Casablanca|1992"_s}
        << QStringList{u"Casablanca|1942|0 1"_s};
    QTest::newRow("no year beside five years: one group, not five")
        << QStringList{u"A|Aliens|1986"_s, u"B|Aliens|1990"_s, u"C|Aliens|0"_s,
                       u"D|Aliens|2003"_s, u"E|Aliens|1979"_s, u"F|Aliens|2010"_s}
        << QStringList{u"Aliens|1979|2 4"_s};
    QTest::newRow("no year joins the year with most copies, together")
        << QStringList{u"A|Heat|0"_s, u"B|Heat|1995"_s, u"C|heat|0"_s, u"D|Heat|1986"_s, u"E|Heat|1986"_s}
        << QStringList{u"Heat|1986|0 2 3 4"_s};
    QTest::newRow("the other years keep their own groups")
        << QStringList{u"A|M|1931"_s, u"B|M|1931"_s, u"C|M|0"_s, u"D|M|1951"_s, u"E|M|1951"_s, u"F|M|1951"_s}
        << QStringList{u"M|1931|0 1"_s, u"M|1951|2 3 4 5"_s};
    QTest::newRow("on one cassette, in catalogue order")
        << QStringList{u"A|Heat|1995"_s, u"B|Alien|1979"_s, u"A|  Heat|1995"_s}
        << QStringList{u"Heat|1995|0 2"_s};
    QTest::newRow("alone, untitled or no film")
        << QStringList{u"A|Heat|1995"_s, u"B|Alien|1979"_s, u"A||0"_s, u"B|  |0"_s, u"C|-|0"_s}
        << QStringList{};
    QTest::newRow("titles in name order")
        << QStringList{u"A|Zorro|0"_s, u"B|Ärger|0"_s, u"C|alien|0"_s,
                       u"D|zorro|0"_s, u"E|ärger|0"_s, u"F|Alien|0"_s}
        << QStringList{u"alien|0|2 5"_s, u"Ärger|0|1 4"_s, u"Zorro|0|0 3"_s};
}

void TestTapeTools::duplicates_foldedTitlesAndAgreeingYears()
{
    QFETCH(QStringList, films);
    QFETCH(QStringList, groups);
    std::vector<const FilmRecord*> records;
    for (const QString& film : films) {
        const QStringList f = film.split(u'|');
        const bool placeholder = f[1] == u"-";
        FilmRecord r = makeRecord(f[0], 600, placeholder ? u"Heat"_s : f[1], placeholder ? 0 : 90);
        r.year = quint16(f[2].toInt());
        records.push_back(appendRecord(catalogue_, r));
    }
    QStringList found;
    for (const DuplicateGroup& group : findDuplicates(catalogue_)) {
        QStringList numbers;
        for (const FilmRecord* f : group.films)
            numbers += QString::number(std::find(records.begin(), records.end(), f) - records.begin());
        found += u"%1|%2|%3"_s.arg(group.title).arg(group.year).arg(numbers.join(u' '));
    }
    QCOMPARE(found, groups);
}

QTEST_GUILESS_MAIN(TestTapeTools)
#include "tst_tapetools.moc"
