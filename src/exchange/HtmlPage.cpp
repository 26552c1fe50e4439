#include "exchange/HtmlPage.h"

#include "catalogue/Cassette.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Cp1252.h"
#include "exchange/ExportFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace exchange {

namespace {

class HtmlPageTexts final
{
    Q_DECLARE_TR_FUNCTIONS(exchange::HtmlPage)

public:
    static QString title() { return tr("Videotape catalogue"); }
    static QString searchLabel() { return tr("Search films"); }
    static QString searchHint() { return tr("Title, person, genre or year"); }
    static QString noScript() { return tr("This page needs JavaScript to show the catalogue."); }
    static QString summary(int tapes, int films)
    {
        return tr("%n tape(s)", nullptr, tapes) + u", "_s + tr("%n film(s)", nullptr, films);
    }
    // What the script shows, by the names it knows them by.
    static std::vector<std::pair<const char*, QString>> captions(int films)
    {
        return {
            {"shown", tr("%1 of %n film(s) shown", nullptr, films)},
            {"length", tr("Length: %1 min")},
            {"left", tr("Left: %1 min")},
            {"over", tr("Over-full by %1 min")},
            {"empty", tr("No films on this tape.")},
            {"none", tr("No film matches the search.")},
            // Read out before each value, not shown.
            {"counter", tr("Counter: ")},
            {"year", tr("Year: ")},
            {"director", tr("Director: ")},
            {"genre", tr("Genre: ")},
            {"actors", tr("Actors: ")},
            {"lp", tr("LP")},
            {"longPlay", tr("long-play")},
            {"bw", tr("B/W")},
            {"blackWhite", tr("black and white")},
        };
    }
};

// Cassettes between two reports of progress.
constexpr std::size_t kProgressStep = 256;

// The bits of a film's marks, as the script reads them.
constexpr int kLongPlayMark = 1;
constexpr int kBlackWhiteMark = 2;

// Every text of the page once, by its bytes as the records hold them: the actors of a household's
// films recur, and writing each name once keeps the page of a large catalogue small. Index 0 is the
// empty text. The views point into the catalogue's records, which outlive the table.
class TextTable final
{
public:
    TextTable()
    {
        indices_.reserve(1 << 16);
        indexOf({});
    }

    int indexOf(std::string_view bytes)
    {
        const auto [at, added] = indices_.try_emplace(bytes, int(texts_.size()));
        if (added)
            texts_.push_back(bytes);
        return at->second;
    }

    template <std::size_t N> int indexOf(const catalogue::ShortString<N>& field)
    {
        return indexOf(std::string_view(field.chars, std::min<std::size_t>(field.length, N)));
    }

    void writeJson(QByteArray& out) const
    {
        out += '[';
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            if (i > 0)
                out += ',';
            const std::string_view bytes = texts_[i];
            out += scriptJsonString(catalogue::cp1252::decode(bytes.data(), qsizetype(bytes.size())));
        }
        out += ']';
    }

private:
    std::unordered_map<std::string_view, int> indices_;
    std::vector<std::string_view> texts_;
};

// Calls take with each name of a memo, one a line (a CR LF, a lone CR or LF), without the blanks
// around it.
template <std::size_t N, typename Take> void forEachLine(const char (&field)[N], Take take)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t start = 0;
    for (std::size_t i = 0;; ++i) {
        const char c = i < N - 1 ? field[i] : '\0';
        if (c != '\0' && c != '\r' && c != '\n')
            continue;
        std::size_t end = i;
        while (start < end && blank(field[start]))
            ++start;
        while (end > start && blank(field[end - 1]))
            --end;
        if (end > start)
            take(std::string_view(field + start, end - start));
        if (c == '\0')
            return;
        start = i + 1;
    }
}

void appendNumber(QByteArray& out, qint64 value)
{
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    out.append(digits, end - digits);
}

// The captions the script puts on what it shows, in the current language.
QByteArray captionsJson(int films)
{
    QByteArray out = "{";
    bool first = true;
    for (const auto& [key, text] : HtmlPageTexts::captions(films)) {
        if (!std::exchange(first, false))
            out += ',';
        out += '"' + QByteArray(key) + "\":" + scriptJsonString(text);
    }
    return out + '}';
}

// The data block's JSON, appended to out: the captions, the tapes as [name, length, minutes left,
// film...], each film [title, year, director, genre, marks, counter range, actor...], and the texts
// the tapes and films name by their index. False when progress was told to stop.
bool appendData(QByteArray& out, const catalogue::Catalogue& catalogue, const catalogue::Progress& progress)
{
    out += "{\"captions\":" + captionsJson(catalogue.filmTotal()) + ",\"tapes\":[";
    TextTable texts;
    const auto cassettes = catalogue.cassettes();
    for (std::size_t i = 0; i < cassettes.size(); ++i) {
        if (i % kProgressStep == 0 && !progress.advance(qint64(i), qint64(cassettes.size())))
            return false;
        const catalogue::Cassette& tape = *cassettes[i];
        if (i > 0)
            out += ',';
        out += '[';
        appendNumber(out, texts.indexOf(tape.nameBytes()));
        out += ',';
        appendNumber(out, tape.length());
        out += ',';
        appendNumber(out, tape.remainingMinutes());
        qint64 minutes = 0; // the counter position before the next film
        for (const catalogue::FilmRecord* r : tape.records()) {
            if (r->isPlaceholder())
                continue;
            out += ",[";
            appendNumber(out, texts.indexOf(r->filmName));
            out += ',';
            appendNumber(out, r->year);
            out += ',';
            appendNumber(out, texts.indexOf(r->director));
            out += ',';
            appendNumber(out, texts.indexOf(r->genre));
            out += ',';
            appendNumber(out, (r->longplay ? kLongPlayMark : 0) | (r->blackWhite ? kBlackWhiteMark : 0));
            out += ",\"";
            out += catalogue::counterRange(minutes, r->filmLength).toLatin1();
            out += '"';
            forEachLine(r->actors, [&](std::string_view actor) {
                out += ',';
                appendNumber(out, texts.indexOf(actor));
            });
            out += ']';
            minutes += r->filmLength;
        }
        out += ']';
    }
    out += "],\"text\":";
    texts.writeJson(out);
    out += '}';
    return true;
}

QByteArray resource(const QString& name)
{
    QFile file(u":/webpage/"_s + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("The page's resource %s is missing", qPrintable(name));
    return file.readAll();
}

// A Content-Security-Policy source for exactly this inline element's content.
QByteArray hashSource(const QByteArray& content)
{
    return "'sha256-" + QCryptographicHash::hash(content, QCryptographicHash::Sha256).toBase64() + '\'';
}

} // namespace

QByteArray scriptJsonString(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += u'"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"':
            escaped += u"\\\""_s;
            break;
        case u'\\':
            escaped += u"\\\\"_s;
            break;
        case u'\n':
            escaped += u"\\n"_s;
            break;
        case u'\r':
            escaped += u"\\r"_s;
            break;
        case u'\t':
            escaped += u"\\t"_s;
            break;
        default:
            if (u < 0x20 || u == u'<' || u == u'>' || u == u'&' || u == 0x2028 || u == 0x2029)
                escaped += u"\\u"_s + QString::number(u, 16).rightJustified(4, u'0');
            else
                escaped += c;
        }
    }
    escaped += u'"';
    return escaped.toUtf8();
}

QString htmlEscaped(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            escaped += u"&amp;"_s;
            break;
        case u'<':
            escaped += u"&lt;"_s;
            break;
        case u'>':
            escaped += u"&gt;"_s;
            break;
        case u'"':
            escaped += u"&quot;"_s;
            break;
        case u'\'':
            escaped += u"&#39;"_s;
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QByteArray htmlPage(const catalogue::Catalogue& catalogue, const QString& languageCode)
{
    return *htmlPage(catalogue, languageCode, catalogue::Progress());
}

std::optional<QByteArray> htmlPage(const catalogue::Catalogue& catalogue, const QString& languageCode,
                                   const catalogue::Progress& progress)
{
    const QByteArray style = resource(u"page.css"_s);
    const QByteArray script = resource(u"page.js"_s);
    const auto html = [](const QString& text) { return htmlEscaped(text).toUtf8(); };

    QByteArray page;
    // What a film with the usual texts takes, and a little more: growing a page of many megabytes
    // would copy it.
    page.reserve(qsizetype(catalogue.recordCount()) * 120 + style.size() + script.size() + 4096);
    page += "<!DOCTYPE html>\n<html lang=\"" + html(languageCode) + "\">\n<head>\n<meta charset=\"utf-8\">\n";
    page += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    // Nothing may come from elsewhere, and no script runs but the page's own.
    page += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; img-src data:; "
            "style-src " +
            hashSource(style) + "; script-src " + hashSource(script) + "\">\n";
    page += "<link rel=\"icon\" href=\"data:,\">\n";
    page += "<title>" + html(HtmlPageTexts::title()) + "</title>\n<style>" + style +
            "</style>\n</head>\n<body>\n";
    // The search beside the list, not in the header, so that it stays in view all the way down.
    page += "<header>\n<h1>" + html(HtmlPageTexts::title()) + "</h1>\n</header>\n";
    page += "<div class=\"search\" role=\"search\">\n";
    page += "<label for=\"search\">" + html(HtmlPageTexts::searchLabel()) + "</label>\n";
    page += "<input id=\"search\" type=\"search\" autocomplete=\"off\" spellcheck=\"false\" placeholder=\"" +
            html(HtmlPageTexts::searchHint()) + "\">\n";
    page += "<p id=\"count\" role=\"status\" aria-live=\"polite\">" +
            html(HtmlPageTexts::summary(int(catalogue.cassettes().size()), catalogue.filmTotal())) +
            "</p>\n</div>\n";
    page += "<main id=\"tapes\"></main>\n<div id=\"more\" hidden></div>\n";
    page += "<noscript><p>" + html(HtmlPageTexts::noScript()) + "</p></noscript>\n";
    page += "<script type=\"application/json\" id=\"catalogue\">";
    if (!appendData(page, catalogue, progress))
        return std::nullopt;
    page += "</script>\n";
    page += "<script>" + script + "</script>\n</body>\n</html>\n";
    if (!progress.report(1))
        return std::nullopt;
    return page;
}

catalogue::WriteOutcome writeHtmlPage(const QString& path, const catalogue::Catalogue& catalogue,
                                      const QString& languageCode, const catalogue::Progress& progress)
{
    return writeExportFile(
        path, catalogue,
        [&](const catalogue::Progress& part) { return htmlPage(catalogue, languageCode, part); }, progress);
}

} // namespace exchange
