#include "WindowFixture.h"

#include "support/MessageBoxScript.h"
#include "support/ModalScript.h"
#include "support/PdfText.h"
#include "support/TempSettings.h"
#include "ui/Language.h"
#include "windows/print/DocumentPreview.h"
#include "windows/print/PageView.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
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

// A catalogue list of several pages.
std::vector<catalogue::FilmRecord> severalPages()
{
    std::vector<catalogue::FilmRecord> records = twoCassettes();
    for (int c = 0; c < 30; ++c) {
        for (int f = 0; f < 10; ++f)
            records.push_back(makeRecord(u"Kassette %1"_s.arg(c), 1200, u"Film %1-%2"_s.arg(c).arg(f), 90));
    }
    return records;
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
    void catalogueList_previewPaintsPagesInViewAndPrintsThePdfsPages();
    void preview_namesTheDocument_ctrlHomeAndEndGoToTheEndsFromThePageField_data();
    void preview_namesTheDocument_ctrlHomeAndEndGoToTheEndsFromThePageField();

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

// The preview paints the pages in view only, keeps few pictures however far it is scrolled, and shows
// the pages of the PDF file; printed to a file through the print dialog, it gives that file's pages.
void TestSheetOutput::catalogueList_previewPaintsPagesInViewAndPrintsThePdfsPages()
{
    const testsupport::TempSettings settings;
    std::vector<catalogue::FilmRecord> records = twoCassettes();
    for (int c = 0; c < 60; ++c) {
        for (int f = 0; f < 10; ++f)
            records.push_back(makeRecord(u"Kassette %1"_s.arg(c), 1200, u"Film %1-%2"_s.arg(c).arg(f), 90));
    }
    WindowFixture f(records);
    f.mainWindow->retranslate();
    const QString listPdf = f.dir.filePath(u"list.pdf"_s);
    const QString printed = f.dir.filePath(u"printed.pdf"_s);
    testsupport::ModalScript modal;
    modal.queueFile(listPdf);
    testsupport::widget<QAction>(f.mainWindow.get(), u"listPdfAction"_s)->trigger();
    const QStringList pdfPages = testsupport::pdfText(listPdf).split(u'\f', Qt::SkipEmptyParts);
    QVERIFY(pdfPages.size() > 10);

    int pages = 0;
    int paintedAtFirst = 0;
    int keptAtMost = 0;
    int lastShown = -1;
    modal.queue([&](QDialog* dialog) -> int {
        auto* preview = qobject_cast<windows::DocumentPreview*>(dialog);
        preview->show();
        windows::PageView* view = preview->pageView();
        if (QTest::qWaitFor([view] { return view->paintedPageCount() > 0; }))
            paintedAtFirst = view->paintedPageCount();
        pages = preview->pageCount();
        // At twice the paper's size four pictures take what the view may keep.
        view->setZoom(2);
        for (int page = 0; page < pages; page += 3) {
            preview->showPage(page);
            view->repaint();
            keptAtMost = std::max(keptAtMost, view->keptPageCount());
        }
        lastShown = preview->currentPage();
        preview->print();
        preview->hide();
        return int(QDialog::Rejected);
    });
    modal.queue([&](QDialog* dialog) {
        qobject_cast<QPrintDialog*>(dialog)->printer()->setOutputFileName(printed);
        return int(QDialog::Accepted);
    });
    testsupport::widget<QAction>(f.mainWindow.get(), u"printListAction"_s)->trigger();

    QCOMPARE(modal.opened(), (QStringList{u"fileDialog"_s, u"printPreview"_s, u"printDialog"_s}));
    QCOMPARE(pages, pdfPages.size());
    QVERIFY2(paintedAtFirst >= 1 && paintedAtFirst <= 2, qPrintable(QString::number(paintedAtFirst)));
    QCOMPARE(lastShown, pages - 1 - (pages - 1) % 3);
    QVERIFY2(keptAtMost >= 2 && keptAtMost <= 5, qPrintable(QString::number(keptAtMost)));
    QCOMPARE(testsupport::pdfText(printed).split(u'\f', Qt::SkipEmptyParts), pdfPages);
}

void TestSheetOutput::preview_namesTheDocument_ctrlHomeAndEndGoToTheEndsFromThePageField_data()
{
    QTest::addColumn<quint8>("language");
    QTest::addColumn<double>("zoom"); // 0: as it opens, a page's width filling the view
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("title");
    QTest::newRow("Ctrl+End, pages side by side")
        << ui::kEnglish << 0.25 << int(Qt::Key_End) << u"Print preview – Catalogue list"_s;
    QTest::newRow("Ctrl+Home, German")
        << ui::kGerman << 0.0 << int(Qt::Key_Home) << u"Druckvorschau – Katalogliste"_s;
}

void TestSheetOutput::preview_namesTheDocument_ctrlHomeAndEndGoToTheEndsFromThePageField()
{
    QFETCH(quint8, language);
    QFETCH(double, zoom);
    QFETCH(int, key);
    QFETCH(QString, title);
    const testsupport::TempSettings settings;
    WindowFixture f(severalPages());
    ui::setLanguage(language);
    f.mainWindow->retranslate();
    testsupport::ModalScript modal;
    const bool toFirst = key == Qt::Key_Home;
    int pages = 0;
    int columns = 0;
    QList<int> reached;
    QString shownTitle;
    modal.queue([&](QDialog* dialog) -> int {
        auto* preview = qobject_cast<windows::DocumentPreview*>(dialog);
        preview->resize(900, 700);
        preview->show();
        if (zoom > 0)
            preview->pageView()->setZoom(zoom);
        columns = preview->pageView()->columnCount();
        pages = preview->pageCount();
        preview->showPage(toFirst ? pages - 1 : 0);
        auto* field = testsupport::widget<QSpinBox>(preview, u"pageSpin"_s);
        field->setFocus();
        QTest::keyClick(field, Qt::Key(key), Qt::ControlModifier);
        reached += preview->currentPage();
        // A step from there goes to the page beside it, in the same row or the next.
        testsupport::widget<QPushButton>(preview, toFirst ? u"nextPageButton"_s : u"previousPageButton"_s)
            ->click();
        reached += preview->currentPage();
        shownTitle = preview->windowTitle();
        preview->hide();
        return int(QDialog::Rejected);
    });
    testsupport::widget<QAction>(f.mainWindow.get(), u"printListAction"_s)->trigger();
    QVERIFY(pages > 2);
    QCOMPARE(columns > 1, zoom > 0);
    QCOMPARE(reached, toFirst ? (QList<int>{0, 1}) : (QList<int>{pages - 1, pages - 2}));
    QCOMPARE(shownTitle, title);
}

QTEST_MAIN(TestSheetOutput)
#include "tst_sheetoutput.moc"
