#include "windows/core/ImportSummaryDialog.h"

#include "catalogue/FilmRules.h"
#include "exchange/Csv.h"
#include "exchange/CsvImport.h"
#include "ui/Forms.h"
#include "ui/ReportList.h"
#include "ui/ReportModel.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

constexpr int kListHeight = 150;
constexpr int kCassetteColumnWidth = 300;
constexpr int kCountColumnWidth = 60;
constexpr int kNewColumnWidth = 110;
constexpr int kNoteColumnWidth = 150;
constexpr int kLineColumnWidth = 60;
constexpr int kReasonColumnWidth = 560;

} // namespace

ImportSummaryDialog::ImportSummaryDialog(QWidget* parent)
    : QDialog(parent, ui::kFixedDialog),
      added_(new ui::ReportModel(staticMetaObject.className(),
                                 {QT_TRANSLATE_NOOP("windows::ImportSummaryDialog", "Cassette"),
                                  QT_TRANSLATE_NOOP("windows::ImportSummaryDialog", "Films"),
                                  QT_TRANSLATE_NOOP("windows::ImportSummaryDialog", "Cassette is"),
                                  QT_TRANSLATE_NOOP("windows::ImportSummaryDialog", "Note")},
                                 this)),
      skipped_(new ui::ReportModel(staticMetaObject.className(),
                                   {QT_TRANSLATE_NOOP("windows::ImportSummaryDialog", "Line"),
                                    QT_TRANSLATE_NOOP("windows::ImportSummaryDialog", "Reason")},
                                   this))
{
    using ui::named;
    setObjectName(u"importSummaryDialog"_s);

    summaryLabel_ = named(new QLabel(this), u"summaryLabel"_s);
    summaryLabel_->setWordWrap(true);
    encodingLabel_ = named(new QLabel(this), u"encodingLabel"_s);
    addedLabel_ = named(new QLabel(this), u"addedLabel"_s);
    addedList_ = named(new ui::ReportList(this), u"addedList"_s);
    addedList_->setModel(added_);
    addedList_->setColumnWidths({kCassetteColumnWidth, kCountColumnWidth, kNewColumnWidth, kNoteColumnWidth});
    addedLabel_->setBuddy(addedList_);
    untapedLabel_ = named(new QLabel(this), u"untapedLabel"_s);
    untapedCombo_ = named(new QComboBox(this), u"untapedCombo"_s);
    untapedCombo_->setEditable(true);
    untapedCombo_->setInsertPolicy(QComboBox::NoInsert);
    untapedCombo_->lineEdit()->setMaxLength(catalogue::kTapeNameCapacity);
    untapedCombo_->setMinimumWidth(kCassetteColumnWidth);
    untapedLabel_->setBuddy(untapedCombo_);
    skippedLabel_ = named(new QLabel(this), u"skippedLabel"_s);
    skippedList_ = named(new ui::ReportList(this), u"skippedList"_s);
    skippedList_->setModel(skipped_);
    skippedList_->setColumnWidths({kLineColumnWidth, kReasonColumnWidth});
    skippedLabel_->setBuddy(skippedList_);
    for (ui::ReportList* list : {addedList_, skippedList_})
        list->setFixedSize(kCassetteColumnWidth + kCountColumnWidth + kNewColumnWidth + kNoteColumnWidth + 24,
                           kListHeight);
    overfullLabel_ = named(new QLabel(this), u"overfullLabel"_s);
    overfullLabel_->setWordWrap(true);

    importButton_ = named(new QPushButton(this), u"importButton"_s);
    importButton_->setDefault(true);
    cancelButton_ = named(new QPushButton(this), u"cancelButton"_s);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(importButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel_);
    layout->addWidget(encodingLabel_);
    layout->addSpacing(4);
    layout->addWidget(addedLabel_);
    layout->addWidget(addedList_);
    layout->addWidget(overfullLabel_);
    auto* untaped = new QHBoxLayout;
    untaped->addWidget(untapedLabel_);
    untaped->addWidget(untapedCombo_, 1);
    layout->addLayout(untaped);
    layout->addSpacing(4);
    layout->addWidget(skippedLabel_);
    layout->addWidget(skippedList_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(addedList_, untapedCombo_);
    setTabOrder(untapedCombo_, skippedList_);
    setTabOrder(skippedList_, importButton_);
    setTabOrder(importButton_, cancelButton_);

    connect(importButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(untapedCombo_, &QComboBox::currentTextChanged, this, &ImportSummaryDialog::updateImportButton);
    retranslate();
}

ImportSummaryDialog::~ImportSummaryDialog() = default;

void ImportSummaryDialog::setPlan(const exchange::ImportPlan& plan, const QString& fileName, Source source,
                                  const QStringList& cassettes)
{
    fileName_ = fileName;
    source_ = source;
    untaped_ = int(plan.untaped.size());
    untapedCombo_->clear();
    untapedCombo_->addItems(cassettes);
    untapedCombo_->setEditText(plan.untapedName);
    newCassettes_ = plan.newCassetteCount();
    films_ = plan.filmCount();
    encoding_ = plan.encoding;

    QList<QVariantList> added;
    rowIsNew_.clear();
    minutesOver_.clear();
    for (const exchange::PlannedCassette& cassette : plan.cassettes) {
        // As the export writes the name: a control character of a damaged name would not show.
        added.append(
            {exchange::showControls(cassette.name), int(cassette.films.size()), QString(), QString()});
        rowIsNew_.append(cassette.isNew);
        minutesOver_.append(cassette.minutesOver());
    }
    added_->clear();
    added_->appendRows(added);

    QList<QVariantList> skipped;
    for (const exchange::SkippedRow& row : plan.skipped)
        skipped.append({QString::number(row.line), row.reason});
    skipped_->clear();
    skipped_->appendRows(skipped);

    addsAnything_ = plan.addsAnything();
    updateImportButton();
    retranslate();
}

QString ImportSummaryDialog::chosenCassette() const
{
    return untapedCombo_->currentText();
}

// Nothing to add, or films without a cassette to go to: only Cancel is left.
void ImportSummaryDialog::updateImportButton()
{
    importButton_->setEnabled(addsAnything_ && (untaped_ == 0 || !chosenCassette().trimmed().isEmpty()));
}

void ImportSummaryDialog::retranslate()
{
    if (source_ == Source::Tellico)
        setWindowTitle(fileName_.isEmpty() ? tr("Import Tellico") : tr("Import Tellico: %1").arg(fileName_));
    else
        setWindowTitle(fileName_.isEmpty() ? tr("Import CSV") : tr("Import CSV: %1").arg(fileName_));
    summaryLabel_->setText((source_ == Source::Tellico
                                ? tr("New cassettes: %1. Films to add: %2. Skipped entries: %3.")
                                : tr("New cassettes: %1. Films to add: %2. Skipped rows: %3."))
                               .arg(newCassettes_)
                               .arg(films_)
                               .arg(skippedList_->rowCount()));
    // Garbled names in the list are explained here: a file saved in another encoding than it was read in.
    encodingLabel_->setText(tr("Encoding: %1").arg(exchange::encodingName(encoding_)));
    encodingLabel_->setVisible(source_ == Source::Csv);
    untapedLabel_->setText(
        tr("%n film(s) of the file are on no cassette; put them on the c&assette:", nullptr, untaped_));
    untapedLabel_->setVisible(untaped_ > 0);
    untapedCombo_->setVisible(untaped_ > 0);
    addedLabel_->setText(tr("&What will be added:"));
    ui::nameAfterLabel(addedList_, *addedLabel_);
    added_->retranslate();
    int overfull = 0;
    for (int row = 0; row < rowIsNew_.size(); ++row) {
        added_->setValue(row, 2, rowIsNew_[row] ? tr("created") : tr("already there"));
        const int over = minutesOver_[row];
        added_->setValue(row, 3, over > 0 ? tr("over-full by %n min.", nullptr, over) : QString());
        overfull += over > 0 ? 1 : 0;
    }
    // Taken all the same, as the archive holds over-full cassettes and every window shows them.
    overfullLabel_->setText(tr(
        "%n cassette(s) will be over-full, as the archive allows: see the notes above.", nullptr, overfull));
    overfullLabel_->setVisible(overfull > 0);
    skippedLabel_->setText(source_ == Source::Tellico ? tr("&Skipped entries:") : tr("&Skipped rows:"));
    ui::nameAfterLabel(skippedList_, *skippedLabel_);
    skipped_->retranslate();
    importButton_->setText(tr("&Import"));
    cancelButton_->setText(tr("&Cancel"));
}

void ImportSummaryDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ImportSummaryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    retranslate();
    ui::fitHeightToScreen(this, skippedList_, kListHeight, kListHeight / 3);
    ui::centreOnScreen(this);
    (importButton_->isEnabled() ? importButton_ : cancelButton_)->setFocus();
}

} // namespace windows
