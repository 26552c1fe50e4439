#include "windows/statistics/StatisticsWindow.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CollectionStatistics.h"
#include "catalogue/GenreNames.h"
#include "exchange/StatisticsPage.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/Language.h"
#include "ui/NoteLabel.h"
#include "windows/print/DocumentOutput.h"
#include "windows/statistics/StatisticsChart.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

constexpr QSize kPreferredSize(940, 640);

// Every genre named in language, in the same order for every language.
QStringList everyGenreName(quint8 language)
{
    QStringList names;
    ui::withLanguage(language, [&names] { names = catalogue::everyGenreName(); });
    return names;
}

} // namespace

StatisticsWindow::StatisticsWindow(catalogue::Catalogue& catalogue, QWidget* parent)
    : ui::ToolWindow(parent), catalogue_(catalogue)
{
    setObjectName(u"statisticsWindow"_s);
    ui::setHelpTopic(this, ui::HelpTopic::Statistics);
    // Changes are gathered and counted once the change is whole, so that an import costs one pass.
    const auto later = [this] {
        if (active_)
            stale_ = true;
    };
    connect(&catalogue_, &catalogue::Catalogue::batchFinished, this, later);
    connect(&catalogue_, &catalogue::Catalogue::changesFinished, this, [this] {
        if (stale_)
            ui::guarded(this, [this] { refresh(); });
    });
    connect(&catalogue_, &catalogue::Catalogue::catalogueReset, this, later);
    connect(&catalogue_, &catalogue::Catalogue::cassetteAdded, this, later);
    connect(&catalogue_, &catalogue::Catalogue::cassetteChanged, this, later);
    connect(&catalogue_, &catalogue::Catalogue::cassetteRemoved, this, later);
    connect(&catalogue_, &catalogue::Catalogue::filmChanged, this, later);
    // Told before the film goes: counted once it has.
    connect(&catalogue_, &catalogue::Catalogue::filmAboutToBeRemoved, this, later);
    connect(&catalogue_, &catalogue::Catalogue::totalsChanged, this, later);
    createControls();
    retranslate();
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::createControls()
{
    using ui::named;
    figuresBox_ = named(new QGroupBox(this), u"figuresBox"_s);
    auto* figures = new QGridLayout(figuresBox_);
    // A row for each figure there is, made before the window first shows so that it is sized by them.
    const std::size_t figureCount = exchange::statisticsContent({}, {}, QLocale()).figures.size();
    for (int row = 0; row < int(figureCount); ++row) {
        auto* caption = named(new QLabel(figuresBox_), u"figureCaption%1"_s.arg(row));
        auto* value = named(new QLabel(figuresBox_), u"figureValue%1"_s.arg(row));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addWidget(caption, row, 0);
        figures->addWidget(value, row, 1);
        figureCaptions_.append(caption);
        figureValues_.append(value);
    }
    figures->setColumnStretch(1, 1);
    figures->setRowStretch(int(figureCount), 1);
    fullnessChart_ = named(new StatisticsChart(StatisticsChart::Direction::Lying, this), u"fullnessChart"_s);
    genreChart_ = named(new StatisticsChart(StatisticsChart::Direction::Lying, this), u"genreChart"_s);
    decadeChart_ = named(new StatisticsChart(StatisticsChart::Direction::Upright, this), u"decadeChart"_s);
    printButton_ = named(new QPushButton(this), u"printButton"_s);
    pdfButton_ = named(new QPushButton(this), u"pdfButton"_s);
    closeButton_ = named(new QPushButton(this), u"closeButton"_s);
    closeButton_->setDefault(true);
    noteLabel_ = named(new ui::NoteLabel(this), u"noteLabel"_s);

    // Each chart takes the room its bars and labels need; what the window cannot show, it scrolls.
    auto* body = named(new QWidget(this), u"statisticsBody"_s);
    figuresBox_->setParent(body);
    for (StatisticsChart* chart : {fullnessChart_, genreChart_, decadeChart_})
        chart->setParent(body);
    auto* grid = new QGridLayout(body);
    grid->addWidget(figuresBox_, 0, 0);
    grid->addWidget(fullnessChart_, 0, 1);
    grid->addWidget(genreChart_, 1, 0);
    grid->addWidget(decadeChart_, 1, 1);
    grid->setRowStretch(0, 2);
    grid->setRowStretch(1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    scrollArea_ = named(new QScrollArea(this), u"scrollArea"_s);
    scrollArea_->setWidget(body);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::StrongFocus);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(noteLabel_, 1);
    buttons->addWidget(printButton_);
    buttons->addWidget(pdfButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollArea_, 1);
    layout->addLayout(buttons);

    QWidget* order[] = {scrollArea_, printButton_, pdfButton_, closeButton_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(printButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { print(); }); });
    connect(pdfButton_, &QPushButton::clicked, this, [this] { ui::guarded(this, [this] { saveAsPdf(); }); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void StatisticsWindow::retranslate()
{
    setWindowTitle(tr("Statistics"));
    figuresBox_->setTitle(tr("Figures"));
    genreChart_->setTitle(exchange::StatisticsTexts::genreChart());
    decadeChart_->setTitle(exchange::StatisticsTexts::decadeChart());
    fullnessChart_->setTitle(exchange::StatisticsTexts::fullnessChart());
    scrollArea_->setAccessibleName(tr("Statistics"));
    printButton_->setText(tr("&Print..."));
    pdfButton_->setText(tr("Save as P&DF..."));
    closeButton_->setText(tr("&Close"));
    // The genre list and the numbers' format are the language's.
    if (active_)
        refresh();
}

void StatisticsWindow::refresh()
{
    stale_ = false;
    const quint8 language = ui::language();
    // A collection typed in the other language counts its genres under this language's names.
    const QStringList genres = everyGenreName(language);
    std::vector<QStringList> otherNames;
    for (quint8 other = 0; ui::isLanguage(other); ++other) {
        if (other != language)
            otherNames.push_back(everyGenreName(other));
    }
    content_ = exchange::statisticsContent(catalogue::collectStatistics(catalogue_, genres, otherNames),
                                           genres, ui::localeOf(language));
    showContent();
}

void StatisticsWindow::showContent()
{
    for (std::size_t i = 0; i < content_.figures.size() && i < std::size_t(figureCaptions_.size()); ++i) {
        figureCaptions_[qsizetype(i)]->setText(content_.figures[i].caption + u':');
        figureValues_[qsizetype(i)]->setText(content_.figures[i].value);
    }
    genreChart_->setBars(content_.genres, content_.locale);
    decadeChart_->setBars(content_.decades, content_.locale);
    fullnessChart_->setBars(content_.fullness, content_.locale);
}

void StatisticsWindow::print()
{
    if (stale_)
        refresh();
    previewDocument(this, std::make_unique<exchange::StatisticsDocument>(content_),
                    catalogue_.archiveFiles());
    ui::reactivate(this);
}

void StatisticsWindow::saveAsPdf()
{
    if (stale_)
        refresh();
    exchange::StatisticsDocument document(content_);
    noteLabel_->noteWritten(tr("PDF file written: %1"),
                            saveDocumentAsPdf(this, document, tr("Statistics"), catalogue_.archiveFiles()));
    ui::reactivate(this);
}

void StatisticsWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
}

void StatisticsWindow::showEvent(QShowEvent* event)
{
    active_ = true;
    ui::guarded(this, [this] { refresh(); });
    // Placed once, measured on what it shows; later shows keep where the user put it.
    ui::ToolWindow::showEvent(event);
    closeButton_->setFocus();
}

// Every chart whole, where the screen has room for it; with room for a scroll bar, so that a few pixels
// short never ask for one.
QSize StatisticsWindow::preferredSize()
{
    QWidget* body = scrollArea_->widget();
    body->layout()->activate();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize needed = body->sizeHint().expandedTo(body->minimumSizeHint()).expandedTo(kPreferredSize);
    const QMargins margins = layout()->contentsMargins();
    return {needed.width() + bar + margins.left() + margins.right(),
            needed.height() + bar + closeButton_->sizeHint().height() + layout()->spacing() + margins.top() +
                margins.bottom()};
}

void StatisticsWindow::hideEvent(QHideEvent* event)
{
    ui::ToolWindow::hideEvent(event);
    // Closed, not only minimised with its owner: nothing to count until it opens again.
    if (!event->spontaneous()) {
        active_ = false;
        stale_ = false;
    }
}

} // namespace windows
