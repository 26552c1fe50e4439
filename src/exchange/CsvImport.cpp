#include "exchange/CsvImport.h"

#include "exchange/Csv.h"
#include "exchange/CsvFormat.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

#include <array>
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
    QString cell(const CsvRecord& row, CsvColumn column) const;
    std::optional<QString> storedText(const QString& value, CsvColumn column, int capacity, bool memo,
                                      QString& stored) const;
    std::optional<QString> number(const CsvRecord& row, CsvColumn column, const QString& reason,
                                  int& value) const;
    std::optional<QString> flag(const CsvRecord& row, CsvColumn column, bool& value) const;

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

QByteArray nameBytes(const FilmRecord& r)
{
    return QByteArray(r.tapeName.chars, qMin<int>(r.tapeName.length, int(sizeof r.tapeName.chars)));
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
    const std::vector<CsvRecord> records = readCsv(text);
    if (records.empty()) {
        plan_.fileError = tr("The file holds no rows.");
        return std::move(plan_);
    }
    if (!matchHeader(records.front()))
        return std::move(plan_);
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (const std::optional<QString> reason = checkRow(records[i]))
            plan_.skipped.push_back({records[i].line, *reason});
    }
    return std::move(plan_);
}

bool CsvImport::matchHeader(const CsvRecord& header)
{
    fieldCount_ = header.fields.size();
    for (int column = 0; column < CsvColumnCount; ++column) {
        index_[std::size_t(column)] = -1;
        for (qsizetype i = 0; i < header.fields.size() && index_[std::size_t(column)] < 0; ++i) {
            const QString name = header.fields[i].trimmed();
            for (const QStringList& names : headerNames_) {
                if (column < names.size() && name.compare(names[column], Qt::CaseInsensitive) == 0) {
                    index_[std::size_t(column)] = i;
                    break;
                }
            }
        }
        // The counter range follows from the lengths; it may be missing.
        if (index_[std::size_t(column)] < 0 && column != ColumnCounterRange) {
            plan_.fileError =
                tr("The first row of the file names no column \"%1\"; it is no catalogue exported "
                   "as CSV.")
                    .arg(shownNames_.value(column));
            return false;
        }
    }
    return true;
}

QString CsvImport::cell(const CsvRecord& row, CsvColumn column) const
{
    return row.fields[index_[std::size_t(column)]];
}

// The text as the record will store it, or why it cannot be stored.
std::optional<QString> CsvImport::storedText(const QString& value, CsvColumn column, int capacity, bool memo,
                                             QString& stored) const
{
    stored = memo ? catalogue::memoToRecord(catalogue::memoFromRecord(value)) : value;
    bool exact = true;
    const QByteArray bytes = catalogue::cp1252::encode(stored, &exact);
    if (!exact) {
        const QString kept = catalogue::cp1252::decode(bytes.constData(), bytes.size());
        qsizetype at = 0;
        while (at < stored.size() && at < kept.size() && kept[at] == stored[at])
            ++at;
        const qsizetype width = stored[at].isHighSurrogate() ? 2 : 1;
        return tr("%1 holds a character that the archive cannot store: \"%2\".")
            .arg(shownNames_.value(column), stored.mid(at, width));
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

std::optional<QString> CsvImport::flag(const CsvRecord& row, CsvColumn column, bool& value) const
{
    const QString text = cell(row, column).trimmed();
    if (text.isEmpty() || text == u"0" || text == u"1") {
        value = text == u"1";
        return std::nullopt;
    }
    return tr("%1 is \"%2\"; only 0 and 1 are allowed.").arg(shownNames_.value(column), cell(row, column));
}

std::optional<QString> CsvImport::checkRow(const CsvRecord& row)
{
    if (row.unclosedQuote)
        return tr("A quoted field is not closed before the end of the file.");
    if (row.fields.size() != fieldCount_)
        return tr("The row has %1 fields; the first row has %2.").arg(row.fields.size()).arg(fieldCount_);

    // The cassette: found by its exact name, else created.
    QString name;
    if (cell(row, ColumnCassette).isEmpty())
        return tr("The cassette name is empty.");
    if (auto reason =
            storedText(cell(row, ColumnCassette), ColumnCassette, catalogue::kTapeNameCapacity, false, name))
        return reason;
    const QByteArray key = catalogue::cp1252::encode(name);
    auto cassette = cassettes_.find(key);
    if (cassette == cassettes_.end()) {
        // The main window shows names that differ in letter case only as one cassette.
        const auto taken = foldedNames_.constFind(name.toCaseFolded());
        if (taken != foldedNames_.constEnd()) {
            return tr("There is already a cassette \"%1\"; names may not differ in letter case only.")
                .arg(catalogue::cp1252::decode(taken->constData(), taken->size()));
        }
    }
    int tapeLength = cassette == cassettes_.end() ? 0 : cassette->tapeLength;
    if (cassette == cassettes_.end()) {
        if (auto reason =
                number(row, ColumnCassetteLength,
                       tr("The cassette length \"%1\" is not a number from 1 to 65535."), tapeLength))
            return reason;
    }

    // A row without any film field stands for its cassette alone.
    bool filmless = true;
    for (int column = ColumnTitle; column < CsvColumnCount && filmless; ++column)
        filmless = cell(row, CsvColumn(column)).trimmed().isEmpty();

    ImportedFilm film;
    film.line = row.line;
    if (!filmless) {
        // The film window's order: year, length, room on the tape; then what the fields can hold.
        if (auto reason =
                number(row, ColumnYear, tr("The year \"%1\" is not a number from 1 to 65535."), film.year))
            return reason;
        if (auto reason = number(row, ColumnLength, tr("The length \"%1\" is not a number from 1 to 65535."),
                                 film.length))
            return reason;
        const struct
        {
            CsvColumn column;
            int capacity;
            bool memo;
            QString* stored;
        } texts[] = {
            {ColumnTitle, catalogue::kTextCapacity, false, &film.title},
            {ColumnCountry, catalogue::kTextCapacity, false, &film.country},
            {ColumnDirector, catalogue::kTextCapacity, false, &film.director},
            {ColumnActors, catalogue::kActorsCapacity, true, &film.actors},
            {ColumnGenre, catalogue::kTextCapacity, false, &film.genre},
            {ColumnStory, catalogue::kStoryCapacity, true, &film.story},
        };
        for (const auto& text : texts) {
            if (auto reason =
                    storedText(cell(row, text.column), text.column, text.capacity, text.memo, *text.stored))
                return reason;
        }
        const std::pair<CsvColumn, bool*> flags[] = {{ColumnLongplay, &film.longplay},
                                                     {ColumnBlackWhite, &film.blackWhite},
                                                     {ColumnSeen, &film.seen},
                                                     {ColumnDeletable, &film.deletable}};
        for (const auto& [column, value] : flags) {
            if (auto reason = flag(row, column, *value))
                return reason;
        }
        // The films planned before this one take their room first.
        const qint64 used = cassette == cassettes_.end() ? 0 : cassette->usedHalfMinutes;
        if (!catalogue::filmFits(tapeLength, used, film.length, film.longplay)) {
            return tr("The film (%1 min.) does not fit on the cassette \"%2\": %3 min. left.")
                .arg(film.length)
                .arg(name)
                .arg(catalogue::remainingMinutes(tapeLength, used));
        }
    }

    // Accepted: the cassette takes its place in the plan, the film its room on the tape.
    if (cassette == cassettes_.end()) {
        cassette = cassettes_.insert(key, Cassette{tapeLength, 0, std::nullopt});
        foldedNames_.insert(name.toCaseFolded(), key);
        cassette->planned = plan_.cassettes.size();
        plan_.cassettes.push_back({name, tapeLength, true, {}});
    }
    if (filmless)
        return std::nullopt;
    if (!cassette->planned) {
        cassette->planned = plan_.cassettes.size();
        plan_.cassettes.push_back({name, tapeLength, false, {}});
    }
    cassette->usedHalfMinutes += qint64(film.length) * (film.longplay ? 1 : 2);
    plan_.cassettes[*cassette->planned].films.push_back(std::move(film));
    return std::nullopt;
}

void storeFilm(FilmRecord& r, const ImportedFilm& film)
{
    catalogue::setText(r.filmName, film.title);
    r.year = quint16(film.year);
    catalogue::setText(r.country, film.country);
    r.filmLength = quint16(film.length);
    catalogue::setText(r.director, film.director);
    catalogue::setText(r.actors, film.actors);
    catalogue::setText(r.genre, film.genre);
    catalogue::setText(r.story, film.story);
    r.longplay = film.longplay ? 1 : 0;
    r.blackWhite = film.blackWhite ? 1 : 0;
    r.seen = film.seen ? 1 : 0;
    r.deletable = film.deletable ? 1 : 0;
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

void applyImport(catalogue::Catalogue& catalogue, const ImportPlan& plan)
{
    // The last record of every cassette that gets films, in one walk: they go behind it.
    QHash<QByteArray, FilmRecord*> lastRecord;
    for (const PlannedCassette& cassette : plan.cassettes) {
        if (!cassette.isNew)
            lastRecord.insert(catalogue::cp1252::encode(cassette.name), nullptr);
    }
    for (FilmRecord* r = catalogue.head(); r && !lastRecord.isEmpty(); r = r->next) {
        const auto it = lastRecord.find(nameBytes(*r));
        if (it != lastRecord.end())
            *it = r;
    }

    qint32 added = 0;
    for (const PlannedCassette& cassette : plan.cassettes) {
        FilmRecord* last =
            cassette.isNew ? nullptr : lastRecord.value(catalogue::cp1252::encode(cassette.name));
        if (!cassette.isNew && !last)
            continue; // the catalogue has changed since the plan: the cassette is gone
        auto record = [&] {
            auto r = catalogue::Catalogue::newRecord();
            if (last) {
                r->tapeName = last->tapeName;
            } else {
                catalogue::setText(r->tapeName, cassette.name);
            }
            r->tapeLength = quint16(cassette.length);
            return r;
        };
        if (cassette.isNew && cassette.films.empty())
            catalogue.appendRecord(record());
        for (const ImportedFilm& film : cassette.films) {
            // An empty cassette's placeholder takes its first film, as in the film window.
            if (!last || !last->isPlaceholder())
                last =
                    last ? catalogue.insertAfterCassette(last, record()) : catalogue.appendRecord(record());
            storeFilm(*last, film);
            ++added;
        }
    }
    catalogue.setFilmTotal(catalogue.filmTotal() + added);
}

} // namespace exchange
