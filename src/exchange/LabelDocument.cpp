#include "exchange/LabelDocument.h"

#include "catalogue/Cassette.h"
#include "exchange/LabelText.h"
#include "exchange/SheetText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
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

// A font as the device draws it: its metrics and its glyphs.
struct LabelFont
{
    LabelFont(const QFont& font, const QPaintDevice& device)
        : font(font), metrics(font, &device), shaper(font, &device)
    {}

    QFont font;
    QFontMetricsF metrics;
    TextShaper shaper;
    TextWidth width()
    {
        return [this](const QString& text) { return shaper.shape(text).width; };
    }
};

// The fonts of the labels at one resolution, each made once.
class LabelFonts final
{
public:
    LabelFonts(int dpiX, int dpiY) : dpiX_(dpiX), dpiY_(dpiY) {}

    bool suits(const QPaintDevice& device) const
    {
        return device.logicalDpiX() == dpiX_ && device.logicalDpiY() == dpiY_;
    }

    LabelFont& font(double points, bool bold, const QPaintDevice& device)
    {
        const auto key = std::make_pair(qRound(points * 10), bold);
        auto it = fonts_.find(key);
        if (it == fonts_.end()) {
            QFont font = QGuiApplication::font();
            font.setPointSizeF(double(key.first) / 10);
            font.setBold(bold);
            it = fonts_.emplace(key, std::make_unique<LabelFont>(font, device)).first;
        }
        return *it->second;
    }

private:
    int dpiX_;
    int dpiY_;
    std::map<std::pair<int, bool>, std::unique_ptr<LabelFont>> fonts_;
};

namespace {

// Paints the labels of one page, in device pixels.
class LabelPainter final
{
public:
    LabelPainter(QPainter& painter, const QPaintDevice& device, LabelFonts& fonts)
        : painter_(painter), device_(device), fonts_(fonts), pxPerMmX_(device.logicalDpiX() / 25.4),
          pxPerMmY_(device.logicalDpiY() / 25.4)
    {}

    QRectF toDevice(const QRectF& mm) const
    {
        return {mm.x() * pxPerMmX_, mm.y() * pxPerMmY_, mm.width() * pxPerMmX_, mm.height() * pxPerMmY_};
    }

    void paintSpine(const SheetCassette& cassette, const QRectF& labelMm);
    void paintFace(const SheetCassette& cassette, const QRectF& labelMm);
    void paintOutline(const QRectF& labelMm);

private:
    void drawText(LabelFont& font, double x, double baseline, const QString& text)
    {
        GlyphRow row(painter_, font.shaper.glyphFont());
        painter_.setFont(font.font);
        row.add(x, baseline, font.shaper.shape(text), text);
        row.draw();
    }

    QPainter& painter_;
    const QPaintDevice& device_;
    LabelFonts& fonts_;
    const double pxPerMmX_;
    const double pxPerMmY_;
};

void LabelPainter::paintSpine(const SheetCassette& cassette, const QRectF& labelMm)
{
    const double padding = std::min(kPaddingMm, labelMm.height() * 0.15);
    const QRectF inner = toDevice(labelMm.adjusted(padding, padding, -padding, -padding));
    const double points =
        std::clamp((labelMm.height() - 2 * padding) * kPointsPerMm * 0.55, kSmallestPoints, kSpineMostPoints);
    LabelFont& name = fonts_.font(points, true, device_);
    LabelFont& titles = fonts_.font(points, false, device_);
    const SpineText text =
        spineText(cassette, inner.width(), kGapMm * 2 * pxPerMmX_, name.width(), titles.width());
    const double baseline = inner.top() +
                            (inner.height() - name.metrics.ascent() - name.metrics.descent()) / 2 +
                            name.metrics.ascent();
    drawText(name, inner.left(), baseline, text.name);
    if (!text.titles.isEmpty())
        drawText(titles, inner.left() + name.shaper.shape(text.name).width + kGapMm * 2 * pxPerMmX_, baseline,
                 text.titles);
}

void LabelPainter::paintFace(const SheetCassette& cassette, const QRectF& labelMm)
{
    const double padding = std::min(kPaddingMm, labelMm.height() * 0.08);
    const QRectF inner = toDevice(labelMm.adjusted(padding, padding, -padding, -padding));
    const double innerPoints = (labelMm.height() - 2 * padding) * kPointsPerMm;
    LabelFont& name =
        fonts_.font(std::clamp(innerPoints / 4, kSmallestPoints, kFaceNamePoints), true, device_);
    const double ruleGap = kGapMm * pxPerMmY_;
    const double bodyHeight = inner.height() - name.metrics.height() - ruleGap;

    // The largest size that shows every film; else the smallest, with as many as it holds.
    LabelFont* body = nullptr;
    int maxLines = 0;
    for (const double points : kFaceBodyPoints) {
        body = &fonts_.font(points, false, device_);
        maxLines = std::max(0, int((bodyHeight + body->metrics.leading()) / body->metrics.lineSpacing()));
        if (maxLines >= int(cassette.films.size()))
            break;
    }
    double counterWidth = 0;
    for (const SheetFilm& film : cassette.films)
        counterWidth = std::max(
            counterWidth, body->shaper.shaped(catalogue::counterRange(film.startMinutes, film.length)).width);
    const double gap = kGapMm * pxPerMmX_;
    const FaceText text = faceText(cassette, maxLines, inner.width(), inner.width() - counterWidth - gap,
                                   name.width(), body->width());

    drawText(name, inner.left(), inner.top() + name.metrics.ascent(), text.name);
    const double ruleY = inner.top() + name.metrics.height() + ruleGap / 2;
    painter_.setPen(QPen(Qt::black, kRuleMm * pxPerMmY_));
    painter_.drawLine(QPointF(inner.left(), ruleY), QPointF(inner.right(), ruleY));

    // A letter the font lacks is drawn as text at once, in the painter's font.
    painter_.setFont(body->font);
    GlyphRow row(painter_, body->shaper.glyphFont());
    double baseline = inner.top() + name.metrics.height() + ruleGap + body->metrics.ascent();
    for (const FaceLine& line : text.lines) {
        row.add(inner.left(), baseline, body->shaper.shaped(line.counter), line.counter);
        row.add(inner.left() + counterWidth + gap, baseline, body->shaper.shape(line.title), line.title);
        baseline += body->metrics.lineSpacing();
    }
    if (text.hiddenFilms > 0) {
        const QString more = LabelTexts::moreFilms(text.hiddenFilms);
        row.add(inner.left() + counterWidth + gap, baseline, body->shaper.shape(more), more);
    }
    row.draw();
}

void LabelPainter::paintOutline(const QRectF& labelMm)
{
    painter_.setPen(QPen(QColor(160, 160, 160), kRuleMm * pxPerMmX_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(toDevice(labelMm));
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

void LabelDocument::paintPage(QPainter& painter, const QPaintDevice& device, int page)
{
    if (!fonts_ || !fonts_->suits(device))
        fonts_ = std::make_unique<LabelFonts>(device.logicalDpiX(), device.logicalDpiY());
    LabelPainter labels(painter, device, *fonts_);
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
