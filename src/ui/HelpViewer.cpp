#include "ui/HelpViewer.h"

#include "ui/Language.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

HelpViewer::HelpViewer(QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)), close_(new QPushButton(this))
{
    setObjectName(QStringLiteral("helpViewer"));
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(false);
    close_->setObjectName(QStringLiteral("helpClose"));

    auto* const buttons = new QDialogButtonBox(this);
    buttons->addButton(close_, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* const layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
    resize(520, 440);

    // Links between topics keep topic() in step with the page shown.
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::followSource);
}

QString HelpViewer::pagePath(int topic, bool german)
{
    const QString path = QStringLiteral(":/help/%1/%2.html").arg(german ? u"de" : u"en").arg(topic);
    return QFile::exists(path) ? path : QString();
}

void HelpViewer::showTopic(int topic, bool german)
{
    german_ = german;
    const QString path = pagePath(topic, german);
    QString noHelp;
    // The viewer speaks the language of the help file it shows, which need not be the program's.
    withLanguage(german ? kGerman : kEnglish, [&] {
        setWindowTitle(tr("reelMINDER/32 Help"));
        close_->setText(tr("&Close"));
        noHelp = tr("There is no help on this topic.");
    });

    if (path.isEmpty()) {
        topic_ = topic;
        browser_->clear();
        browser_->setPlainText(noHelp);
        return;
    }
    browser_->setSource(QUrl(QLatin1String("qrc") + path));
    topic_ = topic;
}

void HelpViewer::followSource(const QUrl& source)
{
    bool ok = false;
    const int topic = source.fileName().section(QLatin1Char('.'), 0, 0).toInt(&ok);
    if (ok) {
        topic_ = topic;
    }
}

QString HelpViewer::pageTitle() const
{
    return browser_->documentTitle();
}

QString HelpViewer::pageText() const
{
    return browser_->toPlainText();
}

} // namespace ui
