#pragma once

#include "catalogue/DuplicateFilms.h"
#include "ui/TableModel.h"

#include <unordered_map>
#include <vector>

namespace catalogue {
class Catalogue;
struct FilmRecord;
} // namespace catalogue

namespace windows {

// The films recorded more than once (catalogue::findDuplicates()), as a tree: a row per group with its
// title, year and number of recordings, and under it a row per film with its title, year, cassette,
// counter range, length and long-play flag; a title cell tells the whole title as its tooltip. Changes of the
// catalogue are gathered and the groups made anew once the change is whole; a film or cassette that goes is
// let go of at once. It keeps nothing and does nothing while its window is closed.
class DuplicatesModel final : public ui::TableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DuplicatesModel)

public:
    enum Column
    {
        TitleColumn,
        YearColumn,
        TapeColumn,
        CounterColumn,
        LengthColumn,
        LongplayColumn,
        ColumnCount
    };

    explicit DuplicatesModel(catalogue::Catalogue& catalogue, QObject* parent = nullptr);
    ~DuplicatesModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    using QObject::parent;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int groupCount() const { return int(groups_.size()); }
    const catalogue::DuplicateGroup& group(int row) const { return groups_[std::size_t(row)]; }
    // The film of a film's row, or the first film of a group's row; null for no row.
    const catalogue::FilmRecord* filmAt(const QModelIndex& index) const;
    // The row of the film; invalid when it is in no group.
    QModelIndex indexOf(const catalogue::FilmRecord* film) const;

    // Makes the groups anew now rather than once the event loop comes round.
    void refresh();
    // Groups while its window is open; closed, it forgets them until it opens again.
    void setActive(bool active);

private:
    QVariant groupData(const catalogue::DuplicateGroup& group, int column) const;
    QVariant filmData(const catalogue::FilmRecord& film, int column, int role) const;
    void setGroups(std::vector<catalogue::DuplicateGroup> groups);
    // Lets go of a film that goes: its rows stay, blank, until the groups are made anew when the
    // change is whole, so that an undo of thousands of films moves no row one by one.
    void forgetFilm(const catalogue::FilmRecord* film);

    catalogue::Catalogue& catalogue_;
    // A change was told that the groups do not show yet.
    bool stale_ = false;
    std::vector<catalogue::DuplicateGroup> groups_;
    // Where each film stands: its group and row. A film that goes is found at once, however many
    // groups there are.
    struct Place
    {
        std::size_t group;
        std::size_t row;
    };
    std::unordered_map<const catalogue::FilmRecord*, Place> placesOf_;
    bool active_ = false;
};

} // namespace windows
