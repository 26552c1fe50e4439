#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "exchange/LabelDocument.h"
#include "exchange/LabelText.h"
#include "exchange/SheetData.h"
#include "exchange/SheetPainter.h"
#include "exchange/StatisticsPage.h"
#include "support/PdfText.h"
#include "support/Records.h"
#include "ui/Language.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

using exchange::LabelPaper;
using exchange::LabelSheet;
using testsupport::makeRecord;
using namespace Qt::StringLiterals;

namespace {

// Every character one unit wide: shortening then cuts at a known place.
double characters(const QString& text)
{
    return double(text.size());
}

exchange::SheetCassette cassette(const QString& name, const QStringList& titles, int tapeLength = 240)
{
    exchange::SheetCassette c{name, tapeLength, 0, {}};
    qint64 start = 0;
    for (const QString& title : titles) {
        c.films.push_back({start, 45, title, 0, false, {}, {}});
        start += 45;
    }
    return c;
}

// The labels of each page as "item@row.column", pages apart by " | ".
QString describe(const exchange::LabelPlacement& placement)
{
    const LabelSheet& sheet = placement.sheet();
    QStringList pages;
    for (int page = 0; page < placement.pageCount(); ++page) {
        QStringList labels;
        for (const exchange::PlacedLabel& label : placement.labelsOn(page)) {
            const int row = qRound((label.rect.top() - sheet.topMargin) / (sheet.labelHeight + sheet.rowGap));
            const int column =
                qRound((label.rect.left() - sheet.leftMargin) / (sheet.labelWidth + sheet.columnGap));
            const bool sized = label.rect.size() == QSizeF(sheet.labelWidth, sheet.labelHeight);
            labels.append(u"%1@%2.%3"_s.arg(label.item).arg(row).arg(column) +
                          (sized ? u""_s : u"(size!)"_s));
        }
        pages.append(labels.join(u' '));
    }
    return pages.join(u" | "_s);
}

} // namespace

class TestLabels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ui::setLanguage(ui::kEnglish); }
    void placement_fillsRowByRowFromTheStartLabel_data();
    void placement_fillsRowByRowFromTheStartLabel();
    void sheets_fitTheirPaperOrAreRefused_data();
    void sheets_fitTheirPaperOrAreRefused();
    void spineText_keepsTheNameAndShortensTheTitles_data();
    void spineText_keepsTheNameAndShortensTheTitles();
    void faceText_countsTheFilmsThatDoNotFit_data();
    void faceText_countsTheFilmsThatDoNotFit();
    void pdf_holdsWhatThePageShows_data();
    void pdf_holdsWhatThePageShows();
};

// A sheet of 2 x 2 labels 10 x 5, 3 and 4 from the paper's edges, 1 apart across and 2 down.
void TestLabels::placement_fillsRowByRowFromTheStartLabel_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("startAt");
    QTest::addColumn<QString>("pages");
    QTest::newRow("row by row") << 2 << 3 << 1 << u"0@0.0 1@0.1 2@1.0"_s;
    QTest::newRow("a full sheet, no empty one after it") << 2 << 4 << 1 << u"0@0.0 1@0.1 2@1.0 3@1.1"_s;
    QTest::newRow("start at 3: the first row stays free") << 2 << 3 << 3 << u"0@1.0 1@1.1 | 2@0.0"_s;
    QTest::newRow("start beyond the sheet: its last label") << 2 << 2 << 9 << u"0@1.1 | 1@0.0"_s;
    QTest::newRow("start below 1: the first label") << 2 << 1 << 0 << u"0@0.0"_s;
    QTest::newRow("no labels: one empty sheet") << 2 << 0 << 2 << u""_s;
    QTest::newRow("one column, over three sheets") << 1 << 5 << 2 << u"0@1.0 | 1@0.0 2@1.0 | 3@0.0 4@1.0"_s;
}

void TestLabels::placement_fillsRowByRowFromTheStartLabel()
{
    QFETCH(int, columns);
    QFETCH(int, count);
    QFETCH(int, startAt);
    QFETCH(QString, pages);
    const LabelSheet sheet{LabelPaper::A4, 10, 5, columns, 2, 3, 4, 1, 2};
    const exchange::LabelPlacement placement(sheet, count, startAt);

    QCOMPARE(describe(placement), pages);
    QCOMPARE(placement.pageCount(), int(pages.count(u'|')) + 1);
}

void TestLabels::sheets_fitTheirPaperOrAreRefused_data()
{
    QTest::addColumn<LabelSheet>("sheet");
    QTest::addColumn<bool>("usable");
    for (const exchange::BuiltInLabelSheet& builtIn : exchange::builtInLabelSheets())
        QTest::newRow(builtIn.name) << builtIn.sheet << true;
    // A4 is 210 mm wide: three labels of 70 fill it exactly.
    QTest::newRow("three 70 mm labels across A4")
        << LabelSheet{LabelPaper::A4, 70, 20, 3, 1, 0, 0, 0, 0} << true;
    QTest::newRow("a millimetre too wide") << LabelSheet{LabelPaper::A4, 70, 20, 3, 1, 1, 0, 0, 0} << false;
    QTest::newRow("fits A4, too tall for Letter")
        << LabelSheet{LabelPaper::Letter, 50, 40, 1, 7, 0, 10, 0, 0} << false;
    QTest::newRow("no width") << LabelSheet{LabelPaper::A4, 0, 20, 1, 1, 0, 0, 0, 0} << false;
    QTest::newRow("no columns") << LabelSheet{LabelPaper::A4, 70, 20, 0, 1, 0, 0, 0, 0} << false;
    QTest::newRow("negative gap") << LabelSheet{LabelPaper::A4, 70, 20, 2, 1, 0, 0, -1, 0} << false;
}

void TestLabels::sheets_fitTheirPaperOrAreRefused()
{
    QFETCH(LabelSheet, sheet);
    QFETCH(bool, usable);
    QCOMPARE(sheet.isUsable(), usable);
    if (usable) {
        const QRectF paper(QPointF(), sheet.paperSize());
        const QRectF last = sheet.labelRect(sheet.labelsPerPage() - 1);
        QVERIFY2(
            paper.adjusted(-0.1, -0.1, 0.1, 0.1).contains(last),
            qPrintable(u"%1 %2 %3 %4"_s.arg(last.x()).arg(last.y()).arg(last.right()).arg(last.bottom())));
        QCOMPARE(sheet.labelRect(0).topLeft(), QPointF(sheet.leftMargin, sheet.topMargin));
    }
}

void TestLabels::spineText_keepsTheNameAndShortensTheTitles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("name_");
    QTest::addColumn<QString>("shownTitles");
    const QStringList two{u"Der dritte Mann"_s, u"M"_s};
    QTest::newRow("everything fits") << u"Krimis"_s << two << 30.0 << u"Krimis"_s << u"Der dritte Mann · M"_s;
    // 20 - 6 - 2 leaves 12: "Der dritte" and the "…", the blank before it dropped.
    QTest::newRow("titles cut at the end") << u"Krimis"_s << two << 20.0 << u"Krimis"_s << u"Der dritte…"_s;
    QTest::newRow("no room left for titles") << u"Krimis"_s << two << 8.0 << u"Krimis"_s << u""_s;
    QTest::newRow("a name too long: cut, no titles")
        << u"Krimis für Sonntag"_s << two << 10.0 << u"Krimis fü…"_s << u""_s;
    QTest::newRow("untitled films left out, line breaks as blanks")
        << u"Krimis"_s << QStringList{u""_s, u"Der\r\ndritte Mann"_s} << 30.0 << u"Krimis"_s
        << u"Der dritte Mann"_s;
    QTest::newRow("not even the …") << u"Krimis"_s << two << 0.0 << u""_s << u""_s;
}

void TestLabels::spineText_keepsTheNameAndShortensTheTitles()
{
    QFETCH(QString, name);
    QFETCH(QStringList, titles);
    QFETCH(double, width);
    QFETCH(QString, name_);
    QFETCH(QString, shownTitles);
    const exchange::SpineText text =
        exchange::spineText(cassette(name, titles), width, 2, characters, characters);
    QCOMPARE(text.name, name_);
    QCOMPARE(text.titles, shownTitles);
    QVERIFY(characters(text.name) + (text.titles.isEmpty() ? 0 : 2 + characters(text.titles)) <= width);
}

void TestLabels::faceText_countsTheFilmsThatDoNotFit_data()
{
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<double>("titleWidth");
    QTest::addColumn<int>("maxLines");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<int>("hidden");
    QTest::newRow("all fit") << 240 << 10.0 << 3
                             << u"00:00-00:45 Casablanca;00:45-01:30 Der dritt…;01:30-02:15 M"_s << 0;
    QTest::newRow("one short: the last line tells of two")
        << 240 << 10.0 << 2 << u"00:00-00:45 Casablanca"_s << 2;
    QTest::newRow("no room") << 240 << 10.0 << 0 << u""_s << 3;
    // 60 minutes of tape: the second film runs past its end, the third lies wholly beyond it.
    QTest::newRow("over-full: films past the end marked, their titles cut for the mark")
        << 60 << 20.0 << 3
        << u"00:00-00:45 Casablanca;00:45-01:30 Der drit… (past end);01:30-02:15 M (past end)"_s << 0;
}

void TestLabels::faceText_countsTheFilmsThatDoNotFit()
{
    QFETCH(int, tapeLength);
    QFETCH(double, titleWidth);
    QFETCH(int, maxLines);
    QFETCH(QString, lines);
    QFETCH(int, hidden);
    const exchange::FaceText text = exchange::faceText(
        cassette(u"Krimis für Sonntag"_s, {u"Casablanca"_s, u"Der dritte Mann"_s, u"M"_s}, tapeLength),
        maxLines, 12, titleWidth, characters, characters);
    QStringList shown;
    for (const exchange::FaceLine& line : text.lines)
        shown.append(line.counter + u' ' + line.title);
    QCOMPARE(text.name, u"Krimis für…"_s);
    QCOMPARE(shown.join(u';'), lines);
    QCOMPARE(text.hiddenFilms, hidden);
}

// Spine and face labels, 16 a sheet, started at the last label, so that the second tape begins a second
// page; and the statistics page.
void TestLabels::pdf_holdsWhatThePageShows_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("spine labels") << u"spine"_s
                                  << QStringList{
                                         u"Krimis für Sonntag Der dritte Mann · Spiel mir das Lied vom Tod"_s,
                                         u"Western Rio Bravo"_s};
    QTest::newRow("face labels") << u"face"_s
                                 << QStringList{u"Krimis für Sonntag\n00:00-01:44 Der dritte Mann\n"
                                                u"01:44-03:17 Spiel mir das Lied vom Tod"_s,
                                                u"Western\n00:00-02:21 Rio Bravo"_s};
    // Captions and values stand in columns of their own; a "fi" may come out as one letter.
    QTest::newRow("statistics") << u"statistics"_s
                                << QStringList{u"Statistics"_s,
                                               u"Recorded"_s,
                                               u"5.6 h"_s,
                                               u"2 (on \"Krimis für Sonntag\")"_s,
                                               u"Films per genre"_s,
                                               u"Thriller"_s,
                                               u"No genre"_s,
                                               u"Films per decade of production"_s,
                                               u"1940s"_s,
                                               u"Unknown year"_s,
                                               u"Tapes by how full they are"_s,
                                               u"75–100 %"_s};
}

void TestLabels::pdf_holdsWhatThePageShows()
{
    QFETCH(QString, document);
    QFETCH(QStringList, pages);
    catalogue::Catalogue catalogue;
    catalogue::FilmRecord first = makeRecord(u"Krimis für Sonntag"_s, 240, u"Der dritte Mann"_s, 104);
    first.year = 1949;
    catalogue::setText(first.genre, u"Thriller");
    testsupport::appendRecord(catalogue, first);
    testsupport::appendRecord(
        catalogue, makeRecord(u"Krimis für Sonntag"_s, 240, u"Spiel mir das Lied vom Tod"_s, 93, 1));
    testsupport::appendRecord(catalogue, makeRecord(u"Western"_s, 180, u"Rio Bravo"_s, 141));

    std::unique_ptr<exchange::PagedDocument> output;
    if (document == u"statistics") {
        const QStringList genres{u"Drama"_s, u"Thriller"_s};
        output = std::make_unique<exchange::StatisticsDocument>(exchange::statisticsContent(
            catalogue::collectStatistics(catalogue, genres), genres, QLocale(QLocale::English)));
    } else {
        const exchange::LabelSheet sheet = exchange::builtInLabelSheets().front().sheet;
        const exchange::LabelKind kind =
            document == u"spine" ? exchange::LabelKind::Spine : exchange::LabelKind::Face;
        output = std::make_unique<exchange::LabelDocument>(
            exchange::gatherCatalogue(catalogue), exchange::LabelDocument::Options{sheet, kind, 16, false});
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.pdf"_s);
    const catalogue::WriteOutcome outcome = exchange::writeSheetsPdf(path, {}, *output);
    QVERIFY2(outcome.status == catalogue::WriteOutcome::Written, qPrintable(outcome.reason));

    const QStringList pdfPages = testsupport::pdfText(path).split(u'\f', Qt::SkipEmptyParts);
    if (document == u"statistics") {
        QCOMPARE(pdfPages.size(), 1);
        for (const QString& expected : pages)
            QVERIFY2(pdfPages[0].simplified().contains(expected),
                     qPrintable(expected + u" missing from\n"_s + pdfPages[0]));
        return;
    }
    QCOMPARE(pdfPages.size(), pages.size());
    for (qsizetype page = 0; page < pages.size(); ++page) {
        const QString text = pdfPages[page].trimmed();
        QVERIFY2(text.simplified() == QString(pages[page]).simplified(), qPrintable(text));
    }
}

QTEST_MAIN(TestLabels)
#include "tst_labels.moc"
