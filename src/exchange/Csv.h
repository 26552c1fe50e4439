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

// A blank, or a control character: what a spreadsheet may pass over before it sees a formula.
constexpr bool isBlankOrControl(char16_t c)
{
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0);
}

// A spreadsheet takes a cell starting with = + - or @ for a formula and runs it, also behind blanks and
// control characters, and drops a leading apostrophe as its own mark for text. Such a text is written
// with the mark in front, so that it stays text and comes back whole; one starting with the mark
// itself gets it too, so that reading drops exactly one.
bool needsTextMark(QStringView text);

// A terminal takes control characters as commands, and a cell of one line must not break its line, so
// the export writes them as characters Windows-1252 cannot hold, which no text of the archive can
// therefore be: a C0 control (line breaks included) as its Control Picture U+2400-U+241F, DEL as
// U+2421, and a C1 control U+0080-U+009F (Windows-1252 leaves five bytes undefined, which read as
// such) as U+E080-U+E09F of the Private Use Area. Any other character stays as it is.
constexpr char16_t shownControl(char16_t c)
{
    if (c < 0x20)
        return char16_t(0x2400 + c);
    if (c == 0x7F)
        return u'\u2421';
    if (c >= 0x80 && c < 0xA0)
        return char16_t(0xE000 + c);
    return c;
}

// The control character that shownControl() writes as c; c itself when it stands for none.
constexpr char16_t controlShownAs(char16_t c)
{
    if (c >= 0x2400 && c < 0x2420)
        return char16_t(c - 0x2400);
    if (c == 0x2421)
        return 0x7F;
    if (c >= 0xE080 && c < 0xE0A0)
        return char16_t(c - 0xE000);
    return c;
}

// text with every control character shown (see shownControl()); in a memo a CR LF stays a line break.
QString showControls(QStringView text, bool memo = false);
// The reverse: every character that stands for a control character becomes that character.
QString restoreControls(QStringView text);

class CsvWriter final
{
public:
    // start: bytes the output begins with, such as a byte order mark.
    explicit CsvWriter(QByteArray start = {}) : bytes_(std::move(start)) {}

    // Appends one field to the current row, quoted where it must be.
    void field(QStringView text);
    // The same for a field already in UTF-8.
    void utf8Field(QByteArrayView utf8);
    // A text of one line that a user wrote (a name, a title): its control characters shown, with the
    // text mark in front where it needs it.
    void textField(QStringView text);
    // A text already in UTF-8 with its control characters shown, the mark in front when marked.
    void utf8TextField(QByteArrayView utf8, bool marked);
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
