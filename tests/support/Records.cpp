#include "Records.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"

#include <QFile>

#include <algorithm>

namespace testsupport {

using catalogue::FilmRecord;

FilmRecord makeRecord(const QString& tapeName, int tapeLength, const QString& filmName, int filmLength,
                      quint8 longplay)
{
    FilmRecord r{};
    catalogue::setText(r.tapeName, tapeName);
    r.tapeLength = static_cast<quint16>(tapeLength);
    catalogue::setText(r.filmName, filmName);
    r.filmLength = static_cast<quint16>(filmLength);
    r.longplay = longplay;
    return r;
}

const FilmRecord* appendRecord(catalogue::Catalogue& catalogue, const FilmRecord& record)
{
    auto copy = catalogue::Catalogue::newRecord();
    *copy = record;
    return catalogue.appendRecord(std::move(copy));
}

QByteArray recordImage(const FilmRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), catalogue::kRecordSize);
}

bool writeArchive(const QString& path, const std::vector<FilmRecord>& records)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (const FilmRecord& r : records) {
        if (file.write(recordImage(r)) != static_cast<qint64>(catalogue::kRecordSize))
            return false;
    }
    return file.flush();
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString listFault(const catalogue::Catalogue& catalogue)
{
    if ((catalogue.head() == nullptr) != (catalogue.tail() == nullptr))
        return QStringLiteral("only one of head and tail is set");
    if (catalogue.head() && catalogue.head()->prev)
        return QStringLiteral("head has a predecessor");
    qsizetype count = 0;
    qint32 films = 0;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        ++count;
        films += r->isPlaceholder() ? 0 : 1;
        const catalogue::Cassette* cassette = catalogue.cassetteOf(*r);
        if (!cassette ||
            std::find(cassette->records().begin(), cassette->records().end(), r) == cassette->records().end())
            return QStringLiteral("record %1 is not filed under its cassette").arg(count);
        if (r->next && r->next->prev != r)
            return QStringLiteral("record %1: next does not point back").arg(count);
        if (!r->next && r != catalogue.tail())
            return QStringLiteral("the list ends at record %1, which is not the tail").arg(count);
    }
    if (count != catalogue.recordCount())
        return QStringLiteral("%1 records linked, recordCount says %2")
            .arg(count)
            .arg(catalogue.recordCount());
    if (films != catalogue.filmTotal())
        return QStringLiteral("%1 films linked, filmTotal says %2").arg(films).arg(catalogue.filmTotal());
    // Each cassette: its records in list order, its counts a fresh recount.
    qsizetype filed = 0;
    for (const catalogue::Cassette* cassette : catalogue.cassettes()) {
        const auto records = cassette->records();
        if (records.empty())
            return QStringLiteral("the cassette %1 has no record").arg(cassette->name());
        int filmCount = 0;
        qint64 used = 0;
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (catalogue::tapeNameBytes(*records[i]) != cassette->nameBytes())
                return QStringLiteral("the cassette %1 holds a record of another name").arg(cassette->name());
            bool behind = i == 0;
            for (const FilmRecord* x = records[i]->prev; x && !behind; x = x->prev)
                behind = x == records[i - 1];
            if (!behind)
                return QStringLiteral("the records of %1 are out of list order").arg(cassette->name());
            filmCount += records[i]->isPlaceholder() ? 0 : 1;
            used += qint64{catalogue::timeFactor(*records[i])} * records[i]->filmLength;
        }
        if (filmCount != cassette->filmCount() || used != cassette->usedHalfMinutes())
            return QStringLiteral("the counts of %1 are not those of its records").arg(cassette->name());
        filed += qsizetype(records.size());
    }
    if (filed != count)
        return QStringLiteral("%1 records filed under cassettes, %2 linked").arg(filed).arg(count);
    return {};
}

} // namespace testsupport
