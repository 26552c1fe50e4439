#include "app/AboutDialog.h"
#include "app/LanguageDialog.h"
#include "app/Startup.h"
#include "catalogue/Catalogue.h"
#include "storage/Archive.h"
#include "storage/ArchiveLock.h"
#include "storage/InPlaceCopy.h"
#include "support/MessageBoxScript.h"
#include "support/ModalScript.h"
#include "support/Records.h"
#include "support/TempSettings.h"
#include "support/Tmpfs.h"
#include "support/Widgets.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/ReportList.h"
#include "windows/core/GenreLists.h"
#include "windows/core/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::widget;
using namespace Qt::StringLiterals;

// Start-up order, the language it settles on, and shutdown, each against temporary settings and a
// temporary program folder.
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ui::setLanguage(0); }
    void cleanup() { catalogue::Catalogue::instance().releaseAll(); }

    void firstStart_asksWithNothingPreselected_storesChoice_data();
    void firstStart_asksWithNothingPreselected_storesChoice();
    void secondStart_usesStoredLanguageWithoutAsking_data();
    void secondStart_usesStoredLanguageWithoutAsking();
    void sizeWarning_comesBeforeLanguageDialog();
    void mainWindow_showsArchiveInChosenLanguage();
    void exit_yesWritesArchive_noWritesNothing();
    void archiveInUseOrUnreadable_endsWithoutWriting_data();
    void archiveInUseOrUnreadable_endsWithoutWriting();
    void startWarnings_noLockAndAnUnfinishedSave_data();
    void startWarnings_noLockAndAnUnfinishedSave();
    void toolWindows_standAlone_closeWithTheMainWindow_andKeepTheirPlace_data();
    void toolWindows_standAlone_closeWithTheMainWindow_andKeepTheirPlace();
};

void TestStartup::firstStart_asksWithNothingPreselected_storesChoice_data()
{
    QTest::addColumn<QByteArray>("settingsFile"); // empty: none
    QTest::addColumn<bool>("chooseGerman");
    QTest::newRow("no settings, English") << QByteArray() << false;
    QTest::newRow("no settings, German") << QByteArray() << true;
    QTest::newRow("string stored") << QByteArray("[2.0]\nLanguage=abc\n") << true;
    QTest::newRow("7 stored") << QByteArray("[2.0]\nLanguage=7\n") << false;
    QTest::newRow("-1 stored") << QByteArray("[2.0]\nLanguage=-1\n") << true;
}

void TestStartup::firstStart_asksWithNothingPreselected_storesChoice()
{
    QFETCH(QByteArray, settingsFile);
    QFETCH(bool, chooseGerman);
    testsupport::TempSettings settings;
    if (!settingsFile.isEmpty())
        QVERIFY(settings.writeRaw(settingsFile));
    QTemporaryDir programDir;

    testsupport::ModalScript modal;
    bool nothingPreselected = false;
    modal.queueShown<app::LanguageDialog>([&](app::LanguageDialog* languageDialog) {
        nothingPreselected = !widget<QRadioButton>(languageDialog, u"germanButton"_s)->isChecked() &&
                             !widget<QRadioButton>(languageDialog, u"englishButton"_s)->isChecked();
        widget<QPushButton>(languageDialog, u"okButton"_s)->click(); // refused: no choice yet
        QVERIFY(languageDialog->isVisible());
        widget<QRadioButton>(languageDialog, chooseGerman ? u"germanButton"_s : u"englishButton"_s)
            ->setChecked(true);
        widget<QPushButton>(languageDialog, u"okButton"_s)->click();
    });
    app::Startup startup(catalogue::archivePath(programDir.path() + u'/'));

    QCOMPARE(modal.opened(), QStringList{u"languageDialog"_s});
    QVERIFY(nothingPreselected);
    QCOMPARE(ui::language(), quint8(chooseGerman ? 1 : 0));
    QCOMPARE(settings.storedValue(u"Language"_s).toInt(), chooseGerman ? 1 : 0);
    QCOMPARE(ui::language(), chooseGerman ? ui::kGerman : ui::kEnglish);
}

void TestStartup::secondStart_usesStoredLanguageWithoutAsking_data()
{
    QTest::addColumn<int>("stored");
    QTest::newRow("English") << 0;
    QTest::newRow("German") << 1;
}

void TestStartup::secondStart_usesStoredLanguageWithoutAsking()
{
    QFETCH(int, stored);
    testsupport::TempSettings settings;
    QVERIFY(settings.writeRaw("[2.0]\nLanguage=" + QByteArray::number(stored) + '\n'));
    QTemporaryDir programDir;
    testsupport::ModalScript modal;
    testsupport::MessageBoxScript boxes;
    app::Startup startup(catalogue::archivePath(programDir.path() + u'/'));
    QCOMPARE(modal.opened(), QStringList());
    QCOMPARE(ui::language(), quint8(stored));
    QCOMPARE(ui::language(), stored ? ui::kGerman : ui::kEnglish);
}

void TestStartup::sizeWarning_comesBeforeLanguageDialog()
{
    testsupport::TempSettings settings;
    QTemporaryDir programDir;
    QFile archive(catalogue::archivePath(programDir.path() + u'/'));
    QVERIFY(archive.open(QIODevice::WriteOnly));
    archive.write(QByteArray(1359, '\0'));
    archive.close();

    testsupport::MessageBoxScript boxes;
    testsupport::ModalScript modal;
    boxes.queue(QMessageBox::Ok);
    int boxesBeforeDialog = -1;
    modal.queueShown<app::LanguageDialog>([&](app::LanguageDialog* languageDialog) {
        boxesBeforeDialog = boxes.callCount();
        widget<QRadioButton>(languageDialog, u"englishButton"_s)->setChecked(true);
        widget<QPushButton>(languageDialog, u"okButton"_s)->click();
    });
    app::Startup startup(catalogue::archivePath(programDir.path() + u'/'));
    QCOMPARE(boxesBeforeDialog, 1);
    QCOMPARE(boxes.calls().first().caption, u"Archiv defekt/Archive defect"_s);
    QVERIFY(catalogue::Catalogue::instance().isEmpty());
}

void TestStartup::mainWindow_showsArchiveInChosenLanguage()
{
    testsupport::TempSettings settings;
    QVERIFY(settings.writeRaw("[2.0]\nLanguage=1\n"));
    QTemporaryDir programDir;
    QVERIFY(testsupport::writeArchive(catalogue::archivePath(programDir.path() + u'/'),
                                      {testsupport::makeRecord(u"Krimis"_s, 240, u"Tatort"_s, 90)}));
    app::Startup startup(catalogue::archivePath(programDir.path() + u'/'));
    windows::MainWindow& mainWindow = startup.mainWindow();
    mainWindow.show();
    QCOMPARE(widget<QLabel>(&mainWindow, u"cassettesLabel"_s)->text(), u"&Videokassetten:"_s);
    QCOMPARE(widget<QLabel>(&mainWindow, u"cassetteCountLabel"_s)->text(), u"1 Kassette"_s);
    QCOMPARE(widget<QLabel>(&mainWindow, u"filmCountLabel"_s)->text(), u"1 Film"_s);
    QCOMPARE(mainWindow.cassetteList()->caption(0), u"Krimis"_s);
    QCOMPARE(mainWindow.cassetteList()->value(0, 3).toInt(), 150);

    // The about box switches the language; the main window follows once it is closed.
    testsupport::ModalScript modal;
    modal.queueShown<app::AboutDialog>([&mainWindow](app::AboutDialog* aboutDialog) {
        QCOMPARE(aboutDialog->windowTitle(), u"Info über reelMINDER/32 2.01"_s);
        widget<QPushButton>(aboutDialog, u"languageButton"_s)->click();
        QCOMPARE(aboutDialog->windowTitle(), u"Info about reelMINDER/32 2.01"_s);
        QCOMPARE(widget<QPushButton>(aboutDialog, u"languageButton"_s)->text(), u"Language Selection"_s);
        // Not while the box is open: the main window keeps its language until then.
        QCOMPARE(widget<QLabel>(&mainWindow, u"cassettesLabel"_s)->text(), u"&Videokassetten:"_s);
        QCOMPARE(mainWindow.cassetteList()->columnCaption(0), u"Kassette"_s);
        widget<QPushButton>(aboutDialog, u"okButton"_s)->click();
    });
    modal.queueShown<app::LanguageDialog>([](app::LanguageDialog* languageDialog) {
        QVERIFY(widget<QRadioButton>(languageDialog, u"germanButton"_s)->isChecked());
        widget<QRadioButton>(languageDialog, u"englishButton"_s)->setChecked(true);
        widget<QPushButton>(languageDialog, u"okButton"_s)->click();
    });
    widget<QPushButton>(&mainWindow, u"aboutButton"_s)->click();
    QCOMPARE(modal.opened(), (QStringList{u"aboutDialog"_s, u"languageDialog"_s}));
    QCOMPARE(ui::language(), quint8(0));
    QCOMPARE(settings.storedValue(u"Language"_s).toInt(), 0);
    QCOMPARE(widget<QLabel>(&mainWindow, u"cassettesLabel"_s)->text(), u"&Videotapes:"_s);
    QCOMPARE(mainWindow.cassetteList()->columnCaption(0), u"Tape"_s);
    QCOMPARE(widget<QLabel>(&mainWindow, u"cassetteCountLabel"_s)->text(), u"1 Tape"_s);
}

void TestStartup::exit_yesWritesArchive_noWritesNothing()
{
    testsupport::TempSettings settings;
    QVERIFY(settings.writeRaw("[2.0]\nLanguage=0\n"));
    QTemporaryDir programDir;
    const QString path = catalogue::archivePath(programDir.path() + u'/');
    app::Startup startup(catalogue::archivePath(programDir.path() + u'/'));
    startup.mainWindow().show();

    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::No);
    widget<QPushButton>(&startup.mainWindow(), u"exitButton"_s)->click();
    QCOMPARE(boxes.lastCall().caption, u"Exit reelMINDER/32"_s);
    QCOMPARE(boxes.lastCall().text, u"Do you really want to exit reelMINDER/32?"_s);
    QVERIFY(startup.mainWindow().isVisible());
    QVERIFY(!QFile::exists(path));

    // Exit is the window's cancel button: Escape asks too.
    QApplication::setActiveWindow(&startup.mainWindow());
    QVERIFY(QTest::qWaitForWindowActive(&startup.mainWindow()));
    boxes.queue(QMessageBox::Yes);
    QTest::keyClick(&startup.mainWindow(), Qt::Key_Escape);
    QVERIFY(!startup.mainWindow().isVisible());
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFile(path).size(), 0);
}

void TestStartup::archiveInUseOrUnreadable_endsWithoutWriting_data()
{
    QTest::addColumn<QString>("archive"); // "copy": a file held by another copy; else what lies there
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("english");
    QTest::newRow("second copy") << u"copy"_s << u"Archiv in Benutzung/Archive in use"_s
                                 << u"is already open in reelMINDER/32 (process %1 on %2)."_s
                                        .arg(QCoreApplication::applicationPid())
                                        .arg(QSysInfo::machineHostName());
    QTest::newRow("folder") << u"folder"_s << u"Archiv nicht lesbar/Archive not readable"_s
                            << u"cannot be read (Is a directory). reelMINDER/32 ends without changing it."_s;
    QTest::newRow("FIFO") << u"fifo"_s << u"Archiv nicht lesbar/Archive not readable"_s
                          << u"cannot be read (Not a regular file). reelMINDER/32 ends"_s;
}

void TestStartup::archiveInUseOrUnreadable_endsWithoutWriting()
{
    QFETCH(QString, archive);
    QFETCH(QString, caption);
    QFETCH(QString, english);
    testsupport::TempSettings settings;
    QVERIFY(settings.writeRaw("[2.0]\nLanguage=0\n"));
    QTemporaryDir programDir;
    const QString path = catalogue::archivePath(programDir.path() + u'/');
    catalogue::ArchiveLock otherCopy(path);
    if (archive == u"copy") {
        QVERIFY(testsupport::writeArchive(path, {testsupport::makeRecord(u"Krimis"_s, 240)}));
        QCOMPARE(otherCopy.acquire(), catalogue::ArchiveLock::Held);
    } else if (archive == u"folder") {
        QVERIFY(QDir().mkdir(path));
    } else {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    const QFileInfo before(path);

    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    {
        app::Startup startup(catalogue::archivePath(programDir.path() + u'/'));
        QVERIFY(!startup.ready());
        QCOMPARE(startup.run(), 1);
    }
    QCOMPARE(boxes.callCount(), 1);
    QCOMPARE(boxes.lastCall().caption, caption);
    QVERIFY2(boxes.lastCall().text.contains(english), qPrintable(boxes.lastCall().text));
    QVERIFY(boxes.lastCall().text.contains(QDir::toNativeSeparators(path)));
    QVERIFY(catalogue::Catalogue::instance().isEmpty());
    const QFileInfo after(path);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(after.lastModified(), before.lastModified());
    QCOMPARE(QDir(programDir.path())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                 .size(),
             archive == u"copy" ? 2 : 1);
}

void TestStartup::startWarnings_noLockAndAnUnfinishedSave_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("records"); // loaded afterwards; -1: the program ends
    const QString interrupted = u"Speichern unterbrochen/Save interrupted"_s;
    QTest::newRow("no lock can be had")
        << u"no lock"_s << int(QMessageBox::Ok) << u"Archiv nicht gesperrt/Archive not locked"_s << 0;
    QTest::newRow("unfinished save, copy restored")
        << u"unfinished"_s << int(QMessageBox::Yes) << interrupted << 40;
    QTest::newRow("unfinished save, declined") << u"unfinished"_s << int(QMessageBox::No) << interrupted << 1;
    QTest::newRow("unfinished save, no room to restore")
        << u"full disk"_s << int(QMessageBox::Yes) << interrupted << -1;
}

void TestStartup::startWarnings_noLockAndAnUnfinishedSave()
{
    QFETCH(QString, situation);
    QFETCH(int, answer);
    QFETCH(QString, caption);
    QFETCH(int, records);
    testsupport::TempSettings settings;
    QVERIFY(settings.writeRaw("[2.0]\nLanguage=0\n"));
    const bool fullDisk = situation == u"full disk";
    testsupport::Tmpfs disk(64 * 1024);
    if (fullDisk && !disk.isMounted())
        QSKIP("no tmpfs can be mounted here");
    QTemporaryDir programDir;
    QTemporaryDir userData;
    // Put back afterwards, not removed: the saves of later cases keep their generations there too.
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(userData.path()));
    const auto restoreDataHome = qScopeGuard([dataHome] {
        if (dataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", dataHome);
    });
    const QString folder = fullDisk ? disk.path() : programDir.path();
    const QString path = catalogue::archivePath(folder + u'/');
    std::vector<catalogue::FilmRecord> whole;
    for (int i = 0; i < 40; ++i)
        whole.push_back(testsupport::makeRecord(u"Tape %1"_s.arg(i), 240));
    if (situation == u"no lock") {
        // No archive yet, and the lock file is a link that is never followed.
        QCOMPARE(::symlink("elsewhere", QFile::encodeName(path + u".lock"_s).constData()), 0);
    } else {
        QVERIFY(testsupport::writeArchive(path, whole));
        QVERIFY(catalogue::InPlaceCopy(path, catalogue::InPlaceCopy::defaultFolder()).keep());
        QVERIFY(testsupport::writeArchive(path, {whole.front()})); // half written
    }
    const catalogue::InPlaceCopy copy(path, catalogue::InPlaceCopy::defaultFolder());
    const QString aside = copy.asidePath();
    const QByteArray before = testsupport::readFileBytes(path);
    if (fullDisk) {
        QFile filler(disk.filePath(u"filler"_s));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'f')) == 4096 && filler.flush()) {
        }
    }

    testsupport::MessageBoxScript boxes;
    boxes.queue(ui::Button(answer));
    if (fullDisk)
        boxes.queue(QMessageBox::Ok);
    {
        app::Startup startup(path);
        QCOMPARE(startup.ready(), records >= 0);
        if (!startup.ready())
            QCOMPARE(startup.run(), 1);
        QCOMPARE(boxes.callCount(), fullDisk ? 2 : 1);
        QCOMPARE(boxes.calls().first().caption, caption);
        QCOMPARE(catalogue::Catalogue::instance().recordCount(), std::max(records, 0));
    }
    QCOMPARE(copy.interrupted(), fullDisk);
    if (situation == u"no lock")
        return;
    const QByteArray kept =
        testsupport::readFileBytes(fullDisk || answer == QMessageBox::Yes ? copy.copyPath() : aside);
    QCOMPARE(kept.size(), qsizetype(whole.size() * catalogue::kRecordSize));
    // The question says what No does and where the copy then stays.
    const QString question = boxes.calls().first().text;
    QVERIFY2(question.contains(u"No leaves the archive as it is"_s) &&
                 question.contains(QDir::toNativeSeparators(aside)),
             qPrintable(question));
    if (answer == QMessageBox::No)
        QVERIFY(!QFile::exists(copy.copyPath()));
    if (fullDisk) {
        // Not a byte of the archive changed, and nothing ran on it.
        QCOMPARE(testsupport::readFileBytes(path), before);
        QVERIFY(boxes.lastCall().text.contains(QDir::toNativeSeparators(copy.copyPath())));
    }
}

void TestStartup::toolWindows_standAlone_closeWithTheMainWindow_andKeepTheirPlace_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : {u"findSpaceWindow"_s, u"tapeMapWindow"_s, u"duplicatesWindow"_s,
                                u"statisticsWindow"_s, u"labelDialog"_s})
        QTest::newRow(qPrintable(name)) << name;
}

void TestStartup::toolWindows_standAlone_closeWithTheMainWindow_andKeepTheirPlace()
{
    QFETCH(QString, name);
    testsupport::TempSettings settings;
    QVERIFY(settings.writeRaw("[2.0]\nLanguage=0\n"));
    QTemporaryDir programDir;
    const QString path = catalogue::archivePath(programDir.path() + u'/');
    QVERIFY(testsupport::writeArchive(path, {testsupport::makeRecord(u"Krimis"_s, 240, u"Tatort"_s, 90)}));
    const auto open = [&name](windows::MainWindow& mainWindow) -> QWidget* {
        const QHash<QString, std::function<void()>> requests = {
            {u"findSpaceWindow"_s, [&] { Q_EMIT mainWindow.findSpaceRequested(); }},
            {u"tapeMapWindow"_s, [&] { Q_EMIT mainWindow.tapeMapRequested(); }},
            {u"duplicatesWindow"_s, [&] { Q_EMIT mainWindow.duplicatesRequested(); }},
            {u"statisticsWindow"_s, [&] { Q_EMIT mainWindow.statisticsRequested(); }},
            {u"labelDialog"_s, [&] { Q_EMIT mainWindow.labelsRequested(nullptr); }}};
        requests.value(name)();
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [&name](const QWidget* w) { return w->objectName() == name; });
        return found == windows.end() ? nullptr : *found;
    };

    QRect left;
    {
        app::Startup startup(path);
        startup.mainWindow().show();
        QWidget* tool = open(startup.mainWindow());
        QVERIFY(tool && tool->isVisible());
        // Without an owner the main window may come in front of it.
        QCOMPARE(tool->parentWidget(), nullptr);
        QCOMPARE(tool->windowHandle()->transientParent(), nullptr);
        QCOMPARE(tool->windowType(), Qt::Window);
        QVERIFY(tool->screen()->availableGeometry().contains(tool->frameGeometry()));

        left = QRect(QPoint(30, 40), tool->minimumSizeHint().expandedTo(QSize(520, 380)));
        tool->setGeometry(left);
        testsupport::MessageBoxScript boxes;
        boxes.queue(QMessageBox::Yes);
        startup.mainWindow().close();
        QVERIFY(!startup.mainWindow().isVisible());
        QVERIFY(!tool->isVisible());
    }
    QVERIFY(!settings.storedValue(name + u"/Geometry"_s).toByteArray().isEmpty());
    catalogue::Catalogue::instance().releaseAll();

    app::Startup startup(path);
    startup.mainWindow().show();
    QWidget* tool = open(startup.mainWindow());
    QVERIFY(tool && tool->isVisible());
    QCOMPARE(tool->geometry(), left);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
