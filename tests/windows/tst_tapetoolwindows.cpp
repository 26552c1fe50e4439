#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Film.h"
#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "exchange/CsvImport.h"
#include "support/MessageBoxScript.h"
#include "support/Records.h"
#include "support/TempSettings.h"
#include "support/Widgets.h"
#include "ui/Language.h"
#include "ui/ReportList.h"
#include "ui/SettingsStore.h"
#include "windows/core/FilmWindow.h"
#include "windows/models/DuplicatesModel.h"
#include "windows/models/FindSpaceModel.h"
#include "windows/models/TapeMapModel.h"
#include "windows/tools/DuplicatesWindow.h"
#include "windows/tools/FindSpaceWindow.h"
#include "windows/tools/TapeMapView.h"
#include "windows/tools/TapeMapWindow.h"
#include "windows/undo/CatalogueCommands.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QUndoStack>

using catalogue::Cassette;
using catalogue::FilmRecord;
using namespace Qt::StringLiterals;
using testsupport::widget;

// The tape tools open beside the film window: each hands it the film or cassette asked for, and shows
// what is added there while it stays open.
class TestTapeToolWindows final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void findSpace_enterOpensBestFit_andFollowsAFilmAdded();
    void findSpace_tellsALengthBeyondAnyTapeAndLongplayMinutes_data();
    void findSpace_tellsALengthBeyondAnyTapeAndLongplayMinutes();
    void tapeMap_namesWidenByDraggingTheirBorder_andKeepTheWidth();
    void tapeMap_clickOpensThatFilm_andShowsAFilmAdded();
    void duplicates_doubleClickOpensThatFilm_andGroupsAFilmAdded();
    void removals_takeTheirRowsAtOnce_data();
    void removals_takeTheirRowsAtOnce();
    void import_toolsAnswerTheBatchAndItsUndo();
    void tapeMap_keysMoveTheCursorAndEnterOpens_data();
    void tapeMap_keysMoveTheCursorAndEnterOpens();
    void tapeMap_readsEachTapeToAScreenReader_data();
    void tapeMap_readsEachTapeToAScreenReader();
    void tapeMap_answersABatchAndItsUndoWithOneRefresh();
    void tapeMap_keepsItsPlaceWhenRefreshed();
    void captions_followTheLanguage_data();
    void captions_followTheLanguage();

private:
    const FilmRecord* film(const QString& tape, int tapeLength, const QString& title, int length,
                           int year = 0, bool longplay = false);
    // Opens the film window as the program does when a tool asks, and records what was asked.
    void openFilmWindow(const Cassette* cassette, const FilmRecord* film);
    // New in the open film window, the fields typed, Save.
    const FilmRecord* addInFilmWindow(const QString& title, int year, int length, bool longplay = false);

    catalogue::Catalogue catalogue_;
    QUndoStack undoStack_;
    std::unique_ptr<windows::FilmWindow> filmWindow_;
    const Cassette* askedCassette_ = nullptr;
    const FilmRecord* askedFilm_ = nullptr;
};

void TestTapeToolWindows::init()
{
    ui::setLanguage(ui::kEnglish);
    filmWindow_ = std::make_unique<windows::FilmWindow>(catalogue_, undoStack_);
    askedCassette_ = nullptr;
    askedFilm_ = nullptr;
}

void TestTapeToolWindows::cleanup()
{
    filmWindow_.reset();
    undoStack_.clear();
    catalogue_.releaseAll();
}

const FilmRecord* TestTapeToolWindows::film(const QString& tape, int tapeLength, const QString& title,
                                            int length, int year, bool longplay)
{
    FilmRecord r = testsupport::makeRecord(tape, tapeLength, title, length, quint8(longplay));
    r.year = quint16(year);
    return testsupport::appendRecord(catalogue_, r);
}

void TestTapeToolWindows::openFilmWindow(const Cassette* cassette, const FilmRecord* film)
{
    askedCassette_ = cassette;
    askedFilm_ = film;
    filmWindow_->setCassette(cassette, film);
    filmWindow_->show();
}

const FilmRecord* TestTapeToolWindows::addInFilmWindow(const QString& title, int year, int length,
                                                       bool longplay)
{
    // A refusal would be a box nobody answers: it fails the test instead.
    const testsupport::MessageBoxScript noBoxes;
    widget<QPushButton>(filmWindow_.get(), u"newButton"_s)->click();
    widget<QLineEdit>(filmWindow_.get(), u"titleEdit"_s)->setText(title);
    widget<controls::NumEdit>(filmWindow_.get(), u"yearEdit"_s)->setIntValue(year);
    widget<controls::NumEdit>(filmWindow_.get(), u"lengthEdit"_s)->setIntValue(length);
    widget<QCheckBox>(filmWindow_.get(), u"longplayCheck"_s)->setChecked(longplay);
    widget<QPushButton>(filmWindow_.get(), u"editButton"_s)->click();
    const FilmRecord* added = filmWindow_->shownFilm();
    filmWindow_->hide();
    return added;
}

void TestTapeToolWindows::findSpace_enterOpensBestFit_andFollowsAFilmAdded()
{
    film(u"Kurz"_s, 120, u"A"_s, 100);
    const FilmRecord* last = film(u"Mittel"_s, 180, u"B"_s, 30);
    film(u"Lang"_s, 240, u"C"_s, 60, 0, true);
    film(u"Mittel"_s, 180, u"D"_s, 30, 0, true);
    last = film(u"Mittel"_s, 180, u"E"_s, 15);
    windows::FindSpaceWindow window(catalogue_);
    connect(&window, &windows::FindSpaceWindow::filmWindowRequested, this,
            &TestTapeToolWindows::openFilmWindow);
    window.show();
    const ui::ReportList* list = window.fitList();
    const auto rows = [list] {
        QStringList shown;
        for (int row = 0; row < list->rowCount(); ++row)
            shown += u"%1 %2 %3 %4"_s.arg(list->caption(row), list->value(row, 1).toString(),
                                          list->value(row, 2).toString(), list->value(row, 3).toString());
        return shown;
    };

    auto* length = widget<controls::NumEdit>(&window, u"lengthEdit"_s);
    QTest::keyClicks(length, u"90"_s);
    // Mittel: 60 minutes of tape taken, its counter at 75; Lang: 30 taken, its counter at 60.
    QCOMPARE(rows(), (QStringList{u"Mittel 120 01:15 30"_s, u"Lang 210 01:00 120"_s}));
    QCOMPARE(list->selectedRow(), 0);
    QCOMPARE(widget<QLabel>(&window, u"countLabel"_s)->text(), u"2 &tapes with room for it:"_s);

    // Enter opens the best fit on its last film, where the film window offers New.
    QTest::keyClick(length, Qt::Key_Return);
    QCOMPARE(askedCassette_, catalogue_.findCassette(u"Mittel"_s));
    QCOMPARE(askedFilm_, last);
    QCOMPARE(filmWindow_->shownFilm(), last);
    QVERIFY(widget<QPushButton>(filmWindow_.get(), u"newButton"_s)->isEnabled());

    addInFilmWindow(u"Neu"_s, 1990, 30);
    QTRY_COMPARE(rows(), (QStringList{u"Mittel 90 01:45 0"_s, u"Lang 210 01:00 120"_s}));
    QCOMPARE(list->selectedRow(), 0);

    // Long-play doubles what is free.
    widget<QCheckBox>(&window, u"longplayCheck"_s)->setChecked(true);
    QCOMPARE(rows(), (QStringList{u"Mittel 180 01:45 90"_s, u"Lang 420 01:00 330"_s}));
}

void TestTapeToolWindows::findSpace_tellsALengthBeyondAnyTapeAndLongplayMinutes_data()
{
    QTest::addColumn<quint8>("language");
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("longplay");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QStringList>("captions"); // free, left after

    const QStringList normal{u"Free (min.)"_s, u"Left after (min.)"_s};
    QTest::newRow("beyond any tape") << ui::kEnglish << u"99999"_s << false
                                     << u"No tape is that long: lengths go up to 65,535 minutes."_s << normal;
    QTest::newRow("beyond any tape, German")
        << ui::kGerman << u"70000"_s << true << u"Kein Band ist so lang: Längen reichen bis 65.535 Minuten."_s
        << QStringList{u"Frei (LP-Min.)"_s, u"Danach frei (LP-Min.)"_s};
    QTest::newRow("longest length") << ui::kEnglish << u"65535"_s << false
                                    << u"No tape has room for a recording of this length."_s << normal;
    QTest::newRow("long-play") << ui::kEnglish << u"300"_s << true << u"1 &tape with room for it:"_s
                               << QStringList{u"Free (LP min.)"_s, u"Left after (LP min.)"_s};
}

void TestTapeToolWindows::findSpace_tellsALengthBeyondAnyTapeAndLongplayMinutes()
{
    QFETCH(quint8, language);
    QFETCH(QString, length);
    QFETCH(bool, longplay);
    QFETCH(QString, count);
    QFETCH(QStringList, captions);
    ui::setLanguage(language);
    film(u"Lang"_s, 240, u"A"_s, 60);
    windows::FindSpaceWindow window(catalogue_);
    window.show();
    widget<QCheckBox>(&window, u"longplayCheck"_s)->setChecked(longplay);
    QTest::keyClicks(widget<controls::NumEdit>(&window, u"lengthEdit"_s), length);
    QCOMPARE(widget<QLabel>(&window, u"countLabel"_s)->text(), count);
    const QAbstractItemModel* model = window.fitList()->model();
    QCOMPARE((QStringList{model->headerData(windows::FindSpaceModel::FreeColumn, Qt::Horizontal).toString(),
                          model->headerData(windows::FindSpaceModel::LeftColumn, Qt::Horizontal).toString()}),
             captions);
}

void TestTapeToolWindows::tapeMap_namesWidenByDraggingTheirBorder_andKeepTheWidth()
{
    const QString name = u"Übervoll 1 – Olympia 1972, zweite Woche"_s;
    film(name, 240, u"Finale"_s, 60);
    const testsupport::TempSettings temp;
    ui::SettingsStore settings;
    int widened = 0;
    {
        windows::TapeMapWindow window(catalogue_);
        window.setSettings(&settings);
        window.resize(800, 400);
        window.show();
        windows::TapeMapView* map = window.map();
        const int before = map->nameWidth();
        const int y = map->visualRect(map->model()->index(0, 0)).center().y();
        // The name's tooltip holds it whole, however narrow it is drawn.
        QVERIFY(map->toolTipAt(QPoint(before / 2, y)).contains(name.toHtmlEscaped()));

        const QPoint border(map->nameBorder(), y);
        QTest::mousePress(map->viewport(), Qt::LeftButton, {}, border);
        QTest::mouseMove(map->viewport(), border + QPoint(150, 0));
        QTest::mouseRelease(map->viewport(), Qt::LeftButton, {}, border + QPoint(150, 0));
        widened = map->nameWidth();
        QVERIFY2(qAbs(widened - before - 150) <= 1, qPrintable(u"%1 -> %2"_s.arg(before).arg(widened)));
        QCOMPARE(map->nameBorder(), border.x() + 150);
        window.close();
    }
    windows::TapeMapWindow again(catalogue_);
    again.setSettings(&settings);
    again.resize(800, 400);
    again.show();
    QCOMPARE(again.map()->nameWidth(), widened);
}

void TestTapeToolWindows::tapeMap_clickOpensThatFilm_andShowsAFilmAdded()
{
    film(u"Alpha"_s, 180, u"Eins"_s, 60);
    const FilmRecord* second = film(u"Alpha"_s, 180, u"Zwei"_s, 60, 1984, true);
    film(u"Beta"_s, 120, u"Drei"_s, 150); // over-full: 150 minutes on 120
    windows::TapeMapWindow window(catalogue_);
    connect(&window, &windows::TapeMapWindow::filmWindowRequested, this,
            &TestTapeToolWindows::openFilmWindow);
    window.resize(800, 400);
    window.show();
    windows::TapeMapView* map = window.map();
    QCOMPARE(map->rowCount(), 2);

    // Alpha's 180 minutes and Beta's 150 set the scale: the long-play film takes half the tape.
    const QRect first = map->segmentRect(0, catalogue_.findCassette(u"Alpha"_s)->records().front());
    const QRect lp = map->segmentRect(0, second);
    QVERIFY(first.width() > 0);
    QVERIFY(qAbs(lp.width() * 2 - first.width()) <= 2);
    QVERIFY(qAbs(lp.left() - first.right() - 1) <= 1);
    QVERIFY(map->toolTipAt(lp.center()).contains(u"01:00-02:00"_s));
    QVERIFY(map->toolTipAt(lp.center()).contains(u"60 min, long-play"_s));
    const QRect over = map->segmentRect(1, catalogue_.findCassette(u"Beta"_s)->records().front());
    QVERIFY(map->toolTipAt(QPoint(over.right() - 1, over.center().y())).contains(u"Drei"_s));

    QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, lp.center());
    QCOMPARE(askedCassette_, catalogue_.findCassette(u"Alpha"_s));
    QCOMPARE(askedFilm_, second);
    QCOMPARE(filmWindow_->shownFilm(), second);

    const FilmRecord* added = addInFilmWindow(u"Vier"_s, 2001, 30);
    QTRY_VERIFY(!map->segmentRect(0, added).isEmpty());
    const QRect shown = map->segmentRect(0, added);
    QVERIFY(qAbs(shown.left() - lp.right() - 1) <= 1);
    QVERIFY(qAbs(shown.width() - first.width() / 2) <= 2);
    QVERIFY(map->toolTipAt(shown.center()).contains(u"02:00-02:30"_s));

    // The free rest opens the cassette on its last film, ready for New; the filter keeps one row.
    QTest::mouseClick(map->viewport(), Qt::LeftButton, {}, QPoint(shown.right() + 4, shown.center().y()));
    QCOMPARE(askedFilm_, added);
    filmWindow_->hide();
    widget<QLineEdit>(&window, u"filterEdit"_s)->setText(u"BET"_s);
    QCOMPARE(map->rowCount(), 1);
    QCOMPARE(map->cassetteAt(0), catalogue_.findCassette(u"Beta"_s));
    QCOMPARE(widget<QLabel>(&window, u"countLabel"_s)->text(), u"&Tapes shown: 1"_s);
}

void TestTapeToolWindows::duplicates_doubleClickOpensThatFilm_andGroupsAFilmAdded()
{
    film(u"A"_s, 240, u"Casablanca"_s, 102, 1942);
    film(u"A"_s, 240, u"Heat"_s, 90, 1995);
    const FilmRecord* copy = film(u"B"_s, 400, u"casablanca "_s, 102);
    film(u"B"_s, 400, u"Alien"_s, 117, 1979);
    windows::DuplicatesWindow window(catalogue_);
    connect(&window, &windows::DuplicatesWindow::filmWindowRequested, this,
            &TestTapeToolWindows::openFilmWindow);
    window.show();
    const windows::DuplicatesModel* model = window.model();
    QCOMPARE(model->groupCount(), 1);
    auto* count = widget<QLabel>(&window, u"countLabel"_s);
    QCOMPARE(count->text(), u"&Films recorded more than once: 1 group"_s);

    QTreeView* view = window.groupView();
    const QModelIndex copyRow = model->indexOf(copy);
    QCOMPARE(copyRow.parent().row(), 0);
    const QPoint at = view->visualRect(copyRow).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(askedCassette_, catalogue_.findCassette(u"B"_s));
    QCOMPARE(askedFilm_, copy);

    const FilmRecord* added = addInFilmWindow(u"HEAT"_s, 1995, 90, true);
    QTRY_COMPARE(model->groupCount(), 2);
    QCOMPARE(count->text(), u"&Films recorded more than once: 2 groups"_s);
    const QModelIndex row = model->indexOf(added);
    QVERIFY(row.isValid());
    QCOMPARE(model->index(row.parent().row(), windows::DuplicatesModel::TitleColumn).data().toString(),
             u"Heat"_s);
    QCOMPARE(model->index(row.parent().row(), windows::DuplicatesModel::TapeColumn).data().toString(),
             u"2 recordings"_s);
    const auto cell = [&](int column, int role = Qt::DisplayRole) {
        return model->index(row.row(), column, row.parent()).data(role);
    };
    QCOMPARE(cell(windows::DuplicatesModel::TapeColumn).toString(), u"B"_s);
    QCOMPARE(cell(windows::DuplicatesModel::CounterColumn).toString(), u"03:39-05:09"_s);
    QCOMPARE(cell(windows::DuplicatesModel::LongplayColumn, Qt::CheckStateRole).toInt(), int(Qt::Checked));
    // The selection stays on the film it was on.
    QCOMPARE(window.selectedFilm(), copy);

    // Titles that differ at their end show whole, within reason; a title is read whole from its tooltip.
    const QString longTitle = u"Raumschiff Enterprise: Das nächste Jahrhundert, Folge 1"_s;
    FilmRecord r = testsupport::makeRecord(u""_s, 0, longTitle, 45);
    r.year = 1987;
    catalogue_.addFilm(*catalogue_.findCassette(u"A"_s), catalogue::filmOf(r));
    const FilmRecord* other = catalogue_.addFilm(*catalogue_.findCassette(u"B"_s), catalogue::filmOf(r));
    QTRY_COMPARE(model->groupCount(), 3);
    const QModelIndex otherRow = model->indexOf(other);
    QCOMPARE(otherRow.data(Qt::ToolTipRole).toString(), longTitle);
    QCOMPARE(otherRow.parent().data(Qt::ToolTipRole).toString(), longTitle);
    QFont bold = view->font();
    bold.setBold(true);
    QVERIFY(view->columnWidth(windows::DuplicatesModel::TitleColumn) >
            QFontMetrics(bold).horizontalAdvance(longTitle));
}

void TestTapeToolWindows::removals_takeTheirRowsAtOnce_data()
{
    QTest::addColumn<int>("change"); // 0 a film removed, 1 a cassette removed, 2 every record released
    QTest::addColumn<int>("groupsAfter");
    QTest::newRow("film") << 0 << 2;
    QTest::newRow("cassette") << 1 << 1;
    QTest::newRow("everything") << 2 << 0;
}

// The rows never outlive what they show, even before the lists are made anew.
void TestTapeToolWindows::removals_takeTheirRowsAtOnce()
{
    QFETCH(int, change);
    QFETCH(int, groupsAfter);
    film(u"A"_s, 240, u"Heat"_s, 90, 1995);
    film(u"A"_s, 240, u"Alien"_s, 100, 1979);
    const FilmRecord* heat = film(u"B"_s, 240, u"Heat"_s, 90, 1995);
    const FilmRecord* alien = film(u"B"_s, 240, u"ALIEN"_s, 100);
    film(u"C"_s, 240, u"Heat"_s, 30);
    const Cassette* b = catalogue_.findCassette(u"B"_s);
    windows::FindSpaceWindow findSpace(catalogue_);
    windows::TapeMapWindow tapeMap(catalogue_);
    windows::DuplicatesWindow duplicates(catalogue_);
    for (QWidget* tool : {static_cast<QWidget*>(&findSpace), static_cast<QWidget*>(&tapeMap),
                          static_cast<QWidget*>(&duplicates)})
        tool->show();
    const QAbstractItemModelTester fitsContract(findSpace.model());
    const QAbstractItemModelTester groupsContract(duplicates.model());
    widget<controls::NumEdit>(&findSpace, u"lengthEdit"_s)->setIntValue(30);
    QCOMPARE(findSpace.model()->rowCount(), 3);
    QCOMPARE(duplicates.model()->groupCount(), 2);
    // Asked while the change is still under way, before the groups are made anew, the list holds
    // no film that has gone.
    bool heatShown = false;
    const QObject whileChanging;
    connect(&catalogue_, &catalogue::Catalogue::totalsChanged, &whileChanging, [&] {
        const windows::DuplicatesModel& model = *duplicates.model();
        for (int g = 0; g < model.groupCount(); ++g) {
            for (int row = 0; row < model.rowCount(model.index(g, 0)); ++row)
                heatShown = heatShown || model.filmAt(model.index(row, 0, model.index(g, 0))) == heat;
        }
    });

    if (change == 0) {
        catalogue_.removeFilm(*heat);
        QVERIFY(!duplicates.model()->indexOf(heat).isValid());
        QVERIFY(duplicates.model()->indexOf(alien).isValid());
    } else if (change == 1) {
        catalogue_.removeCassette(*b);
        QVERIFY(!duplicates.model()->indexOf(heat).isValid());
        QVERIFY(!duplicates.model()->indexOf(alien).isValid());
        QCOMPARE(findSpace.model()->rowOf(b), -1);
        QCOMPARE(tapeMap.map()->rowOf(b), -1);
        QCOMPARE(tapeMap.map()->rowCount(), 2);
    } else {
        catalogue_.releaseAll();
        QCOMPARE(findSpace.model()->rowCount(), 0);
        QCOMPARE(tapeMap.map()->rowCount(), 0);
        QCOMPARE(duplicates.model()->groupCount(), 0);
    }
    QVERIFY(!heatShown);
    // Made anew, the lists show what is left.
    QTRY_COMPARE(duplicates.model()->groupCount(), groupsAfter);
    QCOMPARE(tapeMap.map()->rowCount(), int(catalogue_.cassettes().size()));
    QCOMPARE(findSpace.model()->rowCount(), int(catalogue_.cassettes().size()));
}

// An import is told once, at its end, and so is its undo: the open tools show the result at once.
void TestTapeToolWindows::import_toolsAnswerTheBatchAndItsUndo()
{
    film(u"A"_s, 240, u"Heat"_s, 90, 1995);
    windows::TapeMapWindow tapeMap(catalogue_);
    windows::DuplicatesWindow duplicates(catalogue_);
    tapeMap.show();
    duplicates.show();
    const QAbstractItemModelTester groupsContract(duplicates.model());
    exchange::ImportPlan plan;
    for (int i = 0; i < 30; ++i) {
        exchange::PlannedCassette planned{u"N%1"_s.arg(i), 240, true, {}};
        for (const QString& title : {u"Heat"_s, u"Film %1"_s.arg(i)}) {
            auto record = catalogue::Catalogue::newRecord();
            *record = testsupport::makeRecord(planned.name, 240, title, 90);
            planned.films.push_back({2, std::move(record)});
        }
        plan.cassettes.push_back(std::move(planned));
    }

    windows::applyImport(undoStack_, catalogue_, std::move(plan), u"films.csv"_s);
    QCOMPARE(tapeMap.map()->rowCount(), 31);
    QCOMPARE(tapeMap.map()->rowOf(catalogue_.findCassette(u"N29"_s)), 30);
    QCOMPARE(duplicates.model()->groupCount(), 1);
    QCOMPARE(duplicates.model()->rowCount(duplicates.model()->index(0, 0)), 31);
    undoStack_.undo();
    QCOMPARE(tapeMap.map()->rowCount(), 1);
    QCOMPARE(duplicates.model()->groupCount(), 0);
    undoStack_.redo();
    QCOMPARE(tapeMap.map()->rowCount(), 31);
    QCOMPARE(duplicates.model()->groupCount(), 1);
}

void TestTapeToolWindows::tapeMap_keysMoveTheCursorAndEnterOpens_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("opened"); // "cassette/film", "-" for no film
    QTest::newRow("starts on the first film") << QList<int>{} << u"A/a1"_s;
    QTest::newRow("right to the next film") << QList<int>{Qt::Key_Right} << u"A/a2"_s;
    QTest::newRow("free rest: the last film")
        << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << u"A/a2"_s;
    QTest::newRow("down a row") << QList<int>{Qt::Key_Down} << u"B/b1"_s;
    QTest::newRow("empty cassette") << QList<int>{Qt::Key_End} << u"C/-"_s;
    QTest::newRow("left stops at the first film")
        << QList<int>{Qt::Key_End, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left} << u"B/b1"_s;
    QTest::newRow("up stops at the first row")
        << QList<int>{Qt::Key_PageDown, Qt::Key_Home, Qt::Key_Up} << u"A/a1"_s;
}

void TestTapeToolWindows::tapeMap_keysMoveTheCursorAndEnterOpens()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, opened);
    film(u"A"_s, 180, u"a1"_s, 60);
    film(u"A"_s, 180, u"a2"_s, 30, 0, true);
    film(u"B"_s, 120, u"b1"_s, 90);
    testsupport::appendRecord(catalogue_, testsupport::makeRecord(u"C"_s, 60));
    windows::TapeMapWindow window(catalogue_);
    connect(&window, &windows::TapeMapWindow::filmWindowRequested, this,
            &TestTapeToolWindows::openFilmWindow);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.map()->setFocus();
    for (int key : keys)
        QTest::keyClick(window.map(), Qt::Key(key));
    QTest::keyClick(window.map(), Qt::Key_Return);
    QVERIFY(askedCassette_);
    QCOMPARE(askedCassette_->name() + u'/' + (askedFilm_ ? catalogue::text(askedFilm_->filmName) : u"-"_s),
             opened);
}

void TestTapeToolWindows::tapeMap_readsEachTapeToAScreenReader_data()
{
    QTest::addColumn<int>("tapeLength");
    QTest::addColumn<QList<int>>("films"); // minutes; negative: long-play
    QTest::addColumn<QString>("read");
    QTest::newRow("empty") << 60 << QList<int>{}
                           << u"T, Length: 60 min, 0 films, Free: 60 min, or 120 min in long-play"_s;
    QTest::newRow("one film") << 180 << QList<int>{90}
                              << u"T, Length: 180 min, 1 film, Free: 90 min, or 180 min in long-play"_s;
    QTest::newRow("long-play takes half")
        << 180 << QList<int>{60, -61}
        << u"T, Length: 180 min, 2 films, Free: 89 min, or 179 min in long-play"_s;
    QTest::newRow("over-full") << 120 << QList<int>{100, 50}
                               << u"T, Length: 120 min, 2 films, Over-full by 30 min"_s;
}

// What the view reads out for a row is what the model tells of its tape, through Qt's item view.
void TestTapeToolWindows::tapeMap_readsEachTapeToAScreenReader()
{
    QFETCH(int, tapeLength);
    QFETCH(QList<int>, films);
    QFETCH(QString, read);
    film(u"A"_s, 240, u"a"_s, 10);
    testsupport::appendRecord(catalogue_, testsupport::makeRecord(u"T"_s, tapeLength));
    const Cassette* tape = catalogue_.findCassette(u"T"_s);
    for (int minutes : films)
        catalogue_.addFilm(*tape, catalogue::filmOf(testsupport::makeRecord(u"T"_s, tapeLength, u"f"_s,
                                                                            qAbs(minutes), minutes < 0)));
    windows::TapeMapWindow window(catalogue_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    windows::TapeMapView* map = window.map();
    const int row = map->rowOf(tape);
    QCOMPARE(row, 1);
    QCOMPARE(map->model()->index(row, 0).data(Qt::AccessibleTextRole).toString(), read);

    QAccessibleInterface* const view = QAccessible::queryAccessibleInterface(map);
    QVERIFY(view && view->tableInterface());
    QAccessibleInterface* const cell = view->tableInterface()->cellAt(row, 0);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Name), read);
}

// Each film added in an import, and each cassette its undo takes away, is not a refresh of its own.
void TestTapeToolWindows::tapeMap_answersABatchAndItsUndoWithOneRefresh()
{
    film(u"A"_s, 240, u"Heat"_s, 90, 1995);
    windows::TapeMapWindow window(catalogue_);
    window.show();
    windows::TapeMapModel* tapes = window.map()->tapes();
    const QAbstractItemModelTester contract(tapes, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(tapes, &QAbstractItemModel::modelReset);
    exchange::ImportPlan plan;
    for (int i = 0; i < 20; ++i) {
        exchange::PlannedCassette planned{u"N%1"_s.arg(i), 240, true, {}};
        for (int f = 0; f < 3; ++f) {
            auto record = catalogue::Catalogue::newRecord();
            *record = testsupport::makeRecord(planned.name, 240, u"Film %1"_s.arg(f), 50);
            planned.films.push_back({2, std::move(record)});
        }
        plan.cassettes.push_back(std::move(planned));
    }

    windows::applyImport(undoStack_, catalogue_, std::move(plan), u"films.csv"_s);
    QCOMPARE(resets.size(), 1);
    QCOMPARE(tapes->rowCount(), 21);
    QCOMPARE(tapes->rowOf(catalogue_.findCassette(u"N7"_s)), 8);
    QCOMPARE(tapes->longestHalfMinutes(), 480);
    undoStack_.undo();
    QCOMPARE(resets.size(), 2);
    QCOMPARE(tapes->rowCount(), 1);
    QCOMPARE(tapes->cassetteAt(0), catalogue_.findCassette(u"A"_s));

    // Filtered, the rows keep their cassettes' order and find them by the hash.
    undoStack_.redo();
    window.map()->setFilter(u"n1"_s);
    QCOMPARE(tapes->rowCount(), 11);
    QCOMPARE(tapes->rowOf(catalogue_.findCassette(u"N19"_s)), 10);
    QCOMPARE(tapes->rowOf(catalogue_.findCassette(u"A"_s)), -1);
}

// The rows made anew after a change leave the map where the user scrolled it, and the cursor on its tape.
void TestTapeToolWindows::tapeMap_keepsItsPlaceWhenRefreshed()
{
    for (int i = 0; i < 60; ++i)
        film(u"T%1"_s.arg(i, 2, 10, QLatin1Char('0')), 240, u"f"_s, 30);
    windows::TapeMapWindow window(catalogue_);
    window.resize(600, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    windows::TapeMapView* map = window.map();
    map->setFocus();
    QTest::keyClick(map, Qt::Key_End);
    QTest::keyClick(map, Qt::Key_Up);
    QScrollBar* bar = map->verticalScrollBar();
    const int scrolled = bar->value();
    QVERIFY(scrolled > 0);

    catalogue_.addFilm(*catalogue_.findCassette(u"T03"_s),
                       catalogue::filmOf(testsupport::makeRecord(u"T03"_s, 240, u"g"_s, 20)));
    QApplication::processEvents();
    QCOMPARE(bar->value(), scrolled);
    // Painted across the whole width, as the clicks are looked up.
    QCOMPARE(map->visualRect(map->model()->index(58, 0)).width(), map->viewport()->width());
    window.resize(800, 300);
    QTRY_COMPARE(map->visualRect(map->model()->index(58, 0)).width(), map->viewport()->width());
    QCOMPARE(map->current().cassette, catalogue_.findCassette(u"T58"_s));
}

void TestTapeToolWindows::captions_followTheLanguage_data()
{
    QTest::addColumn<quint8>("language");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("German") << ui::kGerman
                            << QStringList{u"Platz suchen"_s, u"Bandübersicht"_s, u"Doppelte Filme"_s};
    QTest::newRow("English") << ui::kEnglish << QStringList{u"Find Space"_s, u"Tape Map"_s, u"Duplicates"_s};
}

void TestTapeToolWindows::captions_followTheLanguage()
{
    QFETCH(quint8, language);
    QFETCH(QStringList, titles);
    ui::setLanguage(language == ui::kGerman ? ui::kEnglish : ui::kGerman);
    windows::FindSpaceWindow findSpace(catalogue_);
    windows::TapeMapWindow tapeMap(catalogue_);
    windows::DuplicatesWindow duplicates(catalogue_);
    // Switched while the windows are open.
    ui::setLanguage(language);
    QCOMPARE((QStringList{findSpace.windowTitle(), tapeMap.windowTitle(), duplicates.windowTitle()}), titles);
}

QTEST_MAIN(TestTapeToolWindows)
#include "tst_tapetoolwindows.moc"
