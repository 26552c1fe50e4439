#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "support/Records.h"
#include "windows/models/CassetteListModel.h"
#include "windows/models/SearchResultModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using catalogue::Cassette;
using catalogue::FilmRecord;
using testsupport::makeRecord;
using namespace Qt::StringLiterals;

namespace {

// "name length films remaining" of every row.
QStringList rows(const QAbstractItemModel& model)
{
    QStringList shown;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        shown << cells.join(u' ');
    }
    return shown;
}

FilmRecord film(const QString& title, int length)
{
    return makeRecord({}, 0, title, length);
}

} // namespace

// The lists' models over the catalogue: the contract of Qt's models through every operation, and the
// rows a fresh look at the catalogue gives.
class TestModels final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { catalogue_.releaseAll(); }
    void cassetteList_followsEveryOperation();
    void cassetteList_findsARowIgnoringLetterCase_data();
    void cassetteList_findsARowIgnoringLetterCase();
    void searchResults_followChangedAndRemovedFilms();

private:
    catalogue::Catalogue catalogue_;
};

void TestModels::cassetteList_followsEveryOperation()
{
    testsupport::appendRecord(catalogue_, makeRecord(u"Krimis"_s, 240, u"Tatort"_s, 90));
    testsupport::appendRecord(catalogue_, makeRecord(u"KRIMIS"_s, 120, u"Derrick"_s, 60));
    windows::CassetteListModel model(catalogue_);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // Names differing in letter case share the first one's row, with its own numbers.
    QCOMPARE(rows(model), QStringList{u"Krimis 240 1 150"_s});

    const Cassette* const natur = catalogue_.createCassette(u"Natur"_s, 180);
    catalogue_.addFilm(*natur, catalogue::filmOf(film(u"Wale"_s, 50)));
    const FilmRecord* const lp =
        catalogue_.addFilm(*natur, catalogue::filmOf(makeRecord({}, 0, u"Vögel"_s, 100, 1)));
    QCOMPARE(rows(model), (QStringList{u"Krimis 240 1 150"_s, u"Natur 180 2 80"_s}));

    catalogue_.renameCassette(*natur, u"Tiere"_s, 200);
    catalogue_.updateFilm(*lp, catalogue::filmOf(film(u"Vögel"_s, 10)));
    QCOMPARE(model.findRow(u"tiere"_s), 1);
    QCOMPARE(model.findRow(u"Natur"_s), -1);
    QCOMPARE(rows(model), (QStringList{u"Krimis 240 1 150"_s, u"Tiere 200 2 140"_s}));

    // A created case variant gets no row of its own; a removed row's cassette hands its row to the
    // next cassette of its name, as a fresh start would show them.
    catalogue_.createCassette(u"tiere"_s, 60);
    catalogue_.removeCassette(*catalogue_.findCassette(u"Krimis"_s));
    QCOMPARE(rows(model), (QStringList{u"KRIMIS 120 1 60"_s, u"Tiere 200 2 140"_s}));
    QCOMPARE(model.cassetteAt(1), natur);
    catalogue_.removeCassette(*catalogue_.findCassette(u"KRIMIS"_s));
    QCOMPARE(rows(model), QStringList{u"Tiere 200 2 140"_s});

    catalogue_.removeFilm(*lp);
    catalogue_.removeFilm(*catalogue_.findCassette(u"Tiere"_s)->firstRecord());
    QCOMPARE(rows(model), QStringList{u"Tiere 200 0 200"_s});
    catalogue_.releaseAll();
    QCOMPARE(model.rowCount(), 0);
}

void TestModels::cassetteList_findsARowIgnoringLetterCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::newRow("same case") << u"abc"_s << 0;
    QTest::newRow("other case, the first one's row") << u"ABC"_s << 0;
    QTest::newRow("umlaut in other case") << u"KÄSE"_s << 1;
    QTest::newRow("prefix") << u"ab"_s << -1;
    QTest::newRow("longer") << u"abcd"_s << -1;
    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("later row") << u"abc d"_s << 2;
}

void TestModels::cassetteList_findsARowIgnoringLetterCase()
{
    QFETCH(QString, text);
    QFETCH(int, row);
    for (const QString& name : {u"abc"_s, u"ABC"_s, u"Käse"_s, u"Abc D"_s})
        testsupport::appendRecord(catalogue_, makeRecord(name, 60));
    const windows::CassetteListModel model(catalogue_);
    QCOMPARE(model.findRow(text), row);
}

void TestModels::searchResults_followChangedAndRemovedFilms()
{
    const FilmRecord* const a1 =
        testsupport::appendRecord(catalogue_, makeRecord(u"A"_s, 240, u"Eins"_s, 90));
    const FilmRecord* const a2 =
        testsupport::appendRecord(catalogue_, makeRecord(u"A"_s, 240, u"Zwei"_s, 60));
    const FilmRecord* const b1 =
        testsupport::appendRecord(catalogue_, makeRecord(u"B"_s, 240, u"Drei"_s, 30));
    windows::SearchResultModel model(catalogue_);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.appendFilms({a1, a2, b1, a2});

    catalogue_.updateFilm(*a2, catalogue::filmOf(film(u"Zwei neu"_s, 75)));
    catalogue_.renameCassette(*catalogue_.findCassette(u"A"_s), u"Erste"_s, 240);
    QCOMPARE(rows(model), (QStringList{u"Eins Erste 90 "_s, u"Zwei neu Erste 75 "_s, u"Drei B 30 "_s,
                                       u"Zwei neu Erste 75 "_s}));
    catalogue_.removeFilm(*a2);
    QCOMPARE(rows(model), (QStringList{u"Eins Erste 90 "_s, u"Drei B 30 "_s}));
    catalogue_.removeCassette(*catalogue_.findCassette(u"B"_s));
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.filmAt(0), a1);
    catalogue_.releaseAll();
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestModels)
#include "tst_models.moc"
