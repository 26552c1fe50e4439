#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "support/Records.h"

#include <QTest>

using namespace catalogue;
using namespace Qt::StringLiterals;
using testsupport::appendRecord;
using testsupport::makeRecord;

namespace {

// "tape:film" of every record, head to tail.
QStringList order(const Catalogue& c)
{
    QStringList names;
    for (const FilmRecord* r = c.head(); r; r = r->next)
        names << tapeNameText(*r) + u':' + text(r->filmName);
    return names;
}

std::unique_ptr<FilmRecord> film(const QString& tape, const QString& name)
{
    auto r = Catalogue::newRecord();
    *r = makeRecord(tape, 240, name, 90);
    return r;
}

// Cassettes A (a1, a2), B (b1) and C (c1, c2), in that order.
void fillThreeCassettes(Catalogue& c)
{
    for (const auto& [tape, name] :
         {std::pair{"A", "a1"}, {"A", "a2"}, {"B", "b1"}, {"C", "c1"}, {"C", "c2"}})
        c.appendRecord(film(QString::fromLatin1(tape), QString::fromLatin1(name)));
}

FilmRecord* recordNamed(const Catalogue& c, const QString& filmName)
{
    for (FilmRecord* r = c.head(); r; r = r->next) {
        if (text(r->filmName) == filmName)
            return r;
    }
    return nullptr;
}

} // namespace

class TestCatalogue final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { catalogue_.releaseAll(); }
    void cleanup() { QCOMPARE(testsupport::listFault(catalogue_), QString()); }

    void newRecord_isAllZero();
    void summary_countsFilmsAndRemainingTime_data();
    void summary_countsFilmsAndRemainingTime();
    void namesDifferingInCase_areTwoCassettes();
    void unmappableOrOverlongName_matchesNothing();
    void insertAfterCassette_linksBehindTheRun_data();
    void insertAfterCassette_linksBehindTheRun();
    void insertBeforeHead_makesNewHead();
    void unlink_keepsListAndDropsCursor_data();
    void unlink_keepsListAndDropsCursor();
    void removeCassette_unlinksItsWholeRun_data();
    void removeCassette_unlinksItsWholeRun();
    void renameCassette_changesEveryRecordOfIt();
    void releaseAll_emptiesTheList();

private:
    Catalogue catalogue_;
};

void TestCatalogue::newRecord_isAllZero()
{
    const auto r = Catalogue::newRecord();
    QCOMPARE(testsupport::recordImage(*r), QByteArray(kRecordSize, '\0'));
    QCOMPARE(r->prev, nullptr);
    QCOMPARE(r->next, nullptr);
}

void TestCatalogue::summary_countsFilmsAndRemainingTime_data()
{
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<QList<int>>("filmLengths");
    QTest::addColumn<QList<int>>("longplays");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("remaining");
    QTest::newRow("90 + 100 on 240") << 240 << QList<int>{90, 100} << QList<int>{0, 0} << 2 << 50;
    QTest::newRow("long-play 121 on 180") << 180 << QList<int>{121} << QList<int>{1} << 1 << 119;
    QTest::newRow("95 on 90") << 90 << QList<int>{95} << QList<int>{0} << 1 << -5;
    QTest::newRow("91 on 90") << 90 << QList<int>{91} << QList<int>{0} << 1 << -1;
    QTest::newRow("long-play 181 on 90") << 90 << QList<int>{181} << QList<int>{1} << 1 << 0;
    QTest::newRow("empty cassette") << 120 << QList<int>{0} << QList<int>{0} << 0 << 120;
    QTest::newRow("longplay byte 2 counts 4") << 100 << QList<int>{10} << QList<int>{2} << 1 << 80;
    QTest::newRow("longplay byte 255 counts 127") << 100 << QList<int>{1} << QList<int>{255} << 1 << 36;
    QTest::newRow("overfilled far beyond 32 bits")
        << 1 << QList<int>(600, 65535) << QList<int>(600, 0xFE) << 600 << std::numeric_limits<int>::min();
}

void TestCatalogue::summary_countsFilmsAndRemainingTime()
{
    QFETCH(int, tapeLength);
    QFETCH(QList<int>, filmLengths);
    QFETCH(QList<int>, longplays);
    QFETCH(int, count);
    QFETCH(int, remaining);
    // Neighbouring cassettes, one differing only in case, must not count.
    appendRecord(catalogue_, makeRecord(QStringLiteral("before"), 60, QStringLiteral("x"), 50));
    for (qsizetype i = 0; i < filmLengths.size(); ++i) {
        appendRecord(catalogue_, makeRecord(QStringLiteral("tape"), tapeLength, QStringLiteral("f"),
                                            filmLengths[i], static_cast<quint8>(longplays[i])));
    }
    appendRecord(catalogue_, makeRecord(QStringLiteral("TAPE"), 60, QStringLiteral("y"), 50));
    const TapeSummary summary = catalogue_.cassetteSummary(*catalogue_.head()->next);
    QCOMPARE(summary.filmCount, count);
    QCOMPARE(summary.remainingMinutes, remaining);
    QCOMPARE(catalogue_.cassetteSummary(*catalogue_.tail()).filmCount, 1);
}

void TestCatalogue::namesDifferingInCase_areTwoCassettes()
{
    FilmRecord* const lower = appendRecord(catalogue_, makeRecord(QStringLiteral("abc"), 60));
    FilmRecord* const upper = appendRecord(catalogue_, makeRecord(QStringLiteral("ABC"), 60));
    QVERIFY(!sameTape(*lower, *upper));
    QVERIFY(hasTapeName(*upper, u"ABC"));
    QVERIFY(!hasTapeName(*upper, u"abc"));
    QVERIFY(!hasTapeName(*upper, u"ABC "));
    QCOMPARE(catalogue_.findCassette(u"ABC"), upper);
    catalogue_.removeCassette(u"abc");
    QCOMPARE(order(catalogue_), QStringList{QStringLiteral("ABC:")});
}

void TestCatalogue::unmappableOrOverlongName_matchesNothing()
{
    // Both names are stored as the same bytes; looking them up must not confuse them.
    appendRecord(catalogue_, makeRecord(QStringLiteral("Tape ?"), 60));
    appendRecord(catalogue_, makeRecord(QString(50, u'n'), 60));
    QCOMPARE(catalogue_.findCassette(u"Tape \u0100"), nullptr);
    QVERIFY(catalogue_.findCassette(u"Tape ?"));
    QCOMPARE(catalogue_.findCassette(QString(51, u'n')), nullptr);
    catalogue_.removeCassette(QString(51, u'n'));
    QCOMPARE(catalogue_.recordCount(), 2);
}

void TestCatalogue::insertAfterCassette_linksBehindTheRun_data()
{
    QTest::addColumn<QString>("anchor");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first of an inner run")
        << "a1" << QStringList{"A:a1", "A:a2", "A:new", "B:b1", "C:c1", "C:c2"};
    QTest::newRow("last of an inner run")
        << "a2" << QStringList{"A:a1", "A:a2", "A:new", "B:b1", "C:c1", "C:c2"};
    QTest::newRow("one-record run") << "b1" << QStringList{"A:a1", "A:a2", "B:b1", "B:new", "C:c1", "C:c2"};
    QTest::newRow("last run becomes tail")
        << "c1" << QStringList{"A:a1", "A:a2", "B:b1", "C:c1", "C:c2", "C:new"};
}

void TestCatalogue::insertAfterCassette_linksBehindTheRun()
{
    QFETCH(QString, anchor);
    QFETCH(QStringList, expected);
    fillThreeCassettes(catalogue_);
    FilmRecord* const r = recordNamed(catalogue_, anchor);
    FilmRecord* const added =
        catalogue_.insertAfterCassette(r, film(tapeNameText(*r), QStringLiteral("new")));
    QCOMPARE(order(catalogue_), expected);
    QCOMPARE(catalogue_.recordCount(), 6);
    QCOMPARE(catalogue_.tail() == added, anchor.startsWith(u'c'));
}

void TestCatalogue::insertBeforeHead_makesNewHead()
{
    fillThreeCassettes(catalogue_);
    FilmRecord* const oldTail = catalogue_.tail();
    FilmRecord* const added = catalogue_.insertBefore(catalogue_.head(), film(QStringLiteral("A"), u"a0"_s));
    QCOMPARE(catalogue_.head(), added);
    QCOMPARE(catalogue_.tail(), oldTail);
    catalogue_.insertBefore(recordNamed(catalogue_, QStringLiteral("c2")),
                            film(QStringLiteral("C"), u"cx"_s));
    QCOMPARE(order(catalogue_), (QStringList{"A:a0", "A:a1", "A:a2", "B:b1", "C:c1", "C:cx", "C:c2"}));
}

void TestCatalogue::unlink_keepsListAndDropsCursor_data()
{
    QTest::addColumn<QStringList>("films");
    QTest::addColumn<QString>("unlinked");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("only record") << QStringList{"x"} << "x" << QStringList{};
    QTest::newRow("head") << QStringList{"x", "y", "z"} << "x" << QStringList{"T:y", "T:z"};
    QTest::newRow("middle") << QStringList{"x", "y", "z"} << "y" << QStringList{"T:x", "T:z"};
    QTest::newRow("tail") << QStringList{"x", "y", "z"} << "z" << QStringList{"T:x", "T:y"};
}

void TestCatalogue::unlink_keepsListAndDropsCursor()
{
    QFETCH(QStringList, films);
    QFETCH(QString, unlinked);
    QFETCH(QStringList, expected);
    for (const QString& f : films)
        catalogue_.appendRecord(film(QStringLiteral("T"), f));
    FilmRecord* const x = recordNamed(catalogue_, unlinked);
    catalogue_.setCursor(x);
    catalogue_.unlinkRecord(x);
    QCOMPARE(order(catalogue_), expected);
    QCOMPARE(catalogue_.cursor(), nullptr);
    QCOMPARE(catalogue_.isEmpty(), expected.isEmpty());
}

void TestCatalogue::removeCassette_unlinksItsWholeRun_data()
{
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first") << "A" << QStringList{"B:b1", "C:c1", "C:c2"};
    QTest::newRow("inner") << "B" << QStringList{"A:a1", "A:a2", "C:c1", "C:c2"};
    QTest::newRow("last") << "C" << QStringList{"A:a1", "A:a2", "B:b1"};
    QTest::newRow("unknown") << "D" << QStringList{"A:a1", "A:a2", "B:b1", "C:c1", "C:c2"};
}

void TestCatalogue::removeCassette_unlinksItsWholeRun()
{
    QFETCH(QString, tape);
    QFETCH(QStringList, expected);
    fillThreeCassettes(catalogue_);
    catalogue_.setCursor(recordNamed(catalogue_, QStringLiteral("a2")));
    catalogue_.removeCassette(tape);
    QCOMPARE(order(catalogue_), expected);
    QCOMPARE(catalogue_.cursor() == nullptr, tape == u"A");
    // Removing the rest one by one ends with an empty list.
    for (const QString& t : {u"A"_s, u"B"_s, u"C"_s})
        catalogue_.removeCassette(t);
    QVERIFY(catalogue_.isEmpty());
    QCOMPARE(catalogue_.tail(), nullptr);
}

void TestCatalogue::renameCassette_changesEveryRecordOfIt()
{
    fillThreeCassettes(catalogue_);
    const QString longName = QString(50, u'L');
    catalogue_.renameCassette(u"A", longName + u"ong"_s, 70000);
    QCOMPARE(order(catalogue_),
             (QStringList{longName + u":a1"_s, longName + u":a2"_s, "B:b1", "C:c1", "C:c2"}));
    QCOMPARE(catalogue_.head()->tapeLength, quint16{70000 & 0xFFFF});
    QCOMPARE(catalogue_.head()->next->tapeLength, quint16{70000 & 0xFFFF});
    QCOMPARE(catalogue_.tail()->tapeLength, quint16{240});
    // Renaming onto a name in use merges nothing by itself: the records just carry the name.
    catalogue_.renameCassette(u"B", u"C", 100);
    QCOMPARE(catalogue_.cassetteSummary(*catalogue_.tail()).filmCount, 3);
}

void TestCatalogue::releaseAll_emptiesTheList()
{
    fillThreeCassettes(catalogue_);
    catalogue_.setCursor(catalogue_.tail());
    catalogue_.setFilmTotal(5);
    catalogue_.releaseAll();
    QVERIFY(catalogue_.isEmpty());
    QCOMPARE(catalogue_.tail(), nullptr);
    QCOMPARE(catalogue_.cursor(), nullptr);
    QCOMPARE(catalogue_.recordCount(), 0);
    QCOMPARE(catalogue_.filmTotal(), 0);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
