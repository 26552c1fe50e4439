#include "windows/DocumentOutput.h"

#include "exchange/PagedDocument.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/Modal.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

class DocumentOutput final
{
    Q_DECLARE_TR_FUNCTIONS(windows::DocumentOutput)

public:
    static QString previewTitle() { return tr("Print preview"); }
    static QString saveTitle() { return tr("Save as PDF"); }
    static QString pdfFilter() { return tr("PDF documents (*.pdf)"); }
    static QString failureText() { return tr("The PDF file \"%1\" could not be written:\r\r%2"); }
    static QString failureCaption() { return tr("Saving as PDF failed"); }
    static QString progressText(int page, int pages) { return tr("Page %1 of %2").arg(page).arg(pages); }
    static QString cancelText() { return tr("Cancel"); }
};

// A job of more than one page tells how far it is, once it takes long enough to be noticed, and may
// be cancelled; the pages painted so far are then dropped.
class PageProgressDialog final
{
public:
    PageProgressDialog(QWidget* parent, const QString& title, int pages)
    {
        if (pages <= 1)
            return;
        dialog_ =
            std::make_unique<QProgressDialog>(QString(), DocumentOutput::cancelText(), 0, pages, parent);
        dialog_->setObjectName(u"pageProgress"_s);
        dialog_->setWindowTitle(title);
        // Wide enough for its title beside the window's buttons.
        dialog_->setMinimumWidth(dialog_->fontMetrics().horizontalAdvance(title) +
                                 10 * dialog_->fontMetrics().averageCharWidth() + 120);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(500);
        dialog_->setAutoReset(false);
        dialog_->setValue(0);
    }

    bool advance(int page, int pages)
    {
        if (!dialog_)
            return true;
        dialog_->setLabelText(DocumentOutput::progressText(page + 1, pages));
        dialog_->setValue(page);
        return !dialog_->wasCanceled();
    }

    exchange::PageProgress callback()
    {
        return [this](int page, int pages) { return advance(page, pages); };
    }

private:
    std::unique_ptr<QProgressDialog> dialog_;
};

// The file's name offered in the save dialog: characters no file system takes become '_'.
QString fileNameFor(const QString& name)
{
    QString fileName = name.trimmed();
    for (QChar& c : fileName) {
        if (c.unicode() < 0x20 || u"/\\:*?\"<>|"_s.contains(c))
            c = u'_';
    }
    return (fileName.isEmpty() ? u"reelMINDER"_s : fileName) + u".pdf"_s;
}

} // namespace

void previewDocument(QWidget* parent, exchange::PagedDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    const QPageLayout layout = document.pageLayout();
    printer.setPageLayout(layout);
    // A document placed on the paper itself (a label sheet) is printed on the full page.
    printer.setFullPage(layout.margins().isNull());
    printer.setDocName(document.title());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(u"printPreview"_s);
    preview.setWindowTitle(DocumentOutput::previewTitle());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        // Over the preview once it shows; its first pages are painted before it does.
        PageProgressDialog progress(preview.isVisible() ? &preview : parent, document.title(),
                                    document.pageCount());
        exchange::paintDocument(*target, document, progress.callback());
    });
    // Room for a whole page at a readable size, and for the whole tool bar where the screen allows.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const int width = std::max(available.width() * 3 / 5, preview.sizeHint().width());
        preview.resize(std::min(width, available.width()), available.height() * 9 / 10);
    }
    ui::execModal(&preview);
}

bool saveDocumentAsPdf(QWidget* parent, exchange::PagedDocument& document, const QString& suggestedName)
{
    const QString path =
        ui::saveFileName(parent, DocumentOutput::saveTitle(), DocumentOutput::pdfFilter(),
                         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/' +
                             fileNameFor(suggestedName),
                         u"pdf"_s);
    if (path.isEmpty())
        return false;

    exchange::PdfOutcome outcome;
    {
        PageProgressDialog progress(parent, document.title(), document.pageCount());
        outcome = exchange::writeDocumentPdf(path, document, progress.callback());
    }
    if (outcome.problem) {
        ui::messageBox(parent,
                       DocumentOutput::failureText().arg(QDir::toNativeSeparators(path), *outcome.problem),
                       DocumentOutput::failureCaption(), ui::Icon::Error);
        return false;
    }
    return outcome.outcome == exchange::PaintOutcome::Painted;
}

} // namespace windows
