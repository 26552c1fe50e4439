#include "ui/NoteLabel.h"

#include <QDir>
#include <QFontMetrics>
#include <QSizePolicy>
#include <QTimer>

namespace ui {
namespace {

// Room kept beside the text for the margins around it, and the least a path is shortened to.
constexpr int kMargins = 24;
constexpr int kLeastPathWidth = 80;

} // namespace

QString writtenNote(const QString& text, const QString& path, const QFontMetrics& metrics, int width)
{
    const int room = width - metrics.horizontalAdvance(text.arg(QString())) - kMargins;
    return text.arg(
        metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, std::max(room, kLeastPathWidth)));
}

NoteLabel::NoteLabel(QWidget* parent) : QLabel(parent), timer_(new QTimer(this))
{
    // A long note never widens the window: its path is shortened to the room there is.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        clear();
        setToolTip(QString());
    });
}

NoteLabel::~NoteLabel() = default;

void NoteLabel::noteWritten(const QString& text, const QString& path)
{
    if (path.isEmpty())
        return;
    setText(writtenNote(text, path, fontMetrics(), width()));
    setToolTip(text.arg(QDir::toNativeSeparators(path)));
    timer_->start(kNoteMs);
}

} // namespace ui
