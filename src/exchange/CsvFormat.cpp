#include "exchange/CsvFormat.h"

#include <QCoreApplication>
#include <QTranslator>

#include <iterator>

namespace exchange {

namespace {

// The column names, in English, as the code writes them; marked for the translation tools.
constexpr const char* kColumnNames[] = {
    QT_TRANSLATE_NOOP("CsvFormat", "Cassette"),      QT_TRANSLATE_NOOP("CsvFormat", "Cassette length"),
    QT_TRANSLATE_NOOP("CsvFormat", "Counter range"), QT_TRANSLATE_NOOP("CsvFormat", "Title"),
    QT_TRANSLATE_NOOP("CsvFormat", "Year"),          QT_TRANSLATE_NOOP("CsvFormat", "Country"),
    QT_TRANSLATE_NOOP("CsvFormat", "Length"),        QT_TRANSLATE_NOOP("CsvFormat", "Director"),
    QT_TRANSLATE_NOOP("CsvFormat", "Actors"),        QT_TRANSLATE_NOOP("CsvFormat", "Genre"),
    QT_TRANSLATE_NOOP("CsvFormat", "Story"),         QT_TRANSLATE_NOOP("CsvFormat", "Long-play"),
    QT_TRANSLATE_NOOP("CsvFormat", "Black/white"),   QT_TRANSLATE_NOOP("CsvFormat", "Seen"),
    QT_TRANSLATE_NOOP("CsvFormat", "Deletable"),
};
static_assert(std::size(kColumnNames) == CsvColumnCount);

} // namespace

QStringList csvHeader()
{
    QStringList names;
    for (const char* name : kColumnNames)
        names.append(QCoreApplication::translate("CsvFormat", name));
    return names;
}

QStringList csvHeader(const QTranslator& translator)
{
    QStringList names;
    for (const char* name : kColumnNames) {
        const QString translated = translator.translate("CsvFormat", name);
        names.append(translated.isEmpty() ? QString::fromLatin1(name) : translated);
    }
    return names;
}

std::vector<QStringList> acceptedCsvHeaders(std::initializer_list<const QTranslator*> languages)
{
    std::vector<QStringList> headers{csvHeader()};
    for (const QTranslator* translator : languages) {
        if (translator)
            headers.push_back(csvHeader(*translator));
    }
    return headers;
}

} // namespace exchange
