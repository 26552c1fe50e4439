#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class Tlangwin;

// The about box: product logo and version, and the button that reopens the language dialog.
class Tinfowin final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tinfowin)

public:
    explicit Tinfowin(QWidget* parent = nullptr);

    void setLanguageDialog(Tlangwin* langwin) { langwin_ = langwin; }

    // Runs on every show (sender null) and on a click of the language button (sender Button3).
    void FormShow(QObject* sender);

    QLabel* Image;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label1;
    QPushButton* Button3;
    QPushButton* ok;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Tlangwin* langwin_ = nullptr;
};

} // namespace app
