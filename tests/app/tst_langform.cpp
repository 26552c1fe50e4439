#include "app/GenreLists.h"
#include "app/infoform.h"
#include "app/langform.h"
#include "support/MessageBoxScript.h"
#include "support/ModalScript.h"
#include "support/TempSettings.h"
#include "ui/ErrorGuard.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/SettingsStore.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using app::Tinfowin;
using app::Tlangwin;
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

class TestLangForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        settings_ = std::make_unique<testsupport::TempSettings>();
        store_ = std::make_unique<ui::SettingsStore>();
        langwin_ = std::make_unique<Tlangwin>(*store_, app::GenreCombos{&search_, &film_});
        ui::setLanguage(0);
    }
    void cleanup()
    {
        langwin_.reset();
        store_.reset();
        settings_.reset();
    }

    void show_preselectsByTag_data();
    void show_preselectsByTag();
    void close_refusedWithoutChoice();
    void close_appliesChoice_data();
    void close_appliesChoice();
    void failedWrite_reportsOnceAndCloses();
    void genreLists_namesAndExactCopy();
    void aboutBox_textsAndLanguageButton();

private:
    std::unique_ptr<testsupport::TempSettings> settings_;
    std::unique_ptr<ui::SettingsStore> store_;
    QComboBox search_;
    QComboBox film_;
    std::unique_ptr<Tlangwin> langwin_;
};

void TestLangForm::show_preselectsByTag_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("german");
    QTest::newRow("none") << -1 << false << false;
    QTest::newRow("English") << 0 << true << false;
    QTest::newRow("German") << 1 << false << true;
}

void TestLangForm::show_preselectsByTag()
{
    QFETCH(int, tag);
    QFETCH(bool, english);
    QFETCH(bool, german);
    langwin_->Tag = tag;
    langwin_->show();
    QCOMPARE(langwin_->windowTitle(), u"Wählen Sie Ihre Sprache/Choose your Language"_s);
    QCOMPARE(langwin_->english->isChecked(), english);
    QCOMPARE(langwin_->deutsch->isChecked(), german);
    QCOMPARE(langwin_->deutsch->text(), u"&Deutsch"_s);
    QCOMPARE(langwin_->english->text(), u"&English"_s);
    langwin_->hide();
}

void TestLangForm::close_refusedWithoutChoice()
{
    langwin_->Tag = -1;
    langwin_->show();
    langwin_->ok->click();
    QVERIFY(langwin_->isVisible());
    QVERIFY(!langwin_->close());
    QTest::keyClick(langwin_.get(), Qt::Key_Escape);
    QVERIFY(langwin_->isVisible());
    QVERIFY(!QFile::exists(settings_->settingsFile()));
    QCOMPARE(search_.count(), 0);

    // Escape does nothing even once a language is chosen: there is no cancel button.
    langwin_->english->setChecked(true);
    QTest::keyClick(langwin_.get(), Qt::Key_Escape);
    QVERIFY(langwin_->isVisible());
    langwin_->hide();
}

void TestLangForm::close_appliesChoice_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("chooseGerman");
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("German by OK") << -1 << true << false;
    QTest::newRow("English by OK") << -1 << false << false;
    QTest::newRow("preselected German by close box") << 1 << true << true;
    QTest::newRow("preselected English by close box") << 0 << false << true;
}

void TestLangForm::close_appliesChoice()
{
    QFETCH(int, tag);
    QFETCH(bool, chooseGerman);
    QFETCH(bool, byCloseBox);
    langwin_->Tag = tag;
    langwin_->show();
    if (tag < 0)
        (chooseGerman ? langwin_->deutsch : langwin_->english)->setChecked(true);
    if (byCloseBox)
        QVERIFY(langwin_->close());
    else
        langwin_->ok->click();

    QVERIFY(!langwin_->isVisible());
    QCOMPARE(langwin_->result(), chooseGerman ? int(Tlangwin::German) : int(Tlangwin::English));
    QCOMPARE(settings_->storedValue(u"Language"_s).toInt(), chooseGerman ? 1 : 0);
    QCOMPARE(ui::helpFile(), QString::fromUtf16(chooseGerman ? ui::kHelpFileGerman : ui::kHelpFileEnglish));
    QCOMPARE(items(search_), chooseGerman ? app::germanGenres() : app::englishGenres());
    QCOMPARE(items(film_), items(search_));
}

// The setting cannot be written: the error is reported once, and the choice holds for this run.
void TestLangForm::failedWrite_reportsOnceAndCloses()
{
    QVERIFY(QDir().mkpath(settings_->settingsFile()));
    langwin_->Tag = 1;
    langwin_->show();
    testsupport::MessageBoxScript boxes;
    boxes.queue(ui::IDOK);
    langwin_->ok->click();
    QVERIFY(!langwin_->isVisible());
    QCOMPARE(langwin_->result(), int(Tlangwin::German));
    QCOMPARE(boxes.calls().size(), 1);
    QCOMPARE(boxes.lastCall().text, u"Konnte Daten für 'Language' nicht setzen."_s);
    QCOMPARE(boxes.lastCall().caption, ui::applicationTitle());
    QCOMPARE(boxes.lastCall().flags, unsigned(ui::MB_ICONERROR));
    QCOMPARE(ui::helpFile(), QString::fromUtf16(ui::kHelpFileGerman));
}

void TestLangForm::genreLists_namesAndExactCopy()
{
    const QStringList english = app::englishGenres();
    const QStringList german = app::germanGenres();
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

    app::FillGenreLists(1, {&search_, &film_});
    QCOMPARE(items(search_), german);
    QCOMPARE(items(film_), german);
    app::FillGenreLists(0, {&search_, &film_});
    QCOMPARE(items(search_), english);
    QCOMPARE(items(film_), english);

    // Another language value loads nothing but still copies what the search list holds.
    search_.addItem(u"Eigenes"_s);
    app::FillGenreLists(7, {&search_, &film_});
    QCOMPARE(items(search_), english + QStringList{u"Eigenes"_s});
    QCOMPARE(items(film_), items(search_));
}

void TestLangForm::aboutBox_textsAndLanguageButton()
{
    Tinfowin infowin;
    infowin.setLanguageDialog(langwin_.get());
    ui::setLanguage(0);
    infowin.show();
    QCOMPARE(infowin.windowTitle(), u"Info about reelMINDER/32 2.01"_s);
    QCOMPARE(infowin.Label1->text(), u"2.01 for Windows 95"_s);
    QCOMPARE(infowin.Button3->text(), u"Language Selection"_s);

    testsupport::ModalScript modal;
    bool englishPreselected = false;
    modal.queueShown<Tlangwin>([&](Tlangwin* langwin) {
        englishPreselected = langwin->english->isChecked() && langwin->Tag == 0;
        langwin->deutsch->setChecked(true);
        langwin->ok->click();
    });
    infowin.Button3->click();
    QVERIFY(englishPreselected);
    QCOMPARE(ui::language(), quint8(1));
    QVERIFY(infowin.isVisible());
    QCOMPARE(infowin.windowTitle(), u"Info über reelMINDER/32 2.01"_s);
    QCOMPARE(infowin.Label1->text(), u"2.01 für Windows 95"_s);
    QCOMPARE(infowin.Button3->text(), u"Sprachauswahl"_s);
    QCOMPARE(settings_->storedValue(u"Language"_s).toInt(), 1);
    infowin.hide();
}

QTEST_MAIN(TestLangForm)
#include "tst_langform.moc"
