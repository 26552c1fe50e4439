#pragma once

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

    // Shows topic in German when german is set, otherwise in English.
    void showTopic(int topic, bool german);

    int topic() const { return topic_; }
    bool isGerman() const { return german_; }
    QString pageTitle() const;
    QString pageText() const;

    // The resource holding a topic's page; empty when there is none.
    static QString pagePath(int topic, bool german);

private:
    void followSource(const QUrl& source);

    QTextBrowser* browser_;
    QPushButton* close_;
    int topic_ = 0;
    bool german_ = false;
};

} // namespace ui
