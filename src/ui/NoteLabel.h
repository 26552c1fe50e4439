#pragma once

#include <QLabel>

class QFontMetrics;
class QTimer;

namespace ui {

// How long a note of what was just done stays in view.
inline constexpr int kNoteMs = 6000;

// text with path for its %1, the path written as the system writes paths and shortened in its middle so
// that the whole fits width in the font of metrics (a few characters of it stay whatever the width).
QString writtenNote(const QString& text, const QString& path, const QFontMetrics& metrics, int width);

// A line of a window that tells for a while what was just done, such as a file written, as the main
// window's status bar does; then it is blank again. The whole text is its tooltip meanwhile.
class NoteLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NoteLabel)

public:
    explicit NoteLabel(QWidget* parent = nullptr);
    ~NoteLabel() override;

    // Notes text with path for its %1; an empty path, no file written, notes nothing.
    void noteWritten(const QString& text, const QString& path);

private:
    QTimer* timer_;
};

} // namespace ui
