#include "windows/labels/LabelSheetEditor.h"

#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Language.h"
#include "windows/labels/LabelSettings.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace windows {

LabelSheetEditor::LabelSheetEditor(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(u"sheetEditor"_s);
    createControls();
    retranslate();
}

LabelSheetEditor::~LabelSheetEditor() = default;

void LabelSheetEditor::createControls()
{
    using ui::named;
    sheetCombo_ = named(new QComboBox(this), u"sheetCombo"_s);
    sheetLabel_ = named(new QLabel(this), u"sheetLabel"_s);
    paperCombo_ = named(new QComboBox(this), u"paperCombo"_s);
    paperLabel_ = named(new QLabel(this), u"paperLabel"_s);
    const auto lengthEdit = [this](const QString& name, double most) {
        auto* edit = named(new QDoubleSpinBox(this), name);
        edit->setDecimals(2);
        edit->setRange(0, most);
        edit->setSingleStep(0.5);
        edit->setSuffix(u" mm"_s);
        lengthEdits_.append(edit);
        return edit;
    };
    const auto countEdit = [this](const QString& name, int most) {
        auto* edit = named(new QSpinBox(this), name);
        edit->setRange(1, most);
        return edit;
    };
    widthEdit_ = lengthEdit(u"widthEdit"_s, kLongestLabelLength);
    heightEdit_ = lengthEdit(u"heightEdit"_s, kLongestLabelLength);
    columnsEdit_ = countEdit(u"columnsEdit"_s, kMostLabelColumns);
    rowsEdit_ = countEdit(u"rowsEdit"_s, kMostLabelRows);
    leftEdit_ = lengthEdit(u"leftEdit"_s, kWidestLabelMargin);
    topEdit_ = lengthEdit(u"topEdit"_s, kWidestLabelMargin);
    columnGapEdit_ = lengthEdit(u"columnGapEdit"_s, kWidestLabelGap);
    rowGapEdit_ = lengthEdit(u"rowGapEdit"_s, kWidestLabelGap);

    auto* grid = new QGridLayout(this);
    grid->addWidget(sheetLabel_, 0, 0);
    grid->addWidget(sheetCombo_, 0, 1, 1, 3);
    grid->addWidget(paperLabel_, 1, 0);
    grid->addWidget(paperCombo_, 1, 1);
    // Each field under its caption's buddy, in two columns: the labels' size and number on the left,
    // where they lie on the right.
    const auto add = [&](QLabel*& label, QWidget* edit, const QString& name, int row, int column) {
        label = named(new QLabel(this), name);
        label->setBuddy(edit);
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
    };
    add(widthLabel_, widthEdit_, u"widthLabel"_s, 2, 0);
    add(heightLabel_, heightEdit_, u"heightLabel"_s, 3, 0);
    add(columnsLabel_, columnsEdit_, u"columnsLabel"_s, 4, 0);
    add(rowsLabel_, rowsEdit_, u"rowsLabel"_s, 5, 0);
    add(leftLabel_, leftEdit_, u"leftLabel"_s, 2, 2);
    add(topLabel_, topEdit_, u"topLabel"_s, 3, 2);
    add(columnGapLabel_, columnGapEdit_, u"columnGapLabel"_s, 4, 2);
    add(rowGapLabel_, rowGapEdit_, u"rowGapLabel"_s, 5, 2);
    sheetLabel_->setBuddy(sheetCombo_);
    paperLabel_->setBuddy(paperCombo_);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    QWidget* order[] = {sheetCombo_, paperCombo_, widthEdit_, heightEdit_,    columnsEdit_,
                        rowsEdit_,   leftEdit_,   topEdit_,   columnGapEdit_, rowGapEdit_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(sheetCombo_, &QComboBox::currentIndexChanged, this, [this] {
        ui::guarded(this, [this] {
            showSheet();
            Q_EMIT sheetChanged();
        });
    });
    const auto edited = [this] {
        if (showing_)
            return;
        ui::guarded(this, [this] {
            takeUserSheet();
            Q_EMIT sheetChanged();
        });
    };
    connect(paperCombo_, &QComboBox::currentIndexChanged, this, edited);
    for (QDoubleSpinBox* edit : std::as_const(lengthEdits_))
        connect(edit, &QDoubleSpinBox::valueChanged, this, edited);
    connect(columnsEdit_, &QSpinBox::valueChanged, this, edited);
    connect(rowsEdit_, &QSpinBox::valueChanged, this, edited);
}

void LabelSheetEditor::retranslate()
{
    setTitle(tr("Label sheet"));
    sheetLabel_->setText(tr("&Sheet:"));
    paperLabel_->setText(tr("Pape&r:"));
    widthLabel_->setText(tr("&Width:"));
    heightLabel_->setText(tr("&Height:"));
    columnsLabel_->setText(tr("Col&umns:"));
    rowsLabel_->setText(tr("R&ows:"));
    leftLabel_->setText(tr("&Left margin:"));
    topLabel_->setText(tr("&Top margin:"));
    columnGapLabel_->setText(tr("Hori&zontal gap:"));
    rowGapLabel_->setText(tr("&Vertical gap:"));

    const bool wasShowing = std::exchange(showing_, true);
    const int sheet = sheetCombo_->currentIndex();
    sheetCombo_->blockSignals(true);
    sheetCombo_->clear();
    for (const exchange::BuiltInLabelSheet& builtIn : exchange::builtInLabelSheets())
        sheetCombo_->addItem(exchange::labelSheetName(builtIn));
    sheetCombo_->addItem(tr("My own sheet"));
    sheetCombo_->setCurrentIndex(std::max(0, sheet));
    sheetCombo_->blockSignals(false);
    const int paper = paperCombo_->currentIndex();
    paperCombo_->clear();
    paperCombo_->addItems({tr("A4"), tr("US Letter")});
    paperCombo_->setCurrentIndex(std::max(0, paper));
    // Decimal commas in German.
    const QLocale locale = ui::localeOf(ui::language());
    for (QDoubleSpinBox* edit : std::as_const(lengthEdits_))
        edit->setLocale(locale);
    showing_ = wasShowing;
    showSheet();
}

void LabelSheetEditor::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
}

void LabelSheetEditor::setChoice(int sheet, const exchange::LabelSheet& userSheet)
{
    user_ = userSheet;
    const bool wasShowing = std::exchange(showing_, true);
    sheetCombo_->setCurrentIndex(std::clamp(sheet, 0, sheetCombo_->count() - 1));
    showing_ = wasShowing;
    showSheet();
}

QWidget* LabelSheetEditor::firstField() const
{
    return sheetCombo_;
}

QWidget* LabelSheetEditor::lastField() const
{
    return rowGapEdit_;
}

int LabelSheetEditor::sheetIndex() const
{
    return sheetCombo_->currentIndex();
}

exchange::LabelSheet LabelSheetEditor::sheet() const
{
    const int index = sheetIndex();
    if (index >= 0 && !isUserSheet(index))
        return exchange::builtInLabelSheets()[std::size_t(index)].sheet;
    return user_;
}

// The measures of the sheet chosen; only the user's own may be changed.
void LabelSheetEditor::showSheet()
{
    const exchange::LabelSheet shown = sheet();
    const bool wasShowing = std::exchange(showing_, true);
    paperCombo_->setCurrentIndex(int(shown.paper));
    widthEdit_->setValue(shown.labelWidth);
    heightEdit_->setValue(shown.labelHeight);
    columnsEdit_->setValue(shown.columns);
    rowsEdit_->setValue(shown.rows);
    leftEdit_->setValue(shown.leftMargin);
    topEdit_->setValue(shown.topMargin);
    columnGapEdit_->setValue(shown.columnGap);
    rowGapEdit_->setValue(shown.rowGap);
    showing_ = wasShowing;
    const bool editable = isUserSheet(sheetIndex());
    for (QWidget* field :
         std::initializer_list<QWidget*>{paperCombo_, widthEdit_, heightEdit_, columnsEdit_, rowsEdit_,
                                         leftEdit_, topEdit_, columnGapEdit_, rowGapEdit_})
        field->setEnabled(editable);
}

void LabelSheetEditor::takeUserSheet()
{
    if (!isUserSheet(sheetIndex()))
        return;
    user_.paper = exchange::LabelPaper(std::max(0, paperCombo_->currentIndex()));
    user_.labelWidth = widthEdit_->value();
    user_.labelHeight = heightEdit_->value();
    user_.columns = columnsEdit_->value();
    user_.rows = rowsEdit_->value();
    user_.leftMargin = leftEdit_->value();
    user_.topMargin = topEdit_->value();
    user_.columnGap = columnGapEdit_->value();
    user_.rowGap = rowGapEdit_->value();
}

} // namespace windows
