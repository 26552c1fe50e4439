#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The text of a CSV file and how its bytes were read.
namespace exchange {

enum class CsvEncoding
{
    Utf8,
    Windows1252,
    // What spreadsheets save as "Unicode text".
    Utf16LE,
    Utf16BE,
    Utf32LE,
    Utf32BE
};

struct CsvText
{
    // A byte that is no UTF-8, in a file read as UTF-8, or a code unit that is no character (a lone
    // surrogate, or bytes left over at the end) in a file read as UTF-16 or UTF-32: where its U+FFFD
    // stands in text, its value and how many bytes it took.
    struct BadByte
    {
        qsizetype at = 0;
        quint32 value = 0;
        int size = 1;
    };

    QString text;
    CsvEncoding encoding = CsvEncoding::Utf8;
    std::vector<BadByte> badBytes; // in text order
};

// Decodes a CSV file. A file with the byte order mark of UTF-32 or UTF-16 (either byte order) is read so,
// and so is a file without one whose odd bytes are mostly zero and its even bytes not: UTF-16LE, as a
// spreadsheet saves "Unicode text" (no text of Windows-1252 or UTF-8 holds zero bytes). A file with a
// UTF-8 byte order mark is UTF-8; so is one without that is valid UTF-8, or that holds valid multi-byte
// sequences and no more bytes that are no UTF-8 than such sequences. Anything else is Windows-1252, as
// spreadsheets on Windows save it.
//
// Why that rule: a Windows-1252 file hardly ever holds a valid multi-byte sequence (that takes a
// letter such as Ã or ß followed by one to three of the code page's bytes 0x80 to 0xBF, while its
// umlauts stand between plain letters), so such sequences show a UTF-8 file, and bad bytes no more
// numerous than they are damage to it. Read as UTF-8, each row holding a bad byte is skipped with a
// reason; read as Windows-1252, every umlaut of the file would turn into two characters unnoticed.
CsvText decodeCsvFile(const QByteArray& bytes);

// "UTF-8", "Windows-1252", "UTF-16LE" and so on: names, the same in every language.
QString encodingName(CsvEncoding encoding);

} // namespace exchange
