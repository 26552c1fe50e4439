#include "exchange/Csv.h"

namespace exchange {

namespace {

bool needsQuotes(QStringView text)
{
    for (const QChar c : text) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

} // namespace

void CsvWriter::field(QStringView text)
{
    if (rowStarted_)
        bytes_ += ',';
    rowStarted_ = true;
    if (!needsQuotes(text)) {
        bytes_ += text.toUtf8();
        return;
    }
    bytes_ += '"';
    QString doubled = text.toString();
    doubled.replace(u'"', QStringLiteral("\"\""));
    bytes_ += doubled.toUtf8();
    bytes_ += '"';
}

void CsvWriter::endRow()
{
    bytes_ += "\r\n";
    rowStarted_ = false;
}

std::vector<CsvRecord> readCsv(QStringView text)
{
    std::vector<CsvRecord> records;
    const qsizetype size = text.size();
    qsizetype i = 0;
    int line = 1;
    // The length of the line break at `at` (CR LF, CR or LF); 0 when there is none.
    const auto breakAt = [&](qsizetype at) -> qsizetype {
        if (at >= size)
            return 0;
        if (text[at] == u'\r')
            return at + 1 < size && text[at + 1] == u'\n' ? 2 : 1;
        return text[at] == u'\n' ? 1 : 0;
    };
    // Line breaks inside a quoted piece: every LF, and every CR that no LF follows.
    const auto breaksIn = [](QStringView piece) {
        int breaks = 0;
        for (qsizetype k = 0; k < piece.size(); ++k) {
            if (piece[k] == u'\n' || (piece[k] == u'\r' && (k + 1 == piece.size() || piece[k + 1] != u'\n')))
                ++breaks;
        }
        return breaks;
    };

    while (i < size) {
        if (const qsizetype blank = breakAt(i)) {
            i += blank;
            ++line;
            continue;
        }
        CsvRecord record;
        record.line = line;
        QString field;
        bool endOfRecord = false;
        while (!endOfRecord) {
            if (i < size && text[i] == u'"' && field.isEmpty()) {
                // A quoted part: up to the closing quote, a doubled quote standing for one.
                ++i;
                while (true) {
                    const qsizetype quote = text.indexOf(u'"', i);
                    const QStringView piece = text.sliced(i, (quote < 0 ? size : quote) - i);
                    field += piece;
                    line += breaksIn(piece);
                    if (quote < 0) {
                        record.unclosedQuote = true;
                        i = size;
                        break;
                    }
                    if (quote + 1 < size && text[quote + 1] == u'"') {
                        field += u'"';
                        i = quote + 2;
                        continue;
                    }
                    i = quote + 1;
                    break;
                }
            }
            // The unquoted part, or what follows a closing quote, up to a comma or a line break.
            qsizetype end = i;
            while (end < size && text[end] != u',' && text[end] != u'\r' && text[end] != u'\n')
                ++end;
            field += text.sliced(i, end - i);
            i = end;
            record.fields.append(std::move(field));
            field = QString();
            if (i < size && text[i] == u',') {
                ++i;
            } else {
                const qsizetype lineBreak = breakAt(i);
                i += lineBreak;
                line += lineBreak ? 1 : 0;
                endOfRecord = true;
            }
        }
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace exchange
