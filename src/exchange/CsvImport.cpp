#include "exchange/CsvImport.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"
#include "exchange/Csv.h"
#include "exchange/CsvFormat.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <optional>

using catalogue::FilmRecord;

namespace exchange {

namespace {

// Rows read between two reports of progress.
constexpr int kProgressStep = 512;

class CsvImport final
{
    Q_DECLARE_TR_FUNCTIONS(CsvImport)

public:
    CsvImport(const catalogue::Catalogue& catalogue, const std::vector<QStringList>& headerNames);
    std::optional<ImportPlan> plan(const CsvText& file, const catalogue::Progress& progress);

private:
    // What the catalogue holds of a cassette, or what the plan holds of a new one.
    struct Cassette
    {
        int tapeLength = 0;
        qint64 usedHalfMinutes = 0;
        std::optional<std::size_t> planned; // its place in plan_.cassettes, once it has one
    };

    // How well a first row, read with one separator, names the columns.
    struct HeaderMatch
    {
        QChar separator;
        qsizetype fields = 0;
        int named = 0;         // columns found
        int firstMissing = -1; // the first column not found that must be there
        int twice = -1;        // the first column named twice, and the two cells naming it
        std::pair<qsizetype, qsizetype> twiceAt{};
    };

    std::optional<CsvReader> readHeader(QStringView text);
    HeaderMatch matchHeader(const CsvRecord& header, QChar separator);
    int columnNamed(const QString& name) const;
    QString headerError(const HeaderMatch& best) const;
    std::optional<QString> checkRow(const CsvRecord& row);
    std::optional<QString> checkBytes(const CsvRecord& row);
    std::optional<QString> checkFilm(const CsvRecord& row, FilmRecord& film) const;
    const QString& cell(const CsvRecord& row, CsvColumn column) const;
    QString textCell(const CsvRecord& row, CsvColumn column) const;
    std::optional<QString> encoded(const CsvRecord& row, CsvColumn column, int capacity, bool memo,
                                   QByteArray& bytes) const;
    std::optional<QString> number(const CsvRecord& row, CsvColumn column, const QString& reason,
                                  int& value) const;
    std::optional<QString> flag(const CsvRecord& row, CsvColumn column, quint8& value) const;

    std::vector<QStringList> headerNames_;
    QStringList shownNames_; // column names for the reasons, in the current language
    std::array<qsizetype, CsvColumnCount> index_{};
    qsizetype fieldCount_ = 0;
    const std::vector<CsvText::BadByte>* badBytes_ = nullptr;
    std::size_t nextBadByte_ = 0; // the first bad byte not behind the rows read so far

    ImportPlan plan_;
    QHash<QByteArray, Cassette> cassettes_; // by stored name, byte for byte
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
    // Every cassette with the tape it has left, as the catalogue counts it.
    cassettes_.reserve(qsizetype(catalogue.cassettes().size()));
    for (const catalogue::Cassette* cassette : catalogue.cassettes()) {
        const std::string_view name = cassette->nameBytes();
        cassettes_.insert(QByteArray(name.data(), qsizetype(name.size())),
                          Cassette{cassette->length(), cassette->usedHalfMinutes(), std::nullopt});
    }
}

std::optional<ImportPlan> CsvImport::plan(const CsvText& file, const catalogue::Progress& progress)
{
    plan_.encoding = file.encoding;
    badBytes_ = &file.badBytes;
    std::optional<CsvReader> reader = readHeader(file.text);
    if (!reader)
        return std::move(plan_);
    CsvRecord record;
    for (int rows = 0; reader->next(record); ++rows) {
        if (rows % kProgressStep == 0 && !progress.advance(record.begin, file.text.size()))
            return std::nullopt;
        if (std::optional<QString> reason = checkRow(record))
            plan_.skipped.push_back({record.line, std::move(*reason)});
    }
    for (const Cassette& cassette : std::as_const(cassettes_)) {
        if (cassette.planned)
            plan_.cassettes[*cassette.planned].usedHalfMinutes = cassette.usedHalfMinutes;
    }
    if (!progress.report(1))
        return std::nullopt;
    return std::move(plan_);
}

// The reader, past the first row, with the separator that makes the first row name every column.
std::optional<CsvReader> CsvImport::readHeader(QStringView text)
{
    HeaderMatch best;
    for (const QChar separator : {u',', u';', u'\t'}) {
        CsvReader reader(text, separator);
        CsvRecord header;
        if (!reader.next(header)) {
            plan_.fileError = tr("The file holds no rows.");
            return std::nullopt;
        }
        const HeaderMatch match = matchHeader(header, separator);
        // Which of the two cells would the rows fill? Neither is taken at a guess.
        if (match.firstMissing < 0 && match.twice >= 0) {
            plan_.fileError =
                tr("Columns %1 and %2 of the first row both name the column \"%3\"; each column "
                   "may be named only once.")
                    .arg(match.twiceAt.first + 1)
                    .arg(match.twiceAt.second + 1)
                    .arg(shownNames_.value(match.twice));
            return std::nullopt;
        }
        if (match.firstMissing < 0)
            return reader;
        if (match.named > best.named || (match.named == best.named && match.fields > best.fields))
            best = match;
    }
    plan_.fileError = headerError(best);
    return std::nullopt;
}

CsvImport::HeaderMatch CsvImport::matchHeader(const CsvRecord& header, QChar separator)
{
    HeaderMatch match{separator, header.fields.size()};
    fieldCount_ = header.fields.size();
    index_.fill(-1);
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const int column = columnNamed(header.fields[i].trimmed());
        if (column < 0)
            continue;
        qsizetype& index = index_[std::size_t(column)];
        if (index < 0) {
            index = i;
            ++match.named;
        } else if (match.twice < 0) {
            match.twice = column;
            match.twiceAt = {index, i};
        }
    }
    for (int column = 0; column < CsvColumnCount && match.firstMissing < 0; ++column) {
        // The counter range follows from the lengths; it may be missing.
        if (index_[std::size_t(column)] < 0 && column != ColumnCounterRange)
            match.firstMissing = column;
    }
    return match;
}

// The column that name names in any language, else -1.
int CsvImport::columnNamed(const QString& name) const
{
    for (const QStringList& names : headerNames_) {
        for (int column = 0; column < CsvColumnCount && column < names.size(); ++column) {
            if (name.compare(names[column], Qt::CaseInsensitive) == 0)
                return column;
        }
    }
    return -1;
}

// Names the columns wanted, and the separator the row seems to use: the one that finds the most
// names, else the one that splits it into the most fields.
QString CsvImport::headerError(const HeaderMatch& best) const
{
    const QString expected = shownNames_.join(u", ");
    if (best.fields < 2) {
        return tr("The first row of the file is not the header row of a catalogue exported as CSV: no comma, "
                  "semicolon or tab separates its columns. The columns expected are: %1.")
            .arg(expected);
    }
    const QString separator = best.separator == u','   ? tr("commas")
                              : best.separator == u';' ? tr("semicolons")
                                                       : tr("tabs");
    return tr("The first row of the file is not the header row of a catalogue exported as CSV: separated by "
              "%1, it names no column \"%2\". The columns expected are: %3.")
        .arg(separator, shownNames_.value(best.firstMissing), expected);
}

const QString& CsvImport::cell(const CsvRecord& row, CsvColumn column) const
{
    return row.fields[index_[std::size_t(column)]];
}

// A text cell without the one text mark the export puts before a text that needs it.
QString CsvImport::textCell(const CsvRecord& row, CsvColumn column) const
{
    const QString& text = cell(row, column);
    return text.startsWith(kTextMark) ? text.sliced(1) : text;
}

// The text cell as the record will store it, or why it cannot be stored. A control character stands in
// the cell as the export shows it (see shownControl()); one standing there as it is was not written by
// the export and is refused, as the film window lets no one type it; a memo keeps its line breaks.
std::optional<QString> CsvImport::encoded(const CsvRecord& row, CsvColumn column, int capacity, bool memo,
                                          QByteArray& bytes) const
{
    const QString cellText = memo ? recordLineBreaks(textCell(row, column)) : textCell(row, column);
    const auto controlCharacter = [&](char16_t u) {
        return tr("%1 holds the control character U+%2.")
            .arg(shownNames_.value(column),
                 QStringLiteral("%1").arg(int(u), 4, 16, QLatin1Char('0')).toUpper());
    };
    for (const QChar c : cellText) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && (u < 0x7F || u >= 0xA0))
            continue;
        if (u == u'\r' || u == u'\n') {
            if (memo)
                continue;
            return tr("%1 holds a line break.").arg(shownNames_.value(column));
        }
        return controlCharacter(u);
    }
    const QString text = restoreControls(cellText);
    // A memo ends at its first NUL: it has no room for one inside.
    if (memo && text.contains(QChar(0)))
        return controlCharacter(0);
    bool exact = true;
    bytes = catalogue::cp1252::encode(text, &exact);
    if (!exact) {
        const QString kept = catalogue::cp1252::decode(bytes.constData(), bytes.size());
        qsizetype at = 0;
        while (at < text.size() && at < kept.size() && kept[at] == text[at])
            ++at;
        const qsizetype width = text[at].isHighSurrogate() ? 2 : 1;
        return tr("%1 holds a character that the archive cannot store: \"%2\".")
            .arg(shownNames_.value(column), showControls(text.mid(at, width)));
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
    // A film takes at least a minute, or it would be a placeholder. A year of 0 is no year, and a cassette
    // of length 0 one not measured yet: old archives hold both, and the export writes them so.
    const bool valid = parsed && (column == ColumnLength ? catalogue::isValidLength(*parsed)
                                                         : *parsed <= catalogue::kLargestNumber);
    if (!valid)
        return reason.arg(showControls(cell(row, column)), QString::number(catalogue::kLargestNumber));
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
    return tr("%1 is \"%2\"; only 0 and 1 are allowed.")
        .arg(shownNames_.value(column), showControls(cell(row, column)));
}

// The film's fields in the film window's order: year, length; then what the fields can hold.
std::optional<QString> CsvImport::checkFilm(const CsvRecord& row, FilmRecord& film) const
{
    int year = 0;
    if (auto reason = number(row, ColumnYear, tr("The year \"%1\" is not a number from 0 to %2."), year))
        return reason;
    film.year = quint16(year);
    int length = 0;
    if (auto reason =
            number(row, ColumnLength, tr("The length \"%1\" is not a number from 1 to %2."), length))
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

// A byte of the file that is no UTF-8, in a file read as UTF-8, skips its row: its U+FFFD stands
// for a character the file meant but did not say.
std::optional<QString> CsvImport::checkBytes(const CsvRecord& row)
{
    const std::vector<CsvText::BadByte>& bad = *badBytes_;
    while (nextBadByte_ < bad.size() && bad[nextBadByte_].at < row.begin)
        ++nextBadByte_;
    if (nextBadByte_ == bad.size() || bad[nextBadByte_].at >= row.end)
        return std::nullopt;
    const CsvText::BadByte& byte = bad[nextBadByte_];
    const QString value = QStringLiteral("%1").arg(int(byte.value), 2, 16, QLatin1Char('0')).toUpper();
    const auto field = std::upper_bound(row.fieldStarts.begin(), row.fieldStarts.end(), byte.at) -
                       row.fieldStarts.begin() - 1;
    const auto column = std::find(index_.begin(), index_.end(), field);
    const bool inColumn = row.fields.size() == fieldCount_ && column != index_.end();
    const QString columnName = inColumn ? shownNames_.value(int(column - index_.begin())) : QString();
    if (plan_.encoding != CsvEncoding::Utf8) {
        const QString units =
            QStringLiteral("%1").arg(byte.value, 2 * byte.size, 16, QLatin1Char('0')).toUpper();
        return inColumn ? tr("%1 holds 0x%2, which is not valid %3.")
                              .arg(columnName, units, encodingName(plan_.encoding))
                        : tr("The row holds 0x%1, which is not valid %2.")
                              .arg(units, encodingName(plan_.encoding));
    }
    if (!inColumn)
        return tr("The row holds the byte 0x%1, which is not valid UTF-8.").arg(value);
    return tr("%1 holds the byte 0x%2, which is not valid UTF-8.").arg(columnName, value);
}

std::optional<QString> CsvImport::checkRow(const CsvRecord& row)
{
    if (row.unclosedQuoteLine > 0) {
        return tr("The quoted field opened on line %1 is never closed: the file from line %1 on was not "
                  "read.")
            .arg(row.unclosedQuoteLine);
    }
    if (auto reason = checkBytes(row))
        return reason;
    if (row.fields.size() != fieldCount_)
        return tr("The row has %1 fields; the first row has %2.").arg(row.fields.size()).arg(fieldCount_);

    if (std::all_of(row.fields.begin(), row.fields.end(),
                    [](const QString& field) { return field.isEmpty(); }))
        return tr("The row holds no value.");
    // The cassette: found by its exact name, blanks and all (an archive may hold an empty one), else
    // created.
    QByteArray key;
    if (auto reason = encoded(row, ColumnCassette, catalogue::kTapeNameCapacity, false, key))
        return reason;
    const QString name = catalogue::cp1252::decode(key.constData(), key.size());
    auto cassette = cassettes_.find(key);
    const bool isNew = cassette == cassettes_.end();
    int tapeLength = isNew ? 0 : cassette->tapeLength;
    // A name that differs from another in letter case only is a cassette of its own, as in the archive.
    if (isNew) {
        if (auto reason = number(row, ColumnCassetteLength,
                                 tr("The cassette length \"%1\" is not a number from 0 to %2."), tapeLength))
            return reason;
    }

    // A row without any film field stands for its cassette alone.
    bool filmless = true;
    for (int column = ColumnTitle; column < CsvColumnCount && filmless; ++column)
        filmless = QStringView(cell(row, CsvColumn(column))).trimmed().isEmpty();

    std::unique_ptr<FilmRecord> film;
    if (!filmless) {
        film = catalogue::Catalogue::newRecord();
        // A film is taken also where it makes its cassette over-full: the archive holds such cassettes
        // (a length changed later, a long-play flag taken off), and the summary names them.
        if (auto reason = checkFilm(row, *film))
            return reason;
    }

    // Accepted: the cassette takes its place in the plan, the film its room on the tape.
    if (isNew) {
        cassette = cassettes_.insert(key, Cassette{tapeLength, 0, plan_.cassettes.size()});
        plan_.cassettes.push_back({name, tapeLength, true, {}, 0});
    }
    if (!film)
        return std::nullopt;
    if (!cassette->planned) {
        cassette->planned = plan_.cassettes.size();
        plan_.cassettes.push_back({name, tapeLength, false, {}, 0});
    }
    store(film->tapeName, key);
    film->tapeLength = quint16(tapeLength);
    cassette->usedHalfMinutes += qint64{catalogue::timeFactor(*film)} * film->filmLength;
    plan_.cassettes[*cassette->planned].films.push_back({row.line, std::move(film)});
    return std::nullopt;
}

} // namespace

int PlannedCassette::minutesOver() const
{
    const qint64 over = usedHalfMinutes - 2 * qint64{length};
    return over > 0 ? int(std::min<qint64>((over + 1) / 2, std::numeric_limits<int>::max())) : 0;
}

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

ImportPlan planImport(const catalogue::Catalogue& catalogue, const CsvText& file,
                      const std::vector<QStringList>& headerNames)
{
    return *CsvImport(catalogue, headerNames).plan(file, catalogue::Progress());
}

std::optional<ImportPlan> planImport(const catalogue::Catalogue& catalogue, const CsvText& file,
                                     const std::vector<QStringList>& headerNames,
                                     const catalogue::Progress& progress)
{
    return CsvImport(catalogue, headerNames).plan(file, progress);
}

void applyImport(catalogue::Catalogue& catalogue, ImportPlan plan, const catalogue::Progress& progress)
{
    // Thousands of cassettes: the lists answer once, at the end, and an undo takes all of it back.
    const catalogue::Catalogue::Batch batch(catalogue);
    const catalogue::History::Group step(catalogue.history());
    for (std::size_t i = 0; i < plan.cassettes.size(); ++i) {
        if (i % kProgressStep == 0)
            progress.advance(qint64(i), qint64(plan.cassettes.size()));
        PlannedCassette& planned = plan.cassettes[i];
        const QByteArray name = catalogue::cp1252::encode(planned.name);
        const catalogue::Cassette* cassette =
            planned.isNew ? catalogue.createCassette(planned.name, planned.length)
                          : catalogue.cassette(std::string_view(name.constData(), std::size_t(name.size())));
        if (!cassette)
            continue; // the cassette has gone since the plan was made
        if (planned.films.empty())
            continue;
        std::vector<std::unique_ptr<FilmRecord>> films;
        films.reserve(planned.films.size());
        for (ImportedFilm& film : planned.films)
            films.push_back(std::move(film.record));
        catalogue.appendFilms(*cassette, std::move(films));
    }
}

} // namespace exchange
