#pragma once

#include "catalogue/FilmRecord.h"

#include <QString>
#include <QStringView>

#include <cstddef>

// Reading and writing the text fields of a record. Reads never leave their field, whatever the
// length byte or the terminator says; writes convert to Windows-1252 and cut to the field's capacity.
namespace catalogue {

QString readShortString(const quint8& length, const char* chars, std::size_t capacity);
void writeShortString(quint8& length, char* chars, std::size_t capacity, QStringView text);
QString readZeroTerminated(const char* field, std::size_t fieldSize);
void writeZeroTerminated(char* field, std::size_t fieldSize, QStringView text);

template <std::size_t N> QString text(const ShortString<N>& field)
{
    return readShortString(field.length, field.chars, N);
}

template <std::size_t N> void setText(ShortString<N>& field, QStringView value)
{
    writeShortString(field.length, field.chars, N, value);
}

template <std::size_t N> QString text(const char (&field)[N])
{
    return readZeroTerminated(field, N);
}

template <std::size_t N> void setText(char (&field)[N], QStringView value)
{
    writeZeroTerminated(field, N, value);
}

// The cassette name as the UI shows it.
inline QString tapeNameText(const FilmRecord& r)
{
    return text(r.tapeName);
}

// What a name becomes once stored as a cassette name: converted and cut to 50 characters.
QString storedTapeName(QStringView name);

// The memos (actors, story): a record keeps a line break as CR LF, an edit field as "\n".
QString memoFromRecord(QStringView recordText); // CR LF, and a lone CR or LF, become "\n"
QString memoToRecord(QStringView memo);         // every "\n" becomes CR LF
// Characters the memo takes in its record field: a line break counts two.
qsizetype recordLength(QStringView memo);

} // namespace catalogue
