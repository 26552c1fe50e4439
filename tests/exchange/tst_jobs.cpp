#include "catalogue/Catalogue.h"
#include "catalogue/Progress.h"
#include "exchange/CsvExport.h"
#include "exchange/CsvFormat.h"
#include "exchange/CsvImport.h"
#include "exchange/SheetData.h"
#include "exchange/SheetPainter.h"
#include "support/Records.h"
#include "ui/Language.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using testsupport::makeRecord;
using namespace Qt::StringLiterals;

namespace {

// Answers every report until the job has come as far as stopAt, then asks it to stop; counts reports.
struct Stopper
{
    double stopAt = 2; // beyond 1: never
    int reports = 0;
    double last = -1;
    bool monotonic = true;

    catalogue::Progress progress()
    {
        return catalogue::Progress([this](double fraction) {
            ++reports;
            monotonic = monotonic && fraction >= last;
            last = fraction;
            return fraction < stopAt;
        });
    }
};

void fill(catalogue::Catalogue& catalogue, int cassettes)
{
    for (int c = 0; c < cassettes; ++c) {
        for (int f = 0; f < 10; ++f)
            testsupport::appendRecord(
                catalogue, makeRecord(u"Kassette %1"_s.arg(c), 2000, u"Film %1-%2"_s.arg(c).arg(f), 90));
    }
}

} // namespace

// Long jobs of the exchange layer tell their progress and stop when asked, leaving nothing behind: a
// file keeps what it held, and no file of theirs is left beside it.
class TestJobs final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { ui::setLanguage(ui::kEnglish); }
    void fileJob_stoppedAnywhere_leavesTheFileAsItWas_data();
    void fileJob_stoppedAnywhere_leavesTheFileAsItWas();
    void importPlan_stopped_isNoPlan();
};

void TestJobs::fileJob_stoppedAnywhere_leavesTheFileAsItWas_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<double>("stopAt");
    QTest::addColumn<bool>("written");
    for (const bool pdf : {true, false}) {
        const char* kind = pdf ? "PDF" : "CSV";
        QTest::addRow("%s: at its start", kind) << pdf << 0.0 << false;
        QTest::addRow("%s: halfway", kind) << pdf << 0.5 << false;
        // Every byte written, not yet in the file's place.
        QTest::addRow("%s: at its last report", kind) << pdf << 1.0 << false;
        QTest::addRow("%s: not stopped", kind) << pdf << 2.0 << true;
    }
}

void TestJobs::fileJob_stoppedAnywhere_leavesTheFileAsItWas()
{
    QFETCH(bool, pdf);
    QFETCH(double, stopAt);
    QFETCH(bool, written);
    catalogue::Catalogue catalogue;
    fill(catalogue, 300);
    QTemporaryDir dir;
    const QString path = dir.filePath(pdf ? u"list.pdf"_s : u"list.csv"_s);
    const QByteArray before = "what the file held before";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();

    Stopper stopper{stopAt};
    const catalogue::WriteOutcome outcome =
        pdf ? exchange::writeSheetsPdf(path, {}, exchange::gatherCatalogue(catalogue),
                                       exchange::SheetKind::CatalogueList, stopper.progress())
            : exchange::writeCatalogueCsv(path, catalogue, stopper.progress());

    QCOMPARE(outcome.status, written ? catalogue::WriteOutcome::Written : catalogue::WriteOutcome::Cancelled);
    QCOMPARE(testsupport::readFileBytes(path) == before, !written);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QFileInfo(path).fileName()});
    QVERIFY(stopper.monotonic);
    if (written) {
        QVERIFY(stopper.reports > 2);
        QCOMPARE(stopper.last, 1.0);
    } else {
        // Stopped at the first report that reached stopAt: nothing was told after it.
        QVERIFY(stopper.last >= stopAt);
    }
}

void TestJobs::importPlan_stopped_isNoPlan()
{
    catalogue::Catalogue source;
    fill(source, 200);
    catalogue::Catalogue target;
    const exchange::CsvText file = exchange::decodeCsvFile(exchange::exportCatalogue(source));
    Stopper stopper{0.5};
    QVERIFY(!exchange::planImport(target, file, {exchange::csvHeader()}, stopper.progress()));
    QVERIFY(stopper.last >= 0.5);

    Stopper never;
    const std::optional<exchange::ImportPlan> plan =
        exchange::planImport(target, file, {exchange::csvHeader()}, never.progress());
    QVERIFY(plan);
    QCOMPARE(plan->filmCount(), 2000);
    QCOMPARE(never.last, 1.0);
}

QTEST_MAIN(TestJobs)
#include "tst_jobs.moc"
