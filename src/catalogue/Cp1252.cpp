#include "Cp1252.h"

#include <array>

namespace catalogue::cp1252 {

namespace {

// Characters of bytes 0x80..0x9F. The five bytes the code page leaves undefined keep their own
// value (a C1 control), so every byte has a character and the mapping stays reversible.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kReplacement = '?';

bool inHighControls(char16_t c)
{
    return c >= 0x80 && c < 0xA0;
}

// The byte that holds c, or -1 when the code page has none.
int byteOf(char16_t c)
{
    if (c < 0x100 && !inHighControls(c))
        return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

QString decode(const char* bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = QChar(inHighControls(b) ? kHighControls[b - 0x80] : char16_t{b});
    }
    return text;
}

QByteArray encode(QStringView text, bool* exact)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    bool allMapped = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A surrogate pair is one character and so becomes one replacement byte.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const int b = c.isSurrogate() ? -1 : byteOf(c.unicode());
        if (b < 0)
            allMapped = false;
        bytes[n++] = b < 0 ? kReplacement : static_cast<char>(b);
    }
    bytes.truncate(n);
    if (exact)
        *exact = allMapped;
    return bytes;
}

} // namespace catalogue::cp1252
