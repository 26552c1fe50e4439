#pragma once

#include "windows/CaptionedTableModel.h"

#include <QHash>

#include <vector>

namespace catalogue {
class Cassette;
class Catalogue;
} // namespace catalogue

namespace windows {

// The main window's rows: one per cassette, in the order of the cassettes' first records, with its
// length, film count and remaining time. Names that differ in letter case only share one row, that
// of the first such cassette, whose numbers it shows: the list finds a row by its name with letter
// case ignored, so a second row of such a name could never be chosen. A cassette created later gets
// a row of its own unless a row of its name is there; a removed cassette's row goes.
class CassetteListModel final : public CaptionedTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CassetteListModel)

public:
    enum Column
    {
        NameColumn,
        LengthColumn,
        FilmCountColumn,
        RemainingColumn,
        ColumnCount
    };

    explicit CassetteListModel(catalogue::Catalogue& catalogue, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    catalogue::Cassette* cassetteAt(int row) const;
    // The row of a cassette; -1 when it has none.
    int rowOf(const catalogue::Cassette* cassette) const;
    // The first row whose name equals name, letter case ignored; -1 when none.
    int findRow(const QString& name) const;

private:
    void rebuild();
    void addCassette(catalogue::Cassette* cassette);
    void changeCassette(catalogue::Cassette* cassette);
    void removeCassette(catalogue::Cassette* cassette);

    catalogue::Catalogue& catalogue_;
    std::vector<catalogue::Cassette*> rows_;
    QHash<QString, catalogue::Cassette*> byFoldedName_;     // the rows' names, letter case folded
    QHash<const catalogue::Cassette*, QString> foldedName_; // and back
};

} // namespace windows
