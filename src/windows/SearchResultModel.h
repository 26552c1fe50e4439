#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <QStringList>

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
class SearchResultModel final : public QAbstractTableModel
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
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The column titles, set by the window in its language.
    void setColumnCaptions(const QStringList& captions);

    // Adds rows behind the ones there, one per film.
    void appendFilms(const std::vector<catalogue::FilmRecord*>& films);
    void clear();
    catalogue::FilmRecord* filmAt(int row) const;

private:
    void changeFilm(catalogue::FilmRecord* film);
    void removeRowsWhere(const auto& gone);

    catalogue::Catalogue& catalogue_;
    QStringList captions_;
    std::vector<catalogue::FilmRecord*> films_;
    // The films listed: an undo may take many films away, most of them never listed.
    QSet<const catalogue::FilmRecord*> listed_;
};

} // namespace windows
