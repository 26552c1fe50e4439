#include "app/LanguageDialog.h"

#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/SettingsStore.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace app {

LanguageDialog::LanguageDialog(ui::SettingsStore& settings, windows::GenreCombos genreCombos, QWidget* parent)
    : QDialog(parent, ui::kFixedDialog), settings_(settings), genreCombos_(std::move(genreCombos))
{
    setObjectName(u"languageDialog"_s);
    setWindowTitle(u"Wählen Sie Ihre Sprache/Choose your Language"_s);

    germanText_ =
        new QLabel(u"Dieses Programm ist zweisprachig (Deutsch/Englisch). Sie können also entscheiden, ob es "
                   u"Textausgaben in Deutsch oder Englisch anzeigen soll. Bitte wählen Sie einen der beiden "
                   u"Knöpfe für die gewünschte Sprache."_s,
                   this);
    germanText_->setObjectName(u"germanText"_s);
    germanText_->setWordWrap(true);
    QFrame* const bevel = ui::horizontalBevel(this);
    englishText_ =
        new QLabel(u"This program is bilingual (English/German). So you can decide if the outputs shall be "
                   u"displayed in English or German. Please choose one of both buttons to select the desired "
                   u"language."_s,
                   this);
    englishText_->setObjectName(u"englishText"_s);
    englishText_->setWordWrap(true);
    germanButton_ = new QRadioButton(u"&Deutsch"_s, this);
    germanButton_->setObjectName(u"germanButton"_s);
    englishButton_ = new QRadioButton(u"&English"_s, this);
    englishButton_->setObjectName(u"englishButton"_s);
    okButton_ = new QPushButton(u"OK"_s, this);
    okButton_->setObjectName(u"okButton"_s);
    okButton_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(germanText_);
    layout->addWidget(bevel);
    layout->addWidget(englishText_);
    layout->addSpacing(4);
    layout->addWidget(germanButton_);
    layout->addWidget(englishButton_);
    layout->addStretch(1);
    layout->addWidget(okButton_, 0, Qt::AlignHCenter);
    setFixedSize(427, 249);

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void LanguageDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::guarded(this, [this] { applyPreselection(); });
    ui::centreOnScreen(this);
}

void LanguageDialog::applyPreselection()
{
    if (preselection_ == 0)
        englishButton_->setChecked(true);
    else if (preselection_ == 1)
        germanButton_->setChecked(true);
}

bool LanguageDialog::hasChoice() const
{
    return germanButton_->isChecked() || englishButton_->isChecked();
}

int LanguageDialog::applyChoice()
{
    chosenLanguage_ = germanButton_->isChecked() ? ui::kGerman : ui::kEnglish;
    windows::fillGenreLists(chosenLanguage_, genreCombos_);
    // A choice that cannot be stored is reported once and still holds for this run: keeping the
    // dialog open would trap a user whose settings folder is write-protected.
    // The report is in the language just chosen: the one the user reads.
    ui::withLanguage(chosenLanguage_, [&] {
        ui::guarded(this, [&] { settings_.writeInteger(u"Language"_s, chosenLanguage_); });
    });
    return chosenLanguage_ == ui::kGerman ? German : English;
}

// Every way of closing comes here: OK, Enter, the close box, Alt+F4.
void LanguageDialog::done(int result)
{
    if (!hasChoice())
        return;
    if (!ui::guarded(this, [&] { result = applyChoice(); }))
        return;
    QDialog::done(result);
}

void LanguageDialog::keyPressEvent(QKeyEvent* event)
{
    // There is no cancel button: Escape does nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace app
