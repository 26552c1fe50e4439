#pragma once

#include "catalogue/ArchiveFiles.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace controls {
class NavigationBar;
}
namespace exchange {
class PagedDocument;
}

namespace windows {

class PageView;

// A document's pages on the screen, to print from. The pages come laid out; each is painted only when
// it comes into view, so that a catalogue of thousands of pages opens at once. Above the pages: Print
// (through Qt's print dialog), Page setup, the page shown and the steps to others, and the zoom.
// Ctrl+Home and Ctrl+End go to the first and the last page wherever the focus is in the window, the page
// field included. Printing, and a new page setup, lay the sheets out again where the paper changed, so that
// what is printed is what the preview shows, page for page.
class DocumentPreview final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DocumentPreview)

public:
    // A PDF file printed to is never one of the files of archive, the archive in use.
    DocumentPreview(std::unique_ptr<exchange::PagedDocument> document, const catalogue::ArchiveFiles& archive,
                    QWidget* parent = nullptr);
    ~DocumentPreview() override;

    exchange::PagedDocument& document() const { return *document_; }
    QPrinter& printer() const { return *printer_; }
    PageView* pageView() const { return pageView_; }
    int pageCount() const;
    // The page shown (0-based).
    int currentPage() const;
    void showPage(int page);

    // Asks for the printer and the pages in Qt's print dialog and prints them.
    void print();
    // Asks for the paper in Qt's page setup dialog; the sheets are laid out again on a new one.
    void setUpPage();
    // The next larger or smaller of the zoom steps.
    void zoomIn();
    void zoomOut();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void retranslate();
    void fillZoomChoices();
    void chooseZoom(int index);
    void stepZoom(int steps);
    void showZoom();
    void followPage(int page);
    // The document laid out on the printer's paper, unless it is already or keeps its own paper; false
    // when that was cancelled.
    bool layOutForPrinter(const QString& caption);
    void setDocument(std::unique_ptr<exchange::PagedDocument> document);
    void printPages(int first, int last);

    std::unique_ptr<exchange::PagedDocument> document_;
    catalogue::ArchiveFiles archive_;
    std::unique_ptr<QPrinter> printer_;
    PageView* pageView_;
    QPushButton* printButton_;
    QPushButton* pageSetupButton_;
    controls::NavigationBar* pages_;
    QLabel* pageLabel_;
    QSpinBox* pageSpin_;
    QLabel* pageCountLabel_;
    QLabel* zoomLabel_;
    QComboBox* zoomCombo_;
    QPushButton* zoomOutButton_;
    QPushButton* zoomInButton_;
    QPushButton* closeButton_;
    bool sized_ = false;
};

} // namespace windows
