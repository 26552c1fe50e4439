#pragma once

#include "exchange/LabelDocument.h"
#include "ui/ToolWindow.h"

#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;

namespace catalogue {
class Cassette;
class Catalogue;
} // namespace catalogue
namespace ui {
class NoteLabel;
class SettingsStore;
} // namespace ui

namespace windows {

class LabelSheetEditor;

// Labels for the tapes themselves: spine or face labels for every tape or the ones ticked, on a
// built-in label sheet or the user's own, from any label of the first sheet on; shown in a print
// preview to print from, or saved as PDF. The sheet and kind chosen and the user's sheet are
// remembered in the settings. A window of its own beside the main window; while open it follows the
// catalogue, keeping the tapes ticked that are still there, and it never changes a record.
class LabelDialog final : public ui::ToolWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LabelDialog)

public:
    LabelDialog(catalogue::Catalogue& catalogue, ui::SettingsStore& settings, QWidget* parent = nullptr);
    ~LabelDialog() override;

    // Lists the catalogue's tapes afresh with selected alone ticked; before each opening, or when asked
    // for again while open. Closed, it takes the choices remembered too; open, it keeps those on view.
    void prepare(const catalogue::Cassette* selected);

    // The tapes the labels are for, in catalogue order.
    std::vector<const catalogue::Cassette*> chosenCassettes() const;
    exchange::LabelDocument::Options options() const;

    void preview();
    void saveAsPdf();

protected:
    QSize preferredSize() override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void retranslate();
    // The labels' count, the start's range and whether there is anything to print.
    void refreshLabels();
    void suitSheetToKind();
    // The catalogue's tapes listed anew, those ticked before still ticked.
    void relist();
    void listTapes(const std::vector<const catalogue::Cassette*>& ticked, const catalogue::Cassette* current);
    void forgetTape(const catalogue::Cassette* cassette);
    std::unique_ptr<exchange::LabelDocument> document() const;
    void remember();

    catalogue::Catalogue& catalogue_;
    ui::SettingsStore& settings_;
    std::vector<const catalogue::Cassette*> cassettes_; // the list's rows
    QScrollArea* scrollArea_;
    QRadioButton* allRadio_;
    QRadioButton* tickedRadio_;
    QListWidget* tapeList_;
    QRadioButton* spineRadio_;
    QRadioButton* faceRadio_;
    LabelSheetEditor* sheetEditor_;
    QLabel* startLabel_;
    QSpinBox* startEdit_;
    QLabel* startOfLabel_;
    QCheckBox* outlineCheck_;
    QLabel* summaryLabel_;
    QPushButton* previewButton_;
    QPushButton* pdfButton_;
    QPushButton* closeButton_;
    // Tells for a while that the PDF file was written.
    ui::NoteLabel* noteLabel_;
};

} // namespace windows
