#include "windows/print/DocumentPreview.h"

#include "controls/NavigationBar.h"
#include "exchange/PagedDocument.h"
#include "exchange/SheetPainter.h"
#include "ui/FlowLayout.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/JobProgress.h"
#include "ui/MessageBox.h"
#include "ui/Modal.h"
#include "windows/print/DocumentOutput.h"
#include "windows/print/PageView.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

using Step = controls::NavigationBar::Step;

// The zoom steps, from the paper's real size; fitting the width and the whole page come first.
constexpr double kZoomSteps[] = {0.25, 0.5, 0.75, 1, 1.25, 1.5, 2, 3, 4};
constexpr double kFitWidth = -1;
constexpr double kFitPage = -2;

} // namespace

DocumentPreview::DocumentPreview(std::unique_ptr<exchange::PagedDocument> document,
                                 const catalogue::ArchiveFiles& archive, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      document_(std::move(document)), archive_(archive),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(u"printPreview"_s);
    ui::setHelpTopic(this, ui::HelpTopic::PrintPreview);
    const QPageLayout pageLayout = document_->pageLayout();
    printer_->setPageLayout(pageLayout);
    // A document placed on the paper itself (a label sheet) is printed on the full page.
    printer_->setFullPage(pageLayout.margins().isNull());
    printer_->setDocName(document_->title());
    printer_->setCreator(u"reelMINDER/32"_s);
    createControls();
    // A document made for its paper keeps it.
    pageSetupButton_->setEnabled(document_->followsPaper());
    retranslate();
    pageView_->setDocument(document_.get());
    followPage(0);
}

DocumentPreview::~DocumentPreview() = default;

void DocumentPreview::createControls()
{
    using ui::named;
    const auto button = [this](const QString& name) { return named(new QPushButton(this), name); };
    printButton_ = button(u"printButton"_s);
    pageSetupButton_ = button(u"pageSetupButton"_s);
    pages_ = new controls::NavigationBar(u"Page"_s, this);
    zoomOutButton_ = button(u"zoomOutButton"_s);
    zoomInButton_ = button(u"zoomInButton"_s);
    closeButton_ = button(u"closeButton"_s);
    zoomOutButton_->setText(u"\u2212"_s);
    zoomInButton_->setText(u"+"_s);
    for (QPushButton* b : {zoomOutButton_, zoomInButton_})
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(u">|"_s) + 16);
    for (QPushButton* b : {printButton_, pageSetupButton_, zoomOutButton_, zoomInButton_, closeButton_})
        b->setAutoDefault(false);
    for (Step step : {Step::First, Step::Previous, Step::Next, Step::Last})
        pages_->button(step)->setAutoDefault(false);

    pageLabel_ = named(new QLabel(this), u"pageLabel"_s);
    pageSpin_ = named(new QSpinBox(this), u"pageSpin"_s);
    pageSpin_->setMinimum(1);
    // A page number is typed whole before the view goes there.
    pageSpin_->setKeyboardTracking(false);
    pageCountLabel_ = named(new QLabel(this), u"pageCountLabel"_s);
    pageLabel_->setBuddy(pageSpin_);
    // Its line edit would take Ctrl+Home and Ctrl+End for its own cursor.
    pageSpin_->installEventFilter(this);
    zoomLabel_ = named(new QLabel(this), u"zoomLabel"_s);
    zoomCombo_ = named(new QComboBox(this), u"zoomCombo"_s);
    zoomLabel_->setBuddy(zoomCombo_);
    pageView_ = new PageView(this);

    // The bar's groups go on in a second row where the window is narrow (a small screen, a large scale).
    // Within a group the arrow buttons touch, as in the film window.
    const int spacing = style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    const QList<QWidget*> arrows{zoomOutButton_, zoomInButton_};
    const auto group = [this, spacing, arrows](std::initializer_list<QWidget*> widgets) {
        auto* box = new QWidget(this);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        QWidget* before = nullptr;
        for (QWidget* w : widgets) {
            const bool touching = arrows.contains(before) && arrows.contains(w);
            if (before && !touching)
                row->addSpacing(spacing);
            row->addWidget(w);
            before = w;
        }
        return box;
    };
    auto* bar = new ui::FlowLayout;
    bar->setSpacing(spacing * 3);
    bar->addWidget(group({printButton_, pageSetupButton_}));
    pages_->insertBetween({pageLabel_, pageSpin_, pageCountLabel_});
    bar->addWidget(pages_);
    bar->addWidget(group({zoomLabel_, zoomCombo_, zoomOutButton_, zoomInButton_}));
    QWidget* closing = group({closeButton_});
    bar->addWidget(closing);
    bar->setAlignment(closing, Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(pageView_, 1);

    // The pages first, as the window is about them; then the bar from left to right.
    QWidget* order[] = {pageView_,
                        printButton_,
                        pageSetupButton_,
                        pages_->button(Step::First),
                        pages_->button(Step::Previous),
                        pageSpin_,
                        pages_->button(Step::Next),
                        pages_->button(Step::Last),
                        zoomCombo_,
                        zoomOutButton_,
                        zoomInButton_,
                        closeButton_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    pageView_->setFocus();

    connect(printButton_, &QPushButton::clicked, this, &DocumentPreview::print);
    connect(pageSetupButton_, &QPushButton::clicked, this, &DocumentPreview::setUpPage);
    connect(pages_, &controls::NavigationBar::stepRequested, this, [this](Step step) {
        const int pages[] = {0, currentPage() - 1, currentPage() + 1, pageCount() - 1};
        showPage(pages[int(step)]);
    });
    connect(pageSpin_, &QSpinBox::valueChanged, this, [this](int page) { pageView_->showPage(page - 1); });
    connect(pageView_, &PageView::currentPageChanged, this, &DocumentPreview::followPage);
    connect(zoomCombo_, &QComboBox::activated, this, &DocumentPreview::chooseZoom);
    connect(zoomOutButton_, &QPushButton::clicked, this, &DocumentPreview::zoomOut);
    connect(zoomInButton_, &QPushButton::clicked, this, &DocumentPreview::zoomIn);
    connect(pageView_, &PageView::zoomChanged, this, &DocumentPreview::showZoom);
    connect(pageView_, &PageView::zoomStepRequested, this, &DocumentPreview::stepZoom);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    for (const auto& [keys, step] :
         {std::pair{QKeySequence::ZoomIn, 1}, std::pair{QKeySequence::ZoomOut, -1}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { stepZoom(step); });
    }
}

void DocumentPreview::retranslate()
{
    const QString title = document_->title();
    setWindowTitle(title.isEmpty() ? tr("Print preview") : tr("Print preview – %1").arg(title));
    printButton_->setText(tr("&Print..."));
    pageSetupButton_->setText(tr("Page set&up..."));
    pageLabel_->setText(tr("P&age:"));
    pageCountLabel_->setText(tr("of %1").arg(pageCount()));
    zoomLabel_->setText(tr("&Zoom:"));
    closeButton_->setText(tr("&Close"));
    const std::pair<QPushButton*, QString> described[] = {
        {pages_->button(Step::First), tr("First page")},
        {pages_->button(Step::Previous), tr("Previous page")},
        {pages_->button(Step::Next), tr("Next page")},
        {pages_->button(Step::Last), tr("Last page")},
        {zoomOutButton_, tr("Zoom out")},
        {zoomInButton_, tr("Zoom in")},
    };
    for (const auto& [b, text] : described) {
        b->setToolTip(text);
        b->setAccessibleName(text);
    }
    fillZoomChoices();
}

void DocumentPreview::fillZoomChoices()
{
    const QSignalBlocker quiet(zoomCombo_);
    zoomCombo_->clear();
    zoomCombo_->addItem(tr("Fit width"), kFitWidth);
    zoomCombo_->addItem(tr("Whole page"), kFitPage);
    for (const double zoom : kZoomSteps)
        zoomCombo_->addItem(tr("%1%").arg(qRound(zoom * 100)), zoom);
    showZoom();
}

void DocumentPreview::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

bool DocumentPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pageSpin_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier &&
            (key->key() == Qt::Key_Home || key->key() == Qt::Key_End)) {
            showPage(key->key() == Qt::Key_Home ? 0 : pageCount() - 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DocumentPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (sized_)
        return;
    sized_ = true;
    // Room for a whole page at a readable size, and for the bar in one row where the screen allows.
    if (const QScreen* screen =
            parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        // A little more than the bar asks for now: a caption may yet grow by a pixel.
        const int bar =
            layout()->sizeHint().width() + style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
        const int width = std::max(available.width() * 3 / 5, bar);
        resize(std::min(width, available.width()), available.height() * 9 / 10);
    }
    ui::centreOnScreen(this);
}

int DocumentPreview::pageCount() const
{
    return document_->pageCount();
}

int DocumentPreview::currentPage() const
{
    return pageView_->currentPage();
}

void DocumentPreview::showPage(int page)
{
    pageView_->showPage(std::clamp(page, 0, pageCount() - 1));
}

void DocumentPreview::followPage(int page)
{
    const QSignalBlocker quiet(pageSpin_);
    pageSpin_->setMaximum(std::max(1, pageCount()));
    pageSpin_->setValue(page + 1);
    pages_->setPlace(page, pageCount());
}

void DocumentPreview::chooseZoom(int index)
{
    const double zoom = zoomCombo_->itemData(index).toDouble();
    if (zoom == kFitWidth)
        pageView_->setFit(PageView::Fit::Width);
    else if (zoom == kFitPage)
        pageView_->setFit(PageView::Fit::Page);
    else
        pageView_->setZoom(zoom);
}

void DocumentPreview::zoomIn()
{
    stepZoom(1);
}

void DocumentPreview::zoomOut()
{
    stepZoom(-1);
}

// To the next zoom step beyond the present zoom, in either direction.
void DocumentPreview::stepZoom(int steps)
{
    const double zoom = pageView_->zoom();
    const double* const begin = std::begin(kZoomSteps);
    const double* const end = std::end(kZoomSteps);
    const double* next =
        steps > 0 ? std::upper_bound(begin, end, zoom + 1e-3) : std::lower_bound(begin, end, zoom - 1e-3) - 1;
    next = std::clamp(next, begin, end - 1);
    pageView_->setZoom(*next);
}

// The zoom box names the present zoom: a fit, or the step it is at.
void DocumentPreview::showZoom()
{
    const QSignalBlocker quiet(zoomCombo_);
    double wanted = pageView_->zoom();
    if (pageView_->fit() == PageView::Fit::Width)
        wanted = kFitWidth;
    else if (pageView_->fit() == PageView::Fit::Page)
        wanted = kFitPage;
    for (int i = 0; i < zoomCombo_->count(); ++i) {
        if (std::abs(zoomCombo_->itemData(i).toDouble() - wanted) < 1e-6)
            zoomCombo_->setCurrentIndex(i);
    }
    zoomOutButton_->setEnabled(pageView_->zoom() > std::begin(kZoomSteps)[0] + 1e-3);
    zoomInButton_->setEnabled(pageView_->zoom() < std::end(kZoomSteps)[-1] - 1e-3);
}

void DocumentPreview::setDocument(std::unique_ptr<exchange::PagedDocument> document)
{
    const int page = currentPage();
    document_ = std::move(document);
    pageView_->setDocument(document_.get());
    pageCountLabel_->setText(tr("of %1").arg(pageCount()));
    showPage(page);
    followPage(currentPage());
}

bool DocumentPreview::layOutForPrinter(const QString& caption)
{
    if (!document_->followsPaper() || printer_->pageLayout().isEquivalentTo(document_->pageLayout()))
        return true;
    std::unique_ptr<exchange::PagedDocument> document =
        layOutAgain(this, *document_, printer_->pageLayout(), caption);
    if (!document)
        return false;
    setDocument(std::move(document));
    return true;
}

void DocumentPreview::setUpPage()
{
    const QPageLayout before = printer_->pageLayout();
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.setObjectName(u"pageSetupDialog"_s);
    if (ui::execModal(&dialog) != QDialog::Accepted)
        return;
    // Cancelled, the layout stays as it was, and the paper with it.
    if (!layOutForPrinter(tr("Page setup")))
        printer_->setPageLayout(before);
}

void DocumentPreview::print()
{
    QPrintDialog dialog(printer_.get(), this);
    dialog.setObjectName(u"printDialog"_s);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCurrentPage | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, pageCount());
    if (ui::execModal(&dialog) != QDialog::Accepted)
        return;
    // The pages asked for, counted in the layout the dialog showed.
    int first = 0;
    int last = pageCount() - 1;
    if (printer_->printRange() == QPrinter::PageRange) {
        first = std::max(printer_->fromPage(), 1) - 1;
        last = std::min(printer_->toPage(), pageCount()) - 1;
    } else if (printer_->printRange() == QPrinter::CurrentPage) {
        first = last = currentPage();
    }
    if (!layOutForPrinter(tr("Print")))
        return;
    printPages(std::clamp(first, 0, pageCount() - 1), std::clamp(last, 0, pageCount() - 1));
}

void DocumentPreview::printPages(int first, int last)
{
    // A PDF file goes the way every PDF file of the program goes: whole or not at all.
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
        writePdf(this, *document_, printer_->outputFileName(), archive_, first, last, tr("Print"));
        return;
    }
    ui::JobProgress job(this, tr("Print"), tr("Printing..."));
    // Cancelled, the printing stops after the page under way; the print system has those before it.
    if (exchange::paintSheets(*printer_, *document_, first, last, job.progress()) ==
        exchange::PaintResult::NotStarted) {
        ui::messageBox(this, tr("The printer \"%1\" could not be started.").arg(printer_->printerName()),
                       tr("Printing failed"), ui::Icon::Error);
    }
}

} // namespace windows
