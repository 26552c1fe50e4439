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
// case ignored, so a second row of such a name could never be chosen. The rows follow the catalogue's
// signals and are always those the catalogue would give afresh: a cassette gets its row at its place
// in the catalogue's order (one put back by an undo where it was), and when the cassette holding a
// row goes or takes another name, the next cassette of its name gets the row.
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

    const catalogue::Cassette* cassetteAt(int row) const;
    // The row of a cassette; -1 when it has none.
    int rowOf(const catalogue::Cassette* cassette) const;
    // The first row whose name equals name, letter case ignored; -1 when none.
    int findRow(const QString& name) const;

private:
    void rebuild();
    // Where the cassette's row is, or would go: the rows keep the catalogue's order.
    std::vector<const catalogue::Cassette*>::const_iterator
    placeOf(const catalogue::Cassette* cassette) const;
    void addCassette(const catalogue::Cassette* cassette);
    void changeCassette(const catalogue::Cassette* cassette);
    void removeCassette(const catalogue::Cassette* cassette);
    // After a batch: the cassettes it added or renamed take their rows, and every row its counts.
    void catchUp();
    // Files the cassette under its folded name; the first of a name holds its row.
    void join(const catalogue::Cassette* cassette, const QString& folded);
    void leave(const catalogue::Cassette* cassette, const QString& folded);
    void addRowFor(const catalogue::Cassette* cassette);
    void dropRowOf(const catalogue::Cassette* cassette);

    catalogue::Catalogue& catalogue_;
    std::vector<const catalogue::Cassette*> rows_;
    // Every cassette by its name with letter case folded, in catalogue order, and back.
    QHash<QString, std::vector<const catalogue::Cassette*>> byFoldedName_;
    QHash<const catalogue::Cassette*, QString> foldedName_;
};

} // namespace windows
