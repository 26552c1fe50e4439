#include "DriverChild.h"
#include "XServer.h"
#include "XdoTool.h"

#include "catalogue/FilmRecord.h"
#include "catalogue/RecordText.h"
#include "support/Records.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

constexpr int kStepMs = 10000;
constexpr int kStartMs = 30000;
const QString kLanguageTitle = u"Wählen Sie Ihre Sprache/Choose your Language"_s;

// The command of the desktop entry's Exec line, without its field codes (%f and the like).
QStringList execLine(const QString& desktopEntry)
{
    QFile file(desktopEntry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u"Exec="_s)) {
            QStringList words = line.mid(5).split(u' ', Qt::SkipEmptyParts);
            words.removeIf([](const QString& word) { return word.startsWith(u'%'); });
            return words;
        }
    }
    return {};
}

} // namespace

// The Debian package as a user gets it: unpacked into a root of its own, started from its menu
// entry's command under an X server with a home of its own. The first start asks for the language,
// a cassette is created, the program is left, and the archive is found in the per-user data folder.
class TestPackage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installedProgram_savesInUserDataFolder();
};

void TestPackage::installedProgram_savesInUserDataFolder()
{
    const QStringList packages = QDir(QStringLiteral(RM_PACKAGE_DIR)).entryList({u"*.deb"_s}, QDir::Files);
    QVERIFY2(packages.size() == 1,
             qPrintable(u"one package expected in "_s + QStringLiteral(RM_PACKAGE_DIR)));
    const QString xvfb = QStandardPaths::findExecutable(u"Xvfb"_s);
    const QString xdotool = QStandardPaths::findExecutable(u"xdotool"_s);
    QVERIFY2(!xvfb.isEmpty() && !xdotool.isEmpty(),
             "Xvfb and xdotool are needed: run scripts/install-deps.sh");

    QTemporaryDir dir;
    const QString root = dir.filePath(u"root"_s);
    const QString home = dir.filePath(u"home"_s);
    QVERIFY(QDir().mkpath(home) && QDir().mkpath(dir.filePath(u"runtime"_s)));
    QCOMPARE(QProcess::execute(u"dpkg-deb"_s,
                               {u"-x"_s, QDir(QStringLiteral(RM_PACKAGE_DIR)).filePath(packages[0]), root}),
             0);
    const QStringList command = execLine(root + u"/usr/share/applications/reelminder.desktop"_s);
    QVERIFY2(command.size() == 1, qPrintable(command.join(u' ')));

    e2e::XServer server;
    QVERIFY2(server.start(xvfb, dir.filePath(u"xvfb.log"_s), kStepMs), qPrintable(server.error()));
    e2e::XdoTool xdo(xdotool, server.display());

    QProcessEnvironment env;
    env.insert(u"PATH"_s, root + u"/usr/bin:/usr/bin:/bin"_s);
    env.insert(u"HOME"_s, home);
    env.insert(u"LANG"_s, u"C.UTF-8"_s); // as a desktop session sets it
    env.insert(u"DISPLAY"_s, server.display());
    env.insert(u"XDG_RUNTIME_DIR"_s, dir.filePath(u"runtime"_s));
    env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(home);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.setStandardOutputFile(dir.filePath(u"program.log"_s));
    e2e::tieToDriver(program);
    program.start(QStandardPaths::findExecutable(command[0], {root + u"/usr/bin"_s}), {});
    QVERIFY(program.waitForStarted(kStepMs));

    const auto running = [&] {
        program.waitForFinished(0);
        return program.state() != QProcess::NotRunning;
    };
    const auto failure = [&](const QString& step) {
        return (step + u": "_s + xdo.error() + u"; windows: "_s + xdo.visibleTitles().join(u" | "_s) +
                u"; output: "_s +
                QString::fromLocal8Bit(testsupport::readFileBytes(dir.filePath(u"program.log"_s))))
            .toLocal8Bit();
    };
    const QString languageDialog = xdo.waitForWindow(kLanguageTitle, kStartMs, running);
    QVERIFY2(!languageDialog.isEmpty(), failure(u"language dialog"_s).constData());
    // Keys pressed while the dialog is still being mapped can go astray; then it stays open, and the
    // choice is made again.
    bool chosen = false;
    for (int attempt = 0; attempt < 3 && !chosen; ++attempt)
        chosen = xdo.pressKeys(languageDialog, {u"alt+e"_s, u"Return"_s}) &&
                 xdo.waitUntilGone(kLanguageTitle, 2000);
    QVERIFY2(chosen, failure(u"choosing English"_s).constData());
    const QString mainWindow = xdo.waitForWindow(u"reelMINDER/32 2.01"_s, kStepMs, running);
    QVERIFY2(!mainWindow.isEmpty(), failure(u"main window"_s).constData());
    QVERIFY2(xdo.pressKeys(mainWindow, {u"alt+n"_s}), failure(u"Alt+N"_s).constData());
    const QString cassetteDialog = xdo.waitForWindow(u"Create new Tape"_s, kStepMs, running);
    QVERIFY2(!cassetteDialog.isEmpty() && xdo.typeText(cassetteDialog, u"Urlaub"_s) &&
                 xdo.pressKeys(cassetteDialog, {u"Tab"_s, u"2"_s, u"4"_s, u"0"_s, u"Return"_s}) &&
                 xdo.waitUntilGone(u"Create new Tape"_s, kStepMs),
             failure(u"cassette dialog"_s).constData());
    QVERIFY2(xdo.pressKeys(mainWindow, {u"Escape"_s}), failure(u"Escape"_s).constData());
    const QString exitQuestion = xdo.waitForWindow(u"Exit reelMINDER/32"_s, kStepMs, running);
    QVERIFY2(!exitQuestion.isEmpty() && xdo.pressKeys(exitQuestion, {u"alt+y"_s}),
             failure(u"exit question"_s).constData());
    QVERIFY2(program.waitForFinished(kStepMs), "the program did not end after the exit was confirmed");
    QCOMPARE(program.exitCode(), 0);

    QFile archive(home + u"/.local/share/Kestro/ReelMinder/ReelMinder-Archiv.RMA"_s);
    QVERIFY2(archive.open(QIODevice::ReadOnly), qPrintable(archive.errorString()));
    const QByteArray bytes = archive.readAll();
    QCOMPARE(bytes.size(), qsizetype(catalogue::kRecordSize));
    catalogue::FilmRecord record{};
    std::memcpy(&record, bytes.constData(), catalogue::kRecordSize);
    QCOMPARE(catalogue::tapeNameText(record), u"Urlaub"_s);
    QCOMPARE(int(record.tapeLength), 240);
    QVERIFY2(!QFile::exists(root + u"/usr/bin/ReelMinder-Archiv.RMA"_s),
             "archive written beside the program");
    QCOMPARE(
        QSettings(home + u"/.config/Kestro/ReelMinder.conf"_s, QSettings::IniFormat).value(u"2.0/Language"_s),
        QVariant(u"0"_s));
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
