#include "exchange/TellicoExport.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "catalogue/RecordText.h"
#include "exchange/Csv.h"
#include "exchange/Zip.h"
#include "storage/ReplacingFile.h"

#include <array>
#include <cstring>

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

// Record texts straight from Windows-1252 to escaped UTF-8, byte by byte through a table made once: a
// catalogue has a million texts.
class TellicoWriter final
{
public:
    TellicoWriter()
    {
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QChar c = catalogue::cp1252::decode(&byte, 1).front();
            const QByteArray utf8 = c == u'&'   ? QByteArray("&amp;")
                                    : c == u'<' ? QByteArray("&lt;")
                                    : c == u'>' ? QByteArray("&gt;")
                                                : QString(QChar(shownControl(c.unicode()))).toUtf8();
            Escaped& escaped = table_[std::size_t(b)];
            escaped.size = quint8(utf8.size());
            std::memcpy(escaped.bytes, utf8.constData(), std::size_t(utf8.size()));
        }
    }

    QByteArray& bytes() { return out_; }

    template <std::size_t N> static QByteArrayView field(const catalogue::ShortString<N>& text)
    {
        return QByteArrayView(text.chars, std::min<qsizetype>(text.length, N));
    }

    // A memo: without a terminator, as long as the field can hold.
    template <std::size_t N> static QByteArrayView field(const char (&text)[N])
    {
        const void* zero = std::memchr(text, 0, N - 1);
        return QByteArrayView(text, zero ? static_cast<const char*>(zero) - text : qsizetype(N - 1));
    }

    // Record bytes as XML character data; with a lineBreak, each CR LF becomes it.
    void text(QByteArrayView record, QByteArrayView lineBreak = {})
    {
        if (!lineBreak.isEmpty()) {
            for (qsizetype at = record.indexOf("\r\n"); at >= 0; at = record.indexOf("\r\n")) {
                text(record.first(at));
                out_.append(lineBreak);
                record = record.sliced(at + 2);
            }
        }
        const qsizetype at = out_.size();
        out_.resize(at + record.size() * kLongest);
        char* out = out_.data() + at;
        for (const char byte : record) {
            const Escaped& escaped = table_[static_cast<unsigned char>(byte)];
            std::memcpy(out, escaped.bytes, sizeof escaped.bytes);
            out += escaped.size;
        }
        out_.truncate(out - out_.constData());
    }

    // An attribute value.
    void attribute(QStringView value)
    {
        for (const QChar c : value) {
            switch (c.unicode()) {
            case u'&':
                out_.append("&amp;");
                break;
            case u'<':
                out_.append("&lt;");
                break;
            case u'"':
                out_.append("&quot;");
                break;
            default:
                out_.append(QString(QChar(shownControl(c.unicode()))).toUtf8());
            }
        }
    }

    void element(const char* name, QByteArrayView record, bool evenEmpty = false)
    {
        if (record.isEmpty() && !evenEmpty)
            return;
        out_.append('<').append(name).append('>');
        text(record);
        out_.append("</").append(name).append(">\n");
    }

    // A value that is already XML.
    void markup(const char* name, QByteArrayView xml)
    {
        out_.append('<').append(name).append('>').append(xml).append("</").append(name).append(">\n");
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
    void values(const char* name, QByteArrayView record)
    {
        if (record.isEmpty())
            return;
        out_.append('<').append(name).append("s><").append(name).append('>');
        text(record);
        out_.append("</").append(name).append("></").append(name).append("s>\n");
    }

    // The actors, one table row per line.
    void cast(QByteArrayView actors)
    {
        if (actors.isEmpty())
            return;
        out_.append("<casts><cast><column>");
        text(actors, "</column></cast><cast><column>");
        out_.append("</column></cast></casts>\n");
    }

    // The story with its line breaks as Tellico's paragraph fields keep them.
    void plot(QByteArrayView story)
    {
        if (story.isEmpty())
            return;
        out_.append("<plot>");
        text(story, "&lt;br/&gt;");
        out_.append("</plot>\n");
    }

private:
    // A character of the code page takes at most five bytes escaped.
    static constexpr qsizetype kLongest = 5;
    struct Escaped
    {
        char bytes[kLongest];
        quint8 size;
    };
    std::array<Escaped, 256> table_{};
    QByteArray out_;
};

} // namespace

std::optional<QByteArray> tellicoXml(const catalogue::Catalogue& catalogue, const QString& title,
                                     const catalogue::Progress& progress)
{
    TellicoWriter xml;
    QByteArray& out = xml.bytes();
    // Room for films with long texts: only the pages written are taken, so too much costs nothing.
    out.reserve(qsizetype(catalogue.recordCount()) * 2048 + 8192);
    out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<!DOCTYPE tellico PUBLIC \"-//Robby Stephenson/DTD Tellico V11.0//EN\" "
               "\"http://periapsis.org/tellico/dtd/v11/tellico.dtd\">\n"
               "<tellico xmlns=\"http://periapsis.org/tellico/\" syntaxVersion=\"11\">\n"
               "<collection title=\"");
    xml.attribute(title);
    out.append("\" type=\"3\">\n");
    out.append(kFields);

    int id = 0;
    const auto cassettes = catalogue.cassettes();
    for (std::size_t i = 0; i < cassettes.size(); ++i) {
        if (i % kProgressStep == 0 && !progress.advance(qint64(i), qint64(cassettes.size())))
            return std::nullopt;
        const catalogue::Cassette* tape = cassettes[i];
        const std::string_view nameBytes = tape->nameBytes();
        const QByteArrayView name(nameBytes.data(), qsizetype(nameBytes.size()));
        const auto tapeFields = [&] {
            // Written even when empty: a cassette may have an empty name, and it is still that cassette.
            xml.element("tape", name, true);
            xml.number("tape-length", tape->length());
        };
        qint64 minutes = 0;
        bool anyFilm = false;
        for (const catalogue::FilmRecord* r : tape->records()) {
            if (r->isPlaceholder())
                continue;
            anyFilm = true;
            out.append("<entry id=\"").append(QByteArray::number(++id)).append("\">\n");
            xml.element("title", TellicoWriter::field(r->filmName));
            xml.markup("medium", "VHS");
            if (r->year)
                xml.number("year", r->year);
            xml.values("genre", TellicoWriter::field(r->genre));
            xml.values("nationality", TellicoWriter::field(r->country));
            xml.cast(TellicoWriter::field(r->actors));
            xml.values("director", TellicoWriter::field(r->director));
            xml.number("running-time", r->filmLength);
            xml.markup("color", r->blackWhite ? "Black &amp; White" : "Color");
            xml.plot(TellicoWriter::field(r->story));
            tapeFields();
            xml.markup("counter", catalogue::counterRange(minutes, r->filmLength).toLatin1());
            xml.flag("longplay", r->longplay);
            xml.flag("seen", r->seen);
            xml.flag("deletable", r->deletable);
            out.append("</entry>\n");
            minutes += r->filmLength;
        }
        if (!anyFilm) {
            out.append("<entry id=\"").append(QByteArray::number(++id)).append("\">\n");
            // An entry holds at least one of Tellico's own fields; the medium is no film of its own.
            xml.markup("medium", "VHS");
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
