#pragma once

#include "ui/ToolWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue

namespace windows {

class TapeMapView;

// The tape map: every cassette as a bar of its tape (TapeMapView), a line above it that filters the
// cassettes by name, and a legend of what the bars show. Non-modal; it follows the catalogue and
// never changes a record.
class TapeMapWindow final : public ui::ToolWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TapeMapWindow)

public:
    explicit TapeMapWindow(catalogue::Catalogue& catalogue, QWidget* parent = nullptr);
    ~TapeMapWindow() override;

    TapeMapView* map() const { return map_; }

Q_SIGNALS:
    // The film window, on a cassette and the film it opens on.
    void filmWindowRequested(const catalogue::Cassette* cassette, const catalogue::FilmRecord* film);

protected:
    QSize preferredSize() override;
    void restoreLayout(const ui::SettingsStore& settings) override;
    void rememberLayout(ui::SettingsStore& settings) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    QLayout* createLegend();
    void retranslate();
    void showCount();

    TapeMapView* map_;
    QLabel* filterLabel_;
    QLineEdit* filterEdit_;
    QLabel* countLabel_;
    QLabel* filmLegend_;
    QLabel* longplayLegend_;
    QLabel* freeLegend_;
    QLabel* overFullLegend_;
    QList<QLabel*> swatches_;
    QPushButton* closeButton_;
};

} // namespace windows
