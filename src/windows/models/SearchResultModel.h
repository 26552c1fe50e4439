#pragma once

#include "ui/TableModel.h"

#include <QMultiHash>

#include <vector>

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue

namespace windows {

// The hits of the search dialog: one row per found film, each holding its film, showing its title,
// cassette, length and actors (on one line). The rows follow the catalogue: a changed film or a
// renamed cassette shows its new values, and a film that goes takes its rows with it.
class SearchResultModel final : public ui::TableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchResultModel)

public:
    enum Column
    {
        TitleColumn,
        TapeColumn,
        LengthColumn,
        ActorsColumn,
        ColumnCount
    };

    explicit SearchResultModel(catalogue::Catalogue& catalogue, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Adds rows behind the ones there, one per film.
    void appendFilms(const std::vector<const catalogue::FilmRecord*>& films);
    void clear();
    const catalogue::FilmRecord* filmAt(int row) const;

private:
    void changeFilm(const catalogue::FilmRecord* film);
    void removeRowsWhere(const auto& isGone);
    // Shows the tape name anew in the rows of the cassette's films.
    void changeCassette(const catalogue::Cassette* cassette);
    void reindex();

    catalogue::Catalogue& catalogue_;
    std::vector<const catalogue::FilmRecord*> films_;
    // The rows of each film listed (a film found twice has two): an undo may take many films away,
    // most of them never listed, and a change finds its rows without a walk.
    QMultiHash<const catalogue::FilmRecord*, int> rowsOf_;
};

} // namespace windows
