#include "ui/Help.h"

#include "ui/HelpViewer.h"
#include "ui/Language.h"

#include <QApplication>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace ui {

namespace {

constexpr char kTopicProperty[] = "helpTopic";

struct TopicPage
{
    HelpTopic topic;
    const char16_t* page;
};
constexpr TopicPage kPages[] = {
    {HelpTopic::MainWindow, u"main-window"},
    {HelpTopic::FilmWindow, u"film-window"},
    {HelpTopic::CassetteDialog, u"cassette-dialog"},
    {HelpTopic::SearchDialog, u"search-dialog"},
    {HelpTopic::FindSpace, u"find-space"},
    {HelpTopic::TapeMap, u"tape-map"},
    {HelpTopic::Duplicates, u"duplicates"},
    {HelpTopic::PrintPreview, u"print-preview"},
    {HelpTopic::Statistics, u"statistics"},
    {HelpTopic::Labels, u"labels"},
    {HelpTopic::Backups, u"backups"},
};

HelpViewer* viewerFor(QWidget* parent)
{
    QWidget* owner = parent != nullptr ? parent->window() : QApplication::activeWindow();
    if (owner == nullptr) {
        // Nothing to hang it on: a window of its own that goes away when closed.
        static QPointer<HelpViewer> lone;
        if (lone.isNull()) {
            lone = new HelpViewer(nullptr);
            lone->setAttribute(Qt::WA_DeleteOnClose);
        }
        return lone;
    }
    if (auto* const self = qobject_cast<HelpViewer*>(owner)) {
        return self;
    }
    auto* viewer = owner->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly);
    if (viewer == nullptr) {
        viewer = new HelpViewer(owner);
    }
    return viewer;
}

} // namespace

QString helpPageName(HelpTopic topic)
{
    for (const TopicPage& page : kPages) {
        if (page.topic == topic)
            return QString::fromUtf16(page.page);
    }
    return {};
}

HelpTopic helpTopicOfPage(const QString& pageName)
{
    for (const TopicPage& page : kPages) {
        if (pageName == QStringView(page.page))
            return page.topic;
    }
    return HelpTopic::None;
}

void setHelpTopic(QWidget* window, HelpTopic topic)
{
    if (window == nullptr) {
        return;
    }
    window->setProperty(kTopicProperty, QVariant::fromValue(int(topic)));
    if (window->findChild<QShortcut*>(QStringLiteral("helpShortcut"), Qt::FindDirectChildrenOnly) !=
        nullptr) {
        return;
    }
    auto* const shortcut = new QShortcut(window);
    shortcut->setObjectName(QStringLiteral("helpShortcut"));
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::HelpContents);
    if (!keys.contains(QKeySequence(Qt::Key_F1))) {
        keys.prepend(QKeySequence(Qt::Key_F1));
    }
    shortcut->setKeys(keys);
    // Wherever the focus is inside the window, F1 reaches this shortcut.
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window,
                     [window] { showHelp(window, helpTopic(window)); });
}

HelpTopic helpTopic(const QWidget* window)
{
    return window != nullptr ? HelpTopic(window->property(kTopicProperty).toInt()) : HelpTopic::None;
}

void showHelp(QWidget* parent, HelpTopic topic)
{
    HelpViewer* const viewer = viewerFor(parent);
    viewer->showTopic(topic, language());
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace ui
