#include "windows/editcas.h"

#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/ReportList.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

constexpr int kMaxTapeLength = 65535;
constexpr int kTapeNameCapacity = 50;

} // namespace

Tcasprop::Tcasprop(ui::ReportList* cassettes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      cassettes_(cassettes)
{
    setObjectName(u"casprop"_s);
    ui::setHelpContext(this, ui::kHelpCassetteDialog);

    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
    name = new QLineEdit(this);
    name->setObjectName(u"name"_s);
    name->setMaxLength(kTapeNameCapacity);
    runtime = new controls::NumEdit(this);
    runtime->setObjectName(u"runtime"_s);
    runtime->setMaxLength(5);
    Label1->setBuddy(name);
    Label2->setBuddy(runtime);

    ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    cancel = new QPushButton(u"Abbrechen"_s, this);
    cancel->setObjectName(u"cancel"_s);
    cancel->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(name, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(runtime, 1, 1, Qt::AlignLeft);
    fields->setColumnMinimumWidth(1, 260);
    runtime->setFixedWidth(runtime->fontMetrics().horizontalAdvance(u"000000"_s) + 12);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(name, runtime);
    setTabOrder(runtime, ok);
    setTabOrder(ok, cancel);

    connect(ok, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { okClick(); }); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tcasprop::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::guarded(this, [this] { FormShow(); });
    ui::centreOnScreen(this);
}

void Tcasprop::FormShow()
{
    const quint8 language = ui::language();
    if (mode == NewMode) {
        setWindowTitle(language == 1 ? u"Neue Kassette erstellen"_s : u"Create new Tape"_s);
        name->clear();
        runtime->setIntValue(0);
        minimumLength_ = 1;
    } else {
        const int row = cassettes_->selectedRow();
        const QString caption = row >= 0 ? cassettes_->caption(row) : QString();
        setWindowTitle((language == 1 ? u"Eigenschaften von "_s : u"Properties of "_s) + caption);
        name->setText(caption);
        const QString length = row >= 0 ? cassettes_->subItem(row, 0) : QString();
        const QString remaining = row >= 0 ? cassettes_->subItem(row, 2) : QString();
        runtime->setValue(length);
        // The minutes the cassette's films take, as the row shows them.
        minimumLength_ = length.toInt() - remaining.toInt();
        if (minimumLength_ == 0)
            minimumLength_ = 1;
    }
    if (language != 0) {
        Label1->setText(u"&Kassettenbezeichnung:"_s);
        Label2->setText(u"Kassetten&länge (in min.):"_s);
        cancel->setText(u"Abbrechen"_s);
    } else {
        Label1->setText(u"&Tapename:"_s);
        Label2->setText(u"Tape&length (in min.):"_s);
        cancel->setText(u"Cancel"_s);
    }
    name->setFocus();
    name->selectAll();
}

QString Tcasprop::acceptedName() const
{
    return catalogue::storedTapeName(name->text());
}

void Tcasprop::okClick()
{
    if (name->text().isEmpty()) {
        showError(name, u"No Tapename!"_s, u"Please enter a name for the Tape!"_s,
                  u"Kassettenbezeichnung fehlt!"_s,
                  u"Bitte geben Sie eine Bezeichnung für die Kassette an!"_s);
        return;
    }
    const int length = runtime->intValue();
    if (length < minimumLength_ || length > kMaxTapeLength) {
        const QString minimum = QString::number(minimumLength_);
        showError(
            runtime, u"Invalid Tapelength"_s,
            u"You have entered an invalid value for the Tapelength. You must enter a value between "_s +
                minimum + u" and 65535."_s,
            u"Ungültige Kassettenlänge"_s,
            u"Sie haben einen ungültigen Wert für die Kassettenlänge angegeben. Sie müssen einen Wert zwischen "_s +
                minimum + u" und 65535 angeben."_s);
        return;
    }
    // No name may be taken twice, letter case ignored: two rows of one name would merge their
    // cassettes. In edit mode the cassette's own row does not count.
    const int taken = cassettes_->findCaption(acceptedName());
    if (taken >= 0 && (mode == NewMode || taken != cassettes_->selectedRow())) {
        showError(
            name, u"Tapename already exists"_s,
            u"There is already a Tape with the given name. Please enter another one."_s,
            u"Kassettenbezeichnung exisiert bereits"_s,
            u"Es existiert bereits eine Kassette mit der angegebenen Bezeichnung. Bitte geben Sie einen anderen an."_s);
        return;
    }
    accept();
}

void Tcasprop::showError(QWidget* field, const QString& englishCaption, const QString& englishText,
                         const QString& germanCaption, const QString& germanText)
{
    if (ui::language() == 1)
        ui::messageBox(this, germanText, germanCaption, ui::MB_ICONERROR);
    else
        ui::messageBox(this, englishText, englishCaption, ui::MB_ICONERROR);
    field->setFocus();
}

} // namespace windows
