#include "windows/tools/DuplicatesWindow.h"

#include "catalogue/Catalogue.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/ReportDelegate.h"
#include "ui/ReportList.h"
#include "windows/models/DuplicatesModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

constexpr int kColumnWidths[] = {180, 45, 120, 95, 50, 70};
constexpr int kVisibleRows = 16;
// The title column grows with the longest title up to about this many characters of lower case; a
// longer one is read from its tooltip.
constexpr int kMostTitleCharacters = 64;

} // namespace

DuplicatesWindow::DuplicatesWindow(catalogue::Catalogue& catalogue, QWidget* parent)
    : ui::ToolWindow(parent), catalogue_(catalogue), model_(new DuplicatesModel(catalogue, this))
{
    setObjectName(u"duplicatesWindow"_s);
    ui::setHelpTopic(this, ui::HelpTopic::Duplicates);
    createControls();
    retranslate();
}

DuplicatesWindow::~DuplicatesWindow() = default;

void DuplicatesWindow::createControls()
{
    using ui::named;
    countLabel_ = named(new QLabel(this), u"countLabel"_s);
    groupView_ = named(new QTreeView(this), u"groupView"_s);
    groupView_->setModel(model_);
    groupView_->setItemDelegate(new ui::ReportDelegate(groupView_));
    // Every group open, always: the tree only shows which films belong together.
    groupView_->setItemsExpandable(false);
    groupView_->setRootIsDecorated(false);
    groupView_->setUniformRowHeights(true);
    groupView_->setSelectionMode(QAbstractItemView::SingleSelection);
    groupView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    groupView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    groupView_->setAllColumnsShowFocus(true);
    groupView_->header()->setSectionsMovable(false);
    countLabel_->setBuddy(groupView_);
    openButton_ = named(new QPushButton(this), u"openButton"_s);
    openButton_->setDefault(true);
    closeButton_ = named(new QPushButton(this), u"closeButton"_s);
    closeButton_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(openButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(countLabel_);
    layout->addWidget(groupView_, 1);
    layout->addLayout(buttons);
    setTabOrder(groupView_, openButton_);
    setTabOrder(openButton_, closeButton_);

    connect(openButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { openFilm(); }); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(groupView_, &QTreeView::doubleClicked, this,
            [this] { ui::guarded(this, [this] { openFilm(); }); });

    // The groups made anew keep the film selected, and all stay open.
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { keptSelection_ = selectedFilm(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        groupView_->expandAll();
        fitTitleColumn();
        // Else the first group, so that Enter opens something at once.
        QModelIndex kept = model_->indexOf(keptSelection_);
        keptSelection_ = nullptr;
        if (!kept.isValid())
            kept = model_->index(0, 0);
        if (kept.isValid()) {
            groupView_->setCurrentIndex(kept);
            groupView_->scrollTo(kept);
        }
        showCount();
    });
}

void DuplicatesWindow::retranslate()
{
    setWindowTitle(tr("Duplicates"));
    model_->retranslate();
    ui::fitColumnsToCaptions(groupView_, {std::begin(kColumnWidths), std::end(kColumnWidths)});
    titleColumnLeast_ = groupView_->header()->sectionSize(DuplicatesModel::TitleColumn);
    fitTitleColumn();
    openButton_->setText(tr("&Open film"));
    closeButton_->setText(tr("&Close"));
    showCount();
}

void DuplicatesWindow::fitTitleColumn()
{
    // Long titles that differ only towards their end are told apart at a glance.
    const int most =
        std::max(titleColumnLeast_, kMostTitleCharacters * groupView_->fontMetrics().horizontalAdvance(u'n'));
    groupView_->resizeColumnToContents(DuplicatesModel::TitleColumn);
    const int wanted = groupView_->columnWidth(DuplicatesModel::TitleColumn);
    groupView_->setColumnWidth(DuplicatesModel::TitleColumn, std::clamp(wanted, titleColumnLeast_, most));
}

void DuplicatesWindow::showCount()
{
    countLabel_->setText(tr("&Films recorded more than once: %n group(s)", nullptr, model_->groupCount()));
    ui::nameAfterLabel(groupView_, *countLabel_);
}

void DuplicatesWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
}

void DuplicatesWindow::showEvent(QShowEvent* event)
{
    ui::ToolWindow::showEvent(event);
    ui::guarded(this, [this] { model_->setActive(true); });
    groupView_->setFocus();
}

QSize DuplicatesWindow::preferredSize()
{
    int width = 2 * groupView_->frameWidth() + 24;
    for (int column = 0; column < DuplicatesModel::ColumnCount; ++column)
        width += groupView_->header()->sectionSize(column);
    const int rows = kVisibleRows * (fontMetrics().height() + 6);
    return sizeHint() + QSize(qMax(0, width - groupView_->sizeHint().width()),
                              qMax(0, rows - groupView_->sizeHint().height()));
}

void DuplicatesWindow::hideEvent(QHideEvent* event)
{
    ui::ToolWindow::hideEvent(event);
    // Closed, not only minimised with its owner.
    if (!event->spontaneous())
        model_->setActive(false);
}

const catalogue::FilmRecord* DuplicatesWindow::selectedFilm() const
{
    const QModelIndexList rows = groupView_->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : model_->filmAt(rows.constFirst());
}

void DuplicatesWindow::openFilm()
{
    const catalogue::FilmRecord* film = selectedFilm();
    if (!film)
        return;
    Q_EMIT filmWindowRequested(catalogue_.cassetteOf(*film), film);
    // The film window has closed again: back here, where the user was.
    ui::reactivate(this);
}

} // namespace windows
