#include "windows/tools/TapeMapWindow.h"

#include "catalogue/Cassette.h"
#include "ui/ErrorGuard.h"
#include "ui/Forms.h"
#include "ui/Help.h"
#include "ui/SettingsStore.h"
#include "windows/tools/TapeMapDelegate.h"
#include "windows/tools/TapeMapView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

constexpr QSize kPreferredSize(760, 520);

} // namespace

TapeMapWindow::TapeMapWindow(catalogue::Catalogue& catalogue, QWidget* parent)
    : ui::ToolWindow(parent), map_(new TapeMapView(catalogue, this))
{
    setObjectName(u"tapeMapWindow"_s);
    ui::setHelpTopic(this, ui::HelpTopic::TapeMap);
    createControls();
    retranslate();
}

TapeMapWindow::~TapeMapWindow()
{
    // The dialog hides its children as it goes; the map must not tell a window that is half gone.
    map_->disconnect(this);
}

void TapeMapWindow::createControls()
{
    using ui::named;
    named(map_, u"tapeMap"_s);
    filterEdit_ = named(new QLineEdit(this), u"filterEdit"_s);
    filterEdit_->setClearButtonEnabled(true);
    filterLabel_ = named(new QLabel(this), u"filterLabel"_s);
    filterLabel_->setBuddy(filterEdit_);
    countLabel_ = named(new QLabel(this), u"countLabel"_s);
    countLabel_->setBuddy(map_);
    closeButton_ = named(new QPushButton(this), u"closeButton"_s);
    // Enter belongs to the map, where it opens the film under the cursor.
    closeButton_->setAutoDefault(false);

    auto* filter = new QHBoxLayout;
    filter->addWidget(filterLabel_);
    filter->addWidget(filterEdit_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(createLegend());
    bottom->addStretch(1);
    bottom->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addWidget(countLabel_);
    layout->addWidget(map_, 1);
    layout->addLayout(bottom);

    setTabOrder(filterEdit_, map_);
    setTabOrder(map_, closeButton_);

    connect(filterEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { ui::guarded(this, [&] { map_->setFilter(text); }); });
    connect(map_, &TapeMapView::rowsChanged, this, &TapeMapWindow::showCount);
    connect(map_, &TapeMapView::filmWindowRequested, this, &TapeMapWindow::filmWindowRequested);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

QLayout* TapeMapWindow::createLegend()
{
    auto* legend = new QHBoxLayout;
    const auto entry = [&](TapeMapDelegate::Kind kind, const QString& name) {
        auto* swatch = new QLabel(this);
        swatch->setProperty("kind", int(kind));
        swatches_.append(swatch);
        auto* caption = ui::named(new QLabel(this), name);
        legend->addWidget(swatch);
        legend->addWidget(caption);
        legend->addSpacing(8);
        return caption;
    };
    filmLegend_ = entry(TapeMapDelegate::Kind::Film, u"filmLegend"_s);
    longplayLegend_ = entry(TapeMapDelegate::Kind::LongplayFilm, u"longplayLegend"_s);
    freeLegend_ = entry(TapeMapDelegate::Kind::Free, u"freeLegend"_s);
    overFullLegend_ = entry(TapeMapDelegate::Kind::OverFull, u"overFullLegend"_s);
    return legend;
}

void TapeMapWindow::retranslate()
{
    setWindowTitle(tr("Tape Map"));
    filterLabel_->setText(tr("&Name contains:"));
    map_->setAccessibleName(tr("Tape map"));
    filmLegend_->setText(tr("Film"));
    longplayLegend_->setText(tr("Long-play film"));
    freeLegend_->setText(tr("Free"));
    overFullLegend_->setText(tr("Over-full"));
    closeButton_->setText(tr("&Close"));
    showCount();
}

void TapeMapWindow::showCount()
{
    countLabel_->setText(tr("&Tapes shown: %1").arg(map_->rowCount()));
}

void TapeMapWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui::guarded(this, [this] { retranslate(); });
}

void TapeMapWindow::showEvent(QShowEvent* event)
{
    ui::ToolWindow::showEvent(event);
    // Swatches as sharp as the screen, drawn as the map draws its bars.
    const qreal ratio = devicePixelRatio();
    const QSize size(2 * fontMetrics().height(), fontMetrics().height());
    for (QLabel* swatch : std::as_const(swatches_)) {
        QPixmap pixmap(size * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        TapeMapDelegate::paintSwatch(painter, QRect(QPoint(), size),
                                     TapeMapDelegate::Kind(swatch->property("kind").toInt()));
        painter.end();
        swatch->setPixmap(pixmap);
    }
    filterEdit_->setFocus();
}

QSize TapeMapWindow::preferredSize()
{
    return kPreferredSize;
}

// The names as wide as the user left them.
void TapeMapWindow::restoreLayout(const ui::SettingsStore& settings)
{
    const ui::SettingsStore::StoredInteger stored = settings.readInteger(settingsKey(u"NameWidth"_s));
    if (stored.kind == ui::SettingsStore::StoredInteger::Integer && stored.value > 0 && stored.value < 10000)
        map_->setNameWidth(int(stored.value));
}

void TapeMapWindow::rememberLayout(ui::SettingsStore& settings)
{
    if (map_->chosenNameWidth() > 0)
        settings.store(settingsKey(u"NameWidth"_s), map_->chosenNameWidth());
}

} // namespace windows
