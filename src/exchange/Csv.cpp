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

// Appends text as UTF-8, every quote doubled when quoted, written straight into the output: a
// catalogue has a million fields. A lone surrogate becomes U+FFFD, as in QString::toUtf8().
void appendUtf8(QByteArray& out, QStringView text, bool quoted)
{
    const qsizetype start = out.size();
    // At most three bytes a UTF-16 unit (a surrogate pair takes four for two); a quote takes two.
    out.resize(start + 3 * text.size());
    char* p = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (c < 0x80) {
            *p++ = char(c);
            if (quoted && c == u'"')
                *p++ = '"';
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        else if (QChar::isSurrogate(c))
            c = 0xFFFD;
        if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
        } else {
            *p++ = char(0xF0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3F));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
        }
        *p++ = char(0x80 | (c & 0x3F));
    }
    out.resize(p - out.constData());
}

} // namespace

bool needsTextMark(QStringView text)
{
    if (!text.isEmpty() && text.front() == kTextMark)
        return true;
    for (const QChar c : text) {
        if (isBlankOrControl(c.unicode()))
            continue;
        return c == u'=' || c == u'+' || c == u'-' || c == u'@';
    }
    return false;
}

QString showControls(QStringView text, bool memo)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (memo && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            shown += u"\r\n";
            ++i;
            continue;
        }
        shown += QChar(shownControl(text[i].unicode()));
    }
    return shown;
}

QString restoreControls(QStringView text)
{
    QString restored(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        restored[i] = QChar(controlShownAs(text[i].unicode()));
    return restored;
}

void CsvWriter::field(QStringView text)
{
    appendField(text, false);
}

void CsvWriter::textField(QStringView text)
{
    appendField(showControls(text), needsTextMark(text));
}

void CsvWriter::utf8Field(QByteArrayView utf8)
{
    appendUtf8Field(utf8, false);
}

void CsvWriter::utf8TextField(QByteArrayView utf8, bool marked)
{
    appendUtf8Field(utf8, marked);
}

void CsvWriter::appendField(QStringView text, bool marked)
{
    if (rowStarted_)
        bytes_ += ',';
    rowStarted_ = true;
    const bool quoted = needsQuotes(text);
    if (quoted)
        bytes_ += '"';
    if (marked)
        bytes_ += '\'';
    appendUtf8(bytes_, text, quoted);
    if (quoted)
        bytes_ += '"';
}

void CsvWriter::appendUtf8Field(QByteArrayView utf8, bool marked)
{
    if (rowStarted_)
        bytes_ += ',';
    rowStarted_ = true;
    bool quoted = false;
    for (const char c : utf8)
        quoted = quoted || c == ',' || c == '"' || c == '\r' || c == '\n';
    if (quoted)
        bytes_ += '"';
    if (marked)
        bytes_ += '\'';
    if (!quoted) {
        bytes_ += utf8;
        return;
    }
    for (qsizetype from = 0; from < utf8.size();) {
        const qsizetype quote = utf8.indexOf('"', from);
        const qsizetype end = quote < 0 ? utf8.size() : quote + 1;
        bytes_ += utf8.sliced(from, end - from);
        if (quote >= 0)
            bytes_ += '"';
        from = end;
    }
    bytes_ += '"';
}

void CsvWriter::endRow()
{
    bytes_ += "\r\n";
    rowStarted_ = false;
}

qsizetype CsvReader::lineBreakAt(qsizetype at) const
{
    if (at >= text_.size())
        return 0;
    if (text_[at] == u'\r')
        return at + 1 < text_.size() && text_[at + 1] == u'\n' ? 2 : 1;
    return text_[at] == u'\n' ? 1 : 0;
}

bool CsvReader::next(CsvRecord& record)
{
    const qsizetype size = text_.size();
    while (const qsizetype blank = lineBreakAt(pos_)) {
        pos_ += blank;
        ++line_;
    }
    if (pos_ >= size)
        return false;

    // Line breaks inside a quoted piece: every LF, and every CR that no LF follows.
    const auto breaksIn = [](QStringView piece) {
        int breaks = 0;
        for (qsizetype k = 0; k < piece.size(); ++k) {
            if (piece[k] == u'\n' || (piece[k] == u'\r' && (k + 1 == piece.size() || piece[k + 1] != u'\n')))
                ++breaks;
        }
        return breaks;
    };

    record.line = line_;
    record.begin = pos_;
    record.unclosedQuoteLine = 0;
    // The fields of the last record keep their memory for this one's.
    qsizetype count = 0;
    while (true) {
        if (count == record.fields.size())
            record.fields.emplace_back();
        if (std::size_t(count) == record.fieldStarts.size())
            record.fieldStarts.emplace_back();
        record.fieldStarts[std::size_t(count)] = pos_;
        QString& field = record.fields[count++];
        field.resize(0);
        if (pos_ < size && text_[pos_] == u'"') {
            // A quoted part: up to the closing quote, a doubled quote standing for one.
            const int quoteLine = line_;
            ++pos_;
            while (true) {
                const qsizetype quote = text_.indexOf(u'"', pos_);
                const QStringView piece = text_.sliced(pos_, (quote < 0 ? size : quote) - pos_);
                field += piece;
                line_ += breaksIn(piece);
                if (quote < 0) {
                    record.unclosedQuoteLine = quoteLine;
                    pos_ = size;
                    break;
                }
                pos_ = quote + 1;
                if (pos_ < size && text_[pos_] == u'"') {
                    field += u'"';
                    ++pos_;
                    continue;
                }
                break;
            }
        }
        // The unquoted part, or what follows a closing quote, up to a separator or a line break.
        qsizetype end = pos_;
        while (end < size && text_[end] != separator_ && text_[end] != u'\r' && text_[end] != u'\n')
            ++end;
        field += text_.sliced(pos_, end - pos_);
        pos_ = end;
        if (pos_ < size && text_[pos_] == separator_) {
            ++pos_;
            continue;
        }
        record.fields.resize(count);
        record.fieldStarts.resize(std::size_t(count));
        record.end = pos_;
        const qsizetype lineBreak = lineBreakAt(pos_);
        pos_ += lineBreak;
        line_ += lineBreak ? 1 : 0;
        return true;
    }
}

} // namespace exchange
