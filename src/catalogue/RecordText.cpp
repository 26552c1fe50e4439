#include "RecordText.h"

#include "catalogue/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace catalogue {

namespace {

// Stores bytes cut to capacity and zeroes the rest, so no earlier value lingers in the field.
std::size_t storeCut(char* chars, std::size_t capacity, const QByteArray& bytes)
{
    const std::size_t n = std::min(static_cast<std::size_t>(bytes.size()), capacity);
    std::memcpy(chars, bytes.constData(), n);
    std::memset(chars + n, 0, capacity - n);
    return n;
}

} // namespace

QString readShortString(const quint8& length, const char* chars, std::size_t capacity)
{
    const std::size_t n = std::min(static_cast<std::size_t>(length), capacity);
    return cp1252::decode(chars, static_cast<qsizetype>(n));
}

void writeShortString(quint8& length, char* chars, std::size_t capacity, QStringView text)
{
    length = static_cast<quint8>(storeCut(chars, capacity, cp1252::encode(text)));
}

QString readZeroTerminated(const char* field, std::size_t fieldSize)
{
    // Without a terminator the text is as long as the field can hold, so that a save (which
    // always writes the terminator) keeps it unchanged.
    const void* zero = std::memchr(field, 0, fieldSize - 1);
    const std::size_t n =
        zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - field) : fieldSize - 1;
    return cp1252::decode(field, static_cast<qsizetype>(n));
}

void writeZeroTerminated(char* field, std::size_t fieldSize, QStringView text)
{
    // The last byte always stays free for the terminator.
    storeCut(field, fieldSize - 1, cp1252::encode(text));
    field[fieldSize - 1] = 0;
}

QString storedTapeName(QStringView name)
{
    QByteArray bytes = cp1252::encode(name);
    bytes.truncate(sizeof(FilmRecord::tapeName.chars));
    return cp1252::decode(bytes.constData(), bytes.size());
}

QString memoFromRecord(QStringView recordText)
{
    QString memo;
    memo.reserve(recordText.size());
    for (qsizetype i = 0; i < recordText.size(); ++i) {
        const QChar c = recordText[i];
        if (c == u'\r') {
            memo += u'\n';
            if (i + 1 < recordText.size() && recordText[i + 1] == u'\n')
                ++i;
        } else {
            memo += c;
        }
    }
    return memo;
}

QString memoToRecord(QStringView memo)
{
    QString text;
    text.reserve(memo.size() + memo.count(u'\n'));
    for (const QChar c : memo) {
        if (c == u'\n')
            text += u'\r';
        text += c;
    }
    return text;
}

qsizetype recordLength(QStringView memo)
{
    return memo.size() + memo.count(u'\n');
}

} // namespace catalogue
