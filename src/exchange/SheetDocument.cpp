#include "exchange/SheetDocument.h"

#include "catalogue/Cassette.h"
#include "exchange/LineBreak.h"
#include "exchange/SheetText.h"

#include <QCoreApplication>
#include <QDate>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <array>
#include <climits>

using namespace Qt::StringLiterals;

namespace exchange {
namespace {

// Sizes in points, so that paper, PDF and preview agree whatever the device's resolution.
constexpr double kBodyPoints = 9;
constexpr double kHeadingPoints = 12.5;
constexpr double kFooterPoints = 7.5;
constexpr double kRulePoints = 0.5;
// Cassettes measured between two reports of progress.
constexpr std::size_t kProgressStep = 64;

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

// A film's texts broken into the lines their columns give them; an empty list for a text that stands
// on one line as it is, which is most of them.
struct FilmLines
{
    QStringList title;
    QStringList genre;
    QStringList director;
    int lineCount() const
    {
        return int(std::max({qsizetype(1), title.size(), genre.size(), director.size()}));
    }
};

// Whether a one-line field holds line breaks, tabs or runs of spaces that a sheet shows as one space.
bool needsSimplifying(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSpace() && (text[i] != u' ' || i == 0 || i + 1 == text.size() || text[i + 1].isSpace()))
            return true;
    }
    return false;
}

} // namespace

QPageLayout defaultSheetPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 12),
                       QPageLayout::Millimeter);
}

class SheetDocument::Measured final
{
    Q_DECLARE_TR_FUNCTIONS(exchange::SheetDocument)

public:
    Measured(std::vector<SheetCassette> cassettes, SheetKind kind, const QPageLayout& pageLayout);

    bool layOut(const catalogue::Progress& progress);
    void paintPage(QPainter& painter, int page);

    const std::vector<SheetCassette> cassettes_;
    const SheetKind kind_;
    const QPageLayout pageLayout_;
    const QRect paintRect_; // in units of the page
    std::vector<SheetPage> pages_;

private:
    void placeColumns();
    BlockHeights measure(const SheetCassette& cassette);
    QStringList linesIn(const QString& text, Column column, bool recurring);
    void paintPart(const PagePart& part);
    void paintHeading(int cassette, bool continued, double top);
    void paintColumns(const SheetCassette& cassette, double top, double height);
    void paintFilm(const SheetFilm& film, const FilmLines& lines, double top, double height);
    void paintFooter(int page, int pageCount);
    void paintRules();
    // text with its left end at x on baseline; a recurring one is shaped only once.
    void addText(TextShaper& shaper, double x, double baseline, const QString& text, bool recurring);
    void addRightAligned(TextShaper& shaper, double right, double baseline, const QString& text,
                         bool recurring);
    void addLines(TextShaper& shaper, double x, double baseline, const QStringList& lines,
                  const QString& whole, bool recurring);
    double points(double value) const { return value * kUnitsPerInch / 72.0; }

    LayoutDevice device_;
    TextShaper body_;
    TextShaper bold_;
    TextShaper italic_;
    TextShaper heading_;
    TextShaper footer_;

    const double width_;
    const double footerHeight_;
    const double contentHeight_;
    const double padding_; // above and below the lines of a row, together
    std::array<ColumnPlace, ColumnCount> columns_;
    std::array<QString, ColumnCount> captions_;
    // The texts of the sheets, taken in the language of the layout.
    const QString minutesText_;
    const QString longPlayText_;
    const QString lengthText_;
    const QString remainingText_;
    const QString filmsText_;
    const QString continuedText_;
    const QString noFilmsText_;
    const QString noCassettesText_;
    const QString pageText_;
    const QString footerText_;

    std::vector<QStringList> names_;            // each cassette's name, broken into lines
    std::vector<std::vector<FilmLines>> lines_; // each cassette's films, their texts broken into lines

    // While a page is painted.
    QPainter* painter_ = nullptr;
    GlyphRuns glyphs_;
    // Lines across the page, drawn together at the end of each page: one change of pen each, not one a row.
    std::vector<QLineF> strongRules_;
    std::vector<QLineF> faintRules_;
};

SheetDocument::Measured::Measured(std::vector<SheetCassette> cassettes, SheetKind kind,
                                  const QPageLayout& pageLayout)
    : cassettes_(std::move(cassettes)), kind_(kind), pageLayout_(pageLayout),
      paintRect_(pageLayout.paintRectPixels(kUnitsPerInch)), device_(paintRect_.size()),
      body_(pageFont(kBodyPoints), &device_), bold_(pageFont(kBodyPoints, true), &device_),
      italic_(pageFont(kBodyPoints, false, true), &device_),
      heading_(pageFont(kHeadingPoints, true), &device_), footer_(pageFont(kFooterPoints), &device_),
      width_(paintRect_.width()), footerHeight_(footer_.metrics().lineSpacing() * 2),
      contentHeight_(paintRect_.height() - footerHeight_), padding_(body_.metrics().lineSpacing() * 0.4),
      minutesText_(tr("%1 min")), longPlayText_(tr("LP")), lengthText_(tr("Length: %1 min")),
      remainingText_(tr("Remaining time: %1 min")), filmsText_(tr("Films: %1")),
      continuedText_(tr("(continued)")), noFilmsText_(tr("No films on this tape.")),
      noCassettesText_(tr("The catalogue holds no tapes.")), pageText_(tr("Page %1 of %2")),
      footerText_(u"reelMINDER/32 \u00B7 %1 \u00B7 %2"_s.arg(
          kind == SheetKind::CassetteSheet ? tr("Cassette sheet") : tr("Catalogue list"),
          QDate::currentDate().toString(Qt::ISODate)))
{
    captions_ = {tr("Counter"), tr("Title"), tr("Year"),    tr("Length"),
                 longPlayText_, tr("Genre"), tr("Director")};
    placeColumns();
}

// The counter range, year, length and LP mark take what their widest text needs; title, genre and
// director share the rest.
void SheetDocument::Measured::placeColumns()
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
        return std::max(body_.width(sample), bold_.width(captions_[column]));
    };
    std::array<double, ColumnCount> widths{};
    widths[CounterColumn] = fixedWidth(CounterColumn, widestCounter);
    widths[YearColumn] = fixedWidth(YearColumn, u"0000"_s);
    widths[LengthColumn] = fixedWidth(LengthColumn, minutesText_.arg(u"000"_s));
    widths[LongPlayColumn] = fixedWidth(LongPlayColumn, longPlayText_);

    const double gap = body_.metrics().height() * 0.9;
    const double fixed = widths[CounterColumn] + widths[YearColumn] + widths[LengthColumn] +
                         widths[LongPlayColumn] + gap * (ColumnCount - 1);
    const double rest = std::max(width_ - fixed, body_.metrics().height() * 12);
    // A genre is mostly one long word ("Literaturverfilmung"): its column takes the widest such word,
    // within bounds, from the title's share, so that it need not break inside.
    QSet<QString> genres;
    double genreWord = 0;
    for (const SheetCassette& cassette : cassettes_) {
        for (const SheetFilm& film : cassette.films) {
            if (genres.contains(film.genre))
                continue;
            genres.insert(film.genre);
            for (const QString& word : film.genre.split(u' ', Qt::SkipEmptyParts))
                genreWord = std::max(genreWord, body_.width(word));
        }
    }
    widths[GenreColumn] = std::clamp(genreWord + 1, rest * 0.22, rest * 0.3);
    widths[DirectorColumn] = rest * 0.32;
    widths[TitleColumn] = rest - widths[GenreColumn] - widths[DirectorColumn];

    double x = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        columns_[column] = {x, widths[column]};
        x += widths[column] + gap;
    }
}

bool SheetDocument::Measured::layOut(const catalogue::Progress& progress)
{
    std::vector<BlockHeights> blocks;
    blocks.reserve(cassettes_.size());
    names_.reserve(cassettes_.size());
    lines_.reserve(cassettes_.size());
    for (std::size_t i = 0; i < cassettes_.size(); ++i) {
        if (i % kProgressStep == 0 && !progress.advance(qint64(i), qint64(cassettes_.size())))
            return false;
        blocks.push_back(measure(cassettes_[i]));
    }
    pages_ = layoutSheets(blocks, contentHeight_, body_.metrics().lineSpacing() * 2);
    return progress.report(1);
}

// A text's lines in its column; none when it stands on one line as it is.
QStringList SheetDocument::Measured::linesIn(const QString& text, Column column, bool recurring)
{
    const double width = columns_[column].width;
    const double textWidth = recurring ? body_.shaped(text).width : body_.width(text);
    if (textWidth <= width && !needsSimplifying(text))
        return {};
    return breakLines(text, width, [this](const QString& line) { return body_.width(line); });
}

// The heights of a cassette's parts, its texts broken into the lines they take on the page.
BlockHeights SheetDocument::Measured::measure(const SheetCassette& cassette)
{
    BlockHeights block;
    const QStringList& name = names_.emplace_back(
        breakLines(cassette.name, width_, [this](const QString& line) { return heading_.width(line); }));
    const double bodyLine = body_.metrics().lineSpacing();
    block.heading = name.size() * heading_.metrics().lineSpacing() + bodyLine + padding_ * 2;
    block.columns = bold_.metrics().lineSpacing() + padding_;
    std::vector<FilmLines>& lines = lines_.emplace_back();
    lines.reserve(cassette.films.size());
    block.rows.reserve(cassette.films.size());
    for (const SheetFilm& film : cassette.films) {
        FilmLines l{linesIn(film.title, TitleColumn, false), linesIn(film.genre, GenreColumn, true),
                    linesIn(film.director, DirectorColumn, true)};
        block.rows.push_back(l.lineCount() * bodyLine + padding_);
        lines.push_back(std::move(l));
    }
    return block;
}

void SheetDocument::Measured::paintPage(QPainter& painter, int page)
{
    painter_ = &painter;
    painter.setPen(Qt::black);
    for (const PagePart& part : pages_[std::size_t(page)])
        paintPart(part);
    if (cassettes_.empty())
        addText(italic_, 0, italic_.metrics().ascent(), noCassettesText_, true);
    paintFooter(page + 1, int(pages_.size()));
    glyphs_.draw(painter);
    paintRules();
    painter_ = nullptr;
}

void SheetDocument::Measured::paintPart(const PagePart& part)
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
                  lines_[std::size_t(part.cassette)][std::size_t(part.film)], part.top, part.height);
        break;
    }
}

void SheetDocument::Measured::paintHeading(int cassette, bool continued, double top)
{
    const SheetCassette& c = cassettes_[std::size_t(cassette)];
    const QFontMetricsF& metrics = heading_.metrics();
    double baseline = top + metrics.ascent();
    for (const QString& line : names_[std::size_t(cassette)]) {
        addText(heading_, 0, baseline, line, false);
        baseline += metrics.lineSpacing();
    }
    QStringList facts{lengthText_.arg(c.length), remainingText_.arg(c.remainingMinutes),
                      filmsText_.arg(c.films.size())};
    if (continued)
        facts.append(continuedText_);
    addText(body_, 0, baseline - metrics.ascent() + body_.metrics().ascent() + padding_ * 0.5,
            facts.join(u"      "_s), false);
}

void SheetDocument::Measured::paintColumns(const SheetCassette& cassette, double top, double height)
{
    const double baseline = top + bold_.metrics().ascent();
    if (cassette.films.empty()) {
        addText(italic_, 0, baseline, noFilmsText_, true);
        return;
    }
    for (int column = 0; column < ColumnCount; ++column) {
        const ColumnPlace& place = columns_[column];
        if (column == YearColumn || column == LengthColumn)
            addRightAligned(bold_, place.x + place.width, baseline, captions_[column], true);
        else
            addText(bold_, place.x, baseline, captions_[column], true);
    }
    const double ruleY = top + height - padding_ * 0.5;
    strongRules_.emplace_back(0, ruleY, width_, ruleY);
}

void SheetDocument::Measured::paintFilm(const SheetFilm& film, const FilmLines& lines, double top,
                                        double height)
{
    const double baseline = top + padding_ * 0.5 + body_.metrics().ascent();
    const auto right = [this](Column column) { return columns_[column].x + columns_[column].width; };
    // Every cassette starts at 00:00: the ranges recur.
    addText(body_, columns_[CounterColumn].x, baseline,
            catalogue::counterRange(film.startMinutes, film.length), true);
    addLines(body_, columns_[TitleColumn].x, baseline, lines.title, film.title, false);
    // A record from before the year was checked may hold none.
    if (film.year > 0)
        addRightAligned(body_, right(YearColumn), baseline, QString::number(film.year), true);
    addRightAligned(body_, right(LengthColumn), baseline, minutesText_.arg(film.length), true);
    if (film.longPlay)
        addText(body_, columns_[LongPlayColumn].x, baseline, longPlayText_, true);
    addLines(body_, columns_[GenreColumn].x, baseline, lines.genre, film.genre, true);
    addLines(body_, columns_[DirectorColumn].x, baseline, lines.director, film.director, true);
    faintRules_.emplace_back(0, top + height, width_, top + height);
}

void SheetDocument::Measured::paintFooter(int page, int pageCount)
{
    const QFontMetricsF& metrics = footer_.metrics();
    const double top = contentHeight_ + footerHeight_ - metrics.lineSpacing();
    const double ruleY = top - metrics.lineSpacing() * 0.4;
    strongRules_.emplace_back(0, ruleY, width_, ruleY);
    const double baseline = top + metrics.ascent();
    addText(footer_, 0, baseline, footerText_, true);
    addRightAligned(footer_, width_, baseline, pageText_.arg(page).arg(pageCount), false);
}

void SheetDocument::Measured::paintRules()
{
    painter_->setPen(QPen(QColor(170, 170, 170), points(kRulePoints)));
    painter_->drawLines(faintRules_.data(), int(faintRules_.size()));
    painter_->setPen(QPen(Qt::black, points(kRulePoints)));
    painter_->drawLines(strongRules_.data(), int(strongRules_.size()));
    painter_->setPen(Qt::black);
    faintRules_.clear();
    strongRules_.clear();
}

void SheetDocument::Measured::addText(TextShaper& shaper, double x, double baseline, const QString& text,
                                      bool recurring)
{
    const TextShaper::Shaped shapedOnce = recurring ? TextShaper::Shaped() : shaper.shape(text);
    const TextShaper::Shaped& shaped = recurring ? shaper.shaped(text) : shapedOnce;
    if (!shaped.asText) {
        glyphs_.add(shaper.glyphFont(), x, baseline, shaped);
        return;
    }
    // A letter the font lacks: the text goes to the painter, whose fonts fall back to one that has it.
    painter_->setFont(fontForPainter(shaper.font(), *painter_));
    painter_->drawText(QPointF(x, baseline), text);
}

void SheetDocument::Measured::addRightAligned(TextShaper& shaper, double right, double baseline,
                                              const QString& text, bool recurring)
{
    const double width = recurring ? shaper.shaped(text).width : shaper.width(text);
    addText(shaper, right - width, baseline, text, recurring);
}

// The lines of a text broken into its column; the text as it is when it stands on one line.
void SheetDocument::Measured::addLines(TextShaper& shaper, double x, double baseline,
                                       const QStringList& lines, const QString& whole, bool recurring)
{
    if (lines.isEmpty()) {
        addText(shaper, x, baseline, whole, recurring);
        return;
    }
    for (const QString& line : lines) {
        addText(shaper, x, baseline, line, recurring);
        baseline += shaper.metrics().lineSpacing();
    }
}

SheetDocument::SheetDocument(std::unique_ptr<Measured> measured) : measured_(std::move(measured)) {}

SheetDocument::~SheetDocument() = default;

std::unique_ptr<SheetDocument> SheetDocument::layOut(std::vector<SheetCassette> cassettes, SheetKind kind,
                                                     const QPageLayout& pageLayout,
                                                     const catalogue::Progress& progress)
{
    auto measured = std::make_unique<Measured>(std::move(cassettes), kind, pageLayout);
    if (!measured->layOut(progress))
        return nullptr;
    return std::unique_ptr<SheetDocument>(new SheetDocument(std::move(measured)));
}

const std::vector<SheetCassette>& SheetDocument::cassettes() const
{
    return measured_->cassettes_;
}

SheetKind SheetDocument::kind() const
{
    return measured_->kind_;
}

QString SheetDocument::title() const
{
    if (measured_->kind_ == SheetKind::CassetteSheet && measured_->cassettes_.size() == 1)
        return measured_->cassettes_.front().name;
    return Measured::tr("Catalogue list");
}

QPageLayout SheetDocument::pageLayout() const
{
    return measured_->pageLayout_;
}

const std::vector<SheetPage>& SheetDocument::pages() const
{
    return measured_->pages_;
}

int SheetDocument::pageCount() const
{
    return int(measured_->pages_.size());
}

std::unique_ptr<PagedDocument> SheetDocument::onPaper(const QPageLayout& pageLayout,
                                                      const catalogue::Progress& progress) const
{
    return layOut(cassettes(), kind(), pageLayout, progress);
}

void SheetDocument::paintPage(QPainter& painter, int page)
{
    if (page >= 0 && page < pageCount())
        measured_->paintPage(painter, page);
}

} // namespace exchange
