#pragma once

#include "windows/core/GenreLists.h"

#include <QDialog>

class QLabel;
class QRadioButton;
class QPushButton;

namespace ui {
class SettingsStore;
}

namespace app {

// Asks for the program's language, showing both languages at once. It cannot be left without a
// choice; closing it stores the choice and applies it to the genre lists and the help file.
class LanguageDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LanguageDialog)

public:
    enum Result
    {
        English = 1,
        German = 2
    };

    LanguageDialog(ui::SettingsStore& settings, windows::GenreCombos genreCombos, QWidget* parent = nullptr);

    // The language checked when the dialog shows: 0 English, 1 German, anything else none.
    void setPreselection(int language) { preselection_ = language; }
    int preselection() const { return preselection_; }

    void applyPreselection();
    bool hasChoice() const;
    // Applies the choice and returns the dialog's result.
    int applyChoice();
    // The language byte of the last choice applied; English until one is.
    quint8 chosenLanguage() const { return chosenLanguage_; }

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* germanText_;
    QLabel* englishText_;
    QRadioButton* germanButton_;
    QRadioButton* englishButton_;
    QPushButton* okButton_;

    ui::SettingsStore& settings_;
    windows::GenreCombos genreCombos_;
    int preselection_ = -1;
    quint8 chosenLanguage_ = 0;
};

} // namespace app
