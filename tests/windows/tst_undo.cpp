#include "WindowFixture.h"

#include "catalogue/RecordText.h"
#include "exchange/CsvImport.h"
#include "support/MessageBoxScript.h"
#include "ui/Language.h"
#include "windows/core/FilmWindow.h"
#include "windows/models/CassetteListModel.h"
#include "windows/undo/CatalogueCommands.h"
#include "windows/undo/UndoActions.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QTest>

using catalogue::FilmRecord;
using testsupport::makeRecord;
using namespace Qt::StringLiterals;

namespace {

// Everything an undo must give back: the archive as saved, and the very same cassettes and records.
struct Snapshot
{
    QByteArray archive;
    std::vector<const catalogue::Cassette*> cassettes;
    std::vector<const FilmRecord*> records;
};

// A record whose stored bytes hold more than its texts: a name with bytes behind its length, and
// reserved bytes set, so that only an exact restore brings them back.
FilmRecord oddRecord(const QString& tape, int tapeLength, const QString& film, int filmLength)
{
    FilmRecord r = makeRecord(tape, tapeLength, film, filmLength);
    r.tapeName.chars[45] = 'x';
    r.reserved3[1] = 7;
    r.story[500] = 'y';
    return r;
}

// Films of a planned import: "Name:count" per cassette, ten minutes each.
exchange::ImportPlan importPlan(const catalogue::Catalogue& catalogue, const QString& cassettes)
{
    exchange::ImportPlan plan;
    for (const QString& part : cassettes.split(u',')) {
        const QStringList nameCount = part.split(u':');
        const catalogue::Cassette* existing = catalogue.findCassette(nameCount[0]);
        exchange::PlannedCassette planned{nameCount[0], existing ? existing->length() : 600, !existing, {}};
        for (int i = 0; i < nameCount[1].toInt(); ++i) {
            auto record = catalogue::Catalogue::newRecord();
            *record = makeRecord(planned.name, planned.length, planned.name + QString::number(i), 10);
            planned.films.push_back({i + 2, std::move(record)});
        }
        plan.cassettes.push_back(std::move(planned));
    }
    return plan;
}

} // namespace

class TestUndo final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { ui::setLanguage(ui::kEnglish); }
    void sequence_undoneToStartAndRedoneToEnd_data();
    void sequence_undoneToStartAndRedoneToEnd();
    void mainWindow_undoneDelete_bringsTheRowBackWhereItWas_data();
    void mainWindow_undoneDelete_bringsTheRowBackWhereItWas();
    void entries_nameWhatTheyWouldDo_data();
    void entries_nameWhatTheyWouldDo();
    void filmWindow_undoWhileBrowsing_movesAsForADelete();
    void release_clearsHistoryAndTheStackFollowingIt();

private:
    void perform(WindowFixture& f, const QString& operation);
    Snapshot snapshot(WindowFixture& f);
    void compare(WindowFixture& f, const Snapshot& expected, const QString& where);
};

void TestUndo::perform(WindowFixture& f, const QString& operation)
{
    const QStringList a = operation.split(u'|');
    catalogue::Catalogue& c = f.catalogue;
    QUndoStack& s = f.undoStack;
    const auto cassette = [&c](const QString& name) {
        const catalogue::Cassette* found = c.findCassette(name);
        if (!found)
            qFatal("no cassette %s", qPrintable(name));
        return found;
    };
    const auto fields = [](const QString& title, const QString& length) {
        return makeRecord({}, 0, title, length.toInt());
    };
    if (a[0] == u"create")
        windows::createCassette(s, c, a[1], a[2].toInt());
    else if (a[0] == u"edit")
        windows::editCassette(s, c, *cassette(a[1]), a[2], a[3].toInt());
    else if (a[0] == u"delete")
        windows::deleteCassette(s, c, *cassette(a[1]));
    else if (a[0] == u"add")
        windows::addFilm(s, c, *cassette(a[1]), catalogue::filmOf(fields(a[2], a[3])));
    else if (a[0] == u"insert")
        windows::addFilm(s, c, *cassette(a[1]), catalogue::filmOf(fields(a[3], a[4])),
                         cassette(a[1])->recordAt(a[2].toInt()));
    else if (a[0] == u"update")
        windows::updateFilm(s, c, *cassette(a[1])->recordAt(a[2].toInt()),
                            catalogue::filmOf(fields(a[3], a[4])));
    else if (a[0] == u"remove")
        windows::removeFilm(s, c, *cassette(a[1])->recordAt(a[2].toInt()));
    else if (a[0] == u"import")
        windows::applyImport(s, c, importPlan(c, a[1]), u"films.csv"_s);
    else
        qFatal("unknown operation %s", qPrintable(operation));
}

Snapshot TestUndo::snapshot(WindowFixture& f)
{
    Snapshot shot;
    if (!catalogue::writeArchive(f.catalogue, f.archivePath()).saved)
        qFatal("cannot save %s", qPrintable(f.archivePath()));
    shot.archive = testsupport::readFileBytes(f.archivePath());
    const auto cassettes = f.catalogue.cassettes();
    shot.cassettes.assign(cassettes.begin(), cassettes.end());
    for (const FilmRecord* r = f.catalogue.head(); r; r = r->next)
        shot.records.push_back(r);
    return shot;
}

void TestUndo::compare(WindowFixture& f, const Snapshot& expected, const QString& where)
{
    const Snapshot now = snapshot(f);
    QVERIFY2(now.archive == expected.archive, qPrintable(where + u": the archive differs"_s));
    QVERIFY2(now.cassettes == expected.cassettes, qPrintable(where + u": other cassettes or order"_s));
    QVERIFY2(now.records == expected.records, qPrintable(where + u": other records or order"_s));
    const QString fault = testsupport::listFault(f.catalogue);
    QVERIFY2(fault.isEmpty(), qPrintable(where + u": "_s + fault));
    // The main window's rows, followed through the signals, are those a fresh list would build.
    const windows::CassetteListModel fresh(f.catalogue);
    const windows::CassetteListModel& rows = *f.mainWindow->cassetteModel();
    QCOMPARE(rows.rowCount(), fresh.rowCount());
    for (int row = 0; row < fresh.rowCount(); ++row)
        QVERIFY2(rows.cassetteAt(row) == fresh.cassetteAt(row), qPrintable(where + u": row %1"_s.arg(row)));
}

void TestUndo::sequence_undoneToStartAndRedoneToEnd_data()
{
    QTest::addColumn<QStringList>("operations");
    const auto row = [](const char* name, const QString& operations) {
        QTest::newRow(name) << operations.split(u' ');
    };
    row("create a cassette", u"create|Neu|120"_s);
    row("create under a name in use", u"create|Beta|60"_s);
    row("rename", u"edit|Gamma|Omega|300"_s);
    row("change length over differing lengths", u"edit|Alpha|Alpha|200"_s);
    row("rename onto a name in use joins two", u"edit|Delta|Gamma|150"_s);
    row("join, then delete the joined", u"edit|Gamma|Alpha|100 delete|Alpha"_s);
    row("delete in the middle", u"delete|Gamma"_s);
    row("delete a case twin", u"delete|alpha"_s);
    row("delete every cassette", u"delete|Alpha delete|Delta delete|alpha delete|Beta delete|Gamma"_s);
    row("add into the placeholder, then behind", u"add|Beta|B1|30 add|Beta|B2|20"_s);
    row("insert and edit", u"insert|Alpha|2|AX|10 update|Gamma|1|G1b|80 update|Alpha|1|A1b|5"_s);
    row("delete films down to the placeholder", u"remove|Alpha|1 remove|Gamma|2 remove|Gamma|1"_s);
    row("import into new and existing cassettes", u"import|Alpha:3,Delta:2,Neu:4,Zwei:1"_s);
    row("work on what an import brought",
        u"import|Neu:3,Beta:2 add|Neu|N4|10 edit|Neu|Gamma|500 remove|Beta|1 delete|Gamma"_s);
    row("a bit of everything", u"create|X|60 add|X|X1|10 edit|X|Alpha|60 remove|Alpha|1 delete|Beta "
                               u"import|Beta:2 update|Beta|1|Bz|20 create|X|90 delete|X"_s);
}

// Each step undone goes back to the catalogue before it, byte for byte, and each step redone to the one
// after it; twice, so that a step made again can be taken back again.
void TestUndo::sequence_undoneToStartAndRedoneToEnd()
{
    QFETCH(QStringList, operations);
    WindowFixture f({makeRecord(u"Alpha"_s, 180, u"A1"_s, 90), oddRecord(u"Beta"_s, 240, {}, 0),
                     makeRecord(u"Alpha"_s, 120, u"A2"_s, 30, 1), makeRecord(u"alpha"_s, 90, u"a1"_s, 60),
                     oddRecord(u"Gamma"_s, 200, u"G1"_s, 100), makeRecord(u"Alpha"_s, 180, u"A3"_s, 45),
                     oddRecord(u"Delta"_s, 100, {}, 0), oddRecord(u"Gamma"_s, 200, u"G2"_s, 50)});
    const QAbstractItemModelTester tester(f.mainWindow->cassetteModel(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
    std::vector<Snapshot> shots{snapshot(f)};
    for (const QString& operation : operations) {
        perform(f, operation);
        shots.push_back(snapshot(f));
    }
    QCOMPARE(f.undoStack.count(), operations.size());
    QVERIFY(shots.back().archive != shots.front().archive);
    for (int cycle = 1; cycle <= 2; ++cycle) {
        for (qsizetype step = operations.size(); step > 0; --step) {
            f.undoStack.undo();
            compare(f, shots[std::size_t(step - 1)],
                    u"undo of %1, cycle %2"_s.arg(operations[step - 1]).arg(cycle));
        }
        for (qsizetype step = 1; step <= operations.size(); ++step) {
            f.undoStack.redo();
            compare(f, shots[std::size_t(step)],
                    u"redo of %1, cycle %2"_s.arg(operations[step - 1]).arg(cycle));
        }
    }
}

void TestUndo::mainWindow_undoneDelete_bringsTheRowBackWhereItWas_data()
{
    QTest::addColumn<QKeySequence>("redoKey");
    QTest::newRow("Ctrl+Shift+Z") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    QTest::newRow("Ctrl+Y") << QKeySequence(Qt::CTRL | Qt::Key_Y);
}

void TestUndo::mainWindow_undoneDelete_bringsTheRowBackWhereItWas()
{
    QFETCH(QKeySequence, redoKey);
    WindowFixture f({makeRecord(u"One"_s, 60, u"F1"_s, 30), makeRecord(u"Two"_s, 90, u"F2"_s, 40),
                     makeRecord(u"Two"_s, 90, u"F3"_s, 20), makeRecord(u"Three"_s, 120)});
    f.mainWindow->show();
    QVERIFY(QTest::qWaitForWindowActive(f.mainWindow.get()));
    f.list()->setSelectedRow(1);
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Yes);
    f.button(u"deleteButton"_s)->click();
    QCOMPARE(f.list()->rowCount(), 2);

    QTest::keySequence(f.list(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(f.list()->rowCount(), 3);
    QCOMPARE(f.row(1), (QStringList{u"Two"_s, u"90"_s, u"2"_s, u"30"_s}));
    QCOMPARE(f.list()->selectedRow(), 1);
    QCOMPARE(f.label(u"filmCountLabel"_s)->text(), u"3 Films"_s);

    QTest::keySequence(f.list(), redoKey);
    QCOMPARE(f.list()->rowCount(), 2);
    QCOMPARE(f.list()->caption(1), u"Three"_s);
    QCOMPARE(f.label(u"filmCountLabel"_s)->text(), u"1 Film"_s);
}

void TestUndo::entries_nameWhatTheyWouldDo_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("entries"); // undo, redo: after the delete, then after its undo
    QTest::newRow("English") << int(ui::kEnglish)
                             << QStringList{u"&Undo delete cassette \"Spielfilme && Serien\""_s, u"&Redo"_s,
                                            u"&Undo create cassette \"Spielfilme && Serien\""_s,
                                            u"&Redo delete cassette \"Spielfilme && Serien\""_s};
    QTest::newRow("German") << int(ui::kGerman)
                            << QStringList{u"Löschen der Kassette „Spielfilme && Serien“ &rückgängig"_s,
                                           u"&Wiederholen"_s,
                                           u"Anlegen der Kassette „Spielfilme && Serien“ &rückgängig"_s,
                                           u"Löschen der Kassette „Spielfilme && Serien“ &wiederholen"_s};
}

// The context menu says what Undo and Redo would do, in the window's language, and is off when
// there is nothing to do.
void TestUndo::entries_nameWhatTheyWouldDo()
{
    QFETCH(int, language);
    QFETCH(QStringList, entries);
    WindowFixture f;
    const windows::UndoActions& actions = *f.mainWindow->undoActions();
    QVERIFY(f.list()->actions().contains(actions.undoAction()));
    QVERIFY(!actions.undoAction()->isEnabled());
    windows::createCassette(f.undoStack, f.catalogue, u"Spielfilme & Serien"_s, 180);
    windows::deleteCassette(f.undoStack, f.catalogue, *f.catalogue.cassettes().front());
    ui::setLanguage(quint8(language));
    f.mainWindow->retranslate();
    QCOMPARE(actions.undoAction()->text(), entries[0]);
    QCOMPARE(actions.redoAction()->text(), entries[1]);
    QVERIFY(actions.undoAction()->isEnabled());
    QVERIFY(!actions.redoAction()->isEnabled());
    actions.undoAction()->trigger();
    QCOMPARE(actions.undoAction()->text(), entries[2]);
    QCOMPARE(actions.redoAction()->text(), entries[3]);
    QVERIFY(actions.redoAction()->isEnabled());
}

// The film window undoes while it browses: a film undone away moves it as a delete would, a film that
// comes back is shown. While a film is edited, Ctrl+Z is the fields' own.
void TestUndo::filmWindow_undoWhileBrowsing_movesAsForADelete()
{
    WindowFixture f(
        {makeRecord(u"Tape"_s, 600, u"First"_s, 30), makeRecord(u"Tape"_s, 600, u"Second"_s, 30)});
    windows::FilmWindow window(f.catalogue, f.undoStack);
    const catalogue::Cassette* tape = f.catalogue.cassettes().front();
    const FilmRecord* added = windows::addFilm(f.undoStack, f.catalogue, *tape,
                                               catalogue::filmOf(makeRecord({}, 0, u"Third"_s, 20)));
    window.setCassette(tape, added);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto title = [&window] { return testsupport::widget<QLineEdit>(&window, u"titleEdit"_s)->text(); };
    QCOMPARE(title(), u"Third"_s);

    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(tape->filmCount(), 2);
    QCOMPARE(title(), u"Second"_s);
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(tape->filmCount(), 3);
    QCOMPARE(title(), u"Third"_s);

    window.editOrSave();
    QVERIFY(!window.undoActions()->undoAction()->isEnabled());
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(tape->filmCount(), 3);
    QVERIFY(window.isEditing());
    window.deleteOrDiscard(); // Discard
    QVERIFY(window.undoActions()->undoAction()->isEnabled());
}

// Released records leave nothing to take back: the history forgets its entries and the stack that
// follows it its steps, whether they were made or taken back.
void TestUndo::release_clearsHistoryAndTheStackFollowingIt()
{
    WindowFixture f({makeRecord(u"Tape"_s, 600, u"First"_s, 30)});
    windows::followHistory(f.undoStack, f.catalogue);
    perform(f, u"create|Neu|120"_s);
    perform(f, u"delete|Tape"_s);
    f.undoStack.undo();
    QCOMPARE(f.catalogue.history().count(), 2u);
    QCOMPARE(f.undoStack.count(), 2);
    f.catalogue.releaseAll();
    QCOMPARE(f.catalogue.history().count(), 0u);
    QCOMPARE(f.undoStack.count(), 0);
    QVERIFY(!f.undoStack.canRedo());
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
