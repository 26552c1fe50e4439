#include "exchange/CsvText.h"

#include "catalogue/Cp1252.h"

#include <QByteArrayView>
#include <QStringDecoder>

namespace exchange {

namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

// The length of the well-formed UTF-8 sequence at the start of bytes (1 for ASCII), or 0 when its
// first byte starts none: no overlong forms, no surrogates, nothing beyond U+10FFFF.
int sequenceLength(QByteArrayView bytes)
{
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80; // the range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

// How an encoding with code units of size bytes in the given order reads a file: every unit that
// is no character becomes one U+FFFD, noted with its value.
CsvText decodeUnits(QByteArrayView body, CsvEncoding encoding, int size, bool littleEndian)
{
    const auto unitAt = [&](qsizetype at, int bytes) {
        quint32 unit = 0;
        for (int i = 0; i < bytes; ++i) {
            const quint32 byte = static_cast<unsigned char>(body[at + i]);
            unit |= byte << (8 * (littleEndian ? i : bytes - 1 - i));
        }
        return unit;
    };
    CsvText file;
    file.encoding = encoding;
    file.text.reserve(body.size() / size);
    const auto bad = [&file](quint32 value, int bytes) {
        file.badBytes.push_back({file.text.size(), value, bytes});
        file.text += QChar::ReplacementCharacter;
    };
    qsizetype at = 0;
    for (; at + size <= body.size(); at += size) {
        const quint32 unit = unitAt(at, size);
        if (size == 4) {
            if (unit > 0x10FFFF || QChar::isSurrogate(unit))
                bad(unit, size);
            else
                file.text += QChar::fromUcs4(char32_t(unit));
            continue;
        }
        if (QChar::isHighSurrogate(unit) && at + 2 * size <= body.size() &&
            QChar::isLowSurrogate(unitAt(at + size, size))) {
            file.text += QChar(char16_t(unit));
            file.text += QChar(char16_t(unitAt(at + size, size)));
            at += size;
        } else if (QChar::isSurrogate(unit)) {
            bad(unit, size);
        } else {
            file.text += QChar(char16_t(unit));
        }
    }
    // The bytes of a unit cut off at the end of the file.
    if (at < body.size())
        bad(unitAt(at, int(body.size() - at)), int(body.size() - at));
    return file;
}

// A file without a byte order mark whose bytes show UTF-16LE: zero in most of its odd bytes (the high
// bytes of Latin letters, digits and separators), in few of its even ones.
bool looksLikeUtf16LE(QByteArrayView bytes)
{
    const qsizetype pairs = bytes.size() / 2;
    qsizetype oddZeros = 0;
    qsizetype evenZeros = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        evenZeros += bytes[i] == 0 ? 1 : 0;
        oddZeros += bytes[i + 1] == 0 ? 1 : 0;
    }
    return pairs > 0 && 2 * oddZeros > pairs && 4 * evenZeros < pairs;
}

} // namespace

CsvText decodeCsvFile(const QByteArray& bytes)
{
    const QByteArrayView all(bytes);
    // The mark of UTF-32LE starts with that of UTF-16LE, so it is asked for first.
    if (all.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)))
        return decodeUnits(all.sliced(4), CsvEncoding::Utf32LE, 4, true);
    if (all.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return decodeUnits(all.sliced(4), CsvEncoding::Utf32BE, 4, false);
    if (all.startsWith("\xFF\xFE"))
        return decodeUnits(all.sliced(2), CsvEncoding::Utf16LE, 2, true);
    if (all.startsWith("\xFE\xFF"))
        return decodeUnits(all.sliced(2), CsvEncoding::Utf16BE, 2, false);
    if (!all.startsWith(kByteOrderMark) && looksLikeUtf16LE(all))
        return decodeUnits(all, CsvEncoding::Utf16LE, 2, true);

    const bool byteOrderMark = bytes.startsWith(kByteOrderMark);
    const QByteArrayView body = QByteArrayView(bytes).sliced(byteOrderMark ? kByteOrderMark.size() : 0);
    CsvText file;
    // A second mark would be a character of the text, as any other. Stateless: a sequence cut off at
    // the end is an error, not the start of more text to come.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    file.text = utf8(body);
    if (!utf8.hasError())
        return file;

    std::vector<qsizetype> bad;
    qsizetype multiByte = 0;
    for (qsizetype at = 0; at < body.size();) {
        const int length = sequenceLength(body.sliced(at));
        if (length == 0)
            bad.push_back(at++);
        multiByte += length > 1 ? 1 : 0;
        at += length;
    }
    if (!byteOrderMark && (multiByte == 0 || qsizetype(bad.size()) > multiByte)) {
        file.encoding = CsvEncoding::Windows1252;
        file.text = catalogue::cp1252::decode(bytes.constData(), bytes.size());
        return file;
    }

    // Every bad byte becomes one U+FFFD, and the planner learns where. The pieces between go through
    // the same decoder, which keeps a mark at their start (QString::fromUtf8() would drop it).
    file.text.clear();
    file.text.reserve(body.size());
    qsizetype from = 0;
    for (const qsizetype at : bad) {
        file.text += utf8(body.sliced(from, at - from));
        file.badBytes.push_back({file.text.size(), static_cast<unsigned char>(body[at]), 1});
        file.text += QChar::ReplacementCharacter;
        from = at + 1;
    }
    file.text += utf8(body.sliced(from));
    return file;
}

QString encodingName(CsvEncoding encoding)
{
    switch (encoding) {
    case CsvEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case CsvEncoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case CsvEncoding::Utf16LE:
        return QStringLiteral("UTF-16LE");
    case CsvEncoding::Utf16BE:
        return QStringLiteral("UTF-16BE");
    case CsvEncoding::Utf32LE:
        return QStringLiteral("UTF-32LE");
    case CsvEncoding::Utf32BE:
        return QStringLiteral("UTF-32BE");
    }
    return {};
}

} // namespace exchange
