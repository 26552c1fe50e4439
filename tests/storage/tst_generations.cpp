#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "storage/Archive.h"
#include "storage/GenerationThinning.h"
#include "storage/Generations.h"
#include "storage/SaveTarget.h"
#include "support/Records.h"
#include "support/Tmpfs.h"
#include "support/Unprivileged.h"

#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace catalogue;
using namespace Qt::StringLiterals;
using testsupport::readFileBytes;

namespace {

// Keeps the generations of a save in a folder of the test's.
class GenerationsIn final : public SaveTarget
{
public:
    explicit GenerationsIn(const QString& root) : root_(root) {}
    QString generationsRoot() const override { return root_; }

private:
    QString root_;
};

// Films whose stories barely compress, so that a copy of them needs real room.
void fill(Catalogue& catalogue, int films)
{
    QRandomGenerator random(films);
    for (int i = 0; i < films; ++i) {
        FilmRecord r = testsupport::makeRecord(u"Tape %1"_s.arg(i / 5), 240, u"Film %1"_s.arg(i), 90);
        QString story;
        for (int c = 0; c < 600; ++c)
            story += QChar(u'a' + random.bounded(26));
        setText(r.story, story);
        testsupport::appendRecord(catalogue, r);
    }
}

QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    return files;
}

bool openToAll(const QString& folder)
{
    bool open = QFile::setPermissions(folder, QFileDevice::Permissions(0x7777));
    QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        open = QFile::setPermissions(it.next(), QFileDevice::Permissions(0x7777)) && open;
    return open;
}

} // namespace

class TestGenerations final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void thinning_keepsByAgeAndBudget_data();
    void thinning_keepsByAgeAndBudget();
    void save_keepsAGenerationThatReadsBack_data();
    void save_keepsAGenerationThatReadsBack();
    void damagedGeneration_isRefused_data();
    void damagedGeneration_isRefused();
    void restore_keepsTheArchiveAsItStoodFirst();
    void inPlaceSave_leavesEarlierGenerationsWhole();
    void fullDisk_whileKeepingAGeneration_leavesTheSaveGood();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString root_;
};

void TestGenerations::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    root_ = dir_->filePath(u"backups"_s);
}

void TestGenerations::thinning_keepsByAgeAndBudget_data()
{
    QTest::addColumn<QList<double>>("hoursAgo");
    QTest::addColumn<qint64>("bytesEach");
    QTest::addColumn<QList<int>>("kept"); // indexes into hoursAgo

    constexpr qint64 kSmall = 1 << 20;
    QList<double> halfHours;
    QList<int> first20;
    for (int i = 0; i < 25; ++i) {
        halfHours.append(0.5 * i);
        if (i < 20)
            first20.append(i);
    }
    QList<double> days25;
    QList<int> all25;
    for (int i = 0; i < 25; ++i) {
        days25.append(24.0 * (i + 1) + 1);
        all25.append(i);
    }
    // "now" is 2026-06-15 12:00 UTC.
    QTest::newRow("every save of the last day") << QList<double>{1, 2, 23.5} << kSmall << QList<int>{0, 1, 2};
    QTest::newRow("at most 20 of the last day") << halfHours << kSmall << first20;
    QTest::newRow("the newest of each day") << QList<double>{30, 34, 50} << kSmall << QList<int>{0, 2};
    QTest::newRow("the newest of each month, for 24 months")
        << QList<double>{40 * 24, 45 * 24, 400 * 24, 800 * 24} << kSmall << QList<int>{0, 2};
    QTest::newRow("a time after now counts as recent") << QList<double>{-5, 1} << kSmall << QList<int>{0, 1};
    QTest::newRow("2 GB allows more than 20") << days25 << kSmall << all25;
    QTest::newRow("20 allow more than 2 GB") << days25 << qint64(300) * kSmall << first20;
    QTest::newRow("the newest stays over every budget")
        << QList<double>{3, 1} << qint64(5) * 1024 * kSmall << QList<int>{0, 1};
}

void TestGenerations::thinning_keepsByAgeAndBudget()
{
    QFETCH(QList<double>, hoursAgo);
    QFETCH(qint64, bytesEach);
    QFETCH(QList<int>, kept);
    const QDateTime now(QDate(2026, 6, 15), QTime(12, 0), QTimeZone::utc());
    std::vector<GenerationStamp> stamps;
    for (const double hours : hoursAgo)
        stamps.push_back({now.addSecs(qint64(-hours * 3600)), bytesEach});
    const std::vector<bool> keep = generationsToKeep(stamps, now, QTimeZone::utc());
    QList<int> actual;
    for (std::size_t i = 0; i < keep.size(); ++i) {
        if (keep[i])
            actual.append(int(i));
    }
    QCOMPARE(actual, kept);
}

void TestGenerations::save_keepsAGenerationThatReadsBack_data()
{
    QTest::addColumn<bool>("otherFileSystem");
    QTest::newRow("beside the archive's file system") << false;
    QTest::newRow("on another file system") << true;
}

// Every save adds one generation, newest first, with the counts and the records it wrote.
void TestGenerations::save_keepsAGenerationThatReadsBack()
{
    QFETCH(bool, otherFileSystem);
    testsupport::Tmpfs disk(16 << 20);
    if (otherFileSystem && !disk.isMounted())
        QSKIP("no tmpfs can be mounted here");
    const QString root = otherFileSystem ? disk.filePath(u"backups"_s) : root_;
    const QString archive = archivePath(dir_->path() + u'/');
    GenerationsIn target(root);
    Catalogue catalogue;
    fill(catalogue, 7);
    QVERIFY(writeArchive(catalogue, archive, target).saved);
    const QByteArray firstBytes = readFileBytes(archive);
    testsupport::appendRecord(catalogue, testsupport::makeRecord(u"Leer"_s, 60));
    const SaveResult second = writeArchive(catalogue, archive, target);
    QVERIFY(second.saved);
    QCOMPARE(second.generationNote, QString());

    const Generations generations(archive, root);
    const std::vector<Generation> list = generations.list();
    QCOMPARE(list.size(), std::size_t(2));
    QCOMPARE(list[0].number, 1);
    QCOMPARE(list[0].tapes, 3);
    QCOMPARE(list[0].films, 7);
    QCOMPARE(list[0].records, 8);
    QCOMPARE(list[1].records, 7);
    QVERIFY(!list[0].damaged && !list[1].damaged);
    QVERIFY(list[0].saved >= list[1].saved);

    Catalogue older;
    QCOMPARE(generations.load(list[1], older), std::nullopt);
    QByteArray olderBytes;
    for (const FilmRecord* r = older.head(); r; r = r->next)
        olderBytes += testsupport::recordImage(*r).left(qsizetype(kRecordSize) - 8) + QByteArray(8, '\0');
    QCOMPARE(olderBytes, firstBytes);
}

void TestGenerations::damagedGeneration_isRefused_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("listedDamaged"); // seen without reading the records
    QTest::newRow("records cut short") << u"truncate"_s << true;
    QTest::newRow("records missing") << u"remove"_s << true;
    QTest::newRow("description garbled") << u"describe"_s << true;
    QTest::newRow("a byte changed") << u"flip"_s << false;
}

// A damaged generation is never restored, and restoring it changes nothing.
void TestGenerations::damagedGeneration_isRefused()
{
    QFETCH(QString, damage);
    QFETCH(bool, listedDamaged);
    const QString archive = archivePath(dir_->path() + u'/');
    Catalogue catalogue;
    fill(catalogue, 20);
    GenerationsIn target(root_);
    QVERIFY(writeArchive(catalogue, archive, target).saved);
    Generations generations(archive, root_);
    QCOMPARE(generations.keepCopy(catalogue), std::nullopt);
    const Generation copy = generations.list().front();
    const QString records = QDir(generations.folder()).filePath(copy.name + u".RMAz"_s);
    QFile file(damage == u"describe"_s ? QDir(generations.folder()).filePath(copy.name + u".gen"_s)
                                       : records);
    if (damage == u"truncate"_s)
        QVERIFY(file.resize(file.size() / 2));
    else if (damage == u"remove"_s)
        QVERIFY(file.remove());
    else if (damage == u"describe"_s)
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("format 1\nsaved yesterday\n") > 0);
    else {
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x10);
        QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
    }
    file.close();

    const std::vector<Generation> list = generations.list();
    const auto listed =
        std::find_if(list.begin(), list.end(), [&](const Generation& g) { return g.name == copy.name; });
    QVERIFY(listed != list.end());
    QCOMPARE(listed->damaged, listedDamaged);
    Catalogue loaded;
    QVERIFY(generations.load(*listed, loaded).has_value());
    QVERIFY(loaded.isEmpty());
    const QByteArray before = readFileBytes(archive);
    const SaveResult restored = generations.restore(*listed);
    QVERIFY(!restored.saved);
    QVERIFY(!restored.reason.isEmpty());
    QCOMPARE(readFileBytes(archive), before);
}

void TestGenerations::restore_keepsTheArchiveAsItStoodFirst()
{
    const QString archive = archivePath(dir_->path() + u'/');
    GenerationsIn target(root_);
    Catalogue catalogue;
    fill(catalogue, 3);
    QVERIFY(writeArchive(catalogue, archive, target).saved);
    const QByteArray first = readFileBytes(archive);
    fill(catalogue, 4);
    QVERIFY(writeArchive(catalogue, archive, target).saved);
    const QByteArray second = readFileBytes(archive);

    Generations generations(archive, root_);
    QVERIFY(generations.restore(generations.list().at(1)).saved);
    QCOMPARE(readFileBytes(archive), first);
    // The archive as it stood comes right behind the restored one, which is the newest.
    const std::vector<Generation> list = generations.list();
    QCOMPARE(list.size(), std::size_t(4));
    QCOMPARE(list[0].records, 3);
    Catalogue stood;
    QCOMPARE(generations.load(list[1], stood), std::nullopt);
    QCOMPARE(stood.recordCount(), 7);
    QCOMPARE(catalogue::writeArchive(stood, dir_->filePath(u"stood.RMA"_s), target).saved, true);
    QCOMPARE(readFileBytes(dir_->filePath(u"stood.RMA"_s)), second);
}

// A save in place writes into the archive's own file, which an earlier generation may share; that
// generation must still give back what was saved then.
void TestGenerations::inPlaceSave_leavesEarlierGenerationsWhole()
{
    const QString folder = dir_->filePath(u"archive"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString archive = archivePath(folder + u'/');
    GenerationsIn target(root_);
    Catalogue catalogue;
    fill(catalogue, 5);
    QVERIFY(writeArchive(catalogue, archive, target).saved);
    fill(catalogue, 5);
    QVERIFY(QFile::setPermissions(archive, QFileDevice::Permissions(0x6666)));
    QVERIFY(openToAll(dir_->path()) && openToAll(root_));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_->path()));

    const int outcome = testsupport::runUnprivileged([&] {
        const SaveResult result = writeArchive(catalogue, archive, target);
        return int(result.saved) + 2 * int(result.generationNote.isEmpty());
    });
    QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
    QCOMPARE(outcome, 3);
    QCOMPARE(readFileBytes(archive).size(), 10 * qsizetype(kRecordSize));
    const Generations generations(archive, root_);
    const std::vector<Generation> list = generations.list();
    QCOMPARE(list.size(), std::size_t(2));
    Catalogue earlier;
    QCOMPARE(generations.load(list[1], earlier), std::nullopt);
    QCOMPARE(earlier.recordCount(), 5);
}

void TestGenerations::fullDisk_whileKeepingAGeneration_leavesTheSaveGood()
{
    testsupport::Tmpfs disk(64 * 1024);
    if (!disk.isMounted())
        QSKIP("no tmpfs can be mounted here");
    const QString archive = archivePath(dir_->path() + u'/');
    Catalogue catalogue;
    fill(catalogue, 300);
    GenerationsIn target(disk.filePath(u"backups"_s));
    const SaveResult saved = writeArchive(catalogue, archive, target);
    QVERIFY(saved.saved);
    QVERIFY(!saved.generationNote.isEmpty());
    Catalogue back;
    QVERIFY(loadArchive(back, archive).sizeOk);
    QCOMPARE(back.recordCount(), 300);
    QCOMPARE(Generations(archive, target.generationsRoot()).list().size(), std::size_t(0));
    QCOMPARE(filesUnder(disk.path()), QStringList());
}

QTEST_GUILESS_MAIN(TestGenerations)
#include "tst_generations.moc"
