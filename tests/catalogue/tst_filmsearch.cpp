#include "catalogue/Catalogue.h"
#include "catalogue/FilmSearch.h"
#include "catalogue/RecordText.h"
#include "support/Records.h"

#include <QTest>

using namespace catalogue;
using namespace Qt::StringLiterals;
using Compare = SearchCriteria::Compare;

Q_DECLARE_METATYPE(catalogue::SearchCriteria)

namespace {

// A film of 1990, 90 minutes, seen, with texts that exercise case folding.
FilmRecord sampleFilm()
{
    FilmRecord r = testsupport::makeRecord(u"Märchen"_s, 240, u"Die MÄRCHEN-Stunde"_s, 90);
    r.year = 1990;
    r.seen = 1;
    setText(r.country, u"Österreich"_s);
    setText(r.director, u"STRASSE"_s);
    setText(r.genre, u"Komödie"_s);
    setText(r.actors, u"Anna Smith\r\nJones, Tom"_s);
    setText(r.story, QString(QString(299, u'x') + u"Berlin"_s + QString(195, u'y')));
    return r;
}

SearchCriteria with(const std::function<void(SearchCriteria&)>& set)
{
    SearchCriteria c;
    set(c);
    return c;
}

} // namespace

// Which films a search finds: the rules of each criterion, one at a time and combined.
class TestFilmSearch final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void criteria_data();
    void criteria();
    void placeholder_isNeverAHit();
    void findFilms_givesHitsInCatalogueOrder();
};

void TestFilmSearch::criteria_data()
{
    QTest::addColumn<SearchCriteria>("criteria");
    QTest::addColumn<bool>("hit");
    auto row = [](const char* name, auto set, bool hit) { QTest::newRow(name) << with(set) << hit; };
    row(
        "nothing asked", [](SearchCriteria&) {}, true);
    row(
        "ä folds to Ä", [](SearchCriteria& c) { c.title = u"märchen"_s; }, true);
    row(
        "ß is not SS", [](SearchCriteria& c) { c.director = u"straße"_s; }, false);
    row(
        "ö folds in country", [](SearchCriteria& c) { c.country = u"ÖSTERREICH"_s; }, true);
    row(
        "é is not É", [](SearchCriteria& c) { c.genre = u"KOMÖDIÉ"_s; }, false);
    row(
        "deep in the story", [](SearchCriteria& c) { c.story = u"berlin"_s; }, true);
    row(
        "a character the code page lacks", [](SearchCriteria& c) { c.title = u"M\u0100rchen"_s; }, false);
    row(
        "blanks are kept", [](SearchCriteria& c) { c.title = u" stunde"_s; }, false);
    row(
        "year 0 is no condition", [](SearchCriteria& c) { c.yearCompare = Compare::Greater; }, true);
    row(
        "year below 1991", [](SearchCriteria& c) { c.year = 1991, c.yearCompare = Compare::Less; }, true);
    row(
        "year below 1990", [](SearchCriteria& c) { c.year = 1990, c.yearCompare = Compare::Less; }, false);
    row(
        "year above 1989", [](SearchCriteria& c) { c.year = 1989, c.yearCompare = Compare::Greater; }, true);
    row(
        "length equal 90", [](SearchCriteria& c) { c.length = 90; }, true);
    row(
        "length equal 91", [](SearchCriteria& c) { c.length = 91; }, false);
    row(
        "both actors", [](SearchCriteria& c) { c.actors = u"smith;JONES"_s; }, true);
    row(
        "one actor missing", [](SearchCriteria& c) { c.actors = u"Smith;Miller"_s; }, false);
    row(
        "final semicolon", [](SearchCriteria& c) { c.actors = u"Smith;"_s; }, true);
    row(
        "blank after semicolon", [](SearchCriteria& c) { c.actors = u"Tom; Jones"_s; }, false);
    row(
        "semicolons only", [](SearchCriteria& c) { c.actors = u";;"_s; }, true);
    row(
        "seen checked", [](SearchCriteria& c) { c.seen = true; }, true);
    row(
        "seen unchecked", [](SearchCriteria& c) { c.seen = false; }, false);
    row(
        "long-play unchecked", [](SearchCriteria& c) { c.longplay = false; }, true);
    row(
        "all hold",
        [](SearchCriteria& c) {
            c.title = u"stunde"_s, c.year = 1990, c.length = 100, c.lengthCompare = Compare::Less,
            c.seen = true;
        },
        true);
    row(
        "one fails", [](SearchCriteria& c) { c.title = u"stunde"_s, c.deletable = true; }, false);
}

void TestFilmSearch::criteria()
{
    QFETCH(SearchCriteria, criteria);
    QFETCH(bool, hit);
    QCOMPARE(FilmMatcher(criteria).matches(sampleFilm()), hit);
}

void TestFilmSearch::placeholder_isNeverAHit()
{
    FilmRecord stale = sampleFilm();
    stale.filmLength = 0;
    QVERIFY(!FilmMatcher(SearchCriteria{}).matches(stale));
    QCOMPARE(foldCase("abz\xE4\xF6\xFC\xDF\xE9"), QByteArray("ABZ\xC4\xD6\xDC\xDF\xE9"));
}

void TestFilmSearch::findFilms_givesHitsInCatalogueOrder()
{
    Catalogue catalogue;
    const auto add = [&catalogue](const QString& tape, const QString& title, int length) {
        return testsupport::appendRecord(catalogue, testsupport::makeRecord(tape, 240, title, length));
    };
    const FilmRecord* const first = add(u"B"_s, u"Stunde eins"_s, 90);
    add(u"A"_s, u"Anderes"_s, 90);
    add(u"C"_s, u"Stunde leer"_s, 0); // a placeholder with a stale title
    const FilmRecord* const second = add(u"A"_s, u"STUNDE zwei"_s, 60);
    const SearchCriteria criteria = with([](SearchCriteria& c) { c.title = u"stunde"_s; });
    QCOMPARE(findFilms(catalogue, criteria), (std::vector<const FilmRecord*>{first, second}));
    QVERIFY(findFilms(Catalogue(), criteria).empty());
}

QTEST_GUILESS_MAIN(TestFilmSearch)
#include "tst_filmsearch.moc"
