#include "WindowFixture.h"

#include "catalogue/Cassette.h"
#include "catalogue/Film.h"
#include "storage/Generations.h"
#include "support/MessageBoxScript.h"
#include "support/TempSettings.h"
#include "windows/tools/BackupsWindow.h"
#include "windows/undo/CatalogueCommands.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using testsupport::makeRecord;
using testsupport::readFileBytes;

// The backups window over an archive saved twice, with a change between the saves.
class TestBackupsWindow final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void restore_bringsBackTheOlderSave_andUndoTakesItBack_data();
    void restore_bringsBackTheOlderSave_andUndoTakesItBack();
    void damagedGeneration_cannotBeRestored();

private:
    // Saves the catalogue over its archive, which keeps a generation.
    void save(WindowFixture& fixture);

    std::unique_ptr<testsupport::TempSettings> settings_;
    std::unique_ptr<QTemporaryDir> dataHome_;
};

void TestBackupsWindow::init()
{
    settings_ = std::make_unique<testsupport::TempSettings>();
    dataHome_ = std::make_unique<QTemporaryDir>();
    QVERIFY(settings_->isValid() && dataHome_->isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_->path()));
}

void TestBackupsWindow::save(WindowFixture& fixture)
{
    const catalogue::SaveResult result = catalogue::writeArchive(fixture.catalogue, fixture.archivePath());
    QVERIFY2(result.saved, qPrintable(result.reason));
    QVERIFY2(result.generationNote.isEmpty(), qPrintable(result.generationNote));
}

void TestBackupsWindow::restore_bringsBackTheOlderSave_andUndoTakesItBack_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("tapeChange"); // of the first tape row, what restoring would do
    QTest::addColumn<int>("films");          // film rows under it
    QTest::addColumn<bool>("filmExistsNow"); // its first film can be opened

    QTest::newRow("film added since") << u"addFilm"_s << u"changed"_s << 1 << true;
    QTest::newRow("film removed since") << u"removeFilm"_s << u"changed"_s << 1 << false;
    QTest::newRow("tape added since") << u"addTape"_s << u"removed"_s << 1 << true;
    QTest::newRow("tape removed since") << u"removeTape"_s << u"added"_s << 1 << false;
}

void TestBackupsWindow::restore_bringsBackTheOlderSave_andUndoTakesItBack()
{
    QFETCH(QString, change);
    QFETCH(QString, tapeChange);
    QFETCH(int, films);
    QFETCH(bool, filmExistsNow);

    WindowFixture fixture({makeRecord(u"Alpha"_s, 240, u"Heat"_s, 170),
                           makeRecord(u"Alpha"_s, 240, u"Alien"_s, 117),
                           makeRecord(u"Bravo"_s, 180, u"Jaws"_s, 124)});
    catalogue::Catalogue& catalogue = fixture.catalogue;
    save(fixture);
    const QByteArray older = readFileBytes(fixture.archivePath());

    const catalogue::Cassette* alpha = catalogue.findCassette(u"Alpha");
    catalogue::Film film;
    film.title = u"Ronin"_s;
    film.length = 122;
    if (change == u"addFilm"_s)
        catalogue.addFilm(*alpha, film);
    else if (change == u"removeFilm"_s)
        catalogue.removeFilm(*catalogue.head());
    else if (change == u"addTape"_s)
        catalogue.addFilm(*catalogue.createCassette(u"Charlie", 240), film);
    else
        catalogue.removeCassette(*catalogue.findCassette(u"Bravo"));
    save(fixture);
    const QByteArray newer = readFileBytes(fixture.archivePath());
    QVERIFY(newer != older);
    const int tapesBeforeRestore = fixture.mainWindow->cassetteList()->model()->rowCount();

    windows::BackupsWindow window(catalogue, fixture.undoStack);
    window.show();
    QTreeWidget* list = window.generationList();
    QCOMPARE(list->topLevelItemCount(), 2);
    const std::vector<catalogue::Generation> generations =
        catalogue::Generations(fixture.archivePath()).list();
    QVERIFY(generations[0].saved >= generations[1].saved);
    // The newest is the catalogue as it is: nothing differs.
    list->setCurrentItem(list->topLevelItem(0));
    QTRY_COMPARE(window.differenceTree()->topLevelItemCount(), 0);

    list->setCurrentItem(list->topLevelItem(1));
    QTRY_COMPARE(window.differenceTree()->topLevelItemCount(), 1);
    QTreeWidgetItem* tape = window.differenceTree()->topLevelItem(0);
    QCOMPARE(tape->text(1), tapeChange);
    QCOMPARE(tape->childCount(), films);
    window.differenceTree()->setCurrentItem(tape->child(0));
    QCOMPARE(window.currentFilm() != nullptr, filmExistsNow);

    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Yes);
    QVERIFY(window.restoreButton()->isEnabled());
    window.restoreButton()->click();
    QCOMPARE(boxes.callCount(), 1);
    QVERIFY(boxes.lastCall().text.contains(list->topLevelItem(1)->text(0)));
    QCOMPARE(fixture.mainWindow->cassetteList()->model()->rowCount(), 2);
    QTRY_COMPARE(window.differenceTree()->topLevelItemCount(), 0);
    QCOMPARE(fixture.undoStack.count(), 1);
    QCOMPARE(static_cast<const windows::CatalogueCommand*>(fixture.undoStack.command(0))->description(),
             u"restore backup of %1"_s.arg(list->topLevelItem(1)->text(0)));
    save(fixture);
    QCOMPARE(readFileBytes(fixture.archivePath()), older);
    // The window follows the save it did not make.
    QTRY_COMPARE(list->topLevelItemCount(), 3);
    // The backup chosen stays chosen, a row further down, and is now the catalogue.
    QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), 2);
    QCoreApplication::processEvents();
    QCOMPARE(window.differenceTree()->topLevelItemCount(), 0);

    fixture.undoStack.undo();
    QCOMPARE(fixture.mainWindow->cassetteList()->model()->rowCount(), tapesBeforeRestore);
    save(fixture);
    QCOMPARE(readFileBytes(fixture.archivePath()), newer);
}

void TestBackupsWindow::damagedGeneration_cannotBeRestored()
{
    WindowFixture fixture({makeRecord(u"Alpha"_s, 240, u"Heat"_s, 170)});
    save(fixture);
    const catalogue::Generations generations(fixture.archivePath());
    const catalogue::Generation kept = generations.list().front();
    const QStringList files = QDir(generations.folder()).entryList({kept.name + u".*"_s}, QDir::Files);
    QString records;
    for (const QString& file : files)
        if (!file.endsWith(u".gen"_s))
            records = QDir(generations.folder()).filePath(file);
    QVERIFY(!records.isEmpty());
    // Its own copy, not the archive it may share a link with.
    QVERIFY(QFile::remove(records));
    QFile truncated(records);
    QVERIFY(truncated.open(QIODevice::WriteOnly) && truncated.write("short") == 5);
    truncated.close();

    windows::BackupsWindow window(fixture.catalogue, fixture.undoStack);
    window.show();
    QCOMPARE(window.generationList()->topLevelItemCount(), 1);
    const QTreeWidgetItem* item = window.generationList()->topLevelItem(0);
    QCOMPARE(item->text(4), u"damaged"_s);
    QVERIFY(!item->toolTip(4).isEmpty());
    QVERIFY(!window.restoreButton()->isEnabled());
}

QTEST_MAIN(TestBackupsWindow)
#include "tst_backupswindow.moc"
