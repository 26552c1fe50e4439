#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace app {

class LanguageDialog;

// The about box: product logo and version, and the button that reopens the language dialog.
class AboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    void setLanguageDialog(LanguageDialog* dialog) { languageDialog_ = dialog; }
    // The archive in use, shown in small print below the version.
    void setArchivePath(const QString& path);

    // Sets the title and captions in the current language; runs on every show and change of language.
    void retranslate();
    // Asks for the language with the current one preselected, then shows the box in it.
    void chooseLanguage();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showArchivePath();

    QLabel* logoLabel_;
    QLabel* reelLabel_;
    QLabel* minderLabel_;
    QLabel* versionLabel_;
    QLabel* archiveLabel_;
    QPushButton* languageButton_;
    QPushButton* okButton_;

    LanguageDialog* languageDialog_ = nullptr;
    QString archivePath_;
};

} // namespace app
