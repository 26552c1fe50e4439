#pragma once

#include <QAbstractScrollArea>
#include <QImage>

#include <vector>

class QPainter;

namespace exchange {
class PagedDocument;
}

namespace windows {

// The pages of a document one below the other on a grey desk, at a zoom; at a zoom small enough, as many
// side by side in a row as the view's width holds. A page is painted when
// it comes into view; the pictures of the pages painted last are kept, up to a bound, so that
// scrolling back is quick and the memory stays small however many pages there are and whatever the
// zoom.
class PageView final : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageView)

public:
    // How the zoom follows the view's size: not at all, or so that a page's width, or a whole page, fills it.
    enum class Fit
    {
        None,
        Width,
        Page,
    };

    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    // The document to show, not owned; null shows an empty desk. The view goes to its first page.
    void setDocument(exchange::PagedDocument* document);

    // 1 shows the paper at its real size. Setting a zoom ends any fit.
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    Fit fit() const { return fit_; }
    void setFit(Fit fit);

    // The page (0-based) at the middle of the view: of the row that takes most of it, the page last
    // shown, else the row's first.
    int currentPage() const;
    // Scrolls the top of page's row into view.
    void showPage(int page);
    // Pages side by side in a row at the present zoom.
    int columnCount() const;

    // Pages painted since the document was set (a page painted again counts again), and the pictures of
    // pages kept now.
    int paintedPageCount() const { return paintedPages_; }
    int keptPageCount() const { return int(kept_.size()); }

Q_SIGNALS:
    void currentPageChanged(int page);
    void zoomChanged();
    // Ctrl and the wheel: steps toward a larger zoom (positive) or a smaller one.
    void zoomStepRequested(int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    struct KeptPage
    {
        int page = 0;
        QImage picture;
    };

    // The paper's size on the screen, in device-independent pixels, and the room between pages.
    QSizeF pageSize() const;
    double pageStep() const;
    int rowCount() const;
    double fittedZoom() const;
    void applyFit();
    void updateScrollBars();
    QRectF pageRect(int page) const;
    void paintPage(QPainter& painter, int page);
    const QImage* picture(int page, const std::vector<int>& inView);
    void forgetPictures();
    void tellCurrentPage();

    exchange::PagedDocument* document_ = nullptr;
    double zoom_ = 1;
    Fit fit_ = Fit::Width;
    int paintedPages_ = 0;
    int shownPage_ = -1;
    // The page asked for last, current while its row is.
    int chosenPage_ = 0;
    std::vector<KeptPage> kept_; // the pictures, the most recently painted last
};

} // namespace windows
