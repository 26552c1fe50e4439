#include "app/ArchiveLocation.h"
#include "app/CommandLine.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "storage/Archive.h"
#include "storage/ArchiveLock.h"
#include "storage/Generations.h"
#include "storage/InPlaceCopy.h"
#include "storage/SaveTarget.h"
#include "support/Records.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Action = app::CommandLine::Action;

// What the command line asks for, how the program answers on a terminal, and where the archive
// lives when the command line names none.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void terminalAnswers_data();
    void terminalAnswers();
    void archivePlace_data();
    void archivePlace();
    void csvRoundTrip_givesBackEveryCassetteAndFilm();
    void importCsv_refusesWhatItCannotAdd_data();
    void importCsv_refusesWhatItCannotAdd();
    void exportCsv_refusesTheArchiveFiles_data();
    void exportCsv_refusesTheArchiveFiles();
    void importCsv_withoutALock_warnsAndImports_data();
    void importCsv_withoutALock_warnsAndImports();
    void importCsv_statusTellsWhatWasTaken_data();
    void importCsv_statusTellsWhatWasTaken();
    void backups_statusTellsWhatWasDone_data();
    void backups_statusTellsWhatWasDone();

private:
    // The real program without a display, in a home of its own; its exit status, output on out (and the
    // error output too unless err is given).
    int runProgram(const QStringList& arguments, QString* out = nullptr, QString* err = nullptr);
    QTemporaryDir home_;
};

int TestCommandLine::runProgram(const QStringList& arguments, QString* out, QString* err)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, home_.filePath(u"config"_s));
    environment.insert(u"XDG_DATA_HOME"_s, home_.filePath(u"data"_s));
    environment.insert(u"LANG"_s, u"C.UTF-8"_s);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RM_PROGRAM), QStringList{u"--language"_s, u"en"_s} + arguments);
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit)
        return -1;
    const QByteArray errorBytes = program.readAllStandardError();
    if (err)
        *err = QString::fromUtf8(errorBytes);
    if (out)
        *out = QString::fromUtf8(program.readAllStandardOutput() + (err ? QByteArray() : errorBytes));
    return program.exitCode();
}

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("archive");
    QTest::addColumn<int>("language");     // -1: none given
    QTest::addColumn<bool>("lastNotText"); // the last argument's bytes were no valid text

    const QString absolute = QDir::current().absoluteFilePath(u"films.RMA"_s);
    QTest::newRow("nothing") << QStringList{} << Action::Run << QString() << -1 << false;
    QTest::newRow("relative archive")
        << QStringList{u"--archive"_s, u"films.RMA"_s} << Action::Run << absolute << -1 << false;
    QTest::newRow("file from the menu")
        << QStringList{u"films.RMA"_s} << Action::Run << absolute << -1 << false;
    QTest::newRow("german, toolkit option") << QStringList{u"--language=de"_s, u"-platform"_s, u"offscreen"_s}
                                            << Action::Run << QString() << 1 << false;
    QTest::newRow("english") << QStringList{u"-language"_s, u"en"_s} << Action::Run << QString() << 0
                             << false;
    QTest::newRow("csv to standard output")
        << QStringList{u"--export-csv"_s, u"-"_s} << Action::ExportCsv << QString() << -1 << false;
    QTest::newRow("web page to standard output")
        << QStringList{u"--export-html"_s, u"-"_s} << Action::ExportHtml << QString() << -1 << false;
    QTest::newRow("web page and csv")
        << QStringList{u"--export-html=a"_s, u"--export-csv=b"_s} << Action::Fail << QString() << -1 << false;
    QTest::newRow("two archives") << QStringList{u"--archive"_s, u"a"_s, u"b"_s} << Action::Fail << QString()
                                  << -1 << false;
    QTest::newRow("missing folder") << QStringList{u"--archive"_s, u"/no/such/folder/x.RMA"_s} << Action::Fail
                                    << QString() << -1 << false;
    QTest::newRow("empty archive name")
        << QStringList{u"--archive="_s} << Action::Fail << QString() << -1 << false;
    // "caf\xe9.RMA": read as text it would name another file.
    QTest::newRow("archive name not valid text")
        << QStringList{u"--archive"_s, u"caf\uFFFD.RMA"_s} << Action::Fail << QString() << -1 << true;
    QTest::newRow("csv name not valid text")
        << QStringList{u"--export-csv=caf\uFFFD.csv"_s} << Action::Fail << QString() << -1 << true;
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, archive);
    QFETCH(int, language);
    QFETCH(bool, lastNotText);

    const app::CommandLine result =
        app::parseCommandLine(QStringList{u"reelminder"_s} + arguments,
                              lastNotText ? QStringList{arguments.last()} : QStringList());
    QCOMPARE(result.action, action);
    QCOMPARE(result.archive, archive);
    QCOMPARE(result.language.has_value() ? int(*result.language) : -1, language);
}

// The real program, so that the exit statuses and streams are those a script sees; none of these
// needs a display.
void TestCommandLine::terminalAnswers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errorOutput");

    QTest::newRow("version") << QStringList{u"--version"_s} << 0 << u"reelMINDER/32 2.01\n"_s << QString();
    QTest::newRow("help") << QStringList{u"--help"_s} << 0 << u"--archive <file>"_s << QString();
    QTest::newRow("help names the web page")
        << QStringList{u"--help"_s} << 0 << u"--export-html <file>"_s << QString();
    QTest::newRow("german help") << QStringList{u"-h"_s, u"--language"_s, u"de"_s} << 0
                                 << u"--archive <Datei>"_s << QString();
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << 2 << QString() << u"'bogus'"_s;
    QTest::newRow("web page of no archive")
        << QStringList{u"--archive"_s, home_.filePath(u"none.RMA"_s), u"--export-html"_s, u"-"_s} << 1
        << QString() << u"There is no archive"_s;
    QTest::newRow("no value") << QStringList{u"--archive"_s} << 2 << QString() << u"--help"_s;
    QTest::newRow("bad language") << QStringList{u"--language"_s, u"fr"_s} << 2 << QString() << u"'fr'"_s;
}

void TestCommandLine::terminalAnswers()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errorOutput);

    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"DISPLAY"_s);
    environment.remove(u"QT_QPA_PLATFORM"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, home.path());
    environment.insert(u"LANG"_s, u"C.UTF-8"_s);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(RM_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(10000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(output.isEmpty() ? out.isEmpty() : out.contains(output), qPrintable(out));
    QVERIFY2(errorOutput.isEmpty() ? err.isEmpty() : err.contains(errorOutput), qPrintable(err));
}

void TestCommandLine::archivePlace_data()
{
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<int>("archiveThere"); // 0 none, 1 writable, 2 read-only
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("beside");

    QTest::newRow("writable folder") << true << 0 << false << true;
    QTest::newRow("read-only folder") << false << 0 << false << false;
    QTest::newRow("read-only folder, writable archive") << false << 1 << false << true;
    // A write-protected stick: its catalogue, not an empty one elsewhere.
    QTest::newRow("read-only folder, read-only archive") << false << 2 << false << true;
    QTest::newRow("installed, archive beside") << true << 1 << true << false;
}

// As an unprivileged user, for whom folder permissions hold.
void TestCommandLine::archivePlace()
{
    QFETCH(bool, folderWritable);
    QFETCH(int, archiveThere);
    QFETCH(bool, installed);
    QFETCH(bool, beside);

    QTemporaryDir root;
    const QString programDir = root.filePath(u"usr/bin/"_s);
    const QString userDataDir = root.filePath(u"home/.local/share/Kestro/ReelMinder/"_s);
    QVERIFY(QDir().mkpath(programDir) && QDir().mkpath(root.filePath(u"usr/share/applications"_s)));
    if (installed)
        QVERIFY(
            QFile(root.filePath(u"usr/share/applications/reelminder.desktop"_s)).open(QIODevice::WriteOnly));
    if (archiveThere > 0) {
        QFile archive(catalogue::archivePath(programDir));
        QVERIFY(archive.open(QIODevice::WriteOnly));
        const auto readable = QFileDevice::ReadOwner | QFileDevice::ReadOther;
        QVERIFY(archive.setPermissions(
            archiveThere == 1 ? readable | QFileDevice::WriteOwner | QFileDevice::WriteOther : readable));
    }
    const auto open = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                      QFileDevice::ReadOther | QFileDevice::ExeOther;
    for (const QString& folder : {root.path(), root.filePath(u"usr"_s), programDir})
        QVERIFY(QFile::setPermissions(folder, folderWritable ? open | QFileDevice::WriteOther : open));

    const QString expected = catalogue::archivePath(beside ? programDir : userDataDir);
    const int chosenRight = testsupport::runUnprivileged(
        [&] { return app::chooseArchivePath(programDir, userDataDir) == expected ? 0 : 1; });
    QCOMPARE(chosenRight, 0);
}

// Export, then import into a new archive: the same cassettes and films, every field, in the same
// order, names differing in letter case only and films without a year among them.
void TestCommandLine::csvRoundTrip_givesBackEveryCassetteAndFilm()
{
    using catalogue::FilmRecord;
    const auto film = [](const QString& tape, int tapeLength, const QString& title, int length, int year) {
        FilmRecord r = testsupport::makeRecord(tape, tapeLength, title, length, quint8(year % 2));
        r.year = quint16(year);
        catalogue::setText(r.country, u"Österreich"_s);
        catalogue::setText(r.director, u"=Regie"_s);
        catalogue::setText(r.genre, u"Komödie"_s);
        catalogue::setText(r.actors, u"Anna, \"Ben\"\r\nCarla"_s);
        catalogue::setText(r.story, u"+Erst das, dann jenes; \u20AC 5"_s);
        r.seen = 1;
        r.deletable = quint8(length % 2);
        return r;
    };
    const std::vector<FilmRecord> records = {
        film(u"abc"_s, 240, u"Eins"_s, 90, 1975), film(u"abc"_s, 240, u"Ohne Jahr"_s, 60, 0),
        film(u"ABC"_s, 180, u"Drei"_s, 101, 2001), testsupport::makeRecord(u"Leer"_s, 120),
        film(u"Abc "_s, 90, u"-minus"_s, 45, 0)};
    const QString exported = home_.filePath(u"a.RMA"_s);
    const QString imported = home_.filePath(u"b.RMA"_s);
    const QString csv = home_.filePath(u"a.csv"_s);
    QVERIFY(testsupport::writeArchive(exported, records));
    QCOMPARE(runProgram({u"--archive"_s, exported, u"--export-csv"_s, csv}), 0);
    QString summary;
    QCOMPARE(runProgram({u"--archive"_s, imported, u"--import-csv"_s, csv}, &summary), 0);
    QVERIFY2(summary.contains(u"4 cassettes created."_s) && summary.contains(u"4 films added."_s),
             qPrintable(summary));
    QVERIFY2(!summary.contains(u"cannot be locked"_s), qPrintable(summary));

    catalogue::Catalogue before;
    catalogue::Catalogue after;
    QVERIFY(catalogue::loadArchive(before, exported).sizeOk);
    QVERIFY(catalogue::loadArchive(after, imported).sizeOk);
    QCOMPARE(after.recordCount(), before.recordCount());
    for (const FilmRecord *b = before.head(), *a = after.head(); b && a; b = b->next, a = a->next) {
        FilmRecord expected = *b;
        FilmRecord actual = *a;
        expected.prev = expected.next = actual.prev = actual.next = nullptr;
        QCOMPARE(testsupport::recordImage(actual), testsupport::recordImage(expected));
    }
    QVERIFY(QFile::exists(imported));
}

void TestCommandLine::importCsv_refusesWhatItCannotAdd_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("situation"); // held by another copy, an interrupted save, or neither
    QTest::addColumn<QString>("openedBy");  // the name given for the archive
    QTest::addColumn<QString>("says");
    const QByteArray header =
        "Cassette,Cassette length,Title,Year,Country,Length,Director,Actors,Genre,Story,"
        "Long-play,Black/white,Seen,Deletable\r\n";
    const QByteArray fits = header + "Neu,100,Kurz,1990,,90,,,,,0,0,0,0\r\n";
    QTest::newRow("only a header") << header << QString() << u"archive"_s << u"Nothing was added"_s;
    QTest::newRow("no row taken") << header + "Neu,10,Lang,1990,,0,,,,,0,0,0,0\r\n"
                                  << QString() << u"archive"_s << u"line 2"_s;
    QTest::newRow("held by another copy") << fits << u"held"_s << u"archive"_s << u"already open"_s;
    QTest::newRow("interrupted save, through a symbolic link")
        << fits << u"interrupted"_s << u"symlink"_s << u"was interrupted"_s;
    QTest::newRow("interrupted save, through a hard link")
        << fits << u"interrupted"_s << u"hardlink"_s << u"was interrupted"_s;
}

void TestCommandLine::importCsv_refusesWhatItCannotAdd()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, situation);
    QFETCH(QString, openedBy);
    QFETCH(QString, says);
    const QString archive = home_.filePath(u"kept.RMA"_s);
    const QByteArray kept = testsupport::recordImage(testsupport::makeRecord(u"Alt"_s, 60));
    QVERIFY(testsupport::writeArchive(archive, {testsupport::makeRecord(u"Alt"_s, 60)}));
    const QString file = home_.filePath(u"in.csv"_s);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(csv) == csv.size());
    out.close();
    catalogue::ArchiveLock otherCopy(archive);
    if (situation == u"held")
        QCOMPARE(otherCopy.acquire(), catalogue::ArchiveLock::Held);
    // The copies folder of the program run below, in its own home.
    catalogue::InPlaceCopy copy(archive, home_.filePath(u"data/Kestro/ReelMinder/in-place-copies"_s));
    const auto noMarker = qScopeGuard([&copy] { copy.forget(); });
    if (situation == u"interrupted")
        QVERIFY(copy.keep());
    const QString name = openedBy == u"archive" ? archive : home_.filePath(u"other.RMA"_s);
    if (name != archive)
        QFile::remove(name);
    if (openedBy == u"symlink")
        QCOMPARE(::symlink(QFile::encodeName(archive).constData(), QFile::encodeName(name).constData()), 0);
    else if (openedBy == u"hardlink")
        QCOMPARE(::link(QFile::encodeName(archive).constData(), QFile::encodeName(name).constData()), 0);
    QString output;
    QCOMPARE(runProgram({u"--archive"_s, name, u"--import-csv"_s, file}, &output), 1);
    QVERIFY2(output.contains(says), qPrintable(output));
    QCOMPARE(testsupport::readFileBytes(archive), kept);
}

void TestCommandLine::exportCsv_refusesTheArchiveFiles_data()
{
    QTest::addColumn<QString>("target"); // "copy" lies in the folder of in-place copies
    QTest::addColumn<QString>("linkTo"); // what target is made a link to: "symbolic:" or "hard:" and a name
    QTest::addColumn<QString>("says");
    QTest::newRow("archive") << u"films.RMA"_s << QString() << u"is the archive of"_s;
    QTest::newRow("symbolic link") << u"a.csv"_s << u"symbolic:films.RMA"_s << u"is the archive of"_s;
    QTest::newRow("hard link") << u"a.csv"_s << u"hard:films.RMA"_s << u"is the archive of"_s;
    QTest::newRow("backup") << u"films.RMA.bak"_s << QString() << u"backup"_s;
    QTest::newRow("backup yet to be made") << u"a.csv"_s << u"symbolic:films.RMA.bak"_s << u"backup"_s;
    QTest::newRow("lock file") << u"films.RMA.lock"_s << QString() << u"lock file"_s;
    QTest::newRow("kept copy") << u"copy"_s << QString() << u"copy of an archive"_s;
    QTest::newRow("kept copy, hard link") << u"a.csv"_s << u"hard:copy"_s << u"copy of an archive"_s;
    QTest::newRow("a generation's file") << u"generation"_s << QString() << u"copy of an archive"_s;
}

// Whatever name leads there, an export never takes the place of what keeps the archive safe.
void TestCommandLine::exportCsv_refusesTheArchiveFiles()
{
    QFETCH(QString, target);
    QFETCH(QString, linkTo);
    QFETCH(QString, says);
    QTemporaryDir dir;
    const QString copies = home_.filePath(u"data/Kestro/ReelMinder/in-place-copies"_s);
    QVERIFY(QDir().mkpath(copies));
    const QString generations = home_.filePath(u"data/Kestro/ReelMinder/backups/films"_s);
    QVERIFY(QDir().mkpath(generations));
    const auto place = [&](const QString& name) {
        return QDir(name == u"copy"_s         ? copies
                    : name == u"generation"_s ? generations
                                              : dir.path())
            .filePath(name);
    };
    const QString archive = place(u"films.RMA"_s);
    QVERIFY(testsupport::writeArchive(archive, {testsupport::makeRecord(u"Alt"_s, 60)}));
    QStringList made{u"films.RMA.lock"_s, u"copy"_s, u"generation"_s};
    // The backup only where the row asks for it: otherwise it is yet to be made.
    if (target.endsWith(u".bak"_s))
        made.append(target);
    for (const QString& name : made) {
        QFile file(place(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
    }
    const QString path = place(target);
    const QByteArray linked = QFile::encodeName(place(linkTo.section(u':', 1)));
    if (linkTo.startsWith(u"symbolic:"_s))
        QCOMPARE(::symlink(linked.constData(), QFile::encodeName(path).constData()), 0);
    else if (linkTo.startsWith(u"hard:"_s))
        QCOMPARE(::link(linked.constData(), QFile::encodeName(path).constData()), 0);
    const auto everyFile = [&] {
        QMap<QString, QByteArray> files;
        for (const QString& folder : {dir.path(), copies, generations}) {
            for (const QString& name : QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden))
                files.insert(folder + u'/' + name, testsupport::readFileBytes(folder + u'/' + name));
        }
        return files;
    };
    const QMap<QString, QByteArray> before = everyFile();

    QString errors;
    QCOMPARE(runProgram({u"--archive"_s, archive, u"--export-csv"_s, path}, nullptr, &errors), 1);
    QVERIFY2(errors.contains(says), qPrintable(errors));
    QVERIFY(everyFile() == before);
}

void TestCommandLine::importCsv_withoutALock_warnsAndImports_data()
{
    QTest::addColumn<QString>("lockFile");
    QTest::newRow("symbolic link") << u"link"_s;
    QTest::newRow("folder") << u"folder"_s;
    QTest::newRow("FIFO") << u"FIFO"_s;
}

// No archive yet and nothing to lock in its stead: the import goes on, as the window would, but says so.
void TestCommandLine::importCsv_withoutALock_warnsAndImports()
{
    QFETCH(QString, lockFile);
    QTemporaryDir dir;
    const QString archive = dir.filePath(u"new.RMA"_s);
    const QByteArray lock = QFile::encodeName(archive + u".lock"_s);
    if (lockFile == u"link"_s)
        QCOMPARE(::symlink("elsewhere", lock.constData()), 0);
    else if (lockFile == u"folder"_s)
        QCOMPARE(::mkdir(lock.constData(), 0755), 0);
    else
        QCOMPARE(::mkfifo(lock.constData(), 0644), 0);
    const QString csv = dir.filePath(u"in.csv"_s);
    QFile out(csv);
    QVERIFY(out.open(QIODevice::WriteOnly) &&
            out.write("Cassette,Cassette length,Title,Year,Country,Length,Director,"
                      "Actors,Genre,Story,Long-play,Black/white,Seen,"
                      "Deletable\r\nNeu,100,Kurz,1990,,90,,,,,0,0,0,0\r\n") > 0);
    out.close();

    QString errors;
    QCOMPARE(runProgram({u"--archive"_s, archive, u"--import-csv"_s, csv}, nullptr, &errors), 0);
    QVERIFY2(errors.contains(u"cannot be locked"_s), qPrintable(errors));
    QCOMPARE(testsupport::readFileBytes(archive).size(), qsizetype(catalogue::kRecordSize));
}

void TestCommandLine::importCsv_statusTellsWhatWasTaken_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // a part of the standard output
    QTest::addColumn<QString>("err"); // a part of the error output; none: it is empty
    QTest::newRow("every row, one over-full")
        << QByteArray("Neu,60,Lang,1990,,90,,,,,0,0,0,0\r\n") << 0
        << u"Note: the cassette \"Neu\" is over-full by 30 minutes, as the archive allows."_s << QString();
    QTest::newRow("a row skipped")
        << QByteArray("Neu,60,Kurz,1990,,9,,,,,0,0,0,0\r\nNeu,60,X,1990,,0,,,,,0,0,0,0\r\n") << 3
        << u"1 film added."_s << u"  line 3: The length \"0\""_s;
    QTest::newRow("nothing added") << QByteArray("Neu,60,X,1990,,0,,,,,0,0,0,0\r\n") << 1
                                   << u"0 films added."_s << u"Nothing was added"_s;
}

// 0 when every row was taken, 3 when some were skipped (each named on the error output), 1 when none.
void TestCommandLine::importCsv_statusTellsWhatWasTaken()
{
    QFETCH(QByteArray, rows);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const QString file = home_.filePath(u"status.csv"_s);
    QFile csv(file);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Cassette,Cassette length,Title,Year,Country,Length,Director,Actors,Genre,Story,Long-play,"
              "Black/white,Seen,Deletable\r\n" +
              rows);
    csv.close();
    QString output;
    QString errors;
    const QString archive = home_.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".RMA"_s);
    QCOMPARE(runProgram({u"--archive"_s, archive, u"--import-csv"_s, file}, &output, &errors), status);
    QVERIFY2(output.contains(out), qPrintable(output));
    QVERIFY2(err.isEmpty() ? errors.isEmpty() : errors.contains(err), qPrintable(errors));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

void TestCommandLine::backups_statusTellsWhatWasDone_data()
{
    QTest::addColumn<QString>("situation"); // "none", "held", "damaged" or neither
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");
    QTest::addColumn<bool>("restored"); // the archive holds the older generation afterwards

    const QStringList list{u"--list-backups"_s};
    const QStringList older{u"--restore-backup"_s, u"2"_s};
    QTest::newRow("none kept") << u"none"_s << list << 0 << u"No backups"_s << false;
    QTest::newRow("listed newest first") << QString() << list << 0 << u"  1  "_s << false;
    QTest::newRow("restored") << QString() << older << 0 << u"now holds"_s << true;
    QTest::newRow("no such backup") << QString() << QStringList{u"--restore-backup"_s, u"3"_s} << 1
                                    << u"no backup 3"_s << false;
    QTest::newRow("held by another copy") << u"held"_s << older << 1 << u"is open"_s << false;
    QTest::newRow("damaged: listed") << u"damaged"_s << list << 0 << u"damaged (its size is wrong)"_s
                                     << false;
    QTest::newRow("damaged: refused") << u"damaged"_s << older << 1 << u"is unchanged"_s << false;
    QTest::newRow("no number") << QString() << QStringList{u"--restore-backup"_s, u"0"_s} << 2 << u"from 1"_s
                               << false;
}

// The two commands as a script sees them: 0 or 1 and why; the archive changes only when restored.
void TestCommandLine::backups_statusTellsWhatWasDone()
{
    QFETCH(QString, situation);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    QFETCH(bool, restored);

    // Where the program run below keeps them, in its own home.
    class ProgramsBackups final : public catalogue::SaveTarget
    {
    public:
        explicit ProgramsBackups(const QString& root) : root_(root) {}
        QString generationsRoot() const override { return root_; }

    private:
        QString root_;
    } target(home_.filePath(u"data/Kestro/ReelMinder/backups"_s));
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString archive = folder.filePath(u"films.RMA"_s);
    QVERIFY(testsupport::writeArchive(archive, {testsupport::makeRecord(u"Alt"_s, 60)}));
    const QByteArray first = testsupport::readFileBytes(archive);
    if (situation != u"none"_s) {
        catalogue::Catalogue catalogue;
        QVERIFY(catalogue::loadArchive(catalogue, archive).sizeOk);
        QVERIFY(catalogue::writeArchive(catalogue, archive, target).saved);
        testsupport::appendRecord(catalogue, testsupport::makeRecord(u"Neu"_s, 90, u"Film"_s, 80));
        QVERIFY(catalogue::writeArchive(catalogue, archive, target).saved);
    }
    if (situation == u"damaged"_s) {
        const catalogue::Generations generations(archive, target.generationsRoot());
        QFile records(QDir(generations.folder()).filePath(generations.list().at(1).name + u".RMA"_s));
        QVERIFY(records.resize(records.size() + 1));
    }
    catalogue::ArchiveLock otherCopy(archive);
    if (situation == u"held"_s)
        QCOMPARE(otherCopy.acquire(), catalogue::ArchiveLock::Held);
    const QByteArray before = testsupport::readFileBytes(archive);

    QString output;
    QCOMPARE(runProgram(QStringList{u"--archive"_s, archive} + arguments, &output), exitCode);
    QVERIFY2(output.contains(says), qPrintable(output));
    QCOMPARE(testsupport::readFileBytes(archive), restored ? first : before);
}
