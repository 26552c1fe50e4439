#include "exchange/TellicoExport.h"

#include "catalogue/Catalogue.h"
#include "catalogue/RecordText.h"
#include "exchange/Csv.h"
#include "exchange/Zip.h"
#include "storage/ReplacingFile.h"

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

// Cassettes written between two reports of progress.
constexpr std::size_t kProgressStep = 256;
// How much of the export building the XML takes; the rest is packing it.
constexpr double kXmlShare = 0.7;

// Tellico's video collection fields as Tellico itself declares them, then the file's own.
constexpr char kFields[] =
    "<fields>\n"
    "<field name=\"title\" title=\"Title\" category=\"General\" flags=\"8\" format=\"1\" type=\"1\"/>\n"
    "<field name=\"medium\" title=\"Medium\" category=\"General\" flags=\"2\" format=\"4\" type=\"3\" "
    "allowed=\"DVD;VHS;VCD;DivX;Blu-ray;HD DVD\"/>\n"
    "<field name=\"year\" title=\"Production Year\" category=\"General\" flags=\"2\" format=\"4\" "
    "type=\"6\"/>\n"
    "<field name=\"genre\" title=\"Genre\" category=\"General\" flags=\"7\" format=\"0\" type=\"1\"/>\n"
    "<field name=\"nationality\" title=\"Nationality\" category=\"General\" flags=\"7\" format=\"0\" "
    "type=\"1\"/>\n"
    "<field name=\"cast\" title=\"Cast\" category=\"Cast\" flags=\"7\" format=\"2\" type=\"8\" "
    "description=\"A table for the cast members, along with the roles they play\">"
    "<prop name=\"column1\">Actor/Actress</prop><prop name=\"column2\">Role</prop>"
    "<prop name=\"columns\">2</prop></field>\n"
    "<field name=\"director\" title=\"Director\" category=\"Personnel\" flags=\"7\" format=\"2\" "
    "type=\"1\"/>\n"
    "<field name=\"running-time\" title=\"Running Time\" category=\"Features\" flags=\"0\" format=\"4\" "
    "type=\"6\" description=\"The running time of the video (in minutes)\"/>\n"
    "<field name=\"color\" title=\"Color Mode\" category=\"Features\" flags=\"2\" format=\"4\" type=\"3\" "
    "allowed=\"Color;Black &amp; White\"/>\n"
    "<field name=\"plot\" title=\"Plot Summary\" category=\"Plot\" flags=\"0\" format=\"4\" type=\"2\"/>\n"
    "<field name=\"tape\" title=\"Tape\" category=\"Tape\" flags=\"6\" format=\"0\" type=\"1\" "
    "i18n=\"false\"/>\n"
    "<field name=\"tape-length\" title=\"Tape Length\" category=\"Tape\" flags=\"0\" format=\"4\" "
    "type=\"6\" i18n=\"false\" description=\"The length of the tape (in minutes)\"/>\n"
    "<field name=\"counter\" title=\"Counter\" category=\"Tape\" flags=\"0\" format=\"4\" type=\"1\" "
    "i18n=\"false\" description=\"Where the film is on the tape, in playing time\"/>\n"
    "<field name=\"longplay\" title=\"Long-play\" category=\"Tape\" flags=\"0\" format=\"4\" type=\"4\" "
    "i18n=\"false\"/>\n"
    "<field name=\"seen\" title=\"Seen\" category=\"Personal\" flags=\"0\" format=\"4\" type=\"4\" "
    "i18n=\"false\"/>\n"
    "<field name=\"deletable\" title=\"Deletable\" category=\"Personal\" flags=\"0\" format=\"4\" "
    "type=\"4\" i18n=\"false\"/>\n"
    "</fields>\n";

class TellicoWriter final
{
public:
    QByteArray& bytes() { return out_; }

    // A text as XML character data: control characters shown, markup characters escaped.
    void text(QStringView value, bool attribute = false)
    {
        buffer_.clear();
        for (const QChar c : value) {
            switch (c.unicode()) {
            case u'&':
                buffer_ += u"&amp;";
                break;
            case u'<':
                buffer_ += u"&lt;";
                break;
            case u'>':
                buffer_ += u"&gt;";
                break;
            case u'"':
                buffer_ += attribute ? u"&quot;"_s : u"\""_s;
                break;
            default:
                buffer_ += QChar(shownControl(c.unicode()));
            }
        }
        out_ += buffer_.toUtf8();
    }

    void element(const char* name, QStringView value)
    {
        if (value.isEmpty())
            return;
        out_.append('<').append(name).append('>');
        text(value);
        out_.append("</").append(name).append(">\n");
    }

    void number(const char* name, qint64 value)
    {
        out_.append('<').append(name).append('>');
        out_.append(QByteArray::number(value));
        out_.append("</").append(name).append(">\n");
    }

    void flag(const char* name, quint8 value)
    {
        if (value)
            out_.append('<').append(name).append(">true</").append(name).append(">\n");
    }

    // A multi-valued field: the plural element around one element per value.
    void values(const char* name, QStringView value)
    {
        if (value.isEmpty())
            return;
        out_.append('<').append(name).append("s><").append(name).append('>');
        text(value);
        out_.append("</").append(name).append("></").append(name).append("s>\n");
    }

    // The actors, one table row per line: a record's line break is CR LF.
    void cast(QStringView actors)
    {
        if (actors.isEmpty())
            return;
        out_.append("<casts>");
        for (const QStringView line : actors.split(u"\r\n")) {
            out_.append("<cast><column>");
            text(line);
            out_.append("</column></cast>");
        }
        out_.append("</casts>\n");
    }

    // The story with its CR LF line breaks as Tellico's paragraph fields keep them.
    void plot(const QString& story)
    {
        if (story.isEmpty())
            return;
        out_.append("<plot>");
        const QList<QStringView> lines = QStringView(story).split(u"\r\n");
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                out_.append("&lt;br/&gt;");
            text(lines[i]);
        }
        out_.append("</plot>\n");
    }

private:
    QByteArray out_;
    QString buffer_;
};

} // namespace

std::optional<QByteArray> tellicoXml(const catalogue::Catalogue& catalogue, const QString& title,
                                     const catalogue::Progress& progress)
{
    using catalogue::text;
    TellicoWriter xml;
    QByteArray& out = xml.bytes();
    out.reserve(qsizetype(catalogue.recordCount()) * 700);
    out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<!DOCTYPE tellico PUBLIC \"-//Robby Stephenson/DTD Tellico V11.0//EN\" "
               "\"http://periapsis.org/tellico/dtd/v11/tellico.dtd\">\n"
               "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">\n"
               "<collection title=\"");
    xml.text(title, true);
    out.append("\" type=\"3\">\n");
    out.append(kFields);

    int id = 0;
    const auto cassettes = catalogue.cassettes();
    for (std::size_t i = 0; i < cassettes.size(); ++i) {
        if (i % kProgressStep == 0 && !progress.advance(qint64(i), qint64(cassettes.size())))
            return std::nullopt;
        const catalogue::Cassette* tape = cassettes[i];
        const QString name = tape->name();
        const auto tapeFields = [&] {
            // Written even when empty: a cassette may have an empty name, and it is still that cassette.
            xml.bytes().append("<tape>");
            xml.text(name);
            xml.bytes().append("</tape>\n");
            xml.number("tape-length", tape->length());
        };
        qint64 minutes = 0;
        bool anyFilm = false;
        for (const catalogue::FilmRecord* r : tape->records()) {
            if (r->isPlaceholder())
                continue;
            anyFilm = true;
            out.append("<entry id=\"").append(QByteArray::number(++id)).append("\">\n");
            xml.element("title", text(r->filmName));
            xml.element("medium", u"VHS");
            if (r->year)
                xml.number("year", r->year);
            xml.values("genre", text(r->genre));
            xml.values("nationality", text(r->country));
            xml.cast(text(r->actors));
            xml.values("director", text(r->director));
            xml.number("running-time", r->filmLength);
            xml.element("color", r->blackWhite ? u"Black & White" : u"Color");
            xml.plot(text(r->story));
            tapeFields();
            xml.element("counter", catalogue::counterRange(minutes, r->filmLength));
            xml.flag("longplay", r->longplay);
            xml.flag("seen", r->seen);
            xml.flag("deletable", r->deletable);
            out.append("</entry>\n");
            minutes += r->filmLength;
        }
        if (!anyFilm) {
            out.append("<entry id=\"").append(QByteArray::number(++id)).append("\">\n");
            // An entry holds at least one of Tellico's own fields; the medium is no film of its own.
            xml.element("medium", u"VHS");
            tapeFields();
            out.append("</entry>\n");
        }
    }
    out.append("</collection>\n</tellico>\n");
    if (!progress.report(1))
        return std::nullopt;
    return std::move(out);
}

std::optional<QByteArray> exportTellico(const catalogue::Catalogue& catalogue, const QString& title,
                                        const catalogue::Progress& progress)
{
    const std::optional<QByteArray> xml = tellicoXml(catalogue, title, progress.part(0, kXmlShare));
    if (!xml)
        return std::nullopt;
    QByteArray zip = zipSingleFile(u"tellico.xml"_s, *xml);
    if (!progress.report(1))
        return std::nullopt;
    return zip;
}

catalogue::WriteOutcome writeCatalogueTellico(const QString& path, const catalogue::Catalogue& catalogue,
                                              const QString& title, const catalogue::Progress& progress)
{
    const std::optional<QByteArray> file = exportTellico(catalogue, title, progress);
    if (!file)
        return {catalogue::WriteOutcome::Cancelled, {}};
    if (const auto problem = catalogue::replaceFile(path, catalogue.archiveFiles(), *file))
        return catalogue::WriteOutcome::failed(*problem);
    return {};
}

} // namespace exchange
