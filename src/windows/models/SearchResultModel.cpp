#include "windows/models/SearchResultModel.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"

namespace windows {

using catalogue::FilmRecord;

SearchResultModel::SearchResultModel(catalogue::Catalogue& catalogue, QObject* parent)
    : ui::TableModel(staticMetaObject.className(),
                     {QT_TRANSLATE_NOOP("windows::SearchResultModel", "Film"), // the same in both languages
                      QT_TRANSLATE_NOOP("windows::SearchResultModel", "Tape"),
                      QT_TRANSLATE_NOOP("windows::SearchResultModel", "Length"),
                      QT_TRANSLATE_NOOP("windows::SearchResultModel", "Actors")},
                     parent),
      catalogue_(catalogue)
{
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, &SearchResultModel::clear);
    connect(&catalogue_, &catalogue::Catalogue::filmChanged, this, &SearchResultModel::changeFilm);
    connect(&catalogue_, &catalogue::Catalogue::filmAboutToBeRemoved, this, [this](const FilmRecord* film) {
        if (rowsOf_.contains(film))
            removeRowsWhere([film](const FilmRecord* f) { return f == film; });
    });
    connect(&catalogue_, &catalogue::Catalogue::cassetteAboutToBeRemoved, this,
            [this](const catalogue::Cassette* cassette) {
                removeRowsWhere(
                    [this, cassette](const FilmRecord* f) { return catalogue_.cassetteOf(*f) == cassette; });
            });
    // A renamed cassette: its name stands in the rows of its films.
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, &SearchResultModel::changeCassette);
    // A batch told none of its changes: every row may show new values.
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, [this] {
        if (!films_.empty())
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1), {Qt::DisplayRole});
    });
}

int SearchResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(films_.size());
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    const FilmRecord& film = *films_[std::size_t(index.row())];
    switch (index.column()) {
    case TitleColumn:
        return catalogue::text(film.filmName);
    case TapeColumn:
        return catalogue::tapeNameText(film);
    case LengthColumn:
        return int(film.filmLength);
    case ActorsColumn:
        // One actor after another: a row has no room for line breaks.
        return catalogue::memoFromRecord(catalogue::text(film.actors)).replace(u'\n', QStringLiteral(", "));
    default:
        return {};
    }
}

void SearchResultModel::appendFilms(const std::vector<const FilmRecord*>& films)
{
    if (films.empty())
        return;
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + int(films.size()) - 1);
    films_.insert(films_.end(), films.begin(), films.end());
    for (int row = first; row < rowCount(); ++row)
        rowsOf_.insert(films_[std::size_t(row)], row);
    endInsertRows();
}

void SearchResultModel::clear()
{
    beginResetModel();
    films_.clear();
    rowsOf_.clear();
    endResetModel();
}

const FilmRecord* SearchResultModel::filmAt(int row) const
{
    return row >= 0 && row < rowCount() ? films_[std::size_t(row)] : nullptr;
}

void SearchResultModel::changeFilm(const FilmRecord* film)
{
    for (auto [it, end] = rowsOf_.equal_range(film); it != end; ++it)
        Q_EMIT dataChanged(index(*it, 0), index(*it, ColumnCount - 1), {Qt::DisplayRole});
}

void SearchResultModel::changeCassette(const catalogue::Cassette* cassette)
{
    if (rowsOf_.isEmpty())
        return;
    for (const FilmRecord* film : cassette->records()) {
        for (auto [it, end] = rowsOf_.equal_range(film); it != end; ++it)
            Q_EMIT dataChanged(index(*it, TapeColumn), index(*it, TapeColumn), {Qt::DisplayRole});
    }
}

void SearchResultModel::reindex()
{
    rowsOf_.clear();
    for (int row = 0; row < rowCount(); ++row)
        rowsOf_.insert(films_[std::size_t(row)], row);
}

void SearchResultModel::removeRowsWhere(const auto& isGone)
{
    // From the end, in runs, so that every row keeps its place until it goes.
    for (int row = rowCount() - 1; row >= 0;) {
        if (!isGone(films_[std::size_t(row)])) {
            --row;
            continue;
        }
        int first = row;
        while (first > 0 && isGone(films_[std::size_t(first - 1)]))
            --first;
        beginRemoveRows(QModelIndex(), first, row);
        films_.erase(films_.begin() + first, films_.begin() + row + 1);
        // Before the rows are told gone, so that whoever asks finds the films where they now are.
        reindex();
        endRemoveRows();
        row = first - 1;
    }
}

} // namespace windows
