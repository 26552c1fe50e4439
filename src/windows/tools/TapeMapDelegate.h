#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;

namespace catalogue {
class Cassette;
struct FilmRecord;
} // namespace catalogue

namespace windows {

// Where the parts of a tape map's row lie across a view width pixels wide: the name, then the bar,
// with perHalfMinute pixels for each half-minute of the scale (tape is measured in half-minutes). The
// name takes the width chosen for it (0: one that suits the font), within bounds that leave the bar room.
struct TapeMapGeometry
{
    TapeMapGeometry(int width, const QFontMetrics& metrics, qint64 longestHalfMinutes,
                    int chosenNameWidth = 0);

    int x(qint64 halfMinutes) const;
    // Where the border between the name and the bar can be dragged.
    int handleX() const;
    static int nameWidthFor(int width, const QFontMetrics& metrics, int chosenNameWidth);

    int nameLeft;
    int nameWidth;
    int barLeft;
    double perHalfMinute;
};

// Paints a row of the tape map (TapeMapModel): the cassette's name, and its tape as one bar to the
// common scale: each film a segment as long as the tape it takes (long-play hatched), the free rest
// plain, and what an over-full cassette holds beyond its end marked in red. The view's current row
// shows the keyboard cursor on the segment cursorSegment() (the film count: the free rest). Every row
// is as high as the next, so the view need not measure them.
class TapeMapDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TapeMapDelegate)

public:
    // What a swatch of the legend shows.
    enum class Kind
    {
        Film,
        LongplayFilm,
        Free,
        OverFull
    };

    explicit TapeMapDelegate(QObject* parent = nullptr);
    ~TapeMapDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    void setCursorSegment(int segment) { cursorSegment_ = segment; }
    int cursorSegment() const { return cursorSegment_; }
    // The width the user gave the names; 0 for one that suits the font.
    void setNameWidth(int width) { nameWidth_ = width; }
    int nameWidth() const { return nameWidth_; }

    static int rowHeight(const QFontMetrics& metrics);
    // The bar within a row.
    static QRect barRect(const QRect& row);
    // The segment of a film within a row, as painted; empty when the cassette holds no such film.
    static QRect segmentRect(const QRect& row, const TapeMapGeometry& g, const catalogue::Cassette& cassette,
                             const catalogue::FilmRecord* film);
    // Paints one swatch of the legend, as the rows paint that kind of tape.
    static void paintSwatch(QPainter& painter, const QRect& rect, Kind kind);
    // The colour that marks what is over-full.
    static QColor overFullColour();

private:
    int cursorSegment_ = 0;
    int nameWidth_ = 0;
};

} // namespace windows
