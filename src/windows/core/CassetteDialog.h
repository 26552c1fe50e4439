#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace catalogue {
class Cassette;
}
namespace controls {
class NumEdit;
}
namespace ui {
class ReportList;
}

namespace windows {

class CassetteListModel;

// Asks for a cassette's name and length, for a new cassette or for the one selected in the main
// window, and refuses values that would break the cassette rules. Changes nothing itself.
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

    explicit CassetteDialog(QWidget* parent = nullptr);

    // The main window's list: an edit changes its selected cassette, and no name may take one of its
    // rows. Read at every show and every OK.
    void setCassetteList(const ui::ReportList* list, const CassetteListModel* rows);

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

    // The cassette being edited, as it was when the dialog was shown.
    struct Edited
    {
        const catalogue::Cassette* cassette = nullptr;
        QString name;
        int length = 0;
        int usedMinutes = 0;
    };
    const ui::ReportList* list_ = nullptr;
    const CassetteListModel* rows_ = nullptr;
    std::optional<Edited> edited_;
    Mode mode_ = NewCassette;
    int minimumLength_ = 1;
};

} // namespace windows
