#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

class QPaintDevice;
class QPainter;

// Text of the printed sheets' tables as glyphs. A PDF writer spends more on each text it is handed than
// on its letters, and a text layout more than the sheets' texts need: they are Windows-1252, Latin
// letters that need no shaping beyond kerning. So the glyphs come straight from the font, and all the
// cells of a table row are drawn as one glyph run.
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

    const QRawFont& glyphFont() const { return glyphFont_; }
    Shaped shape(const QString& text) const;
    // shape() for the texts that recur from row to row: each is shaped once.
    const Shaped& shaped(const QString& text);

private:
    QFontMetricsF metrics_;
    QRawFont glyphFont_; // the font as the device draws it
    quint32 spaceGlyph_ = 0;
    QHash<QString, Shaped> shapedTexts_;
};

// The glyphs of one table row, gathered cell by cell and drawn in one go.
class GlyphRow final
{
public:
    GlyphRow(QPainter& painter, const QRawFont& font) : painter_(painter), font_(font) {}

    // A text that must be drawn as text is drawn at once, in the painter's font.
    void add(double x, double baseline, const TextShaper::Shaped& shaped, const QString& text);
    void draw();

private:
    QPainter& painter_;
    const QRawFont& font_;
    QList<quint32> indexes_;
    QList<QPointF> positions_;
};

} // namespace exchange
