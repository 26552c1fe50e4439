#pragma once

#include <QStringList>

// The columns of the catalogue's CSV file, in the order the export writes them.
namespace exchange {

enum CsvColumn
{
    ColumnCassette,
    ColumnCassetteLength,
    ColumnCounterRange,
    ColumnTitle,
    ColumnYear,
    ColumnCountry,
    ColumnLength,
    ColumnDirector,
    ColumnActors,
    ColumnGenre,
    ColumnStory,
    ColumnLongplay,
    ColumnBlackWhite,
    ColumnSeen,
    ColumnDeletable,
    CsvColumnCount
};

// The header row in the current language.
QStringList csvHeader();

} // namespace exchange
