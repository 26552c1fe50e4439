#include "catalogue/History.h"

#include "catalogue/Catalogue.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace catalogue {

History::Group::Group(History& history) : history_(history)
{
    history_.open();
}

History::Group::~Group()
{
    history_.close();
}

void History::open()
{
    if (opened_ == 0) {
        // The slot for the entry is made now: closing it must not fail for want of memory.
        if (entries_.capacity() < index_ + 1)
            entries_.reserve(std::max(index_ + 1, 2 * entries_.capacity()));
        recording_ = Change();
    }
    ++opened_;
    if (catalogue_.batchesHolding_ > 0)
        recording_.batched_ = true;
}

void History::close() noexcept
{
    if (--opened_ > 0)
        return;
    Change entry = std::exchange(recording_, Change());
    if (entry.isEmpty())
        return;
    entries_.erase(entries_.begin() + std::ptrdiff_t(index_), entries_.end());
    entries_.push_back(std::move(entry));
    index_ = entries_.size();
}

void History::undo()
{
    if (!canUndo())
        return;
    Change& entry = entries_[index_ - 1];
    std::optional<Catalogue::Batch> batch;
    if (entry.isBatched())
        batch.emplace(catalogue_);
    --index_;
    catalogue_.revert(entry);
}

void History::redo()
{
    if (!canRedo())
        return;
    Change& entry = entries_[index_];
    std::optional<Catalogue::Batch> batch;
    if (entry.isBatched())
        batch.emplace(catalogue_);
    ++index_;
    catalogue_.reapply(entry);
}

void History::clear()
{
    entries_.clear();
    entries_.shrink_to_fit();
    index_ = 0;
    recording_ = Change();
    Q_EMIT catalogue_.historyCleared();
}

} // namespace catalogue
