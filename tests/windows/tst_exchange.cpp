#include "WindowFixture.h"

#include "exchange/CsvFormat.h"
#include "support/MessageBoxScript.h"
#include "support/ModalScript.h"
#include "ui/Language.h"
#include "windows/core/ImportSummaryDialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using testsupport::makeRecord;
using testsupport::widget;
using namespace Qt::StringLiterals;

// Export and import from the main window: the file dialogs, the summary, the refreshed rows.
class TestExchange final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ui::setLanguage(ui::kEnglish); }
    void import_addsOnlyWhenConfirmed_data();
    void import_addsOnlyWhenConfirmed();
    void import_summaryNamesTheEncoding_data();
    void import_summaryNamesTheEncoding();
    void export_unwritableFile_isReported();
    void export_ontoTheArchive_isRefused_data();
    void export_ontoTheArchive_isRefused();
    void import_selectsTheFirstCassetteItAddedTo();
    void export_namesTheFileInTheStatusBarForAWhile();
    void cancelled_leavesFileAndCatalogueAsTheyWere_data();
    void cancelled_leavesFileAndCatalogueAsTheyWere();
    void webPage_inTheProgramsLanguage_neverOverTheArchive_data();
    void webPage_inTheProgramsLanguage_neverOverTheArchive();
};

namespace {

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

// Cancels the progress dialog of owner as soon as the job lets events through, before anything can
// show: the way the Cancel button stops it.
void cancelProgressOf(QWidget* owner)
{
    QTimer::singleShot(0, owner, [owner] {
        if (auto* progress = owner->findChild<QProgressDialog*>(u"progressDialog"_s))
            progress->cancel();
    });
}

} // namespace

void TestExchange::import_addsOnlyWhenConfirmed_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("declined") << false;
    QTest::newRow("confirmed") << true;
}

// A file with German headers, read while the language is English: one row joins "Krimis", three create
// "Neu" and leave it over-full, which the summary notes, one is skipped.
void TestExchange::import_addsOnlyWhenConfirmed()
{
    QFETCH(bool, confirm);
    WindowFixture fixture({makeRecord(u"Krimis"_s, 240, u"M"_s, 100)});
    const QString path = fixture.dir.filePath(u"import.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Kassette,Kassettenl\xC3\xA4nge,Titel,Jahr,Land,L\xC3\xA4nge,Regie,Darsteller,Genre,Handlung,"
               "Longplay,Schwarzwei\xC3\x9F,Gesehen,L\xC3\xB6schbar\r\n"
               "Krimis,240,Der dritte Mann,1949,GB,104,,,,,0,1,0,0\r\n"
               "Neu,60,Eins,1990,D,30,,,,,0,0,0,0\r\n"
               "Neu,60,Zu lang,1990,D,31,,,,,0,0,0,0\r\n"
               "Neu,60,Ohne L\xC3\xA4nge,1990,D,0,,,,,0,0,0,0\r\n"
               "Neu,60,Zwei,1990,D,60,,,,,1,0,0,0\r\n");
    file.close();

    testsupport::ModalScript modal;
    modal.queueFile(path);
    modal.queueShown<windows::ImportSummaryDialog>([confirm](windows::ImportSummaryDialog* summary) {
        QCOMPARE(summary->addedList()->rowCount(), 2);
        QCOMPARE(summary->addedList()->caption(1), u"Neu"_s);
        QCOMPARE(summary->addedList()->value(1, 1).toInt(), 3);
        QCOMPARE(summary->addedList()->value(0, 3).toString(), QString());
        QCOMPARE(summary->addedList()->value(1, 3).toString(), u"over-full by 31 min."_s);
        QVERIFY(!widget<QLabel>(summary, u"overfullLabel"_s)->isHidden());
        QCOMPARE(summary->skippedList()->rowCount(), 1);
        QCOMPARE(summary->skippedList()->caption(0), u"5"_s);
        widget<QPushButton>(summary, confirm ? u"importButton"_s : u"cancelButton"_s)->click();
    });
    widget<QAction>(fixture.mainWindow.get(), u"importAction"_s)->trigger();

    QCOMPARE(fixture.catalogue.recordCount(), confirm ? 5 : 1);
    QCOMPARE(fixture.catalogue.filmTotal(), confirm ? 5 : 1);
    QCOMPARE(fixture.list()->rowCount(), confirm ? 2 : 1);
    QCOMPARE(fixture.row(0),
             (QStringList{u"Krimis"_s, u"240"_s, confirm ? u"2"_s : u"1"_s, confirm ? u"36"_s : u"140"_s}));
    if (confirm) {
        QCOMPARE(fixture.row(1), (QStringList{u"Neu"_s, u"60"_s, u"3"_s, u"-31"_s}));
        QCOMPARE(fixture.label(u"filmCountLabel"_s)->text(), u"5 Films"_s);
    }
}

void TestExchange::import_summaryNamesTheEncoding_data()
{
    QTest::addColumn<QByteArray>("name"); // the cassette "Zürich" as the file holds it
    QTest::addColumn<QString>("encoding");
    QTest::newRow("UTF-8") << QByteArray("Z\xC3\xBCrich") << u"Encoding: UTF-8"_s;
    QTest::newRow("Windows code page") << QByteArray("Z\xFCrich") << u"Encoding: Windows-1252"_s;
}

// A file as a German spreadsheet saves it: semicolons, in either encoding.
void TestExchange::import_summaryNamesTheEncoding()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, encoding);
    WindowFixture fixture;
    const QString path = fixture.dir.filePath(u"import.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QStringList header = exchange::csvHeader();
    file.write(header.join(u';').toUtf8() + "\r\n" + name + ";60;;Eins;1990;D;30;;;;;0;0;0;0\r\n");
    file.close();

    testsupport::ModalScript modal;
    modal.queueFile(path);
    modal.queueShown<windows::ImportSummaryDialog>([encoding](windows::ImportSummaryDialog* summary) {
        QCOMPARE(widget<QLabel>(summary, u"encodingLabel"_s)->text(), encoding);
        QCOMPARE(summary->addedList()->caption(0), u"Zürich"_s);
        QCOMPARE(summary->skippedList()->rowCount(), 0);
        widget<QPushButton>(summary, u"cancelButton"_s)->click();
    });
    widget<QAction>(fixture.mainWindow.get(), u"importAction"_s)->trigger();
}

void TestExchange::export_unwritableFile_isReported()
{
    WindowFixture fixture({makeRecord(u"Krimis"_s, 240, u"M"_s, 100)});
    testsupport::ModalScript modal;
    modal.queueFile(fixture.dir.filePath(u"no such folder/out.csv"_s));
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    widget<QAction>(fixture.mainWindow.get(), u"exportAction"_s)->trigger();
    QCOMPARE(boxes.callCount(), 1);
    QCOMPARE(boxes.lastCall().caption, u"Export failed"_s);
    QVERIFY(boxes.lastCall().text.contains(u"out.csv"_s));
}

void TestExchange::export_ontoTheArchive_isRefused_data()
{
    QTest::addColumn<bool>("saved");
    QTest::newRow("archive on the disk") << true;
    QTest::newRow("archive not saved yet") << false;
}

// Were it written, the CSV file would be taken for the archive at the next start.
void TestExchange::export_ontoTheArchive_isRefused()
{
    QFETCH(bool, saved);
    WindowFixture fixture(saved ? std::vector{makeRecord(u"Krimis"_s, 240, u"M"_s, 100)}
                                : std::vector<catalogue::FilmRecord>{});
    if (!saved)
        catalogue::loadArchive(fixture.catalogue, fixture.archivePath());
    const QByteArray before = testsupport::readFileBytes(fixture.archivePath());
    testsupport::ModalScript modal;
    modal.queueFile(fixture.archivePath());
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    widget<QAction>(fixture.mainWindow.get(), u"exportAction"_s)->trigger();
    QCOMPARE(boxes.callCount(), 1);
    QCOMPARE(boxes.lastCall().caption, u"Export failed"_s);
    QVERIFY(boxes.lastCall().text.contains(u"is the archive of reelMINDER/32"_s));
    QCOMPARE(QFile::exists(fixture.archivePath()), saved);
    QCOMPARE(testsupport::readFileBytes(fixture.archivePath()), before);
}

void TestExchange::import_selectsTheFirstCassetteItAddedTo()
{
    std::vector<catalogue::FilmRecord> records;
    for (int i = 0; i < 40; ++i)
        records.push_back(makeRecord(u"Tape %1"_s.arg(i), 240, u"Film"_s, 60));
    WindowFixture fixture(records);
    fixture.mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.mainWindow.get()));
    fixture.list()->setSelectedRow(0);
    const QString path =
        writeFile(fixture.dir.filePath(u"import.csv"_s), exchange::csvHeader().join(u',').toUtf8() +
                                                             "\r\nNeu,60,,Eins,1990,D,30,,,,,0,0,0,0\r\n"
                                                             "Tape 2,240,,Zwei,1990,D,30,,,,,0,0,0,0\r\n");
    QVERIFY(!path.isEmpty());

    testsupport::ModalScript modal;
    modal.queueFile(path);
    modal.queue([](QDialog*) { return int(QDialog::Accepted); });
    widget<QAction>(fixture.mainWindow.get(), u"importAction"_s)->trigger();

    QCOMPARE(fixture.list()->rowCount(), 41);
    QCOMPARE(fixture.list()->selectedRow(), 40);
    const QRect row = fixture.list()->visualRect(fixture.list()->model()->index(40, 0));
    QVERIFY(fixture.list()->viewport()->rect().contains(row));
}

// The note stands in place of the counts, which come back when it goes.
void TestExchange::export_namesTheFileInTheStatusBarForAWhile()
{
    WindowFixture fixture({makeRecord(u"Krimis"_s, 240, u"M"_s, 100)});
    fixture.mainWindow->retranslate();
    fixture.mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.mainWindow.get()));
    const QString path = fixture.dir.filePath(u"out.csv"_s);
    testsupport::ModalScript modal;
    modal.queueFile(path);
    widget<QAction>(fixture.mainWindow.get(), u"exportAction"_s)->trigger();

    QVERIFY(QFile::exists(path));
    auto* statusBar = widget<QStatusBar>(fixture.mainWindow.get(), u"statusBar"_s);
    QVERIFY2(statusBar->currentMessage().startsWith(u"CSV file written: "_s),
             qPrintable(statusBar->currentMessage()));
    QVERIFY(statusBar->currentMessage().endsWith(u"out.csv"_s));
    QLabel* films = fixture.label(u"filmCountLabel"_s);
    QVERIFY(!films->isVisible());
    statusBar->clearMessage(); // what its time running out does
    QVERIFY(films->isVisible());
    QCOMPARE(films->text(), u"1 Film"_s);
}

void TestExchange::cancelled_leavesFileAndCatalogueAsTheyWere_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("export") << u"exportAction"_s;
    QTest::newRow("import") << u"importAction"_s;
    QTest::newRow("catalogue list as PDF") << u"listPdfAction"_s;
}

// Cancelled, a job leaves no trace: the file it would write keeps what it held, the catalogue what it
// held, and no message or note appears.
void TestExchange::cancelled_leavesFileAndCatalogueAsTheyWere()
{
    QFETCH(QString, action);
    std::vector<catalogue::FilmRecord> records;
    for (int i = 0; i < 50; ++i)
        records.push_back(makeRecord(u"Tape %1"_s.arg(i), 240, u"Film %1"_s.arg(i), 60));
    WindowFixture fixture(records);
    fixture.mainWindow->retranslate();
    const QByteArray before = action == u"importAction"_s ? exchange::csvHeader().join(u',').toUtf8() +
                                                                "\r\nNeu,60,,Eins,1990,D,30,,,,,0,0,0,0\r\n"
                                                          : QByteArray("what the file held before");
    const QString path = writeFile(fixture.dir.filePath(u"file"_s), before);
    QVERIFY(!path.isEmpty());

    const QDir dir(fixture.dir.path());
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden);
    testsupport::ModalScript modal;
    testsupport::MessageBoxScript boxes;
    modal.queueFile(path);
    cancelProgressOf(fixture.mainWindow.get());
    widget<QAction>(fixture.mainWindow.get(), action)->trigger();

    QCOMPARE(modal.opened(), QStringList{u"fileDialog"_s});
    QCOMPARE(testsupport::readFileBytes(path), before);
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), files);
    QCOMPARE(fixture.catalogue.recordCount(), 50);
    QCOMPARE(fixture.list()->rowCount(), 50);
    QCOMPARE(widget<QStatusBar>(fixture.mainWindow.get(), u"statusBar"_s)->currentMessage(), QString());
    QVERIFY(!fixture.mainWindow->findChild<QProgressDialog*>());
}

void TestExchange::webPage_inTheProgramsLanguage_neverOverTheArchive_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("ontoArchive");
    QTest::addColumn<QByteArray>("begins"); // the page written
    QTest::addColumn<QString>("says");      // the status bar's note, or the caption of the refusal
    QTest::newRow("English") << int(ui::kEnglish) << false
                             << QByteArray("<!DOCTYPE html>\n<html lang=\"en\">") << u"Web page written: "_s;
    QTest::newRow("German") << int(ui::kGerman) << false << QByteArray("<!DOCTYPE html>\n<html lang=\"de\">")
                            << u"Webseite geschrieben: "_s;
    QTest::newRow("onto the archive") << int(ui::kEnglish) << true << QByteArray() << u"Saving failed"_s;
}

void TestExchange::webPage_inTheProgramsLanguage_neverOverTheArchive()
{
    QFETCH(int, language);
    QFETCH(bool, ontoArchive);
    QFETCH(QByteArray, begins);
    QFETCH(QString, says);
    ui::setLanguage(quint8(language));
    WindowFixture fixture({makeRecord(u"Krimis"_s, 240, u"M"_s, 100)});
    fixture.mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(fixture.mainWindow.get()));
    const QByteArray archive = testsupport::readFileBytes(fixture.archivePath());
    const QString path = ontoArchive ? fixture.archivePath() : fixture.dir.filePath(u"page.html"_s);
    testsupport::ModalScript modal;
    modal.queueFile(path);
    testsupport::MessageBoxScript boxes;
    if (ontoArchive)
        boxes.queue(QMessageBox::Ok);
    widget<QAction>(fixture.mainWindow.get(), u"webPageAction"_s)->trigger();

    QCOMPARE(testsupport::readFileBytes(fixture.archivePath()), archive);
    if (ontoArchive) {
        QCOMPARE(boxes.callCount(), 1);
        QCOMPARE(boxes.lastCall().caption, says);
        return;
    }
    QVERIFY(testsupport::readFileBytes(path).startsWith(begins));
    const QString note = widget<QStatusBar>(fixture.mainWindow.get(), u"statusBar"_s)->currentMessage();
    QVERIFY2(note.startsWith(says) && note.endsWith(u"page.html"_s), qPrintable(note));
}

QTEST_MAIN(TestExchange)
#include "tst_exchange.moc"
