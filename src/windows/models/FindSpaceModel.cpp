#include "windows/models/FindSpaceModel.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/FilmRules.h"

#include <algorithm>

namespace windows {

FindSpaceModel::FindSpaceModel(catalogue::Catalogue& catalogue, QObject* parent)
    : ui::TableModel(staticMetaObject.className(),
                     {QT_TRANSLATE_NOOP("windows::FindSpaceModel", "Tape"),
                      QT_TRANSLATE_NOOP("windows::FindSpaceModel", "Free (min.)"),
                      QT_TRANSLATE_NOOP("windows::FindSpaceModel", "Starts at"),
                      QT_TRANSLATE_NOOP("windows::FindSpaceModel", "Left after (min.)")},
                     parent),
      catalogue_(catalogue)
{
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, &FindSpaceModel::restart);
    connect(&catalogue_, &catalogue::Catalogue::cassetteAdded, this, &FindSpaceModel::changeCassette);
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, &FindSpaceModel::changeCassette);
    connect(&catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this,
            &FindSpaceModel::forgetCassette);
    // A batch told none of its cassettes: every one is measured again.
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, [this] {
        if (!finder_)
            return;
        finder_->rebuild();
        stale_ = true;
    });
    // The fits are looked for once the change is whole, so that an import costs one pass.
    connect(&catalogue_, &catalogue::Catalogue::changesFinished, this, [this] {
        if (stale_)
            refresh();
    });
}

FindSpaceModel::~FindSpaceModel() = default;

int FindSpaceModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(fits_.size());
}

QVariant FindSpaceModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    const catalogue::SpaceFit& fit = fits_[std::size_t(index.row())];
    switch (index.column()) {
    case TapeColumn:
        return fit.cassette->name();
    case FreeColumn:
        return fit.freeMinutes;
    case StartColumn:
        return catalogue::counterPosition(fit.startMinutes);
    case LeftColumn:
        return fit.minutesLeft;
    default:
        return {};
    }
}

QVariant FindSpaceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (longplay_ && orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        if (section == FreeColumn)
            return tr("Free (LP min.)");
        if (section == LeftColumn)
            return tr("Left after (LP min.)");
    }
    return ui::TableModel::headerData(section, orientation, role);
}

void FindSpaceModel::setRecording(int lengthMinutes, bool longplay)
{
    lengthMinutes_ = lengthMinutes;
    const bool modeChanged = longplay != longplay_;
    longplay_ = longplay;
    if (modeChanged)
        Q_EMIT headerDataChanged(Qt::Horizontal, FreeColumn, LeftColumn);
    refresh();
}

bool FindSpaceModel::isAsking() const
{
    return catalogue::isValidLength(lengthMinutes_);
}

bool FindSpaceModel::isTooLong() const
{
    return lengthMinutes_ > catalogue::kLargestNumber;
}

const catalogue::Cassette* FindSpaceModel::cassetteAt(int row) const
{
    return row >= 0 && row < rowCount() ? fits_[std::size_t(row)].cassette : nullptr;
}

int FindSpaceModel::rowOf(const catalogue::Cassette* cassette) const
{
    const auto it = std::find_if(fits_.begin(), fits_.end(), [cassette](const catalogue::SpaceFit& fit) {
        return fit.cassette == cassette;
    });
    return it == fits_.end() ? -1 : int(it - fits_.begin());
}

void FindSpaceModel::setActive(bool active)
{
    if (active == bool(finder_))
        return;
    if (active) {
        finder_ = std::make_unique<catalogue::SpaceFinder>(catalogue_);
        refresh();
        return;
    }
    beginResetModel();
    fits_.clear();
    finder_.reset();
    endResetModel();
}

void FindSpaceModel::refresh()
{
    stale_ = false;
    beginResetModel();
    if (finder_ && isAsking())
        fits_ = finder_->fits(lengthMinutes_, longplay_);
    else
        fits_.clear();
    endResetModel();
}

void FindSpaceModel::changeCassette(const catalogue::Cassette* cassette)
{
    if (!finder_)
        return;
    finder_->changed(cassette);
    stale_ = true;
}

void FindSpaceModel::forgetCassette(const catalogue::Cassette* cassette)
{
    if (!finder_)
        return;
    // At once: the cassette object goes when this returns.
    finder_->remove(cassette);
    const int row = rowOf(cassette);
    if (row >= 0) {
        beginRemoveRows(QModelIndex(), row, row);
        fits_.erase(fits_.begin() + row);
        endRemoveRows();
    }
    stale_ = true;
}

void FindSpaceModel::restart()
{
    if (!finder_)
        return;
    beginResetModel();
    fits_.clear();
    finder_->rebuild();
    endResetModel();
    stale_ = true;
}

} // namespace windows
