#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "controls/MemoEdit.h"
#include "controls/NumEdit.h"
#include "support/MessageBoxScript.h"
#include "support/Records.h"
#include "support/Widgets.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "windows/core/FilmWindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

using catalogue::FilmRecord;
using namespace Qt::StringLiterals;
using testsupport::widget;

// The film window browsing a cassette among others, and its editing look.
class TestFilmWindow final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opensOnAnchor_enablesNavigation_data();
    void opensOnAnchor_enablesNavigation();
    void emptyCassette_showsBlankView();
    void stepping_showsEveryFieldAndItsRange();
    void editingLook_writableFieldsAndNoWayOut();
    void shift_turnsNewIntoInsertOnlyWithFilmsAndWhileBrowsing();
    void memo_countsLineBreaksTwice_typingAndPasting();
    void captions_followTheLanguage_data();
    void captions_followTheLanguage();
    void save_checksYearLengthAndRoom_data();
    void save_checksYearLengthAndRoom();
    void newFilm_isPlacedWhereTheUserAsked_data();
    void newFilm_isPlacedWhereTheUserAsked();
    void edit_storesEveryFieldAndTellsTheCatalogueListeners();
    void delete_keepsCassetteAndAnchor_data();
    void delete_keepsCassetteAndAnchor();
    void discardAndClose_whileEditing();
    void sessionEnd_keepsAFilmThatSaveWouldTake_data();
    void sessionEnd_keepsAFilmThatSaveWouldTake();
    void shiftReleasedWhileEditing_nextNewAppends_data();
    void shiftReleasedWhileEditing_nextNewAppends();
    void keys_stepAsTheArrowButtonsDo_data();
    void keys_stepAsTheArrowButtonsDo();

private:
    void type(const QString& title, int year, int length, bool longplay = false);
    QStringList titlesOf(const QString& tape) const;
    const FilmRecord* addFilm(const QString& tape, const QString& title, int length);
    void open(const FilmRecord* anchor);
    QPushButton* button(const QString& name) const { return widget<QPushButton>(window_.get(), name); }
    QString field(const QString& name) const { return widget<QLineEdit>(window_.get(), name)->text(); }
    QString enabledNavigation() const;

    catalogue::Catalogue catalogue_;
    QUndoStack undoStack_;
    std::unique_ptr<windows::FilmWindow> window_;
};

void TestFilmWindow::init()
{
    ui::setLanguage(0);
    window_ = std::make_unique<windows::FilmWindow>(catalogue_, undoStack_);
}

void TestFilmWindow::cleanup()
{
    window_.reset();
    catalogue_.releaseAll();
}

const FilmRecord* TestFilmWindow::addFilm(const QString& tape, const QString& title, int length)
{
    return testsupport::appendRecord(catalogue_, testsupport::makeRecord(tape, 600, title, length));
}

void TestFilmWindow::open(const FilmRecord* anchor)
{
    window_->setCassette(catalogue_.cassetteOf(*anchor), anchor);
    window_->show();
}

// "F P N L" for the enabled navigation buttons, "-" for a disabled one.
QString TestFilmWindow::enabledNavigation() const
{
    QString shown;
    for (const auto& [name, letter] :
         {std::pair{u"firstButton"_s, u'F'}, std::pair{u"previousButton"_s, u'P'},
          std::pair{u"nextButton"_s, u'N'}, std::pair{u"lastButton"_s, u'L'}})
        shown += button(name)->isEnabled() ? letter : u'-';
    return shown;
}

void TestFilmWindow::opensOnAnchor_enablesNavigation_data()
{
    QTest::addColumn<int>("films");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QString>("navigation");
    QTest::newRow("one film") << 1 << 1 << u"----"_s;
    QTest::newRow("first of five") << 5 << 1 << u"--NL"_s;
    QTest::newRow("third of five") << 5 << 3 << u"FPNL"_s;
    QTest::newRow("last of five") << 5 << 5 << u"FP--"_s;
}

void TestFilmWindow::opensOnAnchor_enablesNavigation()
{
    QFETCH(int, films);
    QFETCH(int, anchor);
    QFETCH(QString, navigation);
    std::vector<const FilmRecord*> records;
    for (int i = 1; i <= films; ++i) {
        records.push_back(addFilm(u"Serien"_s, u"Folge %1"_s.arg(i), 45));
        addFilm(u"Andere"_s, u"Fremd"_s, 30); // another cassette's records lie in between
    }
    open(records[std::size_t(anchor - 1)]);
    QCOMPARE(window_->windowTitle(), u"Serien"_s);
    QCOMPARE(window_->filmCount(), films);
    QCOMPARE(window_->filmIndex(), anchor);
    QCOMPARE(window_->shownFilm(), records[std::size_t(anchor - 1)]);
    QCOMPARE(field(u"titleEdit"_s), u"Folge %1"_s.arg(anchor));
    QCOMPARE(enabledNavigation(), navigation);
    QVERIFY(button(u"editButton"_s)->isEnabled());
    QVERIFY(button(u"newButton"_s)->hasFocus() || !QGuiApplication::focusWindow());
}

void TestFilmWindow::emptyCassette_showsBlankView()
{
    // A placeholder that still holds the film it had is no film.
    FilmRecord stale = testsupport::makeRecord(u"Leer"_s, 120, u"Alter Film"_s, 0);
    stale.year = 1999;
    stale.seen = 1;
    open(testsupport::appendRecord(catalogue_, stale));
    QCOMPARE(window_->filmCount(), 0);
    QCOMPARE(window_->filmIndex(), 0);
    for (const QString& name : {u"titleEdit"_s, u"yearEdit"_s, u"lengthEdit"_s, u"genreOverlay"_s})
        QCOMPARE(field(name), QString());
    QCOMPARE(field(u"counterRangeEdit"_s), u"00:00-00:00"_s);
    QVERIFY(!widget<QCheckBox>(window_.get(), u"seenCheck"_s)->isChecked());
    QCOMPARE(enabledNavigation(), u"----"_s);
    QVERIFY(!button(u"editButton"_s)->isEnabled());
    QVERIFY(!button(u"deleteButton"_s)->isEnabled());
    QVERIFY(button(u"newButton"_s)->isEnabled());
}

void TestFilmWindow::stepping_showsEveryFieldAndItsRange()
{
    FilmRecord first = testsupport::makeRecord(u"Krimis"_s, 240, u"Tatort"_s, 90, 1);
    first.year = 12345; // more digits than the field takes: shown whole, never cut
    catalogue::setText(first.country, u"Österreich"_s);
    catalogue::setText(first.director, u"Regisseur"_s);
    catalogue::setText(first.genre, u"Thriller"_s);
    catalogue::setText(first.actors, u"A. Roth\r\nB. Klee"_s);
    catalogue::setText(first.story, u"Nacht."_s);
    first.blackWhite = 1;
    open(testsupport::appendRecord(catalogue_, first));
    addFilm(u"Krimis"_s, u"Zweiter"_s, 100);
    window_->showFilm(1, false);

    QCOMPARE(field(u"yearEdit"_s), u"12345"_s);
    QCOMPARE(field(u"countryEdit"_s), u"Österreich"_s);
    QCOMPARE(field(u"genreOverlay"_s), u"Thriller"_s);
    QCOMPARE(widget<controls::MemoEdit>(window_.get(), u"actorsEdit"_s)->toPlainText(),
             u"A. Roth\nB. Klee"_s);
    QVERIFY(widget<QCheckBox>(window_.get(), u"longplayCheck"_s)->isChecked());
    QVERIFY(widget<QCheckBox>(window_.get(), u"blackWhiteCheck"_s)->isChecked());
    // Long-play counts with its full length on the counter.
    button(u"nextButton"_s)->click();
    QCOMPARE(field(u"titleEdit"_s), u"Zweiter"_s);
    QCOMPARE(field(u"counterRangeEdit"_s), u"01:30-03:10"_s);
    QVERIFY(!widget<QCheckBox>(window_.get(), u"longplayCheck"_s)->isChecked());
    button(u"firstButton"_s)->click();
    QCOMPARE(field(u"counterRangeEdit"_s), u"00:00-01:30"_s);
}

void TestFilmWindow::editingLook_writableFieldsAndNoWayOut()
{
    addFilm(u"Krimis"_s, u"Erster"_s, 90);
    open(addFilm(u"Krimis"_s, u"Zweiter"_s, 100));
    window_->showFilm(0, true);
    QVERIFY(window_->isEditing());
    QCOMPARE(button(u"editButton"_s)->text(), u"Sa&ve"_s);
    QCOMPARE(button(u"deleteButton"_s)->text(), u"&Discard"_s);
    QCOMPARE(enabledNavigation(), u"----"_s);
    QVERIFY(!button(u"newButton"_s)->isEnabled());
    QVERIFY(!button(u"closeButton"_s)->isEnabled());
    QVERIFY(!widget<QLineEdit>(window_.get(), u"titleEdit"_s)->isReadOnly());
    QVERIFY(widget<QComboBox>(window_.get(), u"genreCombo"_s)->isVisible());
    QVERIFY(!widget<QLineEdit>(window_.get(), u"genreOverlay"_s)->isVisible());
    QVERIFY(widget<QCheckBox>(window_.get(), u"seenCheck"_s)->isEnabled());
    // A new film starts at year 1 and length 0, placed behind all of the cassette's films.
    QCOMPARE(field(u"yearEdit"_s), u"1"_s);
    QCOMPARE(field(u"lengthEdit"_s), u"0"_s);
    QCOMPARE(field(u"counterRangeEdit"_s), u"03:10-03:10"_s);
    auto* range = widget<QLineEdit>(window_.get(), u"counterRangeEdit"_s);
    QVERIFY(range->isReadOnly());
    const QColor editable = widget<QLineEdit>(window_.get(), u"titleEdit"_s)->palette().color(QPalette::Base);
    QVERIFY(range->palette().color(QPalette::Base) != editable);

    window_->showFilm(window_->filmIndex(), false);
    QCOMPARE(button(u"editButton"_s)->text(), u"Ed&it"_s);
    QVERIFY(widget<QLineEdit>(window_.get(), u"titleEdit"_s)->palette().color(QPalette::Base) != editable);
}

void TestFilmWindow::shift_turnsNewIntoInsertOnlyWithFilmsAndWhileBrowsing()
{
    const FilmRecord* empty = testsupport::appendRecord(catalogue_, testsupport::makeRecord(u"Leer"_s, 120));
    const FilmRecord* film = addFilm(u"Voll"_s, u"Film"_s, 90);
    for (auto [anchor, editing, expected] :
         {std::tuple{empty, false, u"&New"_s}, std::tuple{film, true, u"&New"_s},
          std::tuple{film, false, u"I&nsert"_s}}) {
        open(anchor);
        if (editing)
            window_->showFilm(0, true);
        // Wherever the focus is: the key goes to a field, not to the window.
        QTest::keyPress(widget<QLineEdit>(window_.get(), u"titleEdit"_s), Qt::Key_Shift);
        QCOMPARE(button(u"newButton"_s)->text(), expected);
        QTest::keyRelease(widget<QLineEdit>(window_.get(), u"titleEdit"_s), Qt::Key_Shift);
        QCOMPARE(button(u"newButton"_s)->text(), u"&New"_s);
        window_->hide();
    }
}

void TestFilmWindow::memo_countsLineBreaksTwice_typingAndPasting()
{
    controls::MemoEdit memo;
    memo.setCapacity(10);
    memo.show();
    QTest::keyClicks(&memo, u"abcd"_s);
    QTest::keyClick(&memo, Qt::Key_Return);
    QTest::keyClicks(&memo, u"efghXYZ"_s); // the line break took two: room for four more
    QCOMPARE(memo.toPlainText(), u"abcd\nefgh"_s);
    memo.clear();
    QGuiApplication::clipboard()->setText(u"12\n34\n56\n78"_s);
    memo.paste();
    QCOMPARE(memo.toPlainText(), u"12\n34\n56"_s); // a paste keeps its beginning
}

void TestFilmWindow::captions_followTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("captions"); // year label, counter label, seen, close, new
    QTest::newRow("English") << 0
                             << QStringList{u"&Productionyear:"_s, u"&Counterrange:"_s, u"S&een"_s,
                                            u"Cl&ose"_s, u"&New"_s};
    QTest::newRow("German") << 1
                            << QStringList{u"&Produktionsjahr:"_s, u"&Zählerbereich:"_s, u"Gese&hen"_s,
                                           u"&Schließen"_s, u"&Neu"_s};
}

void TestFilmWindow::captions_followTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, captions);
    open(addFilm(u"Krimis"_s, u"Tatort"_s, 90));
    ui::setLanguage(quint8(language));
    QCoreApplication::processEvents();
    QCOMPARE(QStringList({widget<QLabel>(window_.get(), u"yearLabel"_s)->text(),
                          widget<QLabel>(window_.get(), u"counterRangeLabel"_s)->text(),
                          widget<QCheckBox>(window_.get(), u"seenCheck"_s)->text(),
                          button(u"closeButton"_s)->text(), button(u"newButton"_s)->text()}),
             captions);
}

void TestFilmWindow::type(const QString& title, int year, int length, bool longplay)
{
    widget<QLineEdit>(window_.get(), u"titleEdit"_s)->setText(title);
    widget<controls::NumEdit>(window_.get(), u"yearEdit"_s)->setValue(QString::number(year));
    widget<controls::NumEdit>(window_.get(), u"lengthEdit"_s)->setValue(QString::number(length));
    widget<QCheckBox>(window_.get(), u"longplayCheck"_s)->setChecked(longplay);
}

QStringList TestFilmWindow::titlesOf(const QString& tape) const
{
    QStringList titles;
    for (const FilmRecord* r = catalogue_.head(); r; r = r->next) {
        if (catalogue::tapeNameText(*r) == tape)
            titles += r->filmLength ? catalogue::text(r->filmName) : u"(empty)"_s;
    }
    return titles;
}

void TestFilmWindow::save_checksYearLengthAndRoom_data()
{
    QTest::addColumn<bool>("newFilm"); // else the second of two 60-minute films named alike is edited
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("longplay");
    QTest::addColumn<QString>("message"); // English caption; empty when saved
    // The cassette: 180 minutes holding one normal 90-minute film, or 120 minutes holding two
    // normal 60-minute films both named Heimat.
    QTest::newRow("90 fits") << true << 1 << 90 << false << QString();
    QTest::newRow("91 is too long") << true << 1990 << 91 << false << u"Film is too long"_s;
    QTest::newRow("180 in long-play fits") << true << 1990 << 180 << true << QString();
    QTest::newRow("181 in long-play") << true << 1990 << 181 << true << u"Film is too long"_s;
    QTest::newRow("length 0") << true << 1990 << 0 << false << u"Filmlength is invalid"_s;
    QTest::newRow("length 65536") << true << 1990 << 65536 << true << u"Filmlength is invalid"_s;
    QTest::newRow("year 0 is told first") << true << 0 << 0 << false << u"Yearnumber is 0"_s;
    QTest::newRow("the other Heimat still counts") << false << 1990 << 120 << false << u"Film is too long"_s;
    QTest::newRow("unchanged edit passes") << false << 1990 << 60 << false << QString();
}

void TestFilmWindow::save_checksYearLengthAndRoom()
{
    QFETCH(bool, newFilm);
    QFETCH(int, year);
    QFETCH(int, length);
    QFETCH(bool, longplay);
    QFETCH(QString, message);
    const FilmRecord* first = testsupport::appendRecord(
        catalogue_, testsupport::makeRecord(u"Band"_s, newFilm ? 180 : 120, u"Heimat"_s, newFilm ? 90 : 60));
    if (!newFilm)
        testsupport::appendRecord(catalogue_, testsupport::makeRecord(u"Band"_s, 120, u"Heimat"_s, 60));
    open(first);
    if (newFilm) {
        window_->newFilm();
    } else {
        window_->showLastFilm();
        window_->editOrSave();
    }
    type(u"Heimat"_s, year, length, longplay);
    testsupport::MessageBoxScript boxes;
    if (!message.isEmpty())
        boxes.queue(QMessageBox::Ok);
    window_->editOrSave();
    QCOMPARE(boxes.lastCall().caption, message);
    QCOMPARE(window_->isEditing(), !message.isEmpty());
    QCOMPARE(catalogue_.recordCount(), newFilm && message.isEmpty() ? 2 : newFilm ? 1 : 2);
    QCOMPARE(catalogue_.filmTotal(), newFilm && message.isEmpty() ? 2 : newFilm ? 1 : 2);
}

void TestFilmWindow::newFilm_isPlacedWhereTheUserAsked_data()
{
    QTest::addColumn<QStringList>("films"); // of cassette "A"; "(empty)" for its placeholder
    QTest::addColumn<int>("shown");         // the film shown when New is clicked
    QTest::addColumn<bool>("insert");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("index");
    QTest::newRow("empty cassette") << QStringList{u"(empty)"_s} << 1 << false << QStringList{u"New"_s} << 1;
    QTest::newRow("after the last, from the middle") << QStringList{u"1"_s, u"2"_s, u"3"_s} << 2 << false
                                                     << QStringList{u"1"_s, u"2"_s, u"3"_s, u"New"_s} << 4;
    QTest::newRow("inserted before the head")
        << QStringList{u"1"_s, u"2"_s} << 1 << true << QStringList{u"New"_s, u"1"_s, u"2"_s} << 1;
    QTest::newRow("inserted before the shown")
        << QStringList{u"1"_s, u"2"_s} << 2 << true << QStringList{u"1"_s, u"New"_s, u"2"_s} << 2;
}

void TestFilmWindow::newFilm_isPlacedWhereTheUserAsked()
{
    QFETCH(QStringList, films);
    QFETCH(int, shown);
    QFETCH(bool, insert);
    QFETCH(QStringList, after);
    QFETCH(int, index);
    std::vector<const FilmRecord*> records;
    for (const QString& title : films)
        records.push_back(addFilm(u"A"_s, title, title == u"(empty)" ? 0 : 10));
    addFilm(u"B"_s, u"Other"_s, 10); // the next cassette must not take the film
    const qsizetype recordsBefore = catalogue_.recordCount();
    open(records.front());
    for (int i = 1; i < shown; ++i)
        window_->showNextFilm();
    qint32 panel = -1;
    const QObject listener;
    connect(&catalogue_, &catalogue::Catalogue::totalsChanged, &listener,
            [&] { panel = catalogue_.filmTotal(); });
    if (insert)
        QTest::keyPress(window_.get(), Qt::Key_Shift);
    window_->newFilm();
    if (insert)
        QTest::keyRelease(window_.get(), Qt::Key_Shift);
    type(u"New"_s, 2001, 20);
    window_->editOrSave();
    QCOMPARE(titlesOf(u"A"_s), after);
    QCOMPARE(window_->filmIndex(), index);
    QCOMPARE(field(u"titleEdit"_s), u"New"_s);
    QCOMPARE(catalogue_.recordCount(), recordsBefore + (films.front() == u"(empty)" ? 0 : 1));
    QCOMPARE(panel, catalogue_.filmTotal());
    QCOMPARE(catalogue::text(catalogue_.head()->filmName), after.front());
}

void TestFilmWindow::edit_storesEveryFieldAndTellsTheCatalogueListeners()
{
    const FilmRecord* film = addFilm(u"A"_s, u"Old"_s, 50);
    open(film);
    QStringList told;
    const QObject listener;
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, &listener,
            [&](const catalogue::Cassette* cassette) { told += u"row "_s + cassette->name(); });
    connect(&catalogue_, &catalogue::Catalogue::totalsChanged, &listener, [&] { told += u"total"_s; });
    connect(&catalogue_, &catalogue::Catalogue::filmChanged, &listener,
            [&](const FilmRecord* r) { told += u"edited "_s + catalogue::text(r->filmName); });
    window_->editOrSave();
    type(u"Neu"_s, 1999, 70, true);
    widget<controls::MemoEdit>(window_.get(), u"actorsEdit"_s)->setPlainText(u"A\nB"_s);
    widget<QCheckBox>(window_.get(), u"seenCheck"_s)->setChecked(true);
    window_->editOrSave();
    QCOMPARE(told, (QStringList{u"edited Neu"_s, u"row A"_s}));
    QCOMPARE(catalogue::text(film->filmName), u"Neu"_s);
    QCOMPARE(int(film->year), 1999);
    QCOMPARE(int(film->filmLength), 70);
    QCOMPARE(QByteArray(film->actors), QByteArray("A\r\nB"));
    QCOMPARE(int(film->longplay) * 10 + film->seen, 11);
}

void TestFilmWindow::delete_keepsCassetteAndAnchor_data()
{
    QTest::addColumn<int>("films");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("shown");
    QTest::newRow("only film") << 1 << 1 << QStringList{u"(empty)"_s} << QString();
    QTest::newRow("first of three, the anchor") << 3 << 1 << QStringList{u"2"_s, u"3"_s} << u"2"_s;
    QTest::newRow("last of three") << 3 << 3 << QStringList{u"1"_s, u"2"_s} << u"2"_s;
}

void TestFilmWindow::delete_keepsCassetteAndAnchor()
{
    QFETCH(int, films);
    QFETCH(int, deleted);
    QFETCH(QStringList, after);
    QFETCH(QString, shown);
    std::vector<const FilmRecord*> records;
    for (int i = 1; i <= films; ++i)
        records.push_back(addFilm(u"A"_s, QString::number(i), 10));
    addFilm(u"B"_s, u"Other"_s, 10);
    open(records.front());
    for (int i = 1; i < deleted; ++i)
        window_->showNextFilm();
    QStringList gone;
    const QObject listener;
    connect(&catalogue_, &catalogue::Catalogue::filmAboutToBeRemoved, &listener,
            [&](const FilmRecord* r) { gone += catalogue::text(r->filmName); });
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Yes);
    window_->deleteOrDiscard();
    QCOMPARE(boxes.lastCall().caption, u"Deleting of a Film"_s);
    QCOMPARE(gone, QStringList{QString::number(deleted)});
    QCOMPARE(titlesOf(u"A"_s), after);
    QCOMPARE(catalogue_.filmTotal(), films);
    QCOMPARE(field(u"titleEdit"_s), shown);
    QCOMPARE(window_->windowTitle(), u"A"_s);
    // The anchor stayed with the cassette: a new film still joins it.
    window_->newFilm();
    type(u"Later"_s, 2000, 5);
    window_->editOrSave();
    QCOMPARE(titlesOf(u"A"_s).last(), u"Later"_s);
}

void TestFilmWindow::discardAndClose_whileEditing()
{
    const FilmRecord* film = addFilm(u"A"_s, u"Kept"_s, 50);
    open(film);
    for (const bool newOne : {true, false}) {
        if (newOne)
            window_->newFilm();
        else
            window_->editOrSave();
        type(u"Changed"_s, 1, 1);
        QTest::keyClick(window_.get(), Qt::Key_Escape);
        window_->close();
        QVERIFY(window_->isVisible());
        window_->deleteOrDiscard(); // Discard
        QVERIFY(!window_->isEditing());
        QCOMPARE(field(u"titleEdit"_s), u"Kept"_s);
        QCOMPARE(catalogue::text(film->filmName), u"Kept"_s);
    }
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
}

void TestFilmWindow::sessionEnd_keepsAFilmThatSaveWouldTake_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("kept");
    QTest::newRow("passes every check") << 1990 << 80 << true;
    QTest::newRow("year 0") << 0 << 80 << false;
    QTest::newRow("too long") << 1990 << 600 << false;
}

// Nobody can answer a message as the session ends: no box, the film kept only when Save would keep it.
void TestFilmWindow::sessionEnd_keepsAFilmThatSaveWouldTake()
{
    QFETCH(int, year);
    QFETCH(int, length);
    QFETCH(bool, kept);
    open(addFilm(u"A"_s, u"First"_s, 90));
    window_->newFilm();
    type(u"Typed"_s, year, length);
    const testsupport::MessageBoxScript boxes;
    QCOMPARE(window_->saveForSessionEnd(), kept);
    QCOMPARE(boxes.calls().size(), 0);
    QCOMPARE(titlesOf(u"A"_s), kept ? (QStringList{u"First"_s, u"Typed"_s}) : QStringList{u"First"_s});
    QCOMPARE(catalogue_.filmTotal(), kept ? 2 : 1);
}

void TestFilmWindow::shiftReleasedWhileEditing_nextNewAppends_data()
{
    QTest::addColumn<bool>("saveInserted"); // else the inserted film is discarded
    QTest::addColumn<QStringList>("after");
    QTest::newRow("discarded") << false << QStringList{u"A1"_s, u"A2"_s, u"Plain"_s};
    QTest::newRow("saved") << true << QStringList{u"Inserted"_s, u"A1"_s, u"A2"_s, u"Plain"_s};
}

// Shift held for Insert and let go while typing: New without Shift is New again, whatever the
// window saw of the key while New was off.
void TestFilmWindow::shiftReleasedWhileEditing_nextNewAppends()
{
    QFETCH(bool, saveInserted);
    QFETCH(QStringList, after);
    open(addFilm(u"A"_s, u"A1"_s, 10));
    addFilm(u"A"_s, u"A2"_s, 10);
    addFilm(u"B"_s, u"Other"_s, 10);
    QTest::keyPress(window_.get(), Qt::Key_Shift);
    QCOMPARE(button(u"newButton"_s)->text(), u"I&nsert"_s);
    button(u"newButton"_s)->click();
    QTest::keyRelease(window_.get(), Qt::Key_Shift);
    type(u"Inserted"_s, 1999, 5);
    if (saveInserted)
        window_->editOrSave();
    else
        window_->deleteOrDiscard();
    QVERIFY(!window_->isEditing());

    QCOMPARE(button(u"newButton"_s)->text(), u"&New"_s);
    button(u"newButton"_s)->click();
    type(u"Plain"_s, 2000, 5);
    window_->editOrSave();
    QCOMPARE(titlesOf(u"A"_s), after);
    QCOMPARE(catalogue::text(catalogue_.tail()->filmName), u"Other"_s);
}

// Page Up, Page Down, Ctrl+Home and Ctrl+End while browsing, wherever the focus is, and only where the
// arrow buttons are on; while editing they are the fields' own.
void TestFilmWindow::keys_stepAsTheArrowButtonsDo_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<int>("to");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::newRow("Page Down: next") << 2 << u"newButton"_s << int(Qt::Key_PageDown) << none << false << 3;
    QTest::newRow("Page Up: previous") << 2 << u"newButton"_s << int(Qt::Key_PageUp) << none << false << 1;
    QTest::newRow("Ctrl+End: last") << 1 << u"newButton"_s << int(Qt::Key_End) << ctrl << false << 4;
    QTest::newRow("Ctrl+Home: first") << 4 << u"newButton"_s << int(Qt::Key_Home) << ctrl << false << 1;
    QTest::newRow("Page Up on the first: off")
        << 1 << u"newButton"_s << int(Qt::Key_PageUp) << none << false << 1;
    QTest::newRow("Page Down on the last: off")
        << 4 << u"newButton"_s << int(Qt::Key_PageDown) << none << false << 4;
    QTest::newRow("from a read-only field") << 2 << u"titleEdit"_s << int(Qt::Key_End) << ctrl << false << 4;
    QTest::newRow("from the story") << 2 << u"storyEdit"_s << int(Qt::Key_PageDown) << none << false << 3;
    QTest::newRow("Home without Ctrl: the field's")
        << 3 << u"titleEdit"_s << int(Qt::Key_Home) << none << false << 3;
    QTest::newRow("while editing: the field's")
        << 2 << u"titleEdit"_s << int(Qt::Key_PageDown) << none << true << 2;
}

void TestFilmWindow::keys_stepAsTheArrowButtonsDo()
{
    QFETCH(int, from);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, editing);
    QFETCH(int, to);
    std::vector<const FilmRecord*> films;
    for (int i = 1; i <= 4; ++i)
        films.push_back(addFilm(u"Serien"_s, u"Folge %1"_s.arg(i), 45));
    open(films[std::size_t(from - 1)]);
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    if (editing)
        button(u"editButton"_s)->click();
    QWidget* target = widget<QWidget>(window_.get(), focus);
    target->setFocus();

    QTest::keyClick(target, Qt::Key(key), modifiers);

    QCOMPARE(window_->filmIndex(), to);
    QCOMPARE(window_->isEditing(), editing);
    QCOMPARE(field(u"titleEdit"_s), u"Folge %1"_s.arg(to));
}

QTEST_MAIN(TestFilmWindow)
#include "tst_filmwindow.moc"
