#include "catalogue/Archive.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "support/Records.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <random>
#include <vector>

using namespace catalogue;
using namespace Qt::StringLiterals;

namespace {

// What the list should hold, record by record.
struct Entry
{
    QString tape;
    quint16 tapeLength;
    QString film;
    quint16 filmLength;
    quint8 longplay;
    FilmRecord* record;
};

// Few names, some differing only in case, so cassettes collide and split into several runs.
const QStringList kTapes = {u"abc"_qs, u"ABC"_qs, u"Zo\u00EB"_qs, u"\u20ACuro"_qs, u"Band 7"_qs, u"x"_qs};

} // namespace

class TestCatalogueRandom final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manyOperations_matchASimpleModel();

private:
    int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    Entry newEntry(const QString& tape);
    std::unique_ptr<FilmRecord> recordOf(Entry& e) const;
    void step();
    void compareWithModel();
    void saveAndReload(const QString& path);

    std::mt19937 random_;
    Catalogue catalogue_;
    std::vector<Entry> model_;
    FilmRecord* cursor_ = nullptr;
    int filmCounter_ = 0;
};

Entry TestCatalogueRandom::newEntry(const QString& tape)
{
    const auto longplay = static_cast<quint8>(std::array{0, 1, 2, 255}[static_cast<std::size_t>(pick(4))]);
    return {tape,
            static_cast<quint16>(60 + pick(240)),
            QStringLiteral("film %1").arg(++filmCounter_),
            static_cast<quint16>(pick(4) == 0 ? 0 : 1 + pick(200)),
            longplay,
            nullptr};
}

std::unique_ptr<FilmRecord> TestCatalogueRandom::recordOf(Entry& e) const
{
    auto r = Catalogue::newRecord();
    *r = testsupport::makeRecord(e.tape, e.tapeLength, e.film, e.filmLength, e.longplay);
    e.record = r.get();
    return r;
}

void TestCatalogueRandom::step()
{
    const int size = static_cast<int>(model_.size());
    const int at = size > 0 ? pick(size) : 0;
    const QString& tape = kTapes[pick(static_cast<int>(kTapes.size()))];
    // Growth outweighs removal until the list is long enough to exercise the walks.
    const bool grown = size > 150;
    std::discrete_distribution<int> operations{3, 3, 3, 1, 2, 1, grown ? 6.0 : 2.0, grown ? 2.0 : 0.5};
    const int operation = size == 0 ? 0 : operations(random_);
    switch (operation) {
    case 0: {
        Entry e = newEntry(tape);
        catalogue_.appendRecord(recordOf(e));
        model_.push_back(e);
        break;
    }
    case 1: {
        FilmRecord* const anchor = model_[at].record;
        Entry e = newEntry(model_[at].tape);
        catalogue_.insertAfterCassette(anchor, recordOf(e));
        int last = at;
        while (last + 1 < size && model_[last + 1].tape == model_[at].tape)
            ++last;
        model_.insert(model_.begin() + last + 1, e);
        break;
    }
    case 2: {
        Entry e = newEntry(pick(2) ? model_[at].tape : tape);
        catalogue_.insertBefore(model_[at].record, recordOf(e));
        model_.insert(model_.begin() + at, e);
        break;
    }
    case 3:
        catalogue_.setCursor(cursor_ = model_[at].record);
        break;
    case 4: {
        FilmRecord* const x = model_[at].record;
        const FilmRecord* found = nullptr;
        for (const Entry& e : model_) {
            if (e.tape == tape) {
                found = e.record;
                break;
            }
        }
        QCOMPARE(catalogue_.findCassette(tape), found);
        TapeSummary expected;
        qint64 half = 2 * qint64{model_[at].tapeLength};
        for (const Entry& e : model_) {
            if (e.tape == model_[at].tape && e.filmLength > 0) {
                ++expected.filmCount;
                half -= qint64{((e.longplay ^ 1) & 0x7F) + 1} * e.filmLength;
            }
        }
        const TapeSummary summary = catalogue_.cassetteSummary(*x);
        QCOMPARE(summary.filmCount, expected.filmCount);
        QCOMPARE(summary.remainingMinutes, static_cast<int>(half / 2));
        break;
    }
    case 5: {
        const QString newName = kTapes[pick(static_cast<int>(kTapes.size()))];
        const int length = pick(70000);
        catalogue_.renameCassette(tape, newName, length);
        for (Entry& e : model_) {
            if (e.tape == tape) {
                e.tape = newName;
                e.tapeLength = static_cast<quint16>(length);
            }
        }
        break;
    }
    case 6: {
        if (model_[at].record == cursor_)
            cursor_ = nullptr;
        catalogue_.unlinkRecord(model_[at].record);
        model_.erase(model_.begin() + at);
        break;
    }
    default: {
        catalogue_.removeCassette(tape);
        const auto removed = [&tape](const Entry& e) { return e.tape == tape; };
        const auto cursorEntry = std::find_if(model_.begin(), model_.end(),
                                              [this](const Entry& e) { return e.record == cursor_; });
        if (cursorEntry != model_.end() && removed(*cursorEntry))
            cursor_ = nullptr;
        std::erase_if(model_, removed);
        break;
    }
    }
}

void TestCatalogueRandom::compareWithModel()
{
    QCOMPARE(testsupport::listFault(catalogue_), QString());
    QCOMPARE(catalogue_.recordCount(), static_cast<qsizetype>(model_.size()));
    QCOMPARE(catalogue_.cursor(), cursor_);
    const FilmRecord* r = catalogue_.head();
    for (const Entry& e : model_) {
        QCOMPARE(r, e.record);
        QCOMPARE(tapeNameText(*r), e.tape);
        QCOMPARE(r->tapeLength, e.tapeLength);
        QCOMPARE(text(r->filmName), e.film);
        QCOMPARE(r->filmLength, e.filmLength);
        QCOMPARE(r->longplay, e.longplay);
        r = r->next;
    }
}

void TestCatalogueRandom::saveAndReload(const QString& path)
{
    QVERIFY(saveArchive(catalogue_, path, {}));
    QVERIFY(catalogue_.isEmpty());
    const LoadResult loaded = loadArchive(catalogue_, path);
    QVERIFY(loaded.status == LoadResult::Loaded && loaded.sizeOk);
    // The records are new ones now; their order must be the model's.
    FilmRecord* r = catalogue_.head();
    for (Entry& e : model_) {
        QVERIFY(r);
        e.record = r;
        r = r->next;
    }
    cursor_ = nullptr;
    compareWithModel();
}

void TestCatalogueRandom::manyOperations_matchASimpleModel()
{
    constexpr std::mt19937::result_type kSeed = 20250611;
    qInfo() << "seed" << kSeed;
    random_.seed(kSeed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = archivePath(dir.path() + u'/');
    for (int i = 1; i <= 5000; ++i) {
        step();
        if (!QTest::currentTestFailed())
            compareWithModel();
        if (QTest::currentTestFailed()) {
            qWarning() << "failed at operation" << i;
            return;
        }
        if (i % 1000 == 0)
            saveAndReload(path);
    }
    QVERIFY(model_.size() > 50);
}

QTEST_GUILESS_MAIN(TestCatalogueRandom)
#include "tst_catalogue_random.moc"
