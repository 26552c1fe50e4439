#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Comma-separated values after RFC 4180: a field holding a comma, a quote, CR or LF is quoted and
// its quotes doubled; every row ends with CR LF. The reader also takes another separator.
namespace exchange {

// The apostrophe a text cell gets in front when it starts like a formula.
inline constexpr char16_t kTextMark = u'\'';

// A spreadsheet takes a cell starting with = + - or @ for a formula and runs it, and drops a leading
// apostrophe as its own mark for text. Such a text is written with the mark in front, so that it
// stays text and comes back whole; one starting with the mark itself gets it too, so that reading
// drops exactly one.
constexpr bool needsTextMark(char16_t first)
{
    return first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == kTextMark;
}

class CsvWriter final
{
public:
    // start: bytes the output begins with, such as a byte order mark.
    explicit CsvWriter(QByteArray start = {}) : bytes_(std::move(start)) {}

    // Appends one field to the current row, quoted where it must be.
    void field(QStringView text);
    // The same for a field already in UTF-8.
    void utf8Field(QByteArrayView utf8);
    // A text that a user wrote (a name, a title, a memo): with the text mark in front where it needs it.
    void textField(QStringView text);
    void utf8TextField(QByteArrayView utf8);
    // Ends the current row with CR LF.
    void endRow();

    // The rows so far, UTF-8.
    const QByteArray& bytes() const { return bytes_; }
    QByteArray takeBytes() { return std::move(bytes_); }
    void reserve(qsizetype size) { bytes_.reserve(size); }

private:
    void appendField(QStringView text, bool marked);
    void appendUtf8Field(QByteArrayView utf8, bool marked);

    QByteArray bytes_;
    bool rowStarted_ = false;
};

struct CsvRecord
{
    int line = 0; // the physical line (1-based) the record starts on
    QStringList fields;
    std::vector<qsizetype> fieldStarts; // where each field starts in the text
    // The record's characters in the text: from its first field up to its line break.
    qsizetype begin = 0;
    qsizetype end = 0;
    // The line a quoted field opened on that ran to the end of the text, else 0.
    int unclosedQuoteLine = 0;
};

// The records of a text, one at a time. A row ends with CR LF, LF or a lone CR; inside quotes these
// are kept as they are and count as lines of their own. Blank lines hold no record. The reader
// forgives what a hand-made file gets wrong: a quote inside an unquoted field is a character, and
// characters after a closing quote belong to the field.
class CsvReader final
{
public:
    // text must outlive the reader. separator: a comma, or what a spreadsheet saved instead (a
    // semicolon, a tab).
    explicit CsvReader(QStringView text, QChar separator = u',') : text_(text), separator_(separator) {}

    // The next record into record; false at the end of the text.
    bool next(CsvRecord& record);

private:
    qsizetype lineBreakAt(qsizetype at) const;

    QStringView text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace exchange
