#include "exchange/XmlScanner.h"

#include <algorithm>
#include <cstring>

namespace exchange {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

void appendUtf8(QByteArray& out, char32_t c)
{
    if (c < 0x80) {
        out.append(char(c));
    } else if (c < 0x800) {
        out.append(char(0xC0 | (c >> 6))).append(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | (c >> 12)))
            .append(char(0x80 | ((c >> 6) & 0x3F)))
            .append(char(0x80 | (c & 0x3F)));
    } else {
        out.append(char(0xF0 | (c >> 18)))
            .append(char(0x80 | ((c >> 12) & 0x3F)))
            .append(char(0x80 | ((c >> 6) & 0x3F)))
            .append(char(0x80 | (c & 0x3F)));
    }
}

} // namespace

XmlScanner::XmlScanner(QByteArrayView xml)
    : begin_(xml.data()), end_(xml.data() + xml.size()), pos_(begin_), tokenStart_(begin_),
      linesCountedTo_(begin_)
{}

XmlScanner::Token XmlScanner::fail()
{
    error_ = true;
    return Invalid;
}

qint64 XmlScanner::lineNumber()
{
    const char* const at = error_ ? pos_ : tokenStart_;
    if (at > linesCountedTo_) {
        lines_ += std::count(linesCountedTo_, at, '\n');
        linesCountedTo_ = at;
    }
    return lines_;
}

bool XmlScanner::skipPast(QByteArrayView marker)
{
    const QByteArrayView rest(pos_, end_ - pos_);
    const qsizetype at = rest.indexOf(marker);
    if (at < 0)
        return false;
    pos_ += at + marker.size();
    return true;
}

// <!DOCTYPE ...>, with an internal subset in brackets.
bool XmlScanner::skipDeclaration()
{
    int brackets = 0;
    char quote = 0;
    for (; pos_ < end_; ++pos_) {
        const char c = *pos_;
        if (quote) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            --brackets;
        } else if (c == '>' && brackets <= 0) {
            ++pos_;
            return true;
        }
    }
    return false;
}

XmlScanner::Token XmlScanner::readNext()
{
    if (error_)
        return Invalid;
    if (emptyPending_) {
        emptyPending_ = false;
        open_.pop_back();
        return EndElement;
    }
    for (;;) {
        tokenStart_ = pos_;
        if (pos_ >= end_) {
            if (!open_.empty())
                return fail();
            ended_ = true;
            return EndDocument;
        }
        if (*pos_ != '<') {
            const char* const lt = static_cast<const char*>(std::memchr(pos_, '<', std::size_t(end_ - pos_)));
            const char* const stop = lt ? lt : end_;
            rawText_ = QByteArrayView(pos_, stop - pos_);
            pos_ = stop;
            // Outside the root only blanks may stand.
            if (open_.empty())
                continue;
            textDecoded_ = false;
            return Characters;
        }
        const QByteArrayView rest(pos_, end_ - pos_);
        if (rest.startsWith("<!--")) {
            if (!skipPast("-->"))
                return fail();
        } else if (rest.startsWith("<?")) {
            if (!skipPast("?>"))
                return fail();
        } else if (rest.startsWith("<![CDATA[")) {
            pos_ += 9;
            const char* const start = pos_;
            if (!skipPast("]]>"))
                return fail();
            text_ = QByteArray(start, pos_ - 3 - start);
            textDecoded_ = true;
            return Characters;
        } else if (rest.startsWith("<!")) {
            if (!skipDeclaration())
                return fail();
        } else if (rest.startsWith("</")) {
            return endTag();
        } else {
            return startTag();
        }
    }
}

XmlScanner::Token XmlScanner::startTag()
{
    const char* const nameStart = ++pos_;
    while (pos_ < end_ && !isSpace(*pos_) && *pos_ != '/' && *pos_ != '>')
        ++pos_;
    const QByteArrayView qualified(nameStart, pos_ - nameStart);
    const char* const attributesStart = pos_;
    char quote = 0;
    for (; pos_ < end_; ++pos_) {
        if (quote)
            quote = *pos_ == quote ? 0 : quote;
        else if (*pos_ == '"' || *pos_ == '\'')
            quote = *pos_;
        else if (*pos_ == '>')
            break;
    }
    if (pos_ >= end_ || qualified.isEmpty())
        return fail();
    emptyPending_ = pos_[-1] == '/';
    attributes_ = QByteArrayView(attributesStart, pos_ - attributesStart - (emptyPending_ ? 1 : 0));
    ++pos_;
    const qsizetype colon = qualified.indexOf(':');
    prefix_ = colon < 0 ? QByteArrayView() : qualified.first(colon);
    name_ = qualified.sliced(colon + 1);
    open_.push_back(qualified);
    return StartElement;
}

XmlScanner::Token XmlScanner::endTag()
{
    pos_ += 2;
    const char* const nameStart = pos_;
    while (pos_ < end_ && *pos_ != '>')
        ++pos_;
    QByteArrayView qualified(nameStart, pos_ - nameStart);
    while (!qualified.isEmpty() && isSpace(qualified.back()))
        qualified.chop(1);
    if (pos_ >= end_ || open_.empty() || open_.back() != qualified)
        return fail();
    ++pos_;
    open_.pop_back();
    const qsizetype colon = qualified.indexOf(':');
    prefix_ = colon < 0 ? QByteArrayView() : qualified.first(colon);
    name_ = qualified.sliced(colon + 1);
    return EndElement;
}

bool XmlScanner::readNextStartElement()
{
    for (;;) {
        switch (readNext()) {
        case StartElement:
            return true;
        case EndElement:
        case EndDocument:
        case Invalid:
            return false;
        case Characters:
            break;
        }
    }
}

void XmlScanner::skipCurrentElement()
{
    int depth = 1;
    while (depth > 0) {
        switch (readNext()) {
        case StartElement:
            ++depth;
            break;
        case EndElement:
            --depth;
            break;
        case EndDocument:
        case Invalid:
            return;
        case Characters:
            break;
        }
    }
}

// Character references and XML's line ends: a CR LF or a lone CR in the file is a line feed.
bool XmlScanner::decode(QByteArrayView raw, QByteArray& out) const
{
    out.clear();
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '\r') {
            out.append('\n');
            if (i + 1 < raw.size() && raw[i + 1] == '\n')
                ++i;
            continue;
        }
        if (c != '&') {
            out.append(c);
            continue;
        }
        const qsizetype semicolon = raw.indexOf(';', i);
        if (semicolon < 0)
            return false;
        const QByteArrayView reference = raw.sliced(i + 1, semicolon - i - 1);
        i = semicolon;
        if (reference == "amp")
            out.append('&');
        else if (reference == "lt")
            out.append('<');
        else if (reference == "gt")
            out.append('>');
        else if (reference == "quot")
            out.append('"');
        else if (reference == "apos")
            out.append('\'');
        else if (reference.startsWith('#')) {
            bool ok = false;
            const uint code = reference.startsWith("#x") ? reference.sliced(2).toUInt(&ok, 16)
                                                         : reference.sliced(1).toUInt(&ok, 10);
            if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
                return false;
            appendUtf8(out, char32_t(code));
        } else {
            return false;
        }
    }
    return true;
}

QString XmlScanner::text()
{
    if (textDecoded_)
        return QString::fromUtf8(text_);
    if (!rawText_.contains('&') && !rawText_.contains('\r'))
        return QString::fromUtf8(rawText_);
    QByteArray decoded;
    if (!decode(rawText_, decoded)) {
        error_ = true;
        return {};
    }
    return QString::fromUtf8(decoded);
}

QString XmlScanner::attribute(QByteArrayView qualifiedName) const
{
    const QByteArrayView all = attributes_;
    qsizetype i = 0;
    while (i < all.size()) {
        while (i < all.size() && isSpace(all[i]))
            ++i;
        const qsizetype nameStart = i;
        while (i < all.size() && all[i] != '=' && !isSpace(all[i]))
            ++i;
        const QByteArrayView name = all.sliced(nameStart, i - nameStart);
        while (i < all.size() && (isSpace(all[i]) || all[i] == '='))
            ++i;
        if (i >= all.size() || (all[i] != '"' && all[i] != '\''))
            return {};
        const qsizetype close = all.indexOf(all[i], i + 1);
        if (close < 0)
            return {};
        if (name == qualifiedName) {
            QByteArray value;
            if (!decode(all.sliced(i + 1, close - i - 1), value))
                return {};
            return QString::fromUtf8(value).replace(u'\n', u' ').replace(u'\t', u' ');
        }
        i = close + 1;
    }
    return {};
}

} // namespace exchange
