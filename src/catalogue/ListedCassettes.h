#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

namespace catalogue {

class Cassette;
class Catalogue;

// The cassettes a list of cassettes shows: one row per name with letter case ignored (see
// caseBlindName()), held by the first cassette of that name in catalogue order, whose numbers it
// shows; a second row of such a name could never be chosen by its name. The rows keep the catalogue's
// order and are always those the catalogue would give afresh: a cassette gets its row at its place in
// the catalogue (one put back by an undo where it was), and when the cassette holding a row goes or
// takes another name, the next cassette of its name gets the row.
//
// It follows the changes it is handed, as the catalogue tells them, and tells its listener around
// every row that comes or goes, so that a list model can wrap it.
class ListedCassettes final
{
public:
    class Listener
    {
    public:
        virtual void rowAboutToBeInserted(int row) = 0;
        virtual void rowInserted() = 0;
        virtual void rowAboutToBeRemoved(int row) = 0;
        virtual void rowRemoved() = 0;

    protected:
        ~Listener() = default;
    };

    explicit ListedCassettes(const Catalogue& catalogue, Listener* listener = nullptr);

    const std::vector<const Cassette*>& rows() const { return rows_; }
    int rowCount() const { return int(rows_.size()); }
    // Null for no row.
    const Cassette* cassetteAt(int row) const;
    // The row of a cassette; -1 when it holds none.
    int rowOf(const Cassette* cassette) const;
    // The row of the name, letter case ignored; -1 when no cassette has it.
    int rowOfName(QStringView name) const;

    // The rows afresh from the catalogue, untold: for a list being reset.
    void rebuild();
    void add(const Cassette* cassette);
    // Its name may have changed, and so the row it holds.
    void change(const Cassette* cassette);
    // Told while the cassette is still whole.
    void remove(const Cassette* cassette);
    // After a batch: the cassettes it added or renamed take their rows.
    void catchUp();

private:
    // Where the cassette's row is, or would go.
    std::vector<const Cassette*>::const_iterator placeOf(const Cassette* cassette) const;
    // Files the cassette under its case-blind name; the first of a name holds its row.
    void join(const Cassette* cassette, const QString& key);
    void leave(const Cassette* cassette, const QString& key);
    void addRowFor(const Cassette* cassette);
    void dropRowOf(const Cassette* cassette);

    const Catalogue& catalogue_;
    Listener* const listener_;
    std::vector<const Cassette*> rows_;
    // Every cassette by its case-blind name, in catalogue order, and back.
    QHash<QString, std::vector<const Cassette*>> byKey_;
    QHash<const Cassette*, QString> keyOf_;
};

} // namespace catalogue
