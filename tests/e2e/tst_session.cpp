#include "DriverChild.h"
#include "XServer.h"
#include "XdoTool.h"

#include "catalogue/FilmRecord.h"
#include "catalogue/RecordText.h"
#include "support/Records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

using catalogue::FilmRecord;
using namespace Qt::StringLiterals;

namespace {

const QString kMainTitle = u"reelMINDER/32 2.01"_s;
const QString kNewTapeTitle = u"Create new Tape"_s;
const QString kDeleteTitle = u"Deleting of a Videotape"_s;
const QString kExitTitle = u"Exit reelMINDER/32"_s;

const QString kNewTapeName = u"Sport 2024"_s;
constexpr int kNewTapeLength = 180;
const QString kDeletedTape = u"Serien"_s; // the second row

// The first window may take a while under the sanitizers; every later step is quick.
constexpr int kStartMs = 30000;
constexpr int kStepMs = 10000;

FilmRecord film(const QString& tape, int tapeLength, const QString& title, int length, int year,
                const QString& actors, quint8 longplay, quint8 seen)
{
    FilmRecord r = testsupport::makeRecord(tape, tapeLength, title, length, longplay);
    r.year = quint16(year);
    catalogue::setText(r.country, u"Deutschland"_s);
    catalogue::setText(r.director, u"H. Berger"_s);
    catalogue::setText(r.genre, u"Drama"_s);
    catalogue::setText(r.actors, actors);
    catalogue::setText(r.story, u"Zwei Nachbarn.\r\nEin Sommer."_s);
    r.seen = seen;
    r.blackWhite = year < 1960 ? 1 : 0;
    return r;
}

// Three cassettes in rows Spielfilme, Serien, Dokus; Dokus is empty and so a placeholder.
std::vector<FilmRecord> startArchive()
{
    return {
        film(u"Spielfilme"_s, 240, u"Am Fluss"_s, 95, 1987, u"A. Roth\r\nB. Klee"_s, 0, 1),
        film(u"Spielfilme"_s, 240, u"Nachtzug"_s, 121, 1958, u"C. Lenz"_s, 1, 0),
        film(u"Serien"_s, 180, u"Hafenwache 1"_s, 45, 1994, u"D. Maier"_s, 0, 1),
        film(u"Serien"_s, 180, u"Hafenwache 2"_s, 45, 1994, u"D. Maier"_s, 0, 0),
        film(u"Serien"_s, 180, u"Hafenwache 3"_s, 50, 1995, u"D. Maier"_s, 0, 0),
        testsupport::makeRecord(u"Dokus"_s, 300),
    };
}

FilmRecord recordAt(const QByteArray& archive, qsizetype index)
{
    FilmRecord r{};
    std::memcpy(&r, archive.constData() + index * qsizetype(catalogue::kRecordSize), catalogue::kRecordSize);
    return r;
}

} // namespace

// The real program under a private X server, driven from the keyboard through a whole session:
// start on a prepared archive, create a cassette, delete another, decline the exit once, then exit.
// What reaches the disk is checked record by record.
class TestSession final : public QObject
{
    Q_OBJECT

public:
    explicit TestSession(QString program) : program_(std::move(program)) {}

private Q_SLOTS:
    void initTestCase();
    void init();
    void keyboardSession_savesNewCassetteAndDropsDeletedOne();
    void sigterm_afterKeyboardChange_savesIt();
    void filmWindow_stepsToSecondFilmByKeyboard();
    void filmEditing_byKeyboard_reachesTheArchive();
    void search_byKeyboard_opensTheHit();
    void cleanup();

private:
    QString startProgram();
    QString createCassette();
    QString copiedText(const QString& window, const QString& fieldKey);
    void verifyArchive(const QByteArray& after, bool deleted);
    bool prepareFolders();
    QProcessEnvironment programEnvironment() const;
    bool programRunning();
    QString waitFor(const QString& title, int timeoutMs = kStepMs);
    QString failure(const QString& what);

    QString program_;
    QString xvfb_;
    QString xdotool_;
    QString xclip_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<e2e::XServer> server_;
    std::unique_ptr<e2e::XdoTool> xdo_;
    std::unique_ptr<QProcess> process_;
    QString mainWindow_;
};

void TestSession::initTestCase()
{
    QVERIFY2(QFileInfo(program_).isExecutable(), qPrintable(u"no program at "_s + program_));
    xvfb_ = QStandardPaths::findExecutable(u"Xvfb"_s);
    xdotool_ = QStandardPaths::findExecutable(u"xdotool"_s);
    xclip_ = QStandardPaths::findExecutable(u"xclip"_s);
    QVERIFY2(!xvfb_.isEmpty() && !xdotool_.isEmpty() && !xclip_.isEmpty(),
             "Xvfb, xdotool and xclip are needed: run scripts/install-deps.sh");
}

void TestSession::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestSession::cleanup()
{
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(5000);
    }
    if (dir_ && QTest::currentTestFailed()) {
        qWarning().noquote() << "program output:\n"
                             << testsupport::readFileBytes(dir_->filePath(u"program.log"_s));
        qWarning().noquote() << "Xvfb output:\n" << testsupport::readFileBytes(dir_->filePath(u"xvfb.log"_s));
    }
    process_.reset();
    xdo_.reset();
    server_.reset();
    dir_.reset();
}

// The program runs from a copy beside its archive; settings, home and caches are all temporary.
bool TestSession::prepareFolders()
{
    QDir root(dir_->path());
    for (const QString& sub :
         {u"app"_s, u"home"_s, u"config/Kestro"_s, u"cache"_s, u"data"_s, u"runtime"_s}) {
        if (!root.mkpath(sub))
            return false;
    }
    QFile settings(dir_->filePath(u"config/Kestro/ReelMinder.conf"_s));
    return QFile::setPermissions(dir_->filePath(u"runtime"_s),
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
           QFile::copy(program_, dir_->filePath(u"app/reelminder"_s)) &&
           settings.open(QIODevice::WriteOnly) && settings.write("[2.0]\nLanguage=0\n") > 0 &&
           settings.flush() &&
           testsupport::writeArchive(dir_->filePath(u"app/ReelMinder-Archiv.RMA"_s), startArchive());
}

QProcessEnvironment TestSession::programEnvironment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Nothing of a desktop session may leak in: no other display, platform, theme or session bus.
    for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"QT_QPA_PLATFORMTHEME"_s, u"QT_STYLE_OVERRIDE"_s,
                                u"WAYLAND_DISPLAY"_s, u"SESSION_MANAGER"_s, u"XAUTHORITY"_s})
        env.remove(name);
    env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    env.insert(u"DISPLAY"_s, server_->display());
    env.insert(u"HOME"_s, dir_->filePath(u"home"_s));
    env.insert(u"XDG_CONFIG_HOME"_s, dir_->filePath(u"config"_s));
    env.insert(u"XDG_CACHE_HOME"_s, dir_->filePath(u"cache"_s));
    env.insert(u"XDG_DATA_HOME"_s, dir_->filePath(u"data"_s));
    env.insert(u"XDG_RUNTIME_DIR"_s, dir_->filePath(u"runtime"_s));
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, u"unix:path="_s + dir_->filePath(u"no-bus"_s));
    return env;
}

bool TestSession::programRunning()
{
    // Lets QProcess notice an exit without an event loop.
    process_->waitForFinished(0);
    return process_->state() != QProcess::NotRunning;
}

QString TestSession::waitFor(const QString& title, int timeoutMs)
{
    return xdo_->waitForWindow(title, timeoutMs, [this] { return programRunning(); });
}

QString TestSession::failure(const QString& what)
{
    return what + u": "_s + xdo_->error() + u"\nvisible windows: "_s + xdo_->visibleTitles().join(u" | "_s);
}

QString TestSession::startProgram()
{
    if (!prepareFolders())
        return failure(u"could not prepare the program folder"_s);
    server_ = std::make_unique<e2e::XServer>();
    if (!server_->start(xvfb_, dir_->filePath(u"xvfb.log"_s), kStepMs))
        return server_->error();
    xdo_ = std::make_unique<e2e::XdoTool>(xdotool_, server_->display());

    process_ = std::make_unique<QProcess>();
    process_->setProgram(dir_->filePath(u"app/reelminder"_s));
    process_->setWorkingDirectory(dir_->filePath(u"home"_s));
    process_->setProcessEnvironment(programEnvironment());
    process_->setStandardInputFile(QProcess::nullDevice());
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->setStandardOutputFile(dir_->filePath(u"program.log"_s));
    e2e::tieToDriver(*process_);
    process_->start();
    if (!process_->waitForStarted(kStepMs))
        return process_->errorString();
    mainWindow_ = waitFor(kMainTitle, kStartMs);
    return mainWindow_.isEmpty() ? failure(u"main window"_s) : QString();
}

// New: the name field has the focus, Tab leads to the length with its "0" selected, Enter is OK.
QString TestSession::createCassette()
{
    if (!xdo_->pressKeys(mainWindow_, {u"alt+n"_s}))
        return failure(u"Alt+N"_s);
    const QString cassetteDialog = waitFor(kNewTapeTitle);
    if (cassetteDialog.isEmpty())
        return failure(u"cassette dialog"_s);
    if (!xdo_->typeText(cassetteDialog, kNewTapeName) || !xdo_->pressKeys(cassetteDialog, {u"Tab"_s}) ||
        !xdo_->typeText(cassetteDialog, QString::number(kNewTapeLength)) ||
        !xdo_->pressKeys(cassetteDialog, {u"Return"_s}))
        return failure(u"filling in the cassette dialog"_s);
    if (!xdo_->waitUntilGone(kNewTapeTitle, kStepMs))
        return failure(u"closing the cassette dialog"_s);
    return {};
}

void TestSession::keyboardSession_savesNewCassetteAndDropsDeletedOne()
{
    const QString archivePath = dir_->filePath(u"app/ReelMinder-Archiv.RMA"_s);
    const QString started = startProgram();
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const QByteArray before = testsupport::readFileBytes(archivePath);
    const QString mainWindow = mainWindow_;
    const QString created = createCassette();
    QVERIFY2(created.isEmpty(), qPrintable(created));

    // Delete the second row: the label's accelerator focuses the list; Home then Down selects row 2
    // whether or not the list made its first row current on the way in.
    QVERIFY2(xdo_->pressKeys(mainWindow, {u"alt+v"_s, u"Home"_s, u"Down"_s, u"alt+d"_s}),
             qPrintable(failure(u"selecting and deleting"_s)));
    const QString question = waitFor(kDeleteTitle);
    QVERIFY2(!question.isEmpty(), qPrintable(failure(u"delete question"_s)));
    QVERIFY2(xdo_->pressKeys(question, {u"alt+y"_s}), qPrintable(failure(u"Alt+Y"_s)));
    QVERIFY2(xdo_->waitUntilGone(kDeleteTitle, kStepMs),
             qPrintable(failure(u"closing the delete question"_s)));

    // Exit declined: the program stays, and nothing has been written yet.
    QVERIFY2(xdo_->pressKeys(mainWindow, {u"alt+x"_s}), qPrintable(failure(u"Alt+X"_s)));
    QString exitQuestion = waitFor(kExitTitle);
    QVERIFY2(!exitQuestion.isEmpty(), qPrintable(failure(u"exit question after Alt+X"_s)));
    QVERIFY2(xdo_->pressKeys(exitQuestion, {u"alt+n"_s}), qPrintable(failure(u"Alt+N"_s)));
    QVERIFY2(xdo_->waitUntilGone(kExitTitle, kStepMs), qPrintable(failure(u"closing the exit question"_s)));
    QVERIFY2(programRunning(), "the program ended although the exit was declined");
    QVERIFY2(!xdo_->visibleWindows(kMainTitle).value_or(QStringList()).isEmpty(),
             qPrintable(failure(u"main window after a declined exit"_s)));
    QVERIFY2(testsupport::readFileBytes(archivePath) == before, "the archive changed before the exit");

    // Escape is the Exit button; Yes saves and ends the program.
    QVERIFY2(xdo_->pressKeys(mainWindow, {u"Escape"_s}), qPrintable(failure(u"Escape"_s)));
    exitQuestion = waitFor(kExitTitle);
    QVERIFY2(!exitQuestion.isEmpty(), qPrintable(failure(u"exit question after Escape"_s)));
    QVERIFY2(xdo_->pressKeys(exitQuestion, {u"alt+y"_s}), qPrintable(failure(u"Alt+Y"_s)));
    QVERIFY2(process_->waitForFinished(kStepMs), "the program did not end after the exit was confirmed");
    QCOMPARE(process_->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process_->exitCode(), 0);

    verifyArchive(testsupport::readFileBytes(archivePath), true);
}

// The session ends (a logout, a shutdown) while the program runs: the change made is saved all the
// same, and the replaced archive is kept as the backup.
void TestSession::sigterm_afterKeyboardChange_savesIt()
{
    const QString archivePath = dir_->filePath(u"app/ReelMinder-Archiv.RMA"_s);
    const QString started = startProgram();
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const QByteArray before = testsupport::readFileBytes(archivePath);
    const QString created = createCassette();
    QVERIFY2(created.isEmpty(), qPrintable(created));

    process_->terminate();
    QVERIFY2(process_->waitForFinished(kStepMs), "the program did not end on SIGTERM");
    QCOMPARE(process_->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process_->exitCode(), 0);
    verifyArchive(testsupport::readFileBytes(archivePath), false);
    QVERIFY(testsupport::readFileBytes(archivePath + u".bak"_s) == before);
}

// What a field holds, as the user would take it: its label's accelerator selects it, Ctrl+C copies.
QString TestSession::copiedText(const QString& window, const QString& fieldKey)
{
    if (!xdo_->pressKeys(window, {fieldKey, u"ctrl+c"_s}))
        return failure(fieldKey);
    QProcess xclip;
    xclip.start(xclip_, {u"-o"_s, u"-selection"_s, u"clipboard"_s, u"-display"_s, server_->display()});
    if (!xclip.waitForFinished(kStepMs))
        return u"xclip did not answer"_s;
    return QString::fromUtf8(xclip.readAllStandardOutput());
}

// Open on the first cassette, one step forward with the keyboard: the second film and its place on
// the tape.
void TestSession::filmWindow_stepsToSecondFilmByKeyboard()
{
    const QString started = startProgram();
    QVERIFY2(started.isEmpty(), qPrintable(started));
    QVERIFY2(xdo_->pressKeys(mainWindow_, {u"alt+v"_s, u"Home"_s, u"Down"_s, u"Up"_s, u"alt+o"_s}),
             qPrintable(failure(u"opening the first cassette"_s)));
    const QString filmWindow = waitFor(u"Spielfilme"_s);
    QVERIFY2(!filmWindow.isEmpty(), qPrintable(failure(u"film window"_s)));

    // The window opens with New focused. Tab passes Edit, Delete and Close; First and Previous are
    // off on the first film, so the fourth Tab reaches Next.
    QVERIFY2(xdo_->pressKeys(filmWindow, {u"Tab"_s, u"Tab"_s, u"Tab"_s, u"Tab"_s, u"space"_s}),
             qPrintable(failure(u"Next"_s)));
    QCOMPARE(copiedText(filmWindow, u"alt+f"_s), u"Nachtzug"_s);
    QCOMPARE(copiedText(filmWindow, u"alt+c"_s), u"01:35-03:36"_s);
    QCOMPARE(copiedText(filmWindow, u"alt+p"_s), u"1958"_s);

    QVERIFY2(xdo_->pressKeys(filmWindow, {u"Escape"_s}), qPrintable(failure(u"Escape"_s)));
    QVERIFY2(xdo_->waitUntilGone(u"Spielfilme"_s, kStepMs),
             qPrintable(failure(u"closing the film window"_s)));
}

// On the empty cassette: a film added, another inserted before it with Shift held, the inserted one
// edited, the first one deleted; then the exit saves exactly that.
void TestSession::filmEditing_byKeyboard_reachesTheArchive()
{
    const QString archivePath = dir_->filePath(u"app/ReelMinder-Archiv.RMA"_s);
    const QString started = startProgram();
    QVERIFY2(started.isEmpty(), qPrintable(started));
    QVERIFY2(xdo_->pressKeys(mainWindow_, {u"alt+v"_s, u"Home"_s, u"Down"_s, u"Down"_s, u"alt+o"_s}),
             qPrintable(failure(u"opening the empty cassette"_s)));
    const QString window = waitFor(u"Dokus"_s);
    QVERIFY2(!window.isEmpty(), qPrintable(failure(u"film window"_s)));

    // New: title, then Tab through year, country and length, each number field selected on entry.
    const auto enterFilm = [&](const QString& title, const QString& year, const QString& length) {
        return xdo_->typeText(window, title) && xdo_->pressKeys(window, {u"Tab"_s}) &&
               xdo_->typeText(window, year) && xdo_->pressKeys(window, {u"Tab"_s, u"Tab"_s}) &&
               xdo_->typeText(window, length) && xdo_->pressKeys(window, {u"alt+v"_s});
    };
    QVERIFY2(xdo_->pressKeys(window, {u"alt+n"_s}) && enterFilm(u"Tiefsee"_s, u"2010"_s, u"50"_s),
             qPrintable(failure(u"adding a film"_s)));
    // Saving leaves the focus on New; Shift held turns it into Insert.
    QVERIFY2(xdo_->pressWithShiftHeld(window, u"space"_s) && enterFilm(u"Vulkane"_s, u"1999"_s, u"45"_s),
             qPrintable(failure(u"inserting a film"_s)));
    QVERIFY2(xdo_->pressKeys(window, {u"alt+i"_s, u"alt+l"_s}) && xdo_->typeText(window, u"55"_s) &&
                 xdo_->pressKeys(window, {u"alt+v"_s}),
             qPrintable(failure(u"editing the inserted film"_s)));
    // To the second film, the first one added, and delete it. From New, the fourth Tab is Next.
    QVERIFY2(xdo_->pressKeys(window, {u"Tab"_s, u"Tab"_s, u"Tab"_s, u"Tab"_s, u"space"_s, u"alt+d"_s}),
             qPrintable(failure(u"to the second film, Delete"_s)));
    const QString question = waitFor(u"Deleting of a Film"_s);
    QVERIFY2(!question.isEmpty(), qPrintable(failure(u"delete question"_s)));
    QVERIFY2(xdo_->pressKeys(question, {u"alt+y"_s}), qPrintable(failure(u"Alt+Y"_s)));
    QVERIFY2(xdo_->waitUntilGone(u"Deleting of a Film"_s, kStepMs),
             qPrintable(failure(u"delete question"_s)));
    QCOMPARE(copiedText(window, u"alt+f"_s), u"Vulkane"_s);
    QCOMPARE(copiedText(window, u"alt+c"_s), u"00:00-00:55"_s);
    QVERIFY2(xdo_->pressKeys(window, {u"Escape"_s}), qPrintable(failure(u"Escape"_s)));
    QVERIFY2(xdo_->waitUntilGone(u"Dokus"_s, kStepMs), qPrintable(failure(u"closing the film window"_s)));

    QVERIFY2(xdo_->pressKeys(mainWindow_, {u"alt+x"_s}), qPrintable(failure(u"Alt+X"_s)));
    const QString exitQuestion = waitFor(kExitTitle);
    QVERIFY2(!exitQuestion.isEmpty() && xdo_->pressKeys(exitQuestion, {u"alt+y"_s}),
             qPrintable(failure(u"exit question"_s)));
    QVERIFY2(process_->waitForFinished(kStepMs), "the program did not end after the exit was confirmed");

    // The films of the other cassettes as they were; the empty cassette's placeholder became the
    // deleted film's record, so the cassette now holds only the inserted, edited one.
    std::vector<FilmRecord> expected = startArchive();
    expected.pop_back();
    FilmRecord added = testsupport::makeRecord(u"Dokus"_s, 300, u"Vulkane"_s, 55);
    added.year = 1999;
    expected.push_back(added);
    const QByteArray after = testsupport::readFileBytes(archivePath);
    QCOMPARE(after.size(), qsizetype(expected.size() * catalogue::kRecordSize));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QByteArray image = after.mid(qsizetype(i * catalogue::kRecordSize), catalogue::kRecordSize);
        QVERIFY2(image == testsupport::recordImage(expected[i]),
                 qPrintable(u"record %1 differs"_s.arg(i + 1)));
    }
}

// A search typed and started with Enter; the hit, chosen in the list, opens its cassette on that film.
void TestSession::search_byKeyboard_opensTheHit()
{
    const QString started = startProgram();
    QVERIFY2(started.isEmpty(), qPrintable(started));
    QVERIFY2(xdo_->pressKeys(mainWindow_, {u"alt+s"_s}), qPrintable(failure(u"Alt+S"_s)));
    const QString dialog = waitFor(u"Search a film"_s);
    QVERIFY2(!dialog.isEmpty(), qPrintable(failure(u"search dialog"_s)));
    QVERIFY2(xdo_->typeText(dialog, u"NACHT"_s) && xdo_->pressKeys(dialog, {u"Return"_s}),
             qPrintable(failure(u"starting the search"_s)));
    const QString result = waitFor(u"Searchresult"_s);
    QVERIFY2(!result.isEmpty(), qPrintable(failure(u"hit message"_s)));
    QVERIFY2(xdo_->pressKeys(result, {u"Return"_s}) && xdo_->waitUntilGone(u"Searchresult"_s, kStepMs),
             qPrintable(failure(u"closing the hit message"_s)));
    // Back in the film name, Shift+Tab reaches the list, the last in the tab order; Space selects.
    QVERIFY2(xdo_->pressKeys(dialog, {u"shift+Tab"_s, u"space"_s, u"alt+o"_s}),
             qPrintable(failure(u"choosing the hit"_s)));
    const QString filmWindow = waitFor(u"Spielfilme"_s);
    QVERIFY2(!filmWindow.isEmpty(), qPrintable(failure(u"film window"_s)));
    QCOMPARE(copiedText(filmWindow, u"alt+f"_s), u"Nachtzug"_s);
    QCOMPARE(copiedText(filmWindow, u"alt+c"_s), u"01:35-03:36"_s);
    QVERIFY2(xdo_->pressKeys(filmWindow, {u"Escape"_s}) && xdo_->waitUntilGone(u"Spielfilme"_s, kStepMs),
             qPrintable(failure(u"closing the film window"_s)));
    QVERIFY2(xdo_->pressKeys(dialog, {u"Escape"_s}) && xdo_->waitUntilGone(u"Search a film"_s, kStepMs),
             qPrintable(failure(u"closing the search dialog"_s)));
}

// Every record of the start archive in order, less the deleted cassette's where it was deleted, then
// the new cassette's placeholder.
void TestSession::verifyArchive(const QByteArray& after, bool deleted)
{
    std::vector<FilmRecord> kept;
    for (const FilmRecord& r : startArchive()) {
        if (!deleted || catalogue::tapeNameText(r) != kDeletedTape)
            kept.push_back(r);
    }
    const qsizetype recordSize = qsizetype(catalogue::kRecordSize);
    QCOMPARE(after.size() % recordSize, 0);
    QCOMPARE(after.size() / recordSize, qsizetype(kept.size() + 1));
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const QByteArray image = after.mid(qsizetype(i * catalogue::kRecordSize), catalogue::kRecordSize);
        QVERIFY2(image == testsupport::recordImage(kept[i]),
                 qPrintable(u"record %1 (%2) changed"_s.arg(i + 1).arg(catalogue::text(kept[i].filmName))));
    }
    const FilmRecord added = recordAt(after, qsizetype(kept.size()));
    QCOMPARE(catalogue::tapeNameText(added), kNewTapeName);
    QCOMPARE(int(added.tapeLength), kNewTapeLength);
    QCOMPARE(int(added.filmLength), 0);
    QCOMPARE(added.diskPrev, 0u);
    QCOMPARE(added.diskNext, 0u);
}

// The first argument names the program under test; the rest are Qt Test's.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        qCritical("usage: %s <path of reelminder> [Qt Test options]", argv[0]);
        return 2;
    }
    TestSession test(arguments.takeAt(1));
    return QTest::qExec(&test, arguments);
}

#include "tst_session.moc"
