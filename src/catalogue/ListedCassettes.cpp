#include "catalogue/ListedCassettes.h"

#include "catalogue/Cassette.h"
#include "catalogue/CassetteNames.h"
#include "catalogue/Catalogue.h"

#include <algorithm>

namespace catalogue {
namespace {

// Both the rows and a name's cassettes keep the catalogue's order: a place is found by position.
auto byPosition(const std::vector<const Cassette*>& cassettes, const Cassette* cassette)
{
    return std::lower_bound(cassettes.begin(), cassettes.end(), cassette->position(),
                            [](const Cassette* c, std::size_t position) { return c->position() < position; });
}

} // namespace

ListedCassettes::ListedCassettes(const Catalogue& catalogue, Listener* listener)
    : catalogue_(catalogue), listener_(listener)
{
    rebuild();
}

void ListedCassettes::rebuild()
{
    rows_.clear();
    byKey_.clear();
    keyOf_.clear();
    for (const Cassette* cassette : catalogue_.cassettes()) {
        const QString key = caseBlindName(cassette->name());
        std::vector<const Cassette*>& named = byKey_[key];
        named.push_back(cassette);
        keyOf_.insert(cassette, key);
        if (named.size() == 1)
            rows_.push_back(cassette);
    }
}

const Cassette* ListedCassettes::cassetteAt(int row) const
{
    return row >= 0 && row < rowCount() ? rows_[std::size_t(row)] : nullptr;
}

std::vector<const Cassette*>::const_iterator ListedCassettes::placeOf(const Cassette* cassette) const
{
    return byPosition(rows_, cassette);
}

int ListedCassettes::rowOf(const Cassette* cassette) const
{
    if (!cassette)
        return -1;
    const auto it = placeOf(cassette);
    return it == rows_.end() || *it != cassette ? -1 : int(it - rows_.begin());
}

int ListedCassettes::rowOfName(QStringView name) const
{
    const auto it = byKey_.constFind(caseBlindName(name));
    return it == byKey_.cend() ? -1 : rowOf(it->front());
}

void ListedCassettes::addRowFor(const Cassette* cassette)
{
    const int row = int(placeOf(cassette) - rows_.begin());
    if (listener_)
        listener_->rowAboutToBeInserted(row);
    rows_.insert(rows_.begin() + row, cassette);
    if (listener_)
        listener_->rowInserted();
}

void ListedCassettes::dropRowOf(const Cassette* cassette)
{
    const int row = rowOf(cassette);
    if (row < 0)
        return;
    if (listener_)
        listener_->rowAboutToBeRemoved(row);
    rows_.erase(rows_.begin() + row);
    if (listener_)
        listener_->rowRemoved();
}

void ListedCassettes::join(const Cassette* cassette, const QString& key)
{
    std::vector<const Cassette*>& named = byKey_[key];
    const auto at = byPosition(named, cassette);
    const bool first = at == named.begin();
    named.insert(at, cassette);
    keyOf_.insert(cassette, key);
    if (!first)
        return;
    if (named.size() > 1)
        dropRowOf(named[1]);
    addRowFor(cassette);
}

void ListedCassettes::leave(const Cassette* cassette, const QString& key)
{
    keyOf_.remove(cassette);
    const auto group = byKey_.find(key);
    if (group == byKey_.end())
        return;
    std::vector<const Cassette*>& named = *group;
    const auto at = std::find(named.begin(), named.end(), cassette);
    if (at == named.end())
        return;
    const bool first = at == named.begin();
    named.erase(at);
    if (!first)
        return;
    dropRowOf(cassette);
    if (named.empty())
        byKey_.erase(group);
    else
        addRowFor(named.front());
}

void ListedCassettes::add(const Cassette* cassette)
{
    join(cassette, caseBlindName(cassette->name()));
}

void ListedCassettes::change(const Cassette* cassette)
{
    const QString key = caseBlindName(cassette->name());
    const QString old = keyOf_.value(cassette);
    if (key != old) {
        leave(cassette, old);
        join(cassette, key);
    }
}

void ListedCassettes::remove(const Cassette* cassette)
{
    leave(cassette, keyOf_.value(cassette));
}

void ListedCassettes::catchUp()
{
    for (const Cassette* cassette : catalogue_.cassettes()) {
        const QString key = caseBlindName(cassette->name());
        const auto known = keyOf_.constFind(cassette);
        if (known == keyOf_.cend()) {
            join(cassette, key);
        } else if (*known != key) {
            const QString old = *known;
            leave(cassette, old);
            join(cassette, key);
        }
    }
}

} // namespace catalogue
