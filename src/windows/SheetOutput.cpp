#include "windows/SheetOutput.h"

#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/Modal.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace windows {
namespace {

class SheetOutput final
{
    Q_DECLARE_TR_FUNCTIONS(windows::SheetOutput)

public:
    static QString previewTitle() { return tr("Print preview"); }
    static QString saveTitle() { return tr("Save as PDF"); }
    static QString pdfFilter() { return tr("PDF documents (*.pdf)"); }
    static QString failureText() { return tr("The PDF file \"%1\" could not be written:\r\r%2"); }
    static QString failureCaption() { return tr("Saving as PDF failed"); }
};

// A long catalogue takes a moment to lay out and paint.
class WaitCursor final
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
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

} // namespace

void previewSheets(QWidget* parent, const std::vector<exchange::SheetCassette>& cassettes,
                   exchange::SheetKind kind)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(u"printPreview"_s);
    preview.setWindowTitle(SheetOutput::previewTitle());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        const WaitCursor wait;
        exchange::paintSheets(*target, cassettes, kind);
    });
    // Room for a whole page at a readable size, and for the whole tool bar where the screen allows.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const int width = std::max(available.width() * 3 / 5, preview.sizeHint().width());
        preview.resize(std::min(width, available.width()), available.height() * 9 / 10);
    }
    ui::execModal(&preview);
}

bool saveSheetsAsPdf(QWidget* parent, const std::vector<exchange::SheetCassette>& cassettes,
                     exchange::SheetKind kind, const QString& suggestedName)
{
    const QString path =
        ui::saveFileName(parent, SheetOutput::saveTitle(), SheetOutput::pdfFilter(),
                         QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/' +
                             fileNameFor(suggestedName),
                         u"pdf"_s);
    if (path.isEmpty())
        return false;

    std::optional<QString> problem;
    {
        const WaitCursor wait;
        problem = exchange::writeSheetsPdf(path, cassettes, kind);
    }
    if (problem) {
        ui::messageBox(parent, SheetOutput::failureText().arg(QDir::toNativeSeparators(path), *problem),
                       SheetOutput::failureCaption(), ui::Icon::Error);
        return false;
    }
    return true;
}

} // namespace windows
