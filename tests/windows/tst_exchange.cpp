#include "WindowFixture.h"

#include "exchange/CsvFormat.h"
#include "support/MessageBoxScript.h"
#include "support/ModalScript.h"
#include "ui/Language.h"
#include "windows/ImportSummaryDialog.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTest>

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
};

void TestExchange::import_addsOnlyWhenConfirmed_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("declined") << false;
    QTest::newRow("confirmed") << true;
}

// A file with German headers, read while the language is English: one row joins "Krimis", two create
// "Neu", one is skipped.
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
               "Neu,60,Zwei,1990,D,60,,,,,1,0,0,0\r\n");
    file.close();

    testsupport::ModalScript modal;
    modal.queueFile(path);
    modal.queueShown<windows::ImportSummaryDialog>([confirm](windows::ImportSummaryDialog* summary) {
        QCOMPARE(summary->addedList()->rowCount(), 2);
        QCOMPARE(summary->addedList()->caption(1), u"Neu"_s);
        QCOMPARE(summary->addedList()->value(1, 1).toInt(), 2);
        QCOMPARE(summary->skippedList()->rowCount(), 1);
        QCOMPARE(summary->skippedList()->caption(0), u"4"_s);
        widget<QPushButton>(summary, confirm ? u"importButton"_s : u"cancelButton"_s)->click();
    });
    widget<QAction>(fixture.mainWindow.get(), u"importAction"_s)->trigger();

    QCOMPARE(fixture.catalogue.recordCount(), confirm ? 4 : 1);
    QCOMPARE(fixture.catalogue.filmTotal(), confirm ? 4 : 1);
    QCOMPARE(fixture.list()->rowCount(), confirm ? 2 : 1);
    QCOMPARE(fixture.row(0),
             (QStringList{u"Krimis"_s, u"240"_s, confirm ? u"2"_s : u"1"_s, confirm ? u"36"_s : u"140"_s}));
    if (confirm) {
        QCOMPARE(fixture.row(1), (QStringList{u"Neu"_s, u"60"_s, u"2"_s, u"0"_s}));
        QCOMPARE(fixture.label(u"filmCountLabel"_s)->text(), u"4 Films"_s);
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

QTEST_MAIN(TestExchange)
#include "tst_exchange.moc"
