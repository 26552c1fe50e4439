#pragma once

#include <QString>

class QWidget;

// The application's help: one help file per language, opened at a window's help topic by F1.
namespace ui {

inline constexpr int kHelpMainWindow = 40;
inline constexpr int kHelpFilmWindow = 90;
inline constexpr int kHelpCassetteDialog = 260;
inline constexpr int kHelpSearchDialog = 270;

inline constexpr char16_t kHelpFileEnglish[] = u"RMINDR2E.HLP";
inline constexpr char16_t kHelpFileGerman[] = u"RMINDR2D.HLP";

void setHelpFile(const QString& fileName);
QString helpFile();

// Gives window a help topic: F1 anywhere in it opens that topic.
void setHelpContext(QWidget* window, int context);
int helpContext(const QWidget* window);

// Opens the built-in help viewer at topic, in the language of the current help file.
void showHelp(QWidget* parent, int context);

} // namespace ui
