#include "windows/tools/FindSpaceWindow.h"

#include "catalogue/Cassette.h"
#include "catalogue/FilmRules.h"
#include "catalogue/TapeSpace.h"
#include "controls/NumEdit.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/ReportList.h"
#include "windows/models/FindSpaceModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

constexpr int kColumnWidths[] = {200, 70, 80, 70};
constexpr int kVisibleRows = 14;

} // namespace

FindSpaceWindow::FindSpaceWindow(catalogue::Catalogue& catalogue, QWidget* parent)
    : ui::ToolWindow(parent), model_(new FindSpaceModel(catalogue, this))
{
    setObjectName(u"findSpaceWindow"_s);
    ui::setHelpTopic(this, ui::HelpTopic::FindSpace);
    createControls();
    retranslate();
}

FindSpaceWindow::~FindSpaceWindow() = default;

void FindSpaceWindow::createControls()
{
    using ui::named;
    lengthEdit_ = named(new controls::NumEdit(this), u"lengthEdit"_s);
    lengthEdit_->setMaxLength(5);
    lengthEdit_->setFixedWidth(lengthEdit_->fontMetrics().horizontalAdvance(u"000000"_s) + 12);
    lengthLabel_ = named(new QLabel(this), u"lengthLabel"_s);
    lengthLabel_->setBuddy(lengthEdit_);
    minutesLabel_ = named(new QLabel(this), u"minutesLabel"_s);
    longplayCheck_ = named(new QCheckBox(this), u"longplayCheck"_s);
    countLabel_ = named(new QLabel(this), u"countLabel"_s);
    fitList_ = named(new ui::ReportList(this), u"fitList"_s);
    fitList_->setModel(model_);
    countLabel_->setBuddy(fitList_);
    openButton_ = named(new QPushButton(this), u"openButton"_s);
    // Enter anywhere in the window opens the selected cassette.
    openButton_->setDefault(true);
    closeButton_ = named(new QPushButton(this), u"closeButton"_s);
    closeButton_->setAutoDefault(false);

    auto* question = new QHBoxLayout;
    question->addWidget(lengthLabel_);
    question->addWidget(lengthEdit_);
    question->addWidget(minutesLabel_);
    question->addSpacing(16);
    question->addWidget(longplayCheck_);
    question->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(openButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(question);
    layout->addWidget(countLabel_);
    layout->addWidget(fitList_, 1);
    layout->addLayout(buttons);

    QWidget* order[] = {lengthEdit_, longplayCheck_, fitList_, openButton_, closeButton_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // The edit's own handler has taken the text when this runs: it was connected first.
    connect(lengthEdit_, &QLineEdit::textChanged, this, [this] { ui::guarded(this, [this] { ask(); }); });
    connect(longplayCheck_, &QCheckBox::toggled, this, [this] { ui::guarded(this, [this] { ask(); }); });
    connect(openButton_, &QPushButton::clicked, this,
            [this] { ui::guarded(this, [this] { openCassette(); }); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(fitList_, &ui::ReportList::rowDoubleClicked, this,
            [this] { ui::guarded(this, [this] { openCassette(); }); });
    // The arrow keys in the length field move through the list, as in a search-as-you-type box.
    lengthEdit_->installEventFilter(this);

    // A new question selects the best fit; a change of the catalogue keeps the cassette selected.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { keptSelection_ = asking_ ? nullptr : selectedCassette(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        const int kept = keptSelection_ ? model_->rowOf(keptSelection_) : -1;
        keptSelection_ = nullptr;
        fitList_->setSelectedRow(kept >= 0 ? kept : 0);
        showCount();
    });
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &FindSpaceWindow::showCount);
    // The captions name long-play minutes while the recording is in long-play.
    connect(model_, &QAbstractItemModel::headerDataChanged, this, [this] {
        ui::fitColumnsToCaptions(fitList_,
                                 {kColumnWidths[0], kColumnWidths[1], kColumnWidths[2], kColumnWidths[3]});
    });
}

void FindSpaceWindow::retranslate()
{
    setWindowTitle(tr("Find Space"));
    lengthLabel_->setText(tr("&Length of the recording:"));
    minutesLabel_->setText(tr("minutes"));
    longplayCheck_->setText(tr("Longpla&y"));
    model_->retranslate();
    ui::fitColumnsToCaptions(fitList_,
                             {kColumnWidths[0], kColumnWidths[1], kColumnWidths[2], kColumnWidths[3]});
    openButton_->setText(tr("&Open tape"));
    closeButton_->setText(tr("&Close"));
    showCount();
}

void FindSpaceWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
}

void FindSpaceWindow::showEvent(QShowEvent* event)
{
    // Placed once; later shows keep where the user put it, and what was asked.
    ui::ToolWindow::showEvent(event);
    ui::guarded(this, [this] { model_->setActive(true); });
    lengthEdit_->setFocus();
    lengthEdit_->selectAll();
}

QSize FindSpaceWindow::preferredSize()
{
    const int rows = fitList_->header()->sizeHint().height() +
                     kVisibleRows * qMax(fitList_->fontMetrics().height() + 4, fitList_->sizeHintForRow(0));
    const int listWidth = ui::fitColumnsToCaptions(
        fitList_, {kColumnWidths[0], kColumnWidths[1], kColumnWidths[2], kColumnWidths[3]});
    return sizeHint() + QSize(qMax(0, listWidth - fitList_->sizeHint().width()),
                              qMax(0, rows - fitList_->sizeHint().height()));
}

void FindSpaceWindow::hideEvent(QHideEvent* event)
{
    ui::ToolWindow::hideEvent(event);
    // Closed, not only minimised with its owner.
    if (!event->spontaneous())
        model_->setActive(false);
}

bool FindSpaceWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lengthEdit_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QApplication::sendEvent(fitList_, event);
            return true;
        default:
            break;
        }
    }
    return ui::ToolWindow::eventFilter(watched, event);
}

void FindSpaceWindow::ask()
{
    asking_ = true;
    model_->setRecording(lengthEdit_->intValue(), longplayCheck_->isChecked());
    asking_ = false;
}

void FindSpaceWindow::showCount()
{
    const int fits = model_->rowCount();
    if (model_->isTooLong())
        countLabel_->setText(tr("No tape is that long: lengths go up to %1 minutes.")
                                 .arg(ui::localeOf(ui::language()).toString(catalogue::kLargestNumber)));
    else if (!model_->isAsking())
        countLabel_->setText(tr("Enter the length of the recording in minutes."));
    else if (fits == 0)
        countLabel_->setText(tr("No tape has room for a recording of this length."));
    else
        countLabel_->setText(tr("%n &tape(s) with room for it:", nullptr, fits));
    ui::nameAfterLabel(fitList_, *countLabel_);
}

const catalogue::Cassette* FindSpaceWindow::selectedCassette() const
{
    return model_->cassetteAt(fitList_->selectedRow());
}

void FindSpaceWindow::openCassette()
{
    // On its last film: the counter range shows where the recording starts, and New has the focus.
    const catalogue::Cassette* cassette = selectedCassette();
    if (!cassette)
        return;
    Q_EMIT filmWindowRequested(cassette, catalogue::lastFilm(*cassette));
    // The film window has closed again: back here, where the user was.
    ui::reactivate(this);
}

} // namespace windows
