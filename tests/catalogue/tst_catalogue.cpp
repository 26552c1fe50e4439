#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueComparison.h"
#include "catalogue/RecordText.h"
#include "support/Records.h"

#include <QSignalSpy>
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

// Fills catalogue with "tape:film" records, in that order.
void fill(Catalogue& c, const QStringList& records)
{
    // "tape:" is an empty cassette's placeholder.
    for (const QString& record : records) {
        std::unique_ptr<FilmRecord> r = film(record.section(u':', 0, 0), record.section(u':', 1));
        if (record.endsWith(u':'))
            r->filmLength = 0;
        c.appendRecord(std::move(r));
    }
}

const Cassette& cassetteNamed(const Catalogue& c, const QString& name)
{
    const Cassette* const cassette = c.findCassette(name);
    Q_ASSERT(cassette);
    return *cassette;
}

const FilmRecord* recordNamed(const Catalogue& c, const QString& filmName)
{
    for (const FilmRecord* r = c.head(); r; r = r->next) {
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
    void compareCatalogues_namesWhatDiffers_data();
    void compareCatalogues_namesWhatDiffers();
    void replaceRecords_isOneStepUndoneByteForByte();
    // After every test: links, cassettes, counts and film total agree with a fresh recount.
    void cleanup() { QCOMPARE(testsupport::listFault(catalogue_), QString()); }

    void newRecord_isAllZero();
    void summary_countsFilmsAndRemainingTime_data();
    void summary_countsFilmsAndRemainingTime();
    void namesDifferingInCase_areTwoCassettes();
    void unmappableOrOverlongName_matchesNothing();
    void addFilm_placedWhereAsked_data();
    void addFilm_placedWhereAsked();
    void removeFilm_lastOneStaysAsPlaceholder_data();
    void removeFilm_lastOneStaysAsPlaceholder();
    void removeCassette_unlinksEveryRecordOfIt_data();
    void removeCassette_unlinksEveryRecordOfIt();
    void renameCassette_changesEveryRecordOfIt();
    void operations_tellTheirListeners();
    void batch_holdsBackItemsAndTellsOnce_data();
    void batch_holdsBackItemsAndTellsOnce();
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
    const Cassette& tape = cassetteNamed(catalogue_, u"tape"_s);
    QCOMPARE(tape.filmCount(), count);
    QCOMPARE(tape.remainingMinutes(), remaining);
    QCOMPARE(cassetteNamed(catalogue_, u"TAPE"_s).filmCount(), 1);
    QCOMPARE(catalogue_.filmTotal(), count + 2);
}

void TestCatalogue::namesDifferingInCase_areTwoCassettes()
{
    const FilmRecord* const lower = appendRecord(catalogue_, makeRecord(QStringLiteral("abc"), 60));
    const FilmRecord* const upper = appendRecord(catalogue_, makeRecord(QStringLiteral("ABC"), 60));
    QVERIFY(!sameTape(*lower, *upper));
    QCOMPARE(catalogue_.cassettes().size(), 2u);
    QCOMPARE(cassetteNamed(catalogue_, u"ABC"_s).firstRecord(), upper);
    QCOMPARE(catalogue_.findCassette(u"ABC "), nullptr);
    catalogue_.removeCassette(cassetteNamed(catalogue_, u"abc"_s));
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
    QVERIFY(catalogue_.findCassette(QString(50, u'n')));
}

void TestCatalogue::addFilm_placedWhereAsked_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("cassette");
    QTest::addColumn<QString>("before"); // the film the new one goes before; empty: behind the last
    QTest::addColumn<QStringList>("expected");
    const QStringList three{u"A:a1"_s, u"A:a2"_s, u"B:b1"_s, u"C:c1"_s, u"C:c2"_s};
    QTest::newRow("inner cassette") << three << "A" << u""_s << QStringList{u"A:a1"_s, u"A:a2"_s, u"A:new"_s,
                                                                            u"B:b1"_s, u"C:c1"_s, u"C:c2"_s};
    QTest::newRow("one-film cassette")
        << three << "B" << u""_s
        << QStringList{u"A:a1"_s, u"A:a2"_s, u"B:b1"_s, u"B:new"_s, u"C:c1"_s, u"C:c2"_s};
    QTest::newRow("last cassette becomes tail")
        << three << "C" << u""_s
        << QStringList{u"A:a1"_s, u"A:a2"_s, u"B:b1"_s, u"C:c1"_s, u"C:c2"_s, u"C:new"_s};
    QTest::newRow("before the head") << three << "A" << u"a1"_s
                                     << QStringList{u"A:new"_s, u"A:a1"_s, u"A:a2"_s,
                                                    u"B:b1"_s,  u"C:c1"_s, u"C:c2"_s};
    QTest::newRow("before an inner film")
        << three << "C" << u"c2"_s
        << QStringList{u"A:a1"_s, u"A:a2"_s, u"B:b1"_s, u"C:c1"_s, u"C:new"_s, u"C:c2"_s};
    // A cassette split by the archive: behind the run its first record starts.
    QTest::newRow("split cassette") << QStringList{u"A:a1"_s, u"B:b1"_s, u"A:a2"_s, u"C:c1"_s} << u"A"_s
                                    << u""_s
                                    << QStringList{u"A:a1"_s, u"A:new"_s, u"B:b1"_s, u"A:a2"_s, u"C:c1"_s};
    QTest::newRow("split by a name in other case")
        << QStringList{u"abc:x1"_s, u"abc:x2"_s, u"ABC:y1"_s, u"abc:x3"_s} << u"abc"_s << u""_s
        << QStringList{u"abc:x1"_s, u"abc:x2"_s, u"abc:new"_s, u"ABC:y1"_s, u"abc:x3"_s};
    QTest::newRow("empty cassette") << QStringList{u"A:a1"_s, u"E:"_s, u"C:c1"_s} << u"E"_s << u""_s
                                    << QStringList{u"A:a1"_s, u"E:new"_s, u"C:c1"_s};
}

void TestCatalogue::addFilm_placedWhereAsked()
{
    QFETCH(QStringList, records);
    QFETCH(QString, cassette);
    QFETCH(QString, before);
    QFETCH(QStringList, expected);
    fill(catalogue_, records);
    const qint32 films = catalogue_.filmTotal();
    const FilmRecord* const added = catalogue_.addFilm(
        cassetteNamed(catalogue_, cassette), catalogue::filmOf(makeRecord(u"ignored"_s, 1, u"new"_s, 30)),
        before.isEmpty() ? nullptr : recordNamed(catalogue_, before));
    QCOMPARE(order(catalogue_), expected);
    QCOMPARE(tapeNameText(*added), cassette);
    QCOMPARE(int(added->tapeLength), 240);
    QCOMPARE(catalogue_.filmTotal(), films + 1);
    QCOMPARE(catalogue_.tail() == added, expected.constLast() == cassette + u":new"_s);
    int place = 0; // of the new film among its cassette's
    for (qsizetype i = 0; i <= expected.indexOf(cassette + u":new"_s); ++i)
        place += expected[i].startsWith(cassette + u':') ? 1 : 0;
    QCOMPARE(cassetteNamed(catalogue_, cassette).filmIndexOf(added), place);
}

void TestCatalogue::removeFilm_lastOneStaysAsPlaceholder_data()
{
    QTest::addColumn<QStringList>("films");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("only film") << QStringList{u"x"_s} << u"x"_s << QStringList{u"T:x"_s};
    QTest::newRow("head") << QStringList{u"x"_s, u"y"_s, u"z"_s} << u"x"_s << QStringList{u"T:y"_s, u"T:z"_s};
    QTest::newRow("middle") << QStringList{u"x"_s, u"y"_s, u"z"_s} << u"y"_s
                            << QStringList{u"T:x"_s, u"T:z"_s};
    QTest::newRow("tail") << QStringList{u"x"_s, u"y"_s, u"z"_s} << u"z"_s << QStringList{u"T:x"_s, u"T:y"_s};
}

void TestCatalogue::removeFilm_lastOneStaysAsPlaceholder()
{
    QFETCH(QStringList, films);
    QFETCH(QString, removed);
    QFETCH(QStringList, expected);
    for (const QString& f : films)
        catalogue_.appendRecord(film(QStringLiteral("T"), f));
    catalogue_.removeFilm(*recordNamed(catalogue_, removed));
    QCOMPARE(order(catalogue_), expected);
    const Cassette& tape = cassetteNamed(catalogue_, u"T"_s);
    QCOMPARE(tape.filmCount(), int(films.size()) - 1);
    QCOMPARE(catalogue_.filmTotal(), int(films.size()) - 1);
    QCOMPARE(tape.firstRecord()->isPlaceholder(), films.size() == 1);
}

void TestCatalogue::removeCassette_unlinksEveryRecordOfIt_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QStringList>("expected");
    const QStringList three{u"A:a1"_s, u"A:a2"_s, u"B:b1"_s, u"C:c1"_s, u"C:c2"_s};
    QTest::newRow("first") << three << u"A"_s << QStringList{u"B:b1"_s, u"C:c1"_s, u"C:c2"_s};
    QTest::newRow("inner") << three << u"B"_s << QStringList{u"A:a1"_s, u"A:a2"_s, u"C:c1"_s, u"C:c2"_s};
    QTest::newRow("last") << three << u"C"_s << QStringList{u"A:a1"_s, u"A:a2"_s, u"B:b1"_s};
    QTest::newRow("split") << QStringList{u"A:a1"_s, u"B:b1"_s, u"A:a2"_s} << u"A"_s
                           << QStringList{u"B:b1"_s};
}

void TestCatalogue::removeCassette_unlinksEveryRecordOfIt()
{
    QFETCH(QStringList, records);
    QFETCH(QString, tape);
    QFETCH(QStringList, expected);
    fill(catalogue_, records);
    catalogue_.removeCassette(cassetteNamed(catalogue_, tape));
    QCOMPARE(order(catalogue_), expected);
    QCOMPARE(catalogue_.findCassette(tape), nullptr);
    QCOMPARE(catalogue_.filmTotal(), int(expected.size()));
    // Removing the rest one by one ends with an empty list.
    while (!catalogue_.cassettes().empty())
        catalogue_.removeCassette(*catalogue_.cassettes().front());
    QVERIFY(catalogue_.isEmpty());
    QCOMPARE(catalogue_.tail(), nullptr);
}

void TestCatalogue::renameCassette_changesEveryRecordOfIt()
{
    fill(catalogue_, {u"A:a1"_s, u"A:a2"_s, u"B:b1"_s, u"C:c1"_s, u"C:c2"_s});
    const QString longName = QString(50, u'L');
    const Cassette& a = cassetteNamed(catalogue_, u"A"_s);
    catalogue_.renameCassette(a, QString(longName + u"ong"_s), 70000);
    QCOMPARE(order(catalogue_), (QStringList{QString(longName + u":a1"_s), QString(longName + u":a2"_s),
                                             u"B:b1"_s, u"C:c1"_s, u"C:c2"_s}));
    QCOMPARE(catalogue_.findCassette(longName), &a);
    QCOMPARE(catalogue_.findCassette(u"A"_s), nullptr);
    QCOMPARE(catalogue_.head()->tapeLength, quint16{70000 & 0xFFFF});
    QCOMPARE(catalogue_.head()->next->tapeLength, quint16{70000 & 0xFFFF});
    QCOMPARE(catalogue_.tail()->tapeLength, quint16{240});
    // Renamed onto a name in use, the records carry one name: one cassette, the renamed one.
    const Cassette& b = cassetteNamed(catalogue_, u"B"_s);
    catalogue_.renameCassette(b, u"C"_s, 100);
    QCOMPARE(catalogue_.findCassette(u"C"_s), &b);
    QCOMPARE(b.filmCount(), 3);
    QCOMPARE(b.length(), 100);
    QCOMPARE(catalogue_.cassettes().size(), 2u);
    QCOMPARE(order(catalogue_),
             (QStringList{longName + u":a1"_s, longName + u":a2"_s, u"C:b1"_s, u"C:c1"_s, u"C:c2"_s}));
}

// Each operation tells what it changed, and a cassette about to go is still whole when told.
void TestCatalogue::operations_tellTheirListeners()
{
    QStringList told;
    const QObject listener;
    connect(&catalogue_, &Catalogue::cassetteAdded, &listener,
            [&](const Cassette* c) { told << u"added "_s + c->name(); });
    connect(&catalogue_, &Catalogue::cassetteChanged, &listener,
            [&](const Cassette* c) { told << u"changed %1 %2"_s.arg(c->name()).arg(c->filmCount()); });
    connect(&catalogue_, &Catalogue::cassetteAboutToBeRemoved, &listener,
            [&](const Cassette* c) { told << u"removing %1 %2"_s.arg(c->name()).arg(c->records().size()); });
    connect(&catalogue_, &Catalogue::filmChanged, &listener,
            [&](const FilmRecord* f) { told << u"film "_s + text(f->filmName); });
    connect(&catalogue_, &Catalogue::filmAboutToBeRemoved, &listener,
            [&](const FilmRecord* f) { told << u"removing film "_s + text(f->filmName); });
    connect(&catalogue_, &Catalogue::totalsChanged, &listener,
            [&] { told << u"totals %1"_s.arg(catalogue_.filmTotal()); });

    const Cassette* const tape = catalogue_.createCassette(u"T"_s, 120);
    const FilmRecord* const first =
        catalogue_.addFilm(*tape, catalogue::filmOf(makeRecord({}, 0, u"one"_s, 30)));
    catalogue_.addFilm(*tape, catalogue::filmOf(makeRecord({}, 0, u"two"_s, 30)));
    catalogue_.updateFilm(*first, catalogue::filmOf(makeRecord({}, 0, u"uno"_s, 40)));
    catalogue_.removeFilm(*first);
    catalogue_.removeCassette(*tape);
    QCOMPARE(told,
             (QStringList{u"added T"_s, u"totals 0"_s, u"changed T 1"_s, u"totals 1"_s, u"changed T 2"_s,
                          u"totals 2"_s, u"film uno"_s, u"changed T 2"_s, u"removing film uno"_s,
                          u"changed T 1"_s, u"totals 1"_s, u"removing T 1"_s, u"totals 0"_s}));
}

void TestCatalogue::batch_holdsBackItemsAndTellsOnce_data()
{
    QTest::addColumn<int>("nesting");
    QTest::addColumn<bool>("undone");
    QTest::newRow("no batch: each item told") << 0 << false;
    QTest::newRow("one batch") << 1 << false;
    QTest::newRow("nested batches") << 3 << false;
    QTest::newRow("undone in a batch") << 1 << true;
}

// Many cassettes filled in a batch are told once at its end, however deep the nesting; an undo in a
// batch likewise. A cassette about to go is told at once, while it is whole.
void TestCatalogue::batch_holdsBackItemsAndTellsOnce()
{
    QFETCH(int, nesting);
    QFETCH(bool, undone);
    constexpr int kCassettes = 50;
    const auto work = [&] {
        for (int i = 0; i < kCassettes; ++i) {
            const Cassette* const tape = catalogue_.createCassette(u"T%1"_s.arg(i), 240);
            std::vector<std::unique_ptr<FilmRecord>> films;
            films.push_back(film({}, u"a"_s));
            films.push_back(film({}, u"b"_s));
            catalogue_.appendFilms(*tape, std::move(films));
        }
    };
    const auto nested = [&](const auto& job) {
        std::vector<std::unique_ptr<Catalogue::Batch>> batches;
        for (int i = 0; i < nesting; ++i)
            batches.push_back(std::make_unique<Catalogue::Batch>(catalogue_));
        job();
    };
    if (undone) {
        const History::Group step(catalogue_.history());
        work();
    }

    QSignalSpy added(&catalogue_, &Catalogue::cassetteAdded);
    QSignalSpy changed(&catalogue_, &Catalogue::cassetteChanged);
    QSignalSpy totals(&catalogue_, &Catalogue::totalsChanged);
    QSignalSpy removing(&catalogue_, &Catalogue::cassetteAboutToBeRemoved);
    QSignalSpy batchFinished(&catalogue_, &Catalogue::batchFinished);
    QSignalSpy finished(&catalogue_, &Catalogue::changesFinished);
    nested([&] { undone ? catalogue_.history().undo() : work(); });

    QCOMPARE(catalogue_.filmTotal(), undone ? 0 : 2 * kCassettes);
    QCOMPARE(removing.count(), undone ? kCassettes : 0);
    const bool each = nesting == 0;
    QCOMPARE(added.count(), each ? kCassettes : 0);
    QCOMPARE(changed.count(), each ? kCassettes : 0);
    QCOMPARE(totals.count(), each ? 2 * kCassettes : 0);
    QCOMPARE(batchFinished.count(), each ? 0 : 1);
    QCOMPARE(finished.count(), each ? 2 * kCassettes : 1);
}

void TestCatalogue::releaseAll_emptiesTheList()
{
    fill(catalogue_, {u"A:a1"_s, u"A:a2"_s, u"B:b1"_s, u"C:c1"_s, u"C:c2"_s});
    catalogue_.releaseAll();
    QVERIFY(catalogue_.isEmpty());
    QCOMPARE(catalogue_.tail(), nullptr);
    QCOMPARE(catalogue_.recordCount(), 0);
    QCOMPARE(catalogue_.filmTotal(), 0);
    QVERIFY(catalogue_.cassettes().empty());
}


// "tape:film[:year]" records, each its own, in that order; "tape:" an empty tape's placeholder.
static std::vector<std::unique_ptr<FilmRecord>> records(const QStringList& list)
{
    std::vector<std::unique_ptr<FilmRecord>> made;
    for (const QString& item : list) {
        made.push_back(film(item.section(u':', 0, 0), item.section(u':', 1, 1)));
        if (item.endsWith(u':'))
            made.back()->filmLength = 0;
        made.back()->year = quint16(item.section(u':', 2, 2).toInt());
    }
    return made;
}

void TestCatalogue::compareCatalogues_namesWhatDiffers_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("expected"); // "+-~ tape (films before>after)", "+-~ tape/film"
    const QStringList base{u"A:a1"_s, u"A:a2"_s, u"B:b1"_s, u"E:"_s};
    QTest::newRow("the same") << base << base << QStringList{};
    QTest::newRow("a film added, one changed, one removed")
        << base << QStringList{u"A:a1:1990"_s, u"A:a3"_s, u"B:b1"_s, u"E:"_s}
        << QStringList{u"~ A (2>2)"_s, u"~ A/a1"_s, u"+ A/a3"_s, u"- A/a2"_s};
    QTest::newRow("tapes come and go, films with them")
        << base << QStringList{u"A:a1"_s, u"A:a2"_s, u"C:c1"_s, u"E:"_s}
        << QStringList{u"+ C (0>1)"_s, u"+ C/c1"_s, u"- B (1>0)"_s, u"- B/b1"_s};
    QTest::newRow("copies of a title pair in order")
        << QStringList{u"A:x:1"_s, u"A:x:2"_s} << QStringList{u"A:x:1"_s, u"A:x:3"_s, u"A:x:2"_s}
        << QStringList{u"~ A (2>3)"_s, u"~ A/x"_s, u"+ A/x"_s};
    QTest::newRow("a film moved to another tape")
        << base << QStringList{u"A:a1"_s, u"B:b1"_s, u"B:a2"_s, u"E:"_s}
        << QStringList{u"~ A (2>1)"_s, u"- A/a2"_s, u"~ B (1>2)"_s, u"+ B/a2"_s};
    QTest::newRow("an empty tape gets its first film")
        << base << QStringList{u"A:a1"_s, u"A:a2"_s, u"B:b1"_s, u"E:e1"_s}
        << QStringList{u"~ E (0>1)"_s, u"+ E/e1"_s};
}

void TestCatalogue::compareCatalogues_namesWhatDiffers()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QStringList, expected);
    const auto older = records(before);
    const auto newer = records(after);
    const auto pointers = [](const std::vector<std::unique_ptr<FilmRecord>>& list) {
        std::vector<const FilmRecord*> out;
        for (const auto& r : list)
            out.push_back(r.get());
        return out;
    };
    const CatalogueDifferences differences = compareCatalogues(pointers(older), pointers(newer));
    const auto sign = [](CatalogueDifferences::Kind kind) {
        return kind == CatalogueDifferences::Kind::Added     ? u"+"_s
               : kind == CatalogueDifferences::Kind::Removed ? u"-"_s
                                                             : u"~"_s;
    };
    // Tapes with their films under them, as a list shows them.
    QStringList found;
    for (const CatalogueDifferences::Tape& tape : differences.tapes) {
        found
            << u"%1 %2 (%3>%4)"_s.arg(sign(tape.kind), tape.name).arg(tape.filmsBefore).arg(tape.filmsAfter);
        for (const CatalogueDifferences::Film& f : differences.films) {
            if (f.tape == tape.name)
                found << u"%1 %2/%3"_s.arg(sign(f.kind), f.tape, f.title);
        }
    }
    QCOMPARE(found, expected);
    QCOMPARE(differences.isEmpty(), expected.isEmpty());
}

// Restoring an earlier catalogue: one step that an undo takes back and a redo makes again, each to
// the very bytes and cassettes it stood at.
void TestCatalogue::replaceRecords_isOneStepUndoneByteForByte()
{
    fill(catalogue_, {u"A:a1"_s, u"B:b1"_s, u"A:a2"_s, u"E:"_s});
    const auto state = [this] {
        QStringList lines;
        for (const FilmRecord* r = catalogue_.head(); r; r = r->next)
            lines << QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(r), kRecordSize).toHex());
        for (const Cassette* cassette : catalogue_.cassettes())
            lines << cassette->name() + u' ' + QString::number(cassette->filmCount());
        return lines + QStringList{QString::number(catalogue_.filmTotal())};
    };
    const QStringList before = state();
    const std::size_t entries = catalogue_.history().count();
    catalogue_.replaceRecords(records({u"C:c1"_s, u"A:a9"_s, u"C:c2"_s, u"D:"_s}));
    const QStringList after = state();
    QCOMPARE(order(catalogue_), (QStringList{u"C:c1"_s, u"A:a9"_s, u"C:c2"_s, u"D:"_s}));
    QCOMPARE(catalogue_.history().count(), entries + 1);
    catalogue_.history().undo();
    QCOMPARE(state(), before);
    catalogue_.history().redo();
    QCOMPARE(state(), after);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
