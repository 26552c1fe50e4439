#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "support/MessageBoxScript.h"
#include "support/Records.h"
#include "support/Widgets.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/ReportList.h"
#include "windows/core/SearchDialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using catalogue::FilmRecord;
using namespace Qt::StringLiterals;
using testsupport::widget;

// The search dialog over a small catalogue: runs adding up, the hit message, the rows following
// the film window's changes, and opening a hit.
class TestSearchDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void runs_addUpAndCountTheirOwnHits_data();
    void runs_addUpAndCountTheirOwnHits();
    void discard_resetsEverything();
    void rows_followEditedAndDeletedFilms();
    void openTape_handsOverTheSelectedHit();
    void flags_cycleThroughNoCondition();

private:
    QStringList titles() const;

    catalogue::Catalogue catalogue_;
    std::unique_ptr<windows::SearchDialog> dialog_;
    std::vector<const FilmRecord*> films_;
};

void TestSearchDialog::init()
{
    ui::setLanguage(0);
    films_ = {
        testsupport::appendRecord(catalogue_, testsupport::makeRecord(u"A"_s, 240, u"Eins"_s, 90)),
        testsupport::appendRecord(catalogue_, testsupport::makeRecord(u"A"_s, 240, u"Zwei"_s, 60, 1)),
    };
    testsupport::appendRecord(catalogue_, testsupport::makeRecord(u"Leer"_s, 120, u"Alt"_s, 0));
    films_.push_back(
        testsupport::appendRecord(catalogue_, testsupport::makeRecord(u"B"_s, 180, u"Drei"_s, 90)));
    dialog_ = std::make_unique<windows::SearchDialog>(catalogue_);
    dialog_->show();
}

void TestSearchDialog::cleanup()
{
    dialog_.reset();
    catalogue_.releaseAll();
}

QStringList TestSearchDialog::titles() const
{
    QStringList shown;
    for (int row = 0; row < dialog_->resultList()->rowCount(); ++row)
        shown += dialog_->resultList()->caption(row);
    return shown;
}

void TestSearchDialog::runs_addUpAndCountTheirOwnHits_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("length"); // the length asked for with "="; 0 asks nothing
    QTest::addColumn<QStringList>("hits");
    QTest::addColumn<QString>("message");
    QTest::newRow("all, English") << 0 << 0 << QStringList{u"Eins"_s, u"Zwei"_s, u"Drei"_s}
                                  << u"There were 3 films found with the given criterions."_s;
    QTest::newRow("two, German") << 1 << 90 << QStringList{u"Eins"_s, u"Drei"_s}
                                 << u"Es wurden 2 Filme mit den angegebenen Kriterien gefunden."_s;
    QTest::newRow("one, English") << 0 << 60 << QStringList{u"Zwei"_s}
                                  << u"There was 1 film found with the given criterions."_s;
    QTest::newRow("one, German") << 1 << 60 << QStringList{u"Zwei"_s}
                                 << u"Es wurde 1 Film mit den angegebenen Kriterien gefunden."_s;
    QTest::newRow("none, German") << 1 << 61 << QStringList{}
                                  << u"Es wurde kein Film mit den angegebenen Kriterien gefunden."_s;
    QTest::newRow("none, English") << 0 << 61 << QStringList{}
                                   << u"There was no film found with the given criterions."_s;
}

void TestSearchDialog::runs_addUpAndCountTheirOwnHits()
{
    QFETCH(int, language);
    QFETCH(int, length);
    QFETCH(QStringList, hits);
    QFETCH(QString, message);
    ui::setLanguage(quint8(language));
    widget<controls::NumEdit>(dialog_.get(), u"lengthEdit"_s)->setIntValue(length);
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    boxes.queue(QMessageBox::Ok);
    // Enter in a field starts a search, as the default button does.
    QTest::keyClick(widget<controls::NumEdit>(dialog_.get(), u"lengthEdit"_s), Qt::Key_Return);
    QCOMPARE(boxes.lastCall().text, message);
    QCOMPARE(boxes.lastCall().caption, language ? u"Suchergebnis"_s : u"Searchresult"_s);
    QCOMPARE(dialog_->search(), hits.size());
    QCOMPARE(titles(), hits + hits);
    QCOMPARE(boxes.lastCall().text, message);
}

void TestSearchDialog::discard_resetsEverything()
{
    widget<QLineEdit>(dialog_.get(), u"titleEdit"_s)->setText(u"ei"_s);
    widget<controls::NumEdit>(dialog_.get(), u"yearEdit"_s)->setIntValue(1990);
    widget<QCheckBox>(dialog_.get(), u"seenCheck"_s)->setCheckState(Qt::Checked);
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    dialog_->search();
    widget<QPushButton>(dialog_.get(), u"discardButton"_s)->click();
    QCOMPARE(dialog_->resultList()->rowCount(), 0);
    QCOMPARE(widget<QLineEdit>(dialog_.get(), u"titleEdit"_s)->text(), QString());
    QCOMPARE(widget<controls::NumEdit>(dialog_.get(), u"yearEdit"_s)->intValue(), 0);
    QCOMPARE(widget<QCheckBox>(dialog_.get(), u"seenCheck"_s)->checkState(), Qt::PartiallyChecked);
    QVERIFY(widget<QLineEdit>(dialog_.get(), u"titleEdit"_s)->hasFocus() || !QGuiApplication::focusWindow());
}

void TestSearchDialog::rows_followEditedAndDeletedFilms()
{
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    boxes.queue(QMessageBox::Ok);
    dialog_->search();
    dialog_->search(); // every film stands twice
    FilmRecord changed = *films_[1];
    catalogue::setText(changed.filmName, u"Zwei neu"_s);
    changed.filmLength = 75;
    catalogue_.updateFilm(*films_[1], catalogue::filmOf(changed));
    QCOMPARE(titles(),
             (QStringList{u"Eins"_s, u"Zwei neu"_s, u"Drei"_s, u"Eins"_s, u"Zwei neu"_s, u"Drei"_s}));
    QCOMPARE(dialog_->resultList()->value(4, 2).toInt(), 75);
    catalogue_.removeFilm(*films_[0]);
    QCOMPARE(titles(), (QStringList{u"Zwei neu"_s, u"Drei"_s, u"Zwei neu"_s, u"Drei"_s}));
    // A renamed cassette shows its new name; a removed one takes its films' rows.
    const catalogue::Cassette* cassette = catalogue_.cassetteOf(*films_[2]);
    catalogue_.renameCassette(*cassette, u"Umbenannt"_s, cassette->length());
    QCOMPARE(dialog_->resultList()->value(1, 1).toString(), u"Umbenannt"_s);
    catalogue_.removeCassette(*cassette);
    QVERIFY(titles().size() < 4);
    QVERIFY(!titles().contains(u"Drei"_s));
}

void TestSearchDialog::openTape_handsOverTheSelectedHit()
{
    QList<const FilmRecord*> opened;
    connect(dialog_.get(), &windows::SearchDialog::filmRequested, this,
            [&opened](const FilmRecord* r) { opened += r; });
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    dialog_->search();
    dialog_->openTape();
    QVERIFY(opened.isEmpty());
    dialog_->resultList()->setSelectedRow(2);
    widget<QPushButton>(dialog_.get(), u"openButton"_s)->click();
    QCOMPARE(opened, QList<const FilmRecord*>{films_[2]});
}

void TestSearchDialog::flags_cycleThroughNoCondition()
{
    auto* seen = widget<QCheckBox>(dialog_.get(), u"seenCheck"_s);
    seen->setCheckState(Qt::Unchecked);
    QList<Qt::CheckState> states;
    for (int i = 0; i < 3; ++i) {
        seen->click();
        states += seen->checkState();
    }
    QCOMPARE(states, (QList<Qt::CheckState>{Qt::PartiallyChecked, Qt::Checked, Qt::Unchecked}));
}

QTEST_MAIN(TestSearchDialog)
#include "tst_searchdialog.moc"
