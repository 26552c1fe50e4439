#include "app/AboutDialog.h"
#include "app/LanguageDialog.h"
#include "support/MessageBoxScript.h"
#include "support/ModalScript.h"
#include "support/TempSettings.h"
#include "support/Widgets.h"
#include "ui/Application.h"
#include "ui/ErrorGuard.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/SettingsStore.h"
#include "windows/core/GenreLists.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using app::AboutDialog;
using app::LanguageDialog;
using testsupport::widget;
using namespace Qt::StringLiterals;

namespace {

QStringList items(const QComboBox& combo)
{
    QStringList list;
    for (int i = 0; i < combo.count(); ++i)
        list.append(combo.itemText(i));
    return list;
}

} // namespace

class TestLanguageDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        settings_ = std::make_unique<testsupport::TempSettings>();
        store_ = std::make_unique<ui::SettingsStore>();
        languageDialog_ = std::make_unique<LanguageDialog>(*store_, windows::GenreCombos{&search_, &film_});
        ui::setLanguage(0);
    }
    void cleanup()
    {
        languageDialog_.reset();
        store_.reset();
        settings_.reset();
    }

    void show_checksPreselection_data();
    void show_checksPreselection();
    void close_refusedWithoutChoice();
    void close_appliesChoice_data();
    void close_appliesChoice();
    void failedWrite_reportsOnceAndCloses();
    void genreLists_namesAndExactCopy();
    void aboutBox_textsAndLanguageButton();
    void aboutBox_returnOnLanguageButton_opensLanguageDialog();

private:
    // The dialog's widgets, by object name.
    QRadioButton* englishButton() const
    {
        return widget<QRadioButton>(languageDialog_.get(), u"englishButton"_s);
    }
    QRadioButton* germanButton() const
    {
        return widget<QRadioButton>(languageDialog_.get(), u"germanButton"_s);
    }
    QPushButton* okButton() const { return widget<QPushButton>(languageDialog_.get(), u"okButton"_s); }

    std::unique_ptr<testsupport::TempSettings> settings_;
    std::unique_ptr<ui::SettingsStore> store_;
    QComboBox search_;
    QComboBox film_;
    std::unique_ptr<LanguageDialog> languageDialog_;
};

void TestLanguageDialog::show_checksPreselection_data()
{
    QTest::addColumn<int>("preselection");
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("german");
    QTest::newRow("none") << -1 << false << false;
    QTest::newRow("English") << 0 << true << false;
    QTest::newRow("German") << 1 << false << true;
}

void TestLanguageDialog::show_checksPreselection()
{
    QFETCH(int, preselection);
    QFETCH(bool, english);
    QFETCH(bool, german);
    languageDialog_->setPreselection(preselection);
    languageDialog_->show();
    QCOMPARE(languageDialog_->windowTitle(), u"Wählen Sie Ihre Sprache/Choose your Language"_s);
    QCOMPARE(englishButton()->isChecked(), english);
    QCOMPARE(germanButton()->isChecked(), german);
    QCOMPARE(germanButton()->text(), u"&Deutsch"_s);
    QCOMPARE(englishButton()->text(), u"&English"_s);
    languageDialog_->hide();
}

void TestLanguageDialog::close_refusedWithoutChoice()
{
    languageDialog_->setPreselection(-1);
    languageDialog_->show();
    okButton()->click();
    QVERIFY(languageDialog_->isVisible());
    QVERIFY(!languageDialog_->close());
    QTest::keyClick(languageDialog_.get(), Qt::Key_Escape);
    QVERIFY(languageDialog_->isVisible());
    QVERIFY(!QFile::exists(settings_->settingsFile()));
    QCOMPARE(search_.count(), 0);

    // Escape does nothing even once a language is chosen: there is no cancel button.
    englishButton()->setChecked(true);
    QTest::keyClick(languageDialog_.get(), Qt::Key_Escape);
    QVERIFY(languageDialog_->isVisible());
    languageDialog_->hide();
}

void TestLanguageDialog::close_appliesChoice_data()
{
    QTest::addColumn<int>("preselection");
    QTest::addColumn<bool>("chooseGerman");
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("German by OK") << -1 << true << false;
    QTest::newRow("English by OK") << -1 << false << false;
    QTest::newRow("preselected German by close box") << 1 << true << true;
    QTest::newRow("preselected English by close box") << 0 << false << true;
}

void TestLanguageDialog::close_appliesChoice()
{
    QFETCH(int, preselection);
    QFETCH(bool, chooseGerman);
    QFETCH(bool, byCloseBox);
    languageDialog_->setPreselection(preselection);
    languageDialog_->show();
    if (preselection < 0)
        (chooseGerman ? germanButton() : englishButton())->setChecked(true);
    if (byCloseBox)
        QVERIFY(languageDialog_->close());
    else
        okButton()->click();

    QVERIFY(!languageDialog_->isVisible());
    QCOMPARE(languageDialog_->result(),
             chooseGerman ? int(LanguageDialog::German) : int(LanguageDialog::English));
    QCOMPARE(settings_->storedValue(u"Language"_s).toInt(), chooseGerman ? 1 : 0);
    QCOMPARE(items(search_), windows::genreNames(chooseGerman ? ui::kGerman : ui::kEnglish));
    QCOMPARE(items(film_), items(search_));
}

// The setting cannot be written: the error is reported once, and the choice holds for this run.
void TestLanguageDialog::failedWrite_reportsOnceAndCloses()
{
    QVERIFY(QDir().mkpath(settings_->settingsFile()));
    languageDialog_->setPreselection(1);
    languageDialog_->show();
    testsupport::MessageBoxScript boxes;
    boxes.queue(QMessageBox::Ok);
    okButton()->click();
    QVERIFY(!languageDialog_->isVisible());
    QCOMPARE(languageDialog_->result(), int(LanguageDialog::German));
    QCOMPARE(boxes.calls().size(), 1);
    QCOMPARE(boxes.lastCall().text, u"Konnte Daten für „Language“ nicht setzen."_s);
    QCOMPARE(boxes.lastCall().caption, ui::applicationTitle());
    QCOMPARE(boxes.lastCall().icon, ui::Icon::Error);
}

void TestLanguageDialog::genreLists_namesAndExactCopy()
{
    const QStringList english = windows::genreNames(ui::kEnglish);
    const QStringList german = windows::genreNames(ui::kGerman);
    QCOMPARE(english.size(), 26);
    QCOMPARE(german.size(), 29);
    QCOMPARE(english.first(), u"Action"_s);
    QCOMPARE(english.last(), u"Western"_s);
    QCOMPARE(german.first(), u"Abenteuer"_s);
    QCOMPARE(german.last(), u"Zeichentrick"_s);
    for (const QStringList& list : {english, german}) {
        QStringList sorted = list;
        sorted.sort(Qt::CaseInsensitive);
        QCOMPARE(list, sorted);
    }
    for (const QString& germanOnly : {u"Kostümfilm"_s, u"Krimi"_s, u"Reportage"_s})
        QVERIFY(german.contains(germanOnly) && !english.contains(germanOnly));

    windows::fillGenreLists(1, {&search_, &film_});
    QCOMPARE(items(search_), german);
    QCOMPARE(items(film_), german);
    windows::fillGenreLists(0, {&search_, &film_});
    QCOMPARE(items(search_), english);
    QCOMPARE(items(film_), english);

    // Another language value loads nothing but still copies what the search list holds.
    search_.addItem(u"Eigenes"_s);
    windows::fillGenreLists(7, {&search_, &film_});
    QCOMPARE(items(search_), english + QStringList{u"Eigenes"_s});
    QCOMPARE(items(film_), items(search_));
}

void TestLanguageDialog::aboutBox_textsAndLanguageButton()
{
    AboutDialog aboutDialog;
    aboutDialog.setLanguageDialog(languageDialog_.get());
    ui::setLanguage(0);
    aboutDialog.show();
    QCOMPARE(aboutDialog.windowTitle(), u"Info about reelMINDER/32 2.01"_s);
    QCOMPARE(widget<QLabel>(&aboutDialog, u"versionLabel"_s)->text(), u"2.01 for Windows 95"_s);
    QCOMPARE(widget<QPushButton>(&aboutDialog, u"languageButton"_s)->text(), u"Language Selection"_s);

    testsupport::ModalScript modal;
    bool englishPreselected = false;
    modal.queueShown<LanguageDialog>([&](LanguageDialog* languageDialog) {
        englishPreselected = widget<QRadioButton>(languageDialog, u"englishButton"_s)->isChecked() &&
                             languageDialog->preselection() == 0;
        widget<QRadioButton>(languageDialog, u"germanButton"_s)->setChecked(true);
        widget<QPushButton>(languageDialog, u"okButton"_s)->click();
    });
    widget<QPushButton>(&aboutDialog, u"languageButton"_s)->click();
    QVERIFY(englishPreselected);
    QCOMPARE(ui::language(), quint8(1));
    QVERIFY(aboutDialog.isVisible());
    QCOMPARE(aboutDialog.windowTitle(), u"Info über reelMINDER/32 2.01"_s);
    QCOMPARE(widget<QLabel>(&aboutDialog, u"versionLabel"_s)->text(), u"2.01 für Windows 95"_s);
    QCOMPARE(widget<QPushButton>(&aboutDialog, u"languageButton"_s)->text(), u"Sprachauswahl"_s);
    QCOMPARE(settings_->storedValue(u"Language"_s).toInt(), 1);
    aboutDialog.hide();
}

void TestLanguageDialog::aboutBox_returnOnLanguageButton_opensLanguageDialog()
{
    AboutDialog aboutDialog;
    aboutDialog.setLanguageDialog(languageDialog_.get());
    aboutDialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&aboutDialog));
    testsupport::ModalScript modal;
    modal.queue([](QDialog*) { return int(LanguageDialog::English); });
    QPushButton* languageButton = widget<QPushButton>(&aboutDialog, u"languageButton"_s);
    languageButton->setFocus(Qt::TabFocusReason);
    QTest::keyClick(languageButton, Qt::Key_Return);
    QCOMPARE(modal.opened(), QStringList{u"languageDialog"_s});
    QVERIFY(aboutDialog.isVisible());
    aboutDialog.hide();
}

QTEST_MAIN(TestLanguageDialog)
#include "tst_languagedialog.moc"
