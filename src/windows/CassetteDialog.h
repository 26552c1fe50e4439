#pragma once

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace controls {
class NumEdit;
}

namespace windows {

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

    // The cassette to edit, with the numbers its row holds.
    struct Cassette
    {
        QString name;
        int length = 0;
        int remainingMinutes = 0; // negative when over-full
    };

    // What the dialog asks of the window that opens it, at each show and each OK.
    struct Lookup
    {
        // The cassette to edit; none when no cassette is selected.
        std::function<std::optional<Cassette>()> editedCassette;
        // True when a cassette of this name exists, letter case ignored.
        std::function<bool(const QString& name)> nameTaken;
    };

    explicit CassetteDialog(QWidget* parent = nullptr);

    void setLookup(Lookup lookup) { lookup_ = std::move(lookup); }

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

    Lookup lookup_;
    // The cassette being edited, as it was when the dialog was shown.
    std::optional<Cassette> edited_;
    Mode mode_ = NewCassette;
    int minimumLength_ = 1;
};

} // namespace windows
