#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>

#include <vector>

namespace catalogue {
class Cassette;
class Catalogue;
} // namespace catalogue

namespace windows {

// The rows of the tape map: the cassettes whose names pass the filter, in catalogue order, each read by
// a screen reader as its name, length, films and minutes free. The changes of the catalogue are
// gathered and the rows made anew once, when the change is whole, so that an import costs one pass; a
// cassette that goes leaves its row empty at once, found through a hash, until then. The scale of the
// bars is the longest tape or filling of all the cassettes. Inactive (its view closed), it keeps
// nothing and does nothing.
class TapeMapModel final : public QAbstractListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TapeMapModel)

public:
    explicit TapeMapModel(catalogue::Catalogue& catalogue, QObject* parent = nullptr);
    ~TapeMapModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void setActive(bool active);
    // Keeps only the cassettes whose names contain text, letter case ignored; every one for "".
    void setFilter(const QString& text);

    // Null for a row whose cassette has just gone.
    const catalogue::Cassette* cassetteAt(int row) const;
    // The row of a cassette; -1 when it has none.
    int rowOf(const catalogue::Cassette* cassette) const;
    // The tape, or the filling beyond it, of the longest cassette, in half-minutes: the bars' scale.
    qint64 longestHalfMinutes() const { return longestHalfMinutes_; }

    // What the map tells of a cassette beside its name and bar: length, films, and the minutes free or
    // how far it is over-full (the last line, true in overFull then).
    static QStringList facts(const catalogue::Cassette& cassette, bool* overFull = nullptr);

private:
    void refresh();
    void forgetCassette(const catalogue::Cassette* cassette);
    void forgetAll();

    catalogue::Catalogue& catalogue_;
    bool active_ = false;
    // A change was told that the rows do not show yet.
    bool stale_ = false;
    QString filter_;
    std::vector<const catalogue::Cassette*> rows_;
    QHash<const catalogue::Cassette*, int> rowOf_;
    qint64 longestHalfMinutes_ = 1;
};

} // namespace windows
