#include "app/Startup.h"

#include "app/GenreLists.h"
#include "app/infoform.h"
#include "app/langform.h"
#include "catalogue/Catalogue.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/Modal.h"
#include "ui/SettingsStore.h"
#include "windows/editcas.h"
#include "windows/mainform.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace app {

Startup::Startup(const QString& programDir)
{
    // The settings are opened first, then the main window loads the archive: its size warning
    // comes before any window and before the language is known.
    settings_ = std::make_unique<ui::SettingsStore>();
    mainwin_ = std::make_unique<windows::Tmainwin>(catalogue::Catalogue::instance(), programDir);
    casprop_ = new windows::Tcasprop(mainwin_->cassettes, mainwin_.get());
    infowin_ = new Tinfowin(mainwin_.get());
    langwin_ = new Tlangwin(*settings_, GenreCombos{}, mainwin_.get());

    mainwin_->setCassetteDialog(casprop_);
    mainwin_->setInfoOpener([this] { ui::execModal(infowin_); });
    infowin_->setLanguageDialog(langwin_);

    readLanguage();
    FillGenreLists(ui::language(), GenreCombos{});
    ui::setHelpFile(QString::fromUtf16(ui::language() == 1 ? ui::kHelpFileGerman : ui::kHelpFileEnglish));
}

Startup::~Startup()
{
    mainwin_.reset();
    settings_.reset();
}

// A stored 0 or 1 is the language; anything else counts as no choice yet, and the user is asked.
void Startup::readLanguage()
{
    const ui::SettingsStore::StoredInteger stored = settings_->readInteger(u"Language"_s);
    if (stored.kind == ui::SettingsStore::StoredInteger::Integer &&
        (stored.value == 0 || stored.value == 1)) {
        ui::setLanguage(quint8(stored.value));
        return;
    }
    langwin_->Tag = -1;
    const int result = ui::execModal(langwin_);
    ui::setLanguage(result == Tlangwin::German ? 1 : 0);
}

int Startup::run()
{
    mainwin_->show();
    return QApplication::exec();
}

} // namespace app
