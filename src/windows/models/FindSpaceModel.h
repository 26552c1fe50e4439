#pragma once

#include "catalogue/SpaceFinder.h"
#include "ui/TableModel.h"

#include <memory>
#include <vector>

namespace catalogue {
class Cassette;
class Catalogue;
} // namespace catalogue

namespace windows {

// The rows of the find-space window: every cassette on which the recording asked about fits, with
// the minutes free in its mode, the counter position where it would start and the minutes left after
// it; least left first, then by name. A new question lists at once; changes of the catalogue are
// gathered and listed once the event loop comes round, so that an import costs one pass. It keeps
// nothing and does nothing while its window is closed.
class FindSpaceModel final : public ui::TableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindSpaceModel)

public:
    enum Column
    {
        TapeColumn,
        FreeColumn,
        StartColumn,
        LeftColumn,
        ColumnCount
    };

    explicit FindSpaceModel(catalogue::Catalogue& catalogue, QObject* parent = nullptr);
    ~FindSpaceModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The minutes free and left after are long-play minutes when the recording is in long-play, and
    // their captions say so.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The recording asked about; a length that no film can have lists nothing.
    void setRecording(int lengthMinutes, bool longplay);
    // True while the length asked about is one a film can have.
    bool isAsking() const;
    // True when the length asked about is longer than any tape can be.
    bool isTooLong() const;
    // Lists while its window is open; closed, it forgets the cassettes until it opens again.
    void setActive(bool active);

    const catalogue::Cassette* cassetteAt(int row) const;
    // The row of a cassette; -1 when it has none.
    int rowOf(const catalogue::Cassette* cassette) const;

private:
    void refresh();
    void changeCassette(const catalogue::Cassette* cassette);
    void forgetCassette(const catalogue::Cassette* cassette);
    void restart();

    catalogue::Catalogue& catalogue_;
    std::unique_ptr<catalogue::SpaceFinder> finder_; // while active
    // A change was told that the fits do not show yet.
    bool stale_ = false;
    std::vector<catalogue::SpaceFit> fits_;
    int lengthMinutes_ = 0;
    bool longplay_ = false;
};

} // namespace windows
