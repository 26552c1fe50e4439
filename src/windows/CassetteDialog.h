#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace controls {
class NumEdit;
}
namespace ui {
class ReportList;
}

namespace windows {

// Asks for a cassette's name and length, for a new cassette or for the one selected in the main
// window's list, and refuses values that would break the cassette rules. Changes nothing itself.
class CassetteDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CassetteDialog)

public:
    enum Mode
    {
        NewCassette = 0,
        EditCassette = 1
    };

    // cassetteList is the main window's list: its selected row is the cassette to edit, and its
    // captions are the names already taken.
    explicit CassetteDialog(ui::ReportList* cassetteList, QWidget* parent = nullptr);

    // Takes effect at the next show.
    void setMode(Mode mode) { mode_ = mode; }
    Mode mode() const { return mode_; }

    // Sets the title and captions in the current language; runs on every show and change of language.
    void retranslate();
    // Accepts the dialog unless a rule is broken, which it then explains.
    void acceptIfValid();

    // The accepted name as it will be stored.
    QString acceptedName() const;
    // The accepted length in minutes.
    int length() const;
    int minimumLength() const { return minimumLength_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void loadFields();
    void showError(QWidget* field, const QString& caption, const QString& text);

    QLabel* nameLabel_;
    QLabel* lengthLabel_;
    QLineEdit* nameEdit_;
    controls::NumEdit* lengthEdit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;

    ui::ReportList* cassetteList_;
    Mode mode_ = NewCassette;
    int minimumLength_ = 1;
};

} // namespace windows
