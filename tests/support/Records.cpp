#include "Records.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"

#include <QFile>

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

FilmRecord* appendRecord(catalogue::Catalogue& catalogue, const FilmRecord& record)
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
    bool cursorLinked = catalogue.cursor() == nullptr;
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        ++count;
        cursorLinked = cursorLinked || r == catalogue.cursor();
        if (r->next && r->next->prev != r)
            return QStringLiteral("record %1: next does not point back").arg(count);
        if (!r->next && r != catalogue.tail())
            return QStringLiteral("the list ends at record %1, which is not the tail").arg(count);
    }
    if (count != catalogue.recordCount())
        return QStringLiteral("%1 records linked, recordCount says %2")
            .arg(count)
            .arg(catalogue.recordCount());
    if (!cursorLinked)
        return QStringLiteral("the cursor is not a record of the list");
    return {};
}

} // namespace testsupport
