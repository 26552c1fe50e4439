#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "support/Records.h"

#include <QTest>

#include <cstdlib>
#include <new>

using namespace catalogue;
using namespace Qt::StringLiterals;
using testsupport::makeRecord;

namespace {

// Allocations that may still succeed before one fails; negative: all of them.
int allocationsLeft = -1;

void* allocate(std::size_t size)
{
    if (allocationsLeft == 0)
        throw std::bad_alloc();
    if (allocationsLeft > 0)
        --allocationsLeft;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

} // namespace

// Every allocation of this program goes through here, so that a test can make any one of them fail.
void* operator new(std::size_t size)
{
    return allocate(size);
}

void* operator new[](std::size_t size)
{
    return allocate(size);
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete[](void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

// The whole state an operation could touch: the records' images in list order, the cassettes with
// their counts in catalogue order, the totals and the history's place.
QList<QByteArray> dump(const Catalogue& c)
{
    QList<QByteArray> lines;
    for (const FilmRecord* r = c.head(); r; r = r->next)
        lines << QByteArray(reinterpret_cast<const char*>(r), kRecordSize);
    for (const Cassette* cassette : c.cassettes()) {
        lines << QByteArray(cassette->nameBytes().data(), qsizetype(cassette->nameBytes().size())) + ' ' +
                     QByteArray::number(qulonglong(cassette->position())) + ' ' +
                     QByteArray::number(cassette->filmCount()) + ' ' +
                     QByteArray::number(cassette->usedHalfMinutes());
    }
    lines << QByteArray::number(c.recordCount()) + ' ' + QByteArray::number(c.filmTotal()) + ' ' +
                 QByteArray::number(qulonglong(c.history().index())) + ' ' +
                 QByteArray::number(qulonglong(c.history().count()));
    return lines;
}

Film film(const QString& title)
{
    Film f;
    f.title = title;
    f.length = 30;
    f.story = u"one\ntwo"_s;
    return f;
}

} // namespace

class TestCatalogueMemory final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operation_failingAnyAllocation_leavesCatalogueAsItWas_data();
    void operation_failingAnyAllocation_leavesCatalogueAsItWas();
};

void TestCatalogueMemory::operation_failingAnyAllocation_leavesCatalogueAsItWas_data()
{
    QTest::addColumn<QString>("operation");
    for (const char* operation :
         {"create", "create under a name in use", "rename", "rename joining", "remove cassette",
          "add into placeholder", "add", "insert", "append", "update", "remove film", "remove last film"})
        QTest::newRow(operation) << QString::fromLatin1(operation);
}

// Whichever allocation of an operation fails, the catalogue and its history stay as they were; once
// none fails, the operation is made and its undo returns to that state.
void TestCatalogueMemory::operation_failingAnyAllocation_leavesCatalogueAsItWas()
{
    QFETCH(QString, operation);
    int failures = 0;
    for (int allowed = 0;; ++allowed) {
        Catalogue c;
        for (const auto& [tape, title] : {std::pair{u"A"_s, u"a1"_s},
                                          {u"B"_s, u"b1"_s},
                                          {u"A"_s, u"a2"_s},
                                          {u"C"_s, QString()},
                                          {u"B"_s, u"b2"_s},
                                          {u"D"_s, u"d1"_s}})
            testsupport::appendRecord(c, makeRecord(tape, 240, title, title.isEmpty() ? 0 : 60));
        // An entry that could be made again, which a failed operation must not drop.
        c.updateFilm(*c.findCassette(u"D"_s)->firstRecord(), film(u"d2"_s));
        c.history().undo();
        const QList<QByteArray> before = dump(c);
        const Cassette& a = *c.findCassette(u"A"_s);
        const Cassette& b = *c.findCassette(u"B"_s);
        const Cassette& empty = *c.findCassette(u"C"_s);
        const Film added = film(u"new"_s);
        std::vector<std::unique_ptr<FilmRecord>> records;
        for (int i = 0; i < 3; ++i) {
            records.push_back(Catalogue::newRecord());
            *records.back() = makeRecord({}, 0, u"x%1"_s.arg(i), 20);
        }
        const QString newName = u"a much longer name than fits a short string's inline room"_s;

        bool failed = false;
        allocationsLeft = allowed;
        try {
            if (operation == u"create")
                c.createCassette(newName, 120);
            else if (operation == u"create under a name in use")
                c.createCassette(u"B"_s, 120);
            else if (operation == u"rename")
                c.renameCassette(a, newName, 90);
            else if (operation == u"rename joining")
                c.renameCassette(a, u"B"_s, 90);
            else if (operation == u"remove cassette")
                c.removeCassette(b);
            else if (operation == u"add into placeholder")
                c.addFilm(empty, added);
            else if (operation == u"add")
                c.addFilm(a, added);
            else if (operation == u"insert")
                c.addFilm(b, added, b.recordAt(2));
            else if (operation == u"append")
                c.appendFilms(b, std::move(records));
            else if (operation == u"update")
                c.updateFilm(*a.recordAt(2), added);
            else if (operation == u"remove film")
                c.removeFilm(*a.recordAt(1));
            else
                c.removeFilm(*c.findCassette(u"D"_s)->firstRecord());
        } catch (const std::bad_alloc&) {
            failed = true;
        }
        allocationsLeft = -1;
        QCOMPARE(testsupport::listFault(c), QString());
        if (failed) {
            ++failures;
            QCOMPARE(dump(c), before);
            continue;
        }
        QVERIFY(dump(c) != before);
        c.history().undo();
        QCOMPARE(dump(c), before);
        break;
    }
    // The operation did allocate, so the failures above tried something.
    QVERIFY(failures > 0);
}

QTEST_GUILESS_MAIN(TestCatalogueMemory)
#include "tst_catalogue_memory.moc"
