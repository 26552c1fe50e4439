#include "exchange/CsvImport.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"
#include "exchange/Csv.h"
#include "exchange/CsvFormat.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

#include <array>
#include <cstring>
#include <optional>

using catalogue::FilmRecord;

namespace exchange {

namespace {

class CsvImport final
{
    Q_DECLARE_TR_FUNCTIONS(CsvImport)

public:
    CsvImport(const catalogue::Catalogue& catalogue, const std::vector<QStringList>& headerNames);
    ImportPlan plan(QStringView text);

private:
    // What the catalogue holds of a cassette, or what the plan holds of a new one.
    struct Cassette
    {
        int tapeLength = 0;
        qint64 usedHalfMinutes = 0;
        std::optional<std::size_t> planned; // its place in plan_.cassettes, once it has one
    };

    bool matchHeader(const CsvRecord& header);
    std::optional<QString> checkRow(const CsvRecord& row);
    std::optional<QString> checkFilm(const CsvRecord& row, FilmRecord& film) const;
    const QString& cell(const CsvRecord& row, CsvColumn column) const;
    std::optional<QString> encoded(const CsvRecord& row, CsvColumn column, int capacity, bool memo,
                                   QByteArray& bytes) const;
    std::optional<QString> number(const CsvRecord& row, CsvColumn column, const QString& reason,
                                  int& value) const;
    std::optional<QString> flag(const CsvRecord& row, CsvColumn column, quint8& value) const;

    std::vector<QStringList> headerNames_;
    QStringList shownNames_; // column names for the reasons, in the current language
    std::array<qsizetype, CsvColumnCount> index_{};
    qsizetype fieldCount_ = 0;

    ImportPlan plan_;
    QHash<QByteArray, Cassette> cassettes_;  // by stored name, byte for byte
    QHash<QString, QByteArray> foldedNames_; // letter case folded, to the stored name
};

std::optional<qint64> parseNumber(QStringView text)
{
    const QStringView digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// A memo cell as its record holds it. The export writes the record's text as it is, line breaks as
// CR LF, so CR LF and a lone CR (a record cut at its capacity may end with one) stay as they are; a
// lone LF, the line break of a file saved by a spreadsheet or an editor, becomes the record's CR LF.
QString recordLineBreaks(const QString& cell)
{
    if (!cell.contains(u'\n'))
        return cell;
    QString text;
    text.reserve(cell.size() + cell.count(u'\n'));
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] == u'\n' && (i == 0 || cell[i - 1] != u'\r'))
            text += u'\r';
        text += cell[i];
    }
    return text;
}

QByteArray nameBytes(const FilmRecord& r)
{
    const std::string_view bytes = catalogue::tapeNameBytes(r);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// Bytes already checked against the field's capacity, into a zeroed field.
template <std::size_t N> void store(catalogue::ShortString<N>& field, const QByteArray& bytes)
{
    field.length = quint8(bytes.size());
    std::memcpy(field.chars, bytes.constData(), std::size_t(bytes.size()));
}

template <std::size_t N> void store(char (&field)[N], const QByteArray& bytes)
{
    std::memcpy(field, bytes.constData(), std::size_t(bytes.size()));
}

CsvImport::CsvImport(const catalogue::Catalogue& catalogue, const std::vector<QStringList>& headerNames)
    : headerNames_(headerNames)
{
    shownNames_ = headerNames_.empty() ? csvHeader() : headerNames_.front();
    // Every cassette with the tape it has left, in one walk; its length is that of its first record,
    // as the film window counts it.
    for (const FilmRecord* r = catalogue.head(); r; r = r->next) {
        const QByteArray key = nameBytes(*r);
        auto it = cassettes_.find(key);
        if (it == cassettes_.end()) {
            it = cassettes_.insert(key, Cassette{r->tapeLength, 0, std::nullopt});
            foldedNames_.insert(catalogue::tapeNameText(*r).toCaseFolded(), key);
        }
        it->usedHalfMinutes += qint64{catalogue::timeFactor(*r)} * r->filmLength;
    }
}

ImportPlan CsvImport::plan(QStringView text)
{
    CsvReader reader(text);
    CsvRecord record;
    if (!reader.next(record)) {
        plan_.fileError = tr("The file holds no rows.");
        return std::move(plan_);
    }
    if (!matchHeader(record))
        return std::move(plan_);
    while (reader.next(record)) {
        if (std::optional<QString> reason = checkRow(record))
            plan_.skipped.push_back({record.line, std::move(*reason)});
    }
    return std::move(plan_);
}

bool CsvImport::matchHeader(const CsvRecord& header)
{
    fieldCount_ = header.fields.size();
    for (int column = 0; column < CsvColumnCount; ++column) {
        qsizetype& index = index_[std::size_t(column)];
        index = -1;
        for (qsizetype i = 0; i < header.fields.size() && index < 0; ++i) {
            const QString name = header.fields[i].trimmed();
            for (const QStringList& names : headerNames_) {
                if (column < names.size() && name.compare(names[column], Qt::CaseInsensitive) == 0) {
                    index = i;
                    break;
                }
            }
        }
        // The counter range follows from the lengths; it may be missing.
        if (index < 0 && column != ColumnCounterRange) {
            plan_.fileError =
                tr("The first row of the file names no column \"%1\"; it is no catalogue exported as CSV.")
                    .arg(shownNames_.value(column));
            return false;
        }
    }
    return true;
}

const QString& CsvImport::cell(const CsvRecord& row, CsvColumn column) const
{
    return row.fields[index_[std::size_t(column)]];
}

// The cell's text as the record will store it, or why it cannot be stored.
std::optional<QString> CsvImport::encoded(const CsvRecord& row, CsvColumn column, int capacity, bool memo,
                                          QByteArray& bytes) const
{
    const QString text = memo ? recordLineBreaks(cell(row, column)) : cell(row, column);
    bool exact = true;
    bytes = catalogue::cp1252::encode(text, &exact);
    if (!exact) {
        const QString kept = catalogue::cp1252::decode(bytes.constData(), bytes.size());
        qsizetype at = 0;
        while (at < text.size() && at < kept.size() && kept[at] == text[at])
            ++at;
        const qsizetype width = text[at].isHighSurrogate() ? 2 : 1;
        return tr("%1 holds a character that the archive cannot store: \"%2\".")
            .arg(shownNames_.value(column), text.mid(at, width));
    }
    if (bytes.size() > capacity) {
        return memo ? tr("%1 is longer than %2 characters (a line break counts as two).")
                          .arg(shownNames_.value(column))
                          .arg(capacity)
                    : tr("%1 is longer than %2 characters.").arg(shownNames_.value(column)).arg(capacity);
    }
    return std::nullopt;
}

std::optional<QString> CsvImport::number(const CsvRecord& row, CsvColumn column, const QString& reason,
                                         int& value) const
{
    const std::optional<qint64> parsed = parseNumber(cell(row, column));
    const bool valid = parsed && (column == ColumnYear ? catalogue::isValidYear(*parsed)
                                                       : catalogue::isValidLength(*parsed));
    if (!valid)
        return reason.arg(cell(row, column));
    value = int(*parsed);
    return std::nullopt;
}

std::optional<QString> CsvImport::flag(const CsvRecord& row, CsvColumn column, quint8& value) const
{
    const QStringView text = QStringView(cell(row, column)).trimmed();
    if (text.isEmpty() || text == u"0" || text == u"1") {
        value = text == u"1" ? 1 : 0;
        return std::nullopt;
    }
    return tr("%1 is \"%2\"; only 0 and 1 are allowed.").arg(shownNames_.value(column), cell(row, column));
}

// The film's fields in the film window's order: year, length; then what the fields can hold.
std::optional<QString> CsvImport::checkFilm(const CsvRecord& row, FilmRecord& film) const
{
    int year = 0;
    if (auto reason = number(row, ColumnYear, tr("The year \"%1\" is not a number from 1 to 65535."), year))
        return reason;
    film.year = quint16(year);
    int length = 0;
    if (auto reason =
            number(row, ColumnLength, tr("The length \"%1\" is not a number from 1 to 65535."), length))
        return reason;
    film.filmLength = quint16(length);

    QByteArray bytes;
    const auto text = [&](CsvColumn column, int capacity, bool memo) {
        return encoded(row, column, capacity, memo, bytes);
    };
    if (auto reason = text(ColumnTitle, catalogue::kTextCapacity, false))
        return reason;
    store(film.filmName, bytes);
    if (auto reason = text(ColumnCountry, catalogue::kTextCapacity, false))
        return reason;
    store(film.country, bytes);
    if (auto reason = text(ColumnDirector, catalogue::kTextCapacity, false))
        return reason;
    store(film.director, bytes);
    if (auto reason = text(ColumnActors, catalogue::kActorsCapacity, true))
        return reason;
    store(film.actors, bytes);
    if (auto reason = text(ColumnGenre, catalogue::kTextCapacity, false))
        return reason;
    store(film.genre, bytes);
    if (auto reason = text(ColumnStory, catalogue::kStoryCapacity, true))
        return reason;
    store(film.story, bytes);

    const std::pair<CsvColumn, quint8*> flags[] = {{ColumnLongplay, &film.longplay},
                                                   {ColumnBlackWhite, &film.blackWhite},
                                                   {ColumnSeen, &film.seen},
                                                   {ColumnDeletable, &film.deletable}};
    for (const auto& [column, value] : flags) {
        if (auto reason = flag(row, column, *value))
            return reason;
    }
    return std::nullopt;
}

std::optional<QString> CsvImport::checkRow(const CsvRecord& row)
{
    if (row.unclosedQuote)
        return tr("A quoted field is not closed before the end of the file.");
    if (row.fields.size() != fieldCount_)
        return tr("The row has %1 fields; the first row has %2.").arg(row.fields.size()).arg(fieldCount_);

    // The cassette: found by its exact name, else created.
    if (cell(row, ColumnCassette).isEmpty())
        return tr("The cassette name is empty.");
    QByteArray key;
    if (auto reason = encoded(row, ColumnCassette, catalogue::kTapeNameCapacity, false, key))
        return reason;
    const QString& name = cell(row, ColumnCassette);
    auto cassette = cassettes_.find(key);
    const bool isNew = cassette == cassettes_.end();
    int tapeLength = isNew ? 0 : cassette->tapeLength;
    if (isNew) {
        // The main window shows names that differ in letter case only as one cassette.
        const auto taken = foldedNames_.constFind(name.toCaseFolded());
        if (taken != foldedNames_.constEnd()) {
            return tr("The name differs from the cassette \"%1\" in letter case only.")
                .arg(catalogue::cp1252::decode(taken->constData(), taken->size()));
        }
        if (auto reason =
                number(row, ColumnCassetteLength,
                       tr("The cassette length \"%1\" is not a number from 1 to 65535."), tapeLength))
            return reason;
    }

    // A row without any film field stands for its cassette alone.
    bool filmless = true;
    for (int column = ColumnTitle; column < CsvColumnCount && filmless; ++column)
        filmless = QStringView(cell(row, CsvColumn(column))).trimmed().isEmpty();

    std::unique_ptr<FilmRecord> film;
    if (!filmless) {
        film = catalogue::Catalogue::newRecord();
        if (auto reason = checkFilm(row, *film))
            return reason;
        // The films planned before this one take their room first.
        const qint64 used = isNew ? 0 : cassette->usedHalfMinutes;
        if (!catalogue::filmFits(tapeLength, used, film->filmLength, film->longplay != 0)) {
            return tr("The film (%1 min.) does not fit on the cassette \"%2\": %3 min. left.")
                .arg(film->filmLength)
                .arg(name)
                .arg(catalogue::remainingMinutes(tapeLength, used));
        }
    }

    // Accepted: the cassette takes its place in the plan, the film its room on the tape.
    if (isNew) {
        cassette = cassettes_.insert(key, Cassette{tapeLength, 0, plan_.cassettes.size()});
        foldedNames_.insert(name.toCaseFolded(), key);
        plan_.cassettes.push_back({name, tapeLength, true, {}});
    }
    if (!film)
        return std::nullopt;
    if (!cassette->planned) {
        cassette->planned = plan_.cassettes.size();
        plan_.cassettes.push_back({name, tapeLength, false, {}});
    }
    store(film->tapeName, key);
    film->tapeLength = quint16(tapeLength);
    cassette->usedHalfMinutes += qint64{catalogue::timeFactor(*film)} * film->filmLength;
    plan_.cassettes[*cassette->planned].films.push_back({row.line, std::move(film)});
    return std::nullopt;
}

} // namespace

int ImportPlan::newCassetteCount() const
{
    int count = 0;
    for (const PlannedCassette& cassette : cassettes)
        count += cassette.isNew ? 1 : 0;
    return count;
}

int ImportPlan::filmCount() const
{
    int count = 0;
    for (const PlannedCassette& cassette : cassettes)
        count += int(cassette.films.size());
    return count;
}

QString decodeCsvFile(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return catalogue::cp1252::decode(bytes.constData(), bytes.size());
}

ImportPlan planImport(const catalogue::Catalogue& catalogue, QStringView text,
                      const std::vector<QStringList>& headerNames)
{
    return CsvImport(catalogue, headerNames).plan(text);
}

void applyImport(catalogue::Catalogue& catalogue, ImportPlan plan)
{
    // The last record of every cassette that gets films, in one walk: they go behind it.
    QHash<QByteArray, FilmRecord*> lastRecord;
    for (const PlannedCassette& cassette : plan.cassettes) {
        if (!cassette.isNew)
            lastRecord.insert(catalogue::cp1252::encode(cassette.name), nullptr);
    }
    if (!lastRecord.isEmpty()) {
        for (FilmRecord* r = catalogue.head(); r; r = r->next) {
            const auto it = lastRecord.find(nameBytes(*r));
            if (it != lastRecord.end())
                *it = r;
        }
    }

    qint32 added = 0;
    for (PlannedCassette& cassette : plan.cassettes) {
        FilmRecord* last = nullptr;
        if (cassette.isNew) {
            if (cassette.films.empty()) {
                auto placeholder = catalogue::Catalogue::newRecord();
                catalogue::setText(placeholder->tapeName, cassette.name);
                placeholder->tapeLength = quint16(cassette.length);
                catalogue.appendRecord(std::move(placeholder));
            }
        } else {
            last = lastRecord.value(catalogue::cp1252::encode(cassette.name));
            if (!last)
                continue; // the cassette has gone since the plan was made
        }
        for (ImportedFilm& film : cassette.films) {
            if (last && last->isPlaceholder()) {
                // An empty cassette's placeholder takes its first film, as in the film window.
                FilmRecord* const prev = last->prev;
                FilmRecord* const next = last->next;
                *last = *film.record;
                last->prev = prev;
                last->next = next;
            } else {
                last = last ? catalogue.insertAfterCassette(last, std::move(film.record))
                            : catalogue.appendRecord(std::move(film.record));
            }
            ++added;
        }
    }
    catalogue.setFilmTotal(catalogue.filmTotal() + added);
}

} // namespace exchange
