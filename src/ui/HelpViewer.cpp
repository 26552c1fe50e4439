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

QString HelpViewer::pagePath(HelpTopic topic, quint8 language)
{
    const QString page = helpPageName(topic);
    if (page.isEmpty())
        return {};
    const QString path =
        QStringLiteral(":/help/%1/%2.html").arg(language == kGerman ? u"de" : u"en").arg(page);
    return QFile::exists(path) ? path : QString();
}

void HelpViewer::showTopic(HelpTopic topic, quint8 language)
{
    language_ = isLanguage(language) ? language : kEnglish;
    const QString path = pagePath(topic, language_);
    QString noHelp;
    // The viewer speaks the language of the page it shows.
    withLanguage(language_, [&] {
        setWindowTitle(tr("reelMINDER/32 Help"));
        close_->setText(tr("&Close"));
        noHelp = tr("There is no help on this topic.");
    });

    topic_ = topic;
    if (path.isEmpty()) {
        browser_->clear();
        browser_->setPlainText(noHelp);
        return;
    }
    browser_->setSource(QUrl(QLatin1String("qrc") + path));
}

void HelpViewer::followSource(const QUrl& source)
{
    const HelpTopic topic = helpTopicOfPage(source.fileName().section(QLatin1Char('.'), 0, 0));
    if (topic != HelpTopic::None) {
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
