#pragma once

#include <QString>

class QWidget;

// The application's help: one page per topic and language, opened at a window's topic by F1, in the
// program's language.
namespace ui {

enum class HelpTopic
{
    None,
    MainWindow,
    FilmWindow,
    CassetteDialog,
    SearchDialog,
    FindSpace,
    TapeMap,
    Duplicates,
    Statistics,
    Labels,
    PrintPreview,
    Backups,
};

// The name of a topic's page ("main-window"); empty for None.
QString helpPageName(HelpTopic topic);
// The topic of a page name; None when no topic has it.
HelpTopic helpTopicOfPage(const QString& pageName);

// Gives window a help topic: F1 anywhere in it opens that topic.
void setHelpTopic(QWidget* window, HelpTopic topic);
HelpTopic helpTopic(const QWidget* window);

// Opens the built-in help viewer at topic, in the program's language.
void showHelp(QWidget* parent, HelpTopic topic);

} // namespace ui
