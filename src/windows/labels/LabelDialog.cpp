#include "windows/labels/LabelDialog.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "exchange/SheetData.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/NoteLabel.h"
#include "windows/labels/LabelSettings.h"
#include "windows/labels/LabelSheetEditor.h"
#include "windows/print/DocumentOutput.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

constexpr int kVisibleTapes = 12;

} // namespace

LabelDialog::LabelDialog(catalogue::Catalogue& catalogue, ui::SettingsStore& settings, QWidget* parent)
    : ui::ToolWindow(parent), catalogue_(catalogue), settings_(settings)
{
    setObjectName(u"labelDialog"_s);
    ui::setHelpTopic(this, ui::HelpTopic::Labels);
    createControls();
    retranslate();
    // Open beside the main window, the list follows the tapes as they come, change and go. A tape is
    // let go of before its object is.
    const auto relisted = [this] { ui::guarded(this, [this] { relist(); }); };
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, [this, relisted] {
        // None of the tapes listed is there any more.
        const QSignalBlocker blocker(tapeList_);
        tapeList_->clear();
        cassettes_.clear();
        relisted();
    });
    connect(&catalogue_, &catalogue::Catalogue::cassetteAdded, this, relisted);
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, relisted);
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, relisted);
    connect(
        &catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this,
        [this](const catalogue::Cassette* cassette) { ui::guarded(this, [&] { forgetTape(cassette); }); });
}

LabelDialog::~LabelDialog() = default;

void LabelDialog::createControls()
{
    using ui::named;
    auto* tapesBox = named(new QGroupBox(this), u"tapesBox"_s);
    allRadio_ = named(new QRadioButton(tapesBox), u"allRadio"_s);
    tickedRadio_ = named(new QRadioButton(tapesBox), u"tickedRadio"_s);
    tapeList_ = named(new QListWidget(tapesBox), u"tapeList"_s);
    tapeList_->setUniformItemSizes(true);
    auto* tapes = new QVBoxLayout(tapesBox);
    tapes->addWidget(allRadio_);
    tapes->addWidget(tickedRadio_);
    tapes->addWidget(tapeList_, 1);

    auto* labelsBox = named(new QGroupBox(this), u"labelsBox"_s);
    spineRadio_ = named(new QRadioButton(labelsBox), u"spineRadio"_s);
    faceRadio_ = named(new QRadioButton(labelsBox), u"faceRadio"_s);
    sheetEditor_ = new LabelSheetEditor(labelsBox);
    startEdit_ = named(new QSpinBox(labelsBox), u"startEdit"_s);
    startLabel_ = named(new QLabel(labelsBox), u"startLabel"_s);
    startLabel_->setBuddy(startEdit_);
    startOfLabel_ = named(new QLabel(labelsBox), u"startOfLabel"_s);
    outlineCheck_ = named(new QCheckBox(labelsBox), u"outlineCheck"_s);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(spineRadio_);
    kinds->addWidget(faceRadio_);
    kinds->addStretch(1);
    auto* start = new QHBoxLayout;
    start->addWidget(startLabel_);
    start->addWidget(startEdit_);
    start->addWidget(startOfLabel_);
    start->addStretch(1);
    auto* labels = new QVBoxLayout(labelsBox);
    labels->addLayout(kinds);
    labels->addWidget(sheetEditor_);
    labels->addLayout(start);
    labels->addWidget(outlineCheck_);
    labels->addStretch(1);

    summaryLabel_ = named(new QLabel(this), u"summaryLabel"_s);
    previewButton_ = named(new QPushButton(this), u"previewButton"_s);
    previewButton_->setDefault(true);
    pdfButton_ = named(new QPushButton(this), u"pdfButton"_s);
    closeButton_ = named(new QPushButton(this), u"closeButton"_s);
    closeButton_->setAutoDefault(false);
    noteLabel_ = named(new ui::NoteLabel(this), u"noteLabel"_s);

    // On a small screen the choices scroll; the summary and the buttons stay in view.
    auto* body = named(new QWidget(this), u"labelBody"_s);
    tapesBox->setParent(body);
    labelsBox->setParent(body);
    auto* boxes = new QHBoxLayout(body);
    boxes->setContentsMargins(0, 0, 0, 0);
    boxes->addWidget(tapesBox, 2);
    boxes->addWidget(labelsBox, 3);
    scrollArea_ = named(new QScrollArea(this), u"scrollArea"_s);
    scrollArea_->setWidget(body);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(noteLabel_, 1);
    buttons->addWidget(previewButton_);
    buttons->addWidget(pdfButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollArea_, 1);
    layout->addWidget(summaryLabel_);
    layout->addLayout(buttons);

    QWidget* order[] = {allRadio_,   tickedRadio_, tapeList_,
                        spineRadio_, faceRadio_,   sheetEditor_->firstField()};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    QWidget* after[] = {
        sheetEditor_->lastField(), startEdit_, outlineCheck_, previewButton_, pdfButton_, closeButton_};
    for (std::size_t i = 1; i < std::size(after); ++i)
        setTabOrder(after[i - 1], after[i]);

    const auto changed = [this] { ui::guarded(this, [this] { refreshLabels(); }); };
    connect(allRadio_, &QRadioButton::toggled, this, changed);
    connect(spineRadio_, &QRadioButton::toggled, this,
            [this] { ui::guarded(this, [this] { suitSheetToKind(); }); });
    connect(sheetEditor_, &LabelSheetEditor::sheetChanged, this, changed);
    // Ticking a tape is choosing the ticked ones.
    connect(tapeList_, &QListWidget::itemChanged, this, [this, changed] {
        if (!tickedRadio_->isChecked())
            tickedRadio_->setChecked(true);
        changed();
    });
    connect(previewButton_, &QPushButton::clicked, this,
            [this] { ui::guarded(this, [this] { preview(); }); });
    connect(pdfButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { saveAsPdf(); }); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void LabelDialog::retranslate()
{
    setWindowTitle(tr("Print Labels"));
    findChild<QGroupBox*>(u"tapesBox"_s)->setTitle(tr("Tapes"));
    findChild<QGroupBox*>(u"labelsBox"_s)->setTitle(tr("Labels"));
    tickedRadio_->setText(tr("Only the tic&ked tapes:"));
    // A list has no caption of its own to be found by; it is the group's.
    tapeList_->setAccessibleName(tr("Tapes"));
    spineRadio_->setText(tr("Spi&ne labels"));
    faceRadio_->setText(tr("&Face labels"));
    startLabel_->setText(tr("Start at la&bel:"));
    outlineCheck_->setText(tr("Draw the &edges of the labels"));
    previewButton_->setText(tr("&Preview..."));
    pdfButton_->setText(tr("Save as P&DF..."));
    closeButton_->setText(tr("&Close"));
    refreshLabels();
}

void LabelDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
}

void LabelDialog::prepare(const catalogue::Cassette* selected)
{
    std::vector<const catalogue::Cassette*> ticked;
    if (selected)
        ticked.push_back(selected);
    listTapes(ticked, selected);
    (selected ? tickedRadio_ : allRadio_)->setChecked(true);
    if (!isVisible()) {
        const LabelChoices choices = readLabelChoices(settings_);
        (choices.kind == exchange::LabelKind::Face ? faceRadio_ : spineRadio_)->setChecked(true);
        sheetEditor_->setChoice(choices.sheet, choices.userSheet);
        startEdit_->setValue(1);
    }
    refreshLabels();
}

void LabelDialog::listTapes(const std::vector<const catalogue::Cassette*>& ticked,
                            const catalogue::Cassette* current)
{
    const QSignalBlocker blocker(tapeList_);
    tapeList_->clear();
    cassettes_.assign(catalogue_.cassettes().begin(), catalogue_.cassettes().end());
    for (const catalogue::Cassette* cassette : cassettes_) {
        auto* item = new QListWidgetItem(cassette->name(), tapeList_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const bool tick = std::find(ticked.begin(), ticked.end(), cassette) != ticked.end();
        item->setCheckState(tick ? Qt::Checked : Qt::Unchecked);
        if (cassette == current)
            tapeList_->setCurrentItem(item);
    }
}

void LabelDialog::relist()
{
    // Closed, the next opening lists the tapes anew anyway.
    if (!isVisible())
        return;
    std::vector<const catalogue::Cassette*> ticked;
    for (int row = 0; row < tapeList_->count(); ++row) {
        if (tapeList_->item(row)->checkState() == Qt::Checked)
            ticked.push_back(cassettes_[std::size_t(row)]);
    }
    const int currentRow = tapeList_->currentRow();
    const catalogue::Cassette* current = currentRow >= 0 && currentRow < int(cassettes_.size())
                                             ? cassettes_[std::size_t(currentRow)]
                                             : nullptr;
    listTapes(ticked, current);
    refreshLabels();
}

void LabelDialog::forgetTape(const catalogue::Cassette* cassette)
{
    const auto it = std::find(cassettes_.begin(), cassettes_.end(), cassette);
    if (it == cassettes_.end())
        return;
    const int row = int(it - cassettes_.begin());
    cassettes_.erase(it);
    {
        const QSignalBlocker blocker(tapeList_);
        delete tapeList_->takeItem(row);
    }
    refreshLabels();
}

std::vector<const catalogue::Cassette*> LabelDialog::chosenCassettes() const
{
    if (allRadio_->isChecked())
        return cassettes_;
    std::vector<const catalogue::Cassette*> chosen;
    for (int row = 0; row < tapeList_->count(); ++row) {
        if (tapeList_->item(row)->checkState() == Qt::Checked)
            chosen.push_back(cassettes_[std::size_t(row)]);
    }
    return chosen;
}

exchange::LabelDocument::Options LabelDialog::options() const
{
    return {sheetEditor_->sheet(),
            faceRadio_->isChecked() ? exchange::LabelKind::Face : exchange::LabelKind::Spine,
            startEdit_->value(), outlineCheck_->isChecked()};
}

// A built-in sheet made for the other kind of label gives way to the one for this kind on the same paper.
void LabelDialog::suitSheetToKind()
{
    const exchange::LabelKind kind = options().kind;
    const std::vector<exchange::BuiltInLabelSheet>& builtIns = exchange::builtInLabelSheets();
    const int current = sheetEditor_->sheetIndex();
    if (current >= 0 && !isUserSheet(current) && builtIns[std::size_t(current)].madeFor != kind) {
        const exchange::LabelPaper paper = builtIns[std::size_t(current)].sheet.paper;
        const auto suited = std::find_if(builtIns.begin(), builtIns.end(), [&](const auto& builtIn) {
            return builtIn.madeFor == kind && builtIn.sheet.paper == paper;
        });
        if (suited != builtIns.end())
            sheetEditor_->setChoice(int(suited - builtIns.begin()), sheetEditor_->userSheet());
    }
    refreshLabels();
}

void LabelDialog::refreshLabels()
{
    allRadio_->setText(tr("&All tapes (%1)").arg(cassettes_.size()));
    const exchange::LabelSheet sheet = sheetEditor_->sheet();
    const bool usable = sheet.isUsable();
    const int perPage = std::max(1, sheet.labelsPerPage());
    startEdit_->setRange(1, perPage);
    startOfLabel_->setText(tr("of %1 on the first sheet").arg(perPage));
    const int count = int(chosenCassettes().size());
    if (!usable) {
        summaryLabel_->setText(tr("The labels do not fit on the paper."));
    } else if (count == 0) {
        summaryLabel_->setText(tr("No tape chosen."));
    } else {
        const int sheets = exchange::LabelPlacement(sheet, count, startEdit_->value()).pageCount();
        summaryLabel_->setText(tr("%n label(s)", nullptr, count) + u' ' +
                               tr("on %n sheet(s)", nullptr, sheets));
    }
    previewButton_->setEnabled(usable && count > 0);
    pdfButton_->setEnabled(usable && count > 0);
}

std::unique_ptr<exchange::LabelDocument> LabelDialog::document() const
{
    std::vector<exchange::SheetCassette> cassettes;
    const std::vector<const catalogue::Cassette*> chosen = chosenCassettes();
    cassettes.reserve(chosen.size());
    for (const catalogue::Cassette* cassette : chosen)
        cassettes.push_back(exchange::gatherCassette(*cassette));
    return std::make_unique<exchange::LabelDocument>(std::move(cassettes), options());
}

void LabelDialog::remember()
{
    writeLabelChoices(settings_, {sheetEditor_->sheetIndex(), options().kind, sheetEditor_->userSheet()});
}

void LabelDialog::preview()
{
    if (!previewButton_->isEnabled())
        return;
    previewDocument(this, document(), catalogue_.archiveFiles());
    remember();
}

void LabelDialog::saveAsPdf()
{
    if (!pdfButton_->isEnabled())
        return;
    const std::unique_ptr<exchange::LabelDocument> labels = document();
    const QString written = saveDocumentAsPdf(this, *labels, labels->title(), catalogue_.archiveFiles());
    if (written.isEmpty())
        return;
    remember();
    noteLabel_->noteWritten(tr("PDF file written: %1"), written);
}

void LabelDialog::showEvent(QShowEvent* event)
{
    ui::ToolWindow::showEvent(event);
    previewButton_->setFocus();
}

// The choices whole, with a dozen tapes in the list, where the screen has room for them.
QSize LabelDialog::preferredSize()
{
    const int listHeight = kVisibleTapes * tapeList_->fontMetrics().height();
    const QSize body = scrollArea_->widget()->sizeHint() +
                       QSize(0, std::max(0, listHeight - tapeList_->sizeHint().height()));
    const QMargins margins = layout()->contentsMargins();
    const int spacing = layout()->spacing();
    return {body.width() + margins.left() + margins.right(),
            body.height() + summaryLabel_->sizeHint().height() + previewButton_->sizeHint().height() +
                2 * spacing + margins.top() + margins.bottom()};
}

} // namespace windows
