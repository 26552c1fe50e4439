#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Comma-separated values after RFC 4180: a field holding a comma, a quote, CR or LF is quoted and
// its quotes doubled; every row ends with CR LF.
namespace exchange {

class CsvWriter final
{
public:
    // start: bytes the output begins with, such as a byte order mark.
    explicit CsvWriter(QByteArray start = {}) : bytes_(std::move(start)) {}

    // Appends one field to the current row, quoted where it must be.
    void field(QStringView text);
    // The same for a field already in UTF-8.
    void utf8Field(QByteArrayView utf8);
    // Ends the current row with CR LF.
    void endRow();

    // The rows so far, UTF-8.
    const QByteArray& bytes() const { return bytes_; }
    QByteArray takeBytes() { return std::move(bytes_); }
    void reserve(qsizetype size) { bytes_.reserve(size); }

private:
    QByteArray bytes_;
    bool rowStarted_ = false;
};

struct CsvRecord
{
    int line = 0; // the physical line (1-based) the record starts on
    QStringList fields;
    bool unclosedQuote = false; // a quoted field ran to the end of the text
};

// The records of a text, one at a time. A row ends with CR LF, LF or a lone CR; inside quotes these
// are kept as they are and count as lines of their own. Blank lines hold no record. The reader
// forgives what a hand-made file gets wrong: a quote inside an unquoted field is a character, and
// characters after a closing quote belong to the field.
class CsvReader final
{
public:
    // text must outlive the reader.
    explicit CsvReader(QStringView text) : text_(text) {}

    // The next record into record; false at the end of the text.
    bool next(CsvRecord& record);

private:
    qsizetype lineBreakAt(qsizetype at) const;

    QStringView text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace exchange
