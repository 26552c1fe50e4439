#include "exchange/TellicoImport.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/FilmRules.h"
#include "catalogue/RecordText.h"
#include "exchange/Csv.h"
#include "exchange/CsvFormat.h"
#include "exchange/XmlScanner.h"
#include "exchange/Zip.h"

#include <QCoreApplication>
#include <QHash>

#include <array>
#include <bitset>
#include <cstring>

using namespace Qt::StringLiterals;
using catalogue::FilmRecord;

namespace exchange {

namespace {

// Entries read between two reports of progress.
constexpr int kProgressStep = 512;
constexpr char16_t kTellicoNamespace[] = u"http://periapsis.org/tellico/";
constexpr char16_t kVideoCollection[] = u"3";

// The fields of an entry that the import reads.
enum Field
{
    Title,
    Year,
    Nationality,
    Genre,
    Director,
    Cast,
    Plot,
    RunningTime,
    Color,
    Tape,
    TapeLength,
    Longplay,
    Seen,
    Deletable,
    FieldCount
};

// The value of a plain field, the values of a multi-valued one; the fields found.
struct Values
{
    std::array<QStringList, FieldCount> fields;
    std::bitset<FieldCount> found;

    // A single value as it is, without a copy.
    QString joined(Field field, const QString& separator = {}) const
    {
        const QStringList& values = fields[field];
        return values.size() == 1 ? values.front() : values.join(separator);
    }
};

// The field an element of an entry holds; a multi-valued field is the plural of its name around one
// element a value ("genres"). -1 for the fields the import passes over.
int fieldOf(QByteArrayView name)
{
    static const std::pair<QByteArrayView, Field> names[] = {{"title", Title},
                                                             {"year", Year},
                                                             {"nationalitys", Nationality},
                                                             {"nationality", Nationality},
                                                             {"genres", Genre},
                                                             {"genre", Genre},
                                                             {"directors", Director},
                                                             {"director", Director},
                                                             {"casts", Cast},
                                                             {"cast", Cast},
                                                             {"plot", Plot},
                                                             {"running-time", RunningTime},
                                                             {"color", Color},
                                                             {"tape", Tape},
                                                             {"tape-length", TapeLength},
                                                             {"longplay", Longplay},
                                                             {"seen", Seen},
                                                             {"deletable", Deletable}};
    for (const auto& [known, field] : names) {
        if (name == known)
            return field;
    }
    return -1;
}

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

// The text of the element just started and of every element inside it.
QString readElementText(XmlScanner& xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const XmlScanner::Token token = xml.readNext();
        if (token == XmlScanner::Characters)
            text += xml.text();
        else
            depth += token == XmlScanner::StartElement ? 1 : token == XmlScanner::EndElement ? -1 : 0;
    }
    return text;
}

// A value of a multi-valued field; a table row as its first column, the others in brackets behind it.
QString readValue(XmlScanner& xml)
{
    QString text;
    QStringList columns;
    while (!xml.atEnd()) {
        const XmlScanner::Token token = xml.readNext();
        if (token == XmlScanner::Characters)
            text += xml.text();
        else if (token == XmlScanner::StartElement)
            columns.append(readElementText(xml));
        else if (token == XmlScanner::EndElement)
            break;
    }
    if (columns.isEmpty())
        return text;
    const QString first = columns.takeFirst();
    columns.removeAll(QString());
    return columns.isEmpty() ? first : u"%1 (%2)"_s.arg(first, columns.join(u", "_s));
}

// A field of an entry: its text, or the values of the elements inside it.
QStringList readField(XmlScanner& xml)
{
    QString text;
    QStringList values;
    bool nested = false;
    while (!xml.atEnd()) {
        const XmlScanner::Token token = xml.readNext();
        if (token == XmlScanner::Characters) {
            text += xml.text();
        } else if (token == XmlScanner::StartElement) {
            nested = true;
            values.append(readValue(xml));
        } else if (token == XmlScanner::EndElement) {
            break;
        }
    }
    return nested ? values : QStringList{text};
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

class TellicoImport final
{
    Q_DECLARE_TR_FUNCTIONS(exchange::TellicoImport)

public:
    explicit TellicoImport(const catalogue::Catalogue& catalogue);
    std::optional<ImportPlan> plan(const QByteArray& file, const catalogue::Progress& progress);

private:
    // What the catalogue holds of a cassette, or what the plan holds of a new one.
    struct Cassette
    {
        int tapeLength = 0;
        qint64 usedHalfMinutes = 0;
        std::optional<std::size_t> planned; // its place in plan_.cassettes, once it has one
    };

    bool readCollection(XmlScanner& xml, qint64 size, const catalogue::Progress& progress);
    std::optional<QString> takeEntry(const Values& values, int line);
    std::optional<QString> checkFilm(const Values& values, FilmRecord& film) const;
    std::optional<QString> encoded(QString text, CsvColumn column, int capacity, bool memo,
                                   QByteArray& bytes) const;
    std::optional<QString> number(const QString& text, CsvColumn column, qint64 smallest, int& value) const;

    QStringList names_; // the film window's names of the fields, in CsvColumn order
    ImportPlan plan_;
    QHash<QByteArray, Cassette> cassettes_; // by stored name, byte for byte
};

TellicoImport::TellicoImport(const catalogue::Catalogue& catalogue) : names_(csvHeader())
{
    cassettes_.reserve(qsizetype(catalogue.cassettes().size()));
    for (const catalogue::Cassette* cassette : catalogue.cassettes()) {
        const std::string_view name = cassette->nameBytes();
        cassettes_.insert(QByteArray(name.data(), qsizetype(name.size())),
                          Cassette{cassette->length(), cassette->usedHalfMinutes(), std::nullopt});
    }
}

std::optional<ImportPlan> TellicoImport::plan(const QByteArray& file, const catalogue::Progress& progress)
{
    QByteArray unzipped;
    if (looksLikeZip(file)) {
        UnzippedFile xml = unzipFile(file, u"tellico.xml"_s);
        if (!xml.error.isEmpty()) {
            plan_.fileError = tr("The file is no Tellico file: %1").arg(xml.error);
            return std::move(plan_);
        }
        unzipped = std::move(xml.data);
    }
    const QByteArray& bytes = unzipped.isNull() ? file : unzipped;
    XmlScanner xml(bytes);
    const bool root = xml.readNextStartElement() && xml.name() == "tellico";
    const QString space = root ? xml.attribute(xml.prefix().isEmpty() ? QByteArray("xmlns")
                                                                      : "xmlns:" + xml.prefix().toByteArray())
                               : QString();
    // Files of older versions of Tellico name no namespace.
    if (!root || (space != kTellicoNamespace && !(space.isNull() && xml.prefix().isEmpty()))) {
        plan_.fileError = tr("The file is no Tellico file.");
        return std::move(plan_);
    }
    bool found = false;
    while (xml.readNextStartElement()) {
        // Tellico writes one collection a file; a second one would be a file of some other program.
        if (xml.name() != "collection" || found) {
            xml.skipCurrentElement();
            continue;
        }
        found = true;
        const QString type = xml.attribute("type");
        if (type != kVideoCollection) {
            plan_.fileError =
                tr("The Tellico file holds a collection of another kind (type %1), not of videos: "
                   "only a video collection can be imported.")
                    .arg(type);
            return std::move(plan_);
        }
        plan_.untapedName = xml.attribute("title");
        if (!readCollection(xml, bytes.size(), progress))
            return std::nullopt;
    }
    if (xml.hasError()) {
        plan_ = ImportPlan();
        plan_.fileError = tr("The Tellico file is damaged at line %1.").arg(xml.lineNumber());
        return std::move(plan_);
    }
    if (!found) {
        plan_.fileError = tr("The Tellico file holds no collection.");
        return std::move(plan_);
    }
    for (const Cassette& cassette : std::as_const(cassettes_)) {
        if (cassette.planned)
            plan_.cassettes[*cassette.planned].usedHalfMinutes = cassette.usedHalfMinutes;
    }
    if (!progress.report(1))
        return std::nullopt;
    return std::move(plan_);
}

// The entries of the collection; false when progress was told to stop.
bool TellicoImport::readCollection(XmlScanner& xml, qint64 size, const catalogue::Progress& progress)
{
    int entries = 0;
    while (xml.readNextStartElement()) {
        if (xml.name() != "entry") {
            xml.skipCurrentElement();
            continue;
        }
        if (entries++ % kProgressStep == 0 && !progress.advance(xml.offset(), size))
            return false;
        const int line = int(xml.lineNumber());
        Values values;
        while (xml.readNextStartElement()) {
            const int field = fieldOf(xml.name());
            if (field < 0) {
                xml.skipCurrentElement();
                continue;
            }
            values.fields[std::size_t(field)] = readField(xml);
            values.found.set(std::size_t(field));
        }
        if (xml.hasError())
            return true;
        if (std::optional<QString> reason = takeEntry(values, line))
            plan_.skipped.push_back({line, std::move(*reason)});
    }
    return true;
}

// The text as the record will store it, or why it cannot be. A memo's line breaks become CR LF; a
// control character stands in the file as the export shows it, and one standing there as it is is
// refused, as the film window lets no one type it.
std::optional<QString> TellicoImport::encoded(QString text, CsvColumn column, int capacity, bool memo,
                                              QByteArray& bytes) const
{
    // One look at every character; most texts need nothing more.
    bool lineBreaks = false;
    bool shown = false;
    for (const QChar c : std::as_const(text)) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && (u < 0x7F || u >= 0xA0)) {
            shown = shown || (u >= 0x2400 && u <= 0x2421) || (u >= 0xE080 && u <= 0xE09F);
            continue;
        }
        if (memo && (u == u'\r' || u == u'\n')) {
            lineBreaks = true;
            continue;
        }
        return tr("%1 holds the control character U+%2.")
            .arg(names_.value(column), u"%1"_s.arg(int(u), 4, 16, QLatin1Char('0')).toUpper());
    }
    if (lineBreaks)
        text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n').replace(u"\n"_s, u"\r\n"_s);
    const QString restored = shown ? restoreControls(text) : text;
    bool exact = true;
    bytes = catalogue::cp1252::encode(restored, &exact);
    if (!exact || (memo && restored.contains(QChar(0))))
        return tr("%1 holds a character that the archive cannot store.").arg(names_.value(column));
    if (bytes.size() > capacity)
        return tr("%1 is longer than %2 characters.").arg(names_.value(column)).arg(capacity);
    return std::nullopt;
}

std::optional<QString> TellicoImport::number(const QString& text, CsvColumn column, qint64 smallest,
                                             int& value) const
{
    const std::optional<qint64> parsed = text.trimmed().isEmpty() && smallest == 0 ? 0 : parseNumber(text);
    if (!parsed || *parsed < smallest || *parsed > catalogue::kLargestNumber) {
        return tr("%1 \"%2\" is not a number from %3 to %4.")
            .arg(names_.value(column), showControls(text))
            .arg(smallest)
            .arg(catalogue::kLargestNumber);
    }
    value = int(*parsed);
    return std::nullopt;
}

std::optional<QString> TellicoImport::checkFilm(const Values& values, FilmRecord& film) const
{
    const auto joined = [&values](Field field, const QString& separator) {
        return values.joined(field, separator);
    };
    int year = 0;
    if (auto reason = number(joined(Year, {}), ColumnYear, 0, year))
        return reason;
    film.year = quint16(year);
    const QString runningTime = joined(RunningTime, {});
    if (runningTime.trimmed().isEmpty())
        return tr("The entry has no running time: a film needs its length to take its place on the tape.");
    int length = 0;
    if (auto reason = number(runningTime, ColumnLength, 1, length))
        return reason;
    film.filmLength = quint16(length);

    // Tellico's paragraph fields keep a line break as HTML's.
    QString plot = joined(Plot, {});
    if (plot.contains(u"<br"))
        plot.replace(u"<br/>"_s, u"\n"_s).replace(u"<br />"_s, u"\n"_s).replace(u"<br>"_s, u"\n"_s);
    QByteArray bytes;
    const auto text = [&](const QString& value, CsvColumn column, int capacity, bool memo) {
        return encoded(value, column, capacity, memo, bytes);
    };
    if (auto reason = text(joined(Title, u"; "_s), ColumnTitle, catalogue::kTextCapacity, false))
        return reason;
    store(film.filmName, bytes);
    if (auto reason = text(joined(Nationality, u"; "_s), ColumnCountry, catalogue::kTextCapacity, false))
        return reason;
    store(film.country, bytes);
    if (auto reason = text(joined(Director, u"; "_s), ColumnDirector, catalogue::kTextCapacity, false))
        return reason;
    store(film.director, bytes);
    if (auto reason = text(joined(Cast, u"\n"_s), ColumnActors, catalogue::kActorsCapacity, true))
        return reason;
    store(film.actors, bytes);
    if (auto reason = text(joined(Genre, u"; "_s), ColumnGenre, catalogue::kTextCapacity, false))
        return reason;
    store(film.genre, bytes);
    if (auto reason = text(plot, ColumnStory, catalogue::kStoryCapacity, true))
        return reason;
    store(film.story, bytes);

    // Tellico writes "true" for a ticked box and leaves an empty one out.
    const auto flag = [&values](Field field) {
        const QString value = values.joined(field).trimmed();
        return quint8(!value.isEmpty() && value != u"false" && value != u"0");
    };
    film.longplay = flag(Longplay);
    film.seen = flag(Seen);
    film.deletable = flag(Deletable);
    const QString color = joined(Color, {}).trimmed();
    film.blackWhite = quint8(color.compare(u"Black & White", Qt::CaseInsensitive) == 0 ||
                             color.compare(u"Schwarz/Weiß", Qt::CaseInsensitive) == 0 ||
                             color.compare(u"Schwarzweiß", Qt::CaseInsensitive) == 0);
    return std::nullopt;
}

std::optional<QString> TellicoImport::takeEntry(const Values& values, int line)
{
    const bool hasFilm =
        std::any_of(values.fields.begin(), values.fields.begin() + Color, [](const QStringList& field) {
            return std::any_of(field.begin(), field.end(),
                               [](const QString& v) { return !v.trimmed().isEmpty(); });
        });
    const bool hasTape = values.found.test(Tape);
    if (!hasFilm && !hasTape)
        return tr("The entry holds neither a film nor a cassette.");

    std::unique_ptr<FilmRecord> film;
    if (hasFilm) {
        film = catalogue::Catalogue::newRecord();
        if (auto reason = checkFilm(values, *film))
            return reason;
    }
    if (!hasTape) {
        plan_.untaped.push_back({line, std::move(film)});
        return std::nullopt;
    }

    // The cassette: found by its exact name, as the main window finds it, else created.
    QByteArray key;
    if (auto reason = encoded(values.joined(Tape), ColumnCassette, catalogue::kTapeNameCapacity, false, key))
        return reason;
    auto cassette = cassettes_.find(key);
    const bool isNew = cassette == cassettes_.end();
    int tapeLength = isNew ? 0 : cassette->tapeLength;
    if (isNew) {
        if (auto reason = number(values.joined(TapeLength), ColumnCassetteLength, 0, tapeLength))
            return reason;
        cassette = cassettes_.insert(key, Cassette{tapeLength, 0, plan_.cassettes.size()});
        plan_.cassettes.push_back(
            {catalogue::cp1252::decode(key.constData(), key.size()), tapeLength, true, {}, 0});
    }
    if (!film)
        return std::nullopt;
    if (!cassette->planned) {
        cassette->planned = plan_.cassettes.size();
        plan_.cassettes.push_back(
            {catalogue::cp1252::decode(key.constData(), key.size()), tapeLength, false, {}, 0});
    }
    store(film->tapeName, key);
    film->tapeLength = quint16(tapeLength);
    cassette->usedHalfMinutes += qint64{catalogue::timeFactor(*film)} * film->filmLength;
    plan_.cassettes[*cassette->planned].films.push_back({line, std::move(film)});
    return std::nullopt;
}

} // namespace

std::optional<ImportPlan> planTellicoImport(const catalogue::Catalogue& catalogue, const QByteArray& file,
                                            const catalogue::Progress& progress)
{
    return TellicoImport(catalogue).plan(file, progress);
}

} // namespace exchange
