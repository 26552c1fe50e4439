#include "exchange/SheetText.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace exchange {

TextShaper::TextShaper(const QFont& font, const QPaintDevice* device) : metrics_(font, device)
{
    // The font the device draws with, fallbacks and resolution settled: taken from a laid-out sample.
    QTextLayout sample(u"0 "_s, font, device);
    sample.beginLayout();
    sample.createLine();
    sample.endLayout();
    if (const QList<QGlyphRun> runs = sample.glyphRuns(); runs.size() == 1) {
        glyphFont_ = runs.front().rawFont();
        spaceGlyph_ = glyphFont_.glyphIndexesForString(u" "_s).value(0);
    }
}

TextShaper::Shaped TextShaper::shape(const QString& text) const
{
    Shaped s;
    const QList<quint32> indexes = glyphFont_.glyphIndexesForString(text);
    if (!glyphFont_.isValid() || indexes.contains(0)) {
        s.asText = true;
        s.width = metrics_.horizontalAdvance(text);
        return s;
    }
    const QList<QPointF> advances = glyphFont_.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances);
    double x = 0;
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        if (indexes[i] != spaceGlyph_) {
            s.indexes.append(indexes[i]);
            s.positions.append(QPointF(x, 0));
        }
        x += advances[i].x();
    }
    s.width = x;
    return s;
}

const TextShaper::Shaped& TextShaper::shaped(const QString& text)
{
    auto it = shapedTexts_.find(text);
    if (it == shapedTexts_.end())
        it = shapedTexts_.insert(text, shape(text));
    return *it;
}

void GlyphRow::add(double x, double baseline, const TextShaper::Shaped& shaped, const QString& text)
{
    if (shaped.asText) {
        painter_.drawText(QPointF(x, baseline), text);
        return;
    }
    indexes_.append(shaped.indexes);
    for (const QPointF& position : shaped.positions)
        positions_.append(QPointF(position.x() + x, baseline));
}

void GlyphRow::draw()
{
    if (indexes_.isEmpty())
        return;
    QGlyphRun glyphs;
    glyphs.setRawFont(font_);
    glyphs.setGlyphIndexes(indexes_);
    glyphs.setPositions(positions_);
    painter_.drawGlyphRun(QPointF(0, 0), glyphs);
    indexes_.clear();
    positions_.clear();
}

} // namespace exchange
