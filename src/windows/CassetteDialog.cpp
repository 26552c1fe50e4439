#include "windows/CassetteDialog.h"

#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"

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

CassetteDialog::CassetteDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"cassetteDialog"_s);
    ui::setHelpContext(this, ui::kHelpCassetteDialog);

    nameLabel_ = new QLabel(this);
    nameLabel_->setObjectName(u"nameLabel"_s);
    lengthLabel_ = new QLabel(this);
    lengthLabel_->setObjectName(u"lengthLabel"_s);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(u"nameEdit"_s);
    nameEdit_->setMaxLength(kTapeNameCapacity);
    lengthEdit_ = new controls::NumEdit(this);
    lengthEdit_->setObjectName(u"lengthEdit"_s);
    lengthEdit_->setMaxLength(5);
    nameLabel_->setBuddy(nameEdit_);
    lengthLabel_->setBuddy(lengthEdit_);

    okButton_ = new QPushButton(u"OK"_s, this);
    okButton_->setObjectName(u"okButton"_s);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(u"Abbrechen"_s, this);
    cancelButton_->setObjectName(u"cancelButton"_s);

    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel_, 0, 0);
    fields->addWidget(nameEdit_, 0, 1);
    fields->addWidget(lengthLabel_, 1, 0);
    fields->addWidget(lengthEdit_, 1, 1, Qt::AlignLeft);
    fields->setColumnMinimumWidth(1, 260);
    // A name of full length in average letters is seen whole.
    nameEdit_->setMinimumWidth(nameEdit_->fontMetrics().horizontalAdvance(QString(kTapeNameCapacity, u'x')) +
                               12);
    lengthEdit_->setFixedWidth(lengthEdit_->fontMetrics().horizontalAdvance(u"000000"_s) + 12);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(nameEdit_, lengthEdit_);
    setTabOrder(lengthEdit_, okButton_);
    setTabOrder(okButton_, cancelButton_);

    connect(okButton_, &QPushButton::clicked, this,
            [this] { ui::guarded(this, [this] { acceptIfValid(); }); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void CassetteDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::guarded(this, [this] {
        loadFields();
        retranslate();
    });
    ui::centreOnScreen(this);
}

// The fields for the mode: empty for a new cassette, the edited cassette's values for an edit.
void CassetteDialog::loadFields()
{
    edited_.reset();
    if (mode_ == NewCassette) {
        nameEdit_->clear();
        lengthEdit_->setIntValue(0);
        minimumLength_ = 1;
    } else {
        if (lookup_.editedCassette)
            edited_ = lookup_.editedCassette();
        nameEdit_->setText(edited_ ? edited_->name : QString());
        if (edited_)
            lengthEdit_->setIntValue(edited_->length);
        else
            lengthEdit_->setValue(QString());
        // The minutes the cassette's films take.
        minimumLength_ = edited_ ? edited_->length - edited_->remainingMinutes : 0;
        if (minimumLength_ == 0)
            minimumLength_ = 1;
    }
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

void CassetteDialog::retranslate()
{
    const quint8 language = ui::language();
    if (mode_ == NewCassette) {
        setWindowTitle(language == 1 ? u"Neue Kassette erstellen"_s : u"Create new Tape"_s);
    } else {
        const QString caption = edited_ ? edited_->name : QString();
        setWindowTitle((language == 1 ? u"Eigenschaften von "_s : u"Properties of "_s) + caption);
    }
    if (language != 0) {
        nameLabel_->setText(u"&Kassettenbezeichnung:"_s);
        lengthLabel_->setText(u"Kassetten&länge (in min.):"_s);
        cancelButton_->setText(u"Abbrechen"_s);
    } else {
        nameLabel_->setText(u"&Tapename:"_s);
        lengthLabel_->setText(u"Tape&length (in min.):"_s);
        cancelButton_->setText(u"Cancel"_s);
    }
}

QString CassetteDialog::acceptedName() const
{
    return catalogue::storedTapeName(nameEdit_->text());
}

int CassetteDialog::length() const
{
    return lengthEdit_->intValue();
}

void CassetteDialog::acceptIfValid()
{
    if (nameEdit_->text().isEmpty()) {
        showError(nameEdit_, u"No Tapename!"_s, u"Please enter a name for the Tape!"_s,
                  u"Kassettenbezeichnung fehlt!"_s,
                  u"Bitte geben Sie eine Bezeichnung für die Kassette an!"_s);
        return;
    }
    const int length = lengthEdit_->intValue();
    if (length < minimumLength_ || length > kMaxTapeLength) {
        const QString minimum = QString::number(minimumLength_);
        showError(
            lengthEdit_, u"Invalid Tapelength"_s,
            u"You have entered an invalid value for the Tapelength. You must enter a value between "_s +
                minimum + u" and 65535."_s,
            u"Ungültige Kassettenlänge"_s,
            u"Sie haben einen ungültigen Wert für die Kassettenlänge angegeben. Sie müssen einen Wert zwischen "_s +
                minimum + u" und 65535 angeben."_s);
        return;
    }
    // No name may be taken twice, letter case ignored: two rows of one name would merge their
    // cassettes. In edit mode the cassette's own name does not count.
    const QString name = acceptedName();
    const bool ownName =
        mode_ == EditCassette && edited_ && QString::compare(name, edited_->name, Qt::CaseInsensitive) == 0;
    if (!ownName && lookup_.nameTaken && lookup_.nameTaken(name)) {
        showError(
            nameEdit_, u"Tapename already exists"_s,
            u"There is already a Tape with the given name. Please enter another one."_s,
            u"Kassettenbezeichnung exisiert bereits"_s,
            u"Es existiert bereits eine Kassette mit der angegebenen Bezeichnung. Bitte geben Sie einen anderen an."_s);
        return;
    }
    accept();
}

void CassetteDialog::showError(QWidget* field, const QString& englishCaption, const QString& englishText,
                               const QString& germanCaption, const QString& germanText)
{
    if (ui::language() == 1)
        ui::messageBox(this, germanText, germanCaption, ui::MB_ICONERROR);
    else
        ui::messageBox(this, englishText, englishCaption, ui::MB_ICONERROR);
    field->setFocus();
}

} // namespace windows
