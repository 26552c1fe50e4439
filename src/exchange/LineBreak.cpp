#include "exchange/LineBreak.h"

#include <vector>

namespace exchange {
namespace {

// A piece of text that stays whole on a line unless it is too long for any line.
struct Piece
{
    QString text;
    bool afterSpace = false; // a space separates it from the piece before
};

// The words of a simplified text, a word cut after each hyphen that has letters on both sides.
std::vector<Piece> piecesOf(const QString& text)
{
    std::vector<Piece> pieces;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        qsizetype start = 0;
        for (qsizetype i = 1; i + 1 < word.size(); ++i) {
            if (word[i] == u'-' && word[i - 1] != u'-' && word[i + 1] != u'-') {
                pieces.push_back({word.mid(start, i + 1 - start), start == 0});
                start = i + 1;
            }
        }
        pieces.push_back({word.mid(start), start == 0});
    }
    if (!pieces.empty())
        pieces.front().afterSpace = false;
    return pieces;
}

// The longest start of word that fits with a hyphen behind it: at least one character, and two left
// for the next line where the word has four; never a surrogate pair cut in two.
qsizetype hyphenatedPrefix(const QString& word, double width, const TextWidth& widthOf)
{
    const qsizetype longest = word.size() >= 4 ? word.size() - 2 : word.size() - 1;
    qsizetype fits = 1;
    qsizetype tooLong = longest + 1;
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (widthOf(word.left(middle) + u'-') <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits < word.size() && word[fits].isLowSurrogate() && fits + 1 < word.size())
        ++fits;
    return fits;
}

} // namespace

QStringList breakLines(const QString& text, double width, const TextWidth& widthOf)
{
    const QString plain = text.simplified();
    if (plain.isEmpty() || widthOf(plain) <= width)
        return {plain};

    QStringList lines;
    QString line;
    for (Piece& piece : piecesOf(plain)) {
        if (!line.isEmpty()) {
            const QString longer = line + (piece.afterSpace ? QStringLiteral(" ") : QString()) + piece.text;
            if (widthOf(longer) <= width) {
                line = longer;
                continue;
            }
            lines.append(line);
        }
        // The piece starts a line; one too long for any line is broken with hyphens.
        QString rest = std::move(piece.text);
        while (rest.size() > 1 && widthOf(rest) > width) {
            const qsizetype cut = hyphenatedPrefix(rest, width, widthOf);
            const QString head = rest.left(cut);
            lines.append(head.endsWith(u'-') ? head : head + u'-');
            rest.remove(0, cut);
        }
        line = rest;
    }
    lines.append(line);
    return lines;
}

} // namespace exchange
