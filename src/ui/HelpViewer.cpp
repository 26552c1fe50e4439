#include "ui/HelpViewer.h"

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
    setWindowTitle(german ? QStringLiteral("reelMINDER/32 Hilfe") : QStringLiteral("reelMINDER/32 Help"));
    close_->setText(german ? QStringLiteral("&Schließen") : QStringLiteral("&Close"));

    const QString path = pagePath(topic, german);
    if (path.isEmpty()) {
        topic_ = topic;
        browser_->clear();
        browser_->setPlainText(german ? QStringLiteral("Zu diesem Thema gibt es keine Hilfe.")
                                      : QStringLiteral("There is no help on this topic."));
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
