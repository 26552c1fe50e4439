#include "windows/models/TapeMapModel.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/TapeSpace.h"

#include <algorithm>

using catalogue::Cassette;
using namespace Qt::StringLiterals;

namespace windows {

TapeMapModel::TapeMapModel(catalogue::Catalogue& catalogue, QObject* parent)
    : QAbstractListModel(parent), catalogue_(catalogue)
{
    // The bars are read from the cassettes whenever they are drawn; names, order and scale wait for
    // the change to be whole.
    const auto later = [this] {
        if (!active_)
            return;
        stale_ = true;
    };
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, later);
    connect(&catalogue_, &catalogue::Catalogue::cassetteAdded, this, later);
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, later);
    connect(&catalogue_, &catalogue::Catalogue::filmChanged, this, later);
    connect(&catalogue_, &catalogue::Catalogue::changesFinished, this, [this] {
        if (stale_)
            refresh();
    });
    connect(&catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this,
            &TapeMapModel::forgetCassette);
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, &TapeMapModel::forgetAll);
}

TapeMapModel::~TapeMapModel() = default;

int TapeMapModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant TapeMapModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Cassette* cassette = rows_[std::size_t(index.row())];
    if (!cassette)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cassette->name();
    case Qt::AccessibleTextRole:
        return (QStringList{cassette->name()} + facts(*cassette)).join(u", "_s);
    default:
        return {};
    }
}

Qt::ItemFlags TapeMapModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

QStringList TapeMapModel::facts(const Cassette& cassette, bool* overFull)
{
    QStringList lines{tr("Length: %1 min").arg(cassette.length()),
                      tr("%n film(s)", nullptr, cassette.filmCount())};
    const qint64 free = catalogue::freeMinutes(cassette, false);
    if (free < 0)
        lines += tr("Over-full by %1 min").arg(-free);
    else
        lines +=
            tr("Free: %1 min, or %2 min in long-play").arg(free).arg(catalogue::freeMinutes(cassette, true));
    if (overFull)
        *overFull = free < 0;
    return lines;
}

void TapeMapModel::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active)
        refresh();
    else
        forgetAll();
}

void TapeMapModel::setFilter(const QString& text)
{
    filter_ = text;
    refresh();
}

const Cassette* TapeMapModel::cassetteAt(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[std::size_t(row)] : nullptr;
}

int TapeMapModel::rowOf(const Cassette* cassette) const
{
    return rowOf_.value(cassette, -1);
}

void TapeMapModel::refresh()
{
    stale_ = false;
    beginResetModel();
    rows_.clear();
    rowOf_.clear();
    longestHalfMinutes_ = 1;
    if (active_) {
        for (const Cassette* cassette : catalogue_.cassettes()) {
            longestHalfMinutes_ =
                std::max({longestHalfMinutes_, 2 * qint64{cassette->length()}, cassette->usedHalfMinutes()});
            if (!filter_.isEmpty() && !cassette->name().contains(filter_, Qt::CaseInsensitive))
                continue;
            rowOf_.insert(cassette, int(rows_.size()));
            rows_.push_back(cassette);
        }
    }
    endResetModel();
}

void TapeMapModel::forgetCassette(const Cassette* cassette)
{
    // At once: the cassette object goes when this returns. Its row stays, empty, until the change is
    // whole, so that a long undo does not shift the rows once per cassette.
    const auto it = rowOf_.constFind(cassette);
    if (it != rowOf_.cend()) {
        const int row = *it;
        rowOf_.erase(it);
        rows_[std::size_t(row)] = nullptr;
        Q_EMIT dataChanged(index(row), index(row));
    }
    stale_ = active_;
}

void TapeMapModel::forgetAll()
{
    beginResetModel();
    rows_.clear();
    rowOf_.clear();
    endResetModel();
    stale_ = active_;
}

} // namespace windows
