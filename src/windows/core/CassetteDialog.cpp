#include "windows/core/CassetteDialog.h"

#include "catalogue/Cassette.h"
#include "catalogue/CassetteNames.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"
#include "controls/NumEdit.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"
#include "ui/ReportList.h"
#include "windows/models/CassetteListModel.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

using catalogue::kTapeNameCapacity;

} // namespace

CassetteDialog::CassetteDialog(QWidget* parent) : QDialog(parent, ui::kFixedDialog)
{
    setObjectName(u"cassetteDialog"_s);
    ui::setHelpTopic(this, ui::HelpTopic::CassetteDialog);

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

    okButton_ = new QPushButton(this);
    okButton_->setObjectName(u"okButton"_s);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
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

    // Until the program's language reaches it, the dialog carries the German captions it was designed with.
    ui::withLanguage(ui::kFormLanguage, [this] { retranslate(); });
}

void CassetteDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
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

void CassetteDialog::setCassetteList(const ui::ReportList* list, const CassetteListModel* rows)
{
    list_ = list;
    rows_ = rows;
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
        if (const catalogue::Cassette* cassette =
                list_ && rows_ ? rows_->cassetteAt(list_->selectedRow()) : nullptr)
            edited_ = Edited{cassette, cassette->name(), cassette->length(), cassette->usedMinutes()};
        nameEdit_->setText(edited_ ? edited_->name : QString());
        if (edited_)
            lengthEdit_->setIntValue(edited_->length);
        else
            lengthEdit_->setValue(QString());
        minimumLength_ = edited_ ? edited_->usedMinutes : 0;
        if (minimumLength_ == 0)
            minimumLength_ = 1;
    }
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

void CassetteDialog::retranslate()
{
    if (mode_ == NewCassette) {
        setWindowTitle(tr("Create new Tape"));
    } else {
        const QString caption = edited_ ? edited_->name : QString();
        setWindowTitle(tr("Properties of %1").arg(caption));
    }
    nameLabel_->setText(tr("&Tapename:"));
    lengthLabel_->setText(tr("Tape&length (in min.):"));
    okButton_->setText(tr("OK"));
    cancelButton_->setText(tr("Cancel"));
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
        showError(nameEdit_, tr("No Tapename!"), tr("Please enter a name for the Tape!"));
        return;
    }
    const int length = lengthEdit_->intValue();
    if (length < minimumLength_ || !catalogue::isValidLength(length)) {
        showError(
            lengthEdit_, tr("Invalid Tapelength"),
            tr("You have entered an invalid value for the Tapelength. You must enter a value between %1 "
               "and %2.")
                .arg(minimumLength_)
                .arg(catalogue::kLargestNumber));
        return;
    }
    // An edit may take any name, another cassette's too: the two then become one.
    if (mode_ == NewCassette && rows_ && catalogue::isNameTaken(rows_->catalogue(), acceptedName())) {
        showError(nameEdit_, tr("Tapename already exists"),
                  tr("There is already a Tape with the given name. Please enter another one."));
        return;
    }
    accept();
}

void CassetteDialog::showError(QWidget* field, const QString& caption, const QString& text)
{
    ui::messageBox(this, text, caption, ui::Icon::Error);
    field->setFocus();
}

} // namespace windows
