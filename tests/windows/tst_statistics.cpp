#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "support/ModalScript.h"
#include "support/PdfText.h"
#include "support/Records.h"
#include "support/TempSettings.h"
#include "support/Widgets.h"
#include "ui/Language.h"
#include "ui/SettingsStore.h"
#include "windows/labels/LabelDialog.h"
#include "windows/labels/LabelSheetEditor.h"
#include "windows/statistics/StatisticsChart.h"
#include "windows/statistics/StatisticsWindow.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using catalogue::FilmRecord;
using testsupport::makeRecord;
using testsupport::widget;
using namespace Qt::StringLiterals;

namespace {

FilmRecord film(const QString& tape, int tapeLength, const QString& title, int length, int year,
                const QString& genre, quint8 longplay = 0, quint8 blackWhite = 0, quint8 seen = 0,
                quint8 deletable = 0)
{
    FilmRecord r = makeRecord(tape, tapeLength, title, length, longplay);
    r.year = quint16(year);
    catalogue::setText(r.genre, genre);
    r.blackWhite = blackWhite;
    r.seen = seen;
    r.deletable = deletable;
    return r;
}

// The chart's bars as "label=count", in its order.
QString bars(const windows::StatisticsChart* chart)
{
    QStringList shown;
    for (qsizetype i = 0; i < chart->categories().size(); ++i)
        shown.append(u"%1=%2"_s.arg(chart->categories()[i]).arg(chart->values()[i]));
    return shown.join(u' ');
}

QString figure(const windows::StatisticsWindow& window, int row)
{
    return widget<QLabel>(&window, u"figureValue%1"_s.arg(row))->text();
}

} // namespace

class TestStatistics final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void window_showsFiguresAndChartsOfTheLanguage_data();
    void window_showsFiguresAndChartsOfTheLanguage();
    void window_followsTheCatalogueOnlyWhileOpen();
    void genres_countUnderTheNamesOfTheLanguageShown_data();
    void genres_countUnderTheNamesOfTheLanguageShown();
    void decades_labelsShowWholeOnScreenAndPage_data();
    void decades_labelsShowWholeOnScreenAndPage();
    void chart_writesCountsAsWholeGroupedNumbers_data();
    void chart_writesCountsAsWholeGroupedNumbers();
    void labels_tickedTapeGoesToThePdfAndTheChoicesAreRemembered();
    void labels_ownSheetIsRefusedUntilItFitsThenRemembered();
    void labels_openFollowTheTapesAndKeepTheChoicesOnView_data();
    void labels_openFollowTheTapesAndKeepTheChoicesOnView();

private:
    catalogue::Catalogue catalogue_;
    QTemporaryDir home_;
};

void TestStatistics::initTestCase()
{
    // The file dialog starts in the documents folder: a temporary one, not the user's.
    QVERIFY(home_.isValid());
    qputenv("HOME", home_.path().toLocal8Bit());
}

// Five tapes: two films each on "Krimis" and "Komödien", one over-full, one empty, one of
// documentaries; genres English and German, in other letter case and with blanks, and none.
void TestStatistics::init()
{
    ui::setLanguage(ui::kEnglish);
    for (const FilmRecord& r :
         {film(u"Krimis"_s, 240, u"Der dritte Mann"_s, 104, 1949, u"Thriller"_s, 0, 1, 1),
          film(u"Krimis"_s, 240, u"M"_s, 93, 1931, u" krimi "_s, 1, 1),
          film(u"Komödien"_s, 180, u"Ohne Jahr"_s, 90, 0, u"Comedy"_s),
          film(u"Komödien"_s, 180, u"Otto"_s, 60, 1985, u"KOMÖDIE"_s, 0, 0, 1, 1),
          film(u"Zu voll"_s, 60, u"Zu lang"_s, 90, 1987, u""_s), makeRecord(u"Leer"_s, 120),
          film(u"Dokus"_s, 100, u"Wale"_s, 30, 2003, u"Documentary"_s, 1)})
        testsupport::appendRecord(catalogue_, r);
}

void TestStatistics::cleanup()
{
    catalogue_.releaseAll();
    ui::setLanguage(ui::kEnglish);
}

void TestStatistics::window_showsFiguresAndChartsOfTheLanguage_data()
{
    QTest::addColumn<quint8>("language");
    QTest::addColumn<QStringList>("figures"); // recorded, free, free in long-play, average, most, long-play
    QTest::addColumn<QString>("genres");
    QTest::addColumn<QString>("decades");
    // 467 minutes recorded; free 89 + 30 + 0 (over-full) + 120 + 85 minutes, twice as much in long-play.
    QTest::newRow("English: Krimi as Crime, Komödie as Comedy")
        << ui::kEnglish
        << QStringList{u"7.8 h"_s, u"5.4 h"_s, u"10.8 h"_s, u"1.2"_s, u"2 (on \"Krimis\")"_s, u"33.3 % (2)"_s}
        << u"Comedy=2 Crime=1 Documentary=1 Thriller=1 No genre=1"_s
        << u"1930s=1 1940s=1 1950s=0 1960s=0 1970s=0 1980s=2 1990s=0 2000s=1 Unknown year=1"_s;
    QTest::newRow("German: Comedy as Komödie, Documentary as Dokumentation")
        << ui::kGerman << QStringList{u"7,8 Std."_s, u"5,4 Std."_s,         u"10,8 Std."_s,
                                      u"1,2"_s,      u"2 (auf „Krimis“)"_s, u"33,3 % (2)"_s}
        << u"Komödie=2 Dokumentation=1 Krimi=1 Thriller=1 Ohne Genre=1"_s
        << u"1930er=1 1940er=1 1950er=0 1960er=0 1970er=0 1980er=2 1990er=0 2000er=1 Jahr unbekannt=1"_s;
}

void TestStatistics::window_showsFiguresAndChartsOfTheLanguage()
{
    QFETCH(quint8, language);
    QFETCH(QStringList, figures);
    QFETCH(QString, genres);
    QFETCH(QString, decades);
    windows::StatisticsWindow window(catalogue_);
    window.show();
    // A change of language while open counts by the new genre list.
    ui::setLanguage(language);

    QCOMPARE(figure(window, 0), u"5"_s);
    QCOMPARE(figure(window, 1), u"6"_s);
    QCOMPARE((QStringList{figure(window, 2), figure(window, 3), figure(window, 4), figure(window, 5),
                          figure(window, 6), figure(window, 7)}),
             figures);
    QCOMPARE(bars(window.genreChart()), genres);
    QCOMPARE(bars(window.decadeChart()), decades);
    // Empty and 30 of 100 minutes in long-play; 301 of 480 half-minutes; 300 of 360; 180 of 120.
    QCOMPARE(window.fullnessChart()->values(), (QList<int>{2, 0, 1, 1, 1}));
}

void TestStatistics::window_followsTheCatalogueOnlyWhileOpen()
{
    windows::StatisticsWindow window(catalogue_);
    window.show();
    const catalogue::Cassette* empty = catalogue_.findCassette(u"Leer");
    {
        // Counted once the batch ends, not at each change.
        const catalogue::Catalogue::Batch batch(catalogue_);
        catalogue_.addFilm(*empty, catalogue::filmOf(film(u""_s, 0, u"Neu"_s, 90, 1999, u"Drama"_s)));
        catalogue_.addFilm(*empty,
                           catalogue::filmOf(film(u""_s, 0, u"Noch einer"_s, 60, 1999, u"Drama"_s, 1)));
        QCOMPARE(figure(window, 1), u"6"_s);
    }
    QCOMPARE(figure(window, 1), u"8"_s);
    QVERIFY(bars(window.genreChart()).contains(u" Drama=2 "_s));
    QCOMPARE(window.fullnessChart()->values(), (QList<int>{1, 0, 1, 2, 1}));

    window.hide();
    catalogue_.removeFilm(*catalogue_.findCassette(u"Leer")->records().front());
    QTest::qWait(20);
    QCOMPARE(figure(window, 1), u"8"_s);
    window.show();
    QCOMPARE(figure(window, 1), u"7"_s);
}

void TestStatistics::genres_countUnderTheNamesOfTheLanguageShown_data()
{
    QTest::addColumn<quint8>("language");
    QTest::addColumn<QStringList>("genres"); // one film each
    QTest::addColumn<QString>("bars");
    QTest::newRow("English: German names count as English")
        << ui::kEnglish << QStringList{u"Komödie"_s, u"comedy"_s, u" KRIMI"_s, u"Kriegsfilm"_s, u"Warfilm"_s}
        << u"Comedy=2 Warfilm=2 Crime=1"_s;
    QTest::newRow("German: English names count as German")
        << ui::kGerman << QStringList{u"Comedy"_s, u"Komödie "_s, u"Crime"_s, u"costume film"_s}
        << u"Komödie=2 Kostümfilm=1 Krimi=1"_s;
    QTest::newRow("typed genres: bars of their own, as first typed")
        << ui::kEnglish
        << QStringList{u"Heimatfilm"_s, u" heimatfilm"_s, u"Mantel und Degen"_s, u"Drama"_s, u""_s}
        << u"Heimatfilm=2 Drama=1 Mantel und Degen=1 No genre=1"_s;
    // The list's genre and the largest typed ones fill the chart; one bar is left for the rest.
    QStringList many{u"Drama"_s, u"Drama"_s, u"Genre 40"_s};
    QStringList shown{u"Drama=2"_s, u"Genre 40=2"_s};
    for (int i = 1; i < 40; ++i) {
        many.append(u"Genre %1"_s.arg(i, 2, 10, QChar(u'0')));
        if (i <= exchange::kMostGenreBars - 3)
            shown.append(u"Genre %1=1"_s.arg(i, 2, 10, QChar(u'0')));
    }
    many.append(u"Genre 40"_s);
    shown.append(u"Sonstige=%1"_s.arg(40 - (exchange::kMostGenreBars - 2)));
    QTest::newRow("German: more typed genres than room, the rest as other")
        << ui::kGerman << many << shown.join(u' ');
}

void TestStatistics::genres_countUnderTheNamesOfTheLanguageShown()
{
    QFETCH(quint8, language);
    QFETCH(QStringList, genres);
    QFETCH(QString, bars);
    catalogue_.releaseAll();
    for (const QString& genre : genres)
        testsupport::appendRecord(catalogue_, film(u"Band"_s, 240, u"Film"_s, 1, 1990, genre));
    ui::setLanguage(language);
    windows::StatisticsWindow window(catalogue_);
    window.show();
    QCOMPARE(::bars(window.genreChart()), bars);
}

// Eight decades: level labels, unless a film of no year adds its bar, which turns them.
void TestStatistics::decades_labelsShowWholeOnScreenAndPage_data()
{
    QTest::addColumn<quint8>("language");
    QTest::addColumn<bool>("unknownYear");
    QTest::newRow("English") << ui::kEnglish << false;
    QTest::newRow("English, unknown year") << ui::kEnglish << true;
    QTest::newRow("German") << ui::kGerman << false;
    QTest::newRow("German, unknown year") << ui::kGerman << true;
}

void TestStatistics::decades_labelsShowWholeOnScreenAndPage()
{
    QFETCH(quint8, language);
    QFETCH(bool, unknownYear);
    catalogue_.releaseAll();
    for (int year = 1935; year < 2010; year += 10)
        testsupport::appendRecord(catalogue_, film(u"Band"_s, 240, u"Film"_s, 10, year, u"Drama"_s));
    if (unknownYear)
        testsupport::appendRecord(catalogue_, film(u"Band"_s, 240, u"Film"_s, 10, 0, u"Drama"_s));
    ui::setLanguage(language);
    windows::StatisticsWindow window(catalogue_);
    window.show();
    windows::StatisticsChart* chart = window.decadeChart();
    chart->grab();
    QStringList shown;
    for (const QGraphicsItem* item : chart->scene()->items()) {
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
            shown.append(text->toPlainText());
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"statistics.pdf"_s);
    testsupport::ModalScript modal;
    modal.queueFile(path);
    widget<QPushButton>(&window, u"pdfButton"_s)->click();
    const QString printed = testsupport::pdfText(path);
    // The file written is noted in the window.
    QVERIFY(!widget<QLabel>(&window, u"noteLabel"_s)->text().isEmpty());
    QVERIFY(
        widget<QLabel>(&window, u"noteLabel"_s)->toolTip().endsWith(u' ' + QDir::toNativeSeparators(path)));
    QCOMPARE(chart->categories().size(), 8 + int(unknownYear));
    for (const QString& label : chart->categories()) {
        QVERIFY2(shown.contains(label), qPrintable(label + u" cut on screen: "_s + shown.join(u'|')));
        QVERIFY2(printed.contains(label), qPrintable(label + u" cut on the page: "_s + printed));
    }
}

void TestStatistics::chart_writesCountsAsWholeGroupedNumbers_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("count");
    QTest::newRow("en") << int(ui::kEnglish) << u"1,000,053"_s;
    QTest::newRow("de") << int(ui::kGerman) << u"1.000.053"_s;
}

void TestStatistics::chart_writesCountsAsWholeGroupedNumbers()
{
    QFETCH(int, language);
    QFETCH(QString, count);
    windows::StatisticsChart chart(windows::StatisticsChart::Direction::Lying);
    chart.resize(600, 300);
    chart.setBars({{u"Drama"_s, 1000053}, {u"Krimi"_s, 7}}, ui::localeOf(quint8(language)));
    chart.grab();
    QStringList labels;
    for (const QGraphicsItem* item : chart.scene()->items()) {
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item))
            labels.append(text->toPlainText());
        else if (const auto* simple = dynamic_cast<const QGraphicsSimpleTextItem*>(item))
            labels.append(simple->text());
    }
    // The count at the bar's end, and the value axis still labelled from 0.
    QVERIFY2(labels.contains(count) && labels.contains(u"0"_s), qPrintable(labels.join(u" | ")));
}

void TestStatistics::labels_tickedTapeGoesToThePdfAndTheChoicesAreRemembered()
{
    const testsupport::TempSettings temp;
    ui::SettingsStore settings;
    windows::LabelDialog dialog(catalogue_, settings);
    dialog.prepare(catalogue_.findCassette(u"Komödien"));
    dialog.show();
    QVERIFY(widget<QRadioButton>(&dialog, u"tickedRadio"_s)->isChecked());
    QCOMPARE(dialog.chosenCassettes().size(), std::size_t(1));
    // Face labels take the face sheet on the same paper.
    widget<QRadioButton>(&dialog, u"faceRadio"_s)->setChecked(true);
    QCOMPARE(dialog.options().sheet, exchange::builtInLabelSheets()[1].sheet);
    // Ticking a second tape keeps choosing the ticked ones.
    widget<QListWidget>(&dialog, u"tapeList"_s)->item(0)->setCheckState(Qt::Checked);
    QCOMPARE(dialog.chosenCassettes().size(), std::size_t(2));
    QCOMPARE(widget<QLabel>(&dialog, u"summaryLabel"_s)->text(), u"2 labels on 1 sheet"_s);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"labels.pdf"_s);
    testsupport::ModalScript modal;
    modal.queueFile(path);
    widget<QPushButton>(&dialog, u"pdfButton"_s)->click();
    QCOMPARE(widget<QLabel>(&dialog, u"noteLabel"_s)->toolTip(),
             u"PDF file written: "_s + QDir::toNativeSeparators(path));

    const QString text = testsupport::pdfText(path);
    for (const QString& expected :
         {u"Krimis"_s, u"00:00-01:44"_s, u"Der dritte Mann"_s, u"Komödien"_s, u"01:30-02:30"_s, u"Otto"_s})
        QVERIFY2(text.contains(expected), qPrintable(expected + u" missing from\n"_s + text));
    QVERIFY(!text.contains(u"Dokus"_s));
    QCOMPARE(temp.storedValue(u"LabelKind"_s).toInt(), int(exchange::LabelKind::Face));
    QCOMPARE(temp.storedValue(u"LabelSheet"_s).toInt(), 1);

    // Opened again: face labels, no tape selected, so all of them.
    windows::LabelDialog again(catalogue_, settings);
    again.prepare(nullptr);
    QVERIFY(widget<QRadioButton>(&again, u"faceRadio"_s)->isChecked());
    QCOMPARE(again.chosenCassettes().size(), catalogue_.cassettes().size());
}

void TestStatistics::labels_ownSheetIsRefusedUntilItFitsThenRemembered()
{
    const testsupport::TempSettings temp;
    ui::SettingsStore settings;
    windows::LabelDialog dialog(catalogue_, settings);
    dialog.prepare(nullptr);
    dialog.show();
    auto* sheets = widget<QComboBox>(&dialog, u"sheetCombo"_s);
    auto* width = widget<QDoubleSpinBox>(&dialog, u"widthEdit"_s);
    QVERIFY(!width->isEnabled());
    sheets->setCurrentIndex(sheets->count() - 1);
    QVERIFY(width->isEnabled());
    width->setValue(100);
    widget<QSpinBox>(&dialog, u"columnsEdit"_s)->setValue(3);
    widget<QSpinBox>(&dialog, u"rowsEdit"_s)->setValue(2);
    auto* pdf = widget<QPushButton>(&dialog, u"pdfButton"_s);
    QVERIFY(!pdf->isEnabled());
    QCOMPARE(widget<QLabel>(&dialog, u"summaryLabel"_s)->text(), u"The labels do not fit on the paper."_s);

    widget<QSpinBox>(&dialog, u"columnsEdit"_s)->setValue(2);
    auto* start = widget<QSpinBox>(&dialog, u"startEdit"_s);
    QCOMPARE(start->maximum(), 4);
    start->setValue(4);
    QVERIFY(pdf->isEnabled());
    // Five tapes from the last of four labels: one on the first sheet, four on the second.
    QCOMPARE(widget<QLabel>(&dialog, u"summaryLabel"_s)->text(), u"5 labels on 2 sheets"_s);

    QTemporaryDir dir;
    testsupport::ModalScript modal;
    modal.queueFile(dir.filePath(u"own.pdf"_s));
    pdf->click();
    QCOMPARE(testsupport::pdfText(dir.filePath(u"own.pdf"_s)).count(u'\f'), 2);

    windows::LabelDialog again(catalogue_, settings);
    again.prepare(nullptr);
    const exchange::LabelSheet sheet = again.options().sheet;
    QCOMPARE(sheet.labelWidth, 100.0);
    QCOMPARE(sheet.columns, 2);
    QCOMPARE(sheet.rows, 2);
    // Every use starts at the first label again.
    QCOMPARE(again.options().startAt, 1);
}

void TestStatistics::labels_openFollowTheTapesAndKeepTheChoicesOnView_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("ticked");
    QTest::newRow("ticked tape removed")
        << u"remove Komödien"_s << QStringList{u"Krimis"_s, u"Zu voll"_s, u"Leer"_s, u"Dokus"_s}
        << QStringList{u"Krimis"_s};
    QTest::newRow("tape added") << u"add Neu"_s << QStringList{u"Krimis"_s, u"Komödien"_s, u"Zu voll"_s,
                                                               u"Leer"_s,   u"Dokus"_s,    u"Neu"_s}
                                << QStringList{u"Krimis"_s, u"Komödien"_s};
    // The ticked tape's records join the tape listed before it: that one, ticked too, is what remains.
    QTest::newRow("ticked tape joined")
        << u"rename Komödien"_s << QStringList{u"Krimis"_s, u"Zu voll"_s, u"Leer"_s, u"Dokus"_s}
        << QStringList{u"Krimis"_s};
    QTest::newRow("catalogue released") << u"release"_s << QStringList() << QStringList();
}

void TestStatistics::labels_openFollowTheTapesAndKeepTheChoicesOnView()
{
    QFETCH(QString, change);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, ticked);
    const testsupport::TempSettings temp;
    ui::SettingsStore settings;
    windows::LabelDialog dialog(catalogue_, settings);
    dialog.prepare(catalogue_.findCassette(u"Komödien"));
    dialog.show();
    auto* list = widget<QListWidget>(&dialog, u"tapeList"_s);
    list->item(0)->setCheckState(Qt::Checked);
    widget<QRadioButton>(&dialog, u"faceRadio"_s)->setChecked(true);

    if (change == u"remove Komödien")
        catalogue_.removeCassette(*catalogue_.findCassette(u"Komödien"));
    else if (change == u"add Neu")
        catalogue_.createCassette(u"Neu", 60);
    else if (change == u"rename Komödien")
        catalogue_.renameCassette(*catalogue_.findCassette(u"Komödien"), u"Krimis", 240);
    else
        catalogue_.releaseAll();

    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown += list->item(row)->text();
    QCOMPARE(shown, listed);
    QStringList chosen;
    for (const catalogue::Cassette* cassette : dialog.chosenCassettes())
        chosen += cassette->name();
    QCOMPARE(chosen, ticked);

    // Asked for again while open: the new selection, and the kind of label still the one on view.
    dialog.prepare(nullptr);
    QCOMPARE(dialog.chosenCassettes().size(), catalogue_.cassettes().size());
    QVERIFY(widget<QRadioButton>(&dialog, u"faceRadio"_s)->isChecked());
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
