#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "exchange/LineBreak.h"
#include "exchange/SheetData.h"
#include "exchange/SheetDocument.h"
#include "exchange/SheetLayout.h"
#include "exchange/SheetPainter.h"
#include "support/PdfText.h"
#include "support/Records.h"
#include "ui/Language.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using exchange::PagePart;
using testsupport::makeRecord;
using namespace Qt::StringLiterals;

namespace {

// The pages as text: "H0 C0 F0..2 | K0 C0 F3..4", a film run naming its first and last film.
QString describe(const std::vector<exchange::SheetPage>& pages)
{
    QStringList described;
    for (const exchange::SheetPage& page : pages) {
        QStringList parts;
        for (std::size_t i = 0; i < page.size(); ++i) {
            const PagePart& part = page[i];
            if (part.kind != PagePart::Film) {
                const char16_t* kind = part.kind == PagePart::Heading            ? u"H"
                                       : part.kind == PagePart::ContinuedHeading ? u"K"
                                                                                 : u"C";
                parts.append(QString::fromUtf16(kind) + QString::number(part.cassette));
                continue;
            }
            std::size_t last = i;
            while (last + 1 < page.size() && page[last + 1].kind == PagePart::Film &&
                   page[last + 1].film == page[last].film + 1)
                ++last;
            parts.append(u"F%1..%2"_s.arg(part.film).arg(page[last].film));
            i = last;
        }
        described.append(parts.join(u' '));
    }
    return described.join(u" | "_s);
}

} // namespace

class TestSheets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_cassetteThatDoesNotFitStartsANewPage_data();
    void layout_cassetteThatDoesNotFitStartsANewPage();
    void cassetteSheetPdf_holdsCounterRangesTitlesAndName_data();
    void cassetteSheetPdf_holdsCounterRangesTitlesAndName();
    void breakLines_keepsWordsWholeAndHyphenatesTooLongOnes_data();
    void breakLines_keepsWordsWholeAndHyphenatesTooLongOnes();
    void pdf_followsTheLayoutPageForPage_atAnyResolution();
};

// Headings 10 high, column titles 5, film rows 10, cassettes 5 apart.
void TestSheets::layout_cassetteThatDoesNotFitStartsANewPage_data()
{
    QTest::addColumn<double>("pageHeight");
    QTest::addColumn<QList<int>>("films");
    QTest::addColumn<QString>("pages");
    QTest::newRow("two fit on one page") << 100.0 << QList{3, 3} << u"H0 C0 F0..2 H1 C1 F0..2"_s;
    QTest::newRow("one too many rows: the second starts a page")
        << 100.0 << QList{3, 4} << u"H0 C0 F0..2 | H1 C1 F0..3"_s;
    QTest::newRow("longer than a page: fresh page, then continued")
        << 100.0 << QList{2, 12} << u"H0 C0 F0..1 | H1 C1 F0..7 | K1 C1 F8..11"_s;
    QTest::newRow("a long first cassette: no empty page before it, the next follows on")
        << 100.0 << QList{12, 1} << u"H0 C0 F0..7 | K0 C0 F8..11 H1 C1 F0..0"_s;
    QTest::newRow("empty cassettes") << 100.0 << QList{0, 0} << u"H0 C0 H1 C1"_s;
    QTest::newRow("a row taller than what is left of a page still goes on")
        << 20.0 << QList{3} << u"H0 C0 F0..0 | K0 C0 F1..1 | K0 C0 F2..2"_s;
}

void TestSheets::layout_cassetteThatDoesNotFitStartsANewPage()
{
    QFETCH(double, pageHeight);
    QFETCH(QList<int>, films);
    QFETCH(QString, pages);
    std::vector<exchange::BlockHeights> blocks;
    for (const int count : films)
        blocks.push_back({10, 5, std::vector<double>(std::size_t(count), 10.0)});

    QCOMPARE(describe(exchange::layoutSheets(blocks, pageHeight, 5)), pages);
}

void TestSheets::cassetteSheetPdf_holdsCounterRangesTitlesAndName_data()
{
    QTest::addColumn<quint8>("language");
    QTest::addColumn<QString>("remaining");
    QTest::newRow("English") << ui::kEnglish << u"Remaining time: 89 min"_s;
    QTest::newRow("German") << ui::kGerman << u"Restzeit: 89 Min."_s;
}

void TestSheets::cassetteSheetPdf_holdsCounterRangesTitlesAndName()
{
    QFETCH(quint8, language);
    QFETCH(QString, remaining);
    ui::setLanguage(language);
    const QString longTitle = u"Dr. Seltsam oder: Wie ich lernte, die Bombe zu lieben und keine Sorgen"_s;
    catalogue::Catalogue catalogue;
    testsupport::appendRecord(catalogue, makeRecord(u"Andere Kassette"_s, 180, u"Nicht auf dem Blatt"_s, 90));
    testsupport::appendRecord(catalogue, makeRecord(u"Krimis für Sonntag"_s, 240, u"Der dritte Mann"_s, 104));
    testsupport::appendRecord(catalogue, makeRecord(u"Krimis für Sonntag"_s, 240, longTitle, 93, 1));

    QTemporaryDir dir;
    const QString path = dir.filePath(u"sheet.pdf"_s);
    QCOMPARE(exchange::writeSheetsPdf(
                 path, {}, {exchange::gatherCassette(*catalogue.findCassette(u"Krimis für Sonntag"_s))},
                 exchange::SheetKind::CassetteSheet)
                 .status,
             catalogue::WriteOutcome::Written);
    const QString text = testsupport::pdfText(path);

    // 240 minutes hold 104 normal and 93 long-play ones with 89 1/2 to spare.
    for (const QString& expected :
         {u"Krimis für Sonntag"_s, u"00:00-01:44"_s, u"01:44-03:17"_s, u"Der dritte Mann"_s, remaining})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" missing from:\n"_s + text));
    for (const QString& word : longTitle.split(u' '))
        QVERIFY2(text.contains(word), qPrintable(word + u" of the long title missing"_s));
    QVERIFY(!text.contains(u"Nicht auf dem Blatt"_s));
}

// Widths by the character, so that the lines can be written down.
void TestSheets::breakLines_keepsWordsWholeAndHyphenatesTooLongOnes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("fits") << u"Der dritte Mann"_s << 20.0 << QStringList{u"Der dritte Mann"_s};
    QTest::newRow("at a space") << u"Der dritte Mann"_s << 10.0 << QStringList{u"Der dritte"_s, u"Mann"_s};
    QTest::newRow("a word longer than the column, with a hyphen")
        << u"Literaturverfilmung"_s << 12.0 << QStringList{u"Literaturve-"_s, u"rfilmung"_s};
    QTest::newRow("a long word starts a line of its own")
        << u"Ein Literaturverfilmungsklassiker"_s << 12.0
        << QStringList{u"Ein"_s, u"Literaturve-"_s, u"rfilmungskl-"_s, u"assiker"_s};
    QTest::newRow("after a hyphen of the word, and no second one")
        << u"Science-Fiction-Komödie"_s << 16.0 << QStringList{u"Science-Fiction-"_s, u"Komödie"_s};
    QTest::newRow("two letters at least go on")
        << u"Dokumentarfilm"_s << 13.0 << QStringList{u"Dokumentarfi-"_s, u"lm"_s};
    QTest::newRow("line breaks and tabs are spaces")
        << u" Der\r\n dritte\tMann "_s << 10.0 << QStringList{u"Der dritte"_s, u"Mann"_s};
    QTest::newRow("a column narrower than a letter still ends")
        << u"abc"_s << 0.5 << QStringList{u"a-"_s, u"b-"_s, u"c"_s};
    QTest::newRow("nothing") << QString() << 5.0 << QStringList{QString()};
}

void TestSheets::breakLines_keepsWordsWholeAndHyphenatesTooLongOnes()
{
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(QStringList, lines);
    QCOMPARE(exchange::breakLines(text, width, [](const QString& line) { return double(line.size()); }),
             lines);
}

// The PDF has the layout's pages, each with the cassettes the layout put on it, whatever the
// resolution it is painted at: the breaks are the layout's, not the device's.
void TestSheets::pdf_followsTheLayoutPageForPage_atAnyResolution()
{
    ui::setLanguage(ui::kEnglish);
    catalogue::Catalogue catalogue;
    for (int c = 0; c < 40; ++c) {
        const QString name = u"Kassette %1"_s.arg(c);
        testsupport::appendRecord(catalogue, makeRecord(name, 9000, u"Film %1-0"_s.arg(c), 90));
        for (int f = 1; f < (c % 7) * 6 + 1; ++f) {
            catalogue::FilmRecord film = makeRecord(
                name, 9000, u"Film %1-%2 oder die lange Geschichte eines Titels"_s.arg(c).arg(f), 90);
            catalogue::setText(film.genre, u"Literaturverfilmung"_s);
            testsupport::appendRecord(catalogue, film);
        }
    }
    const std::unique_ptr<exchange::SheetDocument> document = exchange::SheetDocument::layOut(
        exchange::gatherCatalogue(catalogue), exchange::SheetKind::CatalogueList,
        exchange::defaultSheetPageLayout());
    QVERIFY(document);
    QVERIFY(document->pageCount() > 5);

    QTemporaryDir dir;
    const QString fine = dir.filePath(u"fine.pdf"_s);
    QCOMPARE(exchange::writeSheetsPdf(fine, {}, *document).status, catalogue::WriteOutcome::Written);
    const QString coarse = dir.filePath(u"coarse.pdf"_s);
    {
        QPdfWriter writer(coarse);
        writer.setResolution(300);
        writer.setPageLayout(document->pageLayout());
        QCOMPARE(exchange::paintSheets(writer, *document), exchange::PaintResult::Painted);
    }

    const QStringList pages = testsupport::pdfText(fine).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), document->pageCount());
    QCOMPARE(testsupport::pdfText(coarse).split(u'\f', Qt::SkipEmptyParts), pages);
    for (int page = 0; page < document->pageCount(); ++page) {
        for (const PagePart& part : document->pages()[std::size_t(page)]) {
            const QString name = u"Kassette %1"_s.arg(part.cassette);
            if (part.kind == PagePart::Heading || part.kind == PagePart::ContinuedHeading)
                QVERIFY2(pages[page].contains(name),
                         qPrintable(name + u" not on page "_s + QString::number(page)));
            if (part.kind == PagePart::ContinuedHeading)
                QVERIFY(pages[page].contains(u"(continued)"_s));
            if (part.kind == PagePart::Film) {
                const QString title = u"Film %1-%2"_s.arg(part.cassette).arg(part.film);
                QVERIFY2(pages[page].contains(title),
                         qPrintable(title + u" not on page "_s + QString::number(page)));
            }
        }
    }
}

QTEST_MAIN(TestSheets)
#include "tst_sheets.moc"
