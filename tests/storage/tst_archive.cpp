#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "storage/Archive.h"
#include "storage/ArchiveLock.h"
#include "storage/SaveTarget.h"
#include "support/Records.h"
#include "support/Tmpfs.h"
#include "support/Unprivileged.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace catalogue;
using namespace Qt::StringLiterals;
using testsupport::makeRecord;
using testsupport::readFileBytes;

namespace {

// Fails the writes of an attempt once they pass writeLimit bytes, or fails the final sync; only
// the first failingAttempts attempts fail, later ones go through.
class FailingTarget final : public SaveTarget
{
public:
    qint64 writeLimit = -1;
    bool failSync = false;
    bool throwOnWrite = false;
    int failingAttempts = 1;

    bool write(QFile& file, const char* data, qint64 size) override
    {
        if (throwOnWrite)
            throw std::bad_alloc();
        if (failingAttempts > 0 && writeLimit >= 0 && file.pos() + size > writeLimit) {
            --failingAttempts;
            SaveTarget::write(file, data, writeLimit - file.pos());
            return false;
        }
        return SaveTarget::write(file, data, size);
    }

    bool sync(QFile& file) override
    {
        const bool synced = SaveTarget::sync(file);
        if (failingAttempts > 0 && failSync) {
            --failingAttempts;
            return false;
        }
        return synced;
    }
};

QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QStringList archiveAndBackup()
{
    const QString archive = QString::fromUtf16(kArchiveFileName);
    return {archive, archive + QString::fromUtf16(kBackupSuffix)};
}

// Records with every kind of field set, the reserved bytes and string tails not zero.
std::vector<FilmRecord> sampleRecords(int count)
{
    std::vector<FilmRecord> records;
    for (int i = 0; i < count; ++i) {
        FilmRecord r = makeRecord(QStringLiteral("Tape %1").arg(i / 3), 180, QStringLiteral("Film %1").arg(i),
                                  90 + i % 7, static_cast<quint8>(i % 2));
        r.reserved1 = 0xE1;
        r.reserved2 = 0xE2;
        std::memset(r.reserved3, 0xE3, sizeof r.reserved3);
        r.filmName.chars[60] = 'T'; // a tail beyond the value
        r.year = static_cast<quint16>(1950 + i);
        setText(r.country, QStringLiteral("\u00D6sterreich"));
        setText(r.actors, QStringLiteral("One\r\nTwo"));
        setText(r.story, QStringLiteral("It ends \u2013 well."));
        r.seen = 1;
        records.push_back(r);
    }
    return records;
}

QByteArray withZeroLinks(QByteArray bytes)
{
    for (qsizetype at = 0; at + qsizetype(kRecordSize) <= bytes.size(); at += kRecordSize)
        std::memset(bytes.data() + at + offsetof(FilmRecord, diskPrev), 0, 8);
    return bytes;
}

} // namespace

class TestArchive final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void fields_lieAtTheirFileOffsets_data();
    void fields_lieAtTheirFileOffsets();
    void load_takesWholeRecordsOnly_data();
    void load_takesWholeRecordsOnly();
    void load_rebuildsLinksInFileOrder();
    void damagedFields_areReadWithinTheirField();
    void loadThenSave_keepsEveryByteButTheLinks();
    void uncreatableArchive_asksAgainUntilNo_data();
    void uncreatableArchive_asksAgainUntilNo();
    void writeProtection_data();
    void writeProtection();
    void unreadableFile_isLeftAlone();
    void failedWriteOrSync_keepsOldArchiveAndLeavesNoTemp_data();
    void failedWriteOrSync_keepsOldArchiveAndLeavesNoTemp();
    void yesAfterTransientFailure_saves();
    void exceptionDuringSave_keepsEveryRecord();
    void fullDisk_keepsArchiveAndBackup_namesTheCause();
    void readOnlyFileSystem_isToldAtStart();
    void lock_keepsSecondHolderOut_takesOverStaleFile();
    void save_keepsPermissionsAndLinks();

private:
    QString archive() const { return archivePath(dir_->path() + u'/'); }
    void loadSample(int count);

    std::unique_ptr<QTemporaryDir> dir_;
    Catalogue catalogue_;
};

void TestArchive::init()
{
    catalogue_.releaseAll();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestArchive::loadSample(int count)
{
    QVERIFY(testsupport::writeArchive(archive(), sampleRecords(count)));
    QCOMPARE(loadArchive(catalogue_, archive()).status, LoadResult::Loaded);
    QCOMPARE(catalogue_.recordCount(), count);
}

void TestArchive::fields_lieAtTheirFileOffsets_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("size");
    QTest::newRow("tapeName") << QByteArray("tapeName") << 0 << 51;
    QTest::newRow("tapeLength") << QByteArray("tapeLength") << 52 << 2;
    QTest::newRow("filmName") << QByteArray("filmName") << 54 << 71;
    QTest::newRow("filmLength") << QByteArray("filmLength") << 126 << 2;
    QTest::newRow("year") << QByteArray("year") << 128 << 2;
    QTest::newRow("country") << QByteArray("country") << 130 << 71;
    QTest::newRow("director") << QByteArray("director") << 201 << 71;
    QTest::newRow("genre") << QByteArray("genre") << 272 << 71;
    QTest::newRow("actors") << QByteArray("actors") << 343 << 401;
    QTest::newRow("story") << QByteArray("story") << 744 << 601;
    QTest::newRow("flags") << QByteArray("flags") << 1345 << 4;
    QTest::newRow("links") << QByteArray("links") << 1352 << 8;
}

// Fills one field through the record type, saves, and finds exactly its bytes set in the file.
void TestArchive::fields_lieAtTheirFileOffsets()
{
    QFETCH(QByteArray, field);
    QFETCH(int, offset);
    QFETCH(int, size);
    auto r = Catalogue::newRecord();
    const auto fill = [](auto& member) { std::memset(&member, 0xA5, sizeof member); };
    // clang-format off
    if (field == "tapeName") fill(r->tapeName);
    else if (field == "tapeLength") fill(r->tapeLength);
    else if (field == "filmName") fill(r->filmName);
    else if (field == "filmLength") fill(r->filmLength);
    else if (field == "year") fill(r->year);
    else if (field == "country") fill(r->country);
    else if (field == "director") fill(r->director);
    else if (field == "genre") fill(r->genre);
    else if (field == "actors") fill(r->actors);
    else if (field == "story") fill(r->story);
    else if (field == "flags") { fill(r->longplay); fill(r->blackWhite); fill(r->seen); fill(r->deletable); }
    else { fill(r->diskPrev); fill(r->diskNext); }
    // clang-format on
    const FilmRecord original = *r;
    catalogue_.appendRecord(std::move(r));
    QVERIFY(saveArchive(catalogue_, archive(), {}));

    const QByteArray bytes = readFileBytes(archive());
    QCOMPARE(bytes.size(), qsizetype(kRecordSize));
    // The links never reach the file: they are written as zero.
    const char expected = field == "links" ? '\0' : '\xA5';
    for (int i = 0; i < bytes.size(); ++i)
        QCOMPARE(bytes[i], i >= offset && i < offset + size ? expected : '\0');

    QVERIFY(loadArchive(catalogue_, archive()).sizeOk);
    QCOMPARE(catalogue_.recordCount(), 1);
    QCOMPARE(testsupport::recordImage(*catalogue_.head()), withZeroLinks(testsupport::recordImage(original)));
}

void TestArchive::load_takesWholeRecordsOnly_data()
{
    QTest::addColumn<int>("fileSize"); // -1: no file, -2: a folder in its place, -3: a FIFO
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("sizeOk");
    QTest::addColumn<int>("records");
    QTest::newRow("missing file") << -1 << int(LoadResult::Missing) << true << 0;
    QTest::newRow("folder in its place") << -2 << int(LoadResult::Unreadable) << true << 0;
    // Would block the start if it were opened for a plain read.
    QTest::newRow("FIFO in its place") << -3 << int(LoadResult::Unreadable) << true << 0;
    QTest::newRow("empty file") << 0 << int(LoadResult::Loaded) << true << 0;
    QTest::newRow("1359 bytes") << 1359 << int(LoadResult::Loaded) << false << 0;
    QTest::newRow("two records and 100 bytes") << 2 * 1360 + 100 << int(LoadResult::Loaded) << false << 2;
    QTest::newRow("three records") << 3 * 1360 << int(LoadResult::Loaded) << true << 3;
    // Crosses the reader's chunks with a part record at each boundary.
    QTest::newRow("2000 records") << 2000 * 1360 << int(LoadResult::Loaded) << true << 2000;
}

void TestArchive::load_takesWholeRecordsOnly()
{
    QFETCH(int, fileSize);
    QFETCH(int, status);
    QFETCH(bool, sizeOk);
    QFETCH(int, records);
    QByteArray content;
    if (fileSize == -2)
        QVERIFY(QDir().mkdir(archive()));
    if (fileSize == -3)
        QCOMPARE(::mkfifo(QFile::encodeName(archive()).constData(), 0600), 0);
    if (fileSize >= 0) {
        for (const FilmRecord& r : sampleRecords(fileSize / 1360 + 1))
            content += testsupport::recordImage(r);
        content.truncate(fileSize);
        QFile file(archive());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }
    const LoadResult result = loadArchive(catalogue_, archive());
    QCOMPARE(int(result.status), status);
    QCOMPARE(result.reason.isEmpty(), status != LoadResult::Unreadable);
    QCOMPARE(result.sizeOk, sizeOk);
    QCOMPARE(catalogue_.recordCount(), records);
    QCOMPARE(testsupport::listFault(catalogue_), QString());
    QByteArray loaded;
    for (const FilmRecord* r = catalogue_.head(); r; r = r->next)
        loaded += testsupport::recordImage(*r);
    QCOMPARE(loaded, content.left(records * 1360));
}

void TestArchive::load_rebuildsLinksInFileOrder()
{
    std::vector<FilmRecord> records = sampleRecords(4);
    for (FilmRecord& r : records) {
        r.diskPrev = 0xDEADBEEF;
        r.diskNext = 0x00000010;
    }
    QVERIFY(testsupport::writeArchive(archive(), records));
    QVERIFY(loadArchive(catalogue_, archive()).sizeOk);
    QCOMPARE(testsupport::listFault(catalogue_), QString());
    int i = 0;
    for (const FilmRecord* r = catalogue_.head(); r; r = r->next, ++i) {
        QCOMPARE(text(r->filmName), QStringLiteral("Film %1").arg(i));
        QCOMPARE(r->diskPrev, 0u);
        QCOMPARE(r->diskNext, 0u);
    }
    QCOMPARE(i, 4);
}

void TestArchive::damagedFields_areReadWithinTheirField()
{
    FilmRecord r = makeRecord(QString(50, u'x'), 120, QStringLiteral("abcSTALE"), 90);
    r.tapeName.length = 255;
    r.reserved1 = 'R';
    r.filmName.length = 3;
    std::memset(r.actors, 'a', sizeof r.actors);
    setText(r.story, QStringLiteral("Story"));
    FilmRecord sameName = makeRecord(QString(50, u'x'), 120);
    QVERIFY(testsupport::writeArchive(archive(), {r, sameName}));
    QVERIFY(loadArchive(catalogue_, archive()).sizeOk);

    const FilmRecord& loaded = *catalogue_.head();
    QCOMPARE(text(loaded.filmName), QStringLiteral("abc"));
    QCOMPARE(tapeNameText(loaded), QString(50, u'x'));
    // Without a terminator a text is as long as a save can keep it.
    QCOMPARE(text(loaded.actors), QString(400, u'a'));
    QVERIFY(sameTape(loaded, *catalogue_.tail()));
    const Cassette* cassette = catalogue_.findCassette(QString(50, u'x'));
    QVERIFY(cassette);
    QCOMPARE(cassette->firstRecord(), &loaded);
    QCOMPARE(cassette->filmCount(), 1);
}

void TestArchive::loadThenSave_keepsEveryByteButTheLinks()
{
    std::vector<FilmRecord> records = sampleRecords(5);
    records[2].diskPrev = 0x12345678;
    records[4].diskNext = 0xFFFFFFFF;
    QVERIFY(testsupport::writeArchive(archive(), records));
    const QByteArray before = readFileBytes(archive());
    QVERIFY(loadArchive(catalogue_, archive()).sizeOk);
    QVERIFY(saveArchive(catalogue_, archive(), {}));
    QVERIFY(catalogue_.isEmpty());
    QCOMPARE(readFileBytes(archive()), withZeroLinks(before));
    QCOMPARE(readFileBytes(archive() + u".bak"_s), before);
    QCOMPARE(folderEntries(dir_->path()), archiveAndBackup());
}

void TestArchive::uncreatableArchive_asksAgainUntilNo_data()
{
    QTest::addColumn<bool>("missingFolder");
    QTest::newRow("folder missing") << true;
    QTest::newRow("archive path is a folder") << false;
}

void TestArchive::uncreatableArchive_asksAgainUntilNo()
{
    QFETCH(bool, missingFolder);
    QString path = archive();
    if (missingFolder)
        path = archivePath(dir_->path() + QStringLiteral("/gone/"));
    else
        QVERIFY(QDir().mkdir(path));
    testsupport::appendRecord(catalogue_, makeRecord(QStringLiteral("A"), 60));
    int asked = 0;
    QString reason;
    QVERIFY(!saveArchive(catalogue_, path, [&](const QString& why) {
        reason = why;
        return ++asked < 3;
    }));
    QCOMPARE(asked, 3);
    QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(missingFolder ? ENOENT : EISDIR)));
    // Declined: the records are still there for whatever comes next.
    QCOMPARE(catalogue_.recordCount(), 1);
    QCOMPARE(QFileInfo(path).isDir(), !missingFolder);
    const QStringList expected = {missingFolder ? QStringLiteral("gone")
                                                : QString::fromUtf16(kArchiveFileName)};
    QCOMPARE(folderEntries(dir_->path()), missingFolder ? QStringList() : expected);
}

void TestArchive::writeProtection_data()
{
    QTest::addColumn<bool>("protectArchive");
    QTest::addColumn<bool>("protectFolder");
    QTest::addColumn<bool>("saved");
    QTest::newRow("archive write-protected") << true << false << false;
    QTest::newRow("folder write-protected: written in place") << false << true << true;
    QTest::newRow("both write-protected") << true << true << false;
}

void TestArchive::writeProtection()
{
    QFETCH(bool, protectArchive);
    QFETCH(bool, protectFolder);
    QFETCH(bool, saved);
    loadSample(3);
    testsupport::appendRecord(catalogue_, makeRecord(u"New"_s, 60));
    const QByteArray before = readFileBytes(archive());
    const QByteArray all = withZeroLinks(before + testsupport::recordImage(*catalogue_.tail()));
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto writable = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    const auto enterable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(dir_->path(), readable | enterable |
                                                    (protectFolder ? QFileDevice::Permissions{} : writable)));
    QVERIFY(QFile::setPermissions(archive(),
                                  readable | (protectArchive ? QFileDevice::Permissions{} : writable)));

    const int outcome = testsupport::runUnprivileged([this] {
        const bool warned = archiveWriteProblem(archive()).has_value();
        int asked = 0;
        const bool done =
            saveArchive(catalogue_, archive(), [&asked](const QString&) { return ++asked < 2; });
        return int(done) | int(warned) << 1 | asked << 2;
    });
    QVERIFY(QFile::setPermissions(dir_->path(), readable | writable | enterable));
    // Saved without a question or a start warning; otherwise warned at start and asked twice.
    QCOMPARE(outcome, saved ? 1 : 2 | 2 << 2);
    QCOMPARE(readFileBytes(archive()), saved ? all : before);
    QCOMPARE(folderEntries(dir_->path()), QStringList{QString::fromUtf16(kArchiveFileName)});
}

void TestArchive::unreadableFile_isLeftAlone()
{
    loadSample(2);
    catalogue_.releaseAll();
    const QByteArray before = readFileBytes(archive());
    QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOther | QFile::ExeOther | QFile::ReadOwner |
                                                    QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(QFile::setPermissions(archive(), {}));
    const int outcome = testsupport::runUnprivileged([this] {
        const LoadResult result = loadArchive(catalogue_, archive());
        return int(result.status == LoadResult::Unreadable &&
                   result.reason == QString::fromLocal8Bit(std::strerror(EACCES)) && catalogue_.isEmpty());
    });
    QVERIFY(QFile::setPermissions(archive(), QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(outcome, 1);
    QCOMPARE(readFileBytes(archive()), before);
}

void TestArchive::failedWriteOrSync_keepsOldArchiveAndLeavesNoTemp_data()
{
    QTest::addColumn<qint64>("writeLimit");
    QTest::addColumn<bool>("failSync");
    QTest::newRow("nothing written") << qint64{0} << false;
    QTest::newRow("inside the first record") << qint64{1000} << false;
    QTest::newRow("after the first megabyte") << qint64{(1 << 20) + 5000} << false;
    QTest::newRow("final sync") << qint64{-1} << true;
}

void TestArchive::failedWriteOrSync_keepsOldArchiveAndLeavesNoTemp()
{
    QFETCH(qint64, writeLimit);
    QFETCH(bool, failSync);
    loadSample(1000);
    const QByteArray before = readFileBytes(archive());
    testsupport::appendRecord(catalogue_, makeRecord(QStringLiteral("New"), 60));
    FailingTarget target;
    target.writeLimit = writeLimit;
    target.failSync = failSync;
    int asked = 0;
    QVERIFY(!saveArchive(
        catalogue_, archive(), [&asked](const QString&) { return ++asked > 1; }, target));
    QCOMPARE(asked, 1);
    QCOMPARE(target.failingAttempts, 0);
    QCOMPARE(catalogue_.recordCount(), 1001);
    QCOMPARE(readFileBytes(archive()), before);
    QCOMPARE(folderEntries(dir_->path()), QStringList{QString::fromUtf16(kArchiveFileName)});
}

void TestArchive::yesAfterTransientFailure_saves()
{
    loadSample(1000);
    testsupport::appendRecord(catalogue_, makeRecord(QStringLiteral("New"), 60));
    QByteArray expected;
    for (const FilmRecord* r = catalogue_.head(); r; r = r->next)
        expected += testsupport::recordImage(*r);
    FailingTarget target;
    target.writeLimit = 700 * 1360;
    int asked = 0;
    QVERIFY(saveArchive(
        catalogue_, archive(), [&asked](const QString&) { return ++asked == 1; }, target));
    QCOMPARE(asked, 1);
    QCOMPARE(readFileBytes(archive()), withZeroLinks(expected));
    QCOMPARE(folderEntries(dir_->path()), archiveAndBackup());
}

void TestArchive::exceptionDuringSave_keepsEveryRecord()
{
    loadSample(5);
    const QByteArray before = readFileBytes(archive());
    FailingTarget target;
    target.throwOnWrite = true;
    QVERIFY_THROWS_EXCEPTION(std::bad_alloc, saveArchive(catalogue_, archive(), {}, target));
    QCOMPARE(catalogue_.recordCount(), 5);
    QCOMPARE(folderEntries(dir_->path()), QStringList{QString::fromUtf16(kArchiveFileName)});
    QVERIFY(saveArchive(catalogue_, archive(), {}));
    QCOMPARE(readFileBytes(archive()), withZeroLinks(before));
}

// The new archive does not fit beside the old one and its backup, which share their blocks.
void TestArchive::fullDisk_keepsArchiveAndBackup_namesTheCause()
{
    testsupport::Tmpfs disk(256 * 1024);
    if (!disk.isMounted())
        QSKIP("no tmpfs can be mounted here");
    const QString path = archivePath(disk.path() + u'/');
    QVERIFY(testsupport::writeArchive(path, sampleRecords(60)));
    QVERIFY(loadArchive(catalogue_, path).sizeOk);
    QVERIFY(saveArchive(catalogue_, path, {}));
    QVERIFY(loadArchive(catalogue_, path).sizeOk);
    const QByteArray archiveBefore = readFileBytes(path);
    const QByteArray backupBefore = readFileBytes(path + u".bak"_s);
    for (const FilmRecord& r : sampleRecords(100))
        testsupport::appendRecord(catalogue_, r);

    QString reason;
    QVERIFY(!saveArchive(catalogue_, path, [&reason](const QString& why) {
        reason = why;
        return false;
    }));
    QCOMPARE(reason, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    QCOMPARE(catalogue_.recordCount(), 160);
    QCOMPARE(readFileBytes(path), archiveBefore);
    QCOMPARE(readFileBytes(path + u".bak"_s), backupBefore);
    QCOMPARE(folderEntries(disk.path()), archiveAndBackup());
}

void TestArchive::readOnlyFileSystem_isToldAtStart()
{
    QCOMPARE(archiveWriteProblem(archive()), std::nullopt);
    testsupport::Tmpfs disk(64 * 1024);
    if (!disk.isMounted())
        QSKIP("no tmpfs can be mounted here");
    const QString path = archivePath(disk.path() + u'/');
    QVERIFY(testsupport::writeArchive(path, sampleRecords(1)));
    QVERIFY(disk.makeReadOnly());
    const QString readOnly = QString::fromLocal8Bit(std::strerror(EROFS));
    QCOMPARE(archiveWriteProblem(path), readOnly);
    // The lock lies on the archive itself, which a read-only file system still lets be locked.
    ArchiveLock lock(path);
    QCOMPARE(lock.acquire(), ArchiveLock::Held);
}

void TestArchive::lock_keepsSecondHolderOut_takesOverStaleFile()
{
    ArchiveLock first(archive());
    QCOMPARE(first.acquire(), ArchiveLock::Held);
    ArchiveLock second(archive());
    QCOMPARE(second.acquire(), ArchiveLock::InUse);
    QCOMPARE(second.ownerPid(), QCoreApplication::applicationPid());
    QCOMPARE(second.ownerHost(), QSysInfo::machineHostName());
    first.release();
    QCOMPARE(second.acquire(), ArchiveLock::Held);
    second.release();

    // Left behind by a copy that crashed: the file is there, but nobody locks it.
    QFile stale(first.lockFilePath());
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("4194301\nelsewhere\n");
    stale.close();
    QCOMPARE(first.acquire(), ArchiveLock::Held);
    QCOMPARE(second.acquire(), ArchiveLock::InUse);
    QCOMPARE(second.ownerPid(), QCoreApplication::applicationPid());
}

void TestArchive::save_keepsPermissionsAndLinks()
{
    // The archive lives elsewhere and is reached through a link, with unusual permissions.
    QTemporaryDir elsewhere;
    const QString real = elsewhere.filePath(QStringLiteral("real.RMA"));
    QVERIFY(testsupport::writeArchive(real, sampleRecords(2)));
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(real, permissions));
    // A chain: the archive's name links to a relative link, which links to the file.
    QVERIFY(QFile::link(real, elsewhere.filePath(u"middle"_s)));
    QCOMPARE(
        ::symlink(QByteArray("../" + QFile::encodeName(QFileInfo(elsewhere.path()).fileName()) + "/middle")
                      .constData(),
                  QFile::encodeName(archive()).constData()),
        0);

    QVERIFY(loadArchive(catalogue_, archive()).sizeOk);
    testsupport::appendRecord(catalogue_, makeRecord(QStringLiteral("New"), 60));
    QVERIFY(saveArchive(catalogue_, archive(), {}));
    QVERIFY(QFileInfo(archive()).isSymLink());
    QVERIFY(QFileInfo(elsewhere.filePath(u"middle"_s)).isSymLink());
    QCOMPARE(readFileBytes(real).size(), 3 * 1360);
    QCOMPARE(QFile::permissions(real) & ~(QFile::ReadUser | QFile::WriteUser), permissions);
    QCOMPARE(folderEntries(elsewhere.path()), (QStringList{u"middle"_s, u"real.RMA"_s, u"real.RMA.bak"_s}));
}

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
