#include "app/AboutDialog.h"

#include "app/AppIcon.h"
#include "app/LanguageDialog.h"
#include "ui/Application.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Language.h"
#include "ui/Modal.h"

#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace app {
namespace {

QFont logoFont()
{
    QFont font(u"Arial"_s);
    font.setPixelSize(21);
    font.setBold(true);
    return font;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent, ui::kFixedDialog)
{
    setObjectName(u"aboutDialog"_s);

    logoLabel_ = new QLabel(this);
    logoLabel_->setObjectName(u"logoLabel"_s);
    logoLabel_->setPixmap(appIcon().pixmap(32, 32));
    logoLabel_->setFixedSize(32, 32);

    QFont lower = logoFont();
    lower.setItalic(true);
    reelLabel_ = new QLabel(u"reel"_s, this);
    reelLabel_->setObjectName(u"reelLabel"_s);
    reelLabel_->setFont(lower);
    reelLabel_->setStyleSheet(u"color: blue"_s);
    minderLabel_ = new QLabel(u"MINDER/32"_s, this);
    minderLabel_->setObjectName(u"minderLabel"_s);
    minderLabel_->setFont(logoFont());
    minderLabel_->setStyleSheet(u"color: red"_s);
    versionLabel_ = new QLabel(this);
    versionLabel_->setObjectName(u"versionLabel"_s);
    versionLabel_->setFont(logoFont());
    versionLabel_->setStyleSheet(u"color: black"_s);

    archiveLabel_ = new QLabel(this);
    archiveLabel_->setObjectName(u"archiveLabel"_s);
    QFont small = archiveLabel_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    archiveLabel_->setFont(small);
    archiveLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QFrame* const bevel = ui::horizontalBevel(this);

    languageButton_ = new QPushButton(this);
    languageButton_->setObjectName(u"languageButton"_s);
    okButton_ = new QPushButton(this);
    okButton_->setObjectName(u"okButton"_s);
    okButton_->setDefault(true);

    auto* logo = new QHBoxLayout;
    logo->setSpacing(0);
    logo->addWidget(reelLabel_);
    logo->addWidget(minderLabel_);
    logo->addStretch(1);

    auto* title = new QGridLayout;
    title->addWidget(logoLabel_, 0, 0, 2, 1, Qt::AlignTop);
    title->addLayout(logo, 0, 1);
    title->addWidget(versionLabel_, 1, 1);
    title->addWidget(archiveLabel_, 2, 1);
    title->setColumnStretch(1, 1);
    title->setHorizontalSpacing(16);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(languageButton_);
    buttons->addWidget(okButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(title);
    layout->addSpacing(8);
    layout->addWidget(bevel);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedSize(494, 233);

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(languageButton_, &QPushButton::clicked, this,
            [this] { ui::guarded(this, [this] { chooseLanguage(); }); });

    // Until the program's language reaches it, the box carries the German captions it was designed with.
    ui::withLanguage(ui::kFormLanguage, [this] { retranslate(); });
}

void AboutDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
}

void AboutDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::guarded(this, [this] { retranslate(); });
    showArchivePath();
    // Enter closes the box: the language button, first in the tab order, must not take it.
    okButton_->setFocus(Qt::OtherFocusReason);
    ui::centreOnScreen(this);
}

void AboutDialog::setArchivePath(const QString& path)
{
    archivePath_ = QDir::toNativeSeparators(path);
    showArchivePath();
}

// A long path keeps its beginning and its file name; the whole of it is in the tooltip.
void AboutDialog::showArchivePath()
{
    const int width = archiveLabel_->contentsRect().width();
    archiveLabel_->setText(archiveLabel_->fontMetrics().elidedText(archivePath_, Qt::ElideMiddle, width));
    archiveLabel_->setToolTip(archivePath_);
}

void AboutDialog::chooseLanguage()
{
    if (languageDialog_) {
        languageDialog_->setPreselection(ui::language());
        ui::execModal(languageDialog_);
        ui::setLanguage(languageDialog_->chosenLanguage());
    }
}

void AboutDialog::retranslate()
{
    setWindowTitle(tr("Info about reelMINDER/32 %1").arg(ui::applicationVersion()));
    versionLabel_->setText(tr("%1 for Windows 95").arg(ui::applicationVersion()));
    languageButton_->setText(tr("Language Selection"));
    okButton_->setText(tr("OK"));
}

} // namespace app
