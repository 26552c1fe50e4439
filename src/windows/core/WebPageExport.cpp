#include "windows/core/WebPageExport.h"

#include "exchange/HtmlPage.h"
#include "ui/FileDialog.h"
#include "ui/JobProgress.h"
#include "ui/Language.h"
#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace windows {

namespace {

class WebPageExport final
{
    Q_DECLARE_TR_FUNCTIONS(windows::WebPageExport)

public:
    static QString filter() { return tr("Web pages (*.html *.htm);;All files (*)"); }
    static QString title() { return tr("Save as Web Page"); }
    static QString cannotWrite() { return tr("The file \"%1\" cannot be written (%2)."); }
    static QString failed() { return tr("Saving failed"); }
    static QString writing() { return tr("Writing the web page..."); }
};

} // namespace

QString saveWebPage(QWidget* parent, const catalogue::Catalogue& catalogue)
{
    const QString path = ui::saveFileName(parent, WebPageExport::title(), WebPageExport::filter(),
                                          QDir::homePath() + u"/ReelMinder.html"_s, u"html"_s);
    if (path.isEmpty())
        return {};
    catalogue::WriteOutcome outcome;
    {
        ui::JobProgress job(parent, WebPageExport::title(), WebPageExport::writing());
        outcome = exchange::writeHtmlPage(path, catalogue, ui::localeOf(ui::language()).bcp47Name(),
                                          job.progress());
    }
    if (outcome.status == catalogue::WriteOutcome::Failed) {
        ui::messageBox(parent,
                       WebPageExport::cannotWrite().arg(QDir::toNativeSeparators(path), outcome.reason),
                       WebPageExport::failed(), ui::Icon::Error);
    }
    return outcome.status == catalogue::WriteOutcome::Written ? path : QString();
}

} // namespace windows
