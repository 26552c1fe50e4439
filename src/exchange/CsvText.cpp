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

} // namespace

CsvText decodeCsvFile(const QByteArray& bytes)
{
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
        file.badBytes.push_back({file.text.size(), static_cast<quint8>(body[at])});
        file.text += QChar::ReplacementCharacter;
        from = at + 1;
    }
    file.text += utf8(body.sliced(from));
    return file;
}

QString encodingName(CsvEncoding encoding)
{
    return encoding == CsvEncoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
}

} // namespace exchange
