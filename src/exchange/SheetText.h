#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <vector>

class QPaintDevice;
class QPainter;

// Text of the printed sheets as glyphs. A PDF writer spends more on each text it is handed than on its
// letters, and a text layout more than the sheets' texts need: they are Windows-1252, Latin letters
// that need no shaping beyond kerning. So the glyphs come straight from the font, and all the texts of
// a page in one font are drawn as one glyph run.
namespace exchange {

class TextShaper final
{
public:
    // A text as glyphs on its baseline, from x = 0; spaces are left out, being only room.
    struct Shaped
    {
        QList<quint32> indexes;
        QList<QPointF> positions;
        double width = 0;
        bool asText = false; // holds a letter the font lacks: to be drawn as text, by another font
    };

    TextShaper(const QFont& font, const QPaintDevice* device);

    const QFont& font() const { return font_; }
    const QFontMetricsF& metrics() const { return metrics_; }
    const QRawFont& glyphFont() const { return glyphFont_; }
    Shaped shape(const QString& text) const;
    // The width shape() would give, without gathering the glyphs.
    double width(const QString& text) const;
    // shape() for the texts that recur from row to row: each is shaped once.
    const Shaped& shaped(const QString& text);

private:
    QFont font_;
    QFontMetricsF metrics_;
    QRawFont glyphFont_; // the font as the device draws it
    quint32 spaceGlyph_ = 0;
    QHash<QString, Shaped> shapedTexts_;
};

// The glyphs of one page, gathered text by text and drawn in one run per font.
class GlyphRuns final
{
public:
    // Adds the glyphs of shaped, in font, starting at x on baseline. Positions are rounded to whole
    // units of the page: finer than any printer's dots, and a PDF file writes them in fewer bytes.
    void add(const QRawFont& font, double x, double baseline, const TextShaper::Shaped& shaped);
    // Draws everything added so far and forgets it.
    void draw(QPainter& painter);

private:
    struct Run
    {
        const QRawFont* font = nullptr;
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    std::vector<Run> runs_;
};

} // namespace exchange
