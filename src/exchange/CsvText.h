#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The text of a CSV file and how its bytes were read.
namespace exchange {

enum class CsvEncoding
{
    Utf8,
    Windows1252
};

struct CsvText
{
    // A byte that is no UTF-8, in a file read as UTF-8: where its U+FFFD stands in text, and its value.
    struct BadByte
    {
        qsizetype at = 0;
        quint8 value = 0;
    };

    QString text;
    CsvEncoding encoding = CsvEncoding::Utf8;
    std::vector<BadByte> badBytes; // in text order
};

// Decodes a CSV file. A file with a UTF-8 byte order mark is UTF-8; so is one without that is valid
// UTF-8, or that holds valid multi-byte sequences and no more bytes that are no UTF-8 than such
// sequences. Anything else is Windows-1252, as spreadsheets on Windows save it.
//
// Why that rule: a Windows-1252 file hardly ever holds a valid multi-byte sequence (that takes a
// letter such as Ã or ß followed by one to three of the code page's bytes 0x80 to 0xBF, while its
// umlauts stand between plain letters), so such sequences show a UTF-8 file, and bad bytes no more
// numerous than they are damage to it. Read as UTF-8, each row holding a bad byte is skipped with a
// reason; read as Windows-1252, every umlaut of the file would turn into two characters unnoticed.
CsvText decodeCsvFile(const QByteArray& bytes);

// "UTF-8" or "Windows-1252": names, the same in every language.
QString encodingName(CsvEncoding encoding);

} // namespace exchange
