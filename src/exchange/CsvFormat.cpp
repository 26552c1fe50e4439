#include "exchange/CsvFormat.h"

#include <QCoreApplication>

namespace exchange {

namespace {

class CsvFormat final
{
    Q_DECLARE_TR_FUNCTIONS(CsvFormat)

public:
    static QStringList header()
    {
        return {tr("Cassette"), tr("Cassette length"), tr("Counter range"), tr("Title"),  tr("Year"),
                tr("Country"),  tr("Length"),          tr("Director"),      tr("Actors"), tr("Genre"),
                tr("Story"),    tr("Long-play"),       tr("Black/white"),   tr("Seen"),   tr("Deletable")};
    }
};

} // namespace

QStringList csvHeader()
{
    return CsvFormat::header();
}

} // namespace exchange
