#pragma once

#include "ui/ToolWindow.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace catalogue {
class Cassette;
class Catalogue;
struct FilmRecord;
} // namespace catalogue
namespace controls {
class NumEdit;
}
namespace ui {
class ReportList;
}

namespace windows {

class FindSpaceModel;

// Which tape still holds a recording, and where it starts: as a length is typed, every cassette on
// which it fits (in long-play when ticked), least left over first. The best fit is selected; Enter
// or a double click opens the film window on the selected cassette's last film, so that New is at
// hand. Non-modal; it follows the catalogue and never changes a record.
class FindSpaceWindow final : public ui::ToolWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FindSpaceWindow)

public:
    explicit FindSpaceWindow(catalogue::Catalogue& catalogue, QWidget* parent = nullptr);
    ~FindSpaceWindow() override;

    // Asks for the film window on the selected cassette; nothing without a selection.
    void openCassette();

    FindSpaceModel* model() const { return model_; }
    ui::ReportList* fitList() const { return fitList_; }
    const catalogue::Cassette* selectedCassette() const;

Q_SIGNALS:
    // The film window, on a cassette and the film it opens on.
    void filmWindowRequested(const catalogue::Cassette* cassette, const catalogue::FilmRecord* film);

protected:
    QSize preferredSize() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void retranslate();
    void ask();
    void showCount();

    FindSpaceModel* model_;
    QLabel* lengthLabel_;
    controls::NumEdit* lengthEdit_;
    QLabel* minutesLabel_;
    QCheckBox* longplayCheck_;
    QLabel* countLabel_;
    ui::ReportList* fitList_;
    QPushButton* openButton_;
    QPushButton* closeButton_;
    // The cassette selected while the rows are made anew, to be selected again.
    const catalogue::Cassette* keptSelection_ = nullptr;
    bool asking_ = false;
};

} // namespace windows
