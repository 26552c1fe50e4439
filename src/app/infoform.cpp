#include "app/infoform.h"

#include "app/AppIcon.h"
#include "app/langform.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Language.h"
#include "ui/Modal.h"

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

Tinfowin::Tinfowin(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"infowin"_s);
    setWindowTitle(u"Info über reelMINDER/32 2.01"_s);

    Image = new QLabel(this);
    Image->setPixmap(appIcon().pixmap(32, 32));
    Image->setFixedSize(32, 32);

    QFont lower = logoFont();
    lower.setItalic(true);
    Label10 = new QLabel(u"reel"_s, this);
    Label10->setFont(lower);
    Label10->setStyleSheet(u"color: blue"_s);
    Label11 = new QLabel(u"MINDER/32"_s, this);
    Label11->setFont(logoFont());
    Label11->setStyleSheet(u"color: red"_s);
    Label1 = new QLabel(u"2.01 für Windows 95"_s, this);
    Label1->setFont(logoFont());
    Label1->setStyleSheet(u"color: black"_s);

    QFrame* const Bevel = ui::horizontalBevel(this);

    Button3 = new QPushButton(u"Sprachauswahl"_s, this);
    Button3->setObjectName(u"Button3"_s);
    Button3->setAutoDefault(false);
    ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);

    auto* logo = new QHBoxLayout;
    logo->setSpacing(0);
    logo->addWidget(Label10);
    logo->addWidget(Label11);
    logo->addStretch(1);

    auto* title = new QGridLayout;
    title->addWidget(Image, 0, 0, 2, 1, Qt::AlignTop);
    title->addLayout(logo, 0, 1);
    title->addWidget(Label1, 1, 1);
    title->setColumnStretch(1, 1);
    title->setHorizontalSpacing(16);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button3);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(title);
    layout->addSpacing(8);
    layout->addWidget(Bevel);
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedSize(494, 233);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button3, &QPushButton::clicked, this,
            [this] { ui::guarded(this, [this] { FormShow(Button3); }); });
}

void Tinfowin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::guarded(this, [this] { FormShow(nullptr); });
    ui::centreOnScreen(this);
}

void Tinfowin::FormShow(QObject* sender)
{
    if (sender == Button3 && langwin_) {
        langwin_->Tag = ui::language();
        ui::setLanguage(quint8(ui::execModal(langwin_) - 1));
    }
    const quint8 language = ui::language();
    if (language == 0) {
        setWindowTitle(u"Info about reelMINDER/32 2.01"_s);
        Label1->setText(u"2.01 for Windows 95"_s);
        Button3->setText(u"Language Selection"_s);
    } else if (language == 1) {
        setWindowTitle(u"Info über reelMINDER/32 2.01"_s);
        Label1->setText(u"2.01 für Windows 95"_s);
        Button3->setText(u"Sprachauswahl"_s);
    }
}

} // namespace app
