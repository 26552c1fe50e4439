#include "exchange/SheetPainter.h"

#include "catalogue/Cassette.h"
#include "catalogue/ReplacingFile.h"
#include "exchange/SheetLayout.h"
#include "exchange/SheetText.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace exchange {
namespace {

// Sizes in points, so that paper, PDF and preview agree whatever the device's resolution.
constexpr double kBodyPoints = 9;
constexpr double kHeadingPoints = 12.5;
constexpr double kFooterPoints = 7.5;
constexpr double kRulePoints = 0.5;

enum Column
{
    CounterColumn,
    TitleColumn,
    YearColumn,
    LengthColumn,
    LongPlayColumn,
    GenreColumn,
    DirectorColumn,
    ColumnCount
};

struct ColumnPlace
{
    double x = 0;
    double width = 0;
};

// A film's texts broken into the lines their columns give them.
struct WrappedFilm
{
    QStringList title;
    QStringList genre;
    QStringList director;
    int lineCount() const { return int(std::max({title.size(), genre.size(), director.size()})); }
};

QFont sized(double points, bool bold = false, bool italic = false)
{
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

class SheetPainter final
{
    Q_DECLARE_TR_FUNCTIONS(exchange::SheetPainter)

public:
    SheetPainter(QPainter& painter, QPagedPaintDevice& device, const std::vector<SheetCassette>& cassettes,
                 SheetKind kind);

    void paint();

private:
    QStringList wrap(const QString& text, const QFont& font, const QFontMetricsF& metrics,
                     double width) const;
    void placeColumns();
    QStringList wrapBody(const QString& text, double width, bool recurring);
    BlockHeights measure(const SheetCassette& cassette);
    void paintPart(const PagePart& part);
    void paintHeading(int cassette, bool continued, double top);
    void paintColumns(const SheetCassette& cassette, double top, double height);
    void paintFilm(const SheetFilm& film, const WrappedFilm& wrapped, double top, double height);
    void paintFooter(int page, int pageCount);
    void useFont(const QFont& font);
    void paintRules();
    double points(double value) const { return value * dpi_ / 72.0; }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    const std::vector<SheetCassette>& cassettes_;
    const SheetKind kind_;
    const double dpi_;

    const QFont body_;
    const QFont bold_;
    const QFont italic_;
    const QFont heading_;
    const QFont footer_;
    const QFontMetricsF bodyMetrics_;
    const QFontMetricsF boldMetrics_;
    const QFontMetricsF headingMetrics_;
    const QFontMetricsF footerMetrics_;

    const double width_;
    const double footerHeight_;
    const double contentHeight_;
    const double padding_; // above and below the lines of a row, together
    std::array<ColumnPlace, ColumnCount> columns_;
    std::array<QString, ColumnCount> captions_;
    std::vector<QStringList> names_;                // each cassette's name, broken into lines
    std::vector<std::vector<WrappedFilm>> wrapped_; // each cassette's films, their texts broken into lines
    // Lines across the page, drawn together at the end of each page: one change of pen each, not one a row.
    std::vector<QLineF> strongRules_;
    std::vector<QLineF> faintRules_;
    const QFont* font_ = nullptr;
    TextShaper bodyText_;
    const QString minutesText_;
    const QString longPlayText_;
};

SheetPainter::SheetPainter(QPainter& painter, QPagedPaintDevice& device,
                           const std::vector<SheetCassette>& cassettes, SheetKind kind)
    : painter_(painter), device_(device), cassettes_(cassettes), kind_(kind), dpi_(device.logicalDpiY()),
      body_(sized(kBodyPoints)), bold_(sized(kBodyPoints, true)), italic_(sized(kBodyPoints, false, true)),
      heading_(sized(kHeadingPoints, true)), footer_(sized(kFooterPoints)), bodyMetrics_(body_, &device),
      boldMetrics_(bold_, &device), headingMetrics_(heading_, &device), footerMetrics_(footer_, &device),
      width_(device.width()), footerHeight_(footerMetrics_.lineSpacing() * 2),
      contentHeight_(device.height() - footerHeight_), padding_(bodyMetrics_.lineSpacing() * 0.4),
      bodyText_(body_, &device), minutesText_(tr("%1 min")), longPlayText_(tr("LP"))
{
    captions_ = {tr("Counter"), tr("Title"), tr("Year"),    tr("Length"),
                 longPlayText_, tr("Genre"), tr("Director")};
    placeColumns();
}

// Lines of text no wider than width, broken between words where there are any, else anywhere.
QStringList SheetPainter::wrap(const QString& text, const QFont& font, const QFontMetricsF& metrics,
                               double width) const
{
    // A damaged record may hold line breaks or tabs in a one-line field.
    const QString plain = text.simplified();
    if (metrics.horizontalAdvance(plain) <= width)
        return {plain};
    QTextLayout layout(plain, font, &device_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(plain.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

// The counter range, year, length and LP mark take what their widest text needs; title, genre and
// director share the rest.
void SheetPainter::placeColumns()
{
    qint64 lastEnd = 0;
    for (const SheetCassette& cassette : cassettes_) {
        if (!cassette.films.empty())
            lastEnd = std::max(lastEnd, cassette.films.back().startMinutes + cassette.films.back().length);
    }
    QString widestCounter = catalogue::counterRange(lastEnd, 0);
    std::replace_if(
        widestCounter.begin(), widestCounter.end(), [](QChar c) { return c.isDigit(); }, u'0');

    auto fixedWidth = [this](Column column, const QString& sample) {
        return std::max(bodyMetrics_.horizontalAdvance(sample),
                        boldMetrics_.horizontalAdvance(captions_[column]));
    };
    std::array<double, ColumnCount> widths{};
    widths[CounterColumn] = fixedWidth(CounterColumn, widestCounter);
    widths[YearColumn] = fixedWidth(YearColumn, u"0000"_s);
    widths[LengthColumn] = fixedWidth(LengthColumn, minutesText_.arg(u"000"_s));
    widths[LongPlayColumn] = fixedWidth(LongPlayColumn, longPlayText_);

    const double gap = bodyMetrics_.height() * 0.9;
    const double fixed = widths[CounterColumn] + widths[YearColumn] + widths[LengthColumn] +
                         widths[LongPlayColumn] + gap * (ColumnCount - 1);
    const double rest = std::max(width_ - fixed, bodyMetrics_.height() * 12);
    widths[TitleColumn] = rest * 0.46;
    widths[GenreColumn] = rest * 0.22;
    widths[DirectorColumn] = rest * 0.32;

    double x = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        columns_[column] = {x, widths[column]};
        x += widths[column] + gap;
    }
}

// wrap() for a text of the body font; one that recurs from row to row is measured only once.
QStringList SheetPainter::wrapBody(const QString& text, double width, bool recurring)
{
    const QString plain = text.simplified();
    const double textWidth = recurring ? bodyText_.shaped(plain).width : bodyText_.shape(plain).width;
    if (textWidth <= width)
        return {plain};
    return wrap(plain, body_, bodyMetrics_, width);
}

// The heights of a cassette's parts, its texts broken into the lines they take on the page.
BlockHeights SheetPainter::measure(const SheetCassette& cassette)
{
    BlockHeights block;
    const QStringList& name = names_.emplace_back(wrap(cassette.name, heading_, headingMetrics_, width_));
    block.heading = name.size() * headingMetrics_.lineSpacing() + bodyMetrics_.lineSpacing() + padding_ * 2;
    block.columns = boldMetrics_.lineSpacing() + padding_;
    std::vector<WrappedFilm>& wrapped = wrapped_.emplace_back();
    wrapped.reserve(cassette.films.size());
    block.rows.reserve(cassette.films.size());
    for (const SheetFilm& film : cassette.films) {
        WrappedFilm w{wrapBody(film.title, columns_[TitleColumn].width, false),
                      wrapBody(film.genre, columns_[GenreColumn].width, true),
                      wrapBody(film.director, columns_[DirectorColumn].width, true)};
        block.rows.push_back(w.lineCount() * bodyMetrics_.lineSpacing() + padding_);
        wrapped.push_back(std::move(w));
    }
    return block;
}

void SheetPainter::paint()
{
    std::vector<BlockHeights> blocks;
    blocks.reserve(cassettes_.size());
    names_.reserve(cassettes_.size());
    wrapped_.reserve(cassettes_.size());
    for (const SheetCassette& cassette : cassettes_)
        blocks.push_back(measure(cassette));
    const std::vector<SheetPage> pages = layoutSheets(blocks, contentHeight_, bodyMetrics_.lineSpacing() * 2);

    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            device_.newPage();
        for (const PagePart& part : pages[page])
            paintPart(part);
        if (cassettes_.empty()) {
            useFont(italic_);
            painter_.drawText(QPointF(0, bodyMetrics_.ascent()), tr("The catalogue holds no tapes."));
        }
        paintFooter(int(page) + 1, int(pages.size()));
        paintRules();
    }
}

void SheetPainter::paintPart(const PagePart& part)
{
    const SheetCassette& cassette = cassettes_[std::size_t(part.cassette)];
    switch (part.kind) {
    case PagePart::Heading:
    case PagePart::ContinuedHeading:
        paintHeading(part.cassette, part.kind == PagePart::ContinuedHeading, part.top);
        break;
    case PagePart::Columns:
        paintColumns(cassette, part.top, part.height);
        break;
    case PagePart::Film:
        paintFilm(cassette.films[std::size_t(part.film)],
                  wrapped_[std::size_t(part.cassette)][std::size_t(part.film)], part.top, part.height);
        break;
    }
}

void SheetPainter::paintHeading(int cassette, bool continued, double top)
{
    const SheetCassette& c = cassettes_[std::size_t(cassette)];
    useFont(heading_);
    double baseline = top + headingMetrics_.ascent();
    for (const QString& line : names_[std::size_t(cassette)]) {
        painter_.drawText(QPointF(0, baseline), line);
        baseline += headingMetrics_.lineSpacing();
    }
    QStringList facts{tr("Length: %1 min").arg(c.length),
                      tr("Remaining time: %1 min").arg(c.remainingMinutes),
                      tr("Films: %1").arg(c.films.size())};
    if (continued)
        facts.append(tr("(continued)"));
    useFont(body_);
    painter_.drawText(
        QPointF(0, baseline - headingMetrics_.ascent() + bodyMetrics_.ascent() + padding_ * 0.5),
        facts.join(u"      "_s));
}

void SheetPainter::paintColumns(const SheetCassette& cassette, double top, double height)
{
    const double baseline = top + boldMetrics_.ascent();
    if (cassette.films.empty()) {
        useFont(italic_);
        painter_.drawText(QPointF(0, baseline), tr("No films on this tape."));
        return;
    }
    useFont(bold_);
    for (int column = 0; column < ColumnCount; ++column) {
        const ColumnPlace& place = columns_[column];
        if (column == YearColumn || column == LengthColumn) {
            painter_.drawText(QRectF(place.x, top, place.width, height), Qt::AlignRight | Qt::AlignTop,
                              captions_[column]);
        } else {
            painter_.drawText(QPointF(place.x, baseline), captions_[column]);
        }
    }
    strongRules_.emplace_back(0, top + height - padding_ * 0.5, width_, top + height - padding_ * 0.5);
}

void SheetPainter::paintFilm(const SheetFilm& film, const WrappedFilm& wrapped, double top, double height)
{
    useFont(body_);
    GlyphRow row(painter_, bodyText_.glyphFont());
    const double firstBaseline = top + padding_ * 0.5 + bodyMetrics_.ascent();
    auto add = [&](Column column, const QString& text) {
        row.add(columns_[column].x, firstBaseline, bodyText_.shaped(text), text);
    };
    auto addRightAligned = [&](Column column, const QString& text) {
        const TextShaper::Shaped& shaped = bodyText_.shaped(text);
        row.add(columns_[column].x + columns_[column].width - shaped.width, firstBaseline, shaped, text);
    };
    auto addLines = [&](Column column, const QStringList& lines, bool recurring) {
        double baseline = firstBaseline;
        for (const QString& line : lines) {
            row.add(columns_[column].x, baseline, recurring ? bodyText_.shaped(line) : bodyText_.shape(line),
                    line);
            baseline += bodyMetrics_.lineSpacing();
        }
    };
    add(CounterColumn, catalogue::counterRange(film.startMinutes, film.length));
    addLines(TitleColumn, wrapped.title, false);
    // A record from before the year was checked may hold none.
    if (film.year > 0)
        addRightAligned(YearColumn, QString::number(film.year));
    addRightAligned(LengthColumn, minutesText_.arg(film.length));
    if (film.longPlay)
        add(LongPlayColumn, longPlayText_);
    addLines(GenreColumn, wrapped.genre, true);
    addLines(DirectorColumn, wrapped.director, true);
    row.draw();
    faintRules_.emplace_back(0, top + height, width_, top + height);
}

void SheetPainter::paintFooter(int page, int pageCount)
{
    const double top = contentHeight_ + footerHeight_ - footerMetrics_.lineSpacing();
    const double ruleY = top - footerMetrics_.lineSpacing() * 0.4;
    strongRules_.emplace_back(0, ruleY, width_, ruleY);
    useFont(footer_);
    const double baseline = top + footerMetrics_.ascent();
    const QString title = kind_ == SheetKind::CassetteSheet ? tr("Cassette sheet") : tr("Catalogue list");
    painter_.drawText(QPointF(0, baseline), u"reelMINDER/32 \u00B7 %1 \u00B7 %2"_s.arg(
                                                title, QDate::currentDate().toString(Qt::ISODate)));
    const QString number = tr("Page %1 of %2").arg(page).arg(pageCount);
    painter_.drawText(QPointF(width_ - footerMetrics_.horizontalAdvance(number), baseline), number);
}

void SheetPainter::useFont(const QFont& font)
{
    if (font_ != &font) {
        painter_.setFont(font);
        font_ = &font;
    }
}

void SheetPainter::paintRules()
{
    painter_.setPen(QPen(QColor(170, 170, 170), points(kRulePoints)));
    painter_.drawLines(faintRules_.data(), int(faintRules_.size()));
    painter_.setPen(QPen(Qt::black, points(kRulePoints)));
    painter_.drawLines(strongRules_.data(), int(strongRules_.size()));
    painter_.setPen(Qt::black);
    faintRules_.clear();
    strongRules_.clear();
}

} // namespace

bool paintSheets(QPagedPaintDevice& device, const std::vector<SheetCassette>& cassettes, SheetKind kind)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    SheetPainter(painter, device, cassettes, kind).paint();
    return painter.end();
}

std::optional<QString> writeSheetsPdf(const QString& path, const std::vector<SheetCassette>& cassettes,
                                      SheetKind kind)
{
    catalogue::ReplacingFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(u"reelMINDER/32"_s);
        writer.setTitle(kind == SheetKind::CassetteSheet && cassettes.size() == 1
                            ? cassettes.front().name
                            : QCoreApplication::translate("exchange::SheetPainter", "Catalogue list"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter));
        painted = paintSheets(writer, cassettes, kind);
    }
    if (!painted) {
        file.discard();
        return QCoreApplication::translate("exchange::SheetPainter",
                                           "The PDF document could not be started.");
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace exchange
