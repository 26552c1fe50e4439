#include "windows/print/DocumentOutput.h"

#include "exchange/SheetPainter.h"
#include "ui/FileDialog.h"
#include "ui/JobProgress.h"
#include "ui/MessageBox.h"
#include "ui/Modal.h"
#include "windows/print/DocumentPreview.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QStandardPaths>

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
    static QString layingOut() { return tr("Laying out the pages..."); }
    static QString writing() { return tr("Writing the PDF file..."); }
};

// A cassette name as a file name: the characters no file system takes become '_'.
QString fileNameFor(const QString& name)
{
    QString fileName = name.trimmed();
    for (QChar& c : fileName) {
        if (c.unicode() < 0x20 || u"/\\:*?\"<>|"_s.contains(c))
            c = u'_';
    }
    return (fileName.isEmpty() ? u"reelMINDER"_s : fileName) + u".pdf"_s;
}

// Where to save a PDF file; empty when the user cancelled.
QString askPdfPath(QWidget* parent, const QString& suggestedName)
{
    return ui::saveFileName(parent, DocumentOutput::saveTitle(), DocumentOutput::pdfFilter(),
                            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/' +
                                fileNameFor(suggestedName),
                            u"pdf"_s);
}

void reportFailure(QWidget* parent, const QString& path, const QString& reason)
{
    ui::messageBox(parent, DocumentOutput::failureText().arg(QDir::toNativeSeparators(path), reason),
                   DocumentOutput::failureCaption(), ui::Icon::Error);
}

} // namespace

std::unique_ptr<exchange::SheetDocument> layOutSheets(QWidget* parent,
                                                      std::vector<exchange::SheetCassette> cassettes,
                                                      exchange::SheetKind kind, const QPageLayout& pageLayout,
                                                      const QString& caption)
{
    ui::JobProgress job(parent, caption, DocumentOutput::layingOut());
    return exchange::SheetDocument::layOut(std::move(cassettes), kind, pageLayout, job.progress());
}

std::unique_ptr<exchange::PagedDocument> layOutAgain(QWidget* parent, const exchange::PagedDocument& document,
                                                     const QPageLayout& pageLayout, const QString& caption)
{
    ui::JobProgress job(parent, caption, DocumentOutput::layingOut());
    return document.onPaper(pageLayout, job.progress());
}

bool writePdf(QWidget* parent, exchange::PagedDocument& document, const QString& path,
              const catalogue::ArchiveFiles& archive, int first, int last, const QString& caption)
{
    catalogue::WriteOutcome outcome;
    {
        ui::JobProgress job(parent, caption, DocumentOutput::writing());
        outcome = exchange::writeSheetsPdf(path, archive, document, first, last, job.progress());
    }
    if (outcome.status == catalogue::WriteOutcome::Failed)
        reportFailure(parent, path, outcome.reason);
    return outcome.status == catalogue::WriteOutcome::Written;
}

void previewSheets(QWidget* parent, std::vector<exchange::SheetCassette> cassettes, exchange::SheetKind kind,
                   const catalogue::ArchiveFiles& archive)
{
    std::unique_ptr<exchange::SheetDocument> document =
        layOutSheets(parent, std::move(cassettes), kind, exchange::defaultSheetPageLayout(),
                     DocumentOutput::previewTitle());
    if (!document)
        return;
    DocumentPreview preview(std::move(document), archive, parent);
    ui::execModal(&preview);
}

QString saveSheetsAsPdf(QWidget* parent, std::vector<exchange::SheetCassette> cassettes,
                        exchange::SheetKind kind, const QString& suggestedName,
                        const catalogue::ArchiveFiles& archive)
{
    const QString path = askPdfPath(parent, suggestedName);
    if (path.isEmpty())
        return {};

    catalogue::WriteOutcome outcome;
    {
        ui::JobProgress job(parent, DocumentOutput::saveTitle(), DocumentOutput::writing());
        outcome = exchange::writeSheetsPdf(path, archive, std::move(cassettes), kind, job.progress());
    }
    if (outcome.status == catalogue::WriteOutcome::Failed)
        reportFailure(parent, path, outcome.reason);
    return outcome.status == catalogue::WriteOutcome::Written ? path : QString();
}

void previewDocument(QWidget* parent, std::unique_ptr<exchange::PagedDocument> document,
                     const catalogue::ArchiveFiles& archive)
{
    DocumentPreview preview(std::move(document), archive, parent);
    ui::execModal(&preview);
}

QString saveDocumentAsPdf(QWidget* parent, exchange::PagedDocument& document, const QString& suggestedName,
                          const catalogue::ArchiveFiles& archive)
{
    const QString path = askPdfPath(parent, suggestedName);
    if (path.isEmpty())
        return {};
    return writePdf(parent, document, path, archive, 0, -1, DocumentOutput::saveTitle()) ? path : QString();
}

} // namespace windows
