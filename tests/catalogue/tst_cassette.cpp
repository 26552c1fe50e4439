#include "catalogue/Cassette.h"
#include "catalogue/CassetteNames.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Film.h"
#include "catalogue/ListedCassettes.h"
#include "catalogue/RecordText.h"
#include "support/Records.h"

#include <QTest>

using namespace catalogue;
using namespace Qt::StringLiterals;
using testsupport::appendRecord;
using testsupport::makeRecord;

// Where a cassette's films lie, among other cassettes' records, and their counter ranges.
class TestCassette final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { catalogue_.releaseAll(); }
    void placesAndRanges_data();
    void placesAndRanges();
    void emptyCassette_hasNoFilmAndStartsAtZero();
    void memoLineBreaks_data();
    void memoLineBreaks();
    void usedMinutes_data();
    void usedMinutes();
    void caseBlindNames_data();
    void caseBlindNames();

private:
    Catalogue catalogue_;
};

void TestCassette::placesAndRanges_data()
{
    QTest::addColumn<QList<int>>("lengths"); // films of cassette "A"; a cassette "B" lies between them
    QTest::addColumn<int>("anchor");         // 1-based film the window opens on
    QTest::addColumn<QString>("range");
    QTest::newRow("first of two") << QList<int>{90, 100} << 1 << u"00:00-01:30"_s;
    QTest::newRow("second of two") << QList<int>{90, 100} << 2 << u"01:30-03:10"_s;
    QTest::newRow("ends on the hour") << QList<int>{9, 51} << 2 << u"00:09-01:00"_s;
    QTest::newRow("carries a minute") << QList<int>{59, 2} << 2 << u"00:59-01:01"_s;
    QTest::newRow("third of five") << QList<int>{10, 20, 30, 40, 50} << 3 << u"00:30-01:00"_s;
    QTest::newRow("hundred hours") << QList<int>{6000, 1} << 2 << u"100:00-100:01"_s;
    // Sums that pass 65,535 minutes must not wrap.
    QTest::newRow("past 16 bits") << QList<int>{40000, 40000, 10000} << 3 << u"1333:20-1500:00"_s;
}

void TestCassette::placesAndRanges()
{
    QFETCH(QList<int>, lengths);
    QFETCH(int, anchor);
    QFETCH(QString, range);
    std::vector<const FilmRecord*> films;
    for (int i = 0; i < lengths.size(); ++i) {
        // Long-play films count with their full length.
        films.push_back(
            appendRecord(catalogue_, makeRecord(u"A"_s, 65535, u"Film"_s, lengths[i], quint8(i % 2))));
        if (i == 0)
            appendRecord(catalogue_, makeRecord(u"B"_s, 60, u"Other"_s, 500));
    }
    const Cassette& cassette = *catalogue_.cassetteOf(*films.front());
    QCOMPARE(cassette.filmCount(), lengths.size());
    QCOMPARE(cassette.filmIndexOf(films[std::size_t(anchor - 1)]), anchor);
    for (int i = 1; i <= lengths.size(); ++i)
        QCOMPARE(cassette.recordAt(i), films[std::size_t(i - 1)]);
    QCOMPARE(cassette.recordAt(int(lengths.size()) + 1), nullptr);
    QCOMPARE(counterRange(cassette.minutesBefore(anchor), lengths[anchor - 1]), range);
}

void TestCassette::emptyCassette_hasNoFilmAndStartsAtZero()
{
    appendRecord(catalogue_, makeRecord(u"A"_s, 120, u"Gone"_s, 90));
    // A placeholder whose film fields still hold an old film is no film.
    const FilmRecord* placeholder = appendRecord(catalogue_, makeRecord(u"B"_s, 120, u"Stale title"_s, 0));
    const Cassette& cassette = *catalogue_.cassetteOf(*placeholder);
    QCOMPARE(cassette.filmCount(), 0);
    QCOMPARE(cassette.filmIndexOf(placeholder), 0);
    QCOMPARE(cassette.remainingMinutes(), 120);
    QCOMPARE(cassette.minutesBefore(0), 0);
    QCOMPARE(counterRange(0, 0), u"00:00-00:00"_s);
}

void TestCassette::memoLineBreaks_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QString>("storedAgain");
    QTest::newRow("CR LF") << u"A\r\nB\r\n"_s << u"A\nB\n"_s << u"A\r\nB\r\n"_s;
    QTest::newRow("lone CR and LF") << u"A\rB\nC"_s << u"A\nB\nC"_s << u"A\r\nB\r\nC"_s;
    QTest::newRow("no break") << u"Plain"_s << u"Plain"_s << u"Plain"_s;
}

void TestCassette::memoLineBreaks()
{
    QFETCH(QString, record);
    QFETCH(QString, memo);
    QFETCH(QString, storedAgain);
    QCOMPARE(memoFromRecord(record), memo);
    QCOMPARE(memoToRecord(memo), storedAgain);
    // What the field will hold is exactly what the length counts.
    QCOMPARE(recordLength(memo), memoToRecord(memo).size());
}

void TestCassette::usedMinutes_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("films"); // lengths; a negative one is long-play
    QTest::addColumn<int>("used");
    QTest::newRow("empty") << 120 << QList<int>{} << 0;
    QTest::newRow("two films") << 180 << QList<int>{90, 45} << 135;
    QTest::newRow("long-play half minute counts whole") << 120 << QList<int>{-31} << 16;
    QTest::newRow("over-full") << 60 << QList<int>{90} << 90;
}

void TestCassette::usedMinutes()
{
    QFETCH(int, length);
    QFETCH(QList<int>, films);
    QFETCH(int, used);
    const Cassette& cassette = *catalogue_.createCassette(u"A"_s, length);
    for (const int film : films)
        catalogue_.addFilm(cassette,
                           catalogue::filmOf(makeRecord({}, 0, u"Film"_s, std::abs(film), film < 0 ? 1 : 0)));
    QCOMPARE(cassette.usedMinutes(), used);
}

void TestCassette::caseBlindNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("renamed"); // the cassette whose name is changed; none for a new one
    QTest::addColumn<bool>("taken");
    QTest::addColumn<int>("row");
    QTest::newRow("same case") << u"abc"_s << QString() << true << 0;
    QTest::newRow("other case, the first one's row") << u"ABC"_s << QString() << true << 0;
    QTest::newRow("umlaut in other case") << u"KÄSE"_s << QString() << true << 1;
    QTest::newRow("later row") << u"abc d"_s << QString() << true << 2;
    QTest::newRow("prefix") << u"ab"_s << QString() << false << -1;
    QTest::newRow("empty") << QString() << QString() << false << -1;
    QTest::newRow("own name in other case") << u"KäSE"_s << u"Käse"_s << false << 1;
    // Its case variant already shares its row.
    QTest::newRow("own name shared with a variant") << u"abc"_s << u"ABC"_s << false << 0;
    QTest::newRow("another's name") << u"Abc"_s << u"Käse"_s << true << 0;
    QTest::newRow("free name") << u"Brot"_s << u"Käse"_s << false << -1;
}

void TestCassette::caseBlindNames()
{
    QFETCH(QString, name);
    QFETCH(QString, renamed);
    QFETCH(bool, taken);
    QFETCH(int, row);
    for (const QString& cassette : {u"abc"_s, u"ABC"_s, u"Käse"_s, u"Abc D"_s})
        appendRecord(catalogue_, makeRecord(cassette, 60));
    const Cassette* except = renamed.isEmpty() ? nullptr : catalogue_.findCassette(renamed);
    QCOMPARE(isNameTaken(catalogue_, name, except), taken);

    // Names differing in letter case only share the first one's row.
    const ListedCassettes listed(catalogue_);
    const auto all = catalogue_.cassettes();
    QCOMPARE(listed.rows(), (std::vector<const Cassette*>{all[0], all[2], all[3]}));
    QCOMPARE(listed.rowOfName(name), row);
}

QTEST_GUILESS_MAIN(TestCassette)
#include "tst_cassette.moc"
