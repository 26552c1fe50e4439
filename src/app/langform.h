#pragma once

#include "app/GenreLists.h"

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
class Tlangwin final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tlangwin)

public:
    enum Result
    {
        English = 1,
        German = 2
    };

    Tlangwin(ui::SettingsStore& settings, GenreCombos genreCombos, QWidget* parent = nullptr);

    // Preselection: 0 English, 1 German, anything else none.
    int Tag = -1;

    void FormShow();
    bool FormCloseQuery() const;
    // Applies the choice and returns the dialog's result.
    int FormClose();

    void setGenreCombos(GenreCombos combos) { genreCombos_ = std::move(combos); }

    QLabel* Label1;
    QLabel* Label2;
    QRadioButton* deutsch;
    QRadioButton* english;
    QPushButton* ok;

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ui::SettingsStore& settings_;
    GenreCombos genreCombos_;
};

} // namespace app
