#include "WindowFixture.h"

#include "support/MessageBoxScript.h"
#include "support/ModalScript.h"
#include "support/PdfText.h"
#include "support/TempSettings.h"
#include "ui/Language.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTest>

using testsupport::makeRecord;
using namespace Qt::StringLiterals;

namespace {

std::vector<catalogue::FilmRecord> twoCassettes()
{
    return {makeRecord(u"Erste Kassette"_s, 180, u"Nur auf der ersten"_s, 90),
            makeRecord(u"Zweite Kassette"_s, 240, u"Der dritte Mann"_s, 104),
            makeRecord(u"Zweite Kassette"_s, 240, u"Spiel mir das Lied vom Tod"_s, 60, 1)};
}

} // namespace

class TestSheetOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { ui::setLanguage(ui::kEnglish); }
    void sheetAsPdf_writesTheSelectedCassetteToTheChosenFile();
    void listAsPdf_unwritableFile_isReportedAsAnError();
    void sheetCommands_withoutSelection_warnAndOpenNothing_data();
    void sheetCommands_withoutSelection_warnAndOpenNothing();
    void catalogueList_opensInThePreviewOverItsPages();

private:
    QTemporaryDir home_;
};

// The file dialog starts in the documents folder: a temporary one, not the user's.
void TestSheetOutput::initTestCase()
{
    QVERIFY(home_.isValid());
    qputenv("HOME", home_.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
}

void TestSheetOutput::sheetAsPdf_writesTheSelectedCassetteToTheChosenFile()
{
    const testsupport::TempSettings settings;
    WindowFixture f(twoCassettes());
    f.mainWindow->retranslate();
    f.list()->setSelectedRow(1);
    const QString path = f.dir.filePath(u"chosen.pdf"_s);
    testsupport::ModalScript modal;
    modal.queueFile(path);
    testsupport::widget<QAction>(f.mainWindow.get(), u"sheetPdfAction"_s)->trigger();

    QCOMPARE(modal.opened(), QStringList{u"fileDialog"_s});
    const QString text = testsupport::pdfText(path);
    for (const QString& expected :
         {u"Zweite Kassette"_s, u"00:00-01:44"_s, u"01:44-02:44"_s, u"Der dritte Mann"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" missing from:\n"_s + text));
    QVERIFY(!text.contains(u"Nur auf der ersten"_s));
}

void TestSheetOutput::listAsPdf_unwritableFile_isReportedAsAnError()
{
    const testsupport::TempSettings settings;
    WindowFixture f(twoCassettes());
    f.mainWindow->retranslate();
    const QString path = f.dir.filePath(u"no such folder/list.pdf"_s);
    testsupport::ModalScript modal;
    modal.queueFile(path);
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    testsupport::widget<QAction>(f.mainWindow.get(), u"listPdfAction"_s)->trigger();

    QCOMPARE(boxes.callCount(), 1);
    QCOMPARE(boxes.lastCall().icon, ui::Icon::Error);
    QVERIFY(boxes.lastCall().text.contains(QDir::toNativeSeparators(path)));
    QVERIFY(!QFileInfo::exists(path));
}

void TestSheetOutput::sheetCommands_withoutSelection_warnAndOpenNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("print") << u"printSheetAction"_s;
    QTest::newRow("PDF") << u"sheetPdfAction"_s;
}

void TestSheetOutput::sheetCommands_withoutSelection_warnAndOpenNothing()
{
    QFETCH(QString, action);
    WindowFixture f(twoCassettes());
    f.mainWindow->retranslate();
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    const testsupport::ModalScript modal;
    testsupport::widget<QAction>(f.mainWindow.get(), action)->trigger();

    QCOMPARE(boxes.callCount(), 1);
    QCOMPARE(boxes.lastCall().caption, u"No tape selected"_s);
    QVERIFY(modal.opened().isEmpty());
}

void TestSheetOutput::catalogueList_opensInThePreviewOverItsPages()
{
    std::vector<catalogue::FilmRecord> records = twoCassettes();
    // Enough films for a second page on any paper.
    for (int i = 0; i < 120; ++i)
        records.push_back(makeRecord(u"Zweite Kassette"_s, 240, u"Folge %1"_s.arg(i + 1), 1));
    WindowFixture f(records);
    f.mainWindow->retranslate();
    testsupport::ModalScript modal;
    int pages = 0;
    modal.queue([&](QDialog* dialog) {
        dialog->show();
        if (const auto* preview = dialog->findChild<QPrintPreviewWidget*>())
            pages = preview->pageCount();
        dialog->hide();
        return int(QDialog::Rejected);
    });
    testsupport::widget<QAction>(f.mainWindow.get(), u"printListAction"_s)->trigger();

    QCOMPARE(modal.opened(), QStringList{u"printPreview"_s});
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
}

QTEST_MAIN(TestSheetOutput)
#include "tst_sheetoutput.moc"
