#pragma once

#include <QCollator>
#include <QCollatorSortKey>

#include <vector>

namespace catalogue {

class Cassette;
class Catalogue;

// A cassette on which a recording still fits, and where it would go.
struct SpaceFit
{
    const Cassette* cassette = nullptr;
    // Minutes the cassette still holds in the recording's mode, rounded down.
    int freeMinutes = 0;
    // The counter position where the recording starts: the end of the cassette's last film.
    qint64 startMinutes = 0;
    // Minutes the cassette still holds in that mode once the recording is on it.
    int minutesLeft = 0;
};

// Answers "which tape still holds a recording this long?" over every cassette of a catalogue, once a
// key stroke: it keeps the cassettes in name order, each with its length, the tape its films take and
// the end of its last film, so that a question costs one pass over one array and a sort by what is
// left. Its owner tells it of every change;
// a changed cassette is looked at again only when the next question comes, so that a burst of
// changes (an import) costs one pass.
class SpaceFinder final
{
public:
    explicit SpaceFinder(const Catalogue& catalogue);
    ~SpaceFinder();
    SpaceFinder(const SpaceFinder&) = delete;
    SpaceFinder& operator=(const SpaceFinder&) = delete;

    // Takes every cassette of the catalogue afresh.
    void rebuild();
    // A cassette came, or its name, length or films changed.
    void changed(const Cassette* cassette);
    // A cassette is about to go: forgotten at once.
    void remove(const Cassette* cassette);

    // Every cassette on which a recording of lengthMinutes (in long-play when asked) fits, the one
    // with least left over first; cassettes with as much left follow one another in name order.
    std::vector<SpaceFit> fits(int lengthMinutes, bool longplay);

private:
    struct Entry
    {
        const Cassette* cassette;
        QCollatorSortKey key;
        int length;
        qint64 usedHalfMinutes;
        qint64 endMinutes;
    };
    Entry entryOf(const Cassette* cassette) const;
    static bool before(const Entry& a, const Entry& b);
    void settle();

    const Catalogue& catalogue_;
    QCollator collator_;
    std::vector<Entry> entries_; // in name order
    std::vector<const Cassette*> changed_;
    bool rebuildDue_ = false;
};

} // namespace catalogue
