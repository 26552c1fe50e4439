#include "WindowFixture.h"

#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "support/MessageBoxScript.h"
#include "support/ModalScript.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "windows/core/ArchiveSaver.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTextDocumentFragment>
#include <QToolTip>

using catalogue::FilmRecord;
using testsupport::makeRecord;
using testsupport::widget;
using namespace Qt::StringLiterals;

namespace {

// Answers the next cassette dialog with name and length, pressing OK.
void answerCassetteDialog(testsupport::ModalScript& modal, const QString& name, int length)
{
    modal.queueShown<windows::CassetteDialog>([name, length](windows::CassetteDialog* dialog) {
        nameEdit(dialog)->setText(name);
        lengthEdit(dialog)->setIntValue(length);
        dialog->acceptIfValid();
    });
}

// Shows every number as "#n": text that reads as no number at all.
class OddNumbers final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        return value.typeId() == QMetaType::Int ? u"#"_s + QString::number(value.toInt())
                                                : QStyledItemDelegate::displayText(value, locale);
    }
};

// Film count and remaining time of the cassette of r's exact name, counted afresh over every record.
QStringList recount(const catalogue::Catalogue& catalogue, const FilmRecord& r)
{
    int films = 0;
    qint64 used = 0;
    for (const FilmRecord* x = catalogue.head(); x; x = x->next) {
        if (catalogue::sameTape(*x, r) && x->filmLength > 0) {
            ++films;
            used += qint64{catalogue::timeFactor(*x)} * x->filmLength;
        }
    }
    return {QString::number(films), QString::number(catalogue::remainingMinutes(r.tapeLength, used))};
}

QList<QString> tapeNames(const catalogue::Catalogue& catalogue)
{
    QList<QString> names;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next)
        names.append(catalogue::tapeNameText(*r));
    return names;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ui::setLanguage(0); }

    void statusBar_countsTapesAndFilmsInBothLanguages_data();
    void statusBar_countsTapesAndFilmsInBothLanguages();
    void beforeFirstShow_germanCaptionsAndButtonsDisabled();
    void languageSwitch_retranslatesShownWindowAndDialog();
    void buttons_enabledExactlyWhileCatalogueHoldsARecord();
    void noSelection_warnsAndDoesNothing_data();
    void noSelection_warnsAndDoesNothing();
    void rows_oneRowPerNameIgnoringCase_countsByExactName();
    void rows_matchCassetteSummaryOfTheirFirstRecord();
    void rows_showNegativeRemainingTime();
    void longName_cutWithTooltip_numbersInViewAndWindowSizeKept();
    void newCassette_appendsPlaceholderAndRow();
    void newCassette_cancelChangesNothing();
    void returnKey_pressesFocusedButton();
    void delete_removesCassetteAndLowersFilmCountByRowCount();
    void delete_answeredNo_keepsEverything();
    void editAndDelete_readRowNumbers_notTheirText();
    void edit_renamesEveryRecordAndRecomputesRow();
    void openAndEdit_cassetteRemovedElsewhere_warnNothingSelected();
    void open_asksForTheSelectedCassette();
    void toolShortcuts_askForTheirWindowFromAnywhere_data();
    void toolShortcuts_askForTheirWindowFromAnywhere();
    void exit_answeredNoKeepsRunning_YesSavesArchive();
    void newOrRenamed_selectsItsRowInView_data();
    void newOrRenamed_selectsItsRowInView();
    void shiftF10_opensTheListMenuAtTheSelectedRow();
    void listMenu_eachEntryHasItsOwnAccelerator_data();
    void listMenu_eachEntryHasItsOwnAccelerator();
};

void TestMainWindow::statusBar_countsTapesAndFilmsInBothLanguages_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("tapes");
    QTest::addColumn<int>("films");
    QTest::addColumn<QString>("tapePanel");
    QTest::addColumn<QString>("filmPanel");
    QTest::newRow("en 0") << 0 << 0 << 0 << u"0 Tapes"_s << u"0 Films"_s;
    QTest::newRow("en 1") << 0 << 1 << 1 << u"1 Tape"_s << u"1 Film"_s;
    QTest::newRow("en 2") << 0 << 2 << 2 << u"2 Tapes"_s << u"2 Films"_s;
    QTest::newRow("de 0") << 1 << 0 << 0 << u"0 Kassetten"_s << u"0 Filme"_s;
    QTest::newRow("de 1") << 1 << 1 << 1 << u"1 Kassette"_s << u"1 Film"_s;
    QTest::newRow("de 2") << 1 << 2 << 2 << u"2 Kassetten"_s << u"2 Filme"_s;
}

void TestMainWindow::statusBar_countsTapesAndFilmsInBothLanguages()
{
    QFETCH(int, language);
    QFETCH(int, tapes);
    QFETCH(int, films);
    QFETCH(QString, tapePanel);
    QFETCH(QString, filmPanel);

    std::vector<FilmRecord> records;
    for (int t = 0; t < tapes; ++t)
        records.push_back(makeRecord(u"Tape %1"_s.arg(t), 240, u"Film"_s, t < films ? 90 : 0));
    WindowFixture f(records);
    ui::setLanguage(quint8(language));
    f.mainWindow->retranslate();
    QCOMPARE(f.label(u"cassetteCountLabel"_s)->text(), tapePanel);
    QCOMPARE(f.label(u"filmCountLabel"_s)->text(), filmPanel);
}

void TestMainWindow::beforeFirstShow_germanCaptionsAndButtonsDisabled()
{
    WindowFixture f({makeRecord(u"A"_s, 100)});
    QCOMPARE(f.mainWindow->windowTitle(), u"reelMINDER/32 2.01"_s);
    QCOMPARE(f.label(u"cassettesLabel"_s)->text(), u"&Videokassetten:"_s);
    QCOMPARE(f.button(u"openButton"_s)->text(), u"Ö&ffnen"_s);
    QCOMPARE(f.label(u"cassetteCountLabel"_s)->text(), u"0 Kassetten"_s);
    QCOMPARE(f.label(u"filmCountLabel"_s)->text(), u"0 Filme"_s);
    QVERIFY(!f.button(u"openButton"_s)->isEnabled());
    QVERIFY(!f.button(u"searchButton"_s)->isEnabled());

    f.mainWindow->retranslate();
    QCOMPARE(f.label(u"cassettesLabel"_s)->text(), u"&Videotapes:"_s);
    QCOMPARE(f.list()->columnCaption(2), u"No. of films"_s);
    QCOMPARE(f.button(u"exitButton"_s)->text(), u"E&xit"_s);
    QCOMPARE(f.label(u"cassetteCountLabel"_s)->text(), u"1 Tape"_s);
}

// Nothing but the language byte changes: the windows follow through QEvent::LanguageChange.
void TestMainWindow::languageSwitch_retranslatesShownWindowAndDialog()
{
    WindowFixture f({makeRecord(u"A"_s, 100, u"Film"_s, 50)});
    f.mainWindow->show();
    f.cassetteDialog->show();
    auto texts = [&] {
        return QStringList{f.label(u"cassettesLabel"_s)->text(),
                           f.list()->columnCaption(3),
                           f.button(u"exitButton"_s)->text(),
                           f.label(u"cassetteCountLabel"_s)->text(),
                           f.label(u"filmCountLabel"_s)->text(),
                           f.cassetteDialog->windowTitle(),
                           widget<QPushButton>(f.cassetteDialog, u"cancelButton"_s)->text()};
    };
    const QStringList english{u"&Videotapes:"_s, u"Remaining Time"_s,  u"E&xit"_s, u"1 Tape"_s,
                              u"1 Film"_s,       u"Create new Tape"_s, u"Cancel"_s};
    QCOMPARE(texts(), english);

    ui::setLanguage(1);
    QCOMPARE(texts(), (QStringList{u"&Videokassetten:"_s, u"Restzeit"_s, u"&Beenden"_s, u"1 Kassette"_s,
                                   u"1 Film"_s, u"Neue Kassette erstellen"_s, u"Abbrechen"_s}));
    ui::setLanguage(0);
    QCOMPARE(texts(), english);
    f.cassetteDialog->hide();
}

void TestMainWindow::buttons_enabledExactlyWhileCatalogueHoldsARecord()
{
    testsupport::MessageBoxScript boxes;
    testsupport::ModalScript modal;
    WindowFixture f;
    f.mainWindow->retranslate();
    auto enabled = [&] {
        return QList<bool>{f.button(u"openButton"_s)->isEnabled(), f.button(u"editButton"_s)->isEnabled(),
                           f.button(u"deleteButton"_s)->isEnabled(),
                           f.button(u"searchButton"_s)->isEnabled()};
    };
    QCOMPARE(enabled(), QList<bool>(4, false));
    QVERIFY(f.button(u"newButton"_s)->isEnabled() && f.button(u"exitButton"_s)->isEnabled() &&
            f.button(u"aboutButton"_s)->isEnabled());

    answerCassetteDialog(modal, u"Spielfilme"_s, 180);
    f.mainWindow->createCassette();
    QCOMPARE(enabled(), QList<bool>(4, true));
    QCOMPARE(f.label(u"cassetteCountLabel"_s)->text(), u"1 Tape"_s);

    f.list()->setSelectedRow(0);
    boxes.queue(QMessageBox::Yes);
    f.mainWindow->deleteCassette();
    QCOMPARE(enabled(), QList<bool>(4, false));
    QCOMPARE(f.label(u"cassetteCountLabel"_s)->text(), u"0 Tapes"_s);
}

void TestMainWindow::noSelection_warnsAndDoesNothing_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("handler");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("open en") << 0 << 0 << u"Please select first the tape that you want to open."_s
                             << u"No tape selected"_s;
    QTest::newRow("edit en") << 0 << 1 << u"Please select first the tape, that you want to edit."_s
                             << u"No tape selected"_s;
    QTest::newRow("delete en") << 0 << 2 << u"Please select first the tape that you want to delete."_s
                               << u"No tape selected"_s;
    QTest::newRow("open de") << 1 << 0
                             << u"Bitte wählen Sie zuerst die Kassette aus, die Sie öffnen wollen."_s
                             << u"Keine Kassette ausgewählt"_s;
    QTest::newRow("edit de") << 1 << 1
                             << u"Bitte wählen Sie zuerst die Kassette aus, die Sie bearbeiten wollen."_s
                             << u"Keine Kassette ausgewählt"_s;
    QTest::newRow("delete de") << 1 << 2
                               << u"Bitte wählen Sie zuerst die Kassette aus, die Sie löschen wollen."_s
                               << u"Keine Kassette ausgewählt"_s;
}

void TestMainWindow::noSelection_warnsAndDoesNothing()
{
    QFETCH(int, language);
    QFETCH(int, handler);
    QFETCH(QString, text);
    QFETCH(QString, caption);

    WindowFixture f({makeRecord(u"A"_s, 100, u"Film"_s, 50)});
    ui::setLanguage(quint8(language));
    QSignalSpy filmWindowOpened(f.mainWindow.get(), &windows::MainWindow::filmWindowRequested);
    testsupport::MessageBoxScript boxes;
    testsupport::ModalScript modal;
    boxes.queue(QMessageBox::Ok);
    const QList<void (windows::MainWindow::*)()> handlers{&windows::MainWindow::openCassette,
                                                          &windows::MainWindow::editCassette,
                                                          &windows::MainWindow::deleteCassette};
    (f.mainWindow.get()->*handlers[handler])();

    QCOMPARE(boxes.callCount(), 1);
    QCOMPARE(boxes.lastCall().text, text);
    QCOMPARE(boxes.lastCall().caption, caption);
    QCOMPARE(boxes.lastCall().icon, ui::Icon::Warning);
    QCOMPARE(boxes.lastCall().owner.data(), f.mainWindow.get());
    QCOMPARE(filmWindowOpened.size(), 0);
    QCOMPARE(f.catalogue.recordCount(), 1);
    QCOMPARE(f.list()->rowCount(), 1);
}

void TestMainWindow::rows_oneRowPerNameIgnoringCase_countsByExactName()
{
    WindowFixture f({makeRecord(u"abc"_s, 240, u"One"_s, 90), makeRecord(u"ABC"_s, 120, u"Two"_s, 30),
                     makeRecord(u"abc"_s, 240, u"Three"_s, 100), makeRecord(u"ABC"_s, 120, u"Four"_s, 20)});
    QCOMPARE(f.list()->rowCount(), 1);
    QCOMPARE(f.row(0), (QStringList{u"abc"_s, u"240"_s, u"2"_s, u"50"_s}));
    QCOMPARE(f.catalogue.filmTotal(), 4);
}

// The rows are built in one pass; they must be exactly what a walk per cassette gives.
void TestMainWindow::rows_matchCassetteSummaryOfTheirFirstRecord()
{
    QRandomGenerator random(20261207);
    const QStringList names{u"Krimis"_s,     u"krimis"_s,   u"KRIMIS"_s, u"Natur"_s,
                            u"Oper"_s,       u"oper"_s,     u"Sport"_s,  u"Für Kinder"_s,
                            u"FÜR KINDER"_s, u"Western "_s, u"Western"_s};
    std::vector<FilmRecord> records;
    for (int i = 0; i < 600; ++i) {
        const QString name = names[random.bounded(int(names.size()))];
        const int film = random.bounded(4) == 0 ? 0 : random.bounded(1, 200);
        records.push_back(
            makeRecord(name, 60 + random.bounded(300), u"F"_s, film, quint8(random.bounded(3))));
    }
    WindowFixture f(records);

    QStringList expectedCaptions;
    int expectedTotal = 0;
    for (const FilmRecord* r = f.catalogue.head(); r; r = r->next) {
        expectedTotal += r->filmLength > 0;
        const QString name = catalogue::tapeNameText(*r);
        bool known = false;
        for (const QString& caption : expectedCaptions)
            known = known || caption.compare(name, Qt::CaseInsensitive) == 0;
        if (known)
            continue;
        expectedCaptions.append(name);
        const int row = int(expectedCaptions.size()) - 1;
        QCOMPARE(f.row(row), (QStringList{name, QString::number(r->tapeLength)} + recount(f.catalogue, *r)));
    }
    QCOMPARE(f.list()->rowCount(), expectedCaptions.size());
    QCOMPARE(f.catalogue.filmTotal(), expectedTotal);
}

void TestMainWindow::rows_showNegativeRemainingTime()
{
    WindowFixture f({makeRecord(u"Over"_s, 90, u"Long"_s, 95), makeRecord(u"Empty"_s, 120),
                     makeRecord(u"LP"_s, 180, u"Lp"_s, 121, 1)});
    QCOMPARE(f.row(0), (QStringList{u"Over"_s, u"90"_s, u"1"_s, u"-5"_s}));
    QCOMPARE(f.row(1), (QStringList{u"Empty"_s, u"120"_s, u"0"_s, u"120"_s}));
    QCOMPARE(f.row(2), (QStringList{u"LP"_s, u"180"_s, u"1"_s, u"119"_s}));
    QCOMPARE(f.catalogue.filmTotal(), 2);
}

void TestMainWindow::longName_cutWithTooltip_numbersInViewAndWindowSizeKept()
{
    const QString name = u"Die großen Abenteuerfilme der Fünfziger, Teil eins"_s;
    QCOMPARE(name.size(), 50);
    WindowFixture plain({makeRecord(u"Kurz"_s, 100)});
    WindowFixture f({makeRecord(u"Kurz"_s, 100), makeRecord(name, 240, u"Film"_s, 90)});
    for (WindowFixture* fixture : {&plain, &f}) {
        fixture->mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(fixture->mainWindow.get()));
    }
    QCOMPARE(f.mainWindow->size(), plain.mainWindow->size());
    const QPoint offset =
        f.mainWindow->frameGeometry().center() - f.mainWindow->screen()->availableGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(u"off centre by %1,%2"_s.arg(offset.x()).arg(offset.y())));

    ui::ReportList* list = f.list();
    for (int column = 1; column < 4; ++column)
        QVERIFY(list->viewport()->rect().contains(list->visualRect(list->model()->index(1, column))));
    QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    const QString shown = list->shownText(1, 0);
    // Cut in the middle, so that names alike at their start still differ.
    const qsizetype cut = shown.indexOf(u'…');
    QVERIFY2(cut > 0 && cut < shown.size() - 1 && name.startsWith(shown.left(cut)) &&
                 name.endsWith(shown.mid(cut + 1)),
             qPrintable(shown));
    QCOMPARE(list->shownText(0, 0), u"Kurz"_s);

    const QPoint at = list->visualRect(list->model()->index(1, 0)).center();
    QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &help);
    QTRY_COMPARE(QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText(), name);
}

void TestMainWindow::newCassette_appendsPlaceholderAndRow()
{
    WindowFixture f({makeRecord(u"First"_s, 240, u"Film"_s, 90)});
    f.mainWindow->retranslate();
    f.list()->setSelectedRow(0);
    testsupport::ModalScript modal;
    answerCassetteDialog(modal, u"Neue Kassette"_s, 195);
    f.mainWindow->createCassette();

    QCOMPARE(modal.opened(), QStringList{u"cassetteDialog"_s});
    QCOMPARE(f.list()->rowCount(), 2);
    QCOMPARE(f.row(1), (QStringList{u"Neue Kassette"_s, u"195"_s, u"0"_s, u"195"_s}));
    QCOMPARE(f.list()->selectedRow(), 1);
    const FilmRecord* added = f.catalogue.tail();
    QCOMPARE(catalogue::tapeNameText(*added), u"Neue Kassette"_s);
    QCOMPARE(added->tapeLength, quint16(195));
    QCOMPARE(added->filmLength, quint16(0));
    QCOMPARE(f.catalogue.filmTotal(), 1);
    QCOMPARE(f.label(u"cassetteCountLabel"_s)->text(), u"2 Tapes"_s);
}

void TestMainWindow::newCassette_cancelChangesNothing()
{
    WindowFixture f({makeRecord(u"First"_s, 240)});
    testsupport::ModalScript modal;
    modal.queueShown<windows::CassetteDialog>([](windows::CassetteDialog* dialog) {
        nameEdit(dialog)->setText(u"Never"_s);
        lengthEdit(dialog)->setIntValue(100);
        widget<QPushButton>(dialog, u"cancelButton"_s)->click();
    });
    f.mainWindow->createCassette();
    QCOMPARE(f.catalogue.recordCount(), 1);
    QCOMPARE(f.list()->rowCount(), 1);
}

void TestMainWindow::returnKey_pressesFocusedButton()
{
    WindowFixture f;
    f.mainWindow->show();
    QVERIFY(QTest::qWaitForWindowActive(f.mainWindow.get()));
    testsupport::ModalScript modal;
    modal.queue([](QDialog*) { return int(QDialog::Rejected); });
    f.button(u"newButton"_s)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.button(u"newButton"_s), Qt::Key_Return);
    QCOMPARE(modal.opened(), QStringList{u"cassetteDialog"_s});
}

void TestMainWindow::delete_removesCassetteAndLowersFilmCountByRowCount()
{
    WindowFixture f({makeRecord(u"Keep"_s, 240, u"K1"_s, 60), makeRecord(u"Drop"_s, 240, u"D1"_s, 30),
                     makeRecord(u"Drop"_s, 240, u"D2"_s, 30), makeRecord(u"Drop"_s, 240, u"D3"_s, 30),
                     makeRecord(u"Last"_s, 90)});
    ui::setLanguage(1);
    f.mainWindow->retranslate();
    QCOMPARE(f.label(u"filmCountLabel"_s)->text(), u"4 Filme"_s);
    f.list()->setSelectedRow(1);

    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Yes);
    f.mainWindow->deleteCassette();
    QCOMPARE(boxes.lastCall().text, u"Wollen Sie die Videokassette „Drop“ wirklich löschen?"_s);
    QCOMPARE(boxes.lastCall().caption, u"Löschen einer Videokassette"_s);
    QCOMPARE(boxes.lastCall().icon, ui::Icon::Question);
    QCOMPARE(boxes.lastCall().defaultButton, QMessageBox::No);

    QCOMPARE(f.label(u"filmCountLabel"_s)->text(), u"1 Film"_s);
    QCOMPARE(f.catalogue.filmTotal(), 1);
    QCOMPARE(tapeNames(f.catalogue), (QList<QString>{u"Keep"_s, u"Last"_s}));
    QCOMPARE(f.list()->rowCount(), 2);
    QCOMPARE(f.list()->caption(1), u"Last"_s);
    QVERIFY2(testsupport::listFault(f.catalogue).isEmpty(), qPrintable(testsupport::listFault(f.catalogue)));
}

void TestMainWindow::delete_answeredNo_keepsEverything()
{
    WindowFixture f({makeRecord(u"Keep"_s, 240, u"K1"_s, 60)});
    f.list()->setSelectedRow(0);
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::No);
    f.mainWindow->deleteCassette();
    QCOMPARE(boxes.lastCall().text, u"Do you really want do delete the Videotape \"Keep\"?"_s);
    QCOMPARE(boxes.lastCall().caption, u"Deleting of a Videotape"_s);
    QCOMPARE(f.catalogue.recordCount(), 1);
    QCOMPARE(f.list()->rowCount(), 1);
}

// Whatever a row shows, the edit's minimum length and the film total a deletion lowers come from
// the numbers the row holds.
void TestMainWindow::editAndDelete_readRowNumbers_notTheirText()
{
    WindowFixture f({makeRecord(u"Keep"_s, 240, u"K1"_s, 60), makeRecord(u"Drop"_s, 240, u"D1"_s, 30),
                     makeRecord(u"Drop"_s, 240, u"D2"_s, 45, 1)});
    f.list()->setItemDelegate(new OddNumbers(f.list()));
    QCOMPARE(f.list()->shownText(1, 2), u"#2"_s);
    f.list()->setSelectedRow(1);

    testsupport::ModalScript modal;
    int minimum = 0;
    modal.queueShown<windows::CassetteDialog>([&](windows::CassetteDialog* dialog) {
        minimum = dialog->minimumLength();
        QCOMPARE(lengthEdit(dialog)->intValue(), 240);
        dialog->reject();
    });
    f.mainWindow->editCassette();
    QCOMPARE(minimum, 53);

    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Yes);
    f.mainWindow->deleteCassette();
    QCOMPARE(f.catalogue.filmTotal(), 1);
}

void TestMainWindow::edit_renamesEveryRecordAndRecomputesRow()
{
    WindowFixture f({makeRecord(u"Other"_s, 100), makeRecord(u"Trio"_s, 240, u"A"_s, 60),
                     makeRecord(u"Trio"_s, 240, u"B"_s, 40, 1), makeRecord(u"Trio"_s, 240, u"C"_s, 20)});
    f.list()->setSelectedRow(1);
    QCOMPARE(f.row(1), (QStringList{u"Trio"_s, u"240"_s, u"3"_s, u"140"_s}));

    testsupport::ModalScript modal;
    answerCassetteDialog(modal, u"Trio neu"_s, 300);
    f.mainWindow->editCassette();

    QCOMPARE(f.row(1), (QStringList{u"Trio neu"_s, u"300"_s, u"3"_s, u"200"_s}));
    QCOMPARE(f.row(0), (QStringList{u"Other"_s, u"100"_s, u"0"_s, u"100"_s}));
    int renamed = 0;
    for (const FilmRecord* r = f.catalogue.head(); r; r = r->next) {
        if (catalogue::tapeNameText(*r) == u"Trio neu"_s) {
            QCOMPARE(r->tapeLength, quint16(300));
            ++renamed;
        }
    }
    QCOMPARE(renamed, 3);
    QCOMPARE(f.catalogue.filmTotal(), 3);
}

// A cassette removed elsewhere takes its row, and with it the selection: Open and Edit then find
// nothing selected.
void TestMainWindow::openAndEdit_cassetteRemovedElsewhere_warnNothingSelected()
{
    WindowFixture f({makeRecord(u"Real"_s, 100), makeRecord(u"Gone"_s, 100, u"g"_s, 10)});
    f.mainWindow->retranslate();
    f.list()->setSelectedRow(1);
    f.catalogue.removeCassette(*f.catalogue.findCassette(u"Gone"_s));
    QCOMPARE(f.list()->rowCount(), 1);
    QCOMPARE(f.list()->selectedRow(), -1);
    QCOMPARE(f.label(u"filmCountLabel"_s)->text(), u"0 Films"_s);
    QSignalSpy filmWindowOpened(f.mainWindow.get(), &windows::MainWindow::filmWindowRequested);
    testsupport::MessageBoxScript boxes;
    testsupport::ModalScript modal;
    boxes.queue(QMessageBox::Ok);
    boxes.queue(QMessageBox::Ok);
    f.mainWindow->openCassette();
    f.mainWindow->editCassette();
    QCOMPARE(filmWindowOpened.size(), 0);
    QCOMPARE(modal.opened().size(), 0);
    QCOMPARE(boxes.callCount(), 2);
}

void TestMainWindow::open_asksForTheSelectedCassette()
{
    WindowFixture f({makeRecord(u"A"_s, 100, u"a1"_s, 10), makeRecord(u"B"_s, 100, u"b1"_s, 10),
                     makeRecord(u"B"_s, 100, u"b2"_s, 10)});
    QList<std::pair<const catalogue::Cassette*, const FilmRecord*>> requested;
    connect(f.mainWindow.get(), &windows::MainWindow::filmWindowRequested, this,
            [&](const catalogue::Cassette* cassette, const FilmRecord* film) {
                requested.append({cassette, film});
            });
    f.list()->setSelectedRow(1);
    f.mainWindow->openCassette();
    QCOMPARE(requested.size(), 1);
    QVERIFY(requested.first().first);
    QCOMPARE(catalogue::text(requested.first().first->firstRecord()->filmName), u"b1"_s);
    QCOMPARE(requested.first().second, nullptr);
}

void TestMainWindow::toolShortcuts_askForTheirWindowFromAnywhere_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("tool"); // find space, tape map, duplicates
    QTest::addColumn<QString>("focus");
    QTest::newRow("find space, in the list") << QKeySequence(u"Ctrl+G"_s) << 0 << u"cassetteList"_s;
    QTest::newRow("tape map, on a button") << QKeySequence(u"Ctrl+M"_s) << 1 << u"newButton"_s;
    QTest::newRow("duplicates, in the list") << QKeySequence(u"Ctrl+D"_s) << 2 << u"cassetteList"_s;
}

void TestMainWindow::toolShortcuts_askForTheirWindowFromAnywhere()
{
    QFETCH(QKeySequence, keys);
    QFETCH(int, tool);
    QFETCH(QString, focus);
    WindowFixture f({makeRecord(u"A"_s, 100, u"a1"_s, 10)});
    QSignalSpy findSpace(f.mainWindow.get(), &windows::MainWindow::findSpaceRequested);
    QSignalSpy tapeMap(f.mainWindow.get(), &windows::MainWindow::tapeMapRequested);
    QSignalSpy duplicates(f.mainWindow.get(), &windows::MainWindow::duplicatesRequested);
    f.mainWindow->show();
    f.mainWindow->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.mainWindow.get()));
    // Each is also an entry of the list's context menu, and no other entry shares its keys.
    int entries = 0;
    for (const QAction* action : f.list()->actions())
        entries += action->shortcut() == keys ? 1 : 0;
    QCOMPARE(entries, 1);

    QWidget* target = f.mainWindow->findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus();
    QTest::keySequence(target, keys);
    QCOMPARE((QList<qsizetype>{findSpace.size(), tapeMap.size(), duplicates.size()}),
             (QList<qsizetype>{tool == 0, tool == 1, tool == 2}));
}

// The save itself belongs to the archive session (see the start-up tests); the window asks it once,
// after Yes, over itself.
void TestMainWindow::exit_answeredNoKeepsRunning_YesSavesArchive()
{
    struct Saver final : windows::ArchiveSaver
    {
        QList<QWidget*> owners;
        void saveAtExit(QWidget* owner) override { owners.append(owner); }
    } saver;
    WindowFixture f({makeRecord(u"A"_s, 100, u"a1"_s, 10)});
    f.mainWindow->setArchiveSaver(&saver);
    ui::setLanguage(1);
    f.mainWindow->show();

    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::No);
    QVERIFY(!f.mainWindow->close());
    QCOMPARE(boxes.lastCall().caption, u"reelMINDER/32 beenden"_s);
    QCOMPARE(boxes.lastCall().text, u"Wollen Sie reelMINDER/32 wirklich beenden?"_s);
    QCOMPARE(boxes.lastCall().icon, ui::Icon::Question);
    QCOMPARE(boxes.lastCall().defaultButton, QMessageBox::No);
    QVERIFY(f.mainWindow->isVisible());
    QCOMPARE(saver.owners.size(), 0);

    boxes.queue(QMessageBox::Yes);
    QVERIFY(f.mainWindow->close());
    QCOMPARE(saver.owners, QList<QWidget*>{f.mainWindow.get()});
    // Closed once, the window goes without asking again.
    QVERIFY(f.mainWindow->close());
    QCOMPARE(saver.owners.size(), 1);
}

void TestMainWindow::newOrRenamed_selectsItsRowInView_data()
{
    QTest::addColumn<bool>("create");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    // Forty cassettes, the list scrolled to its top: the last rows are out of view.
    QTest::newRow("new, at the end") << true << u"Neu"_s << 40;
    QTest::newRow("renamed, out of view") << false << u"Anders"_s << 35;
}

void TestMainWindow::newOrRenamed_selectsItsRowInView()
{
    QFETCH(bool, create);
    QFETCH(QString, name);
    QFETCH(int, row);
    std::vector<FilmRecord> records;
    for (int i = 0; i < 40; ++i)
        records.push_back(makeRecord(u"Tape %1"_s.arg(i, 2, 10, QLatin1Char('0')), 240, u"Film"_s, 60));
    WindowFixture f(records);
    f.mainWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.mainWindow.get()));
    f.list()->setSelectedRow(create ? 0 : row);
    f.list()->scrollToTop();

    testsupport::ModalScript modal;
    answerCassetteDialog(modal, name, 120);
    if (create)
        f.mainWindow->createCassette();
    else
        f.mainWindow->editCassette();

    QCOMPARE(f.list()->selectedRow(), row);
    QCOMPARE(f.list()->caption(row).toCaseFolded(), name.toCaseFolded());
    const QRect shown = f.list()->visualRect(f.list()->model()->index(row, 0));
    QVERIFY(f.list()->viewport()->rect().contains(shown));
}

// Shift+F10, where the Menu key or the right button would open it: the one menu that holds printing,
// PDF and CSV, without a modal loop of its own.
void TestMainWindow::shiftF10_opensTheListMenuAtTheSelectedRow()
{
    WindowFixture f({makeRecord(u"A"_s, 100, u"a1"_s, 10), makeRecord(u"B"_s, 100, u"b1"_s, 10)});
    f.mainWindow->show();
    QVERIFY(QTest::qWaitForWindowActive(f.mainWindow.get()));
    f.list()->setSelectedRow(1);
    f.button(u"searchButton"_s)->setFocus();
    QTest::keyClick(f.button(u"searchButton"_s), Qt::Key_F10, Qt::ShiftModifier);

    QMenu* menu = f.mainWindow->listMenu();
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(menu->actions().contains(widget<QAction>(f.mainWindow.get(), u"printListAction"_s)));
    QVERIFY(menu->actions().contains(widget<QAction>(f.mainWindow.get(), u"exportAction"_s)));
    const QRect row = f.list()->visualRect(f.list()->model()->index(1, 0));
    QCOMPARE(menu->pos(), f.list()->viewport()->mapToGlobal(row.bottomLeft()));
    menu->close();
}

void TestMainWindow::listMenu_eachEntryHasItsOwnAccelerator_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(ui::kEnglish);
    QTest::newRow("German") << int(ui::kGerman);
}

void TestMainWindow::listMenu_eachEntryHasItsOwnAccelerator()
{
    QFETCH(int, language);
    ui::setLanguage(quint8(language));
    WindowFixture f({makeRecord(u"A"_s, 100, u"a1"_s, 10)});
    f.mainWindow->show(); // the captions take the program's language at the first show
    QHash<QChar, QString> taken;
    for (const QAction* action : f.mainWindow->listMenu()->actions()) {
        if (action->isSeparator())
            continue;
        const QString text = action->text();
        const qsizetype at = QString(text).replace(u"&&"_s, u"__"_s).indexOf(u'&');
        QVERIFY2(at >= 0 && at + 1 < text.size(), qPrintable(text));
        const QChar key = text.at(at + 1).toLower();
        QVERIFY2(!taken.contains(key), qPrintable(taken.value(key) + u" / "_s + text));
        taken.insert(key, text);
    }
    QVERIFY(taken.size() >= 10);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
