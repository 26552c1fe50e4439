#pragma once

#include "ui/Help.h"

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace ui {

// The built-in help viewer: one non-modal window per top-level window that asks for help, showing
// one topic page at a time from the program's resources.
class HelpViewer final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpViewer)

public:
    explicit HelpViewer(QWidget* parent);

    // Shows topic in language (English for a byte no language has).
    void showTopic(HelpTopic topic, quint8 language);

    HelpTopic topic() const { return topic_; }
    quint8 language() const { return language_; }
    QString pageTitle() const;
    QString pageText() const;

    // The resource holding a topic's page; empty when there is none.
    static QString pagePath(HelpTopic topic, quint8 language);

private:
    void followSource(const QUrl& source);

    QTextBrowser* browser_;
    QPushButton* close_;
    HelpTopic topic_ = HelpTopic::None;
    quint8 language_ = 0;
};

} // namespace ui
