#include "exchange/SheetText.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

using namespace Qt::StringLiterals;

namespace exchange {

TextShaper::TextShaper(const QFont& font, const QPaintDevice* device) : font_(font), metrics_(font, device)
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
    s.indexes.reserve(indexes.size());
    s.positions.reserve(indexes.size());
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

double TextShaper::width(const QString& text) const
{
    const QList<quint32> indexes = glyphFont_.glyphIndexesForString(text);
    if (!glyphFont_.isValid() || indexes.contains(0))
        return metrics_.horizontalAdvance(text);
    double width = 0;
    for (const QPointF& advance : glyphFont_.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances))
        width += advance.x();
    return width;
}

const TextShaper::Shaped& TextShaper::shaped(const QString& text)
{
    auto it = shapedTexts_.find(text);
    if (it == shapedTexts_.end())
        it = shapedTexts_.insert(text, shape(text));
    return *it;
}

void GlyphRuns::add(const QRawFont& font, double x, double baseline, const TextShaper::Shaped& shaped)
{
    Run* run = nullptr;
    for (Run& r : runs_) {
        if (r.font == &font)
            run = &r;
    }
    if (!run)
        run = &runs_.emplace_back(Run{&font, {}, {}});
    run->indexes.append(shaped.indexes);
    const double y = std::round(baseline);
    for (const QPointF& position : shaped.positions)
        run->positions.append(QPointF(std::round(position.x() + x), y));
}

void GlyphRuns::draw(QPainter& painter)
{
    for (Run& run : runs_) {
        if (run.indexes.isEmpty())
            continue;
        QGlyphRun glyphs;
        glyphs.setRawFont(*run.font);
        glyphs.setGlyphIndexes(run.indexes);
        glyphs.setPositions(run.positions);
        painter.drawGlyphRun(QPointF(0, 0), glyphs);
        run.indexes.clear();
        run.positions.clear();
    }
}

} // namespace exchange
