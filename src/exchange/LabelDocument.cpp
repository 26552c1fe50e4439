#include "exchange/LabelDocument.h"

#include "catalogue/Cassette.h"
#include "exchange/LabelText.h"
#include "exchange/SheetText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;

namespace exchange {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;
// Sizes in points: a face label's name, and the sizes its films try, largest first, until all fit.
constexpr double kFaceNamePoints = 9;
constexpr double kFaceBodyPoints[] = {8, 7, 6};
constexpr double kSpineMostPoints = 11;
constexpr double kSmallestPoints = 5;
constexpr double kPaddingMm = 2;
constexpr double kGapMm = 1.5;
constexpr double kRuleMm = 0.2;

class LabelTexts final
{
    Q_DECLARE_TR_FUNCTIONS(exchange::LabelDocument)

public:
    static QString title(LabelKind kind)
    {
        return kind == LabelKind::Spine ? tr("Spine labels") : tr("Face labels");
    }
    static QString moreFilms(int count) { return tr("… and %n more film(s)", nullptr, count); }
};

} // namespace

// A font as the labels are measured in it, in units of the page: its metrics and its glyphs.
struct LabelFont
{
    LabelFont(const QFont& measured, const QPaintDevice& device)
        : font(measured), metrics(measured, &device), shaper(measured, &device)
    {}

    QFont font;
    QFontMetricsF metrics;
    TextShaper shaper;
    TextWidth width()
    {
        return [this](const QString& text) { return shaper.shape(text).width; };
    }
};

// The fonts of the labels, each made once.
class LabelFonts final
{
public:
    LabelFont& font(double points, bool bold)
    {
        const auto key = std::make_pair(qRound(points * 10), bold);
        auto it = fonts_.find(key);
        if (it == fonts_.end()) {
            it = fonts_
                     .emplace(key,
                              std::make_unique<LabelFont>(pageFont(double(key.first) / 10, bold), device_))
                     .first;
        }
        return *it->second;
    }

private:
    const LayoutDevice device_;
    std::map<std::pair<int, bool>, std::unique_ptr<LabelFont>> fonts_;
};

namespace {

constexpr double kUnitsPerMm = PagedDocument::kUnitsPerInch / 25.4;

QRectF toUnits(const QRectF& mm)
{
    return {mm.x() * kUnitsPerMm, mm.y() * kUnitsPerMm, mm.width() * kUnitsPerMm, mm.height() * kUnitsPerMm};
}

// Paints the labels of one page, in units of the page.
class LabelPainter final
{
public:
    LabelPainter(QPainter& painter, LabelFonts& fonts) : painter_(painter), fonts_(fonts) {}
    ~LabelPainter() { glyphs_.draw(painter_); }
    LabelPainter(const LabelPainter&) = delete;
    LabelPainter& operator=(const LabelPainter&) = delete;

    void paintSpine(const SheetCassette& cassette, const QRectF& labelMm);
    void paintFace(const SheetCassette& cassette, const QRectF& labelMm);
    void paintOutline(const QRectF& labelMm);

private:
    void drawText(LabelFont& font, double x, double baseline, const QString& text)
    {
        drawShaped(font, x, baseline, font.shaper.shape(text), text);
    }
    // The glyphs of a page go out together, one run per font; a text with a letter the font lacks goes
    // to the painter at once, whose fonts fall back to one that has it.
    void drawShaped(LabelFont& font, double x, double baseline, const TextShaper::Shaped& shaped,
                    const QString& text)
    {
        if (!shaped.asText) {
            glyphs_.add(font.shaper.glyphFont(), x, baseline, shaped);
            return;
        }
        painter_.setFont(fontForPainter(font.font, painter_));
        painter_.drawText(QPointF(x, baseline), text);
    }

    QPainter& painter_;
    LabelFonts& fonts_;
    GlyphRuns glyphs_;
};

void LabelPainter::paintSpine(const SheetCassette& cassette, const QRectF& labelMm)
{
    const double padding = std::min(kPaddingMm, labelMm.height() * 0.15);
    const QRectF inner = toUnits(labelMm.adjusted(padding, padding, -padding, -padding));
    const double points =
        std::clamp((labelMm.height() - 2 * padding) * kPointsPerMm * 0.55, kSmallestPoints, kSpineMostPoints);
    LabelFont& name = fonts_.font(points, true);
    LabelFont& titles = fonts_.font(points, false);
    const SpineText text =
        spineText(cassette, inner.width(), kGapMm * 2 * kUnitsPerMm, name.width(), titles.width());
    const double baseline = inner.top() +
                            (inner.height() - name.metrics.ascent() - name.metrics.descent()) / 2 +
                            name.metrics.ascent();
    drawText(name, inner.left(), baseline, text.name);
    if (!text.titles.isEmpty())
        drawText(titles, inner.left() + name.shaper.shape(text.name).width + kGapMm * 2 * kUnitsPerMm,
                 baseline, text.titles);
}

void LabelPainter::paintFace(const SheetCassette& cassette, const QRectF& labelMm)
{
    const double padding = std::min(kPaddingMm, labelMm.height() * 0.08);
    const QRectF inner = toUnits(labelMm.adjusted(padding, padding, -padding, -padding));
    const double innerPoints = (labelMm.height() - 2 * padding) * kPointsPerMm;
    LabelFont& name = fonts_.font(std::clamp(innerPoints / 4, kSmallestPoints, kFaceNamePoints), true);
    const double ruleGap = kGapMm * kUnitsPerMm;
    const double bodyHeight = inner.height() - name.metrics.height() - ruleGap;

    // The largest size that shows every film; else the smallest, with as many as it holds.
    LabelFont* body = nullptr;
    int maxLines = 0;
    for (const double points : kFaceBodyPoints) {
        body = &fonts_.font(points, false);
        maxLines = std::max(0, int((bodyHeight + body->metrics.leading()) / body->metrics.lineSpacing()));
        if (maxLines >= int(cassette.films.size()))
            break;
    }
    double counterWidth = 0;
    for (const SheetFilm& film : cassette.films)
        counterWidth = std::max(
            counterWidth, body->shaper.shaped(catalogue::counterRange(film.startMinutes, film.length)).width);
    const double gap = kGapMm * kUnitsPerMm;
    const FaceText text = faceText(cassette, maxLines, inner.width(), inner.width() - counterWidth - gap,
                                   name.width(), body->width());

    drawText(name, inner.left(), inner.top() + name.metrics.ascent(), text.name);
    const double ruleY = inner.top() + name.metrics.height() + ruleGap / 2;
    painter_.setPen(QPen(Qt::black, kRuleMm * kUnitsPerMm));
    painter_.drawLine(QPointF(inner.left(), ruleY), QPointF(inner.right(), ruleY));

    double baseline = inner.top() + name.metrics.height() + ruleGap + body->metrics.ascent();
    for (const FaceLine& line : text.lines) {
        drawShaped(*body, inner.left(), baseline, body->shaper.shaped(line.counter), line.counter);
        drawText(*body, inner.left() + counterWidth + gap, baseline, line.title);
        baseline += body->metrics.lineSpacing();
    }
    if (text.hiddenFilms > 0)
        drawText(*body, inner.left() + counterWidth + gap, baseline, LabelTexts::moreFilms(text.hiddenFilms));
}

void LabelPainter::paintOutline(const QRectF& labelMm)
{
    painter_.setPen(QPen(QColor(160, 160, 160), kRuleMm * kUnitsPerMm));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(toUnits(labelMm));
}

} // namespace

LabelDocument::LabelDocument(std::vector<SheetCassette> cassettes, const Options& options)
    : cassettes_(std::move(cassettes)), options_(options),
      placement_(options.sheet, int(cassettes_.size()), options.startAt)
{}

LabelDocument::~LabelDocument() = default;

QString LabelDocument::title() const
{
    return LabelTexts::title(options_.kind);
}

QPageLayout LabelDocument::pageLayout() const
{
    // The labels' places are measured from the paper's edges.
    return QPageLayout(options_.sheet.pageSize(), QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

void LabelDocument::paintPage(QPainter& painter, int page)
{
    if (!fonts_)
        fonts_ = std::make_unique<LabelFonts>();
    LabelPainter labels(painter, *fonts_);
    painter.setPen(Qt::black);
    for (const PlacedLabel& label : placement_.labelsOn(page)) {
        if (options_.outlines)
            labels.paintOutline(label.rect);
        const SheetCassette& cassette = cassettes_[std::size_t(label.item)];
        painter.setPen(Qt::black);
        if (options_.kind == LabelKind::Spine)
            labels.paintSpine(cassette, label.rect);
        else
            labels.paintFace(cassette, label.rect);
    }
}

} // namespace exchange
