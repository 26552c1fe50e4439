#include "catalogue/Catalogue.h"

#include <utility>

namespace catalogue {

Catalogue::Batch::Batch(Catalogue& catalogue, bool holdsBack) : catalogue_(catalogue), holdsBack_(holdsBack)
{
    ++catalogue_.scopesOpen_;
    if (holdsBack_) {
        ++catalogue_.batchesHolding_;
        catalogue_.batched_ = true;
    }
}

Catalogue::Batch::~Batch()
{
    if (holdsBack_)
        --catalogue_.batchesHolding_;
    if (--catalogue_.scopesOpen_ > 0)
        return;
    const bool batched = std::exchange(catalogue_.batched_, false);
    if (batched)
        Q_EMIT catalogue_.batchFinished();
    Q_EMIT catalogue_.changesFinished();
}

} // namespace catalogue
