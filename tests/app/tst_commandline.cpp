#include "app/ArchiveLocation.h"
#include "app/CommandLine.h"
#include "catalogue/Archive.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
};

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
    QTest::newRow("german help") << QStringList{u"-h"_s, u"--language"_s, u"de"_s} << 0
                                 << u"--archive <Datei>"_s << QString();
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << 2 << QString() << u"'bogus'"_s;
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
    QTest::addColumn<bool>("writableArchiveThere");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("beside");

    QTest::newRow("writable folder") << true << false << false << true;
    QTest::newRow("read-only folder") << false << false << false << false;
    QTest::newRow("read-only folder, writable archive") << false << true << false << true;
    QTest::newRow("installed, writable folder") << true << false << true << false;
}

// As an unprivileged user, for whom folder permissions hold.
void TestCommandLine::archivePlace()
{
    QFETCH(bool, folderWritable);
    QFETCH(bool, writableArchiveThere);
    QFETCH(bool, installed);
    QFETCH(bool, beside);

    QTemporaryDir root;
    const QString programDir = root.filePath(u"usr/bin/"_s);
    const QString userDataDir = root.filePath(u"home/.local/share/Kestro/ReelMinder/"_s);
    QVERIFY(QDir().mkpath(programDir) && QDir().mkpath(root.filePath(u"usr/share/applications"_s)));
    if (installed)
        QVERIFY(
            QFile(root.filePath(u"usr/share/applications/reelminder.desktop"_s)).open(QIODevice::WriteOnly));
    if (writableArchiveThere) {
        QFile archive(catalogue::archivePath(programDir));
        QVERIFY(archive.open(QIODevice::WriteOnly));
        QVERIFY(archive.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ReadOther | QFileDevice::WriteOther));
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

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
