#pragma once

#include "exchange/StatisticsContent.h"
#include "ui/ToolWindow.h"

#include <QList>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace catalogue {
class Catalogue;
}

namespace ui {
class NoteLabel;
}

namespace windows {

class StatisticsChart;

// The collection at a glance: its figures (tapes, films, hours recorded and free, shares of long-play,
// black-and-white, seen and deletable films) and charts of its films per genre and per decade and of
// its tapes by fullness; printed or saved as PDF on one page. Non-modal; while open it follows the
// catalogue, counting anew once per trip through the event loop, and it never changes a record.
class StatisticsWindow final : public ui::ToolWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StatisticsWindow)

public:
    explicit StatisticsWindow(catalogue::Catalogue& catalogue, QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    // What the window shows now.
    const exchange::StatisticsContent& content() const { return content_; }
    StatisticsChart* genreChart() const { return genreChart_; }
    StatisticsChart* decadeChart() const { return decadeChart_; }
    StatisticsChart* fullnessChart() const { return fullnessChart_; }

    // Counts anew now rather than once the event loop comes round.
    void refresh();
    void print();
    void saveAsPdf();

protected:
    QSize preferredSize() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void retranslate();
    void showContent();

    catalogue::Catalogue& catalogue_;
    // A change was told that the figures do not show yet.
    bool stale_ = false;
    exchange::StatisticsContent content_;
    QGroupBox* figuresBox_;
    QList<QLabel*> figureCaptions_;
    QList<QLabel*> figureValues_;
    StatisticsChart* genreChart_;
    StatisticsChart* decadeChart_;
    StatisticsChart* fullnessChart_;
    QScrollArea* scrollArea_;
    QPushButton* printButton_;
    QPushButton* pdfButton_;
    QPushButton* closeButton_;
    // Tells for a while that the PDF file was written.
    ui::NoteLabel* noteLabel_;
    bool active_ = false;
};

} // namespace windows
