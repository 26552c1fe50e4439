#include "catalogue/Catalogue.h"
#include "storage/Archive.h"
#include "storage/ArchiveLock.h"
#include "storage/FileSystem.h"
#include "storage/InPlaceCopy.h"
#include "storage/ReplacingFile.h"
#include "storage/SaveTarget.h"
#include "support/Records.h"
#include "support/Tmpfs.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace catalogue;
using namespace Qt::StringLiterals;
using testsupport::readFileBytes;

namespace {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes what the table asks for at path: a FIFO, a device node, a folder.
bool makeNode(const QString& kind, const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == u"FIFO"_s)
        return ::mkfifo(name.constData(), 0666) == 0;
    if (kind == u"device"_s)
        return ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0; // as /dev/null
    return QDir().mkpath(path);
}

mode_t typeOf(const QString& path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Fails the writes once they pass writeLimit bytes.
class FailingTarget final : public SaveTarget
{
public:
    explicit FailingTarget(qint64 limit) : writeLimit(limit) {}
    bool write(QFile& file, const char* data, qint64 size) override
    {
        return file.pos() + size <= writeLimit && SaveTarget::write(file, data, size);
    }
    qint64 writeLimit;
};

const auto kOpenToAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                        QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                        QFile::ExeOther;
const auto kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                             QFile::ReadOther | QFile::ExeOther;

} // namespace

class TestFileSafety final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void hostileTarget_isRefusedAndLeftAsItIs_data();
    void hostileTarget_isRefusedAndLeftAsItIs();
    void lockFile_isNeverFollowed_data();
    void lockFile_isNeverFollowed();
    void lock_holdsThroughAHardLink();
    void fullDisk_keepsTheOldFile_namesTheCause_data();
    void fullDisk_keepsTheOldFile_namesTheCause();
    void inPlaceSave_failure_putsTheArchiveBack_data();
    void inPlaceSave_failure_putsTheArchiveBack();
    void interruptedInPlaceSave_isFoundAndRestored_data();
    void interruptedInPlaceSave_isFoundAndRestored();
    void inPlaceSave_neverReplacesACopyStillNeeded_data();
    void inPlaceSave_neverReplacesACopyStillNeeded();
    void leftovers_onlyThoseOfSavesAreRemoved_data();
    void leftovers_onlyThoseOfSavesAreRemoved();
    void ownerTextUnwritable_leavesNoEmptyLockFile_data();
    void ownerTextUnwritable_leavesNoEmptyLockFile();
    void readRegularFile_stopsAtItsLimit();

private:
    QString path(const QString& name) const { return dir_->filePath(name); }

    QTemporaryDir userData_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestFileSafety::initTestCase()
{
    // The in-place copies go to the user's data folder; this one is the test's, open to the
    // unprivileged user the write-protection cases run as.
    QVERIFY(userData_.isValid());
    QVERIFY(QFile::setPermissions(userData_.path(), kOpenToAll));
    qputenv("XDG_DATA_HOME", QFile::encodeName(userData_.path()));
}

void TestFileSafety::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    // A file of an earlier case may have had the same inode number.
    QVERIFY(QDir(InPlaceCopy::defaultFolder()).removeRecursively());
    QVERIFY(QFile::setPermissions(dir_->path(), kOpenToAll));
}

void TestFileSafety::hostileTarget_isRefusedAndLeftAsItIs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << u"FIFO"_s;
    QTest::newRow("device node") << u"device"_s;
    QTest::newRow("folder") << u"folder"_s;
}

// Nothing blocks on the node, nothing replaces it, and the refusal says why.
void TestFileSafety::hostileTarget_isRefusedAndLeftAsItIs()
{
    QFETCH(QString, kind);
    const QString target = path(u"target"_s);
    if (!makeNode(kind, target))
        QSKIP("this node cannot be made here");
    const mode_t type = typeOf(target);

    ReplacingFile file(target, {});
    QVERIFY(!file.open(QIODevice::WriteOnly));
    QVERIFY(!file.errorString().isEmpty());
    QVERIFY(replaceFile(target, {}, "bytes").has_value());
    QVERIFY(!readRegularFile(target).error.isEmpty());
    Catalogue catalogue;
    testsupport::appendRecord(catalogue, testsupport::makeRecord(u"Tape"_s, 60));
    QVERIFY(!writeArchive(catalogue, target).saved);

    QCOMPARE(typeOf(target), type);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
             QStringList{u"target"_s});
}

void TestFileSafety::lockFile_isNeverFollowed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("archiveExists");
    QTest::addColumn<int>("state");
    QTest::newRow("link to a file") << u"symlink"_s << true << int(ArchiveLock::Held);
    QTest::newRow("hard link to a file") << u"hardlink"_s << true << int(ArchiveLock::Held);
    QTest::newRow("folder") << u"folder"_s << true << int(ArchiveLock::Held);
    QTest::newRow("link, no archive yet") << u"symlink"_s << false << int(ArchiveLock::Unavailable);
}

void TestFileSafety::lockFile_isNeverFollowed()
{
    QFETCH(QString, kind);
    QFETCH(bool, archiveExists);
    QFETCH(int, state);
    const QString archive = archivePath(dir_->path() + u'/');
    if (archiveExists)
        QVERIFY(writeFile(archive, {}));
    const QString victim = path(u"victim"_s);
    QVERIFY(writeFile(victim, "precious"));
    const QByteArray lockName = QFile::encodeName(archive + u".lock"_s);
    if (kind == u"symlink"_s)
        QCOMPARE(::symlink(QFile::encodeName(victim).constData(), lockName.constData()), 0);
    else if (kind == u"hardlink"_s)
        QCOMPARE(::link(QFile::encodeName(victim).constData(), lockName.constData()), 0);
    else
        QVERIFY(QDir().mkpath(QFile::decodeName(lockName)));

    ArchiveLock lock(archive);
    QCOMPARE(int(lock.acquire()), state);
    lock.release();
    QCOMPARE(readFileBytes(victim), "precious");
    QVERIFY(typeOf(QFile::decodeName(lockName)) != 0);
}

// Another name of the same file is the same archive.
void TestFileSafety::lock_holdsThroughAHardLink()
{
    const QString archive = archivePath(dir_->path() + u'/');
    QVERIFY(writeFile(archive, {}));
    const QString other = path(u"other.RMA"_s);
    QCOMPARE(::link(QFile::encodeName(archive).constData(), QFile::encodeName(other).constData()), 0);
    ArchiveLock first(archive);
    QCOMPARE(first.acquire(), ArchiveLock::Held);
    ArchiveLock second(other);
    QCOMPARE(second.acquire(), ArchiveLock::InUse);
}

void TestFileSafety::fullDisk_keepsTheOldFile_namesTheCause_data()
{
    QTest::addColumn<bool>("folderWriteProtected");
    QTest::newRow("new file beside the old one") << false;
    QTest::newRow("written in place") << true;
}

void TestFileSafety::fullDisk_keepsTheOldFile_namesTheCause()
{
    QFETCH(bool, folderWriteProtected);
    testsupport::Tmpfs disk(256 * 1024);
    if (!disk.isMounted())
        QSKIP("no tmpfs can be mounted here");
    const QString target = disk.filePath(u"catalogue.csv"_s);
    const QByteArray old(100 * 1024, 'a');
    QVERIFY(writeFile(target, old));
    QVERIFY(QFile::setPermissions(target, kOpenToAll));
    QVERIFY(QFile::setPermissions(disk.path(), folderWriteProtected ? kReadOnlyFolder : kOpenToAll));

    const int outcome = testsupport::runUnprivileged([&] {
        const std::optional<QString> problem = replaceFile(target, {}, QByteArray(300 * 1024, 'b'));
        return int(problem == errorText(ENOSPC));
    });
    QVERIFY(QFile::setPermissions(disk.path(), kOpenToAll));
    QCOMPARE(outcome, 1);
    QCOMPARE(readFileBytes(target), old);
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"catalogue.csv"_s});

    // The standard output onto a full device says so too.
    const pid_t child = ::fork();
    if (child == 0) {
        const int full = ::open("/dev/full", O_WRONLY);
        ::_exit(full >= 0 && ::dup2(full, STDOUT_FILENO) >= 0 &&
                        writeStandardOutput("bytes") == errorText(ENOSPC)
                    ? 0
                    : 1);
    }
    int status = -1;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

void TestFileSafety::inPlaceSave_failure_putsTheArchiveBack_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("a write fails halfway") << false;
    QTest::newRow("the disk is full") << true;
}

// The folder takes no new file, so the archive is written where it is; a failure must leave it as
// it was, with no marker of an unfinished save.
void TestFileSafety::inPlaceSave_failure_putsTheArchiveBack()
{
    QFETCH(bool, fullDisk);
    testsupport::Tmpfs disk(128 * 1024);
    if (fullDisk && !disk.isMounted())
        QSKIP("no tmpfs can be mounted here");
    const QString folder = fullDisk ? disk.path() : dir_->path();
    const QString archive = archivePath(folder + u'/');
    std::vector<FilmRecord> records;
    for (int i = 0; i < 60; ++i)
        records.push_back(testsupport::makeRecord(u"Tape %1"_s.arg(i / 4), 240, u"Film %1"_s.arg(i), 90));
    QVERIFY(testsupport::writeArchive(archive, records));
    QVERIFY(QFile::setPermissions(archive, kOpenToAll));
    const QByteArray before = readFileBytes(archive);
    Catalogue catalogue;
    QVERIFY(loadArchive(catalogue, archive).sizeOk);
    // Twice as large: more than the small disk holds beside the old archive.
    for (const FilmRecord& r : records)
        testsupport::appendRecord(catalogue, r);
    QVERIFY(QFile::setPermissions(folder, kReadOnlyFolder));

    const int outcome = testsupport::runUnprivileged([&] {
        FailingTarget target(fullDisk ? std::numeric_limits<qint64>::max() : 70 * qint64(kRecordSize));
        const SaveResult result = writeArchive(catalogue, archive, target);
        const bool marked = InPlaceCopy(archive, InPlaceCopy::defaultFolder()).interrupted();
        return int(!result.saved && !result.reason.isEmpty() && !marked);
    });
    QVERIFY(QFile::setPermissions(folder, kOpenToAll));
    QCOMPARE(outcome, 1);
    QCOMPARE(readFileBytes(archive), before);
}

void TestFileSafety::interruptedInPlaceSave_isFoundAndRestored_data()
{
    QTest::addColumn<QString>("openedBy"); // the name the next start uses
    QTest::newRow("same name") << u"archive"_s;
    QTest::newRow("a symbolic link") << u"symlink"_s;
    QTest::newRow("a hard link") << u"hardlink"_s;
}

// A save killed halfway leaves the marker, found by any name of the archive; the copy brings the
// archive back.
void TestFileSafety::interruptedInPlaceSave_isFoundAndRestored()
{
    QFETCH(QString, openedBy);
    const QString archive = archivePath(dir_->path() + u'/');
    QVERIFY(writeFile(archive, QByteArray(3 * kRecordSize, 'x')));
    InPlaceCopy copy(archive, InPlaceCopy::defaultFolder());
    QVERIFY(!copy.interrupted());
    QVERIFY(copy.keep());
    QVERIFY(writeFile(archive, QByteArray(kRecordSize + 7, 'y'))); // the killed save's half
    const QByteArray name = QFile::encodeName(openedBy == u"archive" ? archive : path(u"other.RMA"_s));
    if (openedBy == u"symlink")
        QCOMPARE(::symlink(QFile::encodeName(archive).constData(), name.constData()), 0);
    else if (openedBy == u"hardlink")
        QCOMPARE(::link(QFile::encodeName(archive).constData(), name.constData()), 0);
    InPlaceCopy found(QFile::decodeName(name), InPlaceCopy::defaultFolder());
    QVERIFY(found.interrupted());
    QCOMPARE(found.restore(), std::nullopt);
    QCOMPARE(readFileBytes(archive), QByteArray(3 * kRecordSize, 'x'));
    QVERIFY(!copy.interrupted());
    QCOMPARE(readFileBytes(copy.copyPath()), QByteArray(3 * kRecordSize, 'x'));
}

void TestFileSafety::inPlaceSave_neverReplacesACopyStillNeeded_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("declined at the start") << u"declined"_s;
    QTest::newRow("saved without being asked") << u"marker stands"_s;
    QTest::newRow("loaded from a damaged archive") << u"damaged"_s;
}

// The copy from before an unfinished save, or of the last good archive, moves to a dated name; the
// next in-place save makes a fresh copy beside it and leaves it alone.
void TestFileSafety::inPlaceSave_neverReplacesACopyStillNeeded()
{
    QFETCH(QString, situation);
    const QString archive = archivePath(dir_->path() + u'/');
    const QByteArray good(3 * kRecordSize, 'g');
    QVERIFY(writeFile(archive, good));
    QVERIFY(QFile::setPermissions(archive, kOpenToAll));
    InPlaceCopy copy(archive, InPlaceCopy::defaultFolder());
    QVERIFY(copy.keep());
    const QString aside = copy.asidePath();
    QVERIFY(aside.contains(u"-kept-"_s) && aside != copy.copyPath());
    const QByteArray damaged = situation == u"damaged" ? good + "tail" : QByteArray(kRecordSize, 'h');
    if (situation == u"damaged")
        copy.forget(); // the save ended well, and the archive was damaged afterwards
    QVERIFY(writeFile(archive, damaged));
    if (situation == u"declined")
        QCOMPARE(copy.setAside(), aside);
    QVERIFY(QFile::setPermissions(copy.copyPath().section(u'/', 0, -2), kOpenToAll));
    Catalogue catalogue;
    QVERIFY(loadArchive(catalogue, archive).readable());
    QVERIFY(QFile::setPermissions(dir_->path(), kReadOnlyFolder));

    const int saved =
        testsupport::runUnprivileged([&] { return int(writeArchive(catalogue, archive).saved); });
    QVERIFY(QFile::setPermissions(dir_->path(), kOpenToAll));
    QCOMPARE(saved, 1);
    QCOMPARE(readFileBytes(aside), good);
    QCOMPARE(readFileBytes(copy.copyPath()), damaged);
    QVERIFY(!copy.interrupted());
    QCOMPARE(InPlaceCopy::filesOf(archive).size(), 2);
}

void TestFileSafety::leftovers_onlyThoseOfSavesAreRemoved_data()
{
    QTest::addColumn<QString>("name"); // "@": the name of the archive's in-place copy
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("removed");
    QTest::newRow("new archive") << u"u.RMA.~rm.new-0123456789abcdef"_s << false << true;
    QTest::newRow("held backup") << u"u.RMA.~rm.bak-fedcba9876543210"_s << false << true;
    QTest::newRow("in-place copy") << u"@.~rm.new-00000000deadbeef"_s << false << true;
    QTest::newRow("in-place marker") << u"@.saving.~rm.new-00000000deadbeef"_s << false << true;
    for (const char* other : {"u.RMA.bak-old", "u.RMA.bak-2024", "u.RMA.bak-vorher", "u.RMA.new-version",
                              "@.new-1x9a", "u.RMA.~rm.new-0123456789abcde", "u.RMA.~rm.new-0123456789ABCDEF",
                              "other.RMA.~rm.new-0123456789abcdef"})
        QTest::newRow(other) << QString::fromLatin1(other) << false << false;
    QTest::newRow("a link") << u"u.RMA.~rm.new-0123456789abcdef"_s << true << false;
}

void TestFileSafety::leftovers_onlyThoseOfSavesAreRemoved()
{
    QFETCH(QString, name);
    QFETCH(bool, link);
    QFETCH(bool, removed);
    const QString archive = path(u"u.RMA"_s);
    QVERIFY(writeFile(archive, {}));
    InPlaceCopy copy(archive, InPlaceCopy::defaultFolder());
    const QString file = name.startsWith(u'@') ? copy.copyPath() + name.sliced(1) : path(name);
    QVERIFY(QDir().mkpath(InPlaceCopy::defaultFolder()));
    if (link)
        QCOMPARE(::symlink("target", QFile::encodeName(file).constData()), 0);
    else
        QVERIFY(writeFile(file, "half"));

    QCOMPARE(removeSaveLeftovers(archive) + copy.removeLeftovers(), removed ? 1 : 0);
    QCOMPARE(typeOf(file) != 0, !removed);
    QVERIFY(QFile::exists(archive));
    QFile::remove(file);
}

void TestFileSafety::ownerTextUnwritable_leavesNoEmptyLockFile_data()
{
    QTest::addColumn<bool>("leftEmpty"); // a full-disk session before left an empty lock file
    QTest::newRow("none there") << false;
    QTest::newRow("an empty one left") << true;
}

// The lock still holds; only the file that tells who holds it is not kept empty.
void TestFileSafety::ownerTextUnwritable_leavesNoEmptyLockFile()
{
    QFETCH(bool, leftEmpty);
    testsupport::Tmpfs disk(32 * 1024);
    if (!disk.isMounted())
        QSKIP("no tmpfs can be mounted here");
    const QString archive = archivePath(disk.path() + u'/');
    QVERIFY(writeFile(archive, QByteArray(kRecordSize, 'r')));
    if (leftEmpty)
        QVERIFY(writeFile(archive + u".lock"_s, {}));
    QFile filler(disk.filePath(u"filler"_s));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
    }

    ArchiveLock lock(archive);
    QCOMPARE(lock.acquire(), ArchiveLock::Held);
    QVERIFY(!QFile::exists(lock.lockFilePath()));
}

void TestFileSafety::readRegularFile_stopsAtItsLimit()
{
    const QString file = path(u"data.csv"_s);
    QVERIFY(writeFile(file, QByteArray(2000, 'c')));
    QCOMPARE(readRegularFile(file, 2000).bytes, QByteArray(2000, 'c'));
    const FileContents tooLarge = readRegularFile(file, 1999);
    QVERIFY(tooLarge.bytes.isEmpty());
    QVERIFY(!tooLarge.error.isEmpty());
}

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
