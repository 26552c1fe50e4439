#include "ui/Help.h"

#include "ui/HelpViewer.h"

#include <QApplication>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QVariant>
#include <QWidget>

namespace ui {

namespace {

constexpr char kContextProperty[] = "helpContext";

QString& currentHelpFile()
{
    static QString fileName = QString::fromUtf16(kHelpFileEnglish);
    return fileName;
}

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

void setHelpFile(const QString& fileName)
{
    currentHelpFile() = fileName;
}

QString helpFile()
{
    return currentHelpFile();
}

void setHelpContext(QWidget* window, int context)
{
    if (window == nullptr) {
        return;
    }
    window->setProperty(kContextProperty, context);
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
                     [window] { showHelp(window, helpContext(window)); });
}

int helpContext(const QWidget* window)
{
    return window != nullptr ? window->property(kContextProperty).toInt() : 0;
}

void showHelp(QWidget* parent, int context)
{
    const bool german = helpFile().compare(QString::fromUtf16(kHelpFileGerman), Qt::CaseInsensitive) == 0;
    HelpViewer* const viewer = viewerFor(parent);
    viewer->showTopic(context, german);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace ui
