#pragma once

#include "catalogue/ListedCassettes.h"
#include "ui/TableModel.h"

namespace catalogue {
class Cassette;
class Catalogue;
} // namespace catalogue

namespace windows {

// The main window's rows: one per listed cassette (catalogue::ListedCassettes, which decides which
// cassettes hold rows), in the catalogue's order, with its length, film count and remaining time. The
// rows follow the catalogue's signals.
class CassetteListModel final : public ui::TableModel, private catalogue::ListedCassettes::Listener
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

    const catalogue::Catalogue& catalogue() const { return catalogue_; }
    const catalogue::Cassette* cassetteAt(int row) const { return listed_.cassetteAt(row); }
    // The row of a cassette; -1 when it has none.
    int rowOf(const catalogue::Cassette* cassette) const { return listed_.rowOf(cassette); }
    // The row whose name equals name, letter case ignored; -1 when none.
    int findRow(const QString& name) const { return listed_.rowOfName(name); }

private:
    void rowAboutToBeInserted(int row) override;
    void rowInserted() override;
    void rowAboutToBeRemoved(int row) override;
    void rowRemoved() override;
    void changeCassette(const catalogue::Cassette* cassette);
    // After a batch: the cassettes it added or renamed take their rows, and every row its counts.
    void catchUp();

    catalogue::Catalogue& catalogue_;
    catalogue::ListedCassettes listed_;
};

} // namespace windows
