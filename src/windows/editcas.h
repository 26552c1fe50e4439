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
class Tcasprop final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tcasprop)

public:
    enum Mode
    {
        NewMode = 0,
        EditMode = 1
    };

    // cassettes is the main window's list: its selected row is the cassette to edit, and its
    // captions are the names already taken.
    explicit Tcasprop(ui::ReportList* cassettes, QWidget* parent = nullptr);

    void FormShow();
    void okClick();

    // The accepted name as it will be stored.
    QString acceptedName() const;
    int minimumLength() const { return minimumLength_; }

    Mode mode = NewMode;

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* name;
    controls::NumEdit* runtime;
    QPushButton* ok;
    QPushButton* cancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showError(QWidget* field, const QString& englishCaption, const QString& englishText,
                   const QString& germanCaption, const QString& germanText);

    ui::ReportList* cassettes_;
    int minimumLength_ = 1;
};

} // namespace windows
