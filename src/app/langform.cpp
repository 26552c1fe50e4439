#include "app/langform.h"

#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/SettingsStore.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace app {

Tlangwin::Tlangwin(ui::SettingsStore& settings, GenreCombos genreCombos, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings), genreCombos_(std::move(genreCombos))
{
    setObjectName(u"langwin"_s);
    setWindowTitle(u"Wählen Sie Ihre Sprache/Choose your Language"_s);

    Label1 =
        new QLabel(u"Dieses Programm ist zweisprachig (Deutsch/Englisch). Sie können also entscheiden, ob es "
                   u"Textausgaben in Deutsch oder Englisch anzeigen soll. Bitte wählen Sie einen der beiden "
                   u"Knöpfe für die gewünschte Sprache."_s,
                   this);
    Label1->setWordWrap(true);
    QFrame* const Bevel = ui::horizontalBevel(this);
    Label2 =
        new QLabel(u"This program is bilingual (English/German). So you can decide if the outputs shall be "
                   u"displayed in English or German. Please choose one of both buttons to select the desired "
                   u"language."_s,
                   this);
    Label2->setWordWrap(true);
    deutsch = new QRadioButton(u"&Deutsch"_s, this);
    deutsch->setObjectName(u"deutsch"_s);
    english = new QRadioButton(u"&English"_s, this);
    english->setObjectName(u"english"_s);
    ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Bevel);
    layout->addWidget(Label2);
    layout->addSpacing(4);
    layout->addWidget(deutsch);
    layout->addWidget(english);
    layout->addStretch(1);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedSize(427, 249);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void Tlangwin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::guarded(this, [this] { FormShow(); });
    ui::centreOnScreen(this);
}

void Tlangwin::FormShow()
{
    if (Tag == 0)
        english->setChecked(true);
    else if (Tag == 1)
        deutsch->setChecked(true);
}

bool Tlangwin::FormCloseQuery() const
{
    return deutsch->isChecked() || english->isChecked();
}

int Tlangwin::FormClose()
{
    const bool german = deutsch->isChecked();
    FillGenreLists(german ? 1 : 0, genreCombos_);
    ui::setHelpFile(QString::fromUtf16(german ? ui::kHelpFileGerman : ui::kHelpFileEnglish));
    // A choice that cannot be stored is reported once and still holds for this run: keeping the
    // dialog open would trap a user whose settings folder is write-protected.
    ui::guarded(this, [&] { settings_.writeBool(u"Language"_s, german); });
    return german ? German : English;
}

// Every way of closing comes here: OK, Enter, the close box, Alt+F4.
void Tlangwin::done(int result)
{
    if (!FormCloseQuery())
        return;
    if (!ui::guarded(this, [&] { result = FormClose(); }))
        return;
    QDialog::done(result);
}

void Tlangwin::keyPressEvent(QKeyEvent* event)
{
    // There is no cancel button: Escape does nothing.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace app
