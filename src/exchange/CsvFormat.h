#pragma once

#include <QStringList>

#include <initializer_list>
#include <vector>

class QTranslator;

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
// The header row in the language of translator, which need not be installed; the English names where
// it has none.
QStringList csvHeader(const QTranslator& translator);

// The header rows an import accepts: that of the current language first (its names are the ones its
// reasons give), then that of each translator given (null ones left out).
std::vector<QStringList> acceptedCsvHeaders(std::initializer_list<const QTranslator*> languages);

} // namespace exchange
